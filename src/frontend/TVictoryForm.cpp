#include "TVictoryForm.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

#include "AppContext.h"
#include "CellCodes.h"
#include "SoundEffects.h"
#include "SpriteLayout.h"
#include "SpriteStrips.h"
#include "TDataForm.h"

namespace tamb {

namespace {
constexpr int kWidth = 642;
constexpr int kHeight = 482;
constexpr int kDefaultShowMs = 6000;
constexpr int kTreasures = 9;
constexpr int kTreasureScale = 2;
constexpr int kManScale = 4;

// A picture of the sheet with its black ground see-through, to stand on
// the sky.
QImage cutOut(const QImage& sheet, const QRect& rect) {
    QImage picture = sheet.copy(rect).convertToFormat(QImage::Format_ARGB32);
    const QImage ground = picture.createMaskFromColor(qRgb(0, 0, 0), Qt::MaskOutColor);
    picture.setAlphaChannel(ground);
    return picture;
}

QFont serif(int pixelSize, bool italic) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
    font.setBold(true);
    font.setItalic(italic);
    font.setPixelSize(pixelSize);
    return font;
}
}  // namespace

TVictoryForm::TVictoryForm(AppContext& ctx, TDataForm& data) : ctx_(ctx), data_(data) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Tamb"));
    setFixedSize(kWidth, kHeight);
    CloseTimer = new QTimer(this);
    CloseTimer->setSingleShot(true);
    CloseTimer->setInterval(kDefaultShowMs);
    connect(CloseTimer, &QTimer::timeout, this, [this] { leave(); });
}

void TVictoryForm::setShowTime(int ms) { CloseTimer->setInterval(ms); }

void TVictoryForm::showEvent(QShowEvent* event) {
    GuardedDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (anchor_) move(anchor_->window()->geometry().topLeft());
    PlayUiSound(data_, QStringLiteral("Fanfars"));
    CloseTimer->start();
}

void TVictoryForm::hideEvent(QHideEvent* event) {
    CloseTimer->stop();
    GuardedDialog::hideEvent(event);
}

void TVictoryForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(0, 0, 40));
    sky.setColorAt(1, QColor(40, 0, 60));
    p.fillRect(rect(), sky);

    p.setPen(QColor(255, 215, 0));
    p.setFont(serif(72, true));
    p.drawText(QRect(0, 40, kWidth, 100), Qt::AlignCenter, QStringLiteral("Победа!"));
    p.setPen(QColor(255, 244, 192));
    p.setFont(serif(30, true));
    p.drawText(QRect(0, 140, kWidth, 44), Qt::AlignCenter, QStringLiteral("Все уровни пройдены!"));

    // The man over a row of the treasures he won, from the game's own sheet.
    const QImage& sheet = ctx_.pictures.SpriteSheet.image();
    if (!sheet.isNull()) {
        const int man = kCellSize * kManScale;
        p.drawImage(QRect((kWidth - man) / 2, 200, man, man), cutOut(sheet, sprites::figureFrame(1, kManStandStrip)));
        const QImage klad = cutOut(sheet, *sprites::staticTile(Klad));
        const int treasure = kCellSize * kTreasureScale;
        const int gap = 12;
        const int rowWidth = kTreasures * treasure + (kTreasures - 1) * gap;
        for (int i = 0; i < kTreasures; ++i)
            p.drawImage(QRect((kWidth - rowWidth) / 2 + i * (treasure + gap), 300, treasure, treasure), klad);
    }

    p.setPen(QColor(170, 200, 255));
    p.setFont(serif(18, false));
    p.drawText(QRect(0, 370, kWidth, 30), Qt::AlignCenter, QStringLiteral("Игра начнётся заново с первого уровня"));
    p.setFont(serif(14, false));
    p.drawText(QRect(0, 430, kWidth, 24), Qt::AlignCenter, QStringLiteral("Любая клавиша - дальше"));
}

void TVictoryForm::keyPressEvent(QKeyEvent* event) {
    // A key still held from the last steps of the level repeats; only a
    // fresh press ends the celebration.
    event->accept();
    if (!event->isAutoRepeat()) leave();
}

void TVictoryForm::mousePressEvent(QMouseEvent*) { leave(); }

}  // namespace tamb
