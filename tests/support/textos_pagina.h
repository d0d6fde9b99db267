#pragma once
// The texts of a prepared page, in the order they are drawn.
#include "reports/engine/pagina_preparada.h"

#include <QStringList>

inline QStringList Textos(const PaginaPreparada& pagina) {
    QStringList textos;
    for (const Primitiva& p : pagina.primitivas)
        if (p.tipo == Primitiva::Texto)
            textos << p.texto;
    return textos;
}
