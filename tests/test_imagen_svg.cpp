#include "prueba_comun.h"

#include "ui/form_comun.h"
#include "ui/imagen_svg.h"

#include <QImage>
#include <QPainter>

namespace {

// Draws the document on a 20 × 20 white image.
QImage Dibujar(const QByteArray& documento, bool* leido = nullptr) {
    QImage imagen(20, 20, QImage::Format_ARGB32);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    const bool ok = DibujarSvg(pintor, documento, QRectF(0, 0, 20, 20));
    if (leido)
        *leido = ok;
    return imagen;
}

}  // namespace

class TestImagenSvg : public QObject {
    Q_OBJECT
private slots:
    // The colour at one point of each drawing: the figure is where it belongs,
    // with its fill, stroke and the inherited attributes of its group.
    void figuras_data() {
        QTest::addColumn<QByteArray>("figura");
        QTest::addColumn<QPoint>("punto");
        QTest::addColumn<QColor>("color");
        QTest::newRow("rectángulo") << QByteArray("<rect x='5' y='5' width='10' height='10' fill='#ff0000'/>")
                                    << QPoint(10, 10) << QColor(Qt::red);
        QTest::newRow("fuera del rectángulo")
            << QByteArray("<rect x='5' y='5' width='10' height='10' fill='#ff0000'/>") << QPoint(2, 2)
            << QColor(Qt::white);
        QTest::newRow("relleno por omisión negro") << QByteArray("<circle cx='10' cy='10' r='6'/>") << QPoint(10, 10)
                                                  << QColor(Qt::black);
        QTest::newRow("relleno heredado del grupo")
            << QByteArray("<g fill='blue'><ellipse cx='10' cy='10' rx='8' ry='3'/></g>") << QPoint(10, 10)
            << QColor(Qt::blue);
        QTest::newRow("sin relleno") << QByteArray("<rect x='2' y='2' width='16' height='16' fill='none' stroke='red'/>")
                                     << QPoint(10, 10) << QColor(Qt::white);
        QTest::newRow("trazo de una línea")
            << QByteArray("<line x1='0' y1='10' x2='20' y2='10' stroke='#00ff00' stroke-width='4'/>")
            << QPoint(10, 10) << QColor(Qt::green);
        QTest::newRow("trayecto relativo")
            << QByteArray("<path d='M2 2 h16 v16 h-16 z' fill='#ff0000'/>") << QPoint(15, 15) << QColor(Qt::red);
        QTest::newRow("polígono") << QByteArray("<polygon points='0,0 20,0 20,20' fill='red'/>") << QPoint(17, 3)
                                  << QColor(Qt::red);
        QTest::newRow("fuera del polígono") << QByteArray("<polygon points='0,0 20,0 20,20' fill='red'/>")
                                            << QPoint(3, 17) << QColor(Qt::white);
    }
    void figuras() {
        QFETCH(QByteArray, figura);
        QFETCH(QPoint, punto);
        QFETCH(QColor, color);
        const QByteArray documento = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 20 20'>" + figura + "</svg>";
        bool leido = false;
        const QImage imagen = Dibujar(documento, &leido);
        QVERIFY(leido);
        QCOMPARE(imagen.pixelColor(punto), color);
    }

    // The view box is scaled onto the target rectangle.
    void escala() {
        const QImage imagen = Dibujar("<svg viewBox='0 0 2 2'><rect x='1' y='1' width='1' height='1' fill='red'/></svg>");
        QCOMPARE(imagen.pixelColor(15, 15), QColor(Qt::red));
        QCOMPARE(imagen.pixelColor(5, 5), QColor(Qt::white));
    }

    void documentoIlegible_data() {
        QTest::addColumn<QByteArray>("documento");
        QTest::newRow("vacío") << QByteArray();
        QTest::newRow("no es svg") << QByteArray("<html><rect width='20' height='20'/></html>");
        QTest::newRow("cortado") << QByteArray("<svg viewBox='0 0 20 20'><rect width='20' height='20' fill='red'/>");
        QTest::newRow("basura") << QByteArray("\x01\x02<<>>svg");
    }
    void documentoIlegible() {
        QFETCH(QByteArray, documento);
        bool leido = true;
        Dibujar(documento, &leido);
        QVERIFY(!leido);
    }

    // Every picture of the shared image lists is in the program.
    void imagenesDeFormComun() {
        const TFormComun& comun = FormComun();
        QCOMPARE(comun.ImgListFinancieros.size(), TFormComun::ImgAcercade + 1);
        for (int i = 0; i < comun.ImgListFinancieros.size(); ++i) {
            QVERIFY2(!comun.ImgListFinancieros[i].isNull(), qPrintable(QString::number(i)));
            QVERIFY2(!comun.ImgListMenu[i].isNull(), qPrintable(QString::number(i)));
        }
        QVERIFY(PixmapSvg(QStringLiteral(":/icons/no_existe.svg"), {32, 24}).isNull());
    }
};

ZZ_TEST_MAIN(TestImagenSvg)
#include "test_imagen_svg.moc"
