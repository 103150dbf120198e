#pragma once
#include <QListWidget>

namespace animace {

// The folder list: the chain of the current path from its root down, then the current folder's
// subfolders. setPath emits pathChanged synchronously, once, only when the value really changes.
// Enter or a double-click opens the highlighted entry.
class FolderListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FolderListBox(QWidget* parent = nullptr);

    // Absolute and clean: no trailing separator except for a root.
    QString path() const { return path_; }
    // A relative path is taken from the working directory. False (and nothing changes) when the
    // folder cannot be opened.
    bool setPath(const QString& path);
    // The folder of the highlighted entry becomes the path; false when nothing is highlighted.
    bool openHighlighted();
    QString highlightedPath() const;
    // Highlights the entry of `folder` (a path of the chain or a subfolder); false when not listed.
    bool highlight(const QString& folder);

signals:
    void pathChanged(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fill();
    QString path_;
};

}  // namespace animace
