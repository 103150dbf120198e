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
#include "desktop/folder_separator.h"
#include "iconfile/little_endian.h"
#include "support/scripted_timer.h"
#include "wizard_files.h"

using animace::Form4;
using desktop::MessageAnswer;

namespace {

const QString kSep = QChar::fromLatin1(desktop::kFolderSeparator);

QPixmap Swatch(Qt::GlobalColor colour) {
    QPixmap picture(32, 32);
    picture.fill(colour);
    return picture;
}

// The timing window as the finish step sees it.
class FakeTiming : public animace::TimingSteps {
public:
    QString je = QStringLiteral("0");
    QPoint position{210, 130};
    QStringList captions;
    std::vector<QPixmap> pictures;
    std::vector<std::optional<QPoint>> hotSpots;  // none given: no step has a hot spot
    std::vector<int> times;
    QStringList frames;
    QStringList steps;
    int shownAgain = 0;

    QString undisplayableCaption() const override { return je; }
    QPoint windowPosition() const override { return position; }
    int stepCount() const override { return static_cast<int>(captions.size()); }
    QString timeCaption(int step) const override { return valid(step) ? captions[step - 1] : QString(); }
    QPixmap stepPicture(int step) const override {
        return valid(step) ? pictures[static_cast<std::size_t>(step - 1)] : QPixmap();
    }
    std::optional<QPoint> stepHotSpot(int step) const override {
        return valid(step) && static_cast<std::size_t>(step) <= hotSpots.size() ? hotSpots[static_cast<std::size_t>(step - 1)]
                                                                              : std::nullopt;
    }
    int displayTime(int step) const override { return valid(step) ? times[static_cast<std::size_t>(step - 1)] : 0; }
    QStringList framePaths() const override { return frames; }
    QStringList sequence() const override { return steps; }
    void showAgain() override { ++shownAgain; }

private:
    bool valid(int step) const { return step >= 1 && step <= stepCount(); }
};

// A fake timing window of three steps over two frame files, and its finish window.
struct Finish {
    explicit Finish(const QString& commandLine = {}) {
        TestApplication();
        timing.captions = {QStringLiteral("1"), QStringLiteral(" .5"), QStringLiteral(" 1")};
        timing.pictures = {Swatch(Qt::red), Swatch(Qt::green), Swatch(Qt::blue)};
        timing.times = {20, 10, 20};
        for (const char* name : {"a.cur", "b.cur"}) {
            WriteAll(folder.path(name), TestCursor());
            timing.frames << Native(folder.path(name));
        }
        timing.steps = {QStringLiteral(" 1"), QStringLiteral(" 2"), QStringLiteral(" 1")};
        form = std::make_unique<Form4>(timing, desktop, commandLine, Form4::DefaultFolder(), timers.factory());
        form->show();
        form->Label6 = QString::number(timing.stepCount());
    }
    // Empties the boxes, names the output in the scratch folder and presses "&Dokončit".
    void finishAs(const QString& name) {
        form->Text1->setText(name);
        form->Text2->setText(Native(folder.root()));
        Click(form->Command3);
    }
    std::filesystem::path output(const std::string& name) const { return folder.path(name); }

    ScratchFolder folder;
    ScriptedDesktop desktop;
    TimerRig timers;  // Timer1, endtimer
    FakeTiming timing;
    std::unique_ptr<Form4> form;
};

animace::adr* OpenFolderWindow(Form4& form) {
    Click(form.Command1);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* folderWindow = qobject_cast<animace::adr*>(window);
        if (folderWindow != nullptr && folderWindow->isVisible()) return folderWindow;
    }
    return nullptr;
}

}  // namespace

TEST(FinishWindow, OpensAtTheTimingWindowWithItsControls) {
    Finish open;
    Form4& form = *open.form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Průvodce vytvořením nové animace"));
    EXPECT_EQ(form.pos(), QPoint(210, 130));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Label2->text(), QStringLiteral("A je to!"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Tarvelo má nyní všechny informace k vytvoření nové animace."));
    EXPECT_EQ(form.Label3->text(), QStringLiteral("Jméno souboru:"));
    EXPECT_EQ(form.Label4->text(), QStringLiteral("Cesta:"));
    EXPECT_EQ(form.Command1->text(), QStringLiteral("Změnit..."));
    EXPECT_EQ(form.Command2->text(), QStringLiteral("<  &Zpět"));
    EXPECT_EQ(form.Command3->text(), QStringLiteral("&Dokončit"));
    EXPECT_EQ(form.Command4->text(), QStringLiteral("Z&rušit"));
    EXPECT_EQ(form.Text1->geometry(), QRect(120, 104, 145, 19));
    EXPECT_EQ(form.Command3->geometry(), QRect(152, 312, 89, 25));
    EXPECT_EQ(form.Text1->text(), QStringLiteral("ANIMACE.ANI"));
    EXPECT_EQ(form.Text2->text(), Form4::DefaultFolder());
    EXPECT_TRUE(form.Text2->text().endsWith(kSep));
    EXPECT_EQ(form.Label6, QStringLiteral("3"));
    EXPECT_FALSE(form.Label5->isVisibleTo(&form));
    EXPECT_EQ(form.Image1->picture().size(), QSize(32, 32)) << "the built-in picture before the first tick";
    Click(form.Command4);
    EXPECT_TRUE(open.desktop.ended);
    EXPECT_EQ(open.desktop.exitStatus, 0);
}

TEST(FinishWindow, CommandLinePresetsNameAndFolder) {
    const QString folder = kSep + "tmp" + kSep + "KURZORY" + kSep;
    {
        Finish open(folder + "pokus.ani");
        EXPECT_EQ(open.form->Text1->text(), QStringLiteral("pokus.ani"));
        EXPECT_EQ(open.form->Text2->text(), folder);
    }
    {
        Finish open(folder + "#");
        EXPECT_EQ(open.form->Text1->text(), QString());
        EXPECT_EQ(open.form->Text2->text(), folder);
    }
    // No separator, or a single character: the start texts stay.
    for (const QString& line : {QStringLiteral("pokus.ani"), QStringLiteral("x"), kSep}) {
        Finish open(line);
        EXPECT_EQ(open.form->Text1->text(), QStringLiteral("ANIMACE.ANI")) << line.toStdString();
        EXPECT_EQ(open.form->Text2->text(), Form4::DefaultFolder());
    }
}

TEST(FinishWindow, WarningShowsForAFlagReadingOne) {
    for (const auto& [flag, shown] : std::vector<std::pair<QString, bool>>{
             {" 1", true}, {"1", true}, {" 0", false}, {"0", false}, {"", false}}) {
        TestApplication();
        FakeTiming timing;
        timing.je = flag;
        ScriptedDesktop desktop;
        Form4 form(timing, desktop, {});
        EXPECT_EQ(form.Label5->isVisibleTo(&form), shown) << flag.toStdString();
    }
}

TEST(FinishWindow, PreviewPlaysEveryStepForItsOwnTimeAndStartsOver) {
    Finish open;
    Form4& form = *open.form;
    // Steps of 1 s, 0.5 s and 1 s, then step 3 shortened to 0.05 s.
    const int expectedPeriods[] = {1000, 500, 1000, 1000, 500, 50, 1000};
    for (int tick = 0; tick < 7; ++tick) {
        if (tick == 4) open.timing.captions[2] = QStringLiteral(" .05");
        open.timers[1].tick();
        const int step = tick % 3;
        EXPECT_TRUE(form.Image1->showsSamePicture(open.timing.pictures[static_cast<std::size_t>(step)])) << tick;
        EXPECT_EQ(form.Timer1->interval(), expectedPeriods[tick]) << tick;
        EXPECT_NE(form.Timer1->interval(), 0);
        EXPECT_EQ(form.Timer1->tag, QString::number(step + 1));
    }
    // A step time of 0 stops the preview.
    open.timing.captions[1] = QStringLiteral("0");  // the next step
    open.timers[1].tick();
    EXPECT_EQ(form.Timer1->interval(), 0);
}

TEST(FinishWindow, BackShowsTheTimingWindow) {
    Finish open;
    Form4& form = *open.form;
    Click(form.Command2);
    EXPECT_EQ(open.timing.shownAgain, 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(open.desktop.ended);
}

TEST(FolderWindow, DisablesTheFinishWindowUntilClosed) {
    Finish open;
    Form4& form = *open.form;
    form.Text2->setText(Native(open.folder.root()));
    const QString before = form.Text2->text();

    QPointer<animace::adr> window = OpenFolderWindow(form);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Určit adresář"));
    EXPECT_EQ(window->Command1->text(), QStringLiteral("&O.K."));
    EXPECT_EQ(window->Command2->text(), QStringLiteral("S&torno"));
    EXPECT_EQ(window->Dir1->path(), Native(open.folder.root())) << "starts at the finish window's folder";
    EXPECT_FALSE(form.isEnabled());
    window->Dir1->setPath(QStringLiteral("/"));
    window->close();  // the close box
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(form.Text2->text(), before);

    window = OpenFolderWindow(form);
    window->Dir1->setPath(QStringLiteral("/"));
    QTest::keyClick(window->Dir1, Qt::Key_Escape);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(form.Text2->text(), before);

    window = OpenFolderWindow(form);
    window->Dir1->setPath(QStringLiteral("/"));
    Click(window->Command1);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(form.Text2->text(), QStringLiteral("/")) << "a root keeps its separator";

    std::filesystem::create_directory(open.folder.path("pod"));
    form.Text2->setText(Native(open.folder.path("nonexistent")));
    window = OpenFolderWindow(form);
    EXPECT_EQ(window->Dir1->path(), QDir::currentPath()) << "an unusable preset is ignored";
    window->Dir1->setPath(Native(open.folder.root()));
    ASSERT_TRUE(window->Dir1->highlight(Native(open.folder.path("pod"))));
    QTest::keyClick(window->Dir1, Qt::Key_Return);
    Click(window->Command1);
    EXPECT_EQ(form.Text2->text(), Native(open.folder.path("pod")));
    Click(form.Command3);
    EXPECT_EQ(form.Text2->text(), Native(open.folder.path("pod")) + kSep) << "completed by the folder rule";
    QApplication::setQuitOnLastWindowClosed(true);
}

TEST(FolderWindow, UnreadableDriveBeepsAndTheListsAgreeAgain) {
    TestApplication();
    ScriptedDesktop desktop;
    QWidget finish;
    QLineEdit folder(QStringLiteral("/tmp"));
    auto* window = new animace::adr(finish, folder, desktop,
                                    {QStringLiteral("/"), QStringLiteral("/no/such/drive"), QStringLiteral("/usr")});
    const QString before = window->Dir1->path();
    EXPECT_EQ(window->Drive1->drive(), QStringLiteral("/"));
    window->Drive1->setCurrentIndex(1);
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_EQ(window->Drive1->drive(), QStringLiteral("/"));
    EXPECT_EQ(window->Dir1->path(), before) << "setting the drive back keeps the folder";
    window->Drive1->setCurrentIndex(2);
    EXPECT_EQ(window->Dir1->path(), QStringLiteral("/usr"));
    EXPECT_EQ(desktop.beeps, 1);
    Click(window->Command2);
    EXPECT_EQ(folder.text(), QStringLiteral("/tmp"));
    EXPECT_TRUE(finish.isEnabled());
}

TEST(FinishStep, WritesCompletesTheBoxesAndEndsAfterTwoEndTicks) {
    Finish open;
    Form4& form = *open.form;
    form.Text1->setText(QStringLiteral("pokus"));
    form.Text2->setText(Native(open.folder.root()));
    Click(form.Command3);
    EXPECT_EQ(form.Text1->text(), QStringLiteral("pokus.ani"));
    EXPECT_EQ(form.Text2->text(), Native(open.folder.root()) + kSep);
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
        EXPECT_EQ(form.endtimer->interval(), 500);
    open.timers[2].tick();
    EXPECT_FALSE(open.desktop.ended);
    open.timers[2].tick();
    EXPECT_TRUE(open.desktop.ended);
    QApplication::setQuitOnLastWindowClosed(true);
}

TEST(FinishStep, OverwriteQuestionAndFailureBoxKeepTheWindowOpen) {
    Finish open;
    Form4& form = *open.form;
    WriteAll(open.output("stary.ani"), Bytes{1, 2, 3});
    open.finishAs(QStringLiteral("stary.ani"));
    ASSERT_EQ(open.desktop.messages.size(), 1u);
    EXPECT_EQ(open.desktop.messages[0].text, QStringLiteral("Soubor již existuje. Přepsat?"));
    EXPECT_EQ(open.desktop.messages[0].icon, desktop::MessageIcon::Question);
    EXPECT_EQ(open.desktop.messages[0].buttons, desktop::MessageButtons::YesNo);
    EXPECT_EQ(ReadAll(open.output("stary.ani")), (Bytes{1, 2, 3}));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.endtimer->interval(), 0);

    std::filesystem::remove(open.folder.path("b.cur"));
    open.desktop.messages.clear();
    open.desktop.answers = {MessageAnswer::Yes, MessageAnswer::Retry, MessageAnswer::Cancel};
    open.finishAs(QStringLiteral("stary.ani"));
    ASSERT_EQ(open.desktop.messages.size(), 3u);
    const ShownMessage& failure = open.desktop.messages[1];
    EXPECT_EQ(failure.icon, desktop::MessageIcon::Exclamation);
    EXPECT_EQ(failure.buttons, desktop::MessageButtons::RetryCancel);
    EXPECT_EQ(failure.text, Native(open.output("stary.ani")) + '\n' + open.timing.frames[1] + '\n' +
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
    animace::Form2* sequence = wizard.toSequence();
    ASSERT_TRUE(sequence);
    for (int frame : {2, 1, 2, 2}) Click(sequence->Image1(frame));
    animace::Form3* timing = wizard.toTiming();
    ASSERT_TRUE(timing);
    EXPECT_FALSE(sequence->isVisible());
    timing->VScroll1(2)->setTime(1);
    Click(timing->Command2);  // every step to the bound, 2 s
    timing->VScroll1(3)->setTime(7);
    Click(timing->Command3);
    Form4* finish = wizard.wizard->finish();
    ASSERT_TRUE(finish);
    finish->Timer1->setInterval(0);
    EXPECT_TRUE(finish->isVisible());
    EXPECT_FALSE(timing->isVisible());
    EXPECT_EQ(timing->HScroll1->maximum(), 4);
    EXPECT_EQ(finish->Label6, QStringLiteral("4"));
    EXPECT_EQ(finish->Text1->text(), QStringLiteral("vysledek.ani"));
    finish->Text1->setText(QStringLiteral("moje"));
    Click(finish->Command2);
    EXPECT_TRUE(timing->isVisible());
    EXPECT_FALSE(finish->isVisible());
    finish->Label6 = QStringLiteral("0");
    Click(timing->Command3);
    EXPECT_EQ(wizard.wizard->finish(), finish) << "loaded once";
    EXPECT_EQ(finish->Label6, QStringLiteral("4"));
    EXPECT_EQ(finish->Text1->text(), QStringLiteral("moje")) << "shown again unchanged";
    finish->Text1->setText(QStringLiteral("vysledek.ani"));
    Click(finish->Command3);

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
