#ifndef TAVREX_FENETREPISTE_H
#define TAVREX_FENETREPISTE_H

#include <memory>

#include <QFrame>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QObject>
#include <QString>

#include "modele.h"
#include "sousfenetre.h"

class DessinPiste;
class QDoubleSpinBox;
class QLabel;

namespace Ui {
class FenetrePiste;
}

// The robot's picture on the track, and the two-way link between the user's hand and
// the model's pose. Its origin is the middle of the wheel axis; scene coordinates are
// the track's with y downwards, so a heading theta is a scene rotation of -theta.
class RomboItem : public QObject, public QGraphicsPixmapItem
{
    Q_OBJECT

public:
    explicit RomboItem(QGraphicsItem* parent = nullptr);

    // Limits of the position on the carpet, in scene mm (y downwards).
    double xMax = Modele::xMax;
    double xMin = Modele::xMin;
    double yMax = -Modele::yMin;
    double yMin = -Modele::yMax;

    // The pose as the model takes it: track mm and a heading in degrees.
    void envoiePose();

signals:
    void moved(qreal x, qreal y, qreal thetaDeg);

public slots:
    // A pose from the model (mm, mm, radians): shown, never sent back.
    void deplacement(double x, double y, double theta);

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
};

// The track on its carpet, the robot's picture, and the track editor.
class FenetrePiste : public SousFenetre
{
    Q_OBJECT

public:
    explicit FenetrePiste(Modele& modele, QWidget* parent = nullptr);
    ~FenetrePiste() override;
    FenetrePiste(const FenetrePiste&) = delete;
    FenetrePiste& operator=(const FenetrePiste&) = delete;

    // Reads a track file as the open button does once a name is chosen. Returns
    // whether it could be read; otherwise the track and `fichier` stay as they were
    // and the window says so.
    bool ouvrir(const QString& nom);
    // Writes the track as the save button does once a name is chosen; a file that
    // cannot be written is reported the same way and `fichier` stays as it was.
    bool enregistrer(const QString& nom);
    // Frames the circuit (rather than the whole carpet) in the view.
    void cadrerPiste();
    // The robot on the start marker's place, as the place button puts it.
    void poseRomboAuDepart();
    // The robot's picture shown where the model has it, the model told nothing.
    void suitPose();
    // The editor shows the track as an edit made elsewhere (a scenario's) left it.
    void suitPiste();

    Ui::FenetrePiste* formulaire() const { return ui; }
    RomboItem* getRombo() const { return rombo; }
    QGraphicsScene* getScene() { return &scene; }
    DessinPiste* getDessin() const { return dessin.get(); }
    const QString& getFichier() const { return fichier; }
    unsigned int getNumEdit() const { return numEdit; }
    // The edit bar's width on one row with all three of its fields; narrower, the
    // element's values and the add and delete buttons go on a second row, under the
    // choice of the element, and the bar needs `largeurEditionMinimale()`.
    int largeurEdition() const;
    int largeurEditionMinimale() const;

public slots:
    void on_toolButtonZoomP_clicked();
    void on_toolButtonZoomM_clicked();
    void on_toolButtonClk_clicked();
    void on_toolButtonAntiClk_clicked();
    void on_toolButtonPoseRombo_toggled(bool on);
    void on_toolButtonNext_clicked();
    void on_toolButtonPrev_clicked();
    void on_toolButtonNew_clicked();
    void on_toolButtonSuppr_clicked();
    void on_comboBoxTypes_currentIndexChanged(int index);
    void on_doubleSpinBox1_valueChanged(double value);
    void on_doubleSpinBox2_valueChanged(double value);
    void on_doubleSpinBox3_valueChanged(double value);
    void on_toolButtonOpen_clicked();
    void on_toolButtonSave_clicked();
    void on_toolButtonEdit_toggled(bool on);
    void on_toolButtonZoomFit_clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The tools in a column beside the view, or in a row above it when the window is
    // too short for the column.
    void disposeOutils();
    void disposeEdition();
    // The widgets of the edit bar, left to right, from the n-th.
    QList<QWidget*> champsEdition(int depuis = 0) const;
    int largeurRangee(const QList<QWidget*>& champs) const;
    void drawPiste();
    void editPiste();
    void tourne(double degres);
    void signale(const QString& message);

    Ui::FenetrePiste* ui;
    Modele* modele;
    QGraphicsScene scene;
    // Gone before the scene it draws in.
    std::unique_ptr<DessinPiste> dessin;
    RomboItem* rombo = nullptr;
    QString fichier;
    unsigned int numEdit = 0;
    QLabel* label[3] = {};
    QDoubleSpinBox* dbl[3] = {};
};

#endif
