#pragma once
// What assistive technology (a screen reader) is told of the windows beyond what Qt tells itself.
class QWidget;

namespace desktop {

// Marks a visible widget that only decorates (a mark drawn around a picked cell, an area that only
// carries the mouse pointer) as invisible to assistive technology, so it reads no nameless control.
void HideFromAssistiveTechnology(QWidget* decoration);

}  // namespace desktop
