#ifndef TAVREX_FENETREPISTE_H
#define TAVREX_FENETREPISTE_H

#include <QFrame>

class Modele;
class QCloseEvent;

// The track window.
// Until it is built, an empty frame with the window's title and the operations the
// main window calls.
class FenetrePiste : public QFrame
{
    Q_OBJECT

public:
    explicit FenetrePiste(Modele& modele, QWidget* parent = nullptr);

signals:
    void estCache(bool);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Modele* modele;
};

#endif
