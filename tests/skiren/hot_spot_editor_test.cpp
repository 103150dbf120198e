#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <set>

#include "desktop/twips.h"
#include "skiren/checkerboard.h"
#include "skiren/hot_spot.h"
#include "skiren/hot_spot_editor.h"
#include "skiren_files.h"
#include "support/keyboard_and_reader.h"
#include "support/scripted_desktop.h"

using namespace skiren;

namespace {

QStringList Captions(const HotSpotEditor& editor) {
    QStringList captions;
    for (QLabel* label : editor.valueLabels) captions << label->text();
    return captions;
}

// Presses on a line, moves the pointer to `to` (pixels relative to the line, also far outside
// it) and releases there.
void Drag(QWidget* line, QPoint to) {
    QTest::mousePress(line, Qt::LeftButton, {}, QPoint(0, 0));
    QMouseEvent move(QEvent::MouseMove, QPointF(to), line->mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(line, &move);
    QTest::mouseRelease(line, Qt::LeftButton, {}, to);
}

struct EditorOnFile {
    explicit EditorOnFile(const Bytes& icon, const std::string& name = "sipka.ico") {
        TestApplication();
        path = folder.path(name).string();
        WriteAll(path, icon);
        editor = std::make_unique<HotSpotEditor>(path, desktop);
    }
    ScratchFolder folder;
    ScriptedDesktop desktop;
    std::string path;
    std::unique_ptr<HotSpotEditor> editor;
};

}  // namespace

TEST(HotSpotEditor, OpensWithSizesAndZeroHotSpot) {
    EditorOnFile open(TestIcon(32, 32));
    const HotSpotEditor& editor = *open.editor;
    EXPECT_EQ(Captions(editor), (QStringList{" 32", " 32", " 0", " 0"}));
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Převod ikony na kurzor myši"));
    EXPECT_EQ(editor.valueNames[2]->text(), QStringLiteral("Klik X:"));
    EXPECT_TRUE(editor.okButton->isEnabled());
    EXPECT_EQ(editor.enlargedPicture->geometry(), QRect(16, 64, 185, 185));
    EXPECT_FALSE(open.desktop.ended);
}

TEST(HotSpotEditor, DraggingFollowsThePointerAndStopsAtBothEnds) {
    EditorOnFile open(TestIcon(32, 32));
    HotSpotEditor& editor = *open.editor;
    Drag(editor.verticalLine, QPoint(500, 0));
    EXPECT_EQ(editor.verticalLineLeftTwips(), 240 + 2775 - 70);
    EXPECT_EQ(editor.valueLabels[2]->text(), " 31");
    Drag(editor.verticalLine, QPoint(-500, 0));
    EXPECT_EQ(editor.verticalLineLeftTwips(), 240);
    EXPECT_EQ(editor.valueLabels[2]->text(), " 0");

    Drag(editor.horizontalLine, QPoint(0, 84));  // 1260 twips: 31 * 1260 / 2700 = 14.47
    EXPECT_EQ(editor.horizontalLineTopTwips(), 960 + 1260);
    EXPECT_EQ(editor.valueLabels[3]->text(), " 14");
    EXPECT_EQ(editor.verticalLine->x(), 16) << "a drag of one line leaves the other";

    // A move without a pressed button changes nothing.
    QMouseEvent idle(QEvent::MouseMove, QPointF(40, 1), QPointF(40, 1), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(editor.verticalLine, &idle);
    EXPECT_EQ(editor.verticalLineLeftTwips(), 240);
}

TEST(HotSpotEditor, NonSquareIconScalesEachAxis) {
    EditorOnFile open(TestIcon(48, 32));
    HotSpotEditor& editor = *open.editor;
    Drag(editor.verticalLine, QPoint(500, 0));
    Drag(editor.horizontalLine, QPoint(0, 500));
    EXPECT_EQ(Captions(editor), (QStringList{" 48", " 32", " 47", " 31"}));
}

TEST(HotSpotEditor, OkWritesTheCursorWithTheHotSpotShown) {
    EditorOnFile open(TestIcon(16, 16), "SIPKA.ICO");
    HotSpotEditor& editor = *open.editor;
    Drag(editor.verticalLine, QPoint(84, 0));  // 1260 twips: column 7
    Drag(editor.horizontalLine, QPoint(0, 36));
    const int shownRow = editor.valueLabels[3]->text().toInt();
    EXPECT_EQ(editor.valueLabels[2]->text(), " 7");
    QTest::mouseClick(editor.okButton, Qt::LeftButton);
    const Bytes cursor = ReadAll(open.folder.path("SIPKA.cur"));
    Bytes expected = TestIcon(16, 16);
    expected[2] = 2, expected[10] = 7, expected[12] = static_cast<std::uint8_t>(shownRow);
    EXPECT_EQ(cursor, expected);
    EXPECT_EQ(ReadAll(open.path), TestIcon(16, 16));
    EXPECT_TRUE(open.desktop.ended);
    EXPECT_TRUE(open.desktop.messages.empty());
}

TEST(HotSpotEditor, StornoAndEscapeWriteNothing) {
    EditorOnFile open(TestIcon(32, 32));
    QTest::keyClick(open.editor.get(), Qt::Key_Escape);
    EXPECT_TRUE(open.desktop.ended);
    EXPECT_FALSE(std::filesystem::exists(open.folder.path("sipka.cur")));
}

TEST(HotSpotEditor, IconOfSeveralSizesShowsTheLargestAndTheCursorKeepsEverySize) {
    const auto shade = [](int x, int y) { return 0xFF000000u | static_cast<std::uint32_t>(x << 8 | y); };
    const std::vector<Bytes> sizes{TestArgbCursor(16, 0, 0, shade, 1), TestIcon(32, 32),
                                   TestArgbCursor(48, 0, 0, shade, 1), TestArgbCursor(32, 0, 0, shade, 1)};
    EditorOnFile open(Combined(sizes, 1));
    HotSpotEditor& editor = *open.editor;
    EXPECT_EQ(Captions(editor), (QStringList{" 48", " 48", " 0", " 0"}));
    EXPECT_EQ(editor.enlargedPicture->picture().size(), QSize(48, 48));
    EXPECT_EQ(editor.enlargedPicture->picture().pixel(47, 5), shade(47, 5));
    EXPECT_TRUE(editor.okButton->isEnabled());
    Drag(editor.verticalLine, QPoint(500, 0));
    for (int i = 0; i < 3; ++i) QTest::keyClick(&editor, Qt::Key_Down);
    EXPECT_EQ(Captions(editor), (QStringList{" 48", " 48", " 47", " 3"}));

    QTest::mouseClick(editor.okButton, Qt::LeftButton);
    EXPECT_TRUE(open.desktop.ended);
    EXPECT_TRUE(open.desktop.messages.empty());
    // 47 at 48 px is 15.67 at 16 and 31.33 at 32; 3 is 1 and 2. Of the two 32 px images the
    // 32-bit one is kept, at the place of the first.
    const Bytes cursor = ReadAll(open.folder.path("sipka.cur"));
    EXPECT_EQ(DirectoryOf(cursor), (std::vector<EntryFields>{{16, 16, 15, 1}, {32, 32, 31, 2}, {48, 48, 47, 3}}));
    EXPECT_EQ(Bytes(cursor.begin() + 6 + 3 * 16, cursor.end()),
              (ExpectedBytes().raw(Bytes(sizes[0].begin() + 22, sizes[0].end()))
                   .raw(Bytes(sizes[3].begin() + 22, sizes[3].end()))
                   .raw(Bytes(sizes[2].begin() + 22, sizes[2].end()))
                   .bytes));
}

TEST(HotSpotEditor, UnreadablePictureOpensThePlaceholder) {
    Bytes garbage(100, 0x55);
    garbage[0] = garbage[1] = 0, garbage[2] = 1, garbage[3] = 0;
    EditorOnFile open(garbage);
    HotSpotEditor& editor = *open.editor;
    EXPECT_FALSE(open.desktop.ended);
    EXPECT_FALSE(editor.okButton->isEnabled());
    EXPECT_EQ(Captions(editor), (QStringList{"?", "?", "?", "?"}));
    EXPECT_EQ(editor.enlargedPicture->picture().size(), QSize(192, 192));
    Drag(editor.verticalLine, QPoint(500, 0));  // with the sizes 0 the far end gives -1
    EXPECT_EQ(Captions(editor), (QStringList{" 0", " 0", "-1", " 0"}));
}

// The picture reader may show part of such a file; the icon is still not taken for a good one.
TEST(HotSpotEditor, CutOrDamagedIconOpensThePlaceholderAndWritesNothing) {
    for (const char* name : {"sipka16_cut.ico", "lying_directory.ico", "lying_header.ico", "no_images.ico"}) {
        EditorOnFile open(ReadAll(TestData(name)));
        HotSpotEditor& editor = *open.editor;
        EXPECT_FALSE(open.desktop.ended) << name;
        EXPECT_TRUE(open.desktop.messages.empty()) << name;
        EXPECT_FALSE(editor.okButton->isEnabled()) << name;
        EXPECT_EQ(editor.enlargedPicture->picture().size(), QSize(192, 192)) << name;
        QTest::mouseClick(editor.okButton, Qt::LeftButton);
        EXPECT_FALSE(std::filesystem::exists(open.folder.path("sipka.cur"))) << name;
    }
}

TEST(HotSpotEditor, EmptyPictureIsNotValid) {
    TestApplication();
    ScratchFolder folder;
    WriteAll(folder.path("e.ico"), TestIcon(32, 32));
    ScriptedDesktop desktop;
    HotSpotEditor editor(folder.path("e.ico").string(), desktop,
                         [](const QString&) { return desktop::LoadedPicture{desktop::PictureLoadOutcome::Empty, {}}; });
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("Soubor není platný."));
    EXPECT_EQ(desktop.messages[0].icon, desktop::MessageIcon::Critical);
    EXPECT_TRUE(desktop.ended);
}

TEST(HotSpotEditor, SizeByteZeroMeans256) {
    TestApplication();
    ScratchFolder folder;
    WriteAll(folder.path("big.ico"), TestIcon(256, 32));  // its width byte is 0
    ScriptedDesktop desktop;
    const QImage picture(8, 8, QImage::Format_RGB32);
    HotSpotEditor editor(folder.path("big.ico").string(), desktop,
                         [&](const QString&) { return desktop::LoadedPicture{desktop::PictureLoadOutcome::Loaded, picture}; });
    EXPECT_EQ(editor.valueLabels[0]->text(), " 256");
    Drag(editor.verticalLine, QPoint(500, 0));
    EXPECT_EQ(editor.valueLabels[2]->text(), " 255");
}

TEST(HotSpotEditor, FailedWriteGivesTheFileErrorReport) {
    EditorOnFile open(TestIcon(32, 32));
    std::filesystem::create_directory(open.folder.path("sipka.cur"));
    QTest::mouseClick(open.editor->okButton, Qt::LeftButton);
    ASSERT_EQ(open.desktop.messages.size(), 1u);
    EXPECT_EQ(open.desktop.messages[0].icon, desktop::MessageIcon::Critical);
    EXPECT_EQ(open.desktop.exitStatus, 1);
    EXPECT_EQ(ReadAll(open.path), TestIcon(32, 32));
}

TEST(HotSpotEditor, PathWithoutRoomIsRefusedAtOk) {
    TestApplication();
    ScratchFolder folder;
    std::filesystem::create_directory(folder.path("d"));
    const std::string path = (folder.path("d") / "ab").string();
    WriteAll(path, TestIcon(32, 32));
    ScriptedDesktop desktop;
    HotSpotEditor editor(path, desktop);
    QTest::mouseClick(editor.okButton, Qt::LeftButton);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(desktop.messages[0].text.contains(QString::fromStdString(path)));
    EXPECT_FALSE(std::filesystem::exists(folder.path("dcur")));
}

TEST(HotSpotEditor, PlaceholderIsATwoColourPicture) {
    TestApplication();
    const QImage picture = PlaceholderPicture();
    ASSERT_EQ(picture.size(), QSize(192, 192));
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) colours.insert(picture.pixel(x, y) & 0xFFFFFFu);
    EXPECT_EQ(colours, (std::set<QRgb>{qRgb(211, 255, 205) & 0xFFFFFFu, qRgb(65, 0, 0) & 0xFFFFFFu}));
}

TEST(HotSpotEditor, ShowsAnIconWhosePlanesAndBitCountTheToolkitRefuses) {
    Bytes icon = TestIcon(32, 32);
    icon[10] = 7, icon[12] = 9;  // a hot spot left in the planes and bit-count fields
    EditorOnFile open(icon);
    const HotSpotEditor& editor = *open.editor;
    EXPECT_EQ(editor.enlargedPicture->picture().size(), QSize(32, 32)) << "the icon, not the placeholder";
    EXPECT_TRUE(editor.okButton->isEnabled());
    EXPECT_EQ(Captions(editor), (QStringList{" 32", " 32", " 0", " 0"}));
}

// However the mouse and the keys are mixed, the place a line is drawn at, read as a drop there,
// names the value its label shows; every key that changes a value moves its line that way; and
// "OK" writes what is shown. The keys work whatever button has the focus.
TEST(HotSpotEditor, LinesAndValuesAgreeAcrossDragsAndKeys) {
    for (int size : {16, 32, 48, 128, 256}) {
        EditorOnFile open(TestIcon(size, size));
        HotSpotEditor& editor = *open.editor;
        const auto shown = [&](int axis) { return editor.valueLabels[axis]->text().toStdString(); };
        const auto drawnColumn = [&] {
            return HotSpotCoordinate(desktop::PixelsToTwips(editor.verticalLine->x()), 240, 2775, 75, size);
        };
        const auto drawnRow = [&] {
            return HotSpotCoordinate(desktop::PixelsToTwips(editor.horizontalLine->y()), 960, 2775, 75, size);
        };
        const auto expectAgreement = [&](const std::string& after) {
            EXPECT_EQ(shown(2), ValueCaption(drawnColumn())) << size << " px after " << after;
            EXPECT_EQ(shown(3), ValueCaption(drawnRow())) << size << " px after " << after;
        };
        Drag(editor.verticalLine, QPoint(17, 0));  // to x = 33 px
        Drag(editor.horizontalLine, QPoint(0, 23));
        expectAgreement("the first drags");
        editor.okButton->setFocus();
        int step = 0;
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up}) {
            const QPoint before(editor.verticalLine->x(), editor.horizontalLine->y());
            const std::string columnBefore = shown(2), rowBefore = shown(3);
            QTest::keyClick(editor.focusWidget(), key);
            const std::string name = "key " + std::to_string(++step);
            expectAgreement(name);
            const QPoint moved = QPoint(editor.verticalLine->x(), editor.horizontalLine->y()) - before;
            const int forward = key == Qt::Key_Right || key == Qt::Key_Down ? 1 : -1;
            if (key == Qt::Key_Right || key == Qt::Key_Left) {
                EXPECT_NE(shown(2), columnBefore) << size << " px, " << name;
                EXPECT_GT(moved.x() * forward, 0) << size << " px, " << name;
            } else {
                EXPECT_NE(shown(3), rowBefore) << size << " px, " << name;
                EXPECT_GT(moved.y() * forward, 0) << size << " px, " << name;
            }
        }
        EXPECT_EQ(editor.focusWidget(), editor.okButton) << "the arrows do not move the focus";
        Drag(editor.verticalLine, QPoint(3, 0));
        Drag(editor.horizontalLine, QPoint(0, -2));
        expectAgreement("the second drags");
        QTest::keyClick(editor.cancelButton, Qt::Key_End);
        EXPECT_EQ(shown(2), ValueCaption(size - 1));
        expectAgreement("End");
        QTest::keyClick(&editor, Qt::Key_Left);
        expectAgreement("Left from the end");

        const int column = drawnColumn(), row = drawnRow();
        QTest::mouseClick(editor.okButton, Qt::LeftButton);
        const Bytes cursor = ReadAll(open.folder.path("sipka.cur"));
        ASSERT_GT(cursor.size(), 13u);
        EXPECT_EQ(cursor[10], column) << size;
        EXPECT_EQ(cursor[12], row) << size;
    }
}

TEST(HotSpotEditor, OverTheValuesThePointerIsTheIconWithTheHotSpotShown) {
    EditorOnFile open(TestIcon(48, 48));
    HotSpotEditor& editor = *open.editor;
    for (int i = 0; i < 40; ++i) QTest::keyClick(&editor, Qt::Key_Right);
    for (int i = 0; i < 7; ++i) QTest::keyClick(&editor, Qt::Key_Down);
    ASSERT_EQ(Captions(editor), (QStringList{" 48", " 48", " 40", " 7"}));
    // Over a label, over the gap between the two columns and at the far corner alike.
    for (const QPoint twips : {QPoint(500, 4450), QPoint(1620, 4800), QPoint(2760, 5400)}) {
        QWidget* under = editor.childAt(desktop::TwipsPoint(twips.x(), twips.y()));
        ASSERT_NE(under, nullptr);
        const QCursor pointer = under->cursor();
        ASSERT_EQ(pointer.shape(), Qt::BitmapCursor) << twips.x() << "," << twips.y();
        EXPECT_EQ(pointer.hotSpot(), QPoint(40, 7));
        EXPECT_EQ(pointer.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                  editor.enlargedPicture->picture().convertToFormat(QImage::Format_ARGB32));
    }
    QWidget* beside = editor.childAt(desktop::TwipsPoint(2900, 4450));
    EXPECT_EQ((beside ? beside : &editor)->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(editor.okButton->cursor().shape(), Qt::ArrowCursor);
}

TEST(HotSpotEditor, TransparentPixelsShowTheCheckerboard) {
    // Every byte of the test icon's mask is 7: columns 5, 6 and 7 of each eight are transparent.
    for (int size : {16, 32}) {
        EditorOnFile open(TestIcon(size, size));
        const QImage shown = open.editor->enlargedPicture->grab().toImage();
        const double cell = shown.width() / static_cast<double>(size);
        const auto at = [&](double column, int row) { return shown.pixel(static_cast<int>(column * cell), static_cast<int>((row + 0.5) * cell)) & 0xFFFFFFu; };
        EXPECT_EQ(at(0.5, 0), qRgb(0, 0, 7) & 0xFFFFFFu) << "opaque pixels as before";
        const QRgb light = kCheckerLight.rgb() & 0xFFFFFFu, dark = kCheckerDark.rgb() & 0xFFFFFFu;
        if (size == 32) {  // cells of one icon pixel
            EXPECT_EQ(at(5.5, 0), dark);
            EXPECT_EQ(at(6.5, 0), light);
            EXPECT_EQ(at(6.5, 1), dark);
        } else {  // an icon pixel is larger than 8 screen pixels: cells of 8
            EXPECT_EQ(shown.pixel(60, 4) & 0xFFFFFFu, dark);
            EXPECT_EQ(shown.pixel(66, 4) & 0xFFFFFFu, light);
            EXPECT_EQ(shown.pixel(66, 12) & 0xFFFFFFu, dark);
        }
    }
}

TEST(HotSpotEditor, AReaderHearsEveryControlAndEnterPressesTheFocusedButton) {
    EditorOnFile open(TestIcon(32, 32));
    HotSpotEditor& editor = *open.editor;
    editor.show();
    EXPECT_EQ(UnnamedControls(&editor), std::vector<std::string>{});
    EXPECT_EQ(QAccessible::queryAccessibleInterface(editor.valueLabels[2])->text(QAccessible::Name).toStdString(),
              "Klik X: 0");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(editor.pointerTrial)->state().invisible);
    EXPECT_EQ(ButtonsTheKeysDoNotPress(&editor), std::vector<std::string>{});
}
