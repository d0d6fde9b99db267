#include "reports/engine/fichero_informe.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QSaveFile>
#include <cmath>

// Layout: magic "ZRPF", version (u16), reserved (u16), payload length (u32),
// SHA-256 of the payload (32 bytes), then the payload: title, styles, pages.
// Numbers are big-endian, floats IEEE single precision; texts are UTF-8 with
// a u32 byte count.
namespace {

constexpr quint32 kMagia = 0x5A525046;  // "ZRPF"
constexpr quint16 kVersion = 1;
constexpr int kCabecera = 4 + 2 + 2 + 4 + 32;
constexpr qint64 kMaximoFichero = qint64(1) << 30;
constexpr float kMaximoMm = 10000.0f;
constexpr int kMinimoEstilo = 4 + 4 + 1 + 1 + 4;
constexpr int kMinimoPagina = 4 + 4 + 4;
constexpr int kMinimoPrimitiva = 1 + 1 + 2 + 5 * 4 + 4 + 4;

void EscribirTexto(QDataStream& s, const QString& texto) {
    const QByteArray utf8 = texto.toUtf8();
    s << quint32(utf8.size());
    s.writeRawData(utf8.constData(), int(utf8.size()));
}

QDataStream& Preparar(QDataStream& s) {
    s.setVersion(QDataStream::Qt_6_0);
    s.setByteOrder(QDataStream::BigEndian);
    s.setFloatingPointPrecision(QDataStream::SinglePrecision);
    return s;
}

QByteArray Contenido(const InformePreparado& informe) {
    QByteArray contenido;
    QDataStream s(&contenido, QIODevice::WriteOnly);
    Preparar(s);
    EscribirTexto(s, informe.titulo);
    s << quint32(informe.estilos.size());
    for (const EstiloTexto& e : informe.estilos) {
        EscribirTexto(s, e.familia);
        s << e.puntos << quint8(e.negrita) << quint8(e.cursiva) << quint32(e.color);
    }
    s << quint32(informe.paginas.size());
    for (const PaginaPreparada& p : informe.paginas) {
        s << p.anchoMm << p.altoMm << quint32(p.primitivas.size());
        for (const Primitiva& q : p.primitivas) {
            s << quint8(q.tipo) << quint8(q.alineacion) << quint16(q.estilo) << q.x << q.y << q.ancho << q.alto
              << q.grosor << quint32(q.color);
            EscribirTexto(s, q.texto);
        }
    }
    return contenido;
}

// Reads the payload, refusing anything out of shape with a reason.
class Lector {
public:
    explicit Lector(const QByteArray& datos) : datos_(datos), s_(datos) { Preparar(s_); }

    bool Leer(InformePreparado& informe) {
        return Texto(informe.titulo) && Estilos(informe) && Paginas(informe) && Final();
    }
    const QString& Motivo() const { return motivo_; }

private:
    qint64 Quedan() const { return datos_.size() - s_.device()->pos(); }

    bool Falla(const QString& motivo) {
        if (motivo_.isEmpty())
            motivo_ = motivo;
        return false;
    }

    bool Bien() { return s_.status() == QDataStream::Ok || Falla(QStringLiteral("el fichero está incompleto")); }

    template <typename T>
    bool Numero(T& valor) {
        s_ >> valor;
        return Bien();
    }

    bool Medida(float& valor) {
        return Numero(valor) &&
               ((std::isfinite(valor) && std::fabs(valor) <= kMaximoMm) || Falla(QStringLiteral("una medida no es válida")));
    }

    bool Cuenta(quint32& cuenta, int minimo, quint32 maximo, const QString& que) {
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
        QByteArray utf8(qsizetype(bytes), Qt::Uninitialized);
        if (s_.readRawData(utf8.data(), int(bytes)) != int(bytes))
            return Falla(QStringLiteral("el fichero está incompleto"));
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
            if (!std::isfinite(e.puntos) || e.puntos <= 0 || e.puntos > 500 || negrita > 1 || cursiva > 1)
                return Falla(QStringLiteral("un estilo de texto no es válido"));
            e.negrita = negrita;
            e.cursiva = cursiva;
            e.color = color;
        }
        return true;
    }

    bool Paginas(InformePreparado& informe) {
        quint32 cuenta = 0;
        if (!Cuenta(cuenta, kMinimoPagina, 0xffffffffu, QStringLiteral("páginas")))
            return false;
        informe.paginas.resize(cuenta);
        for (PaginaPreparada& p : informe.paginas) {
            quint32 primitivas = 0;
            if (!Medida(p.anchoMm) || !Medida(p.altoMm) ||
                !Cuenta(primitivas, kMinimoPrimitiva, 0xffffffffu, QStringLiteral("elementos de una página")))
                return false;
            if (p.anchoMm < 1 || p.altoMm < 1)
                return Falla(QStringLiteral("el tamaño de una página no es válido"));
            p.primitivas.resize(primitivas);
            for (Primitiva& q : p.primitivas)
                if (!LeerPrimitiva(q, informe.estilos.size()))
                    return false;
        }
        return true;
    }

    bool LeerPrimitiva(Primitiva& q, std::size_t estilos) {
        quint8 tipo = 0, alineacion = 0;
        quint16 estilo = 0;
        quint32 color = 0;
        if (!Numero(tipo) || !Numero(alineacion) || !Numero(estilo) || !Medida(q.x) || !Medida(q.y) ||
            !Medida(q.ancho) || !Medida(q.alto) || !Medida(q.grosor) || !Numero(color) || !Texto(q.texto))
            return false;
        if (tipo > Primitiva::Texto || alineacion > quint8(AlineacionTexto::Derecha) ||
            (tipo == Primitiva::Texto && estilo >= estilos) || q.grosor < 0)
            return Falla(QStringLiteral("un elemento de una página no es válido"));
        q.tipo = Primitiva::Tipo(tipo);
        q.alineacion = AlineacionTexto(alineacion);
        q.estilo = estilo;
        q.color = color;
        return true;
    }

    bool Final() { return Quedan() == 0 || Falla(QStringLiteral("sobran datos al final del fichero")); }

    const QByteArray& datos_;
    QDataStream s_;
    QString motivo_;
};

bool Rechazar(QString* motivo, const QString& texto) {
    if (motivo)
        *motivo = texto;
    return false;
}

}  // namespace

QByteArray EscribirInforme(const InformePreparado& informe) {
    const QByteArray contenido = Contenido(informe);
    QByteArray fichero;
    QDataStream s(&fichero, QIODevice::WriteOnly);
    Preparar(s);
    s << kMagia << kVersion << quint16(0) << quint32(contenido.size());
    const QByteArray resumen = QCryptographicHash::hash(contenido, QCryptographicHash::Sha256);
    s.writeRawData(resumen.constData(), int(resumen.size()));
    s.writeRawData(contenido.constData(), int(contenido.size()));
    return fichero;
}

bool LeerInforme(const QByteArray& datos, InformePreparado& destino, QString* motivo) {
    if (datos.size() < kCabecera)
        return Rechazar(motivo, QStringLiteral("no es un fichero de informe"));
    QDataStream s(datos);
    Preparar(s);
    quint32 magia = 0, longitud = 0;
    quint16 version = 0, reservado = 0;
    s >> magia >> version >> reservado >> longitud;
    if (magia != kMagia)
        return Rechazar(motivo, QStringLiteral("no es un fichero de informe"));
    if (version != kVersion)
        return Rechazar(motivo, QStringLiteral("la versión %1 del fichero no se conoce").arg(version));
    if (qint64(longitud) != datos.size() - kCabecera)
        return Rechazar(motivo, QStringLiteral("el fichero está incompleto o dañado"));
    const QByteArray resumen = datos.mid(12, 32);
    const QByteArray contenido = datos.mid(kCabecera);
    if (QCryptographicHash::hash(contenido, QCryptographicHash::Sha256) != resumen)
        return Rechazar(motivo, QStringLiteral("el fichero está dañado (la suma de comprobación no coincide)"));
    InformePreparado leido;
    Lector lector(contenido);
    if (!lector.Leer(leido))
        return Rechazar(motivo, lector.Motivo());
    destino = std::move(leido);
    return true;
}

bool GuardarInforme(const InformePreparado& informe, const QString& ruta, QString* motivo) {
    QSaveFile fichero(ruta);
    if (!fichero.open(QIODevice::WriteOnly))
        return Rechazar(motivo, fichero.errorString());
    const QByteArray datos = EscribirInforme(informe);
    if (fichero.write(datos) != datos.size() || !fichero.commit())
        return Rechazar(motivo, fichero.errorString());
    return true;
}

bool CargarInforme(const QString& ruta, InformePreparado& destino, QString* motivo) {
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly))
        return Rechazar(motivo, QStringLiteral("no se puede abrir el fichero"));
    if (fichero.size() > kMaximoFichero)
        return Rechazar(motivo, QStringLiteral("el fichero es demasiado grande"));
    return LeerInforme(fichero.readAll(), destino, motivo);
}
