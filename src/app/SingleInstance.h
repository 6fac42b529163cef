#pragma once
// One running copy per user: a second start hands its command line to the
// copy already running (through a local socket in the user's own runtime
// folder) and ends, so opening label files from a file manager lands in one
// window.
//
// The exchange: the later start sends its command line and waits a few
// seconds for one byte. The running copy answers "taken" only at the moment
// it acts on the text, or "refused" when it is closing. A start that gives up
// waiting first shuts its side for reading, after which the running copy's
// answer cannot be written: so either the answer arrived and the running copy
// has the text, or it did not and the running copy drops it. The text is
// never acted on by both, and never by neither.
#include <QObject>
#include <QString>
#include <functional>
#include <list>

class QLocalServer;
class QLocalSocket;
class QTimer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        HandedOver, // a running copy took the command line: this start ends
        Serving,    // this is the running copy now and listens for later starts
        Alone       // neither (no usable runtime folder, or a copy that did not take it)
    };
    // Whether the running copy can act on a later start's command line now.
    enum class Readiness {
        Ready,   // act on it at once
        Busy,    // not yet (one of its dialogs is open): the later start waits
        Refusing // it is closing: the later start opens its own window
    };

    // A command line longer than this is not handed over: the start that has
    // it runs on its own. Longer than any path, and keeps messages small.
    static constexpr int MaxChars = 4096;

    // socketPath: where the running copy listens (see standardSocketPath()).
    explicit SingleInstance(const QString& socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Gives the command line to a running copy, or becomes the running copy.
    // Never waits much longer than the answer time of a running copy.
    Outcome start(const QString& commandLine);
    // Why start() ran on its own although a running copy may exist (one line
    // for the console), or empty.
    QString warning() const { return m_warning; }

    // Command lines of later starts go to receiver, one at a time, when
    // readiness says Ready; without a readiness test, whenever a receiver is
    // set. Later starts wait (a few seconds) while there is no receiver.
    void setReceiver(std::function<void(const QString&)> receiver, std::function<Readiness()> readiness = {});

    QString socketPath() const { return m_path; }

    // "corkcrafter.socket" in $XDG_RUNTIME_DIR when that folder is the user's
    // own and nobody else may write in it; otherwise in a folder of the user's
    // own made in the temporary folder; empty when neither is safe.
    static QString standardSocketPath();
    // A real folder (not a link) owned by this user that no one else may write in.
    static bool isPrivateFolder(const QString& path);

    // What a second start sends: a file name relative to the folder it was
    // started in becomes absolute, since the running copy works elsewhere. A
    // label description and an absolute path are sent as they are.
    static QString forHandOff(const QString& commandLine, const QString& workingFolder);

private:
    struct Caller;
    bool listen();
    bool handOver(int fd, const QString& commandLine);
    void accept();
    void read(QLocalSocket* s);
    void serve();
    void sweep();
    void drop(std::list<Caller>::iterator it);
    std::list<Caller>::iterator find(QLocalSocket* s);

    QString m_path;
    QString m_warning;
    QLocalServer* m_server = nullptr;
    QTimer* m_sweep = nullptr;
    std::list<Caller> m_callers; // in the order they came
    std::function<void(const QString&)> m_receiver;
    std::function<Readiness()> m_readiness;
    bool m_serving = false;
};
