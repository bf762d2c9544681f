#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "dictionary_store.h"
#include "entry_array.h"
#include "platform_hooks.h"
#include "riff_builder.h"
#include "temp_dir.h"
#include "text_file.h"
#include "track_list_view.h"
#include "tracklist_controller.h"

// Records what the tracklist asks of the main controller; dictionary lookups
// go to a real store when one is given.
class FakeController : public TracklistController {
 public:
  void SetScanning(bool on) override { scanning.push_back(on); }
  int LookUpDictionary(MediaEntry& entry) override { return dictionary != nullptr ? dictionary->Lookup(entry) : 0; }
  void OpenCurrentTrack() override {}

  std::vector<bool> scanning;
  const DictionaryStore* dictionary = nullptr;
};

// A list box in memory: texts and selection flags.
class FakeListView : public TrackListView {
 public:
  void AppendItem(const std::string& text) override { InsertItem(static_cast<int>(items.size()), text); }
  void InsertItem(int index, const std::string& text) override {
    items.insert(items.begin() + index, text);
    selected.insert(selected.begin() + index, false);
  }
  void DeleteItem(int index) override {
    items.erase(items.begin() + index);
    selected.erase(selected.begin() + index);
  }
  void RemoveAllItems() override { items.clear(), selected.clear(); }
  void SetItemSelected(int index, bool on) override {
    if (index >= 0) selected[static_cast<std::size_t>(index)] = on;
    if (index < 0) std::fill(selected.begin(), selected.end(), on);
  }
  std::vector<int> SelectedIndexes() const override {
    std::vector<int> indexes;
    for (std::size_t i = 0; i < selected.size(); ++i) {
      if (selected[i]) indexes.push_back(static_cast<int>(i));
    }
    return indexes;
  }
  void ShowTrackInfo() override {}

  std::vector<std::string> items;
  std::vector<bool> selected;
};

// Hooks that keep every message shown and run *onPump, when set, at each pump.
inline PlatformHooks RecordingHooks(std::vector<std::string>* messages, std::function<void()>* onPump = nullptr) {
  PlatformHooks hooks;
  hooks.ShowMessage = [messages](const std::string& text) { messages->push_back(text); };
  hooks.PumpMessages = [onPump] {
    if (onPump != nullptr && *onPump) (*onPump)();
  };
  return hooks;
}

// The lines as a data file holds them.
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + std::string(kLineEnd);
  return text;
}

// The files of the entries, in order.
inline std::vector<std::string> FilesOf(const EntryArray& entries) {
  std::vector<std::string> files;
  for (int i = 0; i < entries.GetSize(); ++i) files.push_back(entries.At(i).m_strFile);
  return files;
}

// What a data file holds now, as text.
inline std::string SavedText(const std::string& path) { return ToText(ReadFileBytes(path)); }
