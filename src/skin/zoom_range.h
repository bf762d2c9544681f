#pragma once

// The zooms of the skin the user can choose, and a settings file may hold.
inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 3;
