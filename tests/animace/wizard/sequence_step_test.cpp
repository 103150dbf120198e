#include <gtest/gtest.h>

#include "wizard_files.h"

namespace {

QStringList Steps(std::initializer_list<int> frames) {
    QStringList steps;
    for (int frame : frames) steps << QStringLiteral(" %1").arg(frame);
    return steps;
}

}  // namespace

TEST(SequenceStep, OpensWithTheFramesAndItsControls) {
    SequenceOnFrames open(3);
    animace::Form2& form = *open.sequence;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Průvodce vytvořením nové animace"));
    EXPECT_EQ(form.Command2->text(), QStringLiteral("Každý &jednou"));
    EXPECT_EQ(form.Command1->text(), QStringLiteral("U&mazat."));
    EXPECT_EQ(form.Command6->text(), QStringLiteral("&Tam a zpět"));
    EXPECT_EQ(form.Command7->text(), QStringLiteral("Umaž &vše"));
    EXPECT_EQ(form.Command5->text(), QStringLiteral("C&o dál?"));
    EXPECT_EQ(form.Command3->geometry(), QRect(153, 313, 89, 25));
    EXPECT_FALSE(form.Command3->isEnabled());
    EXPECT_FALSE(form.HScroll1->isEnabled());
    EXPECT_FALSE(form.HScroll2->isEnabled());
    EXPECT_EQ(form.Image1(3)->geometry(), QRect(64, 0, 32, 32));
    EXPECT_EQ(form.Image2->widthTwips(), 480);
    Click(form.Command5);
    ASSERT_EQ(open.picker.desktop.messages.size(), 1u);
    EXPECT_EQ(open.picker.desktop.messages[0].title, QString());
    EXPECT_TRUE(open.picker.desktop.messages[0].text.contains(QStringLiteral("vícekrát.\n\nTlačítko Každý jednou")));
}

TEST(SequenceStep, ClicksOnFramesAppendSteps) {
    SequenceOnFrames open(3);
    animace::Form2& form = *open.sequence;
    for (int i = 0; i < 3; ++i) Click(form.Image1(2));
    EXPECT_EQ(open.steps(), Steps({2, 2, 2}));
    for (int j = 1; j <= 3; ++j) {
        EXPECT_TRUE(form.Image3(j)->showsSamePicture(form.Image1(2)->picture()));
        EXPECT_EQ(form.Image3(j)->x(), 32 * (j - 1));
    }
}

TEST(SequenceStep, ReadyMadeOrdersFollowWhatIsThere) {
    {
        SequenceOnFrames open(3);
        Click(open.sequence->Command2);
        Click(open.sequence->Command2);
        EXPECT_EQ(open.steps(), Steps({1, 2, 3, 1, 2, 3}));
    }
    {
        SequenceOnFrames open(2);
        Click(open.sequence->Command6);
        EXPECT_EQ(open.steps(), Steps({1, 2}));
    }
    {
        SequenceOnFrames open(5);
        Click(open.sequence->Command6);
        EXPECT_EQ(open.steps(), Steps({1, 2, 3, 4, 5, 4, 3, 2}));
    }
    {
        SequenceOnFrames open(3);
        Click(open.sequence->Image1(2));
        Click(open.sequence->Command6);
        EXPECT_EQ(open.steps(), Steps({2, 1, 2, 3, 2}));
        EXPECT_EQ(open.sequence->stepCount(), 5);
    }
}

TEST(SequenceStep, RemovingStepsAndTheNextButton) {
    SequenceOnFrames open(3);
    animace::Form2& form = *open.sequence;
    ScriptedDesktop& desktop = open.picker.desktop;
    Click(form.Command7);  // nothing to remove: no beep
    EXPECT_EQ(desktop.beeps, 0);
    Click(form.Command1);
    EXPECT_EQ(desktop.beeps, 1);
    Click(form.Image1(1));
    EXPECT_FALSE(form.Command3->isEnabled());
    Click(form.Image1(3));
    EXPECT_TRUE(form.Command3->isEnabled());
    Click(form.Command1);
    EXPECT_FALSE(form.Command3->isEnabled());
    EXPECT_EQ(open.steps(), Steps({1}));
    Click(form.Command6);
    Click(form.Command7);
    EXPECT_EQ(form.stepCount(), 0);
    EXPECT_EQ(form.shownStepPictures(), 0);
    EXPECT_TRUE(open.steps().isEmpty());
    EXPECT_EQ(desktop.beeps, 1);
}

TEST(SequenceStep, BothStripsScrollFromTheEleventhCell) {
    SequenceOnFrames open(11);
    animace::Form2& form = *open.sequence;
    EXPECT_TRUE(form.HScroll1->isEnabled());
    EXPECT_EQ(form.HScroll1->value(), 0);
    EXPECT_EQ(form.HScroll1->maximum(), 10);
    QWidget* upper = form.findChild<QWidget*>(QStringLiteral("Panel3D2"));
    QWidget* lower = form.findChild<QWidget*>(QStringLiteral("Panel3D4"));
    EXPECT_EQ(upper->x(), 0);
    form.HScroll1->setValue(3);
    EXPECT_EQ(upper->x(), -96);
    for (int k = 1; k <= 10; ++k) Click(form.Image1(k));
    EXPECT_FALSE(form.HScroll2->isEnabled());
    Click(form.Image1(11));
    EXPECT_TRUE(form.HScroll2->isEnabled());
    EXPECT_EQ(form.HScroll2->value(), 1);
    EXPECT_EQ(form.HScroll2->maximum(), 10);
    EXPECT_EQ(lower->x(), -32);
    Click(form.Command1);
    EXPECT_FALSE(form.HScroll2->isEnabled());
    EXPECT_EQ(lower->x(), 0);
}

TEST(SequenceStep, NextHandsTheSequenceOn) {
    SequenceOnFrames open(3);
    animace::Form2& form = *open.sequence;
    form.move(70, 50);
    Click(form.Image1(3));
    Click(form.Command6);
    form.je = QStringLiteral(" 1");
    animace::Form3* timing = open.picker.toTiming();
    ASSERT_NE(timing, nullptr);
    EXPECT_EQ(form.HScroll1->maximum(), 3);
    EXPECT_EQ(form.HScroll2->maximum(), 5);
    EXPECT_EQ(form.List2.size(), 5);
    EXPECT_EQ(form.shownStepPictures(), 5);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(timing->isVisible());
    EXPECT_EQ(timing->pos(), QPoint(70, 50));
    EXPECT_EQ(timing->stepCount(), 5);
    EXPECT_EQ(timing->List2, Steps({3, 1, 2, 3, 2}));
    EXPECT_EQ(timing->List1, form.List1);
    EXPECT_EQ(timing->je, QStringLiteral(" 1"));
    for (int j = 1; j <= 5; ++j) EXPECT_TRUE(timing->Image1(j)->showsSamePicture(form.Image3(j)->picture()));
    EXPECT_FALSE(open.picker.desktop.ended);
}

TEST(SequenceStep, CancelEndsTheProgram) {
    SequenceOnFrames open(2);
    Click(open.sequence->Command4);
    EXPECT_TRUE(open.picker.desktop.ended);
}
