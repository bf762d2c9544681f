#pragma once

#include <QRgb>

// The skin's own colours: a graphite face with recessed, nearly black wells
// where the user's colours glow.
namespace skin_palette {

inline constexpr QRgb kEdge = qRgb(6, 7, 9);            // outermost frame and slot edges
inline constexpr QRgb kFaceTop = qRgb(46, 49, 56);      // the body, lit from above
inline constexpr QRgb kFaceBottom = qRgb(28, 30, 35);
inline constexpr QRgb kHighlight = qRgb(84, 89, 99);    // raised edges catching light
inline constexpr QRgb kShade = qRgb(14, 15, 18);        // lower edges
inline constexpr QRgb kStrip = qRgb(22, 24, 28);        // the caption strip
inline constexpr QRgb kWell = qRgb(12, 13, 15);         // displays and slots
inline constexpr QRgb kWellLine = qRgb(30, 33, 38);     // faint rules inside a well
inline constexpr QRgb kDisplayTile = qRgb(16, 18, 21);  // behind digits and lamps
inline constexpr QRgb kTrackText = qRgb(32, 32, 32);    // the track display's text box
inline constexpr QRgb kKeyTop = qRgb(66, 70, 79);       // button keys
inline constexpr QRgb kKeyBottom = qRgb(36, 39, 45);
inline constexpr QRgb kKeyHighlight = qRgb(104, 110, 122);
inline constexpr QRgb kKeyPressedTop = qRgb(22, 24, 28);
inline constexpr QRgb kKeyPressedBottom = qRgb(40, 43, 49);
inline constexpr QRgb kLabel = qRgb(196, 201, 210);     // the name on the caption bar
inline constexpr QRgb kLabelDim = qRgb(98, 102, 110);

}  // namespace skin_palette
