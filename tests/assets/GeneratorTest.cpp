// The generator itself: same sources, same bytes; broken sources are reported.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "BuiltFiles.h"

using namespace tamb::test;

namespace {

struct GeneratorRun {
    int exitCode = -1;
    QString errors;
};

GeneratorRun runGenerator(const QString& assets, const QString& out) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Under the sanitizer build the tool's libraries' leftovers at exit are not our faults.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TAMB_ASSETGEN),
            {assets, out + QStringLiteral("/gamedata"), out + QStringLiteral("/pics"), out + QStringLiteral("/icon.png")});
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

QStringList filesUnder(const QString& root) {
    QStringList out;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) out << QDir(root).relativeFilePath(it.next());
    out.sort();
    return out;
}

void copyTree(const QString& from, const QString& to) {
    for (const QString& rel : filesUnder(from)) {
        QDir().mkpath(QFileInfo(to + u'/' + rel).absolutePath());
        QFile::copy(from + u'/' + rel, to + u'/' + rel);
    }
}

TEST(Generator, SameSourcesGiveByteIdenticalFiles) {
    QTemporaryDir a, b;
    ASSERT_TRUE(a.isValid() && b.isValid());
    const GeneratorRun ra = runGenerator(QStringLiteral(TAMB_ASSETS_SOURCE_DIR), a.path());
    const GeneratorRun rb = runGenerator(QStringLiteral(TAMB_ASSETS_SOURCE_DIR), b.path());
    ASSERT_EQ(ra.exitCode, 0) << ra.errors.toStdString();
    ASSERT_EQ(rb.exitCode, 0) << rb.errors.toStdString();
    const QStringList files = filesUnder(a.path());
    EXPECT_EQ(files, filesUnder(b.path()));
    EXPECT_GE(files.size(), 2 + 14 + 27 + 1);
    for (const QString& rel : files)
        EXPECT_EQ(readAll(a.path() + u'/' + rel), readAll(b.path() + u'/' + rel)) << rel.toStdString();
    // The build's own copy came from the same sources.
    EXPECT_EQ(readAll(a.path() + QStringLiteral("/gamedata/graphics/sprites.bmp")),
              readAll(gamedataPath(QStringLiteral("graphics/sprites.bmp"))));
    EXPECT_EQ(readAll(a.path() + QStringLiteral("/pics/status_panel.jpg")),
              readAll(QStringLiteral(TAMB_PICS_DIR "/status_panel.jpg")));
}

TEST(Generator, ASpriteEditIsSeenInTheSheet) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    copyTree(QStringLiteral(TAMB_ASSETS_SOURCE_DIR), work.path() + QStringLiteral("/assets"));
    // Swap the treasure for the steel block in the layout: the glitter strip must change.
    const QString layout = work.path() + QStringLiteral("/assets/sprites/sheet.txt");
    QByteArray text = readAll(layout);
    ASSERT_TRUE(text.contains("sparkle 0 115 chest"));
    text.replace("sparkle 0 115 chest", "sparkle 0 115 superbrick");
    QFile f(layout);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
    f.close();
    const GeneratorRun r = runGenerator(work.path() + QStringLiteral("/assets"), work.path() + QStringLiteral("/out"));
    ASSERT_EQ(r.exitCode, 0) << r.errors.toStdString();
    const QImage edited(work.path() + QStringLiteral("/out/gamedata/graphics/sprites.bmp"));
    const QImage built(gamedataPath(QStringLiteral("graphics/sprites.bmp")));
    EXPECT_NE(edited.copy(0, 115, 20, 20), built.copy(0, 115, 20, 20));
    EXPECT_EQ(edited.copy(0, 0, 360, 92), built.copy(0, 0, 360, 92));
}

TEST(Generator, BrokenSourceFailsWithFileAndLine) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    copyTree(QStringLiteral(TAMB_ASSETS_SOURCE_DIR), work.path() + QStringLiteral("/assets"));
    QFile f(work.path() + QStringLiteral("/assets/sounds/Klad2.sfx"));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("note kazoo freq 440 dur 0.1\n");
    f.close();
    const GeneratorRun r = runGenerator(work.path() + QStringLiteral("/assets"), work.path() + QStringLiteral("/out"));
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.errors.contains(QStringLiteral("Klad2.sfx:"))) << r.errors.toStdString();
    EXPECT_TRUE(r.errors.contains(QStringLiteral("waveform"))) << r.errors.toStdString();
}

}  // namespace
