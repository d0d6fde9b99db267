#include "widgets/form_calendario.h"

#include "ui/controles_pagina.h"
#include "ui/imagen_svg.h"
#include "ui/informe_errores.h"
#include "util/fechas.h"
#include "widgets/boton_repeticion.h"
#include "widgets/calendario_2000.h"
#include "widgets/disposicion_mes.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int kPrimerAnioLista = kPrimerAnioFecha;
constexpr int kUltimoAnioLista = kUltimoAnioFecha;

const QColor Marino(0, 0, 128);
const QColor Amarillo(255, 255, 0);
const QColor AmarilloClaro(255, 255, 225);

QFont Negrita(int puntos = 9) {
    QFont f(QStringLiteral("Arial"), puntos);
    f.setBold(true);
    return f;
}

void ColorTexto(QWidget* w, const QColor& texto) {
    QPalette p = w->palette();
    p.setColor(QPalette::ButtonText, texto);
    p.setColor(QPalette::WindowText, texto);
    p.setColor(QPalette::Text, texto);
    w->setPalette(p);
}

// Runs a handler of the window; an exception goes to the general error report.
template <typename F>
auto Protegido(F f) {
    return [f] { EjecutarProtegido(f); };
}

}  // namespace

TFmCalendario::TFmCalendario(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("FmCalendario"));
    setWindowTitle(QStringLiteral("Seleccionar una fecha"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(382, 330);
    CrearControles();
    FormCreate();
}

void TFmCalendario::CrearControles() {
    CrearNavegacion();

    LblFecha = new QLabel(this);
    LblFecha->setObjectName(QStringLiteral("LblFecha"));
    LblFecha->setGeometry(10, 46, 362, 28);
    LblFecha->setAlignment(Qt::AlignCenter);
    LblFecha->setFont(Negrita(11));
    LblFecha->setAutoFillBackground(true);
    QPalette p = LblFecha->palette();
    p.setColor(QPalette::Window, Marino);
    p.setColor(QPalette::WindowText, Amarillo);
    LblFecha->setPalette(p);
    LblFecha->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    AplicarPista(LblFecha, QStringLiteral("Fecha seleccionada"));

    Cal2000 = new tCalendario2000(this);
    Cal2000->setObjectName(QStringLiteral("Cal2000"));
    Cal2000->setGeometry(32, 84, 318, 143);
    Cal2000->SetColor(clWhite);
    Cal2000->Font().SetStyle(fsBold);
    Cal2000->SetColorFontFiesta(clRed);
    Cal2000->SetfMarcarDiaSelec(true);
    Cal2000->setAccessibleName(QStringLiteral("Calendario"));
    Cal2000->OnChange = [this](TCalendar&) { CalendarioChange(); };
    Cal2000->OnDblClick = [this](TCalendar&) { Cal2000DblClick(); };

    BtnFechaHoy = new QToolButton(this);
    BtnFechaHoy->setObjectName(QStringLiteral("BtnFechaHoy"));
    BtnFechaHoy->setGeometry(32, 235, 318, 26);
    BtnFechaHoy->setFocusPolicy(Qt::NoFocus);
    BtnFechaHoy->setAutoRaise(true);
    BtnFechaHoy->setFont(Negrita());
    ColorTexto(BtnFechaHoy, Marino);
    AplicarPista(BtnFechaHoy, QStringLiteral("Seleccionar la fecha de hoy"));
    connect(BtnFechaHoy, &QToolButton::clicked, this, Protegido([this] { BtnFechaHoyClick(); }));

    BtnAceptar = new QPushButton(IconoSvg(QStringLiteral(":/icons/boton_aceptar.svg"), QSize(16, 16)),
                                 QStringLiteral("&Aceptar"), this);
    BtnAceptar->setObjectName(QStringLiteral("BtnAceptar"));
    BtnAceptar->setGeometry(88, 282, 100, 32);
    BtnAceptar->setDefault(true);
    BtnAceptar->setAccessibleName(QStringLiteral("Aceptar"));
    connect(BtnAceptar, &QPushButton::clicked, this, Protegido([this] { BtnAceptarClick(); }));
    BtnAceptar->installEventFilter(this);

    BtnCancelar = new QPushButton(IconoSvg(QStringLiteral(":/icons/boton_cancelar.svg"), QSize(16, 16)),
                                  QStringLiteral("&Cancelar"), this);
    BtnCancelar->setObjectName(QStringLiteral("BtnCancelar"));
    BtnCancelar->setGeometry(196, 282, 100, 32);
    BtnCancelar->setAccessibleName(QStringLiteral("Cancelar"));
    connect(BtnCancelar, &QPushButton::clicked, this, &QDialog::reject);

    CrearListas();
    setTabOrder(Cal2000, BtnAceptar);
    setTabOrder(BtnAceptar, BtnCancelar);
}

void TFmCalendario::CrearNavegacion() {
    auto toggle = [this](const QString& nombre, const QString& caption, const QString& accesible,
                         const QString& pista, int x) {
        auto* b = new QToolButton(this);
        b->setObjectName(nombre);
        b->setText(caption);
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(x, 10, 100, 28);
        b->setFont(Negrita());
        ColorTexto(b, Marino);
        b->setAccessibleName(accesible);
        AplicarPista(b, pista);
        return b;
    };
    auto flecha = [this](const QString& nombre, const QString& icono, const QString& pista, int x) {
        auto* b = new tRepButton(this);
        b->setObjectName(nombre);
        b->setIcon(IconoSvg(icono, QSize(16, 16)));
        b->setIconSize(QSize(16, 16));
        b->setGeometry(x, 10, 28, 28);
        b->SetfRepeticion(true);
        b->SetRepeatPause(100);
        b->SetInitRepeatPause(400);
        b->setAccessibleName(pista);
        AplicarPista(b, pista);
        return b;
    };
    BtnMesAnt = flecha(QStringLiteral("BtnMesAnt"), QStringLiteral(":/icons/mes_anterior.svg"),
                       QStringLiteral("Mes anterior"), 10);
    BtnMes = toggle(QStringLiteral("BtnMes"), QStringLiteral("&Mes"), QStringLiteral("Mes"),
                    QStringLiteral("Cambiar el mes"), 42);
    BtnMesSig = flecha(QStringLiteral("BtnMesSig"), QStringLiteral(":/icons/mes_siguiente.svg"),
                       QStringLiteral("Mes siguiente"), 146);
    BtnAnoAnt = flecha(QStringLiteral("BtnAnoAnt"), QStringLiteral(":/icons/anio_anterior.svg"),
                       QStringLiteral("Año anterior"), 208);
    BtnAnio = toggle(QStringLiteral("BtnAnio"), QStringLiteral("Añ&o"), QStringLiteral("Año"),
                     QStringLiteral("Cambiar el año"), 240);
    BtnAnoSig = flecha(QStringLiteral("BtnAnoSig"), QStringLiteral(":/icons/anio_siguiente.svg"),
                       QStringLiteral("Año siguiente"), 344);

    BtnMesAnt->OnClick = [this] { BtnMesAntClick(); };
    BtnMesSig->OnClick = [this] { BtnMesSigClick(); };
    BtnAnoAnt->OnClick = [this] { BtnAnoAntClick(); };
    BtnAnoSig->OnClick = [this] { BtnAnoSigClick(); };
    connect(BtnMes, &QToolButton::clicked, this, Protegido([this] { BtnMesClick(); }));
    connect(BtnAnio, &QToolButton::clicked, this, Protegido([this] { BtnAnioClick(); }));
}

void TFmCalendario::CrearListas() {
    auto lista = [this](const QString& nombre, const QString& pista, int x) {
        auto* l = new QListWidget(this);
        l->setObjectName(nombre);
        l->setGeometry(x, 40, 100, 100);
        l->setFont(Negrita());
        l->setUniformItemSizes(true);
        l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        l->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        QPalette p = l->palette();
        p.setColor(QPalette::Base, AmarilloClaro);
        p.setColor(QPalette::Text, Marino);
        l->setPalette(p);
        l->setAccessibleName(pista);
        AplicarPista(l, pista);
        l->hide();
        l->installEventFilter(this);
        l->viewport()->installEventFilter(this);
        return l;
    };
    lbMeses = lista(QStringLiteral("lbMeses"), QStringLiteral("Seleccionar un mes"), 42);
    lbMeses->addItems({QStringLiteral("Enero"), QStringLiteral("Febrero"), QStringLiteral("Marzo"),
                       QStringLiteral("Abril"), QStringLiteral("Mayo"), QStringLiteral("Junio"),
                       QStringLiteral("Julio"), QStringLiteral("Agosto"), QStringLiteral("Septiembre"),
                       QStringLiteral("Octubre"), QStringLiteral("Noviembre"), QStringLiteral("Diciembre")});
    lbAnios = lista(QStringLiteral("lbAnios"), QStringLiteral("Seleccionar un año"), 240);
    connect(lbMeses, &QListWidget::itemClicked, this, Protegido([this] { lbMesesClick(); }));
    connect(lbAnios, &QListWidget::itemClicked, this, Protegido([this] { lbAniosClick(); }));
}

void TFmCalendario::FormCreate() {
    for (int anio = kPrimerAnioLista; anio <= kUltimoAnioLista; ++anio)
        lbAnios->addItem(QString::number(anio));
    CalendarioChange();
    FormActivate();
}

void TFmCalendario::showEvent(QShowEvent* event) {
    if (!testAttribute(Qt::WA_Moved)) {
        const QScreen* pantalla = screen();
        if (pantalla) {
            QRect marco = frameGeometry();
            marco.moveCenter(pantalla->availableGeometry().center());
            move(marco.topLeft());
        }
    }
    QDialog::showEvent(event);
    FormShow();
}

void TFmCalendario::FormShow() {
    AplicarClickLista = true;
    Cal2000->setFocus();
}

void TFmCalendario::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TFmCalendario::FormActivate() {
    BtnFechaHoy->setText(QStringLiteral("Fecha de hoy: %1").arg(TextoFecha(QDate::currentDate())));
    BtnFechaHoy->setAccessibleName(BtnFechaHoy->text());
}

void TFmCalendario::PonerFecha(const QDate& fecha) { Cal2000->SetSelectedDate(fecha); }

QDate TFmCalendario::LeerFecha() const { return Cal2000->SelectedDate(); }

void TFmCalendario::CalendarioChange() { LblFecha->setText(TextoFechaSeleccionada(Cal2000->SelectedDate())); }

void TFmCalendario::Cal2000DblClick() {
    const QPoint p = Cal2000->viewport()->mapFromGlobal(QCursor::pos());
    int c = -1, r = -1;
    Cal2000->MouseToCell(p.x(), p.y(), c, r);
    if (r >= 1 && Cal2000->DayAt(c, r) > 0)
        BtnAceptar->click();
}

// The arrows stop at the ends of the date fields' range: a step that would
// leave it does nothing.
void TFmCalendario::BtnMesAntClick() {
    CerrarListas();
    if (FechaEnRango(SumarMeses(-1, LeerFecha())))
        Cal2000->MonthBack();
}

void TFmCalendario::BtnMesSigClick() {
    CerrarListas();
    if (FechaEnRango(SumarMeses(1, LeerFecha())))
        Cal2000->MonthForward();
}

void TFmCalendario::BtnAnoAntClick() {
    CerrarListas();
    if (FechaEnRango(SumarAnios(-1, LeerFecha())))
        Cal2000->YearBack();
}

void TFmCalendario::BtnAnoSigClick() {
    CerrarListas();
    if (FechaEnRango(SumarAnios(1, LeerFecha())))
        Cal2000->YearForward();
}

void TFmCalendario::BtnFechaHoyClick() {
    CerrarListas();
    PonerFecha(QDate::currentDate());
}

void TFmCalendario::BtnMesClick() {
    CerrarListaAnios();
    if (BtnMes->isChecked())
        AbrirLista(lbMeses, Cal2000->Month() - 1);
    else
        OcultarLista(lbMeses);
}

void TFmCalendario::BtnAnioClick() {
    CerrarListaMeses();
    if (BtnAnio->isChecked()) {
        const int anio = Cal2000->Year();
        // A year outside the list's range leaves no row selected.
        const bool enLista = anio >= kPrimerAnioLista && anio <= kUltimoAnioLista;
        AbrirLista(lbAnios, enLista ? anio - kPrimerAnioLista : -1);
    } else {
        OcultarLista(lbAnios);
    }
}

void TFmCalendario::AbrirLista(QListWidget* lista, int fila) {
    lista->setCurrentRow(fila);
    if (fila < 0)
        lista->clearSelection();
    const int alto = lista->sizeHintForRow(0);
    const int marco = 2 * lista->frameWidth();
    lista->resize(lista->width(), marco + alto * 12 + alto / 2);
    if (fila >= 0)
        lista->scrollToItem(lista->item(fila), QAbstractItemView::PositionAtCenter);
    lista->show();
    lista->raise();
    lista->setFocus();
    // Taking the focus highlights the first row of a list without a current
    // one; a year outside the list keeps nothing highlighted.
    if (fila < 0)
        lista->setCurrentIndex(QModelIndex());
}

template <typename Paso, typename Llegado>
void TFmCalendario::Caminar(Paso paso, Llegado llegado) {
    while (!llegado()) {
        const QDate antes = Cal2000->SelectedDate();
        paso();
        if (Cal2000->SelectedDate() == antes)
            break;
    }
}

void TFmCalendario::lbMesesClick() {
    if (!AplicarClickLista) {
        AplicarClickLista = true;
        return;
    }
    const int mes = lbMeses->currentRow() + 1;
    if (mes >= 1) {
        Caminar([this, mes] { mes > Cal2000->Month() ? Cal2000->MonthForward() : Cal2000->MonthBack(); },
                [this, mes] { return Cal2000->Month() == mes; });
    }
    CerrarListaMeses();
}

void TFmCalendario::lbAniosClick() {
    if (!AplicarClickLista) {
        AplicarClickLista = true;
        return;
    }
    const int fila = lbAnios->currentRow();
    if (fila >= 0) {
        const int anio = kPrimerAnioLista + fila;
        Caminar([this, anio] { anio > Cal2000->Year() ? Cal2000->YearForward() : Cal2000->YearBack(); },
                [this, anio] { return Cal2000->Year() == anio; });
    }
    CerrarListaAnios();
}

void TFmCalendario::lbMesesKeyDown() { AplicarClickLista = false; }

void TFmCalendario::lbMesesExit() { SalirDeLista(lbMeses); }

void TFmCalendario::lbAniosExit() { SalirDeLista(lbAnios); }

void TFmCalendario::SalirDeLista(QListWidget* lista) {
    AplicarClickLista = true;
    if (lista == lbMeses)
        lbMesesClick();
    else
        lbAniosClick();
    Cal2000->setFocus();
}

void TFmCalendario::CerrarListaMeses() {
    BtnMes->setChecked(false);
    OcultarLista(lbMeses);
}

void TFmCalendario::CerrarListaAnios() {
    BtnAnio->setChecked(false);
    OcultarLista(lbAnios);
}

void TFmCalendario::CerrarListas() {
    CerrarListaMeses();
    CerrarListaAnios();
}

// Hiding a list that has the focus moves the focus on; that is closing the
// list, not leaving it, so nothing is applied, and the calendar gets the focus.
void TFmCalendario::OcultarLista(QListWidget* lista) {
    if (lista->isHidden())
        return;
    const bool teniaFoco = lista->hasFocus();
    cerrandoLista_ = true;
    lista->hide();
    cerrandoLista_ = false;
    if (teniaFoco)
        Cal2000->setFocus();
}

void TFmCalendario::BtnAceptarClick() {
    BtnAceptar->setFocus();
    if (focusWidget() == BtnAceptar)
        accept();
}

void TFmCalendario::keyReleaseEvent(QKeyEvent* event) {
    FormKeyUp(event);
    QDialog::keyReleaseEvent(event);
}

void TFmCalendario::FormKeyUp(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return;
    if (event->key() == Qt::Key_M && lbMeses->isHidden()) {
        BtnMes->setChecked(true);
        EjecutarProtegido([this] { BtnMesClick(); });
    } else if (event->key() == Qt::Key_O && lbAnios->isHidden()) {
        BtnAnio->setChecked(true);
        EjecutarProtegido([this] { BtnAnioClick(); });
    }
}

bool TFmCalendario::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == BtnAceptar) {
        const bool soltar = evento->type() == QEvent::MouseButtonPress && ignorarPulsacionAceptar_;
        if (soltar)
            ignorarPulsacionAceptar_ = false;
        return soltar || QDialog::eventFilter(objeto, evento);
    }
    QListWidget* lista = objeto == lbMeses || objeto == lbMeses->viewport()   ? lbMeses
                         : objeto == lbAnios || objeto == lbAnios->viewport() ? lbAnios
                                                                              : nullptr;
    if (!lista)
        return QDialog::eventFilter(objeto, evento);
    switch (evento->type()) {
    case QEvent::KeyPress:
        if (objeto == lista && static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape) {
            // Escape closes the open list alone, choosing nothing; the window
            // stays open.
            lista == lbMeses ? CerrarListaMeses() : CerrarListaAnios();
            return true;
        }
        if (objeto == lista)
            lbMesesKeyDown();
        break;
    case QEvent::MouseButtonPress:
        // A click of the mouse applies its row.
        AplicarClickLista = true;
        break;
    case QEvent::FocusOut: {
        const auto razon = static_cast<QFocusEvent*>(evento)->reason();
        const bool otraVentana = razon == Qt::ActiveWindowFocusReason || razon == Qt::PopupFocusReason;
        if (objeto != lista || cerrandoLista_ || otraVentana || !lista->isVisible())
            break;
        if (razon == Qt::MouseFocusReason && QApplication::focusWidget() == BtnAceptar) {
            // Focus is given before the press is delivered; drop that press.
            ignorarPulsacionAceptar_ = true;
            QTimer::singleShot(0, this, [this] { ignorarPulsacionAceptar_ = false; });
        }
        EjecutarProtegido([this, lista] { lista == lbMeses ? lbMesesExit() : lbAniosExit(); });
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(objeto, evento);
}
