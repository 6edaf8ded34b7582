#pragma once
// The table's background rules: default green, a customized picture, a
// numbered picture (drawn once from 500 up, tiled below), or a plain or
// faded colour.
#include <QColor>
#include <QImage>
#include <string_view>

#include "view/background_look.h"

namespace vantrel {

class DrawingHost;
class StateRecord;

inline constexpr std::string_view CustomBackgroundMissing = "Customized background image not found: ";
inline constexpr int FirstSinglePicture = 500;  // background numbers from here are not tiled

// A stored 32-bit colour number: red in the low byte, then green, then
// blue; with the top bit set the low byte names a system colour, taken from
// the application palette.
QColor colourFromValue(long long value);

// The plain colour: `Background_Fixed_Col` when above 0, else `Background_Col`.
QColor plainBackgroundColour(const StateRecord& state);

// 256 bands from black at the bottom to `colour` at the top, sized so that
// they cover exactly `areaHeight` rows from the top of `img`.
void fadeFill(QImage& img, QColor colour, int areaWidth, int areaHeight);

// The background rules for a table of `area`. A missing customized
// picture is reported once, switched off in `state`, and the rules start
// again.
// A fade is measured on `fadeBase` rows (0: the area's height).
BackgroundLook backgroundLook(StateRecord& state, DrawingHost& host, bool scrollBarVisible, QSize area,
                              int fadeBase = 0);

// Paints all of `img` by those rules.
void paintBackground(QImage& img, StateRecord& state, DrawingHost& host, bool scrollBarVisible);

}  // namespace vantrel
