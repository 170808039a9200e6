#include "HelpWindow.h"

#include <QGridLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "CellCodes.h"
#include "HelpText.h"
#include "ImageView.h"

namespace tamb {

namespace {

// The size of the game's forms, so the help covers the one that opens it.
constexpr int kWidth = 642;
constexpr int kHeight = 482;

// The forms' own text size (MS Sans Serif 11 pixels).
constexpr int kTextSize = 11;

const QColor kHeadingColour(0, 255, 0);    // as the options' labels
const QColor kNameColour(255, 255, 0);     // as the menu's titles
const QColor kTextColour(224, 224, 224);
const QColor kFrameColour(135, 206, 235);  // the menu's button panel

QFont serifFont(int pixelSize) {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

QFont sansFont(int pixelSize) {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("MS Sans Serif")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    return f;
}

QLabel* label(const QString& text, const QFont& font, const QColor& colour) {
    auto* l = new QLabel(text);
    l->setFont(font);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    return l;
}

QLabel* heading(const QString& text) { return label(text, serifFont(17), kHeadingColour); }

// "Name: what it does", the name in the titles' colour.
QString namedLine(const QString& name, const QString& line) {
    return QStringLiteral("<span style=\"color:%1\"><b>%2</b></span>: %3")
        .arg(kNameColour.name(), name.toHtmlEscaped(), line.toHtmlEscaped());
}

}  // namespace

HelpWindow::HelpWindow(const GamePictures& pictures, QWidget* opener) : QDialog(opener), pictures_(pictures) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(helpTitle());
    setFixedSize(kWidth, kHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, kTextColour);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(sansFont(kTextSize));

    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(12, 6, 12, 6);
    column->setSpacing(6);

    QLabel* title = label(helpTitle(), serifFont(24), kNameColour);
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(title);
    QLabel* goal = label(helpGoal(), sansFont(kTextSize), kTextColour);
    goal->setWordWrap(true);
    column->addWidget(goal);
    column->addWidget(heading(QStringLiteral("Клавиши")));
    column->addWidget(buildKeys());
    column->addWidget(heading(QStringLiteral("Что бывает на уровне")));
    column->addWidget(buildTiles());
    column->addStretch(1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(label(QStringLiteral("Esc или F1: закрыть помощь"), sansFont(kTextSize), kTextColour));
    bottom->addStretch(1);
    auto* closeButton = new QPushButton(QStringLiteral("Закрыть"));
    closeButton->setFont(serifFont(15));
    closeButton->setFocusPolicy(Qt::NoFocus);
    closeButton->setAutoDefault(false);  // only Esc and F1 close from the keyboard
    closeButton->setStyleSheet(QStringLiteral("QPushButton { color: yellow; background: #203060; border: 1px solid %1;"
                                              " padding: 2px 14px; }"
                                              "QPushButton:pressed { background: #101830; }")
                                   .arg(kFrameColour.name()));
    connect(closeButton, &QPushButton::clicked, this, &HelpWindow::reject);
    bottom->addWidget(closeButton);
    column->addLayout(bottom);

    // Should a font come out larger than ours, the page scrolls rather
    // than cuts.
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(content);
    scroll_->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    QPalette framePal = frame->palette();
    framePal.setColor(QPalette::WindowText, kFrameColour);
    frame->setPalette(framePal);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(2, 2, 2, 2);
    inner->addWidget(scroll_);
}

QWidget* HelpWindow::buildKeys() {
    auto* keys = new QWidget;
    auto* grid = new QGridLayout(keys);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);
    const std::vector<HelpKey>& list = helpKeys();
    constexpr int kRows = 3;
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
        const int row = i % kRows;
        const int col = 2 * (i / kRows);
        QLabel* key = label(list[static_cast<std::size_t>(i)].keys, sansFont(kTextSize), kNameColour);
        key->setFont([] {
            QFont f = sansFont(kTextSize + 2);
            f.setBold(true);
            return f;
        }());
        grid->addWidget(key, row, col);
        QLabel* action = label(list[static_cast<std::size_t>(i)].action, sansFont(kTextSize), kTextColour);
        action->setWordWrap(true);
        grid->addWidget(action, row, col + 1);
    }
    for (int col = 1; col < 6; col += 2) grid->setColumnStretch(col, 1);
    return keys;
}

QWidget* HelpWindow::buildTiles() {
    auto* tiles = new QWidget;
    auto* grid = new QGridLayout(tiles);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    const std::vector<HelpTile>& list = helpTiles();
    const int rows = static_cast<int>(list.size() + 1) / 2;
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
        const HelpTile& tile = list[static_cast<std::size_t>(i)];
        const int row = i % rows;
        const int col = 2 * (i / rows);
        auto* picture = new ImageView;
        picture->setCanvasSize(kCellSize, kCellSize);
        picture->setFixedSize(kCellSize, kCellSize);
        grid->addWidget(picture, row, col, Qt::AlignTop);
        tilePictures_.emplace_back(tile.code, picture);
        QLabel* text = label(namedLine(tile.name, tile.line), sansFont(kTextSize), kTextColour);
        text->setTextFormat(Qt::RichText);
        text->setWordWrap(true);
        grid->addWidget(text, row, col + 1);
    }
    // The right column's names are the longer ones.
    grid->setColumnStretch(1, 10);
    grid->setColumnStretch(3, 12);
    return tiles;
}

ImageView* HelpWindow::tilePicture(int32_t code) const {
    for (const auto& [c, view] : tilePictures_)
        if (c == code) return view;
    return nullptr;
}

void HelpWindow::drawPictures() {
    const Bitmap& sheet = pictures_.SpriteSheet;
    const QRect cell(0, 0, kCellSize, kCellSize);
    for (const HelpTile& tile : helpTiles()) {
        ImageView* view = tilePicture(tile.code);
        Bitmap& canvas = view->bitmap();
        canvas.setCopyMode(Bitmap::CopyMode::SourceCopy);
        canvas.fill(0);
        // Before the game screen has loaded the sheet the cells stay black.
        if (!sheet.isNull()) canvas.copyRect(cell, sheet, tile.picture);
        view->update();
    }
}

void HelpWindow::popUp() {
    drawPictures();
    scroll_->verticalScrollBar()->setValue(0);
    if (QWidget* opener = parentWidget()) move(opener->window()->geometry().topLeft());
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F1) {
        event->accept();
        // A held F1 must not close the help its own press opened.
        if (!event->isAutoRepeat()) reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void HelpWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (event->spontaneous()) return;
    // The keys go back to the form that opened the help.
    if (QWidget* opener = parentWidget()) opener->window()->activateWindow();
    emit closed();
}

}  // namespace tamb
