#include "platform/qt/WaitCursor.h"

#include <QApplication>
#include <QCursor>

namespace razzlewick::platform {

WaitCursor::WaitCursor()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        shown_ = true;
    }
}

WaitCursor::~WaitCursor()
{
    if (shown_) {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace razzlewick::platform
