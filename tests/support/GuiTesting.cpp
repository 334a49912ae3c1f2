#include "tests/support/GuiTesting.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

using namespace razzlewick;

namespace guitest {

bool ClickControl(QWidget* dialog, int id)
{
    QWidget* control = FindControlWidget(dialog, id);
    if (control == nullptr)
        return false;
    QTest::mouseClick(control, Qt::LeftButton);
    return true;
}

void ClickThroughWindow(QWidget* widget, QPoint pos)
{
    QWidget* top = widget->window();
    if (top->windowHandle() == nullptr)
        top->winId();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, pos));
}

void ProcessEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

}  // namespace guitest
