#pragma once
// The editor in a game folder of its own: a generated sprite sheet in which every item has a colour of its own, and
// message boxes and error reports answered by the test.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QToolButton>
#include <QFile>
#include <QTest>
#include <deque>
#include <memory>

#include "EditorItems.h"
#include "FormsHarness.h"
#include "ImageView.h"
#include "LevelCodec.h"
#include "SpriteLayout.h"
#include "TextLines.h"

namespace tamb::test {

using Message = CapturedReports::Message;

// The colour of an item's picture in the generated sheet.
inline QRgb itemColour(int32_t code) {
    const auto& items = editorItems();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].code == code)
            return qRgb(40 + static_cast<int>(i) * 9, 250 - static_cast<int>(i) * 11, 60 + static_cast<int>(i) * 7);
    return qRgb(0, 0, 0);
}

inline Bitmap generatedSheet() {
    Bitmap sheet(360, 434);
    for (const EditorItemInfo& item : editorItems())
        if (item.code != Empty) sheet.fillRect(item.preview, itemColour(item.code));
    // The rectangles a loaded level uses where they differ from the preview.
    sheet.fillRect(sprites::stripFrame(kExitDoorStrip, 1), itemColour(OutDoor));
    return sheet;
}

class EditorTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("levels")));
        createForms(false);
        editor = editorForm;
        ctx().ConfigFileName = dir.filePath(QStringLiteral("tamb.cfg"));
        ctx().pictures.SpriteSheet = generatedSheet();
        ctx().pictures.ArenaBitmap = Bitmap(640, 440);
        ctx().pictures.BlankBitmap = Bitmap(640, 440);
    }

    void TearDown() override {
        if (editor) editor->hide();
        FormsTest::TearDown();
    }

    // Shows the editor on the level held in item 0 of the configuration
    // list; returns the texts of the messages it showed.
    QStringList open(const QString& level = QStringLiteral("1")) {
        dataForm->LB1[0] = level;
        messages.clear();
        editor->show();
        QCoreApplication::processEvents();
        const QStringList shown = texts();
        messages.clear();
        return shown;
    }

    QString levelPath(const QString& number) const { return dir.filePath(QStringLiteral("levels/level") + number); }

    void writeLevel(const QString& number, const std::vector<std::string>& lines) {
        QStringList l;
        for (const auto& s : lines) l << QString::fromStdString(s);
        TextLines::write(levelPath(number), l);
    }

    void pick(int32_t code) { QTest::mouseClick(editor->ItemGroup->button(code), Qt::LeftButton); }

    static QPoint centre(int col, int row) { return QPoint(col * 20 + 10, row * 20 + 10); }

    // Paints one cell the way a user does: pick, move there, click.
    void paint(int col, int row, int32_t code) {
        pick(code);
        QTest::mouseMove(editor->EditorImage, centre(col, row));
        QTest::mouseClick(editor->EditorImage, Qt::LeftButton, {}, centre(col, row));
    }

    // A level the save accepts, painted with the mouse.
    void paintValidLevel() {
        paint(3, 3, Klad);
        paint(30, 20, OutDoor);
        paint(1, 20, Man);
        paint(2, 20, ManDoor);
        paint(20, 1, ShetsDoor);
        paint(21, 1, Shets);
        for (int c = 0; c < 32; ++c) paint(c, 21, SuperKirp);
    }

    void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    int32_t cell(int col, int row) const { return editor->EditorCells[static_cast<std::size_t>(row * 32 + col)]; }
    QRgb pixelOf(int col, int row) const { return editor->EditorImage->bitmap().pixel(col * 20 + 10, row * 20 + 10); }

    QStringList texts() const { return reports.messageTexts(); }

    TEditorForm* editor = nullptr;
    std::vector<Message>& messages = reports.messages;
    std::deque<bool>& answers = reports.answers;
};

}  // namespace tamb::test
