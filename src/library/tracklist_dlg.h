#pragma once

#include <functional>
#include <string>

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include "track_collection.h"

class CTracklistWindow;
class QWidget;

// The tracklist: the album with its current track (the store it derives
// from) and the resizable "Tracklist" tool window that edits it. The object
// lives for the whole run; its window exists only while it is open, and
// opening or closing it never touches the album.
//
// The commands act on the window's list and do nothing while it is closed.
class CTracklistDlg : public QObject, public TrackCollection {
  Q_OBJECT

 public:
  // Asks the user for the files to add; an empty result means Cancel.
  using FileChooser = std::function<QStringList(QWidget* parent)>;

  // mainDlg is the main controller (never null); parent owns the window.
  CTracklistDlg(TracklistController* mainDlg, QWidget* parent,
                std::string albumPath = kAlbumFileName);
  ~CTracklistDlg() override;

  // Opens the window unless it exists. A pending drop (the one that made the
  // main window open it) is handled once the window shows; one that arrives
  // while the album loads is held for the main controller (TakeHeldDrops).
  void OpenWindow(const DropList& pendingDrop = {});
  bool WindowExists() const;
  CTracklistWindow* Window() const;
  // Records the window's rectangle and destroys the window (Close, Escape,
  // the close box, and the main window's Exit).
  void CloseWindow();

  // Where the window's frame has its top-left corner and how large the window
  // is inside the frame, in screen pixels, as recorded on closing and applied
  // on opening (10, 10, 250 x 375 until told otherwise). The size leaves the
  // frame out because the window manager adds the frame only after the window
  // shows: a size with the frame could not be applied as it was recorded.
  QRect GetWindowRect() const { return QRect(m_ptWindow, m_sizeWindow); }
  void SetWindowRect(const QRect& rect);

  void SetFileChooser(FileChooser chooser);

  // The window's commands.
  void OnSelect();  // also Enter and a double click
  void OnFocus();
  void OnSortCommand(int command);  // ID_SORT_PATH .. ID_SORT_FULLPATH
  void OnAdd();
  void OnDelete();
  void OnRescan() { RescanSelected(); }
  // The Delete key: removes the selected tracks without saving.
  void RemoveSelected();

  // Sorts album and list by the command's key (see AlbumSortOrder).
  void SortAlbum(int command);
  void FillList();
  void ShowTrackInfo();
  void ClearSelection();
  // The tooltip of a control: fixed for the buttons, the caret track's text
  // for the fields and the list; empty when the list has no caret line.
  QString ToolTipText(int controlId) const;

 private:
  static PlatformHooks MakeHooks(CTracklistDlg* self);
  QWidget* MessageParent() const;
  // The index of the track whose path is path, or -1 for an empty path.
  int FindTrack(const std::string& path) const;

  QWidget* m_pParent;
  QPointer<CTracklistWindow> m_pWindow;
  QPoint m_ptWindow{10, 10};
  QSize m_sizeWindow{250, 375};
  FileChooser m_fileChooser;
};
