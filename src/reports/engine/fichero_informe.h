#pragma once
// Report files (".zrp"): the prepared pages of a report, saved and loaded
// back. Both ways stream: saving writes page by page from the stored pages,
// and loading reads the file once, a block at a time, keeping only the
// pages. The loader checks every field, bounds every count by the bytes
// left and by limits that no report reaches, refuses files above
// kMaximoFicheroInforme, and verifies a checksum; so a damaged, hostile or
// endless file (a pipe, a device) is refused with a reason and never
// crashes the program, blocks it, or makes it hold more than about the
// file's own size.
#include "reports/engine/pagina_preparada.h"

#include <QByteArray>
#include <QString>
#include <functional>

// The largest report file loaded: more than four times the file of the
// largest table the program prints (a million rows), and still shown in a
// few hundred megabytes.
inline constexpr qint64 kMaximoFicheroInforme = qint64(256) << 20;

// The largest letter and the thickest line a report file may hold. The
// program's own reports use 12 points and 0,4 mm at most; a file beyond these
// is refused, since drawing a page of it could hold the window for seconds.
inline constexpr float kMaximoPuntosInforme = 72;
inline constexpr float kMaximoGrosorInforme = 5;  // millimetres

// Told the bytes read so far and the total; returning false cancels.
using ProgresoCarga = std::function<bool(qint64 hechos, qint64 total)>;

// The whole file as bytes.
QByteArray EscribirInforme(const InformePreparado& informe);

// Reads the bytes of a file into `destino`, which is left untouched when
// they are refused; `motivo` then says why, in Spanish.
bool LeerInforme(const QByteArray& datos, InformePreparado& destino, QString* motivo = nullptr);

// Saving replaces an existing file only once the new one is complete.
bool GuardarInforme(const InformePreparado& informe, const QString& ruta, QString* motivo = nullptr);
// When `progreso` cancels, returns false with an empty reason.
bool CargarInforme(const QString& ruta, InformePreparado& destino, QString* motivo = nullptr,
                   const ProgresoCarga& progreso = {});
