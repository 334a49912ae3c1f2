#include "ui/ShowControl.h"

#include <QWidget>

namespace razzlewick {

void ShowControl(QWidget* control, bool shown)
{
    control->setVisible(shown);
    control->setFocusPolicy(shown ? Qt::StrongFocus : Qt::NoFocus);
}

}  // namespace razzlewick
