#include <gtest/gtest.h>

#include "layout_support.h"
#include "view/layout/layout_warnings.h"

namespace vantrel::test {
namespace {

TEST(LayoutWarnings, DegenerateDefinitions) {
    struct Case {
        std::string name;
        TableDef def;
        std::string mentions;  // empty: no warning
    };
    const auto table = [](Group tab, Group found, int rows = 1) {
        TableDef t;
        t.tableau = tab;
        t.foundations = found;
        t.tableauRows = rows;
        return t;
    };
    const Case cases[] = {
        {"sound", table({2, 1, 7}, {1, 9, 4}), ""},
        {"014 single", table({2, 14, 1}, {1, 2, 4}), "2014 with a single row"},
        {"015 single", table({2, 15, 1}, {1, 2, 4}), "2015"},
        {"015 two", table({2, 15, 2}, {1, 2, 4}), ""},
        {"010 no rows", table({1, 10, 6}, {}, 0), "parameter 255 = 0"},
        {"018 fewer piles", table({1, 18, 3}, {}, 4), "fewer piles (3) than rows"},
        {"018 enough piles", table({1, 18, 8}, {}, 2), ""},
        {"009 empty", table({2, 1, 7}, {1, 9, 0}), "foundation placement 1009"},
        {"017 empty", table({2, 1, 7}, {1, 17, 0}), "1017"},
        {"unknown foundations", table({2, 1, 7}, {1, 0, 0}), ""},
        {"020 alone", table({2, 20, 7}, {1, 0, 0}), "centred on the table"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> w = layoutWarnings(paramsFor(c.def));
        if (c.mentions.empty()) {
            EXPECT_TRUE(w.empty()) << c.name << ": " << (w.empty() ? "" : w.front());
        } else {
            ASSERT_EQ(w.size(), 1u) << c.name;
            EXPECT_NE(w.front().find(c.mentions), std::string::npos) << c.name << ": " << w.front();
        }
    }
}

}  // namespace
}  // namespace vantrel::test
