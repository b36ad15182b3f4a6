#ifndef TAVREX_XMLOPENSAVEDATA_H
#define TAVREX_XMLOPENSAVEDATA_H

#include <vector>

#include <QDomDocument>
#include <QDomElement>
#include <QObject>
#include <QString>

// The base of the two documents saved as XML (the robot and the track). A file is
// read as a two-level tree: every leaf is handed to decode() with the name and the
// "numero" attribute of its container. Writing the whole document is the derived
// class's business; the creation helpers build its elements.
class XMLOpenSaveData : public QObject
{
    Q_OBJECT

public:
    explicit XMLOpenSaveData(QObject* parent = nullptr) : QObject(parent) {}

    // Reads `fichier` and dispatches its leaves. Returns whether the file was read
    // (an unreadable or malformed file changes nothing).
    bool openData(const QString& fichier);

    // A leaf of the tree: its container's name and "numero" attribute, its own name
    // and text.
    struct Feuille
    {
        QString conteneur, numero, nom, valeur;
    };
    // Takes `feuilles` as a file holding them is read: initialise(), each leaf to
    // decode() in turn, then openNew().
    void litFeuilles(const std::vector<Feuille>& feuilles);

    // Robot and track files are 3 or 4 elements deep. Qt's DOM parser goes down one
    // call per level and overflows the stack on a text nested some hundred thousand
    // deep, written out or through entities.
    static constexpr int profondeurMax = 64;
    // Why `texte` is not to be given to the DOM parser, in the words that follow "not
    // an XML document": nested deeper than profondeurMax, or, since past a fault the
    // depth can no longer be told, not read through as XML 1.0 ("line L, column C:
    // what"). Empty when the parser can have it.
    static QString defautAvantDom(const QByteArray& texte);

    static QDomElement creation(QDomDocument& doc, QDomElement& parent, const QString& nom);
    static QDomElement creation(QDomDocument& doc, QDomElement& parent, const QString& nom, const QString& valeur);
    static QDomElement creation(QDomDocument& doc, QDomElement& parent, const QString& nom, bool valeur);
    static QDomElement creation(QDomDocument& doc, QDomElement& parent, const QString& nom, int valeur);
    static QDomElement creation(QDomDocument& doc, QDomElement& parent, const QString& nom, double valeur,
                                char format, int precision);
    static QDomElement creationAttrNumero(QDomDocument& doc, QDomElement& parent, const QString& nom, int attrVal);

    // A document of type `type` (public identifier `idPublic`, DTD at `idSysteme`)
    // opening with the comment both files carry, and its root element `type` named
    // `fichier`, which is returned.
    static QDomElement nouveauDocument(QDomDocument& doc, const QString& type, const QString& idPublic,
                                       const QString& idSysteme, const QString& fichier);

    // Writes `texte` to `fichier` so that a failure leaves the previous file intact:
    // the text goes to a temporary file that replaces the old one only once complete.
    // Where no temporary can be made beside it (a read-only folder), a writable file
    // is written in place.
    static bool ecrireAtomique(const QString& fichier, const QString& texte);

signals:
    void openNew();

protected:
    // Called once the file has been parsed, before its leaves are handed over.
    virtual void initialise() {}
    virtual void decode(const QString& obj, const QString& num, const QString& attr, const QString& val)
    {
        Q_UNUSED(obj);
        Q_UNUSED(num);
        Q_UNUSED(attr);
        Q_UNUSED(val);
    }
};

#endif
