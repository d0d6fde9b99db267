// The results heading of each page tells whether the result panels belong to
// the boxes as they are now. Once a box that feeds the calculation changes,
// the panels show the figures of the previous data: the heading says so, in
// words and colour, until the next calculation writes the panels again or the
// page is cleared. A refused calculation leaves them as they were, and the
// heading says that they are not those of the boxes either.
#include "ui/controles_pagina.h"
#include "app/form_calculos_financieros.h"
#include "app/form_calculos_financieros_tabla.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const char* const kHayResultados = "zzHayResultados";
const char* const kNota = "zzNotaCabecera";

// Amber with dark red letters: unlike the lilac of the other headings, and
// as easy to read.
const QColor kFondoAnteriores{255, 214, 140};
const QColor kLetraAnteriores{128, 0, 0};

enum class Vigencia { AlDia, DatosCambiados, CalculoRechazado };

QString TextoCabecera(Vigencia vigencia) {
    switch (vigencia) {
    case Vigencia::AlDia: return QStringLiteral(" Resultados del último cálculo realizado");
    case Vigencia::DatosCambiados:
        return QStringLiteral(" Resultados (de los datos anteriores: pulse Intro para recalcular)");
    case Vigencia::CalculoRechazado:
        return QStringLiteral(" Resultados (de los datos anteriores: con los actuales no se ha podido calcular)");
    }
    return {};
}

void MostrarCabecera(QLabel* cabecera, Vigencia vigencia) {
    const bool anteriores = vigencia != Vigencia::AlDia;
    QString texto = TextoCabecera(vigencia);
    const QString nota = cabecera->property(kNota).toString();
    if (!nota.isEmpty())
        texto += QStringLiteral(", ") + nota;
    cabecera->setText(texto);
    QPalette paleta = cabecera->palette();
    paleta.setColor(QPalette::Window, anteriores ? kFondoAnteriores : ColorCabecera);
    paleta.setColor(QPalette::WindowText, anteriores ? kLetraAnteriores : QColor(Qt::black));
    cabecera->setPalette(paleta);
}

}  // namespace

// The results depend on every figure of the page and on its contributions
// list, not on the dates, which only place the schedule in the calendar.
void TFormCalculosFinancieros::VigilarDatos(QLabel* cabecera, const TablaDePagina& tabla) {
    for (const CampoDePagina& campo : tabla.campos) {
        if (campo.contenido != ContenidoCampo::Fecha)
            connect(this->*campo.miembro, &QLineEdit::textChanged, this,
                    [this, cabecera] { DatosCambiados(cabecera); });
    }
    if (tabla.lista)
        connect(this->*tabla.lista->miembro, &QComboBox::currentIndexChanged, this,
                [this, cabecera] { DatosCambiados(cabecera); });
}

void TFormCalculosFinancieros::DatosCambiados(QLabel* cabecera) {
    if (!calculando_ && cabecera->property(kHayResultados).toBool())
        MostrarCabecera(cabecera, Vigencia::DatosCambiados);
}

void TFormCalculosFinancieros::NotaCabecera(QLabel* cabecera, const QString& nota) {
    cabecera->setProperty(kNota, nota);
}

void TFormCalculosFinancieros::ResultadosAlDia(QLabel* cabecera, bool hayResultados) {
    cabecera->setProperty(kHayResultados, hayResultados);
    MostrarCabecera(cabecera, Vigencia::AlDia);
}

// Without earlier results the panels are empty and stay so; the warning has
// said why.
void TFormCalculosFinancieros::ResultadosRechazados(QLabel* cabecera) {
    if (cabecera->property(kHayResultados).toBool())
        MostrarCabecera(cabecera, Vigencia::CalculoRechazado);
}
