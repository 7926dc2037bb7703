#include "commandline.h"
#include "formbmi.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = answerCommandLine(argc, argv))
        return *answered;
    QApplication application(argc, argv);
    configureApplication();
    auto *main = new FormBMI;
    main->Show();
    return application.exec();
}
