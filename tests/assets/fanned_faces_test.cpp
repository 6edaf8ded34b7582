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
// a player can read there. The card's own frame is left out.
std::vector<bool> wholeMarks(const QImage &card, const Strip &strip)
{
    const int w = strip.down ? card.width() : strip.depth, h = strip.down ? strip.depth : card.height();
    const int margin = 2;
    auto inside = [&](int x, int y) {
        return x >= margin && y >= margin && x < w && y < h && (strip.down ? x < w - margin : y < h - margin);
    };
    auto ink = [&](int x, int y) {
        const QRgb c = card.pixel(x, y);
        return std::min({qRed(c), qGreen(c), qBlue(c)}) < 160;
    };
    std::vector<bool> kept(size_t(w * h), false), seen(size_t(w * h), false);
    for (int y0 = 0; y0 < h; ++y0)
        for (int x0 = 0; x0 < w; ++x0) {
            if (!inside(x0, y0) || seen[size_t(y0 * w + x0)] || !ink(x0, y0)) continue;
            std::vector<QPoint> mark{{x0, y0}}, todo{{x0, y0}};
            seen[size_t(y0 * w + x0)] = true;
            bool cut = false;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                cut = cut || (strip.down ? p.y() == h - 1 : p.x() == w - 1);
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (!inside(q.x(), q.y()) || seen[size_t(q.y() * w + q.x())] || !ink(q.x(), q.y())) continue;
                    seen[size_t(q.y() * w + q.x())] = true;
                    mark.push_back(q);
                    todo.push_back(q);
                }
            }
            if (!cut)
                for (const QPoint p : mark) kept[size_t(p.y() * w + p.x())] = true;
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
