// Which start-ups the display check lets through to the toolkit, which would otherwise abort.
#include <gtest/gtest.h>

#include <QByteArray>
#include <array>
#include <string>
#include <vector>

#include "desktop/display_probe.h"

namespace {

// Sets the variables that pick Qt's display for one test and puts the old values back afterwards.
class DisplayEnvironment : public ::testing::Test {
protected:
    static constexpr std::array<const char*, 3> kNames{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};

    void SetUp() override {
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            saved_[i] = qgetenv(kNames[i]);
            had_[i] = qEnvironmentVariableIsSet(kNames[i]);
            qunsetenv(kNames[i]);
        }
    }
    void TearDown() override {
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            if (had_[i]) qputenv(kNames[i], saved_[i]);
            else qunsetenv(kNames[i]);
        }
    }
    static bool Usable(std::initializer_list<std::string> arguments) {
        std::vector<std::string> words{"Pelcor"};
        words.insert(words.end(), arguments);
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        return desktop::DisplayUsable(static_cast<int>(argv.size()), argv.data());
    }

private:
    std::array<QByteArray, kNames.size()> saved_;
    std::array<bool, kNames.size()> had_{};
};

TEST_F(DisplayEnvironment, NothingNamedIsNoDisplay) {
    EXPECT_FALSE(Usable({"obrazek.bmp"}));
    qputenv("DISPLAY", "");
    EXPECT_FALSE(Usable({"obrazek.bmp"}));
}

TEST_F(DisplayEnvironment, AnXServerThatDoesNotAnswerIsNoDisplayEvenWhenChosen) {
    qputenv("DISPLAY", ":99");
    EXPECT_FALSE(Usable({}));
    qputenv("QT_QPA_PLATFORM", "xcb");
    EXPECT_FALSE(Usable({}));
    qunsetenv("QT_QPA_PLATFORM");
    EXPECT_FALSE(Usable({"-platform", "xcb"}));
}

TEST_F(DisplayEnvironment, AnotherChosenPlatformOrAWaylandSessionIsTrusted) {
    EXPECT_TRUE(Usable({"-platform", "offscreen", "obrazek.bmp"}));
    EXPECT_TRUE(Usable({"--platform", "offscreen"}));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    EXPECT_TRUE(Usable({}));
    qunsetenv("QT_QPA_PLATFORM");
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_TRUE(Usable({}));
}

}  // namespace
