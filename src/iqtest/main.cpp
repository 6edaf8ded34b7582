#include "startup.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/iqtest/ikona.png")));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(800, 600);
    const auto windows = iq::Main(size, [] { QCoreApplication::exit(0); });
    return app.exec();
}
