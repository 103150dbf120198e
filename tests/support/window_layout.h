#pragma once
// What a user sees of a window's layout, whatever numbers place its controls: every control shown
// lies inside the window and none covers another, and the keyboard reaches the ones that take it.
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

inline std::vector<QWidget*> ShownControls(const QWidget& window) {
    std::vector<QWidget*> shown;
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(&window) && !child->isWindow()) shown.push_back(child);
    return shown;
}

inline void ExpectInsideAndUncovered(const QWidget& window) {
    const std::vector<QWidget*> shown = ShownControls(window);
    for (QWidget* control : shown) {
        EXPECT_TRUE(window.rect().contains(control->geometry()))
            << control->objectName().toStdString() << " leaves the window";
        for (QWidget* other : shown)
            if (other != control && control->geometry().intersects(other->geometry()))
                ADD_FAILURE() << control->objectName().toStdString() << " and " << other->objectName().toStdString()
                              << " overlap";
    }
}

// The shown, enabled controls that Tab visits, in its order, starting after the window itself.
inline std::vector<QWidget*> TabChain(QWidget& window) {
    std::vector<QWidget*> chain;
    for (QWidget* at = window.nextInFocusChain(); at != &window; at = at->nextInFocusChain())
        if ((at->focusPolicy() & Qt::TabFocus) && at->isVisibleTo(&window) && at->isEnabled()) chain.push_back(at);
    return chain;
}
