// The controls with the properties and events the handlers rely on; not what a
// screen reader is told (access/) nor how they look (look/).

#include "controls.h"

#include "toolkit/access/accessibility.h"
#include "toolkit/look/pointer.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QValidator>

#include <cmath>

FocusEntry::FocusEntry(QWidget *control, std::function<void()> entered)
    : QObject(control), m_control(control), m_entered(std::move(entered))
{
    control->installEventFilter(this);
}

bool FocusEntry::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && !std::exchange(m_holdsFocus, true))
        m_entered();
    else if (event->type() == QEvent::FocusOut)
        leaves(static_cast<QFocusEvent *>(event));
    return false;
}

void FocusEntry::leaves(const QFocusEvent *event)
{
    // The focus stays the control's own while its window merely goes inactive
    // or opens a popup (the window's focus widget is still the control), while
    // the menu bar borrows the keyboard, and while the window is disabled.
    const bool keepsPlace = m_control->window()->focusWidget() == m_control
        || event->reason() == Qt::MenuBarFocusReason || !m_control->isEnabled();
    if (!keepsPlace)
        m_holdsFocus = false;
}

Label::Label(QWidget *parent)
    : QLabel(parent), m_colours(new ColourBinding(this, QPalette::Window, QPalette::WindowText))
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    m_colours->setColours(SystemColour::ButtonFace, SystemColour::ButtonText);
}

void Label::setColours(std::optional<Colour> back, std::optional<Colour> fore)
{
    m_colours->setColours(back ? back : m_colours->back(), fore ? fore : m_colours->fore());
}

void Label::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    wrapIfNeeded();
    emit Change();
}

// A caption wider than the label wraps within it, as the classic label's did;
// one that fits is laid out as one line, which draws the same and costs less.
// A label's size is fixed by its layout; its caption and its font change.
void Label::wrapIfNeeded()
{
    setWordWrap(!fitsOnOneLine(text()));
}

void Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        wrapIfNeeded();
}

void Label::setFontBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

bool Label::fitsOnOneLine(const QString &text) const
{
    return fontMetrics().horizontalAdvance(text) <= contentsRect().width();
}

void Label::setLink()
{
    m_link = true;
    setCursor(handPointer());
}

void Label::setAccessibleMark(const QString &mark)
{
    if (mark == m_mark)
        return;
    m_mark = mark;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessible::State selected;
    selected.selected = true;
    QAccessibleStateChangeEvent marked(this, selected);
    QAccessible::updateAccessibility(&marked);
}

namespace {

// The rows of device pixels that a text's ink covers when drawn in `label`,
// counted from its baseline: as drawn, hinting and fallback glyphs included,
// which the font's metrics do not tell alike on every Qt release.
std::pair<int, int> inkRows(const QString &text, const QLabel &label)
{
    const qreal scale = label.devicePixelRatioF();
    const QFontMetricsF metrics(label.font(), &label);
    const int baseline = qCeil(2 * metrics.height() * scale);
    QImage probe(qCeil((metrics.horizontalAdvance(text) + 2 * metrics.height()) * scale), 2 * baseline,
                 QImage::Format_Alpha8);
    probe.setDevicePixelRatio(scale);
    // The font's size in points becomes pixels as on the label's screen.
    probe.setDotsPerMeterX(qRound(label.logicalDpiX() / 0.0254));
    probe.setDotsPerMeterY(qRound(label.logicalDpiY() / 0.0254));
    probe.fill(0);
    QPainter painter(&probe);
    painter.setFont(label.font());
    painter.drawText(QPointF(metrics.height(), baseline / scale), text);
    painter.end();
    std::pair rows{probe.height(), -1};
    for (int y = 0; y < probe.height(); ++y) {
        const uchar *row = probe.constScanLine(y);
        if (std::any_of(row, row + probe.width(), [](uchar alpha) { return alpha != 0; }))
            rows = {std::min(rows.first, y), y};
    }
    return {rows.first - baseline, rows.second - baseline};
}

}

// A bordered label holds one line that must show whole, a decimal comma's
// tail included, in a box lower than the font's line: its text is placed by
// its ink, centred between the borders in whole device pixels (a spare one
// above), rather than by the line from the top.
void Label::paintEvent(QPaintEvent *event)
{
    if (frameShape() == QFrame::NoFrame)
        return QLabel::paintEvent(event);
    QPainter painter(this);
    const qreal scale = devicePixelRatioF();
    const QRect box(QPoint(), (QSizeF(size()) * scale).toSize());
    const int border = std::max(1, qRound(scale));
    drawBorder(painter, box, border);
    const QString shown = text();
    if (shown.isEmpty())
        return;
    const auto [inkTop, inkBottom] = inkRows(shown, *this);
    const int spare = box.height() - 2 * border - (inkBottom - inkTop + 1);
    const QFontMetricsF metrics(font(), this);
    const QPointF baseline((width() - metrics.horizontalAdvance(shown)) / 2,
                           (border + spare / 2 - inkTop) / scale);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(baseline, shown);
}

// In whole device pixels, `width` of them: at a fractional scale, a line
// drawn in logical pixels can fall between two device pixels and leave a
// side of the box without a border.
void Label::drawBorder(QPainter &painter, const QRect &box, int width) const
{
    const qreal scale = devicePixelRatioF();
    painter.save();
    painter.scale(1 / scale, 1 / scale);
    for (const QRect &edge : QRegion(box).subtracted(box.adjusted(width, width, -width, -width)))
        painter.fillRect(edge, palette().color(QPalette::WindowText));
    painter.restore();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

namespace {

// A single-line field keeps only what comes before the first line break of a
// paste or a drop, as the classic field did; Qt's keeps the break.
class SingleLine : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override
    {
        static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"));
        // Nothing typed holds a line break, so the first one lies in what was
        // just inserted, which ends at the cursor.
        if (const qsizetype at = input.indexOf(lineBreak); at >= 0) {
            input.remove(at, std::max<qsizetype>(position - at, 1));
            position = int(at);
        }
        return Acceptable;
    }
};

}

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
{
    setValidator(new SingleLine(this));
    new FocusEntry(this, [this] { emit GotFocus(); });
    connect(this, &QLineEdit::textEdited, this, &TextBox::Change);
}

DropDownList::DropDownList(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(VisibleRows);
    // The wheel over a list that does not have the focus must not take it.
    setFocusPolicy(Qt::StrongFocus);
    new FocusEntry(this, [this] { emit GotFocus(); });
    // Qt raises activated for every pick by mouse, key or wheel, also of the shown entry.
    connect(this, &QComboBox::activated, this, &DropDownList::Click);
}

void DropDownList::setListIndex(int index)
{
    if (index == currentIndex())
        return;
    setCurrentIndex(index);
    emit Click();
}

void DropDownList::addItems(const QStringList &texts)
{
    const QSignalBlocker quiet(this);
    const bool showedNone = currentIndex() == -1;
    QComboBox::addItems(texts);
    if (showedNone)
        setCurrentIndex(-1);
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
void DropDownList::keyPressEvent(QKeyEvent *event)
{
    const int before = currentIndex();
    {
        // Type-to-find in the closed list moves the current entry of its
        // hidden view, whose news a screen reader would speak before the
        // list's own ("List with 352 items", the entry): the view hears nothing.
        const bool typeToFind = !view()->isVisible() && !event->text().trimmed().isEmpty();
        const QSignalBlocker quietView(typeToFind ? view()->selectionModel() : nullptr);
        QComboBox::keyPressEvent(event);
    }
    sayEntryIfChanged(before);
}
#endif

void DropDownList::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus())
        return event->ignore();
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    const int before = currentIndex();
    QComboBox::wheelEvent(event);
    sayEntryIfChanged(before);
#else
    QComboBox::wheelEvent(event);
#endif
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// A screen reader speaks the entries of the open list, but not a new entry
// picked in the closed one: Qt before 6.8 tells it of that only by a change
// of name, which it takes for noise. The list says it, with its place.
void DropDownList::sayEntryIfChanged(int before)
{
    if (currentIndex() != before && currentIndex() >= 0)
        announce(this, QStringLiteral("%1, %2 of %3").arg(currentText()).arg(currentIndex() + 1).arg(count()));
}
#endif

OptionButton::OptionButton(QWidget *parent)
    : QRadioButton(parent)
{
    connect(this, &QAbstractButton::toggled, this, [this](bool selected) {
        updateTabStop();
        if (selected)
            emit Click();
    });
}

void OptionButton::setValue(bool selected)
{
    if (selected || !isChecked()) {
        setChecked(selected);
        return;
    }
    // Qt never lets the selected button of an exclusive group be cleared
    // directly; the toolkit's Value := false does clear it.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

// Down and Right select the next option of the group, Up and Left the
// previous one, wrapping round, each as a click on it would.
void OptionButton::keyPressEvent(QKeyEvent *event)
{
    const int step = event->modifiers() & ~Qt::KeypadModifier ? 0
        : event->key() == Qt::Key_Down || event->key() == Qt::Key_Right ? 1
        : event->key() == Qt::Key_Up || event->key() == Qt::Key_Left   ? -1
                                                                        : 0;
    if (step == 0)
        return QRadioButton::keyPressEvent(event);
    OptionButton *next = neighbour(step);
    next->setFocus(Qt::TabFocusReason);
    next->setValue(true);
}

// Only the circle is drawn: the caption the layout gives an option is
// clipped by its box, and no part of it is meant to show at any resolution.
void OptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_RadioButton, option);
}

// The options of this one's container, in tab order, counted from this one.
OptionButton *OptionButton::neighbour(int step)
{
    QList<OptionButton *> group{this};
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (auto *option = qobject_cast<OptionButton *>(w); option && option->parentWidget() == parentWidget())
            group << option;
    return group[(step + group.size()) % group.size()];
}

void OptionButton::updateTabStop()
{
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                               : Qt::FocusPolicy(policy & ~Qt::TabFocus));
}

CommandButton::CommandButton(QWidget *parent)
    : QPushButton(parent)
{
    // Enter presses the focused button itself, as Space does.
    setAutoDefault(true);
    connect(this, &QAbstractButton::clicked, this, &CommandButton::Click);
}

Frame::Frame(QWidget *parent)
    : QGroupBox(parent)
{
}

// A frame is never checkable, yet Qt's group box (6.4 and 6.8 alike) takes
// the keys that the desktop's theme lists as pressing buttons as if it were:
// under GNOME's, Enter from a field inside would stop here instead of
// pressing the window's default button.
bool Frame::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        return QWidget::event(event);
    return QGroupBox::event(event);
}

QRect Frame::captionRect() const
{
    const QFontMetrics metrics(font());
    return {CaptionIndent, 0, metrics.horizontalAdvance(title()) + 2 * CaptionPadding, metrics.height()};
}

// Drawn as an etched line with the caption set into its top edge, over the
// same background as the window, so that opaque labels inside blend in. A
// change of a control inside repaints only a part; what lies outside it is
// not drawn at all.
void Frame::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QString caption = title();
    const QRect text = captionRect();
    const int top = caption.isEmpty() ? 0 : text.height() / 2;
    const QRect line = rect().adjusted(0, top, -2, -2);
    if (!event->region().subtracted(line.adjusted(2, 2, -1, -1)).isEmpty()) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(line);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(line.translated(1, 1));
    }
    if (caption.isEmpty() || !event->region().intersects(text))
        return;
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(readableOn(palette().color(QPalette::Window), resolveColour(m_foreColor)));
    painter.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, caption);
}
