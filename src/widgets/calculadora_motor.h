#pragma once
// The pocket calculator behind TFmCalculadora: registers, the texts of its
// seven panels and every key's operation, without any window. The window
// routes its buttons and keys here and redraws the panels afterwards.
//
// Every key returns how it ended and opens no window; the calculator window
// shows the message of a refused key. A refused key leaves the calculator
// exactly as it was before the key, and the calculator goes on working:
// - a display that is not a number (a lone separator, or an exponent that
//   backspace cut short): NoEsNumero;
// - the square root of a negative number: Rechazado;
// - a number beyond what the display can show (±1,79769313486231E308),
//   whether typed or computed: Rechazado, so that no register and no panel
//   ever holds an infinity or a NaN.
// Division by zero instead resets the calculation, as on a desk calculator,
// and ends as DivisionPorCero.
//
// Panels show numbers with 15 significant digits, but a worked-out number
// keeps all its digits: the display and the first operand remember the value
// behind their text, so 1 / 3 = x 3 = gives 1. A number the person types, or
// edits with backspace, is read from its text.
#include "util/excepcion.h"
#include "widgets/info_calculadora.h"

#include <QChar>
#include <QString>
#include <optional>

// An operation the calculator refuses; the message is Spanish and meant to be
// shown as it is.
class ECalculadora : public Exception {
public:
    using Exception::Exception;
};

// How a key ended.
enum class TEstadoCalculo : unsigned char {
    Hecho,
    DivisionPorCero,
    NoEsNumero,
    Rechazado,
};

// The end of a key and, when refused, the Spanish message to show as it is.
struct TResultadoCalculo {
    TEstadoCalculo estado = TEstadoCalculo::Hecho;
    QString mensaje;

    bool Hecho() const { return estado == TEstadoCalculo::Hecho; }
};

enum class TOperacion : unsigned char {
    Ninguna = 0,
    Sumar = 1,
    Restar = 2,
    Multiplicar = 3,
    Dividir = 4,
    Porcentaje = 5,
};

// " ", "+", "–", "x", "/" or "%".
QString SimboloOperacion(TOperacion operacion);

enum class TConversion {
    AMonedaPropia,
    ADivisa,
};

// Texts of the seven panels, and the hints ("short|long") of M and K.
struct TPanelesCalculadora {
    QString PnlDisplay;
    QString PnlOperando1;
    QString PnlOperando2;
    QString PnlOperacion;
    QString PnlOperacionNueva;
    QString PnlMemoria;
    QString PnlConstante;
    QString HintMemoria;
    QString HintConstante;
};

// Caption, hint and enabled state of a currency conversion button.
struct TBotonConversion {
    QString Caption;
    QString Hint;
    bool Enabled = false;
};

class TMotorCalculadora {
public:
    // The currency record is read once, as the window reads it on creation.
    explicit TMotorCalculadora(const trInfoCalculadora& info = InfoCalculadora);

    // For the opener: whether the result may be sent to an edit box, the
    // starting number (0 gives an empty display) and the result, with all
    // its digits.
    void FijarPuedeEnviar(bool puede) { puedeEnviar_ = puede; }
    bool PuedeEnviar() const { return puedeEnviar_; }
    TResultadoCalculo MostrarValor(double valor);
    double ValorDisplay() const;

    // A number pasted from the clipboard comes in as a finished number, as
    // one recalled from the memory does: the next digit starts a new one.
    // Refused when the display cannot hold it.
    TResultadoCalculo PegarNumero(double valor);
    // "&Enviar" is enabled exactly when sending is allowed and the display
    // holds a number; a display that does not read as one (a lone separator)
    // is never sent, so reading the result cannot fail.
    bool EnviarHabilitado() const;

    // A typed key character: digits, "." and the regional decimal separator,
    // the five operators, "=", Enter, Backspace and the space bar (sign
    // change). No result for any other key, which the window swallows all
    // the same.
    std::optional<TResultadoCalculo> PulsarTecla(QChar tecla);

    // Buttons.
    TResultadoCalculo PulsarDigito(QChar digito);  // '0' to '9', or '.' for the separator
    TResultadoCalculo CambiarSigno();
    TResultadoCalculo PulsarOperador(TOperacion operacion);
    TResultadoCalculo Igual();
    TResultadoCalculo Borrar();       // CL
    TResultadoCalculo BorrarTodo();   // CA
    TResultadoCalculo Retroceso();
    TResultadoCalculo Inverso();
    TResultadoCalculo RaizCuadrada();
    TResultadoCalculo GuardarMemoria();
    TResultadoCalculo RecuperarMemoria();
    TResultadoCalculo BorrarMemoria();
    TResultadoCalculo OperarMemoria(TOperacion operacion);  // M+, M–, Mx, M/
    TResultadoCalculo GuardarConstante();
    TResultadoCalculo RecuperarConstante();
    TResultadoCalculo BorrarConstante();
    TResultadoCalculo OperarConstante(TOperacion operacion);  // K+, K–, Kx, K/
    TResultadoCalculo ConvertirMoneda(TConversion conversion);

    const TPanelesCalculadora& Paneles() const { return e_.paneles; }
    TBotonConversion BotonConvMonedaPropia() const;
    TBotonConversion BotonConvMonedaDivisa() const;

    double Memoria() const { return e_.memoria; }
    double Constante() const { return e_.constante; }
    double Operando1() const { return e_.operando1; }
    double Operando2() const { return e_.operando2; }
    TOperacion Operacion() const { return e_.operacion; }
    bool NuevoNumero() const { return e_.nuevoNumero; }
    bool LimpiarPaneles() const { return e_.limpiarPaneles; }
    bool MostrarPendiente() const { return e_.mostrarPendiente; }

private:
    // A worked-out value and the text a panel shows for it.
    struct ValorMostrado {
        QString texto;
        double valor = 0;
    };

    struct Estado {
        double memoria = 0;
        double constante = 0;
        double operando1 = 0;
        double operando2 = 0;
        TOperacion operacion = TOperacion::Ninguna;
        bool nuevoNumero = true;
        bool limpiarPaneles = false;
        bool mostrarPendiente = false;
        TPanelesCalculadora paneles;
        ValorMostrado exactoDisplay;    // behind PnlDisplay
        ValorMostrado exactoOperando1;  // behind PnlOperando1
    };

    // Runs one key: a refused key brings back the state before it.
    template <typename Accion>
    TResultadoCalculo Atomico(Accion accion);

    // The number a panel shows: the remembered value while the panel still
    // shows its text, else the text read as a number.
    static double Leer(const QString& texto, const ValorMostrado& exacto);
    void MostrarEnDisplay(double valor);
    void MostrarOperando1(double valor);
    void Recuperar(double valor);

    void IntroducirTexto(const QString& texto);
    void IntroducirDecimal();
    void ErrorDivisionCero();
    void LeerOperacion(TOperacion operacion);
    void EjecutarOperacion();
    void EncadenarOperador(TOperacion operacion);
    void EmpezarOperacion(TOperacion operacion);
    void VaciarCalculo();
    void FuncionSobreDisplay(double (*funcion)(double), const QString& simbolo, bool pruebaCero);
    void FijarMemoria(double valor);
    void FijarConstante(double valor);

    Estado e_;
    trInfoCalculadora info_;
    bool puedeEnviar_ = false;
    bool divisionPorCero_ = false;  // set by the key being run
};
