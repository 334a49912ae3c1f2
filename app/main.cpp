#include "app/InsultApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    razzlewick::InsultApp app;
    app.Run();
    return 0;
}
