#pragma once
// The "Comparar ofertas" window: two to four loan offers in columns, each
// entered as on the loans page (capital, rate, number of instalments, when
// the instalments are paid and its conditions), and below them the figures
// of each offer with the best of each row in bold and marked "★". The
// figures are cleared as soon as an offer changes, so none on show is
// stale. They copy as tab-separated text, export to CSV and print.
#include "finance/calculo_prestamo.h"
#include "finance/comparacion_prestamos.h"
#include "finance/documento_calculo.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class TGrafico;

class TFormComparar : public QDialog {
    Q_OBJECT
public:
    // `prestamoDeLaPagina` gives the loan the loans page holds now, for the
    // buttons that copy it into a column.
    TFormComparar(QWidget* padre, std::function<finance::EntradaPrestamo()> prestamoDeLaPagina);

    struct ColumnaOferta {
        QLabel* titulo = nullptr;
        QLineEdit *EditCapital = nullptr, *EditInteres = nullptr, *EditNum = nullptr;
        QComboBox* CbAportacion = nullptr;
        QPushButton *BtnCondiciones = nullptr, *BtnCopiarPagina = nullptr, *BtnQuitar = nullptr;
        std::array<QLabel*, finance::kFilasComparacion> cifras{};
        finance::CondicionesPrestamo condiciones;
    };
    std::array<ColumnaOferta, finance::kMaxOfertas> Columnas;
    QPushButton *BtnAnadir = nullptr, *BtnComparar = nullptr, *BtnCopiar = nullptr, *BtnExportar = nullptr,
                *BtnImprimir = nullptr, *BtnCerrar = nullptr;
    QPushButton *BtnGuardar = nullptr, *BtnAbrir = nullptr;
    QAction *AccCopiar = nullptr, *AccImprimir = nullptr, *AccGuardar = nullptr, *AccAbrir = nullptr;
    // The capital pending of each offer over the years, beside the figures;
    // empty while there are no figures.
    TGrafico* GraficoPendiente = nullptr;

    int OfertasVisibles() const { return visibles_; }
    // The offer in column i as the loans page would read it.
    finance::EntradaPrestamo Oferta(int i) const;
    void PonerOferta(int i, const finance::EntradaPrestamo& oferta);
    // The last comparison worked out; empty while the offers have changed
    // since.
    const std::optional<finance::ComparacionPrestamos>& Comparacion() const { return comparacion_; }
    // The offers on show as a calculation file holds them, and offers from
    // one put into the columns (two at least; the figures go).
    std::vector<finance::OfertaDocumento> OfertasDocumento() const;
    void PonerOfertasDocumento(const std::vector<finance::OfertaDocumento>& ofertas);
    // Why a file's offers cannot be shown (none, or more than the columns);
    // nothing when they can.
    static std::optional<QString> MotivoOfertas(const std::vector<finance::OfertaDocumento>& ofertas);
    // Saves the offers into a file the person names (asking before one is
    // replaced); opens a file's offers, telling the person why not when the
    // file cannot be read, and then keeping the offers on show.
    bool GuardarOfertas();
    bool AbrirOfertas(const QString& ruta);
    void AbrirConDialogo();
    // The offers' data and figures as rows of texts, titles first.
    QList<QStringList> Textos() const;

    void BtnAnadirClick();
    void BtnQuitarClick(int i);
    void BtnCopiarPaginaClick(int i);
    void BtnCondicionesClick(int i);
    void BtnCompararClick();
    void BtnCopiarClick();
    void BtnExportarClick();
    void BtnImprimirClick();

private:
    void CrearColumna(QGridLayout* rejilla, int i);
    void CrearBotones(QGridLayout* rejilla, int fila);
    void MostrarColumnas();
    void Olvidar();
    void MostrarCifras();
    // Refuses with a message when there are no figures on show.
    bool HayCifras() const;

    std::function<finance::EntradaPrestamo()> prestamoDeLaPagina_;
    int visibles_ = finance::kMinOfertas;
    std::optional<finance::ComparacionPrestamos> comparacion_;
    bool poniendo_ = false;  // while an offer is written into its boxes
};
