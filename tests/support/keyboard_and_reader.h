#pragma once
// What a keyboard and screen-reader user meets in a shown window: every control the accessibility
// tree shows has a name, and Enter, Return and Space each press a button that has the focus.
#include <QAbstractButton>
#include <QAccessible>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

// The controls of `window`'s accessibility tree that a reader would meet without a name, as
// "objectName (role 0x..)". Hidden controls and decorations are skipped with all they hold.
inline std::vector<std::string> UnnamedControls(QWidget* window) {
    std::vector<std::string> unnamed;
    const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node || node->state().invisible) return;
        if (node->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject* object = node->object();
            unnamed.push_back((object ? object->objectName().toStdString() : std::string("an item of ") +
                                   node->parent()->object()->objectName().toStdString()) +
                              " (role 0x" + QString::number(node->role(), 16).toStdString() + ")");
        }
        for (int i = 0; i < node->childCount(); ++i) walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(window));
    return unnamed;
}

// The shown, enabled buttons of `window` that Enter, Return and Space, pressed while the button has
// the focus, do not press once each. The buttons' own handlers are disconnected first, so the keys
// do nothing else: call it last on a window.
inline std::vector<std::string> ButtonsTheKeysDoNotPress(QWidget* window) {
    std::vector<std::string> failing;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (!button->isVisible() || !button->isEnabled()) continue;
        QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
        int presses = 0;
        QObject::connect(button, &QAbstractButton::clicked, [&presses] { ++presses; });
        button->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) QTest::keyClick(button, key);
        if (presses != 3)
            failing.push_back(button->objectName().toStdString() + " pressed " + std::to_string(presses) + " of 3 times");
    }
    return failing;
}
