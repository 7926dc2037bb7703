#include "formbmi.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    configureApplication();
    auto *main = new FormBMI;
    main->Show();
    return application.exec();
}
