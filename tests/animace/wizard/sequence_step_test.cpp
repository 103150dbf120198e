#include <gtest/gtest.h>

#include "wizard_files.h"

namespace {

// The frame numbers from 1 of the steps.
std::vector<int> Steps(std::initializer_list<int> frames) { return frames; }

}  // namespace

TEST(SequenceStep, OpensWithTheFramesAndItsControls) {
    SequenceOnFrames open(3);
    animace::SequenceStep& form = *open.sequence;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Průvodce vytvořením nové animace"));
    ExpectCaptions({{form.everyOnceButton, "Každý &jednou"}, {form.removeLastButton, "U&mazat."},
                    {form.thereAndBackButton, "&Tam a zpět"}, {form.removeAllButton, "Umaž &vše"},
                    {form.helpButton, "C&o dál?"}});
    ExpectInSightAndReachable(form, {form.everyOnceButton, form.removeLastButton, form.thereAndBackButton,
                                     form.removeAllButton, form.helpButton, form.cancelButton});
    EXPECT_FALSE(form.nextButton->isEnabled());
    EXPECT_FALSE(form.frameScrollBar->isEnabled());
    EXPECT_FALSE(form.stepScrollBar->isEnabled());
    EXPECT_EQ(form.frame(3)->geometry(), QRect(64, 0, 32, 32));
    EXPECT_EQ(form.copyBox->widthTwips(), 480);
    Click(form.helpButton);
    ASSERT_EQ(open.picker.desktop.messages.size(), 1u);
    EXPECT_EQ(open.picker.desktop.messages[0].title, QString());
    EXPECT_TRUE(open.picker.desktop.messages[0].text.contains(QStringLiteral("vícekrát.\n\nTlačítko Každý jednou")));
}

TEST(SequenceStep, ClicksOnFramesAppendSteps) {
    SequenceOnFrames open(3);
    animace::SequenceStep& form = *open.sequence;
    for (int i = 0; i < 3; ++i) Click(form.frame(2));
    EXPECT_EQ(open.steps(), Steps({2, 2, 2}));
    for (int j = 1; j <= 3; ++j) {
        EXPECT_TRUE(form.step(j)->showsSamePicture(form.frame(2)->picture()));
        EXPECT_EQ(form.step(j)->x(), 32 * (j - 1));
    }
}

TEST(SequenceStep, ReadyMadeOrdersFollowWhatIsThere) {
    {
        SequenceOnFrames open(3);
        Click(open.sequence->everyOnceButton);
        Click(open.sequence->everyOnceButton);
        EXPECT_EQ(open.steps(), Steps({1, 2, 3, 1, 2, 3}));
    }
    {
        SequenceOnFrames open(2);
        Click(open.sequence->thereAndBackButton);
        EXPECT_EQ(open.steps(), Steps({1, 2}));
    }
    {
        SequenceOnFrames open(5);
        Click(open.sequence->thereAndBackButton);
        EXPECT_EQ(open.steps(), Steps({1, 2, 3, 4, 5, 4, 3, 2}));
    }
    {
        SequenceOnFrames open(3);
        Click(open.sequence->frame(2));
        Click(open.sequence->thereAndBackButton);
        EXPECT_EQ(open.steps(), Steps({2, 1, 2, 3, 2}));
        EXPECT_EQ(open.sequence->stepCount(), 5);
    }
}

TEST(SequenceStep, RemovingStepsAndTheNextButton) {
    SequenceOnFrames open(3);
    animace::SequenceStep& form = *open.sequence;
    ScriptedDesktop& desktop = open.picker.desktop;
    Click(form.removeAllButton);  // nothing to remove: no beep
    EXPECT_EQ(desktop.beeps, 0);
    Click(form.removeLastButton);
    EXPECT_EQ(desktop.beeps, 1);
    Click(form.frame(1));
    EXPECT_FALSE(form.nextButton->isEnabled());
    Click(form.frame(3));
    EXPECT_TRUE(form.nextButton->isEnabled());
    Click(form.removeLastButton);
    EXPECT_FALSE(form.nextButton->isEnabled());
    EXPECT_EQ(open.steps(), Steps({1}));
    Click(form.thereAndBackButton);
    Click(form.removeAllButton);
    EXPECT_EQ(form.stepCount(), 0);
    EXPECT_EQ(form.shownStepPictures(), 0);
    EXPECT_TRUE(open.steps().empty());
    EXPECT_EQ(desktop.beeps, 1);
}

TEST(SequenceStep, BothStripsScrollFromTheEleventhCell) {
    SequenceOnFrames open(11);
    animace::SequenceStep& form = *open.sequence;
    EXPECT_TRUE(form.frameScrollBar->isEnabled());
    EXPECT_EQ(form.frameScrollBar->value(), 0);
    EXPECT_EQ(form.frameScrollBar->maximum(), 10);
    QWidget* upper = form.findChild<QWidget*>(QStringLiteral("frameStrip"));
    QWidget* lower = form.findChild<QWidget*>(QStringLiteral("stepStrip"));
    EXPECT_EQ(upper->x(), 0);
    form.frameScrollBar->setValue(3);
    EXPECT_EQ(upper->x(), -96);
    for (int k = 1; k <= 10; ++k) Click(form.frame(k));
    EXPECT_FALSE(form.stepScrollBar->isEnabled());
    Click(form.frame(11));
    EXPECT_TRUE(form.stepScrollBar->isEnabled());
    EXPECT_EQ(form.stepScrollBar->value(), 1);
    EXPECT_EQ(form.stepScrollBar->maximum(), 10);
    EXPECT_EQ(lower->x(), -32);
    Click(form.removeLastButton);
    EXPECT_FALSE(form.stepScrollBar->isEnabled());
    EXPECT_EQ(lower->x(), 0);
}

TEST(SequenceStep, NextHandsTheSequenceOn) {
    SequenceOnFrames open(3);
    animace::SequenceStep& form = *open.sequence;
    form.move(70, 50);
    Click(form.frame(3));
    Click(form.thereAndBackButton);
    animace::TimingStep* timing = open.picker.toTiming();
    ASSERT_NE(timing, nullptr);
    EXPECT_EQ(form.frameScrollBar->maximum(), 3);
    EXPECT_EQ(form.stepScrollBar->maximum(), 5);
    EXPECT_EQ(form.shownStepPictures(), 5);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(timing->isVisible());
    EXPECT_EQ(timing->pos(), QPoint(70, 50));
    EXPECT_EQ(timing->stepCount(), 5);
    EXPECT_EQ(open.steps(), Steps({3, 1, 2, 3, 2}));
    for (const animace::AnimationStep& step : open.picker.animation().steps) EXPECT_EQ(step.twentieths, 20);
    for (int j = 1; j <= 5; ++j) EXPECT_TRUE(timing->step(j)->showsSamePicture(form.step(j)->picture()));
    EXPECT_FALSE(open.picker.desktop.ended);
}

TEST(SequenceStep, CancelEndsTheProgram) {
    SequenceOnFrames open(2);
    Click(open.sequence->cancelButton);
    EXPECT_TRUE(open.picker.desktop.ended);
}
