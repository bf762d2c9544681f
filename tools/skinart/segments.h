#pragma once

#include <QImage>

// The status display's pictures: digit masks (lit and unlit segments of each
// digit), the hole mask, the digit tile, the separator, the lamp masks and
// the lamp tile. A null picture for any other number.
QImage DrawStatusPart(int id);
