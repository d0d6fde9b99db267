#include "prueba_comun.h"

#include "util/ajustes_regionales.h"
#include "util/texto_calculadora.h"
#include "widgets/calculadora_motor.h"

#include <QRandomGenerator>
#include <cmath>
#include <limits>

namespace {

// Keys as a person presses them. A plain character is a typed key, passed to
// PulsarTecla: digits, "." and "," (the separator keys), + - * / %, "=", "\r"
// (Enter), "\b" (Backspace) and " " (space bar: sign change). A name in
// brackets is a button: [±] [CL] [CA] [1/x] [V] (square root), [MS] [MR]
// [MC] [M+] [M-] [Mx] [M/], the same with K, [>P] (to own currency) and [>D]
// (to foreign currency). A number in braces, {1E300}, is put in the display
// by MostrarValor, as the calculator button does when it opens.
TResultadoCalculo Pulsar(TMotorCalculadora& m, const QString& boton) {
    using Op = TOperacion;
    if (boton == u"±") return m.CambiarSigno();
    else if (boton == u"CL") return m.Borrar();
    else if (boton == u"CA") return m.BorrarTodo();
    else if (boton == u"1/x") return m.Inverso();
    else if (boton == u"V") return m.RaizCuadrada();
    else if (boton == u"MS") return m.GuardarMemoria();
    else if (boton == u"MR") return m.RecuperarMemoria();
    else if (boton == u"MC") return m.BorrarMemoria();
    else if (boton == u"M+") return m.OperarMemoria(Op::Sumar);
    else if (boton == u"M-") return m.OperarMemoria(Op::Restar);
    else if (boton == u"Mx") return m.OperarMemoria(Op::Multiplicar);
    else if (boton == u"M/") return m.OperarMemoria(Op::Dividir);
    else if (boton == u"KS") return m.GuardarConstante();
    else if (boton == u"KR") return m.RecuperarConstante();
    else if (boton == u"KC") return m.BorrarConstante();
    else if (boton == u"K+") return m.OperarConstante(Op::Sumar);
    else if (boton == u"K-") return m.OperarConstante(Op::Restar);
    else if (boton == u"Kx") return m.OperarConstante(Op::Multiplicar);
    else if (boton == u"K/") return m.OperarConstante(Op::Dividir);
    else if (boton == u">P") return m.ConvertirMoneda(TConversion::AMonedaPropia);
    else if (boton == u">D") return m.ConvertirMoneda(TConversion::ADivisa);
    else qFatal("botón desconocido en la prueba: %s", qPrintable(boton));
}

// Splits a key sequence into single keys: "[MS]", "{1E300}" or one character.
QStringList Teclas(const QString& secuencia) {
    QStringList teclas;
    for (qsizetype i = 0; i < secuencia.size();) {
        const QChar c = secuencia[i];
        const qsizetype fin = c == u'[' ? secuencia.indexOf(u']', i) : c == u'{' ? secuencia.indexOf(u'}', i) : i;
        teclas << secuencia.mid(i, fin - i + 1);
        i = fin + 1;
    }
    return teclas;
}

// Presses the keys and gives back the refused ones' results, in order.
QList<TResultadoCalculo> Teclear(TMotorCalculadora& m, const QString& secuencia) {
    QList<TResultadoCalculo> rechazos;
    for (const QString& tecla : Teclas(secuencia)) {
        TResultadoCalculo r;
        if (tecla.startsWith(u'['))
            r = Pulsar(m, tecla.mid(1, tecla.size() - 2));
        else if (tecla == u"{inf}")
            r = m.MostrarValor(std::numeric_limits<double>::infinity());
        else if (tecla.startsWith(u'{'))
            r = m.MostrarValor(tecla.mid(1, tecla.size() - 2).toDouble());
        else if (const auto tecleada = m.PulsarTecla(tecla[0]))
            r = *tecleada;
        else
            qFatal("tecla no atendida en la prueba: %s", qPrintable(tecla));
        if (!r.Hecho())
            rechazos << r;
    }
    return rechazos;
}

QString HintRegistro(const QString& valor, const QString& registro) {
    if (valor.isEmpty())
        return QStringLiteral("Vacía|La %1 no tiene valor asignado").arg(registro);
    return QStringLiteral("%1|El valor de la %2 es %1").arg(valor, registro);
}

// Everything the person sees, plus the registers and flags, to compare the
// calculator before and after a refused key.
QStringList Foto(const TMotorCalculadora& m) {
    const TPanelesCalculadora& p = m.Paneles();
    QStringList foto{p.PnlDisplay, p.PnlOperando1, p.PnlOperando2, p.PnlOperacion, p.PnlOperacionNueva,
                     p.PnlMemoria, p.PnlConstante, p.HintMemoria, p.HintConstante};
    for (double v : {m.Memoria(), m.Constante(), m.Operando1(), m.Operando2()})
        foto << QString::number(v, 'g', 17);
    foto << QString::number(int(m.Operacion())) << QString::number(m.NuevoNumero())
         << QString::number(m.LimpiarPaneles()) << QString::number(m.MostrarPendiente());
    return foto;
}

void ColumnasPaneles() {
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("operando1");
    QTest::addColumn<QString>("operando2");
    QTest::addColumn<QString>("operacion");
    QTest::addColumn<QString>("operacionNueva");
    QTest::addColumn<QString>("memoria");    // value text, empty when M is empty
    QTest::addColumn<QString>("constante");  // value text, empty when K is empty
}

void ComprobarPaneles(const TMotorCalculadora& m) {
    QFETCH(QString, display);
    QFETCH(QString, operando1);
    QFETCH(QString, operando2);
    QFETCH(QString, operacion);
    QFETCH(QString, operacionNueva);
    QFETCH(QString, memoria);
    QFETCH(QString, constante);
    const TPanelesCalculadora& p = m.Paneles();
    QCOMPARE(p.PnlDisplay, display);
    QCOMPARE(p.PnlOperando1, operando1);
    QCOMPARE(p.PnlOperando2, operando2);
    QCOMPARE(p.PnlOperacion, operacion);
    QCOMPARE(p.PnlOperacionNueva, operacionNueva);
    QCOMPARE(p.PnlMemoria, memoria.isEmpty() ? QString() : QStringLiteral("M"));
    QCOMPARE(p.HintMemoria, HintRegistro(memoria, QStringLiteral("memoria")));
    QCOMPARE(p.PnlConstante, constante.isEmpty() ? QString() : QStringLiteral("K"));
    QCOMPARE(p.HintConstante, HintRegistro(constante, QStringLiteral("constante")));
}

const QString Menos = QStringLiteral("–");
const QString Veintitres = QStringLiteral("12345678901234567890123");

}  // namespace

class TestCalculadoraMotor : public QObject {
    Q_OBJECT
private slots:
    void textoNumerico_data() {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("texto");
        QTest::newRow("cero") << 0.0 << "0";
        QTest::newRow("menos cero") << -0.0 << "0";
        QTest::newRow("dos tercios") << 2.0 / 3.0 << "0,666666666666667";
        QTest::newRow("suma inexacta") << 0.1 + 0.2 << "0,3";
        QTest::newRow("decimales") << -1234.5 << "-1234,5";
        QTest::newRow("quince cifras enteras") << 123456789012345.0 << "123456789012345";
        QTest::newRow("dieciseis cifras") << 1234567890123456.0 << "1,23456789012346E15";
        QTest::newRow("redondeo que llega a 1E15") << 999999999999999.9 << "1E15";
        QTest::newRow("grande") << 1e20 << "1E20";
        QTest::newRow("limite fijo") << 0.0001 << "0,0001";
        QTest::newRow("redondeo que llega a 0,0001") << 0.00009999999999999999 << "0,0001";
        QTest::newRow("pequeno") << 1.5e-7 << "1,5E-7";
        QTest::newRow("pequeno negativo") << -0.00001 << "-1E-5";
        QTest::newRow("mayor mostrable") << 1.79769313486231e308 << "1,79769313486231E308";
        QTest::newRow("subnormal") << std::numeric_limits<double>::denorm_min() << "4,94065645841247E-324";
    }
    void textoNumerico() {
        QFETCH(double, valor);
        QFETCH(QString, texto);
        QCOMPARE(TextoCalculadora(valor), texto);
    }

    void teclas_data() {
        ColumnasPaneles();
        auto fila = [](const char* nombre, const QString& teclas, const QString& display, const QString& op1 = {},
                       const QString& op2 = {}, const QString& operacion = {}, const QString& nueva = {},
                       const QString& m = {}, const QString& k = {}) {
            QTest::newRow(nombre) << teclas << display << op1 << op2 << operacion << nueva << m << k;
        };
        // Chains without precedence, and what the panels show on the way.
        fila("cadena", "5+3+2=", "10", "8", "2", "+");
        fila("operador encadenado espera", "5+3+", "8", "5", "3", "+", "+");
        fila("sin precedencia", "2+3*4=", "20", "5", "4", "x");
        fila("dos tercios", "2/3=", "0,666666666666667", "2", "3", "/");
        fila("intro es igual", "2+3\r", "5", "2", "3", "+");
        fila("igual sin segundo operando", "5+=", "", "5", "", "+");
        fila("operando tras igual vacio", "5+=3", "3", "5", "", "+");
        fila("igual con operador en espera", "5+3+=", "8", "5", "3", "+", "+");
        fila("operador en espera tras igual", "5+3+=2=", "10", "8", "2", "+");
        fila("operador cambiado", "5+-3=", "2", "5", "3", Menos);
        fila("operador en espera cambiado", "5+3+*2=", "16", "8", "2", "x");
        fila("igual repetido", "9==", "9");
        fila("digito tras resultado", "5+3=4", "4");
        fila("porcentaje", "200%15=", "30", "200", "15", "%");
        fila("porcentaje encadenado", "200%15+5=", "35", "30", "5", "+");
        fila("porcentaje sin desborde intermedio", "{1E300}%{1000000000}=", "1E307", "1E300", "1000000000", "%");
        fila("resultado grande", "99999999*99999999=", "9,9999998E15", "99999999", "99999999", "x");
        fila("resultado pequeno", "1/3000000=", "3,33333333333333E-7", "1", "3000000", "/");
        // Entry, separator, sign and the 23-character limit.
        fila("ceros a la izquierda", "05", "05");
        fila("separador al empezar", ".5", "0,5");
        fila("segundo separador", "1.5.2", "1,52");
        fila("separador como segundo operando", "5+.5=", "5,5", "5", "0,5", "+");
        fila("la coma es el separador", "5,5", "5,5");
        fila("coma al empezar", ",5", "0,5");
        fila("coma tras punto", "1.5,2", "1,52");
        fila("cambio de signo", "12.[±]", "-12");
        fila("cambio de signo reescribe", "0.50[±]", "-0,5");
        fila("cambio de signo de cero", "0[±]", "0");
        fila("digitos tras cambio de signo", "12 3", "-123");
        fila("limite de digitos", Veintitres + "4.", Veintitres);
        fila("signo ignorado en el limite", Veintitres + "[±]", Veintitres);
        fila("signo bajo el limite", Veintitres.left(22) + "[±]", "-1,23456789012346E21");
        // Backspace.
        fila("retroceso", "123\b", "12");
        fila("retroceso deja un menos", "5[±]\b", "");
        fila("retroceso sobre resultado encadenado", "5+3+\b", "8", "5", "3", "+", "+");
        fila("retroceso sobre resultado", "5+3=\b", "8", "5", "3", "+");
        // CL and CA.
        fila("CL quita el operador en espera", "5+3+[CL]", "8", "5", "3", "+");
        fila("CL en espera y nuevo numero", "5+3+[CL]2", "2", "8", "", " ");
        fila("CL borra el segundo operando", "5+3[CL]4=", "9", "5", "4", "+");
        fila("CL anula el operador", "5+[CL]", "5");
        fila("CL tras resultado", "5+3=[CL]", "");
        fila("CL del numero", "5[CL]", "");
        fila("CA guarda M y K", "5[MS]+3[KS][CA]", "", {}, {}, {}, {}, "5", "3");
        // Reciprocal and square root in their four cases.
        fila("inverso", "4[1/x]", "0,25", "4", "", "1/x");
        fila("inverso como segundo operando", "5+4[1/x]=", "5,25", "5", "0,25", "+");
        fila("inverso del primer operando", "4+[1/x]", "0,25", "4", "", "1/x");
        fila("inverso del primero y sigue", "4+[1/x]+2=", "2,25", "0,25", "2", "+");
        fila("inverso sin nada", "[1/x]", "");
        fila("raiz", "16[V]", "4", "16", "", "V¯");
        fila("raiz como segundo operando", "9+16[V]=", "13", "9", "4", "+");
        fila("raiz del primer operando", "5+[V]", "2,23606797749979", "5", "", "V¯");
        // Memory.
        fila("M+ en memoria vacia", "7[M+]", "7", {}, {}, {}, {}, "7");
        fila("MC", "7[M+][MC]", "7");
        fila("M-", "2[MS]3[M-]", "3", {}, {}, {}, {}, "-1");
        fila("Mx", "2[MS]3[Mx]", "3", {}, {}, {}, {}, "6");
        fila("M/ divide el dato entre la memoria", "2[MS]3[M/]", "3", {}, {}, {}, {}, "1,5");
        fila("MR como segundo operando", "5[MS]+[MR]=", "10", "5", "5", "+", {}, "5");
        fila("MR es un numero terminado", "5[MS][CA]1[MR]2", "2", {}, {}, {}, {}, "5");
        fila("MS de cero", "0[MS]", "0", {}, {}, {}, {}, "0");
        // A memory key ends the number being typed: the next digit starts anew.
        fila("M+ y M- terminan el numero", "5[M+]3[M-][MR]", "2", {}, {}, {}, {}, "2");
        fila("Mx termina el numero", "2[MS]3[Mx]4[M+][MR]", "10", {}, {}, {}, {}, "10");
        fila("M/ termina el numero", "6[MS]3[M/]2[M-][MR]", "-1,5", {}, {}, {}, {}, "-1,5");
        // Constant.
        fila("K+ sin constante", "5[K+]", "5");
        fila("K+", "3[KS][CA]10[K+]", "13", {}, {}, {}, {}, {}, "3");
        fila("K-", "3[KS][CA]10[K-]", "7", {}, {}, {}, {}, {}, "3");
        fila("Kx", "3[KS][CA]10[Kx]", "30", {}, {}, {}, {}, {}, "3");
        fila("K/ divide el dato entre la constante", "4[KS][CA]10[K/]", "2,5", {}, {}, {}, {}, {}, "4");
        fila("K+ termina el numero", "3[KS][CA]10[K+]5", "5", {}, {}, {}, {}, {}, "3");
        fila("K+ termina el segundo operando", "3[KS]5+10[K+]2=", "7", "5", "2", "+", {}, {}, "3");
        fila("K+ como segundo operando", "3[KS]5+10[K+]=", "18", "5", "13", "+", {}, {}, "3");
        fila("K+ sobre resultado vacia paneles", "3[KS]2+5=[K+]", "10", {}, {}, {}, {}, {}, "3");
        fila("K+ con operador en espera", "3[KS]5+3+[K+]", "8", "5", "3", "+", "+", {}, "3");
        fila("KR", "3[KS][CA][KR]", "3", {}, {}, {}, {}, {}, "3");
        fila("KC", "3[KS][KC]", "3");
        // Results keep every digit from one operation to the next; the panels
        // show them with 15.
        fila("resultado tras igual", "1/3=*3=", "1", "0,333333333333333", "3", "x");
        fila("inverso en la cadena", "3[1/x]*3=", "1", "0,333333333333333", "3", "x");
        fila("resultado con signo cambiado", "1/3=[±]*3=", "-1", "-0,333333333333333", "3", "x");
        fila("resultado en memoria", "1/3=[MS][CA][MR]*3=", "1", "0,333333333333333", "3", "x", {},
             "0,333333333333333");
        fila("resultado con la constante", "3[KS][CA]1[K/]*3=", "1", "0,333333333333333", "3", "x", {}, {}, "3");
        fila("primer operando devuelto por CL", "1/3=+[CL]*3=", "1", "0,333333333333333", "3", "x");
        // Emptied by backspace, the display gives way to the first operand shown.
        fila("inverso tras borrar el dato", "3[1/x]" + QString(17, u'\b') + "[1/x]", "0,333333333333333", "3", "",
             "1/x");
        // Conversion buttons do nothing while the currency record is empty.
        fila("conversion sin datos", "5[>P][>D]", "5");
    }
    void teclas() {
        QFETCH(QString, teclas);
        TMotorCalculadora m;
        const QList<TResultadoCalculo> rechazos = Teclear(m, teclas);
        ComprobarPaneles(m);
        QVERIFY(rechazos.isEmpty());
    }

    void divisionPorCero_data() {
        ColumnasPaneles();
        QTest::newRow("al pulsar igual") << "7[MS]2[KS]5/0=" << "" << "" << "" << "" << "" << "7" << "2";
        QTest::newRow("inverso de cero") << "7[MS]0[1/x]" << "" << "" << "" << "" << "" << "7" << "";
        QTest::newRow("inverso del primer operando cero") << "0+[1/x]" << "" << "" << "" << "" << "" << "" << "";
        QTest::newRow("inverso del segundo operando cero") << "5+0[1/x]" << "" << "" << "" << "" << "" << "" << "";
        QTest::newRow("M/ con memoria vacia") << "5[M/]" << "" << "" << "" << "" << "" << "" << "";
        QTest::newRow("K/ con constante cero") << "0[KS]5[K/]" << "" << "" << "" << "" << "" << "" << "0";
        QTest::newRow("conversion con cambio cero") << "5[>P]" << "" << "" << "" << "" << "" << "" << "";
        // Inside a chained operator the new operator still stands, over 0.
        QTest::newRow("operador encadenado") << "5/0+" << "" << "" << "" << "" << "+" << "" << "";
        QTest::newRow("operador encadenado y sigue") << "5/0+3=" << "3" << "0" << "3" << "+" << "" << "" << "";
    }
    void divisionPorCero() {
        QFETCH(QString, teclas);
        trInfoCalculadora info;
        info.SimboloPropia = QStringLiteral("€");
        info.Cambio = 0;
        TMotorCalculadora m(info);
        m.FijarPuedeEnviar(true);
        const QList<TResultadoCalculo> rechazos = Teclear(m, teclas);
        ComprobarPaneles(m);
        QCOMPARE(rechazos.size(), 1);
        QCOMPARE(rechazos[0].estado, TEstadoCalculo::DivisionPorCero);
        QCOMPARE(rechazos[0].mensaje, QStringLiteral("División por cero"));
    }

    // A refused key ends with a clear message, leaves the calculator exactly
    // as it was and the calculator goes on working.
    void fallos_data() {
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QString>("tecla");
        QTest::addColumn<bool>("conversion");  // NoEsNumero, else Rechazado
        QTest::addColumn<QString>("mensaje");
        const QString noNumero = QStringLiteral("\",\" no es un número válido");
        const QString raiz = QStringLiteral("No se puede calcular la raíz cuadrada de un número negativo");
        const QString grande = QStringLiteral("El número es demasiado grande para la calculadora");
        QTest::newRow("separador solo y operador") << "5\b." << "+" << true << noNumero;
        QTest::newRow("separador solo y igual") << "2+5\b." << "=" << true << noNumero;
        QTest::newRow("separador solo y signo") << "5\b." << "[±]" << true << noNumero;
        QTest::newRow("separador solo y MS") << "5\b." << "[MS]" << true << noNumero;
        QTest::newRow("separador solo e inverso") << "5\b." << "[1/x]" << true << noNumero;
        QTest::newRow("exponente cortado por retroceso")
            << "{1E20}\b\b" << "+" << true << QStringLiteral("\"1E\" no es un número válido");
        QTest::newRow("raiz de negativo") << "9[±]" << "[V]" << false << raiz;
        QTest::newRow("raiz de negativo como segundo operando") << "2+9[±]" << "[V]" << false << raiz;
        QTest::newRow("raiz del primer operando negativo") << "9[±]+" << "[V]" << false << raiz;
        QTest::newRow("producto al pulsar igual") << "{1E300}*{1E10}" << "=" << false << grande;
        QTest::newRow("producto encadenado") << "{1E300}*{1E10}" << "+" << false << grande;
        QTest::newRow("cociente") << "{1E300}/{1E-10}" << "=" << false << grande;
        QTest::newRow("inverso de un subnormal") << "{1E-310}" << "[1/x]" << false << grande;
        QTest::newRow("Kx") << "{1E300}[KS]" << "[Kx]" << false << grande;
        QTest::newRow("Mx") << "{1E300}[MS]" << "[Mx]" << false << grande;
        QTest::newRow("M+") << "{1.7E308}[MS]" << "[M+]" << false << grande;
        QTest::newRow("valor inicial infinito") << "3" << "{inf}" << false << grande;
        QTest::newRow("conversion") << "{1E300}" << "[>D]" << false << grande;
    }
    void fallos() {
        QFETCH(QString, antes);
        QFETCH(QString, tecla);
        QFETCH(bool, conversion);
        QFETCH(QString, mensaje);
        trInfoCalculadora info;
        info.SimboloDivisa = QStringLiteral("$");
        info.Cambio = 1e10;
        TMotorCalculadora m(info);
        Teclear(m, QStringLiteral("7[MS]"));
        Teclear(m, antes);
        const QStringList foto = Foto(m);
        const QList<TResultadoCalculo> rechazos = Teclear(m, tecla);
        QCOMPARE(rechazos.size(), 1);
        QCOMPARE(rechazos[0].estado, conversion ? TEstadoCalculo::NoEsNumero : TEstadoCalculo::Rechazado);
        QCOMPARE(rechazos[0].mensaje, mensaje);
        QCOMPARE(Foto(m), foto);
        QVERIFY(Teclear(m, QStringLiteral("[CA]2+3=")).isEmpty());
        QCOMPARE(m.Paneles().PnlDisplay, QStringLiteral("5"));
    }

    // Any mix of keys, refused ones included, never leaves an infinity, a
    // NaN or more than 23 characters in the display.
    void secuenciasAlAzar() {
        const QStringList teclas{"0", "1", "9", ".", "+", "-", "*", "/", "%", "=", "\b", " ", "[CL]", "[CA]",
                                 "[1/x]", "[V]", "[MS]", "[MR]", "[MC]", "[M+]", "[M-]", "[Mx]", "[M/]",
                                 "[KS]", "[KR]", "[KC]", "[K+]", "[K-]", "[Kx]", "[K/]", "[>P]", "[>D]",
                                 "{1E300}", "{1E-310}", "{-7E200}"};
        trInfoCalculadora info;
        info.SimboloPropia = QStringLiteral("€");
        info.SimboloDivisa = QStringLiteral("$");
        info.Cambio = 1e-5;
        QRandomGenerator azar(20261210);
        for (int secuencia = 0; secuencia < 300; ++secuencia) {
            TMotorCalculadora m(info);
            for (int i = 0; i < 60; ++i) {
                const QString tecla = teclas[azar.bounded(int(teclas.size()))];
                Teclear(m, tecla);
                const TPanelesCalculadora& p = m.Paneles();
                const QString todo = p.PnlDisplay + p.PnlOperando1 + p.PnlOperando2 + p.HintMemoria + p.HintConstante;
                QVERIFY2(!todo.contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
                             !todo.contains(QLatin1String("nan"), Qt::CaseInsensitive),
                         qPrintable(todo));
                QVERIFY2(p.PnlDisplay.size() <= 23, qPrintable(p.PnlDisplay));
                for (double v : {m.Memoria(), m.Constante(), m.Operando1(), m.Operando2()})
                    QVERIFY(std::isfinite(v));
            }
        }
    }

    void conversionMoneda_data() {
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("operacion");
        QTest::addColumn<QString>("operacionNueva");
        QTest::newRow("a divisas") << "100[>D]" << "110" << "€" << "$";
        QTest::newRow("a moneda propia sin redondeo") << "100[>P]" << "90,9090909090909" << "$" << "€";
        QTest::newRow("el resultado es un numero terminado") << "100[>D]5" << "5" << "" << "";
        QTest::newRow("y se opera con el") << "100[>D]+1=" << "111" << "+" << "";
    }
    void conversionMoneda() {
        QFETCH(QString, teclas);
        QFETCH(QString, display);
        QFETCH(QString, operacion);
        QFETCH(QString, operacionNueva);
        const trInfoCalculadora info{QStringLiteral("euros"), QStringLiteral("dólares"), QStringLiteral("€"),
                                     QStringLiteral("$"), 1.1};
        TMotorCalculadora m(info);
        QCOMPARE(m.BotonConvMonedaPropia().Caption, QStringLiteral("€"));
        QCOMPARE(m.BotonConvMonedaPropia().Hint, QStringLiteral("Convertir a euros"));
        QVERIFY(m.BotonConvMonedaPropia().Enabled);
        QCOMPARE(m.BotonConvMonedaDivisa().Caption, QStringLiteral("$"));
        QCOMPARE(m.BotonConvMonedaDivisa().Hint, QStringLiteral("Convertir a dólares"));
        Teclear(m, teclas);
        QCOMPARE(m.Paneles().PnlDisplay, display);
        QCOMPARE(m.Paneles().PnlOperacion, operacion);
        QCOMPARE(m.Paneles().PnlOperacionNueva, operacionNueva);
    }

    void estadoInicialYValorDelCampo() {
        InfoCalculadora.SimboloPropia = QStringLiteral("€");
        ReiniciarInfoCalculadora();
        TMotorCalculadora m;
        for (const TBotonConversion& b : {m.BotonConvMonedaPropia(), m.BotonConvMonedaDivisa()}) {
            QVERIFY(!b.Enabled);
            QVERIFY(b.Caption.isEmpty());
        }
        QCOMPARE(m.BotonConvMonedaPropia().Hint, QStringLiteral("Convertir a moneda propia"));
        QCOMPARE(m.BotonConvMonedaDivisa().Hint, QStringLiteral("Convertir a divisas"));
        QCOMPARE(m.Paneles().HintMemoria, QStringLiteral("Vacía|La memoria no tiene valor asignado"));
        QCOMPARE(m.Paneles().HintConstante, QStringLiteral("Vacía|La constante no tiene valor asignado"));
        QVERIFY(!m.EnviarHabilitado());

        m.FijarPuedeEnviar(true);
        m.MostrarValor(0);
        QCOMPARE(m.Paneles().PnlDisplay, QString());
        QVERIFY(!m.EnviarHabilitado());
        QCOMPARE(m.ValorDisplay(), 0.0);
        m.MostrarValor(1234.5);
        QCOMPARE(m.Paneles().PnlDisplay, QStringLiteral("1234,5"));
        QVERIFY(m.EnviarHabilitado());
        Teclear(m, QStringLiteral("7"));
        QCOMPARE(m.Paneles().PnlDisplay, QStringLiteral("7"));
        Teclear(m, QStringLiteral("/3="));
        QCOMPARE(m.ValorDisplay(), 2.33333333333333);
        Teclear(m, QStringLiteral("[CA]5\b."));
        QCOMPARE(m.Paneles().PnlDisplay, QStringLiteral(","));
        QVERIFY(!m.EnviarHabilitado());
        QVERIFY(!m.PulsarTecla(QLatin1Char('a')));
    }

    void separadorRegional() {
        LeerAjustesRegionales(QLocale(QLocale::English, QLocale::UnitedStates));
        TMotorCalculadora m;
        Teclear(m, QStringLiteral("1.5+1=[MS]"));
        const QString display = m.Paneles().PnlDisplay;
        const QString hint = m.Paneles().HintMemoria;
        const double valor = m.ValorDisplay();
        LeerAjustesRegionales(QLocale());
        QCOMPARE(display, QStringLiteral("2.5"));
        QCOMPARE(hint, QStringLiteral("2.5|El valor de la memoria es 2.5"));
        QCOMPARE(valor, 2.5);
    }
};

ZZ_TEST_MAIN(TestCalculadoraMotor)
#include "test_calculadora_motor.moc"
