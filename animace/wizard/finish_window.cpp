#include "animace/wizard/finish_window.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "animace/wizard/finish_writer.h"
#include "animace/wizard/folder_window.h"
#include "animace/wizard/window_parts.h"
#include "desktop/fonts.h"
#include "iconfile/folder_separator.h"
#include "desktop/picture_pointer.h"
#include "desktop/twips.h"

namespace animace {
namespace {

QLabel* GreyLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
                  int height) {
    QLabel* label = MakeInstruction(parent, text, left, top, width, height);
    label->setObjectName(name);
    return label;
}

QLineEdit* MakeTextBox(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
                       int height) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setGeometry(desktop::TwipsRect(left, top, width, height));
    box->setFont(desktop::SansSerifFont(false));
    return box;
}

}  // namespace

QPixmap PreviewStartPicture() {
    // A small film strip in the 16 standard colours: three frames of a turning arrow.
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(2, 6, 28, 20, Qt::black);
    for (int x = 4; x < 30; x += 4) {
        painter.fillRect(x, 7, 2, 2, Qt::white);
        painter.fillRect(x, 23, 2, 2, Qt::white);
    }
    const QColor frames[] = {Qt::yellow, Qt::cyan, Qt::green};
    for (int i = 0; i < 3; ++i) {
        painter.fillRect(3 + 9 * i, 10, 8, 12, frames[i]);
        painter.setPen(Qt::darkBlue);
        painter.drawLine(5 + 9 * i, 12 + 2 * i, 9 + 9 * i, 19 - 2 * i);
    }
    return picture;
}

QString FinishStep::DefaultFolder() {
    QString home = QDir::toNativeSeparators(QDir::homePath());
    if (!home.endsWith(QChar::fromLatin1(iconfile::kFolderSeparator))) home += QChar::fromLatin1(iconfile::kFolderSeparator);
    return home;
}

FinishStep::FinishStep(const WizardAnimation& animation, QWidget& timingWindow, desktop::DesktopServices& services,
                       const QString& commandLine, QString homeFolder, const desktop::TimerFactory& timers)
    : desktop::ProgramWindow(services, nullptr, Qt::Window), animation_(animation), timingWindow_(&timingWindow) {
    SetUpWizardWindow(this, QStringLiteral("finishStep"));

    heading = MakeLabel(this, QStringLiteral("heading"), QStringLiteral("A je to!"), 120, 120, 2292, 492);
    QFont headingFont = desktop::SansSerifFont(true);
    headingFont.setPointSizeF(18);
    heading->setFont(headingFont);
    instruction = GreyLabel(this, QStringLiteral("instruction"),
                       QStringLiteral("Tarvelo má nyní všechny informace k vytvoření nové animace."), 120, 600, 4932,
                       612);
    preview = new ImageBox(this);
    preview->setObjectName(QStringLiteral("preview"));
    preview->setGeometry(desktop::TwipsRect(4680, 120, 480, 480));
    preview->setPicture(PreviewStartPicture());
    preview->setAccessibleName(QStringLiteral("Náhled animace"));
    nameLabel = MakeLabel(this, QStringLiteral("nameLabel"), QStringLiteral("Jméno souboru:"), 120, 1560, 1812, 252);
    nameBox = MakeTextBox(this, QStringLiteral("nameBox"), QStringLiteral("ANIMACE.ANI"), 1800, 1560, 2172, 288);
    folderLabel = MakeLabel(this, QStringLiteral("folderLabel"), QStringLiteral("Cesta:"), 120, 2040, 852, 252);
    folderBox = MakeTextBox(this, QStringLiteral("folderBox"), homeFolder, 960, 2040, 3012, 288);
    nameBox->setAccessibleName(QStringLiteral("Jméno souboru"));
    folderBox->setAccessibleName(QStringLiteral("Složka souboru"));
    changeFolderButton = MakeButton(this, QStringLiteral("changeFolderButton"), QStringLiteral("Změnit..."), 4080, 2040, 1092, 288);
    undisplayableWarning = GreyLabel(this, QStringLiteral("undisplayableWarning"),
                       QStringLiteral("Upozornění: Některé kurzory nebylo možné zobrazit. Může to být způsobeno novým "
                                      "formátem - pak se nic neděje. Ale pokud je soubor poškozen, po jakémkoli pokusu "
                                      "o zobrazení dojde k selhání Windows. Rozmyslete si, zda jsou kurzory opravdu "
                                      "funkční a v nových formátech!"),
                       120, 2640, 5055, 1935);
    undisplayableWarning->setFont(desktop::SansSerifFont(false));
    undisplayableWarning->hide();
    backButton = MakeButton(this, QStringLiteral("backButton"), QStringLiteral("<  &Zpět"), 120, 4680, 1095, 375);
    finishButton = MakeButton(this, QStringLiteral("finishButton"), QStringLiteral("&Dokončit"), 2280, 4680, 1332, 372);
    cancelButton = MakeButton(this, QStringLiteral("cancelButton"), QStringLiteral("Z&rušit"), 3840, 4680, 1332, 372);
    previewTimer = timers();
    endTimer = timers();
    previewTimer->onTick = [this] { showNextStep(); };
    endTimer->onTick = [this] { endTimerTick(); };

    connect(changeFolderButton, &QPushButton::clicked, this, &FinishStep::openFolderWindow);
    connect(backButton, &QPushButton::clicked, this, &FinishStep::backToTiming);
    connect(finishButton, &QPushButton::clicked, this, &FinishStep::finish);
    connect(cancelButton, &QPushButton::clicked, this, [this] { this->services().endProgram(0); });

    if (animation_.undisplayable) undisplayableWarning->show();
    move(timingWindow.pos());
    if (commandLine.size() >= 2) {
        const qsizetype last = commandLine.lastIndexOf(QChar::fromLatin1(iconfile::kFolderSeparator));
        if (last >= 0) {
            nameBox->setText(commandLine.mid(last + 1));
            folderBox->setText(commandLine.left(last + 1));
            if (nameBox->text().endsWith(u'#')) nameBox->clear();
        }
    }
    previewTimer->setInterval(50);
}

void FinishStep::showNextStep() {
    if (++previewStep_ > animation_.stepCount()) previewStep_ = 1;
    const bool isStep = previewStep_ <= animation_.stepCount();
    const int twentieths = isStep ? animation_.steps[static_cast<std::size_t>(previewStep_ - 1)].twentieths : 0;
    // 32767 twentieths, the longest time, is well within an int of milliseconds.
    previewTimer->setInterval(std::max(twentieths, 0) * 50);
    const FramePicture shown = animation_.stepPicture(previewStep_ - 1);
    preview->setPicture(shown.picture, shown.hotSpot);
    showStepPointer();
}

void FinishStep::showStepPointer() {
    if (!preview->hotSpot()) return preview->unsetCursor();
    // One pointer per frame, made when the frame first comes round: the steps share their frames'
    // pictures, so a long sequence of few frames makes few pointers.
    const qint64 frame = preview->picture().cacheKey();
    auto pointer = pointers_.find(frame);
    if (pointer == pointers_.end())
        pointer = pointers_.emplace(frame, desktop::PointerFromPicture(preview->picture().toImage(), *preview->hotSpot())).first;
    preview->setCursor(pointer->second);
}

void FinishStep::endTimerTick() {
    // The first tick only arms it, so the message stands about one period before the end.
    if (!endTimerArmed_) {
        endTimerArmed_ = true;
        return;
    }
    endTimer->setInterval(0);
    previewTimer->setInterval(0);
    hide();
    services().endProgram(0);
}

void FinishStep::finish() {
    nameBox->setText(QString::fromStdString(NormalizeOutputName(nameBox->text().toStdString())));
    folderBox->setText(QString::fromStdString(NormalizeOutputFolder(folderBox->text().toStdString())));
    const QString path = folderBox->text() + nameBox->text();
    if (WriteWithMessages(animation_, path, services()) != WriteOutcome::Written) return;

    // Nothing is on screen until the program ends; that alone must not end it early.
    QApplication::setQuitOnLastWindowClosed(false);
    hide();
    services().showMessage(desktop::MessageIcon::Information, desktop::MessageButtons::Ok,
                          QString::fromUtf8(kWrittenMessage));
    QCoreApplication::processEvents();
    endTimer->setInterval(500);
}

FinishStep::~FinishStep() { delete folderWindow_.data(); }

void FinishStep::openFolderWindow() {
    auto* window = new FolderWindow(*this, *folderBox, services());
    folderWindow_ = window;
    window->move(pos() + QPoint(40, 40));
    window->show();
}

void FinishStep::backToTiming() {
    if (timingWindow_) timingWindow_->show();
    hide();
}

}  // namespace animace
