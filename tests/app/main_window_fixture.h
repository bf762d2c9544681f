#pragma once

// A shown main window with the simulated playback window, and its pixels.
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "main_dlg.h"
#include "simulated_mci_window.h"
#include "skin_image.h"

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto mci = std::make_unique<SimulatedMciWindow>();
    m_mci = mci.get();
    window.SetMciWindow(std::move(mci));
    window.show();
  }

  // Mouse events go to the native window, so Qt hands them to the control
  // under the cursor as it would a user's.
  QWindow* Handle() { return window.windowHandle(); }

  PixelBuffer Grab() { return PixelBufferFromImage(window.grab().toImage()); }

  // The part of a window picture under a control's client rectangle.
  static PixelBuffer Crop(const PixelBuffer& shot, const ClientRect& rect) {
    PixelBuffer block(rect.Width(), rect.Height());
    for (int y = 0; y < rect.Height(); ++y) {
      for (int x = 0; x < rect.Width(); ++x) {
        block.SetPixel(x, y, shot.Pixel(rect.left + kBorder + x, rect.top + kBorder + y));
      }
    }
    return block;
  }

  // A client point as the window's own coordinates.
  static QPoint At(int clientX, int clientY) { return {clientX + kBorder, clientY + kBorder}; }

  // What the playback window was asked to do.
  const std::vector<std::string>& Calls() const { return m_mci->Calls(); }

  CMainDlg window;
  SimulatedMciWindow* m_mci = nullptr;
};
