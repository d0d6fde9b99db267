#include "cli/valores_json.h"

#include "util/textos_numericos.h"

#include <cmath>

QString JsonImporte(double valor) {
    if (!std::isfinite(valor))
        return QStringLiteral("null");
    // The cents' digits of the one rounding every text uses, with a decimal
    // point put back before the last two.
    char cifras[kMaxCifrasCentimos];
    const Centimos c = RedondearCentimos(valor, cifras);
    const QString digitos = QString::fromLatin1(cifras, qsizetype(c.largo));
    QString texto = digitos.left(digitos.size() - 2) + u'.' + digitos.right(2);
    return c.negativo ? u'-' + texto : texto;
}

QString JsonEntero(long long valor) { return QString::number(valor); }

QString JsonFecha(const QDate& fecha) {
    return fecha.isValid() ? JsonTexto(fecha.toString(Qt::ISODate)) : QStringLiteral("null");
}

QString JsonTexto(const QString& texto) {
    QString salida = QStringLiteral("\"");
    for (QChar ch : texto) {
        if (ch == u'"' || ch == u'\\')
            salida += u'\\' + QString(ch);
        else if (ch.unicode() < 0x20)
            salida += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
        else
            salida += ch;
    }
    return salida + u'"';
}
