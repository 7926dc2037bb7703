// Holding keys until a screen reader has answered for them; nothing else of the application.

#include "readerkeys.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QKeyEvent>
#include <QPointer>

#include <deque>
#include <memory>
#include <optional>

namespace {

// A reader that has not answered in this time has hung, or has not taken the
// key: the program acts on it. A busy reader answers well within it.
constexpr int AnswerBound = 2000;  // ms

// The names by which Qt's own bridge tells readers the keys they bind
// commands to; any other key is told by its text.
struct KeyName
{
    int key;
    QLatin1StringView name;  // empty: the key's text
    QLatin1StringView onKeypad;  // empty: the same as off it
};

using namespace Qt::Literals::StringLiterals;

constexpr KeyName KeyNames[] = {
    {Qt::Key_Tab, "Tab"_L1, {}},
    {Qt::Key_Backtab, "Backtab"_L1, {}},
    {Qt::Key_Control, "Control_L"_L1, {}},
    {Qt::Key_Left, "Left"_L1, "KP_Left"_L1},
    {Qt::Key_Right, "Right"_L1, "KP_Right"_L1},
    {Qt::Key_Up, "Up"_L1, "KP_Up"_L1},
    {Qt::Key_Down, "Down"_L1, "KP_Down"_L1},
    {Qt::Key_Enter, "Return"_L1, {}},
    {Qt::Key_Return, "Return"_L1, {}},
    {Qt::Key_Backspace, "BackSpace"_L1, {}},
    {Qt::Key_Delete, "Delete"_L1, {}},
    {Qt::Key_PageUp, "Page_Up"_L1, "KP_Page_Up"_L1},
    {Qt::Key_PageDown, "Page_Down"_L1, "KP_Page_Down"_L1},
    {Qt::Key_Home, "Home"_L1, "KP_Home"_L1},
    {Qt::Key_End, "End"_L1, "KP_End"_L1},
    {Qt::Key_Clear, {}, "KP_Begin"_L1},
    {Qt::Key_Escape, "Escape"_L1, {}},
    {Qt::Key_Space, "space"_L1, {}},
    {Qt::Key_CapsLock, "Caps_Lock"_L1, {}},
    {Qt::Key_NumLock, "Num_Lock"_L1, {}},
    {Qt::Key_Insert, "Insert"_L1, {}},
};

QString nameOf(const QKeyEvent *key)
{
    for (const KeyName &known : KeyNames) {
        if (known.key != key->key())
            continue;
        if ((key->modifiers() & Qt::KeypadModifier) && !known.onKeypad.isEmpty())
            return known.onKeypad;
        return known.name.isEmpty() ? key->text() : QString(known.name);
    }
    return key->text();
}

// The modifiers held with a key, as at-spi numbers them; a modifier key is
// not held with itself.
int modifiersOf(const QKeyEvent *key)
{
    enum AtspiModifier { Shift = 0, ShiftLock = 1, Control = 2, Alt = 3, Meta = 4 };
    constexpr unsigned XLockMask = 2;
    const auto held = [key](Qt::KeyboardModifier modifier, Qt::Key itself) {
        return (key->modifiers() & modifier) && key->key() != itself;
    };
    int bits = 0;
    bits |= held(Qt::ShiftModifier, Qt::Key_Shift) << Shift;
    if (QGuiApplication::platformName().startsWith("xcb"_L1))
        bits |= bool(key->nativeModifiers() & XLockMask) << ShiftLock;
    bits |= held(Qt::ControlModifier, Qt::Key_Control) << Control;
    bits |= held(Qt::AltModifier, Qt::Key_Alt) << Alt;
    bits |= held(Qt::MetaModifier, Qt::Key_Meta) << Meta;
    return bits;
}

// Asks every reader listening for keys whether it takes this one; the answer
// is true if one does.
QDBusMessage askReaders(const QKeyEvent *key)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        u"org.a11y.atspi.Registry"_s, u"/org/a11y/atspi/registry/deviceeventcontroller"_s,
        u"org.a11y.atspi.DeviceEventController"_s, u"NotifyListenersSync"_s);
    const QString name = nameOf(key);
    QDBusArgument event;
    event.beginStructure();
    // The time is the key's own, as the display server stamped it: a reader
    // takes two keys of one time for one key told twice, and the keys of a
    // double press can reach the program in the same millisecond.
    event << uint(key->type() == QEvent::KeyPress ? 0 : 1) << int(key->nativeVirtualKey())
          << int(key->nativeScanCode()) << modifiersOf(key) << static_cast<int>(key->timestamp()) << name
          << !name.isEmpty();
    event.endStructure();
    message << QVariant::fromValue(event);
    return message;
}

bool isKey(const QEvent *event)
{
    return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
}

}

// The keys pressed while a reader listens, in order, each held until the
// readers have answered for it and every key before it has gone on.
class ReaderAwareApplication::KeyQueue : public QObject
{
public:
    using QObject::QObject;

    // Qt's own connection to the accessibility bus, there while a reader may listen.
    static QDBusConnection bus()
    {
        return QDBusConnection(u"a11y"_s);
    }

    static bool readersMayListen()
    {
        return QAccessible::isActive() && bus().isConnected();
    }

    bool hold(QObject *receiver, const QKeyEvent *key)
    {
        if (!readersMayListen())
            return false;
        Held &held = m_held.emplace_back(Held{receiver, copyOf(key), std::nullopt});
        auto *call = new QDBusPendingCallWatcher(bus().asyncCall(askReaders(key), AnswerBound), this);
        connect(call, &QDBusPendingCallWatcher::finished, this, [this, &held](QDBusPendingCallWatcher *answered) {
            answered->deleteLater();
            const QDBusPendingReply<bool> taken = *answered;
            held.takenByReader = taken.isValid() && taken.value();
            passOnAnswered();
        });
        return true;
    }

private:
    struct Held
    {
        QPointer<QObject> receiver;
        std::unique_ptr<QKeyEvent> key;
        std::optional<bool> takenByReader;
    };

    // A copy is not spontaneous: neither this queue nor Qt's bridge asks again.
    static std::unique_ptr<QKeyEvent> copyOf(const QKeyEvent *key)
    {
        auto copy = std::make_unique<QKeyEvent>(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
                                                key->nativeVirtualKey(), key->nativeModifiers(), key->text(),
                                                key->isAutoRepeat(), key->count());
        copy->setTimestamp(key->timestamp());
        return copy;
    }

    void passOnAnswered()
    {
        while (!m_held.empty() && m_held.front().takenByReader.has_value()) {
            Held key = std::move(m_held.front());
            m_held.pop_front();
            if (!*key.takenByReader && key.receiver)
                QCoreApplication::postEvent(key.receiver, key.key.release());
        }
    }

    // A deque keeps each key where it is while keys are added behind it.
    std::deque<Held> m_held;
};

ReaderAwareApplication::ReaderAwareApplication(int &argc, char **argv)
    : QApplication(argc, argv), m_keys(new KeyQueue(this))
{
}

// Qt offers a key to its shortcuts before it delivers it, and a shortcut would
// act at once, ahead of the keys still held: Alt+F would open the File menu,
// and the press of Alt before it would close the menu again, or a digit typed
// just before would go to the menu instead of its field. Taken from the
// shortcuts here, the key is held as any other; passed on, Qt offers it to
// them again.
bool ReaderAwareApplication::notify(QObject *receiver, QEvent *event)
{
    if (event->spontaneous() && event->type() == QEvent::ShortcutOverride && KeyQueue::readersMayListen()) {
        event->accept();
        return true;
    }
    if (event->spontaneous() && isKey(event) && m_keys->hold(receiver, static_cast<QKeyEvent *>(event)))
        return true;
    return QApplication::notify(receiver, event);
}
