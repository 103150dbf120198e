#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "animace/wizard/finish_window.h"
#include "animace/wizard/folder_window.h"
#include "iconfile/folder_separator.h"
#include "iconfile/little_endian.h"
#include "support/scripted_timer.h"
#include "wizard_files.h"

using animace::FinishStep;
using desktop::MessageAnswer;

namespace {

const QString kSep = QChar::fromLatin1(iconfile::kFolderSeparator);

QPixmap Swatch(Qt::GlobalColor colour) {
    QPixmap picture(32, 32);
    picture.fill(colour);
    return picture;
}

// An animation of three steps over two frame files, a stand-in timing window, and the finish window.
struct Finish {
    explicit Finish(const QString& commandLine = {}) {
        TestApplication();
        for (const char* name : {"a.cur", "b.cur"}) {
            WriteAll(folder.path(name), TestCursor());
            animation.frames.push_back(folder.path(name).string());
        }
        animation.pictures = {{Swatch(Qt::red), std::nullopt}, {Swatch(Qt::green), std::nullopt}};
        animation.steps = {{0, 20}, {1, 10}, {0, 20}};
        timingWindow = std::make_unique<QWidget>();
        timingWindow->move(210, 130);
        form = std::make_unique<FinishStep>(animation, *timingWindow, desktop, commandLine, FinishStep::DefaultFolder(),
                                            timers.factory());
        form->show();
    }
    // Empties the boxes, names the output in the scratch folder and presses "&Dokončit".
    void finishAs(const QString& name) {
        form->nameBox->setText(name);
        form->folderBox->setText(Native(folder.root()));
        Click(form->finishButton);
    }
    std::filesystem::path output(const std::string& name) const { return folder.path(name); }

    ScratchFolder folder;
    ScriptedDesktop desktop;
    TimerRig timers;  // preview, end
    animace::WizardAnimation animation;
    std::unique_ptr<QWidget> timingWindow;
    std::unique_ptr<FinishStep> form;
};

animace::FolderWindow* OpenFolderWindow(FinishStep& form) {
    Click(form.changeFolderButton);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* folderWindow = qobject_cast<animace::FolderWindow*>(window);
        if (folderWindow != nullptr && folderWindow->isVisible()) return folderWindow;
    }
    return nullptr;
}

}  // namespace

TEST(FinishWindow, OpensAtTheTimingWindowWithItsControls) {
    Finish open;
    FinishStep& form = *open.form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Průvodce vytvořením nové animace"));
    EXPECT_EQ(form.pos(), QPoint(210, 130));
    EXPECT_TRUE(form.isVisible());
    ExpectCaptions({{form.heading, "A je to!"},
                    {form.instruction, "Tarvelo má nyní všechny informace k vytvoření nové animace."},
                    {form.nameLabel, "Jméno souboru:"}, {form.folderLabel, "Cesta:"},
                    {form.changeFolderButton, "Změnit..."}, {form.backButton, "<  &Zpět"},
                    {form.finishButton, "&Dokončit"}, {form.cancelButton, "Z&rušit"}});
    ExpectInSightAndReachable(form, {form.nameBox, form.folderBox, form.changeFolderButton, form.backButton,
                                     form.finishButton, form.cancelButton});
    EXPECT_EQ(form.nameBox->text(), QStringLiteral("ANIMACE.ANI"));
    EXPECT_EQ(form.folderBox->text(), FinishStep::DefaultFolder());
    EXPECT_TRUE(form.folderBox->text().endsWith(kSep));
    EXPECT_FALSE(form.undisplayableWarning->isVisibleTo(&form));
    EXPECT_EQ(form.preview->picture().size(), QSize(32, 32)) << "the built-in picture before the first tick";
    Click(form.cancelButton);
    EXPECT_TRUE(open.desktop.ended);
    EXPECT_EQ(open.desktop.exitStatus, 0);
}

TEST(FinishWindow, CommandLinePresetsNameAndFolder) {
    const QString folder = kSep + "tmp" + kSep + "KURZORY" + kSep;
    {
        Finish open(folder + "pokus.ani");
        EXPECT_EQ(open.form->nameBox->text(), QStringLiteral("pokus.ani"));
        EXPECT_EQ(open.form->folderBox->text(), folder);
    }
    {
        Finish open(folder + "#");
        EXPECT_EQ(open.form->nameBox->text(), QString());
        EXPECT_EQ(open.form->folderBox->text(), folder);
    }
    // No separator, or a single character: the start texts stay.
    for (const QString& line : {QStringLiteral("pokus.ani"), QStringLiteral("x"), kSep}) {
        Finish open(line);
        EXPECT_EQ(open.form->nameBox->text(), QStringLiteral("ANIMACE.ANI")) << line.toStdString();
        EXPECT_EQ(open.form->folderBox->text(), FinishStep::DefaultFolder());
    }
}

TEST(FinishWindow, WarningShowsForAnUndisplayableFrame) {
    for (const bool undisplayable : {true, false}) {
        TestApplication();
        animace::WizardAnimation animation;
        animation.undisplayable = undisplayable;
        QWidget timingWindow;
        ScriptedDesktop desktop;
        FinishStep form(animation, timingWindow, desktop, {});
        EXPECT_EQ(form.undisplayableWarning->isVisibleTo(&form), undisplayable);
    }
}

TEST(FinishWindow, PreviewPlaysEveryStepForItsOwnTimeAndStartsOver) {
    Finish open;
    FinishStep& form = *open.form;
    // Steps of 1 s, 0.5 s and 1 s, then step 3 shortened to 0.05 s.
    const int expectedPeriods[] = {1000, 500, 1000, 1000, 500, 50, 1000};
    for (int tick = 0; tick < 7; ++tick) {
        if (tick == 4) open.animation.steps[2].twentieths = 1;
        open.timers[1].tick();
        const int step = tick % 3;
        const std::size_t frame = step == 1 ? 1 : 0;
        EXPECT_TRUE(form.preview->showsSamePicture(open.animation.pictures[frame].picture)) << tick;
        EXPECT_EQ(form.previewTimer->interval(), expectedPeriods[tick]) << tick;
        EXPECT_NE(form.previewTimer->interval(), 0);
        EXPECT_EQ(form.previewStep(), step + 1);
    }
    // A step time of 0 stops the preview.
    open.animation.steps[1].twentieths = 0;  // the next step
    open.timers[1].tick();
    EXPECT_EQ(form.previewTimer->interval(), 0);
}

TEST(FinishWindow, BackShowsTheTimingWindow) {
    Finish open;
    FinishStep& form = *open.form;
    open.timingWindow->hide();
    Click(form.backButton);
    EXPECT_TRUE(open.timingWindow->isVisible());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(open.desktop.ended);
}

TEST(FolderWindow, DisablesTheFinishWindowUntilClosed) {
    Finish open;
    FinishStep& form = *open.form;
    form.folderBox->setText(Native(open.folder.root()));
    const QString before = form.folderBox->text();

    QPointer<animace::FolderWindow> window = OpenFolderWindow(form);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Určit adresář"));
    EXPECT_EQ(window->okButton->text(), QStringLiteral("&O.K."));
    EXPECT_EQ(window->cancelButton->text(), QStringLiteral("S&torno"));
    EXPECT_EQ(window->folderList->path(), Native(open.folder.root())) << "starts at the finish window's folder";
    EXPECT_FALSE(form.isEnabled());
    window->folderList->setPath(QStringLiteral("/"));
    window->close();  // the close box
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(form.folderBox->text(), before);

    window = OpenFolderWindow(form);
    window->folderList->setPath(QStringLiteral("/"));
    QTest::keyClick(window->folderList, Qt::Key_Escape);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(form.folderBox->text(), before);

    window = OpenFolderWindow(form);
    window->folderList->setPath(QStringLiteral("/"));
    Click(window->okButton);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(form.folderBox->text(), QStringLiteral("/")) << "a root keeps its separator";

    std::filesystem::create_directory(open.folder.path("pod"));
    form.folderBox->setText(Native(open.folder.path("nonexistent")));
    window = OpenFolderWindow(form);
    EXPECT_EQ(window->folderList->path(), QDir::currentPath()) << "an unusable preset is ignored";
    window->folderList->setPath(Native(open.folder.root()));
    ASSERT_TRUE(window->folderList->highlight(Native(open.folder.path("pod"))));
    QTest::keyClick(window->folderList, Qt::Key_Return);
    Click(window->okButton);
    EXPECT_EQ(form.folderBox->text(), Native(open.folder.path("pod")));
    Click(form.finishButton);
    EXPECT_EQ(form.folderBox->text(), Native(open.folder.path("pod")) + kSep) << "completed by the folder rule";
    QApplication::setQuitOnLastWindowClosed(true);
}

TEST(FolderWindow, UnreadableDriveBeepsAndTheListsAgreeAgain) {
    TestApplication();
    ScriptedDesktop desktop;
    QWidget finish;
    QLineEdit folder(QStringLiteral("/tmp"));
    auto* window = new animace::FolderWindow(finish, folder, desktop,
                                    {QStringLiteral("/"), QStringLiteral("/no/such/drive"), QStringLiteral("/usr")});
    const QString before = window->folderList->path();
    EXPECT_EQ(window->driveList->drive(), QStringLiteral("/"));
    window->driveList->setCurrentIndex(1);
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_EQ(window->driveList->drive(), QStringLiteral("/"));
    EXPECT_EQ(window->folderList->path(), before) << "setting the drive back keeps the folder";
    window->driveList->setCurrentIndex(2);
    EXPECT_EQ(window->folderList->path(), QStringLiteral("/usr"));
    EXPECT_EQ(desktop.beeps, 1);
    Click(window->cancelButton);
    EXPECT_EQ(folder.text(), QStringLiteral("/tmp"));
    EXPECT_TRUE(finish.isEnabled());
}

TEST(FinishStep, WritesCompletesTheBoxesAndEndsAfterTwoEndTicks) {
    Finish open;
    FinishStep& form = *open.form;
    form.nameBox->setText(QStringLiteral("pokus"));
    form.folderBox->setText(Native(open.folder.root()));
    Click(form.finishButton);
    EXPECT_EQ(form.nameBox->text(), QStringLiteral("pokus.ani"));
    EXPECT_EQ(form.folderBox->text(), Native(open.folder.root()) + kSep);
    const Bytes file = ReadAll(open.output("pokus.ani"));
    const std::size_t frame = TestCursor().size();
    ASSERT_EQ(file.size(), 84 + 24 + 2 * (8 + frame));
    EXPECT_EQ(iconfile::ReadU32(file, 64), 60u);
    EXPECT_EQ(iconfile::ReadU32(file, 68), 30u);
    EXPECT_EQ(iconfile::ReadU32(file, 88), 1u);
    ASSERT_EQ(open.desktop.messages.size(), 1u);
    EXPECT_EQ(open.desktop.messages[0].text, QStringLiteral("Animace byla vytvořena."));
    EXPECT_EQ(open.desktop.messages[0].icon, desktop::MessageIcon::Information);
    EXPECT_FALSE(open.desktop.messages[0].title.has_value());
    EXPECT_EQ(open.desktop.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.endTimer->interval(), 500);
    open.timers[2].tick();
    EXPECT_FALSE(open.desktop.ended);
    open.timers[2].tick();
    EXPECT_TRUE(open.desktop.ended);
    QApplication::setQuitOnLastWindowClosed(true);
}

TEST(FinishStep, OverwriteQuestionAndFailureBoxKeepTheWindowOpen) {
    Finish open;
    FinishStep& form = *open.form;
    WriteAll(open.output("stary.ani"), Bytes{1, 2, 3});
    open.finishAs(QStringLiteral("stary.ani"));
    ASSERT_EQ(open.desktop.messages.size(), 1u);
    EXPECT_EQ(open.desktop.messages[0].text, QStringLiteral("Soubor již existuje. Přepsat?"));
    EXPECT_EQ(open.desktop.messages[0].icon, desktop::MessageIcon::Question);
    EXPECT_EQ(open.desktop.messages[0].buttons, desktop::MessageButtons::YesNo);
    EXPECT_EQ(ReadAll(open.output("stary.ani")), (Bytes{1, 2, 3}));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.endTimer->interval(), 0);

    std::filesystem::remove(open.folder.path("b.cur"));
    open.desktop.messages.clear();
    open.desktop.answers = {MessageAnswer::Yes, MessageAnswer::Retry, MessageAnswer::Cancel};
    open.finishAs(QStringLiteral("stary.ani"));
    ASSERT_EQ(open.desktop.messages.size(), 3u);
    const ShownMessage& failure = open.desktop.messages[1];
    EXPECT_EQ(failure.icon, desktop::MessageIcon::Exclamation);
    EXPECT_EQ(failure.buttons, desktop::MessageButtons::RetryCancel);
    EXPECT_EQ(failure.text, Native(open.output("stary.ani")) + '\n' + QString::fromStdString(open.animation.frames[1]) + '\n' +
                                QStringLiteral("Chyba při provádění operace. Vložte správnou disketu, nebo "
                                               "stiskněte Storno."));
    ASSERT_TRUE(failure.title.has_value());
    EXPECT_FALSE(failure.title->isEmpty()) << "the system's description of the failure";
    EXPECT_EQ(open.desktop.messages[2].text, failure.text) << "retry fails again while the frame is missing";
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(open.desktop.ended);
    EXPECT_FALSE(open.desktop.busyChanges.back());

    // The output may not be one of the frames: the user's cursor stays as it was.
    open.desktop.messages.clear();
    open.desktop.answers = {MessageAnswer::Yes};
    const Bytes cursor = ReadAll(open.folder.path("a.cur"));
    open.finishAs(QStringLiteral("a.cur"));
    ASSERT_EQ(open.desktop.messages.size(), 1u);
    EXPECT_TRUE(open.desktop.messages[0].text.contains(QStringLiteral("jedním z kurzorů")));
    EXPECT_EQ(ReadAll(open.folder.path("a.cur")), cursor);
}

TEST(Wizard, FromTheFirstWindowToTheWrittenFileAndTheEnd) {
    PickerOnFolder wizard;
    wizard.open(Native(wizard.cursors() / "vysledek.ani"), {QStringLiteral("/")});
    WriteAll(wizard.cursors() / "kolo2.cur", TestCursor(16));
    wizard.pick(QStringLiteral("kolo1.cur"));
    wizard.pick(QStringLiteral("kolo2.cur"));
    animace::SequenceStep* sequence = wizard.toSequence();
    ASSERT_TRUE(sequence);
    for (int frame : {2, 1, 2, 2}) Click(sequence->frame(frame));
    animace::TimingStep* timing = wizard.toTiming();
    ASSERT_TRUE(timing);
    EXPECT_FALSE(sequence->isVisible());
    timing->timeSlider(2)->setTime(1);
    Click(timing->maximumButton);  // every step to the bound, 2 s
    timing->timeSlider(3)->setTime(7);
    Click(timing->nextButton);
    FinishStep* finish = wizard.wizard->finish();
    ASSERT_TRUE(finish);
    finish->previewTimer->setInterval(0);
    EXPECT_TRUE(finish->isVisible());
    EXPECT_FALSE(timing->isVisible());
    EXPECT_EQ(timing->stepScrollBar->maximum(), 4);
    EXPECT_EQ(wizard.animation().stepCount(), 4);
    EXPECT_EQ(finish->nameBox->text(), QStringLiteral("vysledek.ani"));
    finish->nameBox->setText(QStringLiteral("moje"));
    Click(finish->backButton);
    EXPECT_TRUE(timing->isVisible());
    EXPECT_FALSE(finish->isVisible());
    Click(timing->nextButton);
    EXPECT_EQ(wizard.wizard->finish(), finish) << "loaded once";
    EXPECT_EQ(wizard.animation().stepCount(), 4);
    EXPECT_EQ(finish->nameBox->text(), QStringLiteral("moje")) << "shown again unchanged";
    finish->nameBox->setText(QStringLiteral("vysledek.ani"));
    Click(finish->finishButton);

    const Bytes file = ReadAll(wizard.cursors() / "vysledek.ani");
    const Bytes first = TestCursor(), second = TestCursor(16);
    ASSERT_EQ(file.size(), 84 + 8 * 4 + 8 + first.size() + 8 + second.size());
    EXPECT_EQ(iconfile::ReadU32(file, 24), 2u);
    EXPECT_EQ(iconfile::ReadU32(file, 28), 4u);
    const std::uint32_t rates[] = {120, 120, 21, 120}, indexes[] = {1, 0, 1, 1};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(iconfile::ReadU32(file, 64 + 4 * k), rates[k]) << k;
        EXPECT_EQ(iconfile::ReadU32(file, 88 + 4 * k), indexes[k]) << k;
    }
    EXPECT_EQ(Bytes(file.end() - static_cast<std::ptrdiff_t>(second.size()), file.end()), second);
    EXPECT_EQ(wizard.desktop.messages.back().text, QStringLiteral("Animace byla vytvořena."));
    EXPECT_FALSE(wizard.desktop.ended);
    QElapsedTimer clock;
    clock.start();
    while (!wizard.desktop.ended && clock.elapsed() < 5000) QTest::qWait(20);
    EXPECT_TRUE(wizard.desktop.ended);
    EXPECT_GE(clock.elapsed(), 900) << "about one second after the message";
    EXPECT_EQ(wizard.desktop.exitStatus, 0);
    QApplication::setQuitOnLastWindowClosed(true);
}
