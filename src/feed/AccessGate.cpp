#include "feed/AccessGate.h"

namespace {

// Beyond this many remembered addresses the stale ones are dropped, so that a flood of addresses
// cannot grow the table without bound.
constexpr qsizetype MaxRecords = 4096;

} // namespace

void AccessGate::setCode(const QByteArray& code)
{
    std::lock_guard lock(m_mutex);
    m_code = code.toUpper();
}

bool AccessGate::SameCode(const QByteArray& a, const QByteArray& b)
{
    unsigned char difference = a.size() == b.size() ? 0 : 1;
    const qsizetype length = a.size();
    for (qsizetype i = 0; i < length; ++i)
        difference |= static_cast<unsigned char>(a[i] ^ (i < b.size() ? b[i] : 0));
    return difference == 0;
}

AccessGate::Verdict AccessGate::Check(const QByteArray& address, const QByteArray& presented, qint64 nowMs)
{
    std::lock_guard lock(m_mutex);
    auto found = m_records.find(address);
    if (found != m_records.end() && found->blockedUntil > nowMs)
        return Verdict::Blocked;
    if (!m_code.isEmpty() && !presented.isEmpty() && SameCode(m_code, presented.toUpper()))
        return Verdict::Granted;
    // Asking without a code is how every first visit starts; only wrong guesses count.
    if (presented.isEmpty())
        return Verdict::Refused;
    if (found == m_records.end()) {
        if (m_records.size() >= MaxRecords)
            Forget(nowMs);
        found = m_records.insert(address, {});
    }
    Record& record = *found;
    if (nowMs - record.windowStart >= WindowMs) {
        record.windowStart = nowMs;
        record.failures = 0;
    }
    if (++record.failures >= MaxFailures) {
        record.blockedUntil = nowMs + WindowMs;
        record.failures = 0;
        record.windowStart = nowMs;
    }
    return Verdict::Refused;
}

void AccessGate::Forget(qint64 nowMs)
{
    for (auto it = m_records.begin(); it != m_records.end();) {
        if (it->blockedUntil <= nowMs && nowMs - it->windowStart >= WindowMs)
            it = m_records.erase(it);
        else
            ++it;
    }
    // Still full of live records: the oldest knowledge goes rather than memory growing.
    if (m_records.size() >= MaxRecords)
        m_records.clear();
}
