// The comparison's offers as a calculation file: saved with Guardar
// (Ctrl+S), opened back with Abrir (Ctrl+O), through the same careful writer,
// question before replacing a file and refusal of unreadable files as the
// main window's work.
#include "app/archivo_calculos.h"
#include "app/form_comparar.h"
#include "finance/campos_documento.h"
#include "ui/avisos.h"
#include "ui/fichero_para_guardar.h"
#include "util/puertas.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const QString kTitulo = QStringLiteral("Comparar ofertas de préstamo");

// The boxes of a column by their names in the file.
std::array<std::pair<QString, QLineEdit*>, 3> Cajas(const TFormComparar::ColumnaOferta& c) {
    return {{{QStringLiteral("capital"), c.EditCapital},
             {QStringLiteral("interes"), c.EditInteres},
             {QStringLiteral("num"), c.EditNum}}};
}

}  // namespace

std::vector<finance::OfertaDocumento> TFormComparar::OfertasDocumento() const {
    std::vector<finance::OfertaDocumento> ofertas;
    for (int i = 0; i < visibles_; ++i) {
        const ColumnaOferta& c = Columnas[std::size_t(i)];
        finance::OfertaDocumento oferta;
        oferta.nombre = QStringLiteral("Oferta %1").arg(i + 1);
        for (const auto& [nombre, caja] : Cajas(c))
            finance::GuardarTextoCampo(oferta.textos, nombre, caja->text(), false);
        oferta.alPrincipio = c.CbAportacion->currentIndex() == 1;
        oferta.condiciones = c.condiciones;
        ofertas.push_back(oferta);
    }
    return ofertas;
}

std::optional<QString> TFormComparar::MotivoOfertas(const std::vector<finance::OfertaDocumento>& ofertas) {
    if (ofertas.empty())
        return QStringLiteral("el fichero no tiene ofertas que comparar");
    if (ofertas.size() > std::size_t(finance::kMaxOfertas))
        return QStringLiteral("el fichero tiene %1 ofertas y se comparan como mucho %2")
            .arg(ofertas.size())
            .arg(finance::kMaxOfertas);
    return std::nullopt;
}

void TFormComparar::PonerOfertasDocumento(const std::vector<finance::OfertaDocumento>& ofertas) {
    visibles_ = std::max(int(ofertas.size()), finance::kMinOfertas);
    for (int i = 0; i < visibles_; ++i) {
        finance::EntradaPrestamo e;
        if (std::size_t(i) < ofertas.size()) {
            const finance::OfertaDocumento& oferta = ofertas[std::size_t(i)];
            e.capital = finance::TextoCampo(oferta.textos, QStringLiteral("capital"), false);
            e.interes = finance::TextoCampo(oferta.textos, QStringLiteral("interes"), false);
            e.numCuotas = finance::TextoCampo(oferta.textos, QStringLiteral("num"), false);
            e.timing = oferta.alPrincipio ? finance::PaymentTiming::StartOfPeriod : finance::PaymentTiming::EndOfPeriod;
            e.condiciones = oferta.condiciones;
        }
        PonerOferta(i, e);
    }
    MostrarColumnas();
}

bool TFormComparar::GuardarOfertas() {
    const QString ruta = PedirFicheroParaGuardar(this, QStringLiteral("Guardar las ofertas"), FiltroCalculos(),
                                                 [](const QString& elegido) {
                                                     return ConExtension(elegido, QStringLiteral("zzc"));
                                                 });
    if (ruta.isEmpty())
        return false;
    QString motivo;
    if (!finance::GuardarOfertas(ruta, OfertasDocumento(), &motivo)) {
        Avisar(kTitulo, finance::MensajeDocumento(true, ruta, motivo), AvisoError);
        return false;
    }
    return true;
}

bool TFormComparar::AbrirOfertas(const QString& ruta) {
    std::vector<finance::OfertaDocumento> ofertas;
    QString motivo;
    if (finance::CargarOfertas(ruta, ofertas, &motivo)) {
        if (const std::optional<QString> fallo = MotivoOfertas(ofertas))
            motivo = *fallo;
        else {
            PonerOfertasDocumento(ofertas);
            return true;
        }
    }
    Avisar(kTitulo, finance::MensajeDocumento(false, ruta, motivo), AvisoError);
    return false;
}

void TFormComparar::AbrirConDialogo() {
    const QString ruta =
        puertas::PedirNombreFichero(this, QStringLiteral("Abrir ofertas"), FiltroCalculos(), false);
    if (!ruta.isEmpty())
        AbrirOfertas(ruta);
}
