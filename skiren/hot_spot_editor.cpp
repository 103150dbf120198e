#include "skiren/hot_spot_editor.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "desktop/file_error_report.h"
#include "desktop/fonts.h"
#include "desktop/twips.h"
#include "iconfile/icon_conversions.h"
#include "iconfile/icon_directory.h"
#include "skiren/cotoje.h"
#include "skiren/hot_spot.h"

namespace skiren {
namespace {

using G = EditorGeometry;
constexpr int kLabelRowTops[4] = {4440, 4680, 4920, 5160};

void SetBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, int width, int height) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(desktop::TwipsRect(left, top, width, height));
    return label;
}

}  // namespace

void StretchedPicture::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), picture_);
}

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
    : path_(std::move(path)), services_(services), svislyLeft_(G::kBoxLeft), vodorovnyTop_(G::kBoxTop) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Převod ikony na kurzor myši"));
    setFixedSize(desktop::TwipsSize(3285, 5655));
    setFont(desktop::SansSerifFont(true));

    Label1 = MakeLabel(this, QStringLiteral("Nastavte žluté čáry tak, aby se protínaly v klikacím bodě."), 240, 120,
                       2775, 615);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = new StretchedPicture(this);
    Image1->setGeometry(desktop::TwipsRect(G::kBoxLeft, G::kBoxTop, G::kBoxExtent, G::kBoxExtent));

    const QColor lineColour(255, 255, 128);
    svisly = new LineLabel(this);
    vodorovny = new LineLabel(this);
    for (LineLabel* line : {svisly, vodorovny}) SetBackground(line, lineColour);
    svisly->onPress = [this](QMouseEvent*) { draggingVertical_ = true; };
    svisly->onRelease = [this](QMouseEvent*) { draggingVertical_ = false; };
    svisly->onMove = [this](QMouseEvent* event) {
        if (!draggingVertical_) return;
        const int x = desktop::PixelsToTwips(qRound(event->position().x()));
        svislyLeft_ = ClampLinePosition(svislyLeft_ + x, G::kBoxLeft, G::kBoxExtent);
        placeLines();
        refreshValues();
    };
    vodorovny->onPress = [this](QMouseEvent*) { draggingHorizontal_ = true; };
    vodorovny->onRelease = [this](QMouseEvent*) { draggingHorizontal_ = false; };
    vodorovny->onMove = [this](QMouseEvent* event) {
        if (!draggingHorizontal_) return;
        const int y = desktop::PixelsToTwips(qRound(event->position().y()));
        vodorovnyTop_ = ClampLinePosition(vodorovnyTop_ + y, G::kBoxTop, G::kBoxExtent);
        placeLines();
        refreshValues();
    };

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setGeometry(desktop::TwipsRect(480, 3840, 975, 495));
    Command2 = new QPushButton(QStringLiteral("Storno"), this);
    Command2->setGeometry(desktop::TwipsRect(1800, 3840, 975, 495));
    connect(Command1, &QPushButton::clicked, this, &HotSpotEditor::confirm);
    connect(Command2, &QPushButton::clicked, this, [this] { services_.endProgram(0); });

    const QColor grey(192, 192, 192);
    const QString names[4] = {QStringLiteral("Šířka:"), QStringLiteral("Výška:"), QStringLiteral("Klik X:"),
                              QStringLiteral("Klik Y:")};
    for (int i = 0; i < 4; ++i) {
        Label2[i] = MakeLabel(this, names[i], 480, kLabelRowTops[i], 1095, 255);
        Label3[i] = MakeLabel(this, QStringLiteral("?"), 1680, kLabelRowTops[i], 1095, 255);
        SetBackground(Label2[i], grey);
        SetBackground(Label3[i], grey);
        Label2[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
        Label3[i]->setObjectName(QStringLiteral("Label3_%1").arg(i));
    }
    Label4 = MakeLabel(this, QStringLiteral("Souřadnice mají počátek v nule."), 480, 5400, 2175, 255);
    Label4->setFont(desktop::SerifFont(false));
    // The design width was measured for a narrower font; the note must still be read whole.
    Label4->resize(std::max(Label4->width(), Label4->sizeHint().width()), Label4->height());
    SetBackground(Label4, grey);

    Label1->setObjectName(QStringLiteral("Label1"));
    Image1->setObjectName(QStringLiteral("Image1"));
    svisly->setObjectName(QStringLiteral("svisly"));
    vodorovny->setObjectName(QStringLiteral("vodorovny"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Label4->setObjectName(QStringLiteral("Label4"));
    placeLines();
    load(loader);
}

void HotSpotEditor::load(const PictureLoader& loader) {
    const desktop::LoadedPicture loaded = loader(QString::fromStdString(path_));
    if (loaded.outcome == desktop::PictureLoadOutcome::ReaderError) return recoverWithPlaceholder();
    if (loaded.outcome == desktop::PictureLoadOutcome::Empty) {
        services_.showMessage(desktop::MessageIcon::Critical, desktop::MessageButtons::Ok,
                              QStringLiteral("Soubor není platný."));
        services_.endProgram(0);
        return;
    }
    Image1->setPicture(loaded.image);
    const iconfile::IconDirectory directory = iconfile::ReadIconDirectory(path_);
    if (!directory.opened()) return recoverWithPlaceholder();
    if (directory.imageCountLow > 1) {
        services_.showMessage(desktop::MessageIcon::Exclamation, desktop::MessageButtons::Ok,
                              QStringLiteral("Soubor %1 obsahuje více než jednu ikonu, a proto se nedá převést na kurzor.")
                                  .arg(QString::fromStdString(path_)));
        services_.endProgram(0);
        return;
    }
    iconWidth_ = IconSizeFromByte(directory.firstWidthByte);
    iconHeight_ = IconSizeFromByte(directory.firstHeightByte);
    refreshValues();
}

void HotSpotEditor::recoverWithPlaceholder() {
    Image1->setPicture(PlaceholderPicture());
    Command1->setEnabled(false);
}

int HotSpotEditor::column() const {
    return HotSpotCoordinate(svislyLeft_, G::kBoxLeft, G::kBoxExtent, G::kLineThickness, iconWidth_);
}

int HotSpotEditor::row() const {
    return HotSpotCoordinate(vodorovnyTop_, G::kBoxTop, G::kBoxExtent, G::kLineThickness, iconHeight_);
}

void HotSpotEditor::refreshValues() {
    const int values[4] = {iconWidth_, iconHeight_, column(), row()};
    for (int i = 0; i < 4; ++i) Label3[i]->setText(QString::fromStdString(ValueCaption(values[i])));
}

void HotSpotEditor::placeLines() {
    svisly->setGeometry(desktop::TwipsRect(svislyLeft_, 840, G::kLineThickness, 3015));
    vodorovny->setGeometry(desktop::TwipsRect(120, vodorovnyTop_, 3015, G::kLineThickness));
}

void HotSpotEditor::confirm() {
    const auto toByte = [](int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); };
    const std::optional<iconfile::FileOutcome> written =
        iconfile::ConvertIconToCursor(path_, toByte(column()), toByte(row()));
    if (!written) {
        services_.showMessage(desktop::MessageIcon::Critical, desktop::MessageButtons::Ok, NoRoomMessage(path_));
    } else if (!written->succeeded()) {
        return desktop::ReportFileError(services_, written->path(), written->reason());
    }
    services_.endProgram(0);
}

void HotSpotEditor::closeEvent(QCloseEvent* event) {
    services_.endProgram(0);
    event->accept();
}

void HotSpotEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return Command2->click();
    QWidget::keyPressEvent(event);
}

}  // namespace skiren
