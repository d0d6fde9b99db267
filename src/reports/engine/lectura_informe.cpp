#include "reports/engine/formato_informe.h"

#include <QCryptographicHash>
#include <QtEndian>
#include <bit>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace formato_informe {
namespace {

constexpr qint64 kBloque = 1 << 16;
constexpr int kMinimoEstilo = 4 + 4 + 1 + 1 + 4;
constexpr int kMinimoForma = 1 + 1 + 2 + 4 * 4 + 4;
constexpr int kMinimoPagina1 = 4 + 4 + 4;
constexpr int kMinimoPagina2 = 4 + 4 + 4;
constexpr int kMinimoPrimitiva1 = 1 + 1 + 2 + 5 * 4 + 4 + 4;

// Reads the payload a block at a time, adding every byte to the checksum,
// and refuses anything out of shape with a reason.
class Lector {
public:
    Lector(QIODevice& origen, qint64 longitud, const ProgresoCarga& progreso)
        : origen_(origen), longitud_(longitud), progreso_(progreso), bloque_(kBloque, Qt::Uninitialized) {}

    bool Leer(quint16 version, InformePreparado& informe) {
        try {
            return Texto(informe.titulo) && Estilos(informe) &&
                   (version == 1 ? Paginas1(informe) : Formas(informe) && Paginas2(informe)) && Final();
        } catch (const std::length_error&) {
            return Falla(QStringLiteral("el fichero tiene demasiadas formas distintas"));
        }
    }

    // The checksum of the whole payload, read to its end when parsing stopped
    // early; an empty result when it could not be read.
    QByteArray Resumen() {
        pos_ = lleno_;
        while (leidos_ < longitud_ && !cancelado_)
            if (!Rellenar())
                return {};
        return resumen_.result();
    }

    const QString& Motivo() const { return motivo_; }
    bool Cancelado() const { return cancelado_; }

private:
    qint64 Quedan() const { return longitud_ - leidos_ + (lleno_ - pos_); }

    bool Falla(const QString& motivo) {
        if (motivo_.isEmpty() && !cancelado_)
            motivo_ = motivo;
        return false;
    }

    bool Rellenar() {
        if (progreso_ && !progreso_(leidos_, longitud_)) {
            cancelado_ = true;
            return false;
        }
        const qint64 leer = std::min<qint64>(kBloque, longitud_ - leidos_);
        const qint64 leido = leer > 0 ? origen_.read(bloque_.data(), leer) : 0;
        if (leido <= 0)
            return Falla(QStringLiteral("el fichero está incompleto"));
        resumen_.addData(QByteArrayView(bloque_.constData(), leido));
        leidos_ += leido;
        pos_ = 0;
        lleno_ = leido;
        return true;
    }

    bool Bytes(char* destino, qint64 bytes) {
        while (bytes > 0) {
            if (pos_ == lleno_ && !Rellenar())
                return false;
            const qint64 n = std::min(bytes, lleno_ - pos_);
            std::memcpy(destino, bloque_.constData() + pos_, std::size_t(n));
            destino += n;
            pos_ += n;
            bytes -= n;
        }
        return true;
    }

    template <typename T>
    bool Numero(T& valor) {
        char bytes[sizeof(T)];
        if (!Bytes(bytes, sizeof(T)))
            return false;
        valor = qFromBigEndian<T>(bytes);
        return true;
    }

    bool Numero(float& valor) {
        quint32 bits = 0;
        if (!Numero(bits))
            return false;
        valor = std::bit_cast<float>(bits);
        return true;
    }

    bool Medida(float& valor) {
        return Numero(valor) &&
               ((std::isfinite(valor) && std::fabs(valor) <= kMaximoMm) || Falla(QStringLiteral("una medida no es válida")));
    }

    bool Cuenta(quint32& cuenta, int minimo, quint64 maximo, const QString& que) {
        if (!Numero(cuenta))
            return false;
        if (cuenta > maximo || qint64(cuenta) * minimo > Quedan())
            return Falla(QStringLiteral("el número de %1 no es válido").arg(que));
        return true;
    }

    bool Texto(QString& texto) {
        quint32 bytes = 0;
        if (!Numero(bytes))
            return false;
        if (bytes > Quedan())
            return Falla(QStringLiteral("un texto es más largo que el fichero"));
        if (bytes > quint32(PaginasCompactas::kMaximoTexto))
            return Falla(QStringLiteral("un texto es demasiado largo"));
        QByteArray utf8(qsizetype(bytes), Qt::Uninitialized);
        if (!Bytes(utf8.data(), bytes))
            return false;
        texto = QString::fromUtf8(utf8);
        return true;
    }

    bool Estilos(InformePreparado& informe) {
        quint32 cuenta = 0;
        if (!Cuenta(cuenta, kMinimoEstilo, 65536, QStringLiteral("estilos")))
            return false;
        informe.estilos.resize(cuenta);
        for (EstiloTexto& e : informe.estilos) {
            quint8 negrita = 0, cursiva = 0;
            quint32 color = 0;
            if (!Texto(e.familia) || !Numero(e.puntos) || !Numero(negrita) || !Numero(cursiva) || !Numero(color))
                return false;
            if (!std::isfinite(e.puntos) || e.puntos <= 0 || negrita > 1 || cursiva > 1)
                return Falla(QStringLiteral("un estilo de texto no es válido"));
            if (e.puntos > kMaximoPuntosInforme)
                return Falla(QStringLiteral("un texto tiene letras de más de %1 puntos")
                                 .arg(double(kMaximoPuntosInforme)));
            e.negrita = negrita;
            e.cursiva = cursiva;
            e.color = color;
        }
        return true;
    }

    bool TamanoPagina(float& ancho, float& alto) {
        return Medida(ancho) && Medida(alto) &&
               ((ancho >= 1 && alto >= 1) || Falla(QStringLiteral("el tamaño de una página no es válido")));
    }

    bool Tipo(quint8 tipo, quint8 alineacion, quint16 estilo, float grosor, std::size_t estilos) {
        if (tipo > Primitiva::Texto || alineacion > quint8(AlineacionTexto::Derecha) ||
            (tipo == Primitiva::Texto && estilo >= estilos) || grosor < 0)
            return Falla(QStringLiteral("un elemento de una página no es válido"));
        if (grosor > kMaximoGrosorInforme)
            return Falla(QStringLiteral("una línea tiene más de %1 mm de grosor").arg(double(kMaximoGrosorInforme)));
        return true;
    }

    bool Paginas1(InformePreparado& informe) {
        quint32 cuenta = 0;
        if (!Cuenta(cuenta, kMinimoPagina1, PaginasCompactas::kMaximoPaginas, QStringLiteral("páginas")))
            return false;
        PaginaPreparada p;
        for (quint32 i = 0; i < cuenta; ++i) {
            quint32 primitivas = 0;
            if (!TamanoPagina(p.anchoMm, p.altoMm) ||
                !Cuenta(primitivas, kMinimoPrimitiva1, PaginasCompactas::kMaximoElementos,
                        QStringLiteral("elementos de una página")))
                return false;
            p.primitivas.resize(primitivas);
            for (Primitiva& q : p.primitivas)
                if (!Primitiva1(q, informe.estilos.size()))
                    return false;
            informe.paginas.push_back(p);
        }
        return true;
    }

    bool Primitiva1(Primitiva& q, std::size_t estilos) {
        quint8 tipo = 0, alineacion = 0;
        quint16 estilo = 0;
        quint32 color = 0;
        if (!Numero(tipo) || !Numero(alineacion) || !Numero(estilo) || !Medida(q.x) || !Medida(q.y) ||
            !Medida(q.ancho) || !Medida(q.alto) || !Medida(q.grosor) || !Numero(color) || !Texto(q.texto) ||
            !Tipo(tipo, alineacion, estilo, q.grosor, estilos))
            return false;
        q.tipo = Primitiva::Tipo(tipo);
        q.alineacion = AlineacionTexto(alineacion);
        q.estilo = estilo;
        q.color = color;
        if (q.tipo != Primitiva::Texto)
            q.texto.clear();
        return true;
    }

    bool Formas(InformePreparado& informe) {
        quint32 cuenta = 0;
        if (!Cuenta(cuenta, kMinimoForma, PaginasCompactas::kMaximoFormas, QStringLiteral("formas")))
            return false;
        for (quint32 i = 0; i < cuenta; ++i) {
            FormaPrimitiva f;
            quint32 color = 0;
            if (!Numero(f.tipo) || !Numero(f.alineacion) || !Numero(f.estilo) || !Medida(f.x) || !Medida(f.ancho) ||
                !Medida(f.alto) || !Medida(f.grosor) || !Numero(color) ||
                !Tipo(f.tipo, f.alineacion, f.estilo, f.grosor, informe.estilos.size()))
                return false;
            f.color = color;
            informe.paginas.AnadirForma(f);
        }
        return true;
    }

    bool Paginas2(InformePreparado& informe) {
        quint32 cuenta = 0;
        if (!Cuenta(cuenta, kMinimoPagina2, PaginasCompactas::kMaximoPaginas, QStringLiteral("páginas")))
            return false;
        for (quint32 i = 0; i < cuenta; ++i) {
            float ancho = 0, alto = 0;
            quint32 bytes = 0;
            if (!TamanoPagina(ancho, alto) ||
                !Cuenta(bytes, 1, PaginasCompactas::kMaximoBytesPagina, QStringLiteral("bytes de una página")))
                return false;
            QByteArray registros(qsizetype(bytes), Qt::Uninitialized);
            QString motivo;
            if (!Bytes(registros.data(), bytes))
                return false;
            if (!informe.paginas.RegistrosValidos(registros, &motivo))
                return Falla(motivo);
            informe.paginas.AnadirRegistros(ancho, alto, std::move(registros));
        }
        return true;
    }

    bool Final() { return Quedan() == 0 || Falla(QStringLiteral("sobran datos al final del fichero")); }

    QIODevice& origen_;
    const qint64 longitud_;
    const ProgresoCarga& progreso_;
    QByteArray bloque_;
    qint64 pos_ = 0, lleno_ = 0, leidos_ = 0;
    QCryptographicHash resumen_{QCryptographicHash::Sha256};
    QString motivo_;
    bool cancelado_ = false;
};

bool Rechazar(QString* motivo, const QString& texto) {
    if (motivo)
        *motivo = texto;
    return false;
}

}  // namespace

bool LeerFichero(QIODevice& origen, qint64 tamano, InformePreparado& destino, QString* motivo,
                 const ProgresoCarga& progreso) {
    const QString noEsInforme = QStringLiteral("no es un fichero de informe");
    if (tamano < kCabecera)
        return Rechazar(motivo, noEsInforme);
    char cabecera[kCabecera];
    if (origen.read(cabecera, kCabecera) != kCabecera)
        return Rechazar(motivo, QStringLiteral("el fichero está incompleto"));
    const auto version = qFromBigEndian<quint16>(cabecera + 4);
    if (qFromBigEndian<quint32>(cabecera) != kMagia)
        return Rechazar(motivo, noEsInforme);
    if (version < 1 || version > kVersionActual)
        return Rechazar(motivo, QStringLiteral("la versión %1 del fichero no se conoce").arg(version));
    if (tamano > kMaximoFicheroInforme)
        return Rechazar(motivo, QStringLiteral("el fichero es demasiado grande para mostrarlo (más de %1 MB)")
                                    .arg(kMaximoFicheroInforme >> 20));
    if (qint64(qFromBigEndian<quint32>(cabecera + 8)) != tamano - kCabecera)
        return Rechazar(motivo, QStringLiteral("el fichero está incompleto o dañado"));

    InformePreparado leido;
    Lector lector(origen, tamano - kCabecera, progreso);
    const bool bien = lector.Leer(version, leido);
    if (lector.Cancelado())
        return Rechazar(motivo, QString());
    // A damaged byte shows first as a field out of shape; the checksum says
    // better what happened.
    const QByteArray resumen = lector.Resumen();
    if (lector.Cancelado())
        return Rechazar(motivo, QString());
    if (!resumen.isEmpty() && resumen != QByteArray(cabecera + 12, 32))
        return Rechazar(motivo, QStringLiteral("el fichero está dañado (la suma de comprobación no coincide)"));
    if (!bien || resumen.isEmpty())
        return Rechazar(motivo, lector.Motivo());
    destino = std::move(leido);
    return true;
}

}  // namespace formato_informe
