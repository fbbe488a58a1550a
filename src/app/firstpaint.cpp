#include "app/firstpaint.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

// Watches every paint until the first one inside the window, then hands
// the work to the event loop and goes.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWidget &window, std::function<void()> work)
        : QObject(&window)
        , m_window(&window)
        , m_work(std::move(work))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window) {
            qApp->removeEventFilter(this);
            // After the paint, once the frame has gone to the screen.
            QTimer::singleShot(0, m_window, std::move(m_work));
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    std::function<void()> m_work;
};

} // namespace

void afterFirstPaint(QWidget &window, std::function<void()> work)
{
    new FirstPaintWatch(window, std::move(work));
}
