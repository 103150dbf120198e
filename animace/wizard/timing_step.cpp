#include "animace/wizard/timing_step.h"

#include <QLabel>
#include <QLocale>
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

// What "C&o dál?" answers.
constexpr char kHelp[] =
    "Pod každým kurzorem je posuvník. Máte možnost nastavit délku zobrazení každého kurzoru. "
    "Pod posuvníkem je čas v sekundách. Tip: Chcete-li nastavit u všech posuvníků např. 0.1s, "
    "nastavte .1 do políčka a stiskněte Použít, pak zvětšete hodnotu a opět stiskněte Použít. "
    "Pozor! Používejte tečku, nikoli čárku!";

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
    connect(this, &QAbstractSlider::valueChanged, this, [this](int value) {
        describeTime();
        emit timeChanged(-value);
    });
    describeTime();
}

void TimeSlider::describeTime() {
    // "0,05 s": the seconds as a Czech reader says them, with a decimal comma.
    setAccessibleDescription(QStringLiteral("%1 s").arg(QLocale(QLocale::Czech).toString(time() / 20.0)));
}

TimingStep::TimingStep(WizardAnimation& animation, const SequenceStep& sequence, desktop::DesktopServices& services)
    : animation_(animation), services_(services) {
    SetUpWizardWindow(this, QStringLiteral("timingStep"));
    instruction = MakeInstruction(this, QStringLiteral("U každého kurzoru nyní zvolte dobu zobrazení."), 120, 120, 4452, 612);
    strip_ = std::make_unique<PictureStrip>(
        this, StripLayout{{108, 1056, 5076, 2690}, {120, 1092, 5040, 2400}, {0, 0, 1212, 2412}, {120, 3480, 5052, 252}},
        QStringLiteral("step"));
    stepScrollBar = strip_->scrollBar();
    strip_->setSpokenNames(QStringLiteral("Kroky a jejich časy"), QStringLiteral("Krok"));
    boundLabel = MakeLabel(this, QStringLiteral("boundLabel"), QStringLiteral("Posuvníky jsou do"), 120, 3960, 1692, 252);
    boundBox = new QLineEdit(QStringLiteral("2"), this);
    boundBox->setObjectName(QStringLiteral("boundBox"));
    boundBox->setGeometry(desktop::TwipsRect(1800, 3960, 492, 288));
    boundBox->setMaxLength(4);
    boundBox->setAccessibleName(QStringLiteral("Horní mez posuvníků v sekundách"));
    secondsLabel = MakeLabel(this, QStringLiteral("secondsLabel"), QStringLiteral("sekund."), 2400, 3960, 852, 252);
    applyButton = MakeButton(this, QStringLiteral("applyButton"), QStringLiteral("P&oužít"), 3240, 3960, 1932, 252);
    maximumButton = MakeButton(this, QStringLiteral("maximumButton"), QStringLiteral("Na &maximum"), 120, 4260, 1455, 255);
    std::tie(helpButton, nextButton, cancelButton) = MakeStepButtons(
        this, QStringLiteral("helpButton"), QStringLiteral("C&o dál?"), {120, 4680}, {2280, 4680}, {3840, 4680});
    copyBox = MakeCopyBox(this, 4440, 240);

    connect(applyButton, &QPushButton::clicked, this, &TimingStep::applyBound);
    connect(boundBox, &QLineEdit::returnPressed, this, &TimingStep::applyBound);
    connect(maximumButton, &QPushButton::clicked, this, &TimingStep::setAllToMaximum);
    connect(nextButton, &QPushButton::clicked, this, &TimingStep::leaveForFinish);
    ConnectCancelAndHelp(cancelButton, helpButton, services_, QString::fromUtf8(kHelp));

    sliders_.push_back(makeSlider(-480));
    labels_.push_back(makeTimeLabel(-550));
    sliders_.front()->hide();
    labels_.front()->hide();

    move(sequence.pos());
    stepScrollBar->setMaximum(animation_.stepCount());
    const int steps = std::min(animation_.stepCount(), sequence.shownStepPictures());
    sliders_.reserve(static_cast<std::size_t>(steps) + 1);
    labels_.reserve(static_cast<std::size_t>(steps) + 1);
    while (stepCount_ < steps) {
        ++stepCount_;
        copyBox->showSameAs(*sequence.step(stepCount_));
        const long long w = kCellTwips;
        strip_->append(*copyBox);
        TimeSlider* slider = makeSlider(static_cast<int>(std::min<long long>(w * stepCount_ - w, 1 << 30)));
        QLabel* label = makeTimeLabel(static_cast<int>(std::min<long long>(w * stepCount_ - w - 70, 1 << 30)));
        // The label says the time in seconds; the animation keeps it in twentieths.
        connect(slider, &TimeSlider::timeChanged, this, [this, label, index = stepCount_ - 1](int time) {
            label->setText(QString::fromStdString(ShortFormOfTwentieths(time)));
            animation_.steps[static_cast<std::size_t>(index)].twentieths = time;
        });
        animation_.steps[static_cast<std::size_t>(stepCount_ - 1)].twentieths = slider->time();
        slider->show();
        label->show();
        sliders_.push_back(slider);
        labels_.push_back(label);
    }
    stepScrollBar->setValue(0);
    strip_->scroll();
}

TimeSlider* TimingStep::makeSlider(int leftTwips) {
    // One cell wide under its picture, whatever the size of the cursors.
    auto* slider = new TimeSlider(strip_->strip());
    slider->setObjectName(QStringLiteral("timeSlider_%1").arg(sliders_.size()));
    slider->setAccessibleName(QStringLiteral("Čas kroku %1").arg(sliders_.size()));
    slider->setGeometry(PixelLeft(leftTwips), desktop::TwipsToPixels(kSliderTop), desktop::TwipsToPixels(kCellTwips),
                        desktop::TwipsToPixels(kSliderHeight));
    return slider;
}

QLabel* TimingStep::makeTimeLabel(int leftTwips) {
    auto* label = new QLabel(QStringLiteral("1"), strip_->strip());
    label->setObjectName(QStringLiteral("timeLabel_%1").arg(labels_.size()));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(PixelLeft(leftTwips), desktop::TwipsToPixels(kLabelTop), desktop::TwipsToPixels(kLabelWidth),
                       desktop::TwipsToPixels(kLabelHeight));
    return label;
}

void TimingStep::applyBound() {
    double seconds = LeadingNumber(boundBox->text().toStdString());
    if (!(seconds >= 0.05)) {
        boundBox->setText(QStringLiteral("0.05"));
        seconds = 0.05;
    }
    // Clamped while still a floating-point value: "9999" would not fit the sliders' range.
    const double scaled = std::min(seconds * 20, static_cast<double>(kLargestBound));
    upperBound_ = std::clamp(static_cast<int>(std::nearbyint(scaled)), 1, kLargestBound);
    for (int k = 1; k <= stepCount_; ++k) timeSlider(k)->setTopEnd(upperBound_);
}

void TimingStep::setAllToMaximum() {
    for (int k = 1; k <= stepCount_; ++k) timeSlider(k)->setTime(timeSlider(k)->topEnd());
}

void TimingStep::leaveForFinish() {
    stepScrollBar->setMaximum(stepCount_);
    emit nextRequested();
}

}  // namespace animace
