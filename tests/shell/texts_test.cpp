// The window caption and the program-name placeholders.
#include <gtest/gtest.h>

#include "model/state_record.h"
#include "shell/core/texts.h"

using namespace vantrel;

TEST(WindowCaption, NameAndDealNumberWhenThereIsOne) {
    StateRecord st;
    st.StateInit("/p/");
    st.write(field::Game_name, "FreeCell");
    EXPECT_EQ(WindowCaption(st), "Vantrel [FreeCell]");
    st.write(field::Deal_Number, "0000012345678");
    EXPECT_EQ(WindowCaption(st), "Vantrel [FreeCell]  [0000012345678]");
    st.write(field::Game_name, "");
    EXPECT_EQ(WindowCaption(st), "Vantrel []  [0000012345678]");
    st.write(field::Game_name, std::string(60, 'n'));
    EXPECT_EQ(WindowCaption(st), "Vantrel [" + std::string(50, 'n') + "]  [0000012345678]");
}

TEST(FillPlaceholders, ReplacesOnlyTheFirstOfEach) {
    const std::pair<const char*, const char*> cases[] = {
        {"About [Program]", "About Vantrel"},
        {"no placeholders here", "no placeholders here"},
        {"[Program] and [Program]", "Vantrel and [Program]"},
        {"[Program_sw] by [Program]", "Pallmore 2000 by Vantrel"},
        {"[Program_sw][Program_sw]", "Pallmore 2000[Program_sw]"},
        {"[program]", "[program]"},
        {"", ""},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(FillPlaceholders(in), out) << in;
}
