#include <gtest/gtest.h>

#include <optional>
#include <set>

#include <QLabel>
#include <sys/stat.h>

#include "iconfile/icon_directory.h"
#include "wizard_files.h"

using animace::CursorPicker;

namespace {

QString Clean(const std::filesystem::path& path) { return QDir::cleanPath(Native(path)); }

// A scratch folder holding `other` and "jinde", the program's working directory meanwhile.
struct StartedElsewhere {
    explicit StartedElsewhere(const std::string& otherName)
        : other(scratch.path(otherName)), working(scratch.path("jinde")) {
        TestApplication();
        std::filesystem::create_directories(other);
        std::filesystem::create_directories(working);
        inWorking.emplace(working);
    }

    ScratchFolder scratch;
    std::filesystem::path other, working;
    std::optional<WorkingDirectory> inWorking;
};

}  // namespace

TEST(CursorPicker, StartUpFolderFollowsTheCommandLine) {
    const StartedElsewhere started("Kurzory");
    const ScratchFolder& scratch = started.scratch;
    const auto& cursors = started.other;
    const auto& working = started.working;
    struct Case {
        QString commandLine;
        QString folder;
    };
    const Case cases[] = {
        {QString(), Clean(working)},
        {QStringLiteral("x"), Clean(working)},
        {Native(cursors / "pes.cur"), Clean(cursors)},
        {Native(cursors / "#"), Clean(cursors)},
        {Native(cursors), Clean(scratch.root())},
        {QStringLiteral("../Kurzory/pes.cur"), Clean(cursors)},
        {Native(scratch.path("chybi") / "pes.cur"), Clean(working)},
        {QStringLiteral("\"") + Native(cursors / "pes.cur"), Clean(working)},
        {QStringLiteral("/pes.cur"), QStringLiteral("/")},
    };
    for (const Case& c : cases) {
        ScriptedDesktop desktop;
        animace::WizardAnimation animation;
        CursorPicker form(animation, c.commandLine, desktop, Native(scratch.path("obr.tmp")), {QStringLiteral("/")});
        EXPECT_EQ(form.folderList->path(), c.folder) << c.commandLine.toStdString();
        EXPECT_EQ(form.fileList->folder(), c.folder) << c.commandLine.toStdString();
        EXPECT_EQ(form.driveList->drive(), QStringLiteral("/"));
        EXPECT_EQ(desktop.beeps, 0);
    }
}

TEST(CursorPicker, ADriveWithoutTheWorkingDirectoryOpensAtItsRoot) {
    const StartedElsewhere started("disk");
    const ScratchFolder& scratch = started.scratch;
    const auto& disk = started.other;
    ScriptedDesktop desktop;
    // The folder part is missing, so the folder stays where the drive change put it.
    animace::WizardAnimation animation;
    CursorPicker form(animation, Native(disk / "chybi" / "pes.cur"), desktop, Native(scratch.path("obr.tmp")),
               {QStringLiteral("/"), Clean(disk)});
    EXPECT_EQ(form.driveList->drive(), Clean(disk));
    EXPECT_EQ(form.folderList->path(), Clean(disk));
}

TEST(CursorPicker, ADriveThatCannotBeOpenedBeepsAndIsSetBack) {
    PickerOnFolder open;
    const QString gone = Clean(open.folder.path("odpojeny"));
    open.open(Native(open.cursors() / "#"), {QStringLiteral("/"), gone});
    open.form->driveList->setCurrentIndex(1);
    EXPECT_EQ(open.desktop.beeps, 1);
    EXPECT_EQ(open.form->driveList->drive(), QStringLiteral("/"));
    EXPECT_EQ(open.form->folderList->path(), Clean(open.cursors()));
}

TEST(CursorPicker, OpensWithItsCaptionsAndEveryControlInSight) {
    PickerOnFolder open;
    CursorPicker& form = *open.form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Průvodce vytvořením nové animace"));
    EXPECT_EQ(form.size(), QSize(354, 346));
    ExpectCaptions({{form.addButton, "&Přidat"}, {form.removeButton, "&Ubrat"}, {form.nextButton, "&Další >"},
                    {form.cancelButton, "Z&rušit"}, {form.aboutButton, "&O programu..."}});
    ExpectInSightAndReachable(form, {form.driveList, form.folderList, form.fileList, form.addButton, form.removeButton,
                                     form.aboutButton, form.cancelButton});
    // The strip of picked frames runs across the window above the buttons.
    EXPECT_LT(form.frameScrollBar->geometry().bottom(), form.nextButton->y());
    EXPECT_TRUE(form.addButton->isEnabled());
    EXPECT_FALSE(form.nextButton->isEnabled());
    EXPECT_FALSE(form.frameScrollBar->isEnabled());
    EXPECT_FALSE(form.preview->hasPicture());
    EXPECT_EQ(form.fileList->count(), 2);
    Click(form.aboutButton);
    ASSERT_EQ(open.desktop.messages.size(), 1u);
    EXPECT_EQ(open.desktop.messages[0].icon, desktop::MessageIcon::Information);
    EXPECT_TRUE(open.desktop.messages[0].title->contains(QStringLiteral("Tarvelo")));
    EXPECT_TRUE(open.desktop.messages[0].text.startsWith(QStringLiteral("Tento program Vám umožní")));
}

TEST(CursorPicker, CursorTestLooksAtTheTwoLowHeaderBytesAndChecksTheImage) {
    PickerOnFolder open;
    CursorPicker& form = *open.form;
    WriteAll(open.cursors() / "dva.cur", TestIcon(32, 32, 2, 2));
    WriteAll(open.cursors() / "ikona.cur", TestIcon(32, 32, 1, 1));
    WriteAll(open.cursors() / "mnoho.cur", TestIcon(32, 32, 2, 257));
    WriteAll(open.cursors() / "kratky.cur", Bytes{0, 0, 2, 0});
    // A cut or lying cursor fails the test too: the writer would copy it whole into the animation.
    std::filesystem::copy_file(TestData("sipka16_cut.cur"), open.cursors() / "useknuty.cur");
    Bytes lying = ReadAll(TestData("lying_header.ico"));
    lying[2] = 2;
    WriteAll(open.cursors() / "lzivy.cur", lying);
    struct Case {
        const char* name;
        bool accepted;
    };
    for (const Case c : {Case{"dva.cur", false}, Case{"kolo1.cur", true}, Case{"ikona.cur", false},
                         Case{"mnoho.cur", true}, Case{"kratky.cur", false}, Case{"useknuty.cur", false},
                         Case{"lzivy.cur", false}}) {
        open.select(QString::fromLatin1(c.name));
        EXPECT_EQ(form.addButton->isEnabled(), c.accepted) << c.name;
        EXPECT_EQ(form.preview->hasPicture(), c.accepted) << c.name;
    }
    // The preview comes from a copy whose type byte says icon.
    open.select(QStringLiteral("kolo1.cur"));
    Bytes expected = TestCursor();
    expected[2] = 1;
    EXPECT_EQ(ReadAll(open.temporaryFile()), expected);
    EXPECT_EQ(form.preview->size(), QSize(32, 32));
    EXPECT_FALSE(form.preview->showsSamePicture(form.errorPicture->picture()));
    EXPECT_EQ(open.desktop.messages.size(), 0u);
}

TEST(CursorPicker, ACursorWithItsHotSpotInTheMiddleIsPreviewed) {
    PickerOnFolder open;
    Bytes cursor = TestCursor();
    cursor[10] = 16;  // hot spot 16, 16 where an icon keeps planes and bit count
    cursor[12] = 16;
    WriteAll(open.cursors() / "stred.cur", cursor);
    open.select(QStringLiteral("stred.cur"));
    EXPECT_TRUE(open.form->preview->hasPicture());
    EXPECT_FALSE(open.form->preview->showsSamePicture(open.form->errorPicture->picture()));
    EXPECT_EQ(open.form->preview->size(), QSize(32, 32));
    cursor[2] = 1;
    EXPECT_EQ(ReadAll(open.temporaryFile()), cursor);
}

TEST(CursorPicker, AnUnreadableCursorShowsTheErrorPictureAndCanStillBePicked) {
    PickerOnFolder open;
    WriteAll(open.cursors() / "rozbity.cur", UndisplayableCursor());
    open.pick(QStringLiteral("rozbity.cur"));
    EXPECT_TRUE(open.form->addButton->isEnabled());
    EXPECT_TRUE(open.form->preview->showsSamePicture(open.form->errorPicture->picture()));
    EXPECT_EQ(open.form->frameCount(), 1);
    EXPECT_TRUE(open.form->hasUndisplayableFrame());
}

TEST(CursorPicker, AHugeCursorIsNotCopiedForThePreview) {
    PickerOnFolder open;
    open.select(QStringLiteral("kolo1.cur"));
    ASSERT_TRUE(std::filesystem::exists(open.temporaryFile()));
    // Past the limit it cannot be shown; copying gigabytes would fill the folder and stall the window.
    const auto huge = open.cursors() / "obri.cur";
    WriteAll(huge, TestCursor());
    std::filesystem::resize_file(huge, iconfile::kLargestIconFile + 1);
    open.select(QStringLiteral("obri.cur"));
    EXPECT_TRUE(open.form->addButton->isEnabled());
    EXPECT_TRUE(open.form->preview->showsSamePicture(open.form->errorPicture->picture()));
    EXPECT_FALSE(std::filesystem::exists(open.temporaryFile()));
    // A file of exactly the limit is still copied and tried.
    std::filesystem::resize_file(huge, iconfile::kLargestIconFile);
    open.select(QStringLiteral("obri.cur"));
    EXPECT_EQ(std::filesystem::file_size(open.temporaryFile()), static_cast<std::uintmax_t>(iconfile::kLargestIconFile));
    EXPECT_EQ(open.desktop.messages.size(), 0u);
}

TEST(CursorPicker, FilesThatCannotBeReadAreTurnedAwayQuietly) {
    PickerOnFolder open;
    CursorPicker& form = *open.form;
    open.pick(QStringLiteral("kolo1.cur"), 2);
    // Vanished between listing and selection.
    form.fileList->setFolder(form.fileList->folder());
    std::filesystem::remove(open.cursors() / "kolo2.cur");
    ASSERT_TRUE(form.fileList->selectFile(QStringLiteral("kolo2.cur")));
    EXPECT_FALSE(form.addButton->isEnabled());
    EXPECT_FALSE(form.preview->hasPicture());
    // Replaced by a FIFO after listing: it must not hang the wizard.
    WriteAll(open.cursors() / "roura.cur", TestCursor());
    form.fileList->setFolder(form.fileList->folder());
    std::filesystem::remove(open.cursors() / "roura.cur");
    ASSERT_EQ(::mkfifo((open.cursors() / "roura.cur").c_str(), 0600), 0);
    ASSERT_TRUE(form.fileList->selectFile(QStringLiteral("roura.cur")));
    EXPECT_FALSE(form.addButton->isEnabled());
    if (!IsRoot()) {
        WriteAll(open.cursors() / "zamceny.cur", TestCursor());
        std::filesystem::permissions(open.cursors() / "zamceny.cur", std::filesystem::perms::none);
        open.select(QStringLiteral("zamceny.cur"));
        EXPECT_FALSE(form.addButton->isEnabled());
    }
    EXPECT_EQ(form.frameCount(), 2);
    EXPECT_EQ(open.desktop.messages.size(), 0u);
    EXPECT_FALSE(open.desktop.ended);
}

TEST(CursorPicker, ATemporaryCopyThatCannotBeWrittenRejectsTheFile) {
    TestApplication();
    PickerOnFolder open;
    ScriptedDesktop desktop;
    animace::WizardAnimation animation;
    CursorPicker form(animation, Native(open.cursors() / "#"), desktop, Native(open.folder.path("chybi") / "obr.tmp"), {"/"});
    ASSERT_TRUE(form.fileList->selectFile(QStringLiteral("kolo1.cur")));
    EXPECT_FALSE(form.addButton->isEnabled());
    EXPECT_FALSE(form.preview->hasPicture());
    EXPECT_FALSE(desktop.ended);
}

TEST(CursorPicker, ThreePicksOfOneFileMakeThreeFramesSharingOnePicture) {
    PickerOnFolder open;
    CursorPicker& form = *open.form;
    open.pick(QStringLiteral("kolo1.cur"), 2);
    QTest::keyClick(form.fileList, Qt::Key_Return);
    const QString path = Clean(open.cursors()) + QStringLiteral("/kolo1.cur");
    EXPECT_EQ(open.animation().frames, std::vector<std::string>(3, path.toStdString()));
    ASSERT_EQ(open.animation().pictures.size(), 3u);
    EXPECT_TRUE(form.preview->showsSamePicture(open.animation().pictures[2].picture));
    EXPECT_EQ(open.animation().pictures[2].hotSpot, form.preview->hotSpot());
    EXPECT_EQ(form.frameCount(), 3);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_TRUE(form.frame(k)->showsSamePicture(form.preview->picture()));
        EXPECT_EQ(form.frame(k)->geometry(), QRect(32 * (k - 1), 0, 32, 32));
    }
    EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("frameStrip"))->width(), 96);
}

TEST(CursorPicker, TheEleventhFrameScrollsTheStripAndItsRemovalUndoesIt) {
    PickerOnFolder open;
    CursorPicker& form = *open.form;
    QWidget* strip = form.findChild<QWidget*>(QStringLiteral("frameStrip"));
    open.pick(QStringLiteral("kolo1.cur"), 10);
    EXPECT_FALSE(form.frameScrollBar->isEnabled());
    Click(form.addButton);
    EXPECT_TRUE(form.frameScrollBar->isEnabled());
    EXPECT_EQ(form.frameScrollBar->value(), 1);
    EXPECT_EQ(form.frameScrollBar->maximum(), 10);
    EXPECT_EQ(strip->x(), -32);
    form.frameScrollBar->setValue(0);
    EXPECT_EQ(strip->x(), 0);
    form.frameScrollBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(form.frameScrollBar->value(), 4);
    EXPECT_EQ(strip->x(), -128);
    Click(form.removeButton);
    EXPECT_FALSE(form.frameScrollBar->isEnabled());
    EXPECT_EQ(strip->x(), 0);
    // Picked again, the 11th frame is again the last whole cell in view.
    Click(form.addButton);
    EXPECT_EQ(form.frameScrollBar->value(), 1);
    EXPECT_EQ(strip->x(), -32);
}

TEST(CursorPicker, NextIsEnabledFromTheSecondFrameAndRemovingBeepsWhenEmpty) {
    PickerOnFolder open;
    CursorPicker& form = *open.form;
    Click(form.addButton);  // nothing selected
    EXPECT_EQ(open.desktop.beeps, 1);
    Click(form.removeButton);  // no frames
    EXPECT_EQ(open.desktop.beeps, 2);
    open.pick(QStringLiteral("kolo1.cur"));
    EXPECT_FALSE(form.nextButton->isEnabled());
    Click(form.addButton);
    EXPECT_TRUE(form.nextButton->isEnabled());
    Click(form.removeButton);
    EXPECT_FALSE(form.nextButton->isEnabled());
    EXPECT_EQ(open.animation().frames.size(), 1u);
    EXPECT_EQ(open.animation().pictures.size(), 1u);
    // A folder change empties the preview: adding then beeps.
    ASSERT_TRUE(form.folderList->setPath(Native(open.folder.root())));
    EXPECT_FALSE(form.preview->hasPicture());
    QTest::keyClick(form.fileList, Qt::Key_Return);
    EXPECT_EQ(open.desktop.beeps, 3);
    EXPECT_EQ(form.frameCount(), 1);
}

TEST(CursorPicker, CancelDeletesTheTemporaryFileAndEnds) {
    PickerOnFolder open;
    open.select(QStringLiteral("kolo1.cur"));
    ASSERT_TRUE(std::filesystem::exists(open.temporaryFile()));
    Click(open.form->cancelButton);
    EXPECT_FALSE(std::filesystem::exists(open.temporaryFile()));
    EXPECT_TRUE(open.desktop.ended);
    EXPECT_EQ(open.desktop.exitStatus, 0);
}

TEST(CursorPicker, NextHandsFramesOnAndDeletesTheTemporaryFile) {
    PickerOnFolder open;
    CursorPicker& form = *open.form;
    form.move(40, 30);
    open.pick(QStringLiteral("kolo1.cur"));
    open.pick(QStringLiteral("kolo2.cur"), 2);
    animace::SequenceStep* sequence = open.toSequence();
    ASSERT_NE(sequence, nullptr);
    EXPECT_FALSE(std::filesystem::exists(open.temporaryFile()));
    EXPECT_EQ(form.frameScrollBar->maximum(), 3);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(sequence->isVisible());
    EXPECT_EQ(sequence->pos(), form.pos());
    EXPECT_EQ(sequence->frameCount(), 3);
    const std::string folder = Clean(open.cursors()).toStdString();
    EXPECT_EQ(open.animation().frames,
              (std::vector<std::string>{folder + "/kolo1.cur", folder + "/kolo2.cur", folder + "/kolo2.cur"}));
    for (int k = 1; k <= 3; ++k) EXPECT_TRUE(sequence->frame(k)->showsSamePicture(form.frame(k)->picture()));
    EXPECT_FALSE(open.animation().undisplayable);
    EXPECT_FALSE(open.desktop.ended);
}

TEST(CursorPicker, OnlyTheLastFrameUndisplayableReachesTheTimingStep) {
    PickerOnFolder open;
    WriteAll(open.cursors() / "rozbity.cur", UndisplayableCursor());
    open.pick(QStringLiteral("kolo1.cur"), 2);
    open.pick(QStringLiteral("rozbity.cur"));
    animace::SequenceStep* sequence = open.toSequence();
    EXPECT_TRUE(open.animation().undisplayable);
    Click(sequence->everyOnceButton);
    animace::TimingStep* timing = open.toTiming();
    ASSERT_NE(timing, nullptr);
    EXPECT_TRUE(open.animation().undisplayable) << "the steps in between keep the flag";
}

TEST(PictureStrip, ADisabledScrollBarDrawsNoThumbWhateverItsMaximum) {
    PickerOnFolder open;
    QScrollBar* bar = open.form->frameScrollBar;
    ASSERT_FALSE(bar->isEnabled());
    bar->setMaximum(5);  // as "&Další >" leaves it
    const QImage atStart = bar->grab().toImage();
    std::set<QRgb> colours;
    for (int x = 0; x < atStart.width(); ++x) colours.insert(atStart.pixel(x, atStart.height() / 2));
    EXPECT_GT(colours.size(), 2u) << "the groove and the arrows are still drawn";
    bar->setValue(3);
    EXPECT_EQ(bar->grab().toImage(), atStart) << "no thumb moved";
    bar->setMaximum(0);
    EXPECT_EQ(bar->grab().toImage(), atStart);
    bar->setMaximum(5);
    bar->setValue(3);
    bar->setEnabled(true);
    EXPECT_NE(bar->grab().toImage(), atStart) << "an enabled bar shows its thumb";
}
