#include "ui/FrameAccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace razzlewick {

namespace {

constexpr const char* kShownAsFrame = "shownAsFrame";

QAccessibleInterface* FrameFactory(const QString& /*className*/, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->isWindow() || !widget->property(kShownAsFrame).toBool())
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void ShowAsFrame(QWidget& window)
{
    static const bool installed = [] {
        QAccessible::installFactory(FrameFactory);
        return true;
    }();
    (void)installed;
    window.setProperty(kShownAsFrame, true);
}

}  // namespace razzlewick
