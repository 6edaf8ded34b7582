#include "view/background.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
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
    const int rows = std::min(areaHeight, img.height());
    const std::vector<QRgb> colours = fadeRows(colour, areaHeight, rows);
    const int width = std::min(areaWidth, img.width());
    for (int y = 0; y < rows; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(img.scanLine(y)), width, colours[static_cast<size_t>(y)]);
}

BackgroundLook backgroundLook(StateRecord& state, DrawingHost& host, bool scrollBarVisible, QSize area,
                              int fadeBase) {
    if (state.flag(field::Background_def))
        return BackgroundLook::plain(host.richColour() ? qRgb(0, 96, 0) : qRgb(0, 128, 0), area);
    if (state.flag(field::Customized_Background)) {
        const std::string path = host.customizedBackground();
        if (!path.empty() && QFileInfo::exists(QString::fromStdString(path)))
            return BackgroundLook::tiled(host.loadPictureFile(path), area);
        host.infoBox(std::string(CustomBackgroundMissing) + path);
        state.write(field::Customized_Background, "N");
        return backgroundLook(state, host, scrollBarVisible, area, fadeBase);
    }
    const long long number = fieldNumber(state, field::Background_bmp);
    if (number != 0) {
        const QImage picture = host.loadPictureFile("B" + threeDigits(number));
        // Whatever a single picture leaves uncovered shows the plain colour.
        if (number >= FirstSinglePicture)
            return BackgroundLook::single(picture, plainBackgroundColour(state).rgb(), area);
        return BackgroundLook::tiled(picture, area);
    }
    const QColor colour = plainBackgroundColour(state);
    if (state.flag(field::Fade_Background) && host.richColour()) {
        const int base = fadeBase > 0 ? fadeBase : area.height();
        return BackgroundLook::faded(colour, scrollBarVisible ? base + 80 : base + 1, area);
    }
    return BackgroundLook::plain(colour.rgb(), area);
}

void paintBackground(QImage& img, StateRecord& state, DrawingHost& host, bool scrollBarVisible) {
    backgroundLook(state, host, scrollBarVisible, img.size()).paint(img, QPoint(0, 0), img.rect());
}

}  // namespace vantrel
