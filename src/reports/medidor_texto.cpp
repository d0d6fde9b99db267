#include "reports/medidor_texto.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>

float AnchoTextoMm(const QString& texto, const EstiloTexto& estilo) {
    constexpr int kPixeles = 1000;
    QFont fuente(estilo.familia);
    fuente.setBold(estilo.negrita);
    fuente.setItalic(estilo.cursiva);
    fuente.setHintingPreference(QFont::PreferNoHinting);
    fuente.setPixelSize(kPixeles);
    const double emMm = estilo.puntos * 25.4 / 72.0;
    return float(QFontMetricsF(fuente).horizontalAdvance(texto) / kPixeles * emMm);
}

float AnchoPintadoMm(const QString& texto, const EstiloTexto& estilo) {
    static const QImage dispositivo(1, 1, QImage::Format_RGB32);
    QFont fuente(estilo.familia);
    fuente.setBold(estilo.negrita);
    fuente.setItalic(estilo.cursiva);
    fuente.setHintingPreference(QFont::PreferNoHinting);
    fuente.setPointSizeF(estilo.puntos * 25.4 / dispositivo.logicalDpiY());
    return float(QFontMetricsF(fuente, &dispositivo).horizontalAdvance(texto));
}

float PuntosQueCaben(const QString& texto, EstiloTexto estilo, float hueco) {
    constexpr float kPaso = 0.5f, kMinimo = 2;
    estilo.puntos = kPuntosTexto;
    while (estilo.puntos > kMinimo && AnchoPintadoMm(texto, estilo) > hueco)
        estilo.puntos -= kPaso;
    return estilo.puntos;
}

MedidorTexto::MedidorTexto(const EstiloTexto& estilo) : estilo_(estilo) {
    for (int ch = 0; ch < int(avances_.size()); ++ch)
        avances_[std::size_t(ch)] = AnchoTextoMm(QString(QChar(ch)), estilo);
}

bool MedidorTexto::Anotar(const QString& texto) {
    float ancho = 0;
    for (QChar ch : texto)
        ancho += ch.unicode() < avances_.size() ? avances_[ch.unicode()] : AnchoTextoMm(QString(ch), estilo_);
    if (ancho <= maximo_)
        return false;
    maximo_ = ancho;
    masAncho_ = texto;
    return true;
}
