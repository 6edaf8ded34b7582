#include "view/card_images.h"

#include "model/card_settings.h"
#include "model/state_record.h"
#include "view/drawing_host.h"
#include "view/layout/layout_inputs.h"
#include "view/table_canvas.h"

namespace vantrel {

namespace {

QImage asTable(const QImage& img) {
    return img.isNull() ? img : img.convertToFormat(TableCanvas::Format);
}

}  // namespace

QImage withKeyColour(const QImage& img, QRgb key) {
    if (img.isNull()) return img;
    // An opaque picture reads the same premultiplied: converted once, the
    // key cleared in place.
    const bool opaque = !img.hasAlphaChannel();
    QImage out = img.convertToFormat(opaque ? QImage::Format_ARGB32_Premultiplied : QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = 0;
    }
    return opaque ? out : out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

std::string threeDigits(long long n) {
    std::string s = std::to_string(n < 0 ? 0 : n % 1000);
    return std::string(3 - s.size(), '0') + s;
}

const QImage* CardImages::face(int card) const {
    if (card < 1 || card > 104) return nullptr;
    if (card > 52) card -= 52;
    return &faces[static_cast<size_t>(card - 1)];
}

const QImage* CardImages::mark(int number) const {
    if (number < 1 || number >= static_cast<int>(marks.size())) return nullptr;
    return &marks[static_cast<size_t>(number)];
}

void applyCardSize(CardImages& images, const StateRecord& state) {
    if (const std::optional<char> letter = cardSizeLetter(state.read(field::Card_Size))) {
        images.sizeLetter = *letter;
        const CardDims dims = cardDims(images.sizeLetter);
        images.width = dims.width;
        images.height = dims.height;
    }
}

void loadCardImages(CardImages& images, const StateRecord& state, DrawingHost& host) {
    applyCardSize(images, state);
    const std::string s(1, images.sizeLetter);
    const int w = images.width, h = images.height;

    images.faceSet = static_cast<int>(state.readInt(field::Card, 1));
    static constexpr char Suits[] = {'H', 'D', 'C', 'S'};
    for (int suit = 0; suit < 4; ++suit) {
        const QImage sheet = asTable(host.loadResourcePicture("C" + s + threeDigits(images.faceSet) + Suits[suit]));
        for (int rank = 0; rank < 13; ++rank) {
            QImage& face = images.faces[static_cast<size_t>(suit * 13 + rank)];
            const QRect cell((rank % 5) * w, (rank / 5) * h, w, h);
            face = sheet.isNull() || !sheet.rect().contains(cell) ? QImage() : sheet.copy(cell);
        }
    }

    images.backNumber = static_cast<int>(state.readInt(field::Back_Card, 1));
    images.back = asTable(host.loadPictureFile("D" + s + threeDigits(images.backNumber)));

    for (size_t n = 1; n < images.marks.size(); ++n)
        images.marks[n] = asTable(host.loadResourcePicture("W" + s + threeDigits(static_cast<long long>(n))));
    images.shadowRight = withKeyColour(host.loadResourcePicture("SHADOW_" + s + "1"), qRgb(255, 255, 255));
    images.shadowBottom = withKeyColour(host.loadResourcePicture("SHADOW_" + s + "2"), qRgb(255, 255, 255));
    images.edgeRight = withKeyColour(host.loadResourcePicture("3D_BORDER_" + s + "1"), qRgb(0, 0, 255));
    images.edgeBottom = withKeyColour(host.loadResourcePicture("3D_BORDER_" + s + "2"), qRgb(0, 0, 255));
}

}  // namespace vantrel
