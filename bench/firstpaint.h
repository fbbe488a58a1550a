#pragma once

// For the start-up benchmark: once the first paint of the process has been
// handled, prints the peak resident memory so far (kB) and ends the process
// at once, skipping the tear-down, so the time to exit is the time to the
// first paint.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

class FirstPaintProbe : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Let the paint cycle that this event belongs to finish first.
            QTimer::singleShot(0, [] {
                std::printf("peak-rss-kb %ld\n", peakRssKb());
                std::fflush(stdout);
                _exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static long peakRssKb()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
        }
        return -1;
    }

    bool m_seen = false;
};

inline void installFirstPaintProbe()
{
    qApp->installEventFilter(new FirstPaintProbe(qApp));
}
