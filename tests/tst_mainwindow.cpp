#include "support.h"

#include "about/formabout.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <map>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { configureApplication(); }
    void init() { window = openMainWindow(); }
    void cleanup() { delete window; }

    void window_settings();
    void geometry_data();
    void geometry();
    void texts_data();
    void texts();
    void fonts_data();
    void fonts();
    void colours_data();
    void colours();
    void tooltips_data();
    void tooltips();
    void linkPointer();
    void startState();
    void tabOrder();
    void menus();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();
    void readableInEveryPalette_data();
    void readableInEveryPalette();
    void whatAScreenReaderIsTold_data();
    void whatAScreenReaderIsTold();

private:
    QPointer<FormBMI> window;
};

void TestMainWindow::window_settings()
{
    QCOMPARE(window->windowTitle(), QString("Verided DAR Uzed 1.1"));
    QCOMPARE(window->centralWidget()->size(), QSize(408, 367));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(window->windowIcon().availableSizes().contains(QSize(16, 16)));
    QVERIFY(window->windowIcon().availableSizes().contains(QSize(32, 32)));
    QCOMPARE(QGuiApplication::desktopFileName(), QString("example.verided.DarUzed"));
    QCOMPARE(QCoreApplication::applicationVersion(), QString("1.01"));
    // A right-to-left desktop (-reverse) leaves the fixed drawing as it is: File left of Help.
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    configureApplication();
    delete window;
    window = openMainWindow();
    const QMenuBar *bar = window->menuBar();
    QVERIFY(bar->actionGeometry(bar->actions().first()).x() < bar->actionGeometry(bar->actions().last()).x());
}

// Twips to whole pixels: exact, rounded down, rounded up, and in nested containers.
void TestMainWindow::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");

    QTest::newRow("banner text") << "lblDescription" << "clientArea" << QRect(176, 0, 233, 27);
    QTest::newRow("superscript") << "lblsqrd" << "CalculateResultsFrame" << QRect(304, 24, 9, 13);
    QTest::newRow("last status line") << "lblStatus4" << "frmBMITable" << QRect(1, 76, 183, 17);
}

void TestMainWindow::geometry()
{
    QFETCH(QString, name);
    const auto *control = child<QWidget>(window, qPrintable(name));
    QTEST(control->parentWidget()->objectName(), "container");
    QTEST(control->geometry(), "pixels");
}

// The status captions align their columns by their blanks; the hidden line is there, unseen.
void TestMainWindow::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("title row") << "lblStatusTitle" << "          BMI           WEIGHT STATUS ";
    QTest::newRow("underweight") << "lblStatus1" << "   Below 18.5         Underweight";
    QTest::newRow("normal") << "lblStatus2" << "    18.5 - 24.9              Normal";
    QTest::newRow("overweight") << "lblStatus3" << "    25.0 - 29.9           Overweight";
    QTest::newRow("obese") << "lblStatus4" << " 30.0 and Above         Obese";
    QTest::newRow("hidden line") << "lblFindOutMore" << "For more information visit: ";
}

void TestMainWindow::texts()
{
    QFETCH(QString, name);
    QTEST(child<Label>(window, qPrintable(name))->caption(), "text");
}

void TestMainWindow::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");

    QTest::newRow("or") << "lblOr" << 13 << false << true << false;
    QTest::newRow("link") << "lblUrl" << 13 << true << false << true;
    QTest::newRow("result") << "lblResult" << 16 << true << false << false;
    QTest::newRow("window font in a bold frame") << "cboStone" << 12 << false << false << false;
}

void TestMainWindow::fonts()
{
    QFETCH(QString, name);
    const QFont font = child<QWidget>(window, qPrintable(name))->font();
    QCOMPARE(QFontInfo(font).family(), QString("Liberation Sans"));
    QTEST(font.pixelSize(), "pixels");
    QTEST(font.bold(), "bold");
    QTEST(font.italic(), "italic");
    QTEST(font.underline(), "underline");
}

void TestMainWindow::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<int>("desktopRole");  // the desktop colour it shows, or NoRole for the one given
    QTest::addColumn<QString>("change");   // of the desktop palette: none, all, or text alone
    QTest::addColumn<QColor>("fixed");

    const QColor navy(0, 0, 128), noFixed;

    // System colours follow a new desktop palette, as the window's background does.
    for (const char *change : {"none", "all"}) {
        QTest::addRow("banner background, %s", change) << "txtTitle" << int(QPalette::Base) << int(QPalette::NoRole) << change << navy;
        QTest::addRow("hidden line, %s", change) << "lblFindOutMore" << int(QPalette::WindowText) << int(QPalette::Button) << change << noFixed;
        QTest::addRow("title row, %s", change) << "lblStatusTitle" << int(QPalette::WindowText) << int(QPalette::HighlightedText) << change << noFixed;
        QTest::addRow("result, %s", change) << "lblResult" << int(QPalette::WindowText) << int(QPalette::WindowText) << change << noFixed;
        QTest::addRow("window, %s", change) << "clientArea" << int(QPalette::Window) << int(QPalette::Button) << change << noFixed;
    }
    // a role the label sets itself, the one role changed
    QTest::newRow("result, text alone") << "lblResult" << int(QPalette::WindowText) << int(QPalette::WindowText) << "text" << noFixed;
    QTest::newRow("link, its own dark blue") << "lblUrl" << int(QPalette::WindowText) << int(QPalette::NoRole) << "none" << QColor(0, 0, 0xC0);
}

void TestMainWindow::colours()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(int, desktopRole);
    QFETCH(QString, change);
    const QPalette start = QApplication::palette();
    QPalette desktop = start;
    if (change != u"none") {
        desktop.setColor(QPalette::WindowText, QColor(0x20, 0x20, 0x40));
        if (change == u"all") {
            desktop.setColor(QPalette::Button, QColor(0xdd, 0xdd, 0xcc));
            desktop.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xee));
        }
        QApplication::setPalette(desktop);
    }
    QFETCH(QColor, fixed);
    const QColor expected = desktopRole == QPalette::NoRole ? fixed : desktop.color(QPalette::ColorRole(desktopRole));
    // Qt posts the news of a new palette to each window.
    QTRY_COMPARE(child<QWidget>(window, qPrintable(name))->palette().color(QPalette::ColorRole(role)), expected);
    QApplication::setPalette(start);
}

// A label can have a tooltip; the weight list and the unit labels have none.
void TestMainWindow::tooltips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tooltip");

    QTest::newRow("or") << "lblOr" << "Or Choose Height In Feet And Inches";
    QTest::newRow("weight list") << "cboStone" << "";
    QTest::newRow("weight or") << "lblOrweight" << "";
    QTest::newRow("unit label") << "lblInches" << "";
}

void TestMainWindow::tooltips()
{
    QFETCH(QString, name);
    QTEST(child<QWidget>(window, qPrintable(name))->toolTip(), "tooltip");
}

void TestMainWindow::linkPointer()
{
    const QCursor pointer = child<QWidget>(window, "lblUrl")->cursor();
    QCOMPARE(pointer.shape(), Qt::BitmapCursor);
    const QImage image = pointer.pixmap().toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    // the hot spot is on the fingertip's outline, with white finger below it
    const QColor tip = image.pixelColor(pointer.hotSpot());
    QVERIFY2(tip.alpha() > 200 && tip.value() < 160, qPrintable(tip.name(QColor::HexArgb)));
    QCOMPARE(image.pixelColor(pointer.hotSpot() + QPoint(0, 3)), QColor(Qt::white));
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(child<QWidget>(window, "lblStatus1")->cursor().shape(), Qt::ArrowCursor);
}

// The height field's focus handler has already put every line in normal
// colours. Opened by Qt's show(), not the toolkit's Show, the window is the same.
void TestMainWindow::startState()
{
    delete window;
    window = new FormBMI;
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(window, "txtHght"));
    QVERIFY((window->frameGeometry().center() - window->screen()->availableGeometry().center()).manhattanLength() <= 2);
    verifyStartState(window);
}

// Tab stops once in each unit group, at the selected option, and never on the banner.
void TestMainWindow::tabOrder()
{
    const QStringList expected{"rdoInches", "cboFeet", "txtWeight", "rdoPounds", "cboStone",
                               "btnCalculate", "btnReset", "txtHght"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestMainWindow::menus()
{
    const QList<QAction *> top = window->menuBar()->actions();
    // a desktop theme's larger font for the whole program leaves the menus in the window's
    const QFont start = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 20));
    QCOMPARE(top[0]->menu()->font().pixelSize(), 12);
    QCOMPARE(window->menuBar()->font().pixelSize(), 12);
    QApplication::setFont(start);
    // F10 hands the keys to the menu bar, its first menu marked, as Alt does; F10 again takes them back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    QCOMPARE(window->menuBar()->activeAction(), top[0]);
    QVERIFY(!top[0]->menu()->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    QCOMPARE(window->menuBar()->activeAction(), nullptr);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(window, "txtHght"));
}

void TestMainWindow::exitEndsTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("access keys") << "keys";
    QTest::newRow("menu item") << "menu";
    QTest::newRow("close box") << "close";
}

// With values typed and a BMI shown, the window goes at once and no question is asked.
void TestMainWindow::exitEndsTheProgram()
{
    QFETCH(QString, how);
    MessageRecorder messages;
    child<TextBox>(window, "txtHght")->setText("170");
    child<Label>(window, "lblResult")->setCaption("24.2");
    if (how == u"keys") {
        QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
        QMenu *file = child<QMenu>(window, "mnuFile");
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_E);
    } else if (how == u"menu") {
        child<QMenu>(window, "mnuFile")->actions().first()->trigger();
    } else {
        window->close();
    }
    QTRY_VERIFY(window.isNull());
    // no window is left, so the application ends
    QVERIFY(std::ranges::none_of(QApplication::topLevelWidgets(), &QWidget::isVisible));
    QCOMPARE(messages.shown.size(), 0u);
}

namespace {

// A colour scheme as qt6ct writes it: the active colours, one per role in
// QPalette::ColorRole order.
QPalette scheme(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no colour scheme at %s", qPrintable(path));
    QPalette palette;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.startsWith("active_colors=")) {
            const QList<QByteArray> colours = line.mid(14).split(',');
            for (int role = 0; role < colours.size() && role < QPalette::NColorRoles; ++role)
                palette.setColor(QPalette::ColorRole(role), QColor::fromString(colours[role].trimmed()));
        }
    return palette;
}

// The contrast of the most distinct pixel of `area` with the most common one,
// its background: for text, that of its ink.
double inkContrast(const QImage &image, const QRect &area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const QColor back(std::ranges::max_element(counts, {}, &std::pair<const QRgb, int>::second)->first);
    double most = 1;
    for (const auto &[pixel, count] : counts)
        most = std::max(most, contrastRatio(back, QColor(pixel)));
    return most;
}

// Where a control's own text stands, or nothing for a control with none to read.
QRect textArea(const QWidget *control)
{
    if (auto *label = qobject_cast<const Label *>(control))
        return label->caption().trimmed().isEmpty() || label->backColor() == label->foreColor() ? QRect()
                                                                                                 : label->contentsRect();
    if (auto *frame = qobject_cast<const Frame *>(control))
        return frame->title().isEmpty() ? QRect() : frame->captionRect();
    if (auto *field = qobject_cast<const QLineEdit *>(control))
        return field->text().isEmpty() ? QRect() : field->rect().adjusted(3, 3, -3, -3);
    if (auto *list = qobject_cast<const QComboBox *>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        return list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    }
    if (auto *button = qobject_cast<const QPushButton *>(control))
        return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, button->fontMetrics().size(0, button->text()), button->rect());
    return {};
}

// How far what a control shows with the focus differs from what it shows
// without, at its edge (where a text cursor does not blink) or on an option's circle.
double focusContrast(QWidget *control)
{
    control->clearFocus();
    const QImage before = control->grab().toImage();
    control->setFocus(Qt::TabFocusReason);
    const QImage after = control->grab().toImage();
    double most = 1;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (qobject_cast<QRadioButton *>(control) || x < 3 || y < 3 || x >= before.width() - 3 || y >= before.height() - 3)
                most = std::max(most, contrastRatio(before.pixelColor(x, y), after.pixelColor(x, y)));
    return most;
}

// The thresholds for text and for marks (a circle, the focus), stated here
// rather than taken from the code meant to reach them.
constexpr double Readable = 4.5;
constexpr double MarkContrast = 3.0;

// Texts and circles first: moving the focus into a field clears the result.
QStringList unreadable(QWidget *window)
{
    QStringList faults;
    QWidgetList controls = window->findChildren<QWidget *>();
    erase_if(controls, [](const QWidget *c) { return c->objectName().isEmpty() || c->objectName().startsWith(u"qt_") || !c->isVisible(); });
    for (QWidget *control : controls) {
        const QImage image = control->grab().toImage();
        const QString name = control->objectName();
        if (const QRect text = textArea(control); text.isValid() && inkContrast(image, text) < Readable)
            faults << name + " text " + QString::number(inkContrast(image, text), 'f', 2);
        if (auto *option = qobject_cast<QRadioButton *>(control)) {
            QStyleOptionButton style;
            style.initFrom(option);
            const QRect circle = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
            if (inkContrast(image, circle.adjusted(-1, -1, 1, 1) & option->rect()) < MarkContrast)
                faults << name + " circle";
        }
    }
    for (QWidget *control : controls)
        if (control->focusPolicy() & Qt::TabFocus && focusContrast(control) < MarkContrast)
            faults << control->objectName() + " focus " + QString::number(focusContrast(control), 'f', 2);
    return faults;
}

}

void TestMainWindow::readableInEveryPalette_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::palette();
    QTest::newRow("dark") << scheme("/usr/share/qt6ct/colors/darker.conf");
    QTest::newRow("high contrast") << scheme(QStringLiteral(HIGH_CONTRAST_SCHEME));
    QPalette grey = QApplication::palette();
    grey.setColor(QPalette::WindowText, QColor(0x88, 0x88, 0x88));  // 3.5:1 on white
    QTest::newRow("mid-grey window text") << grey;
}

// Every text reads against what it is drawn on, and the circles and the focus
// stand out, in the main window with a result shown and in About.
void TestMainWindow::readableInEveryPalette()
{
    QFETCH(QPalette, palette);
    const QPalette start = QApplication::palette();
    QApplication::setPalette(palette);
    showNormalResult(window);
    QTRY_COMPARE(window->palette().color(QPalette::Window), palette.color(QPalette::Button));
    const QStringList mainFaults = unreadable(window);
    // Qt's disabled text recedes, as the desktop has it, while a box or About holds the window.
    QCOMPARE(child<QWidget>(window, "btnCalculate")->palette().color(QPalette::Disabled, QPalette::ButtonText),
             palette.color(QPalette::Disabled, QPalette::ButtonText));
    const QColor link = child<Label>(window, "lblUrl")->palette().color(QPalette::WindowText);
    QVERIFY2(link.hslSaturation() > 100 && link.hslHue() > 200 && link.hslHue() < 260, qPrintable(link.name()));
    QWidget *about = openAbout(window);
    QTRY_COMPARE(QApplication::activeWindow(), about);
    QTRY_COMPARE(about->palette().color(QPalette::Window), palette.color(QPalette::Button));
    const QStringList aboutFaults = unreadable(about);
    about->close();
    QApplication::setPalette(start);
    QVERIFY2(mainFaults.isEmpty(), qPrintable(mainFaults.join(", ")));
    QVERIFY2(aboutFaults.isEmpty(), qPrintable(aboutFaults.join(", ")));
}

void TestMainWindow::whatAScreenReaderIsTold_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("selected");

    using A = QAccessible;
    QTest::newRow("a field") << "txtWeight" << "Weight" << "Input Weight Here" << int(A::EditableText) << false;
    QTest::newRow("an option, its own caption clipped") << "rdoCentimetres" << "centimetres" << "Click To Select Centimetres" << int(A::RadioButton) << false;
    QTest::newRow("a list") << "cboFeet" << "Feet / Inches" << "Height in feet and inches" << int(A::ComboBox) << false;
    QTest::newRow("the result") << "lblResult" << "24.1" << "Your BMI" << int(A::StaticText) << false;
    QTest::newRow("the highlighted line") << "lblStatus2" << "    18.5 - 24.9              Normal, your weight status" << "" << int(A::StaticText) << true;
    QTest::newRow("another line") << "lblStatus3" << "    25.0 - 29.9           Overweight" << "" << int(A::StaticText) << false;
    QTest::newRow("the banner") << "txtTitle" << "Verided DAR Uzed" << "" << int(A::EditableText) << false;
    QTest::newRow("the link") << "lblUrl" << "www.verided.example" << "" << int(A::Link) << false;
}

// With a result shown (Normal), after one on the line below. Each control is
// found at its own middle, over any it covers.
void TestMainWindow::whatAScreenReaderIsTold()
{
    QFETCH(QString, control);
    child<TextBox>(window, "txtHght")->setText("67");
    child<TextBox>(window, "txtWeight")->setText("190");
    child<CommandButton>(window, "btnCalculate")->click();
    showNormalResult(window);
    QAccessibleInterface *told = QAccessible::queryAccessibleInterface(child<QWidget>(window, qPrintable(control)));
    const QPoint middle = told->rect().center();
    QCOMPARE(told->parent()->childAt(middle.x(), middle.y()), told);
    QTEST(told->text(QAccessible::Name), "name");
    QTEST(told->text(QAccessible::Description), "description");
    QTEST(int(told->role()), "role");
    QTEST(bool(told->state().selected), "selected");
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
