#include "skiren/hot_spot_editor.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "desktop/accessibility.h"
#include "desktop/file_error_report.h"
#include "desktop/fonts.h"
#include "desktop/picture_pointer.h"
#include "desktop/twips.h"
#include "iconfile/icon_conversions.h"
#include "iconfile/hot_spot_scaling.h"
#include "iconfile/image_check.h"
#include "iconfile/output_path.h"
#include "iconfile/replacement_file.h"
#include "iconfile/stored_images.h"
#include "skiren/checkerboard.h"
#include "skiren/input_recognition.h"
#include "skiren/hot_spot.h"

namespace skiren {
namespace {

using G = EditorGeometry;
using desktop::Place;
constexpr int kLabelRowTops[4] = {4440, 4680, 4920, 5160};
// Over the value labels the pointer is the icon tried as a cursor.
constexpr int kPointerTrialLeft = 480, kPointerTrialTop = 4440, kPointerTrialRight = 2775, kPointerTrialBottom = 5415;

// A line dragged by the mouse: while a button holds it, each move passes the pointer's place on
// the line, which is how far the line follows.
void FollowWhileHeld(LineLabel* line, bool& held, std::function<void(QPointF)> moved) {
    line->onPress = [&held](QMouseEvent*) { held = true; };
    line->onRelease = [&held](QMouseEvent*) { held = false; };
    line->onMove = [&held, moved = std::move(moved)](QMouseEvent* event) {
        if (held) moved(event->position());
    };
}

}  // namespace

void StretchedPicture::paintUnderPicture(QPainter& painter) { PaintCheckerboard(painter, size(), picture().size()); }

QImage PlaceholderPicture() {
    QImage picture(192, 192, QImage::Format_RGB32);
    picture.fill(QColor(211, 255, 205));
    QPainter painter(&picture);
    painter.setPen(QColor(65, 0, 0));
    // A two-colour picture: no smoothed edges in between.
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    QFont heading = desktop::SerifFont(true);
    heading.setPixelSize(44);
    heading.setItalic(true);
    heading.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(heading);
    painter.drawText(QRect(0, 8, 192, 60), Qt::AlignCenter, QStringLiteral("Chyba!"));
    QFont body = desktop::SansSerifFont(false);
    body.setPixelSize(17);
    body.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(body);
    painter.drawText(QRect(6, 76, 180, 110), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Ikona je poškozena\nnebo není\nve správném\nformátu!"));
    return picture;
}

HotSpotEditor::HotSpotEditor(std::string path, desktop::DesktopServices& services, PictureLoader loader)
    : desktop::ProgramWindow(services), path_(std::move(path)), verticalLineLeft_(G::kBoxLeft), horizontalLineTop_(G::kBoxTop) {
    setObjectName(QStringLiteral("hotSpotEditor"));
    setWindowTitle(QStringLiteral("Převod ikony na kurzor myši"));
    setFixedSize(desktop::TwipsSize(3285, 5655));
    setFont(desktop::SansSerifFont(true));

    instruction = Place(new QLabel(QStringLiteral("Nastavte žluté čáry tak, aby se protínaly v klikacím bodě."), this),
                   QStringLiteral("instruction"), 240, 120, 2775, 615);
    instruction->setWordWrap(true);
    instruction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    enlargedPicture = Place(new StretchedPicture(this), QStringLiteral("enlargedPicture"), G::kBoxLeft, G::kBoxTop, G::kBoxExtent,
                   G::kBoxExtent);
    enlargedPicture->setAccessibleName(QStringLiteral("Zvětšený obrázek ikony"));
    enlargedPicture->setAccessibleDescription(
        QStringLiteral("Šipky posunou žluté čáry na další sloupec nebo řádek, Home a End do rohů obrázku."));

    const QColor lineColour(255, 255, 128);
    verticalLine = new LineLabel(this);
    verticalLine->setObjectName(QStringLiteral("verticalLine"));
    horizontalLine = new LineLabel(this);
    horizontalLine->setObjectName(QStringLiteral("horizontalLine"));
    for (LineLabel* line : {verticalLine, horizontalLine}) desktop::SetBackground(line, lineColour);
    verticalLine->setAccessibleName(QStringLiteral("Svislá čára aktivního bodu"));
    horizontalLine->setAccessibleName(QStringLiteral("Vodorovná čára aktivního bodu"));
    FollowWhileHeld(verticalLine, draggingVertical_, [this](QPointF by) {
        verticalLineLeft_ =
            ClampLinePosition(verticalLineLeft_ + desktop::PixelsToTwips(qRound(by.x())), G::kBoxLeft, G::kBoxExtent);
        placeLines();
        refreshValues();
    });
    FollowWhileHeld(horizontalLine, draggingHorizontal_, [this](QPointF by) {
        horizontalLineTop_ =
            ClampLinePosition(horizontalLineTop_ + desktop::PixelsToTwips(qRound(by.y())), G::kBoxTop, G::kBoxExtent);
        placeLines();
        refreshValues();
    });

    okButton = desktop::PlaceButton(this, QStringLiteral("OK"), QStringLiteral("okButton"), 480, 3840, 975, 495);
    cancelButton = desktop::PlaceButton(this, QStringLiteral("Storno"), QStringLiteral("cancelButton"), 1800, 3840, 975, 495);
    connect(okButton, &QPushButton::clicked, this, &HotSpotEditor::confirm);
    connect(cancelButton, &QPushButton::clicked, this, [this] { this->services().endProgram(0); });
    setCancelButton(cancelButton);

    const QColor grey(192, 192, 192);
    const QString names[4] = {QStringLiteral("Šířka:"), QStringLiteral("Výška:"), QStringLiteral("Klik X:"),
                              QStringLiteral("Klik Y:")};
    for (int i = 0; i < 4; ++i) {
        valueNames[i] = Place(new QLabel(names[i], this), QStringLiteral("valueNames_%1").arg(i), 480, kLabelRowTops[i], 1095, 255);
        valueLabels[i] = Place(new QLabel(QStringLiteral("?"), this), QStringLiteral("valueLabels_%1").arg(i), 1680, kLabelRowTops[i],
                          1095, 255);
        desktop::SetBackground(valueNames[i], grey);
        desktop::SetBackground(valueLabels[i], grey);
    }
    originNote = Place(new QLabel(QStringLiteral("Souřadnice mají počátek v nule."), this), QStringLiteral("originNote"), 480, 5400,
                   2175, 255);
    originNote->setFont(desktop::SerifFont(false));
    // The design width was measured for a narrower font; the note must still be read whole.
    originNote->resize(std::max(originNote->width(), originNote->sizeHint().width()), originNote->height());
    desktop::SetBackground(originNote, grey);
    // Paints nothing: it only carries the pointer over the labels it covers.
    pointerTrial = new QWidget(this);
    pointerTrial->setObjectName(QStringLiteral("pointerTrial"));
    pointerTrial->setGeometry(desktop::TwipsRect(kPointerTrialLeft, kPointerTrialTop, kPointerTrialRight - kPointerTrialLeft,
                                                 kPointerTrialBottom - kPointerTrialTop));
    desktop::HideFromAssistiveTechnology(pointerTrial);
    // The buttons would take the arrow keys to move the focus; the lines get them instead.
    okButton->installEventFilter(this);
    cancelButton->installEventFilter(this);
    placeLines();
    load(loader);
}

void HotSpotEditor::load(const PictureLoader& loader) {
    const desktop::LoadedPicture loaded = loader(QString::fromStdString(path_));
    if (loaded.outcome == desktop::PictureLoadOutcome::ReaderError) return recoverWithPlaceholder();
    if (loaded.outcome == desktop::PictureLoadOutcome::Empty) {
        services().showMessage(desktop::MessageIcon::Critical, desktop::MessageButtons::Ok,
                              QStringLiteral("Soubor není platný."));
        services().endProgram(0);
        return;
    }
    enlargedPicture->setPicture(loaded.image);
    const std::optional<std::vector<std::uint8_t>> bytes = iconfile::ReadWholeIconFile(path_);
    const iconfile::CheckedIconFile checked = bytes ? iconfile::CheckIconBytes(*bytes) : iconfile::CheckIconFile(path_);
    const iconfile::IconDirectory& directory = checked.directory;
    if (!directory.opened()) return recoverWithPlaceholder();
    // A cut or damaged icon is not taken for a good one, though the picture reader may show a part.
    if (!checked.sound()) return recoverWithPlaceholder();
    if (checked.images.size() > 1) {
        if (!bytes || !loadEverySize(*bytes, checked)) return recoverWithPlaceholder();
    } else {
        iconWidth_ = IconSizeFromByte(directory.firstWidthByte);
        iconHeight_ = IconSizeFromByte(directory.firstHeightByte);
    }
    iconLoaded_ = true;
    refreshValues();
}

bool HotSpotEditor::loadEverySize(std::span<const std::uint8_t> bytes, const iconfile::CheckedIconFile& checked) {
    std::vector<iconfile::CheckedImage> kept;
    for (std::size_t index : iconfile::DeepestImagePerSize(checked)) kept.push_back(checked.images[index]);
    const auto largest = std::max_element(kept.begin(), kept.end(), [](const auto& a, const auto& b) {
        return a.width * a.height < b.width * b.height;
    });
    const desktop::LoadedPicture picture = desktop::LoadIconImage(bytes, *largest);
    std::size_t failed = 0;
    std::optional<std::vector<iconfile::ContainerImage>> images = iconfile::CursorImagesOf(
        bytes, kept, std::vector<std::pair<int, int>>(kept.size()), desktop::RgbaOfIconImage, failed);
    if (picture.outcome != desktop::PictureLoadOutcome::Loaded || !images) return false;
    enlargedPicture->setPicture(picture.image);
    iconWidth_ = largest->width;
    iconHeight_ = largest->height;
    everySize_ = std::move(*images);
    return true;
}

void HotSpotEditor::recoverWithPlaceholder() {
    enlargedPicture->setPicture(PlaceholderPicture());
    okButton->setEnabled(false);
}

int HotSpotEditor::column() const {
    return HotSpotCoordinate(verticalLineLeft_, G::kBoxLeft, G::kBoxExtent, G::kLineThickness, iconWidth_);
}

int HotSpotEditor::row() const {
    return HotSpotCoordinate(horizontalLineTop_, G::kBoxTop, G::kBoxExtent, G::kLineThickness, iconHeight_);
}

void HotSpotEditor::refreshValues() {
    const int values[4] = {iconWidth_, iconHeight_, column(), row()};
    for (int i = 0; i < 4; ++i) {
        valueLabels[i]->setText(QString::fromStdString(ValueCaption(values[i])));
        // A reader names the value by its row: "Klik X: 5", not a bare number.
        valueLabels[i]->setAccessibleName(valueNames[i]->text() + valueLabels[i]->text());
    }
    const QPoint hotSpot(values[2], values[3]);
    if (iconLoaded_ && hotSpot != pointerHotSpot_) {
        pointerHotSpot_ = hotSpot;
        pointerTrial->setCursor(desktop::PointerFromPicture(enlargedPicture->picture(), hotSpot));
    }
}

bool HotSpotEditor::moveLineByKey(int key) {
    const bool vertical = key == Qt::Key_Left || key == Qt::Key_Right;
    const bool horizontal = key == Qt::Key_Up || key == Qt::Key_Down;
    if (!vertical && !horizontal && key != Qt::Key_Home && key != Qt::Key_End) return false;
    // Home and End move both lines: to the places of the first and the last coordinate.
    const auto moved = [key](int position, int boxPosition, int iconSize) {
        if (iconSize <= 1) return position;
        if (key == Qt::Key_Home || key == Qt::Key_End) {
            const int value = key == Qt::Key_Home ? 0 : iconSize - 1;
            return LinePlaceForValue(value, boxPosition, G::kBoxExtent, G::kLineThickness, iconSize).value_or(position);
        }
        const int step = key == Qt::Key_Right || key == Qt::Key_Down ? 1 : -1;
        return LinePositionForStep(position, boxPosition, G::kBoxExtent, G::kLineThickness, iconSize, step);
    };
    if (!horizontal) verticalLineLeft_ = moved(verticalLineLeft_, G::kBoxLeft, iconWidth_);
    if (!vertical) horizontalLineTop_ = moved(horizontalLineTop_, G::kBoxTop, iconHeight_);
    placeLines();
    refreshValues();
    return true;
}

bool HotSpotEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && moveLineByKey(static_cast<QKeyEvent*>(event)->key())) return true;
    return QWidget::eventFilter(watched, event);
}

void HotSpotEditor::placeLines() {
    verticalLine->setGeometry(desktop::TwipsRect(verticalLineLeft_, 840, G::kLineThickness, 3015));
    horizontalLine->setGeometry(desktop::TwipsRect(120, horizontalLineTop_, 3015, G::kLineThickness));
}

void HotSpotEditor::confirm() {
    if (!everySize_.empty()) return confirmEverySize();
    const auto toByte = [](int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); };
    const std::optional<iconfile::FileOutcome> written =
        iconfile::ConvertIconToCursor(path_, toByte(column()), toByte(row()));
    if (!written) {
        services().showMessage(desktop::MessageIcon::Critical, desktop::MessageButtons::Ok, NoRoomMessage(path_));
    } else if (!written->succeeded()) {
        return desktop::ReportFileError(services(), written->path(), written->reason());
    }
    services().endProgram(0);
}

void HotSpotEditor::confirmEverySize() {
    const std::optional<std::string> output = iconfile::OutputPathFor(path_, "cur");
    if (!output) {
        services().showMessage(desktop::MessageIcon::Critical, desktop::MessageButtons::Ok, NoRoomMessage(path_));
        return services().endProgram(0);
    }
    for (iconfile::ContainerImage& image : everySize_) {
        image.hotSpotX = iconfile::ScaledHotSpot(column(), iconWidth_, image.width);
        image.hotSpotY = iconfile::ScaledHotSpot(row(), iconHeight_, image.height);
    }
    const std::vector<std::uint8_t> cursor = iconfile::EncodeContainer(iconfile::IconFileKind::Cursor, everySize_);
    if (const iconfile::FileOutcome written = iconfile::ReplaceWithBytes(*output, cursor); !written.succeeded())
        return desktop::ReportFileError(services(), written.path(), written.reason());
    services().endProgram(0);
}

void HotSpotEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape && moveLineByKey(event->key())) return;
    desktop::ProgramWindow::keyPressEvent(event);
}

}  // namespace skiren
