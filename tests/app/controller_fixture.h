#pragma once

// A main controller in a fresh current folder, playing through the simulated
// playback window, with message boxes recorded instead of shown.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "main_dlg.h"
#include "message_box.h"
#include "simulated_mci_window.h"
#include "skin_button.h"
#include "temp_dir.h"

// Makes a folder the current one for its lifetime: the data files are
// opened by bare name.
class ScopedCurrentDir {
 public:
  explicit ScopedCurrentDir(const std::string& path) { std::filesystem::current_path(path); }
  ~ScopedCurrentDir() {
    std::error_code error;
    std::filesystem::current_path(m_previous, error);
    EXPECT_FALSE(error) << error.message();
  }

 private:
  std::filesystem::path m_previous = std::filesystem::current_path();
};

// A file's whole text; empty when it cannot be read.
inline std::string ReadText(const std::string& path) { return ToText(ReadFileBytes(path)); }

class ControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto mci = std::make_unique<SimulatedMciWindow>();
    m_mci = mci.get();
    m_dlg->SetMciWindow(std::move(mci));
    SetModes(true, false, false);
  }

  // Tracks "/music/tN.wav" named "Track N", tagged audio, in the album and
  // known to the playback window with the given lengths.
  void AddTracks(std::initializer_list<int> lengthsMs) {
    for (int length : lengthsMs) {
      const int n = m_dlg->TracklistDlg().GetTrackCount();
      MediaEntry track;
      track.m_strFile = "/music/t" + std::to_string(n) + ".wav";
      track.m_strName = "Track " + std::to_string(n);
      track.m_nOrigin = kOriginRiffInfo;
      track.m_nKind = 1;
      m_dlg->TracklistDlg().Album().Add(track);
      m_mci->AddMedium(track.m_strFile, length);
    }
  }

  void SetModes(bool continuous, bool loop, bool random) {
    m_dlg->Button(IDC_CONTINUOUS)->SetLit(continuous);
    m_dlg->Button(IDC_LOOP)->SetLit(loop);
    m_dlg->Button(IDC_RANDOM)->SetLit(random);
  }

  // Makes track index current, opens it and starts it playing.
  void PlayTrack(int index) {
    m_dlg->TracklistDlg().SetCurrentIndex(index);
    m_dlg->OnCommand(IDC_PLAY);
    m_dlg->OpenCurrentTrack();
    m_mci->ClearCalls();
  }

  bool Lit(int id) const { return m_dlg->Button(id)->GetLit() != 0; }
  // The lit transport buttons, in this order.
  std::vector<int> LitTransport() const {
    std::vector<int> lit;
    for (int id : {IDC_PLAY, IDC_STOP, IDC_PAUSE, IDC_FF, IDC_RW}) {
      if (Lit(id)) lit.push_back(id);
    }
    return lit;
  }
  int Current() const { return m_dlg->TracklistDlg().GetCurrentIndex(); }
  const std::vector<std::string>& Calls() const { return m_mci->Calls(); }

  TempDir m_dir;
  ScopedCurrentDir m_cwd{m_dir.Path()};
  CMessageBoxRecorder m_messages;
  std::unique_ptr<CMainDlg> m_dlg = std::make_unique<CMainDlg>();
  SimulatedMciWindow* m_mci = nullptr;
};
