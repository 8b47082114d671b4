#pragma once

#include <QByteArray>
#include <QHash>

#include <mutex>

// Who may see the feed: whoever presents the access code. Codes are compared in constant time,
// and an address that presents MaxFailures wrong codes within a window is refused everything for
// the next window, the right code included. Safe to call from several threads.
class AccessGate
{
public:
    static constexpr int MaxFailures = 20;
    static constexpr qint64 WindowMs = 60000;

    enum class Verdict
    {
        Granted,
        // No code, or a wrong one.
        Refused,
        // Too many wrong codes lately.
        Blocked
    };

    void setCode(const QByteArray& code);
    // presented: the code the request carries (empty when none); now: a monotonic clock in ms.
    Verdict Check(const QByteArray& address, const QByteArray& presented, qint64 nowMs);

    // Equal texts, in a time that depends on their lengths only.
    static bool SameCode(const QByteArray& a, const QByteArray& b);

private:
    struct Record
    {
        qint64 windowStart = 0;
        int failures = 0;
        qint64 blockedUntil = 0;
    };
    void Forget(qint64 nowMs);

    std::mutex m_mutex;
    QByteArray m_code;
    QHash<QByteArray, Record> m_records;
};
