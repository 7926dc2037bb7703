#pragma once

// A control that only a screen reader knows of: the window's status, read on
// demand and spoken when it changes. Not for anything shown on screen.

#include <QWidget>

#include <functional>

// What a screen reader reads on demand as the window's status, and speaks at
// once when told: a status bar of no size at the foot of `parent`, whose
// sentence is the one `describe` gives at the time.
class StatusLine : public QWidget
{
    Q_OBJECT

public:
    StatusLine(QWidget *parent, std::function<QString()> describe);

    QString sentence() const { return m_describe(); }
    // Speaks the sentence, or news of something that changed.
    void announce() { announce(sentence()); }
    void announce(const QString &news);
    // Tells a screen reader that the sentence may have changed: a reader may
    // keep the sentence it read last and read it again on demand.
    void refresh();

private:
    std::function<QString()> m_describe;
};
