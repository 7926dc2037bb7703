#pragma once

#include "calculation.h"

#include "toolkit/controls.h"

#include <array>
#include <functional>

class Form;

// The BMI figure and the weight-status table below it. The rest of the main
// window changes them only through these operations, and by writing the
// figure's caption.
class ResultPanel
{
public:
    explicit ResultPanel(const Form &window);
    ResultPanel(const ResultPanel &) = delete;
    ResultPanel &operator=(const ResultPanel &) = delete;

    // Empties the figure and gives every line its normal colours. A handler
    // may place steps of its own between the two halves.
    void ClearResult(const std::function<void()> &between = nullptr);
    void ResetStatusColours();
    void HighlightStatus(Label *line);
    // Highlights the line that stands for `status`; none for no status.
    void ShowWeightStatus(WeightStatus status);
    void AnnounceResult();
    void AnnounceReset();

    Label *const lblResult;

private:
    QString resultSentence() const;

    const std::array<Label *, 4> m_statusLines;
    StatusLine *const m_resultStatus;
};
