#pragma once
// The printed schedule of an investment: six columns, a line after every
// twelfth contribution.
#include "reports/form_rpt_base.h"

class TFormRptInversiones : public TFormRptBase {
public:
    TFormRptInversiones();

    EtiquetaInforme *LblCuotaTitulo, *LblInteres, *LblAnios, *LblCapInicial, *LblCapFinal;

protected:
    bool LineaVisible() const override { return FilaActual % 12 == 0; }
};
