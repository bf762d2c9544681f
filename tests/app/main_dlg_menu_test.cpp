#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

#include "about_dlg.h"
#include "controller_fixture.h"
#include "help_page.h"
#include "launch_document.h"

namespace {

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

// Tips are cut to 319 characters, never inside one: the second name ends in
// a character outside the basic plane (two UTF-16 units) at 319.
using TipsTest = ControllerTest;

// The About box's links show, whole, the addresses they open.
TEST(AboutDlgTest, EachLinkShowsTheAddressItOpens) {
  CAboutDlg about;
  const QUrl web = CAboutDlg::DownloadUrl();
  EXPECT_TRUE(about.WebButton().text().endsWith(web.host() + web.path())) << about.WebButton().text().toStdString();
  EXPECT_TRUE(about.MailButton().text().endsWith(CAboutDlg::MailUrl().path()));
  for (QPushButton* link : {&about.WebButton(), &about.MailButton()})
    EXPECT_LT(link->fontMetrics().horizontalAdvance(link->text()), link->width()) << link->text().toStdString();
}

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
