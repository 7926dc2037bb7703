// The main window outliving the application: Qt deletes the screen-reader
// interfaces of its controls as the application ends, in no fixed order.
#include "app/formbmi.h"
#include "app/startup.h"

#include <QAccessible>
#include <QApplication>

static void visit(QAccessibleInterface *node)
{
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface *child = node->child(i))
            visit(child);
}

int main(int argc, char *argv[])
{
    auto *application = new QApplication(argc, argv);
    configureApplication();
    auto *window = new FormBMI;
    visit(QAccessible::queryAccessibleInterface(window));
    delete application;
    delete window;
}
