// Writes a program's menu icons: OUTPUT/<N>x<N>/apps/<ID>.png for every size N given.
#include <QByteArray>
#include <QDir>
#include <QImage>
#include <cstdio>

#include "desktop/program_icons.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "použití: make_program_icons ID VÝSTUPNÍ_SLOŽKA VELIKOST...\n");
        return 2;
    }
    const QString id = QString::fromLocal8Bit(argv[1]);
    for (int argument = 3; argument < argc; ++argument) {
        const int size = QByteArray(argv[argument]).toInt();
        const QImage image = desktop::DrawProgramIcon(id, size);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (image.isNull() || !QDir().mkpath(folder) || !image.save(folder + QLatin1Char('/') + id + ".png")) {
            std::fprintf(stderr, "make_program_icons: %s %dx%d nelze zapsat\n", argv[1], size, size);
            return 1;
        }
    }
    return 0;
}
