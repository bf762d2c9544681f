#pragma once

#include <string>

#include <QString>

// Texts in the stores are bytes. On screen they are UTF-8 when the bytes are
// valid UTF-8, otherwise Latin-1; plain ASCII takes the quick way.
QString ScreenText(const std::string& bytes);

// A local path from the desktop as the bytes the file system knows it by.
std::string PathBytes(const QString& path);
