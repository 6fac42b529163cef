#pragma once
// One running copy per user: a second start hands its command line to the
// copy already running (through a local socket in the user's runtime folder)
// and ends, so opening label files from a file manager lands in one window.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QLocalServer;
class QLocalSocket;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        HandedOver, // a running copy took the command line: this start ends
        Serving,    // this is the running copy now and listens for later starts
        Alone       // neither (no runtime folder, or a copy that did not answer)
    };

    // socketPath: where the running copy listens (see standardSocketPath()).
    explicit SingleInstance(const QString& socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Gives the command line to a running copy, or becomes the running copy.
    Outcome start(const QString& commandLine);

    // Command lines of later starts go here; those that came before a
    // receiver was set are delivered when it is set, in order.
    void setReceiver(std::function<void(const QString&)> receiver);

    QString socketPath() const { return m_path; }

    // "corkcrafter.socket" in $XDG_RUNTIME_DIR (or the runtime folder Qt falls
    // back to); empty when there is none.
    static QString standardSocketPath();

    // What a second start sends: a file name relative to the folder it was
    // started in becomes absolute, since the running copy works elsewhere. A
    // label description and an absolute path are sent as they are.
    static QString forHandOff(const QString& commandLine, const QString& workingFolder);

private:
    bool sendTo(QLocalSocket& s, const QString& commandLine);
    void accept();
    void deliver(const QString& text);

    QString m_path;
    QLocalServer* m_server = nullptr;
    std::function<void(const QString&)> m_receiver;
    QStringList m_pending;
};
