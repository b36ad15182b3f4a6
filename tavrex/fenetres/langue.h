#ifndef TAVREX_LANGUE_H
#define TAVREX_LANGUE_H

#include <QTranslator>

// The language the desktop program speaks, chosen once at its start: English where
// its translation tavrex_en.qm is in the working directory, French otherwise. Qt's
// own words (the file dialogs', the standard buttons') and the way numbers are
// written follow it.
class Langue
{
public:
    // Installs the translations in the application, which keeps them while this lives.
    // Returns whether the program speaks English.
    bool installe();

private:
    QTranslator programme;
    QTranslator qt;
};

#endif
