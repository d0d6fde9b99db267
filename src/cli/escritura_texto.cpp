// The readable report: the results as caption and figure, then each table
// with its columns aligned to the right.
#include "cli/escritura_orden.h"

namespace {

const QString kSeparacion = QStringLiteral("  ");

void EscribirResultado(const InformeOrden& informe, TLineas& salida) {
    qsizetype etiqueta = 0, texto = 0;
    for (const DatoResultado& d : informe.resultado) {
        etiqueta = std::max(etiqueta, d.etiqueta.size());
        texto = std::max(texto, d.texto.size());
    }
    salida.Linea(informe.titulo);
    for (const DatoResultado& d : informe.resultado)
        salida.Linea(d.etiqueta.leftJustified(etiqueta) + kSeparacion + d.texto.rightJustified(texto));
}

QString LineaAlineada(const QStringList& textos, const QList<qsizetype>& anchos) {
    QStringList celdas;
    for (qsizetype c = 0; c < textos.size(); ++c)
        celdas << textos[c].rightJustified(c < anchos.size() ? anchos[c] : 0);
    return celdas.join(kSeparacion);
}

void EscribirTabla(const TablaOrden& tabla, const QList<qsizetype>& anchos, TLineas& salida) {
    salida.Linea(QString());
    salida.Linea(tabla.titulo);
    salida.Linea(LineaAlineada(tabla.titulos, anchos));
    const SiguienteFila siguiente = tabla.recorrer();
    FilaOrden fila;
    while (siguiente(fila))
        salida.Linea(LineaAlineada(fila.textos, anchos));
}

}  // namespace

void EscribirTexto(const InformeOrden& informe, TLineas& salida) {
    const QList<const TablaOrden*> tablas = TablasInforme(informe);
    QList<QList<qsizetype>> anchos;
    for (const TablaOrden* tabla : tablas)
        anchos << AnchosColumnas(*tabla);
    EscribirResultado(informe, salida);
    for (qsizetype i = 0; i < tablas.size(); ++i)
        EscribirTabla(*tablas[i], anchos[i], salida);
}
