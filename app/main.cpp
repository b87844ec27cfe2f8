#include "ui/App.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    tolvane::App app;
    return app.run();
}
