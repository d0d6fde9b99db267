#pragma once
// The texts of the three development tables as the schedule grid shows them:
// the column titles and, for each row, the text of every cell. Whatever shows
// or exports a table outside the grid (the command line, a CSV file) takes its
// texts from here, so they match the grid character for character.
#include "finance/filas_depreciacion.h"
#include "finance/filas_inversion.h"
#include "finance/filas_prestamo.h"
#include "finance/retirada_capital.h"
#include "util/textos_celda.h"

#include <QStringList>

// The columns a loan table shows only when its conditions use them, all
// after "Interés" in this order: the row's annual rate ("Interés %") when
// the rate changes along the loan (typed revisions, a variable or mixed
// rate), the grace-period mark ("Carencia": "Parcial" or "Total" on those
// rows) when there is a grace period, the early repayment ("Amort.
// anticipada") when there is one, and its fee ("Comisión") when one carries
// a fee.
struct ColumnasOpcionalesPrestamo {
    bool amortAnticipada = false;
    bool comision = false;
    bool interesAnual = false;
    finance::TipoCarencia carencia = finance::TipoCarencia::Ninguna;
};
ColumnasOpcionalesPrestamo ColumnasOpcionalesDe(const finance::CondicionesPrestamo& condiciones);
QString TituloInteresAnual();
QString TituloCarencia();
QString TituloAmortAnticipada();
QString TituloComision();
// The grace mark of a row: the kind of grace on a grace row, else empty.
QString TextoCarencia(const trPrestamo& fila, finance::TipoCarencia carencia);

// The cells of the optional columns, one per kind.
struct CeldasOpcionales {
    QString interesAnual, carencia, amortAnticipada, comision;
};

// `plenas` (the nine cells of the plain loan table) with the optional ones
// put in their place: one order for titles, texts and any other per-column
// list.
QStringList ConColumnasOpcionales(QStringList plenas, ColumnasOpcionalesPrestamo opcionales,
                                  const CeldasOpcionales& celdas);

// Column titles, left to right.
QStringList TitulosTablaPrestamo(ColumnasOpcionalesPrestamo opcionales = {});
// A savings plan with inflation adds the capital in today's money.
QStringList TitulosTablaInversion(bool conValorReal = false);
QStringList TitulosTablaRetirada();
QStringList TitulosTablaDepreciacion();
// The heading of a depreciation table for its method ("Depreciación lineal,
// tabla de desarrollo"); empty for a code of another page.
QString TituloTablaDepreciacion(finance::CodigoCalculo calculo);

// The cell texts of one row, in the order of the titles.
QStringList TextosFilaTabla(const TTextosCelda& t, const trPrestamo& f, ColumnasOpcionalesPrestamo opcionales = {});
QStringList TextosFilaTabla(const TTextosCelda& t, const trInversion& f);
QStringList TextosFilaTabla(const TTextosCelda& t, const trRetirada& f);
QStringList TextosFilaTabla(const TTextosCelda& t, const trDepreciacion& f);
