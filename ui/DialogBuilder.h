#pragma once

#include "resources/templates/DialogTemplate.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <QVariant>
#include <QWidget>

class QAction;
class QMenuBar;

namespace razzlewick {

// Turns dialog templates into widgets at the pixel rectangles the dialog-unit rule gives,
// and finds them again by control id. The dialogs keep their behaviour; this keeps layout.

// The dynamic property holding a control's numeric id (and a menu action's command id).
inline constexpr const char* kControlIdProperty = "controlId";

// Horizontal and vertical dialog base units of a font, in pixels.
struct DialogBaseUnits final {
    int x = 0;
    int y = 0;
};

// The font standing in for the templates' "MS Sans Serif" of the same size.
QFont DialogFont(int pointSize = 8);
DialogBaseUnits BaseUnitsOf(const QFont& font);
// MulDiv(du, base, 4) horizontally and MulDiv(du, base, 8) vertically, rounded to nearest.
QRect DialogUnitsToPixels(QRect dialogUnits, DialogBaseUnits units);
QSize DialogUnitsToPixels(QSize dialogUnits, DialogBaseUnits units);

// Creates the template's controls (and its menu bar, if any) as children of dialog, sets
// the dialog's font, caption and client size. Controls sit below the menu bar, whose
// height is added to the client size so the controls keep the template's area.
void BuildDialogFromTemplate(QWidget& dialog, const DialogTemplate& dialogTemplate);

// The control with that id among dialog's descendants, or nullptr when there is none or
// it is not a T. Ids of -1 (plain labels) are shared: the first one is returned.
QWidget* FindControlWidget(const QWidget* dialog, int id);
template <class T>
T* FindControl(const QWidget* dialog, int id)
{
    return qobject_cast<T*>(FindControlWidget(dialog, id));
}

// The id stored on a control by the builder, -1 for a widget that has none.
int ControlId(const QWidget* control);

// The menu bar the builder made, or nullptr; and one of its items by command id.
QMenuBar* FindMenuBar(const QWidget* dialog);
QAction* FindMenuAction(const QWidget* dialog, int commandId);

// Height of the menu bar above the controls (0 without a menu).
int MenuBarHeight(const QWidget* dialog);

}  // namespace razzlewick
