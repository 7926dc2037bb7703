// On a Wayland compositor the main window maps, and closes, without a single
// warning, although the compositor refuses to let it centre itself.
#include "support.h"

#include <QMenu>
#include <QRegularExpression>

class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mapsAndCloses();
};

void TestWayland::initTestCase()
{
    if (!QGuiApplication::platformName().startsWith(u"wayland"))
        QSKIP("needs a Wayland compositor");
    configureApplication();
}

void TestWayland::mapsAndCloses()
{
    QTest::failOnWarning(QRegularExpression(".*"));
    QPointer<FormBMI> window = new FormBMI;
    window->Show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->windowTitle(), QString("Verided DAR Uzed 1.1"));
    QApplication::setQuitOnLastWindowClosed(false);
    child<QMenu>(window, "mnuFile")->actions().first()->trigger();
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
