#include "util/texto_calculadora.h"

#include "util/ajustes_regionales.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int CifrasSignificativas = 15;

// The value rounded to 15 significant digits, as those digits without
// trailing zeros and the decimal exponent of the first one.
struct Cifras {
    bool negativo = false;
    std::string digitos;
    int exponente = 0;
};

Cifras Redondear(double valor) {
    char buffer[64];
    const auto fin = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(valor), std::chars_format::scientific,
                                   CifrasSignificativas - 1);
    const std::string texto(buffer, fin.ptr);
    const auto e = texto.find('e');
    Cifras c;
    c.negativo = std::signbit(valor);
    for (size_t i = 0; i < e; ++i)
        if (texto[i] != '.')
            c.digitos += texto[i];
    c.digitos.erase(c.digitos.find_last_not_of('0') + 1);
    c.exponente = std::stoi(texto.substr(e + 1));
    return c;
}

// Digits before and after the separator, padded with zeros where the
// exponent reaches beyond the significant digits.
QString Fija(const Cifras& c) {
    const QString digitos = QString::fromLatin1(c.digitos.data(), qsizetype(c.digitos.size()));
    QString entera;
    QString fraccion;
    if (c.exponente >= 0) {
        const qsizetype largo = qsizetype(c.exponente) + 1;
        entera = digitos.left(largo).leftJustified(largo, QLatin1Char('0'));
        fraccion = digitos.mid(largo);
    } else {
        entera = QStringLiteral("0");
        fraccion = QString(qsizetype(-c.exponente - 1), QLatin1Char('0')) + digitos;
    }
    return fraccion.isEmpty() ? entera : entera + Ajustes().separadorDecimal + fraccion;
}

QString Cientifica(const Cifras& c) {
    QString texto(QLatin1Char(c.digitos.front()));
    if (c.digitos.size() > 1)
        texto += Ajustes().separadorDecimal + QString::fromLatin1(c.digitos.c_str() + 1);
    return texto + QLatin1Char('E') + QString::number(c.exponente);
}

}  // namespace

QString TextoCalculadora(double valor) {
    if (!std::isfinite(valor))
        return QString();
    if (valor == 0)
        return QStringLiteral("0");
    const Cifras c = Redondear(valor);
    const bool fija = c.exponente >= -4 && c.exponente < CifrasSignificativas;
    const QString texto = fija ? Fija(c) : Cientifica(c);
    return c.negativo ? QLatin1Char('-') + texto : texto;
}
