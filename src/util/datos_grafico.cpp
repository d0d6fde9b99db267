#include "util/datos_grafico.h"

#include "util/textos_numericos.h"

#include <algorithm>
#include <cmath>

QList<QPointF> DiezmarPuntos(const QList<QPointF>& puntos, int columnas) {
    columnas = std::max(columnas, 1);
    if (puntos.size() <= 2 * qsizetype(columnas) + 2)
        return puntos;
    const double x0 = puntos.front().x();
    const double ancho = (puntos.back().x() - x0) / columnas;
    QList<QPointF> resultado;
    resultado.reserve(2 * columnas + 2);
    resultado.append(puntos.front());
    qsizetype menor = -1, mayor = -1;
    int columna = -1;
    auto cerrar = [&] {
        if (menor < 0)
            return;
        const qsizetype a = std::min(menor, mayor), b = std::max(menor, mayor);
        if (a != 0)
            resultado.append(puntos[a]);
        if (b != a && b != puntos.size() - 1)
            resultado.append(puntos[b]);
    };
    for (qsizetype i = 0; i < puntos.size(); ++i) {
        const int c = ancho > 0 ? std::min(int((puntos[i].x() - x0) / ancho), columnas - 1) : 0;
        if (c != columna) {
            cerrar();
            columna = c;
            menor = mayor = i;
        } else if (puntos[i].y() < puntos[menor].y()) {
            menor = i;
        } else if (puntos[i].y() > puntos[mayor].y()) {
            mayor = i;
        }
    }
    cerrar();
    if (resultado.back() != puntos.back())
        resultado.append(puntos.back());
    return resultado;
}

QString TextoTramo(const QStringList& categorias, qsizetype desde, qsizetype hasta) {
    constexpr QChar kGuion(0x2013);
    return categorias[desde].section(kGuion, 0, 0) + kGuion + categorias[hasta].section(kGuion, -1);
}

DatosGrafico AgruparBarras(const DatosGrafico& datos, int maximo) {
    const qsizetype total = datos.categorias.size();
    maximo = std::max(maximo, 1);
    if (total <= maximo)
        return datos;
    const qsizetype grupo = (total + maximo - 1) / maximo;
    DatosGrafico agrupado = datos;
    agrupado.categorias.clear();
    for (qsizetype desde = 0; desde < total; desde += grupo) {
        const qsizetype hasta = std::min(desde + grupo, total) - 1;
        agrupado.categorias << TextoTramo(datos.categorias, desde, hasta);
    }
    for (SerieGrafico& serie : agrupado.series) {
        QList<QPointF> sumas;
        for (qsizetype desde = 0; desde < serie.puntos.size(); desde += grupo) {
            double suma = 0;
            for (qsizetype i = desde; i < std::min(desde + grupo, serie.puntos.size()); ++i)
                suma += serie.puntos[i].y();
            sumas.append(QPointF(double(sumas.size()), suma));
        }
        serie.puntos = sumas;
    }
    return agrupado;
}

QList<double> MarcasEje(double minimo, double maximo, int cuantas) {
    if (!std::isfinite(minimo) || !std::isfinite(maximo))
        return {0, 1};
    if (minimo > maximo)
        std::swap(minimo, maximo);
    if (maximo - minimo <= 0) {
        const double margen = minimo == 0 ? 1 : std::abs(minimo) / 2;
        minimo -= margen;
        maximo += margen;
    }
    const double bruto = (maximo - minimo) / std::max(cuantas, 1);
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    const double normal = bruto / potencia;
    const double paso = (normal <= 1 ? 1 : normal <= 2 ? 2 : normal <= 5 ? 5 : 10) * potencia;
    QList<double> marcas;
    const double primera = std::floor(minimo / paso + 1e-9) * paso;
    for (double v = primera; v <= maximo + paso * (1 - 1e-9) && marcas.size() < 1000; v += paso)
        marcas.append(std::abs(v) < paso * 1e-9 ? 0.0 : v);
    if (marcas.size() < 2)
        marcas.append(primera + paso);
    return marcas;
}

QString TextoMarca(double valor, double paso) {
    if (paso >= 1 && std::abs(valor - std::round(valor)) < 1e-6 && std::abs(valor) < 1e15)
        return TextoEnteroAgrupado((long long)std::llround(valor));
    return TextoImporte(valor);
}

QString DescripcionGrafico(const DatosGrafico& datos) {
    QString texto = QStringLiteral("Gráfico «%1». Eje horizontal: %2; eje vertical: %3.")
                        .arg(datos.titulo, datos.tituloEjeX, datos.tituloEjeY);
    for (const SerieGrafico& serie : datos.series) {
        texto += QStringLiteral(" Serie «%1»: %2 puntos").arg(serie.nombre, TextoEnteroAgrupado(serie.puntos.size()));
        if (!serie.puntos.isEmpty())
            texto += QStringLiteral(", de %1 a %2")
                         .arg(TextoImporte(serie.puntos.front().y()), TextoImporte(serie.puntos.back().y()));
        texto += QLatin1Char('.');
    }
    return texto;
}
