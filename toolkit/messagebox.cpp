#include "messagebox.h"

#include "application.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void showMessageBox(const QString &prompt, int style, const QString &title)
{
    const QMessageBox::Icon icon = style == MsgBoxStyle::Exclamation ? QMessageBox::Warning
                                                                     : QMessageBox::NoIcon;
    QWidget *owner = QApplication::activeWindow();
    QMessageBox box(icon, title, prompt, QMessageBox::Ok, owner);
    box.setWindowModality(Qt::ApplicationModal);
    // In the font of the window it speaks for, whatever fonts a desktop theme
    // gives message boxes, their labels and their buttons.
    const QFont font = owner ? owner->font() : QApplication::font();
    box.setFont(font);
    for (QWidget *part : box.findChildren<QWidget *>())
        part->setFont(font);
    box.exec();
}

MessagePresenter &presenter()
{
    static MessagePresenter current = showMessageBox;
    return current;
}

}

void MsgBox(const QString &prompt, int style, const QString &title)
{
    presenter()(prompt, style, title.isEmpty() ? App::Title() : title);
}

MessagePresenter setMessagePresenter(MessagePresenter replacement)
{
    return std::exchange(presenter(), std::move(replacement));
}
