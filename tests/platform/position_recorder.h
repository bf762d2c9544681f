#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include "mci_window.h"

// Keeps every position notified, and lets a test act on each one as the
// main window would.
class PositionRecorder : public MciPositionListener {
 public:
  void OnNotifyPos(int positionMs) override {
    positions.push_back(positionMs);
    if (onNotify) onNotify(positionMs);
  }
  long Count(int positionMs) const { return std::count(positions.begin(), positions.end(), positionMs); }

  std::vector<int> positions;
  std::function<void(int)> onNotify;
};
