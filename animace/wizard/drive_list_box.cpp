#include "animace/wizard/drive_list_box.h"

#include <QDir>
#include <QSet>
#include <QStorageInfo>

namespace animace {
namespace {

bool IsPseudoFileSystem(const QByteArray& type) {
    static const QSet<QByteArray> pseudo = {
        "proc",  "sysfs",  "devpts",  "devtmpfs",  "tmpfs",   "cgroup",      "cgroup2", "securityfs",
        "pstore", "debugfs", "tracefs", "mqueue",  "hugetlbfs", "fusectl",   "configfs", "bpf",
        "autofs", "binfmt_misc", "nsfs", "ramfs",  "rpc_pipefs", "efivarfs", "overlay", "squashfs",
        "fuse.portal", "fuse.gvfsd-fuse"};
    return pseudo.contains(type);
}

// True when `prefix` is `path` or one of its ancestor folders.
bool IsFolderPrefix(const QString& prefix, const QString& path) {
    if (!path.startsWith(prefix)) return false;
    if (path.size() == prefix.size() || prefix.endsWith(QDir::separator()) || prefix.endsWith(u'/')) return true;
    return path.at(prefix.size()) == u'/' || path.at(prefix.size()) == QDir::separator();
}

}  // namespace

DriveListBox::DriveListBox(QWidget* parent, QStringList drives) : QComboBox(parent), drives_(std::move(drives)) {
    addItems(drives_);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) emit driveChanged(drives_.at(index));
    });
}

QStringList DriveListBox::SystemDrives() {
    QStringList drives{QDir::rootPath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || IsPseudoFileSystem(volume.fileSystemType())) continue;
        const QString root = volume.rootPath();
        if (!drives.contains(root)) drives << root;
    }
    return drives;
}

QString DriveListBox::DriveOf(const QString& path, const QStringList& drives) {
    QString best;
    for (const QString& drive : drives)
        if (drive.size() > best.size() && IsFolderPrefix(drive, path)) best = drive;
    return best;
}

QString DriveListBox::drive() const { return currentIndex() < 0 ? QString() : drives_.at(currentIndex()); }

bool DriveListBox::setDrive(const QString& drive) {
    const int index = static_cast<int>(drives_.indexOf(drive));
    if (index < 0) return false;
    setCurrentIndex(index);
    return true;
}

}  // namespace animace
