// Lays the skin controls out on the window background as the main window
// does, with the default colours and a track playing, and writes the picture:
//   skin_preview OUTPUT.png [rolled-OUTPUT.png]
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <array>
#include <cstdio>
#include <memory>
#include <vector>

#include "skin_bitmap_ids.h"
#include "skin_button.h"
#include "skin_image.h"
#include "status_display.h"
#include "tint.h"
#include "track_display.h"

namespace {

struct ButtonPlace {
  int left, top, right, bottom;
  int face, pressedFace, glyph;
  ColorTriple colour;
  bool lit;
};

constexpr ColorTriple kWhite{255, 255, 255};
constexpr ColorTriple kAmber{255, 174, 0};
constexpr ColorTriple kYellow{255, 255, 0};
constexpr ColorTriple kGreen{0, 200, 0};
constexpr ColorTriple kBrightGreen{0, 255, 0};

// Client rectangles, bitmaps and default colours of the buttons.
const std::vector<ButtonPlace>& Buttons() {
  static const std::vector<ButtonPlace> buttons = {
      {7, 7, 14, 14, IDB_FACE_CAPTION, IDB_FACE_CAPTION_PRESSED, IDB_GLYPH_SYSMENU, kWhite, true},
      {241, 7, 248, 14, IDB_FACE_CAPTION, IDB_FACE_CAPTION_PRESSED, IDB_GLYPH_MINIMIZE, kWhite, true},
      {250, 7, 257, 14, IDB_FACE_CAPTION, IDB_FACE_CAPTION_PRESSED, IDB_GLYPH_EXIT, kWhite, true},
      {89, 86, 105, 101, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_HOME, kGreen, false},
      {108, 86, 124, 101, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_RW, kGreen, false},
      {127, 86, 159, 101, IDB_FACE_WIDE, IDB_FACE_WIDE_PRESSED, IDB_GLYPH_PLAY, kBrightGreen, true},
      {162, 86, 178, 101, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_FF, kGreen, false},
      {181, 86, 197, 101, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_END, kGreen, false},
      {202, 86, 234, 101, IDB_FACE_WIDE, IDB_FACE_WIDE_PRESSED, IDB_GLYPH_STOP, kBrightGreen, false},
      {237, 86, 253, 101, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_PAUSE, kGreen, false},
      {89, 51, 121, 66, IDB_FACE_WIDE, IDB_FACE_WIDE_PRESSED, IDB_GLYPH_TRACKLIST, kAmber, false},
      {124, 51, 156, 66, IDB_FACE_WIDE, IDB_FACE_WIDE_PRESSED, IDB_GLYPH_DICTIONARY, kAmber, false},
      {159, 51, 175, 66, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_CONTINUOUS, kAmber, true},
      {178, 51, 194, 66, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_LOOP, kAmber, false},
      {197, 51, 213, 66, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_RANDOM, kAmber, false},
      {218, 51, 234, 66, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_ABOUT, kYellow, false},
      {237, 51, 253, 66, IDB_FACE_NARROW, IDB_FACE_NARROW_PRESSED, IDB_GLYPH_HELP, kYellow, false},
  };
  return buttons;
}

const std::vector<ButtonPlace>& SmallButtons() {
  static const std::vector<ButtonPlace> buttons = {
      {26, 6, 36, 15, IDB_FACE_SMALL, IDB_FACE_SMALL_PRESSED, IDB_GLYPH_MINI_HOME, kGreen, false},
      {37, 6, 47, 15, IDB_FACE_SMALL, IDB_FACE_SMALL_PRESSED, IDB_GLYPH_MINI_PLAY, kBrightGreen, true},
      {48, 6, 58, 15, IDB_FACE_SMALL, IDB_FACE_SMALL_PRESSED, IDB_GLYPH_MINI_END, kGreen, false},
      {59, 6, 69, 15, IDB_FACE_SMALL, IDB_FACE_SMALL_PRESSED, IDB_GLYPH_MINI_STOP, kBrightGreen, false},
  };
  return buttons;
}

class NowPlaying : public TrackDisplayTextSource {
 public:
  std::string GetTrackDisplayText() const override { return "Harbour Lights - The Long Evening (live)"; }
};

// The window: its background in window coordinates, the children one pixel
// in from the corner.
class PreviewWindow : public QWidget {
 public:
  explicit PreviewWindow(bool rolledUp) : m_background(QImage(SkinBitmapPath(rolledUp ? IDB_BACKGROUND_ROLLED : IDB_BACKGROUND))) {
    setFixedSize(266, rolledUp ? 22 : 114);
  }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, m_background); }

 private:
  QImage m_background;
};

void Place(QWidget* control, int left, int top, int right, int bottom) {
  control->setGeometry(left + 1, top + 1, right - left, bottom - top);
}

void AddButtons(QWidget* window, const std::vector<ButtonPlace>& places) {
  for (const ButtonPlace& place : places) {
    auto* button = new CSkinButton(window);
    button->LoadBitmaps(place.face, place.pressedFace, place.glyph);
    Place(button, place.left, place.top, place.right, place.bottom);
    button->SetColor(place.colour);
    button->SetLit(place.lit ? 1 : 0);
  }
}

QLabel* AddPicture(QWidget* window, const QImage& picture, int left, int top) {
  auto* label = new QLabel(window);
  label->setPixmap(QPixmap::fromImage(picture));
  label->setGeometry(left + 1, top + 1, picture.width(), picture.height());
  return label;
}

QImage Caption(bool rolledUp) {
  QImage caption = QImage(SkinBitmapPath(IDB_CAPTION_ACTIVE)).convertToFormat(QImage::Format_RGB32);
  if (rolledUp) {
    // The small buttons' places are left to the buttons.
    QPainter painter(&caption);
    for (int x : {10, 21, 32, 43}) {
      painter.fillRect(x, 0, 10, 9, Qt::black);
    }
  }
  return caption;
}

QImage Slider(int thumbX) {
  PixelBuffer slider = LoadSkinBitmap(IDB_SLIDER);
  PixelBuffer thumb = LoadSkinBitmap(IDB_THUMB);
  TintMasked(thumb, LoadSkinBitmap(IDB_THUMB_MASK), ColorTriple{0, 255, 0}, slider, thumbX + 2, 0);
  return ImageFromPixelBuffer(slider);
}

std::unique_ptr<QWidget> Compose(bool rolledUp, const NowPlaying& owner) {
  auto window = std::make_unique<PreviewWindow>(rolledUp);
  AddPicture(window.get(), Caption(rolledUp), 16, 6);
  if (rolledUp) {
    AddButtons(window.get(), {Buttons().begin(), Buttons().begin() + 3});
    AddButtons(window.get(), SmallButtons());
    return window;
  }
  auto* track = new CTrackDisplay(&owner, window.get());
  Place(track, 13, 28, 251, 44);
  track->SetColor(ColorTriple{255, 174, 0});
  auto* status = new CStatusDisplay(window.get());
  Place(status, 11, 51, 84, 101);
  status->SetElementColor(18, ColorTriple{200, 255, 255});
  status->SetElementColor(19, ColorTriple{255, 255, 0});
  status->SetElementColor(20, ColorTriple{200, 200, 255});
  status->SetElementColor(21, ColorTriple{200, 200, 255});
  status->SetElementColor(22, ColorTriple{255, 255, 0});
  status->SetElementColor(23, ColorTriple{255, 255, 0});
  status->SetLamp(CStatusDisplay::kLampTag, 1);
  status->SetLamp(CStatusDisplay::kLampAud, 1);
  status->SetLength(245);
  status->SetTime(83);
  status->RedrawAll();
  AddPicture(window.get(), Slider(48), 89, 71);
  AddButtons(window.get(), Buttons());
  return window;
}

bool Save(bool rolledUp, const char* path, const NowPlaying& owner) {
  const std::unique_ptr<QWidget> window = Compose(rolledUp, owner);
  return window->grab().toImage().save(QString::fromLocal8Bit(path));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: skin_preview OUTPUT.png [ROLLED-OUTPUT.png]\n");
    return 2;
  }
  const NowPlaying owner;
  if (!Save(false, argv[1], owner) || (argc > 2 && !Save(true, argv[2], owner))) {
    std::fprintf(stderr, "skin_preview: cannot write the picture\n");
    return 1;
  }
  return 0;
}
