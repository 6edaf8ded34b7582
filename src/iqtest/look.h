#pragma once
// Fonts and colours of the test's forms. Sizes are given in points at 96 dpi
// and turned into pixels so the texts fit their boxes on any screen.

#include <QColor>
#include <QFont>
#include <QWidget>

namespace iq {

QFont timesFont(double points, bool bold = false);     // serif, Times metrics
QFont sansSerifFont(double points, bool bold = false); // the forms' dialog sans serif

inline const QColor kWhite{255, 255, 255};
inline const QColor kRed{255, 0, 0};
inline const QColor kYellow{255, 255, 0};
inline const QColor kCyan{0, 255, 255};
inline const QColor kLightGrey{224, 224, 224};

// Fills the widget's background with the colour (nullptr-safe callers only).
void setBackground(QWidget* widget, const QColor& colour);
// Leaves the widget's background undrawn, so what lies beneath shows through.
void setTransparent(QWidget* widget);
void setTextColour(QWidget* widget, const QColor& colour);
QColor backgroundOf(const QWidget* widget);

}  // namespace iq
