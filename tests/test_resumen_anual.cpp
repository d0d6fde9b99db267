// The yearly summary checked against a spreadsheet's working of the same
// tables: each row's amounts rounded to the cent, then added per year.
#include "finance/resumen_anual.h"

#include <QtTest>

using finance::PaymentTiming;

namespace {

struct Prestamo {
    int anio, cuotas;
    double pagado, capital, interes, pendiente;
};

void Comparar(const AnioPrestamo& a, const Prestamo& e) {
    QCOMPARE(a.anio, e.anio);
    QCOMPARE(a.cuotas, e.cuotas);
    QCOMPARE(a.pagado, e.pagado);
    QCOMPARE(a.capital, e.capital);
    QCOMPARE(a.interes, e.interes);
    QCOMPARE(a.pendiente, e.pendiente);
}

}  // namespace

class TestResumenAnual : public QObject {
    Q_OBJECT
private slots:
    // 10.000 at 6 % over 24 months from mid-July: six instalments in the
    // first year, twelve in the second, six in the last, the last
    // instalment paying only what is left; principal and interest add up to
    // what was paid, to the cent.
    void prestamoQueEmpiezaEnJulio() {
        const ResumenPrestamo r = ResumenAnualPrestamo(
            {10000, 6, 24, 443.20610252757808, PaymentTiming::EndOfPeriod, QDate(2024, 7, 15)});
        QCOMPARE(int(r.anios.size()), 3);
        Comparar(r.anios[0], {2024, 6, 2659.26, 2388.95, 270.31, 7611.05});
        Comparar(r.anios[1], {2025, 12, 5318.52, 4997.81, 320.71, 2613.24});
        Comparar(r.anios[2], {2026, 6, 2659.16, 2613.24, 45.92, 0});
        Comparar(r.total, {0, 24, 10636.94, 10000.00, 636.94, 0});
    }

    // Insurance and maintenance (360 a year, 30 with each monthly
    // instalment) are summed per year apart; the instalments, their split
    // and the capital pending are those of the same loan without them.
    void prestamoConSeguroYMantenimiento() {
        DatosFilasPrestamo datos{10000, 6, 24, 443.20610252757808, PaymentTiming::EndOfPeriod, QDate(2024, 7, 15)};
        const ResumenPrestamo sin = ResumenAnualPrestamo(datos);
        datos.condiciones.seguroAnual = 300;
        datos.condiciones.mantenimientoAnual = 60;
        const ResumenPrestamo con = ResumenAnualPrestamo(datos);
        QCOMPARE(int(con.anios.size()), 3);
        const double costes[] = {180, 360, 180};
        for (std::size_t i = 0; i < 3; ++i) {
            Comparar(con.anios[i], {sin.anios[i].anio, sin.anios[i].cuotas, sin.anios[i].pagado,
                                    sin.anios[i].capital, sin.anios[i].interes, sin.anios[i].pendiente});
            QCOMPARE(con.anios[i].costes, costes[i]);
            QCOMPARE(sin.anios[i].costes, 0.0);
        }
        QCOMPARE(con.total.costes, 720.0);
    }

    // 1.000 at 12 % paid quarterly from 31/10/2024, with 200 repaid early
    // (fee 1 %) together with the second instalment and the instalment
    // recomputed: the repayment counts as paid and as principal repaid in
    // its year, as the table's columns count it; its fee stays out.
    void prestamoConAmortizacionAnticipada() {
        finance::CondicionesPrestamo condiciones;
        condiciones.periodicidad = finance::Periodicidad::Trimestral;
        condiciones.amortizaciones = {{2, 200, finance::ReduccionAmortizacion::Cuota, 1}};
        const ResumenPrestamo r = ResumenAnualPrestamo(
            {1000, 12, 4, 269.02704519308213, PaymentTiming::EndOfPeriod, QDate(2024, 10, 31), condiciones});
        QCOMPARE(int(r.anios.size()), 2);
        Comparar(r.anios[0], {2024, 1, 269.03, 239.03, 30.00, 760.97});
        Comparar(r.anios[1], {2025, 3, 798.03, 760.97, 37.06, 0});
        Comparar(r.total, {0, 4, 1067.06, 1000.00, 67.06, 0});
    }

    // 100 a month at 3 % on top of 1.000, from 31/12/2024: the first year
    // holds one contribution. The interest of the years adds up to the
    // profit column, and the capital is the table's at the year's end.
    void inversionConUnaCuotaElPrimerAnio() {
        const ResumenInversion r = ResumenAnualInversion(
            {0, 1000, 3, 13, 100, PaymentTiming::EndOfPeriod, QDate(2024, 12, 31), {}});
        QCOMPARE(int(r.anios.size()), 2);
        const AnioInversion& a = r.anios[0];
        QCOMPARE(std::tuple(a.anio, a.cuotas, a.aportado, a.intereses, a.capital),
                 std::tuple(2024, 1, 100.0, 2.5, 1102.5));
        const AnioInversion& b = r.anios[1];
        QCOMPARE(std::tuple(b.anio, b.cuotas, b.aportado, b.intereses, b.capital),
                 std::tuple(2025, 12, 1200.0, 50.17, 2352.67));
        const AnioInversion& t = r.total;
        QCOMPARE(std::tuple(t.anio, t.cuotas, t.aportado, t.intereses, t.capital),
                 std::tuple(0, 13, 1300.0, 52.67, 2352.67));
    }

    // Sums of many rounded cents stay exact: 1.200 instalments of 0,10 make
    // 120,00, where adding the doubles would drift.
    void sumaLargaSinDeriva() {
        const ResumenPrestamo r =
            ResumenAnualPrestamo({120, 0, 1200, 0.1, PaymentTiming::EndOfPeriod, QDate(2024, 1, 31)});
        QCOMPARE(int(r.anios.size()), 100);
        QCOMPARE(r.total.pagado, 120.0);
        QCOMPARE(r.total.capital, 120.0);
        QCOMPARE(r.anios[99].anio, 2123);
    }

    void tablaVacia() {
        const ResumenPrestamo r = ResumenAnualPrestamo({1000, 5, 0, 0, PaymentTiming::EndOfPeriod, QDate(2024, 1, 1)});
        QVERIFY(r.anios.empty());
        QCOMPARE(r.total.cuotas, 0);
    }
};

QTEST_GUILESS_MAIN(TestResumenAnual)
#include "test_resumen_anual.moc"
