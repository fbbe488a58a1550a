#include "game/boardaccessible.h"

#include "game/boardarea.h"
#include "game/boardcell.h"
#include "game/statuslabel.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>

namespace {

QAccessibleInterface *interfaceOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// The board itself: not a widget of its own, as the cells are children of
// the client area beside the two status lines.
class BoardTable : public QAccessibleInterface, public QAccessibleTableInterface
{
public:
    explicit BoardTable(BoardArea *area)
        : m_area(area)
    {
    }

    // --- QAccessibleInterface ---
    bool isValid() const override { return m_area; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_area ? m_area->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return m_area ? interfaceOf(m_area) : nullptr; }
    QAccessibleInterface *child(int index) const override
    {
        return m_area && index >= 0 && index < 9 ? interfaceOf(m_area->cell(index)) : nullptr;
    }
    int childCount() const override { return 9; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        auto *cell = child ? qobject_cast<BoardCell *>(child->object()) : nullptr;
        return cell ? cell->index() : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < 9; ++i) {
            if (QAccessibleInterface *cell = child(i); cell && cell->rect().contains(x, y))
                return cell;
        }
        return nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        return m_area && m_area->hasFocus() ? child(m_area->focusCell()) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QCoreApplication::translate("BoardArea", "Board") : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        QRect united;
        for (int i = 0; i < 9; ++i)
            united |= child(i)->rect();
        return united;
    }
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = m_area && m_area->hasFocus();
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this) : nullptr;
    }

    // --- QAccessibleTableInterface: three by three, nothing selectable ---
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        return row >= 0 && row < 3 && column >= 0 && column < 3 ? child(row * 3 + column) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 3; }
    int rowCount() const override { return 3; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    QPointer<BoardArea> m_area;
};

// One table for each client area, made when first asked for and removed
// with its area.
BoardTable *tableOf(BoardArea *area)
{
    static QHash<BoardArea *, QAccessible::Id> tables;
    if (const auto found = tables.constFind(area); found != tables.constEnd())
        return static_cast<BoardTable *>(QAccessible::accessibleInterface(*found));
    auto *table = new BoardTable(area);
    tables.insert(area, QAccessible::registerAccessibleInterface(table));
    QObject::connect(area, &QObject::destroyed, [area] {
        QAccessible::deleteAccessibleInterface(tables.take(area));
    });
    return table;
}

// The client area: the top status line, the board, the bottom status line.
class AreaInterface : public QAccessibleWidget
{
public:
    explicit AreaInterface(BoardArea *area)
        : QAccessibleWidget(area, QAccessible::Pane)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        // The toolkit tells a screen reader that the area has the focus
        // before the area tells it which cell: the area too has a name.
        return t == QAccessible::Name ? QCoreApplication::translate("BoardArea", "Game") : QAccessibleWidget::text(t);
    }
    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override { return children().value(index); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(children().indexOf(const_cast<QAccessibleInterface *>(child)));
    }
    QAccessibleInterface *focusChild() const override
    {
        return area()->hasFocus() ? tableOf(area())->focusChild() : nullptr;
    }

private:
    BoardArea *area() const { return static_cast<BoardArea *>(widget()); }

    // The status lines and the board, top to bottom.
    QList<QAccessibleInterface *> children() const
    {
        QList<QAccessibleInterface *> list;
        for (QWidget *widget : area()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!qobject_cast<BoardCell *>(widget) && !widget->isWindow())
                list.append(interfaceOf(widget));
        }
        std::sort(list.begin(), list.end(),
                  [](QAccessibleInterface *a, QAccessibleInterface *b) { return a->rect().y() < b->rect().y(); });
        list.insert(list.isEmpty() ? 0 : 1, tableOf(area()));
        return list;
    }
};

class CellInterface : public QAccessibleWidget, public QAccessibleTableCellInterface
{
public:
    explicit CellInterface(BoardCell *cell)
        : QAccessibleWidget(cell, QAccessible::Cell)
    {
    }

    QAccessibleInterface *parent() const override { return table(); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return cell()->spokenName();
        if (t == QAccessible::Description)
            return cell()->spokenDescription();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        auto *area = qobject_cast<BoardArea *>(widget()->parentWidget());
        state.focusable = true;
        state.focused = area && area->hasFocus() && area->focusCell() == cell()->index();
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell()->index() % 3; }
    int rowIndex() const override { return cell()->index() / 3; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override
    {
        auto *area = qobject_cast<BoardArea *>(widget()->parentWidget());
        return area ? tableOf(area) : nullptr;
    }

private:
    BoardCell *cell() const { return static_cast<BoardCell *>(widget()); }
};

// A status line: its text, described as the game's status.
class StatusInterface : public QAccessibleWidget
{
public:
    explicit StatusInterface(StatusLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<StatusLabel *>(widget())->text();
        if (t == QAccessible::Description)
            return QCoreApplication::translate("Form1", "Status");
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (auto *area = qobject_cast<BoardArea *>(object))
        return new AreaInterface(area);
    if (auto *cell = qobject_cast<BoardCell *>(object))
        return new CellInterface(cell);
    if (auto *label = qobject_cast<StatusLabel *>(object))
        return new StatusInterface(label);
    return nullptr;
}

} // namespace

namespace boardaccessible {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void focusMoved(BoardCell *cell)
{
    QAccessibleEvent event(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

} // namespace boardaccessible
