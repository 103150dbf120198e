// Files written by outside tools (icotool, ImageMagick, Pillow; see tests/data/read/make-read-fixtures),
// each read through the suite's own readers and compared with its reference: NAME.png for the
// pixels, NAME.json for a cursor's hot spot and an animated cursor's frames and steps.
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "animace/reader/animated_cursor_reader.h"
#include "animace/reader/byte_source.h"
#include "desktop/picture_loader.h"
#include "iconfile/icon_directory.h"
#include "iconfile/image_check.h"
#include "pelcor/bitmap_check.h"
#include "pelcor/bitmap_pixels.h"
#include "support/test_application.h"

namespace {

namespace fs = std::filesystem;

struct Fixture {
    std::string kind;  // the folder: ico, cur, ani or bmp
    fs::path file;
};

// Named by its file in test listings.
void PrintTo(const Fixture& fixture, std::ostream* out) { *out << fixture.file.filename().string(); }

std::vector<Fixture> Fixtures() {
    std::vector<Fixture> found;
    const std::set<std::string> kinds = {"ico", "cur", "ani", "bmp"};
    for (const auto& folder : fs::directory_iterator(fs::path(KURZORY_TEST_DATA) / "read")) {
        const std::string kind = folder.path().filename().string();
        if (!folder.is_directory() || !kinds.contains(kind)) continue;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            if (entry.path().extension() == "." + kind) found.push_back({kind, entry.path()});
    }
    return found;
}

QString Sibling(const fs::path& file, const char* ending) {
    return QString::fromStdString(fs::path(file).replace_extension(ending).string());
}

QJsonObject Facts(const fs::path& file) {
    QFile json(Sibling(file, ".json"));
    if (!json.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(json.readAll()).object();
}

QImage Reference(const fs::path& file) {
    return QImage(Sibling(file, ".png")).convertToFormat(QImage::Format_ARGB32);
}

// Every pixel as it shows on a screen: colour times opacity, so two wholly transparent pixels
// match whatever colour each keeps behind, and a faint one may be off by its rounding.
bool ShowSame(QRgb a, QRgb b) {
    a = qPremultiply(a);
    b = qPremultiply(b);
    return qAlpha(a) == qAlpha(b) && std::abs(qRed(a) - qRed(b)) <= 1 && std::abs(qGreen(a) - qGreen(b)) <= 1 &&
           std::abs(qBlue(a) - qBlue(b)) <= 1;
}

void ExpectSamePixels(const QImage& shown, const QImage& reference) {
    ASSERT_FALSE(reference.isNull());
    ASSERT_EQ(shown.size(), reference.size());
    const QImage pixels = shown.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const QRgb want = reference.pixel(x, y);
            const QRgb got = pixels.pixel(x, y);
            if (!ShowSame(got, want) && differing++ < 3)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << got << ", expected " << want;
        }
    }
    EXPECT_EQ(differing, 0);
}

void CheckIconOrCursor(const Fixture& fixture) {
    // What real tools write, the checked reader takes.
    const iconfile::CheckedIconFile checked = iconfile::CheckIconFile(fixture.file);
    EXPECT_TRUE(checked.sound()) << iconfile::FaultText(checked);
    const iconfile::IconDirectory directory = iconfile::ReadIconDirectory(fixture.file);
    ASSERT_EQ(directory.status, iconfile::DirectoryRead::Read);
    ASSERT_EQ(directory.entries.size(), 1u);
    const bool cursor = fixture.kind == "cur";
    EXPECT_EQ(directory.resourceTypeLow, cursor ? 2 : 1);
    if (cursor) {
        const QJsonArray hotSpot = Facts(fixture.file)["hotSpot"].toArray();
        ASSERT_EQ(hotSpot.size(), 2);
        EXPECT_EQ(directory.entries[0].hotSpotX(), hotSpot[0].toInt());
        EXPECT_EQ(directory.entries[0].hotSpotY(), hotSpot[1].toInt());
    }
    QFile file(QString::fromStdString(fixture.file.string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const desktop::LoadedPicture loaded = desktop::LoadPictureFromBytes(file.readAll());
    ASSERT_EQ(loaded.outcome, desktop::PictureLoadOutcome::Loaded);
    ExpectSamePixels(loaded.image, Reference(fixture.file));
}

// The colours Pelcor shows and puts into the icon: each pixel's palette entry.
void CheckBitmap(const Fixture& fixture) {
    const std::optional<int> size = pelcor::ValidateBitmap(fixture.file.string());
    ASSERT_TRUE(size.has_value());
    const std::optional<pelcor::BitmapPixels> pixels = pelcor::ReadBitmapPixels(fixture.file.string(), *size);
    ASSERT_TRUE(pixels.has_value());
    QImage shown(*size, *size, QImage::Format_ARGB32);
    for (int row = 0; row < *size; ++row)
        for (int column = 0; column < *size; ++column)
            shown.setPixel(column, row, 0xFF000000u | pelcor::ShownRgbAt(*pixels, column, row));
    ExpectSamePixels(shown, Reference(fixture.file));
}

void CheckAnimatedCursor(const Fixture& fixture) {
    const QJsonObject facts = Facts(fixture.file);
    const QJsonArray frames = facts["frames"].toArray();
    const QJsonArray steps = facts["steps"].toArray();
    ASSERT_FALSE(frames.isEmpty());
    animace::FileByteSource source;
    ASSERT_TRUE(source.Open(fixture.file.string()).succeeded());
    const animace::AnimatedCursorLayout layout = animace::ReadAnimatedCursorLayout(source);
    ASSERT_TRUE(layout.isAnimatedCursor);
    EXPECT_FALSE(layout.chunkPassesEnd);
    EXPECT_EQ(layout.frameChunks, static_cast<std::uint64_t>(frames.size()));
    EXPECT_EQ(layout.PlayableSteps(), static_cast<std::uint64_t>(steps.size()));

    std::vector<animace::StepEntry> read;
    EXPECT_TRUE(animace::ForEachStep(source, layout, [&](const animace::StepEntry& step) {
        read.push_back(step);
        return true;
    }));
    ASSERT_EQ(read.size(), static_cast<std::size_t>(steps.size()));
    for (std::size_t i = 0; i < read.size(); ++i) {
        const QJsonObject step = steps[static_cast<qsizetype>(i)].toObject();
        EXPECT_EQ(read[i].frame, static_cast<std::uint32_t>(step["frame"].toInt())) << "step " << i;
        EXPECT_EQ(read[i].jiffies, static_cast<std::uint32_t>(step["jiffies"].toInt())) << "step " << i;
    }

    std::vector<animace::FrameEntry> found;
    EXPECT_TRUE(animace::ForEachFrame(source, layout, [&](const animace::FrameEntry& frame) {
        found.push_back(frame);
        return true;
    }));
    ASSERT_EQ(found.size(), static_cast<std::size_t>(frames.size()));
    QFile file(QString::fromStdString(fixture.file.string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (std::size_t i = 0; i < found.size(); ++i) {
        const QJsonObject frame = frames[static_cast<qsizetype>(i)].toObject();
        const QJsonArray size = frame["size"].toArray();
        const QJsonArray hotSpot = frame["hotSpot"].toArray();
        ASSERT_TRUE(found[i].headerRead);
        EXPECT_EQ(found[i].resourceType, 2) << "frame " << i;
        EXPECT_EQ(found[i].width, size[0].toInt()) << "frame " << i;
        EXPECT_EQ(found[i].height, size[1].toInt()) << "frame " << i;
        EXPECT_EQ(found[i].hotSpotX, hotSpot[0].toInt()) << "frame " << i;
        EXPECT_EQ(found[i].hotSpotY, hotSpot[1].toInt()) << "frame " << i;
        // Each frame is a sound cursor and a picture of its own, as the wizard's preview shows it.
        const QByteArray frameBytes =
            bytes.mid(static_cast<qsizetype>(found[i].dataOffset), static_cast<qsizetype>(found[i].length));
        const iconfile::CheckedIconFile checked = iconfile::CheckIconBytes(
            std::span(reinterpret_cast<const std::uint8_t*>(frameBytes.data()), static_cast<std::size_t>(frameBytes.size())));
        EXPECT_TRUE(checked.sound()) << "frame " << i << ": " << iconfile::FaultText(checked);
        const desktop::LoadedPicture picture = desktop::LoadPictureFromBytes(frameBytes);
        ASSERT_EQ(picture.outcome, desktop::PictureLoadOutcome::Loaded) << "frame " << i;
        EXPECT_EQ(picture.image.width(), size[0].toInt()) << "frame " << i;
    }
}

class ReadFixture : public testing::TestWithParam<Fixture> {
protected:
    void SetUp() override { TestApplication(); }
};

TEST_P(ReadFixture, ReadsAsItsReferenceSays) {
    const Fixture& fixture = GetParam();
    if (fixture.kind == "ani") CheckAnimatedCursor(fixture);
    else if (fixture.kind == "bmp") CheckBitmap(fixture);
    else CheckIconOrCursor(fixture);
}

INSTANTIATE_TEST_SUITE_P(Files, ReadFixture, testing::ValuesIn(Fixtures()),
                         [](const testing::TestParamInfo<Fixture>& info) {
                             return info.param.kind + "_" + info.param.file.stem().string();
                         });

}  // namespace
