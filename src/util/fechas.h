#pragma once
// Date arithmetic and plain text helpers on QDate. This file and fechas.cpp
// depend on Qt Core alone; the texts that follow the regional settings are in
// textos_fecha.h, included at the end for convenience.
#include <QDate>
#include <QString>

// Days in the date's month, 28 to 31 (February follows leap years); 0 for an
// invalid date.
int DiasDelMes(const QDate& fecha);

// The same day n months later (earlier when n < 0); when that day does not
// exist in the target month, its last day. Any count is computed in constant
// time. A result outside the years 1 to 9999, or an invalid input date, gives
// an invalid QDate: the program neither reads nor shows such dates.
QDate SumarMeses(int meses, const QDate& fecha);

// The same day and month n years later (earlier when n < 0); 29 February into a
// common year gives 28 February. Outside the years 1 to 9999, or for an invalid
// input date, an invalid QDate.
QDate SumarAnios(int anios, const QDate& fecha);

// The years the program's date fields, its date picker and the picker's
// button accept. The picker's year list holds exactly these years, and the
// other two keep to the same range so that a date written in a field can
// always be shown in the picker and the picker never offers a date the field
// would refuse.
constexpr int kPrimerAnioFecha = 1900;
constexpr int kUltimoAnioFecha = 2099;

// True for a valid date whose year lies in kPrimerAnioFecha to kUltimoAnioFecha.
bool FechaEnRango(const QDate& fecha);

// True for an empty date field: "", "  /  /    " or "__/__/____".
bool FechaEnBlanco(const QString& texto);

// Spanish capitals: a-z to A-Z and á é í ñ ó ú to Á É Í Ñ Ó Ú; every other
// character unchanged.
QString MayusculasEsp(const QString& texto);

// The first character through MayusculasEsp, the rest unchanged.
QString Capitalizar(const QString& texto);

#include "textos_fecha.h"
