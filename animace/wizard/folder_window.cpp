#include "animace/wizard/folder_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QKeyEvent>

#include "animace/wizard/window_parts.h"
#include "desktop/fonts.h"
#include "desktop/twips.h"

namespace animace {

adr::adr(QWidget& finishWindow, QLineEdit& folderBox, desktop::DesktopServices& services, QStringList drives)
    : QWidget(nullptr, Qt::Window), finishWindow_(&finishWindow), folderBox_(&folderBox), services_(services) {
    setObjectName(QStringLiteral("adr"));
    setWindowTitle(QStringLiteral("Určit adresář"));
    setFixedSize(desktop::TwipsSize(3735, 3225));
    setFont(desktop::SansSerifFont(true));
    setAttribute(Qt::WA_DeleteOnClose);

    Drive1 = new DriveListBox(this, std::move(drives));
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setGeometry(desktop::TwipsRect(120, 120, 2292, 288));
    Dir1 = new FolderListBox(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setGeometry(desktop::TwipsRect(120, 480, 2292, 2565));
    Command1 = MakeButton(this, QStringLiteral("Command1"), QStringLiteral("&O.K."), 2520, 120, 1092, 612);
    Command2 = MakeButton(this, QStringLiteral("Command2"), QStringLiteral("S&torno"), 2520, 960, 1092, 612);

    // Load: the finish window waits; the folder list starts at the current folder and then tries
    // the finish window's folder; the drive list shows the current drive.
    finishWindow.setEnabled(false);
    const QString current = QDir::currentPath();
    Dir1->setPath(current);
    Dir1->setPath(folderBox.text());
    Drive1->setDrive(Drive1->driveOf(current));

    connect(Drive1, &DriveListBox::driveChanged, this, &adr::changeDrive);
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (folderBox_) folderBox_->setText(QDir::toNativeSeparators(Dir1->path()));
        close();
    });
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
}

void adr::keyPressEvent(QKeyEvent* event) {
    // Esc presses "S&torno" wherever the focus is; the lists pass it on unhandled.
    if (event->key() == Qt::Key_Escape) Command2->click();
    else QWidget::keyPressEvent(event);
}

void adr::changeDrive(const QString& drive) {
    if (settingBack_ || Dir1->setPath(drive)) return;
    services_.beep();
    // Setting the list back must not send the folder list to that drive's root.
    settingBack_ = true;
    Drive1->setDrive(Drive1->driveOf(Dir1->path()));
    settingBack_ = false;
}

void adr::closeEvent(QCloseEvent* event) {
    if (finishWindow_) finishWindow_->setEnabled(true);
    event->accept();
}

}  // namespace animace
