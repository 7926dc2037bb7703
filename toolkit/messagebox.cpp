// The modal message box that handlers show; not the messages themselves, which
// belong to their handlers' folders.

#include "messagebox.h"

#include "application.h"
#include "form.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>

namespace {

void showMessageBox(const QString &prompt, MsgBoxStyle style, const QString &title)
{
    const QMessageBox::Icon icon = style == MsgBoxStyle::Exclamation ? QMessageBox::Warning
                                                                     : QMessageBox::NoIcon;
    QWidget *owner = QApplication::activeWindow();
    // Kept above its owner, but not its child: the owner is disabled while
    // the box is open, and would disable a child window with it.
    QMessageBox box(icon, title, prompt, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    if (owner) {
        box.winId();  // makes the native window, whose owner is set next
        box.windowHandle()->setTransientParent(owner->windowHandle());
    }
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

// The window the box speaks for takes no input until it is closed, not even
// through a screen reader's actions, which a modal box does not block.
void MsgBox(const QString &prompt, MsgBoxStyle style, const QString &title)
{
    QPointer<Form> owner = qobject_cast<Form *>(QApplication::activeWindow());
    if (owner && !owner->isEnabled())
        owner = nullptr;
    if (owner)
        owner->setWindowEnabled(false);
    presenter()(prompt, style, title.isEmpty() ? App::Title() : title);
    if (owner)
        owner->setWindowEnabled(true);
}

MessagePresenter setMessagePresenter(MessagePresenter replacement)
{
    return std::exchange(presenter(), std::move(replacement));
}
