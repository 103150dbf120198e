// The written files as a real cursor loader sees them: gdk-pixbuf's animation loader.
#include <gtest/gtest.h>

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <filesystem>
#include <memory>

#include "writer_files.h"

using namespace animace;

namespace {

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using Ref = std::unique_ptr<T, Unref>;

// The pixels of a picture, row by row without padding.
Bytes Pixels(GdkPixbuf* picture) {
    const int rowBytes = gdk_pixbuf_get_width(picture) * gdk_pixbuf_get_n_channels(picture);
    const guchar* pixels = gdk_pixbuf_read_pixels(picture);
    Bytes rows;
    for (int y = 0; y < gdk_pixbuf_get_height(picture); ++y) {
        const guchar* row = pixels + static_cast<std::ptrdiff_t>(y) * gdk_pixbuf_get_rowstride(picture);
        rows.insert(rows.end(), row, row + rowBytes);
    }
    return rows;
}

Bytes CursorPixels(const std::string& path) {
    GError* error = nullptr;
    Ref<GdkPixbuf> picture(gdk_pixbuf_new_from_file(path.c_str(), &error));
    if (!picture) {
        ADD_FAILURE() << path << ": " << (error ? error->message : "no picture");
        if (error) g_error_free(error);
        return {};
    }
    return Pixels(picture.get());
}

// Writes the three sample wheels as an animation of `frameOfStep` and checks that gdk-pixbuf
// shows every step's frame for its time, twice round. With `oddFirstFrame` the first frame file
// has one byte more, so its chunk is odd: later frames must still be found.
void ExpectPlayedAsWritten(const std::vector<int>& frameOfStep, bool oddFirstFrame) {
    ScratchFolder folder;
    Animation input;
    for (const char* name : {"kolo1.cur", "kolo2.cur", "kolo3.cur"}) {
        const auto copy = folder.path(name);
        std::filesystem::copy_file(std::filesystem::path(KURZORY_SAMPLES_DIR) / name, copy);
        input.frames.push_back(copy.string());
    }
    if (oddFirstFrame) {
        Bytes first = ReadAll(input.frames[0]);
        ASSERT_EQ(first.size() % 2, 0u);
        first.push_back(0x5A);
        WriteAll(input.frames[0], first);
    }
    std::vector<int> times = {1, 20, 7, 40, 3, 10, 2};
    times.resize(frameOfStep.size(), 5);
    for (std::size_t step = 0; step < frameOfStep.size(); ++step) input.steps.push_back({frameOfStep[step] - 1, times[step]});
    const std::string output = folder.path("kolo.ani").string();
    User user;
    ASSERT_EQ(WriteAnimatedCursor(input, output, user.overwrite(), user.retry()), WriteOutcome::Written);

    std::vector<Bytes> framePixels;
    for (const std::string& frame : input.frames) framePixels.push_back(CursorPixels(frame));
    ASSERT_NE(framePixels[0], framePixels[1]);
    ASSERT_NE(framePixels[1], framePixels[2]);

    GError* error = nullptr;
    Ref<GdkPixbufAnimation> animation(gdk_pixbuf_animation_new_from_file(output.c_str(), &error));
    ASSERT_TRUE(animation) << (error ? error->message : "");
    ASSERT_FALSE(gdk_pixbuf_animation_is_static_image(animation.get()));

    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    GTimeVal now = {0, 0};
    Ref<GdkPixbufAnimationIter> iter(gdk_pixbuf_animation_get_iter(animation.get(), &now));
    // Two rounds: the animation starts over after the last step.
    for (std::size_t round = 0; round < 2; ++round) {
        for (std::size_t step = 0; step < frameOfStep.size(); ++step) {
            EXPECT_EQ(Pixels(gdk_pixbuf_animation_iter_get_pixbuf(iter.get())),
                      framePixels[static_cast<std::size_t>(frameOfStep[step] - 1)])
                << "round " << round << " step " << step + 1;
            const int delay = gdk_pixbuf_animation_iter_get_delay_time(iter.get());
            EXPECT_EQ(delay, input.steps[step].twentieths * 50) << "step " << step + 1;
            g_time_val_add(&now, static_cast<glong>(delay) * 1000);
            gdk_pixbuf_animation_iter_advance(iter.get(), &now);
        }
    }
    G_GNUC_END_IGNORE_DEPRECATIONS
}

}  // namespace

TEST(PixbufLoader, PlaysTheUserSequenceWithEveryStepsDelay) {
    // Repeats frames, shows them out of stored order and has more steps than frames.
    ExpectPlayedAsWritten({3, 1, 3, 2, 2, 1, 3}, false);
}

TEST(PixbufLoader, FramesAfterAnOddLengthFrameAreFound) {
    ExpectPlayedAsWritten({1, 2, 3, 2}, true);
}
