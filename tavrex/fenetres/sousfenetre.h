#ifndef TAVREX_SOUSFENETRE_H
#define TAVREX_SOUSFENETRE_H

#include <QFrame>

class QCloseEvent;

// A window of the document area. Windows live as long as the program: closing one
// hides its frame and says so, for the main window to tile the others again.
class SousFenetre : public QFrame
{
    Q_OBJECT

public:
    explicit SousFenetre(QWidget* parent = nullptr) : QFrame(parent) {}

signals:
    void estCache(bool);

protected:
    void closeEvent(QCloseEvent* event) override;
};

#endif
