#pragma once
// The small windows around the test: the screen-size error, the notices, the
// two yes/no confirmations and the black cover behind the test window.

#include <QDialog>
#include <QWidget>
#include <functional>

class QPushButton;

namespace iq {

// Answer of the last confirmation window, shared by both of them.
enum class Answer { Unset, Yes, No };
extern Answer confirmed;
inline bool isConfirmed() { return confirmed == Answer::Yes; }

// A fixed-size message window: centred texts, buttons of 65 x 25, centred on
// the screen when it is shown. A title-bar close leaves `confirmed` alone.
class MessageWindow : public QDialog {
    Q_OBJECT
public:
    MessageWindow(const QString& objectName, const QString& title, QSize clientSize, QWidget* parent);
    void addText(const QString& text, QRect place, double points);
    QPushButton* addButton(const QString& caption, QPoint place);
    QPushButton* button(const QString& caption) const;
protected:
    void showEvent(QShowEvent* event) override;
};

// "Ok" of the screen-size error runs `endProgram`.
MessageWindow* makeFrmrozliseni(QWidget* parent, std::function<void()> endProgram);
MessageWindow* makeZadejvek(QWidget* parent);
MessageWindow* makeUpozorneni(QWidget* parent);
MessageWindow* makeOvereni(QWidget* parent);
MessageWindow* makeOpravduskoncit(QWidget* parent);

// Black window covering the screen behind the test window. When the program
// loses the focus to another one, both are minimized.
class Cerna : public QWidget {
    Q_OBJECT
public:
    explicit Cerna(QWidget* testWindow);
protected:
    void changeEvent(QEvent* event) override;
private:
    void leaveWhenProgramInactive(Qt::ApplicationState state);
    QWidget* testWindow_;
};

}  // namespace iq
