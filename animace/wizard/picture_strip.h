#pragma once
#include <QFrame>
#include <QRect>
#include <QScrollBar>
#include <QWidget>
#include <vector>

#include "animace/wizard/image_box.h"

namespace animace {

// Where the parts of one strip stand in its window, in twips.
struct StripLayout {
    QRect shape;     // rectangle around viewport and scroll bar; its width is R
    QRect viewport;  // clipping container; its width is V
    QRect strip;     // inner container at its design place inside the viewport
    QRect scrollBar;
};

// The strip's scroll bar. Disabled, it draws no thumb whatever maximum it carries: the maximum
// also hands a count on to the next step.
class StripScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit StripScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A horizontally scrollable row of pictures in a clipping viewport. Element k (from 1) is the
// cell at left kCellTwips × (k − 1); scrolling puts the strip at −(value × kCellTwips).
class PictureStrip {
public:
    // Its parts are named PREFIXShape, PREFIXViewport, PREFIXStrip and PREFIXScrollBar, its
    // pictures PREFIX_k.
    PictureStrip(QWidget* window, const StripLayout& layout, const QString& prefix);

    QFrame* shape() const { return shape_; }
    QWidget* strip() const { return strip_; }
    QScrollBar* scrollBar() const { return scrollBar_; }

    int count() const { return static_cast<int>(elements_.size()) - 1; }
    // Element k, 0 being the hidden template.
    ImageBox* element(int k) const { return elements_.at(static_cast<std::size_t>(k)); }

    // A new last element, one cell to the right of the one before, showing what `shown` shows;
    // the strip widens to hold it and is arranged.
    ImageBox* append(const ImageBox& shown);
    // Takes the last element away; the strip narrows and is arranged.
    void removeLast();


    // Moves the strip to the scroll bar's value (also when the value did not change).
    void scroll();

    // What a screen reader calls the strip ("Vybrané snímky") and its elements ("Snímek" 1, 2...).
    void setSpokenNames(const QString& strip, const QString& element);

private:
    // ArrangeStrip: after every change of the element count.
    void arrange();
    void setStripWidthTwips(long long width);

    QFrame* shape_;
    QWidget* viewport_;
    QWidget* strip_;
    QScrollBar* scrollBar_;
    std::vector<ImageBox*> elements_;
    long long stripWidthTwips_ = 0;
    int viewportWidthTwips_;
    int shapeWidthTwips_;
    QString elementName_;
    QString spokenElement_;
};

}  // namespace animace
