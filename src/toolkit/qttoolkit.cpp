#include "toolkit/qttoolkit.h"

#include "toolkit/placement.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTime>

namespace {

// Opens a dialog where it leaves the window that the player is using in
// sight: a result box, for one, must not hide the struck line.
void placeClearOfActiveWindow(QWidget &dialog)
{
    const QWidget *window = QApplication::activeWindow();
    if (!window || !window->screen())
        return;
    dialog.adjustSize();
    // The dialog's own size has no title bar yet: allow for one like the
    // window's.
    const int titleBar = std::max(0, window->frameGeometry().height() - window->geometry().height());
    const QSize size = dialog.size() + QSize(0, titleBar);
    dialog.move(placeClearOf(window->frameGeometry(), size, window->screen()->availableGeometry()));
}

} // namespace

void QtToolkit::messageBox(const QString &text, Icon icon, const QString &title)
{
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title.isEmpty() ? kAppTitle : title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // Texts may come from the network: never interpret them as markup.
    box.setTextFormat(Qt::PlainText);
    placeClearOfActiveWindow(box);
    box.exec();
}

QString QtToolkit::inputBox(const QString &prompt, const QString &offered)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(kAppTitle);
    dialog.setLabelText(prompt);
    dialog.setTextValue(offered);
    placeClearOfActiveWindow(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

void QtToolkit::showModal(QDialog &dialog)
{
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}

void QtToolkit::randomize()
{
    m_engine.seed(static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay()));
}

double QtToolkit::rnd()
{
    // 32 random bits scaled by 2^-32: never reaches 1.
    return m_engine() * (1.0 / 4294967296.0);
}
