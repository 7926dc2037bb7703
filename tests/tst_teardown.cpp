// The main window outliving the application: Qt deletes the screen-reader
// interfaces of its controls as the application ends, in no fixed order.
#include "app/formbmi.h"
#include "app/startup.h"

#include <QAccessible>
#include <QApplication>

#include <memory>

namespace {

// Each control's interface, as a screen reader walking the window makes them.
void visit(QAccessibleInterface *node)
{
    node->rect();
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface *child = node->child(i))
            visit(child);
}

}

int main(int argc, char *argv[])
{
    auto application = std::make_unique<QApplication>(argc, argv);
    configureApplication();
    auto *window = new FormBMI;
    visit(QAccessible::queryAccessibleInterface(window));
    application.reset();
    delete window;
    return 0;
}
