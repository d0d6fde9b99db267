#include "cli/condiciones_orden.h"

#include "cli/lectura_opciones.h"
#include "util/textos_numericos.h"

namespace {

const QString kPeriodicidad = QStringLiteral("--periodicidad");
const QString kComision = QStringLiteral("--comision-apertura");
const QString kGastos = QStringLiteral("--gastos");
const QString kAmortizacion = QStringLiteral("--amortizacion");
const QString kRevision = QStringLiteral("--revision");
// What an early repayment lowers, in the order of the enumeration.
const QStringList kReducciones = {QStringLiteral("plazo"), QStringLiteral("cuota")};

// An empty value is 0, as an empty box in the dialog.
double Importe(const QString& texto) { return texto.isEmpty() ? 0 : LeerImporte(texto); }

double ImporteOpcion(const TArgumentosOrden& a, const QString& opcion) {
    return NombrandoOpcion(opcion, [&] { return Importe(a.Valor(opcion)); });
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

finance::AmortizacionAnticipada Amortizacion(const QString& valor) {
    const QStringList p = Partes(kAmortizacion, valor, 3, 4, QStringLiteral("N:IMPORTE:plazo|cuota[:COMISION]"));
    const QString contexto = QStringLiteral("%1 \"%2\"").arg(kAmortizacion, valor);
    const qsizetype reduce = kReducciones.indexOf(p[2]);
    if (reduce < 0)
        throw EUsoOrden(QStringLiteral("%1: \"%2\" no es válido; debe ser %3")
                            .arg(contexto, p[2], kReducciones.join(QStringLiteral(", "))));
    return NombrandoOpcion(contexto, [&] {
        return finance::AmortizacionAnticipada{LeerCantidad(p[0]), LeerImporte(p[1]),
                                               finance::ReduccionAmortizacion(reduce),
                                               p.size() > 3 ? Importe(p[3]) : 0};
    });
}

finance::RevisionInteres Revision(const QString& valor) {
    const QStringList p = Partes(kRevision, valor, 2, 2, QStringLiteral("N:INTERES"));
    return NombrandoOpcion(QStringLiteral("%1 \"%2\"").arg(kRevision, valor), [&] {
        return finance::RevisionInteres{LeerCantidad(p[0]), LeerImporte(p[1])};
    });
}

}  // namespace

OpcionesAdmitidas ConOpcionesCondiciones(OpcionesAdmitidas propias) {
    propias.conValor << kPeriodicidad << kComision << kGastos;
    propias.repetibles << kAmortizacion << kRevision;
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
    for (const QString& valor : a.Valores(kAmortizacion))
        c.amortizaciones.push_back(Amortizacion(valor));
    for (const QString& valor : a.Valores(kRevision))
        c.revisiones.push_back(Revision(valor));
    return c;
}
