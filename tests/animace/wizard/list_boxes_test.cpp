#include <gtest/gtest.h>

#include <QSignalSpy>

#include "animace/wizard/drive_list_box.h"
#include "animace/wizard/file_list_box.h"
#include "animace/wizard/folder_list_box.h"
#include "wizard_files.h"

using namespace animace;

TEST(DriveListBox, TheDriveOfAPathIsTheLongestListedRoot) {
    const QStringList drives{"/", "/media/usb", "/media/usb2", "/home"};
    EXPECT_EQ(DriveListBox::DriveOf("/media/usb/kurzory", drives), QStringLiteral("/media/usb"));
    EXPECT_EQ(DriveListBox::DriveOf("/media/usb2", drives), QStringLiteral("/media/usb2"));
    EXPECT_EQ(DriveListBox::DriveOf("/media/usbx/a", drives), QStringLiteral("/"));
    EXPECT_EQ(DriveListBox::DriveOf("/homes", drives), QStringLiteral("/"));
    EXPECT_EQ(DriveListBox::DriveOf("relative", {"/home"}), QString());
    EXPECT_EQ(DriveListBox::SystemDrives().value(0), QDir::rootPath());
}

TEST(DriveListBox, SettingTheDriveSignalsOnlyRealChanges) {
    TestApplication();
    DriveListBox box(nullptr, {"/", "/home"});
    QSignalSpy changes(&box, &DriveListBox::driveChanged);
    EXPECT_TRUE(box.setDrive("/"));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_TRUE(box.setDrive("/home"));
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].toString(), QStringLiteral("/home"));
    EXPECT_FALSE(box.setDrive("/nikde"));
    EXPECT_EQ(box.drive(), QStringLiteral("/home"));
}

TEST(FolderListBox, ShowsTheChainAndSubfoldersAndOpensTheHighlightedOne) {
    TestApplication();
    ScratchFolder scratch;
    std::filesystem::create_directories(scratch.path("a") / "b");
    std::filesystem::create_directories(scratch.path("a") / "C");
    WriteAll(scratch.path("a") / "soubor", Bytes{1});
    FolderListBox box;
    QSignalSpy changes(&box, &FolderListBox::pathChanged);
    const QString a = Native(scratch.path("a"));
    ASSERT_TRUE(box.setPath(a + QStringLiteral("/")));
    EXPECT_EQ(box.path(), a);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(box.setPath(a));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(box.item(0)->text(), QStringLiteral("/"));
    EXPECT_EQ(box.item(box.count() - 2)->text().trimmed(), QStringLiteral("b"));
    EXPECT_EQ(box.item(box.count() - 1)->text().trimmed(), QStringLiteral("C"));
    EXPECT_EQ(box.highlightedPath(), a);
    ASSERT_TRUE(box.highlight(a + QStringLiteral("/C")));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.path(), a + QStringLiteral("/C"));
    EXPECT_EQ(changes.count(), 2);
    ASSERT_TRUE(box.highlight(Native(scratch.root())));
    QTest::keyClick(&box, Qt::Key_Enter);
    EXPECT_EQ(box.path(), QDir::cleanPath(Native(scratch.root())));
    EXPECT_FALSE(box.setPath(Native(scratch.path("chybi"))));
    EXPECT_FALSE(box.setPath(Native(scratch.path("a") / "soubor")));
    EXPECT_FALSE(box.setPath(QString()));
    EXPECT_EQ(changes.count(), 3);
}

TEST(FileListBox, ListsMatchingFilesWhateverTheirCase) {
    TestApplication();
    ScratchFolder scratch;
    for (const char* name : {"b.cur", "A.CUR", "c.Cur", "d.ico", "cur", "e.cur.bak"}) WriteAll(scratch.path(name), Bytes{1});
    std::filesystem::create_directories(scratch.path("slozka.cur"));
    FileListBox box(QStringLiteral("*.cur"));
    QSignalSpy selected(&box, &FileListBox::fileSelected);
    QSignalSpy chosen(&box, &FileListBox::fileChosen);
    box.setFolder(Native(scratch.root()));
    QStringList names;
    for (int i = 0; i < box.count(); ++i) names << box.item(i)->text();
    EXPECT_EQ(names, (QStringList{"A.CUR", "b.cur", "c.Cur"}));
    EXPECT_TRUE(box.fileName().isEmpty());
    EXPECT_EQ(selected.count(), 0);
    ASSERT_TRUE(box.selectFile(QStringLiteral("b.cur")));
    EXPECT_EQ(box.fileName(), QStringLiteral("b.cur"));
    EXPECT_EQ(selected.count(), 1);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(chosen.count(), 1);
    box.setFolder(Native(scratch.root()));
    EXPECT_TRUE(box.fileName().isEmpty());
}
