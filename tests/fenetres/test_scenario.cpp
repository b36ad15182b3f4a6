#include <QtTest>

#include <QCheckBox>
#include <QDial>
#include <QTemporaryDir>

#include <cmath>

#include "../lanceur.h"
#include "../vidage.h"
#include "fenetrecartemicro.h"
#include "lignecommande.h"
#include "mainwindow.h"
#include "principal.h"
#include "ui_fenetrecartemicro.h"
#include "ui_mainwindow.h"

// What a user does in the window, saved as a scenario, replayed to the same state by
// the runner and by the window itself.
class TestScenario : public QObject
{
    Q_OBJECT
private slots:
    void rejoueALIdentique();
    void robotSurLaPiste();
};

namespace {

std::vector<char*> argv(const std::vector<std::string>& arguments)
{
    std::vector<char*> v;
    for (const std::string& a : arguments)
        v.push_back(const_cast<char*>(a.c_str()));
    return v;
}

// The record's actions, its end left out.
QString actionsDe(const std::string& scenario)
{
    QStringList lignes = QString::fromStdString(scenario).split(QLatin1Char('\n'));
    lignes.erase(std::remove_if(lignes.begin(), lignes.end(),
                                [](const QString& l) { return l.startsWith(QLatin1String("# end: ")); }),
                 lignes.end());
    return lignes.join(QLatin1Char('\n'));
}

}  // namespace

void TestScenario::rejoueALIdentique()
{
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    const std::string fichier = QFile::encodeName(dossier.filePath(QStringLiteral("essai.scn"))).toStdString();
    std::string vu, enregistre;
    {
        Simulation simulation;
        MainWindow w(simulation);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Seance& seance = simulation.seance;
        FenetreCarteMicro* carte = w.getMicro();
        Ui::FenetreCarteMicro* ui = carte->formulaire();
        // Some chip time, at ten times real time.
        auto attend = [&](double ms) {
            const uint64_t fin = seance.horloge() + static_cast<uint64_t>(ms * ticksParMs);
            return QTest::qWaitFor([&] { return seance.horloge() >= fin; }, 20000);
        };
        QVERIFY(carte->chargerProgramme(QStringLiteral(TAVREX_EXAMPLES_DIR "/demo.hex")).reussi());
        w.formulaire()->speedSpinBox->setValue(0.1);
        QTest::mouseClick(ui->boutonPower, Qt::LeftButton);
        QVERIFY(attend(40));

        // BP1 by its key, by the mouse, then locked while its key taps it.
        QTest::keyPress(&w, '0');
        QVERIFY(attend(7));
        QTest::keyRelease(&w, '0');
        QVERIFY(attend(5));
        QTest::mousePress(ui->bp0, Qt::LeftButton);
        QVERIFY(attend(6));
        QTest::mouseRelease(ui->bp0, Qt::LeftButton);
        QTest::mouseClick(ui->checkBoxMaintienBP0, Qt::LeftButton);
        QVERIFY(ui->checkBoxMaintienBP0->isChecked());
        QVERIFY(attend(4));
        QTest::keyClick(&w, '0');
        QVERIFY(attend(4));
        QTest::mouseClick(ui->checkBoxMaintienBP0, Qt::LeftButton);
        QVERIFY(attend(3));

        // The knob dragged round by the mouse, a few ms between moves.
        QDial* bouton = ui->an0Dial;
        const QPointF centre = QRectF(bouton->rect()).center();
        auto point = [&](double degres) {
            const double r = bouton->width() / 3.0, a = degres * M_PI / 180.0;
            return QPoint(static_cast<int>(centre.x() + r * std::cos(a)), static_cast<int>(centre.y() - r * std::sin(a)));
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
        vu = vidage(simulation.modele);
        enregistre = simulation.enregistreur.texte(dossier.path().toStdString());
    }
    QVERIFY(vu.find("|AN0 = ") != std::string::npos);
    QVERIFY(enregistre.find("release BP1") != std::string::npos);
    QVERIFY(QString::fromStdString(enregistre).count(QStringLiteral(" press BP1\n")) >= 4);
    QVERIFY(QString::fromStdString(enregistre).count(QStringLiteral(" pot ")) >= 6);

    // The runner, headless, to the same RAM, pins, LCD and LED.
    const Sortie cli = lanceCli({"--script", fichier, "--dump", "--lcd", "--led"});
    QCOMPARE(cli.code, 0);
    QCOMPARE(QString::fromStdString(cli.texte), QString::fromStdString(vu));

    // The window, the widgets following, seeded from the scenario: it does it all again.
    OptionsLancement o;
    std::string erreur;
    const std::vector<std::string> arguments = {"tavrex", "--script", fichier, "--speed", "0.1", "--quit-after", "200"};
    std::vector<char*> args = argv(arguments);
    QVERIFY(lireOptions(Programme::Fenetre, static_cast<int>(args.size()), args.data(), o, erreur));
    Simulation simulation(o.graine);
    MainWindow w(simulation);
    LigneCommande ligne(w, simulation, o);
    QSignalSpy fin(&ligne, &LigneCommande::termine);
    QVERIFY(ligne.demarrer(erreur));
    QVERIFY(fin.wait(30000));
    Ui::FenetreCarteMicro* ui = w.getMicro()->formulaire();
    QVERIFY(ui->boutonPower->isChecked());
    QVERIFY(ui->an0Dial->value() > 3000);
    QCOMPARE(actionsDe(simulation.enregistreur.texte(dossier.path().toStdString())), actionsDe(enregistre));
    const Sortie alaFin =
        lanceCli({"--script", fichier, "--ms", texteInstant(simulation.seance.horloge()), "--dump", "--lcd", "--led"});
    QCOMPARE(QString::fromStdString(alaFin.texte), QString::fromStdString(vidage(simulation.modele)));
}

void TestScenario::robotSurLaPiste()
{
    // The line follower started by the command line, placed on the track's start,
    // pulled off its jack: the runner sees the robot where the window left it.
    QTemporaryDir dossier;
    const std::string fichier = QFile::encodeName(dossier.filePath(QStringLiteral("robot.scn"))).toStdString();
    const std::string csv = QFile::encodeName(dossier.filePath(QStringLiteral("t.csv"))).toStdString();
    const std::vector<std::string> arguments = {
        "tavrex", "--complete", "--power-on", "--speed", "0.1", "--piste", TAVREX_EXAMPLES_SRC_DIR "/piste001.pis",
        "--robot", TAVREX_ROBOT_EXEMPLE, "--at", "20", "jack-out", "--quit-after", "700",
        TAVREX_EXAMPLES_DIR "/suiveur.hex"};
    std::vector<char*> args = argv(arguments);
    OptionsLancement o;
    std::string erreur;
    QVERIFY(lireOptions(Programme::Fenetre, static_cast<int>(args.size()), args.data(), o, erreur));
    Simulation simulation(o.graine);
    MainWindow w(simulation);
    LigneCommande ligne(w, simulation, o);
    QSignalSpy fin(&ligne, &LigneCommande::termine);
    QVERIFY(ligne.demarrer(erreur));
    QVERIFY(fin.wait(30000));
    QVERIFY(w.enregistrerScenario(QString::fromStdString(fichier)));
    const Modele& m = simulation.modele;
    QVERIFY(m.getX() > 10.0);

    const Sortie cli = lanceCli({"--script", fichier, "--dump", "--trajectory", csv});
    QCOMPARE(cli.code, 0);
    const std::string memoire = vidage(m).substr(0, vidage(m).find('|'));
    QCOMPARE(QString::fromStdString(cli.texte.substr(0, memoire.size())), QString::fromStdString(memoire));
    QVERIFY(cli.texte.find(QStringLiteral("\npose x %1 mm, y %2 mm")
                               .arg(m.getX(), 0, 'f', 1)
                               .arg(m.getY(), 0, 'f', 1)
                               .toStdString()) != std::string::npos);
    QFile trajet(QString::fromStdString(csv));
    QVERIFY(trajet.open(QIODevice::ReadOnly));
    const QList<QByteArray> lignes = trajet.readAll().trimmed().split('\n');
    const QList<QByteArray> derniere = lignes.last().split(',');
    QCOMPARE(derniere.at(1), QByteArray::number(m.getX(), 'f', 3));
    QCOMPARE(derniere.at(2), QByteArray::number(m.getY(), 'f', 3));
}

TAVREX_TESTS_FENETRE(TestScenario)
#include "test_scenario.moc"
