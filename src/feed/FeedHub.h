#pragma once

#include "feed/FeedState.h"

#include <QByteArray>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// Where the interface thread leaves each new state of the board and every client's thread picks
// up what it has not sent yet. Publishing only takes a short lock and never waits for a client.
// Clients keep nothing but the number of the last message they sent; the hub keeps the last
// Backlog messages, so a client that fell further behind (or resumes from a number it no longer
// has) gets the whole current state instead of a backlog.
class FeedHub
{
public:
    static constexpr qint64 Backlog = 128;

    struct Message
    {
        qint64 sequence = 0;
        QByteArray json;
        // The whole state ("state") rather than the next change ("change").
        bool full = false;
    };

    enum class Next
    {
        Messages,
        Timeout,
        Stopped
    };

    // Numbers the state and hands it to the clients; a state that shows the same board as the
    // one before is dropped. Returns the state's number, or 0 when it was dropped.
    qint64 Publish(FeedState state);

    // The messages after `seen` (a "change" message each), or the current state alone (a "state"
    // message) when seen is negative, ahead of the hub or too far behind. Waits up to timeout
    // while there is nothing new. seen becomes the number of the last message given. A set
    // cancel (or alsoCancel) ends the wait (Stopped) at the next Wake.
    Next Take(qint64& seen, std::vector<Message>& out, std::chrono::milliseconds timeout,
              const std::atomic_bool* cancel = nullptr, const std::atomic_bool* alsoCancel = nullptr);
    // Wakes every waiting client to look at its cancel flag.
    void Wake();

    // The current state as a "state" message.
    Message Current() const;
    FeedState CurrentState() const;
    // The last "change" message; empty before the first.
    QByteArray LatestChange() const;
    qint64 Sequence() const;

    // Wakes every waiting client for good: Take answers Stopped from then on.
    void Stop();
    // Clients may wait again (a server started anew).
    void Restart();

    // Clients connected to the pages' streams (SSE and WebSocket).
    std::atomic<int> viewers{0};

    FeedHub();
    ~FeedHub();

private:
    // Wakes the clients on a thread of its own: waking hundreds of threads costs the waker
    // a millisecond or more, which the interface thread does not spend.
    void Announce();

    std::mutex m_announceMutex;
    std::condition_variable m_announce;
    bool m_pending = false;
    bool m_ending = false;
    // Started with the first client, so that a feed nobody follows runs no thread.
    std::once_flag m_announcerStarted;
    std::atomic_bool m_announcing{false};
    std::thread m_announcer;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    FeedState m_state;
    QByteArray m_stateJson = m_state.ToJson("state");
    std::deque<Message> m_history;
    bool m_stopped = false;
};
