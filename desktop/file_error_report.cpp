#include "desktop/file_error_report.h"

#include "iconfile/shown_file_name.h"

namespace desktop {

void ReportFileError(DesktopServices& services, const std::string& path, const std::string& reason) {
    services.showMessage(MessageIcon::Critical, MessageButtons::Ok,
                         QStringLiteral("Chyba souboru %1:\n%2")
                             .arg(QString::fromStdString(iconfile::ShownFileName(path)), QString::fromStdString(reason)));
    services.endProgram(1);
}

}  // namespace desktop
