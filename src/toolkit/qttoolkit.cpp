#include "toolkit/qttoolkit.h"

#include "toolkit/inputbox.h"
#include "toolkit/placement.h"

#include <QApplication>
#include <QGridLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QTime>

#include <algorithm>

namespace {

// The window the player is using: the active one, or, while none is (as
// just after another dialog has closed), the main window.
QWidget *playersWindow()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto main = std::find_if(windows.begin(), windows.end(), [](QWidget *window) {
        return window->isVisible() && qobject_cast<QMainWindow *>(window);
    });
    return main != windows.end() ? *main : nullptr;
}

// Opens a dialog where it leaves the player's window in sight: a result
// box, for one, must not hide the struck line.
void placeClearOfPlayersWindow(QWidget &dialog)
{
    const QWidget *window = dialog.parentWidget() ? dialog.parentWidget() : playersWindow();
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

void QtToolkit::messageBox(const QString &text, Icon icon, const QString &title, const QString &news)
{
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title.isEmpty() ? kAppTitle : title, text, QMessageBox::Ok, playersWindow());
    // Texts may come from the network: never interpret them as markup.
    box.setTextFormat(Qt::PlainText);
    // A screen reader names the box as it opens, before its text.
    if (!news.isEmpty())
        box.setAccessibleName(news);
    // A short text makes a narrow box, whose title bar then has no room for
    // the title beside its buttons: the box is made wide enough for both.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addItem(new QSpacerItem(titleBarWidth(box, box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    placeClearOfPlayersWindow(box);
    box.exec();
}

QString QtToolkit::inputBox(const QString &prompt, const QString &offered, const InputChoices *choices)
{
    InputBox box(prompt, offered, choices, playersWindow());
    placeClearOfPlayersWindow(box);
    if (box.exec() != QDialog::Accepted)
        return {};
    return box.text();
}

void QtToolkit::showModal(QDialog &dialog)
{
    dialog.setWindowModality(Qt::ApplicationModal);
    placeClearOfPlayersWindow(dialog);
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
