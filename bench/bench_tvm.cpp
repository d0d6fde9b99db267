// Time of one call of the time-value-of-money functions on a monthly loan.
// Inputs pass through DoNotOptimize so that the compiler cannot fold them.
#include <benchmark/benchmark.h>

#include "finance/tvm.h"

namespace {

using finance::PaymentTiming;

struct Prestamo {
    long double rate = 0.005;
    int n = 360;
    long double pv = 150000;
    long double fv = 0;
    long double payment = -899.33;
    int period = 137;
    PaymentTiming timing = PaymentTiming::EndOfPeriod;
};

Prestamo Entrada() {
    Prestamo p;
    benchmark::DoNotOptimize(p);
    return p;
}

void BM_Payment(benchmark::State& state) {
    Prestamo p = Entrada();
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(finance::Payment(p.rate, p.n, p.pv, p.fv, p.timing));
    }
}
BENCHMARK(BM_Payment);

void BM_FutureValue(benchmark::State& state) {
    Prestamo p = Entrada();
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(finance::FutureValue(p.rate, p.n, p.payment, p.pv, p.timing));
    }
}
BENCHMARK(BM_FutureValue);

void BM_InterestPayment(benchmark::State& state) {
    Prestamo p = Entrada();
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(finance::InterestPayment(p.rate, p.period, p.n, p.pv, p.fv, p.timing));
    }
}
BENCHMARK(BM_InterestPayment);

void BM_NumberOfPeriods(benchmark::State& state) {
    Prestamo p = Entrada();
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(finance::NumberOfPeriods(p.rate, p.payment, p.pv, p.fv, p.timing));
    }
}
BENCHMARK(BM_NumberOfPeriods);

void BM_InterestRate(benchmark::State& state) {
    Prestamo p = Entrada();
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(finance::InterestRate(p.n, p.payment, p.pv, p.fv, p.timing));
    }
}
BENCHMARK(BM_InterestRate);

}  // namespace

BENCHMARK_MAIN();
