#pragma once
// A small table with synthetic pictures whose pixels tell where they came
// from: every face a colour of its own, the back, every mark.
#include <gtest/gtest.h>

#include <memory>

#include "view_qt/table_fixture.h"

namespace vantrel::test {

inline constexpr QRgb TableColour = 0xFF101010;  // what the table picture holds
inline constexpr QRgb CleanColour = 0xFF004000;  // the background
inline constexpr QRgb BackColour = 0xFF0000C8;

inline QRgb faceColour(int card) { return qRgb(200, card, 7); }
inline QRgb markColour(int mark) { return qRgb(mark, 220, 220); }

inline QImage filled(int w, int h, QRgb c) {
    QImage img(w, h, TableCanvas::Format);
    img.fill(c);
    return img;
}

inline QRgb at(const QImage& img, int x, int y) { return img.pixel(x, y) | 0xFF000000; }

struct SyntheticTable {
    SyntheticTable() : host("/nonexistent/") {
        images.width = 20;
        images.height = 30;
        for (int c = 1; c <= 52; ++c) images.faces[static_cast<size_t>(c - 1)] = filled(20, 30, faceColour(c));
        images.back = filled(20, 30, BackColour);
        for (int m = 1; m <= 22; ++m) images.marks[static_cast<size_t>(m)] = filled(20, 30, markColour(m));
        QImage edge(15, 45, QImage::Format_ARGB32_Premultiplied);
        edge.fill(qRgb(1, 2, 3));
        images.edgeRight = edge;
        QImage edgeB(35, 15, QImage::Format_ARGB32_Premultiplied);
        edgeB.fill(qRgb(1, 2, 3));
        images.edgeBottom = edgeB;
        canvas.resize(QSize(300, 200), QSize(330, 230));
        canvas.table.fill(TableColour);
        canvas.background = BackgroundLook::plain(CleanColour, canvas.table.size());
        game.state.write(field::Cards_Shadowed, "Y");
        game.state.write(field::Piles_TT, "N");
        game.inProgress = true;
    }

    Game game;
    TableCanvas canvas;
    CardImages images;
    FolderHost host;
    TableDrawing drawing{game, canvas, images, host};
};

}  // namespace vantrel::test
