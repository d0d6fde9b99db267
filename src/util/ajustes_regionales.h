#pragma once
// The user's regional settings, read once from the locale. Only separators,
// names and the first day of the week are taken from QLocale; number and date
// texts are built by our own helpers (Qt's Spanish number texts group
// four-digit numbers wrongly and refuse grouped input).
#include <QLocale>
#include <QString>
#include <QStringList>

struct AjustesRegionales {
    QChar separadorDecimal = QLatin1Char(',');
    QChar separadorMiles = QLatin1Char('.');
    bool mesPrimero = false;                     // short date format puts the month first
    QString formatoFechaCorta = QStringLiteral("dd/MM/yyyy");  // QDate format text
    QStringList nombresMes;                      // long names, January first, as the locale writes them
    QStringList nombresDiaCortos;                // abbreviated, Monday first
    Qt::DayOfWeek primerDiaSemana = Qt::Monday;
};

// The settings in force. Read from QLocale() (the system's, unless a default
// was set) on first use.
const AjustesRegionales& Ajustes();

// Reads the settings again from the given locale: start-up, and tests that
// switch to another regional setting.
void LeerAjustesRegionales(const QLocale& locale = QLocale());

// Puts the given settings in force as they are: tests of a combination that
// no locale offers (Spanish names with the month first).
void FijarAjustesRegionales(const AjustesRegionales& ajustes);
