#include "status_display.h"

#include <QPainter>
#include <algorithm>

#include "skin_bitmap_ids.h"
#include "skin_image.h"
#include "skin_tip.h"
#include "time_digits.h"
#include "tint.h"

namespace {

constexpr int kWidth = 73;
constexpr int kHeight = 50;

// Unlit segments, the blank leading digit and lamps that are off.
constexpr int kOffDivisor = 3;

constexpr int kDigitTop = 5;
constexpr int kDigitWidth = 12;
constexpr int kDigitHeight = 23;
constexpr std::array<int, 4> kDigitX = {5, 20, 41, 56};
constexpr int kSeparatorX = 35;
constexpr int kSeparatorWidth = 3;
constexpr int kLampTop = 33;
constexpr int kLampSize = 12;
constexpr int kLampDicX = 5;
constexpr int kLampTagX = 22;
constexpr int kLampVidX = 39;
constexpr int kLampAudX = 56;

struct Cell {
  int x, y, width, height;
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
};

// The cells are painted by their tints alone; the background leaves them out.
constexpr std::array<Cell, 9> kCells = {{
    {kDigitX[0], kDigitTop, kDigitWidth, kDigitHeight},
    {kDigitX[1], kDigitTop, kDigitWidth, kDigitHeight},
    {kSeparatorX, kDigitTop, kSeparatorWidth, kDigitHeight},
    {kDigitX[2], kDigitTop, kDigitWidth, kDigitHeight},
    {kDigitX[3], kDigitTop, kDigitWidth, kDigitHeight},
    {kLampDicX, kLampTop, kLampSize, kLampSize},
    {kLampTagX, kLampTop, kLampSize, kLampSize},
    {kLampVidX, kLampTop, kLampSize, kLampSize},
    {kLampAudX, kLampTop, kLampSize, kLampSize},
}};

bool InAnyCell(int x, int y) {
  for (const Cell& cell : kCells) {
    if (cell.Contains(x, y)) {
      return true;
    }
  }
  return false;
}

}  // namespace

CStatusDisplay::CStatusDisplay(QWidget* parent)
    : QWidget(parent),
      m_bmpBackground(LoadSkinBitmap(IDB_STATUS_DISPLAY)),
      m_bmpDigitTile(LoadSkinBitmap(IDB_DIGIT_TILE)),
      m_bmpDigitHoles(LoadSkinBitmap(IDB_DIGIT_HOLES)),
      m_bmpSeparatorTile(LoadSkinBitmap(IDB_SEPARATOR_TILE)),
      m_bmpSeparatorMask(LoadSkinBitmap(IDB_SEPARATOR_MASK)),
      m_bmpLampTile(LoadSkinBitmap(IDB_LAMP_TILE)),
      m_bmpLampDic(LoadSkinBitmap(IDB_LAMP_DIC)),
      m_bmpLampTag(LoadSkinBitmap(IDB_LAMP_TAG)),
      m_bmpLampVid(LoadSkinBitmap(IDB_LAMP_VID)),
      m_bmpLampAud(LoadSkinBitmap(IDB_LAMP_AUD)),
      m_canvas(kWidth, kHeight) {
  for (unsigned d = 0; d < 10; ++d) {
    m_bmpDigitLit[d] = LoadSkinBitmap(DigitLitMaskId(d));
    m_bmpDigitUnlit[d] = LoadSkinBitmap(DigitUnlitMaskId(d));
  }
  resize(kWidth, kHeight);
}

void CStatusDisplay::SetTipText(const QString& text) { SetSkinTipText(this, text); }

void CStatusDisplay::SetTime(std::uint32_t t) {
  m_nTime = t;
  DrawDigits();
}

void CStatusDisplay::SetLength(std::uint32_t length) {
  m_nLength = length;
  RedrawAll();
}

void CStatusDisplay::StepMode() {
  m_nMode = NextTimeMode(m_nMode);
  DrawDigits();
}

void CStatusDisplay::SetElementColor(int element, ColorTriple colour) {
  switch (element) {
    case 18:
      m_clrTime = colour;
      DrawDigits();
      return;
    case 19:
      m_clrSeparator = colour;
      DrawSeparator();
      return;
    case 20:
      m_clrDic = colour;
      break;
    case 21:
      m_clrTag = colour;
      break;
    case 22:
      m_clrVid = colour;
      break;
    case 23:
      m_clrAud = colour;
      break;
    default:
      return;
  }
  DrawLamps();
}

void CStatusDisplay::SetLamp(int n, int on) {
  switch (n) {
    case kLampAud:
      m_bAud = on;
      break;
    case kLampVid:
      m_bVid = on;
      break;
    case kLampDic:
      m_bDic = on;
      break;
    case kLampTag:
      m_bTag = on;
      break;
    default:
      return;
  }
  DrawLamps();
}

int CStatusDisplay::GetLamp(int n) const {
  switch (n) {
    case kLampAud:
      return m_bAud;
    case kLampVid:
      return m_bVid;
    case kLampDic:
      return m_bDic;
    case kLampTag:
      return m_bTag;
    default:
      return 0;
  }
}

void CStatusDisplay::RedrawAll() {
  DrawBackground();
  DrawSeparator();
  DrawDigits();
  DrawLamps();
}

void CStatusDisplay::DrawBackground() {
  for (int y = 0; y < std::min(kHeight, m_bmpBackground.Height()); ++y) {
    for (int x = 0; x < std::min(kWidth, m_bmpBackground.Width()); ++x) {
      if (!InAnyCell(x, y)) {
        m_canvas.SetPixel(x, y, m_bmpBackground.Pixel(x, y));
      }
    }
  }
  update();
}

void CStatusDisplay::DrawSeparator() {
  TintMasked(m_bmpSeparatorTile, m_bmpSeparatorMask, m_clrSeparator, m_canvas, kSeparatorX, kDigitTop);
  update();
}

void CStatusDisplay::DrawDigits() {
  const TimeDigits digits = SplitTime(ShownSeconds(m_nMode, m_nTime, m_nLength));
  const ColorTriple dim = DimColor(m_clrTime, kOffDivisor);
  if (digits.tensOfMinutes > 0) {
    DrawDigit(kDigitX[0], digits.tensOfMinutes, m_clrTime, dim);
  } else {
    DrawDigit(kDigitX[0], 0, dim, dim);
  }
  DrawDigit(kDigitX[1], digits.minutes, m_clrTime, dim);
  DrawDigit(kDigitX[2], digits.tensOfSeconds, m_clrTime, dim);
  DrawDigit(kDigitX[3], digits.seconds, m_clrTime, dim);
  update();
}

void CStatusDisplay::DrawDigit(int cellX, std::uint32_t digit, ColorTriple litColour, ColorTriple unlitColour) {
  const std::size_t masks = digit <= 9 ? digit : 0;
  const SegmentMasks segments{m_bmpDigitHoles, m_bmpDigitLit[masks], m_bmpDigitUnlit[masks]};
  TintSegments(m_bmpDigitTile, segments, litColour, unlitColour, m_canvas, cellX, kDigitTop);
}

void CStatusDisplay::DrawLamps() {
  DrawLamp(kLampDicX, m_bmpLampDic, m_clrDic, m_bDic);
  DrawLamp(kLampTagX, m_bmpLampTag, m_clrTag, m_bTag);
  DrawLamp(kLampVidX, m_bmpLampVid, m_clrVid, m_bVid);
  DrawLamp(kLampAudX, m_bmpLampAud, m_clrAud, m_bAud);
  update();
}

void CStatusDisplay::DrawLamp(int cellX, const PixelBuffer& mask, ColorTriple colour, int on) {
  TintMasked(m_bmpLampTile, mask, on == 1 ? colour : DimColor(colour, kOffDivisor), m_canvas, cellX, kLampTop);
}

void CStatusDisplay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintPicture(painter, *this, ImageFromPixelBuffer(m_canvas));
}
