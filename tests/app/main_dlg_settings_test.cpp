#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QTest>

#include "controller_fixture.h"
#include "dictionary_window.h"
#include "memory_profile_store.h"
#include "qt_profile_store.h"
#include "settings_table.h"
#include "tracklist_window.h"

namespace {

class SettingsTest : public ControllerTest {
 protected:
  std::string IniPath() const { return m_dir.Path() + "/Velmora.conf"; }

  // Starts the main window on the settings file IniPath().
  void StartOnFile() { Start(std::make_unique<QtProfileStore>(QString::fromStdString(IniPath()))); }

  // An entry of the system menu's Zoom submenu.
  QAction* ZoomEntry(const QString& text) const {
    for (QAction* entry : m_dlg->SystemMenu()->actions()) {
      for (QAction* zoom : entry->menu() != nullptr ? entry->menu()->actions() : QList<QAction*>{}) {
        if (zoom->text() == text) return zoom;
      }
    }
    ADD_FAILURE() << "no zoom entry " << text.toStdString();
    return new QAction(m_dlg.get());
  }

  void Start(std::unique_ptr<ProfileStore> store) {
    m_dlg->SetProfileStore(std::move(store));
    ASSERT_EQ(m_dlg->OnInitDialog(), 1);
  }

  // A second run in the same folder: the first window is gone, and with it
  // its hold on the settings file.
  void Restart() {
    m_dlg.reset();
    m_dlg = std::make_unique<CMainDlg>();
    m_dlg->SetMciWindow(std::make_unique<SimulatedMciWindow>());
    StartOnFile();
  }
};

// The main window has no frame to drag back: one far off every screen comes
// back to the default place. Text where a number belongs reads as missing,
// and so does a zoom the menu does not offer.
TEST_F(SettingsTest, AHandEditedFileStartsCleanly) {
  m_dir.Write("Velmora.conf", std::string("[Settings]\nMainX=90000\nMainY=-90000\nTagsX=12x\nTagsY=30\n"
                                           "OptionLoop=1\nOptionContinuous=0\nZoom=4\n"));
  StartOnFile();
  EXPECT_TRUE(Lit(IDC_LOOP) && !Lit(IDC_CONTINUOUS) && !Lit(IDC_RANDOM));
  EXPECT_EQ(m_dlg->GetMainPosition(), QPoint(10, 10));
  EXPECT_EQ(m_dlg->size(), QSize(266, 114));
  EXPECT_EQ(m_dlg->TagDisplayEditor().GetWindowPos(), QPoint(10, 30));
}

TEST_F(SettingsTest, ExitWritesTheModesAndColours) {
  auto store = std::make_unique<MemoryProfileStore>();
  MemoryProfileStore& profile = *store;
  Start(std::move(store));
  m_dlg->OnCommand(IDC_RANDOM);
  m_dlg->ColorDlg().SetColor(24, ColorTriple{1, 2, 3});
  m_dlg->TagDisplayDlg().SetTagFlag(4, 1);
  m_mci->Move(33, 44, 348, 0);  // the user moved the video window
  EXPECT_EQ(profile.Size(), 0u) << "nothing is written before Exit";
  m_dlg->OnExit();
  EXPECT_EQ(profile.GetProfileInt(kSettingsSection, "OptionRandom", -1), 1);
  EXPECT_EQ(profile.GetProfileInt(kSettingsSection, "OptionContinuous", -1), 1);
  EXPECT_EQ(profile.GetProfileInt(kSettingsSection, "m_clrSlider", -1), 0x030201);
  EXPECT_EQ(profile.GetProfileInt(kSettingsSection, "tagICRD", -1), 1);
  EXPECT_EQ(profile.GetProfileInt(kSettingsSection, "PlayX", -1), 33);
  EXPECT_EQ(profile.GetProfileInt(kSettingsSection, "PlayY", -1), 44);
}

// The offscreen platform frames its windows too (two pixels a side), so a
// place or size that takes the frame in on one side of the round trip only
// drifts here as under a desktop's window manager.
TEST_F(SettingsTest, EveryWindowReopensWhereAndAsLargeAsItWasLeft) {
  StartOnFile();
  m_dlg->OnCommand(IDC_DICTIONARY);
  m_dlg->OnCommand(IDC_TRACKLIST);
  ASSERT_TRUE(m_dlg->DictionaryDlg().WindowExists() && m_dlg->TracklistDlg().WindowExists());
  // Partly off the left edge: still in reach.
  m_dlg->DictionaryDlg().Window()->move(-40, 77);
  m_dlg->TracklistDlg().Window()->move(300, 20);
  m_dlg->TracklistDlg().Window()->resize(260, 390);
  m_dlg->DictionaryDlg().CloseWindow();
  m_dlg->SetMainPosition(QPoint(30, 40));
  ZoomEntry("3x")->trigger();  // the highest zoom the file keeps
  QCoreApplication::processEvents();
  m_dlg->OnExit();
  for (int run = 0; run < 2; ++run) {
    Restart();
    // The zoom comes back with the window's corner where it was.
    EXPECT_EQ(m_dlg->geometry(), QRect(30, 40, 798, 342));
    EXPECT_TRUE(ZoomEntry("3x")->isChecked() && !ZoomEntry("1x")->isChecked());
    QtProfileStore written(QString::fromStdString(IniPath()));
    EXPECT_EQ(written.GetProfileInt(kSettingsSection, "DictX", -1), -40);
    EXPECT_EQ(written.GetProfileInt(kSettingsSection, "DictY", -1), 77);
    EXPECT_EQ(m_dlg->TracklistDlg().GetWindowRect(), QRect(300, 20, 260, 390)) << "run " << run;
    m_dlg->OnCommand(IDC_DICTIONARY);
    m_dlg->OnCommand(IDC_TRACKLIST);
    ASSERT_TRUE(m_dlg->DictionaryDlg().WindowExists() && m_dlg->TracklistDlg().WindowExists());
    EXPECT_EQ(m_dlg->DictionaryDlg().Window()->pos(), QPoint(-40, 77));
    EXPECT_EQ(m_dlg->TracklistDlg().Window()->geometry().size(), QSize(260, 390));
    m_dlg->OnExit();
  }
}

TEST_F(SettingsTest, TheSessionEndLeavesTheSettingsFileAsItWas) {
  const std::string before = "[Settings]\nOptionRandom=0\nMainX=40\n";
  m_dir.Write("Velmora.conf", before);
  StartOnFile();
  m_dlg->OnCommand(IDC_RANDOM);
  m_dlg->SetMainPosition(QPoint(60, 60));
  m_dlg->OnEndSession();
  m_dlg.reset();
  EXPECT_EQ(ReadText(IniPath()), before);
}

}  // namespace
