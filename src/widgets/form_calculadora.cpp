#include "widgets/form_calculadora.h"

#include "ui/avisos.h"
#include "ui/controles_pagina.h"
#include "ui/imagen_svg.h"
#include "ui/informe_errores.h"
#include "ui/panel_resultado.h"
#include "util/excepcion.h"
#include "util/textos_numericos.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace {

const QColor ColorMemoria{0, 128, 0};
const QColor ColorDigito{0, 0, 128};
const QColor ColorOperador{255, 0, 0};
const QColor ColorConstante{128, 0, 128};
const QColor ColorConversion{128, 0, 0};
const QColor FondoOperandos{193, 197, 200};
const QColor FondoDisplay{255, 255, 225};
const QColor FondoRegistro{235, 233, 214};

constexpr QSize TamanoCliente{336, 241};
constexpr int AnchoTecla = 30;
constexpr int AltoTecla = 25;

// Left edges of the keypad's ten columns: memory, digits, operators, clearing
// and constant groups, a little apart from each other.
constexpr int Columna[] = {5, 36, 69, 100, 131, 164, 195, 228, 261, 292};
constexpr int Fila[] = {87, 113, 139, 165};

QRect Tecla(int fila, int columna, int anchoEnTeclas = 1) {
    const int ancho = AnchoTecla * anchoEnTeclas + 3 * (anchoEnTeclas - 1);
    return {Columna[columna], Fila[fila], ancho, AltoTecla};
}

void Colorear(QWidget* control, QPalette::ColorRole papel, const QColor& color) {
    QPalette paleta = control->palette();
    paleta.setColor(papel, color);
    control->setPalette(paleta);
}

QFont FuenteMonoespaciada(int puntos) {
    QFont fuente(QStringLiteral("Courier New"), puntos);
    fuente.setStyleHint(QFont::Monospace);
    fuente.setFixedPitch(true);
    fuente.setBold(true);
    return fuente;
}

}  // namespace

TFmCalculadora::TFmCalculadora(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    FormCreate();
}

void TFmCalculadora::FormCreate() {
    TPanelResultado::RegistrarAccesibilidad();
    setObjectName(QStringLiteral("FmCalculadora"));
    setWindowTitle(QStringLiteral("Calculadora"));
    setFont(QFont(QStringLiteral("Arial"), 9));
    setFocusPolicy(Qt::StrongFocus);

    PnlDatos = new QFrame(this);
    PnlDatos->setObjectName(QStringLiteral("PnlDatos"));
    PnlDatos->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Situar(PnlDatos, {4, 4, 328, 195});
    PnlBotones = new QFrame(this);
    PnlBotones->setObjectName(QStringLiteral("PnlBotones"));
    Situar(PnlBotones, {0, 203, 336, 38});

    CrearDisplay();
    CrearTeclado();
    CrearBotonesConversion();
    CrearBotonesCierre();
    Disponer(1.0);
    Refrescar();
}

void TFmCalculadora::Situar(QWidget* control, const QRect& rect) { diseno_.insert(control, rect); }

// Places every control at its designed geometry times the scale.
void TFmCalculadora::Disponer(double escala) {
    auto escalar = [escala](const QRect& r) {
        return QRect(qRound(r.x() * escala), qRound(r.y() * escala), qRound(r.width() * escala),
                     qRound(r.height() * escala));
    };
    for (auto it = diseno_.cbegin(); it != diseno_.cend(); ++it)
        it.key()->setGeometry(escalar(it.value()));
    setFixedSize(escalar(QRect(QPoint(0, 0), TamanoCliente)).size());
}

void TFmCalculadora::FijarEscalado(bool escalado) {
    escalado_ = escalado;
    Disponer(escalado ? logicalDpiY() / 96.0 : 1.0);
}

TPanelResultado* TFmCalculadora::CrearPanel(const QString& nombre, const QString& accesible, const QRect& rect) {
    auto* panel = new TPanelResultado(PnlDatos);
    panel->setObjectName(nombre);
    panel->setAccessibleName(accesible);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    Situar(panel, rect);
    return panel;
}

void TFmCalculadora::CrearDisplay() {
    PnlOperando1 = CrearPanel(QStringLiteral("PnlOperando1"), QStringLiteral("Primer operando"), {5, 5, 219, 20});
    PnlOperando2 = CrearPanel(QStringLiteral("PnlOperando2"), QStringLiteral("Segundo operando"), {5, 27, 219, 20});
    PnlDisplay = CrearPanel(QStringLiteral("PnlDisplay"), QStringLiteral("Pantalla"), {5, 49, 219, 30});
    PnlOperacion = CrearPanel(QStringLiteral("PnlOperacion"), QStringLiteral("Operación"), {226, 5, 30, 20});
    PnlOperacionNueva =
        CrearPanel(QStringLiteral("PnlOperacionNueva"), QStringLiteral("Operación siguiente"), {226, 49, 30, 30});
    for (TPanelResultado* p : {PnlOperando1, PnlOperando2, PnlOperacion}) {
        Colorear(p, QPalette::Base, FondoOperandos);
        Colorear(p, QPalette::WindowText, Qt::black);
        p->setFont(FuenteMonoespaciada(9));
    }
    for (TPanelResultado* p : {PnlDisplay, PnlOperacionNueva}) {
        Colorear(p, QPalette::Base, FondoDisplay);
        Colorear(p, QPalette::WindowText, QColor(0, 0, 128));
        p->setFont(FuenteMonoespaciada(11));
    }
    for (TPanelResultado* p : {PnlOperacion, PnlOperacionNueva})
        p->setAlignment(Qt::AlignCenter);
}

QToolButton* TFmCalculadora::CrearTecla(const QString& nombre, const QString& caption, const QString& pista,
                                        const QColor& color, const QRect& rect,
                                        std::function<TResultadoCalculo()> operacion) {
    auto* tecla = new QToolButton(PnlDatos);
    tecla->setObjectName(nombre);
    tecla->setText(caption);
    tecla->setFocusPolicy(Qt::NoFocus);
    QFont fuente = font();
    fuente.setBold(true);
    tecla->setFont(fuente);
    Colorear(tecla, QPalette::ButtonText, color);
    // Keys named by a symbol are announced by what they do.
    tecla->setAccessibleName(pista.isEmpty() ? caption : pista.section(QLatin1Char('|'), 0, 0));
    if (!pista.isEmpty())
        AplicarPista(tecla, pista);
    Situar(tecla, rect);
    connect(tecla, &QToolButton::clicked, this, [this, operacion = std::move(operacion)] { Ejecutar(operacion); });
    return tecla;
}

void TFmCalculadora::CrearTeclado() {
    auto digito = [this](int n, int fila, int columna) {
        const QChar tecla(u'0' + n);
        return CrearTecla(QStringLiteral("BtnNum%1").arg(n), QString::number(n), QString(), ColorDigito,
                          Tecla(fila, columna), [this, tecla] { return motor_.PulsarDigito(tecla); });
    };
    BtnNum7 = digito(7, 0, 2), BtnNum8 = digito(8, 0, 3), BtnNum9 = digito(9, 0, 4);
    BtnNum4 = digito(4, 1, 2), BtnNum5 = digito(5, 1, 3), BtnNum6 = digito(6, 1, 4);
    BtnNum1 = digito(1, 2, 2), BtnNum2 = digito(2, 2, 3), BtnNum3 = digito(3, 2, 4);
    BtnNum0 = digito(0, 3, 2);
    BtnSigno = CrearTecla(QStringLiteral("BtnSigno"), QStringLiteral("±"), QString(), ColorDigito, Tecla(3, 3),
                          [this] { return motor_.CambiarSigno(); });
    BtnSigno->setAccessibleName(QStringLiteral("Cambiar el signo"));
    BtnPunto = CrearTecla(QStringLiteral("BtnPunto"), QStringLiteral("·"), QString(), ColorDigito, Tecla(3, 4),
                          [this] { return motor_.PulsarDigito(QLatin1Char('.')); });
    BtnPunto->setAccessibleName(QStringLiteral("Separador decimal"));

    auto operador = [this](const char* nombre, const QString& caption, const char* pista, TOperacion op, int fila,
                           int columna) {
        return CrearTecla(QString::fromLatin1(nombre), caption, QString::fromUtf8(pista), ColorOperador,
                          Tecla(fila, columna), [this, op] { return motor_.PulsarOperador(op); });
    };
    BtnDividir = operador("BtnDividir", QStringLiteral("/"), "Dividir", TOperacion::Dividir, 0, 5);
    BtnPorcentaje = operador("BtnPorcentaje", QStringLiteral("%"), "Porcentaje", TOperacion::Porcentaje, 0, 6);
    BtnMultiplicar = operador("BtnMultiplicar", QStringLiteral("x"), "Multiplicar", TOperacion::Multiplicar, 1, 5);
    BtnRestar = operador("BtnRestar", QStringLiteral("–"), "Restar", TOperacion::Restar, 2, 5);
    BtnSumar = operador("BtnSumar", QStringLiteral("+"), "Sumar", TOperacion::Sumar, 3, 5);
    BtnInverso = CrearTecla(QStringLiteral("BtnInverso"), QStringLiteral("1/x"), QStringLiteral("Inverso"),
                            ColorOperador, Tecla(1, 6), [this] { return motor_.Inverso(); });
    BtnRaizCuadrada = CrearTecla(QStringLiteral("BtnRaizCuadrada"), QStringLiteral("V¯"),
                                 QStringLiteral("Raíz cuadrada"), ColorOperador, Tecla(2, 6),
                                 [this] { return motor_.RaizCuadrada(); });
    BtnIgual = CrearTecla(QStringLiteral("BtnIgual"), QStringLiteral("="), QStringLiteral("Calcular la operación"),
                          ColorOperador, Tecla(3, 6, 2), [this] { return motor_.Igual(); });

    BtnRetroceso = CrearTecla(QStringLiteral("BtnRetroceso"), QString(), QStringLiteral("Borrar el último dígito"),
                              ColorOperador, Tecla(0, 7), [this] { return motor_.Retroceso(); });
    BtnRetroceso->setIcon(IconoSvg(QStringLiteral(":/icons/retroceso.svg"), QSize(16, 16)));
    BtnBorrar = CrearTecla(QStringLiteral("BtnBorrar"), QStringLiteral("CL"), QStringLiteral("Borrar el último dato"),
                           ColorOperador, Tecla(1, 7), [this] { return motor_.Borrar(); });
    BtnBorrarTodo = CrearTecla(QStringLiteral("BtnBorrarTodo"), QStringLiteral("CA"),
                               QStringLiteral("Borrar todos los datos"), ColorOperador, Tecla(2, 7),
                               [this] { return motor_.BorrarTodo(); });

    auto registro = [this](const char* nombre, const QString& caption, const char* pista, const QColor& color,
                           int fila, int columna, std::function<TResultadoCalculo()> operacion) {
        return CrearTecla(QString::fromLatin1(nombre), caption, QString::fromUtf8(pista), color,
                          Tecla(fila, columna), std::move(operacion));
    };
    BtnMS = registro("BtnMS", QStringLiteral("MS"), "Guardar el dato en memoria", ColorMemoria, 0, 0,
                     [this] { return motor_.GuardarMemoria(); });
    BtnMR = registro("BtnMR", QStringLiteral("MR"), "Recuperar el valor de la memoria", ColorMemoria, 1, 0,
                     [this] { return motor_.RecuperarMemoria(); });
    BtnMC = registro("BtnMC", QStringLiteral("MC"), "Borrar la memoria", ColorMemoria, 1, 1,
                     [this] { return motor_.BorrarMemoria(); });
    BtnMSumar = registro("BtnMSumar", QStringLiteral("M+"), "Sumar el dato a la memoria", ColorMemoria, 2, 0,
                         [this] { return motor_.OperarMemoria(TOperacion::Sumar); });
    BtnMRestar = registro("BtnMRestar", QStringLiteral("M–"), "Restar el dato de la memoria", ColorMemoria, 2, 1,
                          [this] { return motor_.OperarMemoria(TOperacion::Restar); });
    BtnMMultiplicar = registro("BtnMMultiplicar", QStringLiteral("Mx"), "Multiplicar el dato por la memoria",
                               ColorMemoria, 3, 0, [this] { return motor_.OperarMemoria(TOperacion::Multiplicar); });
    BtnMDividir = registro("BtnMDividir", QStringLiteral("M/"), "Dividir el dato entre la memoria", ColorMemoria, 3,
                           1, [this] { return motor_.OperarMemoria(TOperacion::Dividir); });
    BtnKS = registro("BtnKS", QStringLiteral("KS"), "Guardar el dato como constante", ColorConstante, 0, 8,
                     [this] { return motor_.GuardarConstante(); });
    BtnKR = registro("BtnKR", QStringLiteral("KR"), "Recuperar el valor de la constante", ColorConstante, 1, 8,
                     [this] { return motor_.RecuperarConstante(); });
    BtnKC = registro("BtnKC", QStringLiteral("KC"), "Borrar la constante", ColorConstante, 1, 9,
                     [this] { return motor_.BorrarConstante(); });
    BtnKSumar = registro("BtnKSumar", QStringLiteral("K+"), "Sumar la constante al dato", ColorConstante, 2, 8,
                         [this] { return motor_.OperarConstante(TOperacion::Sumar); });
    BtnKRestar = registro("BtnKRestar", QStringLiteral("K–"), "Restar la constante al dato", ColorConstante, 2, 9,
                          [this] { return motor_.OperarConstante(TOperacion::Restar); });
    BtnKMultiplicar =
        registro("BtnKMultiplicar", QStringLiteral("Kx"), "Multiplicar la constante por el dato", ColorConstante, 3,
                 8, [this] { return motor_.OperarConstante(TOperacion::Multiplicar); });
    BtnKDividir = registro("BtnKDividir", QStringLiteral("K/"), "Dividir el dato entre la constante", ColorConstante,
                           3, 9, [this] { return motor_.OperarConstante(TOperacion::Dividir); });

    PnlMemoria = CrearPanel(QStringLiteral("PnlMemoria"), QStringLiteral("Memoria"), Tecla(0, 1));
    PnlConstante = CrearPanel(QStringLiteral("PnlConstante"), QStringLiteral("Constante"), Tecla(0, 9));
    for (TPanelResultado* p : {PnlMemoria, PnlConstante}) {
        Colorear(p, QPalette::Base, FondoRegistro);
        p->setAlignment(Qt::AlignCenter);
        p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        QFont fuente = font();
        fuente.setBold(true);
        p->setFont(fuente);
    }
    Colorear(PnlMemoria, QPalette::WindowText, ColorMemoria);
    Colorear(PnlConstante, QPalette::WindowText, ColorConstante);
}

void TFmCalculadora::CrearBotonesConversion() {
    auto conversion = [this](const char* nombre, const TBotonConversion& datos, int top, TConversion hacia) {
        QToolButton* t = CrearTecla(QString::fromLatin1(nombre), datos.Caption, datos.Hint, ColorConversion,
                                    QRect(261, top, 61, 37), [this, hacia] { return motor_.ConvertirMoneda(hacia); });
        t->setEnabled(datos.Enabled);
        return t;
    };
    BtnConvMonedaPropia =
        conversion("BtnConvMonedaPropia", motor_.BotonConvMonedaPropia(), 5, TConversion::AMonedaPropia);
    BtnConvMonedaDivisa = conversion("BtnConvMonedaDivisa", motor_.BotonConvMonedaDivisa(), 42, TConversion::ADivisa);
}

void TFmCalculadora::CrearBotonesCierre() {
    auto boton = [this](const char* nombre, const QString& caption, const QString& pista, const QRect& rect) {
        auto* b = new QPushButton(caption, PnlBotones);
        b->setObjectName(QString::fromLatin1(nombre));
        b->setFocusPolicy(Qt::NoFocus);  // out of the Tab order, as the keys
        b->setAutoDefault(false);        // Enter means equals, never "&Enviar"
        b->setAccessibleName(SinAcelerador(caption));
        AplicarPista(b, pista);
        Situar(b, rect);
        return b;
    };
    BtnEnviar = boton("BtnEnviar", QStringLiteral("&Enviar"),
                      QStringLiteral("Enviar resultado al campo y salir|Cerrar la calculadora y enviar el dato al "
                                     "campo de edición"),
                      {162, 6, 82, 26});
    BtnEnviar->setIcon(IconoSvg(QStringLiteral(":/icons/enviar.svg"), QSize(16, 16)));
    BtnCancelar = boton("BtnCancelar", QStringLiteral("&Cancelar"),
                        QStringLiteral("Cancelar los cálculos y salir|Cerrar la calculadora sin enviar el dato al "
                                       "campo de edición"),
                        {250, 6, 82, 26});
    BtnCancelar->setIcon(IconoSvg(QStringLiteral(":/icons/boton_cancelar.svg"), QSize(16, 16)));
    connect(BtnEnviar, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void TFmCalculadora::FijarPuedeEnviar(bool puede) {
    motor_.FijarPuedeEnviar(puede);
    Refrescar();
}

TResultadoCalculo TFmCalculadora::MostrarValor(double valor) {
    const TResultadoCalculo resultado = motor_.MostrarValor(valor);
    Refrescar();
    return resultado;
}

void TFmCalculadora::Ejecutar(const std::function<TResultadoCalculo()>& operacion) {
    TResultadoCalculo resultado;
    EjecutarProtegido([&] { resultado = operacion(); });
    if (!resultado.Hecho())
        Avisar(QStringLiteral("Error"), resultado.mensaje, AvisoError);
    Refrescar();
}

void TFmCalculadora::Refrescar() {
    const TPanelesCalculadora& p = motor_.Paneles();
    PnlDisplay->setText(p.PnlDisplay);
    PnlOperando1->setText(p.PnlOperando1);
    PnlOperando2->setText(p.PnlOperando2);
    PnlOperacion->setText(p.PnlOperacion);
    PnlOperacionNueva->setText(p.PnlOperacionNueva);
    PnlMemoria->setText(p.PnlMemoria);
    PnlConstante->setText(p.PnlConstante);
    AplicarPista(PnlMemoria, p.HintMemoria);
    AplicarPista(PnlConstante, p.HintConstante);
    BtnEnviar->setEnabled(motor_.EnviarHabilitado());
}

void TFmCalculadora::CopiarDisplay() {
    const QString display = motor_.Paneles().PnlDisplay;
    QGuiApplication::clipboard()->setText(display.isEmpty() ? QStringLiteral("0") : display);
}

void TFmCalculadora::PegarNumero() {
    const QString texto = QGuiApplication::clipboard()->text().trimmed();
    double valor = 0;
    try {
        valor = LeerImporte(texto);
    } catch (const EConvertError& error) {
        Avisar(QStringLiteral("Error"), QString::fromStdString(error.what()), AvisoError);
        return;
    }
    Ejecutar([&] { return motor_.PegarNumero(valor); });
}

void TFmCalculadora::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Copy)) {
        CopiarDisplay();
        return;
    }
    if (evento->matches(QKeySequence::Paste)) {
        PegarNumero();
        return;
    }
    QChar tecla;
    switch (evento->key()) {
    case Qt::Key_Escape:
        BtnCancelar->click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: tecla = QLatin1Char('\r'); break;
    case Qt::Key_Backspace: tecla = QLatin1Char('\b'); break;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        // The keypad's decimal key writes "." or "," by keyboard layout; on
        // the keypad either one means the separator.
        if (evento->modifiers() & Qt::KeypadModifier) {
            tecla = QLatin1Char('.');
            break;
        }
        [[fallthrough]];
    default:
        if (evento->text().isEmpty()) {
            QDialog::keyPressEvent(evento);
            return;
        }
        tecla = evento->text().front();
    }
    evento->accept();
    // A key that is not the calculator's is swallowed all the same.
    Ejecutar([&] { return motor_.PulsarTecla(tecla).value_or(TResultadoCalculo()); });
}
