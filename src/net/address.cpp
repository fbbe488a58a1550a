#include "net/address.h"

#include <QHostAddress>
#include <QRegularExpression>

bool isMalformedAddress(const QString &host)
{
    static const QRegularExpression numericOrV6(QStringLiteral("^[0-9.]+$|:"));
    static const QRegularExpression blank(QStringLiteral("\\s"));
    if (blank.match(host).hasMatch())
        return true;
    return numericOrV6.match(host).hasMatch() && QHostAddress(host).isNull();
}
