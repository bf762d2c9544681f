#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "color_triple.h"
#include "pixel_buffer.h"
#include "skin_control.h"

// The 73 x 50 display of a time on four seven-segment digits (M:SS with a
// tens-of-minutes digit in front) and of four lamps, Dic, Tag, Vid and Aud.
// It draws only when told to, by the operations below, into its own window
// image; the owner calls RedrawAll whenever it repaints itself.
class CStatusDisplay : public QWidget, public SkinControl {
  Q_OBJECT

 public:
  // Lamp numbers of SetLamp and GetLamp.
  enum Lamp : int { kLampAud = 1, kLampVid = 2, kLampDic = 3, kLampTag = 4 };

  explicit CStatusDisplay(QWidget* parent = nullptr);

  void SetTime(std::uint32_t t);
  void SetLength(std::uint32_t length);
  void StepMode();
  // Element 18 digits, 19 separator, 20-23 Dic, Tag, Vid, Aud lamps; others
  // are ignored.
  void SetElementColor(int element, ColorTriple colour);
  // Lamps 1-4; any other number is ignored (GetLamp gives 0).
  void SetLamp(int n, int on);
  int GetLamp(int n) const;
  void RedrawAll();

  int GetMode() const { return m_nMode; }
  std::uint32_t GetTime() const { return m_nTime; }
  std::uint32_t GetLength() const { return m_nLength; }
  void SetTipText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawBackground();
  void DrawSeparator();
  void DrawDigits();
  void DrawDigit(int cellX, std::uint32_t digit, ColorTriple litColour, ColorTriple unlitColour);
  void DrawLamps();
  void DrawLamp(int cellX, const PixelBuffer& mask, ColorTriple colour, int on);

  ColorTriple m_clrTime;
  ColorTriple m_clrSeparator;
  ColorTriple m_clrDic;
  ColorTriple m_clrTag;
  ColorTriple m_clrAud;
  ColorTriple m_clrVid;

  PixelBuffer m_bmpBackground;
  std::array<PixelBuffer, 10> m_bmpDigitLit;
  std::array<PixelBuffer, 10> m_bmpDigitUnlit;
  PixelBuffer m_bmpDigitTile;
  PixelBuffer m_bmpDigitHoles;
  PixelBuffer m_bmpSeparatorTile;
  PixelBuffer m_bmpSeparatorMask;
  PixelBuffer m_bmpLampTile;
  PixelBuffer m_bmpLampDic;
  PixelBuffer m_bmpLampTag;
  PixelBuffer m_bmpLampVid;
  PixelBuffer m_bmpLampAud;

  int m_bTag = 0;
  int m_bDic = 0;
  int m_bAud = 0;
  int m_bVid = 0;
  std::uint32_t m_nTime = 0;
  std::uint32_t m_nLength = 0;
  int m_nMode = 0;

  PixelBuffer m_canvas;
};
