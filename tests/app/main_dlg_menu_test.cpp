#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "color_window.h"
#include "controller_fixture.h"
#include "help_page.h"
#include "launch_document.h"

namespace {

// Runs check on the modal window once it shows, then lets the test go on.
// The window opens from a queued command, so it is looked for a few times.
template <typename Window, typename Check>
void WhenModalShows(Check check, int triesLeft = 50) {
  QTimer::singleShot(10, [check, triesLeft] {
    if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget())) {
      check(*window);
    } else if (triesLeft > 0) {
      WhenModalShows<Window>(check, triesLeft - 1);
    } else {
      ADD_FAILURE() << "the window did not show";
    }
  });
}

class MenuTest : public ControllerTest {
 protected:
  void SetUp() override {
    ControllerTest::SetUp();
    m_previousLauncher = SetDocumentLauncher([this](const QUrl& url) { m_launched.push_back(url); });
  }
  void TearDown() override { SetDocumentLauncher(m_previousLauncher); }

  // Chooses a menu entry as the user would, and lets its command arrive.
  void Choose(const QString& text) {
    for (QAction* action : m_dlg->SystemMenu()->actions()) {
      if (action->text() == text) {
        action->trigger();
      }
    }
    QCoreApplication::processEvents();
  }

  std::vector<QUrl> m_launched;
  DocumentLauncher m_previousLauncher;
};

// Help opens a guide that exists (here the source tree's), never a missing
// page.
TEST_F(MenuTest, HelpOpensTheGuideThatExists) {
  Choose("Help");
  ASSERT_EQ(m_launched.size(), 1u);
  EXPECT_TRUE(QFileInfo(m_launched[0].toLocalFile()).isFile()) << m_launched[0].toString().toStdString();
  EXPECT_TRUE(FindHelpPage({QString::fromStdString(m_dir.File("nowhere.html"))}).isEmpty());
}

TEST_F(MenuTest, TheColourWindowHoldsTheSearchesStill) {
  AddTracks({60000});
  PlayTrack(0);
  WhenModalShows<CColorWindow>([this](CColorWindow& window) {
    window.ElementList().setCurrentIndex(13);  // the forward search button
    EXPECT_TRUE(Lit(IDC_FF)) << "the element being edited is lit";
    m_mci->ClearCalls();
    m_dlg->OnTimer(IDT_SEEK);
    EXPECT_TRUE(Calls().empty()) << "no search step while the colour window is open";
    window.OkButton().click();
  });
  Choose("Color settings");
  EXPECT_FALSE(m_dlg->IsColorDlgOpen());
  EXPECT_FALSE(Lit(IDC_FF)) << "a lamp lit for the colour window must not start a search";
}

// Tips are cut to 319 characters, never inside one: the second name ends in
// a character outside the basic plane (two UTF-16 units) at 319.
using TipsTest = ControllerTest;

TEST_F(TipsTest, LongTipsAreCutTo319CharactersNeverSplittingOne) {
  for (const std::string& name : {std::string(400, 'n'), std::string(318, 'n') + "\xF0\x9F\x8E\xB5"}) {
    MediaEntry track;
    track.m_strName = name;
    m_dlg->TracklistDlg().Album().Add(track);
  }
  m_dlg->TracklistDlg().SetCurrentIndex(0);
  m_dlg->TagDisplayDlg().SetTagFlag(2, 1);
  EXPECT_EQ(m_dlg->TipText(IDC_TRACK_DISPLAY), QString(319, 'n'));
  m_dlg->TracklistDlg().SetCurrentIndex(1);
  EXPECT_EQ(m_dlg->TipText(IDC_TRACK_DISPLAY), QString(318, 'n'));
}

}  // namespace
