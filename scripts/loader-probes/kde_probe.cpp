// Plays one animated cursor in KDE's image plug-in the way QMovie would: QImageReader with the
// "ani" format, canRead() and read() until either fails, each image shown for nextImageDelay().
// Prints one line:
//   refuses MESSAGE
//   steps | ms colours... | ...      (one pass; the caller loops it as QMovie does)
// The colours are 8 samples across the middle row, "t" where the picture is transparent.
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 3) return 64;
    const int most = atoi(argv[2]);
    // Animated cursors go to KDE's plug-in; icons and cursors to Qt's own reader.
    const QString path = QString::fromLocal8Bit(argv[1]);
    QImageReader reader(path, path.endsWith(".ani") ? QByteArray("ani") : QByteArray());
    QByteArray line = "steps";
    int shown = 0;
    while (shown < most && reader.canRead()) {
        const QImage image = reader.read();
        if (image.isNull()) break;
        const int delay = reader.nextImageDelay();
        line += " | " + QByteArray::number(delay);
        const QImage picture = image.convertToFormat(QImage::Format_ARGB32);
        for (int band = 0; band < 8; ++band) {
            const QRgb pixel = picture.pixel((2 * band + 1) * picture.width() / 16, picture.height() / 2);
            line += qAlpha(pixel) == 0 ? QByteArray(" t") : " " + QByteArray::number(pixel & 0xFFFFFF, 16).rightJustified(6, '0');
        }
        ++shown;
    }
    if (shown == 0) std::printf("refuses %s\n", qPrintable(reader.errorString()));
    else std::printf("%s\n", line.constData());
    return 0;
}
