// The win test by game family.
#include "engine/game_won.h"

#include "execute_support.h"

namespace vantrel::exec_test {
namespace {

struct WonCase {
    const char* what;
    int family;
    std::vector<std::string> rows;  // rows in use
    std::string stock, waste, reserve1, secondWaste, foundation1;
    bool won;
};

TEST(IsGameWon, ByFamily) {
    const std::string one = pileText({S(1)}), two = pileText({S(1), S(2)});
    const std::string four = pileText({S(1), S(2), S(3), S(4)}), five = four + pileText({S(5)});
    const std::string gaps = pileText({0, 0});
    const WonCase cases[] = {
        {"all cleared", 0, {"", ""}, "", "", "", two, five, true},
        {"stock left", 0, {"", ""}, one, "", "", "", "", false},
        {"waste left", 0, {"", ""}, "", one, "", "", "", false},
        {"row left", 0, {"", one}, "", "", "", "", "", false},
        {"reserve left", 0, {"", ""}, "", "", one, "", "", false},
        {"gaps are cards outside family 4", 0, {gaps, ""}, "", "", "", "", "", false},
        {"family 4 gaps only", 4, {gaps, ""}, "", "", "", "", "", true},
        {"family 4 a card among gaps", 4, {gaps + one, ""}, "", "", "", "", "", false},
        {"family 9 every row holds cards", 9, {one, two}, one, one, one, "", "", true},
        {"family 9 an empty row", 9, {one, ""}, "", "", "", "", "", false},
        {"family 21 four left", 21, {four, two}, "", one, one, "", "", true},
        {"family 22 five left", 22, {five, ""}, "", "", "", "", "", false},
        {"family 22 stock left", 22, {one, ""}, one, "", "", "", "", false},
        {"family 27 one card each", 27, {one, one}, one, "", "", "", "", true},
        {"family 27 two in a row", 27, {one, two}, "", "", "", "", "", false},
        {"family 27 an empty row", 27, {one, ""}, "", "", "", "", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Table t;
        t.param(35, c.family);
        t.param(262, static_cast<int>(c.rows.size()));
        t.param(263, 1);
        for (size_t k = 0; k < c.rows.size(); ++k) t.row(static_cast<int>(k)) = c.rows[k];
        t.row(5) = one;  // a row not in use is never looked at
        t.reserve(2) = one;
        t.stock() = c.stock;
        t.waste() = c.waste;
        t.reserve(1) = c.reserve1;
        t.secondWaste() = c.secondWaste;
        t.foundation(0) = c.foundation1;
        EXPECT_EQ(IsGameWon(t.game), c.won);
    }
}

}  // namespace
}  // namespace vantrel::exec_test
