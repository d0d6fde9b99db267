#include "ui/imagen_svg.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QXmlStreamReader>
#include <QtMath>

namespace {

// Paint attributes in force for an element; groups pass theirs to children.
struct Estilo {
    QColor relleno = Qt::black;
    QColor trazo;  // invalid: no stroke
    double grosor = 1;
    Qt::PenCapStyle extremo = Qt::FlatCap;
    Qt::PenJoinStyle union_ = Qt::MiterJoin;
};

double Numero(const QXmlStreamAttributes& a, const char* nombre, double porDefecto = 0) {
    bool ok = false;
    const double v = a.value(QLatin1String(nombre)).toDouble(&ok);
    return ok ? v : porDefecto;
}

QColor Color(QStringView texto) {
    if (texto == u"none")
        return {};
    return QColor::fromString(texto);
}

Estilo Heredar(const Estilo& padre, const QXmlStreamAttributes& a) {
    Estilo e = padre;
    if (a.hasAttribute(QLatin1String("fill")))
        e.relleno = Color(a.value(QLatin1String("fill")));
    if (a.hasAttribute(QLatin1String("stroke")))
        e.trazo = Color(a.value(QLatin1String("stroke")));
    e.grosor = Numero(a, "stroke-width", e.grosor);
    const auto extremo = a.value(QLatin1String("stroke-linecap"));
    if (extremo == u"round")
        e.extremo = Qt::RoundCap;
    else if (extremo == u"square")
        e.extremo = Qt::SquareCap;
    const auto union_ = a.value(QLatin1String("stroke-linejoin"));
    if (union_ == u"round")
        e.union_ = Qt::RoundJoin;
    else if (union_ == u"bevel")
        e.union_ = Qt::BevelJoin;
    return e;
}

QList<double> Numeros(QStringView texto) {
    QList<double> numeros;
    QString actual;
    auto cerrar = [&] {
        if (!actual.isEmpty())
            numeros << actual.toDouble();
        actual.clear();
    };
    for (const QChar c : texto) {
        const bool inicioNuevo = (c == u'-' && !actual.isEmpty() && !actual.endsWith(u'e'));
        if (c.isDigit() || c == u'.' || c == u'-' || c == u'e') {
            if (inicioNuevo || (c == u'.' && actual.contains(u'.')))
                cerrar();
            actual += c;
        } else {
            cerrar();
        }
    }
    cerrar();
    return numeros;
}

// Path data: M, L, H, V, C, Q and Z, absolute and relative.
QPainterPath Trayecto(QStringView datos) {
    QPainterPath trayecto;
    int i = 0;
    while (i < datos.size()) {
        const QChar orden = datos[i];
        int fin = i + 1;
        while (fin < datos.size() && !datos[fin].isLetter())
            ++fin;
        const QList<double> n = Numeros(datos.mid(i + 1, fin - i - 1));
        const bool relativo = orden.isLower();
        switch (orden.toUpper().unicode()) {
        case 'M':
            for (int k = 0; k + 1 < n.size(); k += 2) {
                const QPointF base = relativo ? trayecto.currentPosition() : QPointF();
                const QPointF p = base + QPointF(n[k], n[k + 1]);
                k == 0 ? trayecto.moveTo(p) : trayecto.lineTo(p);
            }
            break;
        case 'L':
            for (int k = 0; k + 1 < n.size(); k += 2) {
                const QPointF base = relativo ? trayecto.currentPosition() : QPointF();
                trayecto.lineTo(base + QPointF(n[k], n[k + 1]));
            }
            break;
        case 'H':
            for (double x : n)
                trayecto.lineTo((relativo ? trayecto.currentPosition().x() : 0) + x, trayecto.currentPosition().y());
            break;
        case 'V':
            for (double y : n)
                trayecto.lineTo(trayecto.currentPosition().x(), (relativo ? trayecto.currentPosition().y() : 0) + y);
            break;
        case 'C':
            for (int k = 0; k + 5 < n.size(); k += 6) {
                const QPointF b = relativo ? trayecto.currentPosition() : QPointF();
                trayecto.cubicTo(b + QPointF(n[k], n[k + 1]), b + QPointF(n[k + 2], n[k + 3]),
                                 b + QPointF(n[k + 4], n[k + 5]));
            }
            break;
        case 'Q':
            for (int k = 0; k + 3 < n.size(); k += 4) {
                const QPointF b = relativo ? trayecto.currentPosition() : QPointF();
                trayecto.quadTo(b + QPointF(n[k], n[k + 1]), b + QPointF(n[k + 2], n[k + 3]));
            }
            break;
        case 'Z':
            trayecto.closeSubpath();
            break;
        default:
            break;
        }
        i = fin;
    }
    return trayecto;
}

QPolygonF Puntos(QStringView texto) {
    const QList<double> n = Numeros(texto);
    QPolygonF puntos;
    for (int k = 0; k + 1 < n.size(); k += 2)
        puntos << QPointF(n[k], n[k + 1]);
    return puntos;
}

// The outline of a drawing element; empty for anything else.
QPainterPath Figura(QStringView nombre, const QXmlStreamAttributes& a, bool& cerrada) {
    QPainterPath figura;
    cerrada = true;
    if (nombre == u"rect") {
        const QRectF r(Numero(a, "x"), Numero(a, "y"), Numero(a, "width"), Numero(a, "height"));
        const double rx = Numero(a, "rx", Numero(a, "ry"));
        figura.addRoundedRect(r, rx, Numero(a, "ry", rx));
    } else if (nombre == u"circle") {
        const double r = Numero(a, "r");
        figura.addEllipse(QPointF(Numero(a, "cx"), Numero(a, "cy")), r, r);
    } else if (nombre == u"ellipse") {
        figura.addEllipse(QPointF(Numero(a, "cx"), Numero(a, "cy")), Numero(a, "rx"), Numero(a, "ry"));
    } else if (nombre == u"line") {
        cerrada = false;
        figura.moveTo(Numero(a, "x1"), Numero(a, "y1"));
        figura.lineTo(Numero(a, "x2"), Numero(a, "y2"));
    } else if (nombre == u"polyline" || nombre == u"polygon") {
        cerrada = nombre == u"polygon";
        const QPolygonF p = Puntos(a.value(QLatin1String("points")));
        figura.addPolygon(p);
        if (cerrada)
            figura.closeSubpath();
    } else if (nombre == u"path") {
        figura = Trayecto(a.value(QLatin1String("d")));
    }
    return figura;
}

void Pintar(QPainter& pintor, const QPainterPath& figura, bool cerrada, const Estilo& e) {
    // An open line is only stroked, as a person drawing it expects.
    pintor.setBrush(cerrada && e.relleno.isValid() ? QBrush(e.relleno) : QBrush(Qt::NoBrush));
    if (e.trazo.isValid() && e.grosor > 0)
        pintor.setPen(QPen(e.trazo, e.grosor, Qt::SolidLine, e.extremo, e.union_));
    else
        pintor.setPen(Qt::NoPen);
    pintor.drawPath(figura);
}

QRectF Vista(const QXmlStreamAttributes& a) {
    const QList<double> v = Numeros(a.value(QLatin1String("viewBox")));
    if (v.size() == 4 && v[2] > 0 && v[3] > 0)
        return QRectF(v[0], v[1], v[2], v[3]);
    return QRectF(0, 0, Numero(a, "width", 1), Numero(a, "height", 1));
}

}  // namespace

bool DibujarSvg(QPainter& pintor, const QByteArray& documento, const QRectF& destino) {
    QXmlStreamReader lector(documento);
    QList<Estilo> pila;
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    bool raiz = false;
    while (!lector.atEnd()) {
        lector.readNext();
        if (lector.isEndElement() && !pila.isEmpty()) {
            pila.removeLast();
        } else if (lector.isStartElement()) {
            const auto a = lector.attributes();
            if (!raiz) {
                if (lector.name() != u"svg")
                    break;
                raiz = true;
                const QRectF vista = Vista(a);
                pintor.translate(destino.topLeft());
                pintor.scale(destino.width() / vista.width(), destino.height() / vista.height());
                pintor.translate(-vista.topLeft());
                pila << Heredar(Estilo(), a);
                continue;
            }
            const Estilo e = Heredar(pila.isEmpty() ? Estilo() : pila.last(), a);
            bool cerrada = true;
            const QPainterPath figura = Figura(lector.name(), a, cerrada);
            if (!figura.isEmpty())
                Pintar(pintor, figura, cerrada, e);
            pila << e;
        }
    }
    pintor.restore();
    return raiz && !lector.hasError();
}

QPixmap PixmapSvg(const QString& recurso, const QSize& tamano) {
    QFile fichero(recurso);
    if (!fichero.open(QIODevice::ReadOnly))
        return {};
    QPixmap imagen(tamano);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    if (!DibujarSvg(pintor, fichero.readAll(), QRectF(QPointF(0, 0), tamano))) {
        pintor.end();
        return {};
    }
    return imagen;
}

QIcon IconoSvg(const QString& recurso, const QSize& tamano) {
    QIcon icono;
    for (int escala : {1, 2}) {
        const QPixmap imagen = PixmapSvg(recurso, tamano * escala);
        if (imagen.isNull())
            continue;
        QPixmap conEscala = imagen;
        conEscala.setDevicePixelRatio(escala);
        icono.addPixmap(conEscala);
    }
    return icono;
}
