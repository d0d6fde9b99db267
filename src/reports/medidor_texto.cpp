#include "reports/medidor_texto.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr float kPaso = 0.5f, kMinimo = 2;
constexpr int kPixeles = 1000;  // the size texts are measured at
constexpr double kMmPorPunto = 25.4 / 72.0;

QFont FuenteDeMedida(const EstiloTexto& estilo) {
    QFont fuente(estilo.familia);
    fuente.setBold(estilo.negrita);
    fuente.setItalic(estilo.cursiva);
    fuente.setHintingPreference(QFont::PreferNoHinting);
    fuente.setPixelSize(kPixeles);
    return fuente;
}

// The advances of the ASCII characters in mm at one point, per family, weight
// and slant. Reports are laid out on the main thread only.
const std::array<float, 128>& AvancesPorPunto(const EstiloTexto& estilo) {
    static QHash<QString, std::shared_ptr<std::array<float, 128>>> tablas;
    const QString clave = estilo.familia + QLatin1Char(estilo.negrita ? 'N' : 'n') + QLatin1Char(estilo.cursiva ? 'C' : 'c');
    auto& tabla = tablas[clave];
    if (!tabla) {
        const QFontMetricsF medida(FuenteDeMedida(estilo));
        tabla = std::make_shared<std::array<float, 128>>();
        for (int ch = 0; ch < int(tabla->size()); ++ch)
            (*tabla)[std::size_t(ch)] = float(medida.horizontalAdvance(QChar(ch)) / kPixeles * kMmPorPunto);
    }
    return *tabla;
}

}  // namespace

float AnchoTextoMm(const QString& texto, const EstiloTexto& estilo) {
    const double emMm = estilo.puntos * kMmPorPunto;
    return float(QFontMetricsF(FuenteDeMedida(estilo)).horizontalAdvance(texto) / kPixeles * emMm);
}

float PuntosParaAncho(float ancho, float hueco) {
    if (ancho <= hueco)
        return kPuntosTexto;
    // The small allowance keeps a size that fits exactly from rounding down.
    const float puntos = std::floor(kPuntosTexto * hueco / ancho / kPaso + 1e-4f) * kPaso;
    return std::max(kMinimo, puntos);
}

float PuntosQueCaben(const QString& texto, EstiloTexto estilo, float hueco) {
    estilo.puntos = kPuntosTexto;
    return PuntosParaAncho(AnchoTextoMm(texto, estilo), hueco);
}

MedidorTexto::MedidorTexto(const EstiloTexto& estilo) : estilo_(estilo), avances_(&AvancesPorPunto(estilo)) {}

float MedidorTexto::Ancho(const QString& texto) const {
    float ancho = 0;
    for (QChar ch : texto) {
        if (ch.unicode() < avances_->size())
            ancho += (*avances_)[ch.unicode()] * estilo_.puntos;
        else
            ancho += AnchoTextoMm(QString(ch), estilo_);
    }
    return ancho;
}

void MedidorTexto::Anotar(const QString& texto) { maximo_ = std::max(maximo_, Ancho(texto)); }
