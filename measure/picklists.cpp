#include "picklists.h"

#include "measuremententry.h"

#include "bmi/resultpanel.h"

namespace {

constexpr int FirstHeight = HeightBase + 1, LastHeight = 96;
constexpr int FirstWeight = WeightBase + 1, LastWeight = 406;
constexpr int InchesPerFoot = 12, PoundsPerStone = 14;

QString heightText(int inches)
{
    const int feet = inches / InchesPerFoot, rest = inches % InchesPerFoot;
    if (rest != 0)
        return QStringLiteral("%1ft %2\"").arg(feet).arg(rest);
    // The list has always shown its first whole-feet entry without the trailing blank.
    return inches == FirstHeight ? QStringLiteral("%1ft").arg(feet) : QStringLiteral("%1ft ").arg(feet);
}

QString weightText(int pounds)
{
    const int stone = pounds / PoundsPerStone, rest = pounds % PoundsPerStone;
    return rest == 0 ? QStringLiteral("%1 Stone").arg(stone) : QStringLiteral("%1 Stone %2lb").arg(stone).arg(rest);
}

// All the entries in one insertion: the list's model tells of them once
// rather than once each.
void fill(DropDownList *list, const QStringList &entries)
{
    list->addItems(entries);
    list->setListIndex(0);
}

}

QStringList heightEntries()
{
    QStringList entries{QStringLiteral("Feet / Inches")};
    for (int inches = FirstHeight; inches <= LastHeight; ++inches)
        entries << heightText(inches);
    return entries;
}

QStringList weightEntries()
{
    QStringList entries{QStringLiteral("Stone / Pounds")};
    for (int pounds = FirstWeight; pounds <= LastWeight; ++pounds)
        entries << weightText(pounds);
    return entries;
}

void MeasurementEntry::fillHeightList()
{
    fill(cboFeet, heightEntries());
}

void MeasurementEntry::fillWeightList()
{
    fill(cboStone, weightEntries());
}

// A pick clears the whole panel, not the figure alone: a line left lit
// beside an empty figure would tell of a BMI no longer shown.
void MeasurementEntry::cboFeet_Click()
{
    m_resultPanel.ClearResult([this] {
        rdoInches->setValue(true);
        rdoCentimetres->setValue(false);
        showUnitChosen(lblInches, lblCentimetres);
        if (const int i = cboFeet->listIndex(); i >= 1)
            txtHght->setText(QString::number(HeightBase + i));
    });
}

void MeasurementEntry::cboFeet_GotFocus()
{
    m_resultPanel.ClearResult();
}

void MeasurementEntry::cboStone_Click()
{
    m_resultPanel.ClearResult([this] {
        if (const int i = cboStone->listIndex(); i >= 1)
            txtWeight->setText(QString::number(WeightBase + i));
        rdoPounds->setValue(true);
    });
}

void MeasurementEntry::cboStone_GotFocus()
{
    m_resultPanel.ClearResult();
}
