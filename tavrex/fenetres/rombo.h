#ifndef TAVREX_ROMBO_H
#define TAVREX_ROMBO_H

#include <QFrame>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QString>

class CaptIrCNX;
class Connexion;
class ContactCNX;
class Modele;
class MoteurCNX;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QDoubleSpinBox;
class QLabel;

namespace Ui {
class Rombo;
}

// The marker of the selected sensor on the robot's top view: the user drags it, and it
// stays inside the area where a sensor may sit (limits in scene units).
class FocusItemCNY : public QObject, public QGraphicsPixmapItem
{
    Q_OBJECT

public:
    FocusItemCNY(const QPixmap& image, double xMin, double xMax, double yMin, double yMax);

signals:
    void moved();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    double xMax, xMin, yMax, yMin;
};

// The robot configuration window: the wiring of the jack, the end-of-travel switch and
// the infrared sensors, the H-bridges and motors, the mechanics, and the robot file.
// Every field writes the model at once; what the window shows is read back from the
// model (viewModele, viewCaptIrModele) with the fields' signals blocked, so that no
// field echoes into the model.
class Rombo : public QFrame
{
    Q_OBJECT

public:
    explicit Rombo(Modele& modele, QWidget* parent = nullptr);
    ~Rombo() override;

    // The keyboard's hands on the robot, through the main window.
    void jackToggle();
    void appuiFdc();
    void relacheFdc();

    Ui::Rombo* formulaire() const { return ui; }
    QGraphicsScene* vueDeDessus() { return &scene; }
    FocusItemCNY* marqueur() const { return focusItem; }
    QGraphicsPixmapItem* imageCapteur(int n) const { return (n >= 0 && n < 12) ? tabItems[n] : nullptr; }
    QCheckBox* interrupteurFdc() const { return fdc; }
    const QString& getFichier() const { return fichier; }
    int getCaptIrIndex() const { return captIrIndex; }
    bool getPwm1aGauche() const { return pwm1aGauche; }
    // The robot file read or written without a dialog (the file dialogs and the command
    // line come here). Returns whether it worked; on failure the window says so and
    // `fichier` stays as it was.
    bool ouvrirFichier(const QString& nom);
    bool sauverFichier(const QString& nom);

    // Top view: robot millimetres to the scene point of a sensor picture's corner.
    QPointF versScene(double x, double y) const;

signals:
    void estCache(bool);

public slots:
    void viewModele();
    void viewCaptIrModele();
    void moveCapteur();
    void fdcChange();
    void afficheDataTest();
    void fdcClick(bool on);

    void on_jackPin_currentIndexChanged(int i);
    void on_jackContact_currentIndexChanged(int i);
    void on_jackSchema_currentIndexChanged(int i);
    void on_jackResistance_valueChanged(double v);
    void on_fdcPin_currentIndexChanged(int i);
    void on_fdcContact_currentIndexChanged(int i);
    void on_fdcSchema_currentIndexChanged(int i);
    void on_fdcResistance_valueChanged(double v);

    void on_cnyPin_currentIndexChanged(int i);
    void on_cnySchPullup_currentIndexChanged(int i);
    void on_comboComparateur_currentIndexChanged(int i);
    void on_doubleRd_valueChanged(double v);
    void on_doubleRt_valueChanged(double v);
    void on_doubleRc_valueChanged(double v);
    void on_doubleVseuil_valueChanged(double v);
    void on_doubleX_valueChanged(double v);
    void on_doubleY_valueChanged(double v);
    void on_doubleH_valueChanged(double v);
    void on_toolButtonAdd_clicked();
    void on_toolButtonSuppr_clicked();
    void on_buttonPrev_clicked();
    void on_buttonNext_clicked();
    void on_checkBoxTestBlanc_toggled(bool on);

    void on_motPinsButton_clicked();
    void on_doubleVdiode_valueChanged(double v);
    void on_doubleRdson_valueChanged(double v);
    void on_doubleRmotG_valueChanged(double v);
    void on_doubleLmotG_valueChanged(double v);
    void on_doubleKphiG_valueChanged(double v);
    void on_doubleI0motG_valueChanged(double v);
    void on_doubleInertieG_valueChanged(double v);
    void on_doubleRmotD_valueChanged(double v);
    void on_doubleLmotD_valueChanged(double v);
    void on_doubleKphiD_valueChanged(double v);
    void on_doubleI0motD_valueChanged(double v);
    void on_doubleInertieD_valueChanged(double v);
    void on_toolButtonDiffMot_toggled(bool on);

    void on_doubleMasse_valueChanged(double v);
    void on_doubleVoie_valueChanged(double v);
    void on_doubleMoquette_valueChanged(double v);
    void on_doubleScotch_valueChanged(double v);
    void on_doubleKroul_valueChanged(double v);
    void on_doubleDiametreRoue_valueChanged(double v);
    void on_doubleVbat_valueChanged(double v);
    void on_doubleRapport_valueChanged(double v);
    void on_doubleRendement_valueChanged(double v);

    void on_saveButton_clicked();
    void on_openButton_clicked();
    void on_tabWidget_currentChanged(int i);
    void on_checkBoxAxes_toggled(bool on);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void remplirComboPins(QComboBox& combo, const Connexion& connexion);
    void changePinsInUse();
    void changerJackSchema();
    void changerFdcSchema();
    void changerCaptIrSchema();
    void afficheContact(const ContactCNX& contact, QComboBox& pin, QComboBox& contactNO, QComboBox& schema,
                        QDoubleSpinBox& resistance, QLabel& schemaPin);
    // The selected sensor; null when there is none.
    CaptIrCNX* capteur() const;
    // A motor parameter of the left panel: the right motor follows while the two are linked.
    void regleMoteurG(void (MoteurCNX::*ecrit)(double), double valeur, QDoubleSpinBox& champDroit,
                      double affiche);
    void regleMoteurD(void (MoteurCNX::*ecrit)(double), double valeur);
    void placeCapteur(int n);
    void signaleFichier(const QString& texte);

    Ui::Rombo* ui;
    QGraphicsScene scene;
    QGraphicsPixmapItem* tabItems[12] = {};
    FocusItemCNY* focusItem = nullptr;
    const double echelle;
    const double delta;
    QCheckBox* fdc = nullptr;
    Modele* modele;
    QString fichier;
    bool pwm1aGauche;
    int captIrIndex;
};

#endif
