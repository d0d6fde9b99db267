#include "reports/form_rpt_comparacion.h"

namespace {

using A = AlineacionTexto;

// The caption column, then the offers sharing the space up to the "Mejor"
// column at the right edge of the 180 mm band.
constexpr float kAnchoConcepto = 52.0f;
constexpr float kInicioOfertas = 53.0f;
constexpr float kInicioMejor = 151.0f;
constexpr float kAnchoMejor = 28.5f;
constexpr float kHueco = 1.1f;

}  // namespace

TFormRptComparacion::TFormRptComparacion(int ofertas, int filasDatos) : filasDatos_(filasDatos) {
    Diseno d;
    d.resumen = {{QStringLiteral("Ofertas comparadas:"), 1.5f}};
    d.columnas = {{QStringLiteral("Concepto"), 0.8f, kAnchoConcepto - 0.8f, A::Izquierda}};
    const float paso = (kInicioMejor - kInicioOfertas) / float(std::max(ofertas, 1));
    for (int i = 0; i < ofertas; ++i) {
        const float izquierda = kInicioOfertas + paso * float(i);
        d.columnas.push_back({QStringLiteral("Oferta %1").arg(i + 1), izquierda, paso - kHueco, A::Derecha});
        d.separadoresColumnas.push_back(izquierda - 0.3f);
    }
    d.columnas.push_back({QStringLiteral("Mejor"), kInicioMejor + 0.5f, kAnchoMejor - 0.5f, A::Centro});
    d.separadoresColumnas.push_back(kInicioMejor - 0.3f);
    d.lineaDesde = 0.3f;
    d.lineaLargo = 179.4f;
    FormCreate(d);
    LblOfertas = ValorResumen(DatoResumen::Primero);
}
