// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/XDisplayProbe.h"

#include "platform/AsciiDigits.h"

#include <QByteArray>

#include <optional>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
#    define X11_DISPLAY_SOCKETS
#    include <cerrno>
#    include <cstddef>
#    include <cstring>
#    include <sys/socket.h>
#    include <sys/un.h>
#    include <unistd.h>
#endif

namespace {

#ifdef X11_DISPLAY_SOCKETS
// Whether something accepts a connection on the Unix socket, in the file
// system or, on Linux, in the abstract namespace.
bool SocketAnswers(const QByteArray& path, bool abstract)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (offset + static_cast<std::size_t>(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path + offset, path.constData(), static_cast<std::size_t>(path.size()));
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (descriptor < 0)
        return true; // cannot tell: let the window system try
    // A full backlog (EAGAIN) is a server that is there but busy.
    const bool answered = ::connect(descriptor, reinterpret_cast<const sockaddr*>(&address), length) == 0 || errno == EAGAIN;
    ::close(descriptor);
    return answered;
}

// The display number of a local display, ":0", "unix:1" or ":2.0".
std::optional<QByteArray> LocalDisplayNumber(const QString& display)
{
    QStringView rest(display);
    if (rest.startsWith(u"unix"))
        rest = rest.mid(4);
    if (!rest.startsWith(u':'))
        return std::nullopt;
    rest = rest.mid(1);
    const qsizetype dot = rest.indexOf(u'.');
    const QStringView number = dot < 0 ? rest : rest.first(dot);
    if (!IsAsciiDigits(number) || (dot >= 0 && !IsAsciiDigits(rest.mid(dot + 1))))
        return std::nullopt;
    return number.toLatin1();
}
#endif

} // namespace

bool LocalXDisplayIsSilent(const QString& display)
{
#ifdef X11_DISPLAY_SOCKETS
    const std::optional<QByteArray> number = LocalDisplayNumber(display);
    if (!number)
        return false;
    const QByteArray socket = "/tmp/.X11-unix/X" + *number;
#    ifdef Q_OS_LINUX
    if (SocketAnswers(socket, true))
        return false;
#    endif
    return !SocketAnswers(socket, false);
#else
    Q_UNUSED(display);
    return false;
#endif
}
