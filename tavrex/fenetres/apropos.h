#ifndef TAVREX_APROPOS_H
#define TAVREX_APROPOS_H

#include <QDialog>

namespace Ui {
class Apropos;
}

// The about box: made once, shown on demand, hidden by its button.
class Apropos : public QDialog
{
    Q_OBJECT

public:
    explicit Apropos(QWidget* parent = nullptr);
    ~Apropos() override;
    Apropos(const Apropos&) = delete;
    Apropos& operator=(const Apropos&) = delete;

private:
    Ui::Apropos* ui;
};

#endif
