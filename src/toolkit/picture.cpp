#include "toolkit/picture.h"

namespace {
qint32 nextHandle = 1;
}

Picture::Picture(std::function<QPixmap()> draw, QString description)
    : m_handle(nextHandle++)
    , m_draw(std::move(draw))
    , m_description(std::move(description))
{
}

const QPixmap &Picture::pixmap() const
{
    if (m_draw) {
        m_pixmap = m_draw();
        m_draw = nullptr;
    }
    return m_pixmap;
}
