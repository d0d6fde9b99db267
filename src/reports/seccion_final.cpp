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

TSeccionFinal::TSeccionFinal(const QString& titulo, TablaTextos tabla, float ancho, int estrechas) : ancho_(ancho) {
    Anadir(titulo, std::move(tabla), estrechas);
}

void TSeccionFinal::Anadir(const QString& titulo, TablaTextos tabla, int estrechas) {
    Parte parte{titulo, std::move(tabla), {}, estrechas};
    Repartir(parte);
    partes_.push_back(std::move(parte));
}

void TSeccionFinal::FijarAncho(float ancho) {
    if (ancho == ancho_)
        return;
    ancho_ = ancho;
    for (Parte& parte : partes_)
        Repartir(parte);
}

void TSeccionFinal::Repartir(Parte& parte) const {
    // The narrow columns first; the amounts share what is left.
    const int columnas = int(parte.tabla.titulos.size());
    const int anchas = std::max(1, columnas - parte.estrechas);
    const float anchoImporte = (ancho_ - 2 * kMargen - float(parte.estrechas) * kAnchoEstrecho) / float(anchas);
    float x = kMargen;
    parte.bordes.assign(1, x);
    for (int c = 0; c < columnas; ++c)
        parte.bordes.push_back(x += c < parte.estrechas ? kAnchoEstrecho : anchoImporte);
}

int TSeccionFinal::Filas() const {
    int filas = 0;
    for (const Parte& parte : partes_)
        filas += parte.Filas();
    return filas;
}

std::pair<const TSeccionFinal::Parte*, int> TSeccionFinal::Localizar(int k) const {
    for (const Parte& parte : partes_) {
        if (k < parte.Filas() || &parte == &partes_.back())
            return {&parte, k};
        k -= parte.Filas();
    }
    return {nullptr, k};
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

TSeccionFinal::Aspecto TSeccionFinal::Titulos(const Parte& parte) {
    const TablaTextos& tabla = parte.tabla;
    const std::vector<float>& bordes = parte.bordes;
    Aspecto a;
    a.fondo = kGris;
    a.marcos = MarcoAbajo | MarcoDerecha;
    for (qsizetype c = 0; c < tabla.titulos.size(); ++c) {
        const float izquierda = bordes[std::size_t(c)], derecha = bordes[std::size_t(c) + 1];
        a.etiquetas.push_back(Texto(tabla.titulos[c], izquierda + kAireTexto, derecha - izquierda - 2 * kAireTexto,
                                    true, AlineacionTexto::Centro));
        if (c + 1 < tabla.titulos.size()) {
            LineaInforme l;
            l.x = derecha;
            l.longitud = 4.7f;
            l.grosorPuntos = 2;
            a.lineas.push_back(l);
        }
    }
    return a;
}

TSeccionFinal::Aspecto TSeccionFinal::Fila(const Parte& parte, const QStringList& textos, bool negrita) {
    const std::vector<float>& bordes = parte.bordes;
    Aspecto a;
    for (qsizetype c = 0; c < textos.size() && std::size_t(c) + 1 < bordes.size(); ++c) {
        const float izquierda = bordes[std::size_t(c)], derecha = bordes[std::size_t(c) + 1];
        a.etiquetas.push_back(Texto(textos[c], izquierda + kAireTexto, derecha - izquierda - 2 * kAireTexto, negrita,
                                    c < parte.estrechas ? AlineacionTexto::Centro : AlineacionTexto::Derecha));
    }
    return a;
}

void TSeccionFinal::Detalle(BandaInforme& detalle, int k) {
    const auto [parte, fila] = Localizar(k);
    Aspecto aspecto;
    if (parte && fila == 1) {
        EtiquetaInforme e = Texto(parte->titulo, kMargen, 0, true, AlineacionTexto::Izquierda);
        e.estilo.puntos = kPuntosTexto + 1;
        e.estilo.color = kMarino;
        aspecto.etiquetas.push_back(e);
    } else if (parte && fila == 2) {
        aspecto = Titulos(*parte);
    } else if (parte && fila > 2) {
        const std::size_t i = std::size_t(fila - kFilasCabecera);
        aspecto = Fila(*parte, parte->tabla.filas[i], i + 1 == parte->tabla.filas.size());
    }
    Cambiar(detalle, detalleTabla_, aspecto);
}

int TSeccionFinal::Cabecera(BandaInforme& cabecera, int k) {
    if (k < 0) {
        if (cabeceraTabla_)
            Poner(cabecera, *std::exchange(cabeceraTabla_, std::nullopt));
        return k;
    }
    const auto [parte, fila] = Localizar(k);
    Cambiar(cabecera, cabeceraTabla_, !parte || fila < kFilasCabecera ? Aspecto{} : Titulos(*parte));
    return fila == 0 ? k + 1 : k;
}

void TSeccionFinal::Restaurar(BandaInforme& detalle) {
    if (detalleTabla_)
        Poner(detalle, *std::exchange(detalleTabla_, std::nullopt));
}
