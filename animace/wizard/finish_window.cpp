#include "animace/wizard/finish_window.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "animace/number_text.h"
#include "animace/wizard/finish_writer.h"
#include "animace/wizard/folder_window.h"
#include "animace/wizard/window_parts.h"
#include "desktop/fonts.h"
#include "desktop/folder_separator.h"
#include "desktop/picture_pointer.h"
#include "desktop/twips.h"

namespace animace {
namespace {

double NumberIn(const QString& text) { return LeadingNumber(text.toStdString()); }

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

QString Form4::DefaultFolder() {
    QString home = QDir::toNativeSeparators(QDir::homePath());
    if (!home.endsWith(QChar::fromLatin1(desktop::kFolderSeparator))) home += QChar::fromLatin1(desktop::kFolderSeparator);
    return home;
}

Form4::Form4(TimingSteps& timing, desktop::DesktopServices& services, const QString& commandLine, QString homeFolder,
             const desktop::TimerFactory& timers)
    : desktop::ProgramWindow(services, nullptr, Qt::Window), timing_(timing) {
    SetUpWizardWindow(this, QStringLiteral("Form4"));

    Label2 = MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("A je to!"), 120, 120, 2292, 492);
    QFont heading = desktop::SansSerifFont(true);
    heading.setPointSizeF(18);
    Label2->setFont(heading);
    Label1 = GreyLabel(this, QStringLiteral("Label1"),
                       QStringLiteral("Tarvelo má nyní všechny informace k vytvoření nové animace."), 120, 600, 4932,
                       612);
    Image1 = new ImageBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(desktop::TwipsRect(4680, 120, 480, 480));
    Image1->setPicture(PreviewStartPicture());
    Label3 = MakeLabel(this, QStringLiteral("Label3"), QStringLiteral("Jméno souboru:"), 120, 1560, 1812, 252);
    Text1 = MakeTextBox(this, QStringLiteral("Text1"), QStringLiteral("ANIMACE.ANI"), 1800, 1560, 2172, 288);
    Label4 = MakeLabel(this, QStringLiteral("Label4"), QStringLiteral("Cesta:"), 120, 2040, 852, 252);
    Text2 = MakeTextBox(this, QStringLiteral("Text2"), homeFolder, 960, 2040, 3012, 288);
    Command1 = MakeButton(this, QStringLiteral("Command1"), QStringLiteral("Změnit..."), 4080, 2040, 1092, 288);
    Label5 = GreyLabel(this, QStringLiteral("Label5"),
                       QStringLiteral("Upozornění: Některé kurzory nebylo možné zobrazit. Může to být způsobeno novým "
                                      "formátem - pak se nic neděje. Ale pokud je soubor poškozen, po jakémkoli pokusu "
                                      "o zobrazení dojde k selhání Windows. Rozmyslete si, zda jsou kurzory opravdu "
                                      "funkční a v nových formátech!"),
                       120, 2640, 5055, 1935);
    Label5->setFont(desktop::SansSerifFont(false));
    Label5->hide();
    Command2 = MakeButton(this, QStringLiteral("Command2"), QStringLiteral("<  &Zpět"), 120, 4680, 1095, 375);
    Command3 = MakeButton(this, QStringLiteral("Command3"), QStringLiteral("&Dokončit"), 2280, 4680, 1332, 372);
    Command4 = MakeButton(this, QStringLiteral("Command4"), QStringLiteral("Z&rušit"), 3840, 4680, 1332, 372);
    Timer1 = timers();
    endtimer = timers();
    Timer1->onTick = [this] { timer1Tick(); };
    endtimer->onTick = [this] { endtimerTick(); };

    connect(Command1, &QPushButton::clicked, this, &Form4::openFolderWindow);
    connect(Command2, &QPushButton::clicked, this, &Form4::backToTiming);
    connect(Command3, &QPushButton::clicked, this, &Form4::finish);
    connect(Command4, &QPushButton::clicked, this, [this] { this->services().endProgram(0); });

    // Load.
    if (NumberIn(timing_.undisplayableCaption()) == 1) Label5->show();
    move(timing_.windowPosition());
    if (commandLine.size() >= 2) {
        const qsizetype last = commandLine.lastIndexOf(QChar::fromLatin1(desktop::kFolderSeparator));
        if (last >= 0) {
            Text1->setText(commandLine.mid(last + 1));
            Text2->setText(commandLine.left(last + 1));
            if (Text1->text().endsWith(u'#')) Text1->clear();
        }
    }
    Timer1->setInterval(50);
}

void Form4::timer1Tick() {
    int step = static_cast<int>(NumberIn(Timer1->tag)) + 1;
    Timer1->tag = QString::number(step);
    if (NumberIn(Label6) < step) {
        Timer1->tag = QStringLiteral("1");
        step = 1;
    }
    const double milliseconds = std::round(NumberIn(timing_.timeCaption(step)) * 1000);
    const int period = milliseconds > 0 ? static_cast<int>(std::min(milliseconds, 2147483647.0)) : 0;
    Timer1->setInterval(period);
    Image1->setPicture(timing_.stepPicture(step), timing_.stepHotSpot(step));
    showStepPointer();
}

void Form4::showStepPointer() {
    if (!Image1->hotSpot()) return Image1->unsetCursor();
    // One pointer per frame, made when the frame first comes round: the steps share their frames'
    // pictures, so a long sequence of few frames makes few pointers.
    const qint64 frame = Image1->picture().cacheKey();
    auto pointer = pointers_.find(frame);
    if (pointer == pointers_.end())
        pointer = pointers_.emplace(frame, desktop::PointerFromPicture(Image1->picture().toImage(), *Image1->hotSpot())).first;
    Image1->setCursor(pointer->second);
}

void Form4::endtimerTick() {
    if (endtimer->tag != QStringLiteral("end")) {
        endtimer->tag = QStringLiteral("end");
        return;
    }
    endtimer->setInterval(0);
    Timer1->setInterval(0);
    hide();
    services().endProgram(0);
}

void Form4::finish() {
    Text1->setText(QString::fromStdString(NormalizeOutputName(Text1->text().toStdString())));
    Text2->setText(QString::fromStdString(NormalizeOutputFolder(Text2->text().toStdString())));
    const QString path = Text2->text() + Text1->text();
    const AnimationInput input = InputFromTiming(timing_, Text2->text(), Text1->text());
    if (WriteWithMessages(input, path, services()) != WriteOutcome::Written) return;

    // Nothing is on screen until the program ends; that alone must not end it early.
    QApplication::setQuitOnLastWindowClosed(false);
    hide();
    services().showMessage(desktop::MessageIcon::Information, desktop::MessageButtons::Ok,
                          QString::fromUtf8(kWrittenMessage));
    QCoreApplication::processEvents();
    endtimer->setInterval(500);
}

Form4::~Form4() { delete folderWindow_.data(); }

void Form4::openFolderWindow() {
    auto* window = new adr(*this, *Text2, services());
    folderWindow_ = window;
    window->move(pos() + QPoint(40, 40));
    window->show();
}

void Form4::backToTiming() {
    timing_.showAgain();
    hide();
}

}  // namespace animace
