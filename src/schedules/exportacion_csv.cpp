#include "schedules/exportacion_csv.h"

#include "ui/avisos.h"
#include "ui/fichero_para_guardar.h"
#include "schedules/copia_tabla.h"
#include "util/escritura_atomica.h"
#include "util/texto_csv.h"
#include "widgets/grid/string_grid.h"

#include <functional>

namespace {

// Writes `filas` rows, each given by `textos`, one CSV line each.
bool EscribirFilasCsv(int filas, const std::function<QStringList(int)>& textos, const QString& ruta,
                      QString* motivo) {
    TEscrituraAtomica fichero(ruta);
    bool bien = fichero.Abrir(motivo);
    for (int fila = 0; bien && fila < filas; ++fila) {
        const QByteArray linea = (LineaCsv(textos(fila)) + u'\n').toUtf8();
        bien = fichero.Escribir(linea.constData(), linea.size(), motivo);
    }
    return bien && fichero.Confirmar(motivo);
}

using Escritura = std::function<bool(const QString& ruta, QString* motivo)>;

void PedirYEscribir(QWidget* padre, const Escritura& escribir) {
    const QString nombre = PedirFicheroParaGuardar(padre, QStringLiteral("Exportar la tabla"),
                                                   QStringLiteral("Texto CSV (*.csv)"), ConExtensionCsv);
    if (nombre.isEmpty())
        return;
    QString motivo;
    if (!escribir(nombre, &motivo))
        Avisar(QStringLiteral("Error al exportar la tabla"),
               QStringLiteral("No se puede exportar la tabla a: %1 (%2)").arg(nombre, motivo), AvisoError);
}

}  // namespace

bool EscribirCsv(const TStringGrid& grid, const QString& ruta, QString* motivo) {
    return EscribirFilasCsv(
        grid.RowCount(), [&grid](int fila) { return TextosFila(grid, fila); }, ruta, motivo);
}

bool EscribirCsv(const QList<QStringList>& filas, const QString& ruta, QString* motivo) {
    return EscribirFilasCsv(
        int(filas.size()), [&filas](int fila) { return filas[fila]; }, ruta, motivo);
}

QString ConExtensionCsv(const QString& nombre) {
    return nombre.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? nombre : nombre + QStringLiteral(".csv");
}

void ExportarCsv(QWidget* padre, const TStringGrid& grid) {
    PedirYEscribir(padre, [&grid](const QString& ruta, QString* motivo) { return EscribirCsv(grid, ruta, motivo); });
}

void ExportarCsv(QWidget* padre, const QList<QStringList>& filas) {
    PedirYEscribir(padre, [&filas](const QString& ruta, QString* motivo) { return EscribirCsv(filas, ruta, motivo); });
}
