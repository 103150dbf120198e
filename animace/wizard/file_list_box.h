#pragma once
#include <QListWidget>

namespace animace {

// The file list: the files of one folder whose names match a pattern, case-insensitively.
// A newly selected entry emits fileSelected; Enter or a double-click on an entry emits fileChosen.
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QString pattern, QWidget* parent = nullptr);

    QString folder() const { return folder_; }
    // Lists the folder's matching files; no entry is selected afterwards.
    void setFolder(const QString& folder);
    // The selected file's name, empty when none is selected.
    QString fileName() const;
    // Selects the entry of `name`; false when it is not listed.
    bool selectFile(const QString& name);

signals:
    void fileSelected();
    void fileChosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString pattern_;
    QString folder_;
};

}  // namespace animace
