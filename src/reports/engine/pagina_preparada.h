#pragma once
// A prepared report: what the report engine generates and the preview, the
// printer and report files use. Its pages are kept compactly and given back
// one at a time as lists of primitives.
#include "reports/engine/paginas_compactas.h"
#include "reports/engine/primitiva_pagina.h"

#include <QString>
#include <vector>

struct InformePreparado {
    QString titulo;
    std::vector<EstiloTexto> estilos;
    PaginasCompactas paginas;

    // Index of the style, added when it is new.
    std::uint16_t IndiceEstilo(const EstiloTexto& estilo);
};
