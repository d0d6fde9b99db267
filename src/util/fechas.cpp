#include "util/fechas.h"

namespace {

constexpr int kPrimerAnio = 1;
constexpr int kUltimoAnio = 9999;

// QDate has no year 0 (1 BC is year -1); counting years astronomically makes
// the arithmetic below a plain sum.
qint64 AnioAstronomico(int anio) { return anio < 0 ? qint64(anio) + 1 : qint64(anio); }

qint64 DivisionHaciaAbajo(qint64 a, qint64 b) {
    const qint64 cociente = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? cociente - 1 : cociente;
}

// The day in the given month, or its last day when the month is shorter.
QDate DiaEnMes(qint64 anio, int mes, int dia) {
    if (anio < kPrimerAnio || anio > kUltimoAnio)
        return {};
    const QDate primero(int(anio), mes, 1);
    return QDate(int(anio), mes, qMin(dia, primero.daysInMonth()));
}

}  // namespace

int DiasDelMes(const QDate& fecha) { return fecha.isValid() ? fecha.daysInMonth() : 0; }

QDate SumarMeses(int meses, const QDate& fecha) {
    if (!fecha.isValid())
        return {};
    const qint64 mesesTotales = AnioAstronomico(fecha.year()) * 12 + (fecha.month() - 1) + meses;
    const qint64 anio = DivisionHaciaAbajo(mesesTotales, 12);
    const int mes = int(mesesTotales - anio * 12) + 1;
    return DiaEnMes(anio, mes, fecha.day());
}

QDate SumarAnios(int anios, const QDate& fecha) {
    if (!fecha.isValid())
        return {};
    return DiaEnMes(AnioAstronomico(fecha.year()) + anios, fecha.month(), fecha.day());
}

bool FechaEnRango(const QDate& fecha) {
    return fecha.isValid() && fecha.year() >= kPrimerAnioFecha && fecha.year() <= kUltimoAnioFecha;
}

bool FechaEnBlanco(const QString& texto) {
    return texto.isEmpty() || texto == QLatin1String("  /  /    ") || texto == QLatin1String("__/__/____");
}

QString MayusculasEsp(const QString& texto) {
    QString resultado = texto;
    for (QChar& c : resultado) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            c = QChar(char16_t(u - u'a' + u'A'));
        else if (u == u'á' || u == u'é' || u == u'í' || u == u'ñ' || u == u'ó' || u == u'ú')
            c = QChar(char16_t(u - 0x20));  // the capital sits 32 places lower in Latin-1
    }
    return resultado;
}

QString Capitalizar(const QString& texto) {
    if (texto.isEmpty())
        return texto;
    return MayusculasEsp(texto.left(1)) + texto.mid(1);
}
