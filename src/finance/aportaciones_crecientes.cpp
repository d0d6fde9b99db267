#include "finance/aportaciones_crecientes.h"

#include "finance/centimos_enteros.h"
#include "finance/excepciones_matematicas.h"

#include <algorithm>
#include <cmath>

namespace finance {

TSaldoCreciente::TSaldoCreciente(long double tasa, double primera, double crecimiento, double inicial,
                                 PaymentTiming timing)
    : tasa_(tasa),
      primera_(primera),
      factor_(1 + static_cast<long double>(crecimiento) / 100),
      timing_(timing),
      saldo_(inicial) {}

void TSaldoCreciente::Avanzar() {
    if (mes_ % 12 == 0)
        aportacion_ = RedondeadoAlCentimo(static_cast<double>(primera_ * std::pow(factor_, mes_ / 12)));
    ++mes_;
    aportado_ += aportacion_;
    if (timing_ == PaymentTiming::StartOfPeriod)
        saldo_ = (saldo_ + aportacion_) * (1 + tasa_);
    else
        saldo_ = saldo_ * (1 + tasa_) + aportacion_;
    if (!std::isfinite(saldo_))
        throw EOverflow("Desbordamiento en coma flotante");
}

long double SaldoCreciente(long double tasa, double primera, double crecimiento, double inicial,
                           PaymentTiming timing, int n) {
    TSaldoCreciente saldo(tasa, primera, crecimiento, inicial, timing);
    while (saldo.Mes() < n)
        saldo.Avanzar();
    return saldo.Saldo();
}

double CapitalCreciente(long double tasa, double primera, double crecimiento, double inicial,
                        PaymentTiming timing, int n) {
    return RedondeadoAlCentimo(static_cast<double>(SaldoCreciente(tasa, primera, crecimiento, inicial, timing, n)));
}

long double FactorCreciente(long double tasa, double crecimiento, PaymentTiming timing, int n) {
    const long double factor = 1 + static_cast<long double>(crecimiento) / 100;
    long double saldo = 0;
    long double aportacion = 1;
    for (int mes = 0; mes < n; ++mes) {
        if (mes > 0 && mes % 12 == 0)
            aportacion *= factor;
        saldo = timing == PaymentTiming::StartOfPeriod ? (saldo + aportacion) * (1 + tasa)
                                                       : saldo * (1 + tasa) + aportacion;
    }
    if (!std::isfinite(saldo))
        throw EOverflow("Desbordamiento en coma flotante");
    return saldo;
}

int MesesHastaCapital(long double tasa, double primera, double crecimiento, double inicial, PaymentTiming timing,
                      double capital) {
    TSaldoCreciente saldo(tasa, primera, crecimiento, inicial, timing);
    while (RedondeadoAlCentimo(static_cast<double>(saldo.Saldo())) < capital) {
        if (saldo.Mes() >= kMesesCrecientesMaximo)
            throw EOverflow("Desbordamiento en coma flotante");
        saldo.Avanzar();
    }
    return saldo.Mes();
}

long double TasaCreciente(double primera, double crecimiento, double inicial, PaymentTiming timing, int n,
                          double capital, long double tasaMaxima) {
    const auto alcanza = [&](long double tasa) {
        return SaldoCreciente(tasa, primera, crecimiento, inicial, timing, n) >= capital;
    };
    long double baja = 0;
    long double alta = 0.01L;
    while (!alcanza(alta)) {
        if (alta >= tasaMaxima)
            throw EOverflow("Desbordamiento en coma flotante");
        baja = alta;
        alta = std::min(alta * 2, tasaMaxima);
    }
    for (int paso = 0; paso < 200 && alta - baja > 1e-18L * alta; ++paso) {
        const long double media = (baja + alta) / 2;
        (alcanza(media) ? alta : baja) = media;
    }
    return (baja + alta) / 2;
}

double InvertidoCreciente(double primera, double crecimiento, double inicial, int n) {
    TSaldoCreciente saldo(0, primera, crecimiento, 0, PaymentTiming::EndOfPeriod);
    while (saldo.Mes() < n)
        saldo.Avanzar();
    return RedondeadoAlCentimo(static_cast<double>(saldo.Aportado() + inicial));
}

}  // namespace finance
