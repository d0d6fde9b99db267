#pragma once
// Prepared pages stored compactly. Most primitives of a report share
// everything but their height on the page and their text: the detail labels
// of one column differ only in those. Each distinct rest (a "shape") is kept
// once per report, and a page is a short byte string of records: the shape's
// index, the top when it changes, and the text in UTF-8. A million-row
// report then takes about a hundred bytes a row, and a page is decoded only
// when it is drawn. The same records are what a report file holds.
#include "reports/engine/primitiva_pagina.h"

#include <QByteArray>
#include <QHash>
#include <QSizeF>
#include <cstddef>
#include <vector>

// Everything of a primitive but its top and its text.
struct FormaPrimitiva {
    std::uint8_t tipo = Primitiva::Rectangulo;
    std::uint8_t alineacion = 0;
    std::uint16_t estilo = 0;
    float x = 0, ancho = 0, alto = 0, grosor = 0;
    QRgb color = 0xff000000;

    // Bit for bit, so that a stored page decodes to exactly what was stored.
    bool operator==(const FormaPrimitiva& otra) const;
};
std::size_t qHash(const FormaPrimitiva& forma, std::size_t semilla = 0);

class PaginasCompactas {
public:
    // Limits that no report of the program comes near (its largest table,
    // 1.048.576 rows at 48 a page, gives 21.846 pages of about 480
    // primitives and a few dozen shapes, texts of a few dozen characters);
    // they bound what a hostile file can make the program hold: a million
    // empty pages take some 32 MB.
    static constexpr std::size_t kMaximoPaginas = 1000000;
    static constexpr std::size_t kMaximoFormas = 65536;
    static constexpr int kMaximoElementos = 16384;     // primitives on one page
    static constexpr int kMaximoBytesPagina = 1 << 20; // records of one page
    static constexpr int kMaximoTexto = 4096;          // UTF-8 bytes of one text

    std::size_t size() const { return paginas_.size(); }
    bool empty() const { return paginas_.empty(); }
    void clear();
    // Blank A4 pages are added, or the last pages dropped.
    void resize(std::size_t cuantas);
    // Stores a page; throws std::length_error when the report would need more
    // shapes than kMaximoFormas.
    void push_back(const PaginaPreparada& pagina);
    // The page decoded. The last page asked for is kept decoded, so asking
    // again for the page on show costs a copy.
    PaginaPreparada operator[](std::size_t indice) const;
    QSizeF Tamano(std::size_t indice) const;

    class const_iterator {
    public:
        const_iterator(const PaginasCompactas* paginas, std::size_t indice) : paginas_(paginas), indice_(indice) {}
        PaginaPreparada operator*() const { return (*paginas_)[indice_]; }
        const_iterator& operator++() {
            ++indice_;
            return *this;
        }
        bool operator!=(const const_iterator& otro) const { return indice_ != otro.indice_; }

    private:
        const PaginasCompactas* paginas_;
        std::size_t indice_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, paginas_.size()}; }

    // The stored form, for report files.
    const std::vector<FormaPrimitiva>& Formas() const { return formas_; }
    const QByteArray& Registros(std::size_t indice) const { return paginas_[indice].registros; }
    // Adds a shape read from a file; false when there are too many.
    bool AnadirForma(const FormaPrimitiva& forma);
    // Checks the records of a page read from a file against the shapes.
    bool RegistrosValidos(const QByteArray& registros, QString* motivo) const;
    // Adds a page whose records passed RegistrosValidos.
    void AnadirRegistros(float anchoMm, float altoMm, QByteArray registros);

    // Bytes held, for measuring.
    std::size_t BytesOcupados() const;

private:
    struct Pagina {
        float anchoMm = 210;
        float altoMm = 297;
        QByteArray registros;
    };
    std::uint32_t IndiceForma(const FormaPrimitiva& forma);
    void Olvidar() const { indiceDecodificada_ = kNinguna; }

    static constexpr std::size_t kNinguna = std::size_t(-1);
    std::vector<FormaPrimitiva> formas_;
    QHash<FormaPrimitiva, std::uint32_t> indices_;
    std::vector<Pagina> paginas_;
    QByteArray borrador_;          // reused while a page is encoded
    std::uint32_t siguiente_ = 0;  // the shape expected next
    mutable std::size_t indiceDecodificada_ = kNinguna;
    mutable PaginaPreparada decodificada_;
};
