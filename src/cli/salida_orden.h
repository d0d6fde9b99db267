#pragma once
// Writes a sub-command's report to standard output as readable text, CSV or
// JSON.
#include "cli/informe_orden.h"

#include <QString>
#include <cstdio>

// `formato` is "texto", "csv" or "json". Every table is gone over once before
// anything is written, so a row that cannot be computed throws (and nothing
// is written) instead of leaving half a table behind. A write that fails
// throws ESalidaPerdida; the caller flushes and closes the stream.
void EscribirInforme(const InformeOrden& informe, const QString& formato, std::FILE* salida);
