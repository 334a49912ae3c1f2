#include "ui/ToolTipControl.h"

#include <QEvent>
#include <QToolTip>
#include <QWidget>

namespace razzlewick {

ToolTipControl::ToolTipControl(QObject* parent) : QObject(parent) {}

ToolTipControl::~ToolTipControl() = default;

void ToolTipControl::AddTool(QWidget* control, const QString& text)
{
    if (control == nullptr)
        return;
    control->setToolTip(text);
    control->installEventFilter(this);
}

void ToolTipControl::Activate(bool active)
{
    active_ = active;
    if (!active_)
        QToolTip::hideText();
}

bool ToolTipControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !active_) {
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace razzlewick
