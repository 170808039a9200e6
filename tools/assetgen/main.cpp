// tamb-assetgen: builds the game's pictures and sounds from the text sources.
//   tamb-assetgen <assets dir> <gamedata dir> <pics dir> <icon file>
//   tamb-assetgen --contact-sheet <gamedata dir> <pics dir> <output png>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "ContactSheet.h"
#include "Figures.h"
#include "ImageFiles.h"
#include "Palette.h"
#include "PictureScript.h"
#include "PixelArt.h"
#include "SheetBuilder.h"
#include "Synth.h"
#include "TextSource.h"

using namespace tamb::assetgen;

namespace {

void generate(const QString& assets, const QString& gamedata, const QString& pics, const QString& icon) {
    const QDir spritesDir(assets + QStringLiteral("/sprites"));
    Palette palette;
    palette.load(spritesDir.filePath(QStringLiteral("palette.txt")));
    PixelArt art(palette);
    for (const QString& f : spritesDir.entryList({QStringLiteral("*.art")}, QDir::Files, QDir::Name))
        art.load(spritesDir.filePath(f));
    Figures figures;
    figures.load(spritesDir.filePath(QStringLiteral("figures.txt")));
    const QImage sheet = SheetBuilder(art, figures, palette).build(spritesDir.filePath(QStringLiteral("sheet.txt")));
    writePicture(sheet, gamedata + QStringLiteral("/graphics/sprites.bmp"));

    const QDir picDir(assets + QStringLiteral("/pictures"));
    const PictureScript script(sheet);
    for (const QString& f : picDir.entryList({QStringLiteral("*.pic")}, QDir::Files, QDir::Name)) {
        for (const Picture& pic : script.run(picDir.filePath(f))) {
            const QString out = pic.folder == QStringLiteral("pics") ? pics + u'/' + pic.name
                                                                     : gamedata + QStringLiteral("/graphics/") + pic.name;
            writePicture(pic.image, out);
            if (pic.name == QStringLiteral("icon.png") && !icon.isEmpty()) writePicture(pic.image, icon);
        }
    }

    const QDir soundDir(assets + QStringLiteral("/sounds"));
    const Synth synth;
    for (const QString& f : soundDir.entryList({QStringLiteral("*.sfx")}, QDir::Files, QDir::Name)) {
        int rate = 0;
        const auto samples = synth.render(soundDir.filePath(f), &rate);
        writeFile(Synth::wav(samples, rate), gamedata + QStringLiteral("/Sound/") + QFileInfo(f).completeBaseName() + QStringLiteral(".wav"));
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 5 && args[1] == QStringLiteral("--contact-sheet")) {
            writeContactSheet(args[2], args[3], args[4]);
        } else if (args.size() == 5) {
            generate(args[1], args[2], args[3], args[4]);
        } else {
            std::fprintf(stderr, "usage: tamb-assetgen <assets> <gamedata> <pics> <icon>\n"
                                 "       tamb-assetgen --contact-sheet <gamedata> <pics> <out.png>\n");
            return 2;
        }
    } catch (const SourceError& e) {
        std::fprintf(stderr, "tamb-assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
