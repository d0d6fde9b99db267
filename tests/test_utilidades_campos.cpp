#include "prueba_comun.h"
#include "registro_dialogos.h"

#include "ui/campo_numerico.h"
#include "util/ajustes_regionales.h"
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
#include <QMenu>
#include <QToolTip>
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
    void tecleoNumerico_data() {
        QTest::addColumn<bool>("decimales");
        QTest::addColumn<bool>("signo");
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<bool>("todoSeleccionado");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("resultado");
        QTest::newRow("punto de miles") << true << false << "" << false << "1.000,5" << "1.000,5";
        QTest::newRow("segundo separador seleccionado") << true << false << "12,5" << true << "." << "12,5";
        QTest::newRow("entero") << false << false << "" << false << "1.2,3" << "1.23";
        QTest::newRow("letras y blancos") << true << true << "" << false << "a1 b+2" << "12";
        QTest::newRow("sin signo en la ventana") << true << false << "" << false << "-5" << "5";
        QTest::newRow("con signo") << true << true << "" << false << "-1.500,5" << "-1.500,5";
        QTest::newRow("cifra con todo seleccionado tras el signo") << true << true << "-12" << true << "7" << "7";
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
        // Pasted text goes through the same rule as typed keys.
        QGuiApplication::clipboard()->setText(QStringLiteral("x-1"));
        QTest::keyClick(&campo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(campo.text(), QStringLiteral("23"));
    }

    // The keypad's decimal key types the decimal separator; the main
    // keyboard's point groups thousands.
    void teclaDecimalDelTecladoNumerico() {
        QLineEdit campo;
        PrepararCampoNumerico(&campo, true, false);
        QTest::keyClicks(&campo, QStringLiteral("12"));
        QTest::keyClick(&campo, '.', Qt::KeypadModifier);
        QTest::keyClicks(&campo, QStringLiteral("5"));
        QCOMPARE(campo.text(), QStringLiteral("12,5"));
        campo.clear();
        QTest::keyClicks(&campo, QStringLiteral("12.500"));
        QCOMPARE(campo.text(), QStringLiteral("12.500"));
    }

    // Pasting by keys or by the context menu: a trailing percent sign or
    // euro sign is dropped; a negative or unreadable text is refused with a
    // beep and its reason in a tip, and the box keeps its text.
    void pegadoFiltrado() {
        Formulario f;
        PrepararCampoNumerico(f.numero, true, false);
        QVERIFY(f.Mostrar());
        f.numero->setFocus();
        RegistroDialogos registro;
        QClipboard* portapapeles = QGuiApplication::clipboard();

        portapapeles->setText(QStringLiteral("3,5 %"));
        QTest::keyClick(f.numero, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.numero->text(), QStringLiteral("3,5"));

        portapapeles->setText(QStringLiteral("-500"));
        f.numero->selectAll();
        QTest::keyClick(f.numero, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.numero->text(), QStringLiteral("3,5"));
        QCOMPARE(registro.Pitidos(), 1);
        QTRY_VERIFY(QToolTip::text().contains(QStringLiteral("negativos")));

        portapapeles->setText(QStringLiteral("1000 €"));
        f.numero->selectAll();
        std::unique_ptr<QMenu> menu(MenuCampoNumerico(f.numero));
        QAction* pegar = AccionPegar(menu.get());
        QVERIFY(pegar);
        pegar->trigger();
        QCOMPARE(f.numero->text(), QStringLiteral("1000"));

        portapapeles->setText(QStringLiteral("-500"));
        pegar->trigger();
        QCOMPARE(f.numero->text(), QStringLiteral("1000"));
        QCOMPARE(registro.Pitidos(), 2);
    }

    // Under English settings the point is the decimal separator and the
    // comma groups thousands: a Spanish "5,5" stays as typed (never 55) and
    // is pointed out on leaving the box; a comma among the decimals is refused
    // with a beep.
    void separadoresIngleses() {
        LeerAjustesRegionales(QLocale(QLocale::English, QLocale::UnitedStates));
        Formulario f;
        PrepararCampoNumerico(f.numero, true, false);
        QVERIFY(f.Mostrar());
        RegistroDialogos registro;
        f.numero->setFocus();
        QTest::keyClicks(f.numero, QStringLiteral("5,5"));
        const QString tecleado = f.numero->text();
        f.combo->setFocus();
        const int pitidosAlSalir = registro.Pitidos();
        QTRY_VERIFY(QToolTip::text().contains(QStringLiteral("grupos de tres")));
        f.numero->setFocus();
        f.numero->clear();
        QTest::keyClicks(f.numero, QStringLiteral("1.000,5"));
        const QString conComa = f.numero->text();
        const int pitidos = registro.Pitidos();
        LeerAjustesRegionales(QLocale());
        QCOMPARE(tecleado, QStringLiteral("5,5"));
        QCOMPARE(pitidosAlSalir, 1);
        QCOMPARE(conComa, QStringLiteral("1.0005"));
        QCOMPARE(pitidos, 2);
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
