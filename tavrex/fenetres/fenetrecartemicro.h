#ifndef TAVREX_FENETRECARTEMICRO_H
#define TAVREX_FENETRECARTEMICRO_H

#include <memory>

#include <QFrame>
#include <QString>

#include "lcdscreenview.h"
#include "preparation.h"
#include "sousfenetre.h"

struct Action;

class MiseAEchelle;
class Modele;
class QPushButton;

namespace Ui {
class FenetreCarteMicro;
}

// The picture of the microcontroller board: the program file, the power switch and
// lamp, the reset button, the LCD and its contrast knob, the LED on RA6, the three
// push buttons with their locks and the potentiometer on AN0; under it, while there
// are some, the strip of the chip's diagnostics, and beside the file a warning mark
// while some are unread.
class FenetreCarteMicro : public SousFenetre
{
    Q_OBJECT

public:
    FenetreCarteMicro(Modele& modele, QWidget* parent = nullptr);
    ~FenetreCarteMicro() override;
    FenetreCarteMicro(const FenetreCarteMicro&) = delete;
    FenetreCarteMicro& operator=(const FenetreCarteMicro&) = delete;

    // The keyboard's hands on the board, through the main window.
    void set_bp0Pressed();
    void set_bp0Released();
    void set_bp1Pressed();
    void set_bp1Released();
    void set_bp2Pressed();
    void set_bp2Released();
    void set_resetPressed();
    void set_resetReleased();
    // The reset button shown held or not, the model told nothing (a snapshot opened).
    void montreReset(bool tenu);
    void augmenteAn0();
    void diminueAn0();

    // Loads a HEX program as the open button does once a file is chosen, and says
    // how the load went.
    ChargementHex chargerProgramme(const QString& chemin);
    // A file refused (a snapshot): the reason on the file line, in red.
    void signaleRefus(const QString& raison);
    // Switches the board on or off as the power switch does.
    void setPower(bool on);
    // A board action with the widgets following it: a pressed button drawn down, the
    // knob moved; the robot's actions go to the model.
    void joue(const Action& action);

    // The board drawn at `facteur` of its size (at most 1, its own look), for a short
    // screen: every part in its place, the LCD and the knobs smaller.
    void setEchelle(double facteur);
    double getEchelle() const;

    Ui::FenetreCarteMicro* formulaire() const { return ui; }
    const LcdScreenView& vueLcd() const { return lcd; }

signals:
    void refreshEnabled(bool);
    // A diagnostic of the run chosen in the strip: the address of its instruction.
    void diagnosticChoisi(quint32 pc);
    // The strip of diagnostics came or went: the window's height changed.
    void hauteurChangee();
    // A program was loaded from this HEX file.
    void programmeCharge(const QString& chemin);

public slots:
    void on_an0Dial_valueChanged(int n);
    void on_an0SpinBox_valueChanged(double v);
    void on_checkBoxMaintienBP0_clicked(bool on);
    void on_checkBoxMaintienBP1_clicked(bool on);
    void on_checkBoxMaintienBP2_clicked(bool on);
    void on_boutonPower_toggled(bool on);
    void on_pushButtonOuvrir_clicked();
    void on_pushButtonRefresh_clicked();

private:
    QPushButton* bouton(int n) const;
    void appuie(int n, bool enfonce);
    void verrouille(int n, bool on);
    void actualiseBouton(int n);
    // Reads the file and shows how it went on the file label.
    ChargementHex lireFichier(const QString& chemin);
    void montreDiagnostics(bool oui);
    void montreModeSilicium();

    Ui::FenetreCarteMicro* ui;
    Modele* modele;
    LcdScreenView lcd;
    std::unique_ptr<MiseAEchelle> echelle;
    // Per button: held by its key or the mouse, held by its lock.
    QString dernierCharge;   // the last program that loaded
    bool tenu[3] = {};
    bool verrou[3] = {};
};

#endif
