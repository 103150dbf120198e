// The wizard as a keyboard and screen-reader user meets it: every control of every window has a
// Czech name (a step's slider tells its time in seconds), and Enter presses a focused button.
#include <gtest/gtest.h>

#include <QAccessible>

#include "animace/wizard/finish_window.h"
#include "animace/wizard/folder_window.h"
#include "animace/wizard/timing_step.h"
#include "support/keyboard_and_reader.h"
#include "wizard_files.h"

namespace {

using Names = std::vector<std::string>;

animace::FolderWindow* OpenFolderWindow(animace::FinishStep& finish) {
    Click(finish.changeFolderButton);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* folderWindow = qobject_cast<animace::FolderWindow*>(window); folderWindow && folderWindow->isVisible())
            return folderWindow;
    return nullptr;
}

std::string Spoken(QWidget* control, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(control)->text(text).toStdString();
}

}  // namespace

TEST(WizardForAReader, EveryWindowNamesWhatItShows) {
    PickerOnFolder picker;
    picker.pick(QStringLiteral("kolo1.cur"), 2);
    picker.select(QStringLiteral("kolo2.cur"));
    EXPECT_EQ(UnnamedControls(picker.form), Names{});
    EXPECT_EQ(Spoken(picker.form->fileList, QAccessible::Name), "Seznam souborů");
    EXPECT_EQ(Spoken(picker.form->frame(2), QAccessible::Name), "Snímek 2");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(picker.form->errorPicture)->state().invisible);

    animace::SequenceStep* sequence = picker.toSequence();
    Click(sequence->everyOnceButton);
    EXPECT_EQ(UnnamedControls(sequence), Names{});

    animace::TimingStep* timing = picker.toTiming();
    EXPECT_EQ(UnnamedControls(timing), Names{});
    animace::TimeSlider* slider = timing->timeSlider(2);
    EXPECT_EQ(Spoken(slider, QAccessible::Name), "Čas kroku 2");
    EXPECT_EQ(Spoken(slider, QAccessible::Description), "1 s");
    slider->setTime(3);
    EXPECT_EQ(Spoken(slider, QAccessible::Description), "0,15 s");

    Click(timing->nextButton);
    animace::FinishStep* finish = picker.wizard->finish();
    EXPECT_EQ(UnnamedControls(finish), Names{});
    animace::FolderWindow* folderWindow = OpenFolderWindow(*finish);
    ASSERT_NE(folderWindow, nullptr);
    EXPECT_EQ(UnnamedControls(folderWindow), Names{});
    folderWindow->close();
}

TEST(WizardForTheKeyboard, EnterAndSpacePressTheFocusedButtonOfEveryWindow) {
    PickerOnFolder picker;
    picker.pick(QStringLiteral("kolo1.cur"), 2);
    EXPECT_EQ(ButtonsTheKeysDoNotPress(picker.form), Names{});

    SequenceOnFrames sequence(2);
    Click(sequence.sequence->everyOnceButton);
    EXPECT_EQ(ButtonsTheKeysDoNotPress(sequence.sequence), Names{});

    TimingOnSteps timing(2);
    EXPECT_EQ(ButtonsTheKeysDoNotPress(timing.timing), Names{});

    TimingOnSteps toFinish(2);
    Click(toFinish.timing->nextButton);
    animace::FinishStep* finish = toFinish.base.picker.wizard->finish();
    animace::FolderWindow* folderWindow = OpenFolderWindow(*finish);
    ASSERT_NE(folderWindow, nullptr);
    EXPECT_EQ(ButtonsTheKeysDoNotPress(folderWindow), Names{});
    folderWindow->close();
    EXPECT_EQ(ButtonsTheKeysDoNotPress(finish), Names{});
}
