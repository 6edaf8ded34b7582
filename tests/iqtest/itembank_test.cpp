#include "itembank.h"

#include <gtest/gtest.h>

using iq::ItemBank;

TEST(ItemBank, HoldsCountCellsOptionsAndKeysUnderTheirIdentifiers)
{
    const ItemBank& bank = ItemBank::shipped();
    EXPECT_EQ(bank.size(), 241);
    EXPECT_EQ(bank.string(10), QStringLiteral("15"));
    EXPECT_EQ(bank.itemCount(), 15);
    // item 2 starts right after the count, item 15 ends at 149
    EXPECT_EQ(bank.string(11), QStringLiteral("A"));
    EXPECT_EQ(bank.string(149), QStringLiteral("?"));
    EXPECT_EQ(bank.string(1001), QStringLiteral("O"));
    EXPECT_EQ(bank.string(1007), QStringLiteral("4"));
    EXPECT_EQ(bank.string(1147), QStringLiteral("3"));
    EXPECT_EQ(bank.string(1143), QStringLiteral("CIA"));
    EXPECT_TRUE(bank.string(1008).isEmpty());
    EXPECT_TRUE(bank.string(150).isEmpty());
}

TEST(ItemBank, KeysPointAtTheCompletingOption)
{
    const QString correct[] = {"Q", "K", "F", "I", "ABE", "PC", "XT", "F", "D", "I", "G", "J", "Z", "VAK", "CIA"};
    const ItemBank& bank = ItemBank::shipped();
    for (int n = 1; n <= 15; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(bank.option(n, bank.key(n)), correct[n - 1]);
        EXPECT_EQ(bank.cell(n, 9), QStringLiteral("?"));
    }
}

TEST(ItemBank, LongTextItemsAreThoseWithAnyLongString)
{
    const ItemBank& bank = ItemBank::shipped();
    for (int n = 1; n <= 15; ++n) {
        const bool expected = n == 5 || n == 6 || n == 7 || n == 11 || n == 12 || n == 14 || n == 15;
        EXPECT_EQ(bank.isLongText(n), expected) << "item " << n;
    }
}

TEST(ItemBank, DamagedBankGivesSafeValues)
{
    const ItemBank tooMany({{10, QStringLiteral("99")}});
    EXPECT_EQ(tooMany.itemCount(), iq::kMaxItems);
    const ItemBank garbage({{10, QStringLiteral("x")}, {1007, QStringLiteral("abc")}});
    EXPECT_EQ(garbage.itemCount(), 0);
    EXPECT_EQ(garbage.key(1), 0);
    EXPECT_FALSE(garbage.isLongText(1));
}
