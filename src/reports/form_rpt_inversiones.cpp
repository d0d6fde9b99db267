#include "reports/form_rpt_inversiones.h"

#include "reports/columnas_anuales.h"

namespace {

// The five amount columns of a plan with inflation, spread over the space
// the four plain ones take, with the plain width and alignment.
void ConValorReal(auto& columnas, std::vector<float>& separadores) {
    constexpr float kInicio = 59.8f;
    constexpr float kPaso = 22.68f;
    columnas.resize(2);
    separadores.resize(2);
    const QString titulos[] = {QStringLiteral("Cuota"), QStringLiteral("Invertido"), QStringLiteral("Acumulado"),
                               QStringLiteral("Beneficio"), QStringLiteral("Valor real")};
    for (int i = 0; i < 5; ++i) {
        const float izquierda = kInicio + kPaso * float(i);
        columnas.push_back({titulos[i], izquierda + 0.2f, 21.2f, AlineacionTexto::Derecha});
        if (i > 0)
            separadores.push_back(izquierda - 0.3f);
    }
}

}  // namespace

TFormRptInversiones::TFormRptInversiones(bool conValorReal) {
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
    if (conValorReal)
        ConValorReal(d.columnas, d.separadoresColumnas);
    d.lineaDesde = 13.5f;
    d.lineaLargo = 160.9f;
    FormCreate(d);
    LblCuotaTitulo = ValorResumen(DatoResumen::Primero);
    LblInteres = ValorResumen(DatoResumen::Segundo);
    LblAnios = ValorResumen(DatoResumen::Tercero);
    LblCapInicial = ValorResumen(DatoResumen::Cuarto);
    LblCapFinal = ValorResumen(DatoResumen::Quinto);
}
