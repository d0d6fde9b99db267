#include "reports/form_rpt_prestamos.h"

TFormRptPrestamos::TFormRptPrestamos() {
    using A = AlineacionTexto;
    Diseno d;
    d.resumen = {{QStringLiteral("Cuota:"), 1.5f},
                 {QStringLiteral("Interés:"), 49.5f},
                 {QStringLiteral("Nª Cuotas:"), 93.1f},
                 {QStringLiteral("Capital:"), 137.2f}};
    d.separadoresResumen = {47.6f, 91.2f, 135.3f};
    // The number column holds seven digits; the date and amount columns
    // share what is left of the page.
    d.columnas = {{QStringLiteral("Nº"), 0.3f, 12.6f, A::Centro},
                  {QStringLiteral("Fecha"), 13.3f, 16.0f, A::Centro},
                  {QStringLiteral("Cuota"), 29.7f, 20.4f, A::Derecha},
                  {QStringLiteral("Capital"), 51.2f, 20.4f, A::Derecha},
                  {QStringLiteral("Interés"), 72.7f, 20.4f, A::Derecha},
                  {QStringLiteral("Amortizado"), 94.2f, 20.4f, A::Derecha},
                  {QStringLiteral("Pendiente"), 115.7f, 20.4f, A::Derecha},
                  {QStringLiteral("Pagado"), 137.2f, 20.4f, A::Derecha},
                  {QStringLiteral("Intereses"), 158.7f, 20.4f, A::Derecha}};
    d.separadoresColumnas = {13.2f, 29.4f, 50.9f, 72.4f, 93.9f, 115.4f, 136.9f, 158.4f};
    d.lineaDesde = 2.1f;
    d.lineaLargo = 175.7f;
    FormCreate(d);
    LblCuotaSol = ValorResumen(DatoResumen::Primero);
    LblIntSol = ValorResumen(DatoResumen::Segundo);
    LblAniosSol = ValorResumen(DatoResumen::Tercero);
    LblCapSol = ValorResumen(DatoResumen::Cuarto);
}
