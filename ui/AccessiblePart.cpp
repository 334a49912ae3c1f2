#include "ui/AccessiblePart.h"

#include <QWindow>

#include <utility>

namespace razzlewick {

AccessiblePart::AccessiblePart(QWidget* control, Behaviour behaviour)
    : control_(control), behaviour_(std::move(behaviour))
{
}

bool AccessiblePart::isValid() const
{
    return control_ != nullptr;
}

QWindow* AccessiblePart::window() const
{
    return control_ != nullptr ? control_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessiblePart::parent() const
{
    return control_ != nullptr ? QAccessible::queryAccessibleInterface(control_) : nullptr;
}

QString AccessiblePart::text(QAccessible::Text kind) const
{
    return kind == QAccessible::Name && control_ != nullptr ? behaviour_.name() : QString();
}

QRect AccessiblePart::rect() const
{
    if (control_ == nullptr)
        return {};
    const QRect local = behaviour_.rect();
    return QRect(control_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State AccessiblePart::state() const
{
    QAccessible::State state;
    if (control_ == nullptr) {
        state.invalid = true;
        return state;
    }
    if (behaviour_.state)
        state = behaviour_.state();
    state.disabled = state.disabled || !control_->isEnabled();
    state.invisible = state.invisible || !control_->isVisible();
    return state;
}

void* AccessiblePart::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList AccessiblePart::actionNames() const
{
    return {pressAction()};
}

void AccessiblePart::doAction(const QString& actionName)
{
    if (actionName == pressAction() && control_ != nullptr && control_->isEnabled())
        behaviour_.press();
}

}  // namespace razzlewick
