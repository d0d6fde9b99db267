#include "util/textos_celda.h"

#include "util/ajustes_regionales.h"
#include "util/fechas.h"
#include "util/textos_numericos.h"

TTextosCelda::TTextosCelda() {
    const QString& formato = Ajustes().formatoFechaCorta;
    ordenFecha_ = formato == QLatin1String("dd/MM/yyyy") ? 0 : formato == QLatin1String("MM/dd/yyyy") ? 1 : -1;
}

QString TTextosCelda::Importe(double valor) const { return TextoImporte(valor); }

bool TTextosCelda::FechaDeFormaFija(const QDate& fecha) const {
    return ordenFecha_ >= 0 && fecha.isValid() && fecha.year() >= 1 && fecha.year() <= 9999;
}

QString TTextosCelda::Fecha(const QDate& fecha) const {
    if (!FechaDeFormaFija(fecha))
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
