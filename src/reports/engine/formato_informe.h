#pragma once
// The layout of report files, shared by their writer and their reader.
// Header: magic "ZRPF", version (u16), reserved (u16), payload length (u32),
// SHA-256 of the payload (32 bytes). Payload: title, styles, then
//   version 1: pages, each its size and its primitives written out whole;
//   version 2: the shapes, then pages, each its size and its records as
//   PaginasCompactas keeps them.
// Numbers are big-endian, floats IEEE single precision; texts are UTF-8 with
// a u32 byte count. Version 1 files are still read.
#include "reports/engine/fichero_informe.h"

#include <QIODevice>

namespace formato_informe {

constexpr quint32 kMagia = 0x5A525046;  // "ZRPF"
constexpr quint16 kVersionActual = 2;
constexpr int kCabecera = 4 + 2 + 2 + 4 + 32;
constexpr float kMaximoMm = 10000.0f;

// Receives the bytes of the file in order; false stops the writing.
using Sumidero = std::function<bool(const char* datos, qint64 bytes)>;

// Writes the whole file. The payload is produced twice, once for its length
// and checksum and once to write it, so that no copy of it is ever held.
// A report whose file would be refused on loading is not written: `motivo`
// then says so (when the sink fails, the reason is the sink's).
bool EscribirFichero(const InformePreparado& informe, const Sumidero& escribir, QString* motivo);

// Reads a file of `tamano` bytes from `origen`.
bool LeerFichero(QIODevice& origen, qint64 tamano, InformePreparado& destino, QString* motivo,
                 const ProgresoCarga& progreso);

}  // namespace formato_informe
