#pragma once
// The main window's work as a file: the Archivo button and its menu (Nuevo,
// Abrir…, Guardar, Guardar como… and the recent files), the window's title
// with the file's name and a mark while it has unsaved changes, the question
// before such changes are left, and .zzc files dropped on the window.
//
// Keys: Ctrl+Mayús+N Nuevo (Ctrl+N already clears the page), Ctrl+O Abrir,
// Ctrl+S Guardar, Ctrl+Mayús+S Guardar como.
//
// Work that is not in a file is kept by the session (sesion_calculos.h), so
// only changes to an open file count as unsaved.
#include "finance/documento_calculo.h"

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QToolButton;
class TFormCalculosFinancieros;

// The file dialogs' filter for calculation files.
QString FiltroCalculos();

class TArchivoCalculos : public QObject {
    Q_OBJECT
public:
    explicit TArchivoCalculos(TFormCalculosFinancieros& ventana);

    QAction *AccNuevo = nullptr, *AccAbrir = nullptr, *AccGuardar = nullptr, *AccGuardarComo = nullptr;
    QToolButton* BtnArchivo = nullptr;
    QMenu* MenuArchivo = nullptr;
    QMenu* MenuRecientes = nullptr;

    // The open file; empty when the work is in none.
    const QString& Ruta() const { return ruta_; }
    // The window's boxes, unknowns, timings or conditions differ from the
    // open file's.
    bool HayCambios() const;

    // Opens a file into the window. When it cannot be read the person is
    // told why and the window's work stays as it was.
    bool Abrir(const QString& ruta);
    // Saves into the open file, or asks for a name when there is none.
    bool Guardar();
    bool GuardarComo();
    // Clears every page and leaves the file.
    void Nuevo();
    void AbrirConDialogo();

    // Asks Guardar / No guardar / Cancelar when unsaved changes would be
    // left; false when the person stays (or saving failed).
    bool PermitirDejar();

    // The window's present work counts as unchanged (after a restore).
    void TomarComoGuardado();

public slots:
    // Updates the title and the change mark.
    void ComprobarCambios();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearAcciones();
    void CrearBoton();
    void VigilarCambios();
    void RehacerRecientes(const QStringList& recientes);
    bool GuardarEn(const QString& ruta);
    void FijarRuta(const QString& ruta);

    TFormCalculosFinancieros& ventana_;
    QString ruta_;
    finance::DocumentoCalculo guardado_;
    // A comparison's offers in the open file, which this window does not
    // show: saving keeps them.
    std::vector<finance::OfertaDocumento> ofertas_;
};
