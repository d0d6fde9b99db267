#include "finance/condiciones_json.h"

#include "finance/lectura_json.h"

#include <QJsonArray>
#include <limits>

namespace finance {

namespace {

// The names of the enumerations in the file, in their order; they never
// change once written, whatever the enumerations' own names become.
constexpr std::initializer_list<const char*> kPeriodicidades = {"mensual", "bimestral", "trimestral", "semestral",
                                                                "anual"};
constexpr std::initializer_list<const char*> kReducciones = {"plazo", "cuota"};
constexpr std::initializer_list<const char*> kSistemas = {"frances", "aleman", "americano", "creciente"};
constexpr std::initializer_list<const char*> kCarencias = {"ninguna", "parcial", "total"};
constexpr std::initializer_list<const char*> kTiposInteres = {"fijo", "variable", "mixto"};
constexpr std::initializer_list<const char*> kRetenciones = {"ninguna", "tramos", "fija"};

constexpr int kMaximoEntero = std::numeric_limits<int>::max();
// More changes than instalments in any loan the program takes; the bound
// also keeps the checks of a hostile file's lists short.
constexpr qsizetype kMaximoElementos = 2000;

template <typename Enumeracion>
QString NombreDe(std::initializer_list<const char*> nombres, Enumeracion valor) {
    return QLatin1String(nombres.begin()[static_cast<int>(valor)]);
}

template <typename Enumeracion>
Enumeracion LeerNombre(const QJsonObject& objeto, const char* clave, std::initializer_list<const char*> nombres,
                       Enumeracion porDefecto) {
    return static_cast<Enumeracion>(
        json::Nombre(objeto, QLatin1String(clave), nombres, static_cast<int>(porDefecto)));
}

// A list of JSON objects, each made from an element by `convertir`.
template <typename Elemento, typename Convertir>
QJsonArray ListaAJson(const std::vector<Elemento>& elementos, Convertir convertir) {
    QJsonArray lista;
    for (const Elemento& elemento : elementos)
        lista.append(convertir(elemento));
    return lista;
}

template <typename Elemento, typename Convertir>
std::vector<Elemento> ListaDeJson(const QJsonObject& objeto, const char* clave, Convertir convertir) {
    const QJsonArray lista = json::Lista(objeto, QLatin1String(clave));
    if (lista.size() > kMaximoElementos)
        json::ValorNoValido(QLatin1String(clave));
    std::vector<Elemento> elementos;
    for (const QJsonValue& valor : lista)
        elementos.push_back(convertir(json::ObjetoDeLista(valor, QLatin1String(clave))));
    return elementos;
}

QJsonObject AmortizacionAJson(const AmortizacionAnticipada& a) {
    return {{QStringLiteral("cuota"), a.cuota},
            {QStringLiteral("importe"), a.importe},
            {QStringLiteral("reduce"), NombreDe(kReducciones, a.reduce)},
            {QStringLiteral("comision"), a.comision},
            {QStringLiteral("comisionLegal"), a.comisionLegal}};
}

AmortizacionAnticipada AmortizacionDeJson(const QJsonObject& o) {
    AmortizacionAnticipada a;
    a.cuota = json::Entero(o, QStringLiteral("cuota"), 0, kMaximoEntero);
    a.importe = json::Numero(o, QStringLiteral("importe"));
    a.reduce = LeerNombre(o, "reduce", kReducciones, ReduccionAmortizacion::Plazo);
    a.comision = json::Numero(o, QStringLiteral("comision"));
    a.comisionLegal = json::Logico(o, QStringLiteral("comisionLegal"));
    return a;
}

}  // namespace

QJsonObject CondicionesAJson(const CondicionesPrestamo& c) {
    QJsonObject o;
    o[QStringLiteral("periodicidad")] = NombreDe(kPeriodicidades, c.periodicidad);
    o[QStringLiteral("comisionApertura")] = c.comisionApertura;
    o[QStringLiteral("gastosIniciales")] = c.gastosIniciales;
    o[QStringLiteral("amortizaciones")] = ListaAJson(c.amortizaciones, AmortizacionAJson);
    o[QStringLiteral("revisiones")] = ListaAJson(c.revisiones, [](const RevisionInteres& r) {
        return QJsonObject{{QStringLiteral("cuota"), r.cuota}, {QStringLiteral("interes"), r.interes}};
    });
    o[QStringLiteral("sistema")] = NombreDe(kSistemas, c.sistema);
    o[QStringLiteral("crecimiento")] = c.crecimiento;
    o[QStringLiteral("carencia")] = NombreDe(kCarencias, c.carencia);
    o[QStringLiteral("cuotasCarencia")] = c.cuotasCarencia;
    o[QStringLiteral("tipoInteres")] = NombreDe(kTiposInteres, c.tipoInteres);
    o[QStringLiteral("diferencial")] = c.diferencial;
    o[QStringLiteral("indice")] = c.indice;
    o[QStringLiteral("indicesDesde")] = ListaAJson(c.indicesDesde, [](const IndiceDesde& i) {
        return QJsonObject{{QStringLiteral("cuota"), i.cuota}, {QStringLiteral("valor"), i.valor}};
    });
    o[QStringLiteral("revisionMeses")] = c.revisionMeses;
    o[QStringLiteral("tramoFijo")] = c.tramoFijo;
    o[QStringLiteral("seguroAnual")] = c.seguroAnual;
    o[QStringLiteral("mantenimientoAnual")] = c.mantenimientoAnual;
    return o;
}

CondicionesPrestamo CondicionesDeJson(const QJsonObject& o) {
    CondicionesPrestamo c;
    c.periodicidad = LeerNombre(o, "periodicidad", kPeriodicidades, c.periodicidad);
    c.comisionApertura = json::Numero(o, QStringLiteral("comisionApertura"));
    c.gastosIniciales = json::Numero(o, QStringLiteral("gastosIniciales"));
    c.amortizaciones = ListaDeJson<AmortizacionAnticipada>(o, "amortizaciones", AmortizacionDeJson);
    c.revisiones = ListaDeJson<RevisionInteres>(o, "revisiones", [](const QJsonObject& r) {
        return RevisionInteres{json::Entero(r, QStringLiteral("cuota"), 0, kMaximoEntero),
                               json::Numero(r, QStringLiteral("interes"))};
    });
    c.sistema = LeerNombre(o, "sistema", kSistemas, c.sistema);
    c.crecimiento = json::Numero(o, QStringLiteral("crecimiento"));
    c.carencia = LeerNombre(o, "carencia", kCarencias, c.carencia);
    c.cuotasCarencia = json::Entero(o, QStringLiteral("cuotasCarencia"), 0, kMaximoEntero);
    c.tipoInteres = LeerNombre(o, "tipoInteres", kTiposInteres, c.tipoInteres);
    c.diferencial = json::Numero(o, QStringLiteral("diferencial"));
    c.indice = json::Numero(o, QStringLiteral("indice"));
    c.indicesDesde = ListaDeJson<IndiceDesde>(o, "indicesDesde", [](const QJsonObject& i) {
        return IndiceDesde{json::Entero(i, QStringLiteral("cuota"), 0, kMaximoEntero),
                           json::Numero(i, QStringLiteral("valor"))};
    });
    c.revisionMeses = json::Entero(o, QStringLiteral("revisionMeses"), 6, 12, c.revisionMeses);
    if (c.revisionMeses != 6 && c.revisionMeses != 12)
        json::ValorNoValido(QStringLiteral("revisionMeses"));
    c.tramoFijo = json::Entero(o, QStringLiteral("tramoFijo"), 0, kMaximoEntero);
    c.seguroAnual = json::Numero(o, QStringLiteral("seguroAnual"));
    c.mantenimientoAnual = json::Numero(o, QStringLiteral("mantenimientoAnual"));
    try {
        ValidarCondiciones(c);
    } catch (const ECondicionesPrestamo& e) {
        throw json::EDocumentoDanado(QStringLiteral("las condiciones del préstamo no son válidas (%1)").arg(e.Mensaje()));
    }
    return c;
}

QJsonObject CondicionesInversionAJson(const CondicionesInversion& c) {
    QJsonObject o;
    o[QStringLiteral("crecimiento")] = c.crecimiento;
    // No inflation is no key: the plan is shown in money of each year.
    if (c.inflacion)
        o[QStringLiteral("inflacion")] = *c.inflacion;
    o[QStringLiteral("retencion")] = NombreDe(kRetenciones, c.retencion);
    o[QStringLiteral("retencionFija")] = c.retencionFija;
    return o;
}

CondicionesInversion CondicionesInversionDeJson(const QJsonObject& o) {
    CondicionesInversion c;
    c.crecimiento = json::Numero(o, QStringLiteral("crecimiento"));
    if (o.contains(QStringLiteral("inflacion")))
        c.inflacion = json::Numero(o, QStringLiteral("inflacion"));
    c.retencion = LeerNombre(o, "retencion", kRetenciones, c.retencion);
    c.retencionFija = json::Numero(o, QStringLiteral("retencionFija"));
    if (const std::optional<QString> motivo = MotivoCondicionesInversion(c))
        throw json::EDocumentoDanado(QStringLiteral("las condiciones de la inversión no son válidas (%1)").arg(*motivo));
    return c;
}

}  // namespace finance
