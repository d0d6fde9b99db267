#include "util/textos_fecha.h"

#include "util/ajustes_regionales.h"
#include "util/excepcion.h"
#include "util/fechas.h"

namespace {

// Reads the date field text piece by piece; any deviation throws.
class LectorFecha {
public:
    explicit LectorFecha(const QString& texto) : texto_(texto) {}

    int Numero(int maxCifras) {
        SaltarBlancos();
        int valor = 0;
        int cifras = 0;
        while (pos_ < texto_.size() && texto_[pos_].isDigit() && texto_[pos_].unicode() < 128) {
            if (++cifras > maxCifras)
                Fallar();
            valor = valor * 10 + (texto_[pos_].unicode() - u'0');
            ++pos_;
        }
        if (cifras == 0)
            Fallar();
        cifrasUltimo_ = cifras;
        return valor;
    }

    void Separador() {
        SaltarBlancos();
        if (pos_ >= texto_.size() || texto_[pos_] != QLatin1Char('/'))
            Fallar();
        ++pos_;
    }

    void Final() {
        SaltarBlancos();
        if (pos_ != texto_.size())
            Fallar();
    }

    int CifrasUltimo() const { return cifrasUltimo_; }

    [[noreturn]] void Fallar() const { throw EConvertError(TextoFechaIncorrecta(texto_).toStdString()); }

private:
    void SaltarBlancos() {
        while (pos_ < texto_.size() && texto_[pos_] == QLatin1Char(' '))
            ++pos_;
    }

    const QString& texto_;
    qsizetype pos_ = 0;
    int cifrasUltimo_ = 0;
};

// A one- or two-digit year falls in the hundred years that begin fifty years
// before the current one.
int AnioCompleto(int anio, int anioActual) {
    const int inicio = anioActual - 50;
    int completo = (inicio / 100) * 100 + anio;
    if (completo < inicio)
        completo += 100;
    return completo;
}

}  // namespace

QString NombreMes(int mes, bool mayuscula) {
    const QStringList& nombres = Ajustes().nombresMes;
    if (mes < 1 || mes > nombres.size())
        return {};
    const QString& nombre = nombres[mes - 1];
    return mayuscula ? Capitalizar(nombre) : nombre;
}

QString FechaEnLetra(const QDate& fecha) {
    if (!fecha.isValid())
        return {};
    const QString mes = NombreMes(fecha.month(), false);
    const QString dia = QString::number(fecha.day());
    const QString anio = QString::number(fecha.year());
    if (Ajustes().mesPrimero)
        return mes + QLatin1Char(' ') + dia + QLatin1String(", ") + anio;
    return dia + QLatin1String(" de ") + mes + QLatin1String(" de ") + anio;
}

QString TextoFecha(const QDate& fecha) {
    if (!fecha.isValid())
        return {};
    return fecha.toString(Ajustes().formatoFechaCorta);
}

QString TextoFechaIncorrecta(const QString& texto) {
    return QStringLiteral("La fecha \"%1\" no es correcta").arg(texto);
}

std::optional<QDate> LeerFecha(const QString& texto, bool mesPrimero, int anioActual) {
    if (FechaEnBlanco(texto))
        return std::nullopt;
    LectorFecha lector(texto);
    const int primero = lector.Numero(4);
    lector.Separador();
    const int segundo = lector.Numero(4);
    lector.Separador();
    int anio = lector.Numero(4);
    if (lector.CifrasUltimo() <= 2)
        anio = AnioCompleto(anio, anioActual);
    lector.Final();
    const int dia = mesPrimero ? segundo : primero;
    const int mes = mesPrimero ? primero : segundo;
    if (anio < 1 || anio > 9999 || mes < 1 || mes > 12)
        lector.Fallar();
    const QDate fecha(anio, mes, 1);
    if (dia < 1 || dia > fecha.daysInMonth())
        lector.Fallar();
    return QDate(anio, mes, dia);
}

std::optional<QDate> LeerFecha(const QString& texto) {
    return LeerFecha(texto, Ajustes().mesPrimero, QDate::currentDate().year());
}

std::optional<QDate> LeerFechaDeCampo(const QString& texto) {
    const std::optional<QDate> fecha = LeerFecha(texto);
    if (fecha && !FechaEnRango(*fecha))
        throw EConvertError(TextoFechaFueraDeRango(texto).toStdString());
    return fecha;
}

QString TextoFechaFueraDeRango(const QString& texto) {
    return TextoFechaIncorrecta(texto) +
           QStringLiteral(": el año debe estar entre %1 y %2").arg(kPrimerAnioFecha).arg(kUltimoAnioFecha);
}
