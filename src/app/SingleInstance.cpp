#include "SingleInstance.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <memory>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr int ConnectWaitMs = 1000;
constexpr int AnswerWaitMs = 5000;
constexpr int LockWaitMs = 3000;
constexpr int RequestWaitMs = 5000; // a caller has this long to send its text
constexpr int CallerLifeMs = 10000; // and this long to be served or dropped
constexpr int MaxCallers = 32;
constexpr quint32 MaxTextBytes = SingleInstance::MaxChars * 2; // UTF-16
constexpr char Taken = 'K';
constexpr char Refused = 'R';

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// Where start() runs on its own, it says why once; these begin the line.
QString notOurs(const QString& path, const char* what)
{
    return QStringLiteral("%1 is not a %2 of this user; this copy runs on its own").arg(path, what);
}

// The lock that makes looking for a running copy and listening one step:
// an advisory lock on a plain file of our own, which the system lets go of
// when the process ends, so nothing is ever left locked by a crash.
class StartLock {
public:
    ~StartLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    // Empty when held; otherwise why not.
    QString take(const QString& path)
    {
        const QByteArray p = native(path);
        struct stat st {};
        const bool exists = ::lstat(p.constData(), &st) == 0;
        if (exists && (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()))
            return notOurs(path, "plain file");
        // No links followed and nothing that could block on opening.
        m_fd = ::open(p.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
        if (m_fd < 0)
            return errno == ELOOP ? notOurs(path, "plain file")
                                  : QStringLiteral("cannot open %1 (%2); this copy runs on its own")
                                        .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            return notOurs(path, "plain file");
        const QDeadlineTimer deadline(LockWaitMs);
        while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired())
                return QStringLiteral("another start has held %1 too long; this copy runs on its own").arg(path);
            QThread::msleep(20);
        }
        return {};
    }

private:
    int m_fd = -1;
};

enum class Probe { Nobody, Connected, Failed };

// Connects without ever blocking past the deadline. Nobody: no socket there,
// or one that no process listens on any more.
Probe connectTo(const QString& path, int* fd)
{
    const QByteArray p = native(path);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (p.size() >= int(sizeof addr.sun_path))
        return Probe::Failed;
    std::memcpy(addr.sun_path, p.constData(), p.size());
    *fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (*fd < 0)
        return Probe::Failed;
    const QDeadlineTimer deadline(ConnectWaitMs);
    for (;;) {
        if (::connect(*fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0)
            return Probe::Connected;
        if (errno == ECONNREFUSED || errno == ENOENT)
            return Probe::Nobody;
        // A full queue of connections: a running copy that does not accept.
        if ((errno != EAGAIN && errno != EINTR) || deadline.hasExpired())
            return Probe::Failed;
        QThread::msleep(20);
    }
}

bool writeAll(int fd, const QByteArray& data, const QDeadlineTimer& deadline)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::send(fd, data.constData() + done, size_t(data.size() - done), MSG_NOSIGNAL);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd p{fd, POLLOUT, 0};
        if (deadline.hasExpired() || ::poll(&p, 1, int(deadline.remainingTime())) < 0)
            return false;
    }
    return true;
}

// The answer byte, or 0 when the running copy closed without one or the
// deadline passed.
char readAnswer(int fd, const QDeadlineTimer& deadline)
{
    for (;;) {
        char c = 0;
        const ssize_t n = ::recv(fd, &c, 1, MSG_DONTWAIT);
        if (n == 1)
            return c;
        if (n == 0 || (errno != EAGAIN && errno != EINTR))
            return 0;
        pollfd p{fd, POLLIN, 0};
        if (deadline.hasExpired() || ::poll(&p, 1, int(deadline.remainingTime())) < 0)
            break;
    }
    // Giving up: from here on the running copy cannot write its answer, so
    // it drops the text. An answer written before this moment still counts.
    ::shutdown(fd, SHUT_RD);
    char c = 0;
    return ::recv(fd, &c, 1, MSG_DONTWAIT) == 1 ? c : 0;
}
} // namespace

struct SingleInstance::Caller {
    QLocalSocket* socket = nullptr;
    QByteArray data;
    QDeadlineTimer deadline{RequestWaitMs};
    bool complete = false;
    QString text;
};

SingleInstance::SingleInstance(const QString& socketPath, QObject* parent) : QObject(parent), m_path(socketPath) {}

SingleInstance::~SingleInstance()
{
    while (!m_callers.empty())
        drop(m_callers.begin());
    if (m_server)
        m_server->close(); // removes the socket file
}

bool SingleInstance::isPrivateFolder(const QString& path)
{
    struct stat st {};
    return !path.isEmpty() && ::lstat(native(path).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

QString SingleInstance::standardSocketPath()
{
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!isPrivateFolder(dir)) {
        // A runtime folder others may write in lets them listen first: use
        // a folder of our own, and none at all if even that is not ours.
        dir = QDir::tempPath() + "/corkcrafter-" + QString::number(::geteuid());
        ::mkdir(native(dir).constData(), 0700);
        if (!isPrivateFolder(dir))
            return {};
    }
    return dir + "/corkcrafter.socket";
}

QString SingleInstance::forHandOff(const QString& commandLine, const QString& workingFolder)
{
    if (commandLine.isEmpty() || commandLine.startsWith('\\') || QDir::isAbsolutePath(commandLine))
        return commandLine;
    return QDir::cleanPath(QDir(workingFolder).absoluteFilePath(commandLine));
}

SingleInstance::Outcome SingleInstance::start(const QString& commandLine)
{
    m_warning.clear();
    if (m_path.isEmpty() || !isPrivateFolder(QFileInfo(m_path).path()))
        return Outcome::Alone;
    // Two copies started at the same moment must not both take the socket:
    // looking for a running copy and listening happen under one lock.
    auto lock = std::make_unique<StartLock>();
    m_warning = lock->take(m_path + ".lock");
    if (!m_warning.isEmpty())
        return Outcome::Alone;

    struct stat st {};
    if (::lstat(native(m_path).constData(), &st) != 0)
        return listen() ? Outcome::Serving : Outcome::Alone;
    if (st.st_uid != ::geteuid() || !(S_ISSOCK(st.st_mode) || S_ISREG(st.st_mode))) {
        m_warning = notOurs(m_path, "socket");
        return Outcome::Alone;
    }
    int fd = -1;
    const Probe probe = S_ISSOCK(st.st_mode) ? connectTo(m_path, &fd) : Probe::Nobody;
    if (probe != Probe::Connected) {
        if (fd >= 0)
            ::close(fd);
        if (probe == Probe::Failed) {
            m_warning = QStringLiteral("the running copy does not answer; this copy runs on its own");
            return Outcome::Alone;
        }
        // Left by a copy that crashed: replaced.
        QFile::remove(m_path);
        return listen() ? Outcome::Serving : Outcome::Alone;
    }
    lock.reset(); // the running copy is there: later starts need not wait for this one
    const bool taken = handOver(fd, commandLine);
    ::close(fd);
    return taken ? Outcome::HandedOver : Outcome::Alone;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_path)) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
    m_sweep = new QTimer(this);
    m_sweep->setInterval(200);
    connect(m_sweep, &QTimer::timeout, this, &SingleInstance::sweep);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::accept);
    return true;
}

bool SingleInstance::handOver(int fd, const QString& commandLine)
{
    // Whoever listens must be this user: the socket file's owner says little
    // about the process behind it.
    ucred peer{};
    socklen_t len = sizeof peer;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &len) != 0 || peer.uid != ::geteuid()) {
        m_warning = QStringLiteral("the copy listening on %1 belongs to another user; this copy runs on its own")
                        .arg(m_path);
        return false;
    }
    if (commandLine.size() > MaxChars) {
        m_warning = QStringLiteral("the command line is too long to hand to the running copy; this copy runs on its own");
        return false;
    }
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << commandLine;
    const QDeadlineTimer deadline(AnswerWaitMs);
    const char answer = writeAll(fd, block, deadline) ? readAnswer(fd, deadline) : 0;
    if (answer == Taken)
        return true;
    if (answer != Refused) // a copy that is closing refuses: nothing to say about that
        m_warning = QStringLiteral("the running copy did not answer in time; this copy runs on its own");
    return false;
}

void SingleInstance::accept()
{
    while (QLocalSocket* s = m_server->nextPendingConnection()) {
        if (int(m_callers.size()) >= MaxCallers) {
            // Callers that hold a connection without saying anything make
            // way for new ones rather than shut everybody out.
            auto idle = std::find_if(m_callers.begin(), m_callers.end(), [](const Caller& c) { return !c.complete; });
            if (idle == m_callers.end()) {
                s->abort();
                s->deleteLater();
                continue;
            }
            drop(idle);
        }
        s->setReadBufferSize(MaxTextBytes + 8);
        m_callers.emplace_back().socket = s;
        connect(s, &QLocalSocket::readyRead, this, [this, s] { read(s); });
        connect(s, &QLocalSocket::disconnected, this, [this, s] {
            // Gone before it was served: it gave up and opens the label itself.
            const auto it = find(s);
            if (it != m_callers.end())
                drop(it);
        });
        read(s);
    }
    if (!m_callers.empty())
        m_sweep->start();
}

std::list<SingleInstance::Caller>::iterator SingleInstance::find(QLocalSocket* s)
{
    return std::find_if(m_callers.begin(), m_callers.end(), [s](const Caller& c) { return c.socket == s; });
}

void SingleInstance::drop(std::list<Caller>::iterator it)
{
    QLocalSocket* s = it->socket;
    m_callers.erase(it);
    s->disconnect(this);
    s->abort();
    s->deleteLater();
}

// Reads what has come, never more than a command line may take, and never
// waits for the rest.
void SingleInstance::read(QLocalSocket* s)
{
    const auto it = find(s);
    if (it == m_callers.end() || it->complete)
        return;
    Caller& c = *it;
    if (c.data.size() < 4)
        c.data += s->read(4 - c.data.size());
    if (c.data.size() < 4)
        return;
    const quint32 length = qFromBigEndian<quint32>(c.data.constData());
    const quint32 bytes = length == 0xFFFFFFFFu ? 0 : length; // all ones: an empty text
    if (bytes > MaxTextBytes || bytes % 2) {
        drop(it); // not a command line: nothing more of it is read
        return;
    }
    const qint64 whole = 4 + qint64(bytes);
    c.data += s->read(whole - c.data.size());
    if (c.data.size() < whole)
        return;
    QDataStream in(c.data);
    in.setVersion(QDataStream::Qt_6_0);
    in >> c.text;
    c.complete = true;
    c.deadline = QDeadlineTimer(CallerLifeMs);
    serve();
}

// Acts on the complete command lines in the order they came, as long as the
// window is ready for them.
void SingleInstance::serve()
{
    if (m_serving)
        return; // the receiver runs a dialog of its own: the rest waits for it
    m_serving = true;
    for (;;) {
        const auto it = std::find_if(m_callers.begin(), m_callers.end(), [](const Caller& c) { return c.complete; });
        if (it == m_callers.end())
            break;
        const Readiness r = !m_receiver ? Readiness::Busy : m_readiness ? m_readiness() : Readiness::Ready;
        if (r == Readiness::Busy)
            break;
        const int fd = int(it->socket->socketDescriptor());
        const QString text = it->text;
        // The answer goes out before the text is acted on, in the same step:
        // if it cannot be written the caller has given up and opens the label
        // itself, so it is dropped here.
        const char answer = r == Readiness::Ready ? Taken : Refused;
        const bool sent = fd >= 0 && ::send(fd, &answer, 1, MSG_NOSIGNAL | MSG_DONTWAIT) == 1;
        drop(it);
        if (sent && r == Readiness::Ready)
            m_receiver(text);
    }
    m_serving = false;
    if (m_callers.empty() && m_sweep)
        m_sweep->stop();
}

void SingleInstance::sweep()
{
    for (auto it = m_callers.begin(); it != m_callers.end();) {
        const auto next = std::next(it);
        if (it->deadline.hasExpired())
            drop(it);
        it = next;
    }
    serve();
}

void SingleInstance::setReceiver(std::function<void(const QString&)> receiver, std::function<Readiness()> readiness)
{
    m_receiver = std::move(receiver);
    m_readiness = std::move(readiness);
    serve();
}
