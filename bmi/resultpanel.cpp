#include "app/formbmi.h"

#include "calculation.h"
#include "numbertext.h"

namespace {

constexpr Colour NormalBack = 0xFFFFFF;
constexpr Colour NormalFore = 0x800000;
constexpr Colour HighlightBack = 0xC0C0FF;
constexpr Colour HighlightFore = SystemColour::ButtonText;

// Lets a screen reader tell which line the colours single out.
const QString CurrentStatus = QStringLiteral("your weight status");
const QString NoResult = QStringLiteral("No BMI worked out yet");
const QString Cleared = QStringLiteral("Fields and result cleared");

}

// A handler may place steps of its own between the two halves.
void FormBMI::ClearResult(const std::function<void()> &between)
{
    lblResult->setCaption(QString());
    if (between)
        between();
    ResetStatusColours();
}

void FormBMI::ResetStatusColours()
{
    for (Label *line : m_statusLines) {
        line->setBackColor(NormalBack);
        line->setForeColor(NormalFore);
        line->setAccessibleMark(QString());
    }
}

void FormBMI::HighlightStatus(Label *line)
{
    line->setBackColor(HighlightBack);
    line->setForeColor(HighlightFore);
    line->setAccessibleMark(CurrentStatus);
}

// Goes by the value as shown, already rounded to one decimal, so the lines
// split exactly where their captions say.
void FormBMI::ShowWeightStatus()
{
    const QString shown = lblResult->caption();
    if (shown.isEmpty())
        return;
    if (const WeightStatus status = weightStatusOf(TextToNumber(shown).value_or(0)); status != WeightStatus::None)
        HighlightStatus(m_statusLines[std::size_t(status) - 1]);
}

// What the panel shows, as its captions read ("Your BMI is 24.2, Normal"),
// or that it shows no BMI.
QString FormBMI::resultSentence() const
{
    if (lblResult->caption().isEmpty())
        return NoResult;
    QString sentence = lblBMIlabel->caption().remove(u':') + u' ' + lblResult->caption();
    for (const Label *line : m_statusLines)
        if (!line->accessibleMark().isEmpty())
            sentence += QStringLiteral(", ") + line->caption().split(u' ', Qt::SkipEmptyParts).last();
    return sentence;
}

// A screen reader speaks nothing of a label that changes away from the focus,
// so the result is announced; the reader's status command reads it again.
void FormBMI::AnnounceResult()
{
    m_resultStatus->announce();
}

// Reset changes every field at once, most of them away from the focus. The
// result cleared by typing, a pick or a unit goes with a change the user hears.
void FormBMI::AnnounceReset()
{
    m_resultStatus->announce(Cleared);
}
