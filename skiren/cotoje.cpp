#include "skiren/cotoje.h"

#include "desktop/file_error_report.h"
#include "desktop/termination_signals.h"
#include "iconfile/icon_conversions.h"
#include "iconfile/icon_records.h"
#include "iconfile/output_path.h"

namespace skiren {
namespace {

// The type byte, 0 when the file is too short (0 is neither icon nor cursor).
int TypeByte(iconfile::FileOperations& files, iconfile::FileHandle file) {
    std::uint8_t byte[1] = {0};
    return files.ReadAt(file, iconfile::offsets::kResourceTypeLow, byte).succeeded() ? byte[0] : 0;
}

}  // namespace

Recognition RecognizeInput(const std::string& path, iconfile::FileOperations& files) {
    using Kind = Recognition::Kind;
    if (files.Status(path).kind != iconfile::FileKind::Regular) return {Kind::NotIconOrCursor};
    iconfile::FileHandle file = 0;
    if (!files.OpenForReading(path, file).succeeded()) return {Kind::NotIconOrCursor};
    const int type = TypeByte(files, file);
    // Read again: a file that changes meanwhile only resembles an icon or cursor.
    const int again = type == 1 || type == 2 ? TypeByte(files, file) : 0;
    static_cast<void>(files.Close(file));
    if (type != 1 && type != 2) return {Kind::NotIconOrCursor};
    switch (again) {
        case 1: return {Kind::OpenEditor};
        case 2:
            if (!iconfile::HasRoomForOutputSuffix(path)) return {Kind::NoRoomForSuffix};
            {
                // No window can cancel this write; a signal waits until the icon is in place.
                const desktop::BlockedTerminationSignals blocked;
                return {Kind::CursorConverted, iconfile::ConvertCursorToIcon(path, files)};
            }
        default: return {Kind::ChangedMeanwhile};
    }
}

Recognition RecognizeInput(const std::string& path) {
    iconfile::SystemFileOperations files;
    return RecognizeInput(path, files);
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
