#pragma once
#include <string>

#include "desktop/desktop_services.h"

namespace desktop {

// The report for a file error the program did not foresee: a critical box naming the file and
// the system's reason, then the program ends with a failure status.
void ReportFileError(DesktopServices& services, const std::string& path, const std::string& reason);

}  // namespace desktop
