// The result screen reached through the real flow: answers, age, band, bar.
#include "iq_fixture.h"

#include "scoring.h"

namespace {

struct Outcome {
    int correct;
    const char* age;
    const char* band;
    int highlightRow;
};

}  // namespace

class Results : public IqWindow {
protected:
    // Answers the first `correct` items right and the next one wrong, then
    // asks for the results and says yes.
    void finishWith(int correct, const QString& age)
    {
        startWithAge(age);
        const iq::ItemBank& bank = iq::ItemBank::shipped();
        for (int n = 1; n <= correct; ++n) {
            window->showitem(n);
            window->chooseOption(bank.key(n));
        }
        if (correct < 15) {
            window->showitem(correct + 1);
            window->chooseOption(bank.key(correct + 1) % 6 + 1);
        }
        replies[QStringLiteral("overeni")] = press(QStringLiteral("Ano"));
        QTest::mouseClick(ui().cmdvysledky, Qt::LeftButton);
        ASSERT_EQ(window->current(), iq::Ciselny::kResultsShown);
    }

    std::vector<int> shownHighlights() const
    {
        std::vector<int> rows;
        for (int r = 0; r < 9; ++r)
            if (!ui().zvyrazneni[r]->isHidden())
                rows.push_back(r);
        return rows;
    }
};

TEST_F(Results, BandsFromAnswersAndAge)
{
    const Outcome cases[] = {
        {9, "25", "110 - 119", 3},   // 60
        {9, "12", "120 - 129", 2},   // floor(60 * 1.3) = 78
        {14, "20", "140 a více", 0}, // 93
        {15, "60", "140 a více", 0}, // 120
        {7, "19", "100 - 109", 4},   // 46, no factor at 19
        {7, "29", "100 - 109", 4},
        {8, "49", "110 - 119", 3},   // floor(53 * 1.1) = 58
        {8, "50", "110 - 119", 3},   // floor(53 * 1.2) = 63
        {2, "13", "70 - 79", 7},     // floor(13 * 1.2) = 15
        {1, "40", "69 a méně", 8},   // floor(6 * 1.1) = 6
    };
    for (const Outcome& c : cases) {
        SCOPED_TRACE(c.band);
        SCOPED_TRACE(c.age);
        SetUp();
        finishWith(c.correct, QString::fromLatin1(c.age));
        EXPECT_EQ(ui().vysledek->text(), QString::fromUtf8(c.band));
        EXPECT_EQ(shownHighlights(), std::vector<int>{c.highlightRow});
    }
}

TEST_F(Results, NoAnswersReachIqSixtyNineWithoutSegment)
{
    startWithAge(QStringLiteral("25"));
    replies[QStringLiteral("overeni")] = press(QStringLiteral("Ano"));
    window->askresults();
    EXPECT_EQ(ui().vysledek->text(), QStringLiteral("69 a méně"));
    EXPECT_EQ(ui().roztahnuti->geometry(), QRect(122, 210, 49, 22));
    EXPECT_TRUE(ui().rozpeti->isHidden());
    EXPECT_EQ(shownHighlights(), std::vector<int>{8});
}

TEST_F(Results, TopBandBarAndSegment)
{
    finishWith(14, QStringLiteral("20"));
    EXPECT_EQ(ui().roztahnuti->geometry(), QRect(122, 210, 339, 22));
    EXPECT_FALSE(ui().rozpeti->isHidden());
    EXPECT_EQ(ui().rozpeti->geometry(), QRect(461, 210, 49, 22));
    EXPECT_EQ(iq::backgroundOf(ui().rozpeti), iq::kYellow);
    EXPECT_EQ(iq::backgroundOf(ui().roztahnuti), iq::kCyan);
}

TEST_F(Results, TableScaleAndControlsAfterTheResults)
{
    finishWith(9, QStringLiteral("25"));
    for (int r = 0; r < 9; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(ui().body[r]->text(), iq::bands()[r].text);
        EXPECT_EQ(ui().qocient[r]->text(), iq::bands()[r].share);
        EXPECT_EQ(ui().hodnoceni[r]->text(), iq::bands()[r].category);
        EXPECT_FALSE(ui().hodnoceni[r]->isHidden());
        EXPECT_EQ(ui().hodnoceni[r]->geometry().right() + 1, 473);
        EXPECT_EQ(ui().body[r]->y(), 288 + 24 * r);
    }
    for (int i = 0; i <= 9; ++i) {
        EXPECT_FALSE(ui().meritko[i]->isHidden());
        EXPECT_EQ(ui().meritko[i]->text(), QString::number(60 + 10 * i));
        EXPECT_EQ(ui().meritko[i]->palette().color(QPalette::WindowText), iq::kYellow);
    }
    EXPECT_EQ(ui().hodnoceni[2]->text(), QStringLiteral("vysoce nadprůměrná inteligence"));
    EXPECT_FALSE(ui().ramec->isHidden());
    EXPECT_FALSE(ui().progress->isHidden());
    EXPECT_TRUE(ui().zadani[0]->isHidden());
    EXPECT_TRUE(ui().moznosti2[0]->isHidden());
    EXPECT_FALSE(ui().dalsi->isEnabled());
    EXPECT_FALSE(ui().predchozi->isEnabled());
    for (QLabel* entry : ui().vycet) {
        EXPECT_EQ(iq::backgroundOf(entry), iq::kWhite);
        EXPECT_FALSE(entry->font().bold());
    }
    // the list no longer leads to items
    window->vycetClick(1);
    EXPECT_EQ(window->current(), iq::Ciselny::kResultsShown);
}

TEST_F(Results, EveryCategoryFitsItsLabel)
{
    finishWith(0, QStringLiteral("25"));
    for (QLabel* label : ui().hodnoceni)
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << qPrintable(label->text());
    for (QLabel* label : ui().body)
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << qPrintable(label->text());
}
