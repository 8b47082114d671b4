#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class InstanceChannel;

// One running copy per user and settings file. The first start claims a lock beside the settings
// file for the whole run and, once its window is up, listens on a local socket named from the user
// and that file; a later start finds the claim taken and asks the running copy, through the socket,
// to come to the front.
// A claim left by a copy that was killed is stale and taken over (QLockFile's own test: the holder's
// process is gone and its flock() with it).
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // moduleDirectory: where the socket module is (the program's own folder when empty).
    explicit SingleInstance(const QString& settingsFilePath, const QString& moduleDirectory = {},
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Claim
    {
        First,          // this is the running copy now
        AlreadyRunning, // a live copy holds the claim
        Unavailable     // the claim cannot be made here (no writable folder); run without it
    };
    // waitMs: how long to wait for a claim to become free or stale.
    Claim claim(int waitMs);
    // Why the claim was Unavailable, or why listening or asking failed.
    QString claimError() const { return m_claimError; }

    // From the copy that holds the claim: takes requests from later starts from now on. Until it
    // is called, a later start keeps asking for as long as its timeout allows. False when later
    // starts cannot reach this copy.
    bool listen();

    // From a later start: asks the running copy to bring its front window up. False when no copy
    // answered within timeoutMs.
    bool askRunningCopyToRaise(int timeoutMs);

    QString serverName() const { return m_serverName; }
    static QString ServerName(const QString& settingsFilePath);

signals:
    // A later start asked this copy to come to the front.
    void raiseRequested();

private:
    bool loadChannel();

    QString m_settingsFilePath;
    QString m_serverName;
    QString m_moduleDirectory;
    QLockFile m_lock;
    std::unique_ptr<InstanceChannel> m_channel;
    QString m_claimError;
};
