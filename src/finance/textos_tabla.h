#pragma once
// The texts of the three development tables as the schedule grid shows them:
// the column titles and, for each row, the text of every cell. Whatever shows
// or exports a table outside the grid (the command line, a CSV file) takes its
// texts from here, so they match the grid character for character.
#include "finance/filas_depreciacion.h"
#include "finance/filas_inversion.h"
#include "finance/filas_prestamo.h"
#include "util/textos_celda.h"

#include <QStringList>

// Column titles, left to right.
QStringList TitulosTablaPrestamo();
QStringList TitulosTablaInversion();
QStringList TitulosTablaDepreciacion();

// The cell texts of one row, in the order of the titles.
QStringList TextosFilaTabla(const TTextosCelda& t, const trPrestamo& f);
QStringList TextosFilaTabla(const TTextosCelda& t, const trInversion& f);
QStringList TextosFilaTabla(const TTextosCelda& t, const trDepreciacion& f);
