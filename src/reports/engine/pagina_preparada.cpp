#include "reports/engine/pagina_preparada.h"

std::uint16_t InformePreparado::IndiceEstilo(const EstiloTexto& estilo) {
    for (std::size_t i = 0; i < estilos.size(); ++i)
        if (estilos[i] == estilo)
            return static_cast<std::uint16_t>(i);
    estilos.push_back(estilo);
    return static_cast<std::uint16_t>(estilos.size() - 1);
}
