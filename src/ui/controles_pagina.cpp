#include "ui/controles_pagina.h"

#include "ui/panel_resultado.h"
#include "util/textos_numericos.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace {

constexpr int kAltoCampo = 21;

QLabel* CrearEtiqueta(QGridLayout* rejilla, int fila, int columna, const QString& caption) {
    auto* etiqueta = new QLabel(caption, rejilla->parentWidget());
    rejilla->addWidget(etiqueta, fila, columna);
    return etiqueta;
}

void Identificar(QWidget* control, const QString& nombre, const QString& caption, const QString& pista) {
    control->setObjectName(nombre);
    control->setAccessibleName(SinAcelerador(caption));
    AplicarPista(control, pista);
}

}  // namespace

void AplicarPista(QWidget* control, const QString& pista) {
    const qsizetype barra = pista.indexOf(QLatin1Char('|'));
    const QString corta = barra < 0 ? pista : pista.left(barra);
    const QString larga = barra < 0 ? pista : pista.mid(barra + 1);
    control->setToolTip(corta);
    control->setStatusTip(larga);
    control->setAccessibleDescription(larga);
}

QString SinAcelerador(QString caption) {
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&'))
            caption.remove(i, 1);  // "&&" keeps one "&"
    }
    return caption;
}

int AnchoCampoImporte() {
    QLineEdit muestra;
    muestra.setFont(QApplication::font());
    // Around its text a box draws its frame, a small inner margin on each
    // side and the caret.
    constexpr int kMargenInterior = 2;
    constexpr int kCursor = 1;
    constexpr int kHolgura = 4;  // so that the last digit does not touch the frame
    const int marco = muestra.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &muestra);
    const QMargins margenes = muestra.textMargins();
    const int texto = muestra.fontMetrics().horizontalAdvance(TextoImporte(kImporteMaximo));
    return std::max(kAnchoNumero,
                    texto + 2 * (marco + kMargenInterior) + margenes.left() + margenes.right() + kCursor + kHolgura);
}

int AnchoResultado() { return std::max(kAnchoNumero, TPanelResultado::AnchoParaImportes(QApplication::font())); }

QGridLayout* RejillaDeDatos(QWidget* panel) {
    auto* rejilla = new QGridLayout(panel);
    rejilla->setContentsMargins(10, 8, 10, 8);
    rejilla->setHorizontalSpacing(4);
    rejilla->setVerticalSpacing(5);
    rejilla->setColumnMinimumWidth(2, kAnchoBoton);
    rejilla->setColumnMinimumWidth(3, 12);
    rejilla->setColumnMinimumWidth(6, kAnchoBoton);
    rejilla->setColumnStretch(7, 1);
    return rejilla;
}

QGridLayout* RejillaDeResultados(QWidget* panel) {
    auto* rejilla = new QGridLayout(panel);
    rejilla->setContentsMargins(10, 8, 10, 8);
    rejilla->setHorizontalSpacing(4);
    rejilla->setVerticalSpacing(5);
    rejilla->setColumnMinimumWidth(2, 24);
    rejilla->setColumnStretch(5, 1);
    return rejilla;
}

QFrame* CrearPanel(QWidget* padre, const QString& nombre, const QColor& fondo) {
    auto* panel = new QFrame(padre);
    panel->setObjectName(nombre);
    QPalette paleta = panel->palette();
    paleta.setColor(QPalette::Window, fondo);
    panel->setPalette(paleta);
    panel->setAutoFillBackground(true);
    return panel;
}

QLabel* CrearFranja(QWidget* padre, const QString& nombre, const QString& caption, const QColor& fondo,
                    LetraFranja letra) {
    auto* franja = new QLabel(caption, padre);
    franja->setObjectName(nombre);
    QPalette paleta = franja->palette();
    paleta.setColor(QPalette::Window, fondo);
    paleta.setColor(QPalette::WindowText, Qt::black);
    franja->setPalette(paleta);
    franja->setAutoFillBackground(true);
    franja->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont fuente = franja->font();
    fuente.setBold(letra == LetraFranja::Negrita);
    franja->setFont(fuente);
    return franja;
}

namespace {

// A labelled control in the next two cells of a row: the label names it and
// is its buddy, so the label's accelerator reaches it.
template <typename Control>
Control* CrearRotulado(QGridLayout* rejilla, int fila, int columna, const QString& nombre, const QString& caption,
                       const QString& pista, int ancho) {
    QLabel* etiqueta = CrearEtiqueta(rejilla, fila, columna, caption);
    auto* control = new Control(rejilla->parentWidget());
    Identificar(control, nombre, caption, pista);
    control->setFixedSize(ancho, kAltoCampo);
    etiqueta->setBuddy(control);
    rejilla->addWidget(control, fila, columna + 1);
    return control;
}

}  // namespace

QLineEdit* CrearCampo(QGridLayout* rejilla, int fila, int columna, const QString& nombre,
                      const QString& caption, const QString& pista, int ancho) {
    return CrearRotulado<QLineEdit>(rejilla, fila, columna, nombre, caption, pista, ancho);
}

QComboBox* CrearLista(QGridLayout* rejilla, int fila, int columna, const QString& nombre,
                      const QString& caption, const QString& pista, int ancho) {
    return CrearRotulado<QComboBox>(rejilla, fila, columna, nombre, caption, pista, ancho);
}

TPanelResultado* CrearResultado(QGridLayout* rejilla, int fila, int columna, const QString& nombre,
                                const QString& caption, const QString& pista, int ancho) {
    return CrearRotulado<TPanelResultado>(rejilla, fila, columna, nombre, caption, pista, ancho);
}
