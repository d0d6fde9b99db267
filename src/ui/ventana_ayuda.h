#pragma once
// The help viewer: Spanish HTML pages compiled into the program, one per
// window (its help context) plus a table of contents. One viewer at a time;
// asking for help again moves the open viewer to the new topic.
#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

class TVentanaAyuda : public QWidget {
    Q_OBJECT
public:
    explicit TVentanaAyuda(QWidget* padre = nullptr);

    // Opens the viewer for the window padre (null: on its own) on a topic; 0
    // or a topic without a page opens the table of contents.
    static void Abrir(int contexto, QWidget* padre);
    // The viewer on screen, or null.
    static TVentanaAyuda* Abierta();

    // Address of a topic's page: the contents page when it has none.
    static QUrl DireccionTema(int contexto);

    void MostrarTema(int contexto);
    QUrl PaginaActual() const;

    QTextBrowser* Navegador = nullptr;
    QPushButton* BtnContenido = nullptr;
    QPushButton* BtnAtras = nullptr;
    QPushButton* BtnAdelante = nullptr;
    QPushButton* BtnCerrar = nullptr;

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private slots:
    void BtnContenidoClick();
    void NavegadorSourceChanged();

private:
    void CrearControles();
};
