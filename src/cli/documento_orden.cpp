#include "cli/documento_orden.h"

#include "cli/argumentos_orden.h"
#include "finance/codigo_calculo.h"
#include "finance/documento_calculo.h"

#include <QDate>
#include <iterator>
#include <utility>
#include <vector>

namespace {

using Opcion = std::pair<const char*, const char*>;  // box in the file, option

const QString kDesde = QStringLiteral("--desde");

// The option a box's text stands for, written as the command line reads it:
// Spanish numbers (1234,5) and DD/MM/AAAA dates.
QString TextoOpcion(const finance::TextosDocumento& textos, const QString& campo, bool fecha) {
    if (const auto literal = textos.literales.find(campo); literal != textos.literales.end())
        return literal->second;
    const auto libre = textos.campos.find(campo);
    if (libre == textos.campos.end())
        return {};
    if (fecha)
        return QDate::fromString(libre->second, QStringLiteral("yyyy-MM-dd")).toString(QStringLiteral("dd/MM/yyyy"));
    return QString(libre->second).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString Numero(double valor) { return QString::number(valor, 'g', 17).replace(QLatin1Char('.'), QLatin1Char(',')); }

// The file's options, each with its value if it has one.
using Opciones = std::vector<QStringList>;

void AnadirCampos(Opciones& opciones, const finance::TextosDocumento& textos, const std::vector<Opcion>& mapa) {
    for (const auto& [campo, opcion] : mapa) {
        const bool fecha = QByteArray(campo) == "fecha";
        const QString texto = TextoOpcion(textos, QLatin1String(campo), fecha);
        if (!texto.trimmed().isEmpty())
            opciones.push_back({QLatin1String(opcion), texto});
    }
}

void AnadirSi(Opciones& opciones, bool condicion, const char* opcion, const QString& valor) {
    if (condicion)
        opciones.push_back({QLatin1String(opcion), valor});
}

// The commission is always written, "legal" or a figure: left out, it would
// be the legal maximum when a kind of rate is given.
QString TextoAmortizacion(const finance::AmortizacionAnticipada& a) {
    return QStringLiteral("%1:%2:%3:%4")
        .arg(a.cuota)
        .arg(Numero(a.importe),
             a.reduce == finance::ReduccionAmortizacion::Cuota ? QStringLiteral("cuota") : QStringLiteral("plazo"),
             a.comisionLegal ? QStringLiteral("legal") : Numero(a.comision));
}

// The rate's options; those of an index only for an indexed rate, and the
// fixed stretch only for a mixed one, as the command line takes them.
void AnadirTipoInteres(Opciones& opciones, const finance::CondicionesPrestamo& c) {
    static const char* const kTipos[] = {"fijo", "variable", "mixto"};
    if (c.tipoInteres == finance::TipoInteres::Fijo)
        return;
    opciones.push_back({QStringLiteral("--tipo"), QLatin1String(kTipos[int(c.tipoInteres)])});
    AnadirSi(opciones, c.diferencial != 0, "--diferencial", Numero(c.diferencial));
    AnadirSi(opciones, c.indice != 0, "--indice", Numero(c.indice));
    for (const finance::IndiceDesde& i : c.indicesDesde)
        opciones.push_back({QStringLiteral("--indice-en"), QStringLiteral("%1:%2").arg(i.cuota).arg(Numero(i.valor))});
    AnadirSi(opciones, c.revisionMeses != 12, "--revision-cada", QString::number(c.revisionMeses));
    AnadirSi(opciones, c.tipoInteres == finance::TipoInteres::Mixto, "--tramo-fijo", QString::number(c.tramoFijo));
}

void AnadirCondiciones(Opciones& opciones, const finance::CondicionesPrestamo& c) {
    static const char* const kPeriodicidades[] = {"mensual", "bimestral", "trimestral", "semestral", "anual"};
    static const char* const kSistemas[] = {"frances", "aleman", "americano", "creciente"};
    static const char* const kCarencias[] = {"", "parcial", "total"};
    AnadirSi(opciones, c.periodicidad != finance::Periodicidad::Mensual, "--periodicidad",
             QLatin1String(kPeriodicidades[int(c.periodicidad)]));
    AnadirSi(opciones, c.comisionApertura != 0, "--comision-apertura", Numero(c.comisionApertura));
    AnadirSi(opciones, c.gastosIniciales != 0, "--gastos", Numero(c.gastosIniciales));
    for (const finance::AmortizacionAnticipada& a : c.amortizaciones)
        opciones.push_back({QStringLiteral("--amortizacion"), TextoAmortizacion(a)});
    for (const finance::RevisionInteres& r : c.revisiones)
        opciones.push_back({QStringLiteral("--revision"), QStringLiteral("%1:%2").arg(r.cuota).arg(Numero(r.interes))});
    AnadirSi(opciones, c.sistema != finance::SistemaAmortizacion::Frances, "--sistema",
             QLatin1String(kSistemas[int(c.sistema)]));
    // Growth means something only to a growing instalment.
    AnadirSi(opciones, c.sistema == finance::SistemaAmortizacion::Creciente && c.crecimiento != 0, "--crecimiento",
             Numero(c.crecimiento));
    AnadirSi(opciones, c.carencia != finance::TipoCarencia::Ninguna, "--carencia",
             QStringLiteral("%1:%2").arg(c.cuotasCarencia).arg(QLatin1String(kCarencias[int(c.carencia)])));
    AnadirTipoInteres(opciones, c);
    AnadirSi(opciones, c.seguroAnual != 0, "--seguro", Numero(c.seguroAnual));
    AnadirSi(opciones, c.mantenimientoAnual != 0, "--mantenimiento", Numero(c.mantenimientoAnual));
}

void AnadirCondicionesInversion(Opciones& opciones, const finance::CondicionesInversion& c) {
    AnadirSi(opciones, c.crecimiento != 0, "--crecimiento", Numero(c.crecimiento));
    if (c.inflacion)
        opciones.push_back({QStringLiteral("--inflacion"), Numero(*c.inflacion)});
    // Bare, the option is the brackets; joined to its value, a flat rate.
    if (c.retencion == finance::TipoRetencion::Tramos)
        opciones.push_back({QStringLiteral("--retencion")});
    else if (c.retencion == finance::TipoRetencion::Fija)
        opciones.push_back({QStringLiteral("--retencion=") + Numero(c.retencionFija)});
}

void AnadirMomento(Opciones& opciones, bool alPrincipio) {
    opciones.push_back({alPrincipio ? QStringLiteral("--inicio-periodo") : QStringLiteral("--final-periodo")});
}

Opciones OpcionesDelDocumento(const QString& suborden, const finance::DocumentoCalculo& d) {
    Opciones opciones;
    if (suborden == QLatin1String("prestamo")) {
        static const char* const kIncognitas[] = {"cuota", "interes", "cuotas", "capital"};
        opciones.push_back({QStringLiteral("--calcular"), QLatin1String(kIncognitas[d.prestamo.calculo])});
        AnadirCampos(opciones, d.prestamo.textos,
                     {{"cuota", "--cuota"}, {"interes", "--interes"}, {"num", "--cuotas"}, {"capital", "--capital"},
                      {"fecha", "--primer-pago"}});
        AnadirMomento(opciones, d.prestamo.alPrincipio);
        AnadirCondiciones(opciones, d.condiciones);
    } else if (suborden == QLatin1String("inversion")) {
        static const char* const kIncognitas[] = {"cuota", "interes", "cuotas", "capital", "retirada"};
        static_assert(std::size(kIncognitas) == finance::kCalculosInversion);
        opciones.push_back({QStringLiteral("--calcular"), QLatin1String(kIncognitas[d.inversion.calculo])});
        AnadirCampos(opciones, d.inversion.textos,
                     {{"cuota", "--cuota"}, {"interes", "--interes"}, {"num", "--cuotas"}, {"capital", "--capital"},
                      {"capInicial", "--capital-inicial"}, {"fecha", "--primera-cuota"}});
        AnadirMomento(opciones, d.inversion.alPrincipio);
        // A withdrawal has no contributions to grow, deflate or tax: the page
        // leaves its conditions aside for it, and so does the command line.
        if (d.inversion.calculo != finance::kIndiceRetirada)
            AnadirCondicionesInversion(opciones, d.condicionesInversion);
    } else {
        static const char* const kMetodos[] = {"lineal", "digitos", "doble", "doble-lineal"};
        static_assert(std::size(kMetodos) == finance::kCalculosDepreciacion);
        opciones.push_back({QStringLiteral("--metodo"), QLatin1String(kMetodos[d.depreciacion.calculo])});
        AnadirCampos(opciones, d.depreciacion.textos,
                     {{"valorInicial", "--valor-inicial"}, {"valorFinal", "--valor-final"},
                      {"aniosUtil", "--vida-util"}, {"aniosCalculo", "--anios"}});
        // The window makes the first year a part year only from a date the
        // person typed; the date it filled in by itself is left out here, so
        // that the years are whole ones as there.
        if (d.fechaEscrita)
            AnadirCampos(opciones, d.depreciacion.textos, {{"fecha", "--fecha"}});
        AnadirSi(opciones, !d.tablaFiscal.isEmpty(), "--tabla-fiscal", d.tablaFiscal);
    }
    return opciones;
}

QString NombreOpcion(const QString& argumento) { return argumento.section(QLatin1Char('='), 0, 0); }

// The options typed, by name; the two timing flags count as one, and a
// choice typed (the system, the kind of rate) brings its own dependent
// options, so the file's ones for the other choice are left out.
QStringList Tecleadas(const QStringList& argumentos) {
    QStringList nombres;
    for (const QString& argumento : argumentos) {
        if (!argumento.startsWith(QLatin1String("--")))
            continue;
        const QString nombre = NombreOpcion(argumento);
        nombres << nombre;
        if (nombre == QLatin1String("--inicio-periodo") || nombre == QLatin1String("--final-periodo"))
            nombres << QStringLiteral("--inicio-periodo") << QStringLiteral("--final-periodo");
        if (nombre == QLatin1String("--sistema"))
            nombres << QStringLiteral("--crecimiento");
        if (nombre == QLatin1String("--tipo"))
            nombres << QStringLiteral("--diferencial") << QStringLiteral("--indice") << QStringLiteral("--indice-en")
                    << QStringLiteral("--revision-cada") << QStringLiteral("--tramo-fijo");
    }
    return nombres;
}

// The file's options that the person did not type, one after another.
QStringList SinLasTecleadas(const Opciones& delDocumento, const QStringList& tecleadas) {
    QStringList quedan;
    for (const QStringList& opcion : delDocumento)
        if (!tecleadas.contains(NombreOpcion(opcion.front())))
            quedan << opcion;
    return quedan;
}

}  // namespace

QStringList ConDocumento(const QString& suborden, const QStringList& argumentos) {
    QStringList resto;
    QString ruta;
    bool hayDesde = false;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& argumento = argumentos[i];
        if (NombreOpcion(argumento) != kDesde) {
            resto << argumento;
            continue;
        }
        if (hayDesde)
            throw EUsoOrden(QStringLiteral("La opción \"--desde\" solo puede darse una vez."));
        hayDesde = true;
        if (argumento.contains(QLatin1Char('=')))
            ruta = argumento.section(QLatin1Char('='), 1);
        else if (i + 1 < argumentos.size())
            ruta = argumentos[++i];
        if (ruta.isEmpty())
            throw EUsoOrden(QStringLiteral("Falta el fichero de la opción \"--desde\"."));
    }
    if (!hayDesde)
        return argumentos;
    finance::DocumentoCalculo documento;
    QString motivo;
    if (!finance::CargarDocumento(ruta, documento, &motivo))
        throw Exception(finance::MensajeDocumento(false, ruta, motivo).toStdString());
    return SinLasTecleadas(OpcionesDelDocumento(suborden, documento), Tecleadas(resto)) + resto;
}
