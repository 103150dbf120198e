#pragma once
// Cursor files and the first windows of the wizard for the window tests.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "animace/wizard/cursor_picker.h"
#include "animace/wizard/sequence_step.h"
#include "animace/wizard/timing_step.h"
#include "animace/wizard/wizard.h"
#include "skiren/skiren_files.h"
#include "support/scripted_desktop.h"
#include "support/window_layout.h"

inline Bytes TestCursor(int size = 32) { return TestIcon(size, size, 2, 1); }

// A cursor sound in every part the picker checks, whose picture no reader can decode: a PNG image
// whose pixel data is garbage.
inline Bytes UndisplayableCursor() {
    Bytes cursor = ReadAll(TestData("png_entry.ico"));
    cursor[2] = 2;
    std::fill(cursor.begin() + 22 + 33 + 8, cursor.end() - 12, 0x5A);  // the IDAT chunk's data
    return cursor;
}

// A one-image opaque cursor of `size` pixels (a multiple of 4) with its hot spot: pure red, its
// bottom quarter pure green, so a picture cut short or scaled wrongly shows.
inline Bytes ColouredCursor(int size, QPoint hotSpot) {
    Bytes cursor = TestCursor(size);
    const auto put16 = [&cursor](std::size_t offset, int value) {
        cursor[offset] = static_cast<std::uint8_t>(value & 0xFF);
        cursor[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    };
    put16(10, hotSpot.x());  // planes and bit count of the directory entry
    put16(12, hotSpot.y());
    const std::size_t palette = 6 + 16 + 40;
    cursor[palette + 4 * 7] = 0;  // entry 7, which every pixel uses, red
    cursor[palette + 4 * 7 + 2] = 255;
    cursor[palette + 4 * 8] = 0;  // entry 8 green, for the bottom rows, stored first
    cursor[palette + 4 * 8 + 1] = 255;
    const std::size_t pixels = palette + 4 * 256;
    std::fill_n(cursor.begin() + static_cast<std::ptrdiff_t>(pixels), size * size / 4, 8);
    const std::size_t mask = static_cast<std::size_t>(size) * TestRowBytes(static_cast<std::size_t>(size));
    std::fill(cursor.end() - static_cast<std::ptrdiff_t>(mask), cursor.end(), 0);
    return cursor;
}

inline QString Native(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// Changes the working directory for one test and puts it back afterwards.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& path) : previous_(QDir::currentPath()) {
        QDir::setCurrent(Native(path));
    }
    ~WorkingDirectory() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

inline void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

// A scratch folder with cursors in "Kurzory" and the wizard started on it.
class PickerOnFolder {
public:
    explicit PickerOnFolder(QString commandLine = {}, QStringList drives = {QStringLiteral("/")}) {
        TestApplication();
        std::filesystem::create_directories(cursors());
        WriteAll(cursors() / "kolo1.cur", TestCursor());
        WriteAll(cursors() / "kolo2.cur", TestCursor());
        if (commandLine.isNull()) commandLine = Native(cursors() / "#");
        open(commandLine, drives);
    }
    void open(const QString& commandLine, const QStringList& drives) {
        wizard = std::make_unique<animace::Wizard>(commandLine, desktop, Native(folder.path("obr.tmp")), drives);
        form = wizard->picker();
        wizard->start();
    }
    const animace::WizardAnimation& animation() const { return wizard->animation(); }
    std::filesystem::path cursors() const { return folder.path("Kurzory"); }
    std::filesystem::path temporaryFile() const { return folder.path("obr.tmp"); }

    // Selects `name` in the file list (a fresh selection, so the file is tested again).
    void select(const QString& name) {
        form->fileList->setCurrentRow(-1);
        form->fileList->setFolder(form->fileList->folder());
        ASSERT_TRUE(form->fileList->selectFile(name)) << name.toStdString();
    }
    void pick(const QString& name, int times = 1) {
        select(name);
        for (int i = 0; i < times; ++i) Click(form->addButton);
    }

    animace::SequenceStep* toSequence() {
        Click(form->nextButton);
        return wizard->sequence();
    }
    animace::TimingStep* toTiming() {
        Click(wizard->sequence()->nextButton);
        return wizard->timing();
    }

    ScratchFolder folder;
    ScriptedDesktop desktop;
    std::unique_ptr<animace::Wizard> wizard;
    animace::CursorPicker* form = nullptr;
};

// The sequence step opened on `frames` picks of one 32-pixel cursor.
struct SequenceOnFrames {
    explicit SequenceOnFrames(int frames) {
        picker.pick(QStringLiteral("kolo1.cur"), frames);
        sequence = picker.toSequence();
    }
    // The frame numbers from 1 of the animation's steps.
    std::vector<int> steps() const {
        std::vector<int> frames;
        for (const animace::AnimationStep& step : picker.animation().steps) frames.push_back(step.frame + 1);
        return frames;
    }
    PickerOnFolder picker;
    animace::SequenceStep* sequence = nullptr;
};

// The timing step opened on `steps` steps ("Každý jednou" on as many frames).
struct TimingOnSteps {
    explicit TimingOnSteps(int steps) : base(steps) {
        Click(base.sequence->everyOnceButton);
        timing = base.picker.toTiming();
    }
    SequenceOnFrames base;
    animace::TimingStep* timing = nullptr;
};
