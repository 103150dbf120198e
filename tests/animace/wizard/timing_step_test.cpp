#include <gtest/gtest.h>

#include "animace/wizard/finish_window.h"
#include "desktop/twips.h"
#include "wizard_files.h"

using animace::Form3;

namespace {

void Apply(Form3& form, const QString& bound) {
    form.Text1->setText(bound);
    Click(form.Command1);
}

QStringList Captions(const Form3& form) {
    QStringList captions;
    for (int k = 1; k <= form.stepCount(); ++k) captions << form.Label2(k)->text();
    return captions;
}

}  // namespace

TEST(TimingStep, OpensWithEveryStepAtOneSecond) {
    TimingOnSteps open(3);
    Form3& form = *open.timing;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Průvodce vytvořením nové animace"));
    EXPECT_EQ(form.Text1->text(), QStringLiteral("2"));
    EXPECT_EQ(form.Text1->maxLength(), 4);
    EXPECT_EQ(form.Label3->text(), QStringLiteral("Posuvníky jsou do"));
    EXPECT_EQ(form.Label4->text(), QStringLiteral("sekund."));
    EXPECT_EQ(form.Command1->text(), QStringLiteral("P&oužít"));
    EXPECT_EQ(form.Command2->text(), QStringLiteral("Na &maximum"));
    EXPECT_EQ(form.upperBound(), 40);
    EXPECT_EQ(Captions(form), (QStringList{"1", "1", "1"}));
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(form.VScroll1(k)->time(), 20);
        EXPECT_EQ(form.VScroll1(k)->topEnd(), 40);
        EXPECT_EQ(form.VScroll1(k)->geometry(), QRect(32 * (k - 1), 32, 32, 111));
        EXPECT_EQ(form.Label2(k)->x(), desktop::TwipsToPixels(480 * (k - 1) - 70));
    }
    EXPECT_FALSE(form.HScroll1->isEnabled());
    Click(form.Command2);
    EXPECT_EQ(Captions(form), (QStringList{" 2", " 2", " 2"}));
    EXPECT_EQ(form.displayTime(2), 40);
}

TEST(TimingStep, SliderUpLengthensTheTime) {
    TimingOnSteps open(2);
    Form3& form = *open.timing;
    animace::TimeSlider* slider = form.VScroll1(1);
    slider->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the arrow at the top
    EXPECT_EQ(slider->time(), 21);
    EXPECT_EQ(form.timeCaption(1), QStringLiteral(" 1.05"));
    slider->triggerAction(QAbstractSlider::SliderPageStepAdd);  // beside the thumb, below it
    EXPECT_EQ(slider->time(), 11);
    slider->triggerAction(QAbstractSlider::SliderToMinimum);  // thumb to the top
    EXPECT_EQ(form.timeCaption(1), QStringLiteral(" 2"));
    slider->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(slider->time(), 1);
    EXPECT_EQ(form.timeCaption(1), QStringLiteral(" .05"));
    EXPECT_EQ(form.timeCaption(2), QStringLiteral("1"));
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
        EXPECT_EQ(open.timing->Text1->text(), c.boxAfter) << c.entry.toStdString();
        EXPECT_EQ(open.timing->VScroll1(1)->topEnd(), c.bound) << c.entry.toStdString();
        EXPECT_EQ(open.timing->displayTime(1), std::min(20, c.bound)) << c.entry.toStdString();
    }
}

TEST(TimingStep, ALowerBoundPullsLongerStepsDownAndARaisedOneKeepsThem) {
    TimingOnSteps open(3);
    Form3& form = *open.timing;
    form.VScroll1(3)->setTime(1);
    Apply(form, QStringLiteral(".1"));
    EXPECT_EQ(Captions(form), (QStringList{" .1", " .1", " .05"}));
    Apply(form, QStringLiteral("3"));
    EXPECT_EQ(form.upperBound(), 60);
    EXPECT_EQ(Captions(form), (QStringList{" .1", " .1", " .05"}));
    Click(form.Command2);
    EXPECT_EQ(Captions(form), (QStringList{" 3", " 3", " 3"}));
    Apply(form, QStringLiteral("0"));
    EXPECT_EQ(Captions(form), (QStringList{" .05", " .05", " .05"}));
}

TEST(TimingStep, EnterInTheBoundBoxApplies) {
    TimingOnSteps open(2);
    Form3& form = *open.timing;
    form.Text1->setText(QString());
    QTest::keyClicks(form.Text1, QStringLiteral(".25"));
    QTest::keyClick(form.Text1, Qt::Key_Return);
    EXPECT_EQ(form.upperBound(), 5);
    EXPECT_EQ(form.displayTime(1), 5);
}

TEST(TimingStep, AnOversizedBoundLeavesTheWindowUsable) {
    TimingOnSteps open(2);
    Form3& form = *open.timing;
    form.Text1->setText(QString());
    QTest::keyClicks(form.Text1, QStringLiteral("99999"));  // the box takes four characters
    EXPECT_EQ(form.Text1->text(), QStringLiteral("9999"));
    Click(form.Command1);
    Click(form.Command2);
    EXPECT_EQ(form.displayTime(1), 32767);
    EXPECT_EQ(form.timeCaption(1), QStringLiteral(" 1638.35"));
    Apply(form, QStringLiteral("2"));
    EXPECT_EQ(form.displayTime(2), 40);
}

TEST(TimingStep, TwelveStepsScrollAndStartAtTheFirst) {
    TimingOnSteps open(12);
    Form3& form = *open.timing;
    EXPECT_TRUE(form.HScroll1->isEnabled());
    EXPECT_EQ(form.HScroll1->maximum(), 11);
    EXPECT_EQ(form.HScroll1->value(), 0);
    QWidget* strip = form.findChild<QWidget*>(QStringLiteral("Panel3D2"));
    EXPECT_EQ(strip->x(), 0);
    form.HScroll1->setValue(2);
    EXPECT_EQ(strip->x(), -64);
}

TEST(TimingStep, NextShowsTheFinishStepAndHidesBehindIt) {
    TimingOnSteps open(4);
    Form3& form = *open.timing;
    Click(form.Command3);
    animace::Form4* finish = open.base.picker.wizard->finish();
    ASSERT_NE(finish, nullptr);
    EXPECT_TRUE(finish->isVisible());
    EXPECT_EQ(form.HScroll1->maximum(), 4);
    EXPECT_FALSE(form.isVisible());
    form.showAgain();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.displayTime(4), 20);
}

TEST(TimingStep, ShowsWhatTheFinishStepReads) {
    TimingOnSteps open(3);
    Form3& form = *open.timing;
    form.move(15, 25);
    form.VScroll1(2)->setTime(30);
    EXPECT_EQ(form.windowPosition(), QPoint(15, 25));
    EXPECT_EQ(form.stepCount(), 3);
    EXPECT_EQ(form.displayTime(2), 30);
    EXPECT_EQ(form.timeCaption(2), QStringLiteral(" 1.5"));
    EXPECT_EQ(form.stepPicture(3).cacheKey(), form.Image1(3)->picture().cacheKey());
    EXPECT_EQ(form.sequence(), (QStringList{" 1", " 2", " 3"}));
    EXPECT_EQ(form.framePaths().size(), 3);
    EXPECT_EQ(form.displayTime(0), 0);
    EXPECT_EQ(form.displayTime(4), 0);
    EXPECT_TRUE(form.stepPicture(9).isNull());
    Click(form.Command5);
    ASSERT_EQ(open.base.picker.desktop.messages.size(), 1u);
    EXPECT_TRUE(open.base.picker.desktop.messages[0].text.endsWith(QStringLiteral("nikoli čárku!")));
    Click(form.Command4);
    EXPECT_TRUE(open.base.picker.desktop.ended);
}
