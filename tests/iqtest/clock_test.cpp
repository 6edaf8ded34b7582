// The 20-minute clock, driven tick by tick, and the end of time.
#include "iq_fixture.h"

TEST_F(IqWindow, ClockCountsDownMinutesWithoutLeadingZero)
{
    startWithAge(QStringLiteral("25"));
    const struct { int ticks; const char* shows; } steps[] = {
        {1, "19:59"}, {9, "19:50"}, {1, "19:49"}, {40, "19:09"}, {9, "19:00"}, {1, "18:59"},
        {540, "9:59"}, {590, "0:09"}, {9, "0:00"},
    };
    for (const auto& step : steps) {
        ticks(step.ticks);
        EXPECT_EQ(clock(), QString::fromLatin1(step.shows));
    }
    EXPECT_EQ(window->current(), 1);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(IqWindow, TimeRunsOutOnTheTwelveHundredAndFirstTick)
{
    startWithAge(QStringLiteral("25"));
    replies[QStringLiteral("upozorneni")] = press(QStringLiteral("Ok"));
    ticks(1200);
    EXPECT_EQ(window->current(), 1);
    ticks(1);
    EXPECT_EQ(shown, QStringList{QStringLiteral("upozorneni")});
    EXPECT_EQ(window->current(), iq::Ciselny::kResultsShown);
    EXPECT_EQ(clock(), QStringLiteral("0:00"));
    EXPECT_FALSE(window->timer1().isActive());
    EXPECT_FALSE(ui().cmdkonec->isHidden());
    EXPECT_TRUE(ui().cmdvysledky->isHidden());
    EXPECT_FALSE(ui().posunovatko->isEnabled());
    EXPECT_FALSE(ui().vysledky->isEnabled());
    EXPECT_TRUE(ui().pozice->text().isEmpty());
    EXPECT_EQ(ui().instrukce->text(), QStringLiteral(" Výsledky testu"));
}

TEST_F(IqWindow, NoOnTheResultsQuestionChangesNothing)
{
    startWithAge(QStringLiteral("25"));
    ticks(3);
    replies[QStringLiteral("overeni")] = press(QStringLiteral("Ne"));
    QTest::mouseClick(ui().cmdvysledky, Qt::LeftButton);
    EXPECT_EQ(shown, QStringList{QStringLiteral("overeni")});
    EXPECT_EQ(window->current(), 1);
    EXPECT_TRUE(window->timer1().isActive());
    EXPECT_FALSE(ui().cmdvysledky->isHidden());
    EXPECT_EQ(iq::confirmed, iq::Answer::No);
}

TEST_F(IqWindow, YesOnTheResultsQuestionStopsTheClockWhereItIs)
{
    startWithAge(QStringLiteral("25"));
    ticks(65);
    replies[QStringLiteral("overeni")] = press(QStringLiteral("Ano"));
    ui().vysledky->trigger();
    EXPECT_EQ(window->current(), iq::Ciselny::kResultsShown);
    EXPECT_FALSE(window->timer1().isActive());
    EXPECT_EQ(clock(), QStringLiteral("18:55"));
    EXPECT_FALSE(ui().vysledek->isHidden());
}

TEST_F(IqWindow, TimeOutWhileTheQuitQuestionIsOpen)
{
    startWithAge(QStringLiteral("25"));
    replies[QStringLiteral("upozorneni")] = press(QStringLiteral("Ok"));
    replies[QStringLiteral("opravduskoncit")] = [this](QDialog& dialog) {
        ticks(1201);  // time runs out behind the open question
        EXPECT_EQ(window->current(), iq::Ciselny::kResultsShown);
        press(QStringLiteral("Ne"))(dialog);
    };
    ui().konec->trigger();
    EXPECT_EQ(shown, QStringList({QStringLiteral("opravduskoncit"), QStringLiteral("upozorneni")}));
    EXPECT_EQ(programEnds, 0);
    EXPECT_FALSE(ui().vasvysedek->isHidden());

    replies[QStringLiteral("opravduskoncit")] = press(QStringLiteral("Ano"));
    QTest::mouseClick(ui().cmdkonec, Qt::LeftButton);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(IqWindow, TimeOutClosesTheOpenResultsQuestionAndShowsResultsOnce)
{
    startWithAge(QStringLiteral("25"));
    replies[QStringLiteral("upozorneni")] = press(QStringLiteral("Ok"));
    int resultsBefore = -1;
    replies[QStringLiteral("overeni")] = [this, &resultsBefore](QDialog& dialog) {
        iq::confirmed = iq::Answer::Yes;  // even a yes left over must not count
        ticks(1201);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        resultsBefore = window->current();
        ui().vysledek->setText(QStringLiteral("marker"));  // a second evaluation would overwrite it
    };
    window->askresults();
    EXPECT_EQ(resultsBefore, iq::Ciselny::kResultsShown);
    EXPECT_EQ(shown, QStringList({QStringLiteral("overeni"), QStringLiteral("upozorneni")}));
    EXPECT_EQ(ui().vysledek->text(), QStringLiteral("marker"));
}
