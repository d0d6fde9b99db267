#pragma once
// The depreciation calculation: from the texts of the four fields of the
// depreciation page and the chosen method, work out the depreciation over
// the useful life and over the years to calculate. No field is ever the
// unknown, so nothing is written back; after a warning the result panels
// keep what they showed before.
#include "finance/aviso_calculo.h"
#include "finance/codigo_calculo.h"

#include <QList>
#include <QString>
#include <optional>

namespace finance {

enum class CampoDepreciacion { ValorInicial, ValorFinal, AniosUtil, AniosCalculo };

// The calculation state the main window keeps and the depreciation schedule reads.
struct EstadoDepreciacion {
    double ValorInicial = 0;
    double ValorFinal = 0;   // residual value at the end of the useful life
    int AniosUtil = 0;       // years of useful life
    int AniosCalculo = 0;    // years to calculate
    double DepVidaUtil = 0;  // over the useful life by the method: ValorInicial - ValorFinal, or less
                             // where double declining does not reach the final value
    double DepCalculada = 0; // depreciation over the years to calculate
    int MesInicio = 1;       // month the asset is put to use; after January the years are calendar years
    bool CalculoFallido = false;
};

struct EntradaDepreciacion {
    QString valorInicial;
    QString valorFinal;
    QString aniosUtil;
    QString aniosCalculo;
    // Month of the start date: from February on, the first and last calendar
    // years are prorated by the months in use.
    int mesInicio = 1;
};

struct ResultadoDepreciacion {
    EstadoDepreciacion estado;
    QList<CampoDepreciacion> camposConCero;  // empty fields that now hold "0"
    std::optional<AvisoCalculo> aviso;
    // True when the calculation was refused: the window leaves the result
    // panels as they were instead of writing TextosPanelesDepreciacion.
    bool conservarPaneles = false;
};

// The texts of the four result panels.
struct PanelesDepreciacion {
    QString depreciacionVidaUtil, valorFinalUtil, depreciacionCalculada, valorFinalCalculado;
};

// `calculo` is the method: linear, accelerated (sum of the years' digits),
// double declining balance, or double declining changing to linear; a code of another page leaves the depreciation
// calculated at 0. A field text that is not a number throws EConvertError
// before anything is worked out.
ResultadoDepreciacion ResolverDepreciacion(CodigoCalculo calculo, const EntradaDepreciacion& entrada);

PanelesDepreciacion TextosPanelesDepreciacion(const EstadoDepreciacion& estado);

}  // namespace finance
