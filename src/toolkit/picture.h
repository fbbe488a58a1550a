#pragma once

#include <QPixmap>
#include <QString>
#include <QtGlobal>

#include <functional>

// A picture that cells share by reference. Its Handle tells pictures apart:
// equal for the same object, different for any two objects. It is drawn
// the first time it is shown, so that start-up draws only what the first
// window shows. The description says in words what it shows, for screen
// readers.
class Picture
{
public:
    Picture(std::function<QPixmap()> draw, QString description);
    Picture(const Picture &) = delete;
    Picture &operator=(const Picture &) = delete;

    qint32 Handle() const { return m_handle; }
    const QPixmap &pixmap() const;
    const QString &description() const { return m_description; }

private:
    qint32 m_handle;
    mutable std::function<QPixmap()> m_draw;
    mutable QPixmap m_pixmap;
    QString m_description;
};
