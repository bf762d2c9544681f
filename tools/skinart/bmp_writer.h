#pragma once

#include <QByteArray>
#include <QImage>

// A Windows bitmap file of `depth` bits per pixel (1, 4 or 8) holding an
// indexed picture whose colour table fits that depth: file header, 40-byte
// info header, palette, then the rows bottom-up, each padded to four bytes.
// A one-bit picture is stored with 0 for black and 1 for white.
QByteArray EncodeBmp(const QImage& indexed, int depth);
