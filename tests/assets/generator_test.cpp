// The generator itself: the same output on every run, and a clear message
// when the card decks cannot be read.
#include "asset_paths.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace assets_test;

namespace {

QProcess::ProcessError runGenerator(QProcess &process, const QString &decks, const QString &out)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(QString::fromUtf8(ASSETGEN_EXE),
                  {"--decks", decks, "--program-dir", out, "--work-dir", out + "/work"});
    process.waitForFinished(120000);
    return process.error();
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(Generator, RunTwiceGivesTheSameFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess process;
    runGenerator(process, QString::fromUtf8(VANTREL_CARD_DECKS), dir.path());
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    // Compare against what the build made.
    int compared = 0;
    for (const QString &folder : {QStringLiteral("Images"), QStringLiteral("SOUNDS")}) {
        QDirIterator it(dir.path() + '/' + folder, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString built = programDir() + '/' + folder + '/' + it.fileName();
            EXPECT_EQ(contents(path), contents(built)) << it.fileName().toStdString() << " differs";
            ++compared;
        }
    }
    EXPECT_EQ(compared, 18 + 6 + 15);
    EXPECT_EQ(contents(dir.path() + "/assets-contact.png"), contents(programDir() + "/assets-contact.png"));
}

TEST(Generator, MissingDecksAreNamedInTheMessage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess process;
    runGenerator(process, dir.path() + "/no-decks", dir.path());
    EXPECT_NE(process.exitCode(), 0);
    const QString message = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(message.contains(dir.path() + "/no-decks/svg-standard/standard.svgz")) << message.toStdString();
    EXPECT_TRUE(message.contains("kdegames-card-data-kf5")) << message.toStdString();
}
