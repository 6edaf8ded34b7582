#pragma once
// Drawing of the test's pictures. The build runs these once and packs the
// results into the program as resources.

#include <QImage>
#include <QString>
#include <vector>

namespace iq::pictures {

enum class Face { Normal, Pressed, Disabled };

// 800 x 601 space scene: stars, a nebula and a red planet.
QImage background();
// 33 x 24 arrow button pointing left or right.
QImage arrowButton(bool left, Face face);
// 73 x 24 wide button with a word in capitals.
QImage wideButton(const QString& word, Face face);
// 32 x 32 window icon.
QImage icon();

struct NamedPicture {
    QString fileName;  // e.g. "start_pressed.png"
    QImage image;
};
// Every picture the program loads, under its resource file name.
std::vector<NamedPicture> all();

}  // namespace iq::pictures
