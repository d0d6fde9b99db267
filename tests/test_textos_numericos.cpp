#include "prueba_nucleo.h"

#include "util/excepcion.h"
#include "util/texto_tasa.h"
#include "util/textos_numericos.h"

class TestTextosNumericos : public PruebaNucleo {
    Q_OBJECT
private slots:
    void importes_data() {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("dosDecimales");
        QTest::addColumn<QString>("importe");
        QTest::newRow("cero") << 0.0 << "0,00" << "0,00";
        QTest::newRow("menos cero") << -0.0 << "0,00" << "0,00";
        QTest::newRow("negativo que redondea a cero") << -0.004 << "0,00" << "0,00";
        QTest::newRow("mitad hacia arriba") << 1.125 << "1,13" << "1,13";
        QTest::newRow("mitad negativa") << -1.125 << "-1,13" << "-1,13";
        QTest::newRow("como lo escribe una persona") << 1.005 << "1,01" << "1,01";
        QTest::newRow("cuatro cifras agrupadas") << 1000.0 << "1000,00" << "1.000,00";
        QTest::newRow("cuota") << 10327.965 << "10327,97" << "10.327,97";
        QTest::newRow("millones") << 1234567.891 << "1234567,89" << "1.234.567,89";
        QTest::newRow("acarreo") << 999999.999 << "1000000,00" << "1.000.000,00";
        QTest::newRow("billones") << 1e15 << "1000000000000000,00" << "1.000.000.000.000.000,00";
        QTest::newRow("pequeno") << 0.015 << "0,02" << "0,02";
        QTest::newRow("tres cifras") << -860.6637 << "-860,66" << "-860,66";
        // Sums that drift below an exact half cent still round as the half.
        QTest::newRow("suma exacta de medio céntimo")
            << 1000 * 1.005 * 1.005 + 100 * 1.005 + 100 << "1210,53" << "1.210,53";
        QTest::newRow("total acumulado que se queda corto") << 170447.56499999983 << "170447,57" << "170.447,57";
        QTest::newRow("diferencia a medias") << (134015.87 - 25245.82) / 2 << "54385,03" << "54.385,03";
        QTest::newRow("negativo que se queda corto") << -170447.56499999983 << "-170447,57" << "-170.447,57";
        QTest::newRow("a más de una millonésima del medio") << 0.004999989 << "0,00" << "0,00";
        QTest::newRow("a una millonésima del medio") << 0.00499999 << "0,01" << "0,01";
        QTest::newRow("diminuto") << 5e-324 << "0,00" << "0,00";
        QTest::newRow("diminuto negativo") << -1e-300 << "0,00" << "0,00";
        QTest::newRow("máximo") << -1e15 << "-1000000000000000,00" << "-1.000.000.000.000.000,00";
    }
    void importes() {
        QFETCH(double, valor);
        QFETCH(QString, dosDecimales);
        QFETCH(QString, importe);
        QCOMPARE(TextoDosDecimales(valor), dosDecimales);
        QCOMPARE(TextoImporte(valor), importe);
    }

    void lecturaValida_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("valor");
        QTest::newRow("entero") << "10000" << 10000.0;
        QTest::newRow("decimales") << "860,66" << 860.66;
        QTest::newRow("sin parte entera") << ",5" << 0.5;
        QTest::newRow("sin decimales tras la coma") << "5," << 5.0;
        QTest::newRow("signo") << "-3,25" << -3.25;
        QTest::newRow("signo mas") << "+3" << 3.0;
        QTest::newRow("exponente") << "1,5e3" << 1500.0;
        QTest::newRow("exponente negativo") << "25E-2" << 0.25;
        QTest::newRow("blancos alrededor") << "  42 " << 42.0;
    }
    void lecturaValida() {
        QFETCH(QString, texto);
        QFETCH(double, valor);
        QCOMPARE(LeerNumero(texto), valor);
    }

    void lecturaInvalida_data() {
        QTest::addColumn<QString>("texto");
        for (const char* t : {"", " ", ",", ",5x", "1.000,00", "1.5", "12abc", "1e", "--1", "1e400", "inf",
                              "nan", "1 2", "٣"})
            QTest::newRow(t) << QString::fromUtf8(t);
    }
    void lecturaInvalida() {
        QFETCH(QString, texto);
        try {
            LeerNumero(texto);
            QFAIL("se esperaba un error de conversión");
        } catch (const EConvertError& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("\"%1\" no es un número válido").arg(texto));
        }
    }

    // Amounts as people paste them into a field.
    void importePegado_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("valor");
        QTest::newRow("puntos de miles") << "1.000,50" << 1000.5;
        QTest::newRow("millones") << "-1.234.567,89" << -1234567.89;
        QTest::newRow("miles sin decimales") << "1.000" << 1000.0;
        QTest::newRow("espacio de miles") << "1 000,50" << 1000.5;
        QTest::newRow("espacio duro de miles") << QStringLiteral("1\u00a0000,50") << 1000.5;
        QTest::newRow("espacio fino de miles") << QStringLiteral("12\u202f345\u202f678") << 12345678.0;
        QTest::newRow("euro detrás") << QStringLiteral("1000 €") << 1000.0;
        QTest::newRow("euro delante") << QStringLiteral("€ 1.000") << 1000.0;
        QTest::newRow("euro pegado con blancos duros") << QStringLiteral("\u00a01.000,5€ ") << 1000.5;
        QTest::newRow("blancos alrededor") << "  42,5 " << 42.5;
        QTest::newRow("lo de siempre") << "1,5e3" << 1500.0;
        QTest::newRow("límite") << "1e15" << 1e15;
        QTest::newRow("límite negativo") << "-1.000.000.000.000.000" << -1e15;
    }
    void importePegado() {
        QFETCH(QString, texto);
        QFETCH(double, valor);
        QCOMPARE(LeerImporte(texto), valor);
    }

    // Anything still unreadable keeps the clear message naming the text; a
    // number too large to be shown whole says so.
    void importeIlegible_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensaje");
        const QString malo = QStringLiteral("\"%1\" no es un número válido");
        for (const char* t : {"1.000.00", "1.000 000", "1.000,5e3", "1.000,5x", "€", "€€ 1", "1 €€", "- 1.000",
                              "1. 000", "12abc", ""})
            QTest::newRow(t) << QString::fromUtf8(t) << malo.arg(QString::fromUtf8(t));
        // Separators the other way round, as another locale writes them:
        // the message shows the Spanish form.
        const QString alReves = malo + QStringLiteral("; escriba %2");
        const std::pair<const char*, const char*> girados[] = {
            {"1.5", "1,5"}, {"1.50", "1,50"}, {"1000.000", "1000,000"}, {"1,000.5", "1.000,5"}, {" 3.5 ", "3,5"}};
        for (const auto& [t, bien] : girados)
            QTest::newRow(t) << QString::fromUtf8(t) << alReves.arg(QString::fromUtf8(t), QString::fromUtf8(bien));
        const QString grande = QStringLiteral("\"%1\" es un número demasiado grande: no puede pasar de "
                                              "1.000.000.000.000.000");
        for (const char* t : {"1000000000000000,2", "-1.000.000.000.000.001", "1e308", "1e400"})
            QTest::newRow(t) << QString::fromUtf8(t) << grande.arg(QString::fromUtf8(t));
        const QString pequeno = QStringLiteral("\"%1\" es un número demasiado pequeño: está más cerca de cero de "
                                               "lo que se puede calcular");
        for (const char* t : {"1e-400", "-0,5e-330"})
            QTest::newRow(t) << QString::fromUtf8(t) << pequeno.arg(QString::fromUtf8(t));
    }
    void importeIlegible() {
        QFETCH(QString, texto);
        QFETCH(QString, mensaje);
        try {
            LeerImporte(texto);
            QFAIL("se esperaba un error de conversión");
        } catch (const EConvertError& e) {
            QCOMPARE(QString::fromUtf8(e.what()), mensaje);
        }
    }

    void cantidadPegada() {
        QCOMPARE(LeerCantidad(" 1.200 "), 1200);
        QCOMPARE(LeerCantidad(QStringLiteral("2\u00a0147\u00a0483\u00a0647")), 2147483647);
        for (const char* t : {"12,5", "1.2", "12 €", "1e3"})
            QVERIFY_THROWS_EXCEPTION(EConvertError, LeerCantidad(QString::fromUtf8(t)));
        const std::pair<const char*, const char*> mensajes[] = {
            {"2.147.483.648", "\"2.147.483.648\" es un número demasiado grande: no puede pasar de 2.147.483.647"},
            {"1,200", "\"1,200\" no es un número entero válido; escriba 1.200"}};
        for (const auto& [t, mensaje] : mensajes) {
            try {
                LeerCantidad(QString::fromUtf8(t));
                QFAIL("se esperaba un error de conversión");
            } catch (const EConvertError& e) {
                QCOMPARE(QString::fromUtf8(e.what()), QString::fromUtf8(mensaje));
            }
        }
    }

    // A rate that two decimals would show as 0,00 keeps two significant
    // digits, so a positive rate never reads as none.
    void tasas_data() {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("campo");
        QTest::newRow("corriente") << 1234.5678 << "1.234,57" << "1234,57";
        QTest::newRow("cero") << 0.0 << "0,00" << "0,00";
        QTest::newRow("redondea a una centésima") << 0.00499999 << "0,01" << "0,01";
        QTest::newRow("de un ahorro") << 100.0 / 60000 << "0,0017" << "0,0017";
        QTest::newRow("por debajo de la centésima") << 0.004 << "0,0040" << "0,0040";
        QTest::newRow("negativa") << -0.000123 << "-0,00012" << "-0,00012";
        QTest::newRow("la más pequeña que se muestra") << 1e-10 << "0,00000000010" << "0,00000000010";
        QTest::newRow("ruido del cálculo en torno a cero") << -2e-14 << "0,00" << "0,00";
    }
    void tasas() {
        QFETCH(double, valor);
        QFETCH(QString, panel);
        QFETCH(QString, campo);
        QCOMPARE(TextoTasa(valor), panel);
        QCOMPARE(TextoTasaCampo(valor), campo);
        if (campo != QStringLiteral("0,00"))
            QVERIFY(LeerImporte(campo) != 0);
    }

    void enteros() {
        QCOMPARE(LeerEntero(" 12 "), 12);
        QCOMPARE(LeerEntero("2147483647"), 2147483647);
        QCOMPARE(LeerEntero("-2147483648"), -2147483647 - 1);
        for (const char* t : {"12,5", "2147483648", "", "1e3", "x"})
            QVERIFY_THROWS_EXCEPTION(EConvertError, LeerEntero(QString::fromUtf8(t)));
        QCOMPARE(TextoEntero(-42), QStringLiteral("-42"));
    }
};

QTEST_GUILESS_MAIN(TestTextosNumericos)
#include "test_textos_numericos.moc"
