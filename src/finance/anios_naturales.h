#pragma once
// An asset put to use during a year is depreciated by calendar years: the
// month of the start date counts as a whole month, so the first year holds
// the months from that month to December, and the months left of the last
// year of life fall in one extra calendar year. Each year of life's charge
// is split across the two calendar years it spans in that proportion. A
// January start gives whole years, as without a date.
namespace finance {

// Share of a year of life that falls in the first calendar year.
inline long double FraccionPrimerAnio(int mesInicio) { return (13 - mesInicio) / 12.0L; }

inline bool PrimerAnioParcial(int mesInicio) { return mesInicio > 1 && mesInicio <= 12; }

// Calendar years that hold a life of `vida` years.
inline int AniosNaturales(int vida, int mesInicio) { return PrimerAnioParcial(mesInicio) ? vida + 1 : vida; }

// Depreciation accumulated by the end of calendar year `anio`, from
// `deVida(k)`, the depreciation accumulated over the first k years of life.
// Calendar year j holds the end of year of life j-1 and the start of year j.
template <typename DeVida>
long double AcumuladaNatural(const DeVida& deVida, int vida, int mesInicio, int anio) {
    if (!PrimerAnioParcial(mesInicio) || anio > vida)
        return deVida(anio < vida ? anio : vida);
    const long double f = FraccionPrimerAnio(mesInicio);
    return f * deVida(anio) + (1 - f) * deVida(anio - 1);
}

}  // namespace finance
