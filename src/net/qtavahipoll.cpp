#include "net/qtavahipoll.h"

#include <QSocketNotifier>
#include <QTimer>

#include <sys/time.h>

#include <algorithm>
#include <climits>
#include <memory>

// Avahi may free a watch or a timeout from inside its own callback: then the
// object lives on, inert, until the callback has returned, and is deleted
// there. Freed at any other time, it goes at once.

struct AvahiWatch {
    AvahiWatch(int fd_, AvahiWatchCallback callback_, void *userdata_)
        : fd(fd_), callback(callback_), userdata(userdata_)
    {
    }
    int fd;
    AvahiWatchCallback callback;
    void *userdata;
    std::unique_ptr<QSocketNotifier> read;
    std::unique_ptr<QSocketNotifier> write;
    AvahiWatchEvent happened = AvahiWatchEvent(0); // during the callback
    bool dispatching = false;
    bool freed = false;
};

struct AvahiTimeout {
    AvahiTimeout(AvahiTimeoutCallback callback_, void *userdata_)
        : callback(callback_), userdata(userdata_)
    {
    }
    AvahiTimeoutCallback callback;
    void *userdata;
    QTimer timer;
    bool dispatching = false;
    bool freed = false;
};

namespace {

void dispatch(AvahiWatch *watch, AvahiWatchEvent event)
{
    watch->happened = event;
    watch->dispatching = true;
    watch->callback(watch, watch->fd, event, watch->userdata);
    watch->dispatching = false;
    watch->happened = AvahiWatchEvent(0);
    if (watch->freed)
        delete watch;
}

void watchNotifier(AvahiWatch *watch, std::unique_ptr<QSocketNotifier> &notifier, QSocketNotifier::Type type,
                   AvahiWatchEvent event, bool wanted)
{
    if (wanted && !notifier) {
        notifier = std::make_unique<QSocketNotifier>(watch->fd, type);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [watch, event] { dispatch(watch, event); });
    }
    if (notifier)
        notifier->setEnabled(wanted);
}

void watchUpdate(AvahiWatch *watch, AvahiWatchEvent events)
{
    watchNotifier(watch, watch->read, QSocketNotifier::Read, AVAHI_WATCH_IN, events & AVAHI_WATCH_IN);
    watchNotifier(watch, watch->write, QSocketNotifier::Write, AVAHI_WATCH_OUT, events & AVAHI_WATCH_OUT);
}

AvahiWatch *watchNew(const AvahiPoll *, int fd, AvahiWatchEvent events, AvahiWatchCallback callback, void *userdata)
{
    auto *watch = new AvahiWatch(fd, callback, userdata);
    watchUpdate(watch, events);
    return watch;
}

AvahiWatchEvent watchGetEvents(AvahiWatch *watch)
{
    return watch->happened;
}

void watchFree(AvahiWatch *watch)
{
    if (!watch->dispatching) {
        delete watch;
        return;
    }
    watchUpdate(watch, AvahiWatchEvent(0));
    watch->freed = true;
}

void timeoutUpdate(AvahiTimeout *timeout, const struct timeval *when)
{
    if (!when) {
        timeout->timer.stop();
        return;
    }
    struct timeval now;
    gettimeofday(&now, nullptr);
    const qint64 micros = (qint64(when->tv_sec) - now.tv_sec) * 1'000'000 + (when->tv_usec - now.tv_usec);
    // Rounded up: a timeout that fires early finds nothing due yet.
    const qint64 millis = std::clamp<qint64>((micros + 999) / 1000, 0, INT_MAX);
    timeout->timer.start(static_cast<int>(millis));
}

AvahiTimeout *timeoutNew(const AvahiPoll *, const struct timeval *when, AvahiTimeoutCallback callback,
                         void *userdata)
{
    auto *timeout = new AvahiTimeout(callback, userdata);
    timeout->timer.setSingleShot(true);
    QObject::connect(&timeout->timer, &QTimer::timeout, [timeout] {
        timeout->dispatching = true;
        timeout->callback(timeout, timeout->userdata);
        timeout->dispatching = false;
        if (timeout->freed)
            delete timeout;
    });
    timeoutUpdate(timeout, when);
    return timeout;
}

void timeoutFree(AvahiTimeout *timeout)
{
    if (!timeout->dispatching) {
        delete timeout;
        return;
    }
    timeout->timer.stop();
    timeout->freed = true;
}

} // namespace

const AvahiPoll *qtAvahiPoll()
{
    static const AvahiPoll poll = {
        nullptr, watchNew, watchUpdate, watchGetEvents, watchFree, timeoutNew, timeoutUpdate, timeoutFree,
    };
    return &poll;
}
