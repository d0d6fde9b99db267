#include "widgets/calendar.h"

#include "util/ajustes_regionales.h"
#include "util/excepcion.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <map>

namespace {

constexpr int kPrimerAnio = 1;
constexpr int kUltimoAnio = 9999;

bool FechaAdmitida(const QDate& fecha) {
    return fecha.isValid() && fecha.year() >= kPrimerAnio && fecha.year() <= kUltimoAnio;
}

[[noreturn]] void FechaImposible(int anio, int mes, int dia) {
    throw EConvertError(QStringLiteral("La fecha %1/%2/%3 no existe").arg(dia).arg(mes).arg(anio).toStdString());
}

// One cell of the calendar for a screen reader: a weekday heading or a day,
// named by its full date ("8 de diciembre de 2026").
class CeldaAccesible : public QAccessibleInterface {
public:
    CeldaAccesible(TCalendar* calendario, int columna, int fila)
        : calendario_(calendario), columna_(columna), fila_(fila) {}

    bool isValid() const override { return !calendario_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return calendario_ ? calendario_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(calendario_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (!calendario_ || (t != QAccessible::Name && t != QAccessible::Value))
            return {};
        if (fila_ == 0)
            return calendario_->CellCaption(columna_, fila_);
        const int dia = calendario_->DayAt(columna_, fila_);
        if (dia == 0)
            return {};
        const QDate fecha(calendario_->Year(), calendario_->Month(), dia);
        return TextoFechaSeleccionada(fecha);
    }

    QRect rect() const override {
        if (!calendario_)
            return {};
        const QRect celda = calendario_->CellRect(columna_, fila_);
        return QRect(calendario_->viewport()->mapToGlobal(celda.topLeft()), celda.size());
    }

    QAccessible::Role role() const override {
        return fila_ == 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!calendario_)
            return s;
        if (fila_ > 0 && calendario_->DayAt(columna_, fila_) > 0) {
            s.selectable = true;
            s.focusable = true;
        }
        if (calendario_->Col() == columna_ && calendario_->Row() == fila_) {
            s.selected = true;
            s.focused = calendario_->hasFocus();
        }
        return s;
    }

private:
    QPointer<TCalendar> calendario_;
    int columna_;
    int fila_;
};

// The calendar as a table of 49 cells whose value is the selected date.
class CalendarioAccesible : public QAccessibleWidget {
public:
    explicit CalendarioAccesible(TCalendar* calendario) : QAccessibleWidget(calendario, QAccessible::Table) {}

    ~CalendarioAccesible() override {
        for (const auto& [indice, id] : celdas_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return 49; }

    QAccessibleInterface* child(int indice) const override {
        if (indice < 0 || indice >= 49)
            return nullptr;
        const auto encontrada = celdas_.find(indice);
        if (encontrada != celdas_.end())
            return QAccessible::accessibleInterface(encontrada->second);
        auto* celda = new CeldaAccesible(Calendario(), indice % 7, indice / 7);
        celdas_[indice] = QAccessible::registerAccessibleInterface(celda);
        return celda;
    }

    int indexOfChild(const QAccessibleInterface* hijo) const override {
        for (const auto& [indice, id] : celdas_)
            if (QAccessible::accessibleInterface(id) == hijo)
                return indice;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        TCalendar* c = Calendario();
        const QPoint p = c->viewport()->mapFromGlobal(QPoint(x, y));
        int columna = -1, fila = -1;
        c->MouseToCell(p.x(), p.y(), columna, fila);
        return columna < 0 ? nullptr : child(fila * 7 + columna);
    }

    QAccessibleInterface* focusChild() const override {
        TCalendar* c = Calendario();
        return c->hasFocus() ? child(c->Row() * 7 + c->Col()) : nullptr;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return TextoFechaSeleccionada(Calendario()->SelectedDate());
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QStringLiteral("Calendario");
        return QAccessibleWidget::text(t);
    }

private:
    TCalendar* Calendario() const { return static_cast<TCalendar*>(widget()); }

    mutable std::map<int, QAccessible::Id> celdas_;
};

QAccessibleInterface* FabricaCalendario(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String("TCalendar") && objeto && objeto->isWidgetType())
        return new CalendarioAccesible(static_cast<TCalendar*>(objeto));
    return nullptr;
}

void RegistrarAccesibilidad() {
    static bool registrado = false;
    if (!registrado)
        QAccessible::installFactory(FabricaCalendario);
    registrado = true;
}

// Sets a flag for the lifetime of the guard.
struct Marca {
    bool& flag;
    bool antes;
    explicit Marca(bool& f) : flag(f), antes(f) { flag = true; }
    ~Marca() { flag = antes; }
};

}  // namespace

TCalendar::TCalendar(QWidget* parent) : TCustomGrid(parent), selectedDate_(QDate::currentDate()) {
    RegistrarAccesibilidad();
    layout_ = CalcularDisposicionMes(selectedDate_.year(), selectedDate_.month(), startOfWeek_);
    {
        Marca marca(rebuilding_);
        SetColCount(7);
        SetRowCount(7);
        SetFixedCols(0);
        SetFixedRows(1);
        SetScrollBars(ssNone);
        SetOptions((DefaultGridOptions & ~goRangeSelect) | goDrawFocusSelected);
    }
    resize(320, 160);
    SizeCells();
    UpdateCalendar();
}

TCalendar::~TCalendar() = default;

int TCalendar::DaysInMonth(int year, int month) {
    static const int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && LeapYear(year) ? 29 : dias[month - 1];
}

bool TCalendar::LeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

void TCalendar::SetSelectedDate(const QDate& value) {
    if (!FechaAdmitida(value))
        throw EConvertError(QStringLiteral("La fecha está fuera de los años 1 a 9999").toStdString());
    selectedDate_ = value;
    UpdateCalendar();
    Change();
}

int TCalendar::GetDateElement(int index) const {
    switch (index) {
    case 1: return selectedDate_.year();
    case 2: return selectedDate_.month();
    case 3: return selectedDate_.day();
    default: return 0;
    }
}

void TCalendar::SetDateElement(int index, int value) {
    if (value < 1 || index < 1 || index > 3)
        return;
    if ((index == 1 && value > kUltimoAnio) || (index == 2 && value > 12) ||
        (index == 3 && value > DaysInMonth(Year(), Month())))
        return;
    if (value == GetDateElement(index))
        return;
    int anio = Year(), mes = Month(), dia = Day();
    (index == 1 ? anio : index == 2 ? mes : dia) = value;
    const QDate nueva(anio, mes, dia);
    if (!nueva.isValid())
        FechaImposible(anio, mes, dia);
    selectedDate_ = nueva;
    useCurrentDate_ = false;
    UpdateCalendar();
    Change();
}

void TCalendar::StepMonth(int delta) {
    const int dia = Day();
    const QDate extremo = delta < 0 ? QDate(Year(), Month(), 1) : QDate(Year(), Month(), selectedDate_.daysInMonth());
    const QDate otroMes = extremo.addDays(delta);
    if (!FechaAdmitida(otroMes))
        return;
    SetSelectedDate(QDate(otroMes.year(), otroMes.month(), qMin(dia, otroMes.daysInMonth())));
}

void TCalendar::YearBack() {
    if (LeapYear(Year()) && Month() == 2 && Day() == 29)
        SetDay(28);
    SetYear(Year() - 1);
}

void TCalendar::YearForward() {
    if (LeapYear(Year()) && Month() == 2 && Day() == 29)
        SetDay(28);
    SetYear(Year() + 1);
}

QString TCalendar::CellCaption(int column, int row) const {
    if (column < 0 || column > 6 || row < 0 || row > 6)
        return {};
    if (row == 0) {
        const int diaSemana = (column + startOfWeek_) % 7;
        const QStringList& nombres = Ajustes().nombresDiaCortos;  // Monday first
        const int indice = (diaSemana + 6) % 7;
        return indice < nombres.size() ? nombres[indice] : QString();
    }
    const int dia = layout_.DiaEn(column, row);
    return dia > 0 ? QString::number(dia) : QString();
}

void TCalendar::SetStartOfWeek(int value) {
    value = ((value % 7) + 7) % 7;
    if (value == startOfWeek_)
        return;
    startOfWeek_ = value;
    UpdateCalendar();
}

void TCalendar::SetUseCurrentDate(bool value) {
    useCurrentDate_ = value;
    if (!value)
        return;
    selectedDate_ = QDate::currentDate();
    UpdateCalendar();
}

void TCalendar::UpdateCalendar() {
    Marca marca(rebuilding_);
    layout_ = CalcularDisposicionMes(Year(), Month(), startOfWeek_);
    FocusCell(layout_.ColumnaDe(Day()), layout_.FilaDe(Day()), true);
    // The whole month is always in view.
    SetTopRow(FixedRows());
    SetLeftCol(0);
    InvalidateGrid();
    AnnounceDate();
}

void TCalendar::AnnounceDate() {
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent cambio(this, TextoFechaSeleccionada(selectedDate_));
    QAccessible::updateAccessibility(&cambio);
    if (hasFocus()) {
        if (QAccessibleInterface* yo = QAccessible::queryAccessibleInterface(this)) {
            if (QAccessibleInterface* celda = yo->focusChild()) {
                QAccessibleEvent foco(celda, QAccessible::Focus);
                QAccessible::updateAccessibility(&foco);
            }
        }
    }
}

void TCalendar::Change() {
    if (OnChange)
        OnChange(*this);
}

void TCalendar::DblClick() {
    if (OnDblClick)
        OnDblClick(*this);
}

bool TCalendar::SelectCell(int c, int r) {
    if (CellCaption(c, r).isEmpty())
        return false;
    if (readOnly_ && !rebuilding_)
        return false;
    return TCustomGrid::SelectCell(c, r);
}

void TCalendar::Click() {
    TCustomGrid::Click();
    const int dia = DayAt(Col(), Row());
    if (dia > 0)
        SetDay(dia);
}

void TCalendar::KeyDown(QKeyEvent* event) {
    const int col = Col(), row = Row();
    TCustomGrid::KeyDown(event);
    if (Col() != col || Row() != row)
        Click();
}

void TCalendar::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape belong to the window (accept, cancel), not to the grid.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->ignore();
        return;
    default:
        TCustomGrid::keyPressEvent(event);
    }
}

void TCalendar::mouseDoubleClickEvent(QMouseEvent* event) {
    TCustomGrid::mouseDoubleClickEvent(event);
    DblClick();
}

void TCalendar::resizeEvent(QResizeEvent* event) {
    TCustomGrid::resizeEvent(event);
    SizeCells();
}

void TCalendar::SizeCells() {
    // Our grid draws a line after every column and row, the last ones
    // included, so seven lines share the client area with the cells.
    const int linea = GridLineWidth();
    const int ancho = qMax(0, (viewport()->width() - 7 * linea) / 7);
    const int alto = qMax(0, (viewport()->height() - 7 * linea) / 7);
    for (int i = 0; i < 7; ++i) {
        SetColWidths(i, ancho);
        SetRowHeights(i, alto);
    }
    SetTopRow(FixedRows());
    SetLeftCol(0);
}

void TCalendar::DrawCell(int c, int r, const QRect& rect, TGridDrawState state, QPainter& painter) {
    DrawCaption(c, r, rect, painter);
    TCustomGrid::DrawCell(c, r, rect, state, painter);
}

void TCalendar::DrawCaption(int c, int r, const QRect& rect, QPainter& painter) const {
    const QString texto = CellCaption(c, r);
    if (texto.isEmpty())
        return;
    const QFontMetrics medidas(painter.font());
    const int x = rect.left() + (rect.width() - medidas.horizontalAdvance(texto)) / 2;
    const int y = rect.top() + (rect.height() - medidas.height()) / 2 + medidas.ascent();
    painter.drawText(x, y, texto);
}
