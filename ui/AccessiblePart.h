#pragma once

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace razzlewick {

// What a control that draws several parts itself (the tabs of a tab control, the two
// arrows of a spin control) tells assistive tools about one part: a child of the
// control's own interface with a role, a name, a place on the screen and a press action.
// The control's interface creates, registers and deletes the parts.
class AccessiblePart final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    struct Behaviour {
        QAccessible::Role role = QAccessible::PushButton;
        std::function<QString()> name;
        std::function<QRect()> rect;  // in the control's coordinates
        std::function<QAccessible::State()> state;
        std::function<void()> press;
    };

    AccessiblePart(QWidget* control, Behaviour behaviour);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return behaviour_.role; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QWidget> control_;
    Behaviour behaviour_;
};

}  // namespace razzlewick
