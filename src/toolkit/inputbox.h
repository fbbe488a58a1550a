#pragma once

#include <QDialog>

class InputChoices;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// The input box: a prompt, a text field, OK and Cancel, and, while there
// are choices to offer, a list of them under the field, each entry's name
// and text in columns of their own.
//
// The field is the player's: while choices come and go, its text, cursor
// and selection stay as they are, and it follows what is offered only until
// the player touches it. Choosing an entry puts its text in the field; OK
// and Enter give exactly the text the field shows.
class InputBox : public QDialog
{
    Q_OBJECT

public:
    InputBox(const QString &prompt, const QString &offered, const InputChoices *choices, QWidget *parent = nullptr);

    QString text() const;
    QLineEdit *field() const { return m_field; }
    QTreeWidget *list() const { return m_list; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();
    void choose(const QTreeWidgetItem *item);

    const InputChoices *m_choices;
    QLineEdit *m_field = nullptr;
    QTreeWidget *m_list = nullptr;
    bool m_touched = false; // the player has typed, clicked or chosen
};
