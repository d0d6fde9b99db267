#pragma once
// A savings plan month by month when its contribution grows every year: the
// first 12 contributions are the typed one, the next 12 that one grown by
// the yearly percentage, and so on, each rounded to the cent as it is paid.
// The balance is carried unrounded, as the plain plan's compound formulas
// carry it; a table shows it rounded to the cent.
#include "finance/tvm.h"

namespace finance {

class TSaldoCreciente {
public:
    // `tasa` is the monthly rate as a fraction; `crecimiento` the yearly
    // growth of the contribution in percent.
    TSaldoCreciente(long double tasa, double primera, double crecimiento, double inicial, PaymentTiming timing);

    // Pays the next month's contribution and adds its interest.
    void Avanzar();

    int Mes() const { return mes_; }
    long double Saldo() const { return saldo_; }
    double Aportacion() const { return aportacion_; }  // the last month's contribution
    long double Aportado() const { return aportado_; }   // every contribution so far, without the initial capital

private:
    long double tasa_;
    double primera_;
    long double factor_;  // 1 + yearly growth
    PaymentTiming timing_;
    int mes_ = 0;
    long double saldo_;
    double aportacion_ = 0;
    long double aportado_ = 0;
};

// The most months a plan with growing contributions is worked out for: a
// thousand years, far beyond any plan, keeps each step of the solvers short.
inline constexpr int kMesesCrecientesMaximo = 12000;

// The balance after `n` months, unrounded.
long double SaldoCreciente(long double tasa, double primera, double crecimiento, double inicial,
                           PaymentTiming timing, int n);

// What growing contributions that start at 1 reach after `n` months,
// unrounded: the balance is the initial capital's growth plus the first
// contribution times this.
long double FactorCreciente(long double tasa, double crecimiento, PaymentTiming timing, int n);

// The fewest months whose balance, rounded to the cent, reaches `capital`;
// throws EOverflow when not even kMesesCrecientesMaximo do.
int MesesHastaCapital(long double tasa, double primera, double crecimiento, double inicial, PaymentTiming timing,
                      double capital);

// The monthly rate at which `n` months reach `capital`, by bisection: the
// balance grows with the rate when every contribution is positive. Throws
// EOverflow when no rate up to `tasaMaxima` reaches it.
long double TasaCreciente(double primera, double crecimiento, double inicial, PaymentTiming timing, int n,
                          double capital, long double tasaMaxima);

// What `n` months of growing contributions reach with the initial capital,
// rounded to the cent; throws EOverflow when the balance cannot be computed.
double CapitalCreciente(long double tasa, double primera, double crecimiento, double inicial,
                        PaymentTiming timing, int n);

// The money put in over `n` months: the contributions and the initial capital.
double InvertidoCreciente(double primera, double crecimiento, double inicial, int n);

}  // namespace finance
