#include "reports/form_rpt_prestamos.h"

TFormRptPrestamos::TFormRptPrestamos() {
    using A = AlineacionTexto;
    Diseno d;
    d.resumen = {{QStringLiteral("Cuota:"), 1.5f},
                 {QStringLiteral("Interés:"), 49.5f},
                 {QStringLiteral("Nª Cuotas:"), 93.1f},
                 {QStringLiteral("Capital:"), 137.2f}};
    d.separadoresResumen = {47.6f, 91.2f, 135.3f};
    d.columnas = {{QStringLiteral("Nº"), 0.2f, 9.5f, A::Centro},
                  {QStringLiteral("Fecha"), 9.5f, 17.1f, A::Centro},
                  {QStringLiteral("Cuota"), 25.6f, 21.2f, A::Derecha},
                  {QStringLiteral("Capital"), 47.4f, 21.2f, A::Derecha},
                  {QStringLiteral("Interés"), 69.2f, 21.2f, A::Derecha},
                  {QStringLiteral("Amortizado"), 91.7f, 21.2f, A::Derecha},
                  {QStringLiteral("Pendiente"), 113.5f, 21.2f, A::Derecha},
                  {QStringLiteral("Pagado"), 135.3f, 21.2f, A::Derecha},
                  {QStringLiteral("Intereses"), 157.1f, 21.2f, A::Derecha}};
    d.separadoresColumnas = {9.5f, 26.0f, 47.6f, 69.4f, 91.2f, 113.7f, 135.5f, 157.3f};
    d.lineaDesde = 2.1f;
    d.lineaLargo = 175.7f;
    FormCreate(d);
    LblCuotaSol = ValorResumen(0);
    LblIntSol = ValorResumen(1);
    LblAniosSol = ValorResumen(2);
    LblCapSol = ValorResumen(3);
}
