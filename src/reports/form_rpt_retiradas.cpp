#include "reports/form_rpt_retiradas.h"

#include "reports/columnas_anuales.h"

// The five columns stand where the first five of the six-column reports do.
TFormRptRetiradas::TFormRptRetiradas() {
    Diseno d;
    d.resumen = {{QStringLiteral("Retirada:"), 1.5f},
                 {QStringLiteral("Interés:"), 31.8f},
                 {QStringLiteral("Nº Cuotas:"), 61.4f},
                 {QStringLiteral("Capital Inicial:"), 91.4f},
                 {QStringLiteral("Total retirado:"), 136.9f}};
    d.separadoresResumen = {29.8f, 59.5f, 89.7f, 135.3f};
    d.columnas = ColumnasSeis<Columna>({QStringLiteral("Nº"), QStringLiteral("Fecha"), QStringLiteral("Retirada"),
                                        QStringLiteral("Interés"), QStringLiteral("Capital"), QString()});
    d.columnas.pop_back();
    d.separadoresColumnas = SeparadoresSeis();
    d.separadoresColumnas.pop_back();
    d.lineaDesde = 13.5f;
    d.lineaLargo = 130.3f;
    FormCreate(d);
    LblRetirada = ValorResumen(DatoResumen::Primero);
    LblInteres = ValorResumen(DatoResumen::Segundo);
    LblCuotas = ValorResumen(DatoResumen::Tercero);
    LblCapInicial = ValorResumen(DatoResumen::Cuarto);
    LblTotal = ValorResumen(DatoResumen::Quinto);
}
