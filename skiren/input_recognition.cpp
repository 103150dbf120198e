#include "skiren/input_recognition.h"

#include "iconfile/blocked_termination_signals.h"
#include "desktop/file_error_report.h"
#include "desktop/overwrite_question.h"
#include "iconfile/icon_conversions.h"
#include "iconfile/icon_directory.h"
#include "iconfile/image_check.h"
#include "iconfile/output_path.h"

namespace skiren {
namespace {

Recognition ConvertCursor(const std::string& path, const std::string& output, iconfile::FileOperations& files) {
    // No window can cancel this write; a signal waits until the icon is in place.
    const iconfile::BlockedTerminationSignals blocked;
    return {Recognition::Kind::CursorConverted, iconfile::ConvertCursorToIcon(path, output, files), output};
}

}  // namespace

Recognition RecognizeInput(const std::string& path, iconfile::FileOperations& files) {
    using Kind = Recognition::Kind;
    const iconfile::IconDirectory first = iconfile::ReadIconDirectory(path);
    if (!first.opened() || !first.isIconOrCursor()) return {Kind::NotIconOrCursor};
    // The type byte is read a second time: a file that changed in between only resembles one.
    const iconfile::IconDirectory second = iconfile::ReadIconDirectory(path);
    if (second.isIcon()) return {Kind::OpenEditor};
    if (!second.isCursor()) return {Kind::ChangedMeanwhile};
    // A cut or damaged cursor would only give a cut or damaged icon.
    if (!iconfile::CheckIconFile(path).sound()) return {Kind::NotIconOrCursor};
    const std::optional<std::string> output = iconfile::OutputPathFor(path, "ico");
    if (!output) return {Kind::NoRoomForSuffix};
    // Opened by a double-click, the conversion must not silently replace an icon the user made.
    if (iconfile::IconTwinReplacesOtherFile(path, *output, files))
        return {Kind::ReplaceQuestion, iconfile::FileOutcome::Success(), *output};
    return ConvertCursor(path, *output, files);
}

Recognition RecognizeInput(const std::string& path) {
    iconfile::SystemFileOperations files;
    return RecognizeInput(path, files);
}

QString NoRoomMessage(const std::string& path) {
    return QStringLiteral("Z cesty %1 nelze odvodit jméno výstupního souboru.").arg(QString::fromStdString(path));
}

QString NotReplacedWithoutDisplayMessage(const std::string& output) {
    return QStringLiteral("Soubor %1 již existuje a liší se; bez obrazovky se nelze zeptat, zda ho přepsat, "
                          "proto se nic nezapsalo.")
        .arg(QString::fromStdString(output));
}

QString NotIconOrCursorMessage() { return QStringLiteral("Vstupní soubor není soubor ikony nebo kurzoru!"); }

void FinishRecognition(const Recognition& recognition, const std::string& path, desktop::DesktopServices& services,
                       iconfile::FileOperations& files) {
    using desktop::MessageButtons;
    using desktop::MessageIcon;
    switch (recognition.kind) {
        case Recognition::Kind::OpenEditor: return;
        case Recognition::Kind::ReplaceQuestion:
            if (services.showMessage(MessageIcon::Question, MessageButtons::YesNo,
                                     QString::fromUtf8(desktop::kOverwriteQuestion)) == desktop::MessageAnswer::Yes)
                return FinishRecognition(ConvertCursor(path, recognition.output, files), path, services, files);
            break;
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

void FinishRecognition(const Recognition& recognition, const std::string& path, desktop::DesktopServices& services) {
    iconfile::SystemFileOperations files;
    FinishRecognition(recognition, path, services, files);
}

void FinishRecognitionWithoutDisplay(const Recognition& recognition, const std::string& path,
                                     desktop::DesktopServices& services) {
    if (recognition.kind != Recognition::Kind::ReplaceQuestion) return FinishRecognition(recognition, path, services);
    services.showMessage(desktop::MessageIcon::Critical, desktop::MessageButtons::Ok,
                         NotReplacedWithoutDisplayMessage(recognition.output));
    services.endProgram(1);
}

}  // namespace skiren
