#pragma once
// The three writers of a report and what they share.
#include "cli/informe_orden.h"

#include <QList>
#include <QString>
#include <cstdio>

// Lines of UTF-8 text on a C stream; a line that does not get there throws
// ESalidaPerdida, so that a lost report stops at once.
class TLineas {
public:
    explicit TLineas(std::FILE* salida) : salida_(salida) {}
    void Linea(const QString& texto);

private:
    std::FILE* salida_;
};

// The width of each column of the table in characters: its title's or its
// longest text's. Goes over every row, so a row that cannot be computed
// throws here.
QList<qsizetype> AnchosColumnas(const TablaOrden& tabla);

// The tables of the report in order: the development table, then the yearly
// summary, those that were asked for.
QList<const TablaOrden*> TablasInforme(const InformeOrden& informe);

void EscribirTexto(const InformeOrden& informe, TLineas& salida);
void EscribirCsv(const InformeOrden& informe, TLineas& salida);
void EscribirJson(const InformeOrden& informe, TLineas& salida);
