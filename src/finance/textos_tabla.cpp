#include "finance/textos_tabla.h"

#include "util/textos_numericos.h"

QStringList TitulosTablaPrestamo() {
    return {QStringLiteral("Nº"),         QStringLiteral("Fecha"),     QStringLiteral("Cuota"),
            QStringLiteral("Capital"),    QStringLiteral("Interés"),   QStringLiteral("Amortizado"),
            QStringLiteral("Pendiente"),  QStringLiteral("Pagado"),    QStringLiteral("Intereses")};
}

QStringList TitulosTablaInversion() {
    return {QStringLiteral("Nº"),        QStringLiteral("Fecha"),     QStringLiteral("Cuota"),
            QStringLiteral("Invertido"), QStringLiteral("Acumulado"), QStringLiteral("Beneficio")};
}

QStringList TitulosTablaDepreciacion() {
    return {QStringLiteral("Año"),         QStringLiteral("Fecha"),       QStringLiteral("Valor Inicial"),
            QStringLiteral("Dep. Periodo"), QStringLiteral("Valor Final"), QStringLiteral("Dep. Acumulada")};
}

QStringList TextosFilaTabla(const TTextosCelda& t, const trPrestamo& f) {
    return {TextoEntero(f.numero),     t.Fecha(f.fecha),         t.Importe(f.cuota),
            t.Importe(f.capital),      t.Importe(f.interes),     t.Importe(f.amortizado),
            t.Importe(f.pendiente),    t.Importe(f.pagado),      t.Importe(f.intereses)};
}

QStringList TextosFilaTabla(const TTextosCelda& t, const trInversion& f) {
    return {TextoEntero(f.numero),    t.Fecha(f.fecha),        t.Importe(f.cuota),
            t.Importe(f.invertido),   t.Importe(f.acumulado),  t.Importe(f.beneficio)};
}

QStringList TextosFilaTabla(const TTextosCelda& t, const trDepreciacion& f) {
    return {TextoEntero(f.anio),          t.Fecha(f.fecha),          t.Importe(f.valorInicial),
            t.Importe(f.depPeriodo),      t.Importe(f.valorFinal),   t.Importe(f.depAcumulada)};
}
