#pragma once
// A calculation kept as a document (.zzc): what the person typed on each page
// of the main window, the chosen unknowns and payment timings, the loan's
// conditions and the offers of a comparison. The file is JSON with a
// "formato" number; docs/formato_zzc.md describes it. Field texts are held
// here in a form free of regional settings (campos_documento.h converts).
#include "finance/condiciones_inversion.h"
#include "finance/condiciones_prestamo.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <vector>

namespace finance {

// The format this program writes; it reads this one and every older one.
inline constexpr int kFormatoDocumento = 1;
// No calculation file is larger; a bigger one is refused unread.
inline constexpr qint64 kMaximoDocumento = 1024 * 1024;

enum class PaginaDocumento { Prestamo, Inversion, Depreciacion };

// The texts of a set of fields by name: `campos` in the locale-free form,
// `literales` for texts that read neither as a number nor as a date, kept
// exactly as typed so that nothing the person wrote is lost.
struct TextosDocumento {
    std::map<QString, QString> campos;
    std::map<QString, QString> literales;
    bool operator==(const TextosDocumento&) const = default;
};

struct PaginaCalculo {
    int calculo = 0;           // position of the unknown in the page's list
    bool alPrincipio = false;  // payments at the start of each period
    TextosDocumento textos;
    bool operator==(const PaginaCalculo&) const = default;
};

// One loan offer of a comparison.
struct OfertaDocumento {
    QString nombre;
    TextosDocumento textos;
    bool alPrincipio = false;
    CondicionesPrestamo condiciones;
    bool operator==(const OfertaDocumento&) const = default;
};

struct DocumentoCalculo {
    int formato = kFormatoDocumento;  // as read; written always as the current one
    PaginaDocumento pagina = PaginaDocumento::Prestamo;
    PaginaCalculo prestamo, inversion, depreciacion;
    CondicionesPrestamo condiciones;  // of the loans page
    CondicionesInversion condicionesInversion;  // of the savings page
    // The depreciation page's kind of asset of the tax table, by its
    // command-line name (empty: none), and whether the person typed the date
    // (only then is the first year a part year).
    QString tablaFiscal;
    bool fechaEscrita = false;
    std::vector<OfertaDocumento> ofertas;
    bool operator==(const DocumentoCalculo&) const = default;
};

// The document as the file's bytes (UTF-8 JSON, current format).
QByteArray EscribirDocumento(const DocumentoCalculo& documento);

// Reads a document from a file's bytes. False with the reason in Spanish
// (damaged, cut short, of a newer format, a field out of range) and
// `documento` untouched.
bool LeerDocumento(const QByteArray& datos, DocumentoCalculo& documento, QString* motivo);

// Writes the file safely (a temporary file renamed over the name) or reads
// it (a regular file of at most kMaximoDocumento bytes); false with the
// reason in Spanish.
bool GuardarDocumento(const QString& ruta, const DocumentoCalculo& documento, QString* motivo);
bool CargarDocumento(const QString& ruta, DocumentoCalculo& documento, QString* motivo);

// A comparison's offers alone, in a document of their own.
bool GuardarOfertas(const QString& ruta, const std::vector<OfertaDocumento>& ofertas, QString* motivo);
bool CargarOfertas(const QString& ruta, std::vector<OfertaDocumento>& ofertas, QString* motivo);

// The message for the person: No se puede abrir (guardar) el cálculo «ruta»: motivo
QString MensajeDocumento(bool guardar, const QString& ruta, const QString& motivo);

}  // namespace finance
