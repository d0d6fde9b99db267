#include "prueba_comun.h"
#include "registro_dialogos.h"

#include "app/form_calculos_financieros.h"
#include "ui/panel_resultado.h"
#include "widgets/info_calculadora.h"
#include "widgets/boton_calculadora.h"
#include "widgets/form_calculadora.h"
#include "util/ajustes_regionales.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QToolButton>
#include <memory>

namespace {

// A window with one edit box and its calculator button.
struct Campo {
    QWidget ventana;
    QLineEdit* edit = nullptr;
    tBotonCalculadora* boton = nullptr;

    explicit Campo(const QString& texto = QString()) {
        ventana.resize(200, 60);
        edit = new QLineEdit(texto, &ventana);
        edit->setGeometry(10, 10, 100, 21);
        boton = new tBotonCalculadora(&ventana);
        boton->FijarEditComp(edit);
        ventana.show();
        if (!QTest::qWaitForWindowExposed(&ventana))
            qWarning("la ventana no se mostró");
    }
};

TFmCalculadora& Calculadora(QDialog& d) {
    auto* c = qobject_cast<TFmCalculadora*>(&d);
    if (!c)
        qFatal("el diálogo no es la calculadora");
    return *c;
}

// Presses the buttons named in the list, separated by blanks, with the mouse.
void Pulsar(TFmCalculadora& c, const QString& botones) {
    for (const QString& nombre : botones.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        auto* tecla = c.findChild<QAbstractButton*>(nombre);
        QVERIFY2(tecla, qPrintable(nombre));
        QTest::mouseClick(tecla, Qt::LeftButton);
    }
}

QString NombreAccesible(QWidget* w) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Name) : QString();
}

}  // namespace

class TestFormCalculadora : public QObject {
    Q_OBJECT
private slots:
    // The calculator opens on the number in the box; a text that is not a
    // number gives its message and an empty calculator, an empty box none.
    void abreConElNumeroDelCampo_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("número") << "1234,5" << "1234,5" << "";
        QTest::newRow("con blancos") << " -7 " << "-7" << "";
        QTest::newRow("vacío") << "" << "" << "";
        QTest::newRow("cero") << "0" << "" << "";
        QTest::newRow("letras") << "12abc" << "" << "El número \"12abc\" no es correcto";
        QTest::newRow("agrupado") << "1.000,00 €" << "1000" << "";
        QTest::newRow("mal agrupado") << "1.00,0" << "" << "El número \"1.00,0\" no es correcto";
    }
    void abreConElNumeroDelCampo() {
        QFETCH(QString, texto);
        QFETCH(QString, display);
        QFETCH(QString, mensaje);
        Campo campo(texto);
        RegistroDialogos registro;
        if (!mensaje.isEmpty())
            registro.Responder(false);
        QString visto;
        bool enviarActivo = true;
        registro.ResponderCon([&](QDialog& d) {
            visto = Calculadora(d).PnlDisplay->text();
            enviarActivo = Calculadora(d).BtnEnviar->isEnabled();
        });
        QTest::mouseClick(campo.boton, Qt::LeftButton);

        QCOMPARE(registro.Mostrados().size(), mensaje.isEmpty() ? 1 : 2);
        if (!mensaje.isEmpty()) {
            QCOMPARE(registro.Mostrados()[0].mensaje, mensaje);
            QCOMPARE(registro.Mostrados()[0].titulo, QStringLiteral("Error"));
            QCOMPARE(registro.Mostrados()[0].tipo, 0);
        }
        QCOMPARE(registro.Mostrados().last().titulo, QStringLiteral("Calculadora"));
        QCOMPARE(visto, display);
        QCOMPARE(enviarActivo, !display.isEmpty());  // an empty display is never sent
        QCOMPARE(campo.edit->text(), texto);          // closed without sending
    }

    // "&Enviar" writes the calculator's number text; "&Cancelar" and Escape
    // leave the box alone.
    void enviarEscribeElResultado_data() {
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("cierre");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("dos tercios") << "2" << "/3=" << "BtnEnviar" << "0,666666666666667";
        QTest::newRow("tras un texto erróneo") << "12abc" << "5" << "BtnEnviar" << "5";
        QTest::newRow("sin agrupar") << "1000" << "*1000=" << "BtnEnviar" << "1000000";
        QTest::newRow("operador pendiente") << "1" << "/3=*" << "BtnEnviar" << "1";  // nothing to send
        QTest::newRow("cancelar") << "100" << "+1=" << "BtnCancelar" << "100";
        QTest::newRow("escape") << "100" << "+1=" << "Escape" << "100";
    }
    void enviarEscribeElResultado() {
        QFETCH(QString, inicial);
        QFETCH(QString, teclas);
        QFETCH(QString, cierre);
        QFETCH(QString, esperado);
        Campo campo(inicial);
        RegistroDialogos registro;
        if (inicial == QLatin1String("12abc"))
            registro.Responder(false);
        registro.ResponderCon([&](QDialog& d) {
            TFmCalculadora& c = Calculadora(d);
            QTest::keyClicks(&c, teclas);
            if (cierre == QLatin1String("Escape"))
                QTest::keyClick(&c, Qt::Key_Escape);
            else
                Pulsar(c, cierre);
        });
        QTest::mouseClick(campo.boton, Qt::LeftButton);
        QCOMPARE(campo.edit->text(), esperado);
    }

    // Enter means equals: the calculator stays open with the result.
    void enterCalculaYNoEnvia() {
        Campo campo(QStringLiteral("2"));
        RegistroDialogos registro;
        bool abierta = false;
        QString display;
        registro.ResponderCon([&](QDialog& d) {
            TFmCalculadora& c = Calculadora(d);
            QTest::keyClicks(&c, QStringLiteral("+3"));
            QTest::keyClick(&c, Qt::Key_Return);
            abierta = c.isVisible() && c.result() != QDialog::Accepted;
            display = c.PnlDisplay->text();
        });
        QTest::mouseClick(campo.boton, Qt::LeftButton);
        QVERIFY(abierta);
        QCOMPARE(display, QStringLiteral("5"));
        QCOMPARE(campo.edit->text(), QStringLiteral("2"));
    }

    // F4 and Alt+Down in the box open its calculator, as they open a
    // drop-down; other keys and a box that cannot be written do not.
    void teclaAbreLaCalculadora_data() {
        QTest::addColumn<int>("tecla");
        QTest::addColumn<int>("modificadores");
        QTest::addColumn<bool>("soloLectura");
        QTest::addColumn<bool>("abre");
        QTest::newRow("F4") << int(Qt::Key_F4) << int(Qt::NoModifier) << false << true;
        QTest::newRow("Alt+Abajo") << int(Qt::Key_Down) << int(Qt::AltModifier) << false << true;
        QTest::newRow("Abajo solo") << int(Qt::Key_Down) << int(Qt::NoModifier) << false << false;
        QTest::newRow("Ctrl+F4") << int(Qt::Key_F4) << int(Qt::ControlModifier) << false << false;
        QTest::newRow("caja de solo lectura") << int(Qt::Key_F4) << int(Qt::NoModifier) << true << false;
    }
    void teclaAbreLaCalculadora() {
        QFETCH(int, tecla);
        QFETCH(int, modificadores);
        QFETCH(bool, soloLectura);
        QFETCH(bool, abre);
        Campo campo(QStringLiteral("12"));
        campo.edit->setReadOnly(soloLectura);
        RegistroDialogos registro;
        registro.Responder(false);
        campo.edit->setFocus();
        QTest::keyClick(campo.edit, Qt::Key(tecla), Qt::KeyboardModifiers(modificadores));
        QCOMPARE(registro.Mostrados().size(), abre ? 1 : 0);
        if (abre)
            QCOMPARE(registro.Mostrados()[0].titulo, QStringLiteral("Calculadora"));
    }

    // Ctrl+V takes a number from the clipboard as a finished number (the
    // next digit starts a new one); a text that is no number is refused with
    // a message and leaves the display alone. Ctrl+C copies the display.
    void portapapeles_data() {
        QTest::addColumn<QString>("antes");   // keys typed before pasting
        QTest::addColumn<QString>("pegado");
        QTest::addColumn<QString>("despues");  // keys typed after pasting
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("mensaje");  // empty: accepted
        QTest::newRow("número") << "" << "1234,5" << "" << "1234,5" << "";
        QTest::newRow("agrupado con euro") << "" << " 1.000,50 € " << "" << "1000,5" << "";
        QTest::newRow("negativo") << "" << "-2,5" << "" << "-2,5" << "";
        QTest::newRow("como segundo operando") << "5+" << "3" << "=" << "8" << "";
        QTest::newRow("la cifra siguiente empieza otro número") << "" << "12" << "7" << "7" << "";
        QTest::newRow("letras") << "42" << "doce" << "" << "42" << "\"doce\" no es un número válido";
        QTest::newRow("vacío") << "42" << "" << "" << "42" << "\"\" no es un número válido";
    }
    void portapapeles() {
        QFETCH(QString, antes);
        QFETCH(QString, pegado);
        QFETCH(QString, despues);
        QFETCH(QString, display);
        QFETCH(QString, mensaje);
        RegistroDialogos registro;
        if (!mensaje.isEmpty())
            registro.Responder(true);
        TFmCalculadora c;
        QTest::keyClicks(&c, antes);
        QGuiApplication::clipboard()->setText(pegado);
        QTest::keyClick(&c, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(&c, despues);
        QCOMPARE(c.PnlDisplay->text(), display);
        QCOMPARE(registro.Mostrados().size(), mensaje.isEmpty() ? 0 : 1);
        if (!mensaje.isEmpty()) {
            QCOMPARE(registro.Mostrados()[0].mensaje, mensaje);
            QCOMPARE(registro.Mostrados()[0].titulo, QStringLiteral("Error"));
        }
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(&c, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), display);
    }

    // Typed keys as a person types them, through the window.
    void teclado_data() {
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QStringList>("paneles");  // display, operand 1, operation, operand 2, new operation
        QTest::newRow("encadenado") << "5+3+" << QStringList{"8", "5", "+", "3", "+"};
        QTest::newRow("operador cambiado") << "5+-3=" << QStringList{"2", "5", "–", "3", ""};
        QTest::newRow("sin precedencia") << "2+3*4\r" << QStringList{"20", "5", "x", "4", ""};
        QTest::newRow("porcentaje") << "200%15=" << QStringList{"30", "200", "%", "15", ""};
        QTest::newRow("la coma es el separador") << "1,5+1=" << QStringList{"2,5", "1,5", "+", "1", ""};
        QTest::newRow("punto y signo") << "12. " << QStringList{"-12", "", "", "", ""};
        QTest::newRow("retroceso") << "-5 \b" << QStringList{"", "", "", "", ""};
        QTest::newRow("letras ignoradas") << "4a/b2=" << QStringList{"2", "4", "/", "2", ""};
    }
    void teclado() {
        QFETCH(QString, teclas);
        QFETCH(QStringList, paneles);
        TFmCalculadora c;
        QTest::keyClicks(&c, teclas);
        QCOMPARE((QStringList{c.PnlDisplay->text(), c.PnlOperando1->text(), c.PnlOperacion->text(),
                              c.PnlOperando2->text(), c.PnlOperacionNueva->text()}),
                 paneles);
    }

    // The decimal key of the keypad types the separator whatever it writes;
    // the main keyboard's comma does where the separator is a comma.
    void teclaDecimal_data() {
        QTest::addColumn<bool>("espanol");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("numerico");
        QTest::addColumn<QString>("display");
        QTest::newRow("coma") << true << int(Qt::Key_Comma) << "," << false << "5,5";
        QTest::newRow("punto") << true << int(Qt::Key_Period) << "." << false << "5,5";
        QTest::newRow("teclado numérico que escribe coma") << true << int(Qt::Key_Comma) << "," << true << "5,5";
        QTest::newRow("teclado numérico que escribe punto") << true << int(Qt::Key_Period) << "." << true << "5,5";
        QTest::newRow("coma en inglés") << false << int(Qt::Key_Comma) << "," << false << "55";
        QTest::newRow("teclado numérico en inglés") << false << int(Qt::Key_Comma) << "," << true << "5.5";
    }
    void teclaDecimal() {
        QFETCH(bool, espanol);
        QFETCH(int, tecla);
        QFETCH(QString, texto);
        QFETCH(bool, numerico);
        QFETCH(QString, display);
        if (!espanol)
            LeerAjustesRegionales(QLocale(QLocale::English, QLocale::UnitedStates));
        TFmCalculadora c;
        const Qt::KeyboardModifiers modificador = numerico ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(&c, Qt::Key_5, modificador);
        QTest::sendKeyEvent(QTest::Click, &c, Qt::Key(tecla), texto, modificador);
        QTest::keyClick(&c, Qt::Key_5, modificador);
        const QString visto = c.PnlDisplay->text();
        LeerAjustesRegionales(QLocale());
        QCOMPARE(visto, display);
    }

    // Every key reaches its own operation.
    void botones_data() {
        QTest::addColumn<QString>("botones");
        QTest::addColumn<QStringList>("paneles");  // display, operand 1, operation, memory, constant
        QTest::newRow("dígitos y punto")
            << "BtnNum7 BtnNum8 BtnPunto BtnNum5 BtnNum1 BtnNum2 BtnNum3 BtnNum4 BtnNum6 BtnNum9 BtnNum0"
            << QStringList{"78,51234690", "", "", "", ""};
        QTest::newRow("dividir") << "BtnNum9 BtnDividir BtnNum2 BtnIgual" << QStringList{"4,5", "9", "/", "", ""};
        QTest::newRow("restar") << "BtnNum5 BtnRestar BtnNum8 BtnIgual" << QStringList{"-3", "5", "–", "", ""};
        QTest::newRow("multiplicar") << "BtnNum3 BtnMultiplicar BtnNum4 BtnIgual"
                                     << QStringList{"12", "3", "x", "", ""};
        QTest::newRow("sumar") << "BtnNum3 BtnSumar BtnNum4 BtnIgual" << QStringList{"7", "3", "+", "", ""};
        QTest::newRow("porcentaje") << "BtnNum5 BtnNum0 BtnPorcentaje BtnNum4 BtnIgual"
                                    << QStringList{"2", "50", "%", "", ""};
        QTest::newRow("inverso") << "BtnNum4 BtnInverso" << QStringList{"0,25", "4", "1/x", "", ""};
        QTest::newRow("raíz") << "BtnNum9 BtnRaizCuadrada" << QStringList{"3", "9", "V¯", "", ""};
        QTest::newRow("signo") << "BtnNum5 BtnSigno" << QStringList{"-5", "", "", "", ""};
        QTest::newRow("retroceso") << "BtnNum1 BtnNum2 BtnRetroceso" << QStringList{"1", "", "", "", ""};
        QTest::newRow("CL") << "BtnNum1 BtnSumar BtnNum2 BtnBorrar" << QStringList{"", "1", "+", "", ""};
        QTest::newRow("CA") << "BtnNum1 BtnSumar BtnNum2 BtnBorrarTodo" << QStringList{"", "", "", "", ""};
        QTest::newRow("MS y MR") << "BtnNum6 BtnMS BtnBorrarTodo BtnMR" << QStringList{"6", "", "", "M", ""};
        QTest::newRow("MC") << "BtnNum6 BtnMSumar BtnMC" << QStringList{"6", "", "", "", ""};
        QTest::newRow("M+") << "BtnNum6 BtnMSumar BtnMSumar BtnMR" << QStringList{"12", "", "", "M", ""};
        QTest::newRow("M–") << "BtnNum6 BtnMS BtnNum3 BtnMRestar BtnMR" << QStringList{"3", "", "", "M", ""};
        QTest::newRow("Mx") << "BtnNum6 BtnMS BtnNum3 BtnMMultiplicar BtnMR"
                            << QStringList{"18", "", "", "M", ""};
        QTest::newRow("M/") << "BtnNum6 BtnMS BtnNum3 BtnMDividir BtnMR" << QStringList{"0,5", "", "", "M", ""};
        QTest::newRow("KS y KR") << "BtnNum2 BtnKS BtnBorrarTodo BtnKR" << QStringList{"2", "", "", "", "K"};
        QTest::newRow("KC") << "BtnNum2 BtnKS BtnKC BtnNum5 BtnKSumar" << QStringList{"5", "", "", "", ""};
        QTest::newRow("K+") << "BtnNum2 BtnKS BtnNum5 BtnKSumar" << QStringList{"7", "", "", "", "K"};
        QTest::newRow("K–") << "BtnNum2 BtnKS BtnNum5 BtnKRestar" << QStringList{"3", "", "", "", "K"};
        QTest::newRow("Kx") << "BtnNum2 BtnKS BtnNum5 BtnKMultiplicar" << QStringList{"10", "", "", "", "K"};
        QTest::newRow("K/") << "BtnNum2 BtnKS BtnNum5 BtnKDividir" << QStringList{"2,5", "", "", "", "K"};
    }
    void botones() {
        QFETCH(QString, botones);
        QFETCH(QStringList, paneles);
        TFmCalculadora c;
        c.show();
        Pulsar(c, botones);
        QCOMPARE((QStringList{c.PnlDisplay->text(), c.PnlOperando1->text(), c.PnlOperacion->text(),
                              c.PnlMemoria->text(), c.PnlConstante->text()}),
                 paneles);
    }

    // The memory panel's hint shows its value; emptied, it says so.
    void pistaDeLaMemoria() {
        TFmCalculadora c;
        c.show();
        Pulsar(c, QStringLiteral("BtnNum1 BtnPunto BtnNum5 BtnMS"));
        QCOMPARE(c.PnlMemoria->toolTip(), QStringLiteral("1,5"));
        QCOMPARE(c.PnlMemoria->statusTip(), QStringLiteral("El valor de la memoria es 1,5"));
        Pulsar(c, QStringLiteral("BtnMC"));
        QCOMPARE(c.PnlMemoria->toolTip(), QStringLiteral("Vacía"));
    }

    // The display holds its 23 characters, and the operand panels the widest
    // result, without clipping.
    void caben23Caracteres() {
        TFmCalculadora c;
        c.show();
        QTest::keyClicks(&c, QStringLiteral("888888888888888888888888"));  // the 24th is refused
        QCOMPARE(c.PnlDisplay->text().size(), 23);
        const QString ancho = QStringLiteral("-1,79769313486231E-308");
        for (TPanelResultado* panel : {c.PnlDisplay, c.PnlOperando1, c.PnlOperando2}) {
            const QString texto = panel == c.PnlDisplay ? panel->text() : ancho;
            const int sitio = panel->contentsRect().width() - 2 * panel->margin();
            QVERIFY2(panel->fontMetrics().horizontalAdvance(texto) <= sitio, qPrintable(panel->objectName()));
        }
    }

    // With currency data the conversion keys carry the symbols and convert.
    void conversionDeMoneda() {
        InfoCalculadora = {QStringLiteral("euros"), QStringLiteral("dólares"), QStringLiteral("€"),
                           QStringLiteral("$"), 1.1};
        TFmCalculadora c;
        ReiniciarInfoCalculadora();
        c.show();
        QCOMPARE(c.BtnConvMonedaPropia->text(), QStringLiteral("€"));
        QCOMPARE(c.BtnConvMonedaDivisa->toolTip(), QStringLiteral("Convertir a dólares"));
        QVERIFY(c.BtnConvMonedaPropia->isEnabled() && c.BtnConvMonedaDivisa->isEnabled());
        Pulsar(c, QStringLiteral("BtnNum1 BtnNum0 BtnNum0 BtnConvMonedaDivisa"));
        QCOMPARE((QStringList{c.PnlDisplay->text(), c.PnlOperando1->text(), c.PnlOperacion->text(),
                              c.PnlOperacionNueva->text()}),
                 (QStringList{"110", "100", "€", "$"}));
        Pulsar(c, QStringLiteral("BtnConvMonedaPropia"));
        QCOMPARE(c.PnlDisplay->text(), QStringLiteral("100"));

        TFmCalculadora sinDatos;
        QVERIFY(sinDatos.BtnConvMonedaPropia->text().isEmpty() && !sinDatos.BtnConvMonedaPropia->isEnabled());
    }

    // Failures reach the error report; the calculator stays usable and its
    // display keeps what it showed (or is cleared, for a division by zero).
    void fallos_data() {
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("display");
        QTest::addColumn<bool>("enviar");
        QTest::newRow("división por cero") << "5/0=" << "" << "División por cero" << "" << false;
        QTest::newRow("inverso de cero") << "0" << "BtnInverso" << "División por cero" << "" << false;
        QTest::newRow("raíz de negativo") << "4 " << "BtnRaizCuadrada" << "raíz cuadrada" << "-4" << true;
        QTest::newRow("separador solo") << "5\b." << "BtnSumar" << "," << "," << false;
    }
    void fallos() {
        QFETCH(QString, teclas);
        QFETCH(QString, boton);
        QFETCH(QString, mensaje);
        QFETCH(QString, display);
        QFETCH(bool, enviar);
        RegistroDialogos registro;
        TFmCalculadora c;
        c.FijarPuedeEnviar(true);
        c.show();
        QTest::keyClicks(&c, teclas);
        Pulsar(c, boton);
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].titulo, QStringLiteral("Error"));
        QCOMPARE(registro.Mostrados()[0].tipo, 0);
        QVERIFY2(registro.Mostrados()[0].mensaje.contains(mensaje), qPrintable(registro.Mostrados()[0].mensaje));
        QCOMPARE(c.PnlDisplay->text(), display);
        QCOMPARE(c.BtnEnviar->isEnabled(), enviar);  // neither an empty nor an unreadable display is sent
        QVERIFY(c.isVisible());
        QTest::keyClicks(&c, QStringLiteral("\b\b7*6="));
        QCOMPARE(c.PnlDisplay->text(), QStringLiteral("42"));
    }

    // The button is usable exactly while its box can be written, and a button
    // that is not usable opens nothing.
    void botonSigueAlCampo_data() {
        QTest::addColumn<bool>("soloLectura");
        QTest::addColumn<bool>("activo");
        QTest::addColumn<bool>("usable");
        QTest::newRow("editable") << false << true << true;
        QTest::newRow("solo lectura") << true << true << false;
        QTest::newRow("desactivado") << false << false << false;
        QTest::newRow("incógnita") << true << false << false;
    }
    void botonSigueAlCampo() {
        QFETCH(bool, soloLectura);
        QFETCH(bool, activo);
        QFETCH(bool, usable);
        Campo campo(QStringLiteral("5"));
        campo.edit->setReadOnly(soloLectura);
        campo.edit->setEnabled(activo);
        campo.boton->repaint();
        QCOMPARE(campo.boton->isEnabled(), usable);
        RegistroDialogos registro;
        campo.boton->Click();
        QCOMPARE(registro.Mostrados().size(), usable ? 1 : 0);

        campo.edit->setReadOnly(false);
        campo.edit->setEnabled(true);
        QVERIFY(campo.boton->isEnabled());
    }

    // The button sits at the box's right and follows it.
    void colocacionJuntoAlCampo() {
        Campo campo;
        QCOMPARE(campo.boton->geometry(), QRect(112, 10, 24, 21));
        campo.edit->setGeometry(20, 30, 80, 26);
        QCOMPARE(campo.boton->geometry(), QRect(102, 30, 26, 26));
    }

    // Where the calculator opens against the screen's edges.
    void posicionVentana_data() {
        QTest::addColumn<QPoint>("boton");
        QTest::addColumn<QRect>("pantalla");
        QTest::addColumn<QPoint>("esperada");
        const QRect p(0, 0, 1024, 768);
        QTest::newRow("cabe") << QPoint(100, 100) << p << QPoint(100, 100);
        QTest::newRow("justo en el borde") << QPoint(684, 498) << p << QPoint(684, 498);
        QTest::newRow("borde derecho, debajo") << QPoint(900, 100) << p << QPoint(684, 124);
        QTest::newRow("borde derecho, encima") << QPoint(900, 600) << p << QPoint(684, 330);
        QTest::newRow("borde derecho, encima sin sitio") << QPoint(900, 200) << QRect(0, 0, 1024, 400)
                                                          << QPoint(684, 0);
        QTest::newRow("borde inferior") << QPoint(100, 600) << p << QPoint(100, 354);
        QTest::newRow("borde inferior sin sitio") << QPoint(100, 100) << QRect(0, 0, 1024, 200) << QPoint(100, 0);
        QTest::newRow("segunda pantalla") << QPoint(1900, 100) << QRect(1024, 0, 1024, 768) << QPoint(1708, 124);
    }
    void posicionVentana() {
        QFETCH(QPoint, boton);
        QFETCH(QRect, pantalla);
        QFETCH(QPoint, esperada);
        QCOMPARE(tBotonCalculadora::PosicionVentana(boton, 24, QSize(340, 270), pantalla), esperada);
    }

    // Opened from a button in the bottom right corner of the screen, the
    // calculator stands flush with the right edge, above the button.
    void abreDentroDeLaPantalla() {
        Campo campo(QStringLiteral("1"));
        const QRect area = campo.ventana.screen()->availableGeometry();
        campo.ventana.move(area.right() - 150, area.bottom() - 50);
        QTRY_COMPARE(campo.ventana.pos(), QPoint(area.right() - 150, area.bottom() - 50));
        RegistroDialogos registro;
        QRect marco;
        registro.ResponderCon([&](QDialog& d) { marco = d.frameGeometry(); });
        QTest::mouseClick(campo.boton, Qt::LeftButton);
        QCOMPARE(marco.right(), area.right());
        QCOMPARE(marco.bottom(), campo.boton->mapToGlobal(QPoint(0, 0)).y() - 1);
    }

    // Without an edit box the calculator opens centred, with its own caption,
    // and can never send.
    void botonSinCampo() {
        tBotonCalculadora boton;
        boton.Titulo = QStringLiteral("Cálculos");
        RegistroDialogos registro;
        bool enviar = true;
        QPoint centro;
        registro.ResponderCon([&](QDialog& d) {
            QTest::keyClicks(&d, QStringLiteral("5"));
            enviar = Calculadora(d).BtnEnviar->isEnabled();
            centro = d.frameGeometry().center();
        });
        boton.Click();
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].titulo, QStringLiteral("Cálculos"));
        QVERIFY(!enviar);
        QVERIFY((centro - boton.screen()->availableGeometry().center()).manhattanLength() <= 2);
    }

    // Screen readers can tell every key and panel apart.
    void nombresAccesibles() {
        TFmCalculadora c;
        c.show();
        QSet<QString> nombres;
        const auto controles = c.findChildren<QWidget*>();
        int vistos = 0;
        for (QWidget* w : controles) {
            if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<TPanelResultado*>(w))
                continue;
            ++vistos;
            const QString nombre = NombreAccesible(w);
            QVERIFY2(!nombre.isEmpty(), qPrintable(w->objectName()));
            QVERIFY2(!nombres.contains(nombre), qPrintable(nombre));
            nombres << nombre;
        }
        QCOMPARE(vistos, 48);  // 41 buttons and 7 panels: none was skipped
        Campo campo;
        QCOMPARE(NombreAccesible(campo.boton), QStringLiteral("Abrir la calculadora"));
    }

    // Every numeric box of the main window has its own calculator button at
    // its right; the unknown's button is disabled with its box.
    void botonesDeLaVentanaPrincipal() {
        TFormCalculosFinancieros v;
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QHash<QLineEdit*, tBotonCalculadora*> botones;
        for (tBotonCalculadora* b : v.findChildren<tBotonCalculadora*>())
            botones.insert(b->EditComp(), b);
        const QList<QLineEdit*> numericos = {v.EditPresCuota,       v.EditPresInteres,  v.EditPresNum,
                                             v.EditPresCapital,     v.EditInvCuota,     v.EditInvInteres,
                                             v.EditInvNum,          v.EditInvCapital,   v.EditInvCapInicial,
                                             v.EditDepValorInicial, v.EditDepValorFinal, v.EditDepAniosUtil,
                                             v.EditDepAniosCalculo};
        for (QLineEdit* edit : numericos) {
            QVERIFY2(botones.contains(edit), qPrintable(edit->objectName()));
            QCOMPARE(botones[edit]->parentWidget(), edit->parentWidget());
        }
        QCOMPARE(botones.size(), numericos.size());  // none for the date boxes
        QCOMPARE(v.BtnPresCuota, botones[v.EditPresCuota]);
        QCOMPARE(v.BtnInvCapInicial, botones[v.EditInvCapInicial]);
        QCOMPARE(botones[v.EditPresCuota]->geometry(),
                 tBotonCalculadora::RectanguloJuntoA(v.EditPresCuota->geometry()));
        QCOMPARE(botones[v.EditPresNum]->accessibleDescription(),
                 QStringLiteral("Abrir la calculadora para Nº Cuotas"));
        QVERIFY(!botones[v.EditPresCuota]->isEnabled());
        QVERIFY(botones[v.EditPresInteres]->isEnabled());
    }
};

ZZ_TEST_MAIN(TestFormCalculadora)
#include "test_form_calculadora.moc"
