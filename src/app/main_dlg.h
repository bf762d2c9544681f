#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "color_dlg.h"
#include "color_element_host.h"
#include "color_triple.h"
#include "dictionary_dlg.h"
#include "element_color_table.h"
#include "mci_window.h"
#include "pixel_buffer.h"
#include "play_order.h"
#include "profile_store.h"
#include "random15.h"
#include "settings_values.h"
#include "skin_layout.h"
#include "skin_zoom.h"
#include "tag_display_dlg.h"
#include "tag_display_editor.h"
#include "track_display.h"
#include "tracklist_controller.h"
#include "tracklist_dlg.h"

class CAboutDlg;
class QAction;
class QActionGroup;
class CBitmapStatic;
class QHelpEvent;
class QMenu;
class CSkinButton;
class SkinControl;
class CStatusDisplay;

// The jukebox's main window and controller: a frameless 266 x 114 window
// drawn wholly from the skin, with its skin buttons, the status and track
// displays, the caption and the position slider. It owns the companion
// window objects (tracklist with the album, dictionary, tag display choices)
// for the whole run, drives playback through its MciWindow and decides what
// plays next. The program ends only through the Exit button or the end of the
// session.
//
// The transport state and the play modes are nothing but the lit states of
// their skin buttons.
class CMainDlg : public QWidget,
                 public TrackDisplayTextSource,
                 public TracklistController,
                 public MciPositionListener,
                 public ColorElementHost {
  Q_OBJECT

 public:
  explicit CMainDlg(QWidget* parent = nullptr);
  ~CMainDlg() override;

  // Start-up (main_dlg_startup.cpp): settings, placement, colours and the
  // dictionary; the playback window and the album timer follow the window's
  // first paint, and the album the first tick of IDT_LOADALBUM. 0 when the
  // program must end at once with kCannotCreateExitStatus (the dictionary
  // file can be neither opened nor created; the user has been told).
  int OnInitDialog();
  // A timer's tick: IDT_SEEK steps the searches, IDT_LOADALBUM loads the
  // album once. Others do nothing.
  void OnTimer(int timerId);
  // The Exit button: records the companion windows' places, saves settings,
  // album and dictionary, and ends the program. Ignored while the album
  // loads.
  void OnExit();
  // The session is ending: the dictionary and then the album are saved; the
  // settings are not.
  void OnEndSession();
  // 1 normally, 0 while the album loads.
  int IsReady() const { return m_nReady; }
  bool HasEnded() const { return m_bEnded; }
  bool IsAlbumLoaded() const { return m_bAlbumLoaded; }

  // The playback window; the main window owns it from here on and hears its
  // position notifications. Start-up creates the real one when none was
  // given.
  void SetMciWindow(std::unique_ptr<MciWindow> mciWindow);
  MciWindow* GetMciWindow() const { return m_hMciWnd.get(); }
  QPoint GetVideoPosition() const { return m_ptVideo; }

  // A skin button's command, or a menu command (main_dlg_commands.cpp).
  void OnCommand(int id);
  // Paths dropped on the main window: they go to the tracklist window, which
  // opens for them, or to the one already open.
  void OnDropFiles(const DropList& drop);

  // Playback (main_dlg_playback.cpp).
  void OnPlay();
  void OnStop();
  void OnPause();
  void OnReverseSearch();
  void OnForwardSearch();
  void OnHome();
  void OnEnd();
  void ToggleMode(int id);
  bool SelectNextTrack();
  bool SelectPreviousTrack();
  void OpenCurrentTrack() override;
  void OnNotifyPos(int positionMs) override;
  // Sequential play stops after the album's last track instead of going
  // round. Only the desktop's media controls set it ("no repeat" there); a
  // click of Continuous or Loop clears it, and it is not kept between runs.
  void SetStopAtAlbumEnd(bool on);
  bool StopsAtAlbumEnd() const { return m_bStopAtAlbumEnd; }
  // Whether Skip to end or Rewind would do anything now, by their own rules.
  bool CanSkipToEnd() const;
  bool CanRewind() const;
  // The track last handed to the playback window, opened or not, and a
  // number new with each such open (0 before the first): the playback window
  // plays it on even when the album no longer holds it.
  const MediaEntry& OpenedTrack() const { return m_openedTrack; }
  int OpenedTrackSerial() const { return m_nOpenedTrackSerial; }
  // True while a track is being opened, its medium loading or its message
  // box up: the playback window holds no medium until the open ends.
  bool IsOpeningTrack() const { return m_bOpeningTrack; }
  // Where random play draws its values (0-32767); the seeded 15-bit
  // generator unless replaced.
  void SetRandomSource(std::function<std::int32_t()> draw) { m_drawRandom = std::move(draw); }

  // Calls of the tracklist.
  void SetScanning(bool on) override;
  int LookUpDictionary(MediaEntry& entry) override;

  // The owned window objects.
  CTracklistDlg& TracklistDlg() { return m_tracklistDlg; }
  CDictionaryDlg& DictionaryDlg() { return m_dictionaryDlg; }
  CTagDisplayDlg& TagDisplayDlg() { return m_tagDisplayDlg; }
  CTagDisplayEditor& TagDisplayEditor() { return m_tagDisplayEditor; }
  // The colour window and the 25 element colours ApplyColor reads.
  CColorDlg& ColorDlg() { return m_colorDlg; }
  // While the colour window is open the searches stand still.
  void SetColorDlgOpen(bool open) override { m_bColorDlgOpen = open ? 1 : 0; }
  bool IsColorDlgOpen() const { return m_bColorDlgOpen != 0; }

  // Where the settings are kept between runs (main_dlg_settings.cpp). Until
  // one is given they live in memory only, so a window made for a test never
  // touches the user's own settings.
  void SetProfileStore(std::unique_ptr<ProfileStore> store);
  ProfileStore& Profile() { return *m_pProfile; }

  // The system menu and what it opens (main_dlg_menu.cpp). The menu pops up
  // at the given screen point and returns at once; its entries arrive as
  // commands.
  void ShowSystemMenu(QPoint screenPos);
  QMenu* SystemMenu() const { return m_menu; }
  void OnColorSettings();
  void OnTagDisplay();
  void OnAbout();
  void OnHelp();

  // Skin (main_dlg_skin.cpp).
  void RepaintAll();
  void DrawSlider(unsigned s);
  // Pushes colour element k (0-24) of the colour table to the skin, or every
  // element with -1; any other k does nothing.
  void ApplyColor(int k) override;
  // Lit state of an element's button (0-16) or lamp (20-23), 0 otherwise.
  int GetElementState(int k) const override;
  void SetElementState(int k, int on) override;
  void ToggleRollUp();
  // The skin at 1x, 2x or 3x: every skin pixel a square of whole device
  // pixels, every control's place and hit rectangle scaled with it. The
  // window keeps its top-left corner. A zoom outside 1-3 counts as 1.
  void SetZoom(int zoom);
  const SkinZoom& Zoom() const { return m_skinZoom; }
  // The caption shows whether the application is the active one.
  void OnActivateApp(bool active);
  void OnMinimize();

  // Playback state (main_dlg.cpp).
  // Sets the length of the open medium and the slider's scale from it.
  void SetSliderScale(int lengthMs);
  // After a seek: plays again when Play is lit, pauses again when Pause is.
  void ResumeState();
  std::string GetTrackDisplayText() const override;

  // The tooltip of a control, asked for when the tip is about to show
  // (main_dlg_tips.cpp). An empty text shows no tip.
  QString TipText(int id) const;

  // Controls by identifier (nullptr for an unknown one), and all of them in
  // creation order.
  QWidget* Control(int id) const;
  CSkinButton* Button(int id) const;
  CStatusDisplay* StatusDisplay() const { return m_statusDisplay; }
  CTrackDisplay* TrackDisplay() const { return m_trackDisplay; }

  QPoint GetMainPosition() const { return m_ptMain; }
  void SetMainPosition(QPoint position);
  bool IsRolledUp() const { return m_bRolledUp != 0; }
  bool IsDraggingSlider() const { return m_bDragSlider != 0; }
  int GetDragPosition() const { return m_nDragPosition; }

 signals:
  // The program's main window has closed for good with this exit status.
  void finished(int result);
  // The start-up that follows the first paint is done: the playback window
  // exists and the album is about to load.
  void startUpFinished();
  // Exit has begun: nothing more may be handed to this jukebox; what it
  // holds is about to be saved.
  void leaving();
  // The next track has begun to sound, joined to the one before without a
  // gap: the opened track and its displays have changed with no open.
  void trackJoined();

 protected:
  // The settings: play modes, window places, colours and tag choices, read
  // from the profile once at start-up and written to it once at Exit.
  virtual void LoadSettings();
  virtual void SaveSettings();

  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Start-up and exit (main_dlg_startup.cpp).
  void OnFirstPaint();
  void FinishStartUp();
  void CreateMciWindow();
  void OnLoadAlbum();
  void HandleHeldDrops();
  void SaveLoadedAlbum();
  void EndDialog(int result);

  // Playback (main_dlg_playback.cpp).
  bool IsLit(int id) const;
  void SetLit(int id, bool on);
  PlayModes CurrentModes() const;
  void ShowTrackLamps(const MediaEntry& track);
  void OnSeekTimer();
  bool OpenSelectedTrack();
  void PlayOnPastUnplayable();
  void OnMediumFailed() override;
  // Joined play: the track that follows the open one is handed to the
  // playback window ahead of its end, and becomes the current track when it
  // begins to sound.
  void ShowOpenedTrack(const MediaEntry& track, int serial);
  void ShowTrackAndLength();
  void PrepareNextTrack();
  void KeepPreparedTrackCurrent();
  void OnNextMediumStarted() override;
  void OnNextMediumFailed() override;
  struct PreparedTrack {
    // What it was chosen from: the current track, the album's size, the modes.
    int after = -1;
    int count = 0;
    PlayModes modes;
    int index = -1;  // -1: none handed over
    MediaEntry track;
  };
  // Whether the open track went to the playback window as sound that a next
  // one can join.
  bool m_bJoinable = false;
  PreparedTrack m_prepared;
  // An open waits for its medium and for its message box; another open can
  // come in meanwhile (the desktop's media controls): it is counted, and it
  // is known to be nested.
  int m_nTrackOpens = 0;
  bool m_bOpeningTrack = false;
  bool m_bStopAtAlbumEnd = false;
  MediaEntry m_openedTrack;
  int m_nOpenedTrackSerial = 0;

  // Companion windows (main_dlg_commands.cpp).
  void OpenTracklist(const DropList& pendingDrop);
  void OpenDictionary();

  // Settings (main_dlg_settings.cpp).
  void ApplySettings(const SettingsValues& values);
  SettingsValues GatherSettings() const;

  // The system menu (main_dlg_menu.cpp).
  void CreateSystemMenu();
  QAction* AddMenuCommand(QMenu* menu, int id, const char* text);
  void AddZoomMenu();
  void OfferZoomsThatFit();
  bool ZoomFits(int zoom);
  void CheckCurrentZoom();

  // Texts of the displays and tips (main_dlg_displays.cpp).
  QString MiniPlayTip() const;
  QString TrackDisplayTip() const;

  // Skin set-up and painting (main_dlg_skin.cpp).
  void CreateSkin();
  void CreateStatics();
  void CreateButtons();
  void AddControl(int id, QWidget* widget, SkinControl* skin, const ClientRect& rect);
  void LayOutSkin();
  void DrawCaption();
  void ApplyAllColors();
  void ApplyDisplayColor(int k);
  CSkinButton* ElementButton(int k, bool smallTwin) const;
  void PushButtonColor(int k, bool smallTwin);
  void ShowRolledUpControls(bool rolledUp);
  void ResizeHeight(int height);

  // Mouse (main_dlg_mouse.cpp).
  QPoint ToClient(QPointF windowPoint) const;
  void BeginDrag(QMouseEvent* event);
  void DragThumb(int cursorX);
  void EndThumbDrag();
  void EndUnfinishedThumbDrag();

  // Tooltips (main_dlg_tips.cpp).
  int ControlId(const QObject* control) const;
  bool ShowTip(QWidget* control, int id, QHelpEvent* event);
  bool ShowStaticTip(QHelpEvent* event);

  std::unique_ptr<ProfileStore> m_pProfile;
  CColorDlg m_colorDlg;
  std::unique_ptr<MciWindow> m_hMciWnd;
  CTracklistDlg m_tracklistDlg;
  CDictionaryDlg m_dictionaryDlg;
  CTagDisplayDlg m_tagDisplayDlg;
  CTagDisplayEditor m_tagDisplayEditor;
  QMenu* m_menu = nullptr;
  QActionGroup* m_zoomActions = nullptr;
  CAboutDlg* m_aboutDlg = nullptr;
  CRandom15 m_random;
  std::function<std::int32_t()> m_drawRandom;
  int m_nSeekTimer = 0;
  int m_nLoadAlbumTimer = 0;
  bool m_bEnded = false;
  bool m_bAlbumLoaded = false;
  bool m_bExitHeld = false;  // Exit asked while the album was read
  bool m_bStartUpPending = false;  // OnInitDialog ran, FinishStartUp not yet

  // The skin bitmaps the window holds itself.
  QImage m_bmpBackground;
  QImage m_bmpBackgroundRolled;
  // The two backgrounds blown up to the zoom, made once per zoom.
  QImage m_zoomedBackground;
  QImage m_zoomedBackgroundRolled;
  int m_nZoom = kMinZoom;
  // The zoom the user chose. The window shows the largest zoom up to it that
  // fits its screen, and the choice is kept for a larger screen.
  int m_nChosenZoom = kMinZoom;
  SkinZoom m_skinZoom;
  PixelBuffer m_bmpCaptionActive;
  PixelBuffer m_bmpCaptionInactive;
  PixelBuffer m_bmpSlider;
  PixelBuffer m_bmpThumb;
  PixelBuffer m_bmpThumbMask;
  bool m_bCaptionActive = true;

  // The controls, owned by the window as its children, with their places in
  // client coordinates.
  struct PlacedControl {
    int id;
    QWidget* widget;
    SkinControl* skin;
    ClientRect rect;
  };
  std::vector<PlacedControl> m_controls;
  CTrackDisplay* m_trackDisplay = nullptr;
  CStatusDisplay* m_statusDisplay = nullptr;
  CBitmapStatic* m_slider = nullptr;
  CBitmapStatic* m_caption = nullptr;

  // Playback and window state shared with the controller.
  int m_nPosition = 0;
  int m_nShownPosition = 0;
  int m_nLengthMs = 0;
  int m_nMsPerPixel = 1;
  int m_nThumbX = 0;
  int m_nShownThumbX = 0;
  int m_nDragPosition = 0;
  int m_bDragSlider = 0;
  QPoint m_ptGrab;
  int m_nSliderGrab = 0;
  QPoint m_ptMain{10, 10};
  QPoint m_ptVideo{10, 10};
  int m_bRolledUp = 0;
  int m_bResizing = 0;
  int m_bPainted = 0;
  int m_bColorDlgOpen = 0;
  int m_nReady = 1;
  ColorTriple m_clrSlider;

  // Hit rectangles, client coordinates, edges inclusive.
  ClientRect m_rcCaption = kCaptionRect;
  ClientRect m_rcStatus = kStatusRect;
  ClientRect m_rcTrack = kTrackDisplayRect;
  ClientRect m_rcSlider = kSliderRect;
  ClientRect m_rcThumb{};
};
