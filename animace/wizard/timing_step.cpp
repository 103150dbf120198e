#include "animace/wizard/timing_step.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "animace/number_text.h"
#include "animace/wizard/sequence_step.h"
#include "animace/wizard/window_parts.h"
#include "desktop/twips.h"

namespace animace {
namespace {

constexpr int kSliderTop = 480;
constexpr int kSliderHeight = 1660;
constexpr int kLabelTop = 2160;
constexpr int kLabelWidth = 480;
constexpr int kLabelHeight = 192;
constexpr int kLargestBound = 32767;

// Twips to pixels for lefts that may lie far to the right of a long strip.
int PixelLeft(long long twips) {
    return std::clamp(desktop::TwipsToPixels(static_cast<double>(twips)), -(1 << 30), 1 << 30);
}

}  // namespace

TimeSlider::TimeSlider(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setRange(-40, -1);
    setValue(-20);
    setSingleStep(1);
    setPageStep(10);
    connect(this, &QAbstractSlider::valueChanged, this, [this](int value) { emit timeChanged(-value); });
}

Form3::Form3(const Form2& sequence, desktop::DesktopServices& services) : services_(services) {
    SetUpWizardWindow(this, QStringLiteral("Form3"));
    Label1 = MakeInstruction(this, QStringLiteral("U každého kurzoru nyní zvolte dobu zobrazení."), 120, 120, 4452, 612);
    strip_ = std::make_unique<PictureStrip>(
        this,
        StripLayout{{108, 1056, 5076, 2690}, {120, 1092, 5040, 2400}, {0, 0, 1212, 2412}, {120, 3480, 5052, 252}},
        QStringList{QStringLiteral("Shape1"), QStringLiteral("Panel3D1"), QStringLiteral("Panel3D2"),
                    QStringLiteral("HScroll1"), QStringLiteral("Image1")});
    HScroll1 = strip_->scrollBar();
    Label3 = MakeLabel(this, QStringLiteral("Label3"), QStringLiteral("Posuvníky jsou do"), 120, 3960, 1692, 252);
    Text1 = new QLineEdit(QStringLiteral("2"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(desktop::TwipsRect(1800, 3960, 492, 288));
    Text1->setMaxLength(4);
    Label4 = MakeLabel(this, QStringLiteral("Label4"), QStringLiteral("sekund."), 2400, 3960, 852, 252);
    Command1 = MakeButton(this, QStringLiteral("Command1"), QStringLiteral("P&oužít"), 3240, 3960, 1932, 252);
    Command2 = MakeButton(this, QStringLiteral("Command2"), QStringLiteral("Na &maximum"), 120, 4260, 1455, 255);
    Command5 = MakeButton(this, QStringLiteral("Command5"), QStringLiteral("C&o dál?"), 120, 4680, 1452, 372);
    Command3 = MakeButton(this, QStringLiteral("Command3"), QStringLiteral("&Další >"), 2280, 4680, 1332, 372);
    Command4 = MakeButton(this, QStringLiteral("Command4"), QStringLiteral("Z&rušit"), 3840, 4680, 1332, 372);
    Image2 = new ImageBox(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->move(desktop::TwipsPoint(4440, 240));
    Image2->hide();

    connect(Command1, &QPushButton::clicked, this, &Form3::applyBound);
    connect(Text1, &QLineEdit::returnPressed, this, &Form3::applyBound);
    connect(Command2, &QPushButton::clicked, this, &Form3::setAllToMaximum);
    connect(Command3, &QPushButton::clicked, this, &Form3::leaveForFinish);
    connect(Command4, &QPushButton::clicked, this, [this] { services_.endProgram(0); });
    connect(Command5, &QPushButton::clicked, this, [this] {
        services_.showMessage(
            desktop::MessageIcon::Information, desktop::MessageButtons::Ok,
            QStringLiteral("Pod každým kurzorem je posuvník. Máte možnost nastavit délku zobrazení každého kurzoru. "
                           "Pod posuvníkem je čas v sekundách. Tip: Chcete-li nastavit u všech posuvníků např. 0.1s, "
                           "nastavte .1 do políčka a stiskněte Použít, pak zvětšete hodnotu a opět stiskněte Použít. "
                           "Pozor! Používejte tečku, nikoli čárku!"),
            QString());
    });

    sliders_.push_back(makeSlider(-480));
    labels_.push_back(makeTimeLabel(-550));
    sliders_.front()->hide();
    labels_.front()->hide();

    move(sequence.pos());
    HScroll1->setMaximum(sequence.HScroll2->maximum());
    const int steps = std::min(HScroll1->maximum(), sequence.shownStepPictures());
    sliders_.reserve(static_cast<std::size_t>(steps) + 1);
    labels_.reserve(static_cast<std::size_t>(steps) + 1);
    while (stepCount_ < steps) {
        ++stepCount_;
        Image2->showSameAs(*sequence.Image3(stepCount_));
        const long long w = kCellTwips;
        strip_->append(*Image2);
        TimeSlider* slider = makeSlider(static_cast<int>(std::min<long long>(w * stepCount_ - w, 1 << 30)));
        QLabel* label = makeTimeLabel(static_cast<int>(std::min<long long>(w * stepCount_ - w - 70, 1 << 30)));
        connect(slider, &TimeSlider::timeChanged, label,
                [label](int time) { label->setText(QString::fromStdString(ShortFormOfTwentieths(time))); });
        slider->show();
        label->show();
        sliders_.push_back(slider);
        labels_.push_back(label);
    }
    List1 = sequence.List1;
    List2 = sequence.List2;
    HScroll1->setValue(0);
    strip_->scroll();
}

TimeSlider* Form3::makeSlider(int leftTwips) {
    // One cell wide under its picture, whatever the size of the cursors.
    auto* slider = new TimeSlider(strip_->strip());
    slider->setObjectName(QStringLiteral("VScroll1_%1").arg(sliders_.size()));
    slider->setGeometry(PixelLeft(leftTwips), desktop::TwipsToPixels(kSliderTop), desktop::TwipsToPixels(kCellTwips),
                        desktop::TwipsToPixels(kSliderHeight));
    return slider;
}

QLabel* Form3::makeTimeLabel(int leftTwips) {
    auto* label = new QLabel(QStringLiteral("1"), strip_->strip());
    label->setObjectName(QStringLiteral("Label2_%1").arg(labels_.size()));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(PixelLeft(leftTwips), desktop::TwipsToPixels(kLabelTop), desktop::TwipsToPixels(kLabelWidth),
                       desktop::TwipsToPixels(kLabelHeight));
    return label;
}

void Form3::applyBound() {
    double seconds = LeadingNumber(Text1->text().toStdString());
    if (!(seconds >= 0.05)) {
        Text1->setText(QStringLiteral("0.05"));
        seconds = 0.05;
    }
    // Clamped while still a floating-point value: "9999" would not fit the sliders' range.
    const double scaled = std::min(seconds * 20, static_cast<double>(kLargestBound));
    upperBound_ = std::clamp(static_cast<int>(std::nearbyint(scaled)), 1, kLargestBound);
    for (int k = 1; k <= stepCount_; ++k) VScroll1(k)->setTopEnd(upperBound_);
}

void Form3::setAllToMaximum() {
    for (int k = 1; k <= stepCount_; ++k) VScroll1(k)->setTime(VScroll1(k)->topEnd());
}

QString Form3::timeCaption(int step) const { return isStep(step) ? Label2(step)->text() : QString(); }

QPixmap Form3::stepPicture(int step) const { return isStep(step) ? Image1(step)->picture() : QPixmap(); }

std::optional<QPoint> Form3::stepHotSpot(int step) const {
    return isStep(step) ? Image1(step)->hotSpot() : std::nullopt;
}

int Form3::displayTime(int step) const { return isStep(step) ? VScroll1(step)->time() : 0; }

void Form3::leaveForFinish() {
    HScroll1->setMaximum(stepCount_);
    emit nextRequested();
}

}  // namespace animace
