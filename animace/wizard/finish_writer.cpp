#include "animace/wizard/finish_writer.h"

#include <QFile>

namespace animace {
namespace {

std::string FileName(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString FromFileName(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace

AnimationInput InputFromTiming(const TimingSteps& timing, const QString& folder, const QString& name) {
    AnimationInput input;
    for (const QString& frame : timing.framePaths()) input.frames.push_back(FileName(frame));
    const QStringList sequence = timing.sequence();
    for (const QString& entry : sequence) input.sequence.push_back(entry.toStdString());
    for (int step = 1; step <= sequence.size(); ++step) input.stepTimes.push_back(timing.displayTime(step));
    input.outputFolder = FileName(folder);
    input.outputName = FileName(name);
    return input;
}

WriteOutcome WriteWithMessages(const AnimationInput& input, const QString& outputPath,
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
    const WriteOutcome outcome = WriteAnimatedCursor(input, FileName(outputPath), askOverwrite, retryOrCancel);
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
