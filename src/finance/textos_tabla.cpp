#include "finance/textos_tabla.h"

#include "util/textos_numericos.h"

#include <algorithm>

namespace {

// Where the optional columns go in the plain table: right after "Interés".
constexpr qsizetype kTrasInteres = 5;

}  // namespace

ColumnasOpcionalesPrestamo ColumnasOpcionalesDe(const finance::CondicionesPrestamo& c) {
    const auto& a = c.amortizaciones;
    ColumnasOpcionalesPrestamo opcionales;
    opcionales.amortAnticipada = !a.empty();
    opcionales.comision = std::any_of(a.begin(), a.end(), [](const auto& x) { return x.comision != 0 || x.comisionLegal; });
    opcionales.interesAnual = !c.revisiones.empty() || c.tipoInteres != finance::TipoInteres::Fijo;
    if (c.cuotasCarencia > 0)
        opcionales.carencia = c.carencia;
    return opcionales;
}

QString TituloInteresAnual() { return QStringLiteral("Interés %"); }
QString TituloCarencia() { return QStringLiteral("Carencia"); }
QString TituloAmortAnticipada() { return QStringLiteral("Amort. anticipada"); }
QString TituloComision() { return QStringLiteral("Comisión"); }

QString TextoCarencia(const trPrestamo& fila, finance::TipoCarencia carencia) {
    if (!fila.carencia)
        return QString();
    return carencia == finance::TipoCarencia::Total ? QStringLiteral("Total") : QStringLiteral("Parcial");
}

QStringList ConColumnasOpcionales(QStringList plenas, ColumnasOpcionalesPrestamo opcionales,
                                  const CeldasOpcionales& celdas) {
    qsizetype sitio = kTrasInteres;
    if (opcionales.interesAnual)
        plenas.insert(sitio++, celdas.interesAnual);
    if (opcionales.carencia != finance::TipoCarencia::Ninguna)
        plenas.insert(sitio++, celdas.carencia);
    if (opcionales.amortAnticipada)
        plenas.insert(sitio++, celdas.amortAnticipada);
    if (opcionales.comision)
        plenas.insert(sitio, celdas.comision);
    return plenas;
}

QStringList TitulosTablaPrestamo(ColumnasOpcionalesPrestamo opcionales) {
    return ConColumnasOpcionales(
        {QStringLiteral("Nº"), QStringLiteral("Fecha"), QStringLiteral("Cuota"), QStringLiteral("Capital"),
         QStringLiteral("Interés"), QStringLiteral("Amortizado"), QStringLiteral("Pendiente"),
         QStringLiteral("Pagado"), QStringLiteral("Intereses")},
        opcionales, {TituloInteresAnual(), TituloCarencia(), TituloAmortAnticipada(), TituloComision()});
}

QStringList TitulosTablaInversion(bool conValorReal) {
    QStringList titulos{QStringLiteral("Nº"),        QStringLiteral("Fecha"),     QStringLiteral("Cuota"),
                        QStringLiteral("Invertido"), QStringLiteral("Acumulado"), QStringLiteral("Beneficio")};
    if (conValorReal)
        titulos << QStringLiteral("Valor real");
    return titulos;
}

QStringList TitulosTablaRetirada() {
    return {QStringLiteral("Nº"), QStringLiteral("Fecha"), QStringLiteral("Retirada"), QStringLiteral("Interés"),
            QStringLiteral("Capital")};
}

QStringList TitulosTablaDepreciacion() {
    return {QStringLiteral("Año"),         QStringLiteral("Fecha"),       QStringLiteral("Valor Inicial"),
            QStringLiteral("Dep. Periodo"), QStringLiteral("Valor Final"), QStringLiteral("Dep. Acumulada")};
}

QStringList TextosFilaTabla(const TTextosCelda& t, const trPrestamo& f, ColumnasOpcionalesPrestamo opcionales) {
    return ConColumnasOpcionales({TextoEntero(f.numero), t.Fecha(f.fecha), t.Importe(f.cuota), t.Importe(f.capital),
                                  t.Importe(f.interes), t.Importe(f.amortizado), t.Importe(f.pendiente),
                                  t.Importe(f.pagado), t.Importe(f.intereses)},
                                 opcionales,
                                 {t.Importe(f.interesAnual), TextoCarencia(f, opcionales.carencia),
                                  t.Importe(f.amortAnticipada), t.Importe(f.comision)});
}

QStringList TextosFilaTabla(const TTextosCelda& t, const trInversion& f) {
    QStringList textos{TextoEntero(f.numero),  t.Fecha(f.fecha),       t.Importe(f.cuota),
                       t.Importe(f.invertido), t.Importe(f.acumulado), t.Importe(f.beneficio)};
    if (f.valorReal)
        textos << t.Importe(*f.valorReal);
    return textos;
}

QStringList TextosFilaTabla(const TTextosCelda& t, const trRetirada& f) {
    return {TextoEntero(f.numero), t.Fecha(f.fecha), t.Importe(f.retirada), t.Importe(f.interes),
            t.Importe(f.capital)};
}

QStringList TextosFilaTabla(const TTextosCelda& t, const trDepreciacion& f) {
    return {TextoEntero(f.anio),          t.Fecha(f.fecha),          t.Importe(f.valorInicial),
            t.Importe(f.depPeriodo),      t.Importe(f.valorFinal),   t.Importe(f.depAcumulada)};
}

QString TituloTablaDepreciacion(finance::CodigoCalculo calculo) {
    using finance::CodigoCalculo;
    switch (calculo) {
    case CodigoCalculo::DepreciacionLineal: return QStringLiteral("Depreciación lineal, tabla de desarrollo");
    case CodigoCalculo::DepreciacionAcelerada: return QStringLiteral("Depreciación acelerada, tabla de desarrollo");
    case CodigoCalculo::DepreciacionDoble: return QStringLiteral("Depreciación doble, tabla de desarrollo");
    case CodigoCalculo::DepreciacionDobleLineal:
        return QStringLiteral("Depreciación doble con paso a lineal, tabla de desarrollo");
    default: return QString();
    }
}
