#pragma once
#include <QFont>

namespace desktop {

// "MS Sans Serif" / "MS Serif" 8.25 pt of the original layouts, in the system's own families.
QFont SansSerifFont(bool bold);
QFont SerifFont(bool bold);

}  // namespace desktop
