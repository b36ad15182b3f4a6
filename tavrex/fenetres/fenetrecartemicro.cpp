#include "fenetrecartemicro.h"

#include <cmath>

#include <QDir>
#include <QFile>
#include <QFileDialog>

#include "actions.h"
#include "modele.h"
#include "ui_fenetrecartemicro.h"

FenetreCarteMicro::FenetreCarteMicro(Modele& m, QWidget* parent)
    : SousFenetre(parent), ui(new Ui::FenetreCarteMicro), modele(&m), lcd(*m.getLcd())
{
    ui->setupUi(this);
    // After setupUi: its translated texts would replace the picture.
    ui->label->setPixmap(QPixmap(QStringLiteral(":/images/lcd.png")));
    for (int n = 0; n < 3; ++n) {
        connect(bouton(n), &QPushButton::pressed, this, [this, n] { appuie(n, true); });
        connect(bouton(n), &QPushButton::released, this, [this, n] { appuie(n, false); });
    }
    connect(ui->reset, &QPushButton::pressed, modele, &Modele::appuyeReset);
    connect(ui->reset, &QPushButton::released, modele, &Modele::relacheReset);
    connect(ui->an0SpinBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), modele,
            &Modele::setPotAN0Value);
    connect(modele->getLedA6(), &LedCNX::setCourant, ui->ledA6, &LedAlpha::setCourant);
    connect(ui->contraste, &QDial::valueChanged, modele->getLcd(), &LcdScreen::setContraste);
    ui->lcd->setScene(lcd.getScene());
}

FenetreCarteMicro::~FenetreCarteMicro()
{
    delete ui;
}

QPushButton* FenetreCarteMicro::bouton(int n) const
{
    return n == 0 ? ui->bp0 : n == 1 ? ui->bp1 : ui->bp2;
}

void FenetreCarteMicro::appuie(int n, bool enfonce)
{
    tenu[n] = enfonce;
    actualiseBouton(n);
}

void FenetreCarteMicro::actualiseBouton(int n)
{
    // A lock holds the pin low whatever the key or the mouse do; unlocked, the button
    // is down while either holds it.
    if (!verrou[n])
        bouton(n)->setDown(tenu[n]);
    BoutonCNX* b = modele->getBouton(n);
    verrou[n] || tenu[n] ? b->appuye() : b->relache();
}

void FenetreCarteMicro::set_bp0Pressed() { appuie(0, true); }
void FenetreCarteMicro::set_bp0Released() { appuie(0, false); }
void FenetreCarteMicro::set_bp1Pressed() { appuie(1, true); }
void FenetreCarteMicro::set_bp1Released() { appuie(1, false); }
void FenetreCarteMicro::set_bp2Pressed() { appuie(2, true); }
void FenetreCarteMicro::set_bp2Released() { appuie(2, false); }

void FenetreCarteMicro::set_resetPressed()
{
    ui->reset->setDown(true);
    modele->appuyeReset();
}

void FenetreCarteMicro::set_resetReleased()
{
    ui->reset->setDown(false);
    modele->relacheReset();
}

void FenetreCarteMicro::augmenteAn0()
{
    ui->an0SpinBox->setValue(ui->an0SpinBox->value() + 10 * ui->an0SpinBox->singleStep());
}

void FenetreCarteMicro::diminueAn0()
{
    ui->an0SpinBox->setValue(ui->an0SpinBox->value() - 10 * ui->an0SpinBox->singleStep());
}

void FenetreCarteMicro::verrouille(int n, bool on)
{
    // A locked button is held down: its disabled look is its pressed colour.
    verrou[n] = on;
    bouton(n)->setEnabled(!on);
    actualiseBouton(n);
}

void FenetreCarteMicro::on_checkBoxMaintienBP0_clicked(bool on) { verrouille(0, on); }
void FenetreCarteMicro::on_checkBoxMaintienBP1_clicked(bool on) { verrouille(1, on); }
void FenetreCarteMicro::on_checkBoxMaintienBP2_clicked(bool on) { verrouille(2, on); }

void FenetreCarteMicro::on_an0Dial_valueChanged(int n)
{
    ui->an0SpinBox->setValue(n / 1000.0);
}

void FenetreCarteMicro::on_an0SpinBox_valueChanged(double v)
{
    ui->an0Dial->setValue(static_cast<int>(std::trunc(v * 1000.0 + 0.5)));
}

void FenetreCarteMicro::on_boutonPower_toggled(bool on)
{
    on ? modele->powerOn() : modele->powerOff();
    ui->ledPower->setChecked(on);
}

void FenetreCarteMicro::setPower(bool on)
{
    ui->boutonPower->setChecked(on);
}

void FenetreCarteMicro::on_pushButtonOuvrir_clicked()
{
    const QString depart = ui->fichier->text().isEmpty() ? QDir::currentPath() : ui->fichier->text();
    const QString nom = QFileDialog::getOpenFileName(this, tr("Choisir un fichier"), depart, tr("Fichier HEX (*.hex)"));
    if (nom.isEmpty())
        return;
    chargerProgramme(nom);
}

ChargementHex FenetreCarteMicro::chargerProgramme(const QString& chemin)
{
    ui->fichier->setText(chemin);
    return lireFichier(chemin);
}

void FenetreCarteMicro::on_pushButtonRefresh_clicked()
{
    // The last program that loaded, even when a later file was refused.
    if (!dernierCharge.isEmpty())
        chargerProgramme(dernierCharge);
}

ChargementHex FenetreCarteMicro::lireFichier(const QString& chemin)
{
    // The file system's own encoding: a name outside Latin-1 opens as well.
    const ChargementHex lu = chargeProgramme(*modele, QFile::encodeName(chemin).toStdString());
    // No dialog box: the file label says how the load went, in red when it failed.
    QString raison;
    switch (lu.issue) {
    case ChargementHex::Charge:
        ui->fichier->setStyleSheet(QString());
        ui->fichier->setToolTip(tr("Programme chargé"));
        break;
    case ChargementHex::ChargeEnPartie:
        ui->fichier->setStyleSheet(QStringLiteral("color: rgb(170,90,0);"));
        ui->fichier->setToolTip(tr("Programme chargé ; %n ligne(s) ignorée(s), non conforme(s) au format HEX", "",
                                   lu.lignesIgnorees));
        break;
    case ChargementHex::Illisible: raison = tr("fichier illisible"); break;
    case ChargementHex::Vide: raison = tr("fichier vide"); break;
    case ChargementHex::AucunEnregistrement: raison = tr("aucun enregistrement Intel HEX valide"); break;
    }
    if (lu.reussi()) {
        dernierCharge = chemin;
        ui->pushButtonRefresh->setEnabled(true);
        emit refreshEnabled(true);
        emit programmeCharge(chemin);
        return lu;
    }
    ui->fichier->setStyleSheet(QStringLiteral("color: rgb(200,0,0);"));
    ui->fichier->setToolTip(dernierCharge.isEmpty()
                                ? tr("Chargement refusé : %1 (%2)").arg(chemin, raison)
                                : tr("Chargement refusé : %1 (%2). Le programme %3 reste chargé.")
                                      .arg(chemin, raison, dernierCharge));
    return lu;
}

void FenetreCarteMicro::joue(const Action& a)
{
    switch (a.type) {
    case Action::Appuie: appuie(a.bouton, true); break;
    case Action::Relache: appuie(a.bouton, false); break;
    case Action::Pot: ui->an0SpinBox->setValue(a.valeur); break;
    case Action::ResetAppuye: set_resetPressed(); break;
    case Action::ResetRelache: set_resetReleased(); break;
    case Action::PowerOn: setPower(true); break;
    case Action::PowerOff: setPower(false); break;
    default: a.appliquer(*modele); break;
    }
}

