#include "net/avahidiscovery.h"

#include "net/avahiworker.h"

#include <QDeadlineTimer>
#include <QThread>

AvahiDiscovery::AvahiDiscovery(QObject *parent)
    : GameDiscovery(parent)
{
}

AvahiDiscovery::~AvahiDiscovery()
{
    if (!m_thread)
        return;
    // The worker goes on its own thread, as the thread ends.
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] {
        worker->deleteLater();
        QThread::currentThread()->quit();
    });
    if (m_thread->wait(QDeadlineTimer(kShutdownWaitMs))) {
        delete m_thread;
        return;
    }
    // The daemon does not answer: the thread is left to end with the
    // program, and kept where it can still be found.
    static QList<QThread *> leftWaiting;
    leftWaiting.append(m_thread);
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
}

// Runs `request` on the worker's thread, starting it first if need be.
template<typename Request>
void AvahiDiscovery::post(Request request)
{
    if (!m_thread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("kelmo-discovery"));
        m_worker = new AvahiWorker;
        m_worker->moveToThread(m_thread);
        connect(m_worker, &AvahiWorker::sightingsChanged, this, &AvahiDiscovery::sightingsChanged);
        m_thread->start();
    }
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, request] { request(*worker); });
}

void AvahiDiscovery::publish(const QString &name, quint16 port)
{
    post([name, port](AvahiWorker &worker) { worker.publish(name, port); });
}

void AvahiDiscovery::withdraw()
{
    if (m_thread)
        post([](AvahiWorker &worker) { worker.withdraw(); });
}

void AvahiDiscovery::startBrowsing()
{
    m_browsing = true;
    post([browse = ++m_browse](AvahiWorker &worker) { worker.startBrowsing(browse); });
}

void AvahiDiscovery::stopBrowsing()
{
    m_browsing = false;
    setGames({});
    if (m_thread)
        post([](AvahiWorker &worker) { worker.stopBrowsing(); });
}

void AvahiDiscovery::sightingsChanged(quint64 browse, const QList<FoundGame> &sightings)
{
    // What an earlier browse found is no news.
    if (m_browsing && browse == m_browse)
        setGames(sightings);
}
