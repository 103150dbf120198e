#pragma once
// Pelcor's window driven as a user drives it: a real click on a cell, the pick delay's ticks, OK.
#include <QTest>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "desktop/twips.h"
#include "pelcor/cell_geometry.h"
#include "pelcor/icon_window.h"
#include "pelcor/pelcor_files.h"
#include "support/scripted_desktop.h"

// Pixel of the picture box at the centre of cell (column, row).
inline QPoint CellPixel(int column, int row, int size) {
    const auto pixel = [size](int cell) {
        const double centre = pelcor::MarkPoint(cell, size, 0, pelcor::PictureBoxGeometry::kSide);
        return static_cast<int>(std::floor(desktop::TwipsToPixelsExact(centre)));
    };
    return QPoint(pixel(column), pixel(row));
}
struct Pelcor {
    explicit Pelcor(const Bytes& bitmap, const std::string& name = "kytka.bmp") {
        TestApplication();
        path = folder.path(name).string();
        WriteAll(path, bitmap);
        window = pelcor::IconWindow::Open(path, scratch.path("mObr42.tmp").string(), desktop, timers.factory());
        if (window) window->show();
    }
    // A real click on the picture, then both ticks of the pick delay.
    void pick(int column, int row) {
        press(column, row);
        timers[1].tick();
        timers[1].tick();
    }
    void press(int column, int row) {
        QTest::mouseClick(window->pictureBox, Qt::LeftButton, {}, CellPixel(column, row, window->pictureSize()));
    }
    void undo() {
        QTest::mouseClick(window->undoButton, Qt::LeftButton);
        timers[2].tick();
        timers[2].tick();
    }
    void ready() {
        for (int i = 0; i < 6; ++i) timers[3].tick();
    }
    void ok() {
        ready();
        QTest::mouseClick(window->okButton, Qt::LeftButton);
    }
    Bytes icon() const { return ReadAll(std::filesystem::path(path).replace_extension(".ico")); }

    ScratchFolder folder, scratch;
    ScriptedDesktop desktop;
    TimerRig timers;
    std::string path;
    std::unique_ptr<pelcor::IconWindow> window;
};
