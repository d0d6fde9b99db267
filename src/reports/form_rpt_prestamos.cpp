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
    d.columnas = {{QStringLiteral("Nº"), 0.3f, 12.2f, A::Centro},
                  {QStringLiteral("Fecha"), 12.8f, 16.0f, A::Centro},
                  {QStringLiteral("Cuota"), 28.4f, 21.2f, A::Derecha},
                  {QStringLiteral("Capital"), 50.0f, 21.2f, A::Derecha},
                  {QStringLiteral("Interés"), 71.5f, 21.2f, A::Derecha},
                  {QStringLiteral("Amortizado"), 93.1f, 21.2f, A::Derecha},
                  {QStringLiteral("Pendiente"), 114.7f, 21.2f, A::Derecha},
                  {QStringLiteral("Pagado"), 136.3f, 21.2f, A::Derecha},
                  {QStringLiteral("Intereses"), 157.9f, 21.2f, A::Derecha}};
    d.separadoresColumnas = {12.8f, 28.8f, 50.4f, 72.0f, 93.5f, 115.1f, 136.7f, 158.3f};
    d.lineaDesde = 2.1f;
    d.lineaLargo = 175.7f;
    FormCreate(d);
    LblCuotaSol = ValorResumen(0);
    LblIntSol = ValorResumen(1);
    LblAniosSol = ValorResumen(2);
    LblCapSol = ValorResumen(3);
}
