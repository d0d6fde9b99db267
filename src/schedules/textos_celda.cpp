#include "schedules/textos_celda.h"

#include "util/ajustes_regionales.h"
#include "util/fechas.h"

#include <charconv>
#include <cmath>
#include <cstring>

TTextosCelda::TTextosCelda()
    : decimal_(Ajustes().separadorDecimal.unicode()), miles_(Ajustes().separadorMiles.unicode()) {
    const QString& formato = Ajustes().formatoFechaCorta;
    ordenFecha_ = formato == QLatin1String("dd/MM/yyyy") ? 0 : formato == QLatin1String("MM/dd/yyyy") ? 1 : -1;
}

namespace {

// Adds one to the last digit of cifras[0..n), carrying; returns the new
// length (one more when every digit was 9) after shifting the digits right.
size_t SumarUno(char* cifras, size_t n) {
    for (size_t i = n; i-- > 0;) {
        if (cifras[i] != '9') {
            ++cifras[i];
            return n;
        }
        cifras[i] = '0';
    }
    std::memmove(cifras + 1, cifras, n);
    cifras[0] = '1';
    return n + 1;
}

}  // namespace

// The shortest decimal digits that read back as the same double, rounded to
// two decimals by the third one, exactly as TextoImporte does.
QString TTextosCelda::Importe(double valor) const {
    if (!std::isfinite(valor))
        return QString();
    char texto[400];
    const auto fin = std::to_chars(texto, texto + sizeof texto, std::fabs(valor), std::chars_format::fixed).ptr;
    const char* punto = static_cast<const char*>(std::memchr(texto, '.', size_t(fin - texto)));
    const size_t largoEntera = punto ? size_t(punto - texto) : size_t(fin - texto);
    char fraccion[3] = {'0', '0', '0'};
    if (punto) {
        for (size_t i = 0; i < 3 && punto + 1 + i < fin; ++i)
            fraccion[i] = punto[1 + i];
    }
    char cifras[404];
    std::memcpy(cifras, texto, largoEntera);
    cifras[largoEntera] = fraccion[0];
    cifras[largoEntera + 1] = fraccion[1];
    size_t n = largoEntera + 2;
    if (fraccion[2] >= '5')
        n = SumarUno(cifras, n);
    const size_t entera = n - 2;

    bool cero = true;
    for (size_t i = 0; i < n && cero; ++i)
        cero = cifras[i] == '0';

    char16_t salida[600];
    size_t k = 0;
    if (std::signbit(valor) && !cero)
        salida[k++] = u'-';
    for (size_t i = 0; i < entera; ++i) {
        if (i > 0 && (entera - i) % 3 == 0)
            salida[k++] = miles_;
        salida[k++] = char16_t(cifras[i]);
    }
    if (entera == 0)
        salida[k++] = u'0';
    salida[k++] = decimal_;
    salida[k++] = char16_t(cifras[entera]);
    salida[k++] = char16_t(cifras[entera + 1]);
    return QString(reinterpret_cast<const QChar*>(salida), qsizetype(k));
}

QString TTextosCelda::Fecha(const QDate& fecha) const {
    if (ordenFecha_ < 0 || !fecha.isValid() || fecha.year() < 1 || fecha.year() > 9999)
        return TextoFecha(fecha);
    int anio = 0, mes = 0, dia = 0;
    fecha.getDate(&anio, &mes, &dia);
    const int primero = ordenFecha_ == 0 ? dia : mes;
    const int segundo = ordenFecha_ == 0 ? mes : dia;
    const char16_t texto[10] = {char16_t(u'0' + primero / 10),       char16_t(u'0' + primero % 10), u'/',
                                char16_t(u'0' + segundo / 10),       char16_t(u'0' + segundo % 10), u'/',
                                char16_t(u'0' + anio / 1000),        char16_t(u'0' + anio / 100 % 10),
                                char16_t(u'0' + anio / 10 % 10),     char16_t(u'0' + anio % 10)};
    return QString(reinterpret_cast<const QChar*>(texto), 10);
}
