#include "reports/engine/generador_informe.h"

#include "util/ajustes_regionales.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr float kGrosorMarco = 0.25f;   // black frame lines of a band, in mm
constexpr float kMmPorGrosor = 0.2f;    // a line's pen width unit, in mm
// How long generation goes on between two turns of the event loop. Every
// page gives the preview a repaint, so a turn per page would spend more time
// drawing than generating on a long report.
constexpr qint64 kMsEntreEventos = 40;

}  // namespace

TGeneradorInforme::TGeneradorInforme(QObject* parent) : QObject(parent) {}

bool TGeneradorInforme::Generar(DefinicionInforme& definicion, InformePreparado& destino, const QDate& fecha) {
    def_ = &definicion;
    destino_ = &destino;
    fecha_ = fecha;
    cancelado_ = false;
    paginas_ = 0;
    estado_ = EstadoGeneracion::Ocupado;
    destino.titulo = definicion.titulo;
    destino.paginas.clear();
    desdeEventos_.invalidate();

    if (def_->antesDeImprimir)
        def_->antesDeImprimir();
    NuevaPagina();
    const int detalle = BuscarBanda(TipoBanda::Detalle);
    const int pie = BuscarBanda(TipoBanda::PiePagina);
    const float limite = def_->altoPagina - def_->margenAbajo - (pie >= 0 ? AltoConHijas(pie) : 0.0f);
    bool paginaConDetalle = false;
    while (!cancelado_ && detalle >= 0 && def_->necesitaDatos && def_->necesitaDatos()) {
        if (paginaConDetalle && y_ + AltoSiguiente(detalle) > limite) {
            TerminarPagina();
            if (cancelado_)
                break;
            NuevaPagina();
            paginaConDetalle = false;
        }
        ImprimirConHijas(detalle);
        paginaConDetalle = true;
    }
    if (!cancelado_)
        TerminarPagina();
    if (!cancelado_ && def_->paginaFinal) {
        NuevaPagina(false);
        CajaPagina caja;
        caja.x = def_->margenIzquierdo;
        caja.y = y_;
        caja.ancho = def_->AnchoBandas();
        caja.alto = std::max(0.0f, limite - y_);
        def_->paginaFinal(caja, pagina_, *destino_);
        TerminarPagina();
    }
    estado_ = EstadoGeneracion::Terminado;
    return !cancelado_;
}

int TGeneradorInforme::BuscarBanda(TipoBanda tipo) const {
    for (std::size_t i = 0; i < def_->bandas.size(); ++i)
        if (def_->bandas[i].tipo == tipo)
            return static_cast<int>(i);
    return -1;
}

float TGeneradorInforme::AltoConHijas(int indice) const {
    float alto = def_->bandas[static_cast<std::size_t>(indice)].alto;
    for (std::size_t j = 0; j < def_->bandas.size(); ++j)
        if (def_->bandas[j].tipo == TipoBanda::Hija && def_->bandas[j].padre == indice)
            alto += AltoConHijas(static_cast<int>(j));
    return alto;
}

float TGeneradorInforme::AltoSiguiente(int indice) const {
    const BandaInforme& banda = def_->bandas[static_cast<std::size_t>(indice)];
    const float alto = AltoConHijas(indice);
    return banda.altoSiguiente ? alto - banda.alto + banda.altoSiguiente() : alto;
}

void TGeneradorInforme::NuevaPagina(bool conColumnas) {
    pagina_.anchoMm = def_->anchoPagina;
    pagina_.altoMm = def_->altoPagina;
    pagina_.primitivas.clear();
    y_ = def_->margenArriba;
    for (TipoBanda tipo : {TipoBanda::CabeceraPagina, TipoBanda::CabeceraColumnas}) {
        const int indice = BuscarBanda(tipo);
        if (indice >= 0 && (conColumnas || tipo != TipoBanda::CabeceraColumnas))
            ImprimirConHijas(indice);
    }
}

void TGeneradorInforme::TerminarPagina() {
    const int pie = BuscarBanda(TipoBanda::PiePagina);
    if (pie >= 0) {
        y_ = def_->altoPagina - def_->margenAbajo - AltoConHijas(pie);
        ImprimirConHijas(pie);
    }
    destino_->paginas.push_back(pagina_);
    ++paginas_;
    emit PaginaDisponible(paginas_);
    AtenderEventos();
}

void TGeneradorInforme::AtenderEventos() {
    if (!atenderEventos_ || (desdeEventos_.isValid() && desdeEventos_.elapsed() < kMsEntreEventos))
        return;
    QCoreApplication::processEvents();
    desdeEventos_.start();
}

void TGeneradorInforme::ImprimirConHijas(int indice) {
    ImprimirBanda(indice);
    for (std::size_t j = 0; j < def_->bandas.size(); ++j)
        if (def_->bandas[j].tipo == TipoBanda::Hija && def_->bandas[j].padre == indice)
            ImprimirConHijas(static_cast<int>(j));
}

void TGeneradorInforme::ImprimirBanda(int indice) {
    BandaInforme& banda = def_->bandas[static_cast<std::size_t>(indice)];
    if (banda.antesDeImprimir)
        banda.antesDeImprimir(banda);
    Dibujar(banda, y_);
    y_ += banda.alto;
    if (banda.despuesDeImprimir)
        banda.despuesDeImprimir(banda);
}

QString TGeneradorInforme::TextoCampo(const CampoSistemaInforme& campo) const {
    if (campo.tipo == CampoSistemaInforme::Fecha)
        return campo.prefijo + fecha_.toString(Ajustes().formatoFechaCorta);
    return campo.prefijo + QString::number(paginas_ + 1);
}

void TGeneradorInforme::Dibujar(const BandaInforme& banda, float y) {
    auto& prims = pagina_.primitivas;
    const float x0 = def_->margenIzquierdo;
    const float ancho = def_->AnchoBandas();
    if (banda.fondo != 0xffffffff)
        prims.push_back(PrimitivaRectangulo(x0, y, ancho, banda.alto, banda.fondo));
    if (banda.marcos & MarcoArriba)
        prims.push_back(PrimitivaLinea(x0, y, ancho, 0, kGrosorMarco));
    if (banda.marcos & MarcoAbajo)
        prims.push_back(PrimitivaLinea(x0, y + banda.alto, ancho, 0, kGrosorMarco));
    if (banda.marcos & MarcoIzquierda)
        prims.push_back(PrimitivaLinea(x0, y, 0, banda.alto, kGrosorMarco));
    if (banda.marcos & MarcoDerecha)
        prims.push_back(PrimitivaLinea(x0 + ancho, y, 0, banda.alto, kGrosorMarco));

    const auto texto = [&](const QString& contenido, float izquierda, float arriba, float anchoCaja,
                           const EstiloTexto& estilo, AlineacionTexto alineacion, bool transparente) {
        const float anchoReal = anchoCaja > 0 ? anchoCaja : ancho - izquierda;
        const float alto = AltoLineaMm(estilo.puntos);
        if (!transparente)
            prims.push_back(PrimitivaRectangulo(x0 + izquierda, y + arriba, anchoReal, alto, 0xffffffff));
        Primitiva p;
        p.tipo = Primitiva::Texto;
        p.alineacion = alineacion;
        p.estilo = destino_->IndiceEstilo(estilo);
        p.x = x0 + izquierda;
        p.y = y + arriba;
        p.ancho = anchoReal;
        p.alto = alto;
        p.texto = contenido;
        prims.push_back(std::move(p));
    };
    for (const EtiquetaInforme& e : banda.etiquetas)
        texto(e.texto, e.izquierda, e.arriba, e.ancho, e.estilo, e.alineacion, e.transparente);
    for (const CampoSistemaInforme& c : banda.campos)
        texto(TextoCampo(c), c.izquierda, c.arriba, c.ancho, c.estilo, c.alineacion, true);
    for (const LineaInforme& l : banda.lineas) {
        if (!l.visible)
            continue;
        const float grosor = l.grosorPuntos * kMmPorGrosor;
        prims.push_back(l.vertical ? PrimitivaLinea(x0 + l.x, y + l.y, 0, l.longitud, grosor)
                                   : PrimitivaLinea(x0 + l.x, y + l.y, l.longitud, 0, grosor));
    }
}
