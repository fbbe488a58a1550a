#pragma once

#include <QAccessible>
#include <QWidget>

class Picture;

// One cell of the board. It shows a shared picture object at the picture's
// own size, with the parts of the grid lines that cross it drawn over the
// picture, and reports a click: press and release inside the same cell.
class BoardCell : public QWidget
{
    Q_OBJECT

public:
    BoardCell(int index, QWidget *parent);

    int index() const { return m_index; }

    const Picture *picture() const { return m_picture; }
    // The cell shows this very object, not a copy of it; `open` says that a
    // mark may be placed here, which a screen reader is told.
    void setPicture(const Picture *picture, bool open);
    // The cell's place, for a screen reader: "Centre".
    QString place() const;
    // What a screen reader says of the cell: "Centre: X", and where it lies
    // or what the last move changed.
    const QString &spokenName() const { return m_name; }
    const QString &spokenDescription() const { return m_description; }

    // While the cell holds the focus, its description is what a screen
    // reader reads out as news: what the last move changed. The news goes
    // once the focus has left the cell, and the cell says again where it
    // lies.
    void setFocused(bool focused);
    void tell(const QString &news);

    // The keyboard's focus frame, drawn inside the cell.
    void setFocusFrame(bool shown);

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void describe();
    void setSpoken(QString &spoken, const QString &text, QAccessible::Event change);

    int m_index;
    const Picture *m_picture = nullptr;
    QString m_name;
    QString m_description;
    bool m_open = true;
    bool m_focused = false;
    bool m_pressed = false;
    bool m_focusFrame = false;
};
