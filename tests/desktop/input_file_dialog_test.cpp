// Started from the menu a program asks for its file: Qt's dialog in Czech, filtered to what the
// program takes, in the pictures folder; the chosen file comes back, Cancel gives nothing.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "desktop/input_file_dialog.h"
#include "desktop/program_start.h"
#include "support/test_application.h"

namespace {

constexpr desktop::InputFileKind kIcons{"Otevřít ikonu nebo kurzor", "Ikony a kurzory (*.ico *.cur)"};

class InputFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApplication();
        static const bool czech = desktop::LoadQtCzechTranslation();
        ASSERT_TRUE(czech);
        ASSERT_TRUE(home.isValid());
        savedHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qunsetenv("XDG_CONFIG_HOME");  // the pictures folder comes from the home's own settings
    }
    void TearDown() override { qputenv("HOME", savedHome); }

    // Runs the dialog, handing it to `answer` from inside its own event loop.
    std::optional<std::string> Ask(const std::function<void(QFileDialog&)>& answer) {
        QTimer::singleShot(0, [&answer] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "no file dialog";
                QApplication::activeModalWidget()->close();
                return;
            }
            answer(*dialog);
        });
        return desktop::AskForInputFile(kIcons);
    }

    QTemporaryDir home;
    QByteArray savedHome;
};

TEST_F(InputFileDialogTest, StartsInPicturesOrHome) {
    EXPECT_EQ(desktop::InputFileStartFolder(), home.path());
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Pictures")));
    EXPECT_EQ(desktop::InputFileStartFolder(), home.filePath(QStringLiteral("Pictures")));
}

TEST_F(InputFileDialogTest, ChosenFileComesBackCzechAndFiltered) {
    QFile icon(home.filePath(QStringLiteral("šipka.ico")));
    ASSERT_TRUE(icon.open(QIODevice::WriteOnly));
    icon.close();
    QString title, folder, openCaption;
    QStringList filters;
    const std::optional<std::string> chosen = Ask([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        folder = dialog.directory().path();
        filters = dialog.nameFilters();
        QPushButton* open = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
        openCaption = open->text();
        dialog.selectFile(icon.fileName());
        open->click();
    });
    EXPECT_EQ(title.toStdString(), "Otevřít ikonu nebo kurzor");
    EXPECT_EQ(folder, home.path());
    EXPECT_EQ(filters, QStringList{QStringLiteral("Ikony a kurzory (*.ico *.cur)")});
    EXPECT_EQ(openCaption.toStdString(), "&Otevřít");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, QFile::encodeName(icon.fileName()).toStdString());
}

TEST_F(InputFileDialogTest, CancelGivesNothing) {
    EXPECT_FALSE(Ask([](QFileDialog& dialog) { dialog.reject(); }).has_value());
}

}  // namespace
