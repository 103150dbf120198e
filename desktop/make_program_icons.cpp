// Writes a program's menu icons: OUTPUT/<N>x<N>/apps/<ID>.png for every size N given, and
// OUTPUT/scalable/apps/<ID>.svg for the word "scalable".
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "desktop/program_icons.h"

namespace {

constexpr int kScalableCanvas = 256;

bool WriteScalable(const QString& id, const QString& folder) {
    const QString file = folder + QLatin1Char('/') + id + ".svg";
    QSvgGenerator drawing;
    drawing.setFileName(file);
    drawing.setSize(QSize(kScalableCanvas, kScalableCanvas));
    drawing.setViewBox(QRect(0, 0, kScalableCanvas, kScalableCanvas));
    drawing.setTitle(id);
    QPainter painter;
    if (!painter.begin(&drawing)) return false;
    // The drawing has no text, but every group states the painter's font: keep it a valid one.
    QFont font;
    font.setPixelSize(16);
    painter.setFont(font);
    const bool painted = desktop::PaintProgramIcon(painter, id, kScalableCanvas);
    // The generator writes as it paints and says nothing of a failed write: look at the file.
    return painter.end() && painted && QFileInfo(file).size() > 0;
}

bool WritePicture(const QString& id, int size, const QString& folder) {
    const QImage image = desktop::DrawProgramIcon(id, size);
    return !image.isNull() && image.save(folder + QLatin1Char('/') + id + ".png");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "použití: make_program_icons ID VÝSTUPNÍ_SLOŽKA VELIKOST...|scalable\n");
        return 2;
    }
    const QString id = QString::fromLocal8Bit(argv[1]);
    for (int argument = 3; argument < argc; ++argument) {
        const QByteArray name(argv[argument]);
        const bool scalable = name == "scalable";
        const int size = name.toInt();
        const QString folder = QStringLiteral("%1/%2/apps")
                                   .arg(QString::fromLocal8Bit(argv[2]),
                                        scalable ? QStringLiteral("scalable") : QStringLiteral("%1x%1").arg(size));
        const bool written = QDir().mkpath(folder) && (scalable ? WriteScalable(id, folder) : WritePicture(id, size, folder));
        if (!written) {
            std::fprintf(stderr, "make_program_icons: %s %s nelze zapsat\n", argv[1], argv[argument]);
            return 1;
        }
    }
    return 0;
}
