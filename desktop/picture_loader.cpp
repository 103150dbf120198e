#include "desktop/picture_loader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "iconfile/icon_directory.h"
#include "iconfile/stored_images.h"

namespace desktop {
namespace {

LoadedPicture Read(QImageReader& reader) {
    QImage image;
    if (!reader.read(&image)) return {PictureLoadOutcome::ReaderError, {}};
    if (image.isNull() || image.width() == 0 || image.height() == 0) return {PictureLoadOutcome::Empty, {}};
    return {PictureLoadOutcome::Loaded, image};
}

// The second try at an icon whose directory the toolkit's reader refused.
LoadedPicture ReadDecoderFriendly(const std::vector<std::uint8_t>& copy) {
    QByteArray bytes(reinterpret_cast<const char*>(copy.data()), static_cast<qsizetype>(copy.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader retry(&buffer, "ico");
    return Read(retry);
}

}  // namespace

LoadedPicture LoadPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const LoadedPicture loaded = Read(reader);
    if (loaded.outcome != PictureLoadOutcome::ReaderError) return loaded;
    const auto copy = iconfile::DecoderFriendlyCopy(QFile::encodeName(path).toStdString());
    return copy ? ReadDecoderFriendly(*copy) : loaded;
}

LoadedPicture LoadPictureFromBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const LoadedPicture loaded = Read(reader);
    if (loaded.outcome != PictureLoadOutcome::ReaderError) return loaded;
    const auto copy = iconfile::DecoderFriendlyBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    return copy ? ReadDecoderFriendly(*copy) : loaded;
}

LoadedPicture LoadIconImage(std::span<const std::uint8_t> file, const iconfile::CheckedImage& image) {
    const iconfile::ContainerImage stored[1] = {iconfile::StoredImage(file, image)};
    const std::vector<std::uint8_t> icon = iconfile::EncodeContainer(iconfile::IconFileKind::Icon, stored);
    return LoadPictureFromBytes(QByteArray(reinterpret_cast<const char*>(icon.data()), static_cast<qsizetype>(icon.size())));
}

iconfile::RgbaPicture RgbaOf(const QImage& image) {
    const QImage straight = image.convertToFormat(QImage::Format_RGBA8888);
    iconfile::RgbaPicture picture{straight.width(), straight.height(), {}};
    picture.rgba.reserve(4 * static_cast<std::size_t>(straight.width()) * static_cast<std::size_t>(straight.height()));
    for (int y = 0; y < straight.height(); ++y) {
        const uchar* row = straight.constScanLine(y);
        picture.rgba.insert(picture.rgba.end(), row, row + 4 * static_cast<std::ptrdiff_t>(straight.width()));
    }
    return picture;
}

std::optional<iconfile::RgbaPicture> RgbaOfIconImage(std::span<const std::uint8_t> file,
                                                     const iconfile::CheckedImage& image) {
    const LoadedPicture loaded = LoadIconImage(file, image);
    if (loaded.outcome != PictureLoadOutcome::Loaded || loaded.image.width() != image.width ||
        loaded.image.height() != image.height)
        return std::nullopt;
    return RgbaOf(loaded.image);
}

}  // namespace desktop
