#pragma once
// Two to four loan offers side by side: the figures a person weighs when
// choosing a mortgage, each worked out exactly as the loans page works it
// out (the instalment solved from capital, rate and number of instalments,
// the schedule simulated row by row), and which offer is best in each.
#include "finance/calculo_prestamo.h"
#include "util/datos_grafico.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace finance {

// The figures compared, in the order they are shown.
enum class FilaComparacion {
    PrimeraCuota,
    CuotaMaxima,
    TotalPagado,
    TotalIntereses,
    CosteTotal,
    Tae,
    Pendiente5Anios,
    Pendiente10Anios,
    CuotaIndiceMas2,
};
inline constexpr int kFilasComparacion = 9;
inline constexpr int kMinOfertas = 2;
inline constexpr int kMaxOfertas = 4;

// How far the index is assumed to rise in the stress figure, in points.
inline constexpr double kSubidaIndice = 2;

// Captions of the rows as the window and the report show them, and their
// names in JSON.
QStringList TitulosFilasComparacion();
QStringList ClavesFilasComparacion();
// True for the rows of rates (shown as percentages, not amounts).
bool EsFilaDeTasa(FilaComparacion fila);

struct CifrasOferta {
    EstadoPrestamo estado;  // the loans page's own result
    // One figure per row; empty where the row does not apply (the index
    // stress for a fixed rate) or cannot be worked out (a TAE with no rate).
    std::array<std::optional<double>, kFilasComparacion> cifras;
    // The capital pending at the start (year 0) and at the end of each year
    // of the schedule, the last point where the loan closes.
    QList<QPointF> pendientePorAnio;
    const std::optional<double>& Cifra(FilaComparacion f) const { return cifras[std::size_t(f)]; }
};

struct ComparacionPrestamos {
    std::vector<CifrasOferta> ofertas;
    // mejor[fila][oferta]: the lowest figure of the row (ties all marked).
    // A row where fewer than two offers have a figure, or where every offer
    // has the same one, marks none: there is nothing to choose.
    std::array<std::vector<bool>, kFilasComparacion> mejor;
    bool EsMejor(FilaComparacion f, std::size_t oferta) const {
        const auto& fila = mejor[std::size_t(f)];
        return oferta < fila.size() && fila[oferta];
    }
};

// An offer that cannot be compared: its number (from 1) and why, in Spanish.
class EOfertaRechazada : public Exception {
public:
    EOfertaRechazada(int oferta, const QString& motivo)
        : Exception(QStringLiteral("Oferta %1: %2").arg(oferta).arg(motivo).toStdString()) {}
    QString Mensaje() const { return QString::fromUtf8(what()); }
};

// Each offer is the loans page's input with the instalment left to be
// solved (its `cuota` text is ignored). Throws ECondicionesPrestamo for a
// count of offers outside 2–4, and EOfertaRechazada for a field text that
// is not a number or an offer the loans page would refuse, with the page's
// own warning.
ComparacionPrestamos CompararPrestamos(const std::vector<EntradaPrestamo>& ofertas);

// The figure as the panels show it: an amount with two decimals and
// grouping, or a rate; empty when missing.
QString TextoCifraComparacion(FilaComparacion fila, const std::optional<double>& cifra);

// The comparison as a table of texts: a title row ("Concepto", "Oferta 1",
// …, "Mejor") and a row per figure with its caption, each offer's text and
// the offers with the best figure ("Oferta 2", "Ofertas 1 y 3" or empty).
// The command line, the copy, the CSV file and the report all show this.
QList<QStringList> TextosComparacion(const ComparacionPrestamos& comparacion);
// The offers' own data in the same columns: "Capital", "Interés" and
// "Nº Cuotas" as the loans page solved them, the "Mejor" cell empty.
QList<QStringList> TextosDatosOfertas(const ComparacionPrestamos& comparacion);
// The capital pending of each offer over the years, one line per offer
// ("Oferta 1", …), for the comparison's chart.
DatosGrafico GraficoPendiente(const ComparacionPrestamos& comparacion);
// The numbers (from 1) of the offers with the best figure of the row.
QList<int> NumerosMejores(const ComparacionPrestamos& comparacion, FilaComparacion fila);

}  // namespace finance
