#include "cli/escritura_orden.h"
#include "cli/salida_estandar.h"
#include "cli/salida_orden.h"

void TLineas::Linea(const QString& texto) { EscribirUtf8(salida_, texto + u'\n'); }

QList<qsizetype> AnchosColumnas(const TablaOrden& tabla) {
    QList<qsizetype> anchos;
    for (const QString& titulo : tabla.titulos)
        anchos << titulo.size();
    const SiguienteFila siguiente = tabla.recorrer();
    FilaOrden fila;
    while (siguiente(fila)) {
        for (qsizetype c = 0; c < anchos.size() && c < fila.textos.size(); ++c)
            anchos[c] = std::max(anchos[c], fila.textos[c].size());
    }
    return anchos;
}

QList<const TablaOrden*> TablasInforme(const InformeOrden& informe) {
    QList<const TablaOrden*> tablas;
    if (informe.tabla)
        tablas << &*informe.tabla;
    if (informe.resumenAnual)
        tablas << &*informe.resumenAnual;
    return tablas;
}

void EscribirInforme(const InformeOrden& informe, const QString& formato, std::FILE* salida) {
    TLineas lineas(salida);
    if (formato == QLatin1String("csv"))
        EscribirCsv(informe, lineas);
    else if (formato == QLatin1String("json"))
        EscribirJson(informe, lineas);
    else
        EscribirTexto(informe, lineas);
}
