#include "toolkit/inputbox.h"

#include "toolkit/toolkit.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

InputBox::InputBox(const QString &prompt, const QString &offered, const InputChoices *choices, QWidget *parent)
    : QDialog(parent)
    , m_choices(choices)
{
    setWindowTitle(kAppTitle);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize); // grows when the list shows
    auto *label = new QLabel(prompt, this);
    label->setTextFormat(Qt::PlainText);
    m_field = new QLineEdit(offered, this);
    m_field->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
    m_field->selectAll();
    m_field->installEventFilter(this);
    label->setBuddy(m_field);
    connect(m_field, &QLineEdit::textEdited, this, [this] { m_touched = true; });
    layout->addWidget(label);
    layout->addWidget(m_field);

    if (choices) {
        m_list = new QTreeWidget(this);
        m_list->setAccessibleName(choices->listName);
        m_list->setHeaderLabels({choices->nameHeading, choices->textHeading});
        m_list->setRootIsDecorated(false);
        m_list->setUniformRowHeights(true);
        // Room for a name and a whole address beside it, and a scroll bar.
        m_list->setMinimumSize(fontMetrics().averageCharWidth() * 46, fontMetrics().height() * 8);
        m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
        m_list->header()->setStretchLastSection(false);
        connect(m_list, &QTreeWidget::currentItemChanged, this, &InputBox::choose);
        // A double-click, or Enter, on an entry connects to it at once.
        connect(m_list, &QTreeWidget::itemActivated, this, [this](const QTreeWidgetItem *item) {
            choose(item);
            accept();
        });
        layout->addWidget(m_list);
        follow();
        connect(choices, &InputChoices::changed, this, &InputBox::follow);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_field->setFocus();
}

QString InputBox::text() const
{
    return m_field->text();
}

bool InputBox::eventFilter(QObject *watched, QEvent *event)
{
    // A key, a click or an input method on the field makes it the player's:
    // moving the cursor is as much the player's as typing is.
    if (watched == m_field
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::InputMethod))
        m_touched = true;
    return QDialog::eventFilter(watched, event);
}

// Shows the entries offered now, keeping the one the player is on, and
// offers the text in the field until the player has touched it.
void InputBox::follow()
{
    const QList<InputEntry> &entries = m_choices->entries();
    {
        const QSignalBlocker quiet(m_list);
        const QTreeWidgetItem *current = m_list->currentItem();
        const QStringList kept = current ? QStringList{current->text(0), current->text(1)} : QStringList();
        const int scrolled = m_list->verticalScrollBar()->value();
        m_list->clear();
        for (const InputEntry &entry : entries) {
            auto *item = new QTreeWidgetItem(m_list, {entry.name, entry.text});
            if (kept == QStringList{entry.name, entry.text})
                m_list->setCurrentItem(item);
        }
        m_list->verticalScrollBar()->setValue(scrolled);
    }
    m_list->setVisible(!entries.isEmpty());
    if (!m_touched && m_field->text() != m_choices->offered()) {
        m_field->setText(m_choices->offered());
        m_field->selectAll();
    }
}

void InputBox::choose(const QTreeWidgetItem *item)
{
    if (!item)
        return;
    m_touched = true;
    m_field->setText(item->text(1));
}
