#include "prueba_comun.h"

#include "util/excepcion.h"
#include "util/textos_numericos.h"

class TestTextosNumericos : public QObject {
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

    void enteros() {
        QCOMPARE(LeerEntero(" 12 "), 12);
        QCOMPARE(LeerEntero("2147483647"), 2147483647);
        QCOMPARE(LeerEntero("-2147483648"), -2147483647 - 1);
        for (const char* t : {"12,5", "2147483648", "", "1e3", "x"})
            QVERIFY_THROWS_EXCEPTION(EConvertError, LeerEntero(QString::fromUtf8(t)));
        QCOMPARE(TextoEntero(-42), QStringLiteral("-42"));
    }
};

ZZ_TEST_MAIN(TestTextosNumericos)
#include "test_textos_numericos.moc"
