#include "util/filtro_numerico.h"

int TagNumerico(bool decimales, bool signo) { return (decimales ? 1 : 0) + (signo ? 10 : 0); }

std::optional<QChar> FiltrarCaracterNumerico(QChar caracter, const QString& texto, int cursor, int tag,
                                             QChar separadorDecimal) {
    const char16_t u = caracter.unicode();
    if (u < 32 || u == 127)
        return caracter;
    const bool admiteDecimales = tag % 10 != 0;
    const bool admiteSigno = tag >= 10;
    const bool tieneSigno = texto.contains(QLatin1Char('-')) || texto.contains(QLatin1Char('+'));
    if (caracter == separadorDecimal || caracter == QLatin1Char('.')) {
        if (!admiteDecimales || texto.contains(separadorDecimal))
            return std::nullopt;
        if (cursor == 0 && tieneSigno)
            return std::nullopt;
        return separadorDecimal;
    }
    if (caracter == QLatin1Char('-')) {
        if (!admiteSigno || cursor != 0 || tieneSigno)
            return std::nullopt;
        return caracter;
    }
    if (u >= u'0' && u <= u'9') {
        if (cursor == 0 && tieneSigno)
            return std::nullopt;
        return caracter;
    }
    return std::nullopt;
}
