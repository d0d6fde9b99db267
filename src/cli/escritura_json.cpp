// The report as one JSON object: "resultado", and "tabla" and
// "resumen_anual" when asked for, each row an object of numbers (dates as
// ISO texts).
#include "cli/escritura_orden.h"

#include "cli/valores_json.h"

namespace {

QString Objeto(const QStringList& claves, const QStringList& valores) {
    QStringList pares;
    for (qsizetype i = 0; i < claves.size() && i < valores.size(); ++i)
        pares << JsonTexto(claves[i]) + QStringLiteral(": ") + valores[i];
    return u'{' + pares.join(QStringLiteral(", ")) + u'}';
}

QString Coma(bool siguen) { return siguen ? QStringLiteral(",") : QString(); }

// One row a line, each but the last followed by a comma.
void EscribirFilas(const QString& nombre, const TablaOrden& tabla, bool siguen, TLineas& salida) {
    salida.Linea(QStringLiteral("  %1: [").arg(JsonTexto(nombre)));
    const SiguienteFila siguiente = tabla.recorrer();
    FilaOrden fila;
    bool hay = siguiente(fila);
    while (hay) {
        const QString objeto = QStringLiteral("    ") + Objeto(tabla.claves, fila.json);
        hay = siguiente(fila);
        salida.Linea(objeto + Coma(hay));
    }
    salida.Linea(QStringLiteral("  ]") + Coma(siguen));
}

}  // namespace

void EscribirJson(const InformeOrden& informe, TLineas& salida) {
    for (const TablaOrden* tabla : TablasInforme(informe))
        AnchosColumnas(*tabla);
    QStringList claves, valores;
    for (const DatoResultado& d : informe.resultado) {
        claves << d.clave;
        valores << d.json;
    }
    salida.Linea(QStringLiteral("{"));
    salida.Linea(QStringLiteral("  \"resultado\": ") + Objeto(claves, valores) +
                 Coma(informe.tabla || informe.resumenAnual));
    if (informe.tabla)
        EscribirFilas(QStringLiteral("tabla"), *informe.tabla, informe.resumenAnual.has_value(), salida);
    if (informe.resumenAnual)
        EscribirFilas(QStringLiteral("resumen_anual"), *informe.resumenAnual, false, salida);
    salida.Linea(QStringLiteral("}"));
}
