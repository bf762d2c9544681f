#pragma once

#include <QImage>
#include <initializer_list>
#include <string_view>

// Pixel pictures written as rows of text: '#' marks a pixel, any other
// character leaves it alone.
using PixelRows = std::initializer_list<std::string_view>;

// A black picture of the size, in true colour.
QImage BlackPicture(int width, int height);

// Sets the marked pixels of the rows, top-left corner at (x, y).
void Stamp(QImage& picture, int x, int y, PixelRows rows, QRgb colour = qRgb(255, 255, 255));

// A mask of the size with the rows centred on it (white on black); an odd
// spare pixel goes to the right and to the bottom.
QImage CentredMask(int width, int height, PixelRows rows);

// Draws capitals, digits and a few lower-case letters of our small skin font
// (five pixels high) with one pixel between letters. Returns the width used.
int DrawPixelText(QImage& picture, int x, int y, std::string_view text, QRgb colour);
int PixelTextWidth(std::string_view text);

// Fills the rectangle with the colour.
void FillBox(QImage& picture, int x, int y, int width, int height, QRgb colour);

// A colour between two others, t from 0 (first) to 1 (second).
QRgb Blend(QRgb from, QRgb to, double t);
