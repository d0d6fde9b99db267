#pragma once
// The drawing primitives of a prepared page, as the generator produces them
// and the painter draws them. A page is a device-independent list of
// primitives measured in millimetres from the top left corner of the sheet;
// text styles are kept once per report and referred to by index.
#include <QColor>
#include <QString>
#include <cstdint>
#include <vector>

enum class AlineacionTexto : std::uint8_t { Izquierda = 0, Centro = 1, Derecha = 2 };

struct EstiloTexto {
    QString familia = QStringLiteral("Arial");
    float puntos = 8;
    bool negrita = false;
    bool cursiva = false;
    QRgb color = 0xff000000;

    bool operator==(const EstiloTexto&) const = default;
};

struct Primitiva {
    enum Tipo : std::uint8_t { Rectangulo = 0, Linea = 1, Texto = 2 };
    Tipo tipo = Rectangulo;
    AlineacionTexto alineacion = AlineacionTexto::Izquierda;
    std::uint16_t estilo = 0;  // text: index into the report's styles
    // Rectangle and text: the box. Line: from (x, y) to (x + ancho, y + alto).
    float x = 0, y = 0, ancho = 0, alto = 0;
    float grosor = 0;          // line: pen width in millimetres
    QRgb color = 0xff000000;   // rectangle: fill; line: pen
    QString texto;
};

// A filled rectangle.
inline Primitiva PrimitivaRectangulo(float x, float y, float ancho, float alto, QRgb color) {
    Primitiva p;
    p.tipo = Primitiva::Rectangulo;
    p.x = x;
    p.y = y;
    p.ancho = ancho;
    p.alto = alto;
    p.color = color;
    return p;
}

// A line from (x, y) to (x + dx, y + dy), `grosor` mm wide.
inline Primitiva PrimitivaLinea(float x, float y, float dx, float dy, float grosor, QRgb color = 0xff000000) {
    Primitiva p = PrimitivaRectangulo(x, y, dx, dy, color);
    p.tipo = Primitiva::Linea;
    p.grosor = grosor;
    return p;
}

struct PaginaPreparada {
    float anchoMm = 210;
    float altoMm = 297;
    std::vector<Primitiva> primitivas;
};
