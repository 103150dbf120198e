#include "animace/wizard/cursor_picker.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <system_error>

#include "animace/wizard/window_parts.h"
#include "desktop/window_parts.h"
#include "iconfile/folder_separator.h"
#include "desktop/picture_loader.h"
#include "desktop/picture_pointer.h"
#include "desktop/twips.h"
#include "iconfile/icon_conversions.h"
#include "iconfile/image_check.h"

namespace animace {
namespace {

std::filesystem::path LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

CursorPicker::CursorPicker(WizardAnimation& animation, const QString& commandLine, desktop::DesktopServices& services,
                           QString temporaryFile, QStringList drives)
    : animation_(animation), services_(services), temporaryFile_(std::move(temporaryFile)) {
    SetUpWizardWindow(this, QStringLiteral("cursorPicker"));
    instruction = MakeInstruction(this, QStringLiteral("Otevřete si myšové kurzory, které budou patřit do Vaší nové animace."),
                             120, 120, 4452, 612);
    preview = MakeImageBox(this, QStringLiteral("preview"), 4560, 240);
    driveList = desktop::Place(new DriveListBox(this, std::move(drives)), QStringLiteral("driveList"), 120, 840, 2655, 315);
    folderList = desktop::Place(new FolderListBox(this), QStringLiteral("folderList"), 120, 1200, 2655, 2340);
    fileList = desktop::Place(new FileListBox(QStringLiteral("*.cur"), this), QStringLiteral("fileList"), 2880, 840, 2295, 2040);
    addButton = MakeButton(this, QStringLiteral("addButton"), QStringLiteral("&Přidat"), 3000, 3120, 972, 492);
    removeButton = MakeButton(this, QStringLiteral("removeButton"), QStringLiteral("&Ubrat"), 4200, 3120, 852, 492);
    strip_ = std::make_unique<PictureStrip>(
        this, StripLayout{{110, 3708, 5080, 780}, {120, 3720, 5052, 492}, {0, 0, 252, 492}, {120, 4200, 5052, 252}},
        QStringLiteral("frame"));
    frameScrollBar = strip_->scrollBar();
    strip_->setSpokenNames(QStringLiteral("Vybrané snímky"), QStringLiteral("Snímek"));
    preview->setAccessibleName(QStringLiteral("Náhled vybraného kurzoru"));
    driveList->setAccessibleName(QStringLiteral("Seznam jednotek"));
    folderList->setAccessibleName(QStringLiteral("Seznam složek"));
    fileList->setAccessibleName(QStringLiteral("Seznam souborů"));
    std::tie(aboutButton, nextButton, cancelButton) = MakeStepButtons(
        this, QStringLiteral("aboutButton"), QStringLiteral("&O programu..."), {120, 4680}, {2280, 4680}, {3840, 4680});
    nextButton->setEnabled(false);
    errorPicture = MakeImageBox(this, QStringLiteral("errorPicture"), 0, 0);
    errorPicture->setPicture(ErrorPicture());
    errorPicture->hide();

    // The lists start on the process's working directory, or on the root if it cannot be listed.
    if (!folderList->setPath(QDir::currentPath())) folderList->setPath(QDir::rootPath());
    driveList->setDrive(driveList->driveOf(folderList->path()));
    fileList->setFolder(folderList->path());

    connect(driveList, &DriveListBox::driveChanged, this, &CursorPicker::changeDrive);
    connect(folderList, &FolderListBox::pathChanged, this, &CursorPicker::folderChanged);
    connect(fileList, &FileListBox::fileSelected, this, &CursorPicker::testAndPreview);
    connect(fileList, &FileListBox::fileChosen, this, &CursorPicker::addFrame);
    connect(addButton, &QPushButton::clicked, this, &CursorPicker::addFrame);
    connect(removeButton, &QPushButton::clicked, this, &CursorPicker::removeLastFrame);
    connect(nextButton, &QPushButton::clicked, this, &CursorPicker::leaveForSequence);
    connect(cancelButton, &QPushButton::clicked, this, &CursorPicker::cancelWizard);
    connect(aboutButton, &QPushButton::clicked, this, [this] {
        services_.showMessage(
            desktop::MessageIcon::Information, desktop::MessageButtons::Ok,
            QStringLiteral("Tento program Vám umožní zcela podle Vašich požadavků vyrábět myšové animace. Celým "
                           "výrobním procesem projdete zcela bez potíží. Postupujte podle instrukcí v horní části "
                           "obrazovky."),
            QStringLiteral("Tarvelo 1.0 (2000)"));
    });
    startUp(commandLine);
}

void CursorPicker::startUp(const QString& commandLine) {
    if (commandLine.size() <= 1) return;
    const QChar separator = QChar::fromLatin1(iconfile::kFolderSeparator);
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(commandLine));
    const QString drive = driveList->driveOf(absolute);
    if (!drive.isEmpty()) driveList->setDrive(drive);
    QString rest = commandLine;
    if (rest.endsWith(u'#')) rest.chop(1);
    for (;;) {
        if (!rest.endsWith(separator)) rest.chop(1);
        if (rest.endsWith(separator)) {
            // A quoted path names no folder of its own; the drive step's folder stays.
            if (!rest.startsWith(u'"') && !rest.startsWith(u'\'')) folderList->setPath(rest);
            return;
        }
        if (rest.size() <= 1) return;
    }
}

void CursorPicker::changeDrive(const QString& drive) {
    const QString working = QDir::cleanPath(QDir::currentPath());
    const QString target = driveList->driveOf(working) == drive ? working : drive;
    if (folderList->setPath(target)) return;
    services_.beep();
    const QSignalBlocker quiet(driveList);
    driveList->setDrive(driveList->driveOf(folderList->path()));
}

void CursorPicker::folderChanged() {
    fileList->setFolder(folderList->path());
    showPreview(QPixmap());
}

void CursorPicker::showPreview(const QPixmap& picture, std::optional<QPoint> hotSpot) {
    preview->setPicture(picture, hotSpot);
    // Over the preview the pointer is the cursor itself, so the user can feel it before picking.
    if (preview->hotSpot())
        preview->setCursor(desktop::PointerFromPicture(picture.toImage(), *preview->hotSpot()));
    else
        preview->unsetCursor();
}

QString CursorPicker::framePath() const {
    QString folder = QDir::toNativeSeparators(folderList->path());
    if (!folder.endsWith(QChar::fromLatin1(iconfile::kFolderSeparator))) folder += QChar::fromLatin1(iconfile::kFolderSeparator);
    return folder + fileList->fileName();
}

void CursorPicker::rejectSelectedFile() {
    addButton->setEnabled(false);
    showPreview(QPixmap());
}

void CursorPicker::testAndPreview() {
    addButton->setEnabled(true);
    const std::filesystem::path path = LocalPath(framePath());
    // A file that vanished, cannot be read or is no regular file (a FIFO would block) is turned
    // away like a file of the wrong kind, so the picked frames are never lost; so is a cursor whose
    // image is cut or damaged, which the writer would otherwise copy whole into the animation.
    const iconfile::CheckedIconFile checked = iconfile::CheckIconFile(path);
    if (!iconfile::IsSoundOneImageCursor(checked)) return rejectSelectedFile();
    const iconfile::IconDirectory& directory = checked.directory;
    // A file too large to be shown is not copied: the copy would only fill the temporary folder.
    if (directory.fileLength > iconfile::kLargestIconFile) {
        deleteTemporaryFile();
        return showPreview(errorPicture->picture());
    }
    if (!iconfile::CopyCursorAsIcon(path, LocalPath(temporaryFile_)).succeeded()) return rejectSelectedFile();
    const desktop::LoadedPicture loaded = desktop::LoadPicture(temporaryFile_);
    if (loaded.outcome != desktop::PictureLoadOutcome::Loaded) return showPreview(errorPicture->picture());
    // A cursor keeps its hot spot where an icon keeps its planes and bit count.
    const iconfile::IconDirEntry& entry = directory.entries.empty() ? iconfile::IconDirEntry{} : directory.entries.front();
    showPreview(QPixmap::fromImage(loaded.image), QPoint(entry.hotSpotX(), entry.hotSpotY()));
}

void CursorPicker::addFrame() {
    if (fileList->fileName().isEmpty() || !preview->hasPicture()) return services_.beep();
    animation_.frames.push_back(LocalPath(framePath()).string());
    animation_.pictures.push_back({preview->picture(), preview->hotSpot()});
    strip_->append(*preview);
    if (frameCount() > 1) nextButton->setEnabled(true);
}

void CursorPicker::removeLastFrame() {
    if (frameCount() == 0) return services_.beep();
    strip_->removeLast();
    animation_.frames.pop_back();
    animation_.pictures.pop_back();
    if (frameCount() < 2) nextButton->setEnabled(false);
}

bool CursorPicker::hasUndisplayableFrame() const {
    for (int k = 1; k <= frameCount(); ++k)
        if (strip_->element(k)->showsSamePicture(errorPicture->picture())) return true;
    return false;
}

void CursorPicker::deleteTemporaryFile() const {
    std::error_code ignored;
    std::filesystem::remove(LocalPath(temporaryFile_), ignored);
}

void CursorPicker::leaveForSequence() {
    if (frameCount() < 2) return;
    animation_.undisplayable = hasUndisplayableFrame();
    deleteTemporaryFile();
    frameScrollBar->setMaximum(frameCount());
    emit nextRequested();
}

void CursorPicker::cancelWizard() {
    deleteTemporaryFile();
    services_.endProgram(0);
}

}  // namespace animace
