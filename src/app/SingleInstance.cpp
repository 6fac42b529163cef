#include "SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace {
constexpr int ConnectWaitMs = 1000;
constexpr int AnswerWaitMs = 5000;
constexpr char Received = 'K';
} // namespace

SingleInstance::SingleInstance(const QString& socketPath, QObject* parent) : QObject(parent), m_path(socketPath) {}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close(); // removes the socket file
}

QString SingleInstance::standardSocketPath()
{
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        return {};
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
    if (m_path.isEmpty())
        return Outcome::Alone;
    // Two copies started at the same moment must not both take the socket:
    // looking for a running copy and listening happen under one lock.
    QLockFile lock(m_path + ".lock");
    if (!lock.tryLock(AnswerWaitMs + ConnectWaitMs))
        return Outcome::Alone;

    QLocalSocket s;
    s.connectToServer(m_path);
    if (s.waitForConnected(ConnectWaitMs))
        return sendTo(s, commandLine) ? Outcome::HandedOver : Outcome::Alone;
    // Nobody answers: a socket file left by a copy that crashed is removed.
    QLocalServer::removeServer(m_path);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_path)) {
        delete m_server;
        m_server = nullptr;
        return Outcome::Alone;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::accept);
    return Outcome::Serving;
}

bool SingleInstance::sendTo(QLocalSocket& s, const QString& commandLine)
{
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << commandLine;
    s.write(block);
    if (!s.waitForBytesWritten(AnswerWaitMs))
        return false;
    // Only an answer means the running copy has the text; without one this
    // start goes on by itself rather than lose it.
    QElapsedTimer t;
    t.start();
    while (s.bytesAvailable() < 1 && t.elapsed() < AnswerWaitMs)
        if (!s.waitForReadyRead(int(AnswerWaitMs - t.elapsed())))
            break;
    char c = 0;
    return s.getChar(&c) && c == Received;
}

void SingleInstance::accept()
{
    while (QLocalSocket* s = m_server->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QLocalSocket::readyRead, this, [this, s] {
            QDataStream in(s);
            in.setVersion(QDataStream::Qt_6_0);
            in.startTransaction();
            QString text;
            in >> text;
            if (!in.commitTransaction())
                return; // the rest has not arrived yet
            s->putChar(Received);
            s->flush();
            s->disconnectFromServer();
            deliver(text);
        });
    }
}

void SingleInstance::deliver(const QString& text)
{
    if (m_receiver)
        m_receiver(text);
    else
        m_pending << text;
}

void SingleInstance::setReceiver(std::function<void(const QString&)> receiver)
{
    m_receiver = std::move(receiver);
    const QStringList pending = std::exchange(m_pending, {});
    for (const QString& t : pending)
        deliver(t);
}
