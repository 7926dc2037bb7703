// The floor for the response benchmark: a bare Qt Widgets window of the main
// window's size, with a menu bar, a field, a button and two labels where the
// main window has its weight field, CALCULATE, the result and the Normal line.
// A click on the button writes the labels and colours one; entering the field
// clears them, as the main window's do.
#include "layout_rects.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

namespace {

class Field : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;
    std::function<void()> entered;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        entered();
    }
};

QLabel *label(QWidget *parent, const char *name)
{
    auto *shown = new QLabel(parent);
    shown->setGeometry(controlRect(name));
    shown->setAutoFillBackground(true);
    return shown;
}

}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Exit"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    auto *client = new QWidget;
    client->setFixedSize(FormBMI::Layout.client.toPixels());
    window.setCentralWidget(client);
    auto *field = new Field(client);
    field->setGeometry(controlRect("txtWeight"));
    auto *button = new QPushButton(QStringLiteral("CALCULATE"), client);
    button->setGeometry(controlRect("btnCalculate"));
    QLabel *result = label(client, "lblResult");
    QLabel *line = label(client, "lblStatus2");
    const QPalette plain = line->palette();
    QPalette lit = plain;
    lit.setColor(QPalette::Window, QColor(255, 192, 192));
    field->entered = [&] {
        result->clear();
        line->clear();
        line->setPalette(plain);
    };
    QObject::connect(button, &QPushButton::clicked, [&] {
        result->setText(QStringLiteral("24.1"));
        line->setText(QStringLiteral("18.5 - 24.9 Normal"));
        line->setPalette(lit);
    });
    window.show();
    return application.exec();
}
