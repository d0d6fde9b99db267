#include "reports/form_rpt_prestamos.h"

namespace {

using A = AlineacionTexto;

// The amount columns of a table with extra columns: the space the plain
// seven take, shared evenly, each with the plain gap to its separator.
constexpr float kInicioImportes = 29.7f;
constexpr float kEspacioImportes = 150.5f;
constexpr float kHueco = 1.1f;

// The narrower columns hold shorter titles for the early repayment and for
// the capital repaid, which would not fit at the report's size.
QString TituloImpreso(const QString& titulo) {
    if (titulo == QStringLiteral("Amort. anticipada"))
        return QStringLiteral("Anticipada");
    if (titulo == QStringLiteral("Amortizado"))
        return QStringLiteral("Amortiz.");
    return titulo;
}

void ColumnasRepartidas(const QStringList& titulos, std::vector<float>& separadores, auto& columnas) {
    const float paso = kEspacioImportes / float(titulos.size());
    for (qsizetype i = 0; i < titulos.size(); ++i) {
        const float izquierda = kInicioImportes + paso * float(i);
        columnas.push_back({TituloImpreso(titulos[i]), izquierda, paso - kHueco, A::Derecha});
        separadores.push_back(izquierda - 0.3f);
    }
}

}  // namespace

TFormRptPrestamos::TFormRptPrestamos(const QStringList& extras, int periodosPorAnio)
    : periodosPorAnio_(periodosPorAnio > 0 ? periodosPorAnio : 12) {
    Diseno d;
    d.resumen = {{QStringLiteral("Cuota:"), 1.5f},
                 {QStringLiteral("Interés:"), 49.5f},
                 {QStringLiteral("Nº Cuotas:"), 93.1f},
                 {QStringLiteral("Capital:"), 137.2f}};
    d.separadoresResumen = {47.6f, 91.2f, 135.3f};
    // The number column holds seven digits; the date and amount columns
    // share what is left of the page.
    d.columnas = {{QStringLiteral("Nº"), 0.3f, 12.6f, A::Centro}, {QStringLiteral("Fecha"), 13.3f, 16.0f, A::Centro}};
    if (extras.isEmpty()) {
        d.columnas.insert(d.columnas.end(), {{QStringLiteral("Cuota"), 29.7f, 20.4f, A::Derecha},
                                             {QStringLiteral("Capital"), 51.2f, 20.4f, A::Derecha},
                                             {QStringLiteral("Interés"), 72.7f, 20.4f, A::Derecha},
                                             {QStringLiteral("Amortizado"), 94.2f, 20.4f, A::Derecha},
                                             {QStringLiteral("Pendiente"), 115.7f, 20.4f, A::Derecha},
                                             {QStringLiteral("Pagado"), 137.2f, 20.4f, A::Derecha},
                                             {QStringLiteral("Intereses"), 158.7f, 20.4f, A::Derecha}});
        d.separadoresColumnas = {13.2f, 29.4f, 50.9f, 72.4f, 93.9f, 115.4f, 136.9f, 158.4f};
    } else {
        d.separadoresColumnas = {13.2f};
        ColumnasRepartidas(QStringList{QStringLiteral("Cuota"), QStringLiteral("Capital"), QStringLiteral("Interés")}
                               + extras
                               + QStringList{QStringLiteral("Amortizado"), QStringLiteral("Pendiente"),
                                             QStringLiteral("Pagado"), QStringLiteral("Intereses")},
                           d.separadoresColumnas, d.columnas);
    }
    d.lineaDesde = 2.1f;
    d.lineaLargo = 175.7f;
    FormCreate(d);
    LblCuotaSol = ValorResumen(DatoResumen::Primero);
    LblIntSol = ValorResumen(DatoResumen::Segundo);
    LblAniosSol = ValorResumen(DatoResumen::Tercero);
    LblCapSol = ValorResumen(DatoResumen::Cuarto);
}
