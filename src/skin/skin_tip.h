#pragma once

#include <QString>

class QWidget;

// A skin control's tooltip text doubles as its accessible name, so a screen
// reader names a button by what its glyph shows.
void SetSkinTipText(QWidget* control, const QString& text);
