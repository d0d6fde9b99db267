#pragma once
// Whether a loan table is payable in whole cents: every amount a whole number
// of cents, each instalment its capital plus its interest, the pending
// capital falling by exactly what is repaid, the running sums exact and the
// loan closing at 0,00.
#include "finance/filas_prestamo.h"

#include <QtTest>
#include <cmath>
#include <vector>

inline long long CentimosDe(double euros) { return std::llround(euros * 100); }

inline void ComprobarFilasEnCentimos(const std::vector<trPrestamo>& filas, double capital) {
    long long pendiente = CentimosDe(capital), amortizado = 0, pagado = 0, intereses = 0;
    for (const trPrestamo& f : filas) {
        const QByteArray fila = QByteArray("fila ") + QByteArray::number(f.numero);
        // Each amount is the double nearest to a whole number of cents.
        for (double importe : {f.cuota, f.capital, f.interes, f.amortAnticipada, f.pendiente, f.amortizado, f.pagado,
                               f.intereses}) {
            const double centimos = importe * 100;
            QVERIFY2(std::fabs(centimos - std::round(centimos)) < 1e-3 + std::fabs(centimos) * 4e-16,
                     fila.constData());
        }
        QVERIFY2(CentimosDe(f.cuota) == CentimosDe(f.capital) + CentimosDe(f.interes), fila.constData());
        pendiente -= CentimosDe(f.capital) + CentimosDe(f.amortAnticipada);
        amortizado += CentimosDe(f.capital) + CentimosDe(f.amortAnticipada);
        pagado += CentimosDe(f.cuota) + CentimosDe(f.amortAnticipada);
        intereses += CentimosDe(f.interes);
        QVERIFY2(CentimosDe(f.pendiente) == pendiente, fila.constData());
        QVERIFY2(CentimosDe(f.amortizado) == amortizado, fila.constData());
        QVERIFY2(CentimosDe(f.pagado) == pagado, fila.constData());
        QVERIFY2(CentimosDe(f.intereses) == intereses, fila.constData());
    }
    QVERIFY(!filas.empty());
    QCOMPARE(filas.back().pendiente, 0.0);
}
