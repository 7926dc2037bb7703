#include "sessionbus.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QtEndian>

#include <chrono>
#include <cstdio>
#include <cerrno>
#include <cstring>
#include <optional>

#include <poll.h>
#include <stddef.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// A bus that answers does so in milliseconds, even on a busy machine.
constexpr auto AnswerBound = 1s;

struct SocketAddress
{
    sockaddr_un address{};
    socklen_t length = 0;
};

// The first Unix socket among the bus's addresses ("unix:path=…" or
// "unix:abstract=…", its value escaped as D-Bus escapes it).
std::optional<SocketAddress> unixSocketOf(const QByteArray &addresses)
{
    for (const QByteArray &address : addresses.split(';')) {
        if (!address.startsWith("unix:"))
            continue;
        for (const QByteArray &pair : address.mid(5).split(',')) {
            const bool abstract = pair.startsWith("abstract=");
            if (!abstract && !pair.startsWith("path="))
                continue;
            const QByteArray path = QByteArray::fromPercentEncoding(pair.mid(pair.indexOf('=') + 1));
            SocketAddress socket;
            socket.address.sun_family = AF_UNIX;
            // An abstract name follows a zero byte, and is as long as it is.
            const std::size_t start = abstract ? 1 : 0;
            if (start + std::size_t(path.size()) >= sizeof socket.address.sun_path)
                return std::nullopt;
            std::memcpy(socket.address.sun_path + start, path.constData(), path.size());
            socket.length = socklen_t(offsetof(sockaddr_un, sun_path) + start + path.size() + (abstract ? 0 : 1));
            return socket;
        }
    }
    return std::nullopt;
}

// The bus's Hello call, which every client makes first and every bus answers.
QByteArray helloCall()
{
    QByteArray fields;
    const auto field = [&fields](char code, char type, const QByteArray &value) {
        fields.append(QByteArray(-fields.size() & 7, '\0'));
        fields.append(code).append('\1').append(type).append('\0');
        const quint32 size = qToLittleEndian(quint32(value.size()));
        fields.append(reinterpret_cast<const char *>(&size), sizeof size).append(value).append('\0');
    };
    field(1, 'o', "/org/freedesktop/DBus");
    field(6, 's', "org.freedesktop.DBus");
    field(2, 's', "org.freedesktop.DBus");
    field(3, 's', "Hello");
    const quint32 header[] = {0, qToLittleEndian(quint32(1)), qToLittleEndian(quint32(fields.size()))};
    QByteArray call("l\1\0\1", 4);
    call.append(reinterpret_cast<const char *>(header), sizeof header).append(fields);
    return call.append(QByteArray(-call.size() & 7, '\0'));
}

bool ready(int socket, short events, const QDeadlineTimer &deadline)
{
    pollfd watched{socket, events, 0};
    return poll(&watched, 1, int(deadline.remainingTime())) == 1 && (watched.revents & events);
}

bool sendAll(int socket, const QByteArray &bytes, const QDeadlineTimer &deadline)
{
    for (qsizetype sent = 0; sent < bytes.size();) {
        if (!ready(socket, POLLOUT, deadline))
            return false;
        const ssize_t n = send(socket, bytes.constData() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

// Whatever the bus says next, up to the end of a line when `line` is set.
std::optional<QByteArray> receive(int socket, bool line, const QDeadlineTimer &deadline)
{
    QByteArray said;
    char buffer[256];
    while (said.isEmpty() || (line && !said.endsWith("\r\n"))) {
        if (!ready(socket, POLLIN, deadline))
            return std::nullopt;
        const ssize_t n = recv(socket, buffer, sizeof buffer, 0);
        if (n <= 0)
            return std::nullopt;
        said.append(buffer, n);
    }
    return said;
}

// Whether the bus takes this user and answers a call, all before the deadline.
bool answers(const SocketAddress &bus, const QDeadlineTimer &deadline)
{
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return true;
    const QByteArray uid = QByteArray::number(getuid()).toHex();
    const bool connected = connect(socket, reinterpret_cast<const sockaddr *>(&bus.address), bus.length) == 0
        || (errno == EINPROGRESS && ready(socket, POLLOUT, deadline));
    const bool answered = connected && sendAll(socket, QByteArray("\0AUTH EXTERNAL ", 15) + uid + "\r\n", deadline)
        && receive(socket, true, deadline).value_or(QByteArray()).startsWith("OK ")
        && sendAll(socket, "BEGIN\r\n" + helloCall(), deadline) && receive(socket, false, deadline).has_value();
    close(socket);
    return answered;
}

}

void avoidSilentSessionBus()
{
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const std::optional<SocketAddress> bus = unixSocketOf(address);
    if (!bus || answers(*bus, QDeadlineTimer(AnswerBound)))
        return;
    std::fprintf(stderr, "verided-dar-uzed: the session bus at %s does not answer; starting without it, so screen "
                         "readers cannot reach the window\n", address.constData());
    // An address of no known kind makes every connection fail at once.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "none:");
}
