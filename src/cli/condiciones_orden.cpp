#include "cli/condiciones_orden.h"

#include "cli/lectura_opciones.h"
#include "util/textos_numericos.h"

#include <tuple>
#include <utility>

namespace {

const QString kPeriodicidad = QStringLiteral("--periodicidad");
const QString kComision = QStringLiteral("--comision-apertura");
const QString kGastos = QStringLiteral("--gastos");
const QString kAmortizacion = QStringLiteral("--amortizacion");
const QString kRevision = QStringLiteral("--revision");
const QString kSistema = QStringLiteral("--sistema");
const QString kCrecimiento = QStringLiteral("--crecimiento");
const QString kCarencia = QStringLiteral("--carencia");
const QString kTipo = QStringLiteral("--tipo");
const QString kDiferencial = QStringLiteral("--diferencial");
const QString kIndice = QStringLiteral("--indice");
const QString kIndiceEn = QStringLiteral("--indice-en");
const QString kRevisionCada = QStringLiteral("--revision-cada");
const QString kTramoFijo = QStringLiteral("--tramo-fijo");
const QString kSeguro = QStringLiteral("--seguro");
const QString kMantenimiento = QStringLiteral("--mantenimiento");
// What an early repayment lowers, in the order of the enumeration.
const QStringList kReducciones = {QStringLiteral("plazo"), QStringLiteral("cuota")};
// The written commission that stands for the legal maximum.
const QString kComisionLegal = QStringLiteral("legal");
// Repayment systems, kinds of grace and kinds of rate, in the order of
// their enumerations.
const QStringList kSistemas = {QStringLiteral("frances"), QStringLiteral("aleman"), QStringLiteral("americano"),
                               QStringLiteral("creciente")};
const QStringList kCarencias = {QStringLiteral("parcial"), QStringLiteral("total")};
const QStringList kTipos = {QStringLiteral("fijo"), QStringLiteral("variable"), QStringLiteral("mixto")};
const QStringList kMesesRevision = {QStringLiteral("6"), QStringLiteral("12")};

// An empty value is 0, as an empty box in the dialog.
double Importe(const QString& texto) { return texto.isEmpty() ? 0 : LeerImporte(texto); }

double ImporteOpcion(const TArgumentosOrden& a, const QString& opcion) {
    return NombrandoOpcion(opcion, [&] { return Importe(a.Valor(opcion)); });
}

int CantidadOpcion(const TArgumentosOrden& a, const QString& opcion) {
    return a.Tiene(opcion) ? NombrandoOpcion(opcion, [&] { return LeerCantidad(a.Valor(opcion)); }) : 0;
}

// The parts of a value such as "12:20.000:plazo"; a count outside
// [minimo, maximo] is bad usage showing the expected form.
QStringList Partes(const QString& opcion, const QString& valor, qsizetype minimo, qsizetype maximo,
                   const QString& forma) {
    const QStringList partes = valor.split(u':');
    if (partes.size() < minimo || partes.size() > maximo)
        throw EUsoOrden(QStringLiteral("%1: \"%2\" no es válido; debe ser %3").arg(opcion, valor, forma));
    return partes;
}

// The position of `texto` in `opciones`, or bad usage listing them.
qsizetype Indice(const QString& contexto, const QString& texto, const QStringList& opciones) {
    const qsizetype i = opciones.indexOf(texto);
    if (i < 0)
        throw EUsoOrden(QStringLiteral("%1: \"%2\" no es válido; debe ser %3")
                            .arg(contexto, texto, opciones.join(QStringLiteral(", "))));
    return i;
}

// `legalPorDefecto`: with a kind of rate given, an omitted commission is the
// legal maximum for it rather than none.
finance::AmortizacionAnticipada Amortizacion(const QString& valor, bool legalPorDefecto) {
    const QStringList p =
        Partes(kAmortizacion, valor, 3, 4, QStringLiteral("N:IMPORTE:plazo|cuota[:COMISION|legal]"));
    const QString contexto = QStringLiteral("%1 \"%2\"").arg(kAmortizacion, valor);
    const qsizetype reduce = Indice(contexto, p[2], kReducciones);
    return NombrandoOpcion(contexto, [&] {
        finance::AmortizacionAnticipada a;
        a.cuota = LeerCantidad(p[0]);
        a.importe = LeerImporte(p[1]);
        a.reduce = finance::ReduccionAmortizacion(reduce);
        if (p.size() > 3 && p[3] == kComisionLegal)
            a.comisionLegal = true;
        else if (p.size() > 3)
            a.comision = Importe(p[3]);
        else
            a.comisionLegal = legalPorDefecto;
        return a;
    });
}

// A value "N:PORCENTAJE": an instalment and a percentage from it on.
std::pair<int, double> CuotaYPorcentaje(const QString& opcion, const QString& valor, const QString& forma) {
    const QStringList p = Partes(opcion, valor, 2, 2, forma);
    return NombrandoOpcion(QStringLiteral("%1 \"%2\"").arg(opcion, valor),
                           [&] { return std::pair{LeerCantidad(p[0]), LeerImporte(p[1])}; });
}

finance::RevisionInteres Revision(const QString& valor) {
    finance::RevisionInteres r;
    std::tie(r.cuota, r.interes) = CuotaYPorcentaje(kRevision, valor, QStringLiteral("N:INTERES"));
    return r;
}

finance::IndiceDesde IndiceEn(const QString& valor) {
    finance::IndiceDesde i;
    std::tie(i.cuota, i.valor) = CuotaYPorcentaje(kIndiceEn, valor, QStringLiteral("N:PORCENTAJE"));
    return i;
}

void Carencia(const TArgumentosOrden& a, finance::CondicionesPrestamo& c) {
    if (!a.Tiene(kCarencia))
        return;
    const QString valor = a.Valor(kCarencia);
    const QStringList p = Partes(kCarencia, valor, 2, 2, QStringLiteral("N:parcial|total"));
    const QString contexto = QStringLiteral("%1 \"%2\"").arg(kCarencia, valor);
    c.carencia = finance::TipoCarencia(1 + Indice(contexto, p[1], kCarencias));
    c.cuotasCarencia = NombrandoOpcion(contexto, [&] { return LeerCantidad(p[0]); });
}

// An option that only means something with another choice is bad usage
// without it, rather than silently ignored.
void SoloCon(const TArgumentosOrden& a, const QString& opcion, bool admitida, const QString& requisito) {
    if (a.Tiene(opcion) && !admitida)
        throw EUsoOrden(QStringLiteral("%1 solo puede usarse con %2").arg(opcion, requisito));
}

void TipoInteres(const TArgumentosOrden& a, finance::CondicionesPrestamo& c) {
    c.tipoInteres = finance::TipoInteres(kTipos.indexOf(a.Eleccion(kTipo, kTipos, kTipos[0])));
    const bool indexado = c.tipoInteres != finance::TipoInteres::Fijo;
    const QString conIndice = QStringLiteral("--tipo variable o --tipo mixto");
    for (const QString& opcion : {kDiferencial, kIndice, kIndiceEn, kRevisionCada})
        SoloCon(a, opcion, indexado, conIndice);
    const bool mixto = c.tipoInteres == finance::TipoInteres::Mixto;
    SoloCon(a, kTramoFijo, mixto, QStringLiteral("--tipo mixto"));
    if (mixto && !a.Tiene(kTramoFijo))
        throw EUsoOrden(QStringLiteral("--tipo mixto necesita --tramo-fijo N (las cuotas a interés fijo)"));
    c.diferencial = ImporteOpcion(a, kDiferencial);
    c.indice = ImporteOpcion(a, kIndice);
    for (const QString& valor : a.Valores(kIndiceEn))
        c.indicesDesde.push_back(IndiceEn(valor));
    c.revisionMeses = a.Eleccion(kRevisionCada, kMesesRevision, QStringLiteral("12")).toInt();
    c.tramoFijo = CantidadOpcion(a, kTramoFijo);
}

}  // namespace

OpcionesAdmitidas ConOpcionesCondiciones(OpcionesAdmitidas propias) {
    propias.conValor << kPeriodicidad << kComision << kGastos << kSistema << kCrecimiento << kCarencia << kTipo
                     << kDiferencial << kIndice << kRevisionCada << kTramoFijo << kSeguro << kMantenimiento;
    propias.repetibles << kAmortizacion << kRevision << kIndiceEn;
    return propias;
}

finance::CondicionesPrestamo CondicionesOpcion(const TArgumentosOrden& a) {
    QStringList periodicidades = finance::NombresPeriodicidad();
    for (QString& nombre : periodicidades)
        nombre = nombre.toLower();
    finance::CondicionesPrestamo c;
    c.periodicidad = finance::Periodicidad(periodicidades.indexOf(a.Eleccion(kPeriodicidad, periodicidades,
                                                                             periodicidades[0])));
    c.comisionApertura = ImporteOpcion(a, kComision);
    c.gastosIniciales = ImporteOpcion(a, kGastos);
    for (const QString& valor : a.Valores(kRevision))
        c.revisiones.push_back(Revision(valor));

    c.sistema = finance::SistemaAmortizacion(kSistemas.indexOf(a.Eleccion(kSistema, kSistemas, kSistemas[0])));
    SoloCon(a, kCrecimiento, c.sistema == finance::SistemaAmortizacion::Creciente,
            QStringLiteral("--sistema creciente"));
    c.crecimiento = ImporteOpcion(a, kCrecimiento);
    Carencia(a, c);
    TipoInteres(a, c);
    c.seguroAnual = ImporteOpcion(a, kSeguro);
    c.mantenimientoAnual = ImporteOpcion(a, kMantenimiento);

    for (const QString& valor : a.Valores(kAmortizacion))
        c.amortizaciones.push_back(Amortizacion(valor, a.Tiene(kTipo)));
    return c;
}

QString ClaveSistema(finance::SistemaAmortizacion sistema) { return kSistemas.value(qsizetype(sistema)); }
