#pragma once
// Report files (".zrp"): the prepared pages of a report, saved and loaded
// back. The loader checks every field, bounds every count by the bytes left
// and verifies a checksum, so a damaged or hostile file is refused with a
// reason and never crashes the program or exhausts its memory.
#include "reports/engine/pagina_preparada.h"

#include <QByteArray>
#include <QString>

// The whole file as bytes.
QByteArray EscribirInforme(const InformePreparado& informe);

// Reads the bytes of a file into `destino`, which is left untouched when
// they are refused; `motivo` then says why, in Spanish.
bool LeerInforme(const QByteArray& datos, InformePreparado& destino, QString* motivo = nullptr);

bool GuardarInforme(const InformePreparado& informe, const QString& ruta, QString* motivo = nullptr);
bool CargarInforme(const QString& ruta, InformePreparado& destino, QString* motivo = nullptr);
