#include "cli/documento_orden.h"

#include "cli/argumentos_orden.h"
#include "finance/documento_calculo.h"

#include <QDate>
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

void AnadirCampos(QStringList& opciones, const finance::TextosDocumento& textos, const std::vector<Opcion>& mapa) {
    for (const auto& [campo, opcion] : mapa) {
        const bool fecha = QByteArray(campo) == "fecha";
        const QString texto = TextoOpcion(textos, QLatin1String(campo), fecha);
        if (!texto.trimmed().isEmpty())
            opciones << QLatin1String(opcion) << texto;
    }
}

void AnadirCondiciones(QStringList& opciones, const finance::CondicionesPrestamo& c) {
    static const char* const kPeriodicidades[] = {"mensual", "bimestral", "trimestral", "semestral", "anual"};
    if (c.periodicidad != finance::Periodicidad::Mensual)
        opciones << QStringLiteral("--periodicidad") << QLatin1String(kPeriodicidades[int(c.periodicidad)]);
    if (c.comisionApertura != 0)
        opciones << QStringLiteral("--comision-apertura") << Numero(c.comisionApertura);
    if (c.gastosIniciales != 0)
        opciones << QStringLiteral("--gastos") << Numero(c.gastosIniciales);
    for (const finance::AmortizacionAnticipada& a : c.amortizaciones) {
        QString texto = QStringLiteral("%1:%2:%3")
                            .arg(a.cuota)
                            .arg(Numero(a.importe),
                                 a.reduce == finance::ReduccionAmortizacion::Cuota ? QStringLiteral("cuota")
                                                                                   : QStringLiteral("plazo"));
        if (a.comision != 0)
            texto += QLatin1Char(':') + Numero(a.comision);
        opciones << QStringLiteral("--amortizacion") << texto;
    }
    for (const finance::RevisionInteres& r : c.revisiones)
        opciones << QStringLiteral("--revision") << QStringLiteral("%1:%2").arg(r.cuota).arg(Numero(r.interes));
}

void AnadirMomento(QStringList& opciones, bool alPrincipio) {
    opciones << (alPrincipio ? QStringLiteral("--inicio-periodo") : QStringLiteral("--final-periodo"));
}

QStringList OpcionesDelDocumento(const QString& suborden, const finance::DocumentoCalculo& d) {
    QStringList opciones;
    if (suborden == QLatin1String("prestamo")) {
        static const char* const kIncognitas[] = {"cuota", "interes", "cuotas", "capital"};
        opciones << QStringLiteral("--calcular") << QLatin1String(kIncognitas[d.prestamo.calculo]);
        AnadirCampos(opciones, d.prestamo.textos,
                     {{"cuota", "--cuota"}, {"interes", "--interes"}, {"num", "--cuotas"}, {"capital", "--capital"},
                      {"fecha", "--primer-pago"}});
        AnadirMomento(opciones, d.prestamo.alPrincipio);
        AnadirCondiciones(opciones, d.condiciones);
    } else if (suborden == QLatin1String("inversion")) {
        static const char* const kIncognitas[] = {"cuota", "interes", "cuotas", "capital"};
        opciones << QStringLiteral("--calcular") << QLatin1String(kIncognitas[d.inversion.calculo]);
        AnadirCampos(opciones, d.inversion.textos,
                     {{"cuota", "--cuota"}, {"interes", "--interes"}, {"num", "--cuotas"}, {"capital", "--capital"},
                      {"capInicial", "--capital-inicial"}, {"fecha", "--primera-cuota"}});
        AnadirMomento(opciones, d.inversion.alPrincipio);
    } else {
        static const char* const kMetodos[] = {"lineal", "digitos", "doble"};
        opciones << QStringLiteral("--metodo") << QLatin1String(kMetodos[d.depreciacion.calculo]);
        AnadirCampos(opciones, d.depreciacion.textos,
                     {{"valorInicial", "--valor-inicial"}, {"valorFinal", "--valor-final"},
                      {"aniosUtil", "--vida-util"}, {"aniosCalculo", "--anios"}, {"fecha", "--fecha"}});
    }
    return opciones;
}

QString NombreOpcion(const QString& argumento) { return argumento.section(QLatin1Char('='), 0, 0); }

// The options typed, by name; the two timing flags count as one.
QStringList Tecleadas(const QStringList& argumentos) {
    QStringList nombres;
    for (const QString& argumento : argumentos) {
        if (!argumento.startsWith(QLatin1String("--")))
            continue;
        const QString nombre = NombreOpcion(argumento);
        nombres << nombre;
        if (nombre == QLatin1String("--inicio-periodo") || nombre == QLatin1String("--final-periodo"))
            nombres << QStringLiteral("--inicio-periodo") << QStringLiteral("--final-periodo");
    }
    return nombres;
}

// The file's options that the person did not type; every option of the file
// but a flag is followed by its value.
QStringList SinLasTecleadas(const QStringList& delDocumento, const QStringList& tecleadas) {
    QStringList quedan;
    for (qsizetype i = 0; i < delDocumento.size(); ++i) {
        const QString& nombre = delDocumento[i];
        const bool bandera = nombre == QLatin1String("--inicio-periodo") || nombre == QLatin1String("--final-periodo");
        const bool quitar = tecleadas.contains(nombre);
        if (!quitar)
            quedan << nombre;
        if (!bandera && ++i < delDocumento.size() && !quitar)
            quedan << delDocumento[i];
    }
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
