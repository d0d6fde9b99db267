#include "reports/seccion_final.h"

#include "reports/medidor_texto.h"

#include <utility>

namespace {

constexpr QRgb kGris = qRgb(219, 219, 219);
constexpr QRgb kMarino = qRgb(0, 0, 128);
constexpr float kArribaTexto = 0.55f;  // centres an 8-point line in a 4.7 mm band
constexpr float kAireTexto = 0.5f;     // kept clear at either side of a figure
constexpr float kAnchoEstrecho = 18;   // the year and the count
constexpr float kMargen = 2;

EtiquetaInforme Texto(const QString& texto, float izquierda, float ancho, bool negrita, AlineacionTexto alineacion) {
    EtiquetaInforme e;
    e.texto = texto;
    e.izquierda = izquierda;
    e.arriba = kArribaTexto;
    e.ancho = ancho;
    e.estilo.puntos = kPuntosTexto;
    e.estilo.negrita = negrita;
    e.alineacion = alineacion;
    e.estilo.puntos = PuntosQueCaben(texto, e.estilo, ancho);
    return e;
}

}  // namespace

TSeccionFinal::TSeccionFinal(const QString& titulo, TablaTextos tabla, float ancho)
    : titulo_(titulo), tabla_(std::move(tabla)) {
    // The first two columns are narrow; the amounts share what is left.
    const int columnas = int(tabla_.titulos.size());
    const int anchas = std::max(1, columnas - 2);
    const float anchoImporte = (ancho - 2 * kMargen - 2 * kAnchoEstrecho) / float(anchas);
    float x = kMargen;
    bordes_.push_back(x);
    for (int c = 0; c < columnas; ++c)
        bordes_.push_back(x += c < 2 ? kAnchoEstrecho : anchoImporte);
}

TSeccionFinal::Aspecto TSeccionFinal::Tomar(const BandaInforme& banda) {
    return {banda.etiquetas, banda.lineas, banda.fondo, banda.marcos};
}

void TSeccionFinal::Poner(BandaInforme& banda, const Aspecto& aspecto) {
    banda.etiquetas = aspecto.etiquetas;
    banda.lineas = aspecto.lineas;
    banda.fondo = aspecto.fondo;
    banda.marcos = aspecto.marcos;
}

void TSeccionFinal::Cambiar(BandaInforme& banda, std::optional<Aspecto>& guardado, const Aspecto& nuevo) {
    if (!guardado)
        guardado = Tomar(banda);
    Poner(banda, nuevo);
}

TSeccionFinal::Aspecto TSeccionFinal::Titulos() const {
    Aspecto a;
    a.fondo = kGris;
    a.marcos = MarcoAbajo | MarcoDerecha;
    for (qsizetype c = 0; c < tabla_.titulos.size(); ++c) {
        const float izquierda = bordes_[std::size_t(c)], derecha = bordes_[std::size_t(c) + 1];
        a.etiquetas.push_back(Texto(tabla_.titulos[c], izquierda + kAireTexto, derecha - izquierda - 2 * kAireTexto,
                                    true, AlineacionTexto::Centro));
        if (c + 1 < tabla_.titulos.size()) {
            LineaInforme l;
            l.x = derecha;
            l.longitud = 4.7f;
            l.grosorPuntos = 2;
            a.lineas.push_back(l);
        }
    }
    return a;
}

TSeccionFinal::Aspecto TSeccionFinal::Fila(const QStringList& textos, bool negrita) const {
    Aspecto a;
    for (qsizetype c = 0; c < textos.size() && std::size_t(c) + 1 < bordes_.size(); ++c) {
        const float izquierda = bordes_[std::size_t(c)], derecha = bordes_[std::size_t(c) + 1];
        a.etiquetas.push_back(Texto(textos[c], izquierda + kAireTexto, derecha - izquierda - 2 * kAireTexto, negrita,
                                    c < 2 ? AlineacionTexto::Centro : AlineacionTexto::Derecha));
    }
    return a;
}

void TSeccionFinal::Detalle(BandaInforme& detalle, int k) {
    Aspecto aspecto;
    if (k == 1) {
        EtiquetaInforme e = Texto(titulo_, kMargen, 0, true, AlineacionTexto::Izquierda);
        e.estilo.puntos = kPuntosTexto + 1;
        e.estilo.color = kMarino;
        aspecto.etiquetas.push_back(e);
    } else if (k == 2) {
        aspecto = Titulos();
    } else if (k > 2) {
        const std::size_t fila = std::size_t(k - kFilasCabecera);
        aspecto = Fila(tabla_.filas[fila], fila + 1 == tabla_.filas.size());
    }
    Cambiar(detalle, detalleTabla_, aspecto);
}

int TSeccionFinal::Cabecera(BandaInforme& cabecera, int k) {
    if (k < 0) {
        if (cabeceraTabla_)
            Poner(cabecera, *std::exchange(cabeceraTabla_, std::nullopt));
        return k;
    }
    Cambiar(cabecera, cabeceraTabla_, k < kFilasCabecera ? Aspecto{} : Titulos());
    return k == 0 ? 1 : k;
}

void TSeccionFinal::Restaurar(BandaInforme& detalle) {
    if (detalleTabla_)
        Poner(detalle, *std::exchange(detalleTabla_, std::nullopt));
}
