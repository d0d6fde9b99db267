#pragma once
// The places of the figures in a schedule's summary strip, left to right:
// the schedule window's figure panels and the printed report's summary
// values follow the same order. A loan shows instalment, rate, number of
// instalments and capital; an investment adds the final capital after the
// initial one; a depreciation shows initial value, final value, years of
// useful life and years calculated.
enum class DatoResumen { Primero = 1, Segundo, Tercero, Cuarto, Quinto };
