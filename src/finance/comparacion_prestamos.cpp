#include "finance/comparacion_prestamos.h"

#include "finance/centimos_enteros.h"
#include "finance/simulacion_prestamo.h"
#include "util/texto_tasa.h"
#include "util/textos_numericos.h"

#include <algorithm>

namespace finance {
namespace {

// What the schedule's rows tell beyond the page's panels.
struct RecorridoCuotas {
    double maxima = 0;
    double pendiente5 = 0;
    double pendiente10 = 0;
    // The first instalment paid at a rate other than the first one's.
    std::optional<double> primeraRevisada;
    QList<QPointF> porAnio;
};

RecorridoCuotas Recorrer(const EstadoPrestamo& e, const EntradaPrestamo& entrada) {
    RecorridoCuotas r;
    const int porAnio = PeriodosPorAnio(entrada.condiciones.periodicidad);
    r.porAnio << QPointF(0, e.Capital);
    if (e.NumCuotas <= 0)
        return r;
    TSimulacionPrestamo simulacion(e.Capital, e.Interes, e.NumCuotas, entrada.timing, entrada.condiciones, e.Cuota);
    PasoPrestamo paso;
    std::optional<double> primerTipo;
    while (simulacion.Siguiente(paso)) {
        const double pendiente = static_cast<double>(paso.pendiente);
        r.maxima = std::max(r.maxima, static_cast<double>(paso.cuota));
        if (paso.numero <= 5 * porAnio)
            r.pendiente5 = pendiente;
        if (paso.numero <= 10 * porAnio)
            r.pendiente10 = pendiente;
        if (paso.numero % porAnio == 0 || paso.pendiente == 0)
            r.porAnio << QPointF(double(paso.numero) / porAnio, pendiente);
        if (!primerTipo)
            primerTipo = paso.interesAnual;
        else if (!r.primeraRevisada && paso.interesAnual != *primerTipo)
            r.primeraRevisada = static_cast<double>(paso.cuota);
    }
    // A loan that closes before the fifth or tenth year has its last row,
    // at 0,00, as the figure.
    return r;
}

EstadoPrestamo Resolver(int numero, EntradaPrestamo entrada) {
    entrada.cuota.clear();
    ResultadoPrestamo r;
    try {
        r = ResolverPrestamo(CodigoCalculo::PrestamoCuota, entrada);
    } catch (const Exception& e) {
        throw EOfertaRechazada(numero, QString::fromUtf8(e.what()));
    }
    if (r.aviso)
        throw EOfertaRechazada(numero, QString(r.aviso->texto).replace(u'\r', u' ').simplified());
    return r.estado;
}

bool ConIndice(const CondicionesPrestamo& c) { return c.tipoInteres != TipoInteres::Fijo; }

// The same offer with the index a couple of points higher all along: the
// instalment a person would pay once the first revision brings the rise in
// (the highest one when no row changes its rate).
double CuotaConIndiceMas2(int numero, EntradaPrestamo entrada) {
    entrada.condiciones.indice += kSubidaIndice;
    for (IndiceDesde& desde : entrada.condiciones.indicesDesde)
        desde.valor += kSubidaIndice;
    const EstadoPrestamo e = Resolver(numero, entrada);
    const RecorridoCuotas r = Recorrer(e, entrada);
    return r.primeraRevisada.value_or(std::max(r.maxima, e.Cuota));
}

CifrasOferta CifrasSinNombrar(int numero, const EntradaPrestamo& entrada) {
    CifrasOferta o;
    o.estado = Resolver(numero, entrada);
    const EstadoPrestamo& e = o.estado;
    const RecorridoCuotas r = Recorrer(e, entrada);
    o.pendientePorAnio = r.porAnio;
    auto poner = [&o](FilaComparacion f, std::optional<double> v) { o.cifras[std::size_t(f)] = v; };
    poner(FilaComparacion::PrimeraCuota, e.Cuota);
    poner(FilaComparacion::CuotaMaxima, std::max({r.maxima, e.Cuota, e.CuotaMaxima}));
    poner(FilaComparacion::TotalPagado, e.TotalPagado);
    poner(FilaComparacion::TotalIntereses, e.TotalIntereses);
    poner(FilaComparacion::CosteTotal, e.CosteTotal);
    poner(FilaComparacion::Tae, e.TAE);
    poner(FilaComparacion::Pendiente5Anios, r.pendiente5);
    poner(FilaComparacion::Pendiente10Anios, r.pendiente10);
    if (ConIndice(entrada.condiciones))
        poner(FilaComparacion::CuotaIndiceMas2, CuotaConIndiceMas2(numero, entrada));
    return o;
}

// Whatever stops an offer's figures (its schedule, an amount too large to
// count) is told naming the offer.
CifrasOferta Cifras(int numero, const EntradaPrestamo& entrada) {
    try {
        return CifrasSinNombrar(numero, entrada);
    } catch (const EOfertaRechazada&) {
        throw;
    } catch (const Exception& e) {
        throw EOfertaRechazada(numero, QString::fromUtf8(e.what()));
    }
}

// Compared as shown: amounts to the cent, rates to two decimals.
long double Clave(double v) { return CentimosComoSeMuestra(v); }

std::vector<bool> Mejores(const std::vector<CifrasOferta>& ofertas, FilaComparacion f) {
    std::vector<bool> mejor(ofertas.size(), false);
    std::vector<long double> claves;
    for (const CifrasOferta& o : ofertas)
        if (o.Cifra(f))
            claves.push_back(Clave(*o.Cifra(f)));
    if (claves.size() < 2)
        return mejor;
    const auto [menor, mayor] = std::minmax_element(claves.begin(), claves.end());
    if (*menor == *mayor)
        return mejor;
    for (std::size_t i = 0; i < ofertas.size(); ++i)
        mejor[i] = ofertas[i].Cifra(f) && Clave(*ofertas[i].Cifra(f)) == *menor;
    return mejor;
}

}  // namespace

QStringList TitulosFilasComparacion() {
    return {QStringLiteral("Primera cuota"),
            QStringLiteral("Cuota más alta"),
            QStringLiteral("Total pagado"),
            QStringLiteral("Total intereses"),
            QStringLiteral("Coste total"),
            QStringLiteral("TAE"),
            QStringLiteral("Capital pendiente a 5 años"),
            QStringLiteral("Capital pendiente a 10 años"),
            QStringLiteral("Cuota si el índice sube 2 puntos")};
}

QStringList ClavesFilasComparacion() {
    return {QStringLiteral("primera_cuota"),
            QStringLiteral("cuota_maxima"),
            QStringLiteral("total_pagado"),
            QStringLiteral("total_intereses"),
            QStringLiteral("coste_total"),
            QStringLiteral("tae"),
            QStringLiteral("pendiente_5_anios"),
            QStringLiteral("pendiente_10_anios"),
            QStringLiteral("cuota_indice_mas_2")};
}

bool EsFilaDeTasa(FilaComparacion fila) { return fila == FilaComparacion::Tae; }

ComparacionPrestamos CompararPrestamos(const std::vector<EntradaPrestamo>& ofertas) {
    const int cantidad = int(ofertas.size());
    if (cantidad < kMinOfertas || cantidad > kMaxOfertas)
        throw ECondicionesPrestamo(QStringLiteral("Se comparan de %1 a %2 ofertas; hay %3.")
                                       .arg(kMinOfertas)
                                       .arg(kMaxOfertas)
                                       .arg(cantidad));
    ComparacionPrestamos c;
    for (int i = 0; i < cantidad; ++i)
        c.ofertas.push_back(Cifras(i + 1, ofertas[std::size_t(i)]));
    for (int f = 0; f < kFilasComparacion; ++f)
        c.mejor[std::size_t(f)] = Mejores(c.ofertas, FilaComparacion(f));
    return c;
}

DatosGrafico GraficoPendiente(const ComparacionPrestamos& c) {
    DatosGrafico datos;
    datos.titulo = QStringLiteral("Capital pendiente de cada oferta");
    datos.tituloEjeX = QStringLiteral("Años");
    datos.tituloEjeY = QStringLiteral("Capital pendiente");
    for (std::size_t o = 0; o < c.ofertas.size(); ++o)
        datos.series << SerieGrafico{QStringLiteral("Oferta %1").arg(o + 1), c.ofertas[o].pendientePorAnio};
    return datos;
}

QList<int> NumerosMejores(const ComparacionPrestamos& c, FilaComparacion fila) {
    QList<int> numeros;
    for (std::size_t o = 0; o < c.ofertas.size(); ++o)
        if (c.EsMejor(fila, o))
            numeros << int(o) + 1;
    return numeros;
}

namespace {

QString NombreMejores(const QList<int>& numeros) {
    if (numeros.isEmpty())
        return QString();
    if (numeros.size() == 1)
        return QStringLiteral("Oferta %1").arg(numeros.front());
    QStringList textos;
    for (int n : numeros)
        textos << QString::number(n);
    const QString ultimo = textos.takeLast();
    return QStringLiteral("Ofertas %1 y %2").arg(textos.join(QStringLiteral(", ")), ultimo);
}

}  // namespace

QList<QStringList> TextosComparacion(const ComparacionPrestamos& c) {
    QStringList titulos{QStringLiteral("Concepto")};
    for (std::size_t o = 0; o < c.ofertas.size(); ++o)
        titulos << QStringLiteral("Oferta %1").arg(o + 1);
    titulos << QStringLiteral("Mejor");
    QList<QStringList> filas{titulos};
    const QStringList captions = TitulosFilasComparacion();
    for (int f = 0; f < kFilasComparacion; ++f) {
        const auto fila = FilaComparacion(f);
        QStringList textos{captions[f]};
        for (const CifrasOferta& o : c.ofertas)
            textos << TextoCifraComparacion(fila, o.Cifra(fila));
        textos << NombreMejores(NumerosMejores(c, fila));
        filas << textos;
    }
    return filas;
}

QList<QStringList> TextosDatosOfertas(const ComparacionPrestamos& c) {
    QStringList capital{QStringLiteral("Capital")}, interes{QStringLiteral("Interés")},
        cuotas{QStringLiteral("Nº Cuotas")};
    for (const CifrasOferta& o : c.ofertas) {
        capital << TextoImporte(o.estado.Capital);
        interes << TextoTasa(o.estado.Interes);
        cuotas << TextoEntero(o.estado.NumCuotas);
    }
    return {capital << QString(), interes << QString(), cuotas << QString()};
}

QString TextoCifraComparacion(FilaComparacion fila, const std::optional<double>& cifra) {
    if (!cifra)
        return QString();
    return EsFilaDeTasa(fila) ? TextoTasa(*cifra) : TextoImporte(*cifra);
}

}  // namespace finance
