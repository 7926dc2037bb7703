#include "support.h"

#include "app/startup.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr std::optional<Colour> Default;
constexpr FontSpec Font{"Arial", 9, FontSpec::Regular};

constexpr ControlDef window[] = {
    {"grpUnits", Kind::Frame, "Units", {120, 120, 3000, 900}, Default, Default, Font, 0, nullptr, Look::Plain},
    {"txtFirst", Kind::TextBox, "", {3300, 120, 900, 360}, Default, Default, Font, 1, nullptr, Look::Plain},
    {"txtSecond", Kind::TextBox, "", {3300, 600, 900, 360}, Default, Default, Font, 5, nullptr, Look::Plain},
    {"cboList", Kind::DropDownList, "", {120, 1200, 1500, 360}, Default, Default, Font, 3, nullptr, Look::Plain},
    {"lblLink", Kind::Label, "link", {1800, 1200, 900, 255}, Default, Default, Font, 9, nullptr, Look::Plain},
    {"btnGo", Kind::CommandButton, "Go", {3300, 1200, 900, 360}, Default, Default, Font, 6, nullptr, Look::DefaultButton},
};
constexpr ControlDef units[] = {
    {"rdoA", Kind::OptionButton, "A", {120, 300, 900, 255}, Default, Default, Font, 2, nullptr, Look::Selected},
    {"rdoB", Kind::OptionButton, "B", {1200, 300, 900, 255}, Default, Default, Font, 4, nullptr, Look::Plain},
};
constexpr ContainerDef containers[] = {{nullptr, window}, {"grpUnits", units}};
const FormDef Layout{"FormTest", "Test", {4500, 1800}, Font, containers, {}};

}

namespace {

// Counts the events each control raises, in the order raised.
struct EventLog : QObject {
    QStringList events;
    void note(QObject *sender, const char *event) { events << sender->objectName() + '_' + event; }
};

}

class TestToolkit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { configureApplication(); }
    void init();
    void cleanup();

    void optionValue_data();
    void optionValue();
    void userSelectsOption_data();
    void userSelectsOption();
    void clickRunsInsideAssignment();
    void listIndex_data();
    void listIndex();
    void addItemShowsNoEntry();
    void userPicksEntry_data();
    void userPicksEntry();
    void droppedListIsShort();
    void gotFocus_data();
    void gotFocus();
    void tabStopsAtSelectedOption();
    void disabledWindowKeepsFocus();
    void labelClick();
    void pasteKeepsOneLine_data();
    void pasteKeepsOneLine();
    void defaultButton();
    void colours_data();
    void colours();
    void messageBox_data();
    void messageBox();

private:
    void bindAll();
    template <class T>
    T *get(const char *name) { return child<T>(form, name); }

    QPointer<Form> form;
    EventLog *log = nullptr;
};

void TestToolkit::init()
{
    form = new Form(Layout);
    log = new EventLog;
    bindAll();
    form->Show();
    QVERIFY(QTest::qWaitForWindowActive(form));
    log->events.clear();
}

void TestToolkit::cleanup()
{
    delete form;
    delete log;
}

void TestToolkit::bindAll()
{
    for (OptionButton *option : form->findChildren<OptionButton *>())
        connect(option, &OptionButton::Click, log, [this, option] { log->note(option, "Click"); });
    auto *list = get<DropDownList>("cboList");
    connect(list, &DropDownList::Click, log, [this, list] { log->note(list, "Click"); });
    connect(list, &DropDownList::GotFocus, log, [this, list] { log->note(list, "GotFocus"); });
    for (TextBox *field : form->findChildren<TextBox *>())
        connect(field, &TextBox::GotFocus, log, [this, field] { log->note(field, "GotFocus"); });
    auto *label = get<Label>("lblLink");
    connect(label, &Label::Click, log, [this, label] { log->note(label, "Click"); });
    auto *button = get<CommandButton>("btnGo");
    connect(button, &CommandButton::Click, log, [this, button] { log->note(button, "Click"); });
}

void TestToolkit::optionValue_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("value");
    QTest::addColumn<bool>("aAfter");
    QTest::addColumn<bool>("bAfter");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("select the other") << "rdoB" << true << false << true << QStringList{"rdoB_Click"};
    QTest::newRow("select the selected") << "rdoA" << true << true << false << QStringList{};
    QTest::newRow("clear the selected") << "rdoA" << false << false << false << QStringList{};
    QTest::newRow("clear the cleared") << "rdoB" << false << true << false << QStringList{};
}

void TestToolkit::optionValue()
{
    QFETCH(QString, option);
    QFETCH(bool, value);
    get<OptionButton>(qPrintable(option))->setValue(value);
    QTEST(get<OptionButton>("rdoA")->value(), "aAfter");
    QTEST(get<OptionButton>("rdoB")->value(), "bAfter");
    QTEST(log->events, "events");
}

void TestToolkit::userSelectsOption_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("click the other") << "click B" << QStringList{"rdoB_Click"};
    QTest::newRow("click the selected") << "click A" << QStringList{};
    QTest::newRow("down to the next") << "down" << QStringList{"rdoB_Click"};
    QTest::newRow("up wraps round") << "up" << QStringList{"rdoB_Click"};
    QTest::newRow("keypad down, a screen reader's") << "keypad down" << QStringList{"rdoB_Click"};
    QTest::newRow("right wraps round from the last") << "right" << QStringList{"rdoA_Click"};
    QTest::newRow("space on the other") << "space" << QStringList{"rdoB_Click"};
}

void TestToolkit::userSelectsOption()
{
    QFETCH(QString, how);
    auto *a = get<OptionButton>("rdoA");
    auto *b = get<OptionButton>("rdoB");
    if (how == u"click B") {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    } else if (how == u"click A") {
        QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(6, a->height() / 2));
    } else if (how.endsWith(u"down") || how == u"up") {
        a->setFocus(Qt::TabFocusReason);
        QTest::keyClick(a, how == u"up" ? Qt::Key_Up : Qt::Key_Down,
                        how.startsWith(u"keypad") ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget(), b);
    } else if (how == u"right") {
        b->setValue(true);
        log->events.clear();
        b->setFocus(Qt::TabFocusReason);
        QTest::keyClick(b, Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), a);
    } else {
        b->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(b, Qt::Key_Space);
    }
    QTEST(log->events, "events");
    QCOMPARE(b->value(), log->events.contains("rdoB_Click"));
    QCOMPARE(a->value(), !b->value());
}

// The event rule noted at the top of app/formbmi.h: Click inside the
// assignment, handlers nesting, and an assignment that changes nothing ending it.
void TestToolkit::clickRunsInsideAssignment()
{
    auto *a = get<OptionButton>("rdoA");
    auto *b = get<OptionButton>("rdoB");
    auto *list = get<DropDownList>("cboList");
    list->addItem("zero");
    list->addItem("one");
    list->setListIndex(1);
    log->events.clear();

    QStringList order;
    connect(b, &OptionButton::Click, this, [&] {
        order << "B begins";
        list->setListIndex(0);
        order << "B after list";
        b->setValue(true);
        order << "B ends";
    });
    connect(list, &DropDownList::Click, this, [&] {
        order << "list begins";
        a->setValue(true);
        order << "list ends";
    });
    connect(a, &OptionButton::Click, this, [&] { order << "A"; });

    b->setValue(true);
    // B's own Value := true runs B again (A had taken the selection), and that
    // nested run changes nothing more.
    QCOMPARE(order, (QStringList{"B begins", "list begins", "A", "list ends", "B after list",
                                 "B begins", "B after list", "B ends", "B ends"}));
    QVERIFY(b->value());
    QVERIFY(!a->value());
    QCOMPARE(list->listIndex(), 0);
}

void TestToolkit::listIndex_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("clicks");

    QTest::newRow("none to first") << -1 << 0 << 1;
    QTest::newRow("first to last") << 0 << 2 << 1;
    QTest::newRow("same entry") << 1 << 1 << 0;
    QTest::newRow("to none") << 1 << -1 << 1;
}

void TestToolkit::listIndex()
{
    QFETCH(int, from);
    QFETCH(int, to);
    auto *list = get<DropDownList>("cboList");
    for (const char *entry : {"zero", "one", "two"})
        list->addItem(entry);
    list->setListIndex(from);
    log->events.clear();
    list->setListIndex(to);
    QTEST(int(log->events.count("cboList_Click")), "clicks");
}

void TestToolkit::addItemShowsNoEntry()
{
    auto *list = get<DropDownList>("cboList");
    list->addItem("first");
    list->addItem("second");
    QCOMPARE(list->listIndex(), -1);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemText(1), QString("second"));
    QVERIFY(log->events.isEmpty());
}

void TestToolkit::userPicksEntry_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("clicks");

    QTest::newRow("down key") << "down" << 1 << 1;
    QTest::newRow("mouse on another entry") << "mouse 2" << 2 << 1;
    QTest::newRow("mouse on the shown entry") << "mouse 0" << 0 << 1;
    QTest::newRow("keys in the open list") << "popup keys" << 1 << 1;
    QTest::newRow("Enter on the shown entry") << "popup enter" << 0 << 1;
    QTest::newRow("wheel with the focus") << "wheel" << 1 << 1;
    QTest::newRow("wheel over it from elsewhere") << "wheel away" << 0 << 0;
}

void TestToolkit::userPicksEntry()
{
    QFETCH(QString, how);
    auto *list = get<DropDownList>("cboList");
    for (const char *entry : {"zero", "one", "two"})
        list->addItem(entry);
    list->setListIndex(0);
    list->setFocus(Qt::TabFocusReason);
    log->events.clear();

    if (how == u"down") {
        QTest::keyClick(list, Qt::Key_Down);
    } else if (how.startsWith(u"wheel")) {
        if (how == u"wheel away")
            get<TextBox>("txtFirst")->setFocus(Qt::TabFocusReason);
        const QPointF inside(list->width() / 2, list->height() / 2);
        QWheelEvent wheel(inside, list->mapToGlobal(inside), {}, {0, -QWheelEvent::DefaultDeltasPerStep},
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
        QVERIFY(!log->events.contains("cboList_GotFocus"));
    } else if (how.startsWith(u"popup")) {
        list->showPopup();
        QAbstractItemView *view = list->view();
        QTRY_VERIFY(view->isVisible());
        if (how == u"popup keys")
            QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
    } else {
        list->showPopup();
        QAbstractItemView *view = list->view();
        QTRY_VERIFY(view->isVisible());
        const QModelIndex entry = view->model()->index(how.back().digitValue(), 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    }
    QTRY_VERIFY(!list->view()->isVisible());
    QTEST(list->listIndex(), "index");
    QTEST(int(log->events.count("cboList_Click")), "clicks");
    QVERIFY2(!log->events.contains("cboList_GotFocus"), qPrintable(log->events.join(',')));
}

// Eight rows drop open below the box, however many entries the list holds.
void TestToolkit::droppedListIsShort()
{
    auto *list = get<DropDownList>("cboList");
    for (int i = 0; i < 40; ++i)
        list->addItem(QString::number(i));
    list->showPopup();
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    const int rows = view->viewport()->height() / view->sizeHintForRow(0);
    QCOMPARE(rows, 8);
    QVERIFY(view->window()->geometry().top() >= list->mapToGlobal(QPoint(0, list->height())).y() - 1);
    list->hidePopup();
}

void TestToolkit::gotFocus_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("tab") << "tab" << QStringList{"txtSecond_GotFocus"};
    QTest::newRow("click") << "click" << QStringList{"txtSecond_GotFocus"};
    QTest::newRow("back to the same field") << "reactivate" << QStringList{};
    QTest::newRow("message box") << "message" << QStringList{};
}

void TestToolkit::gotFocus()
{
    QFETCH(QString, how);
    auto *first = get<TextBox>("txtFirst");
    auto *second = get<TextBox>("txtSecond");
    first->setFocus(Qt::TabFocusReason);
    for (const char *between : {"rdoA", "cboList", "rdoB"})
        get<QWidget>(between)->setFocusPolicy(Qt::NoFocus);
    log->events.clear();

    if (how == u"tab") {
        QTest::keyClick(first, Qt::Key_Tab);
    } else if (how == u"click") {
        QTest::mouseClick(second, Qt::LeftButton);
    } else if (how == u"reactivate") {
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
    } else {
        QTimer::singleShot(0, this, [] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            QApplication::activeModalWidget()->close();
        });
        MsgBox("message", MsgBoxStyle::Exclamation, "Title");
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(QApplication::focusWidget(), first);
    }
    QTEST(log->events, "events");
}

void TestToolkit::tabStopsAtSelectedOption()
{
    auto *first = get<TextBox>("txtFirst");
    auto *a = get<OptionButton>("rdoA");
    auto *b = get<OptionButton>("rdoB");
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), a);

    b->setValue(true);
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), get<DropDownList>("cboList"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), b);
}

void TestToolkit::disabledWindowKeepsFocus()
{
    auto *second = get<TextBox>("txtSecond");
    second->setFocus(Qt::TabFocusReason);
    log->events.clear();
    form->setWindowEnabled(false);
    QVERIFY(!form->isEnabled());
    QVERIFY(!second->isEnabled());
    form->setWindowEnabled(true);
    QVERIFY(form->isEnabled());
    QTRY_COMPARE(QApplication::focusWidget(), second);
    QVERIFY(log->events.isEmpty());
}

void TestToolkit::labelClick()
{
    auto *label = get<Label>("lblLink");
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseClick(label, Qt::RightButton);
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(log->events, QStringList{"lblLink_Click"});
}

void TestToolkit::pasteKeepsOneLine_data()
{
    QTest::addColumn<QString>("before");  // | marks the cursor
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");

    QTest::newRow("a copied cell") << "|" << "170\n" << "170";
    QTest::newRow("lines into the middle") << "1|2" << "70\r\nabc" << "1702";
}

void TestToolkit::pasteKeepsOneLine()
{
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    auto *field = get<TextBox>("txtFirst");
    field->setText(QString(before).remove(u'|'));
    field->setCursorPosition(int(before.indexOf(u'|')));
    QApplication::clipboard()->setText(pasted);
    field->paste();
    QTEST(field->text(), "after");
}

// Enter in a field or on an option presses the default button; a list's open
// popup keeps it to pick an entry.
void TestToolkit::defaultButton()
{
    auto *field = get<TextBox>("txtFirst");
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    auto *option = get<OptionButton>("rdoA");
    option->setFocus(Qt::TabFocusReason);
    QTest::keyClick(option, Qt::Key_Return);
    QCOMPARE(log->events.count("btnGo_Click"), 3);
}

void TestToolkit::colours_data()
{
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QColor>("expected");

    const QPalette palette = QApplication::palette();
    QTest::newRow("navy") << 0x800000u << QColor(0, 0, 128);
    QTest::newRow("light red") << 0xC0C0FFu << QColor(255, 192, 192);
    QTest::newRow("window text") << 0x80000008u << palette.color(QPalette::WindowText);
    QTest::newRow("highlighted text") << 0x8000000Eu << palette.color(QPalette::HighlightedText);
    QTest::newRow("button face") << 0x8000000Fu << palette.color(QPalette::Button);
    QTest::newRow("button text") << 0x80000012u << palette.color(QPalette::ButtonText);
}

void TestToolkit::colours()
{
    QFETCH(uint, colour);
    QFETCH(QColor, expected);
    QCOMPARE(resolveColour(colour), expected);
}

void TestToolkit::messageBox_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("shownTitle");

    QTest::newRow("exclamation") << 48 << "Oops!" << int(QMessageBox::Warning) << "Oops!";
    QTest::newRow("plain, no title") << 0 << "" << int(QMessageBox::NoIcon) << "Verided DAR Uzed";
}

// The real box, closed by a press of its one button.
void TestToolkit::messageBox()
{
    QFETCH(int, style);
    QFETCH(QString, title);
    QString seenTitle, seenText;
    int seenIcon = -1, buttonFont = 0;
    qsizetype buttons = 0;
    // a desktop theme's larger font leaves the box in its window's font
    const QFont start = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 20));
    const QWindow *owner = nullptr;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenIcon = box->icon();
        buttons = box->buttons().size();
        buttonFont = box->button(QMessageBox::Ok)->font().pixelSize();
        owner = box->windowHandle()->transientParent();
        box->button(QMessageBox::Ok)->click();
    });
    MsgBox("Please Enter", MsgBoxStyle(style), title);
    QApplication::setFont(start);
    QCOMPARE(buttonFont, 12);
    QCOMPARE(seenText, QString("Please Enter"));
    QTEST(seenIcon, "icon");
    QTEST(seenTitle, "shownTitle");
    QCOMPARE(buttons, 1);
    QCOMPARE(owner, form->windowHandle());  // kept above the window it speaks for
}

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
