#pragma once
// What the three schedule reports share: the A4 page, the grey page header,
// the title, the summary strip, the column titles, the detail band with one
// label per grid column and the footer with the date and page number, and
// the data loop that prints grid rows 1 to FilasInforme - 1. Each report
// gives its summary captions, columns and the rule for the line under a row.
#include "reports/dato_resumen.h"
#include "reports/engine/definicion_informe.h"
#include "reports/medidor_texto.h"
#include "reports/reparto_columnas.h"
#include "reports/seccion_final.h"
#include "util/datos_grafico.h"

#include <QString>
#include <memory>
#include <vector>

class FuenteFilas;

class TFormRptBase {
public:
    virtual ~TFormRptBase() = default;
    TFormRptBase(const TFormRptBase&) = delete;
    TFormRptBase& operator=(const TFormRptBase&) = delete;

    // The report definition handed to the engine.
    DefinicionInforme& Informe() { return informe_; }

    // The grid's row count, title row included.
    int FilasInforme = 0;
    // The grid row that the next detail band prints.
    int FilaActual = 1;

    EtiquetaInforme* LblRegistroPrograma = nullptr;
    EtiquetaInforme* LblNombrePrograma = nullptr;
    EtiquetaInforme* LblTitulo = nullptr;

    // The row source must outlive every generation of the report.
    void FijarFuente(const FuenteFilas* fuente) { fuente_ = fuente; }

    // The report prints on portrait A4 while that keeps every figure of its
    // columns at kPuntosLegibles or larger, and turns to landscape A4
    // otherwise: the design, drawn for portrait, widens with the page. Set
    // at each generation.
    bool Apaisado() const { return apaisado_; }

    // Prints a short table with its heading after the schedule's rows, and
    // after those added before it; its first `estrechas` columns are narrow.
    void AnadirSeccionFinal(const QString& titulo, const TablaTextos& tabla, int estrechas = 2);

    // Ends the report with a page of these charts, one above the other, in
    // the page's orientation. No charts, no page.
    void AnadirPaginaGraficos(const QList<DatosGrafico>& graficos);

protected:
    struct Resumen {
        QString rotulo;
        float izquierda;
    };
    struct Columna {
        QString titulo;
        float izquierda;
        float ancho;
        AlineacionTexto alineacion;
    };
    struct Diseno {
        std::vector<Resumen> resumen;
        std::vector<float> separadoresResumen;
        std::vector<Columna> columnas;
        std::vector<float> separadoresColumnas;
        float lineaDesde;
        float lineaLargo;
    };

    TFormRptBase() = default;
    // Builds the bands; the value labels of the summary follow in order.
    void FormCreate(const Diseno& diseno);
    EtiquetaInforme* ValorResumen(DatoResumen dato) { return valores_[std::size_t(dato) - 1]; }

    // Whether the line under the row FilaActual is drawn.
    virtual bool LineaVisible() const = 0;
    // Depreciation moves to the next row once the band is printed; the
    // others as soon as the row has been read.
    virtual bool AvanzarTrasImprimir() const { return false; }

private:
    void CrearCabecera();
    void CrearResumen(const Diseno& diseno);
    void CrearColumnas(const Diseno& diseno);
    void CrearDetalle(const Diseno& diseno);
    void CrearPie();
    void DetalleBeforePrint(BandaInforme& banda);
    // Each figure prints as large as its column allows: a short one at full
    // size even where the column's widest needs a smaller font.
    float PuntosCifra(std::size_t columna, const QString& texto) const;
    // A figure that prints below kPuntosLegibles when the page has no room
    // left to give (partir_) is broken after a thousands point onto two
    // lines, at the largest size its box allows for both; the second line
    // is empty for a figure without a point.
    struct CifraPartida {
        QString primera, segunda;
        float puntos = 0;
    };
    CifraPartida Partida(std::size_t columna, const QString& texto) const;
    // The height of the detail band for the grid row `fila`.
    float AltoFila(int fila) const;
    // Widens the columns whose widest figures do not fit them at the
    // report's size, at the others' expense, and shrinks a summary value
    // wider than its cell, so that every figure prints whole, clear of the
    // next one and as large as the page allows.
    void AjustarFuentes();
    void AjustarColumnas(BandaInforme& detalle);
    void AjustarResumen();
    // Places the detail labels, the column titles and their separators for
    // the given column boxes.
    void ColocarColumnas(const std::vector<CajaColumna>& cajas);
    // Whether every column's widest figure prints at a legible size.
    static bool Legibles(const std::vector<CajaColumna>& cajas, const std::vector<float>& textos);
    // Turns the page and places what does not depend on the figures.
    void Orientar(bool apaisado);
    // How much wider the bands are than on a portrait page.
    float Escala(bool apaisado) const;
    // A position of the portrait design on the page as it is now.
    float X(float x) const { return x * escala_; }
    // The designed column boxes and separators on a page of either orientation.
    std::vector<CajaColumna> CajasDiseno(bool apaisado) const;
    std::vector<CajaColumna> CajasDiseno() const { return CajasDiseno(apaisado_); }
    std::vector<float> SeparadoresColumnas() const;

    DefinicionInforme informe_;
    Diseno diseno_;  // for a portrait page
    bool apaisado_ = false;
    float escala_ = 1;
    bool partir_ = false;  // even landscape is too narrow: figures may break
    std::vector<CajaColumna> cajas_;         // as placed now
    std::vector<float> titulosMm_;           // width of each column title at full size
    std::vector<MedidorTexto> medidores_;    // one per detail column
    std::vector<EtiquetaInforme*> valores_;
    const FuenteFilas* fuente_ = nullptr;
    std::unique_ptr<TSeccionFinal> seccion_;
    QList<DatosGrafico> graficos_;
};
