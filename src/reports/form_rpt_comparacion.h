#pragma once
// The printed comparison of loan offers: a row per figure, a column per
// offer and the "Mejor" column naming the offers with the best figure, under
// the schedules' page header, title and footer. A line closes the offers'
// own data (capital, rate, instalments) before the figures.
#include "reports/form_rpt_base.h"

class TFormRptComparacion : public TFormRptBase {
public:
    // `ofertas`: how many offers (2 to 4); `filasDatos`: the rows of the
    // offers' own data that come first.
    TFormRptComparacion(int ofertas, int filasDatos);

    EtiquetaInforme* LblOfertas = nullptr;

protected:
    bool LineaVisible() const override { return FilaActual == filasDatos_; }

private:
    int filasDatos_;
};
