#include "commandline.h"
#include "display.h"
#include "formbmi.h"
#include "sessionbus.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = answerCommandLine(argc, argv))
        return *answered;
    avoidSilentSessionBus();
    const std::unique_ptr<QApplication> application = openDisplay(argc, argv);
    configureApplication();
    auto *mainWindow = new FormBMI;
    mainWindow->Show();
    return application->exec();
}
