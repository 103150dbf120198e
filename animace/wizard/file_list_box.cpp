#include "animace/wizard/file_list_box.h"

#include <QDir>
#include <QKeyEvent>
#include <QRegularExpression>

namespace animace {

FileListBox::FileListBox(QString pattern, QWidget* parent) : QListWidget(parent), pattern_(std::move(pattern)) {
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) emit fileSelected();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit fileChosen(); });
}

void FileListBox::setFolder(const QString& folder) {
    folder_ = folder;
    const QSignalBlocker quiet(this);
    clear();
    const QDir dir(folder);
    const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(pattern_),
                                      QRegularExpression::CaseInsensitiveOption);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (wildcard.match(name).hasMatch()) addItem(name);
    setCurrentRow(-1);
}

QString FileListBox::fileName() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

bool FileListBox::selectFile(const QString& name) {
    const QList<QListWidgetItem*> found = findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) return false;
    setCurrentItem(found.first());
    return true;
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit fileChosen();
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace animace
