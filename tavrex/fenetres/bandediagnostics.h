#ifndef TAVREX_BANDEDIAGNOSTICS_H
#define TAVREX_BANDEDIAGNOSTICS_H

#include <QListWidget>
#include <QString>

#include "diagnostics.h"

// The strip under the board window where the chip's diagnostics are said, in French:
// one entry each, its chip time (the speed bar's clock), the instruction's address
// and text, then the message. The board window shows it while it has entries. Entries come in unread, in bold, until the user clicks
// one or asks for them (the board window's warning mark). Clicking an entry of the
// run chooses its instruction.
class BandeDiagnostics : public QListWidget
{
    Q_OBJECT

public:
    // The most entries kept: the oldest go first.
    static constexpr int entreesMax = 500;

    explicit BandeDiagnostics(QWidget* parent = nullptr);

    // The French text of a diagnostic, its arguments in place (numbers as the locale
    // writes them).
    static QString texte(const Diagnostic& d);
    int nonLus() const { return premierNonLu < 0 ? 0 : count() - premierNonLu; }

public slots:
    void ajoute(const Diagnostic& d);
    void efface();
    // Shows the first unread entry; every entry is read from then on.
    void montreNonLus();

signals:
    void nonLusChange(int nombre);
    // An entry of the run chosen: the address of its instruction.
    void instructionChoisie(quint32 pc);

private:
    void marqueLus();

    int premierNonLu = -1;   // row, -1 when all are read
};

#endif
