#include "feed/FeedHub.h"

#include "feed/WebServer.h"

FeedHub::FeedHub() = default;

FeedHub::~FeedHub()
{
    {
        std::lock_guard lock(m_announceMutex);
        m_ending = true;
    }
    m_announce.notify_one();
    if (m_announcer.joinable())
        m_announcer.join();
}

void FeedHub::Announce()
{
    WebServer::YieldToInterface();
    std::unique_lock lock(m_announceMutex);
    while (true) {
        m_announce.wait(lock, [this] { return m_pending || m_ending; });
        if (m_ending)
            return;
        m_pending = false;
        lock.unlock();
        m_changed.notify_all();
        lock.lock();
    }
}

qint64 FeedHub::Publish(FeedState state)
{
    // The messages are written before the lock, so a client never waits on the encoding.
    const qint64 previous = Sequence();
    {
        std::lock_guard lock(m_mutex);
        if (previous != 0 && m_state.SameBoard(state))
            return 0;
    }
    state.sequence = previous + 1;
    Message change{state.sequence, state.ToJson("change")};
    QByteArray full = state.ToJson("state");
    {
        std::lock_guard lock(m_mutex);
        m_state = std::move(state);
        m_stateJson = std::move(full);
        m_history.push_back(std::move(change));
        while (static_cast<qint64>(m_history.size()) > Backlog)
            m_history.pop_front();
    }
    if (!m_announcing) {
        m_changed.notify_all();
        return previous + 1;
    }
    {
        std::lock_guard lock(m_announceMutex);
        m_pending = true;
    }
    m_announce.notify_one();
    return previous + 1;
}

FeedHub::Next FeedHub::Take(qint64& seen, std::vector<Message>& out, std::chrono::milliseconds timeout,
                            const std::atomic_bool* cancel, const std::atomic_bool* alsoCancel)
{
    std::call_once(m_announcerStarted, [this] {
        m_announcer = std::thread([this] { Announce(); });
        m_announcing = true;
    });
    std::unique_lock lock(m_mutex);
    auto cancelled = [&] {
        return m_stopped || (cancel && cancel->load()) || (alsoCancel && alsoCancel->load());
    };
    auto ready = [&] {
        return cancelled() || seen < 0 || seen != m_state.sequence;
    };
    if (!m_changed.wait_for(lock, timeout, ready))
        return Next::Timeout;
    if (cancelled())
        return Next::Stopped;
    const qint64 latest = m_state.sequence;
    const qint64 oldest = m_history.empty() ? latest + 1 : m_history.front().sequence;
    if (seen < 0 || seen > latest || seen + 1 < oldest) {
        out.push_back({latest, m_stateJson, true});
    } else {
        for (const Message& message : m_history)
            if (message.sequence > seen)
                out.push_back(message);
    }
    seen = latest;
    return Next::Messages;
}

FeedHub::Message FeedHub::Current() const
{
    std::lock_guard lock(m_mutex);
    return {m_state.sequence, m_stateJson};
}

FeedState FeedHub::CurrentState() const
{
    std::lock_guard lock(m_mutex);
    return m_state;
}

QByteArray FeedHub::LatestChange() const
{
    std::lock_guard lock(m_mutex);
    return m_history.empty() ? QByteArray() : m_history.back().json;
}

qint64 FeedHub::Sequence() const
{
    std::lock_guard lock(m_mutex);
    return m_state.sequence;
}

void FeedHub::Stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
    }
    m_changed.notify_all();
}

void FeedHub::Wake()
{
    // Taking the lock first: a client between its check and its wait cannot miss this.
    {
        std::lock_guard lock(m_mutex);
    }
    m_changed.notify_all();
}

void FeedHub::Restart()
{
    std::lock_guard lock(m_mutex);
    m_stopped = false;
}
