#include <gtest/gtest.h>

#include "model/state_record.h"

using namespace vantrel;

TEST(StateRecord, WriteTrimsLeadingBlanksPadsAndReadsBackTrimmed) {
    StateRecord s;
    s.write(field::Game, "12");
    EXPECT_EQ(s.StateRead(62, 4), "12");
    EXPECT_EQ(s.StateRead(62, 5), "12");  // the two pad blanks and the next field's blank trim away
    s.write(field::Show_Time, "Y");
    EXPECT_EQ(s.StateRead(62, 5), "12  Y");
    s.write(field::Game, "  7");
    EXPECT_EQ(s.read(field::Game), "7");
    EXPECT_EQ(s.readInt(field::Game), 7);
}

TEST(StateRecord, CutsToTheFieldAndNeverTouchesNeighbours) {
    StateRecord s;
    s.write(field::Scoring_System, "01");
    s.write(field::Card_Size, "B");
    s.write(field::Score, -15);
    EXPECT_EQ(s.read(field::Score), "-15");
    EXPECT_EQ(s.read(field::Scoring_System), "01");
    EXPECT_EQ(s.read(field::Card_Size), "B");
    const std::string sixty(60, 'x');
    s.write(field::Game_name, std::string(50, 'a') + sixty);
    EXPECT_EQ(s.read(field::Game_name), std::string(50, 'a'));
    EXPECT_EQ(s.read(field::Automatic_FaceUp), "");
    s.write(field::Score, "1234567890");
    EXPECT_EQ(s.read(field::Score), "123456");
    EXPECT_EQ(s.read(field::Card_Size), "B");
}

TEST(StateRecord, InitStoresFolderAndConfigFile) {
    StateRecord s;
    s.write(field::Game, "9");
    const std::string folder = "/opt/games/vantrel/" + std::string(150, 'f') + "/";
    s.StateInit(folder);
    EXPECT_EQ(s.read(field::Program_Folder), folder);
    EXPECT_EQ(s.read(field::Config_File), "DATA\\CFG.DAT");
    EXPECT_EQ(s.read(field::Game), "");  // blanked by init
}

TEST(StateRecord, PositionsOutsideTheSegmentsCarryNothing) {
    StateRecord s;
    for (int pos : {0, 250, 500, 750, 751, 5000, -3}) {
        s.StateWrite(pos, 1, "Z");
        EXPECT_EQ(s.StateRead(pos, 1), "") << pos;
    }
    // Neighbours of the dead positions are ordinary characters.
    for (int pos : {249, 251, 499, 501, 749}) {
        s.StateWrite(pos, 1, "Q");
        EXPECT_EQ(s.StateRead(pos, 1), "Q") << pos;
    }
    EXPECT_EQ(s.StateRead(249, 1), "Q");
    EXPECT_EQ(s.StateRead(251, 1), "Q");
}

TEST(StateRecord, NumbersAndFlags) {
    StateRecord s;
    EXPECT_EQ(s.readInt(field::Game, -1), -1);  // never written
    s.write(field::Game, "-001");
    EXPECT_EQ(s.readInt(field::Game), -1);
    s.write(field::Game, "abc");
    EXPECT_EQ(s.readInt(field::Game, 42), 42);
    s.write(field::Show_Score, "y");
    EXPECT_FALSE(s.flag(field::Show_Score));  // only "Y" is on
    s.write(field::Show_Score, "Y");
    EXPECT_TRUE(s.flag(field::Show_Score));
}
