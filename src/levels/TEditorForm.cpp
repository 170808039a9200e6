#include "TEditorForm.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>
#include <QMetaMethod>
#include <QPixmap>
#include <QProgressBar>
#include <QToolButton>
#include <algorithm>
#include <utility>

#include "EditorItems.h"
#include "EditorRouteCheck.h"
#include "ErrorReport.h"
#include "HelpWindow.h"
#include "ImageView.h"
#include "MessageBoxes.h"
#include "TDataForm.h"
#include "TambError.h"
#include "TextLines.h"
#include "UpDown.h"

namespace tamb {

namespace {

constexpr int kProgressMax = 700;
const QString kCompileCaption = QStringLiteral("Ошибка компиляции уровня");

QRect cellRect(int col, int row) { return ltrb(col * kCellSize, row * kCellSize, col * kCellSize + kCellSize, row * kCellSize + kCellSize); }

bool insideImage(int x, int y) { return x >= 0 && y >= 0 && x < kArenaWidth && y < kArenaHeight; }

std::size_t cellIndex(int x, int y) { return static_cast<std::size_t>((y / kCellSize) * kCols + x / kCellSize); }

// A cell whose code the game does not know: a magenta frame with a cross,
// so it stands out and can be painted over.
void drawUnknownMarker(Bitmap& canvas, const QRect& cell) {
    const QRgb marker = qRgb(255, 0, 255);
    canvas.fillRect(cell, marker);
    canvas.fillRect(cell.adjusted(2, 2, -2, -2), qRgb(0, 0, 0));
    for (int i = 4; i < kCellSize - 4; ++i) {
        canvas.fillRect(QRect(cell.left() + i, cell.top() + i, 1, 1), marker);
        canvas.fillRect(QRect(cell.right() - i, cell.top() + i, 1, 1), marker);
    }
}

QString checkMessage(LevelCheck check) {
    switch (check) {
        case LevelCheck::SecondOutDoor:
            return QStringLiteral("На уровне может быть только одна дверь для выхода. Уберите лишних.");
        case LevelCheck::SecondMan:
            return QStringLiteral("На уровне может присутствовать только один человек. Уберите лишних.");
        case LevelCheck::SecondManDoor:
            return QStringLiteral("На уровне может быть только одна дверь для человека. Уберите лишние.");
        case LevelCheck::SecondShetsDoor:
            return QStringLiteral("На уровне может только одна дверь для чертей. Уберите лишние.");
        case LevelCheck::NoKlad: return QStringLiteral("На уровне нет ни одного клада.");
        case LevelCheck::NoOutDoor: return QStringLiteral("На уровне нет двери для выхода человека.");
        case LevelCheck::NoMan: return QStringLiteral("На уровне нет человека.");
        case LevelCheck::NoManDoor: return QStringLiteral("На уровне нет двери для человека.");
        case LevelCheck::NoShetsDoor: return QStringLiteral("На уровне нет двери для чертей.");
        case LevelCheck::NoShets: return QStringLiteral("На уровне нет ни одного черта.");
        case LevelCheck::TooManyShets:
            return QStringLiteral("На уровне может быть не больше 15 чертей. Уберите лишних.");
        case LevelCheck::Ok: break;
    }
    return {};
}

// The exact bytes of the file, so a message quotes what is really there.
std::vector<std::string> toStd(const QStringList& lines) { return TextLines::toBytes(lines); }

}  // namespace

TEditorForm::TEditorForm(AppContext& ctx, TDataForm& data) : ctx_(ctx), data_(data) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setGeometry(0, 0, 642, 482);
    setFixedSize(642, 482);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);

    EditorImage = new ImageView(this);
    EditorImage->setObjectName(QStringLiteral("EditorImage"));
    EditorImage->setGeometry(0, 0, kArenaWidth, kArenaHeight);
    EditorImage->setCanvasSize(kArenaWidth, kArenaHeight);
    EditorImage->setMouseTracking(true);
    connect(EditorImage, &ImageView::mouseMoved, this, &TEditorForm::mouseMoved);
    connect(EditorImage, &ImageView::mousePressed, this, &TEditorForm::mousePressed);
    connect(EditorImage, &ImageView::mouseReleased, this, [this](QMouseEvent*) { EditorImageMouseUp(); });
    connect(EditorImage, &ImageView::clicked, this, [this](QMouseEvent*) { EditorImageClick(); });

    buildPanel();
    takeSelectedItem();
    Help = new HelpWindow(ctx_.pictures, this);
}

void TEditorForm::buildPanel() {
    WorkingPanel = new QWidget(this);
    WorkingPanel->setObjectName(QStringLiteral("WorkingPanel"));
    WorkingPanel->setGeometry(0, 440, 640, 40);
    QPalette pal = WorkingPanel->palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::ButtonText, Qt::black);
    WorkingPanel->setPalette(pal);
    WorkingPanel->setAutoFillBackground(true);

    auto flatButton = [this](const char* name, const QRect& geometry) {
        auto* b = new QToolButton(WorkingPanel);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(geometry);
        return b;
    };

    static const std::pair<int32_t, QToolButton* TEditorForm::*> members[] = {
        {Empty, &TEditorForm::ItemEmpty},         {ManDoor, &TEditorForm::ItemManDoor},
        {Man, &TEditorForm::ItemMan},             {ShetsDoor, &TEditorForm::ItemShetsDoor},
        {Shets, &TEditorForm::ItemShets},         {Klad, &TEditorForm::ItemKlad},
        {Kirp, &TEditorForm::ItemKirp},           {Roupe, &TEditorForm::ItemRoupe},
        {Stairs, &TEditorForm::ItemStairs},       {SuperKirp, &TEditorForm::ItemSuperKirp},
        {Balka, &TEditorForm::ItemBalka},         {BoundVert, &TEditorForm::ItemBoundVert},
        {BoundHor, &TEditorForm::ItemBoundHor},   {FalseKirp, &TEditorForm::ItemFalseKirp},
        {DownWater, &TEditorForm::ItemDownWater}, {Water, &TEditorForm::ItemWater},
        {ToRight, &TEditorForm::ItemToRight},     {ToLeft, &TEditorForm::ItemToLeft},
        {Kol, &TEditorForm::ItemKol},             {Gum, &TEditorForm::ItemGum},
        {OutDoor, &TEditorForm::ItemOutDoor},
    };
    ItemGroup = new QButtonGroup(this);
    ItemGroup->setExclusive(true);  // a click on the button that is down leaves it down
    for (const EditorItemInfo& item : editorItems()) {
        QToolButton* b = flatButton(item.name, QRect(item.left, item.top, 33, 20));
        b->setCheckable(true);
        b->setToolTip(item.hint);
        b->setIconSize(QSize(20, 20));
        ItemGroup->addButton(b, item.code);
        for (const auto& [code, member] : members)
            if (code == item.code) this->*member = b;
    }
    ItemKlad->setChecked(true);
    connect(ItemGroup, &QButtonGroup::idClicked, this, [this](int) { itemPicked(); });

    Bevel1 = new QFrame(WorkingPanel);
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(358, 4, 38, 33);
    PosXLabel = new QLabel(QStringLiteral("X: 31"), WorkingPanel);
    PosXLabel->setGeometry(365, 5, 30, 13);  // wide enough for "X: 31" in any font
    PosYLabel = new QLabel(QStringLiteral("Y: 31"), WorkingPanel);
    PosYLabel->setGeometry(365, 21, 30, 13);

    SaveLevel = flatButton("SaveLevel", QRect(400, -1, 49, 41));
    SaveLevel->setText(QStringLiteral("Save"));
    SaveLevel->setToolTip(QStringLiteral("Сохранить уровень"));
    connect(SaveLevel, &QToolButton::clicked, this, &TEditorForm::SaveLevelClick);
    LoadLevel = flatButton("LoadLevel", QRect(448, -1, 41, 41));
    LoadLevel->setText(QStringLiteral("Load"));
    LoadLevel->setToolTip(QStringLiteral("Загрузить уровень"));
    connect(LoadLevel, &QToolButton::clicked, this, &TEditorForm::LoadLevelClick);
    ClearLevel = flatButton("ClearLevel", QRect(488, -1, 41, 41));
    ClearLevel->setText(QStringLiteral("Clear"));
    ClearLevel->setToolTip(QStringLiteral("Очистить уровень"));
    connect(ClearLevel, &QToolButton::clicked, this, &TEditorForm::ClearLevelClick);

    EditorProgress = new QProgressBar(WorkingPanel);
    EditorProgress->setObjectName(QStringLiteral("EditorProgress"));
    EditorProgress->setGeometry(536, 1, 9, 38);
    EditorProgress->setOrientation(Qt::Vertical);
    EditorProgress->setRange(0, kProgressMax);
    EditorProgress->setValue(0);
    EditorProgress->setTextVisible(false);
    EditorProgress->setStyleSheet(QStringLiteral(
        "QProgressBar { border: 1px solid black; background: silver; }"
        "QProgressBar::chunk { background: black; }"));

    LevelCount = new QLineEdit(QStringLiteral("1"), WorkingPanel);
    LevelCount->setObjectName(QStringLiteral("LevelCount"));
    LevelCount->setGeometry(549, 8, 33, 21);
    LevelCount->setToolTip(QStringLiteral("Номер уровня"));
    LevelCount->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    UpDown1 = new UpDown(LevelCount, 1, 100, WorkingPanel);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(582, 8, 12, 21);

    ExitButton = flatButton("ExitButton", QRect(600, -1, 41, 41));
    ExitButton->setText(QStringLiteral("Выход"));
    ExitButton->setToolTip(QStringLiteral("Выход из редактора"));
    connect(ExitButton, &QToolButton::clicked, this, &TEditorForm::ExitButtonClick);

    // The gap in the lower row of items, under ItemSuperKirp.
    CheckLevel = flatButton("CheckLevel", QRect(288, 20, 33, 20));
    connect(CheckLevel, &QToolButton::clicked, this, &TEditorForm::CheckLevelClick);
    RouteCheck = new EditorRouteCheck(*this, *CheckLevel, *EditorProgress);
    connect(RouteCheck, &EditorRouteCheck::routeShowRequested, this,
            [this](const GameLevel&, int levelNumber, const std::vector<ScriptEntry>& route) {
                emit trialRequested(TrialLevel{checkedLines_, levelNumber, route});
            });
}

void TEditorForm::layOut() {
    setGeometry(0, 0, 642, 482);
    WorkingPanel->move(WorkingPanel->x(), 440);
    EditorImage->setGeometry(0, 0, kArenaWidth, kArenaHeight);
}

// --- borrowed pictures ------------------------------------------------------

Bitmap& TEditorForm::spriteSheet() {
    if (!ctx_.pictures.SpriteSheet.isNull()) return ctx_.pictures.SpriteSheet;
    return ownSheet_;
}

Bitmap& TEditorForm::savedCell() {
    if (!ctx_.pictures.ArenaBitmap.isNull()) return ctx_.pictures.ArenaBitmap;
    if (ownScratch_.isNull()) ownScratch_ = Bitmap(kCellSize, kCellSize);
    return ownScratch_;
}

const Bitmap& TEditorForm::blankBitmap() {
    if (!ctx_.pictures.BlankBitmap.isNull()) return ctx_.pictures.BlankBitmap;
    if (ownBlank_.isNull()) ownBlank_ = Bitmap(kArenaWidth, kArenaHeight);
    return ownBlank_;
}

void TEditorForm::updateItemPictures() {
    const Bitmap& sheet = spriteSheet();
    for (const EditorItemInfo& item : editorItems()) {
        QAbstractButton* b = ItemGroup->button(item.code);
        if (item.code == Empty || sheet.isNull()) {
            b->setIcon(QIcon());
            continue;
        }
        Bitmap picture(kCellSize, kCellSize);
        picture.copyRect(ltrb(0, 0, kCellSize, kCellSize), sheet, item.preview);
        b->setIcon(QIcon(QPixmap::fromImage(picture.image())));
    }
}

// --- drawing ------------------------------------------------------------------

void TEditorForm::SaveOldImage() {
    Bitmap& scratch = savedCell();
    scratch.setCopyMode(Bitmap::CopyMode::SourceCopy);
    scratch.copyRect(ltrb(0, 0, kCellSize, kCellSize), EditorImage->bitmap(),
                     cellRect(CursorX / kCellSize, CursorY / kCellSize));
}

void TEditorForm::LoadOldImage() {
    EditorImage->bitmap().copyRect(cellRect(OldCursorX / kCellSize, OldCursorY / kCellSize), savedCell(),
                                   ltrb(0, 0, kCellSize, kCellSize));
    EditorImage->update();
}

void TEditorForm::blankImage() {
    EditorImage->bitmap().draw(0, 0, blankBitmap());
    previewShown_ = false;
    EditorImage->update();
}

void TEditorForm::drawCell(int col, int row, int32_t code) {
    CellRect = cellRect(col, row);
    if (code == Empty) return;
    if (const auto rect = loadedSpriteRect(code)) {
        SpriteRect = *rect;
        EditorImage->bitmap().copyRect(CellRect, spriteSheet(), SpriteRect);
    } else {
        drawUnknownMarker(EditorImage->bitmap(), CellRect);
    }
}

void TEditorForm::drawAllCells() {
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kCols; ++col) {
            advanceProgress();
            drawCell(col, row, EditorCells[static_cast<std::size_t>(row * kCols + col)]);
        }
    }
    EditorImage->update();
}

void TEditorForm::resetProgress() {
    EditorProgress->setValue(0);
    shownPercent_ = 0;
}

void TEditorForm::advanceProgress() {
    const int value = std::min(EditorProgress->value() + 1, kProgressMax);
    EditorProgress->setValue(value);
    // The gauge is seen filling while the handler runs: repaint whenever
    // its whole percentage changes.
    const int percent = value * 100 / kProgressMax;
    if (percent != shownPercent_) {
        shownPercent_ = percent;
        if (EditorProgress->isVisible()) EditorProgress->repaint();
    }
}

// --- items and the pointer ------------------------------------------------------

void TEditorForm::takeSelectedItem() {
    EditorItem = ItemGroup->checkedId();
    if (const EditorItemInfo* item = editorItem(EditorItem)) SpriteRect = item->preview;
}

void TEditorForm::itemPicked() {
    takeSelectedItem();
    // Show the new choice at once rather than at the next cell.
    if (previewShown_) {
        CellRect = cellRect(OldCursorX / kCellSize, OldCursorY / kCellSize);
        EditorImage->bitmap().copyRect(CellRect, spriteSheet(), SpriteRect);
        EditorImage->update();
    }
}

void TEditorForm::mouseMoved(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    EditorImageMouseMove(p.x(), p.y());
}

void TEditorForm::mousePressed(QMouseEvent* event) {
    // The press counts as a move to where it happens, so the click paints
    // the cell under the pointer even without a move before it.
    const QPoint p = event->position().toPoint();
    EditorImageMouseMove(p.x(), p.y());
    EditorImageMouseDown();
}

void TEditorForm::EditorImageMouseMove(int x, int y) {
    // A pointer dragged off the image is ignored: the preview stays in the
    // last cell inside and nothing outside the grid is touched.
    if (!insideImage(x, y)) return;
    CursorX = x;
    CursorY = y;
    takeSelectedItem();
    const int col = x / kCellSize, row = y / kCellSize;
    if (col != OldCursorX / kCellSize || row != OldCursorY / kCellSize) {
        PosXLabel->setText(QStringLiteral("X: ") + QString::number(col));
        PosYLabel->setText(QStringLiteral("Y: ") + QString::number(row));
        LoadOldImage();
        SaveOldImage();
        CellRect = cellRect(col, row);
        EditorImage->bitmap().copyRect(CellRect, spriteSheet(), SpriteRect);
        EditorImage->update();
        OldCursorX = x;
        OldCursorY = y;
        previewShown_ = true;
    }
    if (Painting) EditorImageClick();
}

void TEditorForm::EditorImageMouseDown() { Painting = true; }

void TEditorForm::EditorImageMouseUp() { Painting = false; }

void TEditorForm::EditorImageClick() {
    if (!insideImage(CursorX, CursorY)) return;
    LevelSaved = false;
    SaveOldImage();
    EditorCells[cellIndex(CursorX, CursorY)] = EditorItem;
}

// --- files ------------------------------------------------------------------------

QString TEditorForm::levelFileName() const { return LevelsDir + QStringLiteral("level") + LevelCount->text(); }

bool TEditorForm::isCampaignLevel() const {
    return TextLines::exists(LevelsDir + QStringLiteral("routes/level") + LevelCount->text() + QStringLiteral(".route"));
}

QString TEditorForm::quotedLevelName() const {
    return QStringLiteral("\"level") + LevelCount->text() + QStringLiteral("\"");
}

QString TEditorForm::configFileName() const {
    if (!ctx_.ConfigFileName.isEmpty()) return ctx_.ConfigFileName;
    return data_.baseFolder() + QStringLiteral("/tamb.cfg");
}

bool TEditorForm::levelNameUsable() {
    // The number is used verbatim in a file name; it must not lead out of
    // the levels folder.
    const QString text = LevelCount->text();
    if (!text.isEmpty() && !text.contains(QLatin1Char('/')) && !text.contains(QLatin1Char('\\')) &&
        !text.contains(QStringLiteral("..")))
        return true;
    MessageBoxes::show(this, QStringLiteral("Ошибка"),
                       QStringLiteral("Недопустимый номер уровня \"") + text +
                           QStringLiteral("\". Номер не может быть пустым и не может содержать \"/\", \"\\\" или \"..\"."),
                       MessageBoxes::Buttons::Ok, MessageBoxes::Tone::Warning);
    return false;
}

void TEditorForm::compileError(const QString& text) {
    MessageBoxes::show(this, kCompileCaption, text, MessageBoxes::Buttons::Ok, MessageBoxes::Tone::Warning);
}

void TEditorForm::FormActivate() {
    LevelsDir = data_.baseFolder() + QStringLiteral("/levels/");
    EditorImage->bitmap().fill(qRgb(0, 0, 0));
    previewShown_ = false;
    EditorImage->update();
    updateItemPictures();
    CursorX = CursorY = OldCursorX = OldCursorY = 0;
    const QStringList& config = data_.LB1;
    LevelCount->setText(!config.isEmpty() ? config.at(0) : QStringLiteral("1"));

    const bool usable = levelNameUsable();
    const bool found = usable && TextLines::exists(levelFileName());
    if (usable) LoadLevelClick();  // shows "not found" when missing
    // Without a level the picture stays black; the grid follows it.
    if (!found) EditorCells.fill(Empty);
    SaveOldImage();
    LevelSaved = true;
}

void TEditorForm::LoadLevelClick() {
    resetProgress();
    if (!levelNameUsable()) return;
    const QString file = levelFileName();
    if (!TextLines::exists(file)) {
        MessageBoxes::show(this, QStringLiteral("Ошибка"),
                           QStringLiteral("Уровень ") + quotedLevelName() + QStringLiteral(" не найден."),
                           MessageBoxes::Buttons::Ok, MessageBoxes::Tone::Warning);
        return;
    }
    QStringList lines;
    try {
        lines = TextLines::read(file);
    } catch (const TambError& e) {
        ErrorReport::show(e.message());
        return;
    }
    data_.EditorListBox = lines;
    LevelSaved = true;
    blankImage();

    QString error;
    try {
        decodeEditorLevel(toStd(lines), EditorCells);
    } catch (const LevelFormatError& e) {
        error = QStringLiteral("Уровень ") + quotedLevelName() + QStringLiteral(": ") + QString::fromStdString(e.what());
    }
    // Also after a bad field: the picture shows the grid as it now stands,
    // so what is seen is what a save would write.
    drawAllCells();
    CursorX = CursorY = OldCursorX = OldCursorY = 0;
    SaveOldImage();
    if (!error.isEmpty()) ErrorReport::show(error);
}

void TEditorForm::SaveLevelClick() {
    resetProgress();
    if (!levelNameUsable()) return;
    const EncodeResult result = encodeLevel(EditorCells, [this] { advanceProgress(); });
    QStringList& list = data_.EditorListBox;
    list.clear();
    for (const std::string& l : result.lines) list << QString::fromStdString(l);
    if (result.check != LevelCheck::Ok) {
        compileError(checkMessage(result.check));
        return;
    }
    const QString file = levelFileName();
    // A level that came with the game has its route beside it; replacing it
    // changes the campaign, so it is said first.
    if (TextLines::exists(file) && isCampaignLevel() &&
        !MessageBoxes::show(this, QStringLiteral("Внимание"),
                            QStringLiteral("Уровень ") + quotedLevelName() +
                                QStringLiteral(" входит в кампанию игры. Заменить его своим уровнем?"),
                            MessageBoxes::Buttons::OkCancel, MessageBoxes::Tone::Warning))
        return;
    if (TextLines::exists(file) &&
        !MessageBoxes::show(this, QStringLiteral("Внимание"),
                            QStringLiteral("Уровень ") + quotedLevelName() + QStringLiteral(" существует. Перезаписать его?"),
                            MessageBoxes::Buttons::OkCancel, MessageBoxes::Tone::Warning))
        return;
    QStringList lines;
    for (const std::string& l : result.lines) lines << QString::fromStdString(l);
    try {
        TextLines::write(file, lines);
    } catch (const TambError& e) {
        ErrorReport::show(e.message());
        return;
    }
    MessageBoxes::show(this, QStringLiteral("Запись завершена"),
                       QStringLiteral("Уровень ") + quotedLevelName() + QStringLiteral(" успешно сохранен."),
                       MessageBoxes::Buttons::Ok);
    LevelSaved = true;
}

void TEditorForm::ClearLevelClick() {
    blankImage();
    for (std::size_t i = 0; i < EditorCells.size(); ++i) {
        advanceProgress();
        EditorCells[i] = Empty;
    }
    SaveOldImage();
}

void TEditorForm::ExitButtonClick() {
    QStringList& config = data_.LB1;
    if (config.isEmpty()) config << QString();
    config[0] = LevelCount->text();
    try {
        TextLines::write(configFileName(), config);
    } catch (const TambError& e) {
        // Reported, but never a trap: the editor can still be left.
        ErrorReport::show(e.message());
    }
    if (!LevelSaved &&
        !MessageBoxes::show(this, QStringLiteral("Уровень не сохранен"),
                            QStringLiteral("Нажмите ОК для выхода без записи уровня."), MessageBoxes::Buttons::OkCancel,
                            MessageBoxes::Tone::Warning))
        return;
    leave();
}

void TEditorForm::CheckLevelClick() {
    if (RouteCheck->running()) {
        RouteCheck->cancel();
        return;
    }
    // The level as drawn, through the save's own checks and the game's reading.
    const EncodeResult encoded = encodeLevel(EditorCells);
    if (encoded.check != LevelCheck::Ok) {
        compileError(checkMessage(encoded.check));
        return;
    }
    GameLevel level;
    try {
        level = decodeGameLevel(encoded.lines);
    } catch (const LevelFormatError& e) {
        compileError(QString::fromStdString(e.what()));
        return;
    }
    checkedLines_.clear();
    for (const std::string& l : encoded.lines) checkedLines_ << QString::fromStdString(l);
    RouteCheck->offerRoute = isSignalConnected(QMetaMethod::fromSignal(&TEditorForm::trialRequested));
    RouteCheck->start(level, levelNumber());
}

int TEditorForm::levelNumber() const {
    bool numbered = false;
    const int number = LevelCount->text().toInt(&numbered);
    return numbered && number > 0 ? number : 1;
}

void TEditorForm::TestPlayClick() {
    if (!isSignalConnected(QMetaMethod::fromSignal(&TEditorForm::trialRequested))) return;
    // The save's own checks, and the game's reading, before anything goes.
    const EncodeResult encoded = encodeLevel(EditorCells);
    if (encoded.check != LevelCheck::Ok) {
        compileError(checkMessage(encoded.check));
        return;
    }
    try {
        decodeGameLevel(encoded.lines);
    } catch (const LevelFormatError& e) {
        compileError(QString::fromStdString(e.what()));
        return;
    }
    TrialLevel trial;
    for (const std::string& l : encoded.lines) trial.lines << QString::fromStdString(l);
    trial.number = levelNumber();
    emit trialRequested(trial);
}

void TEditorForm::leaveForTrial() {
    // The game draws into the picture the preview keeps its cell in: the
    // cell goes back under the preview now, and is kept anew on return.
    previewOnReturn_ = previewShown_;
    if (previewShown_) {
        LoadOldImage();
        previewShown_ = false;
    }
    Painting = false;
    backFromTrial_ = true;
    leave();
}

void TEditorForm::keyPressEvent(QKeyEvent* event) {
    // Only the exit button leaves the editor; Esc must not skip its
    // questions. It stops a check that runs.
    if (event->key() == Qt::Key_Escape) {
        if (RouteCheck->running()) RouteCheck->cancel();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F5) {
        CheckLevelClick();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F9) {
        TestPlayClick();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        if (!Help->isVisible()) Help->popUp();
        event->accept();
        return;
    }
    GuardedDialog::keyPressEvent(event);
}

void TEditorForm::hideEvent(QHideEvent* event) {
    // No check outlives the editor on the screen.
    RouteCheck->cancel();
    GuardedDialog::hideEvent(event);
}

void TEditorForm::showEvent(QShowEvent* event) {
    GuardedDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (!std::exchange(backFromTrial_, false)) return FormActivate();
    OldCursorX = CursorX;
    OldCursorY = CursorY;
    SaveOldImage();
    if (previewOnReturn_) {
        EditorImage->bitmap().copyRect(cellRect(CursorX / kCellSize, CursorY / kCellSize), spriteSheet(), SpriteRect);
        EditorImage->update();
        previewShown_ = true;
    }
}

}  // namespace tamb
