#pragma once

#include "net/socketapi.h"

#include <QObject>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

// The local host name and address: what the waiting side shows its player,
// and what either side sends the opponent as its greeting. Each look-up
// starts the socket interface and releases it again once it is done.
//
// Failures are told through failed(), which the window shows as a modal
// message before the look-up goes on.
class HostLookup : public QObject
{
    Q_OBJECT

public:
    enum class Alert {
        Plain, // no icon, the application title
        Error, // the exclamation icon and the title "ERROR"
    };

    // `sockets` serves the look-up; the system's own when none is given.
    explicit HostLookup(SocketApi *sockets = nullptr, QObject *parent = nullptr);
    ~HostLookup() override;

    // The local host text last looked up; sent to the opponent as greeting.
    const QString &hostName() const { return HostName; }

    // The host name, also stored in HostName; empty on failure.
    QString GetIPHostName();
    bool SocketsInitialize();
    // Releases the interface; the name keeps its historical spelling.
    void SocketsCeanup();
    // The high and low byte of a signed 16-bit word.
    static qint32 Hibyte(qint16 w);
    static qint32 Lobyte(qint16 w);
    // Looks up the first address of the local host, dotted; empty on
    // failure. Resolving the name may take the system seconds, so nothing
    // waits for it: `done` gets the answer later, from the event loop; a look-up still pending when the next starts, or when
    // cancelAddressLookup() is called, is forgotten: its `done` is never
    // called and it tells the player nothing.
    void GetIPAddress(std::function<void(const QString &)> done);
    void cancelAddressLookup();

signals:
    // A look-up failed: to be told to the player, with an OK button, before
    // the look-up goes on.
    void failed(const QString &text, HostLookup::Alert alert);

private:
    bool readHostName(char (&buffer)[256]);
    QString addressText(const HostAddresses &host);

    std::unique_ptr<SocketApi> m_ownSockets; // when none is given
    SocketApi *m_sockets;
    QString HostName;
    quint64 m_lookups = 0; // address look-ups started, or cancelled
};
