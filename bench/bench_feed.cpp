// The live feed's figures: a key on the scoreboard to the new amount in headless Chromium's DOM
// on /overlay; a state change to the last of 500 SSE and WebSocket clients on loopback; the
// scoreboard's key-to-frame with 500 clients against none, in the same run; and the memory the
// 500 clients add. Run on an X server (scripts/run-bench.sh), where the board's frames are real.
#include "feed/FeedHub.h"
#include "feed/FeedServer.h"
#include "feed/LiveFeed.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmScoreboard.h"

#include "feed/ChromiumPage.h"
#include "helpers/FrameTiming.h"
#include "helpers/SaleFixture.h"

#include <QApplication>
#include <QDateTime>
#include <QThread>

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

using namespace FeedTest;

namespace {

constexpr int Clients = 500;
const QByteArray Code = "BENCH5";

double ResidentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0)
                             : 0;
}

double NowMs()
{
    return static_cast<double>(std::chrono::duration_cast<std::chrono::microseconds>(
                                   std::chrono::system_clock::now().time_since_epoch())
                                   .count()) /
           1000.0;
}

// 500 clients, half SSE and half WebSocket, read on one thread; notes when each has seen a text.
class Audience
{
public:
    explicit Audience(quint16 port)
    {
        const QByteArray ws = "GET /ws?code=" + Code + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
                              "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13\r\n"
                              "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n\r\n";
        const QByteArray sse = "GET /events?code=" + Code + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
        for (int i = 0; i < Clients; ++i) {
            const int fd = Connect(port);
            if (fd < 0)
                continue;
            SendAll(fd, i % 2 ? ws : sse);
            m_fds.push_back(fd);
        }
        m_seen.assign(m_fds.size(), 0);
        // The clients stand for phones and screens elsewhere: their reading is not the board's work.
        m_reader = std::thread([this] {
            const sched_param none{};
            pthread_setschedparam(pthread_self(), SCHED_IDLE, &none);
            Read();
        });
    }
    ~Audience()
    {
        m_stop = true;
        m_reader.join();
        for (int fd : m_fds)
            ::close(fd);
    }
    size_t size() const { return m_fds.size(); }

    // Waits until every client has received text; the time the last one got it (ms since epoch).
    double WaitForAll(const QByteArray& text, int timeoutMs)
    {
        {
            std::lock_guard lock(m_mutex);
            m_text = text;
            std::fill(m_seen.begin(), m_seen.end(), 0.0);
            m_count = 0;
        }
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            {
                std::lock_guard lock(m_mutex);
                if (m_count == m_fds.size())
                    return *std::max_element(m_seen.begin(), m_seen.end());
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return -1;
    }

private:
    void Read()
    {
        std::vector<pollfd> polls;
        for (int fd : m_fds)
            polls.push_back({fd, POLLIN, 0});
        std::vector<QByteArray> tails(m_fds.size());
        char buffer[65536];
        while (!m_stop) {
            if (::poll(polls.data(), polls.size(), 50) <= 0)
                continue;
            const double now = NowMs();
            std::lock_guard lock(m_mutex);
            for (size_t i = 0; i < polls.size(); ++i) {
                if (!(polls[i].revents & POLLIN))
                    continue;
                const ssize_t n = ::recv(polls[i].fd, buffer, sizeof buffer, 0);
                if (n <= 0) {
                    polls[i].fd = -1;
                    continue;
                }
                tails[i] = tails[i].right(64) + QByteArray(buffer, n);
                if (!m_text.isEmpty() && m_seen[i] == 0 && tails[i].contains(m_text)) {
                    m_seen[i] = now;
                    ++m_count;
                }
            }
        }
    }

    std::vector<int> m_fds;
    std::thread m_reader;
    std::atomic_bool m_stop{false};
    std::mutex m_mutex;
    QByteArray m_text;
    std::vector<double> m_seen;
    size_t m_count = 0;
};

double Percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(p * static_cast<double>(values.size())))];
}

double KeyToFrame(frmScoreboard& window)
{
    auto* lotDisplay = window.findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    window.resize(3840, 2160);
    FrameTiming::FinishFrame();
    return Median(FrameTiming::UpPressesToFrame(lotDisplay, 10, 100));
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);

    MemorySettingsStore store;
    AppSettings settings(store);
    SaleFixture::Fill(settings);
    LiveFeed feed(store);
    FeedSettings on;
    on.enabled = true;
    on.port = FreePort();
    on.accessCode = QString::fromLatin1(Code);
    frmScoreboard window(settings);
    window.setLiveFeed(&feed, {});
    window.show();
    FrameTiming::FinishFrame();
    auto* lotDisplay = window.findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(lotDisplay, &right);

    QElapsedTimer phases;
    phases.start();
    // The board without the feed serving, then with 500 clients following it.
    const double alone = KeyToFrame(window);
    feed.Apply(on);
    const double before = ResidentMb();
    {
        Audience audience(on.port);
        QThread::msleep(500);
        std::vector<double> fanout;
        for (int i = 0; i < 100; ++i) {
            FeedState state = feed.hub().CurrentState();
            state.amount = 500000 + i;
            const double start = NowMs();
            feed.Publish(state);
            const double last = audience.WaitForAll("\"amount\":" + QByteArray::number(state.amount) + ',', 5000);
            if (last > 0)
                fanout.push_back(last - start);
        }
        const double with = ResidentMb();
        const double loaded = KeyToFrame(window);
        const char* on = FrameTiming::PlatformSuffix();
        std::printf("BENCH feed.fanout.500.p99_ms %.3f ms\n", fanout.empty() ? -1.0 : Percentile(fanout, 0.99));
        std::printf("BENCH feed.rss.500_clients_mb %.1f MB\n", with - before);
        std::printf("BENCH feed.board_overhead.500%s %.3f ratio\n", on, loaded / alone);
        std::fprintf(stderr, "%lld ms: ", phases.elapsed());
        std::fprintf(stderr, "clients %zu, key to frame %.3f ms alone, %.3f ms with them\n", audience.size(), alone,
                     loaded);
    }

    std::fprintf(stderr, "%lld ms: clients gone\n", phases.elapsed());
    // A key on the scoreboard to the new amount in the browser's DOM, on the same clock.
    ChromiumPage page;
    if (!page.Open(QStringLiteral("http://127.0.0.1:%1/overlay?code=%2").arg(on.port).arg(on.accessCode), 1920, 1080)) {
        std::fprintf(stderr, "no browser: %s\n", qPrintable(page.error()));
        return 1;
    }
    page.WaitUntil(QStringLiteral("window.gavelorState !== undefined"), 20000);
    page.Evaluate(QStringLiteral(
        "window.changedAt = 0; new MutationObserver(function () { window.changedAt = performance.timeOrigin + "
        "performance.now(); }).observe(document.getElementById('amount'), {childList: true, characterData: true, "
        "subtree: true}); true"));
    std::vector<double> toBrowser;
    for (int i = 0; i < 200; ++i) {
        page.Evaluate(QStringLiteral("window.changedAt = 0"));
        QKeyEvent press(QEvent::KeyPress, i % 2 ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
        const double start = NowMs();
        QApplication::sendEvent(lotDisplay, &press);
        QElapsedTimer timer;
        timer.start();
        double changed = 0;
        while (changed <= 0 && timer.elapsed() < 2000)
            changed = page.Evaluate(QStringLiteral("window.changedAt")).toDouble();
        if (changed > 0)
            toBrowser.push_back(changed - start);
    }
    std::fprintf(stderr, "%lld ms: browser done\n", phases.elapsed());
    std::printf("BENCH feed.key_to_browser.ms %.3f ms\n", toBrowser.empty() ? -1.0 : Median(toBrowser));
    return 0;
}
