// Pictures compiled into the program and the password bar's picture.
#include <QImage>
#include <gtest/gtest.h>

#include "BuiltFiles.h"

using namespace tamb::test;

namespace {

QImage resource(const char* name) { return QImage(QStringLiteral(":/pics/") + QLatin1String(name)); }

double meanLuminance(const QImage& img, const QRect& r) {
    double sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) sum += qGray(img.pixel(x, y));
    return sum / (r.width() * r.height());
}

// Ink of a glyph: pixels that are clearly visible.
int opaquePixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += qAlpha(img.pixel(x, y)) > 128;
    return n;
}

TEST(Pictures, FormPicturesHaveTheirExactSizes) {
    const struct {
        const char* name;
        int w, h;
    } expected[] = {
        {"status_panel.jpg", 642, 40}, {"pause.jpg", 320, 69},      {"logo1.jpg", 448, 75},
        {"logo2.jpg", 372, 73},        {"author.jpg", 263, 29},     {"buttons_panel.jpg", 209, 210},
        {"params_bg.jpg", 304, 225},   {"prepare_bg.jpg", 348, 113}, {"lamp.png", 17, 17},
        {"btn_newgame.png", 156, 24},  {"btn_password.png", 156, 24}, {"btn_options.png", 156, 24},
        {"btn_editor.png", 156, 24},   {"btn_exit.png", 156, 24},   {"icon.png", 64, 64},
    };
    for (const auto& e : expected) {
        const QImage img = resource(e.name);
        ASSERT_FALSE(img.isNull()) << e.name;
        EXPECT_EQ(img.size(), QSize(e.w, e.h)) << e.name;
    }
    for (int i = 1; i <= 10; ++i) {
        const QImage img(QStringLiteral(":/pics/letter%1.png").arg(i));
        ASSERT_FALSE(img.isNull()) << i;
        EXPECT_EQ(img.size(), QSize(29, 27)) << i;
    }
}

TEST(Pictures, JpegPicturesAreRealJpegs) {
    for (const char* name : {"status_panel.jpg", "pause.jpg", "logo1.jpg", "logo2.jpg", "author.jpg",
                             "buttons_panel.jpg", "params_bg.jpg", "prepare_bg.jpg"}) {
        const QByteArray b = readAll(QStringLiteral(":/pics/") + QLatin1String(name));
        ASSERT_GT(b.size(), 4) << name;
        EXPECT_EQ(uchar(b[0]), 0xFF) << name;
        EXPECT_EQ(uchar(b[1]), 0xD8) << name;
    }
}

TEST(Pictures, OkAndCancelGlyphsFitTheirButtons) {
    const QImage ok = resource("btn_ok.png"), cancel = resource("btn_cancel.png");
    ASSERT_FALSE(ok.isNull());
    ASSERT_FALSE(cancel.isNull());
    // The smallest buttons that carry them are 49x30 and 97x30.
    EXPECT_LE(ok.width(), 49 - 4);
    EXPECT_LE(cancel.width(), 97 - 4);
    EXPECT_LE(ok.height(), 30 - 4);
    EXPECT_LE(cancel.height(), 30 - 4);
}

TEST(Pictures, GlyphsShowTheirWordsOnATransparentGround) {
    for (const char* name : {"btn_newgame.png", "btn_password.png", "btn_options.png", "btn_editor.png",
                             "btn_exit.png", "btn_ok.png", "btn_cancel.png"}) {
        const QImage img = resource(name).convertToFormat(QImage::Format_ARGB32);
        const int ink = opaquePixels(img);
        EXPECT_GT(ink, img.width() * img.height() / 12) << name;
        EXPECT_LT(ink, img.width() * img.height() / 2) << name;
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << name;
        // Blue capitals: the ink is mostly blue.
        long blue = 0, red = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(img.pixel(x, y)) > 200 && qGray(img.pixel(x, y)) < 120) {
                    blue += qBlue(img.pixel(x, y));
                    red += qRed(img.pixel(x, y));
                }
        EXPECT_GT(blue, 3 * red) << name;
    }
}

TEST(Pictures, StatusPanelIsLightWhereTheBlackLabelsGo) {
    const QImage panel = resource("status_panel.jpg");
    ASSERT_FALSE(panel.isNull());
    EXPECT_GT(meanLuminance(panel, QRect(25, 6, 230, 28)), 180);
    EXPECT_GT(meanLuminance(panel, QRect(285, 6, 210, 28)), 180);
}

TEST(Pictures, PasswordBarPictureFramesItsControls) {
    const QString path = gamedataPath(QStringLiteral("graphics/Password Scene Pic.bmp"));
    const BmpInfo info = bmpInfo(readAll(path));
    ASSERT_TRUE(info.valid);
    EXPECT_EQ(info.bitsPerPixel, 24);
    EXPECT_GE(info.width, 185);
    EXPECT_LE(info.width, 200);
    // Tall enough for the buttons at 56..86, low enough for the menu.
    EXPECT_GE(std::abs(info.height), 90);
    EXPECT_LE(std::abs(info.height), 120);
    const QImage img(path);
    ASSERT_FALSE(img.isNull());
    // Something is drawn around the field and the buttons, so the bar is seen while it slides.
    EXPECT_GT(litPixels(img, QRect(0, 0, 185, 16)), 185 * 16 / 2);
    EXPECT_GT(litPixels(img, QRect(0, 86, 185, 4)), 185 * 4 / 2);
}

TEST(Pictures, InstalledIconMatchesTheCompiledOne) {
    const QImage installed(QStringLiteral(TAMB_GAMEDATA_DIR "/../tamb-icon.png"));
    ASSERT_FALSE(installed.isNull());
    EXPECT_EQ(installed.convertToFormat(QImage::Format_ARGB32), resource("icon.png").convertToFormat(QImage::Format_ARGB32));
}

}  // namespace
