#pragma once

#include <array>
#include <vector>

#include "color_element_host.h"

// The main window as the colour window sees it: lit states kept per element
// (none for the displays and the thumb), applied colours and the open flag
// noted in order.
class FakeColorHost : public ColorElementHost {
 public:
  int GetElementState(int k) const override { return HasState(k) ? lit[static_cast<std::size_t>(k)] : 0; }
  void SetElementState(int k, int on) override {
    if (HasState(k)) lit[static_cast<std::size_t>(k)] = on;
  }
  void ApplyColor(int k) override { applied.push_back(k); }
  void SetColorDlgOpen(bool open) override { openChanges.push_back(open); }

  std::array<int, 25> lit{};
  std::vector<int> applied;
  std::vector<bool> openChanges;

 private:
  static bool HasState(int k) { return (k >= 0 && k <= 16) || (k >= 20 && k <= 23); }
};
