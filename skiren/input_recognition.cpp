#include "skiren/input_recognition.h"

#include "desktop/blocked_termination_signals.h"
#include "desktop/file_error_report.h"
#include "iconfile/icon_conversions.h"
#include "iconfile/icon_directory.h"

namespace skiren {

Recognition RecognizeInput(const std::string& path, iconfile::FileOperations& files) {
    using Kind = Recognition::Kind;
    const iconfile::IconDirectory first = iconfile::ReadIconDirectory(path);
    if (!first.opened() || (first.resourceTypeLow != 1 && first.resourceTypeLow != 2)) return {Kind::NotIconOrCursor};
    // The type byte is read a second time: a file that changed in between only resembles one.
    switch (iconfile::ReadIconDirectory(path).resourceTypeLow) {
        case 1: return {Kind::OpenEditor};
        case 2: {
            // No window can cancel this write; a signal waits until the icon is in place.
            const desktop::BlockedTerminationSignals blocked;
            std::optional<iconfile::FileOutcome> converted = iconfile::ConvertCursorToIcon(path, files);
            if (!converted) return {Kind::NoRoomForSuffix};
            return {Kind::CursorConverted, *converted};
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

QString NotIconOrCursorMessage() { return QStringLiteral("Vstupní soubor není soubor ikony nebo kurzoru!"); }

QString MoreThanOneImageMessage(const std::string& path) {
    return QStringLiteral("Soubor %1 obsahuje více než jednu ikonu, a proto se nedá převést na kurzor.")
        .arg(QString::fromStdString(path));
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
            services.showMessage(MessageIcon::Critical, MessageButtons::Ok, NotIconOrCursorMessage());
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
