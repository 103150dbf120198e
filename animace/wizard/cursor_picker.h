#pragma once
#include <QWidget>
#include <memory>

#include "animace/wizard/drive_list_box.h"
#include "animace/wizard/file_list_box.h"
#include "animace/wizard/folder_list_box.h"
#include "animace/wizard/image_box.h"
#include "animace/wizard/picture_strip.h"
#include "animace/wizard/wizard_animation.h"
#include "desktop/desktop_services.h"

class QLabel;
class QPushButton;

namespace animace {

// The cursor picker, the wizard's first step: browse for cursors, preview each, pick frames.
// The picked frames go into the wizard's animation.
class CursorPicker : public QWidget {
    Q_OBJECT
public:
    // `temporaryFile` is the preview copy's path, inside the program's private temp folder.
    CursorPicker(WizardAnimation& animation, const QString& commandLine, desktop::DesktopServices& services,
                 QString temporaryFile, QStringList drives = DriveListBox::SystemDrives());

    int frameCount() const { return animation_.frameCount(); }
    // The picked frame k, from 1.
    ImageBox* frame(int k) const { return strip_->element(k); }
    // The folder list's path, a separator, and the selected file's name.
    QString framePath() const;
    // Whether some picked frame shows the error picture instead of the cursor.
    bool hasUndisplayableFrame() const;

    QLabel* instruction;
    ImageBox* preview;
    DriveListBox* driveList;
    FolderListBox* folderList;
    FileListBox* fileList;
    QPushButton* addButton;
    QPushButton* removeButton;
    QPushButton* nextButton;
    QPushButton* cancelButton;
    QPushButton* aboutButton;
    QScrollBar* frameScrollBar;
    ImageBox* errorPicture;  // hidden; what the preview shows for a cursor it cannot show

signals:
    // "&Další >": the frames are counted and the sequence step is to be opened.
    void nextRequested();

private:
    void startUp(const QString& commandLine);
    void changeDrive(const QString& drive);
    void folderChanged();
    void testAndPreview();
    void rejectSelectedFile();
    // Shows `picture` in the preview; with a hot spot it is also the pointer over the preview.
    void showPreview(const QPixmap& picture, std::optional<QPoint> hotSpot = std::nullopt);
    void addFrame();
    void removeLastFrame();
    void leaveForSequence();
    void cancelWizard();
    void deleteTemporaryFile() const;

    WizardAnimation& animation_;
    desktop::DesktopServices& services_;
    QString temporaryFile_;
    std::unique_ptr<PictureStrip> strip_;
};

}  // namespace animace
