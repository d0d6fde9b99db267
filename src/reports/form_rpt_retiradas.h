#pragma once
// The printed table of withdrawals from a capital: number, date, withdrawal,
// interest and capital left, a line after every twelfth withdrawal.
#include "reports/form_rpt_base.h"

class TFormRptRetiradas : public TFormRptBase {
public:
    TFormRptRetiradas();

    EtiquetaInforme *LblRetirada, *LblInteres, *LblCuotas, *LblCapInicial, *LblTotal;

protected:
    bool LineaVisible() const override { return FilaActual % 12 == 0; }
};
