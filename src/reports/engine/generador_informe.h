#pragma once
// Generates a report definition into prepared pages. Generation lets the
// event loop run after the first page and then every few hundredths of a
// second, so a preview shows the first page at once and stays responsive
// while the rest are prepared, and can be cancelled.
#include "reports/engine/definicion_informe.h"

#include <QDate>
#include <QElapsedTimer>
#include <QObject>

enum class EstadoGeneracion { Preparado, Ocupado, Terminado };

class TGeneradorInforme : public QObject {
    Q_OBJECT
public:
    explicit TGeneradorInforme(QObject* parent = nullptr);

    // Runs the data loop of the definition from the start and fills
    // `destino`, whose pages are replaced. `fecha` is the date printed by
    // date fields. Returns false when cancelled.
    bool Generar(DefinicionInforme& definicion, InformePreparado& destino, const QDate& fecha = QDate::currentDate());

    void Cancelar() { cancelado_ = true; }
    EstadoGeneracion Estado() const { return estado_; }
    int PaginasPreparadas() const { return paginas_; }
    // Let the event loop run after each page (true by default).
    void FijarAtenderEventos(bool atender) { atenderEventos_ = atender; }

signals:
    // A page is ready; `pagina` counts from 1.
    void PaginaDisponible(int pagina);

private:
    // A page with its page header and, unless told not, its column titles.
    void NuevaPagina(bool conColumnas = true);
    void TerminarPagina();
    void AtenderEventos();
    void ImprimirBanda(int indice);
    void ImprimirConHijas(int indice);
    float AltoConHijas(int indice) const;
    // The same for the band's next printing.
    float AltoSiguiente(int indice) const;
    int BuscarBanda(TipoBanda tipo) const;
    void Dibujar(const BandaInforme& banda, float y);
    QString TextoCampo(const CampoSistemaInforme& campo) const;

    DefinicionInforme* def_ = nullptr;
    InformePreparado* destino_ = nullptr;
    PaginaPreparada pagina_;  // the page being laid out
    QDate fecha_;
    float y_ = 0;
    int paginas_ = 0;
    bool cancelado_ = false;
    bool atenderEventos_ = true;
    QElapsedTimer desdeEventos_;
    EstadoGeneracion estado_ = EstadoGeneracion::Preparado;
};
