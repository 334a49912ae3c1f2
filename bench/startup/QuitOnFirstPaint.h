#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdlib>

// Ends the process as soon as a top-level window of the given class has painted, so a
// start-up measurement stops at the first picture the user would see.
class QuitOnFirstPaint final : public QObject {
public:
    explicit QuitOnFirstPaint(const char* windowClass) : windowClass_(windowClass) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->window()->inherits(windowClass_)) {
                // After the paint has been handled: leave without tearing anything down.
                QMetaObject::invokeMethod(
                    qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const char* windowClass_;
};
