#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <cmath>
#include <filesystem>

#include "desktop/twips.h"
#include "pelcor/bitmap_check.h"
#include "pelcor/cell_geometry.h"
#include "pelcor/icon_window.h"
#include "pelcor/transparency_mask.h"
#include "pelcor/icon_window_driver.h"
#include "support/keyboard_and_reader.h"
#include "support/scripted_desktop.h"
#include "support/window_layout.h"

using namespace pelcor;
namespace fs = std::filesystem;
using G = PictureBoxGeometry;

namespace {

QPointF DotCentre(int column, int row, int size) {
    return QPointF(desktop::TwipsToPixelsExact(MarkPoint(column, size, 0, G::kSide)),
                   desktop::TwipsToPixelsExact(MarkPoint(row, size, 0, G::kSide)));
}

// What the widget shows on the screen at a pixel of its layout, whatever the display's scale.
QRgb OnScreen(QWidget* widget, QPoint at) {
    const QImage shown = widget->grab().toImage();
    const qreal scale = shown.devicePixelRatio();
    return shown.pixel(QPoint(qFloor((at.x() + 0.5) * scale), qFloor((at.y() + 0.5) * scale))) & 0xFFFFFFu;
}

QColor Background(QWidget* widget) { return widget->palette().color(QPalette::Window); }

// Index 9 everywhere but a few single pixels.
Bytes GroundWithSpots(int size, std::vector<std::pair<QPoint, std::uint8_t>> spots) {
    return TestBitmap(size, [spots](int c, int r) {
        for (const auto& [at, index] : spots) if (at == QPoint(c, r)) return index;
        return std::uint8_t{9};
    }, DistinctColour);
}

QRgb Colour(int index) {
    const Rgb c = DistinctColour(index);
    return qRgb(c.red, c.green, c.blue) & 0xFFFFFFu;  // a colour read from the screen carries no alpha
}

bool MaskBit(const Bytes& icon, int size, int column, int row) {
    const std::size_t rowBytes = static_cast<std::size_t>(MaskRowBits(size) / 8);
    const std::size_t at = 62 + 1024 + static_cast<std::size_t>(size * size) + static_cast<std::size_t>(size - 1 - row) * rowBytes +
                           static_cast<std::size_t>(column / 8);
    return icon.at(at) & (0x80 >> (column % 8));
}

Bytes Entry(const Bytes& file, std::size_t paletteStart, int index) {
    return Bytes(file.begin() + static_cast<long>(paletteStart) + 4 * index, file.begin() + static_cast<long>(paletteStart) + 4 * index + 4);
}

}  // namespace

TEST(IconWindow, OpensWithEveryControlInSightAndTheStartState) {
    Pelcor run(PlainBitmap(32));
    IconWindow& w = *run.window;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Převod 256-barevného obrázku na ikonu"));
    EXPECT_EQ(w.size(), QSize(371, 437));
    EXPECT_EQ(w.pictureBox->size(), QSize(258, 258)) << "32 pixels enlarged to cells of about 8";
    ExpectInsideAndUncovered(w);
    // Under the picture: the colour row, then the marking row, then the buttons, each left to right.
    const auto row = [](std::initializer_list<QWidget*> controls) {
        const QWidget* previous = nullptr;
        for (QWidget* control : controls) {
            if (previous) {
                EXPECT_EQ(control->y(), previous->y()) << control->objectName().toStdString();
                EXPECT_GE(control->x(), previous->geometry().right()) << control->objectName().toStdString();
            }
            previous = control;
        }
    };
    row({w.transparencyCheck, w.transparentColourLabel, w.undoButton});
    row({w.markingLabel, w.colourSwatches[0], w.colourSwatches[1], w.colourSwatches[7]});
    row({w.okButton, w.cancelButton});
    EXPECT_LT(w.pictureBox->geometry().bottom(), w.transparencyCheck->y());
    EXPECT_LT(w.transparencyCheck->geometry().bottom(), w.markingLabel->y());
    EXPECT_LT(w.markingLabel->geometry().bottom(), w.okButton->y());
    for (ClickableLabel* swatch : w.colourSwatches) EXPECT_EQ(swatch->size(), w.colourSwatches[0]->size());
    EXPECT_EQ(w.colourSwatches[0]->width(), w.colourSwatches[0]->height()) << "square swatches";
    EXPECT_GE(w.markingLabel->width(), w.markingLabel->sizeHint().width()) << "the caption is read whole";
    // Each corner mark ends at a corner of the picture.
    const QRect picture = w.pictureBox->geometry().adjusted(-1, -1, 1, 1);
    for (QWidget* mark : w.cornerMarks) {
        const QRect near = mark->geometry().adjusted(-2, -2, 2, 2);
        EXPECT_TRUE(near.contains(picture.topLeft()) || near.contains(picture.topRight()) ||
                    near.contains(picture.bottomLeft()) || near.contains(picture.bottomRight()))
            << mark->objectName().toStdString();
    }
    // The keyboard reaches the picture, the box and Storno; O.K. once it is enabled.
    EXPECT_EQ(TabChain(w), (std::vector<QWidget*>{w.pictureBox, w.transparencyCheck, w.cancelButton}));
    EXPECT_EQ(Background(w.colourSwatches[3]), QColor(255, 0, 0));
    EXPECT_EQ(Background(w.colourSwatches[0]), Background(&w));
    EXPECT_EQ(Background(w.transparentColourLabel), Background(&w));
    EXPECT_EQ(w.instruction->text(), QStringLiteral("Klepněte na místo s barvou, která se má použít jako průhledná. Není to nutné."));
    EXPECT_EQ(w.markingLabel->text(), QStringLiteral("Značení průhlednosti:"));
    EXPECT_EQ(w.transparencyCheck->text(), QStringLiteral("Barva:"));
    EXPECT_FALSE(w.transparencyCheck->isChecked());
    EXPECT_TRUE(w.undoButton->isHidden());
    EXPECT_TRUE(w.previousColourLabel->isHidden());
    EXPECT_FALSE(w.okButton->isEnabled());
    EXPECT_TRUE(w.cancelButton->isEnabled());
    EXPECT_EQ(w.transparencyOn(), 0);
    EXPECT_FALSE(w.transparentColour().has_value());
    EXPECT_TRUE(w.penInvert());
    EXPECT_EQ(w.penColour(), QColor(0, 0, 0));
    EXPECT_EQ(run.timers[3].interval(), 50);
    EXPECT_EQ(run.timers[1].interval(), 0);
    EXPECT_FALSE(run.desktop.ended);
}

TEST(IconWindow, PenWidthFollowsThePictureSize) {
    const std::pair<int, int> widths[] = {{16, 6}, {24, 6}, {32, 6}, {48, 4}, {64, 3}, {96, 2}};
    for (const auto& [size, width] : widths) {
        Pelcor run(PlainBitmap(size));
        EXPECT_EQ(run.window->penWidth(), width) << size;
    }
}

TEST(IconWindow, RefusalIsOneMessageTitledWithTheAboutLine) {
    TestApplication();
    ScratchFolder folder;
    Bytes noSignature = PlainBitmap(16);
    noSignature[0] = 'X';
    WriteAll(folder.path("xx.bmp"), noSignature);
    WriteAll(folder.path("short.bmp"), Bytes(1333, 0));
    int loads = 0;
    auto loadsAnything = [&loads](const QString&) {
        ++loads;
        return desktop::LoadedPicture{desktop::PictureLoadOutcome::Loaded, QImage(16, 16, QImage::Format_RGB32)};
    };
    for (const std::string& path : {std::string(), folder.path("xx.bmp").string(), folder.path("short.bmp").string(),
                                    "\"" + folder.path("xx.bmp").string() + "\"", folder.path("none.bmp").string()}) {
        ScriptedDesktop desktop;
        TimerRig timers;
        EXPECT_EQ(IconWindow::Open(path, folder.path("s.tmp").string(), desktop, timers.factory(), loadsAnything), nullptr);
        ASSERT_EQ(desktop.messages.size(), 1u) << path;
        EXPECT_EQ(desktop.messages[0].text, kRefusalText);
        EXPECT_EQ(desktop.messages[0].icon, desktop::MessageIcon::Critical);
        EXPECT_EQ(desktop.messages[0].buttons, desktop::MessageButtons::Ok);
        EXPECT_EQ(desktop.messages[0].title, kAboutLine);
        EXPECT_TRUE(kAboutLine.startsWith(QStringLiteral("Převod 256-barevného obrázku na ikonu, ")));
        EXPECT_TRUE(desktop.ended);
    }
    EXPECT_EQ(loads, 0) << "length and signature are checked before the picture is decoded";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.root()), fs::directory_iterator()), 2);

    // A bitmap of the right length and signature that the platform cannot load is refused too.
    WriteAll(folder.path("ok.bmp"), PlainBitmap(16));
    ScriptedDesktop desktop;
    TimerRig timers;
    EXPECT_EQ(IconWindow::Open(folder.path("ok.bmp").string(), "s.tmp", desktop, timers.factory(),
                               [](const QString&) { return desktop::LoadedPicture{}; }),
              nullptr);
    EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST(IconWindow, OkWaitsForTheSixthTickAndStornoWorksMeanwhile) {
    Pelcor run(PlainBitmap(16));
    for (int i = 0; i < 5; ++i) run.timers[3].tick();
    EXPECT_FALSE(run.window->okButton->isEnabled());
    QTest::mouseClick(run.window->okButton, Qt::LeftButton);
    EXPECT_FALSE(run.desktop.ended) << "a disabled O.K. does nothing";
    run.timers[3].tick();
    EXPECT_TRUE(run.window->okButton->isEnabled());
    EXPECT_EQ(run.timers[3].interval(), 0);

    Pelcor early(PlainBitmap(16));
    QTest::mouseClick(early.window->cancelButton, Qt::LeftButton);
    EXPECT_TRUE(early.desktop.ended);
    EXPECT_EQ(early.desktop.exitStatus, 0);
    EXPECT_FALSE(fs::exists(early.folder.path("kytka.ico")));
}

TEST(IconWindow, RealTimersKeepOkDisabledForAbout300Milliseconds) {
    TestApplication();
    ScratchFolder folder;
    WriteAll(folder.path("k.bmp"), PlainBitmap(16));
    ScriptedDesktop desktop;
    QElapsedTimer clock;
    clock.start();
    auto window = IconWindow::Open(folder.path("k.bmp").string(), folder.path("s.tmp").string(), desktop);
    ASSERT_TRUE(window);
    window->show();
    QTest::qWait(150);
    EXPECT_FALSE(window->okButton->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->okButton->isEnabled(); }, 2000));
    EXPECT_GE(clock.elapsed(), 280);
}

TEST(IconWindow, PickOnAOnePixelColourMarksOneDot) {
    Pelcor run(GroundWithSpots(32, {{QPoint(5, 7), 77}}));
    IconWindow& w = *run.window;
    run.press(5, 7);
    EXPECT_TRUE(w.transparencyCheck->isChecked()) << "checked at once";
    EXPECT_EQ(w.transparencyOn(), 1);
    EXPECT_EQ(w.pickColumn(), 5);
    EXPECT_EQ(w.pickRow(), 7);
    EXPECT_EQ(w.clickX(), CellPixel(5, 7, 32).x() * 15);
    run.timers[1].tick();
    EXPECT_FALSE(w.transparentColour().has_value()) << "the first tick only waits";
    run.timers[1].tick();
    EXPECT_EQ(w.transparentColour(), Colour(77));
    EXPECT_EQ(Background(w.transparentColourLabel), QColor::fromRgb(Colour(77)));
    ASSERT_EQ(w.pictureBox->dots().size(), 1u);
    EXPECT_EQ(w.pictureBox->dots()[0].centre, DotCentre(5, 7, 32));
    EXPECT_TRUE(w.pictureBox->dots()[0].invert);
    EXPECT_EQ(w.pictureBox->dots()[0].width, 6);
    EXPECT_FALSE(w.undoButton->isHidden());
    EXPECT_EQ(run.timers[1].interval(), 0);
    EXPECT_FALSE(w.previousColour().has_value());
    // "Zpět" appears beside the colour, covering nothing, and Tab reaches it.
    ExpectInsideAndUncovered(w);
    run.ready();
    EXPECT_EQ(TabChain(w),
              (std::vector<QWidget*>{w.pictureBox, w.transparencyCheck, w.undoButton, w.okButton, w.cancelButton}));

    // The dot really inverts the cell on screen.
    EXPECT_EQ(OnScreen(w.pictureBox, CellPixel(5, 7, 32)), Colour(77) ^ 0xFFFFFFu);
}

TEST(IconWindow, TwoPicksThenUndoBringsTheFirstColoursDotsBack) {
    Pelcor run(GroundWithSpots(16, {{QPoint(1, 1), 50}, {QPoint(2, 2), 50}, {QPoint(9, 9), 60}}));
    IconWindow& w = *run.window;
    run.pick(1, 1);
    run.pick(9, 9);
    EXPECT_EQ(w.transparentColour(), Colour(60));
    EXPECT_EQ(w.previousColour(), Colour(50));
    EXPECT_EQ(w.pictureBox->dots().size(), 1u);
    QTest::mouseClick(w.undoButton, Qt::LeftButton);
    EXPECT_TRUE(w.pictureBox->dots().empty());
    EXPECT_TRUE(w.undoButton->isHidden());
    EXPECT_EQ(w.transparentColour(), Colour(50));
    run.timers[2].tick();
    EXPECT_TRUE(w.pictureBox->dots().empty());
    run.timers[2].tick();
    ASSERT_EQ(w.pictureBox->dots().size(), 2u);
    EXPECT_EQ(w.pictureBox->dots()[0].centre, DotCentre(1, 1, 16));
    EXPECT_EQ(w.pictureBox->dots()[1].centre, DotCentre(2, 2, 16));
    EXPECT_TRUE(w.undoButton->isHidden()) << "one level of undo";
    EXPECT_EQ(run.timers[2].interval(), 0);

    // The icon blackens the restored colour's entry, not that of the pick taken back.
    run.ok();
    const Bytes icon = run.icon();
    const Bytes bitmap = ReadAll(run.path);
    EXPECT_EQ(Entry(icon, 62, 50), Bytes(4, 0));
    EXPECT_EQ(Entry(icon, 62, 60), Entry(bitmap, 54, 60));
    EXPECT_TRUE(MaskBit(icon, 16, 1, 1));
    EXPECT_TRUE(MaskBit(icon, 16, 2, 2));
    EXPECT_FALSE(MaskBit(icon, 16, 9, 9));
}

TEST(IconWindow, UndoDuringAPendingPickLeavesEachCellMarkedOnce) {
    Pelcor run(GroundWithSpots(16, {{QPoint(1, 1), 50}, {QPoint(5, 5), 60}, {QPoint(6, 6), 60}}));
    IconWindow& w = *run.window;
    run.pick(1, 1);
    run.press(5, 5);
    QTest::mouseClick(w.undoButton, Qt::LeftButton);  // still shown while the pick waits
    for (int i = 0; i < 2; ++i) {
        run.timers[1].tick();
        run.timers[2].tick();
    }
    EXPECT_EQ(w.transparentColour(), Colour(60));
    ASSERT_EQ(w.pictureBox->dots().size(), 2u) << "marked twice, inverting dots would cancel out";
    EXPECT_EQ(OnScreen(w.pictureBox, CellPixel(5, 5, 16)), Colour(60) ^ 0xFFFFFFu);
}

TEST(IconWindow, UndoRightAfterTheFirstPickReturnsToNoPick) {
    Pelcor run(GroundWithSpots(24, {{QPoint(3, 3), 40}}));
    IconWindow& w = *run.window;
    run.pick(3, 3);
    run.undo();
    EXPECT_FALSE(w.transparentColour().has_value());
    EXPECT_EQ(Background(w.transparentColourLabel), Background(&w));
    EXPECT_TRUE(w.pictureBox->dots().empty());
    EXPECT_TRUE(w.undoButton->isHidden());
    EXPECT_TRUE(w.transparencyCheck->isChecked());
    run.ok();
    const Bytes icon = run.icon();
    const Bytes bitmap = ReadAll(run.path);
    EXPECT_EQ(Bytes(icon.begin() + 62, icon.begin() + 62 + 1024), Bytes(bitmap.begin() + 54, bitmap.begin() + 1078));
    EXPECT_TRUE(std::all_of(icon.begin() + 62 + 1024 + 24 * 24, icon.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(IconWindow, BackgroundColouredBitmapStaysOpaqueAfterUndoToNoPick) {
    TestApplication();
    const QColor system = QApplication::palette().color(QPalette::Window);
    auto colours = [system](int i) {
        return i == 9 ? Rgb{static_cast<std::uint8_t>(system.red()), static_cast<std::uint8_t>(system.green()),
                            static_cast<std::uint8_t>(system.blue())}
                      : DistinctColour(i);
    };
    Pelcor run(TestBitmap(16, [](int c, int) { return static_cast<std::uint8_t>(c < 8 ? 9 : 30); }, colours));
    IconWindow& w = *run.window;
    run.pick(12, 0);
    EXPECT_EQ(w.pictureBox->dots().size(), 8u * 16);
    run.undo();
    EXPECT_TRUE(w.pictureBox->dots().empty()) << "the system colour matches no pixel, even of its own RGB";
    run.ok();
    const Bytes icon = run.icon();
    EXPECT_EQ(Entry(icon, 62, 9), Entry(ReadAll(run.path), 54, 9));
    EXPECT_EQ(Entry(icon, 62, 30), Entry(ReadAll(run.path), 54, 30));
    EXPECT_TRUE(std::all_of(icon.begin() + 62 + 1024 + 256, icon.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(IconWindow, SwatchBeforeAnyPickOnlyChangesThePen) {
    Pelcor run(GroundWithSpots(16, {{QPoint(4, 4), 70}}));
    IconWindow& w = *run.window;
    QTest::mouseClick(w.colourSwatches[5], Qt::LeftButton);
    EXPECT_FALSE(w.penInvert());
    EXPECT_EQ(w.penColour(), QColor(0, 0, 255));
    EXPECT_TRUE(w.pictureBox->dots().empty());
    EXPECT_TRUE(w.undoButton->isHidden());
    EXPECT_FALSE(w.transparencyCheck->isChecked());
    run.pick(4, 4);
    ASSERT_EQ(w.pictureBox->dots().size(), 1u);
    EXPECT_EQ(w.pictureBox->dots()[0].colour, QColor(0, 0, 255));
    EXPECT_FALSE(w.pictureBox->dots()[0].invert);
    EXPECT_EQ(OnScreen(w.pictureBox, CellPixel(4, 4, 16)), 0x0000FFu);
}

TEST(IconWindow, SwatchWhileMarkedRedrawsTheDotsInTheNewColour) {
    Pelcor run(GroundWithSpots(16, {{QPoint(4, 4), 70}, {QPoint(10, 12), 70}}));
    IconWindow& w = *run.window;
    run.pick(4, 4);
    QTest::mouseClick(w.colourSwatches[3], Qt::LeftButton);
    ASSERT_EQ(w.pictureBox->dots().size(), 2u);
    for (const Dot& dot : w.pictureBox->dots()) {
        EXPECT_EQ(dot.colour, QColor(255, 0, 0));
        EXPECT_FALSE(dot.invert);
    }
    EXPECT_FALSE(w.undoButton->isHidden());
    QTest::mouseClick(w.colourSwatches[0], Qt::LeftButton);
    EXPECT_EQ(w.pictureBox->dots().at(0).colour, Background(&w)) << "swatch 0 draws in the window's background";
}

TEST(IconWindow, UncheckingAfterAPickKeepsTheDotsButWritesAnOpaqueIcon) {
    Pelcor run(GroundWithSpots(16, {{QPoint(4, 4), 70}}));
    IconWindow& w = *run.window;
    run.pick(4, 4);
    QTest::mouseClick(w.transparencyCheck, Qt::LeftButton);
    EXPECT_FALSE(w.transparencyCheck->isChecked());
    EXPECT_EQ(w.transparencyOn(), 0);
    EXPECT_EQ(w.pictureBox->dots().size(), 1u);
    EXPECT_EQ(w.transparentColour(), Colour(70));
    run.ok();
    const Bytes icon = run.icon();
    EXPECT_EQ(Entry(icon, 62, 70), Entry(ReadAll(run.path), 54, 70));
    EXPECT_FALSE(MaskBit(icon, 16, 4, 4));
}

TEST(IconWindow, CheckingByHandFollowsTheBoxButNeedsAPick) {
    Pelcor run(GroundWithSpots(16, {{QPoint(4, 4), 70}}));
    IconWindow& w = *run.window;
    QTest::mouseClick(w.transparencyCheck, Qt::LeftButton);
    EXPECT_EQ(w.transparencyOn(), 1);
    run.ok();
    const Bytes icon = run.icon();
    const Bytes bitmap = ReadAll(run.path);
    EXPECT_EQ(Bytes(icon.begin() + 62, icon.begin() + 1086), Bytes(bitmap.begin() + 54, bitmap.begin() + 1078));

    Pelcor again(GroundWithSpots(16, {{QPoint(4, 4), 70}}));
    again.pick(4, 4);
    QTest::mouseClick(again.window->transparencyCheck, Qt::LeftButton);
    QTest::mouseClick(again.window->transparencyCheck, Qt::LeftButton);
    EXPECT_EQ(again.window->transparencyOn(), 1) << "checked again, the pick counts again";
    again.ok();
    EXPECT_TRUE(MaskBit(again.icon(), 16, 4, 4));
}

TEST(IconWindow, EveryCellIsShownInItsOwnColourAndCornersGetOneDotEach) {
    for (int size : {16, 24, 32, 48, 64, 96}) {
        // A distinct index in every corner; elsewhere a pattern of the other indices.
        auto index = [size](int c, int r) -> std::uint8_t {
            if (c == 0 && r == 0) return 250;
            if (c == size - 1 && r == 0) return 251;
            if (c == 0 && r == size - 1) return 252;
            if (c == size - 1 && r == size - 1) return 253;
            return static_cast<std::uint8_t>((c * 5 + r * 11) % 240);
        };
        Pelcor run(TestBitmap(size, index, DistinctColour));
        IconWindow& w = *run.window;
        const QImage rendering = w.pictureBox->renderClean();
        for (int r = 0; r < size; ++r)
            for (int c = 0; c < size; ++c) {
                const QRgb expected = Colour(index(c, r));
                ASSERT_EQ(ShownColourAt(rendering, MarkPoint(c, size, G::kLeft, G::kSide), MarkPoint(r, size, G::kTop, G::kSide)),
                          expected) << size << ": mark point " << c << "," << r;
            }
        for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)}) {
            run.pick(corner.x(), corner.y());
            EXPECT_EQ(w.pickColumn(), corner.x());
            EXPECT_EQ(w.pickRow(), corner.y());
            ASSERT_EQ(w.pictureBox->dots().size(), 1u) << size;
            EXPECT_EQ(w.pictureBox->dots()[0].centre, DotCentre(corner.x(), corner.y(), size));
            EXPECT_EQ(w.pictureBox->dots()[0].width, PenWidthFor(size));
        }
    }
}

TEST(IconWindow, OkWritesTheIconTheUserPicked) {
    // Entries 20 and 21 hold one colour: both are transparent and both are blackened.
    auto colours = [](int i) { return i == 21 ? DistinctColour(20) : DistinctColour(i); };
    auto index = [](int c, int r) -> std::uint8_t { return c < 12 ? (r % 2 ? 20 : 21) : static_cast<std::uint8_t>(100 + r); };
    Pelcor run(TestBitmap(48, index, colours));
    IconWindow& w = *run.window;
    run.pick(0, 0);
    EXPECT_EQ(w.pictureBox->dots().size(), 12u * 48);
    run.ok();
    EXPECT_TRUE(run.desktop.ended);
    EXPECT_EQ(run.desktop.exitStatus, 0);
    EXPECT_TRUE(run.desktop.messages.empty());
    EXPECT_EQ(run.desktop.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_TRUE(w.cornerMarks[6]->isHidden());
    EXPECT_TRUE(w.cornerMarks[7]->isHidden());
    EXPECT_FALSE(fs::exists(w.scratchPath())) << "the scratch file is gone";
    const Bytes icon = run.icon();
    const Bytes bitmap = ReadAll(run.path);
    ASSERT_EQ(icon.size(), 3774u);
    for (int r = 0; r < 48; ++r)
        for (int c = 0; c < 48; ++c) EXPECT_EQ(MaskBit(icon, 48, c, r), c < 12) << c << "," << r;
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(Entry(icon, 62, i), (i == 20 || i == 21) ? Bytes(4, 0) : Entry(bitmap, 54, i)) << i;
    EXPECT_EQ(Bytes(icon.begin() + 1086, icon.begin() + 1086 + 48 * 48), Bytes(bitmap.begin() + 1078, bitmap.end()));
}

TEST(IconWindow, OkDuringAPendingPickStopsItAndReadsACleanPicture) {
    Pelcor run(GroundWithSpots(16, {{QPoint(2, 2), 80}, {QPoint(6, 6), 81}}));
    IconWindow& w = *run.window;
    run.pick(2, 2);
    run.press(6, 6);
    run.timers[1].tick();
    run.ok();
    EXPECT_EQ(run.timers[1].interval(), 0);
    EXPECT_EQ(run.timers[2].interval(), 0);
    EXPECT_TRUE(w.pictureBox->dots().empty());
    EXPECT_EQ(w.transparentColour(), Colour(80)) << "the pending pick never happened";
    const Bytes icon = run.icon();
    EXPECT_TRUE(MaskBit(icon, 16, 2, 2));
    EXPECT_FALSE(MaskBit(icon, 16, 6, 6));
    EXPECT_EQ(Entry(icon, 62, 80), Bytes(4, 0));
}

TEST(IconWindow, IconThatWouldBeTheBitmapItselfIsRefusedAtOk) {
    const Bytes bitmap = GroundWithSpots(16, {});
    Pelcor run(bitmap, "obrazek.ico");
    run.ok();
    ASSERT_EQ(run.desktop.messages.size(), 1u);
    EXPECT_EQ(run.desktop.messages[0].icon, desktop::MessageIcon::Critical);
    EXPECT_TRUE(run.desktop.messages[0].text.contains(QString::fromStdString(run.path)));
    EXPECT_TRUE(run.desktop.ended);
    EXPECT_EQ(ReadAll(run.path), bitmap);

    Pelcor linked(bitmap, "kytka.bmp");
    fs::create_symlink(linked.path, linked.folder.path("kytka.ico"));
    linked.ok();
    EXPECT_EQ(linked.desktop.messages.size(), 1u);
    EXPECT_EQ(ReadAll(linked.path), bitmap);
}

TEST(IconWindow, FileErrorAtOkGivesTheReportAndLeavesEverything) {
    const Bytes bitmap = GroundWithSpots(16, {{QPoint(2, 2), 80}});
    Pelcor run(bitmap);
    fs::create_directory(run.folder.path("kytka.ico"));
    run.pick(2, 2);
    run.ok();
    ASSERT_EQ(run.desktop.messages.size(), 1u);
    EXPECT_EQ(run.desktop.messages[0].icon, desktop::MessageIcon::Critical);
    EXPECT_TRUE(run.desktop.messages[0].text.contains(QString::fromStdString(run.folder.path("kytka.ico").string())));
    EXPECT_EQ(run.desktop.exitStatus, 1);
    EXPECT_EQ(ReadAll(run.path), bitmap);
    EXPECT_FALSE(fs::exists(run.window->scratchPath()));
    EXPECT_EQ(std::distance(fs::directory_iterator(run.folder.root()), fs::directory_iterator()), 2);
}

TEST(IconWindow, ClosingTheWindowEndsWithoutWriting) {
    Pelcor run(PlainBitmap(16));
    run.pick(3, 3);
    run.window->close();
    EXPECT_TRUE(run.desktop.ended);
    EXPECT_FALSE(fs::exists(run.folder.path("kytka.ico")));
}

TEST(IconWindow, APressOnAnEdgeCellUnderACornerLineStillPicks) {
    Pelcor run(GroundWithSpots(32, {}));
    IconWindow& w = *run.window;
    const QPoint corners[] = {{56, 312}, {312, 56}, {312, 312}};  // where corner marks 2, 6 and 7/8 cross the picture
    const std::pair<int, int> cells[] = {{0, 31}, {31, 0}, {31, 31}};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(w.childAt(corners[i]), w.pictureBox) << i;
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, corners[i]);
        EXPECT_EQ(std::pair(w.pickColumn(), w.pickRow()), cells[i]) << i;
    }
}

TEST(IconWindow, BitmapsFromCommonToolsGiveTheClassicBitmapsIcon) {
    // Sixteen colours in stripes with a patch of unequal pixels, so runs and literal stretches occur.
    auto index = [](int c, int r) -> std::uint8_t {
        return static_cast<std::uint8_t>(r > 20 && c > 20 ? (c * 7 + r) % 16 : (c / 3 + r / 4) % 16);
    };
    auto colours = [](int i) { return i < 16 ? DistinctColour(i * 13 + 2) : Rgb{0, 0, 0}; };
    const auto iconOf = [](const Bytes& bitmap) {
        Pelcor run(bitmap);
        EXPECT_TRUE(run.window) << "accepted";
        if (!run.window) return Bytes();
        run.pick(5, 0);
        run.ok();
        EXPECT_TRUE(run.desktop.messages.empty());
        return run.icon();
    };
    const Bytes classic = iconOf(TestBitmap(32, index, colours));
    ASSERT_EQ(classic.size(), 22u + 40 + 1024 + 32 * 32 + 32 * 4);
    ASSERT_TRUE(MaskBit(classic, 32, 5, 0)) << "the picked colour is transparent";
    for (const BitmapLayout& layout : {BitmapLayout{124, 8, false, false, 256}, BitmapLayout{124, 8, true, false, 16},
                                       BitmapLayout{40, 8, true, false, 256}, BitmapLayout{40, 4, false, false, 16},
                                       BitmapLayout{108, 4, true, false, 16}})
        EXPECT_EQ(iconOf(EncodedBitmap(32, index, colours, layout)), classic)
            << layout.headerSize << "/" << layout.bitCount << "/" << layout.runLength;
}

TEST(IconWindow, TheKeyboardPicksTheFramedCellAsAClickWould) {
    Pelcor run(GroundWithSpots(16, {{QPoint(3, 2), 77}}));
    IconWindow& w = *run.window;
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.pictureBox->setFocus();
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
        QTest::keyClick(w.pictureBox, key);
    EXPECT_EQ(w.pictureBox->cellCursor(), QPoint(3, 2)) << "the cursor stops at the picture's edge";
    // The frame shows on screen around the cell, and only there.
    const double cell = desktop::TwipsToPixelsExact(G::kSide) / 16;
    EXPECT_EQ(OnScreen(w.pictureBox, QPoint(qFloor(3 * cell), qFloor(2 * cell))), 0u);
    EXPECT_EQ(OnScreen(w.pictureBox, CellPixel(3, 2, 16)), Colour(77));
    QTest::keyClick(w.pictureBox, Qt::Key_Space);
    run.timers[1].tick();
    run.timers[1].tick();
    EXPECT_EQ(w.pickColumn(), 3);
    EXPECT_EQ(w.pickRow(), 2);
    EXPECT_EQ(w.transparentColour(), Colour(77)) << "read from the picture without the frame";
    EXPECT_EQ(w.pictureBox->dots().size(), 1u);
}

TEST(IconWindow, AReaderHearsEveryControlAndEnterPressesTheFocusedButton) {
    Pelcor run(GroundWithSpots(16, {}));
    IconWindow& w = *run.window;
    run.pick(4, 4);  // "Zpět" shows
    EXPECT_EQ(UnnamedControls(&w), std::vector<std::string>{});
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(w.previousColourLabel)->state().invisible);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(w.cornerMarks[0])->state().invisible);
    run.ready();
    EXPECT_EQ(ButtonsTheKeysDoNotPress(&w), std::vector<std::string>{});
}
