#include "prueba_comun.h"
#include "registro_dialogos.h"

#include "util/filtro_numerico.h"
#include "ui/utilidades_campos.h"
#include "util/textos_fecha.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A small window with the fields the tests move between.
struct Formulario {
    QWidget ventana;
    QLineEdit* fecha = new QLineEdit(&ventana);
    QLineEdit* otraFecha = new QLineEdit(&ventana);
    QLineEdit* numero = new QLineEdit(&ventana);
    QLineEdit* soloLectura = new QLineEdit(&ventana);
    QComboBox* combo = new QComboBox(&ventana);
    QListWidget* lista = new QListWidget(&ventana);

    Formulario() {
        auto* capa = new QVBoxLayout(&ventana);
        for (QWidget* w : std::initializer_list<QWidget*>{fecha, otraFecha, numero, soloLectura, combo, lista})
            capa->addWidget(w);
        combo->addItems({QStringLiteral("Final período"), QStringLiteral(" Inicio período")});
        soloLectura->setReadOnly(true);
    }

    bool Mostrar() {
        ventana.show();
        ventana.activateWindow();
        return QTest::qWaitForWindowActive(&ventana);
    }
};

QString Tecleado(QLineEdit& campo, const QString& teclas) {
    QTest::keyClicks(&campo, teclas);
    return campo.text();
}

}  // namespace

class TestUtilidadesCampos : public QObject {
    Q_OBJECT
private slots:
    void filtroCaracter_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QChar>("caracter");
        QTest::addColumn<QString>("resultado");  // empty: rejected
        const QChar coma = QLatin1Char(',');
        QTest::newRow("punto entra como coma") << 1 << "12" << 2 << QChar('.') << ",";
        QTest::newRow("coma entra") << 1 << "12" << 1 << coma << ",";
        QTest::newRow("segundo separador") << 1 << "1,5" << 3 << QChar('.') << "";
        QTest::newRow("segundo separador sobre el primero") << 1 << "1,5" << 1 << coma << "";
        QTest::newRow("entero sin punto") << 0 << "12" << 2 << QChar('.') << "";
        QTest::newRow("entero sin coma") << 0 << "12" << 2 << coma << "";
        QTest::newRow("separador al principio") << 1 << "5" << 0 << QChar('.') << ",";
        QTest::newRow("separador ante el signo") << 11 << "-5" << 0 << QChar('.') << "";
        QTest::newRow("signo sin permiso") << 1 << "" << 0 << QChar('-') << "";
        QTest::newRow("signo al principio") << 10 << "5" << 0 << QChar('-') << "-";
        QTest::newRow("signo en medio") << 11 << "5" << 1 << QChar('-') << "";
        QTest::newRow("segundo signo") << 11 << "-5" << 0 << QChar('-') << "";
        QTest::newRow("cifra ante el signo") << 11 << "-5" << 0 << QChar('3') << "";
        QTest::newRow("cifra ante un mas pegado") << 1 << "+5" << 0 << QChar('3') << "";
        QTest::newRow("cifra tras el signo") << 11 << "-5" << 1 << QChar('3') << "3";
        QTest::newRow("letra") << 11 << "" << 0 << QChar('a') << "";
        QTest::newRow("mas") << 11 << "" << 0 << QChar('+') << "";
        QTest::newRow("blanco") << 11 << "1" << 1 << QChar(' ') << "";
        QTest::newRow("retroceso pasa") << 0 << "1" << 1 << QChar('\b') << "\b";
    }
    void filtroCaracter() {
        QFETCH(int, tag);
        QFETCH(QString, texto);
        QFETCH(int, cursor);
        QFETCH(QChar, caracter);
        QFETCH(QString, resultado);
        const auto admitido = FiltrarCaracterNumerico(caracter, texto, cursor, tag, QLatin1Char(','));
        QCOMPARE(admitido ? QString(*admitido) : QString(), resultado);
    }

    void tecleoNumerico_data() {
        QTest::addColumn<bool>("decimales");
        QTest::addColumn<bool>("signo");
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<bool>("todoSeleccionado");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("resultado");
        QTest::newRow("real con punto") << true << false << "" << false << "12.5" << "12,5";
        QTest::newRow("segundo separador seleccionado") << true << false << "12,5" << true << "." << "12,5";
        QTest::newRow("entero") << false << false << "" << false << "1.2,3" << "123";
        QTest::newRow("letras y blancos") << true << true << "" << false << "a1 b+2" << "12";
        QTest::newRow("sin signo en la ventana") << true << false << "" << false << "-5" << "5";
        QTest::newRow("con signo") << true << true << "" << false << "-1.5" << "-1,5";
        QTest::newRow("cifra con todo seleccionado tras el signo") << true << true << "-12" << true << "7" << "-12";
        QTest::newRow("cifra con todo seleccionado") << true << true << "12" << true << "7" << "7";
    }
    void tecleoNumerico() {
        QFETCH(bool, decimales);
        QFETCH(bool, signo);
        QFETCH(QString, inicial);
        QFETCH(bool, todoSeleccionado);
        QFETCH(QString, teclas);
        QFETCH(QString, resultado);
        QLineEdit campo;
        PrepararCampoNumerico(&campo, decimales, signo);
        PrepararCampoNumerico(&campo, decimales, signo);  // a second set-up must not filter twice
        QCOMPARE(campo.property("tag").toInt(), TagNumerico(decimales, signo));
        campo.setText(inicial);
        if (todoSeleccionado)
            campo.selectAll();
        QCOMPARE(Tecleado(campo, teclas), resultado);
    }

    void teclasDeEdicionPasan() {
        QLineEdit campo;
        PrepararCampoNumerico(&campo, true, false);
        QCOMPARE(Tecleado(campo, QStringLiteral("1234")), QStringLiteral("1234"));
        QTest::keyClick(&campo, Qt::Key_Backspace);
        QTest::keyClick(&campo, Qt::Key_Home);
        QTest::keyClick(&campo, Qt::Key_Delete);
        QCOMPARE(campo.text(), QStringLiteral("23"));
        QTest::keyClick(&campo, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(campo.selectedText(), QStringLiteral("23"));
        // Pasted text is not filtered: the calculation that reads it reports it.
        QGuiApplication::clipboard()->setText(QStringLiteral("x-1"));
        QTest::keyClick(&campo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(campo.text(), QStringLiteral("x-1"));
    }

    void cargarListaTexto_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("lista");
        QTest::newRow("punto y coma final") << "a;b;" << QStringList{"a", "b"};
        QTest::newRow("sin recortar") << "a; b" << QStringList{"a", " b"};
        QTest::newRow("vacio delante") << ";a" << QStringList{"", "a"};
        QTest::newRow("vacio en medio") << "a;;b" << QStringList{"a", "", "b"};
        QTest::newRow("texto vacio") << "" << QStringList{};
        QTest::newRow("solo separador") << ";" << QStringList{""};
        QTest::newRow("una pieza") << "Final período" << QStringList{"Final período"};
    }
    void cargarListaTexto() {
        QFETCH(QString, texto);
        QFETCH(QStringList, lista);
        QStringList leida{QStringLiteral("anterior")};
        CargarListaTexto(texto, leida);
        QCOMPARE(leida, lista);
        QComboBox combo;
        combo.addItem(QStringLiteral("anterior"));
        CargarListaTexto(texto, &combo);
        QCOMPARE(combo.count(), lista.size());
    }

    void mascaraDeFecha() {
        QLineEdit campo;
        PrepararCampoFecha(&campo, true);
        QCOMPARE(campo.text(), QStringLiteral("  /  /    "));
        campo.setCursorPosition(0);
        QCOMPARE(Tecleado(campo, QStringLiteral("05a.032024")), QStringLiteral("05/03/2024"));
        campo.setCursorPosition(1);
        QTest::keyClick(&campo, Qt::Key_Backspace);
        QCOMPARE(campo.text(), QStringLiteral(" 5/03/2024"));
        campo.selectAll();
        QTest::keyClick(&campo, Qt::Key_Delete);
        QCOMPARE(campo.text(), QStringLiteral("  /  /    "));
        campo.setText(QString());
        QCOMPARE(campo.text(), QStringLiteral("  /  /    "));
        campo.setText(QStringLiteral("10/12/2026"));
        QCOMPARE(campo.text(), QStringLiteral("10/12/2026"));
        QCOMPARE(campo.property("tag").toInt(), 0);
        PrepararCampoFecha(&campo, false);
        QCOMPARE(campo.text(), QStringLiteral("10/12/2026"));
        QCOMPARE(campo.property("tag").toInt(), 1);
    }

    // A "/" ends the day or month being typed, so d/m/yyyy comes out whole.
    void fechaTecleadaConBarras_data() {
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("texto");
        QTest::newRow("día y mes de una cifra") << "1/1/2030" << "01/01/2030";
        QTest::newRow("mes de una cifra") << "15/3/24" << "15/03/24  ";
        QTest::newRow("cifras completas y barra") << "11/12/2026" << "11/12/2026";
        QTest::newRow("barra en el año") << "1/1/20/30" << "01/01/2030";
    }
    void fechaTecleadaConBarras() {
        QFETCH(QString, teclas);
        QFETCH(QString, texto);
        QLineEdit campo;
        PrepararCampoFecha(&campo, true);
        campo.setCursorPosition(0);
        QCOMPARE(Tecleado(campo, teclas), texto);
    }

    // Only a box with no date at all gets today's; a date, even half typed,
    // is left for the date check to judge.
    void fechaDeHoySiEnBlanco_data() {
        QTest::addColumn<bool>("mascara");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("hoy");
        QTest::newRow("vacía sin máscara") << false << "" << true;
        QTest::newRow("máscara en blanco") << true << "" << true;
        QTest::newRow("blancos de máscara") << false << "__/__/____" << true;
        QTest::newRow("fecha") << true << "01/02/2024" << false;
        QTest::newRow("a medias") << true << "15/03/    " << false;
        QTest::newRow("solo un blanco") << false << " " << false;
    }
    void fechaDeHoySiEnBlanco() {
        QFETCH(bool, mascara);
        QFETCH(QString, texto);
        QFETCH(bool, hoy);
        QLineEdit campo;
        if (mascara)
            PrepararCampoFecha(&campo, true);
        campo.setText(texto);
        const QString antes = campo.text();
        FechaDeHoySiEnBlanco(&campo);
        QCOMPARE(campo.text(), hoy ? TextoFecha(QDate::currentDate()) : antes);
    }

    void fechaAlSalir_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("blancoPermitido");
        QTest::addColumn<QString>("mensaje");  // empty: accepted silently
        QTest::newRow("en blanco permitido") << "  /  /    " << true << "";
        QTest::newRow("en blanco no permitido") << "  /  /    " << false
                                                << "No se puede dejar esta fecha en blanco";
        QTest::newRow("31 de febrero") << "31/02/2024" << true << "La fecha \"31/02/2024\" no es correcta";
        QTest::newRow("blancos delante y año corto") << " 1/ 3/24  " << true << "";
        QTest::newRow("sin año") << "15/03/    " << true << "La fecha \"15/03/    \" no es correcta";
        QTest::newRow("después de 2099") << "01/01/2100" << true
                                         << "La fecha \"01/01/2100\" no es correcta: el año debe estar entre 1900 y 2099";
    }
    void fechaAlSalir() {
        QFETCH(QString, texto);
        QFETCH(bool, blancoPermitido);
        QFETCH(QString, mensaje);
        RegistroDialogos registro;
        Formulario f;
        ResaltarCampos(&f.ventana);
        PrepararCampoFecha(f.fecha, blancoPermitido);
        PrepararCampoNumerico(f.numero, true, false);
        f.fecha->setText(texto);
        QVERIFY(f.Mostrar());
        f.fecha->setFocus(Qt::OtherFocusReason);
        QCOMPARE(ColorFondo(f.fecha), ColorResaltado);
        f.numero->setFocus(Qt::MouseFocusReason);

        QCOMPARE(f.fecha->text(), texto);
        QCOMPARE(LeerValidacion(), true);
        if (mensaje.isEmpty()) {
            QCOMPARE(registro.Mostrados().size(), 0);
            QCOMPARE(QApplication::focusWidget(), f.numero);
            QCOMPARE(ColorFondo(f.fecha), ColorEditable);
            QCOMPARE(ColorFondo(f.numero), ColorResaltado);
            return;
        }
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].titulo, QStringLiteral("Atención"));
        QCOMPARE(registro.Mostrados()[0].mensaje, mensaje);
        QCOMPARE(QApplication::focusWidget(), f.fecha);
        QCOMPARE(ColorFondo(f.fecha), ColorResaltado);
        QCOMPARE(ColorFondo(f.numero), ColorEditable);
        // Every further attempt to leave repeats the check.
        QTest::keyClick(f.fecha, Qt::Key_Tab);
        QCOMPARE(registro.Mostrados().size(), 2);
        QCOMPARE(QApplication::focusWidget(), f.fecha);
    }

    void dosFechasMalasNoSeDevuelvenElFoco() {
        RegistroDialogos registro;
        Formulario f;
        PrepararCampoFecha(f.fecha, true);
        PrepararCampoFecha(f.otraFecha, true);
        f.fecha->setText(QStringLiteral("31/02/2024"));
        f.otraFecha->setText(QStringLiteral("99/99/9999"));
        QVERIFY(f.Mostrar());
        f.fecha->setFocus(Qt::OtherFocusReason);
        f.otraFecha->setFocus(Qt::MouseFocusReason);
        QCOMPARE(registro.Mostrados().size(), 1);
        QCOMPARE(registro.Mostrados()[0].mensaje, QStringLiteral("La fecha \"31/02/2024\" no es correcta"));
        QCOMPARE(QApplication::focusWidget(), f.fecha);
        // Correcting the first lets the focus go, and the second is checked in turn.
        f.fecha->setText(QStringLiteral("28/02/2024"));
        f.otraFecha->setFocus(Qt::MouseFocusReason);
        f.numero->setFocus(Qt::MouseFocusReason);
        QCOMPARE(registro.Mostrados().size(), 2);
        QCOMPARE(QApplication::focusWidget(), f.otraFecha);
    }

    void resaltado() {
        Formulario f;
        ResaltarCampos(&f.ventana);
        FijarColorFondo(f.numero, ColorIncognita);
        QVERIFY(f.Mostrar());
        f.numero->setFocus(Qt::TabFocusReason);
        QCOMPARE(ColorFondo(f.numero), ColorResaltado);
        // Leaving the window and coming back keeps the colour to restore.
        QFocusEvent salida(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(f.numero, &salida);
        QFocusEvent vuelta(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(f.numero, &vuelta);
        QCOMPARE(ColorFondo(f.numero), ColorResaltado);
        f.combo->setFocus(Qt::TabFocusReason);
        QCOMPARE(ColorFondo(f.numero), ColorIncognita);
        QCOMPARE(ColorFondo(f.combo), ColorResaltado);
        f.lista->setFocus(Qt::TabFocusReason);
        QCOMPARE(ColorFondo(f.combo), ColorEditable);
        QCOMPARE(ColorFondo(f.lista), ColorResaltado);
        const QColor antes = ColorFondo(f.soloLectura);
        f.soloLectura->setFocus(Qt::MouseFocusReason);
        QCOMPARE(ColorFondo(f.soloLectura), antes);
        QCOMPARE(ColorFondo(f.lista), ColorEditable);
        // A field made read-only later is not highlighted either.
        f.numero->setReadOnly(true);
        f.numero->setFocus(Qt::MouseFocusReason);
        QCOMPARE(ColorFondo(f.numero), ColorIncognita);
    }

    void habilitarCampos() {
        QWidget contenedor;
        auto* pestanas = new QTabWidget(&contenedor);
        auto* pagina = new QWidget;
        pestanas->addTab(pagina, QStringLiteral("&Préstamos"));
        auto* grupo = new QGroupBox(pagina);
        auto* enGrupo = new QLineEdit(grupo);
        auto* enPagina = new QLineEdit(pagina);
        auto* combo = new QComboBox(pagina);
        auto* etiqueta = new QLabel(QStringLiteral("Cuota"), pagina);
        auto* suelto = new QLineEdit(&contenedor);
        const QList<QLineEdit*> edits{enGrupo, enPagina, suelto};
        const QPalette paletaEtiqueta = etiqueta->palette();

        HabilitarCampos(&contenedor, ModoCampo::SoloLectura, MarcoCampo::SegunModo);
        for (QLineEdit* e : edits) {
            QVERIFY(e->isReadOnly());
            QVERIFY(!e->hasFrame());
            QCOMPARE(ColorFondo(e), ColorSoloLectura);
            QVERIFY(!(e->focusPolicy() & Qt::TabFocus));
            QVERIFY(e->focusPolicy() & Qt::ClickFocus);
        }
        QVERIFY(!combo->isEnabled());
        QCOMPARE(ColorFondo(combo), ColorSoloLectura);
        QCOMPARE(etiqueta->palette(), paletaEtiqueta);

        HabilitarCampos(&contenedor, ModoCampo::Editable, MarcoCampo::SinCambio);
        for (QLineEdit* e : edits) {
            QVERIFY(!e->isReadOnly());
            QVERIFY(!e->hasFrame());  // without relief the border stays as it was
            QCOMPARE(ColorFondo(e), ColorEditable);
            QVERIFY(e->focusPolicy() & Qt::TabFocus);
        }
        QVERIFY(combo->isEnabled());
        HabilitarCampo(enPagina, ModoCampo::Editable, MarcoCampo::SegunModo);
        QVERIFY(enPagina->hasFrame());
    }

    void confirmarImpresion_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("pregunta");
        QTest::newRow("sin nombre") << "" << "¿Desea imprimir el informe?";
        QTest::newRow("con nombre") << "el cuadro de amortización" << "¿Desea imprimir el cuadro de amortización?";
    }
    void confirmarImpresion() {
        QFETCH(QString, nombre);
        QFETCH(QString, pregunta);
        RegistroDialogos registro;
        registro.Responder(true);
        QVERIFY(ConfirmarImpresion(nombre));
        registro.Responder(false);
        QVERIFY(!ConfirmarImpresion(nombre));
        // Enter answers with the default button, "&No".
        registro.ResponderCon([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Return); });
        QVERIFY(!ConfirmarImpresion(nombre));
        QCOMPARE(registro.Mostrados().size(), 3);
        for (const DialogoMostrado& m : registro.Mostrados()) {
            QCOMPARE(m.titulo, QStringLiteral("Imprimir"));
            QCOMPARE(m.mensaje, pregunta);
        }
    }

    void abrirDireccion() {
        RegistroDialogos registro;
        AbrirDireccion(QString());
        AbrirDireccion(QStringLiteral("   "));
        QVERIFY(registro.Direcciones().isEmpty());
        AbrirDireccion(QStringLiteral("https://zelvar.example/ayuda?x=1"));
        AbrirDireccion(QStringLiteral("mailto:zuzidaduve@zelvar.example"));
        QCOMPARE(registro.Direcciones().size(), 2);
        QCOMPARE(registro.Direcciones()[0], QUrl(QStringLiteral("https://zelvar.example/ayuda?x=1")));
        QCOMPARE(registro.Direcciones()[1].scheme(), QStringLiteral("mailto"));
        QCOMPARE(registro.Direcciones()[1].path(), QStringLiteral("zuzidaduve@zelvar.example"));
    }

    void situarVentana_data() {
        const QRect p = QGuiApplication::primaryScreen()->geometry();
        QTest::addColumn<QSize>("tamano");
        QTest::addColumn<int>("porcentaje");
        QTest::addColumn<QRect>("resultado");
        QTest::newRow("centrada") << QSize(200, 100) << 0
                                  << QRect(p.left() + (p.width() - 200) / 2, p.top() + (p.height() - 100) / 2, 200, 100);
        QTest::newRow("mayor que la pantalla") << QSize(p.width() + 10, 100) << 0 << p;
        const QSize s95(p.width() * 95 / 100, p.height() * 95 / 100);
        QTest::newRow("95 por ciento") << QSize(200, 100) << 95
                                       << QRect(p.left() + (p.width() - s95.width()) / 2,
                                                p.top() + (p.height() - s95.height()) / 2, s95.width(), s95.height());
        QTest::newRow("100 por ciento") << QSize(200, 100) << 100 << p;
        QTest::newRow("255 por ciento") << QSize(200, 100) << 255 << p;
    }
    void situarVentana() {
        QFETCH(QSize, tamano);
        QFETCH(int, porcentaje);
        QFETCH(QRect, resultado);
        QWidget ventana;
        ventana.resize(tamano);
        SituarVentana(&ventana, porcentaje);
        QCOMPARE(ventana.frameGeometry(), resultado);
    }

    // A window's outer rectangle brought inside the free area of a 1280×1024
    // screen whose bottom 30 pixels hold a panel.
    void rectanguloDentroDe_data() {
        QTest::addColumn<QRect>("marco");
        QTest::addColumn<QRect>("dentro");
        QTest::newRow("cabe") << QRect(100, 100, 640, 520) << QRect(100, 100, 640, 520);
        QTest::newRow("se sale por abajo") << QRect(300, 700, 640, 520) << QRect(300, 474, 640, 520);
        QTest::newRow("se sale por la derecha y arriba") << QRect(900, -20, 640, 520) << QRect(640, 0, 640, 520);
        QTest::newRow("más alta que la pantalla") << QRect(0, 0, 1280, 1044) << QRect(0, 0, 1280, 994);
        QTest::newRow("mayor en todo") << QRect(-5, -5, 2000, 2000) << QRect(0, 0, 1280, 994);
    }
    void rectanguloDentroDe() {
        QFETCH(QRect, marco);
        QFETCH(QRect, dentro);
        QCOMPARE(RectanguloDentroDe(marco, QRect(0, 0, 1280, 994)), dentro);
    }

    void situarVentanaVuelveAlEstadoNormal() {
        QWidget ventana;
        ventana.resize(200, 100);
        ventana.showMaximized();
        SituarVentana(&ventana, 50);
        QVERIFY(!ventana.isMaximized());
        ventana.showMinimized();
        SituarVentana(&ventana, 50);
        QVERIFY(!ventana.isMinimized());
    }
};

ZZ_TEST_MAIN(TestUtilidadesCampos)
#include "test_utilidades_campos.moc"
