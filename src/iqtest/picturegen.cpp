// Build step: draws the test's pictures and writes them as PNG files into the
// folder given on the command line, for packing into the program.
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);  // text on the buttons needs the font system
    if (argc != 2) {
        std::fprintf(stderr, "usage: iqtest_picturegen <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "iqtest_picturegen: cannot create folder %s\n", argv[1]);
        return 1;
    }
    for (const auto& picture : iq::pictures::all()) {
        const QString path = QDir(folder).filePath(picture.fileName);
        if (!picture.image.save(path, "PNG")) {
            std::fprintf(stderr, "iqtest_picturegen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
