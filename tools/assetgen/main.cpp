// assetgen: draws every picture and synthesizes every sound the programs
// load, and writes them where the programs expect them.
//
//   assetgen --decks <card deck folder> --program-dir <dir> --work-dir <dir>
//
// Writes <work-dir>/pictures/*.png with quil.qrc (compiled into QUIL.RGF by
// the build), <program-dir>/Images/*.bmp, <program-dir>/SOUNDS/*.wav and
// <program-dir>/assets-contact.png. The output is the same on every run.
#include "asset_writer.h"
#include "backgrounds.h"
#include "card_backs.h"
#include "card_edges.h"
#include "card_faces.h"
#include "contact_sheet.h"
#include "indicators.h"
#include "paint_kit.h"
#include "pile_marks.h"
#include "sounds.h"
#include "splash.h"
#include "table_preview.h"
#include "toolbar_pictures.h"
#include "tree_icons.h"

#include <QCommandLineParser>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

using namespace assetgen;

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption decks("decks", "Folder of the SVG card decks.", "folder");
    const QCommandLineOption programDir("program-dir", "Folder of the programs.", "folder");
    const QCommandLineOption workDir("work-dir", "Folder for the resource pictures.", "folder");
    parser.addOptions({decks, programDir, workDir});
    parser.process(app);
    if (!parser.isSet(decks) || !parser.isSet(programDir) || !parser.isSet(workDir)) {
        std::fprintf(stderr, "assetgen: --decks, --program-dir and --work-dir are required\n");
        return 2;
    }
    try {
        // Substitute fonts would change every picture with text in it.
        for (const QString &family : {kSans, kSerif})
            if (!QFontDatabase::families().contains(family))
                throw std::runtime_error("font " + family.toStdString() +
                                         " is not installed (package fonts-dejavu-core)");
        const QString program = parser.value(programDir);
        const PictureList faces = makeFaceSheets(parser.value(decks));
        const PictureList marks = makePileMarks();
        const PictureList edges = makeCardEdges();
        PictureList shadows, stockEdges;
        for (const NamedPicture &edge : edges)
            (edge.name.startsWith("SHADOW") ? shadows : stockEdges).push_back(edge);
        const PictureList trees = makeTreeIcons();
        const PictureList indicators = makeIndicators();
        const PictureList toolbar = makeToolbarPictures();
        const PictureList advice = makeAdvicePictures();
        const PictureList splash = makeSplashAndLogo(faces);
        const PictureList backs = makeCardBacks();
        const PictureList backgrounds = makeBackgrounds();

        PictureList library;
        for (const PictureList *part : {&faces, &marks, &edges, &trees, &indicators, &toolbar, &advice, &splash})
            library.insert(library.end(), part->begin(), part->end());
        writeResourcePictures(library, parser.value(workDir) + "/pictures", "quil.qrc");
        writeBitmaps(backs, program + "/Images");
        writeBitmaps(backgrounds, program + "/Images");
        writeSounds(makeSounds(), program + "/SOUNDS");

        const PictureList preview = makeTablePreview(library, backs);
        const QColor panel(240, 240, 240);
        const QImage contact = makeContactSheet({
            {"QUIL.RGF: card faces", &faces},
            {"QUIL.RGF: empty-pile marks", &marks},
            {"QUIL.RGF: shadows (white see-through)", &shadows, QColor(Qt::white)},
            {"QUIL.RGF: stock edges (blue see-through)", &stockEdges, QColor(0, 0, 255)},
            {"How they sit on the table", &preview},
            {"QUIL.RGF: tree pictures and game categories (maroon see-through, shown on white)", &trees,
             QColor(128, 0, 0), Qt::white},
            {"QUIL.RGF: indicators", &indicators, std::nullopt, Qt::white},
            {"QUIL.RGF: toolbar and advice pictures (alpha, shown on a dialog grey)", &toolbar, std::nullopt, panel},
            {"", &advice, std::nullopt, panel},
            {"QUIL.RGF: splash and logo", &splash, std::nullopt, Qt::white},
            {"Images: card backs", &backs},
            {"Images: backgrounds (2 x 2 tiles)", &backgrounds, std::nullopt, Qt::black, true},
        });
        writeFileIfChanged(program + "/assets-contact.png", encodePng(contact));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
