#include "animace/wizard/folder_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QKeyEvent>

#include "animace/wizard/window_parts.h"
#include "desktop/window_parts.h"
#include "desktop/fonts.h"
#include "desktop/twips.h"

namespace animace {

FolderWindow::FolderWindow(QWidget& finishWindow, QLineEdit& folderBox, desktop::DesktopServices& services, QStringList drives)
    : QWidget(nullptr, Qt::Window), finishWindow_(&finishWindow), folderBox_(&folderBox), services_(services) {
    setObjectName(QStringLiteral("folderWindow"));
    setWindowTitle(QStringLiteral("Určit adresář"));
    setFixedSize(desktop::TwipsSize(3735, 3225));
    setFont(desktop::SansSerifFont(true));
    setAttribute(Qt::WA_DeleteOnClose);

    driveList = desktop::Place(new DriveListBox(this, std::move(drives)), QStringLiteral("driveList"), 120, 120, 2292, 288);
    folderList = desktop::Place(new FolderListBox(this), QStringLiteral("folderList"), 120, 480, 2292, 2565);
    driveList->setAccessibleName(QStringLiteral("Seznam jednotek"));
    folderList->setAccessibleName(QStringLiteral("Seznam složek"));
    okButton = MakeButton(this, QStringLiteral("okButton"), QStringLiteral("&O.K."), 2520, 120, 1092, 612);
    cancelButton = MakeButton(this, QStringLiteral("cancelButton"), QStringLiteral("S&torno"), 2520, 960, 1092, 612);

    // On opening the finish window waits; the folder list starts at the current folder and then tries
    // the finish window's folder; the drive list shows the current drive.
    finishWindow.setEnabled(false);
    const QString current = QDir::currentPath();
    folderList->setPath(current);
    folderList->setPath(folderBox.text());
    driveList->setDrive(driveList->driveOf(current));

    connect(driveList, &DriveListBox::driveChanged, this, &FolderWindow::changeDrive);
    connect(okButton, &QPushButton::clicked, this, [this] {
        if (folderBox_) folderBox_->setText(QDir::toNativeSeparators(folderList->path()));
        close();
    });
    connect(cancelButton, &QPushButton::clicked, this, &QWidget::close);
}

void FolderWindow::keyPressEvent(QKeyEvent* event) {
    // Esc presses "S&torno" wherever the focus is; the lists pass it on unhandled.
    if (event->key() == Qt::Key_Escape) cancelButton->click();
    else QWidget::keyPressEvent(event);
}

void FolderWindow::changeDrive(const QString& drive) {
    if (settingBack_ || folderList->setPath(drive)) return;
    services_.beep();
    // Setting the list back must not send the folder list to that drive's root.
    settingBack_ = true;
    driveList->setDrive(driveList->driveOf(folderList->path()));
    settingBack_ = false;
}

void FolderWindow::closeEvent(QCloseEvent* event) {
    if (finishWindow_) finishWindow_->setEnabled(true);
    event->accept();
}

}  // namespace animace
