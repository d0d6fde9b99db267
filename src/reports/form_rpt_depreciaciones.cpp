#include "reports/form_rpt_depreciaciones.h"

#include "reports/columnas_anuales.h"

TFormRptDepreciaciones::TFormRptDepreciaciones() {
    Diseno d;
    d.resumen = {{QStringLiteral("Valor Inicial:"), 1.5f},
                 {QStringLiteral("Valor Final:"), 46.6f},
                 {QStringLiteral("Años vida útil:"), 91.4f},
                 {QStringLiteral("Años cálculo:"), 138.0f}};
    d.separadoresResumen = {44.7f, 89.5f, 134.6f};
    d.columnas = ColumnasSeis<Columna>({QStringLiteral("Año"), QStringLiteral("Fecha"),
                                        QStringLiteral("Valor Inicial"), QStringLiteral("Dep. Periodo"),
                                        QStringLiteral("Valor Final"), QStringLiteral("Dep. Acumulada")});
    d.separadoresColumnas = SeparadoresSeis();
    d.lineaDesde = 13.8f;
    d.lineaLargo = 160.9f;
    FormCreate(d);
    LblValorInicialTitulo = ValorResumen(DatoResumen::Primero);
    LblValorFinalTitulo = ValorResumen(DatoResumen::Segundo);
    LblAniosUtil = ValorResumen(DatoResumen::Tercero);
    LblAniosCalculados = ValorResumen(DatoResumen::Cuarto);
}

bool TFormRptDepreciaciones::LineaVisible() const {
    bool valido = false;
    const int anios = LblAniosCalculados->texto.trimmed().toInt(&valido);
    return valido && FilaActual == anios;
}
