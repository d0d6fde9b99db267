#include "util/filtro_numerico.h"

#include "util/textos_numericos.h"

namespace {

// A double keeps any decimal number of up to 15 significant digits exactly,
// so a number with decimals no longer than that shows again as typed.
constexpr int kCifrasExactas = 15;
// The largest whole amount, kImporteMaximo, and the largest whole count (an int).
const QString kMayorImporte = QStringLiteral("1000000000000000");
const QString kMayorEntero = QStringLiteral("2147483647");

bool EsCifra(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

QString Citado(const QString& texto) { return QStringLiteral("«%1»").arg(texto); }

QString MotivoCaracter(QChar c, bool decimales, SeparadoresNumericos s) {
    const QString como = decimales ? QStringLiteral("cifras, %1 para los decimales y %2 para los miles")
                                         .arg(Citado(s.decimal), Citado(s.miles))
                                   : QStringLiteral("cifras y %1 para los miles").arg(Citado(s.miles));
    return QStringLiteral("%1 no vale en este campo: escriba %2.").arg(Citado(c), como);
}

QString MotivoGrupos(SeparadoresNumericos s) {
    return QStringLiteral("Los miles se separan con %1 en grupos de tres cifras, como en %2.")
        .arg(Citado(s.miles), CifrasAgrupadas(QStringLiteral("1000000"), s.miles));
}

QString MotivoNegativo() { return QStringLiteral("Este campo no admite números negativos."); }

QString MotivoSigno(bool signo) {
    return signo ? QStringLiteral("El signo menos solo puede ir al principio del número.") : MotivoNegativo();
}

// Why digits of this size do not fit in the box, or an empty text when they
// do. `entera` and `fraccion` are the digits before and after the decimal
// separator.
QString MotivoLimite(QString entera, QString fraccion, bool decimales, SeparadoresNumericos s) {
    while (entera.startsWith(QLatin1Char('0')))
        entera.remove(0, 1);
    while (fraccion.endsWith(QLatin1Char('0')))
        fraccion.chop(1);
    if (!decimales) {
        if (entera.size() > kMayorEntero.size() || (entera.size() == kMayorEntero.size() && entera > kMayorEntero))
            return QStringLiteral("El número no puede pasar de %1.").arg(CifrasAgrupadas(kMayorEntero, s.miles));
        return QString();
    }
    if (entera.isEmpty())
        while (fraccion.startsWith(QLatin1Char('0')))
            fraccion.remove(0, 1);
    const bool demasiadoGrande =
        entera.size() > kMayorImporte.size() ||
        (entera.size() == kMayorImporte.size() && (entera > kMayorImporte || !fraccion.isEmpty()));
    const bool demasiadasCifras = !fraccion.isEmpty() && entera.size() + fraccion.size() > kCifrasExactas;
    if (!demasiadoGrande && !demasiadasCifras)
        return QString();
    return QStringLiteral("El número no puede pasar de %1, ni tener más de %2 cifras cuando lleva decimales "
                          "(como %3): no se guardaría exacto al céntimo.")
        .arg(CifrasAgrupadas(kMayorImporte, s.miles))
        .arg(kCifrasExactas)
        .arg(CifrasAgrupadas(QStringLiteral("9999999999999"), s.miles) + s.decimal + QStringLiteral("99"));
}

ComprobacionNumerica Invalido(const QString& motivo) { return {EstadoTextoNumerico::Invalido, motivo}; }

}  // namespace

int TagNumerico(bool decimales, bool signo) { return (decimales ? 1 : 0) + (signo ? 10 : 0); }

ComprobacionNumerica ComprobarTextoNumerico(const QString& t, int tag, SeparadoresNumericos s) {
    const bool decimales = tag % 10 != 0;
    const bool signo = tag >= 10;
    qsizetype i = 0;
    if (i < t.size() && t[i] == QLatin1Char('-')) {
        if (!signo)
            return Invalido(MotivoNegativo());
        ++i;
    }
    // The whole part: digits, and thousands groups when separators appear.
    QString entera;
    int cifrasDelGrupo = 0;
    bool agrupado = false;
    for (; i < t.size() && t[i] != s.decimal; ++i) {
        const QChar c = t[i];
        if (EsCifra(c)) {
            entera += c;
            if (++cifrasDelGrupo > 3 && agrupado)
                return Invalido(MotivoGrupos(s));
        } else if (c == s.miles) {
            const bool grupoCompleto = agrupado ? cifrasDelGrupo == 3 : cifrasDelGrupo >= 1 && cifrasDelGrupo <= 3;
            if (!grupoCompleto)
                return Invalido(MotivoGrupos(s));
            agrupado = true;
            cifrasDelGrupo = 0;
        } else if (c == QLatin1Char('-')) {
            return Invalido(MotivoSigno(signo));
        } else {
            return Invalido(MotivoCaracter(c, decimales, s));
        }
    }
    const bool grupoAbierto = agrupado && cifrasDelGrupo != 3;
    QString fraccion;
    if (i < t.size()) {
        if (!decimales)
            return Invalido(QStringLiteral("Este campo solo admite números enteros."));
        if (grupoAbierto)
            return Invalido(MotivoGrupos(s));
        for (++i; i < t.size(); ++i) {
            const QChar c = t[i];
            if (EsCifra(c))
                fraccion += c;
            else if (c == s.decimal)
                return Invalido(QStringLiteral("El número ya tiene su separador decimal, %1.").arg(Citado(c)));
            else if (c == s.miles)
                return Invalido(QStringLiteral("Tras el separador decimal, %1, solo van cifras: %2 separa los "
                                               "miles.")
                                    .arg(Citado(s.decimal), Citado(s.miles)));
            else if (c == QLatin1Char('-'))
                return Invalido(MotivoSigno(signo));
            else
                return Invalido(MotivoCaracter(c, decimales, s));
        }
    }
    if (const QString motivo = MotivoLimite(entera, fraccion, decimales, s); !motivo.isEmpty())
        return Invalido(motivo);
    if (grupoAbierto)
        return {EstadoTextoNumerico::Incompleto, MotivoGrupos(s)};
    return {};
}

namespace {

EdicionNumerica Sustituir(const QString& texto, int inicio, int fin, const QString& nuevo, int tag,
                          SeparadoresNumericos s, EstadoTextoNumerico peorAdmitido) {
    const QString candidato = texto.left(inicio) + nuevo + texto.mid(fin);
    const ComprobacionNumerica comprobacion = ComprobarTextoNumerico(candidato, tag, s);
    if (comprobacion.estado > peorAdmitido)
        return {texto, QString(), comprobacion.motivo};
    return {candidato, nuevo, QString()};
}

}  // namespace

EdicionNumerica TeclearNumero(const QString& texto, int inicio, int fin, QChar caracter, OrigenTecla origen, int tag,
                              SeparadoresNumericos s) {
    QChar escrito = caracter;
    if (origen == OrigenTecla::TecladoNumerico && (caracter == QLatin1Char('.') || caracter == QLatin1Char(',')))
        escrito = s.decimal;
    else if (caracter.isSpace() && s.miles.isSpace())
        escrito = s.miles;
    // While typing, an unfinished thousands group is the number on its way.
    return Sustituir(texto, inicio, fin, QString(escrito), tag, s, EstadoTextoNumerico::Incompleto);
}

EdicionNumerica PegarNumero(const QString& texto, int inicio, int fin, const QString& pegado, int tag,
                            SeparadoresNumericos s) {
    const bool decimales = tag % 10 != 0;
    QString limpio = SinAdornosDeImporte(pegado, decimales, decimales);
    for (QChar& c : limpio) {
        if (c.isSpace())
            c = s.miles;
    }
    // A pasted number arrives whole: an unfinished group is a wrong one.
    return Sustituir(texto, inicio, fin, limpio, tag, s, EstadoTextoNumerico::Completo);
}
