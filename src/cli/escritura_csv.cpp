// The report as a Spanish spreadsheet opens it: each table asked for with
// the grid's titles and texts (tables apart by an empty line); without a
// table, the result captions and their figures.
#include "cli/escritura_orden.h"

#include "util/texto_csv.h"

void EscribirCsv(const InformeOrden& informe, TLineas& salida) {
    const QList<const TablaOrden*> tablas = TablasInforme(informe);
    for (const TablaOrden* tabla : tablas)
        AnchosColumnas(*tabla);
    if (tablas.isEmpty()) {
        QStringList etiquetas, textos;
        for (const DatoResultado& d : informe.resultado) {
            etiquetas << d.etiqueta;
            textos << d.texto;
        }
        salida.Linea(LineaCsv(etiquetas));
        salida.Linea(LineaCsv(textos));
        return;
    }
    for (const TablaOrden* tabla : tablas) {
        if (tabla != tablas.first())
            salida.Linea(QString());
        salida.Linea(LineaCsv(tabla->titulos));
        const SiguienteFila siguiente = tabla->recorrer();
        FilaOrden fila;
        while (siguiente(fila))
            salida.Linea(LineaCsv(fila.textos));
    }
}
