#pragma once

#include "calculation.h"

#include "toolkit/access/statusline.h"
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
    // Shows the figure, highlights its status line and tells a screen reader.
    void ShowResult(const Result &result);
    void AnnounceReset();

    Label *const lblResult;

private:
    // Highlights the line that stands for `status`; none for no status.
    void ShowWeightStatus(WeightStatus status);
    QString resultSentence() const;

    const std::array<Label *, 4> m_statusLines;
    StatusLine *const m_resultStatus;
};
