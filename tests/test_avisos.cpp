#include "prueba_comun.h"
#include "registro_dialogos.h"

#include "ui/avisos.h"
#include "ui/form_avisos.h"

#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <cmath>
#include <stdexcept>

namespace {

// What the person sees of a live dialog, taken before it closes.
struct Vista {
    QString titulo;
    QSize ventana;
    QSize minimo;
    QSize maximo;
    Qt::WindowFlags banderas;
    QRect geometria;
    QRect marco;
    QRect panel;
    QRect etiqueta;
    QRect icono;
    QRect aceptar;
    QRect cancelar;
    Qt::Alignment alineacion;
    bool ajuste = false;
    QSize pistaEtiqueta;
    int altoParaAncho = 0;
    QString texto;
    QFont fuente;
    QColor color;
    QString textoAceptar;
    QString textoCancelar;
    bool cancelarVisible = false;
    bool aceptarPorDefecto = false;
    bool cancelarPorDefecto = false;
    QString enfocado;
    QImage imagenIcono;
    QImage iconoDelTipo;
    QString nombreIcono;
    QString nombreAceptar;
    QString nombreCancelar;
    QString nombreMensaje;
    bool botonesConDibujo = false;
};

Vista Mirar(TFormAvisos& f) {
    Vista v;
    v.titulo = f.windowTitle();
    v.ventana = f.size();
    v.minimo = f.minimumSize();
    v.maximo = f.maximumSize();
    v.banderas = f.windowFlags();
    v.geometria = f.geometry();
    v.marco = f.frameGeometry();
    v.panel = f.PanelDatos->geometry();
    v.etiqueta = f.LblMensaje->geometry();
    v.icono = f.ImgIcono->geometry();
    v.aceptar = f.BtnAceptar->geometry();
    v.cancelar = f.BtnCancelar->geometry();
    v.alineacion = f.LblMensaje->alignment();
    v.ajuste = f.LblMensaje->wordWrap();
    v.pistaEtiqueta = f.LblMensaje->sizeHint();
    v.altoParaAncho = f.LblMensaje->heightForWidth(f.LblMensaje->width());
    v.texto = f.LblMensaje->text();
    v.fuente = f.LblMensaje->font();
    v.color = f.LblMensaje->palette().color(QPalette::WindowText);
    v.textoAceptar = f.BtnAceptar->text();
    v.textoCancelar = f.BtnCancelar->text();
    v.cancelarVisible = f.BtnCancelar->isVisible();
    v.aceptarPorDefecto = f.BtnAceptar->isDefault();
    v.cancelarPorDefecto = f.BtnCancelar->isDefault();
    v.enfocado = f.focusWidget() ? f.focusWidget()->objectName() : QString();
    v.imagenIcono = f.ImgIcono->pixmap().toImage();
    const int tipo = f.property("tipoAviso").toInt();
    v.iconoDelTipo = f.ilIconos.value(tipo >= 0 && tipo <= 3 ? tipo : 0).toImage();
    auto nombre = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
    v.nombreIcono = nombre(f.ImgIcono);
    v.nombreAceptar = nombre(f.BtnAceptar);
    v.nombreCancelar = nombre(f.BtnCancelar);
    v.nombreMensaje = nombre(f.LblMensaje);
    v.botonesConDibujo = !f.BtnAceptar->icon().isNull() && !f.BtnCancelar->icon().isNull();
    return v;
}

// The rounding that the placement uses: a half goes to the even neighbour.
int RedondeoPar(double x) { return int(std::nearbyint(x)); }

// A message whose one unwrapped line is about `ancho` pixels in the
// message font.
QString LineaDeAncho(int ancho) {
    const QFontMetrics fm(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
    QString texto;
    while (fm.horizontalAdvance(texto) < ancho)
        texto += QStringLiteral("palabra ");
    return texto.trimmed();
}

bool TienePintura(const QImage& imagen) {
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            if (qAlpha(imagen.pixel(x, y)) > 0)
                return true;
    return false;
}

QWidget* DestinoDeTeclas(QDialog& d) { return d.focusWidget() ? d.focusWidget() : &d; }

}  // namespace

class TestAvisos : public QObject {
    Q_OBJECT

    // Shows a message through MostrarAviso and returns what was on screen;
    // `despues` then acts on the live dialog (keys, clicks).
    Vista Ver(const QString& mensaje, int botones = BotonesAceptarCancelar, bool cancelarPorDefecto = false,
              int tipo = AvisoInformacion, std::function<void(QDialog&)> despues = {}, bool* resultado = nullptr) {
        RegistroDialogos r;
        Vista v;
        r.ResponderCon([&](QDialog& d) {
            v = Mirar(static_cast<TFormAvisos&>(d));
            if (despues)
                despues(d);
        });
        const bool aceptado = MostrarAviso(QStringLiteral("Título"), mensaje, cancelarPorDefecto, botones, tipo);
        if (resultado)
            *resultado = aceptado;
        return v;
    }

private slots:
    void tituloAviso_data() {
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("propio") << "Préstamos" << 2 << "Préstamos";
        QTest::newRow("error") << "" << 0 << "Error";
        QTest::newRow("información") << "" << 1 << "Información";
        QTest::newRow("atención") << "" << 2 << "Atención";
        QTest::newRow("confirmación") << "" << 3 << "Confirmación";
        QTest::newRow("tipo desconocido") << "" << 4 << "Error";
        QTest::newRow("tipo negativo") << "" << -1 << "Error";
    }
    void tituloAviso() {
        QFETCH(QString, titulo);
        QFETCH(int, tipo);
        QFETCH(QString, esperado);
        QCOMPARE(TituloAviso(titulo, tipo), esperado);
    }

    // Words of different widths, so that the centring meets halves that
    // round down to an even number as well as up.
    void lineaCortaCentrada_data() {
        QTest::addColumn<QString>("mensaje");
        for (const char* palabra : {"Hola", "Sí", "Fecha", "División por cero"})
            QTest::newRow(palabra) << QString::fromUtf8(palabra);
    }
    void lineaCortaCentrada() {
        QFETCH(QString, mensaje);
        const Vista v = Ver(mensaje);
        QCOMPARE(v.ventana, QSize(298, 150));
        QCOMPARE(v.minimo, v.maximo);
        QCOMPARE(v.panel, QRect(0, 0, 298, 102));
        QCOMPARE(v.alineacion & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QVERIFY(!v.ajuste);
        QCOMPARE(v.etiqueta.size(), v.pistaEtiqueta);
        QCOMPARE(v.etiqueta.top(), RedondeoPar((102 - v.etiqueta.height()) / 2.0));
        QCOMPARE(v.etiqueta.left(), RedondeoPar((298 - v.etiqueta.width()) / 2.0) + 20);
        QCOMPARE(v.icono, QRect(v.etiqueta.left() - 48, RedondeoPar((102 - 38) / 2.0), 38, 38));
        QCOMPARE(v.fuente.family(), QStringLiteral("Arial"));
        QCOMPARE(v.fuente.pointSize(), 9);
        QVERIFY(v.fuente.bold());
        QCOMPARE(v.color, QColor(0, 0, 128));

        // Centred on the screen, give or take the window frame's own width.
        const QRect pantalla = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize holgura = v.marco.size() - v.geometria.size() + QSize(1, 1);
        QVERIFY(qAbs(v.geometria.center().x() - pantalla.center().x()) <= holgura.width());
        QVERIFY(qAbs(v.geometria.center().y() - pantalla.center().y()) <= holgura.height());
        QVERIFY(v.banderas & Qt::WindowSystemMenuHint);
        QVERIFY(!(v.banderas & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(!(v.banderas & Qt::WindowContextHelpButtonHint));
    }

    void varias_lineas_data() {
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("retorno de carro") << "Primera línea\rSegunda";
        QTest::newRow("salto de línea") << "Primera línea\nSegunda";
        QTest::newRow("ambos") << "Primera línea\r\nSegunda";
    }
    void varias_lineas() {
        QFETCH(QString, mensaje);
        const Vista unaLinea = Ver(QStringLiteral("Primera línea"));
        const Vista v = Ver(mensaje);
        QCOMPARE(v.texto, QStringLiteral("Primera línea\nSegunda"));
        QCOMPARE(v.alineacion & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QVERIFY(v.etiqueta.height() > unaLinea.etiqueta.height());
        QCOMPARE(v.etiqueta.size(), v.pistaEtiqueta);
        QCOMPARE(v.ventana, QSize(298, 48 + v.etiqueta.height() + 80));
        QCOMPARE(v.icono.top(), v.etiqueta.top());
    }

    // Wider than 200 but within 500: word wrap is on, yet the text keeps
    // its one line and the window its minimum height.
    void lineaMediana() {
        const Vista corta = Ver(QStringLiteral("Hola"));
        const Vista v = Ver(LineaDeAncho(320));
        QVERIFY(v.ajuste);
        QCOMPARE(v.alineacion & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QVERIFY(v.etiqueta.width() > 300 && v.etiqueta.width() < 400);
        QCOMPARE(v.etiqueta.height(), corta.etiqueta.height());
        QCOMPARE(v.altoParaAncho, v.etiqueta.height());
        QCOMPARE(v.ventana, QSize(v.etiqueta.width() + 38 + 60, 150));
        QCOMPARE(v.icono.top(), RedondeoPar((v.panel.height() - 38) / 2.0));
        QCOMPARE(v.icono.left(), v.etiqueta.left() - 48);
    }

    void lineaLargaAjustaA500() {
        const Vista corta = Ver(QStringLiteral("Hola"));
        const Vista v = Ver(LineaDeAncho(1400));
        QVERIFY(v.ajuste);
        QCOMPARE(v.alineacion & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QVERIFY(v.etiqueta.width() <= 500);
        QVERIFY(v.etiqueta.width() > 400);
        QVERIFY(v.etiqueta.height() >= 3 * corta.etiqueta.height());
        QCOMPARE(v.altoParaAncho, v.etiqueta.height());
        QCOMPARE(v.ventana, QSize(v.etiqueta.width() + 38 + 60, 48 + v.etiqueta.height() + 80));
        QCOMPARE(v.panel.height(), v.ventana.height() - 48);
        QCOMPARE(v.etiqueta.top(), RedondeoPar((v.panel.height() - v.etiqueta.height()) / 2.0));
        QCOMPARE(v.etiqueta.left(), RedondeoPar((v.panel.width() - v.etiqueta.width()) / 2.0) + 20);
        QCOMPARE(v.icono.top(), v.etiqueta.top());
        QCOMPARE(v.aceptar.left(), RedondeoPar((v.ventana.width() - 240) / 2.0));
    }

    void botones_data() {
        QTest::addColumn<int>("botones");
        QTest::addColumn<bool>("cancelarPorDefecto");
        QTest::addColumn<QString>("textoAceptar");
        QTest::addColumn<QString>("textoCancelar");
        QTest::addColumn<int>("izqAceptar");
        QTest::addColumn<int>("izqCancelar");
        QTest::addColumn<QString>("enfocado");
        QTest::addColumn<int>("intro");
        QTest::addColumn<int>("escape");
        // intro/escape: 1 accepted, 0 rejected, -1 the dialog stays open.
        QTest::newRow("sí/no") << 0 << false << "&Sí" << "&No" << 29 << 169 << "BtnAceptar" << 1 << 0;
        QTest::newRow("sí/no, no por defecto") << 0 << true << "&Sí" << "&No" << 29 << 169 << "BtnCancelar" << 0 << 0;
        QTest::newRow("aceptar/cancelar") << 1 << false << "&Aceptar" << "&Cancelar" << 29 << 169 << "BtnAceptar" << 1
                                          << 0;
        QTest::newRow("aceptar/cancelar, cancelar por defecto")
            << 1 << true << "&Aceptar" << "&Cancelar" << 29 << 169 << "BtnCancelar" << 0 << 0;
        QTest::newRow("aceptar solo") << 2 << false << "&Aceptar" << "" << 99 << -1 << "BtnAceptar" << 1 << 1;
        QTest::newRow("aceptar solo, cancelar por defecto")
            << 2 << true << "&Aceptar" << "" << 99 << -1 << "PanelDatos" << -1 << 1;
        QTest::newRow("conjunto desconocido") << 7 << false << "&Aceptar" << "&Cancelar" << 56 << 196 << "BtnAceptar"
                                              << 1 << 0;
        QTest::newRow("conjunto negativo, cancelar por defecto")
            << -1 << true << "&Aceptar" << "&Cancelar" << 56 << 196 << "BtnCancelar" << 0 << 0;
    }
    void botones() {
        QFETCH(int, botones);
        QFETCH(bool, cancelarPorDefecto);
        QFETCH(QString, textoAceptar);
        QFETCH(QString, textoCancelar);
        QFETCH(int, izqAceptar);
        QFETCH(int, izqCancelar);
        QFETCH(QString, enfocado);
        QFETCH(int, intro);
        QFETCH(int, escape);

        auto pulsar = [](Qt::Key tecla, bool& abierto) {
            return [tecla, &abierto](QDialog& d) {
                QTest::keyClick(DestinoDeTeclas(d), tecla);
                abierto = d.isVisible();
            };
        };
        bool abierto = false;
        bool aceptado = false;
        const Vista v = Ver(QStringLiteral("Hola"), botones, cancelarPorDefecto, AvisoConfirmacion,
                            pulsar(Qt::Key_Return, abierto), &aceptado);
        QCOMPARE(v.textoAceptar, textoAceptar);
        QCOMPARE(v.cancelarVisible, !textoCancelar.isEmpty());
        if (!textoCancelar.isEmpty()) {
            QCOMPARE(v.textoCancelar, textoCancelar);
            QCOMPARE(v.cancelar, QRect(izqCancelar, 9, 100, 30));
        }
        QCOMPARE(v.aceptar, QRect(izqAceptar, 9, 100, 30));
        QCOMPARE(v.aceptarPorDefecto, !cancelarPorDefecto);
        QCOMPARE(v.cancelarPorDefecto, cancelarPorDefecto);
        QCOMPARE(v.enfocado, enfocado);
        QCOMPARE(abierto, intro < 0);
        QCOMPARE(aceptado, intro == 1);

        Ver(QStringLiteral("Hola"), botones, cancelarPorDefecto, AvisoConfirmacion, pulsar(Qt::Key_Escape, abierto),
            &aceptado);
        QCOMPARE(abierto, escape < 0);
        QCOMPARE(aceptado, escape == 1);
    }

    void formasDeCerrar_data() {
        QTest::addColumn<int>("botones");
        QTest::addColumn<QString>("forma");
        QTest::addColumn<bool>("esperado");
        QTest::newRow("clic en sí") << 0 << "aceptar" << true;
        QTest::newRow("clic en no") << 0 << "cancelar" << false;
        QTest::newRow("cierre de la ventana, sí/no") << 0 << "cerrar" << false;
        QTest::newRow("clic en cancelar") << 1 << "cancelar" << false;
        QTest::newRow("cierre de la ventana, aceptar/cancelar") << 1 << "cerrar" << false;
        QTest::newRow("clic en aceptar solo") << 2 << "aceptar" << true;
        QTest::newRow("cierre de la ventana, aceptar solo") << 2 << "cerrar" << false;
    }
    void formasDeCerrar() {
        QFETCH(int, botones);
        QFETCH(QString, forma);
        QFETCH(bool, esperado);
        bool cerrado = false;
        bool aceptado = !esperado;
        Ver(QStringLiteral("¿Terminamos la ejecución del programa?"), botones, true, AvisoConfirmacion,
            [&](QDialog& d) {
                auto& f = static_cast<TFormAvisos&>(d);
                if (forma == u"aceptar")
                    QTest::mouseClick(f.BtnAceptar, Qt::LeftButton);
                else if (forma == u"cancelar")
                    QTest::mouseClick(f.BtnCancelar, Qt::LeftButton);
                else
                    d.close();
                cerrado = !d.isVisible();
            },
            &aceptado);
        QVERIFY(cerrado);
        QCOMPARE(aceptado, esperado);
    }

    void avisarAtencion() {
        RegistroDialogos r;
        Vista v;
        bool cerrado = false;
        r.ResponderCon([&](QDialog& d) {
            v = Mirar(static_cast<TFormAvisos&>(d));
            QTest::keyClick(DestinoDeTeclas(d), Qt::Key_Escape);
            cerrado = !d.isVisible();
        });
        Avisar(QString(), QStringLiteral("La fecha no es válida"), AvisoAtencion);
        QCOMPARE(r.Mostrados().size(), 1);
        const DialogoMostrado& m = r.Mostrados().first();
        QCOMPARE(m.titulo, QStringLiteral("Atención"));
        QCOMPARE(m.mensaje, QStringLiteral("La fecha no es válida"));
        QCOMPARE(m.tipo, int(AvisoAtencion));
        QCOMPARE(m.botones, int(BotonesAceptar));
        QCOMPARE(r.Pitidos(), 1);
        QCOMPARE(v.textoAceptar, QStringLiteral("&Aceptar"));
        QVERIFY(!v.cancelarVisible);
        QCOMPARE(v.aceptar.left(), (v.ventana.width() - 100) / 2);
        QCOMPARE(v.imagenIcono, v.iconoDelTipo);
        QVERIFY(cerrado);
    }

    void porTipo_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<int>("pitidos");
        QTest::newRow("error") << 0 << "Error" << 1;
        QTest::newRow("información") << 1 << "Información" << 0;
        QTest::newRow("atención") << 2 << "Atención" << 1;
        QTest::newRow("confirmación") << 3 << "Confirmación" << 0;
        // An unknown kind is shown as an error: its title, icon and beep.
        QTest::newRow("tipo 4") << 4 << "Error" << 1;
        QTest::newRow("tipo -1") << -1 << "Error" << 1;
    }
    void porTipo() {
        QFETCH(int, tipo);
        QFETCH(QString, titulo);
        QFETCH(int, pitidos);
        RegistroDialogos r;
        Vista v;
        r.ResponderCon([&](QDialog& d) { v = Mirar(static_cast<TFormAvisos&>(d)); });
        Avisar(QString(), QStringLiteral("Texto"), tipo);
        QCOMPARE(v.titulo, titulo);
        QCOMPARE(r.Mostrados().first().tipo, tipo);
        QCOMPARE(r.Pitidos(), pitidos);
        QCOMPARE(v.icono.size(), QSize(38, 38));
        QVERIFY(TienePintura(v.iconoDelTipo));
        QCOMPARE(v.imagenIcono, v.iconoDelTipo);
        QCOMPARE(v.nombreIcono, TituloAviso(QString(), tipo));
        QVERIFY(v.botonesConDibujo);
    }

    void iconosDistintos() {
        TFormAvisos f;
        QCOMPARE(f.ilIconos.size(), 4);
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j)
                QVERIFY(f.ilIconos[i].toImage() != f.ilIconos[j].toImage());
    }

    void accesibilidad() {
        const Vista v = Ver(QStringLiteral("¿Desea obtener la fecha de hoy?"), BotonesSiNo);
        QCOMPARE(v.nombreAceptar, QStringLiteral("Sí"));
        QCOMPARE(v.nombreCancelar, QStringLiteral("No"));
        QCOMPARE(v.nombreMensaje, QStringLiteral("¿Desea obtener la fecha de hoy?"));
    }

    void confirmarDevuelveLaRespuesta() {
        RegistroDialogos r;
        r.Responder(true);
        r.Responder(false);
        QVERIFY(Confirmar(QStringLiteral("Imprimir"), QStringLiteral("¿Imprimir?"), true, BotonesSiNo, 3));
        QVERIFY(!Confirmar(QStringLiteral("Imprimir"), QStringLiteral("¿Imprimir?"), true, BotonesSiNo, 3));
        QCOMPARE(r.Pitidos(), 0);
    }

    void elDialogoNoSobrevive() {
        RegistroDialogos r;
        QPointer<QDialog> visto;
        r.ResponderCon([&](QDialog& d) { visto = &d; });
        MostrarAviso(QString(), QStringLiteral("Uno"), false, BotonesAceptar, AvisoInformacion);
        QVERIFY(visto.isNull());

        r.ResponderCon([&](QDialog& d) {
            visto = &d;
            throw std::runtime_error("fallo al mostrar");
        });
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 MostrarAviso(QString(), QStringLiteral("Dos"), false, BotonesAceptar, 1));
        QVERIFY(visto.isNull());
    }
};

ZZ_TEST_MAIN(TestAvisos)
#include "test_avisos.moc"
