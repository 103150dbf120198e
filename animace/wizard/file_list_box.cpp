#include "animace/wizard/file_list_box.h"

#include <QDir>
#include <QKeyEvent>
#include <QRegularExpression>

namespace animace {

FileListBox::FileListBox(QString pattern, QWidget* parent) : QListWidget(parent), pattern_(std::move(pattern)) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The selection, not the current entry: focus alone makes an entry current without selecting it.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!selectedItems().isEmpty()) emit fileSelected();
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
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
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
