#include "look.h"

#include <QPalette>
#include <QtMath>

namespace iq {
namespace {

QFont makeFont(const QStringList& families, double points, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

}  // namespace

QFont timesFont(double points, bool bold)
{
    return makeFont({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                     QStringLiteral("DejaVu Serif")},
                    points, bold);
}

QFont sansSerifFont(double points, bool bold)
{
    return makeFont({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, points, bold);
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTransparent(QWidget* widget)
{
    widget->setAutoFillBackground(false);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QColor backgroundOf(const QWidget* widget)
{
    return widget->palette().color(QPalette::Window);
}

}  // namespace iq
