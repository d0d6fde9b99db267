#include "reports/form_rpt_inversiones.h"

#include "reports/columnas_anuales.h"

TFormRptInversiones::TFormRptInversiones() {
    Diseno d;
    d.resumen = {{QStringLiteral("Cuota:"), 1.5f},
                 {QStringLiteral("Interés:"), 31.8f},
                 {QStringLiteral("Nº Cuotas:"), 61.4f},
                 {QStringLiteral("Capital Inicial:"), 91.4f},
                 {QStringLiteral("Capital Final:"), 136.9f}};
    d.separadoresResumen = {29.8f, 59.5f, 89.7f, 135.3f};
    d.columnas = ColumnasSeis<Columna>({QStringLiteral("Nº"), QStringLiteral("Fecha"), QStringLiteral("Cuota"),
                                        QStringLiteral("Invertido"), QStringLiteral("Acumulado"),
                                        QStringLiteral("Beneficio")});
    d.separadoresColumnas = SeparadoresSeis();
    d.lineaDesde = 13.5f;
    d.lineaLargo = 160.9f;
    FormCreate(d);
    LblCuotaTitulo = ValorResumen(DatoResumen::Primero);
    LblInteres = ValorResumen(DatoResumen::Segundo);
    LblAnios = ValorResumen(DatoResumen::Tercero);
    LblCapInicial = ValorResumen(DatoResumen::Cuarto);
    LblCapFinal = ValorResumen(DatoResumen::Quinto);
}
