#include "skiren/cotoje.h"

#include <fstream>

#include "desktop/file_error_report.h"
#include "desktop/termination_signals.h"
#include "iconfile/header_byte.h"
#include "iconfile/icon_conversions.h"
#include "iconfile/icon_records.h"
#include "iconfile/output_path.h"

namespace skiren {

Recognition RecognizeInput(const std::string& path) {
    using Kind = Recognition::Kind;
    if (!iconfile::IsRegularFile(path)) return {Kind::NotIconOrCursor};
    std::ifstream file(path, std::ios::binary);
    if (!file) return {Kind::NotIconOrCursor};
    const int type = iconfile::HeaderByte(file, iconfile::offsets::kResourceTypeLow);
    if (type != 1 && type != 2) return {Kind::NotIconOrCursor};
    switch (iconfile::HeaderByte(file, iconfile::offsets::kResourceTypeLow)) {
        case 1: return {Kind::OpenEditor};
        case 2:
            file.close();
            if (!iconfile::HasRoomForOutputSuffix(path)) return {Kind::NoRoomForSuffix};
            {
                // No window can cancel this write; a signal waits until the icon is in place.
                const desktop::BlockedTerminationSignals blocked;
                return {Kind::CursorConverted, iconfile::ConvertCursorToIcon(path)};
            }
        default: return {Kind::ChangedMeanwhile};
    }
}

QString NoRoomMessage(const std::string& path) {
    return QStringLiteral("Z cesty %1 nelze odvodit jméno výstupního souboru.").arg(QString::fromStdString(path));
}

void FinishRecognition(const Recognition& recognition, const std::string& path, desktop::DesktopServices& services) {
    using desktop::MessageButtons;
    using desktop::MessageIcon;
    switch (recognition.kind) {
        case Recognition::Kind::OpenEditor: return;
        case Recognition::Kind::CursorConverted:
            if (!recognition.conversion.succeeded()) {
                desktop::ReportFileError(services, recognition.conversion.path(), recognition.conversion.reason());
                return;
            }
            break;
        case Recognition::Kind::NotIconOrCursor:
            services.showMessage(MessageIcon::Critical, MessageButtons::Ok,
                                 QStringLiteral("Vstupní soubor není soubor ikony nebo kurzoru!"));
            break;
        case Recognition::Kind::ChangedMeanwhile:
            services.showMessage(MessageIcon::Critical, MessageButtons::Ok,
                                 QStringLiteral("Vstupní soubor není soubor ikony nebo kurzoru - jen se mu podobá!"));
            break;
        case Recognition::Kind::NoRoomForSuffix:
            services.showMessage(MessageIcon::Critical, MessageButtons::Ok, NoRoomMessage(path));
            break;
    }
    services.endProgram(0);
}

}  // namespace skiren
