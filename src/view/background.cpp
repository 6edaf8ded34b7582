#include "view/background.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <string>

#include "model/state_record.h"
#include "view/card_images.h"
#include "view/drawing_host.h"
#include "view/table_canvas.h"

namespace vantrel {

namespace {

// System colour indices of the stored colour numbers, as palette roles.
QPalette::ColorRole systemRole(int index) {
    switch (index) {
        case 5: return QPalette::Base;                 // window
        case 8: return QPalette::Text;                 // window text
        case 13: case 2: return QPalette::Highlight;   // selection, active caption
        case 14: case 9: return QPalette::HighlightedText;
        case 15: case 0: return QPalette::Button;      // button face, scroll bar
        case 16: return QPalette::Dark;                // button shadow
        case 17: return QPalette::PlaceholderText;     // grey text
        case 18: case 7: return QPalette::ButtonText;
        case 20: return QPalette::Light;               // button highlight
        case 21: return QPalette::Shadow;
        case 22: return QPalette::Midlight;
        case 23: return QPalette::ToolTipText;
        case 24: return QPalette::ToolTipBase;
        default: return QPalette::Window;
    }
}

long long fieldNumber(const StateRecord& state, Field f) { return state.readInt(f, 0); }

void solidFill(QImage& img, QColor c) { img.fill(c.rgb()); }

// MulDiv: a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    return static_cast<int>((p + c / 2) / c);
}

}  // namespace

QColor colourFromValue(long long value) {
    const auto bits = static_cast<uint32_t>(value);
    if (bits & 0x80000000u) {
        const QPalette palette = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                     ? QGuiApplication::palette()
                                     : QPalette();
        return palette.color(QPalette::Active, systemRole(static_cast<int>(bits & 0xFF)));
    }
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

QColor plainBackgroundColour(const StateRecord& state) {
    const long long fixed = fieldNumber(state, field::Background_Fixed_Col);
    return colourFromValue(fixed > 0 ? fixed : fieldNumber(state, field::Background_Col));
}

void fadeFill(QImage& img, QColor colour, int areaWidth, int areaHeight) {
    if (areaHeight <= 0) return;
    QPainter p(&img);
    const int r = colour.red(), g = colour.green(), b = colour.blue();
    for (int fromTop = 0; fromTop < 256; ++fromTop) {
        const int i = 255 - fromTop;  // counted from the bottom
        const int top = mulDiv(fromTop, areaHeight, 256);
        const int bottom = mulDiv(fromTop + 1, areaHeight, 256);
        if (bottom <= top) continue;
        p.fillRect(QRect(0, top, areaWidth, bottom - top), QColor(r * i / 256, g * i / 256, b * i / 256));
    }
}

void tileFill(QImage& img, const QImage& tile) {
    if (tile.isNull() || tile.width() <= 0 || tile.height() <= 0) return;
    const QImage t = tile.convertToFormat(img.format());
    int x = 0;
    for (; x < img.width(); x += t.width()) copyRect(img, QPoint(x, 0), t, t.rect());
    // The first row is complete; copy it down.
    const QRect row(0, 0, img.width(), std::min(t.height(), img.height()));
    for (int y = t.height(); y < img.height(); y += t.height()) copyRect(img, QPoint(0, y), img, row);
}

void paintBackground(QImage& img, StateRecord& state, DrawingHost& host, bool scrollBarVisible) {
    if (state.flag(field::Background_def)) {
        solidFill(img, host.richColour() ? QColor(0, 96, 0) : QColor(0, 128, 0));
        return;
    }
    if (state.flag(field::Customized_Background)) {
        const std::string path = host.customizedBackground();
        if (!path.empty() && QFileInfo::exists(QString::fromStdString(path))) {
            tileFill(img, host.loadPictureFile(path));
            return;
        }
        host.infoBox(std::string(CustomBackgroundMissing) + path);
        state.write(field::Customized_Background, "N");
        paintBackground(img, state, host, scrollBarVisible);
        return;
    }
    const long long number = fieldNumber(state, field::Background_bmp);
    if (number != 0) {
        const QImage picture = host.loadPictureFile("B" + threeDigits(number));
        if (number >= FirstSinglePicture) {
            // Whatever the picture leaves uncovered shows the plain colour.
            solidFill(img, plainBackgroundColour(state));
            if (!picture.isNull()) {
                QImage p = picture.convertToFormat(img.format());
                copyRect(img, QPoint(0, 0), p, p.rect());
            }
        } else {
            tileFill(img, picture);
        }
        return;
    }
    const QColor colour = plainBackgroundColour(state);
    if (state.flag(field::Fade_Background) && host.richColour())
        fadeFill(img, colour, img.width() + 1, scrollBarVisible ? img.height() + 80 : img.height() + 1);
    else
        solidFill(img, colour);
}

}  // namespace vantrel
