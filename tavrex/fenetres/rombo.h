#ifndef TAVREX_ROMBO_H
#define TAVREX_ROMBO_H

#include <functional>
#include <memory>
#include <vector>

#include <QFrame>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QString>

#include "sousfenetre.h"

class CaptIrCNX;
class Connexion;
class ContactCNX;
class MiseAEchelle;
class Modele;
class QCheckBox;
class QComboBox;
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
// field echoes into the model. The numeric fields go through the model's tables of
// robot values, as the robot file does.
class Rombo : public SousFenetre
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
    // Shows tab n (0 jack ... 5 mechanics), as a click on it would.
    void montreOnglet(int n);
    // Every tab whole without scrolling, the sensors' panel included: with the top view
    // at its least, at its drawn size, and the width that shows it as large as a
    // window `hauteur` pixels tall lets it be.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;
    int largeurPour(int hauteur) const;
    // The top view's scale, 1 at its drawn size.
    double echelleVueDeDessus() const;
    QGraphicsScene* vueDeDessus() { return &scene; }
    FocusItemCNY* marqueur() const { return focusItem; }
    QGraphicsPixmapItem* imageCapteur(int n) const { return (n >= 0 && n < 12) ? tabItems[n] : nullptr; }
    QCheckBox* interrupteurFdc() const { return fdc; }
    const QString& getFichier() const { return fichier; }
    int getCaptIrIndex() const { return captIrIndex; }
    // The robot file read or written without a dialog (the file dialogs and the command
    // line come here). Returns whether it worked; on failure the window says so and
    // `fichier` stays as it was.
    bool ouvrirFichier(const QString& nom);
    bool sauverFichier(const QString& nom);

    // Top view: robot millimetres to the scene point of a sensor picture's corner.
    QPointF versScene(double x, double y) const;

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
    void on_fdcPin_currentIndexChanged(int i);
    void on_fdcContact_currentIndexChanged(int i);
    void on_fdcSchema_currentIndexChanged(int i);

    void on_cnyPin_currentIndexChanged(int i);
    void on_cnySchPullup_currentIndexChanged(int i);
    void on_comboComparateur_currentIndexChanged(int i);
    void on_toolButtonAdd_clicked();
    void on_toolButtonSuppr_clicked();
    void on_buttonPrev_clicked();
    void on_buttonNext_clicked();
    void on_checkBoxTestBlanc_toggled(bool on);

    void on_motPinsButton_clicked();
    void on_toolButtonDiffMot_toggled(bool on);

    void on_saveButton_clicked();
    void on_openButton_clicked();
    void on_tabWidget_currentChanged(int i);
    void on_checkBoxAxes_toggled(bool on);

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    // Binds each numeric field to its value in the model's tables.
    void lieChamps();
    void remplirComboPins(QComboBox& combo, const Connexion& connexion);
    void changePinsInUse();
    void changerJackSchema();
    void changerFdcSchema();
    void changerCaptIrSchema();
    void afficheContact(const ContactCNX& contact, QComboBox& pin, QComboBox& contactNO, QComboBox& schema,
                        QLabel& schemaPin);
    // Which PWM output drives which motor, as the model has it wired.
    void afficheBrochesMoteurs();
    // The contents' least size, every tab counted.
    QSize contenuMinimal() const;
    // The selected sensor; null when there is none.
    CaptIrCNX* capteur() const;
    void placeCapteur(int n);
    // Where a new sensor goes across the robot, beside sensor `dernier`, the last one.
    double placeLibre(int dernier) const;
    void signaleFichier(const QString& texte);
    // The robot file's name in the window's title, once one was read or written.
    void montreNomFichier();

    Ui::Rombo* ui;
    QGraphicsScene scene;
    QGraphicsPixmapItem* tabItems[12] = {};
    FocusItemCNY* focusItem = nullptr;
    const double echelle;
    const double delta;
    // Between two neighbouring sensors, in mm: the spacing of the example robot's row,
    // where the pictures (10.4 mm across) stand apart.
    static constexpr double ecartCapteurs = 15.0;
    QCheckBox* fdc = nullptr;
    // The top view's drawn size, and its scaling to the room it has.
    static constexpr QSize tailleVue{300, 320};
    std::unique_ptr<MiseAEchelle> echelleVue;
    Modele* modele;
    QString fichier;
    int captIrIndex;
    // The form's captions of the two PWM outputs, shown by the motor each drives.
    QString brochePwm1, brochePwm2;
    // Each shows one numeric field from the model: those of the whole robot, those of
    // the selected sensor.
    std::vector<std::function<void()>> affichesRobot, affichesCapteur;
};

#endif
