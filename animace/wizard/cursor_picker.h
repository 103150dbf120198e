#pragma once
#include <QStringList>
#include <QWidget>
#include <memory>

#include "animace/wizard/drive_list_box.h"
#include "animace/wizard/file_list_box.h"
#include "animace/wizard/folder_list_box.h"
#include "animace/wizard/image_box.h"
#include "animace/wizard/picture_strip.h"
#include "desktop/desktop_services.h"

class QLabel;
class QPushButton;

namespace animace {

// The cursor picker, the wizard's first step: browse for cursors, preview each, pick frames.
class Form1 : public QWidget {
    Q_OBJECT
public:
    // `temporaryFile` is the preview copy's path, inside the program's private temp folder.
    Form1(const QString& commandLine, desktop::DesktopServices& services, QString temporaryFile,
          QStringList drives = DriveListBox::SystemDrives());

    int frameCount() const { return frameCount_; }
    ImageBox* Image1(int k) const { return strip_->element(k); }
    // The folder list's path, a separator, and the selected file's name.
    QString framePath() const;
    bool CheckUndisplayable() const;
    // The undisplayable flag found by the last "&Další >", as the sequence step's `je` holds it.
    QString undisplayableFlag() const;

    QLabel* Label1;
    ImageBox* Image2;
    DriveListBox* Drive1;
    FolderListBox* Dir1;
    FileListBox* File1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QScrollBar* HScroll1;
    ImageBox* chyba;
    QStringList List1;

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

    desktop::DesktopServices& services_;
    QString temporaryFile_;
    std::unique_ptr<PictureStrip> strip_;
    int frameCount_ = 0;  // N
    bool undisplayable_ = false;
};

}  // namespace animace
