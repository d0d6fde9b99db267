#pragma once
// A banded report definition on a page (A4 portrait unless the report turns
// it), measured in millimetres.
// The program fills it once and drives its data loop through the handlers.
#include "reports/engine/pagina_preparada.h"

#include <functional>
#include <vector>

// The height of the box a line of text takes on the page, in mm.
inline float AltoLineaMm(float puntos) { return puntos * (25.4f / 72.0f) * 1.25f; }

enum class TipoBanda { CabeceraPagina, CabeceraColumnas, Detalle, PiePagina, Hija };

// Sides of a band that carry a black frame line.
enum MarcoBanda : unsigned { MarcoNinguno = 0, MarcoArriba = 1, MarcoAbajo = 2, MarcoIzquierda = 4, MarcoDerecha = 8 };

struct EtiquetaInforme {
    QString texto;
    float izquierda = 0;
    float arriba = 0;
    float ancho = 0;  // 0: as wide as its text
    EstiloTexto estilo;
    AlineacionTexto alineacion = AlineacionTexto::Izquierda;
    bool transparente = true;  // otherwise a white background
};

// The date of the day or the page number, after a fixed prefix.
struct CampoSistemaInforme {
    enum Tipo { Fecha, NumeroPagina };
    Tipo tipo = Fecha;
    QString prefijo;
    float izquierda = 0;
    float arriba = 0;
    float ancho = 0;
    EstiloTexto estilo;
    AlineacionTexto alineacion = AlineacionTexto::Izquierda;
};

struct LineaInforme {
    bool vertical = true;
    float x = 0;
    float y = 0;
    float longitud = 0;
    float grosorPuntos = 1;  // pen width
    bool visible = true;     // may change at every printing of the band
};

struct BandaInforme {
    TipoBanda tipo = TipoBanda::Detalle;
    float alto = 4;
    QRgb fondo = 0xffffffff;
    unsigned marcos = MarcoNinguno;
    int padre = -1;  // for a child band: the index of the band it follows
    std::vector<EtiquetaInforme> etiquetas;
    std::vector<CampoSistemaInforme> campos;
    std::vector<LineaInforme> lineas;
    std::function<void(BandaInforme&)> antesDeImprimir;
    std::function<void(BandaInforme&)> despuesDeImprimir;
    // For a band whose height changes from one printing to the next: the
    // height its next printing will take, asked before deciding whether it
    // fits the page (antesDeImprimir then sets `alto` to it).
    std::function<float()> altoSiguiente;
};

// The body of a page between its page header and its footer, in mm from the
// sheet's top left corner.
struct CajaPagina {
    float x = 0, y = 0, ancho = 0, alto = 0;
};

// Draws a page's body on its own (a chart, say): adds primitives inside the
// box to the page, registering text styles with the report.
using DibujoPagina = std::function<void(const CajaPagina& caja, PaginaPreparada& pagina, InformePreparado& informe)>;

struct DefinicionInforme {
    QString titulo;
    float anchoPagina = 210;
    float altoPagina = 297;
    float margenArriba = 18;
    float margenAbajo = 18;
    float margenIzquierdo = 15;
    float margenDerecho = 15;
    std::vector<BandaInforme> bandas;
    std::function<void()> antesDeImprimir;  // at the start of every generation
    std::function<bool()> necesitaDatos;    // before each detail band: more rows?
    // When set, one more page follows the rows: page header and footer as
    // usual (no column titles), the body drawn by this.
    DibujoPagina paginaFinal;

    float AnchoBandas() const { return anchoPagina - margenIzquierdo - margenDerecho; }
};
