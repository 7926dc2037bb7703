// A bare Qt Widgets window of the main window's size, with a menu bar: what
// any Qt program pays to show its first window.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Exit"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    auto *client = new QWidget;
    client->setFixedSize(408, 367);
    window.setCentralWidget(client);
    window.show();
    return application.exec();
}
