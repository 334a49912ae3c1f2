#include "ui/ColourBehind.h"

#include "ui/TabControl.h"

#include <QWidget>

namespace razzlewick {

QColor ColourBehind(const QWidget& control)
{
    const QWidget* child = &control;
    for (const QWidget* parent = control.parentWidget(); parent != nullptr;
         child = parent, parent = parent->parentWidget()) {
        const QPoint centre = child->geometry().center();
        // Siblings created or raised before the child lie under it.
        const QObjectList& siblings = parent->children();
        for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(child)) - 1; i >= 0; --i) {
            const auto* tabs = qobject_cast<const TabControl*>(siblings[i]);
            if (tabs != nullptr && !tabs->isHidden() &&
                tabs->PaneRect().translated(tabs->pos()).contains(centre)) {
                return tabs->PaneColour();
            }
        }
        if (parent->isWindow() || parent->autoFillBackground())
            return parent->palette().color(parent->backgroundRole());
    }
    // A control that is a window of its own stands on the desktop's window colour.
    return control.palette().color(QPalette::Window);
}

}  // namespace razzlewick
