#pragma once
// The programs' pictures, drawn by code: the window icon at run time and the menu icons at build
// time come from the same drawing.
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <array>

namespace desktop {

inline constexpr std::array<int, 7> kProgramIconSizes{16, 24, 32, 48, 64, 128, 256};

// The picture of the program with that desktop id at size x size pixels; a null image for an
// unknown id.
QImage DrawProgramIcon(const QString& desktopId, int size);

// Paints that picture onto a device of size x size pixels (a picture, a scalable drawing); false
// for an unknown id.
bool PaintProgramIcon(QPainter& painter, const QString& desktopId, int size);

QIcon ProgramIcon(const QString& desktopId);

}  // namespace desktop
