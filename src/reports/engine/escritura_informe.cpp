#include "reports/engine/formato_informe.h"

#include <QCryptographicHash>
#include <QtEndian>
#include <bit>

namespace formato_informe {
namespace {

// Collects small fields and hands them on in one piece.
class Salida {
public:
    explicit Salida(const Sumidero& destino) : destino_(destino) {}

    template <typename T>
    Salida& operator<<(T valor) {
        char bytes[sizeof(T)];
        qToBigEndian(valor, bytes);
        campos_.append(bytes, sizeof(T));
        return *this;
    }
    Salida& operator<<(float valor) { return *this << std::bit_cast<quint32>(valor); }
    Salida& operator<<(const QString& texto) {
        const QByteArray utf8 = texto.toUtf8();
        *this << quint32(utf8.size());
        campos_.append(utf8);
        return *this;
    }
    bool Bytes(const QByteArray& bytes) { return Enviar() && (bytes.isEmpty() || destino_(bytes.constData(), bytes.size())); }
    bool Enviar() {
        const bool bien = campos_.isEmpty() || destino_(campos_.constData(), campos_.size());
        campos_.clear();
        return bien;
    }

private:
    Sumidero destino_;
    QByteArray campos_;
};

bool EscribirContenido(const InformePreparado& informe, const Sumidero& destino) {
    Salida s(destino);
    s << informe.titulo << quint32(informe.estilos.size());
    for (const EstiloTexto& e : informe.estilos)
        s << e.familia << e.puntos << quint8(e.negrita) << quint8(e.cursiva) << quint32(e.color);
    const PaginasCompactas& paginas = informe.paginas;
    s << quint32(paginas.Formas().size());
    for (const FormaPrimitiva& f : paginas.Formas())
        s << f.tipo << f.alineacion << f.estilo << f.x << f.ancho << f.alto << f.grosor << quint32(f.color);
    s << quint32(paginas.size());
    for (std::size_t i = 0; i < paginas.size(); ++i) {
        const QSizeF tamano = paginas.Tamano(i);
        const QByteArray& registros = paginas.Registros(i);
        s << float(tamano.width()) << float(tamano.height()) << quint32(registros.size());
        if (!s.Bytes(registros))
            return false;
    }
    return s.Enviar();
}

}  // namespace

bool EscribirFichero(const InformePreparado& informe, const Sumidero& escribir, QString* motivo) {
    QCryptographicHash resumen(QCryptographicHash::Sha256);
    qint64 longitud = 0;
    EscribirContenido(informe, [&](const char* datos, qint64 bytes) {
        resumen.addData(QByteArrayView(datos, bytes));
        longitud += bytes;
        return true;
    });
    if (longitud > kMaximoFicheroInforme - kCabecera) {
        if (motivo)
            *motivo = QStringLiteral("el informe es demasiado grande para guardarlo (más de %1 MB)")
                          .arg(kMaximoFicheroInforme >> 20);
        return false;
    }
    QByteArray cabecera;
    Salida s([&cabecera](const char* datos, qint64 bytes) {
        cabecera.append(datos, qsizetype(bytes));
        return true;
    });
    s << kMagia << kVersionActual << quint16(0) << quint32(longitud);
    s.Bytes(resumen.result());
    return escribir(cabecera.constData(), cabecera.size()) && EscribirContenido(informe, escribir);
}

}  // namespace formato_informe
