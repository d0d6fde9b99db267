// Calculation documents: what is written reads back the same, box texts
// travel between regional settings, older files read, and every kind of
// hostile file is refused with its reason and without touching the document
// the caller holds.
#include "finance/campos_documento.h"
#include "finance/codigo_calculo.h"
#include "finance/documento_calculo.h"
#include "prueba_nucleo.h"

#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

using namespace finance;

Q_DECLARE_METATYPE(finance::DocumentoCalculo)

namespace {

// A loan page with every list of changes filled in; `ajustar` sets the kind
// under test.
DocumentoCalculo ConCondiciones(const std::function<void(CondicionesPrestamo&)>& ajustar) {
    DocumentoCalculo d;
    d.prestamo.calculo = 2;
    d.prestamo.alPrincipio = true;
    d.prestamo.textos.campos = {{"cuota", "1234.5"}, {"interes", "3.25"}, {"capital", "150000"},
                                {"fecha", "2026-03-31"}};
    CondicionesPrestamo& c = d.condiciones;
    c.periodicidad = Periodicidad::Trimestral;
    c.comisionApertura = 0.75;
    c.gastosIniciales = 1200.5;
    AmortizacionAnticipada a;
    a.cuota = 12;
    a.importe = 5000;
    a.reduce = ReduccionAmortizacion::Cuota;
    a.comision = 0.5;
    AmortizacionAnticipada legal = a;
    legal.cuota = 24;
    legal.comisionLegal = true;
    c.amortizaciones = {a, legal};
    c.revisiones = {{13, 4.1}, {25, 0.1 + 0.2}};
    c.seguroAnual = 310.27;
    c.mantenimientoAnual = 60;
    ajustar(c);
    return d;
}

QByteArray Bytes(const char* texto) { return QByteArray(texto); }

}  // namespace

class TestDocumentoCalculo : public PruebaNucleo {
    Q_OBJECT
private slots:
    void idaYVuelta_data() {
        QTest::addColumn<DocumentoCalculo>("documento");
        QTest::newRow("vacío") << DocumentoCalculo{};
        QTest::newRow("alemán") << ConCondiciones([](auto& c) { c.sistema = SistemaAmortizacion::Aleman; });
        QTest::newRow("americano") << ConCondiciones([](auto& c) { c.sistema = SistemaAmortizacion::Americano; });
        QTest::newRow("creciente") << ConCondiciones([](auto& c) {
            c.sistema = SistemaAmortizacion::Creciente;
            c.crecimiento = 2.5;
        });
        QTest::newRow("carencia parcial") << ConCondiciones([](auto& c) {
            c.carencia = TipoCarencia::Parcial;
            c.cuotasCarencia = 6;
        });
        QTest::newRow("carencia total") << ConCondiciones([](auto& c) {
            c.carencia = TipoCarencia::Total;
            c.cuotasCarencia = 12;
        });
        QTest::newRow("variable") << ConCondiciones([](auto& c) {
            c.tipoInteres = TipoInteres::Variable;
            c.diferencial = 0.99;
            c.indice = 3.123456789012345;
            c.indicesDesde = {{25, 2.5}, {49, -0.25}};
            c.revisionMeses = 6;
        });
        QTest::newRow("mixto") << ConCondiciones([](auto& c) {
            c.tipoInteres = TipoInteres::Mixto;
            c.tramoFijo = 120;
            c.diferencial = 0.6;
            c.indice = 2.2;
        });
        DocumentoCalculo paginas;
        paginas.pagina = PaginaDocumento::Depreciacion;
        paginas.inversion.calculo = 3;
        paginas.inversion.alPrincipio = true;
        paginas.inversion.textos.campos = {{"capitalInicial", "-2.5e3"}, {"num", "12"}};
        paginas.inversion.textos.literales = {{"cuota", "12 a"}};
        paginas.depreciacion.calculo = 3;  // the last of the page's four methods
        paginas.depreciacion.textos.campos = {{"valorInicial", "10000"}, {"fecha", ""}};
        QTest::newRow("inversión y depreciación") << paginas;
        // The last item of each list: the savings withdrawal and the double
        // declining balance switching to linear.
        DocumentoCalculo ultimas = paginas;
        ultimas.inversion.calculo = kIndiceRetirada;
        ultimas.depreciacion.calculo = kCalculosDepreciacion - 1;
        QTest::newRow("retirada y doble con paso a lineal") << ultimas;
        // The savings plan's conditions, each tax kind, and the tax table and
        // typed date of the depreciation page.
        DocumentoCalculo plan = paginas;
        plan.condicionesInversion.crecimiento = -2.5;
        plan.condicionesInversion.inflacion = 0.0;
        plan.condicionesInversion.retencion = TipoRetencion::Fija;
        plan.condicionesInversion.retencionFija = 19.5;
        plan.tablaFiscal = QStringLiteral("edificios-industriales");
        plan.fechaEscrita = true;
        QTest::newRow("plan con retención fija, tabla y fecha escrita") << plan;
        plan.condicionesInversion.inflacion.reset();
        plan.condicionesInversion.retencion = TipoRetencion::Tramos;
        plan.tablaFiscal.clear();
        QTest::newRow("plan por tramos sin inflación, fecha escrita sin tabla") << plan;
        DocumentoCalculo comparacion = ConCondiciones([](auto&) {});
        OfertaDocumento oferta;
        oferta.nombre = QStringLiteral("Banco «Ñ»");
        oferta.textos.campos = {{"interes", "2.9"}};
        oferta.alPrincipio = true;
        oferta.condiciones = comparacion.condiciones;
        comparacion.ofertas = {oferta, OfertaDocumento{}};
        QTest::newRow("comparación") << comparacion;
    }

    // Every page and every kind of condition comes back exactly, on disk.
    void idaYVuelta() {
        QFETCH(DocumentoCalculo, documento);
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("calculo.zzc"));
        QString motivo;
        QVERIFY2(GuardarDocumento(ruta, documento, &motivo), qPrintable(motivo));
        DocumentoCalculo leido;
        leido.pagina = PaginaDocumento::Inversion;
        QVERIFY2(CargarDocumento(ruta, leido, &motivo), qPrintable(motivo));
        QCOMPARE(leido.formato, kFormatoDocumento);
        QVERIFY(leido == documento);
    }

    void ofertasSolas() {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("ofertas.zzc"));
        std::vector<OfertaDocumento> ofertas(2);
        ofertas[0].nombre = QStringLiteral("A");
        ofertas[1].condiciones.tipoInteres = TipoInteres::Variable;
        QVERIFY(GuardarOfertas(ruta, ofertas, nullptr));
        std::vector<OfertaDocumento> leidas;
        QVERIFY(CargarOfertas(ruta, leidas, nullptr));
        QVERIFY(leidas == ofertas);
    }

    void textosDeCampos_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("fecha");
        QTest::addColumn<QString>("guardado");  // locale-free; empty when kept as typed
        QTest::addColumn<QString>("ingles");     // as shown with English settings
        QTest::newRow("decimales") << " 1234,567891234567 " << false << "1234.567891234567"
                                   << "1234.567891234567";
        QTest::newRow("exponente") << "-1,5e-3" << false << "-1.5e-3" << "-1.5e-3";
        QTest::newRow("vacío") << "" << false << "" << "";
        QTest::newRow("agrupado") << "1.000,50" << false << "" << "1.000,50";
        QTest::newRow("letras") << "12x" << false << "" << "12x";
        QTest::newRow("fecha") << "31/03/2026" << true << "2026-03-31" << "03/31/2026";
        QTest::newRow("fecha en blanco") << "  /  /    " << true << "" << "";
        QTest::newRow("fecha imposible") << "31/02/2026" << true << "" << "31/02/2026";
    }

    // A box's text is kept free of the regional setting, so the same file
    // shows 1234.5 to an English setting and 1234,5 to a Spanish one; what
    // reads as neither number nor date comes back exactly as typed.
    void textosDeCampos() {
        QFETCH(QString, texto);
        QFETCH(bool, fecha);
        QFETCH(QString, guardado);
        QFETCH(QString, ingles);
        TextosDocumento textos;
        GuardarTextoCampo(textos, QStringLiteral("c"), texto, fecha);
        const bool literal = textos.literales.count(QStringLiteral("c")) == 1;
        QCOMPARE(literal, guardado.isEmpty() && !texto.trimmed().isEmpty() && !texto.contains(QLatin1String("  /")));
        if (!literal) {
            QCOMPARE(textos.campos.at(QStringLiteral("c")), guardado);
            QVERIFY(EsTextoSinRegion(guardado));
        }
        DocumentoCalculo documento;
        documento.prestamo.textos = textos;
        DocumentoCalculo leido;
        QVERIFY(LeerDocumento(EscribirDocumento(documento), leido, nullptr));
        const QString espanol = TextoCampo(leido.prestamo.textos, QStringLiteral("c"), fecha);
        if (!literal && !fecha)
            QCOMPARE(espanol, QString(guardado).replace('.', ','));
        LeerAjustesRegionales(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString enIngles = TextoCampo(leido.prestamo.textos, QStringLiteral("c"), fecha);
        LeerAjustesRegionales(QLocale(QLocale::Spanish, QLocale::Spain));
        QCOMPARE(enIngles, ingles);
    }

    // The older shape, before conditions and offers: its pages read, and
    // what it could not hold takes the defaults even if present.
    void formatoAnterior() {
        DocumentoCalculo leido;
        QString motivo;
        QVERIFY2(LeerDocumento(Bytes(R"({"formato": 0, "pagina": "inversion",
            "prestamo": {"calculo": 1, "campos": {"capital": "1000"}, "condiciones": {"sistema": "aleman"}},
            "inversion": {"calculo": 3, "momento": "principio", "campos": {"interes": "4"}}})"),
                               leido, &motivo),
                 qPrintable(motivo));
        QCOMPARE(leido.formato, 0);
        QCOMPARE(leido.pagina, PaginaDocumento::Inversion);
        QCOMPARE(leido.prestamo.calculo, 1);
        QCOMPARE(leido.prestamo.textos.campos.at(QStringLiteral("capital")), QStringLiteral("1000"));
        QCOMPARE(leido.inversion.calculo, 3);
        QVERIFY(!leido.inversion.alPrincipio);
        QVERIFY(leido.condiciones == CondicionesPrestamo{});
    }

    // A file of the current format written before the savings conditions,
    // the tax table and the typed date were kept reads as none of them.
    void sinCondicionesDelPlanNiTablaFiscal() {
        DocumentoCalculo leido;
        leido.condicionesInversion.crecimiento = 3;
        leido.tablaFiscal = QStringLiteral("maquinaria");
        leido.fechaEscrita = true;
        QString motivo;
        QVERIFY2(LeerDocumento(Bytes(R"({"formato": 1, "pagina": "depreciacion",
            "inversion": {"calculo": 0, "campos": {"interes": "4"}},
            "depreciacion": {"calculo": 1, "campos": {"fecha": "2026-05-01"}}})"),
                               leido, &motivo),
                 qPrintable(motivo));
        QVERIFY(leido.condicionesInversion == CondicionesInversion{});
        QVERIFY(leido.tablaFiscal.isEmpty());
        QVERIFY(!leido.fechaEscrita);
    }

    void contenidoHostil_data() {
        QTest::addColumn<QByteArray>("datos");
        QTest::addColumn<QString>("motivo");
        const QByteArray bueno = EscribirDocumento(ConCondiciones([](auto&) {}));
        QTest::newRow("vacío") << QByteArray() << "vacío";
        QTest::newRow("cortado") << bueno.left(bueno.size() / 2) << "se cortó";
        QTest::newRow("cortado en una palabra") << Bytes("{\"formato\": 1, \"x\": tru") << "se cortó";
        QTest::newRow("basura") << Bytes("{\"formato\": 1, ] \"pagina\": \"prestamo\"}") << "dañado";
        QTest::newRow("binario") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "dañado";
        QTest::newRow("lista") << Bytes("[1, 2]") << "no es un fichero de cálculo";
        QTest::newRow("sin formato") << Bytes("{\"pagina\": \"prestamo\"}") << "no indica su formato";
        QTest::newRow("más moderno") << Bytes("{\"formato\": 2}") << "más moderna del programa (formato 2";
        QTest::newRow("formato negativo") << Bytes("{\"formato\": -1}") << "«formato»";
        QTest::newRow("formato texto") << Bytes("{\"formato\": \"1\"}") << "«formato»";
        QTest::newRow("página") << Bytes("{\"formato\": 1, \"pagina\": \"hipoteca\"}") << "«pagina»";
        QTest::newRow("cálculo") << Bytes("{\"formato\": 1, \"depreciacion\": {\"calculo\": 4}}") << "«calculo»";
        QTest::newRow("campo con coma")
            << Bytes("{\"formato\": 1, \"prestamo\": {\"campos\": {\"cuota\": \"1,5\"}}}") << "«cuota»";
        QTest::newRow("campo número")
            << Bytes("{\"formato\": 1, \"prestamo\": {\"campos\": {\"cuota\": 1.5}}}") << "«cuota»";
        QTest::newRow("sistema desconocido")
            << Bytes("{\"formato\": 1, \"prestamo\": {\"condiciones\": {\"sistema\": \"suizo\"}}}") << "«sistema»";
        QTest::newRow("cuota fraccionaria")
            << Bytes("{\"formato\": 1, \"prestamo\": {\"condiciones\": {\"revisiones\": [{\"cuota\": 1.5}]}}}")
            << "«cuota»";
        QTest::newRow("revisión semestral o anual")
            << Bytes("{\"formato\": 1, \"prestamo\": {\"condiciones\": {\"revisionMeses\": 7}}}") << "«revisionMeses»";
        QTest::newRow("condiciones imposibles")
            << Bytes("{\"formato\": 1, \"prestamo\": {\"condiciones\": {\"comisionApertura\": 150}}}")
            << "comisión de apertura";
        QByteArray muchas = "{\"formato\": 1, \"prestamo\": {\"condiciones\": {\"revisiones\": [";
        for (int i = 1; i <= 2001; ++i)
            muchas += "{\"cuota\": " + QByteArray::number(i) + ", \"interes\": 1},";
        muchas.chop(1);
        QTest::newRow("lista sin fin") << muchas + "]}}}" << "«revisiones»";
        QTest::newRow("inflación imposible")
            << Bytes("{\"formato\": 1, \"inversion\": {\"condiciones\": {\"inflacion\": -100}}}") << "inflación";
        QTest::newRow("retención desconocida")
            << Bytes("{\"formato\": 1, \"inversion\": {\"condiciones\": {\"retencion\": \"toda\"}}}")
            << "«retencion»";
        QTest::newRow("tabla fiscal desconocida")
            << Bytes("{\"formato\": 1, \"depreciacion\": {\"tablaFiscal\": \"cohetes\"}}") << "«tablaFiscal»";
        QTest::newRow("oferta no objeto") << Bytes("{\"formato\": 1, \"comparacion\": [3]}") << "«comparacion»";
    }

    // Each fault gives its reason and leaves the caller's document as it was.
    void contenidoHostil() {
        QFETCH(QByteArray, datos);
        QFETCH(QString, motivo);
        const DocumentoCalculo anterior = ConCondiciones([](auto& c) { c.sistema = SistemaAmortizacion::Aleman; });
        DocumentoCalculo documento = anterior;
        QString recibido;
        QVERIFY(!LeerDocumento(datos, documento, &recibido));
        QVERIFY2(recibido.contains(motivo), qPrintable(recibido));
        QVERIFY(documento == anterior);
    }

    // What the file system holds under the name: a folder, a pipe that no
    // one writes (which must not block), something too large, something
    // missing or unreadable.
    void ficherosHostiles() {
        QTemporaryDir carpeta;
        const auto ruta = [&](const char* nombre) { return carpeta.filePath(QLatin1String(nombre)); };
        QDir(carpeta.path()).mkdir(QStringLiteral("carpeta.zzc"));
        QCOMPARE(::mkfifo(QFile::encodeName(ruta("tuberia.zzc")).constData(), 0600), 0);
        QFile grande(ruta("grande.zzc"));
        QVERIFY(grande.open(QIODevice::WriteOnly));
        grande.write(EscribirDocumento({}).chopped(2) + QByteArray(kMaximoDocumento, ' ') + "}\n");
        grande.close();
        QFile cerrado(ruta("cerrado.zzc"));
        QVERIFY(cerrado.open(QIODevice::WriteOnly));
        cerrado.write(EscribirDocumento({}));
        cerrado.close();
        QVERIFY(cerrado.setPermissions(QFileDevice::WriteOwner));
        const struct {
            const char* nombre;
            const char* motivo;
        } casos[] = {
            {"carpeta.zzc", "carpeta"},
            {"tuberia.zzc", "no es un fichero normal"},
            {"grande.zzc", "demasiado grande"},
            {"no_esta.zzc", "no existe"},
            {"cerrado.zzc", "permiso"},
        };
        for (const auto& caso : casos) {
            if (QByteArray(caso.nombre) == "cerrado.zzc" && ::geteuid() == 0)
                continue;  // root reads it all the same
            DocumentoCalculo documento;
            documento.pagina = PaginaDocumento::Depreciacion;
            QString motivo;
            QVERIFY2(!CargarDocumento(ruta(caso.nombre), documento, &motivo), caso.nombre);
            QVERIFY2(motivo.contains(QLatin1String(caso.motivo)), qPrintable(caso.nombre + (": " + motivo)));
            QCOMPARE(documento.pagina, PaginaDocumento::Depreciacion);
        }
        QCOMPARE(MensajeDocumento(false, ruta("x.zzc"), QStringLiteral("el fichero está vacío")),
                 QStringLiteral("No se puede abrir el cálculo «%1»: el fichero está vacío").arg(ruta("x.zzc")));
    }
};

QTEST_GUILESS_MAIN(TestDocumentoCalculo)
#include "test_documento_calculo.moc"
