#include "informes_hostiles.h"
#include "prueba_comun.h"
#include "registro_dialogos.h"

#include "schedules/accion_imprimir.h"
#include "reports/engine/fichero_informe.h"
#include "reports/engine/impresion_informe.h"
#include "reports/engine/superficie_vista_previa.h"
#include "reports/form_rpt_prestamos.h"
#include "reports/form_vista_previa.h"
#include "reports/fuente_filas.h"
#include "schedules/form_desarrollo_calculos.h"
#include "ui/avisos.h"
#include "util/puertas.h"
#include "widgets/grid/attribute_grid.h"

#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QStandardPaths>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

class FilasNumeradas : public FuenteFilas {
public:
    QString Celda(int columna, int fila) const override { return QStringLiteral("%1.%2").arg(fila).arg(columna); }
};

// A loan report of `filas` rows: 48 rows fill a page.
struct Informe {
    FilasNumeradas filas;
    TFormRptPrestamos rpt;
    explicit Informe(int numero) {
        rpt.FijarFuente(&filas);
        rpt.FilasInforme = numero + 1;
    }
};

// Opens the preview on the report, runs `accion` once every page is ready,
// then closes the window.
void ConVistaPrevia(int filas, const std::function<void(TFormVistaPrevia&)>& accion) {
    Informe informe(filas);
    TFormVistaPrevia ventana;
    ventana.Informe = &informe.rpt.Informe();
    ventana.PermitirGuardar = true;
    QTimer espera;
    QObject::connect(&espera, &QTimer::timeout, &ventana, [&] {
        if (ventana.Estado() != EstadoGeneracion::Terminado || !ventana.BtnSave->isEnabled())
            return;
        espera.stop();
        accion(ventana);
        ventana.BtnCerrar->click();
    });
    espera.start(0);
    ventana.Previsualizar();
}

void Teclear(TFormVistaPrevia& v, Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QTest::keyClick(v.BtnCerrar, tecla, mod);
}

InformePreparado UnaPagina(const QString& titulo) {
    InformePreparado p;
    p.titulo = titulo;
    p.paginas.resize(1);
    return p;
}

// A loan table window of `periodos` rows, shown modally as the main window
// shows it; 48 rows fill a report page.
struct TablaModal {
    TFormDesarrolloCalculos ventana;
    explicit TablaModal(int periodos) {
        ventana.TipoDesarrollo = ClaseDesarrollo::Prestamo;
        ventana.GridDesarrollo->SetRowCount(periodos + 1);
        ventana.setWindowModality(Qt::ApplicationModal);
        ventana.show();
    }
};

QList<TFormVistaPrevia*> VistasAbiertas() {
    QList<TFormVistaPrevia*> abiertas;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* v = qobject_cast<TFormVistaPrevia*>(w); v && v->isVisible())
            abiertas << v;
    return abiertas;
}

// Runs the table's print action and `accion` on its preview once every page
// is ready; the action closes the preview (or the test fails on its timer).
void ConVistaDeLaTabla(TFormDesarrolloCalculos& tabla, const std::function<void(TFormVistaPrevia&)>& accion) {
    bool visto = false;
    QTimer espera;
    QObject::connect(&espera, &QTimer::timeout, &tabla, [&] {
        const QList<TFormVistaPrevia*> abiertas = VistasAbiertas();
        if (abiertas.isEmpty() || !abiertas.first()->BtnSave->isEnabled())
            return;
        espera.stop();
        visto = true;
        accion(*abiertas.first());
        if (abiertas.first()->isVisible())  // a failed check left it open
            abiertas.first()->BtnCerrar->click();
    });
    espera.start(0);
    tabla.AccImprimir->trigger();
    QVERIFY(visto);
}

// Answers the printer set-up dialog by printing to `pdf`, after checking
// what it offers on a system without printers.
std::function<void(QDialog&)> ElegirPdf(const QString& pdf) {
    return [pdf](QDialog& d) {
        auto* dialogo = qobject_cast<QPrintDialog*>(&d);
        QVERIFY(dialogo);
        QCOMPARE(dialogo->printer()->outputFormat(), QPrinter::PdfFormat);
        QCOMPARE(QFileInfo(dialogo->printer()->outputFileName()).absolutePath(), puertas::CarpetaFicheros());
        d.done(QDialog::Accepted);
        dialogo->printer()->setOutputFileName(pdf);
    };
}

}  // namespace

class TestVistaPrevia : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { puertas::FijarPedirFichero([](QWidget*, const QString&, const QString&, bool) { return QString(); }); }
    void estadoAlTerminar();
    void pasosDeZoom_data();
    void pasosDeZoom();
    void teclasDePagina();
    void cajaDePagina_data();
    void cajaDePagina();
    void teclaPYTabulador();
    void guardarAnadeExtension_data();
    void guardarAnadeExtension();
    void guardarPreguntaAntesDeReemplazar();
    void cargarFicheroDeUnaPagina();
    void cargarFicheroDanado_data();
    void cargarFicheroDanado();
    void escapeMientrasSeDibujaUnaPaginaCostosa();
    void arrastrarSigueAlPuntero();
    void cerrarRechazadoAntesDeLaPrimeraPagina();
    void cerrarMientrasSeGenera();
    void imprimirPideConfirmacion();
    void pantallaPequena();
    void escalaPantalla_data();
    void escalaPantalla();
    void imprimirTablaVacia();
    void carpetaRestauradaTrasLaVistaPrevia();
    void vistaModalSobreLaTabla();
    void menuEmergente();
    void ctrlPNoPideLaPagina();
    void imprimirSinImpresoras();
    void imprimirConFalloAvisa();
    void cajaDePaginaParaInformesLargos();
    void dialogosDeFicheroEmpiezanEnDocumentos();
    void ocupaLaPantallaLibre();
};

// The preview takes the free area of the screen, frame included, whatever
// size the screen door reports for scaling.
void TestVistaPrevia::ocupaLaPantallaLibre() {
    puertas::FijarTamanoPantalla([] { return QSize(1024, 768); });
    ConVistaPrevia(2, [](TFormVistaPrevia& v) {
        QCOMPARE(v.frameGeometry(), v.screen()->availableGeometry());
    });
    puertas::RestaurarPuertas();
}

void TestVistaPrevia::estadoAlTerminar() {
    ConVistaPrevia(100, [](TFormVistaPrevia& v) {
        // The report's title alone, without padding blanks.
        QCOMPARE(v.windowTitle(), v.Paginas()->titulo);
        QVERIFY(v.windowTitle().startsWith(QStringLiteral("Zelvar")));
        QCOMPARE(v.sbLastPage->toolTip(), QStringLiteral("Última página"));
        QVERIFY(v.PanelNumPag->isVisible());
        QCOMPARE(v.PanelNumPag->text(), QStringLiteral(" Página 1 de 3"));
        QCOMPARE(v.sePage->text(), QStringLiteral("1"));
        QVERIFY(v.ZoomToWidth->isChecked());
        for (QWidget* b : {static_cast<QWidget*>(v.BtnPrint), static_cast<QWidget*>(v.BtnPrintSetup),
                           static_cast<QWidget*>(v.BtnSave), static_cast<QWidget*>(v.BtnLoad),
                           static_cast<QWidget*>(v.BtnCerrar), static_cast<QWidget*>(v.sePage)})
            QVERIFY(b->isEnabled());
        QCOMPARE(v.opCerrar->text(), QStringLiteral("Cerrar la ventana"));
        for (QAbstractButton* b : v.PanelBotones->findChildren<QAbstractButton*>())
            QVERIFY2(!b->icon().isNull(), qPrintable(b->toolTip()));  // every picture reads
        QCOMPARE(v.BtnZoomIn->accessibleName(), QStringLiteral("Aumentar el Zoom"));
    });
}

void TestVistaPrevia::pasosDeZoom_data() {
    QTest::addColumn<int>("inicial");
    QTest::addColumn<bool>("aumentar");
    QTest::addColumn<int>("esperado");
    QTest::newRow("60 menos") << 60 << false << 50;
    QTest::newRow("50 menos") << 50 << false << 50;
    QTest::newRow("40 menos") << 40 << false << 50;
    QTest::newRow("100 menos") << 100 << false << 80;
    QTest::newRow("290 más") << 290 << true << 300;
    QTest::newRow("300 más") << 300 << true << 300;
    QTest::newRow("100 más") << 100 << true << 120;
}

void TestVistaPrevia::pasosDeZoom() {
    QFETCH(int, inicial);
    QFETCH(bool, aumentar);
    QFETCH(int, esperado);
    ConVistaPrevia(10, [&](TFormVistaPrevia& v) {
        v.VistaPrevia->FijarZoom(inicial);
        Teclear(v, aumentar ? Qt::Key_Plus : Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(v.VistaPrevia->Zoom(), esperado);
        // A step that changes the zoom raises every zoom-mode button.
        QCOMPARE(v.ZoomToWidth->isChecked(), esperado == inicial);
        QVERIFY(!v.ZoomToFit->isChecked() && !v.ZoomTo100->isChecked());
    });
}

void TestVistaPrevia::teclasDePagina() {
    ConVistaPrevia(100, [](TFormVistaPrevia& v) {
        Teclear(v, Qt::Key_PageUp);
        QCOMPARE(v.VistaPrevia->Pagina(), 1);
        Teclear(v, Qt::Key_PageDown);
        QCOMPARE(v.VistaPrevia->Pagina(), 2);
        Teclear(v, Qt::Key_End);
        QCOMPARE(v.VistaPrevia->Pagina(), 3);
        Teclear(v, Qt::Key_PageDown);
        QCOMPARE(v.VistaPrevia->Pagina(), 3);
        QCOMPARE(v.sePage->text(), QStringLiteral("3"));
        QCOMPARE(v.PanelNumPag->text(), QStringLiteral(" Página 3 de 3"));
        Teclear(v, Qt::Key_Home);
        QCOMPARE(v.VistaPrevia->Pagina(), 1);
        Teclear(v, Qt::Key_Down);
        QVERIFY(v.VistaPrevia->verticalScrollBar()->value() > 0);
    });
}

void TestVistaPrevia::cajaDePagina_data() {
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<int>("pagina");
    QTest::newRow("válida") << QStringLiteral("3") << 3;
    QTest::newRow("cero") << QStringLiteral("0") << 2;
    QTest::newRow("mayor que el total") << QStringLiteral("9") << 2;
}

void TestVistaPrevia::cajaDePagina() {
    QFETCH(QString, tecleado);
    QFETCH(int, pagina);
    ConVistaPrevia(100, [&](TFormVistaPrevia& v) {
        Teclear(v, Qt::Key_PageDown);
        v.sePage->clear();
        QTest::keyClicks(v.sePage, tecleado);
        QCOMPARE(v.VistaPrevia->Pagina(), pagina);
        QCOMPARE(v.sePage->text(), QString::number(pagina));
    });
}

void TestVistaPrevia::teclaPYTabulador() {
    ConVistaPrevia(100, [](TFormVistaPrevia& v) {
        v.activateWindow();
        v.BtnCerrar->setFocus();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &v, Qt::Key_Tab);
            QApplication::processEvents();
            QVERIFY(QApplication::focusWidget() != v.sePage);
        }
        v.BtnCerrar->setFocus();
        Teclear(v, Qt::Key_P);
        QApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(v.sePage));
        QCOMPARE(v.sePage->selectedText(), QStringLiteral("1"));
    });
}

void TestVistaPrevia::guardarAnadeExtension_data() {
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("guardado");
    QTest::newRow("sin punto") << QStringLiteral("informe") << QStringLiteral("informe.zrp");
    QTest::newRow("con extensión") << QStringLiteral("informe.dat") << QStringLiteral("informe.dat");
    QTest::newRow("punto en la carpeta") << QStringLiteral("mis.datos/informe") << QStringLiteral("mis.datos/informe.zrp");
    QTest::newRow("punto al final") << QStringLiteral("informe.") << QStringLiteral("informe.zrp");
}

void TestVistaPrevia::guardarAnadeExtension() {
    QFETCH(QString, nombre);
    QFETCH(QString, guardado);
    QTemporaryDir carpeta;
    QVERIFY(QDir(carpeta.path()).mkdir(QStringLiteral("mis.datos")));
    puertas::FijarPedirFichero(
        [&](QWidget*, const QString&, const QString&, bool) { return carpeta.filePath(nombre); });
    ConVistaPrevia(60, [&](TFormVistaPrevia& v) {
        v.BtnSave->click();
        InformePreparado leido;
        QVERIFY(CargarInforme(carpeta.filePath(guardado), leido));
        QCOMPARE(leido.paginas.size(), v.Paginas()->paginas.size());
        QCOMPARE(leido.titulo, v.Paginas()->titulo);
    });
}

// Saving over a file that is there asks first, "No" by default; both file
// dialogs offer the same Spanish file type.
void TestVistaPrevia::guardarPreguntaAntesDeReemplazar() {
    QTemporaryDir carpeta;
    const QString notas = carpeta.filePath(QStringLiteral("notas.txt"));
    QFile fichero(notas);
    QVERIFY(fichero.open(QIODevice::WriteOnly) && fichero.write("mis notas") == 9);
    fichero.close();
    QStringList filtros;
    puertas::FijarPedirFichero([&](QWidget*, const QString&, const QString& filtro, bool) {
        filtros << filtro;
        return notas;
    });
    RegistroDialogos registro;
    ConVistaPrevia(10, [&](TFormVistaPrevia& v) {
        v.BtnSave->click();
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados().first().titulo, QStringLiteral("Guardar el informe"));
        QCOMPARE(registro.Mostrados().first().mensaje,
                 QStringLiteral("El fichero «%1» ya existe.\n¿Desea reemplazarlo?").arg(notas));
        QVERIFY(fichero.open(QIODevice::ReadOnly));
        QCOMPARE(fichero.readAll(), QByteArray("mis notas"));
        fichero.close();
        registro.Responder(true);
        v.BtnSave->click();
        InformePreparado leido;
        QVERIFY(CargarInforme(notas, leido));
        v.BtnLoad->click();
    });
    QCOMPARE(filtros, QStringList(3, QStringLiteral("Informes (*.zrp)")));
}

void TestVistaPrevia::cargarFicheroDeUnaPagina() {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("uno.zrp"));
    QVERIFY(GuardarInforme(UnaPagina(QStringLiteral("Mi informe")), ruta));
    const QString sinTitulo = carpeta.filePath(QStringLiteral("anonimo.zrp"));
    QVERIFY(GuardarInforme(UnaPagina(QString()), sinTitulo));
    QString elegido = ruta;
    puertas::FijarPedirFichero([&](QWidget*, const QString&, const QString&, bool) { return elegido; });
    ConVistaPrevia(100, [&](TFormVistaPrevia& v) {
        Teclear(v, Qt::Key_End);
        v.BtnLoad->click();
        QCOMPARE(v.windowTitle(), QStringLiteral("Mi informe - 1 página"));
        QCOMPARE(v.VistaPrevia->Pagina(), 1);
        QCOMPARE(v.sePage->text(), QStringLiteral("1"));
        QCOMPARE(v.PanelNumPag->text(), QStringLiteral(" Página 1 de 1"));
        elegido = sinTitulo;
        v.BtnLoad->click();
        QCOMPARE(v.windowTitle(), QStringLiteral("anonimo.zrp - 1 página"));
    });
}

void TestVistaPrevia::cargarFicheroDanado_data() {
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<bool>("conMotivo");
    QByteArray bueno = EscribirInforme(UnaPagina(QStringLiteral("T")));
    QByteArray danado = bueno;
    danado[danado.size() - 1] = char(danado.back() ^ 0x55);
    InformePreparado vacio;
    QTest::newRow("no existe") << QByteArray() << false;
    QTest::newRow("suma no coincide") << danado << true;
    QTest::newRow("cortado") << bueno.left(bueno.size() / 2) << true;
    QTest::newRow("sin páginas") << EscribirInforme(vacio) << true;
}

void TestVistaPrevia::cargarFicheroDanado() {
    QFETCH(QByteArray, contenido);
    QFETCH(bool, conMotivo);
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("malo.zrp"));
    if (conMotivo) {
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenido);
    }
    puertas::FijarPedirFichero([&](QWidget*, const QString&, const QString&, bool) { return ruta; });
    RegistroDialogos registro;
    ConVistaPrevia(100, [&](TFormVistaPrevia& v) {
        Teclear(v, Qt::Key_PageDown);
        const QString titulo = v.windowTitle();
        v.BtnLoad->click();
        QCOMPARE(registro.Mostrados().size(), 1);
        const DialogoMostrado& d = registro.Mostrados().first();
        QCOMPARE(d.titulo, QStringLiteral("Error al cargar fichero de informe"));
        QCOMPARE(d.tipo, 0);
        const QString esperado = QStringLiteral("No se puede cargar fichero seleccionado: ") + ruta;
        if (conMotivo)
            QVERIFY2(d.mensaje.startsWith(esperado + QStringLiteral(" (")), qPrintable(d.mensaje));
        else
            QCOMPARE(d.mensaje, esperado);
        QCOMPARE(v.Paginas()->paginas.size(), std::size_t(3));
        QCOMPARE(v.VistaPrevia->Pagina(), 2);
        QCOMPARE(v.windowTitle(), titulo);
    });
}

// A loaded page that takes seconds to draw does not hold the window:
// Escape closes it while the page is still being drawn.
void TestVistaPrevia::escapeMientrasSeDibujaUnaPaginaCostosa() {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("rectangulos.zrp"));
    QVERIFY(GuardarInforme(informes_hostiles::RectangulosTransparentes(), ruta));
    puertas::FijarPedirFichero([&](QWidget*, const QString&, const QString&, bool) { return ruta; });
    ConVistaPrevia(10, [&](TFormVistaPrevia& v) {
        v.BtnLoad->click();
        QCOMPARE(v.Paginas()->paginas.size(), std::size_t(2));
        v.VistaPrevia->viewport()->repaint();
        QVERIFY(!v.VistaPrevia->PaginaDibujada());
        Teclear(v, Qt::Key_Escape);
        QVERIFY(!v.isVisible());
    });
}

void TestVistaPrevia::arrastrarSigueAlPuntero() {
    ConVistaPrevia(10, [](TFormVistaPrevia& v) {
        v.VistaPrevia->FijarZoom(300);
        QWidget* superficie = v.VistaPrevia->viewport();
        QScrollBar* h = v.VistaPrevia->horizontalScrollBar();
        QScrollBar* vert = v.VistaPrevia->verticalScrollBar();
        h->setValue(100);
        QTest::mousePress(superficie, Qt::LeftButton, {}, QPoint(200, 200));
        QVERIFY(v.Arrastrando());
        QTest::mouseMove(superficie, QPoint(190, 195));
        QTest::mouseMove(superficie, QPoint(180, 190));
        QCOMPARE(h->value(), 120);
        QCOMPARE(vert->value(), 10);
        QTest::mouseRelease(superficie, Qt::LeftButton, {}, QPoint(180, 190));
        QVERIFY(!v.Arrastrando());
        QTest::mouseMove(superficie, QPoint(100, 100));
        QCOMPARE(h->value(), 120);
    });
}

void TestVistaPrevia::cerrarRechazadoAntesDeLaPrimeraPagina() {
    TFormVistaPrevia v;
    v.show();
    QVERIFY(!v.BtnCerrar->isEnabled());
    v.BtnCerrarClick();
    QVERIFY(v.isVisible());
    v.reject();
    QVERIFY(v.isVisible());
}

void TestVistaPrevia::cerrarMientrasSeGenera() {
    Informe informe(48 * 200);
    TFormVistaPrevia v;
    v.Informe = &informe.rpt.Informe();
    QString titulo;
    QTimer espera;
    connect(&espera, &QTimer::timeout, &v, [&] {
        if (!v.BtnCerrar->isEnabled())
            return;
        espera.stop();
        titulo = v.windowTitle();
        v.BtnCerrar->click();
    });
    espera.start(0);
    v.Previsualizar();
    QVERIFY(titulo.contains(QStringLiteral("(procesando la página ")));
    QVERIFY(!v.isVisible());
    QVERIFY(v.Paginas()->paginas.size() < 200);
}

void TestVistaPrevia::imprimirPideConfirmacion() {
    RegistroDialogos registro;
    QTemporaryDir carpeta;
    const QString pdf = carpeta.filePath(QStringLiteral("impreso.pdf"));
    ConVistaPrevia(100, [&](TFormVistaPrevia& v) {
        v.Impresora().setOutputFormat(QPrinter::PdfFormat);
        v.Impresora().setOutputFileName(pdf);
        v.BtnPrint->click();  // "No" to the question: nothing is printed
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados().first().mensaje, QStringLiteral("¿Desea imprimir el informe?"));
        QVERIFY(!QFile::exists(pdf));
        registro.Responder(true);
        v.BtnPrint->click();
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(registro.Mostrados().size(), 3);
        QCOMPARE(registro.Mostrados().at(2).tipo, int(AvisoInformacion));
        QCOMPARE(registro.Mostrados().at(2).mensaje,
                 QStringLiteral("El informe se ha escrito en el fichero PDF «%1».").arg(pdf));
        QVERIFY(!v.Imprimiendo());
        QVERIFY(v.BtnPrint->isEnabled() && v.BtnSave->isEnabled());
    });
}

void TestVistaPrevia::pantallaPequena() {
    puertas::FijarTamanoPantalla([] { return QSize(640, 480); });
    {
        TFormVistaPrevia v;
        QVERIFY(v.BtnCerrar->text().isEmpty());
        QVERIFY(v.BtnCerrar->width() < 30);
        // A full-screen window on a screen under 700 pixels wide is scaled down.
        QVERIFY(v.font().pointSizeF() < QApplication::font().pointSizeF());
    }
    puertas::FijarTamanoPantalla([] { return QSize(1024, 768); });
    TFormVistaPrevia grande;
    QCOMPARE(grande.BtnCerrar->text(), QStringLiteral("&Cerrar"));
}

void TestVistaPrevia::escalaPantalla_data() {
    QTest::addColumn<QSize>("ventana");
    QTest::addColumn<QSize>("pantalla");
    QTest::addColumn<int>("escala");
    QTest::newRow("796 en 640") << QSize(796, 300) << QSize(640, 480) << 75;
    QTest::newRow("cabe") << QSize(600, 400) << QSize(640, 480) << 100;
    QTest::newRow("alto manda") << QSize(700, 720) << QSize(640, 480) << 49;
    QTest::newRow("pantalla grande") << QSize(1200, 900) << QSize(1024, 768) << 100;
}

void TestVistaPrevia::escalaPantalla() {
    QFETCH(QSize, ventana);
    QFETCH(QSize, pantalla);
    QFETCH(int, escala);
    QCOMPARE(tFormBase::EscalaPara(ventana, pantalla), escala);
}

void TestVistaPrevia::imprimirTablaVacia() {
    RegistroDialogos registro;
    TFormDesarrolloCalculos ventana;
    ventana.GridDesarrollo->SetRowCount(1);
    ImprimirDesarrollo(ventana);
    QCOMPARE(registro.Mostrados().size(), 1);
    QCOMPARE(registro.Mostrados().first().titulo, QStringLiteral("Cálculos financieros"));
    QCOMPARE(registro.Mostrados().first().mensaje, QStringLiteral("No hay registros de datos disponibles."));
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<TFormVistaPrevia*>(w));
}

void TestVistaPrevia::carpetaRestauradaTrasLaVistaPrevia() {
    QTemporaryDir otra;
    TFormDesarrolloCalculos ventana;
    ventana.TipoDesarrollo = ClaseDesarrollo::Depreciacion;
    ventana.GridDesarrollo->SetRowCount(5);
    puertas::FijarPedirFichero([&](QWidget*, const QString&, const QString&, bool) {
        QDir::setCurrent(otra.path());  // as a file dialog may do
        return otra.filePath(QStringLiteral("guardado"));
    });
    bool visto = false;
    QTimer espera;
    connect(&espera, &QTimer::timeout, this, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* v = qobject_cast<TFormVistaPrevia*>(w); v && v->isVisible() && v->BtnSave->isEnabled()) {
                espera.stop();
                visto = true;
                v->BtnSave->click();
                v->BtnCerrar->click();
            }
    });
    espera.start(0);
    ImprimirDesarrollo(ventana);
    QVERIFY(visto);
    QVERIFY(QFile::exists(otra.filePath(QStringLiteral("guardado.zrp"))));
    QCOMPARE(QDir::currentPath(), QDir(QCoreApplication::applicationDirPath()).canonicalPath());
}

// The preview opened from a modal table window takes the mouse and the keys,
// blocks the table, cannot be opened twice, and Escape closes only it.
void TestVistaPrevia::vistaModalSobreLaTabla() {
    TablaModal tabla(150);
    ConVistaDeLaTabla(tabla.ventana, [&](TFormVistaPrevia& v) {
        QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(&v));
        QCOMPARE(v.parentWidget(), static_cast<QWidget*>(&tabla.ventana));
        QTest::mouseClick(v.sbNextPage, Qt::LeftButton);
        QCOMPARE(v.VistaPrevia->Pagina(), 2);
        tabla.ventana.AccImprimir->trigger();
        QCOMPARE(VistasAbiertas().size(), 1);
        QTest::keyClick(v.BtnCerrar, Qt::Key_Escape);
        QVERIFY(!v.isVisible());
    });
    QVERIFY(VistasAbiertas().isEmpty());
    QVERIFY(tabla.ventana.isVisible());
}

// Ctrl+P pressed in the table window ends (its release) in the preview, and a
// second Ctrl+P may reach it whole: neither is the P key.
void TestVistaPrevia::ctrlPNoPideLaPagina() {
    ConVistaPrevia(100, [](TFormVistaPrevia& v) {
        v.activateWindow();
        v.BtnCerrar->setFocus();
        QTest::keyRelease(v.BtnCerrar, Qt::Key_P);
        Teclear(v, Qt::Key_P, Qt::ControlModifier);
        QApplication::processEvents();
        QVERIFY(!v.PaginaPedida());
        QVERIFY(QApplication::focusWidget() != v.sePage);
    });
}

void TestVistaPrevia::menuEmergente() {
    ConVistaPrevia(10, [](TFormVistaPrevia& v) {
        QWidget* superficie = v.VistaPrevia->viewport();
        QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(100, 100), superficie->mapToGlobal(QPoint(100, 100)));
        QApplication::sendEvent(superficie, &clic);
        QVERIFY(v.ppMenu->isVisible());
        QVERIFY(v.opAjustarAnchoPagina->isChecked() && !v.opVerHojaEntera->isChecked());
        QVERIFY(v.opImprimir->isEnabled());
        v.ppMenu->hide();
    });
}

// Without printers, printing asks where the PDF file goes and writes it; a
// cancelled set-up leaves the printer usable for "Configurar impresora".
void TestVistaPrevia::imprimirSinImpresoras() {
    FijarConsultaImpresoras([] { return QStringList(); });
    RegistroDialogos registro;
    QTemporaryDir carpeta;
    const QString pdf = carpeta.filePath(QStringLiteral("tabla.pdf"));
    const QString otro = carpeta.filePath(QStringLiteral("otra.pdf"));
    ConVistaPrevia(100, [&](TFormVistaPrevia& v) {
        registro.Responder(true);
        registro.ResponderCon(ElegirPdf(pdf));
        v.BtnPrint->click();
        QVERIFY(QFileInfo(pdf).size() > 0);
        QCOMPARE(registro.Mostrados().size(), 3);
        QCOMPARE(registro.Mostrados().at(1).titulo, QStringLiteral("Configurar impresora"));
    });
    registro.Limpiar();
    ConVistaPrevia(100, [&](TFormVistaPrevia& v) {
        registro.Responder(true);  // set-up cancelled: nothing printed, nothing said
        v.BtnPrint->click();
        QCOMPARE(registro.Mostrados().size(), 2);
        registro.ResponderCon(ElegirPdf(otro));
        v.BtnPrintSetup->click();
        QVERIFY(QFileInfo(otro).size() > 0);
        QCOMPARE(registro.Mostrados().size(), 4);
    });
    FijarConsultaImpresoras(nullptr);
}

void TestVistaPrevia::imprimirConFalloAvisa() {
    RegistroDialogos registro;
    QTemporaryDir carpeta;
    const QString pdf = carpeta.filePath(QStringLiteral("no/existe/tabla.pdf"));
    ConVistaPrevia(100, [&](TFormVistaPrevia& v) {
        v.Impresora().setOutputFileName(pdf);
        registro.Responder(true);
        v.BtnPrint->click();
        QCOMPARE(registro.Mostrados().size(), 2);
        const DialogoMostrado& aviso = registro.Mostrados().at(1);
        QCOMPARE(aviso.tipo, 0);
        QCOMPARE(aviso.mensaje, QStringLiteral("No se ha podido imprimir el informe: no se puede escribir el "
                                               "fichero PDF «%1» (la carpeta no existe).").arg(pdf));
        // The next print works on a printer that is not left half started.
        const QString bueno = carpeta.filePath(QStringLiteral("tabla.pdf"));
        v.Impresora().setOutputFileName(bueno);
        registro.Responder(true);
        v.BtnPrint->click();
        QVERIFY(QFileInfo(bueno).size() > 0);
        QVERIFY(v.BtnPrint->isEnabled());
    });
}

void TestVistaPrevia::cajaDePaginaParaInformesLargos() {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("largo.zrp"));
    InformePreparado largo = UnaPagina(QStringLiteral("Largo"));
    largo.paginas.resize(123456);
    QVERIFY(GuardarInforme(largo, ruta));
    puertas::FijarPedirFichero([&](QWidget*, const QString&, const QString&, bool) { return ruta; });
    ConVistaPrevia(10, [&](TFormVistaPrevia& v) {
        v.BtnLoad->click();
        QCOMPARE(v.VistaPrevia->NumeroPaginas(), 123456);
        v.sePage->clear();
        QTest::keyClicks(v.sePage, QStringLiteral("123456"));
        QCOMPARE(v.VistaPrevia->Pagina(), 123456);
        QCOMPARE(v.PanelNumPag->text(), QStringLiteral(" Página 123456 de 123456"));
        const QFontMetrics cifras(v.sePage->font());
        QVERIFY(v.sePage->width() > cifras.horizontalAdvance(v.sePage->text()) + 4);
        QVERIFY(v.PanelNumPag->width() >= QFontMetrics(v.PanelNumPag->font()).horizontalAdvance(v.PanelNumPag->text()));
    });
}

// The real save dialog opens in the documents folder (or home), not in the
// program's folder that the print action makes current, then in the folder
// of the last file chosen.
void TestVistaPrevia::dialogosDeFicheroEmpiezanEnDocumentos() {
    puertas::RestaurarPuertas();
    puertas::OlvidarCarpetaFicheros();
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(documentos).exists())
        documentos = QDir::homePath();
    QStringList vistas;
    QTemporaryDir otra;
    QTimer responder;
    connect(&responder, &QTimer::timeout, this, [&] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialogo)
            return;
        // A dialog already answered may still be up at the next tick: it is
        // closing, or under load accept() found its folder not yet read and
        // kept it open. Either way it is finished with the same answer,
        // and counted once.
        if (dialogo->property("respondido").toBool()) {
            static_cast<QDialog*>(dialogo)->done(dialogo->property("respuesta").toInt());
            return;
        }
        const QString quiero = otra.filePath(QStringLiteral("elegido.zrp"));
        if (vistas.size() == 1 && dialogo->property("eligiendo").toBool()) {
            // The folder is read in the background, and once read the
            // dialog empties its name box; selectFile() leaves that box
            // alone once it has the focus. Write the name into the box
            // until the dialog itself gives the file wanted, and only then
            // accept.
            if (dialogo->selectedFiles().value(0) == quiero) {
                dialogo->setProperty("respondido", true);
                dialogo->setProperty("respuesta", int(QDialog::Accepted));
                static_cast<QDialog*>(dialogo)->accept();
            } else if (auto* nombre = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                nombre->setText(QStringLiteral("elegido.zrp"));
            } else {
                dialogo->selectFile(QStringLiteral("elegido.zrp"));
            }
            return;
        }
        vistas << dialogo->directory().absolutePath();
        if (vistas.size() == 1) {
            dialogo->setProperty("eligiendo", true);
            dialogo->setDirectory(otra.path());
            dialogo->selectFile(QStringLiteral("elegido.zrp"));
        } else {
            dialogo->setProperty("respondido", true);
            dialogo->setProperty("respuesta", int(QDialog::Rejected));
            dialogo->reject();
        }
    });
    responder.start(10);
    const QString filtro = QStringLiteral("*.zrp");
    const QString elegido = puertas::PedirNombreFichero(nullptr, QStringLiteral("Guardar"), filtro, true);
    puertas::PedirNombreFichero(nullptr, QStringLiteral("Cargar"), filtro, false);
    puertas::FijarMostrarModal([](QDialog&) { return int(QDialog::Rejected); });
    puertas::FijarPitido([] {});
    puertas::FijarAbrirUrl([](const QUrl&) {});
    QCOMPARE(vistas.size(), 2);
    QCOMPARE(vistas.at(0), QDir(documentos).absolutePath());
    QCOMPARE(QFileInfo(elegido).absolutePath(), QDir(otra.path()).absolutePath());
    QCOMPARE(vistas.at(1), QDir(otra.path()).absolutePath());
}

ZZ_TEST_MAIN(TestVistaPrevia)
#include "test_vista_previa.moc"
