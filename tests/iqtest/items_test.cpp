// Showing items: big type, overlay type for long strings, the red "?".
#include "iq_fixture.h"

namespace {

QStringList texts(const auto& labels)
{
    QStringList list;
    for (const QLabel* label : labels)
        list << label->text();
    return list;
}

}  // namespace

TEST_F(IqWindow, FieldsAppearOnlyWhileTesting)
{
    EXPECT_TRUE(ui().zadani[0]->isHidden());
    EXPECT_TRUE(ui().moznosti2[5]->isHidden());
    startWithAge(QStringLiteral("20"));
    for (QLabel* cell : ui().zadani)
        EXPECT_FALSE(cell->isHidden());
    for (QLabel* overlay : ui().moznosti2)
        EXPECT_FALSE(overlay->isHidden());
    EXPECT_EQ(ui().zadani[8]->geometry(), QRect(344, 320, 65, 65));
    EXPECT_EQ(ui().zadani2[7]->geometry(), QRect(280, 341, 65, 25));
    EXPECT_EQ(ui().moznosti[5]->geometry(), QRect(440, 432, 65, 65));
    EXPECT_EQ(ui().moznosti2[0]->geometry(), QRect(120, 453, 65, 25));
}

TEST_F(IqWindow, ShortItemUsesTheBigLabelsWithARedQuestionMark)
{
    startWithAge(QStringLiteral("20"));
    EXPECT_EQ(texts(ui().zadani), QStringList({"A", "C", "E", "G", "I", "K", "M", "O", "?"}));
    EXPECT_EQ(texts(ui().moznosti), QStringList({"O", "R", "S", "Q", "P", "A"}));
    EXPECT_EQ(texts(ui().zadani2), QStringList(8, QString()));
    EXPECT_EQ(texts(ui().moznosti2), QStringList(6, QString()));
    EXPECT_EQ(iq::backgroundOf(ui().zadani[8]), iq::kRed);
    EXPECT_EQ(iq::backgroundOf(ui().zadani[0]), iq::kWhite);
    EXPECT_TRUE(ui().zadani[0]->font().bold());
    EXPECT_EQ(ui().zadani[0]->font().pixelSize(), 51);  // 38 pt
}

TEST_F(IqWindow, LongTextItemsUseTheOverlayTypeExceptForTheQuestionMark)
{
    const struct { int item; QStringList cells; QStringList options; } cases[] = {
        {11, {"3", "2", "E", "8", "1", "I", "2", "5"}, {"G", "F", "10", "H", "A", "C"}},
        {12, {"C", "E", "D", "D", "A", "F", "7", "6"}, {"J", "13", "12", "K", "L", "10"}},
        {14, {"CAB", "148", "DEJ", "BAR", "623", "HCU", "SAD", "307"}, {"703", "DAS", "VAK", "VAL", "LAK", "WAK"}},
    };
    startWithAge(QStringLiteral("20"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        window->showitem(c.item);
        EXPECT_EQ(texts(ui().zadani2), c.cells);
        EXPECT_EQ(texts(ui().moznosti2), c.options);
        EXPECT_EQ(texts(ui().zadani), QStringList({"", "", "", "", "", "", "", "", "?"}));
        EXPECT_EQ(texts(ui().moznosti), QStringList(6, QString()));
        EXPECT_EQ(iq::backgroundOf(ui().zadani[8]), iq::kRed);
        EXPECT_FALSE(ui().zadani[0]->isHidden());  // the empty squares still frame the overlays
        EXPECT_FALSE(ui().zadani2[0]->font().bold());
    }
}

TEST_F(IqWindow, ShortItemAfterALongOneKeepsNoOldText)
{
    startWithAge(QStringLiteral("20"));
    window->showitem(12);
    window->chooseOption(2);
    window->showitem(13);
    EXPECT_EQ(texts(ui().zadani2), QStringList(8, QString()));
    EXPECT_EQ(texts(ui().moznosti2), QStringList(6, QString()));
    EXPECT_EQ(texts(ui().zadani), QStringList({"A", "C", "D", "3", "2", "4", "X", "A", "?"}));
    for (QLabel* option : ui().moznosti)
        EXPECT_EQ(iq::backgroundOf(option), iq::kWhite);
}
