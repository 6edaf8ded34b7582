// The chooser's previews in QUIL.RGF: one for every game of the built
// GAMES.DAT, of the preview's size, with the table's green in the corner
// the chooser makes see-through, and cards on it. (Variants that differ only
// in their rules are dealt alike, so two previews may well be the same.)
#include "asset_paths.h"

#include <QResource>
#include <gtest/gtest.h>

#include "model/games_file.h"

using namespace assets_test;

TEST(GamePreviews, EveryGameHasAPreviewWithCardsOnTheSeeThroughTableGreen)
{
    ASSERT_TRUE(QResource::registerResource(programDir() + "/QUIL.RGF"));
    vantrel::GamesFile games;
    std::string error;
    ASSERT_TRUE(games.load((programDir() + "/GAMES.DAT").toStdString(), error)) << error;
    const auto list = games.LoadGameList();
    ASSERT_FALSE(list.empty());
    const QRgb tableGreen = qRgb(0, 96, 0);
    for (const vantrel::GameListEntry &entry : list) {
        const std::string name = QString::asprintf("GAME%04d", entry.number).toStdString();
        const QImage preview(QString::fromStdString(":/" + name));
        ASSERT_FALSE(preview.isNull()) << name << " (" << entry.name << ") is missing";
        EXPECT_EQ(preview.width(), 300) << name;
        EXPECT_LE(preview.height(), 185) << name;
        EXPECT_EQ(preview.pixel(0, 0) | 0xff000000, tableGreen) << name;
        int cardPixels = 0;
        for (int y = 0; y < preview.height(); ++y)
            for (int x = 0; x < preview.width(); ++x)
                cardPixels += (preview.pixel(x, y) & 0xffffff) != (tableGreen & 0xffffff);
        EXPECT_GT(cardPixels, preview.width() * preview.height() / 20) << name << " shows no cards";
    }
    QResource::unregisterResource(programDir() + "/QUIL.RGF");
}
