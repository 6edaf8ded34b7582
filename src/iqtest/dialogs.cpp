#include "dialogs.h"

#include "look.h"
#include "widgets.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace iq {

Answer confirmed = Answer::Unset;

MessageWindow::MessageWindow(const QString& objectName, const QString& title, QSize clientSize, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setFixedSize(clientSize);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void MessageWindow::addText(const QString& text, QRect place, double points)
{
    auto* label = new WrapLabel(text, this);
    label->setGeometry(place);
    label->setFont(timesFont(points, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

QPushButton* MessageWindow::addButton(const QString& caption, QPoint place)
{
    auto* button = new QPushButton(caption, this);
    button->setGeometry(QRect(place, QSize(65, 25)));
    button->setAutoDefault(true);
    return button;
}

QPushButton* MessageWindow::button(const QString& caption) const
{
    for (QPushButton* candidate : findChildren<QPushButton*>())
        if (candidate->text() == caption)
            return candidate;
    return nullptr;
}

void MessageWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
}

namespace {

// The word ok between two double-quote characters, as the notices write it.
QString pressOkText(const QString& ending)
{
    return QStringLiteral("Po stisknutí  tlačítka \"ok\"") + ending;
}

MessageWindow* makeNotice(const QString& name, QSize size, const QString& text, int buttonY, QWidget* parent)
{
    auto* window = new MessageWindow(name, QStringLiteral("Lumaxo"), size, parent);
    window->addText(text, QRect(8, 16, 345, 25), 12);
    QPushButton* ok = window->addButton(QStringLiteral("Ok"), QPoint(149, buttonY));
    QObject::connect(ok, &QPushButton::clicked, window, &QDialog::accept);
    ok->setFocus();
    return window;
}

MessageWindow* makeQuestion(const QString& name, const QString& text, bool yesFocused, QWidget* parent)
{
    auto* window = new MessageWindow(name, QStringLiteral("Lumaxo"), QSize(359, 115), parent);
    window->addText(text, QRect(8, 16, 345, 25), 12);
    QPushButton* yes = window->addButton(QStringLiteral("Ano"), QPoint(112, 72));
    QPushButton* no = window->addButton(QStringLiteral("Ne"), QPoint(184, 72));
    QObject::connect(yes, &QPushButton::clicked, window, [window] {
        confirmed = Answer::Yes;
        window->accept();
    });
    QObject::connect(no, &QPushButton::clicked, window, [window] {
        confirmed = Answer::No;
        window->accept();
    });
    QPushButton* focused = yesFocused ? yes : no;
    focused->setDefault(true);
    focused->setFocus();
    return window;
}

}  // namespace

MessageWindow* makeFrmrozliseni(QWidget* parent, std::function<void()> endProgram)
{
    auto* window = new MessageWindow(QStringLiteral("frmrozliseni"), QStringLiteral("Chyba"), QSize(379, 143), parent);
    window->addText(QStringLiteral("Bohužel tento program funguje jen v rozlišení 800x600 a vyšším!"),
                    QRect(8, 16, 361, 25), 9.75);
    window->addText(pressOkText(QStringLiteral(" ukončíte program.")), QRect(32, 48, 313, 17), 9.75);
    QPushButton* ok = window->addButton(QStringLiteral("Ok"), QPoint(149, 96));
    QObject::connect(ok, &QPushButton::clicked, window, [endProgram = std::move(endProgram)] { endProgram(); });
    ok->setFocus();
    return window;
}

MessageWindow* makeZadejvek(QWidget* parent)
{
    MessageWindow* window = makeNotice(QStringLiteral("zadejvek"), QSize(359, 143),
                                       QStringLiteral("Nejdříve musíte zadat svůj věk"), 96, parent);
    window->addText(pressOkText(QStringLiteral(" se vrátíte zpět.")), QRect(24, 48, 313, 17), 9.75);
    return window;
}

MessageWindow* makeUpozorneni(QWidget* parent)
{
    return makeNotice(QStringLiteral("upozorneni"), QSize(361, 114), QStringLiteral("Bohužel vám vypršel čas!"), 72,
                      parent);
}

MessageWindow* makeOvereni(QWidget* parent)
{
    return makeQuestion(QStringLiteral("overeni"), QStringLiteral("Opravdu již chcete zobrazit vaše výsledky?"), true,
                        parent);
}

MessageWindow* makeOpravduskoncit(QWidget* parent)
{
    return makeQuestion(QStringLiteral("opravduskoncit"), QStringLiteral("Opravdu chcete skončit?"), false, parent);
}

Cerna::Cerna(QWidget* testWindow) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), testWindow_(testWindow)
{
    setObjectName(QStringLiteral("cerna"));
    setBackground(this, Qt::black);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &Cerna::leaveWhenProgramInactive);
}

void Cerna::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // A click on the black area must not bury the test window.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && testWindow_ && testWindow_->isVisible()
        && !testWindow_->isMinimized()) {
        testWindow_->raise();
        testWindow_->activateWindow();
    }
}

void Cerna::leaveWhenProgramInactive(Qt::ApplicationState state)
{
    // Moving between our own windows keeps the program active; only the
    // focus going to another program gets here.
    if (state != Qt::ApplicationInactive || !isVisible() || isMinimized())
        return;
    if (testWindow_)
        testWindow_->showMinimized();
    showMinimized();
}

}  // namespace iq
