#include "support.h"

#include "measure/picklists.h"

#include <QAbstractItemView>
#include <QRegularExpression>

class TestMeasure : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { configureApplication(); }
    void init();
    void cleanup() { delete window; }

    void heightEntries_data();
    void heightEntries();
    void weightEntries_data();
    void weightEntries();
    void generatedListsFollowTheirRules();
    void pick_data();
    void pick();
    void pickHeaderEntry_data();
    void pickHeaderEntry();
    void chooseUnit_data();
    void chooseUnit();
    void enteringClearsResult_data();
    void enteringClearsResult();
    void reset_data();
    void reset();
    void typicalUseByKeyboard();

private:
    void showResult();
    void pickWith(const QString &how, DropDownList *list, int index);
    template <class T>
    T *get(const char *name) { return child<T>(window, name); }
    QPointer<FormBMI> window;
};

void TestMeasure::init()
{
    window = openMainWindow();
}

void TestMeasure::showResult()
{
    showNormalResult(window);
    QVERIFY(highlightedLine(window) > 0);
}

void TestMeasure::pickWith(const QString &how, DropDownList *list, int index)
{
    if (how == u"code") {
        list->setListIndex(index);
        return;
    }
    clickOn(list);
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    if (how == u"mouse") {
        const QModelIndex entry = view->model()->index(index, 0);
        view->scrollTo(entry, QAbstractItemView::PositionAtCenter);
        // A list that has just dropped open ignores clicks for a while after
        // the one that opened it, longer on a busy machine: click as a person
        // would, again, until the list takes one.
        const auto clickEntry = [&] {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
            return !view->isVisible();
        };
        QTRY_VERIFY_WITH_TIMEOUT(clickEntry(), 10000);
        return;
    }
    const int steps = index - list->listIndex();
    for (int i = 0; i < std::abs(steps); ++i)
        QTest::keyClick(view, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
}

void TestMeasure::heightEntries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    QTest::newRow("header") << 0 << "Feet / Inches";
    QTest::newRow("4ft, no blank") << 1 << "4ft";
    QTest::newRow("4ft 1in") << 2 << "4ft 1\"";
    QTest::newRow("5ft") << 13 << "5ft ";
    QTest::newRow("5ft 3in") << 16 << "5ft 3\"";
    QTest::newRow("6ft") << 25 << "6ft ";
    QTest::newRow("7ft") << 37 << "7ft ";
    QTest::newRow("7ft 11in") << 48 << "7ft 11\"";
    QTest::newRow("8ft, last") << 49 << "8ft ";
}

void TestMeasure::heightEntries()
{
    QFETCH(int, index);
    const auto *list = get<DropDownList>("cboFeet");
    QCOMPARE(list->count(), 50);
    QTEST(list->itemText(index), "text");
}

void TestMeasure::weightEntries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    QTest::newRow("header") << 0 << "Stone / Pounds";
    QTest::newRow("4 stone") << 1 << "4 Stone";
    QTest::newRow("4 stone 1") << 2 << "4 Stone 1lb";
    QTest::newRow("4 stone 13") << 14 << "4 Stone 13lb";
    QTest::newRow("5 stone") << 15 << "5 Stone";
    QTest::newRow("10 stone 7") << 92 << "10 Stone 7lb";
    QTest::newRow("28 stone") << 337 << "28 Stone";
    QTest::newRow("28 stone 13") << 350 << "28 Stone 13lb";
    QTest::newRow("29 stone, last") << 351 << "29 Stone";
}

void TestMeasure::weightEntries()
{
    QFETCH(int, index);
    const auto *list = get<DropDownList>("cboStone");
    QCOMPARE(list->count(), 352);
    QTEST(list->itemText(index), "text");
}

// Every entry names the value that picking it writes, in its own notation.
void TestMeasure::generatedListsFollowTheirRules()
{
    const QRegularExpression height(R"re(^(\d)ft(?: (\d{1,2})"| ?)$)re");
    const QStringList heights = ::heightEntries();
    for (int i = 1; i < heights.size(); ++i) {
        const auto match = height.match(heights[i]);
        QVERIFY2(match.hasMatch(), qPrintable(heights[i]));
        QCOMPARE(match.captured(1).toInt() * 12 + match.captured(2).toInt(), HeightBase + i);
        QCOMPARE(heights[i].endsWith(u' '), i > 1 && match.captured(2).isEmpty());
    }
    const QRegularExpression weight(R"(^(\d{1,2}) Stone(?: (\d{1,2})lb)?$)");
    const QStringList weights = ::weightEntries();
    for (int i = 1; i < weights.size(); ++i) {
        const auto match = weight.match(weights[i]);
        QVERIFY2(match.hasMatch(), qPrintable(weights[i]));
        QCOMPARE(match.captured(1).toInt() * 14 + match.captured(2).toInt(), WeightBase + i);
        QVERIFY(match.captured(2) != u"0");
    }
}

void TestMeasure::pick_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("shown");  // the entry the list shows before the pick
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("written");

    for (const char *how : {"mouse", "keyboard", "code"}) {
        QTest::addRow("4ft by %s", how) << "cboFeet" << how << 0 << 1 << "48";
        QTest::addRow("5ft 3in by %s", how) << "cboFeet" << how << 0 << 16 << "63";
        QTest::addRow("8ft by %s", how) << "cboFeet" << how << 0 << 49 << "96";
        QTest::addRow("4 stone by %s", how) << "cboStone" << how << 0 << 1 << "56";
        QTest::addRow("11 stone by %s", how) << "cboStone" << how << 0 << 99 << "154";
        QTest::addRow("29 stone by %s", how) << "cboStone" << how << 0 << 351 << "406";
    }
    // The user's pick of the entry already shown is a pick all the same.
    for (const char *how : {"mouse", "keyboard"}) {
        QTest::addRow("header while cms, by %s", how) << "cboFeet" << how << 0 << 0 << "170";
        QTest::addRow("header while kilos, by %s", how) << "cboStone" << how << 0 << 0 << "170";
        QTest::addRow("11 stone again, by %s", how) << "cboStone" << how << 99 << 99 << "154";
    }
    QTest::newRow("7ft 11in") << "cboFeet" << "code" << 0 << 48 << "95";
    QTest::newRow("4 stone 13") << "cboStone" << "code" << 0 << 14 << "69";
    QTest::newRow("10 stone 7") << "cboStone" << "code" << 0 << 92 << "147";
    QTest::newRow("28 stone 13") << "cboStone" << "code" << 0 << 350 << "405";
}

// A pick made while the metric unit was chosen (or after a pick, with the
// field typed over since) and a result was shown writes whole imperial units,
// selects the imperial unit and clears the panel.
void TestMeasure::pick()
{
    QFETCH(QString, list);
    QFETCH(QString, how);
    QFETCH(int, shown);
    QFETCH(int, index);
    const bool height = list == u"cboFeet";
    auto *field = get<TextBox>(height ? "txtHght" : "txtWeight");
    auto *picker = get<DropDownList>(qPrintable(list));
    clickOn(get<OptionButton>(height ? "rdoCentimetres" : "rdoKilograms"));
    showResult();
    picker->setListIndex(shown);
    field->setText("170");

    pickWith(how, picker, index);

    QTEST(field->text(), "written");
    QVERIFY(get<Label>("lblResult")->caption().isEmpty());
    QCOMPARE(highlightedLine(window), 0);
    QVERIFY(get<OptionButton>(height ? "rdoInches" : "rdoPounds")->value());
    QVERIFY(!get<OptionButton>(height ? "rdoCentimetres" : "rdoKilograms")->value());
    QVERIFY(get<Label>(height ? "lblInches" : "lblPounds")->fontBold());
    QVERIFY(!get<Label>(height ? "lblCentimetres" : "lblKilograms")->fontBold());
}

void TestMeasure::pickHeaderEntry_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("field");
    QTest::newRow("height") << "cboFeet" << "txtHght";
    QTest::newRow("weight") << "cboStone" << "txtWeight";
}

// The header entry writes nothing, and with the unit already imperial the
// panel is cleared all the same: no line stays lit beside an empty figure.
void TestMeasure::pickHeaderEntry()
{
    QFETCH(QString, list);
    QFETCH(QString, field);
    auto *picker = get<DropDownList>(qPrintable(list));
    picker->setListIndex(5);
    showResult();
    get<TextBox>(qPrintable(field))->setText("12.5");
    picker->setListIndex(0);
    QCOMPARE(get<TextBox>(qPrintable(field))->text(), QString("12.5"));
    QVERIFY(get<Label>("lblResult")->caption().isEmpty());
    QCOMPARE(highlightedLine(window), 0);
}

void TestMeasure::chooseUnit_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("bold");
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("listShows");

    for (const char *how : {"click", "code"}) {
        QTest::addRow("centimetres by %s", how) << "rdoCentimetres" << how << "lblCentimetres" << "lblInches" << "cboFeet" << "Feet / Inches";
        QTest::addRow("kilograms by %s", how) << "rdoKilograms" << how << "lblKilograms" << "lblPounds" << "cboStone" << "Stone / Pounds";
    }
    // Up on the other option of the pair, which goes round within it.
    QTest::newRow("centimetres by Up on inches") << "rdoCentimetres" << "Up" << "lblCentimetres" << "lblInches" << "cboFeet" << "Feet / Inches";
    QTest::newRow("inches after centimetres") << "rdoInches" << "click" << "lblInches" << "lblCentimetres" << "cboFeet" << "Feet / Inches";
    QTest::newRow("pounds after kilograms") << "rdoPounds" << "click" << "lblPounds" << "lblKilograms" << "cboStone" << "Stone / Pounds";
}

// From a pick and a shown result: the number stays, the metric choices put
// the list back on its header, the bold label follows the option.
void TestMeasure::chooseUnit()
{
    QFETCH(QString, option);
    QFETCH(QString, how);
    QFETCH(QString, list);
    QFETCH(QString, bold);
    QFETCH(QString, normal);
    const bool imperial = option == u"rdoInches" || option == u"rdoPounds";
    if (imperial)
        clickOn(get<OptionButton>(option == u"rdoInches" ? "rdoCentimetres" : "rdoKilograms"));
    const bool height = list == u"cboFeet";
    if (!imperial)
        get<DropDownList>(qPrintable(list))->setListIndex(height ? 13 : 15);
    showResult();
    auto *field = get<TextBox>(height ? "txtHght" : "txtWeight");
    const QString number = field->text();

    auto *choice = get<OptionButton>(qPrintable(option));
    if (how == u"click")
        clickOn(choice);
    else if (how == u"Up")
        QTest::keyClick(get<OptionButton>(qPrintable(QStringLiteral("rdo") + normal.mid(3))), Qt::Key_Up);
    else
        choice->setValue(true);

    QVERIFY(choice->value());
    QTEST(get<DropDownList>(qPrintable(list))->currentText(), "listShows");
    QCOMPARE(field->text(), number);
    QVERIFY(get<Label>(qPrintable(bold))->fontBold());
    QVERIFY(!get<Label>(qPrintable(normal))->fontBold());
    QVERIFY(get<Label>("lblResult")->caption().isEmpty());
    QCOMPARE(highlightedLine(window), 0);
}

void TestMeasure::enteringClearsResult_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("from");  // has no focus handler of its own
    QTest::addColumn<QString>("how");
    for (const char *control : {"txtHght", "txtWeight", "cboFeet", "cboStone"})
        QTest::addRow("%s by click", control) << control << "btnCalculate" << "click";
    QTest::newRow("txtHght by tab") << "txtHght" << "btnReset" << "tab";
    QTest::newRow("cboFeet by tab") << "cboFeet" << "rdoInches" << "tab";
    QTest::newRow("txtWeight by backtab") << "txtWeight" << "rdoPounds" << "backtab";
    QTest::newRow("cboStone by tab") << "cboStone" << "rdoPounds" << "tab";
    for (const char *field : {"txtHght", "txtWeight"})
        QTest::addRow("typing in %s, which has the focus", field) << field << field << "type";
}

void TestMeasure::enteringClearsResult()
{
    QFETCH(QString, control);
    QFETCH(QString, from);
    QFETCH(QString, how);
    get<QWidget>(qPrintable(from))->setFocus(Qt::OtherFocusReason);
    showResult();
    auto *target = get<QWidget>(qPrintable(control));
    if (how == u"click") {
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, 4));
        if (auto *list = qobject_cast<DropDownList *>(target))
            list->hidePopup();
    } else if (how == u"type") {
        QTest::keyClick(target, Qt::Key_0);
    } else {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, how == u"tab" ? Qt::NoModifier : Qt::ShiftModifier);
    }
    QCOMPARE(QApplication::focusWidget(), target);
    QVERIFY(get<Label>("lblResult")->caption().isEmpty());
    QCOMPARE(highlightedLine(window), 0);
}

void TestMeasure::reset_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("byEnter");  // on the focused Reset, which takes Enter from CALCULATE
    QTest::newRow("at start") << "start" << false;
    QTest::newRow("after a calculation") << "calculated" << false;
    QTest::newRow("after a calculation, by Enter") << "calculated" << true;
    QTest::newRow("metric units chosen") << "metric" << false;
    QTest::newRow("after picks") << "picked" << false;
}

void TestMeasure::reset()
{
    QFETCH(QString, state);
    if (state == u"calculated") {
        showResult();
    } else if (state == u"metric") {
        get<TextBox>("txtHght")->setText("170");
        clickOn(get<OptionButton>("rdoCentimetres"));
        clickOn(get<OptionButton>("rdoKilograms"));
    } else if (state == u"picked") {
        get<DropDownList>("cboFeet")->setListIndex(20);
        get<DropDownList>("cboStone")->setListIndex(99);
    }
    QFETCH(bool, byEnter);
    auto *reset = get<CommandButton>("btnReset");
    if (byEnter)
        reset->setFocus(Qt::TabFocusReason);
    QWidget *focus = QApplication::focusWidget();
    for (int press = 0; press < 2; ++press) {
        if (byEnter)
            QTest::keyClick(reset, Qt::Key_Return);
        else
            reset->click();
        verifyStartState(window);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(QApplication::focusWidget(), focus);
    }
    MessageRecorder messages;
    get<CommandButton>("btnCalculate")->click();
    QCOMPARE(messages.shown.size(), 1u);
    QCOMPARE(messages.shown[0].prompt, QString("Please Enter Or Select A Value For Both Height And Weight"));
}

// Pick 5 ft 7 in, tab on, pick 11 stone, calculate: all by keyboard.
void TestMeasure::typicalUseByKeyboard()
{
    MessageRecorder messages;
    auto press = [](Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), key);
    };
    press(Qt::Key_Tab, 2);
    QCOMPARE(QApplication::focusWidget(), get<QWidget>("cboFeet"));
    press(Qt::Key_Down, 20);
    QCOMPARE(get<DropDownList>("cboFeet")->currentText(), QString("5ft 7\""));
    QCOMPARE(get<TextBox>("txtHght")->text(), QString("67"));
    press(Qt::Key_Tab, 3);
    QCOMPARE(QApplication::focusWidget(), get<QWidget>("cboStone"));
    press(Qt::Key_Down, 99);
    QCOMPARE(get<DropDownList>("cboStone")->currentText(), QString("11 Stone"));
    QCOMPARE(get<TextBox>("txtWeight")->text(), QString("154"));
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), get<QWidget>("btnCalculate"));
    press(Qt::Key_Space);
    QCOMPARE(get<Label>("lblResult")->caption(), QString("24.1"));
    QCOMPARE(highlightedLine(window), 2);
    QCOMPARE(messages.shown.size(), 0u);
}

QTEST_MAIN(TestMeasure)
#include "tst_measure.moc"
