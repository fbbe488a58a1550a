#pragma once

// A relay on 127.0.0.1 between one client and a target port that holds,
// splits or merges what crosses it, as a slow or irregular link does.

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <array>

class LinkProxy : public QObject
{
public:
    enum Direction { Up, Down }; // client to target, target to client

    explicit LinkProxy(quint16 targetPort)
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this, targetPort] {
            m_ends[Up] = m_server.nextPendingConnection();
            m_ends[Down] = new QTcpSocket(this);
            m_ends[Down]->connectToHost(QHostAddress::LocalHost, targetPort);
            connect(m_ends[Down], &QTcpSocket::connected, this, [this] { pass(Up); });
            for (Direction d : {Up, Down}) {
                m_ends[d]->setSocketOption(QAbstractSocket::LowDelayOption, 1);
                connect(m_ends[d], &QTcpSocket::readyRead, this, [this, d] {
                    m_pending[d] += m_ends[d]->readAll();
                    pass(d);
                });
            }
        });
    }

    quint16 port() const { return m_server.serverPort(); }
    // Bytes in that direction wait in the relay until released.
    void hold(Direction d) { m_held[d] = true; }
    bool holds(Direction d) const { return m_held[d]; }
    QByteArray held(Direction d) const { return m_pending[d]; }
    // Bytes passed on so far; all that came, once nothing is held or paced.
    qint64 passed(Direction d) const { return m_passed[d]; }
    bool idle() const { return m_pending[Up].isEmpty() && m_pending[Down].isEmpty(); }
    // Passes on what waits, and from then on what comes: in one piece, or
    // in pieces of `pieceSize` bytes, `gapMs` apart.
    void release(Direction d, int pieceSize = 0, int gapMs = 0)
    {
        m_held[d] = false;
        m_pieceSize[d] = pieceSize;
        m_gapMs[d] = gapMs;
        pass(d);
    }

private:
    void pass(Direction d)
    {
        QTcpSocket *out = m_ends[1 - d];
        if (m_held[d] || m_pending[d].isEmpty() || !out || out->state() != QAbstractSocket::ConnectedState
            || m_pacing[d])
            return;
        const QByteArray piece = m_pieceSize[d] == 0 ? m_pending[d] : m_pending[d].left(m_pieceSize[d]);
        out->write(piece);
        out->flush();
        m_pending[d].remove(0, piece.size());
        m_passed[d] += piece.size();
        if (m_pieceSize[d] == 0)
            return;
        m_pacing[d] = true;
        QTimer::singleShot(m_gapMs[d], this, [this, d] {
            m_pacing[d] = false;
            pass(d);
        });
    }

    QTcpServer m_server;
    std::array<QTcpSocket *, 2> m_ends{};
    std::array<QByteArray, 2> m_pending;
    std::array<bool, 2> m_held{};
    std::array<bool, 2> m_pacing{};
    std::array<int, 2> m_pieceSize{};
    std::array<int, 2> m_gapMs{};
    std::array<qint64, 2> m_passed{};
};
