#pragma once
// The printed schedule of a depreciation: six columns, a line under the last
// year of the calculation.
#include "reports/form_rpt_base.h"

class TFormRptDepreciaciones : public TFormRptBase {
public:
    TFormRptDepreciaciones();

    EtiquetaInforme *LblValorInicialTitulo, *LblValorFinalTitulo, *LblAniosUtil, *LblAniosCalculados;

protected:
    // The row of the last year calculated, as written in the summary.
    bool LineaVisible() const override;
    bool AvanzarTrasImprimir() const override { return true; }
};
