#pragma once

#include "ui/DialogBuilder.h"

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

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

}  // namespace guitest
