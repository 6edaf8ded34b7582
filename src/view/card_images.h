#pragma once
// The pictures of the current card size and set: 52 faces cut from the four
// suit sheets, the back, the empty-pile marks, the two shadow pictures and
// the two stock-edge pictures.
#include <QImage>
#include <array>
#include <string>

namespace vantrel {

class DrawingHost;
class StateRecord;

struct CardImages {
    char sizeLetter = 'B';
    int width = 71;
    int height = 96;
    int faceSet = -1;
    int backNumber = -1;

    std::array<QImage, 52> faces;  // hearts 1-13, diamonds, clubs, spades
    QImage back;
    std::array<QImage, 23> marks;  // by mark number; 0 unused
    QImage shadowRight;            // white see-through
    QImage shadowBottom;
    QImage edgeRight;              // pure blue see-through
    QImage edgeBottom;

    // Face of card 1..104 (53.. share the faces of 1..); null outside.
    const QImage* face(int card) const;
    const QImage* mark(int number) const;
};

// Sets the size from `Card_Size` (B, M, L; another letter keeps the size
// held).
void applyCardSize(CardImages& images, const StateRecord& state);

// Sets the size as `applyCardSize` and loads every picture of that size,
// set and back. Resources come
// from the registered picture library; one that is missing stays empty.
void loadCardImages(CardImages& images, const StateRecord& state, DrawingHost& host);

// A copy in which the pixels of colour `key` are see-through.
QImage withKeyColour(const QImage& img, QRgb key);

// `digits` wide with leading zeros ("006").
std::string threeDigits(long long n);

}  // namespace vantrel
