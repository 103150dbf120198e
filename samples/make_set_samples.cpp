// Writes the PNG pictures of the bundled example set (sada/): an arrow, a text beam, a pointing
// hand and a four-frame busy spinner, drawn here with the toolkit's painter at each size.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <string>

namespace {

using Drawing = std::function<void(QPainter&)>;  // draws on a 32 × 32 grid

bool Save(const std::string& path, int size, const Drawing& draw) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    draw(painter);
    painter.end();
    return image.save(QString::fromStdString(path), "PNG");
}

void Outlined(QPainter& painter, const QPainterPath& path, QColor fill) {
    painter.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void Arrow(QPainter& painter) {
    QPainterPath path;
    path.moveTo(1, 1);
    path.lineTo(1, 24);
    path.lineTo(7, 18.5);
    path.lineTo(11, 28);
    path.lineTo(15, 26.5);
    path.lineTo(11, 17.5);
    path.lineTo(19, 17.5);
    path.closeSubpath();
    Outlined(painter, path, QColor(30, 60, 160));
}

void TextBeam(QPainter& painter) {
    QPainterPath path;
    path.addRect(9, 2, 14, 3);
    path.addRect(14.5, 5, 3, 22);
    path.addRect(9, 27, 14, 3);
    Outlined(painter, path.simplified(), QColor(30, 60, 160));
}

void Hand(QPainter& painter) {
    QPainterPath path;
    path.addRoundedRect(9, 1, 5, 17, 2.5, 2.5);
    path.addRoundedRect(8, 13, 18, 15, 5, 5);
    path.addRoundedRect(3, 14, 7, 5, 2.5, 2.5);
    Outlined(painter, path.simplified(), QColor(200, 120, 30));
}

Drawing Spinner(int phase) {
    return [phase](QPainter& painter) {
        for (int dot = 0; dot < 8; ++dot) {
            const double angle = 2 * std::numbers::pi * (dot + 2 * phase) / 8;
            const int shade = 60 + 24 * dot;
            painter.setPen(QPen(Qt::white, 1));
            painter.setBrush(QColor(shade / 3, shade / 2, shade));
            painter.drawEllipse(QPointF(16 + 11 * std::cos(angle), 16 + 11 * std::sin(angle)), 3.5, 3.5);
        }
    };
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const std::string folder = argc > 1 ? std::string(argv[1]) + "/" : std::string("./");
    bool ok = true;
    for (int size : {32, 48, 64}) ok &= Save(folder + "sipka" + std::to_string(size) + ".png", size, Arrow);
    ok &= Save(folder + "text64.png", 64, TextBeam);
    for (int size : {32, 64}) ok &= Save(folder + "ruka" + std::to_string(size) + ".png", size, Hand);
    for (int phase = 0; phase < 4; ++phase)
        ok &= Save(folder + "kolo" + std::to_string(phase + 1) + ".png", 64, Spinner(phase));
    if (!ok) std::fprintf(stderr, "make_set_samples: could not write into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
