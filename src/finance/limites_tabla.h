#pragma once
// The limits of a development table, checked before anything is built: how
// many rows it may have and how far its dates may go. The messages are
// Spanish and tell what to reduce.
#include "util/excepcion.h"

#include <QDate>
#include <QString>
#include <functional>

// The most periods a development table may have: 1,048,576 (a spreadsheet's
// row limit). The rows of such a loan table take about 75 MB; a larger one
// is refused before anything is allocated.
inline constexpr int kMaxFilasDesarrollo = 1048576;

// A table too long to build: more periods than kMaxFilasDesarrollo, or dates
// past the last one the program can show. The message is Spanish.
class EDesarrolloExcesivo : public Exception {
public:
    using Exception::Exception;
};

// Throws EDesarrolloExcesivo when the table would have more periods than the
// limit. "consejo" ends the message, telling what to reduce.
void ComprobarTamanoDesarrollo(long long periodos, const QString& consejo);

// The date of period k + 1 of a table, k periods after the first one;
// invalid past 31/12/9999.
using FechaDePeriodo = std::function<QDate(int k, const QDate& primera)>;

// Throws EDesarrolloExcesivo when the date of the last of `periodos` periods
// would fall after 31/12/9999, the last date the program shows; the message
// names that date and the last row that fits. "consejo" ends it.
void ComprobarFechasDesarrollo(int periodos, const QDate& primera, FechaDePeriodo fecha, const QString& consejo);

// Both checks for a table of instalments (loans and savings plans; a loan
// may pay every `mesesPorCuota` months, so its dates span that many months
// per row) and for one of years (depreciation), run before anything is built.
void ComprobarDesarrolloMensual(int cuotas, const QDate& primera, int mesesPorCuota = 1);
void ComprobarDesarrolloAnual(int anios, const QDate& primera);
