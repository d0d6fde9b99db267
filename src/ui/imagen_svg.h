#pragma once
// Our toolbar and window pictures are small SVG drawings compiled into the
// program. Qt's own SVG module is not part of the program, so this draws the
// plain subset our drawings use: rect, circle, ellipse, line, polyline,
// polygon and path (straight lines and Bézier curves), with fill, stroke and
// stroke-width, inherited through groups.
#include <QIcon>
#include <QPixmap>
#include <QString>

class QPainter;
class QRectF;

// Draws the SVG document scaled into the rectangle. Returns false when the
// document is not SVG or is damaged (a damaged one may be drawn in part).
bool DibujarSvg(QPainter& pintor, const QByteArray& documento, const QRectF& destino);

// The picture of a resource file (":/icons/x.svg") at the given size, on a
// transparent background; an empty pixmap when the file is missing or damaged.
QPixmap PixmapSvg(const QString& recurso, const QSize& tamano);

// An icon with the picture at the given size (and at twice the size for
// high-density screens); the style greys it out when disabled.
QIcon IconoSvg(const QString& recurso, const QSize& tamano);
