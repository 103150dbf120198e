#pragma once
#include <QString>
#include <QTemporaryDir>

namespace desktop {

// The program's own folder for temporary files: created owner-only at start-up in the system's
// temp location and removed with everything in it when the program ends. A fixed name in a
// shared folder would let another user plant a link there and have us overwrite its target.
class PrivateTempFolder {
public:
    PrivateTempFolder();
    bool isValid() const { return folder_.isValid(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
};

}  // namespace desktop
