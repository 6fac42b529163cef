#pragma once
// Later starts of the program played inside a test: the single-instance
// client in a thread of its own, and raw connections that say nothing.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <functional>
#include <future>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "app/SingleInstance.h"

struct LaterStart {
    SingleInstance::Outcome outcome = SingleInstance::Outcome::Alone;
    QString warning;
};

// Runs a later start in another thread. Meanwhile this thread runs its events
// (the running copy answers) or, with runEvents false, does not (a running
// copy that is stopped). meanwhile runs once, 300 ms in. Empty when the start
// has not ended within 20 s; it is then left behind.
inline std::optional<LaterStart> laterStart(const QString& socketPath, const QString& commandLine,
                                            bool runEvents = true, const std::function<void()>& meanwhile = {})
{
    std::packaged_task<LaterStart()> start([socketPath, commandLine] {
        SingleInstance second(socketPath);
        const SingleInstance::Outcome outcome = second.start(commandLine);
        return LaterStart{outcome, second.warning()};
    });
    std::future<LaterStart> result = start.get_future();
    std::thread(std::move(start)).detach(); // the future keeps what it leaves
    auto ended = [&result] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; };
    QDeadlineTimer deadline(20000), nudge(300);
    bool nudged = !meanwhile;
    while (!ended() && !deadline.hasExpired()) {
        if (runEvents)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        else
            QThread::msleep(20);
        if (!nudged && nudge.hasExpired()) {
            nudged = true;
            meanwhile();
        }
    }
    return ended() ? std::optional(result.get()) : std::nullopt;
}

// A connection to the running copy that sends nothing (or what the test
// writes into it); -1 when none could be made. Runs the running copy's
// events while its queue of connections is full.
inline int rawConnection(const QString& socketPath)
{
    const QByteArray p = QFile::encodeName(socketPath);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    memcpy(addr.sun_path, p.constData(), size_t(std::min<qsizetype>(p.size(), sizeof addr.sun_path - 1)));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    QDeadlineTimer deadline(5000);
    while (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        if (errno != EAGAIN || deadline.hasExpired()) {
            ::close(fd);
            return -1;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return fd;
}

// The running copy closed its end: nothing more to read, or writing fails.
inline bool closedByPeer(int fd)
{
    char c;
    const ssize_t n = ::recv(fd, &c, 1, MSG_DONTWAIT);
    return n == 0 || (n < 0 && errno != EAGAIN);
}
