#include "desktop/private_temp_folder.h"

#include <QDir>

namespace desktop {

PrivateTempFolder::PrivateTempFolder() : folder_(QDir::tempPath() + QStringLiteral("/kurzory-XXXXXX")) {}

}  // namespace desktop
