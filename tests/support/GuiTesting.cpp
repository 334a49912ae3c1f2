#include "tests/support/GuiTesting.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
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

namespace {

// The window a modal loop runs for: a popup menu, or else a modal dialog.
QWidget* WindowWaitedFor()
{
    QWidget* popup = QApplication::activePopupWidget();
    return popup != nullptr ? popup : QApplication::activeModalWidget();
}

void CloseWindow(QWidget& window)
{
    if (auto* dialog = qobject_cast<QDialog*>(&window))
        dialog->reject();
    else
        window.close();
}

}  // namespace

QString WhileModal(const std::function<void()>& command, const std::function<void(QWidget&)>& drive,
                   std::chrono::milliseconds deadline)
{
    QWidget* const before = WindowWaitedFor();
    QString seen;
    const auto driveNew = [&] {
        QWidget* window = WindowWaitedFor();
        if (!seen.isEmpty() || window == nullptr || window == before)
            return;
        seen = QString::fromLatin1(window->metaObject()->className());
        if (drive)
            drive(*window);
        if (window->isVisible())
            CloseWindow(*window);
    };
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, driveNew);
    // A timer of its own, so that it fires even inside a loop that `drive` started.
    QTimer watchdog;
    watchdog.setInterval(deadline);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        watchdog.setInterval(5);
        QWidget* window = WindowWaitedFor();
        if (window == nullptr || window == before)
            return;
        ADD_FAILURE() << window->metaObject()->className() << " \""
                      << window->windowTitle().toStdString() << "\" still open after "
                      << deadline.count() << " ms; closed so that the test goes on";
        CloseWindow(*window);
    });
    poll.start();
    watchdog.start();
    command();
    poll.stop();
    watchdog.stop();
    // A popup opened without a loop of its own is up once `command` returns.
    QApplication::processEvents();
    driveNew();
    return seen;
}

}  // namespace guitest
