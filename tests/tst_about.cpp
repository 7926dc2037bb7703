#include "support.h"

#include "about/formabout.h"
#include "toolkit/application.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opens_data();
    void opens();
    void closes_data();
    void closes();
    void opensAgainAsBefore();
    void contents();
    void linkOpens_data();
    void linkOpens();
    void linkFails_data();
    void linkFails();
    void openerRunsBesideTheWindow_data();
    void openerRunsBesideTheWindow();
    void messageBoxOwnsTheWindow();

private:
    void installOpener(const QString &script);
    QStringList openerRecord() const;
    Label *clickLink(const char *link);

    QPointer<FormBMI> window;
    QTemporaryDir bin;
    QByteArray originalPath;
};

void TestAbout::initTestCase()
{
    configureApplication();
    originalPath = qgetenv("PATH");
}

void TestAbout::init()
{
    window = openMainWindow();
    QFile::remove(bin.filePath("xdg-open"));
    QFile::remove(bin.filePath("opened"));
    qputenv("PATH", bin.path().toLocal8Bit() + ':' + originalPath);
}

void TestAbout::cleanup()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (qobject_cast<FormAbout *>(top))
            delete top;
    delete window;
    qputenv("PATH", originalPath);
}

namespace {

qsizetype openAboutWindows()
{
    return std::ranges::count_if(QApplication::topLevelWidgets(), [](const QWidget *top) {
        return qobject_cast<const FormAbout *>(top) && top->isVisible();
    });
}

}

// The stand-in opener adds its link, its folder and its process number to its record.
void TestAbout::installOpener(const QString &body)
{
    QFile opener(bin.filePath("xdg-open"));
    QVERIFY(opener.open(QIODevice::WriteOnly));
    opener.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" \"$PWD\" \"$$\" >> '%1'\n%2\n")
                     .arg(bin.filePath("opened"), body).toLocal8Bit());
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Once the opener has started: its argument count, link, folder and process number.
QStringList TestAbout::openerRecord() const
{
    QFile record(bin.filePath("opened"));
    if (!record.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromLocal8Bit(record.readAll()).split(u'\n');
    return lines.size() > 4 ? lines : QStringList();
}

void TestAbout::opens_data()
{
    QTest::addColumn<bool>("byKeys");
    QTest::newRow("menu") << false;
    QTest::newRow("access keys") << true;
}

void TestAbout::opens()
{
    QFETCH(bool, byKeys);
    FormAbout *about = nullptr;
    if (byKeys) {
        QTest::keyClick(window, Qt::Key_H, Qt::AltModifier);
        QMenu *help = child<QMenu>(window, "mnuHelpAbout");
        QTRY_VERIFY(help->isVisible());
        QTest::keyClick(help, Qt::Key_A);
        QTRY_VERIFY((about = qobject_cast<FormAbout *>(QApplication::activeWindow())));
    } else {
        about = openAbout(window);
    }
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QString("About "));
    QCOMPARE(about->centralWidget()->size(), QSize(273, 233));
    QTRY_COMPARE(QApplication::activeWindow(), about);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(about, "cmdOk"));
    // centred to within the width of the window frame, which is known only once shown
    const QPointF offset = QRectF(about->frameGeometry()).center()
        - QRectF(QGuiApplication::primaryScreen()->availableGeometry()).center();
    QVERIFY2(qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 3, qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
    QVERIFY(window->isVisible());
    QVERIFY(!window->isEnabled());
    QVERIFY(!child<QWidget>(window, "btnCalculate")->isEnabled());
    // the main window cannot be closed under About, nor take the keyboard from it
    window->close();
    QVERIFY(window && window->isVisible());
    QSignalSpy activated(qApp, &QGuiApplication::focusWindowChanged);
    window->windowHandle()->requestActivate();
    QTRY_COMPARE(activated.size(), 2);
    QCOMPARE(QApplication::activeWindow(), about);
    // kept above the main window by the window manager, and not minimised on its own
    QCOMPARE(about->windowHandle()->transientParent(), window->windowHandle());
    QCOMPARE(about->windowType(), Qt::Dialog);
    QVERIFY(!(about->windowFlags() & Qt::WindowMinimizeButtonHint));
}

void TestAbout::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK by mouse") << "ok";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close box") << "close";
}

// However it is closed, the main window takes input again with everything as it was.
void TestAbout::closes()
{
    QFETCH(QString, how);
    MessageRecorder messages;
    child<OptionButton>(window, "rdoCentimetres")->setValue(true);
    child<DropDownList>(window, "cboStone")->setListIndex(99);
    auto *height = child<TextBox>(window, "txtHght");
    height->setText("170");
    height->setFocus(Qt::TabFocusReason);
    child<CommandButton>(window, "btnCalculate")->click();
    const QString shown = child<Label>(window, "lblResult")->caption();
    QCOMPARE(shown, QString("24.2"));

    FormAbout *about = openAbout(window);
    QTRY_COMPARE(QApplication::activeWindow(), about);
    QPointer<FormAbout> guard = about;
    auto *ok = child<CommandButton>(about, "cmdOk");
    if (how == u"ok")
        clickOn(ok);
    else if (how == u"enter")
        QTest::keyClick(ok, Qt::Key_Return);
    else if (how == u"escape")
        QTest::keyClick(ok, Qt::Key_Escape);
    else
        about->close();
    QTRY_VERIFY(guard.isNull());

    QVERIFY(window->isEnabled());
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), height);
    QCOMPARE(height->text(), QString("170"));
    QVERIFY(child<OptionButton>(window, "rdoCentimetres")->value());
    QCOMPARE(child<DropDownList>(window, "cboStone")->currentText(), QString("11 Stone"));
    QCOMPARE(child<Label>(window, "lblResult")->caption(), shown);
    QCOMPARE(highlightedLine(window), 2);
    QCOMPARE(messages.shown.size(), 0u);
}

void TestAbout::opensAgainAsBefore()
{
    QPointer<FormAbout> first = openAbout(window);
    const QRect place = first->geometry();
    clickOn(child<CommandButton>(first, "cmdOk"));
    QTRY_VERIFY(first.isNull());
    FormAbout *second = openAbout(window);
    QVERIFY(second);
    QCOMPARE(second->geometry(), place);
    QVERIFY(!window->isEnabled());
    QTRY_COMPARE(QApplication::activeWindow(), second);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(second, "cmdOk"));
}

void TestAbout::contents()
{
    FormAbout *about = openAbout(window);
    QCOMPARE(child<Label>(about, "lblAbout")->caption(), QString("Verided DAR Uzed"));
    QCOMPARE(child<Label>(about, "Label1")->caption(), QString("Version 1.1"));
    QVERIFY(child<Label>(about, "Label2")->caption().startsWith("Copyright"));
    QVERIFY(!child<Label>(about, "Label3")->caption().isEmpty());
    QVERIFY(child<Label>(about, "Label4")->caption().isEmpty());
    QCOMPARE(child<Label>(about, "lblFeedBack")->caption(), QString("Contact:"));
    QCOMPARE(child<Label>(about, "lblWebs")->caption(), QString("Web Site:"));
    QCOMPARE(child<QWidget>(about, "lblUrl")->geometry(), QRect(72, 152, 161, 17));
    QCOMPARE(child<QWidget>(about, "lblUrl")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(child<QWidget>(about, "lblEmail")->font().underline());
    // The lines label the dialog, which reads them as it opens; its links are left to a reader's review.
    const auto labelling = [about](const char *name) {
        return QAccessible::queryAccessibleInterface(child<QWidget>(about, name))->relations(QAccessible::Labelled).size();
    };
    QCOMPARE(labelling("Label1"), 1);
    QCOMPARE(labelling("lblEmail") + labelling("lblUrl"), 0);
    QCOMPARE(child<QWidget>(about, "lblEmail")->cursor().shape(), Qt::BitmapCursor);
    // only OK takes the focus
    for (QWidget *control : about->findChildren<QWidget *>())
        QCOMPARE(control->focusPolicy() != Qt::NoFocus, control->objectName() == u"cmdOk");
}

void TestAbout::linkOpens_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("opened");
    QTest::newRow("main window") << "main lblUrl" << "http://www.verided.example/";
    QTest::newRow("software page") << "about lblUrl" << "http://www.verided.example/software";
    QTest::newRow("e-mail") << "about lblEmail" << "mailto:info@verided.example?subject=Verided DAR Uzed";
}

Label *TestAbout::clickLink(const char *link)
{
    const QString name = QString::fromLatin1(link);
    QWidget *owner = name.startsWith(u"main") ? static_cast<QWidget *>(window) : openAbout(window);
    auto *label = child<Label>(owner, qPrintable(name.section(u' ', 1)));
    clickOn(label);
    return label;
}

// The link goes to the opener as one argument, from the program's folder, and
// a successful open shows nothing.
void TestAbout::linkOpens()
{
    QFETCH(QString, link);
    installOpener("exit 0");
    MessageRecorder messages;
    QDir::setCurrent(QDir::rootPath());
    Label *label = clickLink(qPrintable(link));
    QTRY_VERIFY(!openerRecord().isEmpty());
    const QStringList lines = openerRecord();
    QCOMPARE(lines.value(0), QString("1"));
    QTEST(lines.value(1), "opened");
    QCOMPARE(lines.value(2), App::Path());
    QCOMPARE(messages.shown.size(), 0u);
    if (link.startsWith(u"about"))
        QVERIFY(openAboutWindows() == 1);
    QTest::qWait(1100);  // past a screen reader's repeat: a new click opens again
    clickOn(label);
    QTRY_COMPARE(openerRecord().size() / 4, 2);
}

void TestAbout::linkFails_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("presses");  // by a screen reader, after the click

    const QString web = "No Browser Installed. Cannot Open Web Page.";
    const QString mail = "No Default Email Program Enabled or Installed - Unable To Send Email ";
    for (const char *opener : {"fails", "missing"}) {
        QTest::addRow("main window, opener %s", opener) << "main lblUrl" << opener << web << 0;
        QTest::addRow("software page, opener %s", opener) << "about lblUrl" << opener << web << 0;
        QTest::addRow("e-mail, opener %s", opener) << "about lblEmail" << opener << mail << 0;
    }
    QTest::newRow("clicked and pressed at once, opener fails") << "about lblUrl" << "fails" << web << 2;
}

void TestAbout::linkFails()
{
    QFETCH(QString, link);
    QFETCH(QString, opener);
    if (opener == u"fails")
        installOpener("exit 3");
    else
        qputenv("PATH", bin.path().toLocal8Bit());
    MessageRecorder messages;
    QElapsedTimer sinceClick;  // no later than the click: a slow click cannot fail the row
    sinceClick.start();
    Label *label = clickLink(qPrintable(link));
    QFETCH(int, presses);
    for (int press = 0; press < presses; ++press)
        QAccessible::queryAccessibleInterface(label)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(messages.shown.size(), 1u);
    QVERIFY2(sinceClick.elapsed() >= 450, "shown once a screen reader has heard its own click");
    QTest::qWait(presses * 200);  // time for a second opener to end, were there one
    QCOMPARE(messages.shown.size(), 1u);
    QCOMPARE(openerRecord().size() / 4, opener == u"fails" ? 1 : 0);
    QTEST(messages.shown[0].prompt, "message");
    QCOMPARE(int(messages.shown[0].style), 0);
    QCOMPARE(messages.shown[0].title, QString("Verided DAR Uzed"));
    QTest::qWait(1100);  // past a screen reader's repeat: a new click fails again
    clickOn(label);
    QTRY_COMPARE(messages.shown.size(), 2u);
}

void TestAbout::openerRunsBesideTheWindow_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("opener");
    QTest::addColumn<bool>("closeAbout");
    QTest::addColumn<int>("messages");

    QTest::newRow("fails after 2 s") << "main lblUrl" << "sleep 2; exit 3" << false << 1;
    QTest::newRow("fails once About is closed") << "about lblEmail" << "sleep 1; exit 3" << true << 1;
    QTest::newRow("stays in the foreground") << "main lblUrl" << "sleep 3" << false << 0;
}

// The click returns while the opener runs, the window takes input meanwhile,
// and the opener is reaped once it ends: a zombie would keep its /proc entry.
void TestAbout::openerRunsBesideTheWindow()
{
    QFETCH(QString, link);
    QFETCH(QString, opener);
    installOpener(opener);
    MessageRecorder messages;
    clickLink(qPrintable(link));
    QTRY_VERIFY(!openerRecord().isEmpty());
    const QString process = "/proc/" + openerRecord().value(3);
    QVERIFY(QFile::exists(process));
    QVERIFY(messages.shown.empty());
    QFETCH(bool, closeAbout);
    if (closeAbout)
        clickOn(child<CommandButton>(shownAbout(), "cmdOk"));
    else if (link.startsWith(u"main")) {
        QTest::keyClicks(QApplication::focusWidget(), "67");
        QTest::qWait(1200);  // past a screen reader's repeat, the opener still running
        clickLink(qPrintable(link));
    }

    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(process), 8000);
    QTEST(int(messages.shown.size()), "messages");
    QCOMPARE(openerRecord().size() / 4, 1);  // one opener
    QVERIFY(window->isEnabled());
    QCOMPARE(openAboutWindows(), closeAbout || link.startsWith(u"main") ? 0 : 1);
    if (link.startsWith(u"main"))
        QCOMPARE(child<TextBox>(window, "txtHght")->text(), QString("67"));
}

// A screen reader's press of CALCULATE under an open message box would
// stack another box on it.
void TestAbout::messageBoxOwnsTheWindow()
{
    auto *calculate = child<CommandButton>(window, "btnCalculate");
    const auto actions = [calculate] {
        return QAccessible::queryAccessibleInterface(calculate)->actionInterface()->actionNames();
    };
    QStringList offeredDuring{"not shown"};
    const MessagePresenter previous = setMessagePresenter([&](const QString &, MsgBoxStyle, const QString &) {
        offeredDuring = actions();
    });
    calculate->click();
    setMessagePresenter(previous);
    QCOMPARE(offeredDuring, QStringList());
    QVERIFY(!actions().isEmpty());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
