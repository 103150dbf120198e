#pragma once
#include <QPointer>
#include <QWidget>

#include "animace/wizard/drive_list_box.h"
#include "animace/wizard/folder_list_box.h"
#include "desktop/desktop_services.h"

class QLineEdit;
class QPushButton;

namespace animace {

// The folder window "Určit adresář": picks the output folder for the finish window's folder box,
// and keeps the finish window disabled while it is open. Deletes itself when closed.
class FolderWindow : public QWidget {
    Q_OBJECT
public:
    FolderWindow(QWidget& finishWindow, QLineEdit& folderBox, desktop::DesktopServices& services,
        QStringList drives = DriveListBox::SystemDrives());

    DriveListBox* driveList;
    FolderListBox* folderList;
    QPushButton* okButton;
    QPushButton* cancelButton;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void changeDrive(const QString& drive);

    QPointer<QWidget> finishWindow_;
    QPointer<QLineEdit> folderBox_;
    desktop::DesktopServices& services_;
    bool settingBack_ = false;
};

}  // namespace animace
