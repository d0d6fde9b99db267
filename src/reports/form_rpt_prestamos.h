#pragma once
// The printed schedule of a loan: nine columns, a line after every twelfth
// instalment. A loan with early repayments prints their columns too, after
// the interest, with the amount columns narrowed to share the page (the
// repayment's under the shorter title "Anticipada").
#include "reports/form_rpt_base.h"

#include <QStringList>

class TFormRptPrestamos : public TFormRptBase {
public:
    // `extras` are the titles of the columns the table shows between
    // "Interés" and "Amortizado", in that order.
    explicit TFormRptPrestamos(const QStringList& extras = {});

    EtiquetaInforme *LblCuotaSol, *LblIntSol, *LblAniosSol, *LblCapSol;

protected:
    bool LineaVisible() const override { return FilaActual % 12 == 0; }
};
