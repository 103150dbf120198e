#include "desktop/fonts.h"

namespace desktop {
namespace {

QFont DesignFont(const QString& family, QFont::StyleHint hint, bool bold) {
    QFont font(family);
    font.setStyleHint(hint);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont SansSerifFont(bool bold) { return DesignFont(QStringLiteral("DejaVu Sans"), QFont::SansSerif, bold); }

QFont SerifFont(bool bold) { return DesignFont(QStringLiteral("DejaVu Serif"), QFont::Serif, bold); }

}  // namespace desktop
