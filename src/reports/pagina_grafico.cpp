#include "reports/pagina_grafico.h"

#include "reports/medidor_texto.h"
#include "util/textos_numericos.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr float kPuntosTitulo = 10;
constexpr float kPuntosEje = 7;
constexpr float kEntreGraficos = 6;    // mm between two charts on a page
// A chart no taller than this part of its width: one chart alone would
// otherwise stretch its lines down the whole sheet.
constexpr float kAltoPorAncho = 0.75f;
constexpr float kAireMarca = 1.5f;     // between a mark's text and the plot
constexpr float kMargenDerecho = 4;    // room for half the last mark's text
constexpr float kGrosorEje = 0.25f;
constexpr float kGrosorRejilla = 0.1f;
constexpr float kGrosorSerie = 0.5f;
constexpr float kMuestraLeyenda = 6;   // length of a line's sample in the legend
constexpr float kEntreLeyendas = 5;
constexpr float kMmPorPuntoTipografico = 25.4f / 72.0f;
constexpr QRgb kNegro = 0xff000000;
constexpr QRgb kGrisRejilla = qRgb(200, 200, 200);
// Past this many bars they would be too thin to tell apart: years are
// added together in groups, as on screen.
constexpr int kMaximoBarras = 40;
// Past this many bars the axis names spans of bars, not each bar.
constexpr int kMaximoTextosBarras = 12;
constexpr int kTramosBarras = 4;

QRgb ColorSerie(qsizetype i) { return 0xff000000 | kColoresSerie[i % kNumColoresSerie]; }

EstiloTexto Estilo(float puntos, bool negrita) {
    EstiloTexto e;
    e.puntos = puntos;
    e.negrita = negrita;
    return e;
}

// The vertical bands of a chart's box, from the top.
struct Bandas {
    float titulo, ejeY, marcasX, ejeX, leyenda;
};

Bandas AltosBandas() {
    const float eje = AltoLineaMm(kPuntosEje);
    return {AltoLineaMm(kPuntosTitulo) + 1, eje + 0.5f, eje, eje + 0.5f, eje + 1.5f};
}

// The range of a chart's amounts, from zero, as round marks.
QList<double> MarcasImporte(const DatosGrafico& datos) {
    double menor = 0, mayor = 0;
    if (datos.forma == FormaGrafico::Lineas) {
        for (const SerieGrafico& serie : datos.series)
            for (const QPointF& p : serie.puntos) {
                menor = std::min(menor, p.y());
                mayor = std::max(mayor, p.y());
            }
    } else {
        // Bars are stacked: the highest bar is the largest sum.
        QList<double> arriba, abajo;
        for (const SerieGrafico& serie : datos.series)
            for (qsizetype k = 0; k < serie.puntos.size(); ++k) {
                if (arriba.size() <= k) {
                    arriba.resize(k + 1, 0.0);
                    abajo.resize(k + 1, 0.0);
                }
                (serie.puntos[k].y() >= 0 ? arriba[k] : abajo[k]) += serie.puntos[k].y();
            }
        for (qsizetype k = 0; k < arriba.size(); ++k) {
            mayor = std::max(mayor, arriba[k]);
            menor = std::min(menor, abajo[k]);
        }
    }
    return MarcasEje(menor, mayor);
}

double Paso(const QList<double>& marcas) { return marcas.size() > 1 ? marcas[1] - marcas[0] : 1; }

float AnchoMarcas(const QList<double>& marcas, const EstiloTexto& estilo) {
    float ancho = 0;
    for (double marca : marcas)
        ancho = std::max(ancho, AnchoTextoMm(TextoMarca(marca, Paso(marcas)), estilo));
    return ancho;
}

// Adds primitives to a page, keeping the report's styles.
class Lienzo {
public:
    Lienzo(PaginaPreparada& pagina, InformePreparado& informe) : pagina_(pagina), informe_(informe) {}

    void Rectangulo(float x, float y, float ancho, float alto, QRgb color) {
        pagina_.primitivas.push_back(PrimitivaRectangulo(x, y, ancho, alto, color));
    }

    void Linea(float x1, float y1, float x2, float y2, float grosor, QRgb color) {
        pagina_.primitivas.push_back(PrimitivaLinea(x1, y1, x2 - x1, y2 - y1, grosor, color));
    }

    void Texto(const QString& texto, float x, float y, float ancho, const EstiloTexto& estilo,
               AlineacionTexto alineacion) {
        Primitiva p;
        p.tipo = Primitiva::Texto;
        p.alineacion = alineacion;
        p.estilo = informe_.IndiceEstilo(estilo);
        p.x = x;
        p.y = y;
        p.ancho = ancho;
        p.alto = AltoLineaMm(estilo.puntos);
        p.texto = texto;
        pagina_.primitivas.push_back(std::move(p));
    }

private:
    PaginaPreparada& pagina_;
    InformePreparado& informe_;
};

// Maps the chart's values to the plot box.
struct Escala {
    CajaPagina trazado;
    double xMenor, xMayor, yMenor, yMayor;

    float X(double x) const {
        const double ancho = xMayor > xMenor ? xMayor - xMenor : 1;
        return trazado.x + float((x - xMenor) / ancho) * trazado.ancho;
    }
    float Y(double y) const {
        const double alto = yMayor > yMenor ? yMayor - yMenor : 1;
        return trazado.y + trazado.alto - float((y - yMenor) / alto) * trazado.alto;
    }
};

// The marks' texts stand right-aligned between the box's left edge and the plot.
void DibujarEjeY(Lienzo& lienzo, const Escala& e, float izquierda, const QList<double>& marcas,
                 const EstiloTexto& estilo) {
    const float alto = AltoLineaMm(estilo.puntos);
    const float ancho = e.trazado.x - kAireMarca - izquierda;
    for (double marca : marcas) {
        const float y = e.Y(marca);
        lienzo.Linea(e.trazado.x, y, e.trazado.x + e.trazado.ancho, y, kGrosorRejilla, kGrisRejilla);
        lienzo.Texto(TextoMarca(marca, Paso(marcas)), izquierda, y - alto / 2, ancho, estilo, AlineacionTexto::Derecha);
    }
}

// A text centred under a point of the x axis.
void TextoBajoEje(Lienzo& lienzo, const Escala& e, const QString& texto, float x, const EstiloTexto& estilo) {
    const float ancho = AnchoTextoMm(texto, estilo) + 2;
    lienzo.Texto(texto, x - ancho / 2, e.trazado.y + e.trazado.alto + 0.5f, ancho, estilo, AlineacionTexto::Centro);
}

void DibujarLineas(Lienzo& lienzo, const DatosGrafico& datos, const Escala& e, const EstiloTexto& estilo) {
    // Years (or instalments) at round steps, whole ones without grouping;
    // a line within a single year is marked at fractions of it.
    const QList<double> marcas = MarcasEje(e.xMenor, e.xMayor, 6);
    const double paso = Paso(marcas);
    for (double x : marcas) {
        if (x < e.xMenor - paso * 1e-9 || x > e.xMayor + paso * 1e-9)
            continue;
        const float px = e.X(x);
        lienzo.Linea(px, e.trazado.y + e.trazado.alto, px, e.trazado.y + e.trazado.alto + 1, kGrosorEje, kNegro);
        TextoBajoEje(lienzo, e, paso >= 1 ? QString::number(x, 'f', 0) : TextoDosDecimales(x), px, estilo);
    }
    // As many points as the plot is wide in typographic points: what a
    // printer at any resolution shows of a longer line looks the same.
    const int columnas = std::max(1, int(e.trazado.ancho / kMmPorPuntoTipografico));
    for (qsizetype i = 0; i < datos.series.size(); ++i) {
        const QList<QPointF> puntos = DiezmarPuntos(datos.series[i].puntos, columnas);
        for (qsizetype k = 1; k < puntos.size(); ++k)
            lienzo.Linea(e.X(puntos[k - 1].x()), e.Y(puntos[k - 1].y()), e.X(puntos[k].x()), e.Y(puntos[k].y()),
                         kGrosorSerie, ColorSerie(i));
    }
}

void DibujarBarras(Lienzo& lienzo, const DatosGrafico& datos, const Escala& e, const EstiloTexto& estilo) {
    const qsizetype total = datos.categorias.size();
    if (total == 0)
        return;
    const float hueco = e.trazado.ancho / float(total);
    const float ancho = hueco * 0.8f;
    for (qsizetype k = 0; k < total; ++k) {
        const float izquierda = e.trazado.x + hueco * float(k) + (hueco - ancho) / 2;
        double arriba = 0, abajo = 0;
        for (qsizetype i = 0; i < datos.series.size(); ++i) {
            if (k >= datos.series[i].puntos.size())
                continue;
            const double y = datos.series[i].puntos[k].y();
            double& base = y >= 0 ? arriba : abajo;
            const float y1 = e.Y(base), y2 = e.Y(base + y);
            lienzo.Rectangulo(izquierda, std::min(y1, y2), ancho, std::abs(y2 - y1), ColorSerie(i));
            base += y;
        }
    }
    // Each bar's text while they fit, else spans of bars ("2025–2049").
    if (total <= kMaximoTextosBarras) {
        for (qsizetype k = 0; k < total; ++k)
            TextoBajoEje(lienzo, e, datos.categorias[k], e.trazado.x + hueco * (float(k) + 0.5f), estilo);
        return;
    }
    for (qsizetype j = 0; j < kTramosBarras; ++j) {
        const qsizetype desde = total * j / kTramosBarras, hasta = total * (j + 1) / kTramosBarras - 1;
        const float centro = e.trazado.x + hueco * float(desde + hasta + 1) / 2;
        TextoBajoEje(lienzo, e, TextoTramo(datos.categorias, desde, hasta), centro, estilo);
        if (j > 0) {
            const float x = e.trazado.x + hueco * float(desde);
            lienzo.Linea(x, e.trazado.y + e.trazado.alto, x, e.trazado.y + e.trazado.alto + 1.5f, kGrosorEje, kNegro);
        }
    }
}

void DibujarLeyenda(Lienzo& lienzo, const DatosGrafico& datos, float centro, float y, const EstiloTexto& estilo) {
    const float alto = AltoLineaMm(estilo.puntos);
    float total = 0;
    for (const SerieGrafico& serie : datos.series)
        total += kMuestraLeyenda + 1 + AnchoTextoMm(serie.nombre, estilo) + kEntreLeyendas;
    float x = centro - (total - kEntreLeyendas) / 2;
    for (qsizetype i = 0; i < datos.series.size(); ++i) {
        if (datos.forma == FormaGrafico::Lineas)
            lienzo.Linea(x, y + alto / 2, x + kMuestraLeyenda, y + alto / 2, kGrosorSerie * 2, ColorSerie(i));
        else
            lienzo.Rectangulo(x + kMuestraLeyenda - alto * 0.7f, y + alto * 0.15f, alto * 0.7f, alto * 0.7f,
                              ColorSerie(i));
        x += kMuestraLeyenda + 1;
        const float ancho = AnchoTextoMm(datos.series[i].nombre, estilo);
        lienzo.Texto(datos.series[i].nombre, x, y, ancho + 1, estilo, AlineacionTexto::Izquierda);
        x += ancho + kEntreLeyendas;
    }
}

void Limites(const DatosGrafico& datos, double& menor, double& mayor) {
    menor = std::numeric_limits<double>::max();
    mayor = std::numeric_limits<double>::lowest();
    for (const SerieGrafico& serie : datos.series)
        for (const QPointF& p : serie.puntos) {
            menor = std::min(menor, p.x());
            mayor = std::max(mayor, p.x());
        }
    if (menor > mayor)
        menor = mayor = 0;
}

// Bars beyond what the page can tell apart are added together in groups.
DatosGrafico Agrupado(const DatosGrafico& datos) {
    return datos.forma == FormaGrafico::BarrasApiladas ? AgruparBarras(datos, kMaximoBarras) : datos;
}

void DibujarGrafico(Lienzo& lienzo, const DatosGrafico& original, const CajaPagina& caja) {
    const DatosGrafico datos = Agrupado(original);
    const EstiloTexto titulo = Estilo(kPuntosTitulo, true), eje = Estilo(kPuntosEje, false);
    const Bandas b = AltosBandas();
    const CajaPagina trazado = CajaTrazado(datos, caja);
    const QList<double> marcas = MarcasImporte(datos);
    Escala e{trazado, 0, 1, marcas.front(), marcas.back()};
    if (datos.forma == FormaGrafico::Lineas)
        Limites(datos, e.xMenor, e.xMayor);

    lienzo.Texto(datos.titulo, caja.x, caja.y, caja.ancho, titulo, AlineacionTexto::Centro);
    lienzo.Texto(datos.tituloEjeY, caja.x, caja.y + b.titulo, caja.ancho, eje, AlineacionTexto::Izquierda);
    DibujarEjeY(lienzo, e, caja.x, marcas, eje);
    if (datos.forma == FormaGrafico::Lineas)
        DibujarLineas(lienzo, datos, e, eje);
    else
        DibujarBarras(lienzo, datos, e, eje);
    // The axes over the bars and the grid.
    const float abajo = trazado.y + trazado.alto;
    lienzo.Linea(trazado.x, trazado.y, trazado.x, abajo, kGrosorEje, kNegro);
    lienzo.Linea(trazado.x, e.Y(0), trazado.x + trazado.ancho, e.Y(0), kGrosorEje, kNegro);
    lienzo.Texto(datos.tituloEjeX, trazado.x, abajo + b.marcasX + 0.5f, trazado.ancho, eje,
                 AlineacionTexto::Centro);
    DibujarLeyenda(lienzo, datos, trazado.x + trazado.ancho / 2, abajo + b.marcasX + b.ejeX + 1.0f, eje);
}

}  // namespace

CajaPagina CajaTrazado(const DatosGrafico& datos, const CajaPagina& caja) {
    const Bandas b = AltosBandas();
    const float izquierda = AnchoMarcas(MarcasImporte(Agrupado(datos)), Estilo(kPuntosEje, false)) + kAireMarca + 1;
    CajaPagina trazado;
    trazado.x = caja.x + izquierda;
    trazado.y = caja.y + b.titulo + b.ejeY + AltoLineaMm(kPuntosEje) / 2;
    trazado.ancho = std::max(1.0f, caja.ancho - izquierda - kMargenDerecho);
    trazado.alto = std::max(1.0f, caja.alto - (trazado.y - caja.y) - b.marcasX - b.ejeX - b.leyenda - 1);
    return trazado;
}

void DibujarGraficos(const QList<DatosGrafico>& graficos, const CajaPagina& caja, PaginaPreparada& pagina,
                     InformePreparado& informe) {
    if (graficos.isEmpty())
        return;
    Lienzo lienzo(pagina, informe);
    const float n = float(graficos.size());
    const float alto = std::min((caja.alto - kEntreGraficos * (n - 1)) / n, caja.ancho * kAltoPorAncho);
    for (qsizetype i = 0; i < graficos.size(); ++i) {
        CajaPagina parte = caja;
        parte.y = caja.y + (alto + kEntreGraficos) * float(i);
        parte.alto = alto;
        DibujarGrafico(lienzo, graficos[i], parte);
    }
}
