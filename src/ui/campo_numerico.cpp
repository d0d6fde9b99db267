#include "ui/campo_numerico.h"

#include "util/ajustes_regionales.h"
#include "util/filtro_numerico.h"
#include "util/puertas.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QToolTip>

namespace {

SeparadoresNumericos Separadores() { return {Ajustes().separadorDecimal, Ajustes().separadorMiles}; }

int TagDe(const QLineEdit* campo) { return campo->property("tag").toInt(); }

// The selection, or the caret as an empty selection.
std::pair<int, int> Seleccion(const QLineEdit* campo) {
    if (!campo->hasSelectedText())
        return {campo->cursorPosition(), campo->cursorPosition()};
    return {campo->selectionStart(), campo->selectionEnd()};
}

// Shows the tip once the mouse button that may have moved the focus is up:
// a tip goes away at any click, the one under way included.
void MostrarMotivo(QPointer<QLineEdit> campo, const QString& motivo) {
    if (!campo || !campo->isVisible())
        return;
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        QTimer::singleShot(50, campo, [campo, motivo] { MostrarMotivo(campo, motivo); });
        return;
    }
    QToolTip::showText(campo->mapToGlobal(QPoint(0, campo->height())), motivo, campo);
}

// A beep and the reason in a tip under the box, once the current event is
// over: a focus change under way would hide the tip at once.
void Rechazar(QLineEdit* campo, const QString& motivo) {
    puertas::Pitar();
    QTimer::singleShot(0, campo, [campo = QPointer<QLineEdit>(campo), motivo] { MostrarMotivo(campo, motivo); });
}

bool EsControl(QChar c) { return c.unicode() < 32 || c.unicode() == 127; }

}  // namespace

bool TeclaEnCampoNumerico(QLineEdit* campo, const QKeyEvent* tecla) {
    if (campo->isReadOnly())
        return false;
    if (tecla->matches(QKeySequence::Paste)) {
        PegarEnCampoNumerico(campo, QGuiApplication::clipboard()->text());
        return true;
    }
    const QString escrito = tecla->text();
    if (escrito.isEmpty() || (tecla->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    if (escrito.size() == 1 && EsControl(escrito[0]))
        return false;
    const OrigenTecla origen =
        tecla->modifiers() & Qt::KeypadModifier ? OrigenTecla::TecladoNumerico : OrigenTecla::Principal;
    // Several characters in one event come from an input method: each one on its own.
    for (const QChar c : escrito) {
        if (EsControl(c))
            continue;
        const auto [inicio, fin] = Seleccion(campo);
        const EdicionNumerica edicion =
            TeclearNumero(campo->text(), inicio, fin, c, origen, TagDe(campo), Separadores());
        if (!edicion.Admitida()) {
            Rechazar(campo, edicion.motivo);
            return true;
        }
        // A key typed as it is goes in through the box's own handling.
        if (escrito.size() == 1 && edicion.insertado == escrito)
            return false;
        campo->insert(edicion.insertado);
    }
    return true;
}

void PegarEnCampoNumerico(QLineEdit* campo, const QString& pegado) {
    if (campo->isReadOnly())
        return;
    const auto [inicio, fin] = Seleccion(campo);
    const EdicionNumerica edicion = PegarNumero(campo->text(), inicio, fin, pegado, TagDe(campo), Separadores());
    if (edicion.Admitida())
        campo->insert(edicion.insertado);
    else
        Rechazar(campo, QStringLiteral("No se puede pegar «%1». %2").arg(pegado.trimmed(), edicion.motivo));
}

QAction* AccionPegar(const QMenu* menu) {
    // The standard menu names its entry with the box's own translated text,
    // followed by a tab and the shortcut.
    const QString pegar = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* accion : menu->actions()) {
        if (accion->text().section(QLatin1Char('\t'), 0, 0) == pegar)
            return accion;
    }
    return nullptr;
}

QMenu* MenuCampoNumerico(QLineEdit* campo) {
    QMenu* menu = campo->createStandardContextMenu();
    if (QAction* pegar = AccionPegar(menu)) {
        QObject::disconnect(pegar, &QAction::triggered, nullptr, nullptr);
        QObject::connect(pegar, &QAction::triggered, campo,
                         [campo] { PegarEnCampoNumerico(campo, QGuiApplication::clipboard()->text()); });
    }
    return menu;
}

bool ClicCentralEnCampoNumerico(QLineEdit* campo, const QMouseEvent* clic) {
    QClipboard* portapapeles = QGuiApplication::clipboard();
    if (clic->button() != Qt::MiddleButton || !portapapeles->supportsSelection() || campo->isReadOnly())
        return false;
    campo->deselect();
    campo->setCursorPosition(campo->cursorPositionAt(clic->position().toPoint()));
    PegarEnCampoNumerico(campo, portapapeles->text(QClipboard::Selection));
    return true;
}

void AvisarSiNumeroIncompleto(QLineEdit* campo) {
    if (campo->isReadOnly())
        return;
    const ComprobacionNumerica comprobacion = ComprobarTextoNumerico(campo->text(), TagDe(campo), Separadores());
    if (comprobacion.estado != EstadoTextoNumerico::Completo)
        Rechazar(campo, comprobacion.motivo);
}
