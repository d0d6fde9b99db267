#pragma once
// JSON texts of the values the command line writes.
#include <QDate>
#include <QString>

// An amount rounded to the cent exactly as its text shows it: 1483.28;
// null when it is not finite.
QString JsonImporte(double valor);
QString JsonEntero(long long valor);
// "AAAA-MM-DD", or null for an invalid date.
QString JsonFecha(const QDate& fecha);
// A quoted string with the characters JSON requires escaped.
QString JsonTexto(const QString& texto);
