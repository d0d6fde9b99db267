#pragma once
// The six-column layout that the investment and depreciation reports share:
// number, date and four amounts, at the same positions under the same
// separators; only the titles differ. The number column holds seven digits.
#include "reports/engine/pagina_preparada.h"

#include <QString>
#include <array>
#include <vector>

template <typename ColumnaT>
std::vector<ColumnaT> ColumnasSeis(const std::array<QString, 6>& titulos) {
    using A = AlineacionTexto;
    constexpr float izquierdas[6] = {13.05f, 36.4f, 62.4f, 91.7f, 122.1f, 152.0f};
    constexpr float anchos[6] = {12.6f, 17.1f, 21.2f, 21.2f, 21.2f, 21.2f};
    std::vector<ColumnaT> columnas;
    for (std::size_t i = 0; i < titulos.size(); ++i)
        columnas.push_back({titulos[i], izquierdas[i], anchos[i], i < 2 ? A::Centro : A::Derecha});
    return columnas;
}

inline std::vector<float> SeparadoresSeis() { return {29.8f, 59.5f, 89.7f, 119.8f, 149.6f}; }
