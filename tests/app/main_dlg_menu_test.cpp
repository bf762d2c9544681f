#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

#include "about_dlg.h"
#include "controller_fixture.h"
#include "help_page.h"
#include "launch_document.h"

namespace {

using MenuTest = ControllerTest;

// Help, chosen in the menu, opens a guide that exists (here the source
// tree's), never a missing page.
TEST_F(MenuTest, HelpOpensTheGuideThatExists) {
  std::vector<QUrl> launched;
  const DocumentLauncher previous = SetDocumentLauncher([&launched](const QUrl& url) { launched.push_back(url); });
  for (QAction* action : m_dlg->SystemMenu()->actions()) {
    if (action->text() == "Help") action->trigger();
  }
  QCoreApplication::processEvents();  // the entry's command is queued
  SetDocumentLauncher(previous);
  ASSERT_EQ(launched.size(), 1u);
  EXPECT_TRUE(QFileInfo(launched[0].toLocalFile()).isFile()) << launched[0].toString().toStdString();
  EXPECT_TRUE(FindHelpPage({QString::fromStdString(m_dir.File("nowhere.html"))}).isEmpty());
}

// The About box's links show, whole, the addresses they open.
TEST(AboutDlgTest, EachLinkShowsTheAddressItOpens) {
  CAboutDlg about;
  const QUrl web = CAboutDlg::DownloadUrl();
  EXPECT_TRUE(about.WebButton().text().endsWith(web.host() + web.path())) << about.WebButton().text().toStdString();
  EXPECT_TRUE(about.MailButton().text().endsWith(CAboutDlg::MailUrl().path()));
  for (QPushButton* link : {&about.WebButton(), &about.MailButton()})
    EXPECT_LT(link->fontMetrics().horizontalAdvance(link->text()), link->width()) << link->text().toStdString();
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
