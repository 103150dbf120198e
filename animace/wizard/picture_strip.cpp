#include "animace/wizard/picture_strip.h"

#include <QPainter>
#include <QStyleOptionSlider>
#include <algorithm>
#include <limits>

#include "desktop/accessibility.h"
#include "desktop/twips.h"

namespace animace {
namespace {

QRect Pixels(const QRect& twips) { return desktop::TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()); }

int ClampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min() / 2,
                                                  std::numeric_limits<int>::max() / 2));
}

}  // namespace

PictureStrip::PictureStrip(QWidget* window, const StripLayout& layout, const QString& prefix)
    : viewportWidthTwips_(layout.viewport.width()), shapeWidthTwips_(layout.shape.width()), elementName_(prefix) {
    shape_ = new QFrame(window);
    shape_->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape_->setGeometry(Pixels(layout.shape));
    viewport_ = new QWidget(window);
    viewport_->setGeometry(Pixels(layout.viewport));
    strip_ = new QWidget(viewport_);
    strip_->setGeometry(Pixels(layout.strip));
    stripWidthTwips_ = layout.strip.width();
    scrollBar_ = new StripScrollBar(window);
    scrollBar_->setGeometry(Pixels(layout.scrollBar));
    scrollBar_->setRange(0, 0);
    scrollBar_->setSingleStep(1);
    scrollBar_->setPageStep(4);
    scrollBar_->setEnabled(false);
    auto* templateElement = new ImageBox(strip_);
    // Element 0, one cell left of the strip: out of view.
    templateElement->move(desktop::TwipsToPixels(-kCellTwips), 0);
    templateElement->hide();
    elements_.push_back(templateElement);
    shape_->setObjectName(prefix + QStringLiteral("Shape"));
    viewport_->setObjectName(prefix + QStringLiteral("Viewport"));
    strip_->setObjectName(prefix + QStringLiteral("Strip"));
    scrollBar_->setObjectName(prefix + QStringLiteral("ScrollBar"));
    templateElement->setObjectName(prefix + QStringLiteral("_0"));
    QObject::connect(scrollBar_, &QScrollBar::valueChanged, strip_, [this] { scroll(); });
}

void PictureStrip::setSpokenNames(const QString& strip, const QString& element) {
    viewport_->setAccessibleName(strip);
    strip_->setAccessibleName(strip);
    scrollBar_->setAccessibleName(QStringLiteral("Posuvník: %1").arg(strip));
    spokenElement_ = element;
    for (std::size_t k = 1; k < elements_.size(); ++k)
        elements_[k]->setAccessibleName(QStringLiteral("%1 %2").arg(element).arg(k));
    // Only a frame drawn around the viewport and its scroll bar.
    desktop::HideFromAssistiveTechnology(shape_);
}

void StripScrollBar::paintEvent(QPaintEvent* event) {
    if (isEnabled()) return QScrollBar::paintEvent(event);
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    // The option comes without parts to draw: all of them but the thumb.
    option.subControls = QStyle::SubControls(QStyle::SC_All);
    option.subControls &= ~QStyle::SubControls(QStyle::SC_ScrollBarSlider);
    style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
}

ImageBox* PictureStrip::append(const ImageBox& shown) {
    const long long pitch = kCellTwips;
    const long long n = count() + 1;
    auto* box = new ImageBox(strip_);
    box->setObjectName(QStringLiteral("%1_%2").arg(elementName_).arg(elements_.size()));
    if (!spokenElement_.isEmpty()) box->setAccessibleName(QStringLiteral("%1 %2").arg(spokenElement_).arg(elements_.size()));
    box->move(ClampToInt(desktop::TwipsToPixels(static_cast<double>(pitch * (n - 1)))), 0);
    box->showSameAs(shown);
    box->show();
    elements_.push_back(box);
    setStripWidthTwips(pitch * n);
    arrange();
    return box;
}

void PictureStrip::removeLast() {
    if (elements_.size() <= 1) return;
    delete elements_.back();
    elements_.pop_back();
    setStripWidthTwips(static_cast<long long>(kCellTwips) * count());
    arrange();
}

void PictureStrip::setStripWidthTwips(long long width) {
    stripWidthTwips_ = width;
    // A widget cannot be wider than QWIDGETSIZE_MAX pixels; the strip's own width stays exact.
    const long long pixels = std::clamp<long long>(desktop::TwipsToPixels(static_cast<double>(width)), 0, QWIDGETSIZE_MAX);
    strip_->resize(static_cast<int>(pixels), strip_->height());
}

void PictureStrip::arrange() {
    const int n = count();
    if (viewportWidthTwips_ >= stripWidthTwips_) {
        scrollBar_->setEnabled(false);
        const QSignalBlocker quiet(scrollBar_);
        scrollBar_->setValue(0);
        strip_->move(0, strip_->y());
        return;
    }
    scrollBar_->setEnabled(true);
    const int visible = shapeWidthTwips_ / kCellTwips;
    // The maximum comes first: a value outside the range would otherwise be clamped to the old one.
    scrollBar_->setMaximum(std::max(0, n - 1));
    {
        const QSignalBlocker quiet(scrollBar_);
        scrollBar_->setValue(std::clamp(n - visible, 0, std::max(0, n - 1)));
    }
    scroll();
}

void PictureStrip::scroll() {
    const long long left = -static_cast<long long>(scrollBar_->value()) * kCellTwips;
    strip_->move(ClampToInt(desktop::TwipsToPixels(static_cast<double>(left))), strip_->y());
}

}  // namespace animace
