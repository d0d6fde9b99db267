#include "reports/engine/paginas_compactas.h"

#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <stdexcept>

// A page's records, one per primitive:
//   varint (shape index << 1 | new top), then the top as a big-endian IEEE
//   single when the flag is set (it starts at 0 on every page), then, for a
//   text, varint byte count and the UTF-8 bytes.
namespace {

constexpr float kMaximoMm = 10000.0f;

std::uint32_t Bits(float valor) { return std::bit_cast<std::uint32_t>(valor); }

// Writers into a buffer that has room enough; each returns the end.
char* EscribirVarint(char* p, std::uint32_t valor) {
    while (valor >= 0x80) {
        *p++ = char((valor & 0x7f) | 0x80);
        valor >>= 7;
    }
    *p++ = char(valor);
    return p;
}

constexpr int kMaximoVarint = 5;

// UTF-8 straight from the string's UTF-16, at most three bytes a unit.
char* EscribirUtf8(char* destino, const QString& texto) {
    auto* d = reinterpret_cast<unsigned char*>(destino);
    const char16_t* p = reinterpret_cast<const char16_t*>(texto.utf16());
    const char16_t* fin = p + texto.size();
    while (p < fin) {
        char32_t c = *p++;
        if (c < 0x80) {
            *d++ = static_cast<unsigned char>(c);
            continue;
        }
        if (c >= 0xd800 && c < 0xdc00 && p < fin && *p >= 0xdc00 && *p < 0xe000)
            c = 0x10000 + ((c - 0xd800) << 10) + (*p++ - 0xdc00);
        else if (c >= 0xd800 && c < 0xe000)
            c = 0xfffd;  // a lone surrogate
        if (c < 0x800) {
            *d++ = static_cast<unsigned char>(0xc0 | (c >> 6));
        } else if (c < 0x10000) {
            *d++ = static_cast<unsigned char>(0xe0 | (c >> 12));
            *d++ = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3f));
        } else {
            *d++ = static_cast<unsigned char>(0xf0 | (c >> 18));
            *d++ = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3f));
            *d++ = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3f));
        }
        *d++ = static_cast<unsigned char>(0x80 | (c & 0x3f));
    }
    return reinterpret_cast<char*>(d);
}

// Walks the records of a page; every read is bounded by the bytes left.
class Recorrido {
public:
    explicit Recorrido(const QByteArray& registros)
        : p_(reinterpret_cast<const unsigned char*>(registros.constData())), fin_(p_ + registros.size()) {}

    bool Quedan() const { return p_ < fin_; }

    bool Varint(std::uint32_t& valor) {
        valor = 0;
        for (int desplazamiento = 0; desplazamiento < 35 && p_ < fin_; desplazamiento += 7) {
            const unsigned char byte = *p_++;
            if (desplazamiento == 28 && byte > 0x0f)
                return false;
            valor |= std::uint32_t(byte & 0x7f) << desplazamiento;
            if (!(byte & 0x80))
                return true;
        }
        return false;
    }

    bool Medida(float& valor) {
        if (fin_ - p_ < 4)
            return false;
        valor = std::bit_cast<float>(qFromBigEndian<std::uint32_t>(p_));
        p_ += 4;
        return true;
    }

    bool Texto(const char*& datos, int& bytes) {
        std::uint32_t cuenta = 0;
        if (!Varint(cuenta) || cuenta > std::uint32_t(fin_ - p_))
            return false;
        datos = reinterpret_cast<const char*>(p_);
        bytes = int(cuenta);
        p_ += cuenta;
        return true;
    }

private:
    const unsigned char* p_;
    const unsigned char* fin_;
};

bool Rechazar(QString* motivo, const QString& texto) {
    if (motivo)
        *motivo = texto;
    return false;
}

}  // namespace

bool FormaPrimitiva::operator==(const FormaPrimitiva& otra) const {
    return tipo == otra.tipo && alineacion == otra.alineacion && estilo == otra.estilo && Bits(x) == Bits(otra.x) &&
           Bits(ancho) == Bits(otra.ancho) && Bits(alto) == Bits(otra.alto) && Bits(grosor) == Bits(otra.grosor) &&
           color == otra.color;
}

std::size_t qHash(const FormaPrimitiva& f, std::size_t semilla) {
    return qHashMulti(semilla, f.tipo, f.alineacion, f.estilo, Bits(f.x), Bits(f.ancho), Bits(f.alto), Bits(f.grosor),
                      f.color);
}

void PaginasCompactas::clear() {
    paginas_.clear();
    formas_.clear();
    indices_.clear();
    Olvidar();
}

void PaginasCompactas::resize(std::size_t cuantas) {
    paginas_.resize(cuantas);
    Olvidar();
}

std::uint32_t PaginasCompactas::IndiceForma(const FormaPrimitiva& forma) {
    // The labels of a band come in the same order on every row, so the shape
    // after the last one is usually the next.
    if (siguiente_ < formas_.size() && formas_[siguiente_] == forma)
        return siguiente_++;
    const auto encontrada = indices_.constFind(forma);
    if (encontrada != indices_.constEnd()) {
        siguiente_ = encontrada.value() + 1;
        return encontrada.value();
    }
    if (formas_.size() >= kMaximoFormas)
        throw std::length_error("demasiadas formas distintas en el informe");
    formas_.push_back(forma);
    const auto indice = std::uint32_t(formas_.size() - 1);
    indices_.insert(forma, indice);
    siguiente_ = indice + 1;
    return indice;
}

bool PaginasCompactas::AnadirForma(const FormaPrimitiva& forma) {
    if (formas_.size() >= kMaximoFormas)
        return false;
    formas_.push_back(forma);
    indices_.insert(forma, std::uint32_t(formas_.size() - 1));
    return true;
}

void PaginasCompactas::push_back(const PaginaPreparada& pagina) {
    // Room for a whole page of a schedule report, and for its shapes, from
    // the start: the first page is the one the person waits for.
    constexpr qsizetype kBorradorInicial = 16 * 1024;
    constexpr qsizetype kFormasIniciales = 128;
    if (borrador_.isEmpty()) {
        borrador_.resize(kBorradorInicial);
        indices_.reserve(kFormasIniciales);
    }
    qsizetype usado = 0;
    float y = 0;
    for (const Primitiva& p : pagina.primitivas) {
        FormaPrimitiva forma;
        forma.tipo = p.tipo;
        forma.alineacion = std::uint8_t(p.alineacion);
        forma.estilo = p.estilo;
        forma.x = p.x;
        forma.ancho = p.ancho;
        forma.alto = p.alto;
        forma.grosor = p.grosor;
        forma.color = p.color;
        const std::uint32_t indice = IndiceForma(forma);
        const qsizetype hueco = 2 * kMaximoVarint + 4 + 3 * p.texto.size();
        if (borrador_.size() < usado + hueco)
            borrador_.resize(std::max(2 * borrador_.size(), usado + hueco));
        char* inicio = borrador_.data() + usado;
        const bool nuevaY = Bits(p.y) != Bits(y);
        char* q = EscribirVarint(inicio, indice << 1 | std::uint32_t(nuevaY));
        if (nuevaY) {
            qToBigEndian(Bits(p.y), q);
            q += 4;
            y = p.y;
        }
        if (p.tipo == Primitiva::Texto) {
            // The text goes after room for the longest count, then moves
            // back next to its count.
            char* texto = q + kMaximoVarint;
            const auto bytes = std::uint32_t(EscribirUtf8(texto, p.texto) - texto);
            q = EscribirVarint(q, bytes);
            std::memmove(q, texto, bytes);
            q += bytes;
        }
        usado = q - borrador_.constData();
    }
    paginas_.push_back({pagina.anchoMm, pagina.altoMm, QByteArray(borrador_.constData(), usado)});
}

bool PaginasCompactas::RegistrosValidos(const QByteArray& registros, QString* motivo) const {
    Recorrido r(registros);
    int elementos = 0;
    while (r.Quedan()) {
        if (++elementos > kMaximoElementos)
            return Rechazar(motivo, QStringLiteral("una página tiene demasiados elementos"));
        std::uint32_t cabecera = 0;
        float y = 0;
        if (!r.Varint(cabecera) || (cabecera >> 1) >= formas_.size() || ((cabecera & 1) && !r.Medida(y)))
            return Rechazar(motivo, QStringLiteral("un elemento de una página no es válido"));
        if (!std::isfinite(y) || std::fabs(y) > kMaximoMm)
            return Rechazar(motivo, QStringLiteral("una medida no es válida"));
        const char* datos = nullptr;
        int bytes = 0;
        if (formas_[cabecera >> 1].tipo == Primitiva::Texto && (!r.Texto(datos, bytes) || bytes > kMaximoTexto))
            return Rechazar(motivo, QStringLiteral("un texto de una página no es válido"));
    }
    return true;
}

void PaginasCompactas::AnadirRegistros(float anchoMm, float altoMm, QByteArray registros) {
    paginas_.push_back({anchoMm, altoMm, std::move(registros)});
}

PaginaPreparada PaginasCompactas::operator[](std::size_t indice) const {
    if (indice == indiceDecodificada_)
        return decodificada_;
    const Pagina& pagina = paginas_.at(indice);
    PaginaPreparada resultado;
    resultado.anchoMm = pagina.anchoMm;
    resultado.altoMm = pagina.altoMm;
    Recorrido r(pagina.registros);
    float y = 0;
    while (r.Quedan()) {
        std::uint32_t cabecera = 0;
        if (!r.Varint(cabecera) || (cabecera >> 1) >= formas_.size() || ((cabecera & 1) && !r.Medida(y)))
            break;
        const FormaPrimitiva& f = formas_[cabecera >> 1];
        Primitiva p;
        p.tipo = Primitiva::Tipo(f.tipo);
        p.alineacion = AlineacionTexto(f.alineacion);
        p.estilo = f.estilo;
        p.x = f.x;
        p.y = y;
        p.ancho = f.ancho;
        p.alto = f.alto;
        p.grosor = f.grosor;
        p.color = f.color;
        if (p.tipo == Primitiva::Texto) {
            const char* datos = nullptr;
            int bytes = 0;
            if (!r.Texto(datos, bytes))
                break;
            p.texto = QString::fromUtf8(datos, bytes);
        }
        resultado.primitivas.push_back(std::move(p));
    }
    indiceDecodificada_ = indice;
    decodificada_ = resultado;
    return resultado;
}

QSizeF PaginasCompactas::Tamano(std::size_t indice) const {
    const Pagina& pagina = paginas_.at(indice);
    return QSizeF(pagina.anchoMm, pagina.altoMm);
}

std::size_t PaginasCompactas::BytesOcupados() const {
    std::size_t bytes = formas_.capacity() * sizeof(FormaPrimitiva) + paginas_.capacity() * sizeof(Pagina) +
                        std::size_t(indices_.capacity()) * (sizeof(FormaPrimitiva) + 2 * sizeof(void*));
    for (const Pagina& p : paginas_)
        if (!p.registros.isEmpty())
            bytes += sizeof(QArrayData) + std::size_t(p.registros.capacity()) + 1;
    return bytes;
}
