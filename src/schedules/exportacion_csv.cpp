#include "schedules/exportacion_csv.h"

#include "ui/avisos.h"
#include "schedules/copia_tabla.h"
#include "util/puertas.h"
#include "util/texto_csv.h"
#include "widgets/grid/string_grid.h"

#include <QSaveFile>

bool EscribirCsv(const TStringGrid& grid, const QString& ruta, QString* motivo) {
    QSaveFile fichero(ruta);
    bool bien = fichero.open(QIODevice::WriteOnly);
    for (int fila = 0; bien && fila < grid.RowCount(); ++fila)
        bien = fichero.write((LineaCsv(TextosFila(grid, fila)) + u'\n').toUtf8()) >= 0;
    bien = bien && fichero.commit();
    if (!bien && motivo)
        *motivo = fichero.errorString();
    return bien;
}

QString ConExtensionCsv(const QString& nombre) {
    return nombre.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? nombre : nombre + QStringLiteral(".csv");
}

void ExportarCsv(QWidget* padre, const TStringGrid& grid) {
    QString nombre = puertas::PedirNombreFichero(padre, QStringLiteral("Exportar la tabla"),
                                                 QStringLiteral("Texto CSV (*.csv)"), true);
    if (nombre.isEmpty())
        return;
    nombre = ConExtensionCsv(nombre);
    QString motivo;
    if (!EscribirCsv(grid, nombre, &motivo))
        Avisar(QStringLiteral("Error al exportar la tabla"),
               QStringLiteral("No se puede exportar la tabla a: %1 (%2)").arg(nombre, motivo), AvisoError);
}
