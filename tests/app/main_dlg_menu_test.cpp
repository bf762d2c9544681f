#include <filesystem>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "about_dlg.h"
#include "color_window.h"
#include "controller_fixture.h"
#include "help_page.h"
#include "launch_document.h"
#include "tag_display_window.h"

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

// The guide below the album's folder comes first; without it Help opens a
// guide that exists (here the source tree's), never a missing page.
TEST_F(MenuTest, HelpOpensTheGuideThatExists) {
  const QUrl local = QUrl::fromLocalFile(QString::fromStdString(m_dir.Write("help/help.html", std::string("guide"))));
  Choose("Help");
  m_dlg->OnCommand(IDC_HELP);
  ASSERT_EQ(m_launched.size(), 2u);
  EXPECT_EQ(m_launched[0], local);
  EXPECT_EQ(m_launched[1], local);
  std::filesystem::remove_all(m_dir.File("help"));
  m_dlg->OnCommand(IDC_HELP);
  ASSERT_EQ(m_launched.size(), 3u);
  EXPECT_TRUE(QFileInfo(m_launched[2].toLocalFile()).isFile()) << m_launched[2].toString().toStdString();
  EXPECT_TRUE(FindHelpPage({QString::fromStdString(m_dir.File("nowhere.html"))}).isEmpty());
}

TEST_F(MenuTest, AboutShowsTheVersionAndOpensItsLinks) {
  QString shownText, webText, mailText;
  WhenModalShows<CAboutDlg>([&](CAboutDlg& about) {
    shownText = about.findChild<QLabel*>("IDC_VERSION")->text();
    webText = about.WebButton().text();
    mailText = about.MailButton().text();
    // A link cut at the button's edge would not show the address it opens.
    for (QPushButton* link : {&about.WebButton(), &about.MailButton()}) {
      EXPECT_LT(link->fontMetrics().horizontalAdvance(link->text()), link->width()) << link->text().toStdString();
    }
    about.WebButton().click();
    about.MailButton().click();
    about.OkButton().click();
  });
  Choose("About Velmora");
  EXPECT_EQ(shownText, "Velmora 1.9");
  ASSERT_EQ(m_launched.size(), 2u);
  EXPECT_EQ(m_launched[0].host(), "velmora.example.org");
  EXPECT_TRUE(webText.endsWith(m_launched[0].host() + m_launched[0].path())) << webText.toStdString();
  EXPECT_EQ(m_launched[1].toString(), "mailto:velmora@example.org?Subject=[Velmora]");
  EXPECT_TRUE(mailText.endsWith(m_launched[1].path())) << mailText.toStdString();
}

TEST_F(MenuTest, TheColourWindowHoldsTheSearchesStill) {
  AddTracks({60000});
  PlayTrack(0);
  m_dlg->Button(IDC_SYSMENU)->SetLit(0);
  WhenModalShows<CColorWindow>([this](CColorWindow& window) {
    EXPECT_TRUE(m_dlg->IsColorDlgOpen());
    EXPECT_TRUE(Lit(IDC_SYSMENU)) << "the element being edited is lit";
    window.ElementList().setCurrentIndex(13);  // the forward search button
    EXPECT_TRUE(Lit(IDC_FF));
    window.Edit(ColorComponent::Blue).setText("7");
    m_mci->ClearCalls();
    m_dlg->OnTimer(IDT_SEEK);
    EXPECT_TRUE(Calls().empty()) << "no search step while the colour window is open";
    window.OkButton().click();
  });
  Choose("Color settings");
  EXPECT_FALSE(m_dlg->IsColorDlgOpen());
  EXPECT_FALSE(Lit(IDC_FF));
  EXPECT_FALSE(Lit(IDC_SYSMENU));
  EXPECT_EQ(m_dlg->Button(IDC_FF)->GetColor().blue, 7);
}

// The choices reach the track display's tip.
TEST_F(MenuTest, TagDisplayChoicesShowInTheTrackTip) {
  MediaEntry track;
  track.m_strArtist = "X";
  track.m_strDate = "1998";
  m_dlg->TracklistDlg().Album().Add(track);
  m_dlg->TracklistDlg().SetCurrentIndex(0);
  WhenModalShows<CTagDisplayWindow>([](CTagDisplayWindow& window) {
    window.Box(1).click();
    window.Box(4).click();
    window.OkButton().click();
  });
  Choose("Tag display");
  EXPECT_EQ(m_dlg->TipText(IDC_TRACK_DISPLAY), "X / 1998 / ");
}

}  // namespace
