// Runs on a real X server with QT_SCALE_FACTOR set: the fixed layout scales as
// one, text that fits at scale 1 still fits, pictures are drawn at the scale.
#include "support.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QtMath>
#include <QStyleOptionComboBox>

class TestScaling : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { delete window; }
    void controlsScaleOnScreen_data();
    void controlsScaleOnScreen();
    void textFitsAsAtScaleOne();
    void picturesAreDrawnAtTheScale();
    void resultFigureFitsItsBox_data();
    void resultFigureFitsItsBox();
    void windowIsReachable();
    void windowFitsEachMonitor();
    void aboutOpensOnTheMainWindowsMonitor();

private:
    QPointer<FormBMI> window;
    qreal scale = 1;
    QImage screen;
};

void TestScaling::initTestCase()
{
    if (QGuiApplication::platformName() != u"xcb")
        QSKIP("needs an X server");
    configureApplication();
    window = openMainWindow();
    scale = window->devicePixelRatioF();
    if (!qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS"))
        QCOMPARE(scale, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    QTest::qWait(300);
    screen = window->screen()->grabWindow(0).toImage();
}

void TestScaling::controlsScaleOnScreen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QSize>("filled");

    // the banner's navy lies inside its one-pixel frame
    QTest::newRow("banner") << "txtTitle" << QColor(0, 0, 128) << QSize(175, 25);
    QTest::newRow("status title row") << "lblStatusTitle" << QColor(0, 0, 128) << QSize(183, 17);
    QTest::newRow("description") << "lblDescription" << QColor(Qt::white) << QSize(233, 27);
}

// Measured on the screen's own pixels: the box a control fills with its
// colour spans its logical size times the scale.
void TestScaling::controlsScaleOnScreen()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QFETCH(QSize, filled);
    const QWidget *control = child<QWidget>(window, qPrintable(name));
    const QRect around = QRectF(QPointF(control->mapToGlobal(QPoint(0, 0))) * scale, QSizeF(control->size()) * scale)
                             .toAlignedRect().adjusted(-1, -1, 1, 1);
    QRect box;
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (screen.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    // within a device pixel or so for each edge that falls between pixels
    const QSizeF expected = QSizeF(filled) * scale;
    const qreal slack = 1 + scale;
    QVERIFY2(qAbs(box.width() - expected.width()) <= slack && qAbs(box.height() - expected.height()) <= slack,
             qPrintable(QString("%1x%2").arg(box.width()).arg(box.height())));
}

namespace {

// The room a control's text has, and the text itself.
std::pair<QRectF, QStringList> textRoom(const QWidget *control)
{
    const QRectF all = control->contentsRect();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return {all, {label->text()}};
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return {all.adjusted(8, 0, -8, 0), {frame->title()}};
    if (auto *field = qobject_cast<const QLineEdit *>(control))
        return {all.adjusted(4, 0, -4, 0), {field->text()}};
    if (auto *list = qobject_cast<const QComboBox *>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        return {list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list), entries};
    }
    if (auto *button = qobject_cast<const QAbstractButton *>(control)) {
        const int indicator = qobject_cast<const QPushButton *>(button) ? 8 : 20;
        return {all.adjusted(indicator, 0, -4, 0), {button->text()}};
    }
    return {all, {}};
}

bool fits(const QWidget *control)
{
    const auto [room, texts] = textRoom(control);
    const QFontMetricsF metrics(control->font(), control);
    const auto *label = qobject_cast<const QLabel *>(control);
    const bool wraps = label && label->wordWrap();
    // Only what stands on the baseline must show; descenders may touch the edge.
    return std::ranges::all_of(texts, [&](const QString &text) {
        const QRectF needed = metrics.boundingRect(room, Qt::AlignLeft | Qt::AlignTop | (wraps ? Qt::TextWordWrap : 0), text);
        return text.isEmpty()
            || (needed.width() <= room.width() + 0.5 && needed.height() - metrics.descent() <= room.height() + 0.5);
    });
}

}

// Only the option buttons' own captions are clipped, by design, at any scale.
void TestScaling::textFitsAsAtScaleOne()
{
    QStringList clipped;
    for (const QWidget *control : window->centralWidget()->findChildren<QWidget *>())
        if (!control->objectName().isEmpty() && !control->objectName().startsWith(u"qt_") && !fits(control))
            clipped << control->objectName();
    clipped.sort();
    QCOMPARE(clipped, (QStringList{"rdoCentimetres", "rdoInches", "rdoKilograms", "rdoPounds"}));
}

void TestScaling::picturesAreDrawnAtTheScale()
{
    const QPixmap hand = child<QWidget>(window, "lblUrl")->cursor().pixmap();
    QCOMPARE(hand.devicePixelRatio(), scale);
    QCOMPARE(hand.width(), qRound(32 * scale));
    const QPixmap icon = window->windowIcon().pixmap(QSize(32, 32), scale);
    QCOMPARE(icon.width(), qRound(32 * scale));
}

namespace {

// The lowest row of ink in the figure, between the box's borders.
int lowestInk(const QImage &box, int border)
{
    for (int y = box.height() - border - 1; y >= border; --y)
        for (int x = border; x < box.width() - border; ++x)
            if (box.pixelColor(x, y) != Qt::white)
                return y;
    return -1;
}

}

void TestScaling::resultFigureFitsItsBox_data()
{
    QTest::addColumn<QString>("mark");
    QTest::newRow("full stop") << ".";
    QTest::newRow("comma") << ",";
    QTest::newRow("arabic decimal separator") << "\u066B";
}

// As drawn on screen at this scale: a border on every side, then a clear
// line of the box's white all round inside it, so no ink meets the border;
// and a comma's tail reaches below a full stop.
void TestScaling::resultFigureFitsItsBox()
{
    QFETCH(QString, mark);
    auto *result = child<Label>(window, "lblResult");
    const auto shown = [&](const QString &figure) {
        result->setCaption(figure);
        return result->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    // the widest figure the calculation lets through
    const QImage box = shown("99999" + mark + "9");
    QCOMPARE(box.size(), (QSizeF(65, 19) * scale).toSize());
    for (const QPoint p : {QPoint(box.width() / 2, 0), QPoint(box.width() / 2, box.height() - 1),
                           QPoint(0, box.height() / 2), QPoint(box.width() - 1, box.height() / 2)})
        QVERIFY2(box.pixelColor(p).value() < 100, qPrintable(QString("no border at %1,%2").arg(p.x()).arg(p.y())));
    // the border's one logical pixel covers this many device pixels, in part
    const int border = qCeil(scale);
    for (int x = border; x < box.width() - border; ++x)
        QVERIFY2(box.pixelColor(x, border) == Qt::white && box.pixelColor(x, box.height() - 1 - border) == Qt::white,
                 qPrintable(QString("ink meets the border at x %1").arg(x)));
    for (int y = border; y < box.height() - border; ++y)
        QVERIFY(box.pixelColor(border, y) == Qt::white && box.pixelColor(box.width() - 1 - border, y) == Qt::white);
    if (mark == u",")
        QVERIFY(lowestInk(box, border) > lowestInk(shown("99999.9"), border));
}

// Centred where it fits; where it does not, its top-left corner at the
// screen's, so that its title bar and menus stay on the screen.
void TestScaling::windowIsReachable()
{
    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const auto place = [](int size, int room, int start) { return size <= room ? start + (room - size) / 2 : start; };
    QVERIFY(qAbs(frame.left() - place(frame.width(), available.width(), available.left())) <= 1);
    QVERIFY2(qAbs(frame.top() - place(frame.height(), available.height(), available.top())) <= 1,
             qPrintable(QString("%1,%2 on %3x%4").arg(frame.left()).arg(frame.top()).arg(available.width()).arg(available.height())));
}

namespace {

QString xdotool(const QWidget *window, const QStringList &command)
{
    QProcess xdotool;
    xdotool.start("xdotool", QStringList{command[0], QString::number(window->winId())} + command.mid(1));
    xdotool.waitForFinished();
    return xdotool.readAll();
}

// The monitors declared on the X server's screen, not the one spanning it.
QList<QScreen *> declaredMonitors()
{
    QList<QScreen *> monitors = QGuiApplication::screens();
    monitors.removeIf([](const QScreen *monitor) { return monitor->geometry() == monitor->virtualGeometry(); });
    return monitors;
}

// The window's size in the X server's pixels, as a window manager sees it.
QSize nativeSize(const QWidget *window)
{
    const QStringList size = xdotool(window, {"getwindowgeometry"}).section("Geometry: ", 1).trimmed().split('x');
    return size.size() == 2 ? QSize(size[0].toInt(), size[1].toInt()) : QSize();
}

}

// Moved by the window manager to a monitor of another scale and back, as a
// user drags it, the window takes its layout's size in the pixels of the
// monitor it is on.
void TestScaling::windowFitsEachMonitor()
{
    const QList<QScreen *> monitors = declaredMonitors();
    if (monitors.size() < 2)
        QSKIP("needs two monitors of different scales");
    const QSize layoutSize = window->size();
    for (QScreen *monitor : monitors + monitors.mid(0, 1)) {
        const QPoint inside = monitor->geometry().topLeft() + QPoint(40, 40);
        xdotool(window, {"windowmove", QString::number(inside.x()), QString::number(inside.y())});
        QTRY_COMPARE(window->screen(), monitor);
        QTRY_COMPARE(nativeSize(window), (QSizeF(layoutSize) * monitor->devicePixelRatio()).toSize());
        QTRY_COMPARE(window->size(), layoutSize);
    }
}

// About opens centred, frame and all, on the monitor that holds the main
// window, which need not be the primary one.
void TestScaling::aboutOpensOnTheMainWindowsMonitor()
{
    const QList<QScreen *> monitors = declaredMonitors();
    if (monitors.size() < 2)
        QSKIP("needs two monitors");
    QScreen *other = monitors[monitors.indexOf(window->screen()) == 0 ? 1 : 0];
    const QPoint inside = other->geometry().topLeft() + QPoint(40, 40);
    xdotool(window, {"windowmove", QString::number(inside.x()), QString::number(inside.y())});
    QTRY_COMPARE(window->screen(), other);
    QWidget *about = openAbout(window);
    QVERIFY(about);
    const auto offCentre = [&] { return (about->frameGeometry().center() - other->availableGeometry().center()).manhattanLength(); };
    QTRY_VERIFY2(offCentre() <= 2, qPrintable(QString("%1 px off the monitor's centre").arg(offCentre())));
    about->close();
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
