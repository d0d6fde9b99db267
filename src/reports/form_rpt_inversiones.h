#pragma once
// The printed schedule of an investment: six columns, a line after every
// twelfth contribution; a plan with inflation adds its real value as a
// seventh, the five amounts then sharing the same width.
#include "reports/form_rpt_base.h"

class TFormRptInversiones : public TFormRptBase {
public:
    explicit TFormRptInversiones(bool conValorReal = false);

    EtiquetaInforme *LblCuotaTitulo, *LblInteres, *LblAnios, *LblCapInicial, *LblCapFinal;

protected:
    bool LineaVisible() const override { return FilaActual % 12 == 0; }
};
