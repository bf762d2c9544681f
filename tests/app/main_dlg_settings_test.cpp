#include <QAction>
#include <QMenu>

#include "controller_fixture.h"
#include "dictionary_window.h"
#include "memory_profile_store.h"
#include "qt_profile_store.h"
#include "settings_table.h"

namespace {

class SettingsTest : public ControllerTest {
 protected:
  std::string IniPath() const { return m_dir.Path() + "/Velmora.conf"; }

  // Starts the main window on the settings file IniPath().
  void StartOnFile() { Start(std::make_unique<QtProfileStore>(QString::fromStdString(IniPath()))); }

  void Start(std::unique_ptr<ProfileStore> store) {
    m_dlg->SetProfileStore(std::move(store));
    ASSERT_EQ(m_dlg->OnInitDialog(), 1);
  }
};

// The main window has no frame to drag back: one far off every screen comes
// back to the default place. A zoom the menu does not offer reads as missing.
TEST_F(SettingsTest, AHandEditedFileStartsCleanly) {
  m_dir.Write("Velmora.conf", std::string("[Settings]\nMainX=90000\nMainY=-90000\n"
                                           "OptionLoop=1\nOptionContinuous=0\nZoom=4\ntagISRC=1\n"));
  StartOnFile();
  EXPECT_EQ(std::tuple(Lit(IDC_LOOP), Lit(IDC_CONTINUOUS), Lit(IDC_RANDOM), QRect(m_dlg->GetMainPosition(), m_dlg->size()),
                       m_dlg->TagDisplayDlg().GetTagFlag(6), m_dlg->TagDisplayDlg().GetTagFlag(5)),
            std::tuple(true, false, false, QRect(10, 10, 266, 114), 1, 0));
}

// The modes and colours written at Exit are seen on disk by the end-to-end
// runs; the video window's place and the tag choices are not.
TEST_F(SettingsTest, ExitWritesWhereTheVideoWindowWasMovedAndTheTagChoices) {
  auto store = std::make_unique<MemoryProfileStore>();
  MemoryProfileStore& profile = *store;
  Start(std::move(store));
  for (int number : {4, 6}) m_dlg->TagDisplayDlg().SetTagFlag(number, 1);
  m_mci->Move(33, 44, 348, 0);  // the user moved the video window
  EXPECT_EQ(profile.Size(), 0u) << "nothing is written before Exit";
  m_dlg->OnExit();
  for (const auto& [name, value] : {std::pair{"tagICRD", 1}, {"tagISRC", 1}, {"PlayX", 33}, {"PlayY", 44}}) {
    EXPECT_EQ(profile.GetProfileInt(kSettingsSection, name, -1), value) << name;
  }
}

// Every window's place and size is kept through many runs under a real
// window manager; what that leaves out is the zoom, which comes back with the
// window's corner where it was, and a place partly off the left edge.
TEST_F(SettingsTest, AZoomedWindowAndOnePartlyOffTheLeftEdgeReopenAsLeft) {
  StartOnFile();
  m_dlg->OnCommand(IDC_DICTIONARY);
  ASSERT_TRUE(m_dlg->DictionaryDlg().WindowExists());
  m_dlg->DictionaryDlg().Window()->move(-40, 77);
  m_dlg->SetMainPosition(QPoint(30, 40));
  m_dlg->OnCommand(ID_MENU_ZOOM_3);  // the highest zoom the file keeps
  m_dlg->OnExit();
  // A second run: the first window, and its hold on the settings file, go first.
  m_dlg.reset();
  m_dlg = std::make_unique<CMainDlg>();
  m_dlg->SetMciWindow(std::make_unique<SimulatedMciWindow>());
  StartOnFile();
  EXPECT_TRUE(m_dlg->geometry() == QRect(30, 40, 798, 342) && m_dlg->SystemMenu()->actions().value(2)->menu()->actions().value(2)->isChecked());
  m_dlg->OnCommand(IDC_DICTIONARY);
  ASSERT_TRUE(m_dlg->DictionaryDlg().WindowExists());
  EXPECT_EQ(m_dlg->DictionaryDlg().Window()->pos(), QPoint(-40, 77));
}

}  // namespace
