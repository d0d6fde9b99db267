#include "aceleradores.h"

#include <QAbstractButton>
#include <QLabel>

QStringList LetrasAcelerador(const QWidget* raiz, QStringList captions) {
    for (const QLabel* l : raiz->findChildren<QLabel*>())
        captions << l->text();
    for (const QAbstractButton* b : raiz->findChildren<QAbstractButton*>())
        captions << b->text();
    QStringList letras;
    for (const QString& caption : captions) {
        const qsizetype i = caption.indexOf('&');
        if (i >= 0 && i + 1 < caption.size())
            letras << caption.mid(i + 1, 1).toLower();
    }
    return letras;
}
