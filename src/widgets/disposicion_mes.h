#pragma once
// The month layout of the calendar grid, free of any widget: which cell holds
// which day for a given month and first day of the week, and the texts that
// name a chosen date.
#include <QDate>
#include <QString>

// Weekdays are numbered Sunday = 0 to Saturday = 6 throughout the calendar.
int DiaSemanaDomingoCero(const QDate& fecha);

// The first weekday of the regional settings in that numbering (Monday = 1
// for Spanish settings, Sunday = 0 for United States settings).
int InicioSemanaRegional();

// The columns that show Sundays and Saturdays when the week starts on the
// given weekday.
int ColumnaDomingoPara(int inicioSemana);
int ColumnaSabadoPara(int inicioSemana);

// One month laid out on six rows of seven columns under the weekday row
// (rows 1 to 6, columns 0 to 6).
struct DisposicionMes {
    int columnaPrimero = 0;  // column of the 1st, 0 to 6
    int desplazamiento = 1;  // the day that column 0 of row 1 would hold, -5 to 1
    int diasMes = 31;

    // The day shown in a cell of rows 1 to 6, or 0 for an empty cell.
    int DiaEn(int columna, int fila) const;
    // The cell that shows a day of the month.
    int ColumnaDe(int dia) const { return (dia - 1 + columnaPrimero) % 7; }
    int FilaDe(int dia) const { return (dia - 1 + columnaPrimero) / 7 + 1; }
    // How many day rows the month takes, 4 to 6.
    int FilasUsadas() const { return FilaDe(diasMes); }
};

// The layout of the month of a year with the week starting on inicioSemana
// (0 to 6, Sunday = 0).
DisposicionMes CalcularDisposicionMes(int anio, int mes, int inicioSemana);

// The chosen date as the picker writes it: "8 de diciembre de 2026".
QString TextoFechaSeleccionada(const QDate& fecha);
