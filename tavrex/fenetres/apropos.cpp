#include "apropos.h"

#include "ui_apropos.h"

Apropos::Apropos(QWidget* parent) : QDialog(parent), ui(new Ui::Apropos)
{
    ui->setupUi(this);
    connect(ui->pushButton, &QPushButton::clicked, this, &QDialog::hide);
}

Apropos::~Apropos()
{
    delete ui;
}
