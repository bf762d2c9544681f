// The system menu of the skin and the windows it opens: colour settings, tag
// display, the About box and help.
#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QMenu>
#include <QScreen>

#include "about_dlg.h"
#include "help_page.h"
#include "launch_document.h"
#include "main_dlg.h"
#include "message_box.h"

namespace {

struct MenuEntry {
  int id;
  const char* text;  // nullptr for a separator
};

// The Zoom submenu follows the entries before the separator.
constexpr MenuEntry kMenuEntries[] = {
    {ID_MENU_COLOR, "Color settings"}, {ID_MENU_TAGDISPLAY, "Tag display"}, {0, nullptr},
    {ID_MENU_ABOUT, "About Velmora"},  {ID_MENU_HELP, "Help"},
};

constexpr MenuEntry kZoomEntries[] = {
    {ID_MENU_ZOOM_1, "1x"},
    {ID_MENU_ZOOM_2, "2x"},
    {ID_MENU_ZOOM_3, "3x"},
};

}  // namespace

QAction* CMainDlg::AddMenuCommand(QMenu* menu, int id, const char* text) {
  QAction* action = menu->addAction(QString::fromLatin1(text));
  action->setData(id);
  // Queued, so the menu has closed before a modal window opens.
  connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); }, Qt::QueuedConnection);
  return action;
}

// True when the whole window fits its screen at the zoom; 1x always does.
bool CMainDlg::ZoomFits(int zoom) {
  const QSize room = screen()->availableGeometry().size();
  const QSize size = SkinZoom(zoom, devicePixelRatioF()).Cover(QRect(0, 0, kMainWidth, kMainHeight)).size();
  return zoom == kMinZoom || (size.width() <= room.width() && size.height() <= room.height());
}

// A zoom at which the whole window would not fit on its screen is not
// offered; the current zoom stays checked either way.
void CMainDlg::OfferZoomsThatFit() {
  for (QAction* action : m_zoomActions->actions()) {
    action->setEnabled(ZoomFits(kMinZoom + action->data().toInt() - ID_MENU_ZOOM_1));
  }
}

void CMainDlg::AddZoomMenu() {
  connect(m_menu, &QMenu::aboutToShow, this, &CMainDlg::OfferZoomsThatFit);
  QMenu* zoom = m_menu->addMenu(QStringLiteral("Zoom"));
  m_zoomActions = new QActionGroup(zoom);
  for (const MenuEntry& entry : kZoomEntries) {
    QAction* action = AddMenuCommand(zoom, entry.id, entry.text);
    action->setCheckable(true);
    m_zoomActions->addAction(action);
  }
  CheckCurrentZoom();
}

// The entries are in zoom order; the group unchecks the others.
void CMainDlg::CheckCurrentZoom() {
  if (m_zoomActions != nullptr) {
    m_zoomActions->actions().at(m_nZoom - kMinZoom)->setChecked(true);
  }
}

void CMainDlg::CreateSystemMenu() {
  m_menu = new QMenu(this);
  m_menu->setObjectName(QStringLiteral("IDR_SYSMENU"));
  for (const MenuEntry& entry : kMenuEntries) {
    if (entry.text == nullptr) {
      AddZoomMenu();
      m_menu->addSeparator();
      continue;
    }
    AddMenuCommand(m_menu, entry.id, entry.text);
  }
}

void CMainDlg::ShowSystemMenu(QPoint screenPos) { m_menu->popup(screenPos); }

void CMainDlg::OnColorSettings() {
  // The colour window holds the searches still while it is open and pushes
  // every colour again after OK.
  m_colorDlg.RunModal(*this);
}

void CMainDlg::OnTagDisplay() {
  // The new choices show at the track display's next tooltip.
  m_tagDisplayEditor.RunModal();
}

void CMainDlg::OnAbout() {
  if (m_aboutDlg == nullptr) {
    m_aboutDlg = new CAboutDlg(this);
  }
  if (!m_aboutDlg->isVisible()) {
    m_aboutDlg->exec();
  }
}

// The help page is looked for below the folder the program was started from,
// which is also where its album and dictionary live.
// Started from the desktop's menu the current folder is the home folder,
// which holds no guide: the installed one is opened then, and when there is
// none at all the user is told where it was looked for.
void CMainDlg::OnHelp() {
  const QStringList candidates = HelpPageCandidates(QDir::currentPath(), QCoreApplication::applicationDirPath());
  const QString page = FindHelpPage(candidates);
  if (page.isEmpty()) {
    ShowMessageBox(this, QStringLiteral("The user's guide was not found. It was looked for as:\n") +
                             candidates.join(QLatin1Char('\n')));
    return;
  }
  LaunchDocument(QUrl::fromLocalFile(page));
}
