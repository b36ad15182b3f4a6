#include "mainwindow.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLocale>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>

#include "apropos.h"
#include "fenetrecartemicro.h"
#include "fenetreoscillos.h"
#include "fenetrepiste.h"
#include "lignecommande.h"
#include "rombo.h"
#include "ui_mainwindow.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    connect(ui->action_Organiser, &QAction::triggered, this, &MainWindow::organiser);

    micro = new FenetreCarteMicro(modele);
    subWindow1 = ajouteSousFenetre(micro, ":/images/icone_lcd.png");
    connect(ui->action_Microcontroleur, &QAction::triggered, subWindow1, &QWidget::show);
    connect(ui->action_Microcontroleur, &QAction::triggered, subWindow1, qOverload<>(&QWidget::setFocus));
    connect(ui->action_Ouvrir_un_programme, &QAction::triggered, micro, &FenetreCarteMicro::on_pushButtonOuvrir_clicked);
    connect(ui->action_Recharger_le_programme, &QAction::triggered, micro,
            &FenetreCarteMicro::on_pushButtonRefresh_clicked);
    connect(micro, &FenetreCarteMicro::refreshEnabled, ui->action_Recharger_le_programme, &QAction::setEnabled);

    oscillos = new FenetreOscillos(modele);
    subWindow2 = ajouteSousFenetre(oscillos, ":/images/icone_oscillo.png");
    connect(ui->action_Oscilloscopes, &QAction::triggered, subWindow2, &QWidget::show);
    connect(ui->action_Oscilloscopes, &QAction::triggered, subWindow2, qOverload<>(&QWidget::setFocus));

    rombo = new Rombo(modele);
    subWindow3 = ajouteSousFenetre(rombo, ":/images/icone_rombo.png");
    connect(ui->action_Rombine, &QAction::triggered, subWindow3, &QWidget::show);
    connect(ui->action_Rombine, &QAction::triggered, subWindow3, qOverload<>(&QWidget::setFocus));

    piste = new FenetrePiste(modele);
    subWindow4 = ajouteSousFenetre(piste, ":/images/icone_piste.png");
    connect(ui->action_Piste, &QAction::triggered, subWindow4, &QWidget::show);
    connect(ui->action_Piste, &QAction::triggered, subWindow4, qOverload<>(&QWidget::setFocus));

    // Through the two value-changed slots: slider 10, a period of 10 ms (real time).
    speed = 1;
    validTimer = false;
    ui->speedSpinBox->setValue(1.0);

    connect(&modele, &Modele::setPowerOn, this, &MainWindow::newTimer);
    connect(&modele, &Modele::setPowerOff, this, &MainWindow::stopTimer);
    connect(ui->action_Barre_de_vitesse, &QAction::toggled, ui->widgetSpeedBar, &QWidget::setVisible);

    apropos = new Apropos;
    connect(ui->action_propos, &QAction::triggered, this, &MainWindow::action_apropos);

    subWindow3->hide();
    subWindow4->hide();
    on_action_Mode_simple_triggered();
    ui->action_Mode_complet->setVisible(false);
}

MainWindow::~MainWindow()
{
    stopTimer();
    delete apropos;
    // The windows hold pointers into the model: they go before it does.
    delete ui->mdiArea;
    delete ui;
}

QMdiSubWindow* MainWindow::ajouteSousFenetre(QWidget* fenetre, const char* icone)
{
    auto* cadre = new QMdiSubWindow;
    cadre->setWidget(fenetre);
    cadre->setWindowIcon(QIcon(QString::fromLatin1(icone)));
    ui->mdiArea->addSubWindow(cadre);
    return cadre;
}

QMdiSubWindow* MainWindow::sousFenetre(int n) const
{
    switch (n) {
    case 1: return subWindow1;
    case 2: return subWindow2;
    case 3: return subWindow3;
    case 4: return subWindow4;
    default: return nullptr;
    }
}

void MainWindow::newTimer()
{
    if (validTimer)
        killTimer(timerID);
    timerID = startTimer(speed, Qt::PreciseTimer);
    validTimer = true;
}

void MainWindow::stopTimer()
{
    if (!validTimer)
        return;
    killTimer(timerID);
    validTimer = false;
}

void MainWindow::on_speedSlider_valueChanged(int v)
{
    speed = v;
    ui->speedSpinBox->setValue(v / 10.0);
    if (validTimer)
        newTimer();
}

void MainWindow::on_speedSpinBox_valueChanged(double x)
{
    ui->speedSlider->setValue(qRound(x * 10.0));
}

int MainWindow::chargePourcent(int calcul, int speed)
{
    return (calcul * 70 + 7000) / (speed * 100);
}

QString MainWindow::styleCharge(int pc)
{
    if (pc >= 70)
        return QStringLiteral("::chunk { background-color: rgb(250,0,0); }");
    if (pc < 50)
        return QStringLiteral("::chunk { background-color: rgb(0,220,0); }");
    return QStringLiteral("::chunk { background-color: rgb(255,170,40); }");
}

void MainWindow::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != timerID || !validTimer) {
        QMainWindow::timerEvent(event);
        return;
    }
    if (!mesure.isValid())
        mesure.start();
    calcul -= mesure.elapsed();
    if (pilote)
        pilote->tranche();
    else
        modele.clock();
    const double secondes = static_cast<double>(modele.time()) / 48e6;
    ui->labelTime->setText(QLocale().toString(secondes, 'f', 3));
    ++boucle;
    if (boucle % 10 == 0)
        oscillos->miseAJour();
    calcul += mesure.elapsed();
    if (boucle < 100)
        return;
    int pc = chargePourcent(static_cast<int>(calcul), speed);
    ui->progressBar->setStyleSheet(styleCharge(pc));
    pc = std::min(pc, 100);
    ui->progressBar->setValue(pc);
    const qint64 duree = mesure.restart();
    ui->speedLabel->setText(QLocale().toString(duree / 1000.0, 'f', 3));
    boucle = 0;
    calcul = 0;
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    for (const QChar c : event->text()) {
        switch (c.toLatin1()) {
        case '0': micro->set_bp0Pressed(); break;
        case '1': micro->set_bp1Pressed(); break;
        case '2': micro->set_bp2Pressed(); break;
        case '+': micro->augmenteAn0(); break;
        case '-': micro->diminueAn0(); break;
        case 'r': case 'R': micro->set_resetPressed(); break;
        case 'j': case 'J': rombo->jackToggle(); break;
        case 'f': case 'F': rombo->appuiFdc(); break;
        default: break;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event)
{
    for (const QChar c : event->text()) {
        switch (c.toLatin1()) {
        case '0': micro->set_bp0Released(); break;
        case '1': micro->set_bp1Released(); break;
        case '2': micro->set_bp2Released(); break;
        case 'r': case 'R': micro->set_resetReleased(); break;
        case 'f': case 'F': rombo->relacheFdc(); break;
        default: break;
        }
    }
    QMainWindow::keyReleaseEvent(event);
}

void MainWindow::action_apropos()
{
    apropos->show();
    apropos->raise();
}

void MainWindow::organiser()
{
    subWindow1->showNormal();
    subWindow1->move(0, 0);
    const QRect g1 = subWindow1->frameGeometry();
    const int x1 = g1.left(), x2 = g1.right(), h1 = g1.bottom() - g1.top() + 1;
    const QScrollBar* hBar = ui->mdiArea->horizontalScrollBar();
    const QScrollBar* vBar = ui->mdiArea->verticalScrollBar();
    const int hs = hBar->isVisible() ? hBar->height() : 0;
    const int vs = vBar->isVisible() ? vBar->width() : 0;
    const int barre = ui->widgetSpeedBar->isVisible() ? ui->widgetSpeedBar->frameGeometry().height() : 0;
    const int H = h1 + barre + menuBar()->frameGeometry().height() + hs + 8;
    int W;
    if (subWindow2->isVisible()) {
        const int w1 = x2 - x1 + 1;
        subWindow2->showNormal();
        subWindow2->resize(w1, h1);
        subWindow2->move(x2 - x1, 0);
        W = vs + 2 * w1 + 1;
    } else {
        W = vs + subWindow1->frameGeometry().width() + 2;
    }
    resize(W, H);
}

void MainWindow::on_action_Mode_simple_triggered()
{
    simple = true;
    ui->action_Mode_simple->setVisible(false);
    ui->action_Mode_complet->setVisible(true);
    subWindow3->hide();
    subWindow4->hide();
    subWindow2->hide();
    ui->action_Rombine->setEnabled(false);
    ui->action_Rombine->setVisible(false);
    ui->action_Piste->setEnabled(false);
    ui->action_Piste->setVisible(false);
    ui->action_Organiser->setVisible(true);
    ui->action_Organiser->setEnabled(true);
    ui->action_Cascader->setVisible(false);
    show();
    resize(subWindow1->frameGeometry().width(),
           subWindow1->frameGeometry().height() + ui->widgetSpeedBar->frameGeometry().height() +
               menuBar()->frameGeometry().height());
    organiser();
    subWindow1->showMaximized();
    for (const QMetaObject::Connection& c : liensModeSimple)
        disconnect(c);
    liensModeSimple = {
        connect(ui->action_Microcontroleur, &QAction::triggered, this, &MainWindow::organiser),
        connect(ui->action_Oscilloscopes, &QAction::triggered, this, &MainWindow::organiser),
        connect(micro, &FenetreCarteMicro::estCache, this, &MainWindow::organiser),
        connect(oscillos, &FenetreOscillos::estCache, this, &MainWindow::organiser),
    };
}

void MainWindow::on_action_Mode_complet_triggered()
{
    simple = false;
    ui->action_Mode_simple->setVisible(true);
    ui->action_Mode_complet->setVisible(false);
    subWindow1->show();
    subWindow3->show();
    subWindow4->show();
    subWindow2->show();
    ui->action_Rombine->setEnabled(true);
    ui->action_Rombine->setVisible(true);
    ui->action_Piste->setEnabled(true);
    ui->action_Piste->setVisible(true);
    ui->action_Organiser->setVisible(false);
    ui->action_Organiser->setEnabled(false);
    ui->action_Cascader->setVisible(true);
    show();
    organiser();
    subWindow1->showNormal();
    for (const QMetaObject::Connection& c : liensModeSimple)
        disconnect(c);
    liensModeSimple.clear();
    placerRobotEtPiste();
}

void MainWindow::placerRobotEtPiste()
{
    // The robot and track windows go in a row under the board and the oscilloscopes,
    // and the main window grows to show them, as far as the screen allows.
    const QRect g1 = subWindow1->frameGeometry();
    const int y = g1.bottom() + 1;
    for (QMdiSubWindow* f : {subWindow3, subWindow4}) {
        f->showNormal();
        f->resize(f->size().expandedTo(g1.size()));
    }
    subWindow3->move(0, y);
    subWindow4->move(subWindow3->frameGeometry().right() + 1, y);
    const QRect tout = g1 | subWindow2->frameGeometry() | subWindow3->frameGeometry() | subWindow4->frameGeometry();
    QSize voulue(tout.width() + 4, height() + tout.height() - g1.height());
    if (const QScreen* ecran = screen())
        voulue = voulue.boundedTo(ecran->availableGeometry().size() - (frameGeometry().size() - size()));
    resize(voulue.expandedTo(size()));
}
