#pragma once

#include <string>
#include <vector>

// The tracklist window's list as the album store sees it: item i shows the
// display name of track i. The store holds a pointer to the view only while
// the window exists.
class TrackListView {
 public:
  virtual void AppendItem(const std::string& text) = 0;
  virtual void InsertItem(int index, const std::string& text) = 0;
  virtual void DeleteItem(int index) = 0;
  virtual void RemoveAllItems() = 0;
  // Selects or unselects one item; index -1 means every item.
  virtual void SetItemSelected(int index, bool selected) = 0;
  // Every selected index, ascending, however many there are.
  virtual std::vector<int> SelectedIndexes() const = 0;
  // Refreshes the info fields from the caret item.
  virtual void ShowTrackInfo() = 0;

 protected:
  ~TrackListView() = default;
};
