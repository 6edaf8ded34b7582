// Mouse play in the main window: a drag onto a pile that takes the card,
// onto one that refuses it, and a double click that sends a card home.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <algorithm>

#include "model/cards.h"
#include "model/game.h"
#include "shell/table_area.h"
#include "view/table_drawing.h"
#include "view/table_view.h"
#include "window_fixture.h"

using namespace vantrel;
using namespace vantrel::test;

namespace {

constexpr int HeartsAce = 1, HeartsFour = 4, HeartsFive = 5, ClubsFour = 30, ClubsSix = 32;

std::string codes(std::initializer_list<int> cards) {
    std::string text;
    for (int c : cards) text += cardCode(c);
    return text;
}

}  // namespace

class TableMouseTest : public WindowFixture {
protected:
    // The dealt game (FreeCell) replaced by four rows: 6C, 5H, 4H, AH.
    void SetUp() override {
        WindowFixture::SetUp();
        MainWindow& w = openPlaying();
        ASSERT_TRUE(game->inProgress);
        game->state.write(field::Cards_Animate, "N");
        game->piles = Piles{};
        const int rows[] = {ClubsSix, HeartsFive, HeartsFour, HeartsAce};
        for (int k = 0; k < 4; ++k) {
            game->piles.tableau[static_cast<size_t>(k)] = codes({rows[k]});
            game->cards.setFace(rows[k], '1');
        }
        w.redrawTable();
        QApplication::processEvents();
    }
    QPoint onTop(int row) {
        const std::string& pile = game->piles.tableau[static_cast<size_t>(row)];
        const CardPoint p =
            window->view().drawing().piles().cardPlace({PileGroup::Tableau, row}, std::max(0, cardCount(pile) - 1));
        return {p.x + 20, p.y + 20};
    }
    // Without `moves` the button comes up elsewhere with no move between,
    // as when the window merged the moves queued during a flight.
    void drag(int fromRow, int toRow, bool moves = true) {
        QWidget& table = window->table();
        const QPoint from = onTop(fromRow), to = onTop(toRow) + QPoint(0, 15);
        QTest::mousePress(&table, Qt::LeftButton, {}, from);
        if (moves) {
            QTest::mouseMove(&table, (from + to) / 2);
            QTest::mouseMove(&table, to);
        }
        QTest::mouseRelease(&table, Qt::LeftButton, {}, to);
    }
    std::string row(int k) const { return game->piles.tableau[static_cast<size_t>(k)]; }
};

TEST_F(TableMouseTest, DragsMoveCardsOnlyWhereTheRulesTakeThem) {
    drag(1, 0);  // 5H on 6C
    EXPECT_EQ(row(0), codes({ClubsSix, HeartsFive}));
    EXPECT_EQ(row(1), "");
    drag(2, 0);  // 4H on 5H: same colour, back home
    EXPECT_EQ(row(0), codes({ClubsSix, HeartsFive}));
    EXPECT_EQ(row(2), codes({HeartsFour}));
    EXPECT_EQ(window->table().cursor().shape(), Qt::ArrowCursor);
    drag(2, 3, false);  // 4H on AH, refused all the same
    EXPECT_EQ(row(2), codes({HeartsFour}));
    drag(2, 1, false);  // 4H to the empty row, no move in between
    EXPECT_EQ(row(1), codes({HeartsFour}));
}

TEST_F(TableMouseTest, ADoubleClickSendsTheAceHomeAndItsSecondPressTurnsTheCardBelow) {
    constexpr int SpadesNine = 48;
    game->piles.tableau[3] = codes({SpadesNine, HeartsAce});
    game->cards.setFace(SpadesNine, '0');
    window->redrawTable();
    QTest::mouseDClick(&window->table(), Qt::LeftButton, {}, onTop(3));
    EXPECT_EQ(row(3), codes({SpadesNine}));
    EXPECT_TRUE(game->cards.faceUp(SpadesNine));
    EXPECT_EQ(game->piles.foundations[0], codes({HeartsAce}));
}

TEST_F(TableMouseTest, TheScrollBarShowsForCardsBelowTheAreaAndMovesTheTable) {
    auto* bar = window->findChild<QScrollBar*>("scrBarMain");
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isVisible());
    game->piles.tableau[0] = codes({ClubsSix, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, ClubsFour});
    for (int c = 7; c <= 20; ++c) game->cards.setFace(c, '1');
    game->cards.setFace(ClubsFour, '1');
    window->resize(window->width(), 260);
    QApplication::processEvents();
    ASSERT_TRUE(bar->isVisible());
    const int before = onTop(0).y();
    bar->setValue(bar->maximum());
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(onTop(0).y(), before - bar->maximum());
    drag(0, 1);  // the lowest card, picked where it shows now
    EXPECT_EQ(row(1), codes({HeartsFive, ClubsFour}));
    game->piles.tableau[0] = codes({ClubsSix});
    window->resize(window->width(), 700);
    QApplication::processEvents();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(game->positions.scrollOffset, 0);
}

// A dialog opening or closing moves the focus off the table and back: the
// table shows no focus, so neither repaints it.
TEST_F(TableMouseTest, FocusLeavingAndComingBackRepaintsNothing) {
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } count;
    QWidget& table = window->table();
    table.installEventFilter(&count);
    for (const QEvent::Type type : {QEvent::FocusOut, QEvent::FocusIn}) {
        QFocusEvent focus(type, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(&table, &focus);
    }
    QApplication::processEvents();
    EXPECT_EQ(count.paints, 0);
    table.update();  // the count sees paints
    QApplication::processEvents();
    EXPECT_GT(count.paints, 0);
}
