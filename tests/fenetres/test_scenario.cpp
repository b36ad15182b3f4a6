#include <QtTest>

#include <QCheckBox>
#include <QDial>
#include <QTemporaryDir>

#include <cmath>
#include <fstream>
#include <sstream>

#include "../lanceur.h"
#include "../vidage.h"
#include "fenetrecartemicro.h"
#include "fenetrepiste.h"
#include "mainwindow.h"
#include "principal.h"
#include "rombo.h"
#include "ui_fenetrecartemicro.h"
#include "ui_fenetrepiste.h"
#include "ui_mainwindow.h"
#include "ui_rombo.h"

// What a user does in the window, saved as a scenario, replayed headless to the same
// state by the runner.
class TestScenario : public QObject
{
    Q_OBJECT
private slots:
    void rejoueALIdentique();
    void editionsRejouees();
    void etatEnregistreEtRouvert();
};

namespace {

// The robot's pose at every motion step, as the runner's --trajectory writes it.
struct Trajet : ObservateurPas
{
    std::string texte = "t_ms,x_mm,y_mm,heading_deg,v_left_mm_s,v_right_mm_s,fdc\n";
    void pasEffectue(const Modele& m) override
    {
        texte += QString::asprintf("%.3f,%.3f,%.3f,%.4f,%.3f,%.3f,%d\n", enMs(static_cast<double>(m.time())),
                                   m.getX(), m.getY(), m.getTheta() * radEnDeg, m.getMoteurG()->getVitesse(),
                                   m.getMoteurD()->getVitesse(), m.getFdc()->isActif() ? 1 : 0)
                     .toStdString();
    }
};

std::string lu(const std::string& chemin)
{
    std::ifstream in(chemin);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

void TestScenario::rejoueALIdentique()
{
    // The demo, its PWM driving the robot's motors, on the track's start.
    QTemporaryDir dossier;
    const std::string fichier = QFile::encodeName(dossier.filePath(QStringLiteral("essai.scn"))).toStdString();
    Simulation simulation;
    MainWindow w(simulation);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Seance& seance = simulation.seance;
    Ui::FenetreCarteMicro* ui = w.getMicro()->formulaire();
    auto attend = [&](double ms) {
        const uint64_t fin = seance.horloge() + static_cast<uint64_t>(ms * ticksParMs);
        return QTest::qWaitFor([&] { return seance.horloge() >= fin; }, 20000);
    };
    QVERIFY(w.getMicro()->chargerProgramme(QStringLiteral(TAVREX_EXAMPLES_DIR "/demo.hex")).reussi());
    QVERIFY(w.getRombo()->ouvrirFichier(QStringLiteral(TAVREX_ROBOT_EXEMPLE)));
    QVERIFY(w.getPiste()->ouvrir(QStringLiteral(TAVREX_EXAMPLES_SRC_DIR "/piste001.pis")));
    w.getPiste()->poseRomboAuDepart();
    w.formulaire()->speedSpinBox->setValue(0.1);   // ten times real time
    QTest::mouseClick(ui->boutonPower, Qt::LeftButton);
    QVERIFY(attend(40));

    // BP1 by its key, by the mouse, then locked while its key taps it.
    QTest::keyPress(&w, '0');
    QVERIFY(attend(7));
    QTest::keyRelease(&w, '0');
    QTest::mousePress(ui->bp0, Qt::LeftButton);
    QVERIFY(attend(6));
    QTest::mouseRelease(ui->bp0, Qt::LeftButton);
    QTest::mouseClick(ui->checkBoxMaintienBP0, Qt::LeftButton);
    QVERIFY(attend(4));
    QTest::keyClick(&w, '0');
    QVERIFY(attend(4));
    QTest::mouseClick(ui->checkBoxMaintienBP0, Qt::LeftButton);

    // The knob dragged round by the mouse, a few ms between moves.
    QDial* bouton = ui->an0Dial;
    auto point = [bouton](double degres) {
        const double r = bouton->width() / 3.0, a = degres * M_PI / 180.0;
        return bouton->rect().center() + QPoint(qRound(r * std::cos(a)), -qRound(r * std::sin(a)));
    };
    QTest::mousePress(bouton, Qt::LeftButton, Qt::NoModifier, point(200));
    for (double degres = 180; degres >= -20; degres -= 25) {
        QMouseEvent deplace(QEvent::MouseMove, point(degres), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bouton, &deplace);
        QVERIFY(attend(2));
    }
    QTest::mouseRelease(bouton, Qt::LeftButton, Qt::NoModifier, point(-20));
    QVERIFY(bouton->value() > 3000);
    QVERIFY(attend(30));
    simulation.cadence.arrete();
    QVERIFY(w.enregistrerScenario(QString::fromStdString(fichier)));
    const QString texte = QString::fromStdString(simulation.enregistreur.texte(dossier.path().toStdString()));
    QVERIFY(texte.count(QStringLiteral(" press BP1\n")) >= 4 && texte.contains(QStringLiteral(" release BP1\n")));
    QVERIFY(texte.count(QStringLiteral(" pot ")) >= 6 && texte.contains(QStringLiteral(" pose ")));

    // The runner, headless, to the same RAM, pins, LCD, LED and pose.
    const Modele& m = simulation.modele;
    QVERIFY(m.getX() > 1.0);
    const Sortie cli = lanceCli({"--script", fichier, "--dump", "--lcd", "--led"});
    QCOMPARE(cli.code, 0);
    QVERIFY(QString::fromStdString(cli.texte).startsWith(QString::fromStdString(vidage(m))));
    QVERIFY(QString::fromStdString(cli.texte)
                .contains(QStringLiteral("\npose x %1 mm, y %2 mm").arg(m.getX(), 0, 'f', 1).arg(m.getY(), 0, 'f', 1)));
}

// A sensor moved in the robot window and the track moved in its editor while
// the line follower runs: the runner's replay follows the same path, step by step.
void TestScenario::editionsRejouees()
{
    QTemporaryDir dossier;
    const std::string fichier = QFile::encodeName(dossier.filePath(QStringLiteral("edite.scn"))).toStdString();
    Simulation simulation;
    MainWindow w(simulation);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Trajet trajet;
    simulation.modele.setObservateurPas(&trajet);
    Seance& seance = simulation.seance;
    auto attend = [&](double ms) {
        const uint64_t fin = seance.horloge() + static_cast<uint64_t>(ms * ticksParMs);
        return QTest::qWaitFor([&] { return seance.horloge() >= fin; }, 20000);
    };
    QVERIFY(w.getMicro()->chargerProgramme(QStringLiteral(TAVREX_EXAMPLES_DIR "/suiveur.hex")).reussi());
    QVERIFY(w.getRombo()->ouvrirFichier(QStringLiteral(TAVREX_ROBOT_EXEMPLE)));
    QVERIFY(w.getPiste()->ouvrir(QStringLiteral(TAVREX_EXAMPLES_SRC_DIR "/piste001.pis")));
    w.getPiste()->poseRomboAuDepart();
    w.formulaire()->speedSpinBox->setValue(0.1);
    w.getMicro()->setPower(true);
    QVERIFY(attend(20));
    QTest::mouseClick(w.getRombo()->formulaire()->jack, Qt::LeftButton);
    QVERIFY(attend(280));
    w.getRombo()->formulaire()->doubleX->setValue(-5.0);   // the left sensor nearer the middle
    QVERIFY(attend(300));
    w.getPiste()->formulaire()->doubleSpinBox2->setValue(12.0);   // the start marker's y
    QVERIFY(attend(900));
    simulation.cadence.arrete();
    simulation.modele.setObservateurPas(nullptr);
    QVERIFY(w.enregistrerScenario(QString::fromStdString(fichier)));
    const std::string texte = lu(fichier);
    QVERIFY(texte.find(" robot-set capteur 0 x -5\n") != std::string::npos);
    QVERIFY(texte.find(" track-set 0 y 12\n") != std::string::npos);

    const std::string chemin = dossier.filePath(QStringLiteral("t.csv")).toStdString();
    QCOMPARE(lanceCli({"--script", fichier, "--trajectory", chemin}).code, 0);
    QCOMPARE(QString::fromStdString(lu(chemin)), QString::fromStdString(trajet.texte));
    // Without the edits, another path: they are what the replay followed.
    std::string sans;
    std::istringstream lignes(texte);
    for (std::string l; std::getline(lignes, l);)
        if (l.find("-set ") == std::string::npos)
            sans += l + "\n";
    std::ofstream(fichier, std::ios::trunc) << sans;
    QCOMPARE(lanceCli({"--script", fichier, "--trajectory", chemin}).code, 0);
    QVERIFY(lu(chemin) != trajet.texte);
}

// Fichier > "Enregistrer l'état…" then "Ouvrir un état…" in another window: the same
// board; a damaged snapshot is refused on the file line and the board kept.
void TestScenario::etatEnregistreEtRouvert()
{
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("etat.json"));
    const QString tenu = dossier.filePath(QStringLiteral("tenu.json"));
    const QString silicium = dossier.filePath(QStringLiteral("silicium.json"));
    std::string avant, avantSilicium;
    {
        Simulation simulation;
        MainWindow w(simulation);
        QVERIFY(w.getMicro()->chargerProgramme(QStringLiteral(TAVREX_EXAMPLES_DIR "/demo.hex")).reussi());
        w.getMicro()->setPower(true);
        simulation.cadence.arrete();
        simulation.modele.setPotAN0Value(2.5);
        simulation.seance.avanceJusqua(simulation.seance.horloge() + 80 * ticksParMs);
        QVERIFY(w.enregistrerEtat(fichier));
        avant = vidage(simulation.modele);
        w.getMicro()->set_resetPressed();
        QVERIFY(w.enregistrerEtat(tenu));
        simulation.modele.demandeSilicium(true);   // held in reset: taken at once
        w.getMicro()->set_resetReleased();
        simulation.cadence.arrete();
        simulation.seance.avanceJusqua(simulation.seance.horloge() + 5 * ticksParMs);
        QVERIFY(w.enregistrerEtat(silicium));
        avantSilicium = vidage(simulation.modele);
    }
    Simulation simulation;
    MainWindow w(simulation);
    QVERIFY(w.ouvrirEtat(fichier));
    QCOMPARE(QString::fromStdString(vidage(simulation.modele)), QString::fromStdString(avant));
    QVERIFY(avant.find("|AN0 = 2.50 V") != std::string::npos);
    // Taken with reset held: held again, the board waiting, until the button is let go.
    Ui::FenetreCarteMicro* ui = w.getMicro()->formulaire();
    QVERIFY(w.ouvrirEtat(tenu));
    QVERIFY(ui->reset->isDown() && !simulation.seance.tourne() && !simulation.cadence.actif());
    w.getMicro()->set_resetReleased();
    QVERIFY(!ui->reset->isDown() && simulation.seance.tourne() && simulation.cadence.actif());
    simulation.cadence.arrete();
    // A state of the silicon mode opened on a board of the default one: the board
    // takes its mode, and leaves it with the next state.
    QVERIFY(w.ouvrirEtat(silicium));
    QCOMPARE(QString::fromStdString(vidage(simulation.modele)), QString::fromStdString(avantSilicium));
    QVERIFY(simulation.modele.getProcesseur()->estSilicium() && w.formulaire()->action_Mode_silicium->isChecked());
    simulation.cadence.arrete();
    QVERIFY(w.ouvrirEtat(fichier));
    QVERIFY(!simulation.modele.getProcesseur()->estSilicium() && !w.formulaire()->action_Mode_silicium->isChecked());

    QFile abime(fichier);
    QVERIFY(abime.open(QIODevice::ReadWrite));
    abime.resize(abime.size() / 2);
    abime.close();
    QVERIFY(!w.ouvrirEtat(fichier));
    QVERIFY(ui->fichier->text().startsWith(QStringLiteral("État refusé")));
    QVERIFY(!ui->fichier->styleSheet().isEmpty());
    QCOMPARE(QString::fromStdString(vidage(simulation.modele)), QString::fromStdString(avant));
}

TAVREX_TESTS_FENETRE(TestScenario)
#include "test_scenario.moc"
