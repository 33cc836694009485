// The program: it starts on the splash window, which hands over to the
// exercise window. No arguments, no settings, nothing written.

#include <QApplication>

#include "program.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Program program;
    program.start();
    return app.exec();
}
