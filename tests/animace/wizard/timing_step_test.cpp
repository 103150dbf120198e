#include <gtest/gtest.h>

#include "animace/wizard/finish_window.h"
#include "desktop/twips.h"
#include "wizard_files.h"

using animace::TimingStep;

namespace {

void Apply(TimingStep& form, const QString& bound) {
    form.boundBox->setText(bound);
    Click(form.applyButton);
}

// The time of step k (from 1) in the wizard's animation, which the finish step and writer read.
int TimeOf(const TimingOnSteps& open, int step) {
    return open.base.picker.animation().steps.at(static_cast<std::size_t>(step - 1)).twentieths;
}

QStringList Captions(const TimingStep& form) {
    QStringList captions;
    for (int k = 1; k <= form.stepCount(); ++k) captions << form.timeLabel(k)->text();
    return captions;
}

}  // namespace

TEST(TimingStep, OpensWithEveryStepAtOneSecond) {
    TimingOnSteps open(3);
    TimingStep& form = *open.timing;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Průvodce vytvořením nové animace"));
    EXPECT_EQ(form.boundBox->text(), QStringLiteral("2"));
    EXPECT_EQ(form.boundBox->maxLength(), 4);
    ExpectCaptions({{form.boundLabel, "Posuvníky jsou do"}, {form.secondsLabel, "sekund."},
                    {form.applyButton, "P&oužít"}, {form.maximumButton, "Na &maximum"}});
    ExpectInSightAndReachable(form, {form.boundBox, form.applyButton, form.maximumButton, form.helpButton,
                                     form.nextButton, form.cancelButton});
    EXPECT_EQ(form.upperBound(), 40);
    EXPECT_EQ(Captions(form), (QStringList{"1", "1", "1"}));
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(form.timeSlider(k)->time(), 20);
        EXPECT_EQ(form.timeSlider(k)->topEnd(), 40);
        EXPECT_EQ(form.timeSlider(k)->geometry(), QRect(32 * (k - 1), 32, 32, 111));
        EXPECT_EQ(form.timeLabel(k)->x(), desktop::TwipsToPixels(480 * (k - 1) - 70));
    }
    EXPECT_FALSE(form.stepScrollBar->isEnabled());
    Click(form.maximumButton);
    EXPECT_EQ(Captions(form), (QStringList{" 2", " 2", " 2"}));
    EXPECT_EQ(TimeOf(open, 2), 40);
}

TEST(TimingStep, SliderUpLengthensTheTime) {
    TimingOnSteps open(2);
    TimingStep& form = *open.timing;
    animace::TimeSlider* slider = form.timeSlider(1);
    slider->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the arrow at the top
    EXPECT_EQ(slider->time(), 21);
    EXPECT_EQ(form.timeLabel(1)->text(), QStringLiteral(" 1.05"));
    slider->triggerAction(QAbstractSlider::SliderPageStepAdd);  // beside the thumb, below it
    EXPECT_EQ(slider->time(), 11);
    slider->triggerAction(QAbstractSlider::SliderToMinimum);  // thumb to the top
    EXPECT_EQ(form.timeLabel(1)->text(), QStringLiteral(" 2"));
    slider->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(slider->time(), 1);
    EXPECT_EQ(form.timeLabel(1)->text(), QStringLiteral(" .05"));
    EXPECT_EQ(form.timeLabel(2)->text(), QStringLiteral("1"));
}

TEST(TimingStep, TheBoundIsRoundedToTheEvenNeighbourAndNeverBelowOneTwentieth) {
    struct Case {
        QString entry;
        int bound;
        QString boxAfter;
    };
    const Case cases[] = {
        {QStringLiteral(".1"), 2, QStringLiteral(".1")},
        {QStringLiteral("0"), 1, QStringLiteral("0.05")},
        {QStringLiteral("0,1"), 1, QStringLiteral("0.05")},
        {QString(), 1, QStringLiteral("0.05")},
        {QStringLiteral("-3"), 1, QStringLiteral("0.05")},
        // The box holds four characters, so 0.125 and 0.375 are typed without the leading 0.
        {QStringLiteral(".125"), 2, QStringLiteral(".125")},
        {QStringLiteral(".375"), 8, QStringLiteral(".375")},
        {QStringLiteral(".625"), 12, QStringLiteral(".625")},
        {QStringLiteral("1.5s"), 30, QStringLiteral("1.5s")},
        {QStringLiteral("9999"), 32767, QStringLiteral("9999")},
    };
    for (const Case& c : cases) {
        TimingOnSteps open(2);
        Apply(*open.timing, c.entry);
        EXPECT_EQ(open.timing->upperBound(), c.bound) << c.entry.toStdString();
        EXPECT_EQ(open.timing->boundBox->text(), c.boxAfter) << c.entry.toStdString();
        EXPECT_EQ(open.timing->timeSlider(1)->topEnd(), c.bound) << c.entry.toStdString();
        EXPECT_EQ(TimeOf(open, 1), std::min(20, c.bound)) << c.entry.toStdString();
    }
}

TEST(TimingStep, ALowerBoundPullsLongerStepsDownAndARaisedOneKeepsThem) {
    TimingOnSteps open(3);
    TimingStep& form = *open.timing;
    form.timeSlider(3)->setTime(1);
    Apply(form, QStringLiteral(".1"));
    EXPECT_EQ(Captions(form), (QStringList{" .1", " .1", " .05"}));
    Apply(form, QStringLiteral("3"));
    EXPECT_EQ(form.upperBound(), 60);
    EXPECT_EQ(Captions(form), (QStringList{" .1", " .1", " .05"}));
    Click(form.maximumButton);
    EXPECT_EQ(Captions(form), (QStringList{" 3", " 3", " 3"}));
    Apply(form, QStringLiteral("0"));
    EXPECT_EQ(Captions(form), (QStringList{" .05", " .05", " .05"}));
}

TEST(TimingStep, EnterInTheBoundBoxApplies) {
    TimingOnSteps open(2);
    TimingStep& form = *open.timing;
    form.boundBox->setText(QString());
    QTest::keyClicks(form.boundBox, QStringLiteral(".25"));
    QTest::keyClick(form.boundBox, Qt::Key_Return);
    EXPECT_EQ(form.upperBound(), 5);
    EXPECT_EQ(TimeOf(open, 1), 5);
}

TEST(TimingStep, AnOversizedBoundLeavesTheWindowUsable) {
    TimingOnSteps open(2);
    TimingStep& form = *open.timing;
    form.boundBox->setText(QString());
    QTest::keyClicks(form.boundBox, QStringLiteral("99999"));  // the box takes four characters
    EXPECT_EQ(form.boundBox->text(), QStringLiteral("9999"));
    Click(form.applyButton);
    Click(form.maximumButton);
    EXPECT_EQ(TimeOf(open, 1), 32767);
    EXPECT_EQ(form.timeLabel(1)->text(), QStringLiteral(" 1638.35"));
    Apply(form, QStringLiteral("2"));
    EXPECT_EQ(TimeOf(open, 2), 40);
}

TEST(TimingStep, TwelveStepsScrollAndStartAtTheFirst) {
    TimingOnSteps open(12);
    TimingStep& form = *open.timing;
    EXPECT_TRUE(form.stepScrollBar->isEnabled());
    EXPECT_EQ(form.stepScrollBar->maximum(), 11);
    EXPECT_EQ(form.stepScrollBar->value(), 0);
    QWidget* strip = form.findChild<QWidget*>(QStringLiteral("stepStrip"));
    EXPECT_EQ(strip->x(), 0);
    form.stepScrollBar->setValue(2);
    EXPECT_EQ(strip->x(), -64);
}

TEST(TimingStep, NextShowsTheFinishStepAndHidesBehindIt) {
    TimingOnSteps open(4);
    TimingStep& form = *open.timing;
    Click(form.nextButton);
    animace::FinishStep* finish = open.base.picker.wizard->finish();
    ASSERT_NE(finish, nullptr);
    EXPECT_TRUE(finish->isVisible());
    EXPECT_EQ(form.stepScrollBar->maximum(), 4);
    EXPECT_FALSE(form.isVisible());
    Click(finish->backButton);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(TimeOf(open, 4), 20);
}

TEST(TimingStep, EverySliderWritesItsStepsTimeIntoTheAnimation) {
    TimingOnSteps open(3);
    TimingStep& form = *open.timing;
    form.timeSlider(2)->setTime(30);
    EXPECT_EQ(form.stepCount(), 3);
    EXPECT_EQ(TimeOf(open, 1), 20);
    EXPECT_EQ(TimeOf(open, 2), 30);
    EXPECT_EQ(form.timeLabel(2)->text(), QStringLiteral(" 1.5"));
    EXPECT_EQ(open.base.steps(), (std::vector<int>{1, 2, 3})) << "the sequence unchanged";
    const animace::FramePicture third = open.base.picker.animation().stepPicture(2);
    EXPECT_TRUE(form.step(3)->showsSamePicture(third.picture));
    EXPECT_TRUE(open.base.picker.animation().stepPicture(9).picture.isNull());
    Click(form.helpButton);
    ASSERT_EQ(open.base.picker.desktop.messages.size(), 1u);
    EXPECT_TRUE(open.base.picker.desktop.messages[0].text.endsWith(QStringLiteral("nikoli čárku!")));
    Click(form.cancelButton);
    EXPECT_TRUE(open.base.picker.desktop.ended);
}
