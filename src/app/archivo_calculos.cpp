#include "app/archivo_calculos.h"

#include "app/form_calculos_financieros.h"
#include "app/form_comparar.h"
#include "app/pregunta_guardar.h"
#include "app/sesion_calculos.h"
#include "ui/avisos.h"
#include "ui/fichero_para_guardar.h"
#include "ui/informe_errores.h"
#include "util/identidad.h"
#include "util/puertas.h"

#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

// The first local .zzc file among what is being dragged; empty for none.
QString FicheroArrastrado(const QMimeData* datos) {
    if (!datos || !datos->hasUrls())
        return {};
    for (const QUrl& url : datos->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QLatin1String(".zzc"), Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

// The page shown is where the person looks, not part of the work.
finance::DocumentoCalculo SinPagina(finance::DocumentoCalculo documento) {
    documento.pagina = finance::PaginaDocumento::Prestamo;
    return documento;
}

QAction* Accion(QObject* padre, const char* nombre, const QString& caption, const QString& pista,
                const QKeySequence& tecla) {
    auto* accion = new QAction(caption, padre);
    accion->setObjectName(QLatin1String(nombre));
    accion->setToolTip(pista);
    accion->setStatusTip(pista);
    accion->setShortcut(tecla);
    return accion;
}

// A file saved by the comparison window: offers and nothing else.
bool SoloOfertas(finance::DocumentoCalculo documento) {
    if (documento.ofertas.empty())
        return false;
    documento.ofertas.clear();
    documento.formato = finance::kFormatoDocumento;
    return documento == finance::DocumentoCalculo{};
}

}  // namespace

QString FiltroCalculos() { return QStringLiteral("Cálculos de Zelvar Zuzidaduve (*.zzc)"); }

TArchivoCalculos::TArchivoCalculos(TFormCalculosFinancieros& ventana) : QObject(&ventana), ventana_(ventana) {
    CrearAcciones();
    CrearBoton();
    VigilarCambios();
    TomarComoGuardado();
}

void TArchivoCalculos::CrearAcciones() {
    AccNuevo = Accion(this, "AccNuevo", QStringLiteral("&Nuevo"), QStringLiteral("Empezar un cálculo nuevo"),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    AccAbrir = Accion(this, "AccAbrir", QStringLiteral("&Abrir…"), QStringLiteral("Abrir un cálculo guardado"),
                      QKeySequence(Qt::CTRL | Qt::Key_O));
    AccGuardar = Accion(this, "AccGuardar", QStringLiteral("&Guardar"), QStringLiteral("Guardar el cálculo"),
                        QKeySequence(Qt::CTRL | Qt::Key_S));
    AccGuardarComo =
        Accion(this, "AccGuardarComo", QStringLiteral("Guardar &como…"),
               QStringLiteral("Guardar el cálculo con otro nombre"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    ventana_.addActions({AccNuevo, AccAbrir, AccGuardar, AccGuardarComo});
    connect(AccNuevo, &QAction::triggered, this, [this] { EjecutarProtegido([this] { Nuevo(); }); });
    connect(AccAbrir, &QAction::triggered, this, [this] { EjecutarProtegido([this] { AbrirConDialogo(); }); });
    connect(AccGuardar, &QAction::triggered, this, [this] { EjecutarProtegido([this] { Guardar(); }); });
    connect(AccGuardarComo, &QAction::triggered, this, [this] { EjecutarProtegido([this] { GuardarComo(); }); });
}

// A button with the menu at the start of the tool bar.
void TArchivoCalculos::CrearBoton() {
    MenuArchivo = new QMenu(QStringLiteral("Archivo"), &ventana_);
    MenuArchivo->setObjectName(QStringLiteral("MenuArchivo"));
    MenuArchivo->addActions({AccNuevo, AccAbrir, AccGuardar, AccGuardarComo});
    MenuArchivo->addSeparator();
    MenuRecientes = MenuArchivo->addMenu(QStringLiteral("&Recientes"));
    MenuRecientes->setObjectName(QStringLiteral("MenuRecientes"));
    RehacerRecientes(LeerRecientes());

    BtnArchivo = new QToolButton(ventana_.ToolBarCalculos);
    BtnArchivo->setObjectName(QStringLiteral("BtnArchivo"));
    BtnArchivo->setText(QStringLiteral("Arc&hivo"));
    BtnArchivo->setToolButtonStyle(Qt::ToolButtonTextOnly);
    BtnArchivo->setPopupMode(QToolButton::InstantPopup);
    BtnArchivo->setMenu(MenuArchivo);
    BtnArchivo->setFixedHeight(30);
    BtnArchivo->setFocusPolicy(Qt::NoFocus);
    BtnArchivo->setAccessibleName(QStringLiteral("Archivo"));
    BtnArchivo->setAccessibleDescription(QStringLiteral("Nuevo, abrir y guardar cálculos"));
    BtnArchivo->setToolTip(BtnArchivo->accessibleDescription());
    QToolBar* barra = ventana_.ToolBarCalculos;
    QAction* primera = barra->actions().value(0);
    barra->insertWidget(primera, BtnArchivo);
    barra->insertSeparator(primera);
}

void TArchivoCalculos::VigilarCambios() {
    for (QLineEdit* campo : ventana_.pcCalculos->findChildren<QLineEdit*>()) {
        connect(campo, &QLineEdit::textChanged, this, &TArchivoCalculos::ComprobarCambios);
        campo->installEventFilter(this);
    }
    for (QComboBox* lista : ventana_.pcCalculos->findChildren<QComboBox*>())
        connect(lista, &QComboBox::currentIndexChanged, this, &TArchivoCalculos::ComprobarCambios);
    // After the window's own handler, which takes the conditions accepted.
    connect(ventana_.BtnPresCondiciones, &QPushButton::clicked, this, &TArchivoCalculos::ComprobarCambios);
    connect(ventana_.BtnInvCondiciones, &QPushButton::clicked, this, &TArchivoCalculos::ComprobarCambios);
    ventana_.setAcceptDrops(true);
    ventana_.installEventFilter(this);
}

bool TArchivoCalculos::HayCambios() const {
    return !ruta_.isEmpty() && SinPagina(ventana_.Documento()) != guardado_;
}

void TArchivoCalculos::TomarComoGuardado() {
    guardado_ = SinPagina(ventana_.Documento());
    ComprobarCambios();
}

void TArchivoCalculos::ComprobarCambios() {
    QString titulo = TextoNombrePrograma() + QLatin1Char(' ') + TextoVersion();
    if (!ruta_.isEmpty())
        titulo += QStringLiteral(" - ") + QFileInfo(ruta_).fileName() + QStringLiteral("[*]");
    ventana_.setWindowTitle(titulo);
    ventana_.setWindowModified(HayCambios());
}

void TArchivoCalculos::FijarRuta(const QString& ruta) {
    ruta_ = ruta.isEmpty() ? QString() : QFileInfo(ruta).absoluteFilePath();
    if (!ruta_.isEmpty())
        RehacerRecientes(AnadirReciente(ruta_));
    TomarComoGuardado();
}

bool TArchivoCalculos::Abrir(const QString& ruta) {
    finance::DocumentoCalculo documento;
    QString motivo;
    if (!finance::CargarDocumento(ruta, documento, &motivo)) {
        Avisar(QStringLiteral("Error al abrir el cálculo"), finance::MensajeDocumento(false, ruta, motivo),
               AvisoError);
        return false;
    }
    // The comparison's own file opens in the comparison, leaving the pages'
    // work and its file as they were.
    if (SoloOfertas(documento)) {
        if (const std::optional<QString> motivo = TFormComparar::MotivoOfertas(documento.ofertas)) {
            Avisar(QStringLiteral("Error al abrir el cálculo"), finance::MensajeDocumento(false, ruta, *motivo),
                   AvisoError);
            return false;
        }
        ventana_.AccCompararExecute();
        ventana_.FormComparar->PonerOfertasDocumento(documento.ofertas);
        return true;
    }
    ventana_.MostrarDocumento(documento);
    ofertas_ = documento.ofertas;
    FijarRuta(ruta);
    return true;
}

void TArchivoCalculos::AbrirConDialogo() {
    if (!PermitirDejar())
        return;
    const QString ruta = puertas::PedirNombreFichero(&ventana_, QStringLiteral("Abrir un cálculo"), FiltroCalculos(), false);
    if (!ruta.isEmpty())
        Abrir(ruta);
}

bool TArchivoCalculos::GuardarEn(const QString& ruta) {
    finance::DocumentoCalculo documento = ventana_.Documento();
    documento.ofertas = ofertas_;
    QString motivo;
    if (!finance::GuardarDocumento(ruta, documento, &motivo)) {
        Avisar(QStringLiteral("Error al guardar el cálculo"), finance::MensajeDocumento(true, ruta, motivo),
               AvisoError);
        return false;
    }
    FijarRuta(ruta);
    return true;
}

bool TArchivoCalculos::Guardar() { return ruta_.isEmpty() ? GuardarComo() : GuardarEn(ruta_); }

bool TArchivoCalculos::GuardarComo() {
    const QString ruta =
        PedirFicheroParaGuardar(&ventana_, QStringLiteral("Guardar el cálculo"), FiltroCalculos(),
                                [](const QString& elegido) { return ConExtension(elegido, QStringLiteral("zzc")); });
    return !ruta.isEmpty() && GuardarEn(ruta);
}

void TArchivoCalculos::Nuevo() {
    if (!PermitirDejar())
        return;
    // An empty document has no boxes: every page stays as clearing leaves
    // it, dates at today.
    ventana_.MostrarDocumento({});
    ofertas_.clear();
    FijarRuta(QString());
}

bool TArchivoCalculos::PermitirDejar() {
    if (!HayCambios())
        return true;
    switch (PreguntarGuardar(&ventana_, QFileInfo(ruta_).fileName())) {
    case RespuestaGuardar::Guardar: return Guardar();
    case RespuestaGuardar::NoGuardar: return true;
    case RespuestaGuardar::Cancelar: break;
    }
    return false;
}

void TArchivoCalculos::RehacerRecientes(const QStringList& recientes) {
    // An entry may be the one being chosen right now: it goes once its
    // signal has been handled.
    for (QAction* anterior : MenuRecientes->actions()) {
        MenuRecientes->removeAction(anterior);
        anterior->deleteLater();
    }
    int numero = 0;
    for (const QString& ruta : recientes) {
        QAction* accion = MenuRecientes->addAction(
            QStringLiteral("&%1 %2").arg(++numero).arg(QFileInfo(ruta).fileName().replace('&', QLatin1String("&&"))));
        accion->setToolTip(ruta);
        accion->setStatusTip(ruta);
        connect(accion, &QAction::triggered, this, [this, ruta] {
            EjecutarProtegido([this, &ruta] {
                if (PermitirDejar())
                    Abrir(ruta);
            });
        });
    }
    MenuRecientes->setEnabled(!recientes.isEmpty());
}

bool TArchivoCalculos::eventFilter(QObject* objeto, QEvent* evento) {
    switch (evento->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* arrastre = static_cast<QDragMoveEvent*>(evento);
        if (FicheroArrastrado(arrastre->mimeData()).isEmpty())
            break;
        arrastre->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* soltar = static_cast<QDropEvent*>(evento);
        const QString ruta = FicheroArrastrado(soltar->mimeData());
        if (ruta.isEmpty())
            break;
        soltar->acceptProposedAction();
        EjecutarProtegido([this, &ruta] {
            if (PermitirDejar())
                Abrir(ruta);
        });
        return true;
    }
    default: break;
    }
    return QObject::eventFilter(objeto, evento);
}
