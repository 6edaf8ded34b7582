// The side windows, the answer they hand back, and the start-up screen check.
#include "iq_fixture.h"

#include "startup.h"

#include <QLabel>
#include <QGuiApplication>
#include <QScreen>
#include <memory>

namespace {

QStringList labelTexts(const QDialog& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

}  // namespace

TEST(SideWindows, TitlesSizesTextsAndButtons)
{
    const struct {
        std::function<iq::MessageWindow*()> make;
        const char* title;
        QSize size;
        QStringList texts;
        QStringList buttons;
        int buttonY;
    } cases[] = {
        {[] { return iq::makeFrmrozliseni(nullptr, [] {}); }, "Chyba", {379, 143},
         {QStringLiteral("Bohužel tento program funguje jen v rozlišení 800x600 a vyšším!"),
          QStringLiteral("Po stisknutí  tlačítka \"ok\" ukončíte program.")},
         {"Ok"}, 96},
        {[] { return iq::makeZadejvek(nullptr); }, "Lumaxo", {359, 143},
         {QStringLiteral("Nejdříve musíte zadat svůj věk"), QStringLiteral("Po stisknutí  tlačítka \"ok\" se vrátíte zpět.")},
         {"Ok"}, 96},
        {[] { return iq::makeUpozorneni(nullptr); }, "Lumaxo", {361, 114}, {QStringLiteral("Bohužel vám vypršel čas!")}, {"Ok"}, 72},
        {[] { return iq::makeOvereni(nullptr); }, "Lumaxo", {359, 115},
         {QStringLiteral("Opravdu již chcete zobrazit vaše výsledky?")}, {"Ano", "Ne"}, 72},
        {[] { return iq::makeOpravduskoncit(nullptr); }, "Lumaxo", {359, 115}, {QStringLiteral("Opravdu chcete skončit?")},
         {"Ano", "Ne"}, 72},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        std::unique_ptr<iq::MessageWindow> window(c.make());
        EXPECT_EQ(window->windowTitle(), QString::fromLatin1(c.title));
        EXPECT_EQ(window->size(), c.size);
        EXPECT_EQ(labelTexts(*window), c.texts);
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
            // one line of text must fit the designed width
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width() + 8) << qPrintable(label->text());
        }
        for (const QString& caption : c.buttons) {
            QPushButton* button = window->button(caption);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->size(), QSize(65, 25));
            EXPECT_EQ(button->y(), c.buttonY);
        }
    }
}

TEST(SideWindows, QuestionsFocusYesForResultsAndNoForQuitting)
{
    const struct { std::function<iq::MessageWindow*()> make; const char* focused; } cases[] = {
        {[] { return iq::makeOvereni(nullptr); }, "Ano"},
        {[] { return iq::makeOpravduskoncit(nullptr); }, "Ne"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<iq::MessageWindow> window(c.make());
        window->show();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_EQ(window->pos(), QPoint((screen.width() - 359) / 2, (screen.height() - 115) / 2));
        QPushButton* focused = window->button(QString::fromLatin1(c.focused));
        EXPECT_TRUE(focused->isDefault()) << c.focused;
        EXPECT_EQ(window->focusWidget(), focused) << c.focused;
        EXPECT_EQ(focused->x(), QString::fromLatin1(c.focused) == QStringLiteral("Ano") ? 112 : 184);
        // Enter presses the focused button
        iq::confirmed = iq::Answer::Unset;
        QTest::keyClick(window.get(), Qt::Key_Return);
        EXPECT_EQ(iq::confirmed, QString::fromLatin1(c.focused) == QStringLiteral("Ano") ? iq::Answer::Yes : iq::Answer::No);
    }
}

TEST(SideWindows, ClosingByTheTitleBarLeavesTheAnswerAlone)
{
    for (const iq::Answer before : {iq::Answer::Unset, iq::Answer::Yes, iq::Answer::No}) {
        iq::confirmed = before;
        std::unique_ptr<iq::MessageWindow> window(iq::makeOpravduskoncit(nullptr));
        window->show();
        window->close();
        EXPECT_EQ(iq::confirmed, before);
        EXPECT_EQ(window->result(), QDialog::Rejected);
    }
}

TEST_F(IqWindow, ClosedQuitQuestionDoesNotActOnAnEarlierYes)
{
    iq::confirmed = iq::Answer::Yes;
    replies[QStringLiteral("opravduskoncit")] = [](QDialog& dialog) { dialog.close(); };
    window->askquit();
    EXPECT_EQ(programEnds, 0);
    replies[QStringLiteral("opravduskoncit")] = press(QStringLiteral("Ne"));
    window->askquit();
    EXPECT_EQ(programEnds, 0);
    replies[QStringLiteral("opravduskoncit")] = press(QStringLiteral("Ano"));
    window->askquit();  // quitting works before the start too
    EXPECT_EQ(programEnds, 1);
}

TEST(StartUp, ScreenCheckPlacesTheWindows)
{
    int ends = 0;
    {
        auto narrow = iq::Main(QSize(640, 480), [&ends] { ++ends; });
        ASSERT_NE(narrow.frmrozliseni, nullptr);
        EXPECT_TRUE(narrow.frmrozliseni->isVisible());
        EXPECT_FALSE(narrow.frmrozliseni->isModal());
        EXPECT_EQ(narrow.cerna, nullptr);
        EXPECT_TRUE(narrow.ciselny->isVisible());
        narrow.frmrozliseni->button(QStringLiteral("Ok"))->click();
        EXPECT_EQ(ends, 1);
    }
    {
        auto exact = iq::Main(QSize(800, 600), [] {});
        EXPECT_EQ(exact.frmrozliseni, nullptr);
        ASSERT_NE(exact.cerna, nullptr);
        EXPECT_EQ(exact.cerna->geometry(), QRect(0, 0, 800, 600));
        EXPECT_EQ(exact.ciselny->pos(), QPoint(0, 0));
    }
    {
        auto wide = iq::Main(QSize(1280, 1024), [] {});
        ASSERT_NE(wide.cerna, nullptr);
        EXPECT_EQ(wide.cerna->geometry(), QRect(0, 0, 1280, 1024));
        const QSize size = wide.ciselny->size();
        EXPECT_EQ(wide.ciselny->pos(), QPoint((1280 - size.width()) / 2, (1024 - size.height()) / 2));
        EXPECT_TRUE(wide.ciselny->isVisible());
        EXPECT_FALSE(wide.ciselny->isMinimized());
    }
}

TEST_F(IqWindow, ClosingTheTestWindowAsksFirst)
{
    replies[QStringLiteral("opravduskoncit")] = press(QStringLiteral("Ne"));
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shown, QStringList{QStringLiteral("opravduskoncit")});
    replies[QStringLiteral("opravduskoncit")] = press(QStringLiteral("Ano"));
    window->close();
    EXPECT_EQ(programEnds, 1);
}

TEST(StartUp, CoverAndTestWindowStepAsideWhenTheProgramLosesTheFocus)
{
    auto windows = iq::Main(QSize(1280, 1024), [] {});
    auto* app = static_cast<QGuiApplication*>(QCoreApplication::instance());
    emit app->applicationStateChanged(Qt::ApplicationActive);  // e.g. a dialog of ours took the focus
    EXPECT_FALSE(windows.ciselny->isMinimized());
    EXPECT_FALSE(windows.cerna->isMinimized());
    emit app->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_TRUE(windows.ciselny->isMinimized());
    EXPECT_TRUE(windows.cerna->isMinimized());
    // bringing the test back brings its cover back too
    windows.ciselny->showNormal();
    EXPECT_FALSE(windows.cerna->isMinimized());
}
