#ifndef TAVREX_SAISIEREELLE_H
#define TAVREX_SAISIEREELLE_H

#include <QDoubleSpinBox>

// A field for a real number that lets the user type. What is typed applies when the
// typing ends (Enter, or the focus going elsewhere), so that whatever the field drives
// and shows back (a dial, a slider, the model) cannot rewrite the text under the
// user's fingers; the arrows and the wheel still apply at once. A comma and a point
// both read as the decimal separator, whatever the language of the texts. Escape gives
// up what was typed and leaves the field, so that the keyboard drives the board again.
// While it has the focus, the field wears a frame that can be seen from afar.
// In a Designer form: a QDoubleSpinBox promoted to SaisieReelle, header saisiereelle.h.
class SaisieReelle : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit SaisieReelle(QWidget* parent = nullptr);

    QValidator::State validate(QString& texte, int& pos) const override;
    double valueFromText(const QString& texte) const override;

    // The frame of the field that has the focus.
    static const QColor couleurFocus;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The text with either separator, between the prefix and the suffix, turned into
    // the one of the field's language.
    QString separateurDeLaLangue(const QString& texte) const;
    // Gives the focus to the window that holds the field, or to nobody when it takes
    // none: the keys then go to the main window.
    void rendLeFocus();
};

#endif
