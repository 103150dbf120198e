#include "desktop/input_file_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>

namespace desktop {

QString InputFileStartFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    // Without a pictures folder of its own the location falls back to home, or may not exist.
    if (!pictures.isEmpty() && QDir(pictures).exists()) return pictures;
    return QDir::homePath();
}

std::optional<std::string> AskForInputFile(const InputFileKind& kind) {
    QFileDialog dialog(nullptr, QString::fromUtf8(kind.title), InputFileStartFolder(), QString::fromUtf8(kind.filter));
    dialog.setObjectName(QStringLiteral("inputFileDialog"));
    // Qt's own dialog: a platform one would not speak the Czech of the loaded translation.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // The name as the file system spells it, as it would have come on the command line.
    return QFile::encodeName(QDir::toNativeSeparators(dialog.selectedFiles().constFirst())).toStdString();
}

}  // namespace desktop
