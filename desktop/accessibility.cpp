#include "desktop/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace desktop {
namespace {

constexpr char kDecoration[] = "kurzoryDecoration";

class DecorationInterface : public QAccessibleWidget {
public:
    explicit DecorationInterface(QWidget* decoration) : QAccessibleWidget(decoration) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface* DecorationFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->property(kDecoration).toBool()) return new DecorationInterface(widget);
    return nullptr;
}

}  // namespace

void HideFromAssistiveTechnology(QWidget* decoration) {
    static const bool installed = (QAccessible::installFactory(DecorationFactory), true);
    static_cast<void>(installed);
    decoration->setProperty(kDecoration, true);
}

}  // namespace desktop
