#pragma once

#include <QImage>

// The jukebox's program icon, 32 x 32 with transparency: a small graphite
// player with a glowing play sign and level bars.
QImage DrawProgramIcon();
