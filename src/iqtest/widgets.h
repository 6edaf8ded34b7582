#pragma once
// Small controls of the test window: clickable labels, picture buttons and
// the age box with its key filter.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace iq {

// A label that reports a click, like the list entries and the option squares.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A label that wraps its text the way the forms were designed: no inner
// margin, runs of blanks kept, blanks at a line end hang past the edge.
class WrapLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
protected:
    void paintEvent(QPaintEvent* event) override;
};

// A button drawn entirely from three pictures: normal, pressed, disabled.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QString& pictureName, QWidget* parent);
    // The picture currently on screen: "normal", "pressed" or "disabled".
    QString currentState() const;
protected:
    void paintEvent(QPaintEvent* event) override;
private:
    QPixmap normal_, pressed_, disabled_;
};

// The age entry: at most two digits, Enter starts the test.
class AgeBox : public QLineEdit {
    Q_OBJECT
public:
    explicit AgeBox(QWidget* parent);
    // Whether a typed character code is kept, given the text already in the box.
    static bool accepts(int code, int lengthBefore);
signals:
    void enterPressed();
protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace iq
