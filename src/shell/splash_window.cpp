#include "shell/splash_window.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace vantrel {

SplashWindow::SplashWindow(std::future<QImage> picture, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), imgFreeware_(new QLabel(this)),
      lblFreeware_(new QLabel(tr("Freeware version"), this)) {
    setObjectName("TfrmSplashForm");
    imgFreeware_->setObjectName("imgFreeware");
    lblFreeware_->setObjectName("lblFreeware");
    imgFreeware_->setAlignment(Qt::AlignCenter);
    lblFreeware_->setAlignment(Qt::AlignCenter);
    QFont font = lblFreeware_->font();
    font.setBold(true);
    lblFreeware_->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 6);
    layout->addWidget(imgFreeware_);
    layout->addWidget(lblFreeware_);
    // Done while the picture decodes on a second core: the native window,
    // and the label's text measured (the first text measured loads the font).
    create();
    lblFreeware_->sizeHint();
    const QImage decoded = picture.valid() ? picture.get() : QImage();
    if (!decoded.isNull()) imgFreeware_->setPixmap(QPixmap::fromImage(decoded));
}

void SplashWindow::showNow() {
    adjustSize();
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    // Showing a splash window lets the toolkit run what is pending, and the
    // window is often painted by then: painting it again would only repeat
    // the same pixels.
    show();
    if (!painted_) repaint();
    QApplication::processEvents();
}

void SplashWindow::paintEvent(QPaintEvent* event) {
    painted_ = true;
    QWidget::paintEvent(event);
}

}  // namespace vantrel
