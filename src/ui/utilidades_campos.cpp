#include "ui/utilidades_campos.h"

#include "util/ajustes_regionales.h"
#include "ui/clase_aux.h"
#include "util/fechas.h"
#include "util/filtro_numerico.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace {

// Positions that take any character, so that the blanks of an empty date are
// real characters of the text: text() of an untouched field reads
// "  /  /    ", as the date check expects. The key filter lets only digits
// and blanks through.
const QString kMascaraFecha = QStringLiteral("xx/xx/xxxx;_");
const QChar kBlancoMascara = QLatin1Char('_');
const char* const kFechaNormalizada = "zzFechaNormalizada";

// Clearing positions of a masked field leaves mask blanks, which text()
// drops; they are written back as real blanks so that the text keeps its ten
// characters.
void NormalizarCampoFecha(QLineEdit* campo) {
    const QString visto = campo->displayText();
    if (campo->text().size() == visto.size())
        return;
    QString texto = visto;
    texto.replace(kBlancoMascara, QLatin1Char(' '));
    const int cursor = campo->cursorPosition();
    const bool modificado = campo->isModified();
    campo->setText(texto);
    campo->setCursorPosition(cursor);
    campo->setModified(modificado);
}

bool EsCampo(const QWidget* w) { return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w); }

bool EsCampoResaltable(const QWidget* w) { return EsCampo(w) || qobject_cast<const QAbstractItemView*>(w); }

QList<QWidget*> HijosDirectos(QWidget* contenedor) {
    return contenedor->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

void FijarEnTabulacion(QWidget* campo, bool enTabulacion) {
    const int politica = campo->focusPolicy();
    const int nueva = enTabulacion ? (politica | Qt::TabFocus | Qt::ClickFocus) : (politica & ~Qt::TabFocus);
    campo->setFocusPolicy(Qt::FocusPolicy(nueva));
}

}  // namespace

void AjustarFormatosFecha() { LeerAjustesRegionales(QLocale()); }

void CargarListaTexto(const QString& texto, QStringList& lista) {
    lista.clear();
    QStringView resto(texto);
    while (!resto.isEmpty()) {
        const qsizetype punto = resto.indexOf(QLatin1Char(';'));
        if (punto < 0) {
            lista << resto.toString();
            break;
        }
        lista << resto.left(punto).toString();
        resto = resto.mid(punto + 1);
    }
}

void CargarListaTexto(const QString& texto, QComboBox* combo) {
    QStringList lista;
    CargarListaTexto(texto, lista);
    combo->clear();
    combo->addItems(lista);
}

void PrepararCampoNumerico(QLineEdit* campo, bool decimales, bool signo) {
    campo->setProperty("tag", TagNumerico(decimales, signo));
    if (!TClaseAux::TieneFiltroNumerico(campo))
        TClaseAux::FijarFiltroNumerico(campo);
}

void PrepararCampoFecha(QLineEdit* campo, bool blancoPermitido) {
    TClaseAux::FijarSalida(campo, TClaseAux::SalidaValidarFecha);
    campo->setProperty("tag", blancoPermitido ? 0 : 1);
    if (!campo->property(kFechaNormalizada).toBool()) {
        campo->setProperty(kFechaNormalizada, true);
        QObject::connect(campo, &QLineEdit::textChanged, campo, [campo] { NormalizarCampoFecha(campo); });
    }
    const QString anterior = campo->text();
    campo->setInputMask(kMascaraFecha);
    campo->setText(anterior);
    NormalizarCampoFecha(campo);
}

void ValidarFechaAlSalir(QLineEdit* campo) { TClaseAux::Instancia().ValidarFechaAlSalir(campo); }

void FechaDeHoySiEnBlanco(QLineEdit* campo) {
    if (FechaEnBlanco(campo->text()))
        campo->setText(TextoFecha(QDate::currentDate()));
}

bool LeerValidacion() { return TClaseAux::Instancia().LeerValidacion(); }

void HabilitarCampo(QWidget* campo, ModoCampo modo, MarcoCampo marco) {
    const bool editable = modo == ModoCampo::Editable;
    const bool relieve = marco == MarcoCampo::SegunModo;
    if (auto* edit = qobject_cast<QLineEdit*>(campo)) {
        edit->setReadOnly(!editable);
        if (relieve)
            edit->setFrame(editable);
    } else if (auto* combo = qobject_cast<QComboBox*>(campo)) {
        combo->setEnabled(editable);
        if (relieve)
            combo->setFrame(editable);
    }
    FijarColorFondo(campo, editable ? ColorEditable : ColorSoloLectura);
    FijarEnTabulacion(campo, editable);
}

void HabilitarCampos(QWidget* contenedor, ModoCampo modo, MarcoCampo marco) {
    for (QWidget* hijo : HijosDirectos(contenedor)) {
        if (EsCampo(hijo))
            HabilitarCampo(hijo, modo, marco);
        else if (!HijosDirectos(hijo).isEmpty())
            HabilitarCampos(hijo, modo, marco);
    }
}

void ResaltarCampos(QWidget* contenedor) {
    for (QWidget* hijo : HijosDirectos(contenedor)) {
        if (EsCampoResaltable(hijo)) {
            const auto* edit = qobject_cast<QLineEdit*>(hijo);
            if (edit && edit->isReadOnly())
                continue;
            if (TClaseAux::EntradaDe(hijo) == TClaseAux::SinEntrada)
                TClaseAux::FijarEntrada(hijo, TClaseAux::EntradaResaltar);
            if (TClaseAux::SalidaDe(hijo) == TClaseAux::SinSalida)
                TClaseAux::FijarSalida(hijo, TClaseAux::SalidaRestaurar);
        } else if (!HijosDirectos(hijo).isEmpty()) {
            ResaltarCampos(hijo);
        }
    }
}
