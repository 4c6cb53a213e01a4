#include "themesound.h"

#include "appinfo.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <canberra.h>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace ThemeSound {

namespace {

struct Request {
    std::vector<const char *> eventIds;
    std::function<void()> fallback;
};

// Owns the libcanberra context. Only its own thread touches the context.
class Player {
public:
    Player() : m_thread([this] { run(); }) {}

    ~Player()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }

    Player(const Player &) = delete;
    Player &operator=(const Player &) = delete;

    void enqueue(Request request)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_requests.push_back(std::move(request));
        }
        m_wake.notify_one();
    }

private:
    void run()
    {
        for (;;) {
            Request request;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return m_stopping || !m_requests.empty(); });
                if (m_stopping)
                    break;
                request = std::move(m_requests.front());
                m_requests.pop_front();
            }
            if (!playFirstOf(request.eventIds) && request.fallback)
                QMetaObject::invokeMethod(QCoreApplication::instance(), request.fallback,
                                          Qt::QueuedConnection);
        }
        // Ends a sound still playing; the program is on its way out.
        if (m_context)
            ca_context_destroy(m_context);
    }

    // Opens the context when it is first needed, and again after a failed try, as a sound
    // server may have come up since.
    bool open()
    {
        if (m_context)
            return true;
        if (ca_context_create(&m_context) != CA_SUCCESS) {
            m_context = nullptr;
            return false;
        }
        ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, AppInfo::DisplayName,
                                CA_PROP_APPLICATION_ID, AppInfo::Id, CA_PROP_APPLICATION_ICON_NAME,
                                AppInfo::Id, nullptr);
        if (ca_context_open(m_context) != CA_SUCCESS) {
            ca_context_destroy(m_context);
            m_context = nullptr;
            return false;
        }
        return true;
    }

    bool playFirstOf(const std::vector<const char *> &eventIds)
    {
        if (!open())
            return false;
        for (const char *id : eventIds) {
            // Returns once the stream is set up; the sound itself plays on in the server.
            const int result = ca_context_play(m_context, 0, CA_PROP_EVENT_ID, id, nullptr);
            if (result == CA_SUCCESS)
                return true;
            if (result != CA_ERROR_NOTFOUND) {
                // The server went away or refused: drop the context and open afresh next time.
                ca_context_destroy(m_context);
                m_context = nullptr;
                return false;
            }
        }
        return false;
    }

    ca_context *m_context = nullptr;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Request> m_requests;
    bool m_stopping = false;
    std::thread m_thread; // last: starts once everything above is in place
};

std::unique_ptr<Player> player;

} // namespace

void play(std::vector<const char *> eventIds, std::function<void()> fallback)
{
    if (!player) {
        player = std::make_unique<Player>();
        // Stopped with the application object, so that no fallback is posted to one that is
        // gone.
        qAddPostRoutine([] { player.reset(); });
    }
    player->enqueue({std::move(eventIds), std::move(fallback)});
}

} // namespace ThemeSound
