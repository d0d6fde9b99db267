#include "prueba_comun.h"

#include "util/ajustes_regionales.h"
#include "util/excepcion.h"
#include "widgets/calendario_2000.h"
#include "widgets/disposicion_mes.h"

#include <QAccessible>
#include <QImage>
#include <memory>

namespace {

QDate D(int dia, int mes, int anio) { return QDate(anio, mes, dia); }

bool EsRojo(QRgb p) { return qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90; }

int PixelesRojos(const QImage& imagen, const QRect& zona) {
    int n = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            n += EsRojo(imagen.pixel(x, y)) ? 1 : 0;
    return n;
}

// A calendar shown at the picker's size, counting its change notifications.
struct Calendario {
    tCalendario2000 cal;
    int cambios = 0;
    Calendario() {
        cal.resize(318, 143);
        cal.SetColor(clWhite);
        cal.OnChange = [this](TCalendar&) { ++cambios; };
        cal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cal));
    }
    QPoint Centro(int c, int r) const { return cal.CellRect(c, r).center(); }
    void ClickEn(int c, int r) { QTest::mouseClick(cal.viewport(), Qt::LeftButton, {}, Centro(c, r)); }
    QImage Imagen() { return cal.viewport()->grab().toImage(); }
};

}  // namespace

class TestCalendario : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { LeerAjustesRegionales(QLocale()); }

    // Where the 1st falls, how far back column 0 reaches and how many rows a
    // month takes, for Monday-first (1) and Sunday-first (0) weeks; every day
    // of the month sits in exactly one cell.
    void disposicion_data() {
        QTest::addColumn<int>("anio");
        QTest::addColumn<int>("mes");
        QTest::addColumn<int>("inicio");
        QTest::addColumn<int>("columnaPrimero");
        QTest::addColumn<int>("filas");
        QTest::newRow("lunes: el 1 en domingo") << 2026 << 2 << 1 << 6 << 5;
        QTest::newRow("lunes: el 1 en lunes") << 2026 << 6 << 1 << 0 << 5;
        QTest::newRow("lunes: 31 dias desde la ultima columna") << 2026 << 3 << 1 << 6 << 6;
        QTest::newRow("lunes: febrero comun desde la primera") << 2021 << 2 << 1 << 0 << 4;
        QTest::newRow("lunes: febrero bisiesto en jueves") << 2024 << 2 << 1 << 3 << 5;
        QTest::newRow("domingo: el 1 en domingo") << 2026 << 2 << 0 << 0 << 4;
        QTest::newRow("domingo: 31 dias desde el sabado") << 2026 << 8 << 0 << 6 << 6;
        QTest::newRow("domingo: el 1 en lunes") << 2026 << 6 << 0 << 1 << 5;
    }
    void disposicion() {
        QFETCH(int, anio);
        QFETCH(int, mes);
        QFETCH(int, inicio);
        QFETCH(int, columnaPrimero);
        QFETCH(int, filas);
        const DisposicionMes d = CalcularDisposicionMes(anio, mes, inicio);
        QCOMPARE(d.columnaPrimero, columnaPrimero);
        QCOMPARE(d.desplazamiento, 1 - columnaPrimero);
        QCOMPARE(d.FilasUsadas(), filas);
        QCOMPARE(d.DiaEn(columnaPrimero, 1), 1);
        int celdas = 0;
        for (int r = 1; r <= 6; ++r)
            for (int c = 0; c < 7; ++c)
                if (const int dia = d.DiaEn(c, r); dia > 0) {
                    ++celdas;
                    QCOMPARE(d.ColumnaDe(dia), c);
                    QCOMPARE(d.FilaDe(dia), r);
                    QCOMPARE(DiaSemanaDomingoCero(QDate(anio, mes, dia)), (c + inicio) % 7);
                }
        QCOMPARE(celdas, QDate(anio, mes, 1).daysInMonth());
    }

    // The week starts where the regional settings say, and the weekday row
    // and the weekend columns follow.
    void primerDiaSemana_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("inicio");
        QTest::addColumn<int>("sabado");
        QTest::addColumn<int>("domingo");
        QTest::newRow("espanol") << QLocale(QLocale::Spanish, QLocale::Spain) << 1 << 5 << 6;
        QTest::newRow("estados unidos") << QLocale(QLocale::English, QLocale::UnitedStates) << 0 << 6 << 0;
    }
    void primerDiaSemana() {
        QFETCH(QLocale, locale);
        QFETCH(int, inicio);
        QFETCH(int, sabado);
        QFETCH(int, domingo);
        LeerAjustesRegionales(locale);
        tCalendario2000 cal;
        QCOMPARE(cal.StartOfWeek(), inicio);
        QCOMPARE(cal.ColumnaSabado(), sabado);
        QCOMPARE(cal.ColumnaDomingo(), domingo);
        QCOMPARE(cal.CellCaption(domingo, 0), locale.dayName(7, QLocale::ShortFormat));
        QCOMPARE(cal.CellCaption(sabado, 0), locale.dayName(6, QLocale::ShortFormat));
        cal.SetSelectedDate(D(1, 2, 2026));  // a Sunday
        QCOMPARE(cal.Col(), domingo);
        QCOMPARE(cal.Row(), 1);
        QCOMPARE(cal.FirstDayOffset(), 1 - domingo);
        QCOMPARE(cal.CellCaption(domingo, 1), QStringLiteral("1"));
        QCOMPARE(cal.CellCaption(0, 6), QString());
    }

    void pasosDeMesYAnio_data() {
        QTest::addColumn<QDate>("desde");
        QTest::addColumn<QString>("pasos");
        QTest::addColumn<QDate>("hasta");
        QTest::addColumn<int>("cambios");
        QTest::newRow("31 de enero a febrero bisiesto") << D(31, 1, 2024) << "m+" << D(29, 2, 2024) << 1;
        QTest::newRow("31 de enero a febrero comun") << D(31, 1, 2023) << "m+" << D(28, 2, 2023) << 1;
        QTest::newRow("y luego a marzo, sin volver al 31") << D(31, 1, 2024) << "m+m+" << D(29, 3, 2024) << 2;
        QTest::newRow("31 de marzo hacia atras") << D(31, 3, 2023) << "m-" << D(28, 2, 2023) << 1;
        QTest::newRow("cambio de ano hacia delante") << D(15, 12, 2026) << "m+" << D(15, 1, 2027) << 1;
        QTest::newRow("cambio de ano hacia atras") << D(1, 1, 2026) << "m-" << D(1, 12, 2025) << 1;
        QTest::newRow("29 de febrero de 2000 un ano despues") << D(29, 2, 2000) << "a+" << D(28, 2, 2001) << 2;
        QTest::newRow("29 de febrero un ano antes") << D(29, 2, 2024) << "a-" << D(28, 2, 2023) << 2;
        QTest::newRow("mas alla de 2099") << D(31, 12, 2099) << "a+" << D(31, 12, 2100) << 1;
        QTest::newRow("ultimo mes posible") << D(31, 12, 9999) << "m+a+" << D(31, 12, 9999) << 0;
        QTest::newRow("primer mes posible") << D(1, 1, 1) << "m-a-" << D(1, 1, 1) << 0;
    }
    void pasosDeMesYAnio() {
        QFETCH(QDate, desde);
        QFETCH(QString, pasos);
        QFETCH(QDate, hasta);
        QFETCH(int, cambios);
        TCalendar cal;
        cal.SetSelectedDate(desde);
        int vistos = 0;
        cal.OnChange = [&vistos](TCalendar&) { ++vistos; };
        for (int i = 0; i + 1 < pasos.size(); i += 2) {
            const bool adelante = pasos[i + 1] == QLatin1Char('+');
            if (pasos[i] == QLatin1Char('m'))
                adelante ? cal.MonthForward() : cal.MonthBack();
            else
                adelante ? cal.YearForward() : cal.YearBack();
        }
        QCOMPARE(cal.SelectedDate(), hasta);
        QCOMPARE(vistos, cambios);
        QCOMPARE(cal.CellCaption(cal.Col(), cal.Row()), QString::number(hasta.day()));
    }

    // Parts outside the calendar's range, and the current value, change
    // nothing; an impossible date is refused and the date stays.
    void partesDeLaFecha() {
        TCalendar cal;
        cal.SetSelectedDate(D(31, 3, 2026));
        QVERIFY(cal.UseCurrentDate());
        int cambios = 0;
        cal.OnChange = [&cambios](TCalendar&) { ++cambios; };
        cal.SetDay(0);
        cal.SetDay(32);
        cal.SetMonth(13);
        cal.SetYear(10000);
        cal.SetDay(31);
        QCOMPARE(cambios, 0);
        QCOMPARE(cal.SelectedDate(), D(31, 3, 2026));
        QVERIFY_THROWS_EXCEPTION(EConvertError, cal.SetMonth(4));
        QCOMPARE(cal.SelectedDate(), D(31, 3, 2026));
        cal.SetDay(8);
        QCOMPARE(cambios, 1);
        QVERIFY(!cal.UseCurrentDate());
        QCOMPARE(cal.Col(), cal.Layout().ColumnaDe(8));
        QCOMPARE(cal.Row(), cal.Layout().FilaDe(8));
        cal.SetUseCurrentDate(true);
        QCOMPARE(cal.SelectedDate(), QDate::currentDate());
        QCOMPARE(cambios, 1);
        QVERIFY_THROWS_EXCEPTION(EConvertError, cal.SetSelectedDate(QDate()));
    }

    // A click on a day selects it; a click on an empty cell or the weekday
    // row keeps the date. Every click on the grid notifies a change again.
    void clicsYTeclas() {
        Calendario k;
        tCalendario2000& cal = k.cal;
        cal.SetSelectedDate(D(15, 12, 2026));  // 1 December 2026 is a Tuesday
        k.cambios = 0;
        k.ClickEn(0, 1);                       // empty, before the 1st
        QCOMPARE(cal.SelectedDate(), D(15, 12, 2026));
        QCOMPARE(k.cambios, 1);
        k.ClickEn(6, 6);                       // empty, after the 31st
        QCOMPARE(cal.SelectedDate(), D(15, 12, 2026));
        k.cambios = 0;
        k.ClickEn(3, 0);                       // weekday row
        QCOMPARE(cal.SelectedDate(), D(15, 12, 2026));
        QCOMPARE(k.cambios, 0);
        k.ClickEn(cal.Layout().ColumnaDe(8), cal.Layout().FilaDe(8));
        QCOMPARE(cal.SelectedDate(), D(8, 12, 2026));
        QCOMPARE(k.cambios, 2);
        k.ClickEn(cal.Layout().ColumnaDe(8), cal.Layout().FilaDe(8));
        QCOMPARE(k.cambios, 3);

        cal.setFocus();
        QTest::keyClick(&cal, Qt::Key_Right);
        QCOMPARE(cal.SelectedDate(), D(9, 12, 2026));
        QTest::keyClick(&cal, Qt::Key_Down);
        QCOMPARE(cal.SelectedDate(), D(16, 12, 2026));
        cal.SetSelectedDate(D(1, 12, 2026));
        QTest::keyClick(&cal, Qt::Key_Left);   // into the empty cell before the 1st
        QCOMPARE(cal.SelectedDate(), D(1, 12, 2026));
        QCOMPARE(cal.Col(), 1);

        cal.SetReadOnly(true);
        k.ClickEn(cal.Layout().ColumnaDe(20), cal.Layout().FilaDe(20));
        QCOMPARE(cal.SelectedDate(), D(1, 12, 2026));
        cal.SetSelectedDate(D(24, 12, 2026));  // the program may still set it
        QCOMPARE(cal.Col(), cal.Layout().ColumnaDe(24));
    }

    // The seven columns and rows fill the grid without scrolling, whatever
    // cell is current.
    void tamanoDeCeldas() {
        Calendario k;
        const int linea = k.cal.GridLineWidth();
        QCOMPARE(k.cal.ColWidths(6), (k.cal.viewport()->width() - 7 * linea) / 7);
        QCOMPARE(k.cal.RowHeights(6), (k.cal.viewport()->height() - 7 * linea) / 7);
        k.cal.SetSelectedDate(D(31, 8, 2026));  // a 31st in the sixth row
        QCOMPARE(k.cal.Row(), 6);
        QCOMPARE(k.cal.TopRow(), 1);
        QCOMPARE(k.cal.LeftCol(), 0);
        QVERIFY(!k.cal.CellRect(6, 6).isEmpty());
    }

    // Weekend numbers are red, also on the selection; today's cell has a red
    // ring only while its month is shown.
    void dibujo() {
        Calendario k;
        tCalendario2000& cal = k.cal;
        const QDate hoy = QDate::currentDate();
        // A weekday and a Saturday of today's month that are not today.
        QDate laborable, sabado;
        for (QDate f(hoy.year(), hoy.month(), 1); f.month() == hoy.month(); f = f.addDays(1)) {
            if (f == hoy)
                continue;
            if (!laborable.isValid() && f.dayOfWeek() <= 5)
                laborable = f;
            if (!sabado.isValid() && f.dayOfWeek() == 6)
                sabado = f;
        }
        cal.SetSelectedDate(laborable);
        const DisposicionMes& d = cal.Layout();
        auto celda = [&](const QDate& f) { return cal.CellRect(d.ColumnaDe(f.day()), d.FilaDe(f.day())); };
        auto borde = [](const QRect& r) { return QRect(r.left(), r.top() + r.height() / 4, 3, r.height() / 2); };

        QImage img = k.Imagen();
        QCOMPARE(PixelesRojos(img, celda(laborable)), 0);
        QVERIFY(PixelesRojos(img, celda(sabado)) > 0);
        QVERIFY(PixelesRojos(img, borde(celda(hoy))) > 0);
        QCOMPARE(PixelesRojos(img, borde(celda(sabado))), 0);

        cal.SetSelectedDate(sabado);
        img = k.Imagen();
        QVERIFY(PixelesRojos(img, celda(sabado)) > 0);

        const QDate otroMes = hoy.addMonths(1);
        cal.SetSelectedDate(otroMes);
        img = k.Imagen();
        const DisposicionMes& d2 = cal.Layout();
        const QRect mismaCelda = cal.CellRect(d2.ColumnaDe(hoy.day()), d2.FilaDe(hoy.day()));
        if (hoy.day() <= d2.diasMes)
            QCOMPARE(PixelesRojos(img, borde(mismaCelda)), 0);
    }

    // Holidays and notes: texts pile up line by line, a repeated text is not
    // added twice, an empty one clears the day; a holiday is drawn on its
    // own background and its hint follows the mouse.
    void notasYFestivos() {
        Calendario k;
        tCalendario2000& cal = k.cal;
        cal.SetSelectedDate(D(1, 12, 2026));
        cal.AnadirFestivo(8, QStringLiteral("Inmaculada"));
        cal.AnadirFestivo(8, QStringLiteral("Inmaculada"));
        QCOMPARE(cal.Festivo(8), QStringLiteral("Inmaculada"));
        cal.AnadirNota(8, QStringLiteral("Pagar"));
        cal.AnadirNota(8, QStringLiteral("Llamar"));
        QCOMPARE(cal.Nota(8), QStringLiteral("Pagar\nLlamar"));
        cal.AnadirNota(9, QStringLiteral("Otra"));
        cal.AnadirNota(9, QString());
        QCOMPARE(cal.Nota(9), QString());
        QCOMPARE(cal.Nota(0), QString());
        QCOMPARE(cal.Festivo(32), QString());

        const QRect r = cal.CellRect(cal.Layout().ColumnaDe(8), cal.Layout().FilaDe(8));
        QCOMPARE(QColor(k.Imagen().pixel(r.left() + 1, r.top() + 2)), QColor(244, 244, 255));

        QTest::mouseMove(cal.viewport(), r.center());
        QTRY_COMPARE(cal.DiaConHint(), 8);
        QCOMPARE(cal.toolTip(), QStringLiteral("Inmaculada\nPagar\nLlamar"));
        QTest::mouseMove(cal.viewport(), k.Centro(3, 0));
        QTRY_COMPARE(cal.DiaConHint(), 0);
        QCOMPARE(cal.toolTip(), QString());

        cal.BorrarFestivos();
        cal.BorrarNotas();
        QCOMPARE(cal.Festivo(8), QString());
        QCOMPARE(cal.Nota(8), QString());
    }

    // A screen reader finds the selected date in words, and every cell by
    // its weekday or full date.
    void accesibilidad() {
        Calendario k;
        k.cal.SetSelectedDate(D(8, 12, 2026));
        QAccessibleInterface* acc = QAccessible::queryAccessibleInterface(&k.cal);
        QVERIFY(acc);
        QCOMPARE(acc->role(), QAccessible::Table);
        QCOMPARE(acc->text(QAccessible::Value), QStringLiteral("8 de diciembre de 2026"));
        QCOMPARE(acc->childCount(), 49);
        QAccessibleInterface* actual = acc->child(k.cal.Row() * 7 + k.cal.Col());
        QVERIFY(actual);
        QCOMPARE(actual->text(QAccessible::Name), QStringLiteral("8 de diciembre de 2026"));
        QVERIFY(actual->state().selected);
        QCOMPARE(acc->indexOfChild(actual), k.cal.Row() * 7 + k.cal.Col());
        QCOMPARE(acc->child(0)->role(), QAccessible::ColumnHeader);
        QCOMPARE(acc->child(0)->text(QAccessible::Name), k.cal.CellCaption(0, 0));
        QCOMPARE(acc->child(7)->text(QAccessible::Name), QString());  // 1 December is a Tuesday
        QCOMPARE(acc->child(8)->text(QAccessible::Name), QStringLiteral("1 de diciembre de 2026"));
    }
};

ZZ_TEST_MAIN(TestCalendario)
#include "test_calendario.moc"
