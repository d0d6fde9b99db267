#pragma once
// Report files made to be costly to draw, as a hostile person would craft
// them: see-through rectangles metres wide, lines metres long with thick
// pens, and texts of accents stacked on one letter in huge letters. Made in
// memory so that no large file lives in the repository.
#include "reports/engine/pagina_preparada.h"

#include <QString>

namespace informes_hostiles {

inline constexpr int kElementos = 16384;  // the most primitives a page may hold
inline constexpr float kDiezMetros = 10000;

// A report titled `titulo` of `paginas` equal pages, each of the
// `elementos` primitives that `primitiva(i)` makes.
template <typename Hacer>
InformePreparado Repetido(const QString& titulo, int paginas, int elementos, Hacer primitiva) {
    InformePreparado informe;
    informe.titulo = titulo;
    PaginaPreparada pagina;
    for (int i = 0; i < elementos; ++i)
        pagina.primitivas.push_back(primitiva(i));
    for (int i = 0; i < paginas; ++i)
        informe.paginas.push_back(pagina);
    return informe;
}

// `paginas` pages of `elementos` rectangles of ten metres a side, half
// transparent, each covering the whole sheet.
inline InformePreparado RectangulosTransparentes(int paginas = 2, int elementos = kElementos) {
    return Repetido(QStringLiteral("Rectángulos"), paginas, elementos, [](int i) {
        Primitiva p;
        p.x = -kDiezMetros / 2;
        p.y = -kDiezMetros / 2 + float(i % 7);
        p.ancho = kDiezMetros;
        p.alto = kDiezMetros;
        p.color = qRgba(i % 256, 40, 200, 60);
        return p;
    });
}

// Diagonal lines of ten metres across the sheet with a pen `grosor` mm wide.
inline InformePreparado LineasGruesas(float grosor, int elementos = kElementos) {
    return Repetido(QStringLiteral("Líneas"), 1, elementos, [grosor](int i) {
        Primitiva p;
        p.tipo = Primitiva::Linea;
        p.x = -kDiezMetros / 2 + float(i % 11);
        p.y = -kDiezMetros / 2;
        p.ancho = kDiezMetros;
        p.alto = kDiezMetros;
        p.grosor = grosor;
        p.color = qRgba(0, 0, 0, 90);
        return p;
    });
}

// Texts of `acentos` combining accents stacked on one letter, at `puntos`
// points, in boxes as large as the sheet.
inline InformePreparado AcentosApilados(float puntos, int acentos, int elementos) {
    const QString texto = QStringLiteral("a") + QString(acentos, QChar(0x0301));
    InformePreparado informe = Repetido(QStringLiteral("Acentos"), 1, elementos, [&texto](int i) {
        Primitiva p;
        p.tipo = Primitiva::Texto;
        p.alineacion = AlineacionTexto::Centro;
        p.x = float(i % 50);
        p.y = float(i % 70);
        p.ancho = 210;
        p.alto = 297;
        p.texto = texto;
        return p;
    });
    EstiloTexto estilo;
    estilo.puntos = puntos;
    informe.estilos.push_back(estilo);
    return informe;
}

}  // namespace informes_hostiles
