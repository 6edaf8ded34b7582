// A covered card in a face-up fan shows only a strip: its rank and its suit
// must lie whole inside that strip, at every size the layout fans by more
// than a sliver.
#include "asset_paths.h"

#include "view/layout/card_fan.h"

#include <QResource>
#include <gtest/gtest.h>
#include <vector>

using namespace assets_test;

namespace {

struct Strip {
    bool down;  // the top rows (rows fanned down), else the left columns
    int depth;
};

QImage cardOf(const Size &s, const char *set, char suit, int rank)
{
    const QImage sheet(QStringLiteral(":/C") + QChar::fromLatin1(s.letter) + set + QChar::fromLatin1(suit));
    return sheet.copy((rank - 1) % 5 * s.width, (rank - 1) / 5 * s.height, s.width, s.height)
        .convertToFormat(QImage::Format_RGB32);
}

// The ink of the strip without the marks the next card cuts through: what
// a player can read there. The card's own frame (2 pixels) is left out.
std::vector<bool> wholeMarks(const QImage &card, const Strip &strip)
{
    const int w = strip.down ? card.width() : strip.depth, h = strip.down ? strip.depth : card.height();
    auto inkAt = [&](QPoint p) {
        const bool inside = p.x() >= 2 && p.y() >= 2 && p.x() < w && p.y() < h &&
                            (strip.down ? p.x() < w - 2 : p.y() < h - 2);
        const QRgb c = inside ? card.pixel(p) : qRgb(255, 255, 255);
        return std::min({qRed(c), qGreen(c), qBlue(c)}) < 160;
    };
    std::vector<bool> kept(size_t(w * h)), seen(size_t(w * h));
    auto index = [w](QPoint p) { return size_t(p.y() * w + p.x()); };
    for (int i = 0; i < w * h; ++i) {
        std::vector<QPoint> mark, todo{{i % w, i / w}};
        bool cut = false;
        while (!todo.empty()) {  // one connected mark
            const QPoint p = todo.back();
            todo.pop_back();
            if (!inkAt(p) || seen[index(p)]) continue;
            seen[index(p)] = true;
            mark.push_back(p);
            cut = cut || (strip.down ? p.y() == h - 1 : p.x() == w - 1);
            for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) todo.push_back(p + d);
        }
        for (const QPoint p : mark) kept[index(p)] = !cut;
    }
    return kept;
}

// Pixels two marks must differ by: the classic deck's own 5 and 6 differ
// by five at size B.
constexpr int kTellApart = 4;

int differing(const std::vector<bool> &a, const std::vector<bool> &b)
{
    int n = 0;
    for (size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
    return n;
}

} // namespace

TEST(FannedFaces, EveryCoveredCardShowsItsRankAndSuitWhole)
{
    ASSERT_TRUE(QResource::registerResource(programDir() + "/QUIL.RGF"));
    for (const Size &s : kSizes) {
        const vantrel::FanSteps steps = vantrel::fanSteps(s.letter, vantrel::fan::Down, vantrel::fan::Right);
        const Strip strips[] = {{true, steps.downFaceUp}, {false, steps.sideFaceUp}};
        for (const Strip &strip : strips) {
            if (strip.depth <= 3) continue;  // size L fans by 3 pixels: nothing can show there
            for (const char *set : {"001", "002", "003"})
                for (int rank = 1; rank <= 13; ++rank)
                    for (const char *pair : {"HD", "CS"}) {
                        const auto first = wholeMarks(cardOf(s, set, pair[0], rank), strip);
                        // Same colour, other suit: only a whole suit mark tells them apart.
                        EXPECT_GT(differing(first, wholeMarks(cardOf(s, set, pair[1], rank), strip)), kTellApart)
                            << s.letter << set << " rank " << rank << " " << pair << (strip.down ? " down" : " side");
                        if (rank < 13) {
                            EXPECT_GT(differing(first, wholeMarks(cardOf(s, set, pair[0], rank + 1), strip)), kTellApart)
                                << s.letter << set << " ranks " << rank << "/" << rank + 1 << " " << pair[0]
                                << (strip.down ? " down" : " side");
                        }
                    }
        }
    }
    QResource::unregisterResource(programDir() + "/QUIL.RGF");
}
