#pragma once

// The controls with the properties and events the handlers rely on; not what a
// screen reader is told (access/) nor how they look (look/).

#include "toolkit/look/colour.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

class QFocusEvent;
class QPainter;

// Runs `entered` when a control has really received the focus: when it
// becomes the focus of its window. Its window regaining activation, a popup
// or the menu bar handing the focus back, or the window being enabled again
// do not count.
class FocusEntry : public QObject
{
public:
    FocusEntry(QWidget *control, std::function<void()> entered);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void leaves(const QFocusEvent *event);

    QWidget *const m_control;
    const std::function<void()> m_entered;
    bool m_holdsFocus = false;
};

class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget *parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString &caption);

    bool fontBold() const { return font().bold(); }
    void setFontBold(bool bold);

    // A link shows the pointing hand and reads as a link, which a screen
    // reader can activate as a click does.
    bool isLink() const { return m_link; }
    void setLink();

    // A few words a screen reader says after the caption, the label then
    // reading as selected: what a highlight shows by colour alone.
    QString accessibleMark() const { return m_mark; }
    void setAccessibleMark(const QString &mark);

    // The label only shows the name of `control` beside it: a screen reader
    // reads that name with the control, and not the label again.
    bool showsAName() const { return m_showsNameOf; }
    void setShowsNameOf(QWidget *control) { m_showsNameOf = control; }

    Colour backColor() const { return *m_colours->back(); }
    void setBackColor(Colour colour) { m_colours->setBack(colour); }
    Colour foreColor() const { return *m_colours->fore(); }
    void setForeColor(Colour colour) { m_colours->setFore(colour); }
    // Both at once, keeping the one not given.
    void setColours(std::optional<Colour> back, std::optional<Colour> fore);

signals:
    void Click();
    // The caption changed.
    void Change();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Whether the text would show whole on one line within the label's border.
    bool fitsOnOneLine(const QString &text) const;
    void wrapIfNeeded();
    void drawBorder(QPainter &painter, const QRect &box, int width) const;

    ColourBinding *const m_colours;
    bool m_link = false;
    QString m_mark;
    QPointer<QWidget> m_showsNameOf;
};

class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

signals:
    void GotFocus();
    // The user changed the text: typed, deleted, pasted, dropped, cut or
    // undid. A text set by code raises nothing.
    void Change();
};

// A pick-only drop-down list, dropping open below its box as a short
// scrolling list. Its Click is raised once for every pick the user makes, the
// shown entry included, and inside an assignment of a different index.
class DropDownList : public QComboBox
{
    Q_OBJECT

public:
    explicit DropDownList(QWidget *parent = nullptr);

    int listIndex() const { return currentIndex(); }
    void setListIndex(int index);
    // Appends entries; unlike QComboBox, a list that showed no entry still shows none.
    void addItem(const QString &text) { addItems({text}); }
    void addItems(const QStringList &texts);

signals:
    void Click();
    void GotFocus();

protected:
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    void keyPressEvent(QKeyEvent *event) override;
#endif
    void wheelEvent(QWheelEvent *event) override;

private:
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    void sayEntryIfChanged(int before);
#endif

    // As many rows as the classic dropped list showed.
    static constexpr int VisibleRows = 8;
};

// An option button, exclusive with the other option buttons of its container.
// Its Click is raised whenever it becomes selected, by the user or inside the
// assignment that selects it.
class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit OptionButton(QWidget *parent = nullptr);

    bool value() const { return isChecked(); }
    void setValue(bool selected);

    // Tab stops at the selected option of a group only; the arrow keys move within it.
    void updateTabStop();

signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    OptionButton *neighbour(int step);
};

class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(QWidget *parent = nullptr);

signals:
    void Click();
};

// A frame with a caption; it groups the option buttons placed inside it.
class Frame : public QGroupBox
{
    Q_OBJECT

public:
    explicit Frame(QWidget *parent = nullptr);

    void setForeColor(Colour colour) { m_foreColor = colour; update(); }
    // Where the caption stands, set into the frame's top edge.
    QRect captionRect() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int CaptionIndent = 6;
    static constexpr int CaptionPadding = 2;
    Colour m_foreColor = SystemColour::ButtonText;
};
