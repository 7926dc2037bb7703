#pragma once

#include "toolkit/messagebox.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <functional>
#include <vector>

struct ShownMessage {
    QString prompt;
    MsgBoxStyle style;
    QString title;
};

// Records every message box instead of showing it, while it lives.
class MessageRecorder
{
public:
    MessageRecorder()
        : m_previous(setMessagePresenter([this](const QString &prompt, MsgBoxStyle style, const QString &title) {
              shown.push_back({prompt, style, title});
              if (whileShown)
                  whileShown();
          }))
    {
    }
    ~MessageRecorder() { setMessagePresenter(m_previous); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    std::vector<ShownMessage> shown;
    std::function<void()> whileShown;  // runs as each message is shown

private:
    MessagePresenter m_previous;
};

template <class Control>
Control *child(const QWidget *window, const char *name)
{
    auto *found = window->findChild<Control *>(QLatin1StringView(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

#include "about/formabout.h"
#include "app/formbmi.h"
#include "app/startup.h"
#include "toolkit/controls.h"

#include <QMenu>
#include <QPointer>

// The main window as the program opens it, active and with its start-up focus.
inline QPointer<FormBMI> openMainWindow()
{
    QPointer<FormBMI> window = new FormBMI;
    window->Show();
    if (!QTest::qWaitForWindowActive(window))
        qFatal("the main window did not become active");
    return window;
}

constexpr Colour NormalBack = 0xFFFFFF, NormalFore = 0x800000;
constexpr Colour HighlightBack = 0xC0C0FF, HighlightFore = 0x80000012;

// Which status line is highlighted: 1 to 4, 0 for none, -1 for a line in
// neither look or more than one highlighted.
inline int highlightedLine(const QWidget *window)
{
    int highlighted = 0;
    for (int line = 1; line <= 4; ++line) {
        const auto *label = child<Label>(window, qPrintable(QStringLiteral("lblStatus%1").arg(line)));
        const bool high = label->backColor() == HighlightBack && label->foreColor() == HighlightFore;
        const bool normal = label->backColor() == NormalBack && label->foreColor() == NormalFore;
        if (!high && !normal)
            return -1;
        if (high)
            highlighted = highlighted ? -1 : line;
    }
    return highlighted;
}

// The state the main window opens in and Reset returns to, the focus aside.
// Check QTest::currentTestFailed() after it.
inline void verifyStartState(const QWidget *window)
{
    QVERIFY(child<OptionButton>(window, "rdoInches")->value());
    QVERIFY(!child<OptionButton>(window, "rdoCentimetres")->value());
    QVERIFY(child<OptionButton>(window, "rdoPounds")->value());
    QVERIFY(!child<OptionButton>(window, "rdoKilograms")->value());
    QVERIFY(child<Label>(window, "lblInches")->fontBold());
    QVERIFY(child<Label>(window, "lblPounds")->fontBold());
    QVERIFY(!child<Label>(window, "lblCentimetres")->fontBold());
    QVERIFY(!child<Label>(window, "lblKilograms")->fontBold());
    QVERIFY(child<TextBox>(window, "txtHght")->text().isEmpty());
    QVERIFY(child<TextBox>(window, "txtWeight")->text().isEmpty());
    QVERIFY(child<Label>(window, "lblResult")->caption().isEmpty());
    QCOMPARE(child<DropDownList>(window, "cboFeet")->listIndex(), 0);
    QCOMPARE(child<DropDownList>(window, "cboStone")->listIndex(), 0);
    QCOMPARE(child<DropDownList>(window, "cboFeet")->currentText(), QString("Feet / Inches"));
    QCOMPARE(child<DropDownList>(window, "cboStone")->currentText(), QString("Stone / Pounds"));
    QCOMPARE(highlightedLine(window), 0);
}

// 5 ft 7 in and 11 stone calculated: "24.1", the Normal line highlighted.
inline void showNormalResult(const QWidget *window)
{
    MessageRecorder quiet;
    child<TextBox>(window, "txtHght")->setText("67");
    child<TextBox>(window, "txtWeight")->setText("154");
    child<CommandButton>(window, "btnCalculate")->click();
}

// The About window on screen, the last opened if more are; none if none is.
inline FormAbout *shownAbout()
{
    FormAbout *about = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<FormAbout *>(top); found && found->isVisible())
            about = found;
    return about;
}

// Help, About, and the About window once it is shown.
inline FormAbout *openAbout(const QWidget *window)
{
    child<QMenu>(window, "mnuHelpAbout")->actions().first()->trigger();
    return QTest::qWaitFor([] { return shownAbout() != nullptr; }) ? shownAbout() : nullptr;
}

inline void clickOn(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(control->width() / 2, control->height() / 2));
}
