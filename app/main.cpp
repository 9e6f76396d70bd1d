#include "shell/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    fc::Program program;
    program.start();
    return app.exec();
}
