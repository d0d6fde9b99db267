#pragma once
// Time-value-of-money functions: periodic rate, number of periods, level
// payment, present and future value, plus two depreciation methods. They
// compute in 80-bit long double and report refused arguments with
// EInvalidArgument (what() is the function name) and arithmetic faults with
// EZeroDivide, EOverflow or EInvalidOp.
#include "finance/excepciones_matematicas.h"

namespace finance {

enum class PaymentTiming { EndOfPeriod = 0, StartOfPeriod = 1 };

long double Payment(long double rate, int n, long double pv, long double fv, PaymentTiming timing);
long double PresentValue(long double rate, int n, long double payment, long double fv, PaymentTiming timing);
long double FutureValue(long double rate, int n, long double payment, long double pv, PaymentTiming timing);
long double InterestRate(int n, long double payment, long double pv, long double fv, PaymentTiming timing);
long double NumberOfPeriods(long double rate, long double payment, long double pv, long double fv, PaymentTiming timing);
long double PeriodPayment(long double rate, int period, int n, long double pv, long double fv, PaymentTiming timing);
long double InterestPayment(long double rate, int period, int n, long double pv, long double fv, PaymentTiming timing);
long double SumOfYearsDepreciation(long double cost, long double salvage, int life, int period);
long double DecliningBalanceDepreciation(long double cost, long double salvage, int life, int period);
int CeilToInt(long double x);
// The whole number of periods a count needs: the next whole number, except
// that a count within 1e-9 above a whole number is that number, so that the
// formulas' rounding, or an instalment typed to the cent that is a hair off
// the exact one, never adds a period. Throws as CeilToInt.
int CeilToWholePeriods(long double periodos);

}  // namespace finance
