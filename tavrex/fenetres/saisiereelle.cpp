#include "saisiereelle.h"

#include <QKeyEvent>
#include <QPainter>

// The amber of the board's power switch: it stands out on the board's green as on the
// grey of the other windows.
const QColor SaisieReelle::couleurFocus(255, 176, 0);

SaisieReelle::SaisieReelle(QWidget* parent) : QDoubleSpinBox(parent)
{
    setKeyboardTracking(false);
}

QString SaisieReelle::separateurDeLaLangue(const QString& texte) const
{
    // Only the number: a unit may hold a point (" g.cm2").
    const int debut = texte.startsWith(prefix()) ? prefix().size() : 0;
    const int fin = texte.endsWith(suffix()) ? texte.size() - suffix().size() : texte.size();
    const QChar separateur = locale().decimalPoint();
    QString lu = texte;
    for (int i = debut; i < fin; ++i)
        if (lu[i] == QLatin1Char('.') || lu[i] == QLatin1Char(','))
            lu[i] = separateur;
    return lu;
}

QValidator::State SaisieReelle::validate(QString& texte, int& pos) const
{
    // The field shows the separator of its language as soon as the other one is typed.
    texte = separateurDeLaLangue(texte);
    return QDoubleSpinBox::validate(texte, pos);
}

double SaisieReelle::valueFromText(const QString& texte) const
{
    return QDoubleSpinBox::valueFromText(separateurDeLaLangue(texte));
}

void SaisieReelle::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape) {
        QDoubleSpinBox::keyPressEvent(event);
        return;
    }
    // The value that applies comes back in the text before the field lets go, or
    // leaving it would apply what was typed.
    setValue(value());
    rendLeFocus();
    event->accept();
}

void SaisieReelle::rendLeFocus()
{
    for (QWidget* w = parentWidget(); w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (w->focusPolicy() & Qt::ClickFocus) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    clearFocus();
}

void SaisieReelle::paintEvent(QPaintEvent* event)
{
    QDoubleSpinBox::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(couleurFocus, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
}
