#include "pelcor/icon_window.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <cmath>

#include "desktop/accessibility.h"
#include "desktop/file_error_report.h"
#include "desktop/fonts.h"
#include "desktop/rounding.h"
#include "desktop/twips.h"
#include "pelcor/bitmap_check.h"
#include "pelcor/bitmap_pixels.h"
#include "pelcor/cell_geometry.h"
#include "pelcor/icon_builder.h"
#include "pelcor/icon_path.h"

namespace pelcor {

const QString kAboutLine = QStringLiteral("Převod 256-barevného obrázku na ikonu, © 2026 autoři Kurzorových nástrojů");
const QString kRefusalText = QString::fromUtf8(kBitmapRefusalText);

namespace {

using G = PictureBoxGeometry;
constexpr int kPickDelay = 50;
// What a reader says of each marking swatch; the first is the window's own background.
const QString kSwatchNames[8] = {
    QStringLiteral("Značit barvou pozadí okna"), QStringLiteral("Značit šedou"), QStringLiteral("Značit černou"),
    QStringLiteral("Značit červenou"),           QStringLiteral("Značit zelenou"), QStringLiteral("Značit modrou"),
    QStringLiteral("Značit azurovou"),           QStringLiteral("Značit žlutou")};

struct MarkEnds {
    int x1, y1, x2, y2;
};
constexpr std::array<MarkEnds, 8> kCornerMarks{{{600, 4680, 840, 4680},
                                          {840, 4920, 840, 4680},
                                          {600, 840, 840, 840},
                                          {840, 600, 840, 840},
                                          {4680, 600, 4680, 840},
                                          {4920, 840, 4680, 840},
                                          {4680, 4680, 4680, 4920},
                                          {4920, 4680, 4680, 4680}}};

// A colour read from the screen, or the window-background system colour.
void SetBackground(QWidget* widget, const ShownColour& colour) {
    const QPalette system = widget->parentWidget() ? widget->parentWidget()->palette() : QPalette();
    desktop::SetBackground(widget, colour ? QColor::fromRgb(*colour) : system.color(QPalette::Window));
}

using desktop::Place;

// The program's own icon: a flower turning into an icon frame, drawn at each size it carries.
QIcon ProgramIcon() {
    QIcon icon;
    for (int side : {16, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(0, 0, 128), std::max(1, side / 16)));
        painter.setBrush(QColor(255, 255, 255));
        painter.drawRect(QRectF(0.5, 0.5, side - 1.0, side - 1.0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 0, 0));
        painter.drawEllipse(QRectF(side * 0.22, side * 0.12, side * 0.56, side * 0.56));
        painter.setBrush(QColor(255, 255, 0));
        painter.drawEllipse(QRectF(side * 0.38, side * 0.28, side * 0.24, side * 0.24));
        painter.setBrush(QColor(0, 160, 0));
        painter.drawRect(QRectF(side * 0.46, side * 0.66, side * 0.08, side * 0.28));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// The pick and undo delays act on their second tick: the first only lets the repaint reach the
// screen before it is read.
bool SecondTick(desktop::WindowTimer& timer) {
    if (timer.tag.isEmpty()) {
        timer.tag = QStringLiteral("1");
        return false;
    }
    timer.tag.clear();
    return true;
}

}  // namespace

ShownColour ShownColourAt(const QImage& rendering, double x, double y) {
    const double column = std::floor(desktop::TwipsToPixelsExact(x - G::kLeft));
    const double row = std::floor(desktop::TwipsToPixelsExact(y - G::kTop));
    if (column < 0 || row < 0 || column >= rendering.width() || row >= rendering.height()) return std::nullopt;
    return rendering.pixel(static_cast<int>(column), static_cast<int>(row)) & 0xFFFFFFu;
}

std::unique_ptr<IconWindow> IconWindow::Open(const std::string& bitmapPath, std::string scratchPath,
                                             desktop::DesktopServices& services, const desktop::TimerFactory& timers,
                                             const PictureLoader& loader) {
    // Length and signature come first: nothing is decoded from a file that fails them.
    const std::optional<int> size = ValidateBitmap(bitmapPath);
    std::optional<BitmapPixels> pixels;
    if (size) pixels = ReadBitmapPixels(bitmapPath, *size);
    if (!size || !pixels || loader(QString::fromStdString(bitmapPath)).outcome != desktop::PictureLoadOutcome::Loaded) {
        services.showMessage(desktop::MessageIcon::Critical, desktop::MessageButtons::Ok, kRefusalText, kAboutLine);
        services.endProgram(0);
        return nullptr;
    }
    return std::unique_ptr<IconWindow>(
        new IconWindow(bitmapPath, std::move(scratchPath), std::move(*pixels), services, timers));
}

IconWindow::IconWindow(std::string bitmapPath, std::string scratchPath, BitmapPixels pixels,
                       desktop::DesktopServices& services, const desktop::TimerFactory& timers)
    : desktop::ProgramWindow(services),
      bitmapPath_(std::move(bitmapPath)),
      scratchPath_(std::move(scratchPath)),
      pixels_(std::move(pixels)),
      pictureSize_(pixels_.pictureSize),
      penWidth_(PenWidthFor(pictureSize_)) {
    setObjectName(QStringLiteral("iconWindow"));
    setWindowTitle(QStringLiteral("Převod 256-barevného obrázku na ikonu"));
    setFixedSize(desktop::TwipsSize(5565, 6555));
    setFont(desktop::SansSerifFont(true));
    setWindowIcon(ProgramIcon());

    instruction = Place(new QLabel(QStringLiteral("Klepněte na místo s barvou, která se má použít jako průhledná. Není to nutné."), this),
                   QStringLiteral("instruction"), 120, 120, 5292, 492);
    instruction->setWordWrap(true);
    instruction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pictureBox = Place(new PictureBox(this), QStringLiteral("pictureBox"), G::kLeft, G::kTop, G::kSide, G::kSide);
    pictureBox->setPicture(PictureFromBitmap(pixels_));
    pictureBox->onPress = [this](QMouseEvent* event) { pictureClicked(event); };
    // From the keyboard, Space picks the framed cell as a click on its centre would.
    pictureBox->setFocusPolicy(Qt::StrongFocus);
    pictureBox->onPickCell = [this](int column, int row) {
        pickAt(MarkPoint(column, pictureSize_, 0, G::kSide), MarkPoint(row, pictureSize_, 0, G::kSide));
    };
    pictureBox->setAccessibleName(QStringLiteral("Zvětšený obrázek bitmapy"));
    pictureBox->setAccessibleDescription(
        QStringLiteral("Šipky posunou rámeček po bodech obrázku, mezerník vybere barvu bodu jako průhlednou."));
    transparencyCheck = Place(new QCheckBox(QStringLiteral("Barva:"), this), QStringLiteral("transparencyCheck"), 840, 4920, 972, 252);
    transparentColourLabel = Place(new QLabel(this), QStringLiteral("transparentColourLabel"), 1840, 4920, 1692, 252);
    transparentColourLabel->setAccessibleName(QStringLiteral("Průhledná barva"));
    undoButton = desktop::PlaceButton(this, QStringLiteral("Zpět"), QStringLiteral("undoButton"), 3720, 4920, 852, 252);
    undoButton->hide();
    previousColourLabel = Place(new QLabel(this), QStringLiteral("previousColourLabel"), 5520, 4920, 612, 252);
    previousColourLabel->hide();
    markingLabel = Place(new QLabel(QStringLiteral("Značení průhlednosti:"), this), QStringLiteral("markingLabel"), 840, 5280, 1932, 252);
    // The design width was measured for a narrower font: the caption grows to the left, so it
    // still ends before the swatches and is read whole.
    if (markingLabel->sizeHint().width() > markingLabel->width()) {
        const int right = markingLabel->geometry().right();
        markingLabel->setGeometry(right + 1 - markingLabel->sizeHint().width(), markingLabel->y(), markingLabel->sizeHint().width(),
                            markingLabel->height());
    }
    const std::array<ShownColour, 8> swatches{std::nullopt,          qRgb(128, 128, 128), qRgb(0, 0, 0),
                                              qRgb(255, 0, 0),       qRgb(0, 255, 0),     qRgb(0, 0, 255),
                                              qRgb(0, 255, 255),     qRgb(255, 255, 0)};
    swatchColours_ = swatches;
    for (int i = 0; i < 8; ++i) {
        colourSwatches[i] = Place(new ClickableLabel(this), QStringLiteral("colourSwatch_%1").arg(i), 2760 + 240 * i, 5280, 252, 252);
        SetBackground(colourSwatches[i], swatches[i]);
        colourSwatches[i]->onClick = [this, i] { swatchClicked(i); };
        colourSwatches[i]->setAccessibleName(kSwatchNames[i]);
    }
    okButton = desktop::PlaceButton(this, QStringLiteral("O.K."), QStringLiteral("okButton"), 840, 5760, 1692, 492);
    okButton->setEnabled(false);
    cancelButton = desktop::PlaceButton(this, QStringLiteral("Storno"), QStringLiteral("cancelButton"), 3000, 5760, 1692, 492);
    for (int i = 0; i < 8; ++i) {
        const MarkEnds& e = kCornerMarks[i];
        const QPoint from = desktop::TwipsPoint(std::min(e.x1, e.x2), std::min(e.y1, e.y2));
        const QPoint to = desktop::TwipsPoint(std::max(e.x1, e.x2), std::max(e.y1, e.y2));
        cornerMarks[i] = new QWidget(this);
        cornerMarks[i]->setObjectName(QStringLiteral("cornerMark%1").arg(i + 1));
        cornerMarks[i]->setGeometry(from.x(), from.y(), std::max(1, to.x() - from.x()), std::max(1, to.y() - from.y()));
        SetBackground(cornerMarks[i], qRgb(0, 0, 0));
        // Some lines end on the picture's edge cells; a press there must still pick.
        cornerMarks[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        desktop::HideFromAssistiveTechnology(cornerMarks[i]);
    }
    showColours();

    connect(transparencyCheck, &QCheckBox::toggled, this, [this](bool checked) { transparencyOn_ = checked ? 1 : 0; });
    connect(undoButton, &QPushButton::clicked, this, &IconWindow::undoClicked);
    connect(okButton, &QPushButton::clicked, this, &IconWindow::BuildIcon);
    connect(cancelButton, &QPushButton::clicked, this, [this] { this->services().endProgram(0); });
    setCancelButton(cancelButton);

    pickTimer = timers();
    undoTimer = timers();
    okDelayTimer = timers();
    pickTimer->onTick = [this] { pickTick(); };
    undoTimer->onTick = [this] { undoTick(); };
    okDelayTimer->onTick = [this] { okDelayTick(); };
    okDelayTimer->setInterval(50);
}

QColor IconWindow::penColour() const {
    return penColour_ ? QColor::fromRgb(*penColour_) : palette().color(QPalette::Window);
}

void IconWindow::showColours() {
    SetBackground(transparentColourLabel, transparentColour_);
    SetBackground(previousColourLabel, previousColour_);
}

void IconWindow::pictureClicked(QMouseEvent* event) {
    pickAt(desktop::PixelsToTwips(1) * event->position().x(), desktop::PixelsToTwips(1) * event->position().y());
}

void IconWindow::pickAt(double x, double y) {
    transparencyCheck->setChecked(true);
    transparencyOn_ = 1;
    pickColumn_ = CellUnder(x, G::kSide, pictureSize_);
    pickRow_ = CellUnder(y, G::kSide, pictureSize_);
    clickX_ = desktop::RoundHalfToEven(x);
    clickY_ = desktop::RoundHalfToEven(y);
    pictureBox->repaintPicture();
    pickTimer->setInterval(kPickDelay);
}

void IconWindow::pickTick() {
    if (!SecondTick(*pickTimer)) return;
    const QImage rendering = pictureBox->renderClean();
    previousColour_ = transparentColour_;
    transparentColour_ = ShownColourAt(rendering, G::kLeft + clickX_, G::kTop + clickY_);
    showColours();
    MarkTransparentPixels(true);
    pickTimer->setInterval(0);
}

void IconWindow::undoClicked() {
    // Run again by undoTimer's acting tick: mark the restored colour, "Zpět" stays hidden.
    if (undoTimer->interval() == kPickDelay) {
        undoTimer->setInterval(0);
        MarkTransparentPixels(false);
        return;
    }
    pictureBox->repaintPicture();
    undoButton->hide();
    transparentColour_ = previousColour_;
    showColours();
    undoTimer->setInterval(kPickDelay);
}

void IconWindow::undoTick() {
    if (SecondTick(*undoTimer)) undoClicked();
}

void IconWindow::okDelayTick() {
    if (++okDelayTicks_ > 5) {
        okDelayTimer->setInterval(0);
        okButton->setEnabled(true);
    }
}

void IconWindow::swatchClicked(int index) {
    penInvert_ = false;
    penColour_ = swatchColours_[static_cast<std::size_t>(index)];
    if (undoButton->isHidden()) return;
    MarkTransparentPixels(true);
}

std::vector<bool> IconWindow::TransparentPixels() const {
    return transparentColour_ ? PixelsOfColour(pixels_, *transparentColour_) : std::vector<bool>{};
}

void IconWindow::MarkTransparentPixels(bool showUndo) {
    // Marks of an earlier scan go first: a pick and an undo whose delays overlap would otherwise
    // mark the same cells twice, and two inverting dots cancel out.
    pictureBox->repaintPicture();
    const std::vector<bool> transparent = TransparentPixels();
    for (std::size_t flag = 0; flag < transparent.size(); ++flag) {
        if (!transparent[flag]) continue;
        const int row = static_cast<int>(flag) / pictureSize_;
        const int column = static_cast<int>(flag) % pictureSize_;
        pictureBox->drawDot({QPointF(desktop::TwipsToPixelsExact(MarkPoint(column, pictureSize_, 0, G::kSide)),
                                     desktop::TwipsToPixelsExact(MarkPoint(row, pictureSize_, 0, G::kSide))),
                             penColour(), penInvert_, penWidth_});
    }
    if (showUndo) undoButton->show();
}

void IconWindow::BuildIcon() {
    // A pick still pending must not run after the picture has been read.
    pickTimer->setInterval(0);
    undoTimer->setInterval(0);
    pickTimer->tag.clear();
    undoTimer->tag.clear();
    const std::string iconPath = IconPathFor(bitmapPath_);
    if (NamesSameFile(bitmapPath_, iconPath)) {
        services().showMessage(desktop::MessageIcon::Critical, desktop::MessageButtons::Ok,
                              QString::fromStdString(IconOverBitmapMessage(bitmapPath_)));
        services().endProgram(0);
        return;
    }
    services().setBusy(true);
    cornerMarks[6]->hide();
    cornerMarks[7]->hide();
    pictureBox->repaintPicture();

    IconBuild build{bitmapPath_, iconPath, scratchPath_, pictureSize_, {}};
    if (transparencyOn_ == 1) build.transparent = TransparentPixels();
    const iconfile::FileOutcome written = BuildIconFile(build);
    services().setBusy(false);
    if (!written.succeeded()) return desktop::ReportFileError(services(), written.path(), written.reason());
    services().endProgram(0);
}

}  // namespace pelcor
