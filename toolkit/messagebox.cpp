#include "messagebox.h"

#include "application.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void showMessageBox(const QString &prompt, int style, const QString &title)
{
    const QMessageBox::Icon icon = style == MsgBoxStyle::Exclamation ? QMessageBox::Warning
                                                                     : QMessageBox::NoIcon;
    QMessageBox box(icon, title, prompt, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
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
