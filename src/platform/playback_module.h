#pragma once

#include <memory>

#include <QStringList>

#include "mci_window.h"

class QWidget;

// The real playback window lives in a module of its own, so that Qt
// Multimedia and the media framework behind it are loaded once the main
// window is on the screen instead of delaying its first paint.
//
// Makes the playback window from the first of the usual folders that holds
// the module: the program's own folder, the folder the module is installed
// to, and the build tree's module folder. When none does, the user is told
// once and gets a window that plays nothing but keeps its place.
std::unique_ptr<MciWindow> CreatePlaybackWindow(QWidget* owner, int x, int y);

// The same, looking in the given folders only.
std::unique_ptr<MciWindow> CreatePlaybackWindowFrom(const QStringList& folders, QWidget* owner, int x, int y);

// The folders CreatePlaybackWindow looks in, in order.
QStringList PlaybackModuleFolders();

// The name of the function the module exports:
//   MciWindow* velmora_create_playback_window(QWidget* owner, int x, int y);
inline constexpr const char* kPlaybackModuleEntry = "velmora_create_playback_window";
// The module's file name without the platform's suffix.
inline constexpr const char* kPlaybackModuleName = "velmora-playback";
