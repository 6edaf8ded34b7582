// previewgen: the chooser's preview of every game of GAMES.DAT, drawn with
// the pictures assetgen has just made, for packing into QUIL.RGF.
//
//   previewgen --program-dir <dir> --pictures <dir> --out <dir>
//
// Writes <out>/GAMEnnnn.png and <out>/previews.qrc. A game that cannot be
// dealt fails the build: the chooser would show an empty preview.
#include "asset_writer.h"
#include "game_preview.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption programDir("program-dir", "Folder with GAMES.DAT and Images.", "folder");
    const QCommandLineOption pictures("pictures", "Folder of the library's pictures.", "folder");
    const QCommandLineOption out("out", "Folder for the previews.", "folder");
    parser.addOptions({programDir, pictures, out});
    parser.process(app);
    if (!parser.isSet(programDir) || !parser.isSet(pictures) || !parser.isSet(out)) {
        std::fprintf(stderr, "previewgen: --program-dir, --pictures and --out are required\n");
        return 2;
    }
    previews::PreviewRenderer renderer(parser.value(programDir), parser.value(pictures));
    std::string error;
    if (!renderer.loadGames(error)) {
        std::fprintf(stderr, "previewgen: %s\n", error.c_str());
        return 1;
    }
    assetgen::PictureList list;
    for (int game : renderer.games()) {
        QImage preview = renderer.render(game, error);
        if (preview.isNull()) {
            std::fprintf(stderr, "previewgen: %s\n", error.c_str());
            return 1;
        }
        list.push_back({previews::previewName(game), std::move(preview)});
    }
    try {
        // Only what the list names goes into the library.
        assetgen::writeResourcePictures(list, parser.value(out), "previews.qrc");
    } catch (const std::exception &e) {
        std::fprintf(stderr, "previewgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
