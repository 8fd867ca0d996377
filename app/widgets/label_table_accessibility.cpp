#include "app/widgets/label_table_accessibility.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QLabel>
#include <algorithm>
#include <iterator>
#include <memory>

namespace sarovin {

namespace {

struct CellPlace {
    std::shared_ptr<const LabelTable> table;
    QWidget* container;
    int row;
    int column;  // among all columns, hidden ones included
};

QHash<const QObject*, std::shared_ptr<const LabelTable>>& Tables() {
    static QHash<const QObject*, std::shared_ptr<const LabelTable>> tables;
    return tables;
}

QHash<const QObject*, CellPlace>& Cells() {
    static QHash<const QObject*, CellPlace> cells;
    return cells;
}

// The columns on show, by their place among all columns.
std::vector<int> ShownColumns(const LabelTable& table) {
    std::vector<int> shown;
    for (int column = 0; column < static_cast<int>(table.columnHeaders.size()); ++column) {
        if (!table.columnHeaders[static_cast<std::size_t>(column)]->isHidden()) {
            shown.push_back(column);
        }
    }
    return shown;
}

QLabel* CellLabel(const LabelTable& table, int row, int column) {
    return table.cells[static_cast<std::size_t>(row) * table.columnHeaders.size() +
                       static_cast<std::size_t>(column)];
}

class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    TableAccessible(QWidget* container, std::shared_ptr<const LabelTable> table)
        : QAccessibleWidget(container, QAccessible::Table), table_(std::move(table)) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? table_->name : QAccessibleWidget::text(kind);
    }

    int childCount() const override {
        return rowCount() * columnCount() + static_cast<int>(ShownBesides().size());
    }
    QAccessibleInterface* child(int index) const override {
        const int columns = columnCount();
        const int cells = rowCount() * columns;
        if (index >= cells && index < childCount()) {
            return QAccessible::queryAccessibleInterface(
                ShownBesides()[static_cast<std::size_t>(index - cells)]);
        }
        return index < 0 || columns == 0 || index >= cells
                   ? nullptr
                   : cellAt(index / columns, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QWidget*> besides = ShownBesides();
        if (const auto beside = std::find(besides.begin(), besides.end(), child->object());
            beside != besides.end()) {
            return rowCount() * columnCount() + static_cast<int>(beside - besides.begin());
        }
        const auto found = Cells().constFind(child->object());
        if (found == Cells().constEnd() || found->table != table_) {
            return -1;
        }
        const std::vector<int> shown = ShownColumns(*table_);
        const auto column = std::find(shown.begin(), shown.end(), found->column);
        return column == shown.end()
                   ? -1
                   : found->row * columnCount() + static_cast<int>(column - shown.begin());
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        const std::vector<int> shown = ShownColumns(*table_);
        if (row < 0 || row >= rowCount() || column < 0 ||
            column >= static_cast<int>(shown.size())) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(
            CellLabel(*table_, row, shown[static_cast<std::size_t>(column)]));
    }
    int columnCount() const override { return static_cast<int>(ShownColumns(*table_).size()); }
    int rowCount() const override { return static_cast<int>(table_->rowHeaders.size()); }
    QString columnDescription(int column) const override {
        const std::vector<int> shown = ShownColumns(*table_);
        return column < 0 || column >= static_cast<int>(shown.size())
                   ? QString()
                   : table_->columnHeaders[static_cast<std::size_t>(shown[column])]->text();
    }
    QString rowDescription(int row) const override {
        return row < 0 || row >= rowCount()
                   ? QString()
                   : table_->rowHeaders[static_cast<std::size_t>(row)]->text();
    }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    std::vector<QWidget*> ShownBesides() const {
        std::vector<QWidget*> shown;
        std::copy_if(table_->besides.begin(), table_->besides.end(), std::back_inserter(shown),
                     [](const QWidget* widget) { return !widget->isHidden(); });
        return shown;
    }

    std::shared_ptr<const LabelTable> table_;
};

class CellAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
  public:
    CellAccessible(QLabel* label, CellPlace place)
        : QAccessibleWidget(label, QAccessible::Cell), place_(std::move(place)) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return static_cast<QLabel*>(widget())->text();
        }
        if (kind == QAccessible::Description) {
            return widget()->toolTip();
        }
        return QAccessibleWidget::text(kind);
    }
    QAccessibleInterface* parent() const override { return table(); }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return {QAccessible::queryAccessibleInterface(
            place_.table->columnHeaders[static_cast<std::size_t>(place_.column)])};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        return {QAccessible::queryAccessibleInterface(
            place_.table->rowHeaders[static_cast<std::size_t>(place_.row)])};
    }
    int columnIndex() const override {
        const std::vector<int> shown = ShownColumns(*place_.table);
        const auto column = std::find(shown.begin(), shown.end(), place_.column);
        return column == shown.end() ? -1 : static_cast<int>(column - shown.begin());
    }
    int rowIndex() const override { return place_.row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return QAccessible::queryAccessibleInterface(place_.container);
    }

  private:
    CellPlace place_;
};

QAccessibleInterface* LabelTableInterface(const QString&, QObject* object) {
    if (const auto table = Tables().constFind(object); table != Tables().constEnd()) {
        return new TableAccessible(static_cast<QWidget*>(object), *table);
    }
    if (const auto cell = Cells().constFind(object); cell != Cells().constEnd()) {
        return new CellAccessible(static_cast<QLabel*>(object), *cell);
    }
    return nullptr;
}

void Forget(QObject* object) {
    Tables().remove(object);
    Cells().remove(object);
}

}  // namespace

void ReadAsTable(QWidget* container, LabelTable table) {
    static const bool installed = [] {
        QAccessible::installFactory(LabelTableInterface);
        return true;
    }();
    static_cast<void>(installed);
    const auto shared = std::make_shared<const LabelTable>(std::move(table));
    Tables().insert(container, shared);
    QObject::connect(container, &QObject::destroyed, &Forget);
    const int columns = static_cast<int>(shared->columnHeaders.size());
    for (int index = 0; index < static_cast<int>(shared->cells.size()); ++index) {
        QLabel* cell = shared->cells[static_cast<std::size_t>(index)];
        Cells().insert(cell, {shared, container, index / columns, index % columns});
        QObject::connect(cell, &QObject::destroyed, &Forget);
    }
}

}  // namespace sarovin
