#pragma once
// The printed schedule of a loan: nine columns, a line after every twelfth
// instalment.
#include "reports/form_rpt_base.h"

class TFormRptPrestamos : public TFormRptBase {
public:
    TFormRptPrestamos();

    EtiquetaInforme *LblCuotaSol, *LblIntSol, *LblAniosSol, *LblCapSol;

protected:
    bool LineaVisible() const override { return FilaActual % 12 == 0; }
};
