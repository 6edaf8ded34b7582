// Before the start and moving around: age gate, age box, navigation, list.
#include "iq_fixture.h"

#include <QAction>
#include <QScrollBar>
#include <QTest>

TEST_F(IqWindow, InitialStateOfWindowMenuAndButtons)
{
    EXPECT_EQ(window->centralWidget()->size(), QSize(794, 556));
    EXPECT_EQ(window->current(), 0);
    EXPECT_EQ(window->itemcount(), 15);
    EXPECT_EQ(clock(), QStringLiteral("20:00"));
    EXPECT_TRUE(ui().start->isEnabled());
    EXPECT_TRUE(ui().konec->isEnabled());
    EXPECT_FALSE(ui().mnudalsi->isEnabled());
    EXPECT_FALSE(ui().mnupredchozi->isEnabled());
    EXPECT_FALSE(ui().vysledky->isEnabled());
    EXPECT_EQ(ui().start->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(ui().mnudalsi->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(ui().mnupredchozi->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(ui().mnudalsi->text(), QStringLiteral("Další"));
    EXPECT_FALSE(ui().cmdstart->isHidden());
    EXPECT_TRUE(ui().cmdvysledky->isHidden());
    EXPECT_TRUE(ui().cmdkonec->isHidden());
    EXPECT_EQ(ui().dalsi->currentState(), QStringLiteral("disabled"));
    EXPECT_EQ(ui().cmdstart->geometry(), QRect(656, 459, 73, 24));
    EXPECT_EQ(ui().cmdstart->toolTip(), QStringLiteral(" Odstartuje test "));
    EXPECT_EQ(ui().predchozi->toolTip(), QStringLiteral(" Předchozí "));
    EXPECT_EQ(ui().vycet[7]->geometry(), QRect(650, 385, 68, 17));
    EXPECT_EQ(ui().posunovatko->minimum(), 1);
    EXPECT_EQ(ui().posunovatko->maximum(), 8);
    EXPECT_FALSE(window->timer1().isActive());
    EXPECT_TRUE(ui().instrukce->text().contains(QStringLiteral("nejen test        vyplnit")));
    EXPECT_TRUE(ui().instrukce->text().endsWith(QStringLiteral("při vstupním testu do Mensy.")));
}

TEST_F(IqWindow, AgeAtMostThreeOrMissingShowsTheNoticeAndStaysBeforeTheStart)
{
    for (const QString& age : {QString(), QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("03")}) {
        SCOPED_TRACE(qPrintable(age));
        shown.clear();
        replies[QStringLiteral("zadejvek")] = press(QStringLiteral("Ok"));
        startWithAge(age);
        EXPECT_EQ(shown, QStringList{QStringLiteral("zadejvek")});
        EXPECT_EQ(window->current(), 0);
        EXPECT_FALSE(ui().stari->isHidden());
        EXPECT_FALSE(window->timer1().isActive());
        EXPECT_TRUE(ui().start->isEnabled());
    }
}

TEST_F(IqWindow, AgeFourStartsTheTest)
{
    startWithAge(QStringLiteral("4"));
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(window->current(), 1);
    EXPECT_TRUE(ui().stari->isHidden());
    EXPECT_TRUE(ui().lblvek->isHidden());
    EXPECT_EQ(ui().stari->text(), QStringLiteral("4"));  // kept for the scoring
    EXPECT_EQ(ui().instrukce->text(), QStringLiteral(" Vyberte tu možnost, která doplní obrazec."));
    EXPECT_EQ(ui().pozice->text(), QStringLiteral("1"));
    EXPECT_TRUE(window->timer1().isActive());
    EXPECT_EQ(window->timer1().interval(), 1000);
    EXPECT_FALSE(ui().start->isEnabled());
    EXPECT_TRUE(ui().vysledky->isEnabled());
    EXPECT_TRUE(ui().cmdstart->isHidden());
    EXPECT_FALSE(ui().cmdvysledky->isHidden());
}

TEST_F(IqWindow, AgeBoxRefusesAThirdDigitAndLettersButKeepsBackspace)
{
    iq::AgeBox* box = ui().stari;
    QTest::keyClicks(box, QStringLiteral("1a2"));
    EXPECT_EQ(box->text(), QStringLiteral("12"));
    QTest::keyClick(box, Qt::Key_3);
    EXPECT_EQ(box->text(), QStringLiteral("12"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);  // no way around the filter by pasting
    EXPECT_EQ(box->text(), QStringLiteral("12"));
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QStringLiteral("1"));
    QTest::keyClick(box, Qt::Key_7);
    EXPECT_EQ(box->text(), QStringLiteral("17"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(window->current(), 1);
}

TEST_F(IqWindow, PreviousAndNextFollowThePosition)
{
    startWithAge(QStringLiteral("30"));
    EXPECT_FALSE(ui().predchozi->isEnabled());
    EXPECT_FALSE(ui().mnupredchozi->isEnabled());
    EXPECT_TRUE(ui().dalsi->isEnabled());
    window->previtem();
    EXPECT_EQ(window->current(), 1);

    window->showitem(15);
    EXPECT_TRUE(ui().predchozi->isEnabled());
    EXPECT_FALSE(ui().dalsi->isEnabled());
    EXPECT_FALSE(ui().mnudalsi->isEnabled());
    window->nextitem();
    EXPECT_EQ(window->current(), 15);

    // a list entry in between enables both
    ui().posunovatko->setValue(1);
    QTest::mouseClick(ui().vycet[4], Qt::LeftButton);
    EXPECT_EQ(window->current(), 5);
    EXPECT_EQ(ui().pozice->text(), QStringLiteral("5"));
    EXPECT_TRUE(ui().predchozi->isEnabled());
    EXPECT_TRUE(ui().dalsi->isEnabled());
    EXPECT_TRUE(ui().mnupredchozi->isEnabled());
    EXPECT_TRUE(ui().mnudalsi->isEnabled());
}

TEST_F(IqWindow, ListScrollsToShowTheCurrentItem)
{
    startWithAge(QStringLiteral("30"));
    window->showitem(3);
    for (int i = 0; i < 9; ++i)
        QTest::mouseClick(ui().dalsi, Qt::LeftButton);
    EXPECT_EQ(window->current(), 12);
    EXPECT_EQ(ui().posunovatko->value(), 8);
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(ui().vycet[k - 1]->text(), QString::number(7 + k));
    EXPECT_TRUE(ui().vycet[4]->font().bold());  // the entry showing 12
    EXPECT_EQ(ui().vycet[4]->frameShape(), QFrame::Box);
    EXPECT_FALSE(ui().vycet[3]->font().bold());

    // back to an item above the list scrolls it up to that item
    window->showitem(2);
    EXPECT_EQ(ui().posunovatko->value(), 2);
    EXPECT_EQ(ui().vycet[0]->text(), QStringLiteral("2"));
    EXPECT_TRUE(ui().vycet[0]->font().bold());
}

TEST_F(IqWindow, SliderRenumbersTheListAndKeepsMarks)
{
    startWithAge(QStringLiteral("30"));
    window->showitem(9);
    window->chooseOption(1);
    ui().posunovatko->setValue(5);
    EXPECT_EQ(ui().vycet[0]->text(), QStringLiteral("5"));
    EXPECT_EQ(iq::backgroundOf(ui().vycet[4]), iq::kRed);    // shows 9, answered
    EXPECT_TRUE(ui().vycet[4]->font().bold());               // and current
    EXPECT_EQ(iq::backgroundOf(ui().vycet[3]), iq::kWhite);  // shows 8
    // a click before the start or after the results does nothing
    iq::Ciselny fresh;
    fresh.vycetClick(3);
    EXPECT_EQ(fresh.current(), 0);
}

TEST_F(IqWindow, ChangingTheAnswerLeavesOnlyTheLastOptionRed)
{
    startWithAge(QStringLiteral("30"));
    QTest::mouseClick(ui().moznosti[1], Qt::LeftButton);
    EXPECT_EQ(window->answer(1), 2);
    EXPECT_EQ(window->itemState(1), 2);
    EXPECT_EQ(iq::backgroundOf(ui().vycet[0]), iq::kRed);
    QTest::mouseClick(ui().moznosti2[4], Qt::LeftButton);  // the overlay counts as its option
    EXPECT_EQ(window->answer(1), 5);
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(iq::backgroundOf(ui().moznosti[i - 1]), i == 5 ? iq::kRed : iq::kWhite) << "option " << i;
    EXPECT_EQ(iq::backgroundOf(ui().vycet[0]), iq::kRed);

    // coming back shows the chosen option red again
    window->nextitem();
    EXPECT_EQ(iq::backgroundOf(ui().moznosti[4]), iq::kWhite);
    window->previtem();
    EXPECT_EQ(iq::backgroundOf(ui().moznosti[4]), iq::kRed);
}
