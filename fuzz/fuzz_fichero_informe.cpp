// Feeds arbitrary bytes to the report-file loader. The first byte chooses how:
// even, the bytes are a whole file as read from disk; odd, the rest is the
// content and gets a correct header and checksum, so the fuzzer reaches the
// field checks behind the checksum (bit 1 then picks the format: clear for
// the first version, set for the current one). A report that loads must save
// and load back to the same bytes, and every page must decode.
#include "reports/engine/fichero_informe.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <cstdint>
#include <cstdlib>

namespace {

QByteArray ConCabecera(const QByteArray& contenido, quint16 version) {
    QByteArray fichero;
    QDataStream s(&fichero, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::BigEndian);
    s << quint32(0x5A525046) << version << quint16(0) << quint32(contenido.size());
    const QByteArray resumen = QCryptographicHash::hash(contenido, QCryptographicHash::Sha256);
    s.writeRawData(resumen.constData(), int(resumen.size()));
    s.writeRawData(contenido.constData(), int(contenido.size()));
    return fichero;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QByteArray resto(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const QByteArray fichero = (data[0] & 1) ? ConCabecera(resto, (data[0] & 2) ? 2 : 1) : resto;
    InformePreparado informe;
    QString motivo;
    if (!LeerInforme(fichero, informe, &motivo)) {
        if (motivo.isEmpty())
            std::abort();
        return 0;
    }
    for (const PaginaPreparada& pagina : informe.paginas)
        if (pagina.primitivas.size() > std::size_t(PaginasCompactas::kMaximoElementos))
            std::abort();
    const QByteArray primera = EscribirInforme(informe);
    InformePreparado otra;
    if (!LeerInforme(primera, otra) || EscribirInforme(otra) != primera)
        std::abort();
    return 0;
}
