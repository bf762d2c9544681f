#pragma once

#include <QIcon>

// The Kestrune program icon with every size that was drawn at build time.
QIcon KestruneIcon();
