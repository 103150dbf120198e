// Cursors of 16 to 128 pixels in the wizard: every frame one cell, every step reachable, and
// each cursor tried as the pointer.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "animace/wizard/finish_window.h"
#include "wizard_files.h"

namespace {

const QColor kRed(255, 0, 0), kGreen(0, 255, 0);
constexpr int kSizes[] = {16, 32, 48, 128};

QString CursorName(int size) { return QStringLiteral("c%1.cur").arg(size); }

// The wizard on a folder of cursors of every size, each with the hot spot (40, 7).
struct SizesOnFolder : PickerOnFolder {
    SizesOnFolder() {
        for (int size : kSizes) WriteAll(cursors() / CursorName(size).toStdString(), ColouredCursor(size, {40, 7}));
    }
};

// What the window shows at `point` of `box`.
QColor ShownAt(QWidget* box, QPoint point) {
    QWidget* window = box->window();
    return window->grab().toImage().pixelColor(box->mapTo(window, point));
}

// The pointer the desktop shows over the middle of `box`: the cursor of the widget found there.
QCursor PointerOver(QWidget* box) {
    QWidget* window = box->window();
    QWidget* under = window->childAt(box->mapTo(window, box->rect().center()));
    return under ? under->cursor() : window->cursor();
}

void ExpectPointerIs(const QCursor& pointer, const QPixmap& picture, QPoint hotSpot) {
    ASSERT_EQ(pointer.shape(), Qt::BitmapCursor);
    EXPECT_EQ(pointer.hotSpot(), hotSpot);
    EXPECT_EQ(pointer.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              picture.toImage().convertToFormat(QImage::Format_ARGB32));
}

}  // namespace

TEST(AnySize, EveryFrameIsOneCellShowingItsWholePicture) {
    SizesOnFolder open;
    animace::CursorPicker& form = *open.form;
    for (int size : kSizes) open.pick(CursorName(size));
    EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("frameStrip"))->width(), 128);
    for (int k = 1; k <= 4; ++k) {
        animace::ImageBox* cell = form.frame(k);
        EXPECT_EQ(cell->geometry(), QRect(32 * (k - 1), 0, 32, 32)) << k;
        EXPECT_EQ(cell->picture().width(), kSizes[k - 1]) << "the box keeps the picture itself";
        // Larger pictures are scaled down to the whole cell; smaller ones stand in its middle.
        const QRect shown = kSizes[k - 1] >= 32 ? QRect(0, 0, 32, 32) : QRect(8, 8, 16, 16);
        EXPECT_EQ(ShownAt(cell, shown.topLeft()), kRed) << k;
        EXPECT_EQ(ShownAt(cell, shown.bottomRight()), kGreen) << k;
        EXPECT_EQ(ShownAt(cell, shown.bottomRight() - QPoint(0, shown.height() / 4)), kRed) << k;
        if (shown.x() > 0) {
            EXPECT_NE(ShownAt(cell, shown.topLeft() - QPoint(1, 1)), kRed) << "natural size, not stretched";
        }
    }
    // The preview is a cell of its own beside the file list.
    EXPECT_EQ(form.preview->geometry(), QRect(304, 16, 32, 32));
    EXPECT_EQ(ShownAt(form.preview, {0, 0}), kRed);
    EXPECT_EQ(ShownAt(form.preview, {31, 31}), kGreen);
}

TEST(AnySize, EverySizeScrollsFromTheEleventhFrameAsThirtyTwoPixelsDo) {
    for (int size : {16, 48, 128}) {
        SizesOnFolder open;
        animace::CursorPicker& form = *open.form;
        open.pick(CursorName(size), 10);
        EXPECT_FALSE(form.frameScrollBar->isEnabled()) << size;
        Click(form.addButton);
        EXPECT_TRUE(form.frameScrollBar->isEnabled()) << size;
        EXPECT_EQ(form.frameScrollBar->value(), 1) << size;
        EXPECT_EQ(form.frameScrollBar->maximum(), 10) << size;
        EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("frameStrip"))->x(), -32) << size;
    }
}

TEST(AnySize, EveryFrameCanBeClickedAndEveryStepTimed) {
    SizesOnFolder open;
    for (int i = 0; i < 3; ++i)
        for (int size : kSizes) open.pick(CursorName(size));
    animace::SequenceStep* sequence = open.toSequence();
    ASSERT_TRUE(sequence);
    // A click where frame k shows, the strip scrolled to it, appends step k.
    for (int k = 1; k <= 12; ++k) {
        sequence->frameScrollBar->setValue(k - 1);
        animace::ImageBox* frame = sequence->frame(k);
        const QPoint middle = frame->mapTo(sequence, QPoint(16, 16));
        ASSERT_EQ(sequence->childAt(middle), frame) << k;
        QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(16, 16));
        EXPECT_EQ(open.animation().steps.back().frame, k - 1);
    }
    animace::TimingStep* timing = open.toTiming();
    ASSERT_TRUE(timing);
    QWidget* viewport = timing->findChild<QWidget*>(QStringLiteral("stepViewport"));
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(timing->timeSlider(k)->geometry(), QRect(32 * (k - 1), 32, 32, 111)) << k;
        EXPECT_EQ(timing->timeLabel(k)->geometry(), QRect(32 * (k - 1) - 5, 144, 32, 13)) << k;
        // Scrolled so that step k is the last whole cell in view, its slider lies in the viewport
        // and takes a click on its upper arrow.
        timing->stepScrollBar->setValue(std::max(0, k - 10));
        animace::TimeSlider* slider = timing->timeSlider(k);
        const QRect shown(slider->mapTo(viewport, QPoint(0, 0)), slider->size());
        EXPECT_TRUE(viewport->rect().contains(shown)) << k;
        ASSERT_EQ(timing->childAt(slider->mapTo(timing, QPoint(16, 4))), slider) << k;
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(16, 4));
        EXPECT_EQ(slider->time(), 21) << k;
        EXPECT_EQ(timing->step(k)->hotSpot(), QPoint(40, 7)) << "the hot spot travels with the picture";
        EXPECT_EQ(open.animation().stepPicture(k - 1).hotSpot, QPoint(40, 7));
    }
}

TEST(PointerTrial, OverThePickerPreviewThePointerIsTheSelectedCursor) {
    SizesOnFolder open;
    animace::CursorPicker& form = *open.form;
    open.select(CursorName(48));
    ExpectPointerIs(PointerOver(form.preview), form.preview->picture(), {40, 7});
    EXPECT_EQ(PointerOver(form.fileList).shape(), Qt::ArrowCursor);
    // A hot spot beyond a 16-pixel picture is moved into it.
    open.select(CursorName(16));
    ExpectPointerIs(PointerOver(form.preview), form.preview->picture(), {15, 7});
    // The error picture and a refused file leave the normal pointer.
    WriteAll(open.cursors() / "rozbity.cur", UndisplayableCursor());
    open.select(QStringLiteral("rozbity.cur"));
    ASSERT_TRUE(form.preview->showsSamePicture(form.errorPicture->picture()));
    EXPECT_EQ(PointerOver(form.preview).shape(), Qt::ArrowCursor);
    open.select(CursorName(128));
    WriteAll(open.cursors() / "dva.cur", TestIcon(32, 32, 2, 2));
    open.select(QStringLiteral("dva.cur"));
    EXPECT_EQ(PointerOver(form.preview).shape(), Qt::ArrowCursor);
}

TEST(PointerTrial, OverTheFinishPreviewThePointerIsTheAnimation) {
    SizesOnFolder open;
    WriteAll(open.cursors() / "druhy.cur", ColouredCursor(16, {3, 12}));
    WriteAll(open.cursors() / "rozbity.cur", UndisplayableCursor());
    open.pick(CursorName(48));
    open.pick(QStringLiteral("druhy.cur"));
    open.pick(QStringLiteral("rozbity.cur"));
    animace::SequenceStep* sequence = open.toSequence();
    for (int frame : {1, 2, 3, 1}) Click(sequence->frame(frame));
    animace::TimingStep* timing = open.toTiming();
    Click(timing->nextButton);
    animace::FinishStep* finish = open.wizard->finish();
    ASSERT_TRUE(finish);
    finish->previewTimer->setInterval(0);
    // Before the first tick the built-in picture leaves the normal pointer.
    EXPECT_EQ(PointerOver(finish->preview).shape(), Qt::ArrowCursor);
    const QPoint hotSpots[] = {{40, 7}, {3, 12}};
    for (int step = 1; step <= 5; ++step) {
        finish->previewTimer->onTick();
        const int frame = open.animation().steps[static_cast<std::size_t>((step - 1) % 4)].frame + 1;
        if (frame == 3) {
            EXPECT_EQ(PointerOver(finish->preview).shape(), Qt::ArrowCursor) << step;
            continue;
        }
        const QCursor pointer = PointerOver(finish->preview);
        ExpectPointerIs(pointer, timing->step((step - 1) % 4 + 1)->picture(), hotSpots[frame - 1]);
    }
    EXPECT_EQ(PointerOver(finish->nameBox).shape(), Qt::IBeamCursor);
}
