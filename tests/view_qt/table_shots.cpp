// table_shots PROGRAM_FOLDER OUT_FOLDER: deals FreeCell, Klondike and Spider
// with big and medium cards on the default background, a picture and a
// faded colour, and saves each window picture as a PNG to look over.
#include <QGuiApplication>
#include <cstdio>

#include "view_qt/table_fixture.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: table_shots PROGRAM_FOLDER OUT_FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const QString out = QString::fromLocal8Bit(argv[2]);
    struct Look {
        const char* name;
        void (*apply)(vantrel::StateRecord&);
    };
    const Look looks[] = {
        {"default", [](vantrel::StateRecord& s) { s.write(vantrel::field::Background_def, "Y"); }},
        {"picture",
         [](vantrel::StateRecord& s) {
             s.write(vantrel::field::Background_def, "N");
             s.write(vantrel::field::Background_bmp, 324);
         }},
        {"fade",
         [](vantrel::StateRecord& s) {
             s.write(vantrel::field::Background_def, "N");
             s.write(vantrel::field::Background_bmp, 0);
             s.write(vantrel::field::Background_Col, 0x00A05020LL);
             s.write(vantrel::field::Fade_Background, "Y");
         }},
    };
    const std::pair<int, const char*> games[] = {{1, "freecell"}, {2, "klondike"}, {3, "spider"}};
    int failures = 0;
    for (auto [number, gameName] : games)
        for (char size : {'B', 'M'})
            for (const Look& look : looks) {
                vantrel::test::DealtTable t(folder);
                look.apply(t.game.state);
                t.game.state.write(vantrel::field::Cards_Shadowed, "Y");
                std::string error;
                if (!t.setUp(number, size, 1024, 700, error)) {
                    std::fprintf(stderr, "table_shots: %s\n", error.c_str());
                    ++failures;
                    continue;
                }
                const QString file = QString("%1/%2-%3-%4.png").arg(out, gameName).arg(size).arg(look.name);
                if (!t.canvas.shown().save(file)) {
                    std::fprintf(stderr, "table_shots: cannot write %s\n", file.toLocal8Bit().constData());
                    ++failures;
                }
            }
    return failures == 0 ? 0 : 1;
}
