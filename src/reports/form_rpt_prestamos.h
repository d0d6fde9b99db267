#pragma once
// The printed schedule of a loan: nine columns, a line after each year of
// instalments (every twelfth for a monthly loan). A loan with early
// repayments prints their columns too, after the interest, with the amount
// columns narrowed to share the page (under the shorter titles
// "Anticipada" and "Amortiz.").
#include "reports/form_rpt_base.h"

#include <QStringList>

class TFormRptPrestamos : public TFormRptBase {
public:
    // `extras` are the titles of the columns the table shows between
    // "Interés" and "Amortizado", in that order; `periodosPorAnio` the
    // instalments of a year.
    explicit TFormRptPrestamos(const QStringList& extras = {}, int periodosPorAnio = 12);

    EtiquetaInforme *LblCuotaSol, *LblIntSol, *LblAniosSol, *LblCapSol;

protected:
    bool LineaVisible() const override { return FilaActual % periodosPorAnio_ == 0; }

private:
    int periodosPorAnio_;
};
