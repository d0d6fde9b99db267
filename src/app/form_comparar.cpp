#include "app/form_comparar.h"

#include "app/dialogo_condiciones.h"
#include "reports/form_rpt_comparacion.h"
#include "reports/form_vista_previa.h"
#include "reports/fuente_filas.h"
#include "schedules/exportacion_csv.h"
#include "ui/avisos.h"
#include "ui/ayuda.h"
#include "ui/controles_pagina.h"
#include "ui/informe_errores.h"
#include "ui/utilidades_ventana.h"
#include "widgets/graficos/grafico.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kTitulo = QStringLiteral("Comparar ofertas de préstamo");
const QString kMarca = QStringLiteral(" ★");
constexpr int kAyudaPrestamos = 6120;

// Rows of the window's grid.
enum Fila { FilaTitulos, FilaCapital, FilaInteres, FilaNum, FilaAportacion, FilaCondiciones, FilaCopiar, FilaQuitar,
            FilaSeparador, FilaCifras };

// The printed report reads the same texts the window copies.
class FilasTextos : public FuenteFilas {
public:
    explicit FilasTextos(QList<QStringList> filas) : filas_(std::move(filas)) {}
    QString Celda(int columna, int fila) const override { return filas_.value(fila).value(columna); }
    int Cantidad() const { return int(filas_.size()); }

private:
    QList<QStringList> filas_;
};

template <typename Manejador>
void AlPulsar(QPushButton* boton, QObject* contexto, Manejador manejador) {
    QObject::connect(boton, &QPushButton::clicked, contexto, [manejador] { EjecutarProtegido(manejador); });
}

QLabel* Rotulo(const QString& texto, QWidget* padre, Qt::Alignment alineacion = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* rotulo = new QLabel(texto, padre);
    rotulo->setAlignment(alineacion);
    return rotulo;
}

}  // namespace

TFormComparar::TFormComparar(QWidget* padre, std::function<finance::EntradaPrestamo()> prestamoDeLaPagina)
    : QDialog(padre), prestamoDeLaPagina_(std::move(prestamoDeLaPagina)) {
    setObjectName(QStringLiteral("FormComparar"));
    setWindowTitle(kTitulo);
    // F1 opens the loans page's topic, which tells of the comparison.
    FijarContextoAyuda(this, kAyudaPrestamos);
    auto* rejilla = new QGridLayout(this);
    rejilla->setHorizontalSpacing(8);
    const QStringList rotulos{QString(), QStringLiteral("&Capital"), QStringLiteral("Int&erés"),
                              QStringLiteral("&Nº Cuotas"), QStringLiteral("&Aportaciones")};
    for (int f = FilaCapital; f <= FilaAportacion; ++f)
        rejilla->addWidget(Rotulo(rotulos[f], this), f, 0);
    auto* linea = new QFrame(this);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);
    rejilla->addWidget(linea, FilaSeparador, 0, 1, finance::kMaxOfertas + 1);
    const QStringList captions = finance::TitulosFilasComparacion();
    for (int f = 0; f < finance::kFilasComparacion; ++f)
        rejilla->addWidget(Rotulo(captions[f], this), FilaCifras + f, 0);
    for (int i = 0; i < finance::kMaxOfertas; ++i)
        CrearColumna(rejilla, i);
    // Each caption's accelerator goes to the first offer's box.
    for (int f = FilaCapital; f <= FilaAportacion; ++f) {
        auto* rotulo = qobject_cast<QLabel*>(rejilla->itemAtPosition(f, 0)->widget());
        rotulo->setBuddy(rejilla->itemAtPosition(f, 1)->widget());
    }
    CrearBotones(rejilla, FilaCifras + finance::kFilasComparacion);
    GraficoPendiente = new TGrafico(DatosGrafico{}, this);
    GraficoPendiente->setObjectName(QStringLiteral("GraficoPendiente"));
    GraficoPendiente->setMinimumSize(340, 300);
    rejilla->addWidget(GraficoPendiente, FilaTitulos, finance::kMaxOfertas + 1, FilaCifras + finance::kFilasComparacion,
                       1);
    MostrarColumnas();
    Olvidar();
}

void TFormComparar::CrearColumna(QGridLayout* rejilla, int i) {
    ColumnaOferta& c = Columnas[std::size_t(i)];
    const QString oferta = QStringLiteral("oferta %1").arg(i + 1);
    c.titulo = Rotulo(QStringLiteral("Oferta %1").arg(i + 1), this, Qt::AlignCenter);
    QFont negrita = c.titulo->font();
    negrita.setBold(true);
    c.titulo->setFont(negrita);
    rejilla->addWidget(c.titulo, FilaTitulos, i + 1);
    auto campo = [&](Fila fila, const QString& nombre, const QString& rotulo, const QString& pista) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1%2").arg(nombre).arg(i + 1));
        edit->setAccessibleName(QStringLiteral("%1, %2").arg(rotulo, oferta));
        AplicarPista(edit, pista);
        edit->setAlignment(Qt::AlignRight);
        edit->setMinimumWidth(90);
        connect(edit, &QLineEdit::textChanged, this, [this] { Olvidar(); });
        rejilla->addWidget(edit, fila, i + 1);
        return edit;
    };
    c.EditCapital = campo(FilaCapital, QStringLiteral("Capital"), QStringLiteral("Capital"),
                          QStringLiteral("Capital del préstamo solicitado"));
    c.EditInteres = campo(FilaInteres, QStringLiteral("Interes"), QStringLiteral("Interés"),
                          QStringLiteral("Interés anual nominal del préstamo"));
    c.EditNum = campo(FilaNum, QStringLiteral("Num"), QStringLiteral("Nº Cuotas"),
                      QStringLiteral("Número de cuotas del préstamo"));
    c.CbAportacion = new QComboBox(this);
    c.CbAportacion->setObjectName(QStringLiteral("CbAportacion%1").arg(i + 1));
    c.CbAportacion->addItems({QStringLiteral("Final período"), QStringLiteral("Inicio período")});
    c.CbAportacion->setAccessibleName(QStringLiteral("Aportaciones, %1").arg(oferta));
    AplicarPista(c.CbAportacion, QStringLiteral("Momento en el que se pagan las cuotas en cada período"));
    connect(c.CbAportacion, &QComboBox::currentIndexChanged, this, [this] { Olvidar(); });
    rejilla->addWidget(c.CbAportacion, FilaAportacion, i + 1);

    auto boton = [&](Fila fila, const QString& texto, const QString& nombre, const QString& pista) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(QStringLiteral("%1%2").arg(nombre).arg(i + 1));
        b->setAccessibleName(QStringLiteral("%1, %2").arg(QString(texto).remove(u'&'), oferta));
        AplicarPista(b, pista);
        b->setAutoDefault(false);
        rejilla->addWidget(b, fila, i + 1);
        return b;
    };
    c.BtnCondiciones = boton(FilaCondiciones, QStringLiteral("Condiciones…"), QStringLiteral("BtnCondiciones"),
                             QStringLiteral("Periodicidad, gastos, sistema, carencia, tipo de interés y costes de "
                                            "esta oferta"));
    c.BtnCopiarPagina = boton(FilaCopiar, QStringLiteral("Copiar préstamo"), QStringLiteral("BtnCopiarPagina"),
                              QStringLiteral("Copiar en esta columna el préstamo de la página Préstamos, con sus "
                                             "condiciones"));
    c.BtnQuitar = boton(FilaQuitar, QStringLiteral("Quitar"), QStringLiteral("BtnQuitar"),
                        QStringLiteral("Quitar esta oferta de la comparación"));
    AlPulsar(c.BtnCondiciones, this, [this, i] { BtnCondicionesClick(i); });
    AlPulsar(c.BtnCopiarPagina, this, [this, i] { BtnCopiarPaginaClick(i); });
    AlPulsar(c.BtnQuitar, this, [this, i] { BtnQuitarClick(i); });

    for (int f = 0; f < finance::kFilasComparacion; ++f) {
        QLabel* cifra = Rotulo(QString(), this, Qt::AlignRight | Qt::AlignVCenter);
        cifra->setObjectName(QStringLiteral("LblCifra%1_%2").arg(i + 1).arg(f + 1));
        cifra->setTextInteractionFlags(Qt::TextSelectableByMouse);
        c.cifras[std::size_t(f)] = cifra;
        rejilla->addWidget(cifra, FilaCifras + f, i + 1);
    }
}

void TFormComparar::CrearBotones(QGridLayout* rejilla, int fila) {
    auto* botones = new QHBoxLayout;
    auto boton = [&](const QString& texto, const QString& nombre, const QString& pista) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(nombre);
        b->setAccessibleName(QString(texto).remove(u'&').remove(QStringLiteral("…")));
        AplicarPista(b, pista);
        b->setAutoDefault(false);
        botones->addWidget(b);
        return b;
    };
    BtnAnadir = boton(QStringLiteral("Aña&dir oferta"), QStringLiteral("BtnAnadir"),
                      QStringLiteral("Añadir una columna para otra oferta (hasta cuatro)"));
    BtnComparar = boton(QStringLiteral("C&omparar"), QStringLiteral("BtnComparar"),
                        QStringLiteral("Calcular las cifras de cada oferta y marcar la mejor de cada fila"));
    BtnComparar->setDefault(true);
    BtnCopiar = boton(QStringLiteral("Co&piar"), QStringLiteral("BtnCopiar"),
                      QStringLiteral("Copiar la comparación como texto separado por tabuladores (Ctrl+C)"));
    BtnExportar = boton(QStringLiteral("E&xportar CSV…"), QStringLiteral("BtnExportar"),
                        QStringLiteral("Guardar la comparación en un fichero CSV"));
    BtnImprimir = boton(QStringLiteral("&Imprimir…"), QStringLiteral("BtnImprimir"),
                        QStringLiteral("Vista previa e impresión de la comparación (Ctrl+P)"));
    botones->addStretch(1);
    BtnCerrar = boton(QStringLiteral("Cerrar"), QStringLiteral("BtnCerrar"), QStringLiteral("Cerrar la ventana"));
    rejilla->addLayout(botones, fila, 0, 1, finance::kMaxOfertas + 1);
    // The file's buttons on a line of their own, so that four offers and
    // the chart still fit a small screen's width.
    botones = new QHBoxLayout;
    BtnGuardar = boton(QStringLiteral("&Guardar…"), QStringLiteral("BtnGuardar"),
                       QStringLiteral("Guardar las ofertas en un fichero de cálculo (Ctrl+S)"));
    BtnAbrir = boton(QStringLiteral("A&brir…"), QStringLiteral("BtnAbrir"),
                     QStringLiteral("Abrir las ofertas de un fichero de cálculo (Ctrl+O)"));
    botones->addStretch(1);
    rejilla->addLayout(botones, fila + 1, 0, 1, finance::kMaxOfertas + 1);
    AlPulsar(BtnAnadir, this, [this] { BtnAnadirClick(); });
    AlPulsar(BtnComparar, this, [this] { BtnCompararClick(); });
    AlPulsar(BtnCopiar, this, [this] { BtnCopiarClick(); });
    AlPulsar(BtnExportar, this, [this] { BtnExportarClick(); });
    AlPulsar(BtnImprimir, this, [this] { BtnImprimirClick(); });
    AlPulsar(BtnGuardar, this, [this] { GuardarOfertas(); });
    AlPulsar(BtnAbrir, this, [this] { AbrirConDialogo(); });
    connect(BtnCerrar, &QPushButton::clicked, this, &QDialog::close);

    // Ctrl+C copies the comparison unless a box holds the focus, which
    // copies its own selected text as always.
    AccCopiar = new QAction(QStringLiteral("Copiar"), this);
    AccCopiar->setShortcut(QKeySequence::Copy);
    connect(AccCopiar, &QAction::triggered, this, [this] { EjecutarProtegido([this] { BtnCopiarClick(); }); });
    AccImprimir = new QAction(QStringLiteral("Imprimir"), this);
    AccImprimir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(AccImprimir, &QAction::triggered, this, [this] { EjecutarProtegido([this] { BtnImprimirClick(); }); });
    AccGuardar = new QAction(QStringLiteral("Guardar"), this);
    AccGuardar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(AccGuardar, &QAction::triggered, this, [this] { EjecutarProtegido([this] { GuardarOfertas(); }); });
    AccAbrir = new QAction(QStringLiteral("Abrir"), this);
    AccAbrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(AccAbrir, &QAction::triggered, this, [this] { EjecutarProtegido([this] { AbrirConDialogo(); }); });
    addActions({AccCopiar, AccImprimir, AccGuardar, AccAbrir});
}

void TFormComparar::MostrarColumnas() {
    for (int i = 0; i < finance::kMaxOfertas; ++i) {
        const ColumnaOferta& c = Columnas[std::size_t(i)];
        const bool visible = i < visibles_;
        for (QWidget* w : std::initializer_list<QWidget*>{c.titulo, c.EditCapital, c.EditInteres, c.EditNum,
                                                          c.CbAportacion, c.BtnCondiciones, c.BtnCopiarPagina,
                                                          c.BtnQuitar})
            w->setVisible(visible);
        for (QLabel* cifra : c.cifras)
            cifra->setVisible(visible);
        c.BtnQuitar->setEnabled(visibles_ > finance::kMinOfertas);
    }
    BtnAnadir->setEnabled(visibles_ < finance::kMaxOfertas);
    adjustSize();
    // A wider window may now cross the screen's edge: move it back inside.
    if (isVisible())
        AjustarAPantalla(this);
}

finance::EntradaPrestamo TFormComparar::Oferta(int i) const {
    const ColumnaOferta& c = Columnas[std::size_t(i)];
    finance::EntradaPrestamo e;
    e.capital = c.EditCapital->text();
    e.interes = c.EditInteres->text();
    e.numCuotas = c.EditNum->text();
    e.timing = c.CbAportacion->currentIndex() == 1 ? finance::PaymentTiming::StartOfPeriod
                                                   : finance::PaymentTiming::EndOfPeriod;
    e.condiciones = c.condiciones;
    return e;
}

void TFormComparar::PonerOferta(int i, const finance::EntradaPrestamo& e) {
    ColumnaOferta& c = Columnas[std::size_t(i)];
    c.EditCapital->setText(e.capital);
    c.EditInteres->setText(e.interes);
    c.EditNum->setText(e.numCuotas);
    c.CbAportacion->setCurrentIndex(e.timing == finance::PaymentTiming::StartOfPeriod ? 1 : 0);
    c.condiciones = e.condiciones;
    c.BtnCondiciones->setText(e.condiciones.HayCondiciones() ? QStringLiteral("Condiciones… ✓")
                                                             : QStringLiteral("Condiciones…"));
    Olvidar();
}

void TFormComparar::BtnAnadirClick() {
    if (visibles_ >= finance::kMaxOfertas)
        return;
    PonerOferta(visibles_, finance::EntradaPrestamo{});
    ++visibles_;
    MostrarColumnas();
    Columnas[std::size_t(visibles_ - 1)].EditCapital->setFocus();
    Olvidar();
}

// The offers after the one removed move one column to the left.
void TFormComparar::BtnQuitarClick(int i) {
    if (visibles_ <= finance::kMinOfertas || i >= visibles_)
        return;
    for (int j = i; j + 1 < visibles_; ++j)
        PonerOferta(j, Oferta(j + 1));
    --visibles_;
    MostrarColumnas();
    Olvidar();
}

void TFormComparar::BtnCopiarPaginaClick(int i) {
    if (prestamoDeLaPagina_)
        PonerOferta(i, prestamoDeLaPagina_());
}

void TFormComparar::BtnCondicionesClick(int i) {
    const std::optional<finance::CondicionesPrestamo> condiciones =
        PedirCondiciones(this, Columnas[std::size_t(i)].condiciones);
    if (!condiciones)
        return;
    finance::EntradaPrestamo e = Oferta(i);
    e.condiciones = *condiciones;
    PonerOferta(i, e);
}

void TFormComparar::BtnCompararClick() {
    Olvidar();
    std::vector<finance::EntradaPrestamo> ofertas;
    for (int i = 0; i < visibles_; ++i)
        ofertas.push_back(Oferta(i));
    try {
        comparacion_ = finance::CompararPrestamos(ofertas);
    } catch (const finance::EOfertaRechazada& e) {
        Avisar(kTitulo, e.Mensaje(), AvisoAtencion);
        return;
    }
    MostrarCifras();
}

void TFormComparar::Olvidar() {
    if (comparacion_ && GraficoPendiente)
        GraficoPendiente->FijarDatos(DatosGrafico{});
    comparacion_.reset();
    for (ColumnaOferta& c : Columnas)
        for (QLabel* cifra : c.cifras) {
            cifra->clear();
            cifra->setAccessibleName(QString());
        }
}

void TFormComparar::MostrarCifras() {
    GraficoPendiente->FijarDatos(finance::GraficoPendiente(*comparacion_));
    const QStringList captions = finance::TitulosFilasComparacion();
    for (int i = 0; i < visibles_; ++i) {
        const finance::CifrasOferta& o = comparacion_->ofertas[std::size_t(i)];
        for (int f = 0; f < finance::kFilasComparacion; ++f) {
            const auto fila = finance::FilaComparacion(f);
            const bool mejor = comparacion_->EsMejor(fila, std::size_t(i));
            const QString texto = finance::TextoCifraComparacion(fila, o.Cifra(fila));
            QLabel* cifra = Columnas[std::size_t(i)].cifras[std::size_t(f)];
            cifra->setText(texto.isEmpty() ? QStringLiteral("—") : mejor ? texto + kMarca : texto);
            QFont letra = cifra->font();
            letra.setBold(mejor);
            cifra->setFont(letra);
            // A screen reader hears the row, the offer, the figure and
            // whether it is the best.
            cifra->setAccessibleName(QStringLiteral("%1, oferta %2: %3%4")
                                         .arg(captions[f])
                                         .arg(i + 1)
                                         .arg(texto.isEmpty() ? QStringLiteral("no se aplica") : texto,
                                              mejor ? QStringLiteral(", mejor") : QString()));
        }
    }
}

QList<QStringList> TFormComparar::Textos() const {
    if (!comparacion_)
        return {};
    QList<QStringList> filas = finance::TextosComparacion(*comparacion_);
    const QList<QStringList> datos = finance::TextosDatosOfertas(*comparacion_);
    for (qsizetype k = 0; k < datos.size(); ++k)
        filas.insert(1 + k, datos[k]);
    return filas;
}

bool TFormComparar::HayCifras() const {
    if (comparacion_)
        return true;
    Avisar(kTitulo, QStringLiteral("Pulse Comparar para calcular las cifras de las ofertas."), AvisoAtencion);
    return false;
}

void TFormComparar::BtnCopiarClick() {
    if (!HayCifras())
        return;
    QString texto;
    for (const QStringList& fila : Textos())
        texto += fila.join(u'\t') + u'\n';
    QGuiApplication::clipboard()->setText(texto);
}

void TFormComparar::BtnExportarClick() {
    if (HayCifras())
        ExportarCsv(this, Textos());
}

void TFormComparar::BtnImprimirClick() {
    if (!HayCifras())
        return;
    const FilasTextos filas(Textos());
    const int datos = int(finance::TextosDatosOfertas(*comparacion_).size());
    TFormRptComparacion informe(visibles_, datos);
    informe.AnadirPaginaGraficos({finance::GraficoPendiente(*comparacion_)});
    informe.FijarFuente(&filas);
    informe.FilasInforme = filas.Cantidad();
    informe.LblTitulo->texto = kTitulo;
    informe.LblOfertas->texto = QString::number(visibles_);
    MostrarPreliminar(informe.Informe(), true, true, this);
}
