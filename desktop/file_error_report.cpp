#include "desktop/file_error_report.h"

namespace desktop {

void ReportFileError(DesktopServices& services, const std::string& path, const std::string& reason) {
    services.showMessage(MessageIcon::Critical, MessageButtons::Ok,
                         QStringLiteral("Chyba souboru %1:\n%2")
                             .arg(QString::fromStdString(path), QString::fromStdString(reason)));
    services.endProgram(1);
}

}  // namespace desktop
