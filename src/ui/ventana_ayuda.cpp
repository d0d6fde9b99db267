#include "ui/ventana_ayuda.h"

#include "ui/utilidades_ventana.h"
#include "util/identidad.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QString kCarpetaAyuda = QStringLiteral(":/help/");
const QString kPaginaContenido = QStringLiteral("contenido.html");

QPointer<TVentanaAyuda>& VentanaAbierta() {
    static QPointer<TVentanaAyuda> ventana;
    return ventana;
}

QString LeerHojaEstilo() {
    QFile hoja(kCarpetaAyuda + QStringLiteral("ayuda.css"));
    if (!hoja.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(hoja.readAll());
}

QPushButton* NuevoBoton(const QString& texto, const QString& pista, QWidget* padre) {
    auto* boton = new QPushButton(texto, padre);
    boton->setToolTip(pista);
    boton->setAccessibleName(QString(texto).remove(QLatin1Char('&')));
    boton->setAccessibleDescription(pista);
    boton->setAutoDefault(false);
    return boton;
}

}  // namespace

TVentanaAyuda::TVentanaAyuda(QWidget* padre) : QWidget(padre, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("VentanaAyuda"));
    setWindowTitle(QStringLiteral("Ayuda de ") + TextoNombrePrograma());
    setAccessibleName(windowTitle());
    CrearControles();
    resize(640, 520);
}

void TVentanaAyuda::CrearControles() {
    BtnContenido = NuevoBoton(QStringLiteral("&Contenido"), QStringLiteral("Volver a la tabla de contenido"), this);
    BtnAtras = NuevoBoton(QStringLiteral("A&trás"), QStringLiteral("Volver a la página anterior"), this);
    BtnAdelante = NuevoBoton(QStringLiteral("A&delante"), QStringLiteral("Ir a la página siguiente"), this);
    BtnCerrar = NuevoBoton(QStringLiteral("C&errar"), QStringLiteral("Cerrar la ayuda"), this);

    Navegador = new QTextBrowser(this);
    Navegador->setObjectName(QStringLiteral("Navegador"));
    Navegador->setAccessibleName(QStringLiteral("Texto de la ayuda"));
    Navegador->setAccessibleDescription(QStringLiteral("Página de ayuda que se está consultando"));
    Navegador->setOpenLinks(true);
    Navegador->setOpenExternalLinks(false);
    Navegador->document()->setDefaultStyleSheet(LeerHojaEstilo());

    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {BtnContenido, BtnAtras, BtnAdelante})
        botones->addWidget(b);
    botones->addStretch();
    botones->addWidget(BtnCerrar);
    auto* principal = new QVBoxLayout(this);
    principal->addLayout(botones);
    principal->addWidget(Navegador);

    connect(BtnContenido, &QPushButton::clicked, this, &TVentanaAyuda::BtnContenidoClick);
    connect(BtnAtras, &QPushButton::clicked, Navegador, &QTextBrowser::backward);
    connect(BtnAdelante, &QPushButton::clicked, Navegador, &QTextBrowser::forward);
    connect(BtnCerrar, &QPushButton::clicked, this, &QWidget::close);
    connect(Navegador, &QTextBrowser::backwardAvailable, BtnAtras, &QWidget::setEnabled);
    connect(Navegador, &QTextBrowser::forwardAvailable, BtnAdelante, &QWidget::setEnabled);
    connect(Navegador, &QTextBrowser::sourceChanged, this, &TVentanaAyuda::NavegadorSourceChanged);
    BtnAtras->setEnabled(false);
    BtnAdelante->setEnabled(false);
}

QUrl TVentanaAyuda::DireccionTema(int contexto) {
    const QString tema = QString::number(contexto) + QStringLiteral(".html");
    const QString pagina = contexto > 0 && QFile::exists(kCarpetaAyuda + tema) ? tema : kPaginaContenido;
    return QUrl(QStringLiteral("qrc") + kCarpetaAyuda + pagina);
}

void TVentanaAyuda::MostrarTema(int contexto) { Navegador->setSource(DireccionTema(contexto)); }

QUrl TVentanaAyuda::PaginaActual() const { return Navegador->source(); }

TVentanaAyuda* TVentanaAyuda::Abierta() { return VentanaAbierta().data(); }

// A window opened while a modal one runs would be blocked by it, so the
// viewer becomes a child window of the window that asked for help; it goes
// away with that window.
void TVentanaAyuda::Abrir(int contexto, QWidget* padre) {
    QWidget* ventanaPadre = padre ? padre->window() : nullptr;
    QPointer<TVentanaAyuda>& ventana = VentanaAbierta();
    // Help asked from the viewer itself keeps it where it is.
    if (ventana && ventanaPadre == ventana)
        ventanaPadre = ventana->parentWidget();
    if (ventana && ventana->parentWidget() != ventanaPadre) {
        const QRect geometria = ventana->geometry();
        ventana->setParent(ventanaPadre, Qt::Window);
        ventana->setGeometry(geometria);
    }
    if (!ventana) {
        ventana = new TVentanaAyuda(ventanaPadre);
        CentrarSobre(ventana, ventanaPadre);
    }
    ventana->MostrarTema(contexto);
    ventana->show();
    // Whatever window asked, the viewer lies wholly on the screen, its title
    // bar and bottom edge included.
    AjustarAPantalla(ventana);
    ventana->raise();
    ventana->activateWindow();
}

void TVentanaAyuda::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(evento);
}

void TVentanaAyuda::BtnContenidoClick() { MostrarTema(0); }

void TVentanaAyuda::NavegadorSourceChanged() {
    const QString titulo = Navegador->documentTitle();
    setWindowTitle(QStringLiteral("Ayuda de ") + TextoNombrePrograma() +
                   (titulo.isEmpty() ? QString() : QStringLiteral(" - ") + titulo));
}
