// The real modal loops: the clock keeps ticking while a question is open, and
// the time-out closes the results question from outside.
#include "ciselny.h"
#include "dialogs.h"
#include "widgets.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Presses the named button of whichever side window is modal at the moment.
class ModalPresser : public QObject {
public:
    explicit ModalPresser(QString objectName, QString caption)
        : objectName_(std::move(objectName)), caption_(std::move(caption))
    {
        connect(&poll_, &QTimer::timeout, this, [this] {
            auto* window = qobject_cast<iq::MessageWindow*>(QApplication::activeModalWidget());
            if (window && window->objectName() == objectName_ && window->isVisible()) {
                ++presses;
                window->button(caption_)->click();
            }
        });
        poll_.start(5);
    }
    int presses = 0;
private:
    QString objectName_, caption_;
    QTimer poll_;
};

}  // namespace

TEST(ModalLoops, TimeOutDuringTheOpenResultsQuestion)
{
    iq::confirmed = iq::Answer::Unset;
    iq::Ciselny window;
    window.show();
    window.ui().stari->setText(QStringLiteral("33"));
    window.starttest();
    window.ui().minuty->setText(QStringLiteral("0"));
    window.ui().sekundy->setText(QStringLiteral("01"));
    window.timer1().start(20);  // two quick ticks: 0:00, then the time-out
    ModalPresser okOnNotice(QStringLiteral("upozorneni"), QStringLiteral("Ok"));
    QTimer guard;  // never hang if the question stays open
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    guard.start(5000);
    window.askresults();  // returns once the time-out has closed the question
    EXPECT_EQ(okOnNotice.presses, 1);
    EXPECT_TRUE(guard.isActive());
    EXPECT_EQ(window.current(), iq::Ciselny::kResultsShown);
    EXPECT_EQ(window.ui().minuty->text() + window.ui().sekundy->text(), QStringLiteral("000"));
    EXPECT_FALSE(window.timer1().isActive());
}

TEST(ModalLoops, QuitQuestionAnsweredYesEndsTheProgram)
{
    iq::Ciselny window;
    int ends = 0;
    window.endProgram = [&ends] { ++ends; };
    ModalPresser yes(QStringLiteral("opravduskoncit"), QStringLiteral("Ano"));
    window.askquit();
    EXPECT_EQ(yes.presses, 1);
    EXPECT_EQ(ends, 1);
}
