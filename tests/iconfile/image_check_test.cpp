#include <gtest/gtest.h>

#include "iconfile/image_check.h"
#include "support/file_encoder.h"
#include "support/temp_files.h"

using namespace iconfile;

namespace {

void SetU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The fault CheckIconBytes finds in TestIcon(16, 16) after `change`, and its text.
std::pair<ImageFault, std::string> FaultAfter(const std::function<void(Bytes&)>& change) {
    Bytes icon = TestIcon(16, 16);
    change(icon);
    const CheckedIconFile checked = CheckIconBytes(icon);
    if (checked.images.empty()) return {ImageFault::None, FaultText(checked)};
    return {checked.images.front().fault, FaultText(checked)};
}

constexpr std::size_t kHeader = 22;  // the image's bitmap header in a one-image file

}  // namespace

TEST(ImageCheck, CommittedFilesAreJudgedAsEveryReaderWould) {
    for (const char* sound : {"sipka16.ico", "sipka16.cur", "worked_example_1.cur", "png_entry.ico"}) {
        const CheckedIconFile checked = CheckIconFile(TestData(sound));
        EXPECT_TRUE(checked.sound()) << sound << ": " << FaultText(checked);
        EXPECT_EQ(FaultText(checked), "") << sound;
    }
    const CheckedIconFile png = CheckIconFile(TestData("png_entry.ico"));
    ASSERT_EQ(png.images.size(), 1u);
    EXPECT_EQ(png.images[0].encoding, ImageEncoding::Png);
    EXPECT_EQ(png.images[0].bitCount, 32);
    const CheckedIconFile cursor = CheckIconFile(TestData("sipka16.cur"));
    EXPECT_EQ(cursor.images[0].entry.hotSpotX(), 7);
    EXPECT_EQ(cursor.images[0].encoding, ImageEncoding::Bitmap);
    EXPECT_EQ(cursor.images[0].neededLength, 1384u);

    const struct {
        const char* name;
        IconFileFault file;
        ImageFault image;
        std::string text;
    } broken[] = {
        {"sipka16_cut.ico", IconFileFault::DamagedImage, ImageFault::BeyondFile,
         "obrázek 1 sahá za konec souboru: má 1384 bajtů od bajtu 22, soubor má jen 1000 bajtů."},
        {"sipka16_cut.cur", IconFileFault::DamagedImage, ImageFault::BeyondFile, ""},
        {"lying_directory.ico", IconFileFault::DamagedImage, ImageFault::WidthDiffers,
         "obrázek 1 je podle své hlavičky široký 16 bodů, adresář udává 32."},
        {"lying_header.ico", IconFileFault::DamagedImage, ImageFault::HeightDiffers,
         "obrázek 1 má v hlavičce výšku 16, má mít dvojnásobek výšky z adresáře, 32."},
        {"no_images.ico", IconFileFault::NoImages, ImageFault::None, "soubor neobsahuje žádný obrázek."},
    };
    for (const auto& file : broken) {
        const CheckedIconFile checked = CheckIconFile(TestData(file.name));
        EXPECT_EQ(checked.fault, file.file) << file.name;
        if (file.image != ImageFault::None) {
            EXPECT_EQ(checked.images.at(checked.faultyImage).fault, file.image) << file.name;
        }
        if (!file.text.empty()) {
            EXPECT_EQ(FaultText(checked), file.text) << file.name;
        }
        // The same bytes in memory get the same verdict.
        EXPECT_EQ(CheckIconBytes(ReadAll(TestData(file.name))).fault, file.file) << file.name;
    }
}

TEST(ImageCheck, EveryHeaderFieldThatMakesReadersRefuseOrMisreadIsCaught) {
    EXPECT_EQ(FaultAfter([](Bytes&) {}).first, ImageFault::None);
    EXPECT_EQ(FaultAfter([](Bytes& b) { b[kHeader + 12] = 2; }).first, ImageFault::Planes);
    EXPECT_EQ(FaultAfter([](Bytes& b) { b[kHeader + 14] = 16; }).first, ImageFault::BitCount);
    EXPECT_EQ(FaultAfter([](Bytes& b) { b[kHeader + 16] = 1; }).first, ImageFault::Compression);
    EXPECT_EQ(FaultAfter([](Bytes& b) { SetU32(b, kHeader, 12); }).first, ImageFault::UnknownHeader);
    EXPECT_EQ(FaultAfter([](Bytes& b) { SetU32(b, kHeader, 108); }).first, ImageFault::UnknownHeader);
    // An offset into the directory itself finds no header there.
    EXPECT_EQ(FaultAfter([](Bytes& b) { SetU32(b, 18, 6); }).first, ImageFault::UnknownHeader);
    // Offset and length that would wrap around 32 bits still lie beyond the file.
    EXPECT_EQ(FaultAfter([](Bytes& b) { SetU32(b, 18, 0xFFFFFFF0u); }).first, ImageFault::BeyondFile);
    EXPECT_EQ(FaultAfter([](Bytes& b) { SetU32(b, 14, 0xFFFFFFF0u); }).first, ImageFault::BeyondFile);
    // The entry's length must hold what the header announces, even where the file goes on.
    const auto shortEntry = FaultAfter([](Bytes& b) { SetU32(b, 14, 1383); });
    EXPECT_EQ(shortEntry.first, ImageFault::DataBeyondImage);
    EXPECT_EQ(shortEntry.second, "obrázek 1 potřebuje na hlavičku, paletu a masky 1384 bajtů, adresář mu dává jen 1383.");
    EXPECT_EQ(FaultAfter([](Bytes& b) { SetU32(b, 14, 20); }).first, ImageFault::DataBeyondImage);
    // 24 bits need no palette but three bytes a pixel: 40 + 16 * 48 + 16 * 4 fit in 1384.
    EXPECT_EQ(FaultAfter([](Bytes& b) { b[kHeader + 14] = 24; }).first, ImageFault::None);
    // A palette announced beyond 256 entries counts as 256; 1-bit pixels with it still fit.
    EXPECT_EQ(FaultAfter([](Bytes& b) { b[kHeader + 14] = 1, SetU32(b, kHeader + 32, 100000); }).first, ImageFault::None);
    // Three colour masks after the header of a 32-bit image: 40 + 12 + 16 * 64 + 16 * 4 = 1140.
    EXPECT_EQ(FaultAfter([](Bytes& b) { b[kHeader + 14] = 32, b[kHeader + 16] = 3; }).first, ImageFault::None);
    EXPECT_EQ(FaultAfter([](Bytes& b) { b[kHeader + 14] = 32, b[kHeader + 16] = 3, SetU32(b, 14, 1139); }).first,
              ImageFault::DataBeyondImage);
    EXPECT_EQ(FaultAfter([](Bytes& b) { b[6] = 0; }).first, ImageFault::WidthDiffers);
    EXPECT_EQ(FaultAfter([](Bytes& b) { b.resize(20); }).second,
              "soubor končí uvnitř hlavičky nebo adresáře obrázků, je kratší, než udává jeho hlavička.");
}

TEST(ImageCheck, DescribesEveryImageAndNamesTheFirstFaultyOne) {
    // Three entries of one 32 x 32 image; the second is moved past the end, the third reads 0 as 256.
    Bytes icon = TestIcon(32, 32, 2, 3);
    SetU32(icon, 6 + 16 + 12, static_cast<std::uint32_t>(icon.size()));
    icon[6 + 32] = 0;
    const CheckedIconFile checked = CheckIconBytes(icon);
    ASSERT_EQ(checked.images.size(), 3u);
    EXPECT_EQ(checked.fault, IconFileFault::DamagedImage);
    EXPECT_EQ(checked.faultyImage, 1u);
    EXPECT_TRUE(checked.images[0].sound());
    EXPECT_EQ(checked.images[0].offset(), 54u);
    EXPECT_EQ(checked.images[0].length(), 2216u);
    EXPECT_EQ(checked.images[0].bitCount, 8);
    EXPECT_EQ(checked.images[1].fault, ImageFault::BeyondFile);
    EXPECT_EQ(checked.images[2].width, 256);
    EXPECT_EQ(checked.images[2].fault, ImageFault::WidthDiffers);
    EXPECT_EQ(FaultText(checked).rfind("obrázek 2 sahá za konec souboru", 0), 0u);

    // A PNG entry is judged by its own header: its height is not doubled.
    Bytes png = ReadAll(TestData("png_entry.ico"));
    png[7] = 8;
    EXPECT_EQ(CheckIconBytes(png).images[0].fault, ImageFault::HeightDiffers);
    png.resize(22 + 20);
    SetU32(png, 14, 20);
    EXPECT_EQ(CheckIconBytes(png).images[0].fault, ImageFault::PngHeaderCut);
}
