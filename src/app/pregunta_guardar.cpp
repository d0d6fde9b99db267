#include "app/pregunta_guardar.h"

#include "util/identidad.h"
#include "util/puertas.h"

#include <QMessageBox>
#include <QPushButton>

RespuestaGuardar PreguntarGuardar(QWidget* padre, const QString& nombre) {
    QMessageBox pregunta(padre);
    pregunta.setObjectName(QStringLiteral("PreguntaGuardar"));
    pregunta.setWindowTitle(TextoNombrePrograma());
    pregunta.setIcon(QMessageBox::Warning);
    pregunta.setText(QStringLiteral("¿Desea guardar los cambios de «%1»?").arg(nombre));
    pregunta.setInformativeText(QStringLiteral("Si no los guarda, se perderán."));
    QPushButton* guardar = pregunta.addButton(QStringLiteral("&Guardar"), QMessageBox::AcceptRole);
    QPushButton* noGuardar = pregunta.addButton(QStringLiteral("&No guardar"), QMessageBox::DestructiveRole);
    QPushButton* cancelar = pregunta.addButton(QStringLiteral("&Cancelar"), QMessageBox::RejectRole);
    guardar->setObjectName(QStringLiteral("BtnGuardar"));
    noGuardar->setObjectName(QStringLiteral("BtnNoGuardar"));
    cancelar->setObjectName(QStringLiteral("BtnCancelar"));
    pregunta.setDefaultButton(guardar);
    pregunta.setEscapeButton(cancelar);
    puertas::EjecutarModal(pregunta);
    if (pregunta.clickedButton() == guardar)
        return RespuestaGuardar::Guardar;
    if (pregunta.clickedButton() == noGuardar)
        return RespuestaGuardar::NoGuardar;
    return RespuestaGuardar::Cancelar;
}
