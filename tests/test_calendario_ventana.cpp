#include "prueba_comun.h"

#include "registro_dialogos.h"
#include "util/excepcion.h"
#include "util/fechas.h"
#include "widgets/boton_repeticion.h"
#include "widgets/calendario_2000.h"
#include "widgets/form_calendario.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

QDate D(int dia, int mes, int anio) { return QDate(anio, mes, dia); }

// The picker shown and active, on a given date.
std::unique_ptr<TFmCalendario> Abrir(const QDate& fecha) {
    auto v = std::make_unique<TFmCalendario>();
    v->PonerFecha(fecha);
    v->show();
    v->activateWindow();
    if (!QTest::qWaitForWindowActive(v.get()))
        return nullptr;
    return v;
}

void ClickEnFila(QListWidget* lista, int fila) {
    lista->scrollToItem(lista->item(fila));
    const QRect r = lista->visualItemRect(lista->item(fila));
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, r.center());
}

void ClickEnDia(TFmCalendario& v, int dia) {
    const DisposicionMes& d = v.Cal2000->Layout();
    QTest::mouseClick(v.Cal2000->viewport(), Qt::LeftButton, {},
                      v.Cal2000->CellRect(d.ColumnaDe(dia), d.FilaDe(dia)).center());
}

}  // namespace

class TestCalendarioVentana : public QObject {
    Q_OBJECT
private slots:
    void inicio() {
        auto v = Abrir(D(8, 12, 2026));
        QVERIFY(v);
        QCOMPARE(v->windowTitle(), QStringLiteral("Seleccionar una fecha"));
        QCOMPARE(v->LblFecha->text(), QStringLiteral("8 de diciembre de 2026"));
        QCOMPARE(v->BtnFechaHoy->text(), QStringLiteral("Fecha de hoy: ") + TextoFecha(QDate::currentDate()));
        QCOMPARE(v->lbAnios->count(), 200);
        QCOMPARE(v->lbAnios->item(0)->text(), QStringLiteral("1900"));
        QCOMPARE(v->lbAnios->item(199)->text(), QStringLiteral("2099"));
        QCOMPARE(v->lbMeses->count(), 12);
        QVERIFY(v->lbMeses->isHidden());
        QVERIFY(v->lbAnios->isHidden());
        QVERIFY(v->Cal2000->hasFocus());
        QVERIFY(v->BtnAceptar->isDefault());
        for (tRepButton* b : {v->BtnMesAnt, v->BtnMesSig, v->BtnAnoAnt, v->BtnAnoSig}) {
            QVERIFY(b->fRepeticion());
            QCOMPARE(b->InitRepeatPause(), quint16(400));
            QCOMPARE(b->RepeatPause(), quint16(100));
        }
        // Every control a person can reach has a name for a screen reader.
        for (QWidget* w : v->findChildren<QWidget*>()) {
            if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QListWidget*>(w))
                continue;
            QAccessibleInterface* acc = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(acc && !acc->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
            QVERIFY2(!acc->text(QAccessible::Name).contains(QLatin1Char('&')), qPrintable(w->objectName()));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(v->lbMeses)->text(QAccessible::Name),
                 QStringLiteral("Seleccionar un mes"));
        QCOMPARE(QAccessible::queryAccessibleInterface(v->LblFecha)->text(QAccessible::Name),
                 QStringLiteral("8 de diciembre de 2026"));
        QCOMPARE(QAccessible::queryAccessibleInterface(v->Cal2000)->text(QAccessible::Value),
                 QStringLiteral("8 de diciembre de 2026"));
    }

    // The arrows step a month or a year, keeping the day where the month
    // allows it; they stop at the ends of the years of the list, which are
    // the years a date field accepts.
    void flechas() {
        auto v = Abrir(D(31, 1, 2024));
        QVERIFY(v);
        QTest::mouseClick(v->BtnMesSig, Qt::LeftButton);
        QCOMPARE(v->LeerFecha(), D(29, 2, 2024));
        QCOMPARE(v->LblFecha->text(), QStringLiteral("29 de febrero de 2024"));
        QTest::mouseClick(v->BtnMesSig, Qt::LeftButton);
        QCOMPARE(v->LeerFecha(), D(29, 3, 2024));
        QTest::mouseClick(v->BtnMesAnt, Qt::LeftButton);
        QTest::mouseClick(v->BtnAnoSig, Qt::LeftButton);
        QCOMPARE(v->LeerFecha(), D(28, 2, 2025));
        QTest::mouseClick(v->BtnAnoAnt, Qt::LeftButton);
        QCOMPARE(v->LeerFecha(), D(28, 2, 2024));
        v->PonerFecha(D(31, 12, 2099));
        QTest::mouseClick(v->BtnAnoSig, Qt::LeftButton);
        QTest::mouseClick(v->BtnMesSig, Qt::LeftButton);
        QCOMPARE(v->LeerFecha(), D(31, 12, 2099));
        QTest::mouseClick(v->BtnMesAnt, Qt::LeftButton);
        QCOMPARE(v->LeerFecha(), D(30, 11, 2099));
        v->PonerFecha(D(15, 1, 1900));
        QTest::mouseClick(v->BtnAnoAnt, Qt::LeftButton);
        QTest::mouseClick(v->BtnMesAnt, Qt::LeftButton);
        QCOMPARE(v->LeerFecha(), D(15, 1, 1900));
        QTest::mouseClick(v->BtnFechaHoy, Qt::LeftButton);
        QCOMPARE(v->LeerFecha(), QDate::currentDate());
    }

    // A mouse click on a row jumps there step by step (so the day is clamped
    // on the way) and closes the list.
    void listaDeMesesConRaton() {
        auto v = Abrir(D(31, 1, 2023));
        QVERIFY(v);
        QTest::mouseClick(v->BtnMes, Qt::LeftButton);
        QVERIFY(v->BtnMes->isChecked());
        QVERIFY(v->lbMeses->isVisible());
        QCOMPARE(v->lbMeses->currentRow(), 0);
        QVERIFY(v->lbMeses->hasFocus());
        const int alto = v->lbMeses->sizeHintForRow(0);
        QCOMPARE(v->lbMeses->height(), 2 * v->lbMeses->frameWidth() + 12 * alto + alto / 2);
        ClickEnFila(v->lbMeses, 2);
        QCOMPARE(v->LeerFecha(), D(28, 3, 2023));
        QVERIFY(v->lbMeses->isHidden());
        QVERIFY(!v->BtnMes->isChecked());
        QVERIFY(v->Cal2000->hasFocus());
        // Pressing the button again closes the list without applying it.
        QTest::mouseClick(v->BtnMes, Qt::LeftButton);
        QTest::keyClick(v->lbMeses, Qt::Key_Down);
        QTest::mouseClick(v->BtnMes, Qt::LeftButton);
        QVERIFY(v->lbMeses->isHidden());
        QCOMPARE(v->LeerFecha(), D(28, 3, 2023));
    }

    // Keys only move the highlight; Enter applies it and keeps the window
    // open, and a second Enter accepts.
    void listaDeMesesConTeclado() {
        auto v = Abrir(D(15, 6, 2026));
        QVERIFY(v);
        QTest::mouseClick(v->BtnMes, Qt::LeftButton);
        QTest::keyClick(v->lbMeses, Qt::Key_Down);
        QTest::keyClick(v->lbMeses, Qt::Key_Down);
        QCOMPARE(v->lbMeses->currentRow(), 7);
        QCOMPARE(v->LeerFecha(), D(15, 6, 2026));
        QVERIFY(!v->AplicarClickLista);
        QTest::keyClick(v->lbMeses, Qt::Key_Return);
        QCOMPARE(v->LeerFecha(), D(15, 8, 2026));
        QVERIFY(v->isVisible());
        QVERIFY(v->lbMeses->isHidden());
        QVERIFY(v->Cal2000->hasFocus());
        QCOMPARE(v->result(), int(QDialog::Rejected));
        QTest::keyClick(v->Cal2000, Qt::Key_Return);
        QVERIFY(!v->isVisible());
        QCOMPARE(v->result(), int(QDialog::Accepted));
        QCOMPARE(v->LeerFecha(), D(15, 8, 2026));
    }

    // Escape in an open list closes that list alone, choosing nothing; the
    // next Escape closes the window.
    void escapeEnLista() {
        auto v = Abrir(D(15, 6, 2026));
        QVERIFY(v);
        for (QToolButton* boton : {v->BtnMes, v->BtnAnio}) {
            QListWidget* lista = boton == v->BtnMes ? v->lbMeses : v->lbAnios;
            QTest::mouseClick(boton, Qt::LeftButton);
            QTest::keyClick(lista, Qt::Key_Down);
            QTest::keyClick(lista, Qt::Key_Escape);
            QVERIFY(v->isVisible());
            QVERIFY(lista->isHidden());
            QVERIFY(!boton->isChecked());
            QVERIFY(v->Cal2000->hasFocus());
            QCOMPARE(v->LeerFecha(), D(15, 6, 2026));
        }
        QTest::keyClick(v->Cal2000, Qt::Key_Escape);
        QVERIFY(!v->isVisible());
        QCOMPARE(v->result(), int(QDialog::Rejected));
    }

    // With a list open, the first click on "&Aceptar" only applies the list;
    // the next one accepts.
    void aceptarConListaAbierta() {
        auto v = Abrir(D(15, 6, 2026));
        QVERIFY(v);
        QTest::mouseClick(v->BtnMes, Qt::LeftButton);
        QTest::keyClick(v->lbMeses, Qt::Key_Up);
        QTest::mouseClick(v->BtnAceptar, Qt::LeftButton);
        QCOMPARE(v->LeerFecha(), D(15, 5, 2026));
        QVERIFY(v->isVisible());
        QVERIFY(v->lbMeses->isHidden());
        QTest::qWait(20);
        QTest::mouseClick(v->BtnAceptar, Qt::LeftButton);
        QVERIFY(!v->isVisible());
        QCOMPARE(v->result(), int(QDialog::Accepted));
    }

    // Leaving a list for the calendar applies the highlighted row.
    void salirDeLaLista() {
        auto v = Abrir(D(10, 3, 2026));
        QVERIFY(v);
        QTest::mouseClick(v->BtnAnio, Qt::LeftButton);
        QCOMPARE(v->lbAnios->currentRow(), 126);
        QTest::keyClick(v->lbAnios, Qt::Key_Up);
        QTest::keyClick(v->lbAnios, Qt::Key_Up);
        v->Cal2000->setFocus(Qt::MouseFocusReason);
        QVERIFY(v->lbAnios->isHidden());
        QVERIFY(!v->BtnAnio->isChecked());
        QCOMPARE(v->LeerFecha(), D(10, 3, 2024));
        QVERIFY(v->Cal2000->hasFocus());
        // A click on a day while the list is open applies the list first;
        // the day is then the one under the pointer in the new month.
        QTest::mouseClick(v->BtnMes, Qt::LeftButton);
        QTest::keyClick(v->lbMeses, Qt::Key_Down);
        ClickEnDia(*v, 1);
        QVERIFY(v->lbMeses->isHidden());
        QCOMPARE(v->LeerFecha().month(), 4);
    }

    // The year list walks year by year: 29 February stays 28 once clamped.
    // A year the list lacks leaves no row selected, and leaving then changes
    // nothing.
    void listaDeAnios() {
        auto v = Abrir(D(29, 2, 2024));
        QVERIFY(v);
        QTest::mouseClick(v->BtnAnio, Qt::LeftButton);
        ClickEnFila(v->lbAnios, 100);
        QCOMPARE(v->LeerFecha(), D(28, 2, 2000));

        v->PonerFecha(D(5, 5, 2150));
        QTest::mouseClick(v->BtnAnio, Qt::LeftButton);
        QVERIFY(v->lbAnios->hasFocus());
        QCOMPARE(v->lbAnios->currentRow(), -1);
        v->Cal2000->setFocus(Qt::MouseFocusReason);
        QVERIFY(v->lbAnios->isHidden());
        QCOMPARE(v->LeerFecha(), D(5, 5, 2150));
    }

    // M and O open the month and year lists, one at a time; the key is
    // ignored while its list is open. The arrows close any open list.
    void teclasMyO() {
        auto v = Abrir(D(8, 12, 2026));
        QVERIFY(v);
        QTest::keyClick(v->Cal2000, Qt::Key_M);
        QVERIFY(v->lbMeses->isVisible());
        QVERIFY(v->BtnMes->isChecked());
        QTest::keyClick(v->lbMeses, Qt::Key_M);  // highlights Marzo or Mayo, keeps the list
        QVERIFY(v->lbMeses->isVisible());
        QTest::keyClick(v->lbMeses, Qt::Key_O);
        QVERIFY(v->lbMeses->isHidden());
        QVERIFY(!v->BtnMes->isChecked());
        QVERIFY(v->lbAnios->isVisible());
        QVERIFY(v->BtnAnio->isChecked());
        QCOMPARE(v->LeerFecha(), D(8, 12, 2026));
        QTest::mouseClick(v->BtnMesSig, Qt::LeftButton);
        QVERIFY(v->lbAnios->isHidden());
        QVERIFY(!v->BtnAnio->isChecked());
        QCOMPARE(v->LeerFecha(), D(8, 1, 2027));
    }

    // A double click on a day accepts; on the weekday row it does nothing.
    void dobleClic() {
        auto v = Abrir(D(8, 12, 2026));
        QVERIFY(v);
        const QRect cabecera = v->Cal2000->CellRect(2, 0);
        QCursor::setPos(v->Cal2000->viewport()->mapToGlobal(cabecera.center()));
        QTest::mouseDClick(v->Cal2000->viewport(), Qt::LeftButton, {}, cabecera.center());
        QVERIFY(v->isVisible());
        const DisposicionMes& d = v->Cal2000->Layout();
        const QRect dia = v->Cal2000->CellRect(d.ColumnaDe(17), d.FilaDe(17));
        QCursor::setPos(v->Cal2000->viewport()->mapToGlobal(dia.center()));
        QTest::mouseClick(v->Cal2000->viewport(), Qt::LeftButton, {}, dia.center());
        QTest::mouseDClick(v->Cal2000->viewport(), Qt::LeftButton, {}, dia.center());
        QCOMPARE(v->result(), int(QDialog::Accepted));
        QCOMPARE(v->LeerFecha(), D(17, 12, 2026));
    }

    void escapeCancela() {
        auto v = Abrir(D(8, 12, 2026));
        QVERIFY(v);
        QTest::keyClick(v->Cal2000, Qt::Key_Escape);
        QVERIFY(!v->isVisible());
        QCOMPARE(v->result(), int(QDialog::Rejected));
    }

    // Held down, the button clicks once after the first pause and then at
    // every repeat pause, hides its tooltip meanwhile, and clicks once more
    // on release.
    void repeticion() {
        QWidget w;
        auto* b = new tRepButton(&w);
        b->setGeometry(0, 0, 30, 30);
        b->setToolTip(QStringLiteral("Mes siguiente"));
        b->SetfRepeticion(true);
        b->SetInitRepeatPause(400);
        b->SetRepeatPause(20);
        int clics = 0;
        b->OnClick = [&clics] { ++clics; };
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(b->RepeatTimer()->isActive());
        QCOMPARE(b->RepeatTimer()->interval(), 400);
        QCOMPARE(b->toolTip(), QString());
        QTest::qWait(100);
        QCOMPARE(clics, 0);
        QTRY_VERIFY(clics >= 3);
        QCOMPARE(b->RepeatTimer()->interval(), 20);
        const int antes = clics;
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clics, antes + 1);
        QVERIFY(!b->RepeatTimer()->isActive());
        QCOMPARE(b->toolTip(), QStringLiteral("Mes siguiente"));

        // Without repeating, holding gives the one ordinary click.
        b->SetfRepeticion(false);
        clics = 0;
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::qWait(300);
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clics, 1);
    }

    // A repeated click that fails stops the repeating, reaches the error
    // report once, and its release clicks no more.
    void repeticionConError() {
        RegistroDialogos registro;
        QWidget w;
        auto* b = new tRepButton(&w);
        b->setGeometry(0, 0, 30, 30);
        b->SetfRepeticion(true);
        b->SetInitRepeatPause(20);
        b->SetRepeatPause(20);
        int clics = 0;
        b->OnClick = [&clics] {
            ++clics;
            throw EConvertError("La fecha está fuera de los años 1 a 9999");
        };
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10));
        QTRY_COMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].titulo, QStringLiteral("Error"));
        QCOMPARE(registro.Mostrados()[0].mensaje, QStringLiteral("La fecha está fuera de los años 1 a 9999"));
        QVERIFY(!b->RepeatTimer()->isActive());
        QVERIFY(!b->isDown());
        QTest::qWait(60);
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clics, 1);
        QCOMPARE(registro.Mostrados().size(), 1);
    }
};

ZZ_TEST_MAIN(TestCalendarioVentana)
#include "test_calendario_ventana.moc"
