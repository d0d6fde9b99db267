#include "cli/orden_comparar.h"

#include "cli/condiciones_orden.h"
#include "cli/lectura_opciones.h"
#include "cli/orden_prestamo.h"
#include "cli/partes_informe.h"
#include "cli/valores_json.h"
#include "finance/comparacion_prestamos.h"

#include <QProcess>

namespace {

const QString kOferta = QStringLiteral("--oferta");

OpcionesAdmitidas OpcionesOferta() {
    return ConOpcionesCondiciones(
        {{QStringLiteral("--capital"), QStringLiteral("--interes"), QStringLiteral("--cuotas")},
         {QStringLiteral("--inicio-periodo"), QStringLiteral("--final-periodo")},
         {}});
}

// One offer's text read as the options of `prestamo` would be, split as a
// shell splits words (quotes keep spaces together).
finance::EntradaPrestamo LeerOferta(int numero, const QString& texto) {
    try {
        return EntradaPrestamoOpciones(TArgumentosOrden(QProcess::splitCommand(texto), OpcionesOferta()));
    } catch (const EUsoOrden& e) {
        throw EUsoOrden(QStringLiteral("--oferta %1: %2").arg(numero).arg(QString::fromUtf8(e.what())));
    }
}

QString JsonCifra(finance::FilaComparacion fila, const std::optional<double>& cifra) {
    if (finance::EsFilaDeTasa(fila))
        return DatoTasa(QString(), QString(), cifra).json;
    return cifra ? JsonImporte(*cifra) : QStringLiteral("null");
}

QList<FilaOrden> Filas(const finance::ComparacionPrestamos& c) {
    const QList<QStringList> textos = finance::TextosComparacion(c);
    const QStringList claves = finance::ClavesFilasComparacion();
    QList<FilaOrden> filas;
    for (int f = 0; f < finance::kFilasComparacion; ++f) {
        const auto fila = finance::FilaComparacion(f);
        FilaOrden orden{textos[f + 1], {JsonTexto(claves[f])}};
        for (const finance::CifrasOferta& o : c.ofertas)
            orden.json << JsonCifra(fila, o.Cifra(fila));
        QStringList mejores;
        for (int n : finance::NumerosMejores(c, fila))
            mejores << QString::number(n);
        orden.json << u'[' + mejores.join(QStringLiteral(", ")) + u']';
        filas << orden;
    }
    return filas;
}

TablaOrden Tabla(const finance::ComparacionPrestamos& c) {
    QStringList claves{QStringLiteral("concepto")};
    for (std::size_t o = 0; o < c.ofertas.size(); ++o)
        claves << QStringLiteral("oferta_%1").arg(o + 1);
    claves << QStringLiteral("mejor");
    const QList<FilaOrden> filas = Filas(c);
    return {QStringLiteral("Cifras de cada oferta"), finance::TextosComparacion(c).front(), claves, [filas] {
                auto siguiente = std::make_shared<qsizetype>(0);
                return SiguienteFila([filas, siguiente](FilaOrden& fila) {
                    if (*siguiente >= filas.size())
                        return false;
                    fila = filas[(*siguiente)++];
                    return true;
                });
            }};
}

}  // namespace

OpcionesAdmitidas OpcionesComparar() {
    return {{QStringLiteral("--formato"), QStringLiteral("--salida")}, {}, {kOferta}};
}

InformeOrden OrdenComparar(const TArgumentosOrden& a) {
    LeerOpcionesComunes(a);
    const QStringList textos = a.Valores(kOferta);
    if (textos.size() < finance::kMinOfertas || textos.size() > finance::kMaxOfertas)
        throw EUsoOrden(QStringLiteral("comparar necesita de %1 a %2 ofertas (--oferta \"OPCIONES\"); hay %3")
                            .arg(finance::kMinOfertas)
                            .arg(finance::kMaxOfertas)
                            .arg(textos.size()));
    std::vector<finance::EntradaPrestamo> ofertas;
    for (qsizetype i = 0; i < textos.size(); ++i)
        ofertas.push_back(LeerOferta(int(i) + 1, textos[i]));
    finance::ComparacionPrestamos c;
    try {
        c = finance::CompararPrestamos(ofertas);
    } catch (const finance::EOfertaRechazada& e) {
        throw ECalculoRechazado(e.what());
    }
    InformeOrden informe{QStringLiteral("Comparación de ofertas"),
                         {DatoEntero(QStringLiteral("Ofertas"), QStringLiteral("ofertas"), textos.size())},
                         Tabla(c),
                         std::nullopt,
                         {}};
    return informe;
}
