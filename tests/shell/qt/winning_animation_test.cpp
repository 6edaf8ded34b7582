// The winning animation on the dealt table: only when switched on, ended by
// the first key or button press (which goes no further) or a close request.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <functional>

#include "shell/table_area.h"
#include "shell/winning_animation.h"
#include "window_fixture.h"

using namespace vantrel;
using namespace vantrel::test;

namespace {

// Counts the presses that get through to the table area.
class PressProbe : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        const auto t = e->type();
        if (t == QEvent::MouseButtonPress || t == QEvent::KeyPress || t == QEvent::NonClientAreaMouseButtonPress)
            ++presses;
        return false;
    }
};

class WinningAnimationTest : public WindowFixture {
protected:
    MainWindow& dealt(const char* animation) {
        dir.write("DATA/CFG.DAT", std::string("[Preference]\nAutoPlay=N\nDeal_Animation=N\nWinning_Animation=") +
                                      animation + "\n");
        MainWindow& w = openAndShow();
        if (w.firstActivationPending()) activate();
        return w;
    }
};

QMouseEvent* press(Qt::MouseButton b, QEvent::Type type = QEvent::MouseButtonPress) {
    return new QMouseEvent(type, QPointF(50, 50), QPointF(50, 50), b, b, Qt::NoModifier);
}

TEST_F(WinningAnimationTest, SwitchedOffItDrawsNothing) {
    MainWindow& w = dealt("N");
    EXPECT_EQ(w.winningAnimation().run(1), 0);
    EXPECT_FALSE(w.winningAnimationRunning());
}

TEST_F(WinningAnimationTest, AKeyOrButtonPressEndsItBeforeTheNextCardAndGoesNoFurther) {
    const std::function<QEvent*()> events[] = {
        [] { return press(Qt::LeftButton); },
        [] { return press(Qt::RightButton); },
        [] { return press(Qt::MiddleButton); },
        [] { return press(Qt::LeftButton, QEvent::NonClientAreaMouseButtonPress); },
        [] { return new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "); },
        [] { return new QKeyEvent(QEvent::KeyPress, Qt::Key_F, Qt::AltModifier, "f"); },
    };
    MainWindow& w = dealt("Y");
    ASSERT_TRUE(game->inProgress);
    PressProbe probe;
    w.table().installEventFilter(&probe);
    for (int kind : {1, 2}) {
        for (size_t i = 0; i < std::size(events); ++i) {
            QTimer::singleShot(40, &w, [&] { QCoreApplication::postEvent(&w.table(), events[i]()); });
            const int drawn = w.winningAnimation().run(kind);
            EXPECT_GT(drawn, 0) << kind << " " << i;
            EXPECT_LT(drawn, kind == 1 ? 2000 : 1500) << kind << " " << i;
            EXPECT_FALSE(w.winningAnimationRunning());
        }
    }
    EXPECT_EQ(probe.presses, 0);
    // Afterwards presses reach the table again.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(&w.table(), &key);
    EXPECT_EQ(probe.presses, 1);
}

TEST_F(WinningAnimationTest, ACloseRequestEndsItAndThenClosesTheWindow) {
    MainWindow& w = dealt("Y");
    QTimer::singleShot(30, &w, [&] { w.close(); });
    EXPECT_LT(w.winningAnimation().run(2), 1500);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(prompts.questions.empty());
}

}  // namespace
