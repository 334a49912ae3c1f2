// The yardstick: the smallest Qt dialog with one text box, started the same way.
#include "bench/startup/QuitOnFirstPaint.h"

#include <QApplication>
#include <QDialog>
#include <QTextEdit>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QuitOnFirstPaint quit("QDialog");
    application.installEventFilter(&quit);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QTextEdit(QStringLiteral("Hello"), &dialog));
    dialog.exec();
    return 1;
}
