#include "desktop/qt_desktop_services.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "desktop/termination_signals.h"

namespace desktop {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::Exclamation: return QMessageBox::Warning;
        case MessageIcon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtDesktopServices::QtDesktopServices(QString programTitle) : programTitle_(std::move(programTitle)) {
    TerminationSignals::WatchInEventLoop();
}

MessageAnswer QtDesktopServices::showMessage(MessageIcon icon, MessageButtons buttons, const QString& text,
                                             const std::optional<QString>& title) {
    // The program is ending as its Cancel would: every question gets its escape answer.
    if (TerminationSignals::Received() != 0) return EscapeAnswer(buttons);
    QMessageBox box(BoxIcon(icon), title.value_or(programTitle_), text);
    // The interface is Czech, so are the buttons' captions.
    auto add = [&box](QMessageBox::StandardButton button, const QString& caption) {
        box.addButton(button)->setText(caption);
    };
    switch (buttons) {
        case MessageButtons::Ok: add(QMessageBox::Ok, QStringLiteral("OK")); break;
        case MessageButtons::YesNo:
            add(QMessageBox::Yes, QStringLiteral("&Ano"));
            add(QMessageBox::No, QStringLiteral("&Ne"));
            break;
        case MessageButtons::RetryCancel:
            add(QMessageBox::Retry, QStringLiteral("&Opakovat"));
            add(QMessageBox::Cancel, QStringLiteral("Storno"));
            break;
    }
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        case QMessageBox::Retry: return MessageAnswer::Retry;
        case QMessageBox::Cancel: return MessageAnswer::Cancel;
        default: break;
    }
    return EscapeAnswer(buttons);
}

void QtDesktopServices::beep() { QApplication::beep(); }

void QtDesktopServices::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

void QtDesktopServices::endProgram(int status) {
    if (!ended_) exitStatus_ = status;
    ended_ = true;
    QCoreApplication::exit(exitStatus_);
}

int QtDesktopServices::runEventLoop() {
    if (ended_) return exitStatus_;
    const int status = QApplication::exec();
    return ended_ ? exitStatus_ : status;
}

}  // namespace desktop
