#include "util/ajustes_regionales.h"

namespace {

AjustesRegionales& AjustesEnVigor() {
    static AjustesRegionales ajustes;
    return ajustes;
}

bool& Leidos() {
    static bool leidos = false;
    return leidos;
}

// The month comes first when the first "M" of the short date format stands
// before the first "d" (case ignored; an absent letter counts as position 0).
bool FormatoConMesPrimero(const QString& formato) {
    const auto posicion = [&formato](QChar letra) {
        const qsizetype p = formato.indexOf(letra, 0, Qt::CaseInsensitive);
        return p < 0 ? 0 : p + 1;
    };
    return posicion(QLatin1Char('d')) > posicion(QLatin1Char('m'));
}

}  // namespace

void LeerAjustesRegionales(const QLocale& locale) {
    AjustesRegionales a;
    const QString decimal = locale.decimalPoint();
    const QString miles = locale.groupSeparator();
    a.separadorDecimal = decimal.isEmpty() ? QLatin1Char('.') : decimal.front();
    a.separadorMiles = miles.isEmpty() ? QLatin1Char(',') : miles.front();
    if (a.separadorMiles == a.separadorDecimal)
        a.separadorMiles = a.separadorDecimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    a.mesPrimero = FormatoConMesPrimero(locale.dateFormat(QLocale::ShortFormat));
    a.formatoFechaCorta = a.mesPrimero ? QStringLiteral("MM/dd/yyyy") : QStringLiteral("dd/MM/yyyy");
    for (int mes = 1; mes <= 12; ++mes)
        a.nombresMes << locale.monthName(mes, QLocale::LongFormat);
    for (int dia = 1; dia <= 7; ++dia)
        a.nombresDiaCortos << locale.dayName(dia, QLocale::ShortFormat);
    a.primerDiaSemana = locale.firstDayOfWeek();
    AjustesEnVigor() = a;
    Leidos() = true;
}

const AjustesRegionales& Ajustes() {
    if (!Leidos())
        LeerAjustesRegionales();
    return AjustesEnVigor();
}

void FijarAjustesRegionales(const AjustesRegionales& ajustes) {
    AjustesEnVigor() = ajustes;
    Leidos() = true;
}
