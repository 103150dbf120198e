#include "animace/wizard/cursor_picker.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <system_error>

#include "animace/number_text.h"
#include "animace/wizard/window_parts.h"
#include "desktop/folder_separator.h"
#include "desktop/picture_loader.h"
#include "desktop/picture_pointer.h"
#include "desktop/twips.h"
#include "iconfile/icon_conversions.h"
#include "iconfile/image_check.h"

namespace animace {
namespace {

std::filesystem::path LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

Form1::Form1(const QString& commandLine, desktop::DesktopServices& services, QString temporaryFile, QStringList drives)
    : services_(services), temporaryFile_(std::move(temporaryFile)) {
    SetUpWizardWindow(this, QStringLiteral("Form1"));
    Label1 = MakeInstruction(this, QStringLiteral("Otevřete si myšové kurzory, které budou patřit do Vaší nové animace."),
                             120, 120, 4452, 612);
    Image2 = new ImageBox(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->move(desktop::TwipsPoint(4560, 240));
    Drive1 = new DriveListBox(this, std::move(drives));
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setGeometry(desktop::TwipsRect(120, 840, 2655, 315));
    Dir1 = new FolderListBox(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setGeometry(desktop::TwipsRect(120, 1200, 2655, 2340));
    File1 = new FileListBox(QStringLiteral("*.cur"), this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(desktop::TwipsRect(2880, 840, 2295, 2040));
    Command1 = MakeButton(this, QStringLiteral("Command1"), QStringLiteral("&Přidat"), 3000, 3120, 972, 492);
    Command2 = MakeButton(this, QStringLiteral("Command2"), QStringLiteral("&Ubrat"), 4200, 3120, 852, 492);
    strip_ = std::make_unique<PictureStrip>(
        this,
        StripLayout{{110, 3708, 5080, 780}, {120, 3720, 5052, 492}, {0, 0, 252, 492}, {120, 4200, 5052, 252}},
        QStringList{QStringLiteral("Shape1"), QStringLiteral("Panel3D1"), QStringLiteral("Panel3D2"),
                    QStringLiteral("HScroll1"), QStringLiteral("Image1")});
    HScroll1 = strip_->scrollBar();
    Command5 = MakeButton(this, QStringLiteral("Command5"), QStringLiteral("&O programu..."), 120, 4680, 1452, 372);
    Command3 = MakeButton(this, QStringLiteral("Command3"), QStringLiteral("&Další >"), 2280, 4680, 1332, 372);
    Command4 = MakeButton(this, QStringLiteral("Command4"), QStringLiteral("Z&rušit"), 3840, 4680, 1332, 372);
    Command3->setEnabled(false);
    chyba = new ImageBox(this);
    chyba->setObjectName(QStringLiteral("chyba"));
    chyba->setPicture(ErrorPicture());
    chyba->hide();

    // The lists start on the process's working directory, or on the root if it cannot be listed.
    if (!Dir1->setPath(QDir::currentPath())) Dir1->setPath(QDir::rootPath());
    Drive1->setDrive(Drive1->driveOf(Dir1->path()));
    File1->setFolder(Dir1->path());

    connect(Drive1, &DriveListBox::driveChanged, this, &Form1::changeDrive);
    connect(Dir1, &FolderListBox::pathChanged, this, &Form1::folderChanged);
    connect(File1, &FileListBox::fileSelected, this, &Form1::testAndPreview);
    connect(File1, &FileListBox::fileChosen, this, &Form1::addFrame);
    connect(Command1, &QPushButton::clicked, this, &Form1::addFrame);
    connect(Command2, &QPushButton::clicked, this, &Form1::removeLastFrame);
    connect(Command3, &QPushButton::clicked, this, &Form1::leaveForSequence);
    connect(Command4, &QPushButton::clicked, this, &Form1::cancelWizard);
    connect(Command5, &QPushButton::clicked, this, [this] {
        services_.showMessage(
            desktop::MessageIcon::Information, desktop::MessageButtons::Ok,
            QStringLiteral("Tento program Vám umožní zcela podle Vašich požadavků vyrábět myšové animace. Celým "
                           "výrobním procesem projdete zcela bez potíží. Postupujte podle instrukcí v horní části "
                           "obrazovky."),
            QStringLiteral("Tarvelo 1.0 (2000)"));
    });
    startUp(commandLine);
}

void Form1::startUp(const QString& commandLine) {
    if (commandLine.size() <= 1) return;
    const QChar separator = QChar::fromLatin1(desktop::kFolderSeparator);
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(commandLine));
    const QString drive = Drive1->driveOf(absolute);
    if (!drive.isEmpty()) Drive1->setDrive(drive);
    QString rest = commandLine;
    if (rest.endsWith(u'#')) rest.chop(1);
    for (;;) {
        if (!rest.endsWith(separator)) rest.chop(1);
        if (rest.endsWith(separator)) {
            // A quoted path names no folder of its own; the drive step's folder stays.
            if (!rest.startsWith(u'"') && !rest.startsWith(u'\'')) Dir1->setPath(rest);
            return;
        }
        if (rest.size() <= 1) return;
    }
}

void Form1::changeDrive(const QString& drive) {
    const QString working = QDir::cleanPath(QDir::currentPath());
    const QString target = Drive1->driveOf(working) == drive ? working : drive;
    if (Dir1->setPath(target)) return;
    services_.beep();
    const QSignalBlocker quiet(Drive1);
    Drive1->setDrive(Drive1->driveOf(Dir1->path()));
}

void Form1::folderChanged() {
    File1->setFolder(Dir1->path());
    showPreview(QPixmap());
}

void Form1::showPreview(const QPixmap& picture, std::optional<QPoint> hotSpot) {
    Image2->setPicture(picture, hotSpot);
    // Over the preview the pointer is the cursor itself, so the user can feel it before picking.
    if (Image2->hotSpot())
        Image2->setCursor(desktop::PointerFromPicture(picture.toImage(), *Image2->hotSpot()));
    else
        Image2->unsetCursor();
}

QString Form1::framePath() const {
    QString folder = QDir::toNativeSeparators(Dir1->path());
    if (!folder.endsWith(QChar::fromLatin1(desktop::kFolderSeparator))) folder += QChar::fromLatin1(desktop::kFolderSeparator);
    return folder + File1->fileName();
}

void Form1::rejectSelectedFile() {
    Command1->setEnabled(false);
    showPreview(QPixmap());
}

void Form1::testAndPreview() {
    Command1->setEnabled(true);
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
        return showPreview(chyba->picture());
    }
    if (!iconfile::CopyCursorAsIcon(path, LocalPath(temporaryFile_)).succeeded()) return rejectSelectedFile();
    const desktop::LoadedPicture loaded = desktop::LoadPicture(temporaryFile_);
    if (loaded.outcome != desktop::PictureLoadOutcome::Loaded) return showPreview(chyba->picture());
    // A cursor keeps its hot spot where an icon keeps its planes and bit count.
    const iconfile::IconDirEntry& entry = directory.entries.empty() ? iconfile::IconDirEntry{} : directory.entries.front();
    showPreview(QPixmap::fromImage(loaded.image), QPoint(entry.hotSpotX(), entry.hotSpotY()));
}

void Form1::addFrame() {
    if (File1->fileName().isEmpty() || !Image2->hasPicture()) return services_.beep();
    List1 << framePath();
    ++frameCount_;
    strip_->append(*Image2);
    if (frameCount_ > 1) Command3->setEnabled(true);
}

void Form1::removeLastFrame() {
    if (frameCount_ == 0) return services_.beep();
    --frameCount_;
    strip_->removeLast();
    List1.removeLast();
    if (frameCount_ < 2) Command3->setEnabled(false);
}

bool Form1::CheckUndisplayable() const {
    for (int k = 1; k <= frameCount_; ++k)
        if (strip_->element(k)->showsSamePicture(chyba->picture())) return true;
    return false;
}

void Form1::deleteTemporaryFile() const {
    std::error_code ignored;
    std::filesystem::remove(LocalPath(temporaryFile_), ignored);
}

void Form1::leaveForSequence() {
    if (frameCount_ < 2) return;
    undisplayable_ = CheckUndisplayable();
    deleteTemporaryFile();
    HScroll1->setMaximum(frameCount_);
    emit nextRequested();
}

QString Form1::undisplayableFlag() const { return QString::fromStdString(ShortNumberForm(undisplayable_ ? 1 : 0)); }

void Form1::cancelWizard() {
    deleteTemporaryFile();
    services_.endProgram(0);
}

}  // namespace animace
