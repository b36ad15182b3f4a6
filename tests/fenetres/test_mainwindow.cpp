#include <QtTest>

#include <QLabel>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QSlider>

#include "apropos.h"
#include "fenetrecartemicro.h"
#include "fenetreoscillos.h"
#include "mainwindow.h"
#include "test_fenetres.h"
#include "ui_fenetrecartemicro.h"
#include "ui_mainwindow.h"

void TestMainWindow::etatInitial()
{
    MainWindow w;
    Ui::MainWindow* ui = w.formulaire();
    QCOMPARE(ui->speedSlider->value(), 10);
    QCOMPARE(ui->speedSpinBox->value(), 1.0);
    QCOMPARE(w.periode(), 10);
    QVERIFY(!w.timerActif());
    QCOMPARE(ui->labelTime->text(), QStringLiteral("0,000"));
    QVERIFY(w.modeSimple());
    QVERIFY(w.sousFenetre(1)->isVisible());
    for (int n : {2, 3, 4})
        QVERIFY(!w.sousFenetre(n)->isVisible());
    // The delivered menus offer no way to the complete mode nor to the robot windows.
    QVERIFY(!ui->action_Mode_complet->isVisible());
    QVERIFY(!ui->action_Mode_simple->isVisible());
    QVERIFY(!ui->action_Rombine->isVisible() && !ui->action_Piste->isVisible());
    QVERIFY(!ui->action_Recharger_le_programme->isEnabled());
}

void TestMainWindow::vitesse() {}
void TestMainWindow::chargeDeCalcul() {}
void TestMainWindow::minuterieEtAlimentation() {}
void TestMainWindow::touches() {}
void TestMainWindow::modeSimple() {}
void TestMainWindow::apropos() {}
void TestMainWindow::traductionComplete() {}
void TestMainWindow::demoDeBoutEnBout() {}
