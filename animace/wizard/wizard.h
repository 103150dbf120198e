#pragma once
// The wizard of animace: opens its four steps in turn and owns their windows to the end.
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "animace/wizard/drive_list_box.h"
#include "desktop/desktop_services.h"

namespace animace {

class Form1;
class Form2;
class Form3;
class Form4;

class Wizard : public QObject {
    Q_OBJECT
public:
    // `temporaryFile` is the cursor picker's preview copy, inside the private temp folder.
    Wizard(QString commandLine, desktop::DesktopServices& services, QString temporaryFile,
           QStringList drives = DriveListBox::SystemDrives());
    ~Wizard() override;

    // Shows the first step.
    void start();

    // The steps opened so far; a step closed or hidden stays here until the wizard ends.
    Form1* picker() const { return picker_.get(); }
    Form2* sequence() const { return sequence_.get(); }
    Form3* timing() const { return timing_.get(); }
    Form4* finish() const { return finish_.get(); }

private:
    void openSequence();
    void openTiming();
    void openFinish();

    QString commandLine_;
    desktop::DesktopServices& services_;
    // In the order of the steps, so a later step, which reads the earlier ones, is deleted first.
    std::unique_ptr<Form1> picker_;
    std::unique_ptr<Form2> sequence_;
    std::unique_ptr<Form3> timing_;
    std::unique_ptr<Form4> finish_;
};

}  // namespace animace
