#include "resultpanel.h"

#include "toolkit/form.h"

namespace {

constexpr Colour NormalBack = FixedColour::White;
constexpr Colour NormalFore = FixedColour::Navy;
constexpr Colour HighlightBack = 0xC0C0FF;
constexpr Colour HighlightFore = SystemColour::ButtonText;

// Each line of the table, the status it stands for and the name a screen
// reader gives that status.
struct StatusRow {
    WeightStatus status;
    const char *line;
    const char *name;
};
constexpr StatusRow StatusTable[] = {
    {WeightStatus::Underweight, "lblStatus1", "Underweight"},
    {WeightStatus::Normal,      "lblStatus2", "Normal"},
    {WeightStatus::Overweight,  "lblStatus3", "Overweight"},
    {WeightStatus::Obese,       "lblStatus4", "Obese"},
};

// Lets a screen reader tell which line the colours single out.
const QString CurrentStatus = QStringLiteral("your weight status");
const QString NoResult = QStringLiteral("No BMI shown");
const QString FieldsCleared = QStringLiteral("Fields and result cleared");
const QString ResultCleared = QStringLiteral("Result cleared");

std::array<Label *, std::size(StatusTable)> statusLinesOf(const Form &window)
{
    std::array<Label *, std::size(StatusTable)> lines;
    for (std::size_t row = 0; row < lines.size(); ++row)
        lines[row] = window.control<Label>(StatusTable[row].line);
    return lines;
}

}

ResultPanel::ResultPanel(const Form &window)
    : lblResult(window.control<Label>("lblResult")),
      m_statusLines(statusLinesOf(window)),
      m_resultStatus(new StatusLine(window.centralWidget(), [this] { return resultSentence(); }))
{
    QObject::connect(lblResult, &Label::Change, m_resultStatus, &StatusLine::refresh);
}

// A result that goes away from the focus is gone without a word to a screen
// reader; it is told once, as Reset's clearing is.
void ResultPanel::ClearResult(const std::function<void()> &between)
{
    const bool wasShown = !lblResult->caption().isEmpty();
    lblResult->setCaption(QString());
    if (between)
        between();
    ResetStatusColours();
    if (wasShown)
        m_resultStatus->announce(ResultCleared);
}

void ResultPanel::ResetStatusColours()
{
    for (Label *line : m_statusLines) {
        line->setBackColor(NormalBack);
        line->setForeColor(NormalFore);
        line->setAccessibleMark(QString());
    }
    m_resultStatus->refresh();
}

void ResultPanel::HighlightStatus(Label *line)
{
    line->setBackColor(HighlightBack);
    line->setForeColor(HighlightFore);
    line->setAccessibleMark(CurrentStatus);
    m_resultStatus->refresh();
}

void ResultPanel::ShowWeightStatus(WeightStatus status)
{
    for (std::size_t row = 0; row < m_statusLines.size(); ++row)
        if (StatusTable[row].status == status)
            HighlightStatus(m_statusLines[row]);
}

// What the panel shows ("Your BMI is 24.2, Normal"), or that it shows no BMI.
QString ResultPanel::resultSentence() const
{
    if (lblResult->caption().isEmpty())
        return NoResult;
    QString sentence = QStringLiteral("Your BMI is ") + lblResult->caption();
    for (std::size_t row = 0; row < m_statusLines.size(); ++row)
        if (!m_statusLines[row]->accessibleMark().isEmpty())
            sentence += QStringLiteral(", ") + QLatin1StringView(StatusTable[row].name);
    return sentence;
}

// A screen reader speaks nothing of a label that changes away from the focus,
// so the result is announced; the reader's status command reads it again.
void ResultPanel::ShowResult(const Result &result)
{
    lblResult->setCaption(result.shown);
    ShowWeightStatus(result.status);
    m_resultStatus->announce();
}

// Reset changes every field at once, most of them away from the focus.
void ResultPanel::AnnounceReset()
{
    m_resultStatus->announce(FieldsCleared);
}
