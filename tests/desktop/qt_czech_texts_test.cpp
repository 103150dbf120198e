// Qt's own texts come in Czech once its translation is loaded, while our message boxes keep the
// captions we typed.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "desktop/program_start.h"
#include "desktop/qt_desktop_services.h"
#include "support/test_application.h"

namespace {

bool CzechLoaded() {
    TestApplication();
    static const bool loaded = desktop::LoadQtCzechTranslation();
    return loaded;
}

std::string Captions(const QList<QAction*>& actions) {
    QStringList captions;
    for (const QAction* action : actions) {
        if (!action->isSeparator()) captions << action->text().section(QLatin1Char('\t'), 0, 0);
    }
    return captions.join(QStringLiteral(" | ")).toStdString();
}

TEST(QtCzechTexts, TextBoxContextMenuSpeaksCzech) {
    ASSERT_TRUE(CzechLoaded()) << "qtbase_cs.qm (qt6-translations-l10n) is not installed";
    QLineEdit box(QStringLiteral("text"));
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    EXPECT_EQ(Captions(menu->actions()), "&Zpět | &Znovu | &Vyjmout | &Kopírovat | &Vložit | Smazat | Vybrat vše");
}

TEST(QtCzechTexts, RetryBoxKeepsOurCaptions) {
    ASSERT_TRUE(CzechLoaded());
    desktop::QtDesktopServices services(QStringLiteral("Tarvelo"));
    QStringList captions;
    // The box is modal: it is read and answered from inside its own event loop.
    QTimer::singleShot(0, [&captions] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons()) captions << button->text();
        box->button(QMessageBox::Cancel)->click();
    });
    const desktop::MessageAnswer answer = services.showMessage(desktop::MessageIcon::Exclamation,
                                                               desktop::MessageButtons::RetryCancel, QStringLiteral("?"));
    EXPECT_EQ(answer, desktop::MessageAnswer::Cancel);
    captions.sort();
    EXPECT_EQ(captions.join(QStringLiteral(" | ")).toStdString(), "&Opakovat | Storno");
}

}  // namespace
