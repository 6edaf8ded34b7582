#include "shell/splash_window.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "shell/resource_library.h"

namespace vantrel {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), imgFreeware_(new QLabel(this)),
      lblFreeware_(new QLabel(tr("Freeware version"), this)) {
    setObjectName("TfrmSplashForm");
    imgFreeware_->setObjectName("imgFreeware");
    lblFreeware_->setObjectName("lblFreeware");
    const QImage picture = LoadResourcePicture("SPLASH");
    if (!picture.isNull()) imgFreeware_->setPixmap(QPixmap::fromImage(picture));
    imgFreeware_->setAlignment(Qt::AlignCenter);
    lblFreeware_->setAlignment(Qt::AlignCenter);
    QFont font = lblFreeware_->font();
    font.setBold(true);
    lblFreeware_->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 6);
    layout->addWidget(imgFreeware_);
    layout->addWidget(lblFreeware_);
}

void SplashWindow::showNow() {
    adjustSize();
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    repaint();
    QApplication::processEvents();
}

}  // namespace vantrel
