#include "widgets.h"

#include <QKeyEvent>
#include <QPainter>

namespace iq {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void WrapLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextWordWrap, text());
}

PictureButton::PictureButton(const QString& pictureName, QWidget* parent)
    : QAbstractButton(parent),
      normal_(QStringLiteral(":/iqtest/%1_normal.png").arg(pictureName)),
      pressed_(QStringLiteral(":/iqtest/%1_pressed.png").arg(pictureName)),
      disabled_(QStringLiteral(":/iqtest/%1_disabled.png").arg(pictureName))
{
    setFocusPolicy(Qt::NoFocus);
}

QString PictureButton::currentState() const
{
    if (!isEnabled())
        return QStringLiteral("disabled");
    return isDown() ? QStringLiteral("pressed") : QStringLiteral("normal");
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap& picture = !isEnabled() ? disabled_ : isDown() ? pressed_ : normal_;
    painter.drawPixmap(rect(), picture);
}

AgeBox::AgeBox(QWidget* parent) : QLineEdit(parent)
{
    // Pasting and dropping would bypass the key filter.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
}

bool AgeBox::accepts(int code, int lengthBefore)
{
    if (lengthBefore < 2)
        return (code >= '0' && code <= '9') || (code >= 0 && code <= 13);
    return code >= 0 && code <= 20;
}

namespace {

// The character code a key produces; -1 for keys that type nothing (arrows,
// Delete, Home...), which never reach the filter.
int characterCode(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    if ((event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    const QString text = event->text();
    return text.isEmpty() ? -1 : text.at(0).unicode();
}

}  // namespace

void AgeBox::keyPressEvent(QKeyEvent* event)
{
    const int code = characterCode(event);
    if (code == 13) {
        emit enterPressed();
        return;
    }
    if (code >= 0 && !accepts(code, static_cast<int>(text().size()))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace iq
