// Required files, picture files and the picture library.
#include <gtest/gtest.h>

#include <QPainter>

#include "model/messages.h"
#include "model/state_record.h"
#include "recording.h"
#include "shell/file_services.h"
#include "shell/picture_prefetch.h"
#include "shell/resource_library.h"
#include "shell_fixture.h"

using namespace vantrel;
using vantrel::test::RecordingFatal;
using vantrel::test::TempFolder;

namespace {

struct RecordingMessages : Messages {
    std::vector<std::string> shown;
    void infoBox(std::string_view t) override { shown.emplace_back(t); }
};

// A 2 x 3 picture saved as a .bmp under the program folder.
void writePicture(const TempFolder& dir, const std::string& relative) {
    QImage img(2, 3, QImage::Format_RGB32);
    img.fill(QColor(10, 20, 30));
    img.setPixelColor(0, 0, QColor(200, 0, 0));
    dir.write(relative, "");
    ASSERT_TRUE(img.save(QString::fromStdString(dir / relative), "BMP"));
}

}  // namespace

TEST(RequireFile, MissingFilesAreFatalWithTheirOwnTexts) {
    TempFolder dir;
    dir.write("GAMES.DAT", "x");
    RecordingFatal fatal;
    EXPECT_TRUE(RequireFile(dir / "GAMES.DAT", fatal));
    EXPECT_TRUE(fatal.reports.empty());

    EXPECT_FALSE(RequireFile(dir / "NONE.DAT", fatal));
    EXPECT_FALSE(RequireImageFile(dir / "Images/D B011.bmp", fatal));
    EXPECT_FALSE(RequireFile(dir.path(), fatal));  // a folder is not the file
    ASSERT_EQ(fatal.reports.size(), 3u);
    EXPECT_EQ(fatal.reports[0].first, "Error");
    EXPECT_EQ(fatal.reports[0].second, "Cannot find file:\n" + (dir / "NONE.DAT") +
                                           "\nCopy the file into the directory that above is specified\n"
                                           "or reinstall the program.");
    EXPECT_EQ(fatal.reports[1].second, "Cannot find images file:\n" + (dir / "Images/D B011.bmp") +
                                           "\nSome program components cannot be shown correctly.\n"
                                           "Copy the file into the directory that above is specified\n"
                                           "or reinstall the program.");
}

TEST(PictureFiles, BareNamesComeFromTheImagesFolderWhateverItsCase) {
    TempFolder dir;
    writePicture(dir, "images/b012.BMP");
    StateRecord st;
    st.StateInit(dir.path());
    EXPECT_EQ(pictureFilePath(st, "B012"), dir / "images/b012.BMP");
    EXPECT_EQ(pictureFilePath(st, "OTHER\\Pic.bmp"), dir / "OTHER/Pic.bmp");
    RecordingFatal fatal;
    const QImage picture = LoadPictureFile(st, "B012", fatal);
    EXPECT_EQ(picture.size(), QSize(2, 3));
    EXPECT_TRUE(fatal.reports.empty());
    EXPECT_TRUE(LoadPictureFile(st, "B013", fatal).isNull());
    ASSERT_EQ(fatal.reports.size(), 1u);
    EXPECT_NE(fatal.reports[0].second.find("Cannot find images file:"), std::string::npos);
}

TEST(PictureFiles, TilingCoversTheAreaAndAnEmptyNameIsABadOption) {
    TempFolder dir;
    writePicture(dir, "Images/T.bmp");
    StateRecord st;
    st.StateInit(dir.path());
    RecordingFatal fatal;
    RecordingMessages messages;
    QImage target(7, 8, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter p(&target);
        TilePicture(p, target.width(), target.height(), st, "T", fatal, messages);
    }
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 7; ++x) {
            const QColor expected = (x % 2 == 0 && y % 3 == 0) ? QColor(200, 0, 0) : QColor(10, 20, 30);
            ASSERT_EQ(target.pixelColor(x, y), expected) << x << "," << y;
        }
    {
        QPainter p(&target);
        TilePicture(p, 7, 8, st, "", fatal, messages);
    }
    EXPECT_EQ(messages.shown, std::vector<std::string>{"fnRiempi Image: bad option"});
    EXPECT_TRUE(fatal.reports.empty());

    dir.write("Images/Broken.bmp", "not a picture");
    QImage untouched = target;
    {
        QPainter p(&target);
        TilePicture(p, 7, 8, st, "Broken", fatal, messages);
    }
    EXPECT_EQ(target, untouched);
    EXPECT_EQ(messages.shown.size(), 2u);  // the unreadable file is named
}

TEST(ResourceLibrary, PicturesAreThereOnlyWhileTheLibraryIsLoaded) {
    TempFolder dir;
    dir.write("QUIL.RGF", "not a resource file");
    ResourceLibrary library;
    EXPECT_FALSE(library.load(dir / "QUIL.RGF"));
    EXPECT_FALSE(library.load(dir / "missing.rgf"));
    EXPECT_EQ(ResourceLibrary::loadFailureText("/Opt/Vantrel/QUIL.RGF"), "Can't find/load /opt/vantrel/quil.rgf");

    const std::string real = std::string(VANTREL_BUILD_DIR) + "/QUIL.RGF";
    ASSERT_TRUE(std::filesystem::exists(real)) << "the picture library is built with the program";
    ASSERT_TRUE(library.load(real));
    EXPECT_EQ(LoadResourcePicture("SPLASH").size(), QSize(400, 260));
    EXPECT_TRUE(LoadResourcePicture("NO_SUCH_PICTURE").isNull());
    library.release();
    EXPECT_TRUE(LoadResourcePicture("SPLASH").isNull());
}

TEST(PicturePrefetch, EachPrefetchedNameIsGivenOnceAsDecoded) {
    ResourceLibrary library;
    ASSERT_TRUE(library.load(std::string(VANTREL_BUILD_DIR) + "/QUIL.RGF"));
    PicturePrefetch prefetch;
    prefetch.start({"LOGO", "SPLASH", "LOGO", "NO_SUCH_PICTURE"});
    EXPECT_TRUE(prefetch.take("TREE1").isNull());  // not asked for
    EXPECT_EQ(prefetch.take("SPLASH"), LoadResourcePicture("SPLASH"));
    EXPECT_EQ(prefetch.take("LOGO"), LoadResourcePicture("LOGO"));
    EXPECT_EQ(prefetch.take("LOGO"), LoadResourcePicture("LOGO"));
    EXPECT_TRUE(prefetch.take("LOGO").isNull());  // each copy once
    EXPECT_TRUE(prefetch.take("NO_SUCH_PICTURE").isNull());
    prefetch.start({"SPLASH"});
    prefetch.drop();
    EXPECT_TRUE(prefetch.take("SPLASH").isNull());
}
