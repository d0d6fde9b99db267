#include "prueba_comun.h"
#include "textos_pagina.h"

#include "informes_hostiles.h"
#include "reports/engine/fichero_informe.h"
#include "reports/engine/generador_informe.h"
#include "reports/engine/impresion_informe.h"
#include "reports/engine/pintor_pagina.h"
#include "reports/engine/superficie_vista_previa.h"
#include "reports/form_rpt_depreciaciones.h"
#include "reports/form_rpt_inversiones.h"
#include "reports/form_rpt_prestamos.h"
#include "reports/fuente_filas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <bit>
#include <cmath>

namespace {

// A small report: a page header with a child, a column header, one detail
// band per row with a line shown under every fifth row, and a page footer.
struct InformeDePrueba {
    DefinicionInforme def;
    int filas = 0;
    int actual = 0;
    int pasadas = 0;

    explicit InformeDePrueba(int filasDatos) : filas(filasDatos) {
        def.titulo = QStringLiteral("Prueba");
        BandaInforme cabecera;
        cabecera.tipo = TipoBanda::CabeceraPagina;
        cabecera.alto = 4;
        cabecera.fondo = qRgb(219, 219, 219);
        cabecera.etiquetas.push_back({QStringLiteral("Cabecera"), 1.9f, 0.5f, 0, {}, AlineacionTexto::Izquierda, true});
        def.bandas.push_back(cabecera);
        BandaInforme titulo;
        titulo.tipo = TipoBanda::Hija;
        titulo.padre = 0;
        titulo.alto = 10.6f;
        titulo.etiquetas.push_back({QStringLiteral("Título"), 1.3f, 4.2f, 0, {}, AlineacionTexto::Izquierda, true});
        def.bandas.push_back(titulo);
        BandaInforme columnas;
        columnas.tipo = TipoBanda::CabeceraColumnas;
        columnas.alto = 4.7f;
        columnas.marcos = MarcoAbajo | MarcoDerecha;
        columnas.etiquetas.push_back({QStringLiteral("Nº"), 0, 0.5f, 10, {}, AlineacionTexto::Centro, true});
        def.bandas.push_back(columnas);
        BandaInforme detalle;
        detalle.tipo = TipoBanda::Detalle;
        detalle.alto = 4.7f;
        detalle.etiquetas.push_back({QString(), 0, 0.5f, 10, {}, AlineacionTexto::Derecha, true});
        detalle.lineas.push_back({false, 2.1f, 4.6f, 175.7f, 1, true});
        detalle.antesDeImprimir = [this](BandaInforme& banda) {
            banda.etiquetas[0].texto = QString::number(actual);
            banda.lineas[0].visible = actual % 5 == 0;
            ++actual;
        };
        def.bandas.push_back(detalle);
        BandaInforme pie;
        pie.tipo = TipoBanda::PiePagina;
        pie.alto = 4;
        pie.campos.push_back({CampoSistemaInforme::Fecha, QStringLiteral("Fecha: "), 1, 0.5f, 60, {}, AlineacionTexto::Izquierda});
        pie.campos.push_back({CampoSistemaInforme::NumeroPagina, QStringLiteral("Página: "), 120, 0.5f, 58, {},
                              AlineacionTexto::Derecha});
        def.bandas.push_back(pie);
        def.antesDeImprimir = [this] {
            actual = 1;
            ++pasadas;
        };
        def.necesitaDatos = [this] { return actual <= filas; };
    }
};

int LineasHorizontalesLargas(const PaginaPreparada& pagina) {
    int n = 0;
    for (const Primitiva& p : pagina.primitivas)
        if (p.tipo == Primitiva::Linea && p.alto == 0 && p.ancho > 170 && p.ancho < 176)
            ++n;
    return n;
}

// Every field of every primitive equal, floats bit for bit.
bool MismasPrimitivas(const PaginaPreparada& a, const PaginaPreparada& b) {
    const auto bits = [](float f) { return std::bit_cast<quint32>(f); };
    if (bits(a.anchoMm) != bits(b.anchoMm) || bits(a.altoMm) != bits(b.altoMm) ||
        a.primitivas.size() != b.primitivas.size())
        return false;
    for (std::size_t i = 0; i < a.primitivas.size(); ++i) {
        const Primitiva& p = a.primitivas[i];
        const Primitiva& q = b.primitivas[i];
        if (p.tipo != q.tipo || p.alineacion != q.alineacion || p.estilo != q.estilo || bits(p.x) != bits(q.x) ||
            bits(p.y) != bits(q.y) || bits(p.ancho) != bits(q.ancho) || bits(p.alto) != bits(q.alto) ||
            bits(p.grosor) != bits(q.grosor) || p.color != q.color || p.texto != q.texto)
            return false;
    }
    return true;
}

// A file of the first format around the given payload, header and
// checksum right.
QByteArray FicheroVersion1(const QByteArray& contenido) {
    QByteArray f;
    QDataStream s(&f, QIODevice::WriteOnly);
    s << quint32(0x5A525046) << quint16(1) << quint16(0) << quint32(contenido.size());
    const QByteArray resumen = QCryptographicHash::hash(contenido, QCryptographicHash::Sha256);
    s.writeRawData(resumen.constData(), int(resumen.size()));
    s.writeRawData(contenido.constData(), int(contenido.size()));
    return f;
}

InformePreparado Generado(int filas, bool apaisado = false) {
    InformeDePrueba prueba(filas);
    if (apaisado)
        std::swap(prueba.def.anchoPagina, prueba.def.altoPagina);
    InformePreparado informe;
    TGeneradorInforme generador;
    generador.FijarAtenderEventos(false);
    generador.Generar(prueba.def, informe, QDate(2026, 12, 10));
    return informe;
}

// The widest texts a schedule holds: its largest period numbers and amounts.
class FilasAnchas : public FuenteFilas {
public:
    QString Celda(int columna, int fila) const override {
        return columna == 0 ? QString::number(1048576 - fila) : QStringLiteral("-999.999.999.999,99");
    }
};

}  // namespace

class TestMotorInformes : public QObject {
    Q_OBJECT
private slots:
    // Every page carries the header, its child, the column titles and the
    // footer with the date and its number; rows follow in order.
    void paginasConCabeceraYPie() {
        const InformePreparado informe = Generado(120);
        QCOMPARE(informe.titulo, QStringLiteral("Prueba"));
        // 297 - 36 margins - 4 footer - 19.3 headers = 237.7 mm: 50 rows a page.
        QCOMPARE(int(informe.paginas.size()), 3);
        int fila = 1;
        for (int i = 0; i < 3; ++i) {
            const QStringList textos = Textos(informe.paginas[std::size_t(i)]);
            QCOMPARE(textos.mid(0, 3), (QStringList{"Cabecera", "Título", "Nº"}));
            QCOMPARE(textos.mid(textos.size() - 2),
                     (QStringList{"Fecha: 10/12/2026", QStringLiteral("Página: %1").arg(i + 1)}));
            for (const QString& t : textos.mid(3, textos.size() - 5))
                QCOMPARE(t.toInt(), fila++);
        }
        QCOMPARE(fila, 121);
        QCOMPARE(LineasHorizontalesLargas(informe.paginas[0]), 10);
    }

    // A detail band that grows for some rows says so before it prints: the
    // page breaks before a tall row that would run into the footer.
    void bandaQueCreceNoEntraEnElPie() {
        InformeDePrueba prueba(200);
        BandaInforme& detalle = prueba.def.bandas[3];
        const auto alto = [&prueba] { return prueba.actual % 4 == 0 ? 11.0f : 4.7f; };
        detalle.altoSiguiente = alto;
        detalle.antesDeImprimir = [alto, rellenar = detalle.antesDeImprimir](BandaInforme& banda) {
            banda.alto = alto();
            banda.etiquetas[0].arriba = banda.alto - 4;
            rellenar(banda);
        };
        InformePreparado informe;
        TGeneradorInforme generador;
        generador.FijarAtenderEventos(false);
        generador.Generar(prueba.def, informe);
        const float pie = prueba.def.altoPagina - prueba.def.margenAbajo - prueba.def.bandas.back().alto;
        for (const PaginaPreparada& pagina : informe.paginas)
            for (const Primitiva& p : pagina.primitivas)
                if (p.tipo == Primitiva::Texto && !p.texto.startsWith(QStringLiteral("Fecha")) &&
                    !p.texto.startsWith(QStringLiteral("Página")))
                    QVERIFY2(p.y + p.alto <= pie, qPrintable(QStringLiteral("la fila %1 entra en el pie").arg(p.texto)));
        QCOMPARE(Textos(informe.paginas[informe.paginas.size() - 1]).contains(QStringLiteral("200")), true);
    }

    void sinFilasUnaPagina() {
        const InformePreparado informe = Generado(0);
        QCOMPARE(int(informe.paginas.size()), 1);
        QCOMPARE(Textos(informe.paginas[0]).size(), 5);
    }

    // Generating again restarts the data loop and gives the same pages.
    void generarDosVeces() {
        InformeDePrueba prueba(60);
        InformePreparado a, b;
        TGeneradorInforme generador;
        int avisos = 0;
        connect(&generador, &TGeneradorInforme::PaginaDisponible, this, [&avisos] { ++avisos; });
        QVERIFY(generador.Generar(prueba.def, a));
        QVERIFY(generador.Generar(prueba.def, b));
        QCOMPARE(prueba.pasadas, 2);
        QCOMPARE(avisos, 4);
        QCOMPARE(EscribirInforme(a), EscribirInforme(b));
        QCOMPARE(generador.Estado(), EstadoGeneracion::Terminado);
    }

    void cancelar() {
        InformeDePrueba prueba(1000);
        InformePreparado informe;
        TGeneradorInforme generador;
        connect(&generador, &TGeneradorInforme::PaginaDisponible, this, [&generador](int pagina) {
            if (pagina == 2)
                generador.Cancelar();
        });
        QVERIFY(!generador.Generar(prueba.def, informe));
        QCOMPARE(int(informe.paginas.size()), 2);
    }

    // A saved report loads back as it was, landscape pages too.
    void ficheroIdaYVuelta_data() {
        QTest::addColumn<bool>("apaisado");
        QTest::newRow("vertical") << false;
        QTest::newRow("apaisado") << true;
    }

    void ficheroIdaYVuelta() {
        QFETCH(bool, apaisado);
        const InformePreparado informe = Generado(120, apaisado);
        QTemporaryDir dir;
        const QString ruta = dir.filePath("informe.zrp");
        QVERIFY(GuardarInforme(informe, ruta));
        InformePreparado leido;
        QString motivo;
        QVERIFY2(CargarInforme(ruta, leido, &motivo), qPrintable(motivo));
        QCOMPARE(leido.titulo, informe.titulo);
        QCOMPARE(leido.paginas.size(), informe.paginas.size());
        for (std::size_t i = 0; i < leido.paginas.size(); ++i)
            QCOMPARE(leido.paginas.Tamano(i), apaisado ? QSizeF(297, 210) : QSizeF(210, 297));
        QCOMPARE(EscribirInforme(leido), EscribirInforme(informe));
    }

    // Each sheet of a printed PDF takes the orientation of its page, a
    // landscape page between portrait ones included.
    void imprimirCadaPaginaConSuOrientacion() {
        const InformePreparado vertical = Generado(120), apaisado = Generado(120, true);
        InformePreparado mixto;
        mixto.titulo = vertical.titulo;
        mixto.estilos = vertical.estilos;
        QCOMPARE(apaisado.estilos, vertical.estilos);
        mixto.paginas.push_back(apaisado.paginas[0]);
        mixto.paginas.push_back(vertical.paginas[1]);
        mixto.paginas.push_back(apaisado.paginas[2]);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("mixto.pdf");
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(pdf);
        impresora.setPageSize(QPageSize(QPageSize::A4));
        QVERIFY(ImprimirPaginas(mixto, impresora));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                QStringLiteral("3"), pdf});
        QVERIFY(info.waitForFinished(30000));
        const QString salida = QString::fromUtf8(info.readAllStandardOutput());
        QStringList hojas;
        const QRegularExpression tamano(QStringLiteral("Page +\\d+ size: +([\\d.]+) x ([\\d.]+) pts"));
        for (auto m = tamano.globalMatch(salida); m.hasNext();) {
            const auto hoja = m.next();
            hojas << (hoja.captured(1).toDouble() > hoja.captured(2).toDouble() ? QStringLiteral("apaisada")
                                                                                 : QStringLiteral("vertical"));
        }
        QCOMPARE(hojas, (QStringList{"apaisada", "vertical", "apaisada"}));
        QCOMPARE(impresora.pageLayout().orientation(), QPageLayout::Portrait);
    }

    // A file written by the first format of report files still loads, to
    // the very pages that the same report generates today.
    void leeFicheroDelPrimerFormato() {
        InformePreparado leido;
        QString motivo;
        QVERIFY2(CargarInforme(QStringLiteral(ZZ_TEST_DATA_DIR "/informe_v1.zrp"), leido, &motivo), qPrintable(motivo));
        const InformePreparado hoy = Generado(60);
        QCOMPARE(leido.titulo, hoy.titulo);
        QCOMPARE(leido.estilos, hoy.estilos);
        QCOMPARE(leido.paginas.size(), hoy.paginas.size());
        for (std::size_t i = 0; i < hoy.paginas.size(); ++i)
            QVERIFY(MismasPrimitivas(leido.paginas[i], hoy.paginas[i]));
        QCOMPARE(EscribirInforme(leido), EscribirInforme(hoy));
    }

    // Pages come back from their compact form bit for bit, whatever their
    // texts and positions.
    void paginaCompactaExacta() {
        PaginaPreparada pagina;
        const QString largo = QString(300, QChar(0x00f1));  // needs a two-byte count
        const QStringList textos{QString(), QStringLiteral("Página: 1"), largo,
                                 QString::fromUtf8("ð y mÃ¡s"), QStringLiteral("1.234,56")};
        float y = -0.0f;
        for (const QString& t : textos) {
            Primitiva p;
            p.tipo = Primitiva::Texto;
            p.alineacion = AlineacionTexto::Derecha;
            p.estilo = 1;
            p.x = 1.3f;
            p.y = y;
            p.ancho = 21.2f;
            p.alto = 3.5277777f;
            p.texto = t;
            pagina.primitivas.push_back(p);
            y += 4.7f;
        }
        Primitiva linea;
        linea.tipo = Primitiva::Linea;
        linea.y = y;
        linea.ancho = 175.7f;
        linea.grosor = 0.4f;
        linea.color = qRgb(1, 2, 3);
        pagina.primitivas.push_back(linea);
        pagina.primitivas.push_back(linea);
        pagina.anchoMm = 297;
        pagina.altoMm = 210;
        InformePreparado informe;
        informe.estilos.resize(2);
        informe.paginas.push_back(pagina);
        informe.paginas.push_back(PaginaPreparada());
        QVERIFY(MismasPrimitivas(informe.paginas[0], pagina));
        QCOMPARE(informe.paginas[1].primitivas.size(), std::size_t(0));
        InformePreparado leido;
        QVERIFY(LeerInforme(EscribirInforme(informe), leido));
        QVERIFY(MismasPrimitivas(leido.paginas[0], pagina));
        QCOMPARE(leido.paginas.Tamano(0), QSizeF(297, 210));
    }

    // Damaged files are refused with a reason and leave the pages as they were.
    void ficherosDanados_data() {
        QTest::addColumn<QByteArray>("datos");
        QTest::addColumn<QString>("motivo");
        const QByteArray bueno = EscribirInforme(Generado(10));
        QTest::newRow("vacío") << QByteArray() << "no es un fichero de informe";
        QTest::newRow("otro formato") << QByteArray("%PDF-1.4 y mucho más texto que la cabecera de un informe")
                                      << "no es un fichero de informe";
        QTest::newRow("truncado") << bueno.left(bueno.size() - 7) << "el fichero está incompleto o dañado";
        QByteArray alterado = bueno;
        alterado[alterado.size() / 2] = char(alterado[alterado.size() / 2] ^ 0x40);
        QTest::newRow("un byte cambiado") << alterado
                                          << "el fichero está dañado (la suma de comprobación no coincide)";
        QByteArray version = bueno;
        version[5] = 9;
        QTest::newRow("otra versión") << version << "la versión 9 del fichero no se conoce";
    }
    void ficherosDanados() {
        QFETCH(QByteArray, datos);
        QFETCH(QString, motivo);
        InformePreparado destino = Generado(3);
        const QByteArray antes = EscribirInforme(destino);
        QString obtenido;
        QVERIFY(!LeerInforme(datos, destino, &obtenido));
        QCOMPARE(obtenido, motivo);
        QCOMPARE(EscribirInforme(destino), antes);
    }

    // A file with a correct checksum whose counts promise more than it holds
    // is refused before anything is allocated for them.
    void cuentasHostiles() {
        QByteArray paginas;
        {
            QDataStream s(&paginas, QIODevice::WriteOnly);
            s << quint32(0) << quint32(0) << quint32(0xffffffff);
        }
        QByteArray texto;
        {
            QDataStream s(&texto, QIODevice::WriteOnly);
            s << quint32(0x7fffffff);
        }
        InformePreparado destino;
        QString motivo;
        QVERIFY(!LeerInforme(FicheroVersion1(paginas), destino, &motivo));
        QCOMPARE(motivo, QStringLiteral("el número de páginas no es válido"));
        QVERIFY(!LeerInforme(FicheroVersion1(texto), destino, &motivo));
        QCOMPARE(motivo, QStringLiteral("un texto es más largo que el fichero"));
    }

    // More pages than any report has are refused even when the file holds
    // them all (a million-row table gives about 22.000).
    void demasiadasPaginas() {
        QByteArray contenido;
        QDataStream s(&contenido, QIODevice::WriteOnly);
        const quint32 paginas = PaginasCompactas::kMaximoPaginas + 1;
        s << quint32(0) << quint32(0) << paginas;
        s.setFloatingPointPrecision(QDataStream::SinglePrecision);
        for (quint32 i = 0; i < paginas; ++i)
            s << 210.0f << 297.0f << quint32(0);
        InformePreparado destino;
        QString motivo;
        QVERIFY(!LeerInforme(FicheroVersion1(contenido), destino, &motivo));
        QCOMPARE(motivo, QStringLiteral("el número de páginas no es válido"));
    }

    void pintarEnImagen() {
        const InformePreparado informe = Generado(30);
        QImage imagen(420, 594, QImage::Format_RGB32);
        imagen.fill(Qt::black);
        QPainter painter(&imagen);
        PintarPagina(painter, informe, 0, 2.0);
        PintarPagina(painter, informe, 5, 2.0);  // no such page: nothing happens
        painter.end();
        QCOMPARE(imagen.pixelColor(400, 580), QColor(Qt::white));
        QCOMPARE(imagen.pixelColor(100, 40), QColor(219, 219, 219));
    }

    // Letters and pens so large that a page of them would hold the window
    // for seconds are refused with the reason; up to the limits they load.
    void tamanosCostososDeDibujar_data() {
        using namespace informes_hostiles;
        QTest::addColumn<QByteArray>("datos");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("acentos a 500 puntos") << EscribirInforme(AcentosApilados(500, 40, 3))
                                              << QStringLiteral("un texto tiene letras de más de 72 puntos");
        QTest::newRow("letra de 72 puntos") << EscribirInforme(AcentosApilados(72, 1, 1)) << QString();
        QTest::newRow("pluma de diez metros") << EscribirInforme(LineasGruesas(kDiezMetros, 3))
                                              << QStringLiteral("una línea tiene más de 5 mm de grosor");
        QTest::newRow("pluma de 5,1 mm") << EscribirInforme(LineasGruesas(5.1f, 1))
                                         << QStringLiteral("una línea tiene más de 5 mm de grosor");
        QTest::newRow("pluma de 5 mm") << EscribirInforme(LineasGruesas(5, 1)) << QString();
    }
    void tamanosCostososDeDibujar() {
        QFETCH(QByteArray, datos);
        QFETCH(QString, motivo);
        InformePreparado destino;
        QString obtenido;
        QCOMPARE(LeerInforme(datos, destino, &obtenido), motivo.isEmpty());
        QCOMPARE(obtenido, motivo);
    }

    // The program's own reports, with the widest texts a schedule has, stay
    // within those limits and load back.
    void informesPropiosDentroDeLosLimites() {
        FilasAnchas filas;
        TFormRptPrestamos prestamos({QStringLiteral("Amort. anticipada"), QStringLiteral("Comisión")});
        TFormRptInversiones inversiones;
        TFormRptDepreciaciones depreciaciones;
        for (TFormRptBase* rpt : std::initializer_list<TFormRptBase*>{&prestamos, &inversiones, &depreciaciones}) {
            rpt->FijarFuente(&filas);
            rpt->FilasInforme = 60;
            InformePreparado informe;
            TGeneradorInforme generador;
            generador.FijarAtenderEventos(false);
            generador.Generar(rpt->Informe(), informe);
            for (const EstiloTexto& e : informe.estilos)
                QVERIFY(e.puntos <= 12);
            for (const PaginaPreparada& pagina : informe.paginas)
                for (const Primitiva& p : pagina.primitivas) {
                    QVERIFY(p.grosor <= 0.4f);
                    QVERIFY2(p.texto.toUtf8().size() < 200, qPrintable(p.texto));
                }
            InformePreparado leido;
            QString motivo;
            QVERIFY2(LeerInforme(EscribirInforme(informe), leido, &motivo), qPrintable(motivo));
        }
    }

    // Primitives reaching metres beyond the sheet are cut at its edge: the
    // margin around it stays as it was.
    void pintarRecortaALaHoja() {
        InformePreparado informe = informes_hostiles::RectangulosTransparentes(1, 3);
        const InformePreparado lineas = informes_hostiles::LineasGruesas(5, 3);
        PaginaPreparada pagina = informe.paginas[0];
        for (const Primitiva& p : lineas.paginas[0].primitivas)
            pagina.primitivas.push_back(p);
        informe.paginas.clear();
        informe.paginas.push_back(pagina);
        QImage imagen(500, 700, QImage::Format_RGB32);
        imagen.fill(Qt::black);
        QPainter painter(&imagen);
        PintarPagina(painter, informe, 0, 2.0, QPointF(20, 20));
        painter.end();
        for (const QPoint fuera : {QPoint(5, 5), QPoint(470, 300), QPoint(250, 660), QPoint(10, 640)})
            QCOMPARE(imagen.pixelColor(fuera), QColor(Qt::black));
        QVERIFY(imagen.pixelColor(200, 300) != QColor(Qt::white));
    }

    // Drawn a primitive at a time, a page comes out exactly as drawn whole.
    void pintarPorPartesIgualQueDeUnaVez() {
        const InformePreparado informe = Generado(30);
        const PaginaPreparada pagina = informe.paginas[0];
        QImage entera(420, 594, QImage::Format_ARGB32_Premultiplied), partes = entera;
        entera.fill(Qt::transparent);
        partes.fill(Qt::transparent);
        {
            QPainter painter(&entera);
            PintarPagina(painter, informe, 0, 2.0);
        }
        QPainter painter(&partes);
        int pasos = 0;
        for (std::size_t i = 0; i < pagina.primitivas.size(); ++pasos)
            i = PintarPaginaPorPartes(painter, informe, pagina, 2.0, QPointF(), i, [] { return false; });
        painter.end();
        QCOMPARE(std::size_t(pasos), pagina.primitivas.size());
        QVERIFY(partes == entera);
    }

    // The preview draws a page of its own reports whole at once; a page that
    // takes long shows a blank sheet at first and is finished a slice at a
    // time, with events answered in between.
    void superficieDibujaPorTramos() {
        const InformePreparado propio = Generado(30);
        const InformePreparado costoso = informes_hostiles::RectangulosTransparentes(1, 8000);
        TSuperficieVistaPrevia superficie;
        superficie.resize(800, 600);
        superficie.FijarInforme(&propio);
        superficie.grab();
        QVERIFY(superficie.PaginaDibujada());
        superficie.FijarInforme(&costoso);
        const QImage primera = superficie.viewport()->grab().toImage();
        QVERIFY(!superficie.PaginaDibujada());
        QCOMPARE(primera.pixelColor(100, 100), QColor(Qt::white));
        bool atendido = false;
        QTimer::singleShot(0, &superficie, [&] { atendido = !superficie.PaginaDibujada(); });
        QTRY_VERIFY_WITH_TIMEOUT(superficie.PaginaDibujada(), 120000);
        QVERIFY(atendido);
        QVERIFY(superficie.viewport()->grab().toImage().pixelColor(100, 100) != QColor(Qt::white));
    }

    // Text prints at the size its style asks for: the width of its ink on
    // the page follows the points, where a size rounded to whole
    // millimetres printed an 8-point figure at 8.5 points and a 7-point one
    // at 5.7.
    void textoATamanoExacto_data() {
        QTest::addColumn<float>("puntos");
        QTest::newRow("8") << 8.0f;
        QTest::newRow("7") << 7.0f;
        QTest::newRow("6,5") << 6.5f;
        QTest::newRow("6") << 6.0f;
    }
    void textoATamanoExacto() {
        QFETCH(float, puntos);
        constexpr double kPixelesPorMm = 10;
        const QString cifra = QStringLiteral("888.888.888.888,88");
        InformePreparado informe;
        EstiloTexto estilo;
        estilo.puntos = puntos;
        informe.estilos.push_back(estilo);
        PaginaPreparada pagina;
        Primitiva texto;
        texto.tipo = Primitiva::Texto;
        texto.x = 10;
        texto.y = 5;
        texto.ancho = 150;
        texto.alto = 10;
        texto.texto = cifra;
        pagina.primitivas.push_back(texto);
        informe.paginas.push_back(pagina);

        QImage imagen(int(210 * kPixelesPorMm), int(20 * kPixelesPorMm), QImage::Format_RGB32);
        QPainter painter(&imagen);
        PintarPagina(painter, informe, 0, kPixelesPorMm);
        painter.end();
        int izquierda = imagen.width(), derecha = -1;
        for (int y = 0; y < imagen.height(); ++y)
            for (int x = 0; x < imagen.width(); ++x)
                if (qGray(imagen.pixel(x, y)) < 160) {
                    izquierda = std::min(izquierda, x);
                    derecha = std::max(derecha, x);
                }
        const double tinta = (derecha - izquierda + 1) / kPixelesPorMm;

        QFont medida(estilo.familia);
        medida.setHintingPreference(QFont::PreferNoHinting);
        medida.setPixelSize(1000);
        const double esperada = QFontMetricsF(medida).tightBoundingRect(cifra).width() / 1000 * puntos * 25.4 / 72;
        QVERIFY2(std::fabs(tinta - esperada) <= 0.02 * esperada + 2 / kPixelesPorMm,
                 qPrintable(QStringLiteral("tinta %1 mm, esperada %2 mm").arg(tinta).arg(esperada)));
    }

    // Fitting the page or its width measures the page shown, landscape
    // or portrait.
    void superficieZoomYPaginas_data() {
        QTest::addColumn<bool>("apaisado");
        QTest::newRow("vertical") << false;
        QTest::newRow("apaisado") << true;
    }

    void superficieZoomYPaginas() {
        QFETCH(bool, apaisado);
        const InformePreparado informe = Generado(120, apaisado);
        const double ancho = apaisado ? 297 : 210, alto = apaisado ? 210 : 297;
        TSuperficieVistaPrevia superficie;
        superficie.resize(800, 600);
        superficie.FijarInforme(&informe);
        superficie.FijarZoom(1);
        QCOMPARE(superficie.Zoom(), 2);
        superficie.FijarZoom(5000);
        QCOMPARE(superficie.Zoom(), 2000);
        const int ultima = int(informe.paginas.size());
        superficie.FijarPagina(ultima);
        QCOMPARE(superficie.Pagina(), ultima);
        superficie.FijarPagina(ultima + 1);
        QCOMPARE(superficie.Pagina(), ultima);
        const double mm = superficie.logicalDpiX() / 25.4;
        superficie.ZoomAjustarAncho();
        QCOMPARE(superficie.Zoom(), int(std::lround(superficie.viewport()->width() / (ancho * mm) * 90)));
        superficie.ZoomAjustarPagina();
        const double relacion = std::min(superficie.viewport()->width() / (ancho * mm),
                                         superficie.viewport()->height() / (alto * mm));
        QCOMPARE(superficie.Zoom(), int(std::lround(relacion * 95)));
    }
};

ZZ_TEST_MAIN(TestMotorInformes)
#include "test_motor_informes.moc"
