#pragma once

#include "ui/DialogBuilder.h"

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

// Helpers for GUI tests: find a control of a built dialog by id, click it, and find
// widgets by objectName. The test main (GuiTestMain.cpp) runs a QApplication offscreen
// with DejaVu Sans as the application font.
namespace guitest {

// The control with that id as a T; fails the current test when it is missing.
template <class T = QWidget>
T* Control(const QWidget* dialog, int id)
{
    T* control = razzlewick::FindControl<T>(dialog, id);
    EXPECT_NE(control, nullptr) << "no control " << id << " of the wanted kind";
    return control;
}

// Left-clicks the control's centre with QTest; false when there is no such control.
bool ClickControl(QWidget* dialog, int id);
// Left-clicks a widget at a point of its own (default: its centre) through the window, so
// the window mask decides whether the press reaches it.
void ClickThroughWindow(QWidget* widget, QPoint pos);

// Processes pending events (deferred deletes included).
void ProcessEvents();

// How long a helper waits for a window to come and go before it gives up.
inline constexpr std::chrono::milliseconds kWindowDeadline{10000};

// Runs `command`, which may open a modal dialog or a popup (and wait in it): the first that
// comes up, other than one open before, goes to `drive` and is then closed if `drive` left it
// open.
// Returns its class name, or "" when none came up. What is still open at the deadline fails
// the test, naming it, and is closed, so that `command` returns instead of hanging.
QString WhileModal(const std::function<void()>& command,
                   const std::function<void(QWidget&)>& drive = {},
                   std::chrono::milliseconds deadline = kWindowDeadline);

}  // namespace guitest
