// Every box of an amount or a percentage, on the calculation pages and in
// the loan conditions, shows the largest amount it takes whole: nothing cut
// on the left, the box not scrolled.
#include "prueba_comun.h"

#include "app/dialogo_condiciones.h"
#include "app/form_calculos_financieros.h"

#include <QLineEdit>

namespace {

const QString kMayorImporte = QStringLiteral("1.000.000.000.000.000,00");

// The boxes with decimals (tag 1) inside a window.
QList<QLineEdit*> CamposDeImporte(QWidget* ventana) {
    QList<QLineEdit*> campos;
    for (QLineEdit* campo : ventana->findChildren<QLineEdit*>()) {
        if (campo->property("tag").toInt() == 1)
            campos << campo;
    }
    return campos;
}

// With the caret at the end of the text, the first character is still at
// the box's left edge.
void ComprobarEntero(QLineEdit* campo) {
    campo->setText(kMayorImporte);
    campo->end(false);
    campo->grab();  // the box works out its scrolling when it paints
    const QPoint inicio(campo->contentsRect().left() + 4, campo->height() / 2);
    QVERIFY2(campo->cursorPositionAt(inicio) == 0, qPrintable(campo->objectName()));
}

}  // namespace

class TestAnchosCampos : public QObject {
    Q_OBJECT
private slots:
    void paginasDeCalculo() {
        TFormCalculosFinancieros ventana;
        ventana.show();
        const QList<QLineEdit*> campos = CamposDeImporte(&ventana);
        QVERIFY(campos.size() >= 8);
        for (QLineEdit* campo : campos)
            ComprobarEntero(campo);
    }

    void condicionesDelPrestamo() {
        TDialogoCondiciones dialogo;
        dialogo.show();
        const QList<QLineEdit*> campos = CamposDeImporte(&dialogo);
        QCOMPARE(campos.size(), 9);
        for (QLineEdit* campo : campos)
            ComprobarEntero(campo);
    }
};

ZZ_TEST_MAIN(TestAnchosCampos)
#include "test_anchos_campos.moc"
