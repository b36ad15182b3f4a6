#include "fenetrecartemicro.h"

#include <cmath>
#include <memory>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>

#include "actions.h"
#include "miseaechelle.h"
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
    echelle = std::make_unique<MiseAEchelle>(this);
    // The program's path fits its label at every scale when it fits at full size.
    echelle->policeExacte(ui->fichier);

    // The diagnostics: said in the strip, shown from the first; the mark shown while
    // some are unread.
    ui->marqueDiagnostics->hide();
    ui->bandeDiagnostics->hide();
    connect(modele, &Modele::diagnostic, this, [this](const Diagnostic& d) {
        ui->bandeDiagnostics->ajoute(d);
        montreDiagnostics(true);
    });
    connect(modele, &Modele::diagnosticsEffaces, this, [this] {
        ui->bandeDiagnostics->efface();
        montreDiagnostics(false);
    });
    connect(ui->marqueDiagnostics, &QToolButton::clicked, ui->bandeDiagnostics, &BandeDiagnostics::montreNonLus);
    connect(ui->bandeDiagnostics, &BandeDiagnostics::nonLusChange, this, [this](int n) {
        ui->marqueDiagnostics->setVisible(n > 0);
        ui->marqueDiagnostics->setToolTip(tr("%n diagnostic(s) non lu(s) : cliquer pour le(s) voir", "", n));
    });
    connect(ui->bandeDiagnostics, &BandeDiagnostics::instructionChoisie, this, &FenetreCarteMicro::diagnosticChoisi);

    // The silicon mode's mark: the chip while it is in that mode, greyed while it
    // waits for the next reset to enter it.
    connect(modele, &Modele::modeSilicium, this, &FenetreCarteMicro::montreModeSilicium);
    montreModeSilicium();
}

void FenetreCarteMicro::montreModeSilicium()
{
    const bool puce = modele->getProcesseur()->estSilicium();
    const bool demande = modele->siliciumDemande();
    ui->marqueSilicium->setVisible(puce || demande);
    ui->marqueSilicium->setEnabled(puce);
    ui->marqueSilicium->setToolTip(
        puce == demande ? tr("Mode silicium : interruptions, PCL et pile comme sur la puce")
        : demande       ? tr("Mode silicium au prochain reset")
                        : tr("Mode silicium jusqu'au prochain reset"));
}

FenetreCarteMicro::~FenetreCarteMicro()
{
    delete ui;
}

void FenetreCarteMicro::setEchelle(double facteur)
{
    // Below 7 points the buttons' names and the potentiometer's volts could not be read.
    echelle->applique(facteur, 7.0);
}

double FenetreCarteMicro::getEchelle() const
{
    return echelle->facteur();
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
    modele->actionneBouton(n, verrou[n] || tenu[n]);
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

void FenetreCarteMicro::montreReset(bool tenu)
{
    ui->reset->setDown(tenu);
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

void FenetreCarteMicro::signaleRefus(const QString& raison)
{
    // A sentence on as many lines as the box is wide, not behind a scroll bar: the files
    // by their names, a SHA-256 by its first digits; the tooltip has it whole.
    QString court = raison;
    court.replace(QRegularExpression(QStringLiteral("(?:[^\\s:()]*/)+([^\\s/:()]+)")), QStringLiteral("\\1"));
    court.replace(QRegularExpression(QStringLiteral("\\b([0-9a-f]{8})[0-9a-f]{56}\\b")), QStringLiteral("\\1…"));
    ui->fichier->setWordWrap(true);
    ui->fichier->setText(court);
    ui->fichier->setToolTip(raison);
    ui->fichier->setStyleSheet(QStringLiteral("color: rgb(200,0,0);"));
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
    ui->fichier->setWordWrap(false);
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

void FenetreCarteMicro::montreDiagnostics(bool oui)
{
    if (ui->bandeDiagnostics->isVisibleTo(this) == oui)
        return;
    ui->bandeDiagnostics->setVisible(oui);
    // The layout takes the strip's coming or going now: the new height is known.
    layout()->activate();
    emit hauteurChangee();
}

void FenetreCarteMicro::joue(const Action& a)
{
    switch (a.type) {
    case Action::Appuie: appuie(a.bouton, true); break;
    case Action::Relache: appuie(a.bouton, false); break;
    case Action::Pot: {
        // The knob shows the value its fields can hold; the model has it whole.
        const QSignalBlocker champ(ui->an0SpinBox);
        const QSignalBlocker bouton(ui->an0Dial);
        ui->an0SpinBox->setValue(a.valeur);
        ui->an0Dial->setValue(static_cast<int>(std::trunc(ui->an0SpinBox->value() * 1000.0 + 0.5)));
        modele->setPotAN0Value(a.valeur);
        break;
    }
    case Action::ResetAppuye: set_resetPressed(); break;
    case Action::ResetRelache: set_resetReleased(); break;
    case Action::PowerOn: setPower(true); break;
    case Action::PowerOff: setPower(false); break;
    default: a.appliquer(*modele); break;
    }
}

