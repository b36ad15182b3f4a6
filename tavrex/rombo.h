#ifndef TAVREX_ROMBO_H
#define TAVREX_ROMBO_H

#include <QFrame>

class Modele;
class QCloseEvent;

// The robot configuration window.
// Until it is built, an empty frame with the window's title and the operations the
// main window calls.
class Rombo : public QFrame
{
    Q_OBJECT

public:
    explicit Rombo(Modele& modele, QWidget* parent = nullptr);

    // The keyboard's hands on the robot, through the main window.
    void jackToggle();
    void appuiFdc();
    void relacheFdc();

signals:
    void estCache(bool);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Modele* modele;
};

#endif
