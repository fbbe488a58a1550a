// What the connection object refuses and how it tells of failures that
// have a remedy.

#include "net/winsock.h"

#include <QHostAddress>
#include <QRegularExpression>

bool Winsock::isMalformedAddress(const QString &host)
{
    static const QRegularExpression numericOrV6(QStringLiteral("^[0-9.]+$|:"));
    static const QRegularExpression blank(QStringLiteral("\\s"));
    if (blank.match(host).hasMatch())
        return true;
    return numericOrV6.match(host).hasMatch() && QHostAddress(host).isNull();
}

QString Winsock::listenFailureText(quint16 port, QAbstractSocket::SocketError error, const QString &reason,
                                   const QString &program)
{
    const QString failure = QStringLiteral("Cannot wait for an opponent on port %1: ").arg(port);
    if (error != QAbstractSocket::SocketAccessError || port >= 1024)
        return failure + reason + QLatin1Char('.');
    return failure
        + QStringLiteral("ports below 1024 may only be used by programs with the CAP_NET_BIND_SERVICE "
                         "capability (%1).\n\n"
                         "To grant it to Kelmo, run once:\n"
                         "sudo setcap cap_net_bind_service=+ep %2\n\n"
                         "Or let every program use ports from %3 up:\n"
                         "sudo sysctl net.ipv4.ip_unprivileged_port_start=%3")
              .arg(reason, program, QString::number(port));
}
