#include "shell/winning_animation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QMouseEvent>
#include <QThread>
#include <algorithm>

#include "model/game.h"
#include "shell/main_window.h"
#include "shell/table_area.h"
#include "view/motion/winning_cards.h"
#include "view/table_view.h"

namespace vantrel {

void WaitHandlingInput(int milliseconds, const std::function<bool()>& going) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < milliseconds && (!going || going())) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const qint64 left = milliseconds - t.elapsed();
        if (left > 0) QThread::usleep(static_cast<unsigned long>(std::min<qint64>(left, 1) * 1000));
    }
}

int WinningAnimation::run(int kind) {
    Game& game = w_.game();
    if (!game.state.flag(field::Winning_Animation)) return 0;
    TableView& view = w_.view();
    const QFrame* toolbar = w_.panels().visibleToolbar();
    WinningRequest request;
    request.kind = kind;
    request.cardSize = view.images().sizeLetter;
    request.cardW = view.images().width;
    request.cardH = view.images().height;
    request.windowW = w_.table().width();
    request.windowH = w_.table().height();
    request.tableTop = toolbar->isVisible() ? toolbar->y() + toolbar->height() : 5;
    const std::vector<WinningCard> cards = planWinningAnimation(request, random_);

    w_.setWinningAnimationRunning(true);
    qApp->installEventFilter(this);
    w_.activateWindow();
    w_.table().setFocus();
    const auto going = [this] { return w_.winningAnimationRunning(); };
    int drawn = 0;
    for (const WinningCard& c : cards) {
        if (!going()) break;
        view.drawCard(c.face, c.x, c.y);
        view.canvas().flush();
        ++drawn;
        if (c.waitAfter > 0) WaitHandlingInput(c.waitAfter, going);
    }
    qApp->removeEventFilter(this);
    w_.winningAnimationEnded();
    return drawn;
}

bool WinningAnimation::eventFilter(QObject* watched, QEvent* event) {
    bool ends = false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const Qt::MouseButton b = static_cast<QMouseEvent*>(event)->button();
            ends = b == Qt::LeftButton || b == Qt::RightButton || b == Qt::MiddleButton;
            break;
        }
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::KeyPress:
            ends = true;
            break;
        case QEvent::ShortcutOverride:
            // Taken here, the key cannot fire a menu shortcut; it arrives
            // as a key press and ends the animation.
            event->accept();
            return true;
        default: break;
    }
    if (!ends) return QObject::eventFilter(watched, event);
    w_.setWinningAnimationRunning(false);
    return true;
}

}  // namespace vantrel
