#pragma once

#include "ui/AccessiblePart.h"

#include <QAccessibleWidget>

#include <functional>
#include <vector>

namespace razzlewick {

// What assistive tools see of a control that draws its parts itself: the control, named
// as usual, with one child per part and nothing else, and the part that has the focus
// while the control has it (a tab control's current tab, so a screen reader entering it
// says which style is shown). Qt's own interface for a tab bar would name it after its
// current tab and list its hidden scroll buttons; a plain widget would show the arrows of
// a spin control as an unnamed filler with nothing to press.
class PartedControlAccessible final : public QAccessibleWidget {
public:
    using PartCount = std::function<int()>;
    using MakePart = std::function<AccessiblePart::Behaviour(int index)>;
    // The part that takes the control's focus, or -1 for none.
    using FocusPart = std::function<int()>;

    PartedControlAccessible(QWidget* control, QAccessible::Role role, PartCount count,
                            MakePart makePart, FocusPart focusPart = {});
    ~PartedControlAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Gives the program's tab controls and spin arrows these interfaces; once per process.
    static void Install();

private:
    PartCount count_;
    MakePart makePart_;
    FocusPart focusPart_;
    mutable std::vector<QAccessible::Id> parts_;  // registered with Qt, deleted here
};

}  // namespace razzlewick
