#include "schedules/desarrollo_comun.h"

#include "util/ajustes_regionales.h"
#include "util/fechas.h"
#include "widgets/grid/attribute_grid.h"

namespace {

// A whole number with its thousands grouped: 1.048.576.
QString TextoMiles(long long n) {
    QString cifras = QString::number(n < 0 ? -n : n);
    for (qsizetype i = cifras.size() - 3; i > 0; i -= 3)
        cifras.insert(i, Ajustes().separadorMiles);
    return n < 0 ? QLatin1Char('-') + cifras : cifras;
}

}  // namespace

void ComprobarTamanoDesarrollo(long long periodos, const QString& consejo) {
    if (periodos <= kMaxFilasDesarrollo)
        return;
    const QString texto = QStringLiteral("La tabla de desarrollo tendría %1 filas y no puede tener más de %2.\r%3")
                              .arg(TextoMiles(periodos), TextoMiles(kMaxFilasDesarrollo), consejo);
    throw EDesarrolloExcesivo(texto.toStdString());
}

void ComprobarFechasDesarrollo(int periodos, const QDate& primera, FechaDePeriodo fecha, const QString& consejo) {
    if (periodos <= 0 || !primera.isValid() || fecha(periodos - 1, primera).isValid())
        return;
    // Dates only move forward with the period, so the last one that fits is
    // found by halving: period `cabe` has a date, period `noCabe` none.
    int cabe = 0, noCabe = periodos - 1;
    while (noCabe - cabe > 1) {
        const int medio = cabe + (noCabe - cabe) / 2;
        (fecha(medio, primera).isValid() ? cabe : noCabe) = medio;
    }
    const QString texto = QStringLiteral("Las fechas de la tabla de desarrollo pasarían del %1, la última fecha que se "
                                         "puede mostrar: empezando el %2, la última fila posible es la %3.\r%4")
                              .arg(TextoFecha(QDate(9999, 12, 31)), TextoFecha(primera), TextoMiles(cabe + 1), consejo);
    throw EDesarrolloExcesivo(texto.toStdString());
}

void ComprobarDesarrolloMensual(int cuotas, const QDate& primera) {
    ComprobarTamanoDesarrollo(cuotas, QStringLiteral("Reduzca el número de cuotas."));
    ComprobarFechasDesarrollo(cuotas, primera, SumarMeses,
                              QStringLiteral("Reduzca el número de cuotas o elija una primera fecha anterior."));
}

void ComprobarDesarrolloAnual(int anios, const QDate& primera) {
    ComprobarTamanoDesarrollo(anios, QStringLiteral("Reduzca los años de vida útil."));
    ComprobarFechasDesarrollo(anios, primera, SumarAnios,
                              QStringLiteral("Reduzca los años de vida útil o elija una fecha inicial anterior."));
}

void PrepararRejilla(TAttributeGrid& grid, std::initializer_list<ColumnaDesarrollo> columnas, int periodos) {
    grid.SetColCount(int(columnas.size()));
    int c = 0;
    for (const ColumnaDesarrollo& columna : columnas) {
        grid.SetCells(c, 0, columna.titulo);
        grid.ColorCol(c, columna.fondo);
        grid.FontCol(c).SetColor(columna.fuente);
        ++c;
    }
    grid.SetRowCount(periodos + 1);
    // A text in the last row first gives every column its full length at
    // once, so that a long table is not copied as its columns grow; the
    // builder writes the real texts over it.
    if (periodos > 0) {
        for (c = 0; c < grid.ColCount(); ++c)
            grid.SetCells(c, periodos, QStringLiteral("-"));
    }
}

void EscribirFila(TAttributeGrid& grid, int fila, std::initializer_list<QString> textos) {
    int c = 0;
    for (const QString& texto : textos)
        grid.SetCells(c++, fila, texto);
}

void EnsancharColumnas(TAttributeGrid& grid, int primera, int pixeles) {
    for (int c = primera; c < grid.ColCount(); ++c)
        grid.SetColWidths(c, grid.ColWidths(c) + pixeles);
}
