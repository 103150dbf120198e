#pragma once
#include <QComboBox>
#include <QStringList>

namespace animace {

// The drive list: on Linux "/" first, then the mount points of mounted, ready, real file
// systems. Changing the drive (by the user or by setDrive) emits driveChanged synchronously,
// once, and only when the value really changes.
class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(QWidget* parent = nullptr, QStringList drives = SystemDrives());

    static QStringList SystemDrives();
    // The listed root that is the longest prefix of `path` (an absolute, clean path); empty if none.
    static QString DriveOf(const QString& path, const QStringList& drives);
    QString driveOf(const QString& path) const { return DriveOf(path, drives_); }

    QString drive() const;
    // False when `drive` is not listed; the list then stays as it was.
    bool setDrive(const QString& drive);

signals:
    void driveChanged(const QString& drive);

private:
    QStringList drives_;
};

}  // namespace animace
