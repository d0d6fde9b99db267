#include "schedules/exportacion_csv.h"

#include "ui/avisos.h"
#include "ui/fichero_para_guardar.h"
#include "schedules/copia_tabla.h"
#include "util/escritura_atomica.h"
#include "util/texto_csv.h"
#include "widgets/grid/string_grid.h"

bool EscribirCsv(const TStringGrid& grid, const QString& ruta, QString* motivo) {
    TEscrituraAtomica fichero(ruta);
    bool bien = fichero.Abrir(motivo);
    for (int fila = 0; bien && fila < grid.RowCount(); ++fila) {
        const QByteArray linea = (LineaCsv(TextosFila(grid, fila)) + u'\n').toUtf8();
        bien = fichero.Escribir(linea.constData(), linea.size(), motivo);
    }
    return bien && fichero.Confirmar(motivo);
}

QString ConExtensionCsv(const QString& nombre) {
    return nombre.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? nombre : nombre + QStringLiteral(".csv");
}

void ExportarCsv(QWidget* padre, const TStringGrid& grid) {
    const QString nombre = PedirFicheroParaGuardar(padre, QStringLiteral("Exportar la tabla"),
                                                   QStringLiteral("Texto CSV (*.csv)"), ConExtensionCsv);
    if (nombre.isEmpty())
        return;
    QString motivo;
    if (!EscribirCsv(grid, nombre, &motivo))
        Avisar(QStringLiteral("Error al exportar la tabla"),
               QStringLiteral("No se puede exportar la tabla a: %1 (%2)").arg(nombre, motivo), AvisoError);
}
