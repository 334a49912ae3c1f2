#include "app/InsultApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    InsultApp app;
    app.InitInstance();
    return 0;
}
