#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "TambError.h"
#include "TextLines.h"

namespace TL = tamb::TextLines;

TEST(TextLines, EveryLineEndVariantSplitsTheSame) {
    const QStringList expected{"1", "100", "", "x"};
    EXPECT_EQ(TL::split("1\r\n100\r\n\r\nx\r\n"), expected);
    EXPECT_EQ(TL::split("1\n100\n\nx\n"), expected);
    EXPECT_EQ(TL::split("1\r100\r\rx\r"), expected);
    EXPECT_EQ(TL::split("1\r\n100\n\rx"), expected);  // mixed, last line without an end
    EXPECT_TRUE(TL::split("").isEmpty());
}

TEST(TextLines, WritesCrLfAfterEveryLine) {
    EXPECT_EQ(TL::join({"1", "100", "1", "", "", "", "", "", "", "", ""}), QByteArray("1\r\n100\r\n1\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(TL::join({"1", "100", "1", "", "", "", "", "", "", "", ""}).size(), 27);
}

TEST(TextLines, RoundTripThroughDisk) {
    QTemporaryDir dir;
    const QString f = dir.filePath("tamb.cfg");
    TL::write(f, {"7", "55", "0"});
    EXPECT_TRUE(TL::exists(f));
    EXPECT_EQ(TL::read(f), (QStringList{"7", "55", "0"}));
}

TEST(TextLines, MissingFileNamesTheFile) {
    QTemporaryDir dir;
    try {
        TL::read(dir.filePath("levels/level99"));
        FAIL() << "no error";
    } catch (const tamb::TambError& e) {
        EXPECT_TRUE(e.message().contains("level99")) << e.message().toStdString();
    }
}

TEST(TextLines, WriteIntoMissingFolderFails) {
    QTemporaryDir dir;
    EXPECT_THROW(TL::write(dir.filePath("nofolder/level1"), {"x"}), tamb::TambError);
}
