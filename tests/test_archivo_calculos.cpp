// The main window's work as files: saved and opened back exactly, with the
// title's name and change mark; a file that cannot be read leaves the work
// as it was; closing with unsaved changes asks; a dropped file opens; the
// session comes back on the next start.
#include "app/archivo_calculos.h"
#include "app/form_calculos_financieros.h"
#include "app/sesion_calculos.h"
#include "registro_dialogos.h"
#include "prueba_comun.h"
#include "util/puertas.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// The loan page filled in as a person would, with a variable rate.
void TeclearPrestamo(TFormCalculosFinancieros& v) {
    v.CbPresCalculos->setCurrentIndex(1);
    v.EditPresCuota->setText(QStringLiteral("1234,56"));
    v.EditPresNum->setText(QStringLiteral("360"));
    v.EditPresCapital->setText(QStringLiteral("250000,5"));
    v.EditPresFecha->setText(QStringLiteral("31/01/2027"));
    v.cbPresAportacion->setCurrentIndex(1);
    v.EditInvCapInicial->setText(QStringLiteral("7e3"));
    v.CondicionesPres.tipoInteres = finance::TipoInteres::Variable;
    v.CondicionesPres.diferencial = 0.75;
    v.CondicionesPres.indicesDesde = {{13, 2.5}};
    v.CondicionesPres.amortizaciones = {{24, 5000, finance::ReduccionAmortizacion::Cuota, 0, true}};
}

QStringList Cajas(const TFormCalculosFinancieros& v) {
    QStringList textos;
    for (const QLineEdit* caja : v.pcCalculos->findChildren<QLineEdit*>())
        textos << caja->objectName() + QLatin1Char('=') + caja->text();
    textos.sort();
    return textos;
}

// Answers the save question with the button of that name.
std::function<void(QDialog&)> Pulsar(const QString& boton) {
    return [boton](QDialog& dialogo) { dialogo.findChild<QPushButton*>(boton)->click(); };
}

}  // namespace

class TestArchivoCalculos : public QObject {
    Q_OBJECT
    QTemporaryDir carpeta_;
    QString Ruta(const char* nombre) const { return carpeta_.filePath(QLatin1String(nombre)); }
    void Elegir(const QString& ruta) {
        puertas::FijarPedirFichero([ruta](QWidget*, const QString&, const QString&, bool) { return ruta; });
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { puertas::RestaurarPuertas(); }

    // What is saved opens back exactly, conditions included, in a window
    // whose work was something else.
    void guardarYAbrir() {
        RegistroDialogos registro;
        const QString ruta = Ruta("prestamo.zzc");
        QStringList antes;
        finance::CondicionesPrestamo condiciones;
        {
            TFormCalculosFinancieros v;
            TeclearPrestamo(v);
            Elegir(Ruta("prestamo"));  // the extension is added
            v.ArchivoCalculos->AccGuardar->trigger();
            QVERIFY(QFileInfo::exists(ruta));
            QCOMPARE(v.ArchivoCalculos->Ruta(), ruta);
            QVERIFY(v.windowTitle().endsWith(QLatin1String(" - prestamo.zzc[*]")));
            QVERIFY(!v.isWindowModified());
            v.EditPresNum->setText(QStringLiteral("361"));
            QVERIFY(v.isWindowModified());
            v.EditPresNum->setText(QStringLiteral("360"));
            QVERIFY(!v.isWindowModified());
            antes = Cajas(v);
            condiciones = v.CondicionesPres;
        }
        TFormCalculosFinancieros otra;
        otra.pcCalculos->setCurrentIndex(2);
        otra.EditDepValorInicial->setText(QStringLiteral("99"));
        Elegir(ruta);
        otra.ArchivoCalculos->AccAbrir->trigger();
        QCOMPARE(Cajas(otra), antes);
        QVERIFY(otra.CondicionesPres == condiciones);
        QCOMPARE(otra.CbPresCalculos->currentIndex(), 1);
        QCOMPARE(otra.cbPresAportacion->currentIndex(), 1);
        QCOMPARE(otra.pcCalculos->currentWidget(), otra.tsPres);
        QVERIFY(!otra.isWindowModified());
        QVERIFY(registro.Mostrados().isEmpty());
        QCOMPARE(LeerRecientes().value(0), ruta);
    }

    void ahorroYDepreciacion_data() {
        QTest::addColumn<bool>("fechaEscrita");
        QTest::newRow("fecha escrita") << true;
        QTest::newRow("fecha puesta por la página") << false;
    }

    // The savings plan's conditions, the depreciation's kind of asset (with
    // a life other than the one the kind fills in) and whether the date was
    // typed come back; only a typed date is taken as typed.
    void ahorroYDepreciacion() {
        QFETCH(bool, fechaEscrita);
        const QString ruta = Ruta("ahorro.zzc");
        QFile::remove(ruta);  // no question about replacing the previous row's file
        finance::CondicionesInversion plan;
        plan.crecimiento = 2;
        plan.inflacion = 1.5;
        plan.retencion = finance::TipoRetencion::Fija;
        plan.retencionFija = 19;
        {
            TFormCalculosFinancieros v;
            v.CondicionesInv = plan;
            v.CbDepTablaFiscal->setCurrentIndex(5);
            v.EditDepAniosUtil->setText(QStringLiteral("11"));
            v.EditDepFecha->setText(QStringLiteral("01/07/2026"));
            v.EditDepFecha->setModified(fechaEscrita);
            Elegir(ruta);
            QVERIFY(v.ArchivoCalculos->GuardarComo());
        }
        TFormCalculosFinancieros otra;
        otra.CbDepTablaFiscal->setCurrentIndex(2);
        otra.EditDepFecha->setModified(!fechaEscrita);
        QVERIFY(otra.ArchivoCalculos->Abrir(ruta));
        QVERIFY(otra.CondicionesInv == plan);
        QCOMPARE(otra.CbDepTablaFiscal->currentIndex(), 5);
        QCOMPARE(otra.EditDepAniosUtil->text(), QStringLiteral("11"));
        QCOMPARE(otra.EditDepFecha->text(), QStringLiteral("01/07/2026"));
        QCOMPARE(otra.EditDepFecha->isModified(), fechaEscrita);
        QVERIFY(!otra.isWindowModified());
    }

    // A file that does not read: the person is told which and why, and the
    // window keeps its work and its file.
    void ficheroIlegibleNoTocaNada() {
        QFile roto(Ruta("roto.zzc"));
        QVERIFY(roto.open(QIODevice::WriteOnly));
        roto.write("{\"formato\": 1, \"prestamo\": {\"campos\": {\"cuota\": \"1");
        roto.close();
        RegistroDialogos registro;
        TFormCalculosFinancieros v;
        TeclearPrestamo(v);
        const QStringList antes = Cajas(v);
        const finance::CondicionesPrestamo condiciones = v.CondicionesPres;
        QVERIFY(!v.ArchivoCalculos->Abrir(roto.fileName()));
        QCOMPARE(registro.Mostrados().size(), 1);
        const QString mensaje = registro.Mostrados()[0].mensaje;
        QVERIFY2(mensaje.contains(roto.fileName()) && mensaje.contains(QStringLiteral("se cortó")), qPrintable(mensaje));
        QCOMPARE(Cajas(v), antes);
        QVERIFY(v.CondicionesPres == condiciones);
        QVERIFY(v.ArchivoCalculos->Ruta().isEmpty());
    }

    // A file saved by the comparison keeps its offers when the main window
    // saves it again.
    void ofertasSeConservan() {
        const QString ruta = Ruta("ofertas.zzc");
        std::vector<finance::OfertaDocumento> ofertas(2);
        ofertas[0].nombre = QStringLiteral("Banco A");
        ofertas[1].condiciones.sistema = finance::SistemaAmortizacion::Aleman;
        finance::DocumentoCalculo documento;
        documento.prestamo.textos.campos = {{QStringLiteral("capital"), QStringLiteral("1000")}};
        documento.ofertas = ofertas;
        QVERIFY(finance::GuardarDocumento(ruta, documento, nullptr));
        TFormCalculosFinancieros v;
        QVERIFY(v.ArchivoCalculos->Abrir(ruta));
        v.EditPresCapital->setText(QStringLiteral("5000"));
        QVERIFY(v.ArchivoCalculos->Guardar());
        std::vector<finance::OfertaDocumento> leidas;
        QVERIFY(finance::CargarOfertas(ruta, leidas, nullptr));
        QVERIFY(leidas == ofertas);
    }

    void cerrarConCambios_data() {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<bool>("cierra");
        QTest::addColumn<QString>("guardado");  // the file's instalments afterwards
        QTest::newRow("guardar") << "BtnGuardar" << true << "\"361\"";
        QTest::newRow("no guardar") << "BtnNoGuardar" << true << "\"360\"";
        QTest::newRow("cancelar") << "BtnCancelar" << false << "\"360\"";
    }

    // Unsaved changes to a file ask Guardar / No guardar / Cancelar.
    void cerrarConCambios() {
        QFETCH(QString, boton);
        QFETCH(bool, cierra);
        QFETCH(QString, guardado);
        RegistroDialogos registro;
        TFormCalculosFinancieros v;
        v.show();
        TeclearPrestamo(v);
        const QString ruta = Ruta("cerrar.zzc");
        QFile::remove(ruta);
        Elegir(ruta);
        QVERIFY(v.ArchivoCalculos->GuardarComo());
        v.EditPresNum->setText(QStringLiteral("361"));
        registro.ResponderCon(Pulsar(boton));
        QCOMPARE(v.close(), cierra);
        QCOMPARE(registro.Mostrados().size(), 1);
        QVERIFY(registro.Mostrados()[0].titulo.startsWith(QLatin1String("Zelvar")));
        QFile fichero(ruta);
        QVERIFY(fichero.open(QIODevice::ReadOnly));
        QVERIFY(fichero.readAll().contains("\"num\": " + guardado.toUtf8()));
    }

    void soltarUnFichero() {
        TFormCalculosFinancieros origen;
        TeclearPrestamo(origen);
        const QString ruta = Ruta("soltado.zzc");
        QVERIFY(finance::GuardarDocumento(ruta, origen.Documento(), nullptr));
        TFormCalculosFinancieros v;
        QMimeData datos;
        datos.setUrls({QUrl::fromLocalFile(ruta)});
        QDragEnterEvent entrar(QPoint(10, 10), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&v, &entrar);
        QVERIFY(entrar.isAccepted());
        QDropEvent soltar(QPointF(10, 10), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&v, &soltar);
        QCOMPARE(v.ArchivoCalculos->Ruta(), ruta);
        QCOMPARE(Cajas(v), Cajas(origen));
    }

    // The last 8 files, most recent first; choosing one opens it and puts
    // it first.
    void recientes() {
        RegistroDialogos registro;
        TFormCalculosFinancieros v;
        QStringList guardados;
        for (int i = 0; i < 9; ++i) {
            guardados.prepend(Ruta("reciente") + QString::number(i) + QStringLiteral(".zzc"));
            v.EditPresCapital->setText(QString::number(1000 + i));
            Elegir(guardados.first());
            QVERIFY(v.ArchivoCalculos->GuardarComo());
        }
        const auto rutas = [&v] {
            QStringList lista;
            for (const QAction* accion : v.ArchivoCalculos->MenuRecientes->actions())
                lista << accion->toolTip();
            return lista;
        };
        QCOMPARE(rutas(), guardados.mid(0, 8));
        v.ArchivoCalculos->MenuRecientes->actions().last()->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(v.ArchivoCalculos->Ruta(), guardados[7]);
        QCOMPARE(v.EditPresCapital->text(), QStringLiteral("1001"));
        QCOMPARE(rutas().first(), guardados[7]);
        QCOMPARE(rutas().size(), 8);
    }

    void sesion() {
        QStringList antes;
        {
            TFormCalculosFinancieros v;
            TeclearPrestamo(v);
            v.pcCalculos->setCurrentIndex(1);
            GuardarSesion(v);
            antes = Cajas(v);
        }
        TFormCalculosFinancieros v;
        QVERIFY(RestaurarSesion(v));
        QCOMPARE(Cajas(v), antes);
        QCOMPARE(v.pcCalculos->currentWidget(), v.tsInv);
        QCOMPARE(v.CondicionesPres.tipoInteres, finance::TipoInteres::Variable);
    }
};

ZZ_TEST_MAIN(TestArchivoCalculos)
#include "test_archivo_calculos.moc"
