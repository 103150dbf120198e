#pragma once
// What a user sees of a window's layout, whatever numbers place its controls: every control shown
// lies inside the window and none covers another, and the keyboard reaches the ones that take it.
#include <QFrame>
#include <QLabel>
#include <QVariant>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

// Each control shows the caption users (and the other tests) know it by.
inline void ExpectCaptions(std::initializer_list<std::pair<const QWidget*, const char*>> captions) {
    for (const auto& [control, caption] : captions)
        EXPECT_EQ(control->property("text").toString(), QString::fromUtf8(caption)) << control->objectName().toStdString();
}

inline std::vector<QWidget*> ShownControls(const QWidget& window) {
    std::vector<QWidget*> shown;
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(&window) && !child->isWindow()) shown.push_back(child);
    return shown;
}

// A box drawn around other controls (a picture strip's frame) holds them; it covers nothing.
inline bool DrawnAround(const QWidget* outer, const QWidget* inner) {
    const auto* frame = qobject_cast<const QFrame*>(outer);
    return frame && frame->frameShape() == QFrame::Box && outer->geometry().contains(inner->geometry());
}

// What of a control must stay in sight: a one-line left-aligned label's text, or all of any other.
inline QRect SeenPart(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    if (!label || label->wordWrap() || !(label->alignment() & Qt::AlignLeft)) return control->geometry();
    return QRect(control->pos(), QSize(std::min(control->width(), label->sizeHint().width()), control->height()));
}

// Controls placed in twips may share a pixel's edge where they meet; covering is more than that.
inline bool Covers(const QWidget* a, const QWidget* b) {
    const QRect shared = SeenPart(a) & SeenPart(b);
    return shared.width() > 1 && shared.height() > 1 && !DrawnAround(a, b) && !DrawnAround(b, a);
}

inline void ExpectInsideAndUncovered(const QWidget& window) {
    const std::vector<QWidget*> shown = ShownControls(window);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(window.rect().contains(shown[i]->geometry()))
            << shown[i]->objectName().toStdString() << " leaves the window";
        for (std::size_t j = i + 1; j < shown.size(); ++j)
            EXPECT_FALSE(Covers(shown[i], shown[j]))
                << shown[i]->objectName().toStdString() << " and " << shown[j]->objectName().toStdString() << " overlap";
    }
}

// The shown, enabled controls that Tab visits, in its order, starting after the window itself.
inline std::vector<QWidget*> TabChain(QWidget& window) {
    std::vector<QWidget*> chain;
    for (QWidget* at = window.nextInFocusChain(); at != &window; at = at->nextInFocusChain())
        if ((at->focusPolicy() & Qt::TabFocus) && at->isVisibleTo(&window) && at->isEnabled()) chain.push_back(at);
    return chain;
}

// Every one of `controls` is shown, covers nothing and is reached by Tab.
inline void ExpectInSightAndReachable(QWidget& window, std::initializer_list<QWidget*> controls) {
    ExpectInsideAndUncovered(window);
    const std::vector<QWidget*> chain = TabChain(window);
    for (QWidget* control : controls)
        EXPECT_NE(std::find(chain.begin(), chain.end(), control), chain.end())
            << control->objectName().toStdString() << " is not reached by Tab";
}
