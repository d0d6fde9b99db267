// Feeds arbitrary bytes to the calculation-document reader. A document that
// reads must write and read back to the same document, and a refusal must
// say why.
#include "finance/documento_calculo.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray datos(reinterpret_cast<const char*>(data), qsizetype(size));
    finance::DocumentoCalculo documento;
    QString motivo;
    if (!finance::LeerDocumento(datos, documento, &motivo)) {
        if (motivo.isEmpty())
            std::abort();
        return 0;
    }
    finance::DocumentoCalculo otro;
    if (!finance::LeerDocumento(finance::EscribirDocumento(documento), otro, &motivo))
        std::abort();
    // The version read is the file's; what is written is always the current one.
    otro.formato = documento.formato;
    if (!(otro == documento))
        std::abort();
    return 0;
}
