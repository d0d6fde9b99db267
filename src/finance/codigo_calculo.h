#pragma once
// The calculation chosen on the main window's pages. The values are fixed:
// each page's list index, plus 4 on the investments page and 8 on the
// depreciation page, so one code names both the page and its unknown. The
// withdrawal from a capital, the investments page's fifth item, came after
// the depreciation codes and has its own number.
namespace finance {

enum class CodigoCalculo : unsigned char {
    PrestamoCuota = 0,
    PrestamoInteres = 1,
    PrestamoNumCuotas = 2,
    PrestamoCapital = 3,
    InversionCuota = 4,
    InversionInteres = 5,
    InversionNumCuotas = 6,
    InversionCapital = 7,
    DepreciacionLineal = 8,
    DepreciacionAcelerada = 9,
    DepreciacionDoble = 10,
    DepreciacionDobleLineal = 11,
    InversionRetirada = 12,
};

// Items of the investments page's list: its four unknowns, then the
// withdrawal.
inline constexpr int kCalculosInversion = 5;
inline constexpr int kIndiceRetirada = 4;
// Items of the depreciation page's list: linear, digits, double, and double
// switching to linear.
inline constexpr int kCalculosDepreciacion = 4;

// The code of item `indice` of a page's list whose first item is `primero`.
constexpr CodigoCalculo CalculoDeLaLista(CodigoCalculo primero, int indice) {
    return static_cast<CodigoCalculo>(static_cast<int>(primero) + indice);
}

// The position of `calculo` in the list whose first item is `primero`.
constexpr int IndiceEnLaLista(CodigoCalculo primero, CodigoCalculo calculo) {
    return static_cast<int>(calculo) - static_cast<int>(primero);
}

// The code of item `indice` of the investments page's list.
constexpr CodigoCalculo CalculoInversionDeLaLista(int indice) {
    return indice == kIndiceRetirada ? CodigoCalculo::InversionRetirada
                                     : CalculoDeLaLista(CodigoCalculo::InversionCuota, indice);
}

}  // namespace finance
