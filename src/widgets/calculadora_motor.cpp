#include "widgets/calculadora_motor.h"

#include "util/ajustes_regionales.h"
#include "util/texto_calculadora.h"
#include "util/textos_numericos.h"

#include <cmath>

namespace {

// Typing stops at this many characters in the display.
constexpr qsizetype LimiteDisplay = 23;

// The largest magnitude whose 15-digit text still reads back as a number.
constexpr double MaximoMostrable = 1.79769313486231e308;

const QString HintMemoriaVacia = QStringLiteral("Vacía|La memoria no tiene valor asignado");
const QString HintConstanteVacia = QStringLiteral("Vacía|La constante no tiene valor asignado");

// Refuses infinities, NaN and anything the display could not show and read
// back, so that no register or panel ever holds them.
double Comprobado(double valor) {
    if (!std::isfinite(valor) || std::fabs(valor) > MaximoMostrable)
        throw ECalculadora("El número es demasiado grande para la calculadora");
    return valor;
}

// A panel's text as a number; an empty panel counts as 0.
double ValorDe(const QString& texto) { return texto.isEmpty() ? 0.0 : Comprobado(LeerNumero(texto)); }

QString Texto(double valor) { return TextoCalculadora(valor); }

QString HintRegistro(double valor, const char* queRegistro) {
    const QString texto = Texto(valor);
    return texto + QStringLiteral("|El valor de ") + QString::fromUtf8(queRegistro) + QStringLiteral(" es ") + texto;
}

double Reciproco(double valor) { return Comprobado(1.0 / valor); }

double Raiz(double valor) {
    if (valor < 0)
        throw ECalculadora("No se puede calcular la raíz cuadrada de un número negativo");
    return std::sqrt(valor);
}

// a op b for the four arithmetic operators; the percentage is a × b / 100,
// worked in extended precision so that a large product does not overflow on
// the way to a result that fits.
double Combinar(TOperacion operacion, double a, double b) {
    switch (operacion) {
    case TOperacion::Sumar: return Comprobado(a + b);
    case TOperacion::Restar: return Comprobado(a - b);
    case TOperacion::Multiplicar: return Comprobado(a * b);
    case TOperacion::Dividir: return Comprobado(a / b);
    case TOperacion::Porcentaje:
        return Comprobado(static_cast<double>(static_cast<long double>(a) * b / 100));
    case TOperacion::Ninguna: break;
    }
    return a;
}

bool HayDatosDeMoneda(const trInfoCalculadora& info) {
    return !info.NombrePropia.isEmpty() || !info.NombreDivisa.isEmpty() || !info.SimboloPropia.isEmpty() ||
           !info.SimboloDivisa.isEmpty();
}

}  // namespace

QString SimboloOperacion(TOperacion operacion) {
    switch (operacion) {
    case TOperacion::Sumar: return QStringLiteral("+");
    case TOperacion::Restar: return QStringLiteral("–");
    case TOperacion::Multiplicar: return QStringLiteral("x");
    case TOperacion::Dividir: return QStringLiteral("/");
    case TOperacion::Porcentaje: return QStringLiteral("%");
    case TOperacion::Ninguna: break;
    }
    return QStringLiteral(" ");
}

TMotorCalculadora::TMotorCalculadora(const trInfoCalculadora& info) : info_(info) {
    e_.paneles.HintMemoria = HintMemoriaVacia;
    e_.paneles.HintConstante = HintConstanteVacia;
}

// Runs one key's operation. A refusal brings back the state before the key
// and becomes the key's result; anything else (out of memory) still throws.
template <typename Accion>
TResultadoCalculo TMotorCalculadora::Atomico(Accion accion) {
    const Estado antes = e_;
    divisionPorCero_ = false;
    try {
        accion();
    } catch (const EConvertError& e) {
        e_ = antes;
        return {TEstadoCalculo::NoEsNumero, QString::fromUtf8(e.what())};
    } catch (const ECalculadora& e) {
        e_ = antes;
        return {TEstadoCalculo::Rechazado, QString::fromUtf8(e.what())};
    } catch (...) {
        e_ = antes;
        throw;
    }
    if (divisionPorCero_)
        return {TEstadoCalculo::DivisionPorCero, QStringLiteral("División por cero")};
    return {};
}

TResultadoCalculo TMotorCalculadora::MostrarValor(double valor) {
    return Atomico([&] {
        if (Comprobado(valor) == 0)
            e_.paneles.PnlDisplay.clear();
        else
            MostrarEnDisplay(valor);
    });
}

double TMotorCalculadora::ValorDisplay() const { return Leer(e_.paneles.PnlDisplay, e_.exactoDisplay); }

double TMotorCalculadora::Leer(const QString& texto, const ValorMostrado& exacto) {
    return !texto.isEmpty() && texto == exacto.texto ? exacto.valor : ValorDe(texto);
}

void TMotorCalculadora::MostrarEnDisplay(double valor) {
    e_.paneles.PnlDisplay = Texto(valor);
    e_.exactoDisplay = {e_.paneles.PnlDisplay, valor};
}

void TMotorCalculadora::MostrarOperando1(double valor) {
    e_.paneles.PnlOperando1 = Texto(valor);
    e_.exactoOperando1 = {e_.paneles.PnlOperando1, valor};
}

bool TMotorCalculadora::EnviarHabilitado() const {
    if (!puedeEnviar_ || e_.paneles.PnlDisplay.isEmpty())
        return false;
    try {
        ValorDisplay();
        return true;
    } catch (const Exception&) {
        return false;
    }
}

std::optional<TResultadoCalculo> TMotorCalculadora::PulsarTecla(QChar tecla) {
    const char16_t c = tecla.unicode();
    if ((c >= u'0' && c <= u'9') || c == u'.')
        return PulsarDigito(tecla);
    else if (tecla == Ajustes().separadorDecimal)
        return PulsarDigito(QLatin1Char('.'));
    else if (c == u'+')
        return PulsarOperador(TOperacion::Sumar);
    else if (c == u'-')
        return PulsarOperador(TOperacion::Restar);
    else if (c == u'*')
        return PulsarOperador(TOperacion::Multiplicar);
    else if (c == u'/')
        return PulsarOperador(TOperacion::Dividir);
    else if (c == u'%')
        return PulsarOperador(TOperacion::Porcentaje);
    else if (c == u'=' || c == u'\r' || c == u'\n')
        return Igual();
    else if (c == u'\b')
        return Retroceso();
    else if (c == u' ')
        return CambiarSigno();
    return std::nullopt;
}

TResultadoCalculo TMotorCalculadora::PulsarDigito(QChar digito) {
    const char16_t c = digito.unicode();
    if ((c >= u'0' && c <= u'9') || c == u'.')
        return Atomico([&] { IntroducirTexto(QString(digito)); });
    return {};
}

void TMotorCalculadora::IntroducirTexto(const QString& texto) {
    TPanelesCalculadora& p = e_.paneles;
    if (e_.limpiarPaneles) {
        p.PnlOperando1.clear();
        p.PnlOperando2.clear();
        p.PnlOperacion.clear();
        p.PnlOperacionNueva.clear();
        e_.limpiarPaneles = false;
    }
    if (e_.mostrarPendiente) {
        MostrarOperando1(e_.operando1);
        p.PnlOperando2.clear();
        p.PnlOperacion = SimboloOperacion(e_.operacion);
        p.PnlOperacionNueva.clear();
        e_.mostrarPendiente = false;
    }
    e_.exactoDisplay = {};  // what is typed is read from its text
    if (texto == QLatin1String(".")) {
        IntroducirDecimal();
    } else if (e_.nuevoNumero) {
        p.PnlDisplay = texto;
        e_.nuevoNumero = false;
    } else if (p.PnlDisplay.size() < LimiteDisplay) {
        p.PnlDisplay += texto;
    }
}

void TMotorCalculadora::IntroducirDecimal() {
    QString& display = e_.paneles.PnlDisplay;
    const QChar separador = Ajustes().separadorDecimal;
    if (e_.nuevoNumero) {
        display = QLatin1Char('0') + separador;
        e_.nuevoNumero = false;
    } else if (!display.contains(separador) && display.size() < LimiteDisplay) {
        display += separador;
    }
}

TResultadoCalculo TMotorCalculadora::CambiarSigno() {
    return Atomico([&] {
        QString& display = e_.paneles.PnlDisplay;
        if (!display.isEmpty() && display.size() < LimiteDisplay)
            MostrarEnDisplay(-ValorDisplay());
    });
}

void TMotorCalculadora::ErrorDivisionCero() {
    divisionPorCero_ = true;
    e_.operando1 = 0;
    e_.operando2 = 0;
    e_.operacion = TOperacion::Ninguna;
    TPanelesCalculadora& p = e_.paneles;
    p.PnlOperando1.clear();
    p.PnlOperando2.clear();
    p.PnlOperacion.clear();
    p.PnlOperacionNueva.clear();
    p.PnlDisplay.clear();
    e_.nuevoNumero = true;
    e_.limpiarPaneles = true;
    e_.mostrarPendiente = false;
}

void TMotorCalculadora::LeerOperacion(TOperacion operacion) {
    if (operacion != TOperacion::Ninguna)
        e_.operacion = operacion;
}

void TMotorCalculadora::EjecutarOperacion() {
    if (e_.operacion == TOperacion::Ninguna)
        return;
    if (e_.operacion == TOperacion::Dividir && e_.operando2 == 0) {
        ErrorDivisionCero();
        return;
    }
    e_.operando1 = Combinar(e_.operacion, e_.operando1, e_.operando2);
    if (!e_.paneles.PnlDisplay.isEmpty())
        MostrarEnDisplay(e_.operando1);
}

TResultadoCalculo TMotorCalculadora::PulsarOperador(TOperacion operacion) {
    if (operacion == TOperacion::Ninguna)
        return {};
    return Atomico([&] {
        TPanelesCalculadora& p = e_.paneles;
        if (!p.PnlDisplay.isEmpty()) {
            if (e_.operacion != TOperacion::Ninguna)
                EncadenarOperador(operacion);
            else
                EmpezarOperacion(operacion);
            e_.mostrarPendiente = true;
            e_.nuevoNumero = true;
        } else if (!p.PnlOperacion.isEmpty()) {
            LeerOperacion(operacion);
            p.PnlOperacion = SimboloOperacion(e_.operacion);
        }
    });
}

// An operator over a typed second operand works out the pending operation
// first; an operator pressed right after that only replaces the waiting one.
void TMotorCalculadora::EncadenarOperador(TOperacion operacion) {
    TPanelesCalculadora& p = e_.paneles;
    if (p.PnlOperacionNueva.isEmpty()) {
        e_.operando2 = ValorDisplay();
        MostrarOperando1(e_.operando1);
        p.PnlOperando2 = Texto(e_.operando2);
        EjecutarOperacion();
    }
    LeerOperacion(operacion);
    p.PnlOperacionNueva = SimboloOperacion(e_.operacion);
}

void TMotorCalculadora::EmpezarOperacion(TOperacion operacion) {
    TPanelesCalculadora& p = e_.paneles;
    e_.operando1 = ValorDisplay();
    MostrarOperando1(e_.operando1);
    p.PnlOperando2.clear();
    LeerOperacion(operacion);
    p.PnlOperacion = SimboloOperacion(e_.operacion);
    p.PnlDisplay.clear();
    p.PnlOperacionNueva.clear();
}

TResultadoCalculo TMotorCalculadora::Igual() {
    return Atomico([&] {
        TPanelesCalculadora& p = e_.paneles;
        if (e_.operacion != TOperacion::Ninguna && !p.PnlDisplay.isEmpty() && p.PnlOperacionNueva.isEmpty()) {
            e_.operando2 = ValorDisplay();
            MostrarOperando1(e_.operando1);
            p.PnlOperando2 = Texto(e_.operando2);
            EjecutarOperacion();
            e_.operando1 = 0;
            e_.operando2 = 0;
            e_.operacion = TOperacion::Ninguna;
        }
        e_.nuevoNumero = true;
        e_.limpiarPaneles = true;
    });
}

TResultadoCalculo TMotorCalculadora::Borrar() {
    TPanelesCalculadora& p = e_.paneles;
    if (!p.PnlOperacionNueva.isEmpty()) {
        p.PnlOperacionNueva.clear();
        e_.operacion = TOperacion::Ninguna;
        e_.nuevoNumero = true;
    } else if (!p.PnlDisplay.isEmpty()) {
        if (e_.operacion == TOperacion::Ninguna && !p.PnlOperacion.isEmpty()) {
            VaciarCalculo();
        } else {
            p.PnlDisplay.clear();
            e_.nuevoNumero = true;
        }
    } else if (!p.PnlOperacion.isEmpty()) {
        p.PnlDisplay = p.PnlOperando1;
        e_.exactoDisplay = e_.exactoOperando1;
        p.PnlOperando1.clear();
        p.PnlOperacion.clear();
        e_.operacion = TOperacion::Ninguna;
        e_.nuevoNumero = true;
    }
    return {};
}

TResultadoCalculo TMotorCalculadora::BorrarTodo() {
    VaciarCalculo();
    return {};
}

void TMotorCalculadora::VaciarCalculo() {
    e_.operando1 = 0;
    e_.operando2 = 0;
    e_.operacion = TOperacion::Ninguna;
    TPanelesCalculadora& p = e_.paneles;
    p.PnlDisplay.clear();
    p.PnlOperando1.clear();
    p.PnlOperando2.clear();
    p.PnlOperacion.clear();
    p.PnlOperacionNueva.clear();
    e_.nuevoNumero = true;
    e_.limpiarPaneles = false;
    e_.mostrarPendiente = false;
}

TResultadoCalculo TMotorCalculadora::Retroceso() {
    TPanelesCalculadora& p = e_.paneles;
    if (p.PnlDisplay.isEmpty() || !p.PnlOperacionNueva.isEmpty() || !p.PnlOperando2.isEmpty())
        return {};
    p.PnlDisplay.chop(1);
    e_.exactoDisplay = {};  // an edited number is read from its text
    if (p.PnlDisplay == QLatin1String("-"))
        p.PnlDisplay.clear();
    return {};
}

TResultadoCalculo TMotorCalculadora::Inverso() {
    return Atomico([&] { FuncionSobreDisplay(Reciproco, QStringLiteral("1/x"), true); });
}

TResultadoCalculo TMotorCalculadora::RaizCuadrada() {
    return Atomico([&] { FuncionSobreDisplay(Raiz, QStringLiteral("V¯"), false); });
}

// The reciprocal and the square root. With an operation pending and a second
// operand typed, the function's result becomes that operand; otherwise it is
// a finished result over the first operand (or over the display), and a
// pending operator is dropped.
void TMotorCalculadora::FuncionSobreDisplay(double (*funcion)(double), const QString& simbolo, bool pruebaCero) {
    TPanelesCalculadora& p = e_.paneles;
    const bool sobreOperando1 = p.PnlDisplay.isEmpty();
    if (sobreOperando1 && p.PnlOperacion.isEmpty())
        return;
    const double valor = sobreOperando1 ? Leer(p.PnlOperando1, e_.exactoOperando1) : ValorDisplay();
    if (pruebaCero && valor == 0) {
        ErrorDivisionCero();
        return;
    }
    const double resultado = funcion(valor);
    p.PnlOperando2.clear();
    p.PnlOperacionNueva.clear();
    MostrarEnDisplay(resultado);
    e_.nuevoNumero = true;
    if (!sobreOperando1 && e_.operacion != TOperacion::Ninguna)
        return;
    if (!sobreOperando1)
        MostrarOperando1(valor);
    p.PnlOperacion = simbolo;
    e_.operando1 = resultado;
    e_.operacion = TOperacion::Ninguna;
    e_.limpiarPaneles = true;
}

void TMotorCalculadora::FijarMemoria(double valor) {
    e_.memoria = Comprobado(valor);
    e_.paneles.PnlMemoria = QStringLiteral("M");
    e_.paneles.HintMemoria = HintRegistro(e_.memoria, "la memoria");
}

void TMotorCalculadora::FijarConstante(double valor) {
    e_.constante = Comprobado(valor);
    e_.paneles.PnlConstante = QStringLiteral("K");
    e_.paneles.HintConstante = HintRegistro(e_.constante, "la constante");
}

TResultadoCalculo TMotorCalculadora::GuardarMemoria() {
    return Atomico([&] {
        if (e_.paneles.PnlDisplay.isEmpty())
            return;
        FijarMemoria(ValorDisplay());
        e_.nuevoNumero = true;
    });
}

// MR and KR: the register's value comes in as a finished number.
void TMotorCalculadora::Recuperar(double valor) {
    e_.nuevoNumero = true;
    IntroducirTexto(Texto(valor));
    e_.exactoDisplay = {e_.paneles.PnlDisplay, valor};
    e_.nuevoNumero = true;
}

TResultadoCalculo TMotorCalculadora::PegarNumero(double valor) {
    return Atomico([&] { Recuperar(Comprobado(valor)); });
}

TResultadoCalculo TMotorCalculadora::RecuperarMemoria() {
    if (!e_.paneles.PnlMemoria.isEmpty())
        Recuperar(e_.memoria);
    return {};
}

TResultadoCalculo TMotorCalculadora::BorrarMemoria() {
    if (e_.paneles.PnlMemoria.isEmpty())
        return {};
    e_.memoria = 0;
    e_.paneles.PnlMemoria.clear();
    e_.paneles.HintMemoria = HintMemoriaVacia;
    return {};
}

// M+, M– and Mx work the display value into the memory; M/ stores the
// display value divided by the memory. The number in the display is then
// finished, as on a desk calculator: the next digit starts a new one.
TResultadoCalculo TMotorCalculadora::OperarMemoria(TOperacion operacion) {
    return Atomico([&] {
        if (e_.paneles.PnlDisplay.isEmpty())
            return;
        const double valor = ValorDisplay();
        switch (operacion) {
        case TOperacion::Sumar:
        case TOperacion::Restar:
        case TOperacion::Multiplicar: FijarMemoria(Combinar(operacion, e_.memoria, valor)); break;
        case TOperacion::Dividir:
            if (e_.memoria == 0)
                ErrorDivisionCero();
            else
                FijarMemoria(Combinar(operacion, valor, e_.memoria));
            break;
        case TOperacion::Porcentaje:
        case TOperacion::Ninguna: break;
        }
        e_.nuevoNumero = true;
    });
}

TResultadoCalculo TMotorCalculadora::GuardarConstante() {
    return Atomico([&] {
        if (e_.paneles.PnlDisplay.isEmpty())
            return;
        FijarConstante(ValorDisplay());
        e_.nuevoNumero = true;
    });
}

TResultadoCalculo TMotorCalculadora::RecuperarConstante() {
    if (!e_.paneles.PnlConstante.isEmpty())
        Recuperar(e_.constante);
    return {};
}

TResultadoCalculo TMotorCalculadora::BorrarConstante() {
    if (e_.paneles.PnlConstante.isEmpty())
        return {};
    e_.constante = 0;
    e_.paneles.PnlConstante.clear();
    e_.paneles.HintConstante = HintConstanteVacia;
    return {};
}

// The display value with the constant added, subtracted, multiplied or
// divided; a pending operation takes the result as its second operand. The
// result is a finished number: the next digit starts a new one.
TResultadoCalculo TMotorCalculadora::OperarConstante(TOperacion operacion) {
    if (operacion == TOperacion::Ninguna || operacion == TOperacion::Porcentaje)
        return {};
    return Atomico([&] {
        TPanelesCalculadora& p = e_.paneles;
        if (p.PnlDisplay.isEmpty() || p.PnlConstante.isEmpty() || !p.PnlOperacionNueva.isEmpty())
            return;
        if (operacion == TOperacion::Dividir && e_.constante == 0) {
            ErrorDivisionCero();
            return;
        }
        MostrarEnDisplay(Combinar(operacion, ValorDisplay(), e_.constante));
        e_.nuevoNumero = true;
        if (e_.operacion == TOperacion::Ninguna) {
            p.PnlOperando1.clear();
            p.PnlOperando2.clear();
            p.PnlOperacion.clear();
        }
    });
}

TResultadoCalculo TMotorCalculadora::ConvertirMoneda(TConversion conversion) {
    if (!HayDatosDeMoneda(info_))
        return {};
    return Atomico([&] {
        TPanelesCalculadora& p = e_.paneles;
        if (p.PnlDisplay.isEmpty())
            return;
        const double valor = ValorDisplay();
        const bool aPropia = conversion == TConversion::AMonedaPropia;
        if (aPropia && info_.Cambio == 0) {
            ErrorDivisionCero();
            return;
        }
        const double resultado = Comprobado(aPropia ? valor / info_.Cambio : valor * info_.Cambio);
        p.PnlOperacion = aPropia ? info_.SimboloDivisa : info_.SimboloPropia;
        p.PnlOperacionNueva = aPropia ? info_.SimboloPropia : info_.SimboloDivisa;
        MostrarOperando1(valor);
        p.PnlOperando2.clear();
        e_.operando1 = resultado;
        MostrarEnDisplay(resultado);
        e_.operacion = TOperacion::Ninguna;
        e_.nuevoNumero = true;
        e_.limpiarPaneles = true;
        e_.mostrarPendiente = false;
    });
}

TBotonConversion TMotorCalculadora::BotonConvMonedaPropia() const {
    if (!HayDatosDeMoneda(info_))
        return {QString(), QStringLiteral("Convertir a moneda propia"), false};
    return {info_.SimboloPropia, QStringLiteral("Convertir a ") + info_.NombrePropia, true};
}

TBotonConversion TMotorCalculadora::BotonConvMonedaDivisa() const {
    if (!HayDatosDeMoneda(info_))
        return {QString(), QStringLiteral("Convertir a divisas"), false};
    return {info_.SimboloDivisa, QStringLiteral("Convertir a ") + info_.NombreDivisa, true};
}
