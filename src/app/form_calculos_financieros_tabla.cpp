#include "app/form_calculos_financieros_tabla.h"

#include "ui/controles_pagina.h"
#include "app/form_calculos_financieros.h"
#include "ui/panel_resultado.h"
#include "util/fechas.h"
#include "ui/utilidades_campos.h"
#include "widgets/boton_calculadora.h"
#include "widgets/boton_fecha.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <algorithm>

namespace {

// The button beside a box is named after it: EditPresCuota, BtnPresCuota.
QString NombreBoton(const char* nombreCampo) {
    return QStringLiteral("Btn") + QString::fromUtf8(nombreCampo).mid(4);
}

}  // namespace

void CrearCampos(TFormCalculosFinancieros& ventana, QGridLayout* rejilla, QWidget* primero,
                 std::span<const CampoDePagina> campos, const ListaDePagina* lista) {
    QWidget* anterior = primero;
    auto siguienteEnTabulacion = [&anterior](QWidget* control) {
        QWidget::setTabOrder(anterior, control);
        anterior = control;
    };
    for (const CampoDePagina& c : campos) {
        const int ancho = c.contenido == ContenidoCampo::Importe ? std::max(c.ancho, AnchoCampoImporte()) : c.ancho;
        ventana.*c.miembro = CrearCampo(rejilla, c.fila, c.columna, QString::fromUtf8(c.nombre),
                                        QString::fromUtf8(c.caption), QString::fromUtf8(c.pista), ancho);
    }
    if (lista) {
        ventana.*lista->miembro = CrearLista(rejilla, lista->fila, lista->columna, QString::fromUtf8(lista->nombre),
                                             QString::fromUtf8(lista->caption), QString::fromUtf8(lista->pista),
                                             lista->ancho);
    }
    for (const CampoDePagina& c : campos) {
        QLineEdit* campo = ventana.*c.miembro;
        if (c.contenido == ContenidoCampo::Fecha) {
            CrearBotonFecha(campo, NombreBoton(c.nombre));
            continue;
        }
        QWidget* boton = CrearBotonCalculadora(campo, NombreBoton(c.nombre));
        if (c.boton)
            ventana.*c.boton = boton;
    }
    for (const CampoDePagina& c : campos)
        siguienteEnTabulacion(ventana.*c.miembro);
    if (lista)
        siguienteEnTabulacion(ventana.*lista->miembro);
}

void CrearResultados(TFormCalculosFinancieros& ventana, QGridLayout* rejilla,
                     std::span<const ResultadoDePagina> resultados) {
    const int ancho = AnchoResultado();
    for (const ResultadoDePagina& r : resultados) {
        ventana.*r.miembro = CrearResultado(rejilla, r.fila, r.columna, QString::fromUtf8(r.nombre),
                                            QString::fromUtf8(r.caption), QString::fromUtf8(r.pista), ancho);
    }
}

void PrepararCampos(TFormCalculosFinancieros& ventana, std::span<const CampoDePagina> campos) {
    constexpr bool kSigno = false;
    for (const CampoDePagina& c : campos) {
        QLineEdit* campo = ventana.*c.miembro;
        switch (c.contenido) {
        case ContenidoCampo::Importe: PrepararCampoNumerico(campo, /*decimales=*/true, kSigno); break;
        case ContenidoCampo::Entero: PrepararCampoNumerico(campo, /*decimales=*/false, kSigno); break;
        case ContenidoCampo::Fecha:
            PrepararCampoFecha(campo, /*blancoPermitido=*/true);
            campo->setText(TextoFecha(QDate::currentDate()));
            break;
        }
    }
}

void PrepararListaDeCalculos(QComboBox* lista, const QString& calculos) {
    CargarListaTexto(calculos, lista);
    lista->setCurrentIndex(0);
    lista->setFrame(false);
}

void LimpiarPagina(TFormCalculosFinancieros& ventana, std::span<const CampoDePagina> campos,
                   std::span<const ResultadoDePagina> resultados) {
    for (const CampoDePagina& c : campos) {
        QLineEdit* campo = ventana.*c.miembro;
        if (c.contenido == ContenidoCampo::Fecha)
            campo->setText(TextoFecha(QDate::currentDate()));
        else
            campo->clear();
    }
    for (const ResultadoDePagina& r : resultados)
        (ventana.*r.miembro)->setText(QString());
}
