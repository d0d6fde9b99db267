#include "reports/form_rpt_base.h"

#include "util/identidad.h"
#include "reports/fuente_filas.h"
#include "reports/medidor_texto.h"
#include "reports/pagina_grafico.h"
#include "reports/reparto_columnas.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr QRgb kGris = qRgb(219, 219, 219);
constexpr QRgb kAzulResumen = qRgb(223, 223, 255);
constexpr QRgb kBlanco = 0xffffffff;
constexpr QRgb kMarino = qRgb(0, 0, 128);
constexpr float kAltoFila = 4.7f;
constexpr float kAltoPie = 4.0f;
constexpr float kArribaTexto = 0.55f;  // centres an 8-point line in a 4.7 mm band
constexpr float kFinNombre = 178.4f;
constexpr float kAnchoNombre = 120.0f;
constexpr float kGrosorSeparador = 2;
constexpr float kSeparacionValor = 1.5f;  // between a summary caption and its value
constexpr float kAireTexto = 0.5f;  // kept clear at either side of a figure
constexpr float kAireTitulo = 0.2f;  // the least a column title keeps from a separator
constexpr float kLadoCortoA4 = 210;
constexpr float kLadoLargoA4 = 297;
constexpr float kAnchoNumeroPagina = 40;
// The bands FormCreate builds, in the order it builds them; the spaces are
// the blank strips under the summary and under the column titles.
enum class Lugar { Cabecera, Titulo, Resumen, EspacioResumen, Columnas, EspacioColumnas, Detalle, Pie };

BandaInforme& BandaEn(DefinicionInforme& d, Lugar lugar) { return d.bandas[std::size_t(lugar)]; }
const BandaInforme& BandaEn(const DefinicionInforme& d, Lugar lugar) { return d.bandas[std::size_t(lugar)]; }

// A figure split in two after the thousands point nearest its middle, the
// point ending the first part; nothing to split without a point.
std::pair<QString, QString> Partir(const QString& texto) {
    qsizetype corte = -1;
    for (qsizetype i = 0; i < texto.size(); ++i)
        if (texto[i] == QLatin1Char('.') && (corte < 0 || std::abs(2 * (i + 1) - texto.size()) < std::abs(2 * corte - texto.size())))
            corte = i + 1;
    if (corte < 0)
        return {texto, QString()};
    return {texto.left(corte), texto.mid(corte)};
}

EstiloTexto Estilo(float puntos, bool negrita, QRgb color = 0xff000000) {
    EstiloTexto e;
    e.puntos = puntos;
    e.negrita = negrita;
    e.color = color;
    return e;
}

EtiquetaInforme Etiqueta(const QString& texto, float izquierda, float arriba, float ancho, const EstiloTexto& estilo,
                         AlineacionTexto alineacion = AlineacionTexto::Izquierda) {
    EtiquetaInforme e;
    e.texto = texto;
    e.izquierda = izquierda;
    e.arriba = arriba;
    e.ancho = ancho;
    e.estilo = estilo;
    e.alineacion = alineacion;
    return e;
}

LineaInforme Vertical(float x, float largo) {
    LineaInforme l;
    l.vertical = true;
    l.x = x;
    l.longitud = largo;
    l.grosorPuntos = kGrosorSeparador;
    return l;
}

BandaInforme Banda(TipoBanda tipo, float alto, QRgb fondo, int padre = -1, unsigned marcos = MarcoNinguno) {
    BandaInforme b;
    b.tipo = tipo;
    b.alto = alto;
    b.fondo = fondo;
    b.padre = padre;
    b.marcos = marcos;
    return b;
}

}  // namespace

void TFormRptBase::FormCreate(const Diseno& diseno) {
    informe_.bandas.reserve(std::size_t(Lugar::Pie) + 1);
    CrearCabecera();
    CrearResumen(diseno);
    CrearColumnas(diseno);
    CrearDetalle(diseno);
    CrearPie();

    const QString nombre = TextoNombrePrograma() + QLatin1Char(' ') + TextoVersion();
    informe_.titulo = nombre;
    LblRegistroPrograma = &BandaEn(informe_, Lugar::Cabecera).etiquetas[0];
    LblNombrePrograma = &BandaEn(informe_, Lugar::Cabecera).etiquetas[1];
    LblTitulo = &BandaEn(informe_, Lugar::Titulo).etiquetas[0];
    LblRegistroPrograma->texto = QStringLiteral("Cálculos financieros");
    LblNombrePrograma->texto = nombre;
    for (auto& e : BandaEn(informe_, Lugar::Resumen).etiquetas)
        if (e.texto.isEmpty())
            valores_.push_back(&e);

    diseno_ = diseno;
    Orientar(false);
    ColocarColumnas(CajasDiseno());
    informe_.antesDeImprimir = [this] {
        FilaActual = 1;
        AjustarFuentes();
    };
    informe_.necesitaDatos = [this] { return FilaActual < FilasInforme; };
}

void TFormRptBase::CrearCabecera() {
    BandaInforme cabecera = Banda(TipoBanda::CabeceraPagina, kAltoPie, kGris);
    const EstiloTexto normal = Estilo(8, false);
    cabecera.etiquetas.push_back(Etiqueta({}, 1.9f, 0.25f, 0, normal));
    cabecera.etiquetas.push_back(Etiqueta({}, 0, 0.25f, kAnchoNombre, normal, AlineacionTexto::Derecha));
    informe_.bandas.push_back(std::move(cabecera));

    BandaInforme titulo = Banda(TipoBanda::Hija, 10.6f, kBlanco, int(Lugar::Cabecera));
    EtiquetaInforme lbl = Etiqueta({}, 1.3f, 4.2f, 0, Estilo(12, true, kMarino));
    lbl.transparente = false;
    titulo.etiquetas.push_back(lbl);
    informe_.bandas.push_back(std::move(titulo));
}

void TFormRptBase::CrearResumen(const Diseno& diseno) {
    BandaInforme resumen =
        Banda(TipoBanda::Hija, kAltoFila, kAzulResumen, int(Lugar::Titulo), MarcoAbajo | MarcoDerecha);
    const EstiloTexto estilo = Estilo(8, true, kMarino);
    for (const Resumen& r : diseno.resumen) {
        resumen.etiquetas.push_back(Etiqueta(r.rotulo, 0, kArribaTexto, 0, estilo));
        resumen.etiquetas.push_back(Etiqueta({}, 0, kArribaTexto, 0, estilo));
    }
    for (std::size_t i = 0; i < diseno.separadoresResumen.size(); ++i)
        resumen.lineas.push_back(Vertical(0, kAltoFila));
    informe_.bandas.push_back(std::move(resumen));
    informe_.bandas.push_back(Banda(TipoBanda::Hija, 2.1f, kBlanco, int(Lugar::Resumen)));
}

void TFormRptBase::CrearColumnas(const Diseno& diseno) {
    BandaInforme titulos = Banda(TipoBanda::CabeceraColumnas, kAltoFila, kGris, -1, MarcoAbajo | MarcoDerecha);
    const EstiloTexto negrita = Estilo(8, true);
    for (const Columna& c : diseno.columnas) {
        titulos.etiquetas.push_back(Etiqueta(c.titulo, 0, kArribaTexto, 0, negrita, AlineacionTexto::Centro));
        titulosMm_.push_back(AnchoTextoMm(c.titulo, negrita));
    }
    for (std::size_t i = 0; i < diseno.separadoresColumnas.size(); ++i)
        titulos.lineas.push_back(Vertical(0, kAltoFila));
    informe_.bandas.push_back(std::move(titulos));
    informe_.bandas.push_back(Banda(TipoBanda::Hija, 2.1f, kBlanco, int(Lugar::Columnas)));
}

void TFormRptBase::CrearDetalle(const Diseno& diseno) {
    BandaInforme detalle = Banda(TipoBanda::Detalle, kAltoFila, kBlanco);
    const EstiloTexto normal = Estilo(8, false);
    for (const Columna& c : diseno.columnas)
        detalle.etiquetas.push_back(Etiqueta({}, 0, kArribaTexto, 0, normal, c.alineacion));
    LineaInforme linea;
    linea.vertical = false;
    linea.x = diseno.lineaDesde;
    linea.y = kAltoFila - 0.1f;
    linea.longitud = diseno.lineaLargo;
    linea.visible = false;
    detalle.lineas.push_back(linea);
    detalle.antesDeImprimir = [this](BandaInforme& banda) { DetalleBeforePrint(banda); };
    detalle.altoSiguiente = [this] { return AltoFila(FilaActual); };
    detalle.despuesDeImprimir = [this](BandaInforme&) {
        if (AvanzarTrasImprimir())
            ++FilaActual;
    };
    informe_.bandas.push_back(std::move(detalle));
}

void TFormRptBase::CrearPie() {
    BandaInforme pie = Banda(TipoBanda::PiePagina, kAltoPie, kGris);
    const EstiloTexto normal = Estilo(8, false);
    CampoSistemaInforme fecha;
    fecha.tipo = CampoSistemaInforme::Fecha;
    fecha.prefijo = QStringLiteral("Fecha: ");
    fecha.izquierda = 1.9f;
    fecha.arriba = 0.25f;
    fecha.estilo = normal;
    CampoSistemaInforme pagina = fecha;
    pagina.tipo = CampoSistemaInforme::NumeroPagina;
    pagina.prefijo = QStringLiteral("Página: ");
    pagina.ancho = kAnchoNumeroPagina;
    pagina.alineacion = AlineacionTexto::Derecha;
    pie.campos = {fecha, pagina};
    informe_.bandas.push_back(std::move(pie));
}

void TFormRptBase::AjustarFuentes() {
    // The columns choose the page's orientation, which moves the summary's
    // separators.
    AjustarColumnas(BandaEn(informe_, Lugar::Detalle));
    AjustarResumen();
}

float TFormRptBase::Escala(bool apaisado) const {
    const float margenes = informe_.margenIzquierdo + informe_.margenDerecho;
    return apaisado ? (kLadoLargoA4 - margenes) / (kLadoCortoA4 - margenes) : 1.0f;
}

std::vector<CajaColumna> TFormRptBase::CajasDiseno(bool apaisado) const {
    const float escala = Escala(apaisado);
    std::vector<CajaColumna> cajas;
    for (const Columna& c : diseno_.columnas)
        cajas.push_back({c.izquierda * escala, c.ancho * escala});
    return cajas;
}

std::vector<float> TFormRptBase::SeparadoresColumnas() const {
    std::vector<float> separadores;
    for (float x : diseno_.separadoresColumnas)
        separadores.push_back(X(x));
    return separadores;
}

void TFormRptBase::Orientar(bool apaisado) {
    apaisado_ = apaisado;
    informe_.anchoPagina = apaisado ? kLadoLargoA4 : kLadoCortoA4;
    informe_.altoPagina = apaisado ? kLadoCortoA4 : kLadoLargoA4;
    escala_ = Escala(apaisado);
    // The texts keep their size: only where things stand across the page
    // widens, and a summary value stays next to its caption.
    BandaEn(informe_, Lugar::Cabecera).etiquetas[1].izquierda = X(kFinNombre) - kAnchoNombre;
    BandaEn(informe_, Lugar::Pie).campos[1].izquierda = X(kFinNombre) - kAnchoNumeroPagina;
    BandaInforme& resumen = BandaEn(informe_, Lugar::Resumen);
    for (std::size_t i = 0; i < diseno_.resumen.size(); ++i) {
        EtiquetaInforme& rotulo = resumen.etiquetas[2 * i];
        rotulo.izquierda = X(diseno_.resumen[i].izquierda);
        resumen.etiquetas[2 * i + 1].izquierda =
            rotulo.izquierda + AnchoTextoMm(rotulo.texto, rotulo.estilo) + kSeparacionValor;
    }
    for (std::size_t i = 0; i < diseno_.separadoresResumen.size(); ++i)
        resumen.lineas[i].x = X(diseno_.separadoresResumen[i]);
    LineaInforme& linea = BandaEn(informe_, Lugar::Detalle).lineas.front();
    linea.x = X(diseno_.lineaDesde);
    linea.longitud = X(diseno_.lineaLargo);
    if (seccion_)
        seccion_->FijarAncho(informe_.AnchoBandas());
}

void TFormRptBase::ColocarColumnas(const std::vector<CajaColumna>& cajas) {
    BandaInforme& titulos = BandaEn(informe_, Lugar::Columnas);
    BandaInforme& detalle = BandaEn(informe_, Lugar::Detalle);
    const std::vector<float> separadores = MoverSeparadores(SeparadoresColumnas(), CajasDiseno(), cajas);
    for (std::size_t i = 0; i < separadores.size(); ++i)
        titulos.lineas[i].x = separadores[i];
    // A title stands centred over its column's figures; its box reaches as
    // far as the nearer separator allows, so that a title wider than the
    // figures still prints whole. One too wide even for that gets a smaller
    // font rather than run under a separator.
    for (std::size_t c = 0; c < cajas.size(); ++c) {
        detalle.etiquetas[c].izquierda = cajas[c].izquierda;
        detalle.etiquetas[c].ancho = cajas[c].ancho;
        const float centro = cajas[c].izquierda + cajas[c].ancho / 2;
        float mitad = std::min(centro, informe_.AnchoBandas() - centro);
        for (float x : separadores)
            mitad = std::min(mitad, std::fabs(x - centro));
        const float ancho = std::max(cajas[c].ancho, 2 * (mitad - kAireTexto));
        EtiquetaInforme& t = titulos.etiquetas[c];
        t.izquierda = centro - ancho / 2;
        t.ancho = ancho;
        t.estilo.puntos = PuntosParaAncho(titulosMm_[c], 2 * (mitad - kAireTitulo));
    }
    cajas_ = cajas;
}

bool TFormRptBase::Legibles(const std::vector<CajaColumna>& cajas, const std::vector<float>& textos) {
    for (std::size_t c = 0; c < cajas.size(); ++c)
        if (PuntosParaAncho(textos[c], cajas[c].ancho - 2 * kAireTexto) < kPuntosLegibles)
            return false;
    return true;
}

void TFormRptBase::AjustarColumnas(BandaInforme& detalle) {
    // The figures of a schedule grow or shrink along it, so its widest
    // texts lie among the first and last rows; a wider one in between
    // prints smaller as its row is printed.
    constexpr int kFilasExtremo = 24;
    medidores_.clear();
    std::vector<float> textos;
    for (std::size_t c = 0; c < diseno_.columnas.size(); ++c) {
        EstiloTexto estilo = detalle.etiquetas[c].estilo;
        estilo.puntos = kPuntosTexto;
        medidores_.emplace_back(estilo);
        for (int fila = 1; fuente_ && fila < FilasInforme; ++fila) {
            if (fila == kFilasExtremo && FilasInforme - kFilasExtremo > fila)
                fila = FilasInforme - kFilasExtremo;
            medidores_.back().Anotar(fuente_->Celda(int(c), fila));
        }
        textos.push_back(medidores_.back().AnchoMaximo());
    }
    // A portrait page while it keeps every figure legible, a landscape one
    // otherwise: its wider columns print the figures larger.
    std::vector<CajaColumna> cajas = RepartirColumnas(CajasDiseno(false), textos, titulosMm_, kAireTexto);
    const bool apaisado = !Legibles(cajas, textos);
    if (apaisado)
        cajas = RepartirColumnas(CajasDiseno(true), textos, titulosMm_, kAireTexto);
    partir_ = apaisado && !Legibles(cajas, textos);
    if (apaisado != apaisado_)
        Orientar(apaisado);
    if (cajas != cajas_)
        ColocarColumnas(cajas);
}

void TFormRptBase::AjustarResumen() {
    for (EtiquetaInforme* valor : valores_) {
        // A value runs from its caption to the next separator or the band's end.
        float fin = informe_.AnchoBandas();
        for (const LineaInforme& separador : BandaEn(informe_, Lugar::Resumen).lineas)
            if (separador.x > valor->izquierda)
                fin = std::min(fin, separador.x);
        valor->estilo.puntos = PuntosQueCaben(valor->texto, valor->estilo, fin - kAireTexto - valor->izquierda);
    }
}

void TFormRptBase::AnadirSeccionFinal(const QString& titulo, const TablaTextos& tabla, int estrechas) {
    if (seccion_) {
        seccion_->Anadir(titulo, tabla, estrechas);
        return;
    }
    seccion_ = std::make_unique<TSeccionFinal>(titulo, tabla, informe_.AnchoBandas(), estrechas);
    // Each generation starts from the table's look.
    informe_.antesDeImprimir = [this, empezar = informe_.antesDeImprimir] {
        seccion_->Restaurar(BandaEn(informe_, Lugar::Detalle));
        seccion_->Cabecera(BandaEn(informe_, Lugar::Columnas), -1);
        empezar();
    };
    informe_.necesitaDatos = [this] { return FilaActual < FilasInforme + seccion_->Filas(); };
    // A page that starts inside the section is headed by its titles, or
    // left blank there when the section's own titles are still to come.
    BandaEn(informe_, Lugar::Columnas).antesDeImprimir = [this](BandaInforme& banda) {
        FilaActual = FilasInforme + seccion_->Cabecera(banda, FilaActual - FilasInforme);
    };
}

void TFormRptBase::AnadirPaginaGraficos(const QList<DatosGrafico>& graficos) {
    graficos_ = graficos;
    if (graficos_.isEmpty()) {
        informe_.paginaFinal = nullptr;
        return;
    }
    informe_.paginaFinal = [this](const CajaPagina& caja, PaginaPreparada& pagina, InformePreparado& informe) {
        DibujarGraficos(graficos_, caja, pagina, informe);
    };
}

float TFormRptBase::PuntosCifra(std::size_t c, const QString& texto) const {
    return PuntosParaAncho(medidores_[c].Ancho(texto), BandaEn(informe_, Lugar::Detalle).etiquetas[c].ancho - 2 * kAireTexto);
}

TFormRptBase::CifraPartida TFormRptBase::Partida(std::size_t c, const QString& texto) const {
    auto [primera, segunda] = Partir(texto);
    if (segunda.isEmpty())
        return {};
    const MedidorTexto& medidor = medidores_[c];
    const float hueco = BandaEn(informe_, Lugar::Detalle).etiquetas[c].ancho - 2 * kAireTexto;
    return {primera, segunda, PuntosParaAncho(std::max(medidor.Ancho(primera), medidor.Ancho(segunda)), hueco)};
}

float TFormRptBase::AltoFila(int fila) const {
    float alto = kAltoFila;
    if (!partir_ || !fuente_ || fila >= FilasInforme)
        return alto;
    for (std::size_t c = 0; c < medidores_.size(); ++c) {
        const QString texto = fuente_->Celda(int(c), fila);
        if (PuntosCifra(c, texto) >= kPuntosLegibles)
            continue;
        const CifraPartida cifra = Partida(c, texto);
        if (!cifra.segunda.isEmpty())
            alto = std::max(alto, kAltoFila + AltoLineaMm(cifra.puntos));
    }
    return alto;
}

void TFormRptBase::DetalleBeforePrint(BandaInforme& banda) {
    // A row that broke figures was taller and had a label for each second
    // line; every row starts from one line.
    if (banda.alto != kAltoFila) {
        banda.alto = kAltoFila;
        banda.lineas.front().y = kAltoFila - 0.1f;
    }
    if (seccion_ && FilaActual >= FilasInforme) {
        seccion_->Detalle(banda, FilaActual - FilasInforme);
        if (!AvanzarTrasImprimir())
            ++FilaActual;
        return;
    }
    if (banda.etiquetas.size() > diseno_.columnas.size())
        banda.etiquetas.resize(diseno_.columnas.size());
    std::vector<EtiquetaInforme> segundas;
    for (std::size_t c = 0; c < diseno_.columnas.size(); ++c) {
        EtiquetaInforme& e = banda.etiquetas[c];
        e.texto = fuente_ ? fuente_->Celda(int(c), FilaActual) : QString();
        if (c >= medidores_.size())
            continue;
        e.estilo.puntos = PuntosParaAncho(medidores_[c].Ancho(e.texto), e.ancho - 2 * kAireTexto);
        if (!partir_ || e.estilo.puntos >= kPuntosLegibles)
            continue;
        const CifraPartida cifra = Partida(c, e.texto);
        if (cifra.segunda.isEmpty())
            continue;
        e.texto = cifra.primera;
        e.estilo.puntos = cifra.puntos;
        segundas.push_back(e);
        segundas.back().texto = cifra.segunda;
        segundas.back().arriba = e.arriba + AltoLineaMm(cifra.puntos);
        banda.alto = std::max(banda.alto, kAltoFila + AltoLineaMm(cifra.puntos));
    }
    if (!segundas.empty()) {
        banda.etiquetas.insert(banda.etiquetas.end(), segundas.begin(), segundas.end());
        banda.lineas.front().y = banda.alto - 0.1f;
    }
    banda.lineas.front().visible = LineaVisible();
    if (!AvanzarTrasImprimir())
        ++FilaActual;
}
