#include "ui/clase_aux.h"

#include "ui/avisos.h"
#include "ui/campo_numerico.h"
#include "util/ajustes_regionales.h"
#include "ui/colores_campos.h"
#include "util/escritura_fecha.h"
#include "util/excepcion.h"
#include "util/fechas.h"

#include <QApplication>
#include <algorithm>
#include <memory>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

const char* const kEntrada = "zzAlEntrar";
const char* const kSalida = "zzAlSalir";
const char* const kFiltroNumerico = "zzFiltroNumerico";
const char* const kTag = "tag";

int TagDe(const QObject* control) { return control->property(kTag).toInt(); }

bool EsEditable(const QWidget* control) {
    if (!control->isEnabled())
        return false;
    const auto* edit = qobject_cast<const QLineEdit*>(control);
    return !edit || !edit->isReadOnly();
}

// Leaving the window (another window, a dialog, a menu) is not leaving the
// field: neither the highlight nor the date check reacts to it.
bool CambioDeVentana(const QEvent* evento) {
    const auto razon = static_cast<const QFocusEvent*>(evento)->reason();
    return razon == Qt::ActiveWindowFocusReason || razon == Qt::PopupFocusReason;
}

// Keys pressed with Ctrl or Meta are commands (copy, paste, undo), not text.
bool EsOrden(const QKeyEvent* tecla) {
    return tecla->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
}

QLineEdit* CampoNumerico(QWidget* control) {
    auto* campo = qobject_cast<QLineEdit*>(control);
    return campo && TClaseAux::TieneFiltroNumerico(campo) ? campo : nullptr;
}

// Date fields take digits and blanks; the mask places them.
bool CaracterDeFecha(QChar c) {
    const char16_t u = c.unicode();
    return u < 32 || u == 127 || u == u' ' || (u >= u'0' && u <= u'9');
}

// A "/" typed in a date field ends the day or month being written (1/1/2030
// gives 01/01/2030); the key itself never reaches the mask.
bool CerrarParteAlEscribir(QLineEdit* campo) {
    if (campo->isReadOnly())
        return true;
    if (const auto cerrado = CerrarParteFecha(campo->text(), campo->cursorPosition())) {
        campo->setText(cerrado->texto);
        campo->setCursorPosition(cerrado->cursor);
        campo->setModified(true);
    }
    return true;
}

}  // namespace

TClaseAux::TClaseAux(QObject* parent) : QObject(parent) {}

TClaseAux& TClaseAux::Instancia() {
    static QPointer<TClaseAux> instancia;
    if (!instancia)
        instancia = new TClaseAux(QCoreApplication::instance());
    return *instancia;
}

void TClaseAux::FijarEntrada(QWidget* control, Entrada entrada) {
    control->setProperty(kEntrada, int(entrada));
    control->installEventFilter(&Instancia());
}

void TClaseAux::FijarSalida(QWidget* control, Salida salida) {
    control->setProperty(kSalida, int(salida));
    control->installEventFilter(&Instancia());
}

TClaseAux::Entrada TClaseAux::EntradaDe(const QWidget* control) {
    return Entrada(control->property(kEntrada).toInt());
}

TClaseAux::Salida TClaseAux::SalidaDe(const QWidget* control) {
    return Salida(control->property(kSalida).toInt());
}

void TClaseAux::FijarFiltroNumerico(QLineEdit* campo) {
    campo->setProperty(kFiltroNumerico, true);
    // A drop would put text in unchecked; pasting is the way in.
    campo->setAcceptDrops(false);
    campo->installEventFilter(&Instancia());
}

bool TClaseAux::TieneFiltroNumerico(const QLineEdit* campo) { return campo->property(kFiltroNumerico).toBool(); }

bool TClaseAux::LeerValidacion() {
    const bool ok = UltimaValidacionOk;
    UltimaValidacionOk = true;
    return ok;
}

bool TClaseAux::eventFilter(QObject* objeto, QEvent* evento) {
    auto* control = qobject_cast<QWidget*>(objeto);
    if (!control)
        return false;
    switch (evento->type()) {
    case QEvent::KeyPress: {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (QLineEdit* numerico = CampoNumerico(control))
            return TeclaEnCampoNumerico(numerico, tecla);
        auto* campo = qobject_cast<QLineEdit*>(control);
        if (!campo || tecla->text().isEmpty() || EsOrden(tecla))
            return false;
        if (SalidaDe(campo) == SalidaValidarFecha) {
            if (tecla->text() == QLatin1String("/"))
                return CerrarParteAlEscribir(campo);
            return !std::all_of(tecla->text().cbegin(), tecla->text().cend(), CaracterDeFecha);
        }
        return false;
    }
    case QEvent::FocusIn:
        if (EntradaDe(control) == EntradaResaltar)
            ResaltarCampo(control);
        return false;
    case QEvent::ContextMenu:
        if (QLineEdit* numerico = CampoNumerico(control)) {
            std::unique_ptr<QMenu> menu(MenuCampoNumerico(numerico));
            menu->exec(static_cast<QContextMenuEvent*>(evento)->globalPos());
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        if (QLineEdit* numerico = CampoNumerico(control))
            return ClicCentralEnCampoNumerico(numerico, static_cast<QMouseEvent*>(evento));
        return false;
    case QEvent::FocusOut:
        if (CambioDeVentana(evento))
            return false;
        if (QLineEdit* numerico = CampoNumerico(control))
            AvisarSiNumeroIncompleto(numerico);
        if (SalidaDe(control) == SalidaValidarFecha) {
            if (auto* campo = qobject_cast<QLineEdit*>(control); campo && !devolviendoFoco_)
                ValidarFechaAlSalir(campo);
            else
                RestaurarCampo(control);
        } else if (SalidaDe(control) == SalidaRestaurar) {
            RestaurarCampo(control);
        }
        return false;
    default:
        return false;
    }
}

void TClaseAux::ValidarFechaAlSalir(QLineEdit* campo) {
    UltimaValidacionOk = true;
    const QString texto = campo->text();
    if (FechaEnBlanco(texto)) {
        if (TagDe(campo) == 1) {
            UltimaValidacionOk = false;
            Avisar(QString(), QStringLiteral("No se puede dejar esta fecha en blanco"), AvisoAtencion);
        }
    } else {
        QString aviso;
        try {
            LeerFechaDeCampo(texto);
        } catch (const EConvertError& error) {
            UltimaValidacionOk = false;  // warned just below
            aviso = QString::fromStdString(error.what());
        }
        if (!UltimaValidacionOk)
            Avisar(QString(), aviso, AvisoAtencion);
    }
    if (ColorFondo(campo) == ColorResaltado)
        RestaurarCampo(campo);
    else if (!LeerValidacion())
        DevolverFoco(campo);
}

void TClaseAux::ResaltarCampo(QWidget* control) {
    if (!EsEditable(control))
        return;
    // Coming back to a control that is still highlighted must not remember the
    // highlight itself as its own colour.
    const QColor actual = ColorFondo(control);
    if (actual != ColorResaltado)
        colorRecordado_ = actual;
    else if (controlResaltado_ != control)
        colorRecordado_ = ColorEditable;
    controlResaltado_ = control;
    FijarColorFondo(control, ColorResaltado);
}

void TClaseAux::RestaurarCampo(QWidget* control) {
    if (EsEditable(control)) {
        if (controlResaltado_ == control)
            FijarColorFondo(control, colorRecordado_);
        else if (ColorFondo(control) == ColorResaltado)
            FijarColorFondo(control, ColorEditable);
    }
    if (!LeerValidacion())
        DevolverFoco(control);
}

// Sending the focus back makes the control that was receiving it lose it
// again; that control's own date check must not run then, or two wrong date
// fields would send the focus to each other for ever.
void TClaseAux::DevolverFoco(QWidget* control) {
    const bool antes = devolviendoFoco_;
    devolviendoFoco_ = true;
    control->setFocus(Qt::OtherFocusReason);
    devolviendoFoco_ = antes;
}
