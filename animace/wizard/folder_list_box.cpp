#include "animace/wizard/folder_list_box.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

namespace animace {
namespace {

constexpr int kPathRole = Qt::UserRole;

}  // namespace

FolderListBox::FolderListBox(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { openHighlighted(); });
}

bool FolderListBox::setPath(const QString& path) {
    if (path.isEmpty()) return false;
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    const QFileInfo info(absolute);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable()) return false;
    if (absolute == path_) return true;
    path_ = absolute;
    fill();
    emit pathChanged(path_);
    return true;
}

bool FolderListBox::openHighlighted() {
    const QString target = highlightedPath();
    return !target.isEmpty() && setPath(target);
}

QString FolderListBox::highlightedPath() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->data(kPathRole).toString() : QString();
}

bool FolderListBox::highlight(const QString& folder) {
    const QString wanted = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(kPathRole).toString() == wanted) {
            setCurrentRow(row);
            return true;
        }
    }
    return false;
}

void FolderListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openHighlighted();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FolderListBox::fill() {
    clear();
    QStringList chain;
    for (QDir dir(path_);; ) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp()) break;
    }
    int depth = 0;
    auto add = [this](const QString& caption, const QString& folder, int indent) {
        auto* entry = new QListWidgetItem(QString(indent * 2, u' ') + caption, this);
        entry->setData(kPathRole, folder);
    };
    for (const QString& folder : chain) {
        const QString name = QFileInfo(folder).fileName();
        add(name.isEmpty() ? QDir::toNativeSeparators(folder) : name, folder, depth++);
    }
    const QDir current(path_);
    for (const QString& name : current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        add(name, current.absoluteFilePath(name), depth);
    setCurrentRow(static_cast<int>(chain.size()) - 1);
}

}  // namespace animace
