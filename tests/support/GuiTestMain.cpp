// The main of every GUI test program: a QApplication on the offscreen platform with the
// dialog font as the application font, so pixel layouts are the same on every machine.

#include "ui/DialogBuilder.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setFont(razzlewick::DialogFont());
    return RUN_ALL_TESTS();
}
