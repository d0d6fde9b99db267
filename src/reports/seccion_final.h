#pragma once
// Short tables printed after a schedule report's rows, through the same
// detail band: for each, a blank line, its heading, its column titles on
// grey, its rows and a last row in bold. The detail band and the column header band take
// the section's look while it prints (so a page that starts inside it is
// headed by its titles) and get the table's back for the next generation.
#include "reports/engine/definicion_informe.h"
#include "util/tabla_textos.h"

#include <optional>
#include <utility>
#include <vector>

class TSeccionFinal {
public:
    // `ancho`: the width of the bands in mm; `estrechas`: how many first
    // columns are narrow and centred (a year and a count), the rest sharing
    // what is left, aligned right.
    TSeccionFinal(const QString& titulo, TablaTextos tabla, float ancho, int estrechas = 2);

    // Another short table, printed after the ones before it the same way.
    void Anadir(const QString& titulo, TablaTextos tabla, int estrechas = 2);

    // The width of the bands changed (the page turned): the columns share
    // the new width.
    void FijarAncho(float ancho);

    // Detail bands the section takes.
    int Filas() const;

    // Fills the detail band for the section's row k (0 to Filas() - 1).
    void Detalle(BandaInforme& detalle, int k);
    // Gives the column header band the look for a page whose first detail
    // is the section's row k (negative: a table row): the table's titles,
    // the section's once its own titles have printed, a blank strip before
    // that. Returns the row to print next, past a blank line at the top.
    int Cabecera(BandaInforme& cabecera, int k);
    // Gives the detail band the table's look back.
    void Restaurar(BandaInforme& detalle);

private:
    // What of a band the section changes.
    struct Aspecto {
        std::vector<EtiquetaInforme> etiquetas;
        std::vector<LineaInforme> lineas;
        QRgb fondo = 0xffffffff;
        unsigned marcos = MarcoNinguno;
    };
    // One of the short tables.
    struct Parte {
        QString titulo;
        TablaTextos tabla;
        std::vector<float> bordes;  // the columns' edges, first and last included
        int estrechas = 2;
        int Filas() const { return kFilasCabecera + int(tabla.filas.size()); }
    };
    // Shares the width of the bands out among the part's columns.
    void Repartir(Parte& parte) const;
    static Aspecto Tomar(const BandaInforme& banda);
    static void Poner(BandaInforme& banda, const Aspecto& aspecto);
    void Cambiar(BandaInforme& banda, std::optional<Aspecto>& guardado, const Aspecto& nuevo);
    // The table row k falls in, and k counted from that table's first row.
    std::pair<const Parte*, int> Localizar(int k) const;
    static Aspecto Titulos(const Parte& parte);
    static Aspecto Fila(const Parte& parte, const QStringList& textos, bool negrita);

    static constexpr int kFilasCabecera = 3;  // blank line, heading, titles

    float ancho_;
    std::vector<Parte> partes_;
    std::optional<Aspecto> detalleTabla_, cabeceraTabla_;
};
