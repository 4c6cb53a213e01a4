// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "themesound.h"

#include "appinfo.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <canberra.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include <sys/resource.h>

namespace toolkit {

namespace detail {

struct Request {
    std::vector<const char *> eventIds;
    std::function<void()> fallback;
};

// What the caller and the player's thread share. The thread holds it too, so that a thread
// stuck in a stalled sound server may be left behind at exit without anything it uses going away.
struct Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Request> requests;
    bool stopping = false;
    bool finished = false;
};

// Owns the libcanberra context. Only its own thread touches the context.
class SoundPlayer {
public:
    SoundPlayer() : m_thread([shared = m_shared] { run(*shared); }) {}

    // A sound server that has stopped answering holds the thread inside libcanberra for as long
    // as its own timeouts last; the program does not wait that long to end.
    ~SoundPlayer()
    {
        std::unique_lock lock(m_shared->mutex);
        m_shared->stopping = true;
        m_shared->wake.notify_all();
        if (m_shared->wake.wait_for(lock, StopWait, [this] { return m_shared->finished; })) {
            lock.unlock();
            m_thread.join();
        } else {
            m_thread.detach();
        }
    }

    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    void enqueue(Request request)
    {
        {
            const std::lock_guard lock(m_shared->mutex);
            m_shared->requests.push_back(std::move(request));
        }
        m_shared->wake.notify_all();
    }

private:
    static constexpr std::chrono::milliseconds StopWait{300};
    static constexpr rlim_t SharedMemoryBytes = 64 * 1024 * 1024;

    static void run(Shared &shared)
    {
        ca_context *context = nullptr;
        for (;;) {
            Request request;
            {
                std::unique_lock lock(shared.mutex);
                shared.wake.wait(lock,
                                 [&shared] { return shared.stopping || !shared.requests.empty(); });
                if (shared.stopping)
                    break;
                request = std::move(shared.requests.front());
                shared.requests.pop_front();
            }
            const bool played = playFirstOf(context, request.eventIds);
            const std::lock_guard lock(shared.mutex);
            if (!played && request.fallback && !shared.stopping)
                QMetaObject::invokeMethod(QCoreApplication::instance(), request.fallback,
                                          Qt::QueuedConnection);
        }
        // Ends a sound still playing; the program is on its way out.
        if (context)
            ca_context_destroy(context);
        const std::lock_guard lock(shared.mutex);
        shared.finished = true;
        shared.wake.notify_all();
    }

    // Opens the context when it is first needed, and again after a failed try, as a sound
    // server may have come up since. Only the sound server is asked: with none, libcanberra
    // would go on to the sound card directly, and ALSA writes its complaints to stderr at every
    // try.
    static bool open(ca_context *&context)
    {
        if (context)
            return true;
        // The sound server's library sets up 64 MiB of shared memory as it connects; under a
        // smaller file-size limit (ulimit -f) that fails, and it says so on stderr. The sound
        // fails quietly instead.
        rlimit limit{};
        if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
            limit.rlim_cur < SharedMemoryBytes)
            return false;
        if (ca_context_create(&context) != CA_SUCCESS) {
            context = nullptr;
            return false;
        }
        ca_context_change_props(context, CA_PROP_APPLICATION_NAME, AppInfo::DisplayName,
                                CA_PROP_APPLICATION_ID, AppInfo::Id, CA_PROP_APPLICATION_ICON_NAME,
                                AppInfo::Id, nullptr);
        if (ca_context_set_driver(context, "pulse") != CA_SUCCESS ||
            ca_context_open(context) != CA_SUCCESS) {
            ca_context_destroy(context);
            context = nullptr;
            return false;
        }
        return true;
    }

    static bool playFirstOf(ca_context *&context, const std::vector<const char *> &eventIds)
    {
        if (!open(context))
            return false;
        for (const char *id : eventIds) {
            // Returns once the stream is set up; the sound itself plays on in the server.
            const int result = ca_context_play(context, 0, CA_PROP_EVENT_ID, id, nullptr);
            if (result == CA_SUCCESS)
                return true;
            if (result != CA_ERROR_NOTFOUND) {
                // The server went away or refused: drop the context and open afresh next time.
                ca_context_destroy(context);
                context = nullptr;
                return false;
            }
        }
        return false;
    }

    std::shared_ptr<Shared> m_shared = std::make_shared<Shared>();
    std::thread m_thread; // last: starts once everything above is in place
};

} // namespace detail

ThemeSound::ThemeSound() = default;

ThemeSound::~ThemeSound() = default;

void ThemeSound::play(std::vector<const char *> eventIds, std::function<void()> fallback)
{
    if (!m_player)
        m_player = std::make_unique<detail::SoundPlayer>();
    m_player->enqueue({std::move(eventIds), std::move(fallback)});
}

} // namespace toolkit
