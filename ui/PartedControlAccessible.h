#pragma once

#include "ui/AccessiblePart.h"

#include <QAccessibleWidget>

#include <functional>
#include <vector>

namespace razzlewick {

// What assistive tools see of a control that draws its parts itself: the control, named
// as usual, with one child per part and nothing else. Qt's own interface for a tab bar
// would name it after its current tab and list its hidden scroll buttons; a plain widget
// would show the arrows of a spin control as an unnamed filler with nothing to press.
class PartedControlAccessible final : public QAccessibleWidget {
public:
    using PartCount = std::function<int()>;
    using MakePart = std::function<AccessiblePart::Behaviour(int index)>;

    PartedControlAccessible(QWidget* control, QAccessible::Role role, PartCount count,
                            MakePart makePart);
    ~PartedControlAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // Gives the program's tab controls and spin arrows these interfaces; once per process.
    static void Install();

private:
    PartCount count_;
    MakePart makePart_;
    mutable std::vector<QAccessible::Id> parts_;  // registered with Qt, deleted here
};

}  // namespace razzlewick
