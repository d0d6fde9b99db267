#include "schedules/tabla_accesible.h"

#include "widgets/grid/string_grid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {

class TablaAccesible;

// One cell, addressed by its row and column in the grid.
class CeldaAccesible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CeldaAccesible(TStringGrid* grid, int fila, int columna) : grid_(grid), fila_(fila), columna_(columna) {}

    bool isValid() const override {
        return grid_ && fila_ < grid_->RowCount() && columna_ < grid_->ColCount();
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value))
            return {};
        return grid_->Cells(columna_, fila_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect celda = grid_->CellRect(columna_, fila_);
        if (celda.isEmpty())
            return {};
        return QRect(grid_->viewport()->mapToGlobal(celda.topLeft()), celda.size());
    }
    QAccessible::Role role() const override {
        return fila_ < (grid_ ? grid_->FixedRows() : 0) ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.selectable = true;
        s.selected = isSelected();
        s.invisible = rect().isEmpty();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType tipo) override {
        return tipo == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return isValid() && grid_->Selection().Contains(columna_, fila_); }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return columna_; }
    int rowIndex() const override { return fila_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<TStringGrid> grid_;
    int fila_;
    int columna_;
};

// The grid: every grid row is a table row (the fixed title rows included, as
// column headers), so that row and column numbers match the grid's own.
class TablaAccesible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TablaAccesible(TStringGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

    ~TablaAccesible() override {
        for (QAccessible::Id id : std::as_const(celdas_))
            QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType tipo) override {
        if (tipo == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(tipo);
    }

    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int indice) const override {
        const int columnas = columnCount();
        if (indice < 0 || columnas == 0 || indice >= childCount())
            return nullptr;
        return cellAt(indice / columnas, indice % columnas);
    }
    int indexOfChild(const QAccessibleInterface* hijo) const override {
        if (!hijo || hijo->parent() != this)
            return -1;
        auto* celda = static_cast<const CeldaAccesible*>(hijo);
        return celda->rowIndex() * columnCount() + celda->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint punto = Grid()->viewport()->mapFromGlobal(QPoint(x, y));
        int c = -1, r = -1;
        Grid()->MouseToCell(punto.x(), punto.y(), c, r);
        return c < 0 || r < 0 ? nullptr : cellAt(r, c);
    }

    QAccessibleInterface* cellAt(int fila, int columna) const override {
        if (fila < 0 || columna < 0 || fila >= rowCount() || columna >= columnCount())
            return nullptr;
        const qint64 clave = (qint64(fila) << 32) | quint32(columna);
        auto encontrada = celdas_.constFind(clave);
        if (encontrada != celdas_.constEnd())
            return QAccessible::accessibleInterface(*encontrada);
        auto* celda = new CeldaAccesible(Grid(), fila, columna);
        celdas_.insert(clave, QAccessible::registerAccessibleInterface(celda));
        return celda;
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int columna) const override {
        return Grid()->FixedRows() > 0 ? Grid()->Cells(columna, 0) : QString();
    }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return Grid()->ColCount(); }
    int rowCount() const override { return Grid()->RowCount(); }

    int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> celdas;
        const TGridRect s = Grid()->Selection();
        for (int r = s.Top; r <= s.Bottom; ++r)
            for (int c = s.Left; c <= s.Right; ++c)
                celdas << cellAt(r, c);
        return celdas;
    }
    int selectedColumnCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    int selectedRowCount() const override {
        const TGridRect s = Grid()->Selection();
        return s.Bottom - s.Top + 1;
    }
    QList<int> selectedRows() const override {
        QList<int> filas;
        const TGridRect s = Grid()->Selection();
        for (int r = s.Top; r <= s.Bottom; ++r)
            filas << r;
        return filas;
    }
    bool isRowSelected(int fila) const override {
        const TGridRect s = Grid()->Selection();
        return fila >= s.Top && fila <= s.Bottom;
    }
    bool selectRow(int fila) override {
        if (fila < Grid()->FixedRows() || fila >= rowCount())
            return false;
        Grid()->SetRow(fila);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    TStringGrid* Grid() const { return static_cast<TStringGrid*>(widget()); }

    mutable QHash<qint64, QAccessible::Id> celdas_;
};

QList<QAccessibleInterface*> CeldaAccesible::columnHeaderCells() const {
    QAccessibleInterface* tabla = table();
    if (!isValid() || !tabla || grid_->FixedRows() == 0 || fila_ == 0)
        return {};
    return {tabla->tableInterface()->cellAt(0, columna_)};
}

QAccessibleInterface* Fabrica(const QString&, QObject* objeto) {
    if (auto* grid = qobject_cast<TStringGrid*>(objeto))
        return new TablaAccesible(grid);
    return nullptr;
}

}  // namespace

void RegistrarTablaAccesible() {
    static bool registrada = false;
    if (!registrada)
        QAccessible::installFactory(Fabrica);
    registrada = true;
}
