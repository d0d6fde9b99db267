#pragma once
// Date texts that follow the regional settings (Ajustes()): month names, the
// short date format dd/MM/yyyy or MM/dd/yyyy, and the reading of date fields.
#include <QDate>
#include <QString>
#include <optional>

// The long name of month 1 to 12 as the regional settings write it ("enero"),
// or with a capital first letter ("Enero"). Empty outside 1 to 12.
QString NombreMes(int mes, bool mayuscula);

// "1 de enero de 2002", or "enero 1, 2002" when the month comes first: Spanish
// writes month names in lower case inside a date.
QString FechaEnLetra(const QDate& fecha);

// The program's short date text: "05/03/2024" (dd/MM/yyyy), or MM/dd/yyyy when
// the month comes first. Empty for an invalid date.
QString TextoFecha(const QDate& fecha);

// Reads a date field's text: no value for a blank field (FechaEnBlanco); a
// date when the text holds day/month/year (month/day/year when mesPrimero),
// blanks before each number or separator and at the end allowed, the day valid
// for its month and the year in 1 to 9999. A one- or two-digit year falls in
// the hundred years that begin fifty years before anioActual (in 2026: 76 to 99
// are 1976 to 1999, 00 to 75 are 2000 to 2075). Anything else throws
// EConvertError with the message: La fecha "texto" no es correcta.
std::optional<QDate> LeerFecha(const QString& texto, bool mesPrimero, int anioActual);

// The same with the regional order and today's year.
std::optional<QDate> LeerFecha(const QString& texto);

// Reads a date field as LeerFecha does and, besides, refuses a year outside
// the range of FechaEnRango, throwing EConvertError with
// TextoFechaFueraDeRango.
std::optional<QDate> LeerFechaDeCampo(const QString& texto);

// La fecha "texto" no es correcta: el año debe estar entre 1900 y 2099
QString TextoFechaFueraDeRango(const QString& texto);

// The warning text for a date that does not read: La fecha "texto" no es correcta
QString TextoFechaIncorrecta(const QString& texto);
