#pragma once
// The texts of a long table's cells, built fast: the amounts of TextoImporte
// ("%.2n"), and the same short dates as TextoFecha written into a small
// buffer with the date order read once, so that a table of a million rows is
// formatted in well under a second.
#include <QDate>
#include <QString>

class TTextosCelda {
public:
    // Reads the regional settings in force.
    TTextosCelda();

    // TextoImporte: two decimals, halves away from zero, thousands grouped;
    // empty when the value is not finite.
    QString Importe(double valor) const;
    // The program's short date text; empty for an invalid date.
    QString Fecha(const QDate& fecha) const;
    // True when the date's text has the fixed shape of two digits, two
    // digits and four, so that every such date's text is as wide as another.
    bool FechaDeFormaFija(const QDate& fecha) const;

private:
    // 0: dd/MM/yyyy, 1: MM/dd/yyyy, -1: another format, left to TextoFecha.
    int ordenFecha_;
};
