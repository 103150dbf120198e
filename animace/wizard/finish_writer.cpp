#include "animace/wizard/finish_writer.h"

#include <QFile>

namespace animace {
namespace {

std::string FileName(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString FromFileName(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace

WriteOutcome WriteWithMessages(const Animation& animation, const QString& outputPath,
                               desktop::DesktopServices& desktop) {
    using desktop::MessageAnswer;
    using desktop::MessageButtons;
    using desktop::MessageIcon;
    // The pointer is normal while a question waits for the user, busy while the writer works.
    auto ask = [&desktop](MessageIcon icon, MessageButtons buttons, const QString& text,
                          const std::optional<QString>& title = std::nullopt) {
        desktop.setBusy(false);
        const MessageAnswer answer = desktop.showMessage(icon, buttons, text, title);
        desktop.setBusy(true);
        return answer;
    };
    const AskOverwrite askOverwrite = [&] {
        return ask(MessageIcon::Question, MessageButtons::YesNo, QString::fromUtf8(kOverwriteQuestion)) ==
                       MessageAnswer::Yes
                   ? OverwriteAnswer::Yes
                   : OverwriteAnswer::No;
    };
    const RetryOrCancel retryOrCancel = [&](const std::string& failure, const std::string& path,
                                            const std::string& frameLine) {
        const QString text =
            FromFileName(path) + '\n' + FromFileName(frameLine) + '\n' + QString::fromUtf8(kFailureSentence);
        return ask(MessageIcon::Exclamation, MessageButtons::RetryCancel, text, QString::fromStdString(failure)) ==
                       MessageAnswer::Retry
                   ? FailureAnswer::Retry
                   : FailureAnswer::Cancel;
    };

    desktop.setBusy(true);
    const WriteOutcome outcome = WriteAnimatedCursor(animation, FileName(outputPath), askOverwrite, retryOrCancel);
    desktop.setBusy(false);

    if (outcome == WriteOutcome::TooLarge) {
        desktop.showMessage(MessageIcon::Exclamation, MessageButtons::Ok,
                            QStringLiteral("Animace by byla větší než 2 GB (2147483647 bajtů). Tak velký soubor "
                                           "nelze vytvořit; použijte méně nebo menší kurzory."));
    } else if (outcome == WriteOutcome::OutputIsFrame) {
        desktop.showMessage(MessageIcon::Exclamation, MessageButtons::Ok,
                            outputPath + QStringLiteral("\nTento soubor je jedním z kurzorů animace a nesmí být "
                                                        "přepsán. Zvolte jiné jméno souboru nebo jinou cestu."));
    }
    return outcome;
}

}  // namespace animace
