// Feeds arbitrary bytes to the layout reader. A text that reads must write
// and read back to the same bytes, and loading it into the grid's attribute
// lists and writing them again must not fail other than with a layout error.
#include "widgets/grid/grid_attributes.h"
#include "widgets/grid/layout_filer.h"
#include "widgets/grid/layout_reader.h"
#include "widgets/grid/layout_writer.h"

#include <cstdint>
#include <cstdlib>

namespace {

class Geometria : public TGridGeometry {
public:
    int ColCount() const override { return 9; }
    int RowCount() const override { return 40; }
    int FixedCols() const override { return 0; }
    int FixedRows() const override { return 1; }
};

void CargarAtributos(const TLayoutDocument& doc) {
    Geometria geometria;
    TGridFont fuente;
    TGridBrush brocha;
    TGridAttributes atributos(geometria, fuente, brocha);
    TLayoutFiler lectura;
    atributos.DefineProperties(lectura, [](int, int) { return QString(); });
    for (const auto& p : doc.properties)
        if (const auto* entrada = lectura.Find(p.name)) {
            try {
                TLayoutFiler::Read(*entrada, p.value);
            } catch (const ELayoutError&) {
            }
        }
    TLayoutFiler escritura;
    atributos.DefineProperties(escritura, [](int, int) { return QString(); });
    TLayoutDocument salida;
    for (const auto& e : escritura.Entries())
        if (e.hasData && e.writer)
            salida.properties.push_back({e.name, e.writer(), 0, 0});
    salida.objectName = QStringLiteral("G");
    salida.className = QStringLiteral("TAttributeGrid");
    const TLayoutDocument otra = ReadLayout(WriteLayout(salida));
    (void)otra;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray texto(reinterpret_cast<const char*>(data), qsizetype(size));
    TLayoutDocument doc;
    try {
        doc = ReadLayout(texto);
    } catch (const ELayoutError&) {
        return 0;
    }
    const QByteArray primera = WriteLayout(doc);
    const QByteArray segunda = WriteLayout(ReadLayout(primera));
    if (primera != segunda)
        std::abort();
    CargarAtributos(doc);
    return 0;
}
