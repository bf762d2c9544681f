#pragma once

#include <algorithm>
#include <vector>

#include "mci_window.h"

// Keeps every position notified.
class PositionRecorder : public MciPositionListener {
 public:
  void OnNotifyPos(int positionMs) override { positions.push_back(positionMs); }
  long Count(int positionMs) const { return std::count(positions.begin(), positions.end(), positionMs); }

  std::vector<int> positions;
};
