#include "prueba_nucleo.h"

#include "util/ajustes_regionales.h"
#include "util/escritura_fecha.h"
#include "util/excepcion.h"
#include "util/fechas.h"

#include <climits>

namespace {

QDate D(int dia, int mes, int anio) { return QDate(anio, mes, dia); }

// Spanish names with the month first: a combination no locale offers.
void AjustesConMesPrimero() {
    AjustesRegionales a = Ajustes();
    a.mesPrimero = true;
    a.formatoFechaCorta = QStringLiteral("MM/dd/yyyy");
    FijarAjustesRegionales(a);
}

}  // namespace

class TestFechas : public PruebaNucleo {
    Q_OBJECT
private slots:
    void cleanup() { LeerAjustesRegionales(QLocale()); }

    void diasDelMes_data() {
        QTest::addColumn<QDate>("fecha");
        QTest::addColumn<int>("dias");
        QTest::newRow("febrero de 2000, bisiesto por 400") << D(10, 2, 2000) << 29;
        QTest::newRow("febrero de 1900, no bisiesto por 100") << D(1, 2, 1900) << 28;
        QTest::newRow("febrero de 2024") << D(29, 2, 2024) << 29;
        QTest::newRow("febrero de 2023") << D(1, 2, 2023) << 28;
        QTest::newRow("abril") << D(30, 4, 2023) << 30;
        QTest::newRow("diciembre") << D(1, 12, 9999) << 31;
        QTest::newRow("fecha no valida") << QDate() << 0;
    }
    void diasDelMes() {
        QFETCH(QDate, fecha);
        QFETCH(int, dias);
        QCOMPARE(DiasDelMes(fecha), dias);
    }

    void sumarMeses_data() {
        QTest::addColumn<int>("meses");
        QTest::addColumn<QDate>("fecha");
        QTest::addColumn<QDate>("resultado");
        QTest::newRow("31 de enero mas uno, bisiesto") << 1 << D(31, 1, 2024) << D(29, 2, 2024);
        QTest::newRow("31 de marzo menos uno") << -1 << D(31, 3, 2023) << D(28, 2, 2023);
        QTest::newRow("trece meses") << 13 << D(15, 12, 2023) << D(15, 1, 2025);
        QTest::newRow("menos doce") << -12 << D(15, 1, 2024) << D(15, 1, 2023);
        QTest::newRow("cero") << 0 << D(31, 5, 2024) << D(31, 5, 2024);
        QTest::newRow("menos veinticinco") << -25 << D(31, 1, 2024) << D(31, 12, 2021);
        QTest::newRow("hasta diciembre de 9999") << 119987 << D(15, 1, 1) << D(15, 12, 9999);
        QTest::newRow("pasado 9999") << 1 << D(15, 12, 9999) << QDate();
        QTest::newRow("antes del año 1") << -1 << D(15, 1, 1) << QDate();
        QTest::newRow("maximo entero, sin bucle") << INT_MAX << D(1, 1, 2026) << QDate();
        QTest::newRow("minimo entero, sin bucle") << INT_MIN << D(1, 1, 2026) << QDate();
        QTest::newRow("fecha no valida") << 1 << QDate() << QDate();
    }
    void sumarMeses() {
        QFETCH(int, meses);
        QFETCH(QDate, fecha);
        QFETCH(QDate, resultado);
        QCOMPARE(SumarMeses(meses, fecha), resultado);
    }

    void sumarAnios_data() {
        QTest::addColumn<int>("anios");
        QTest::addColumn<QDate>("fecha");
        QTest::addColumn<QDate>("resultado");
        QTest::newRow("29 de febrero a año comun") << 1 << D(29, 2, 2024) << D(28, 2, 2025);
        QTest::newRow("29 de febrero a bisiesto") << 4 << D(29, 2, 2024) << D(29, 2, 2028);
        QTest::newRow("hacia atras") << -1 << D(29, 2, 2024) << D(28, 2, 2023);
        QTest::newRow("cero") << 0 << D(3, 7, 2024) << D(3, 7, 2024);
        QTest::newRow("hasta 9999") << 9998 << D(1, 1, 1) << D(1, 1, 9999);
        QTest::newRow("pasado 9999") << 1 << D(1, 1, 9999) << QDate();
        QTest::newRow("maximo entero") << INT_MAX << D(1, 1, 2026) << QDate();
        QTest::newRow("minimo entero") << INT_MIN << D(1, 1, 2026) << QDate();
    }
    void sumarAnios() {
        QFETCH(int, anios);
        QFETCH(QDate, fecha);
        QFETCH(QDate, resultado);
        QCOMPARE(SumarAnios(anios, fecha), resultado);
    }

    void fechaEnBlanco_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("enBlanco");
        QTest::newRow("vacio") << "" << true;
        QTest::newRow("campo sin tocar") << "  /  /    " << true;
        QTest::newRow("marcas de edicion") << "__/__/____" << true;
        QTest::newRow("sin año") << "15/03/    " << false;
        QTest::newRow("un blanco de menos") << " /  /    " << false;
    }
    void fechaEnBlanco() {
        QFETCH(QString, texto);
        QFETCH(bool, enBlanco);
        QCOMPARE(FechaEnBlanco(texto), enBlanco);
    }

    void mayusculas_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mayusculas");
        QTest::addColumn<QString>("capitalizado");
        QTest::newRow("vacio") << "" << "" << "";
        QTest::newRow("acentos y eñe") << "ñandú árbol éxito ínsula óleo" << "ÑANDÚ ÁRBOL ÉXITO ÍNSULA ÓLEO"
                                       << "Ñandú árbol éxito ínsula óleo";
        QTest::newRow("fuera del mapa") << "über çà 1-x" << "üBER çà 1-X" << "über çà 1-x";
        QTest::newRow("ya en mayusculas") << "Enero" << "ENERO" << "Enero";
    }
    void mayusculas() {
        QFETCH(QString, texto);
        QFETCH(QString, mayusculas);
        QFETCH(QString, capitalizado);
        QCOMPARE(MayusculasEsp(texto), mayusculas);
        QCOMPARE(Capitalizar(texto), capitalizado);
    }

    void nombresYLetras() {
        QCOMPARE(NombreMes(1, true), QStringLiteral("Enero"));
        QCOMPARE(NombreMes(12, false), QStringLiteral("diciembre"));
        QCOMPARE(NombreMes(0, true), QString());
        QCOMPARE(NombreMes(13, true), QString());
        QCOMPARE(FechaEnLetra(D(1, 1, 2002)), QStringLiteral("1 de enero de 2002"));
        QCOMPARE(FechaEnLetra(D(11, 12, 2026)), QStringLiteral("11 de diciembre de 2026"));
        QCOMPARE(TextoFecha(D(5, 3, 2024)), QStringLiteral("05/03/2024"));
        QCOMPARE(TextoFecha(D(5, 3, 999)), QStringLiteral("05/03/0999"));
        QCOMPARE(TextoFecha(QDate()), QString());
        AjustesConMesPrimero();
        QCOMPARE(FechaEnLetra(D(1, 1, 2002)), QStringLiteral("enero 1, 2002"));
        QCOMPARE(TextoFecha(D(5, 3, 2024)), QStringLiteral("03/05/2024"));
    }

    void mesPrimeroDesdeElSistema() {
        LeerAjustesRegionales(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(Ajustes().mesPrimero);
        QCOMPARE(TextoFecha(D(5, 3, 2024)), QStringLiteral("03/05/2024"));
        QCOMPARE(FechaEnLetra(D(1, 1, 2002)), QStringLiteral("January 1, 2002"));
    }

    void leerFecha_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("mesPrimero");
        QTest::addColumn<QDate>("fecha");  // invalid: the text does not read
        QTest::newRow("completa") << "05/03/2024" << false << D(5, 3, 2024);
        QTest::newRow("blancos delante y año corto") << " 1/ 3/24  " << false << D(1, 3, 2024);
        QTest::newRow("blanco ante separador") << "01 /03 /2024" << false << D(1, 3, 2024);
        QTest::newRow("mes primero") << "03/05/2024" << true << D(5, 3, 2024);
        QTest::newRow("año 76 es 1976") << "01/01/76" << false << D(1, 1, 1976);
        QTest::newRow("año 75 es 2075") << "01/01/75" << false << D(1, 1, 2075);
        QTest::newRow("año 00 es 2000") << "01/01/00" << false << D(1, 1, 2000);
        QTest::newRow("año de una cifra") << "01/01/7" << false << D(1, 1, 2007);
        QTest::newRow("año de tres cifras tal cual") << "01/01/024" << false << D(1, 1, 24);
        QTest::newRow("29 de febrero bisiesto") << "29/02/2024" << false << D(29, 2, 2024);
        QTest::newRow("31 de febrero") << "31/02/2024" << false << QDate();
        QTest::newRow("29 de febrero comun") << "29/02/2023" << false << QDate();
        QTest::newRow("sin año") << "15/03/    " << false << QDate();
        QTest::newRow("mes 13") << "01/13/2024" << false << QDate();
        QTest::newRow("dia 0") << "00/01/2024" << false << QDate();
        QTest::newRow("año 0") << "01/01/0000" << false << QDate();
        QTest::newRow("año de cinco cifras") << "01/01/10000" << false << QDate();
        QTest::newRow("guiones") << "01-01-2024" << false << QDate();
        QTest::newRow("letra") << "0a/01/2024" << false << QDate();
        QTest::newRow("cola") << "01/01/2024x" << false << QDate();
        QTest::newRow("cuatro partes") << "01/01/20/24" << false << QDate();
        QTest::newRow("cifras de otro alfabeto") << QString::fromUtf8("٠١/٠١/٢٠٢٤") << false << QDate();
        QTest::newRow("muchas cifras") << "0000000000001/01/2024" << false << QDate();
    }
    void leerFecha() {
        QFETCH(QString, texto);
        QFETCH(bool, mesPrimero);
        QFETCH(QDate, fecha);
        if (fecha.isValid()) {
            QCOMPARE(LeerFecha(texto, mesPrimero, 2026), std::optional<QDate>(fecha));
            return;
        }
        try {
            LeerFecha(texto, mesPrimero, 2026);
            QFAIL("la fecha no deberia leerse");
        } catch (const EConvertError& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("La fecha \"%1\" no es correcta").arg(texto));
        }
    }

    // A date field takes years 1900 to 2099 only, the picker's own range.
    void leerFechaDeCampo_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QDate>("fecha");  // invalid: refused
        QTest::newRow("primer día") << "01/01/1900" << D(1, 1, 1900);
        QTest::newRow("último día") << "31/12/2099" << D(31, 12, 2099);
        QTest::newRow("antes de 1900") << "31/12/1899" << QDate();
        QTest::newRow("después de 2099") << "01/01/2100" << QDate();
        QTest::newRow("año 9999") << "31/12/9999" << QDate();
    }
    void leerFechaDeCampo() {
        QFETCH(QString, texto);
        QFETCH(QDate, fecha);
        if (fecha.isValid()) {
            QCOMPARE(LeerFechaDeCampo(texto), std::optional<QDate>(fecha));
            return;
        }
        try {
            LeerFechaDeCampo(texto);
            QFAIL("la fecha no deberia admitirse");
        } catch (const EConvertError& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QStringLiteral("La fecha \"%1\" no es correcta: el año debe estar entre 1900 y 2099").arg(texto));
        }
    }

    // A "/" typed in a date field ends the day or the month.
    void cerrarParteFecha_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("resultado");  // empty: nothing changes
        QTest::addColumn<int>("cursorFinal");
        QTest::newRow("día de una cifra") << "1 /  /    " << 1 << "01/  /    " << 3;
        QTest::newRow("mes de una cifra") << "01/1 /    " << 4 << "01/01/    " << 6;
        QTest::newRow("día completo salta") << "12/  /    " << 2 << "12/  /    " << 3;
        QTest::newRow("resto de la parte se descarta") << "31/12/2026" << 1 << "03/12/2026" << 3;
        QTest::newRow("nada escrito") << "  /  /    " << 0 << "" << 0;
        QTest::newRow("mes sin escribir") << "01/  /    " << 3 << "" << 0;
        QTest::newRow("en el año") << "01/01/20  " << 8 << "" << 0;
        QTest::newRow("texto corto") << "1" << 1 << "" << 0;
    }
    void cerrarParteFecha() {
        QFETCH(QString, texto);
        QFETCH(int, cursor);
        QFETCH(QString, resultado);
        QFETCH(int, cursorFinal);
        const std::optional<TextoConCursor> cerrado = CerrarParteFecha(texto, cursor);
        if (resultado.isEmpty()) {
            QCOMPARE(cerrado, std::nullopt);
            return;
        }
        QVERIFY(cerrado);
        QCOMPARE(cerrado->texto, resultado);
        QCOMPARE(cerrado->cursor, cursorFinal);
    }

    void leerFechaEnBlanco() {
        QCOMPARE(LeerFecha(QStringLiteral("  /  /    "), false, 2026), std::nullopt);
        QCOMPARE(LeerFecha(QString()), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestFechas)
#include "test_fechas.moc"
