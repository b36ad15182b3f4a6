#include "xmlopensavedata.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <QXmlStreamReader>

QString XMLOpenSaveData::defautAvantDom(const QByteArray& texte)
{
    QXmlStreamReader lecteur(texte);
    // The DOM parser reads without namespaces: an undeclared prefix does not stop it,
    // and must not stop this reader short of the depth.
    lecteur.setNamespaceProcessing(false);
    int profondeur = 0;
    while (!lecteur.atEnd()) {
        switch (lecteur.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++profondeur > profondeurMax)
                return QStringLiteral("nested deeper than %1 levels").arg(profondeurMax);
            break;
        case QXmlStreamReader::EndElement: --profondeur; break;
        default: break;
        }
    }
    if (!lecteur.hasError())
        return {};
    // The DOM parser passes over faults that stop this reader (a repeated attribute, an
    // undeclared entity, an unknown encoding) and would build on, however deep, past
    // the point where the depth was last known.
    QString quoi = lecteur.errorString();
    if (quoi.endsWith(QLatin1Char('.')))
        quoi.chop(1);
    return QStringLiteral("line %1, column %2: %3")
        .arg(lecteur.lineNumber())
        .arg(lecteur.columnNumber())
        .arg(quoi);
}

bool XMLOpenSaveData::openData(const QString& fichier)
{
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray texte = f.readAll();
    f.close();
    QDomDocument doc;
    if (!defautAvantDom(texte).isEmpty() || !doc.setContent(texte))
        return false;
    // Each level is walked along its sibling links from the first child and stops at
    // the first node that is not an element (a comment or a text node).
    std::vector<Feuille> feuilles;
    const QDomElement racine = doc.documentElement();
    for (QDomNode c = racine.firstChild(); !c.isNull() && c.isElement(); c = c.nextSibling()) {
        const QDomElement conteneur = c.toElement();
        const QString num = conteneur.attribute(QStringLiteral("numero"));
        for (QDomNode l = conteneur.firstChild(); !l.isNull() && l.isElement(); l = l.nextSibling()) {
            const QDomElement feuille = l.toElement();
            feuilles.push_back({conteneur.tagName(), num, feuille.tagName(), feuille.text()});
        }
    }
    litFeuilles(feuilles);
    return true;
}

void XMLOpenSaveData::litFeuilles(const std::vector<Feuille>& feuilles)
{
    initialise();
    for (const Feuille& f : feuilles)
        decode(f.conteneur, f.numero, f.nom, f.valeur);
    emit openNew();
}

QDomElement XMLOpenSaveData::creation(QDomDocument& doc, QDomElement& parent, const QString& nom)
{
    QDomElement e = doc.createElement(nom);
    parent.appendChild(e);
    return e;
}

QDomElement XMLOpenSaveData::creation(QDomDocument& doc, QDomElement& parent, const QString& nom,
                                      const QString& valeur)
{
    QDomElement e = creation(doc, parent, nom);
    e.appendChild(doc.createTextNode(valeur));
    return e;
}

QDomElement XMLOpenSaveData::creation(QDomDocument& doc, QDomElement& parent, const QString& nom, bool valeur)
{
    return creation(doc, parent, nom, QString(valeur ? QStringLiteral("1") : QStringLiteral("0")));
}

QDomElement XMLOpenSaveData::creation(QDomDocument& doc, QDomElement& parent, const QString& nom, int valeur)
{
    return creation(doc, parent, nom, QString::number(valeur));
}

QDomElement XMLOpenSaveData::creation(QDomDocument& doc, QDomElement& parent, const QString& nom, double valeur,
                                      char format, int precision)
{
    return creation(doc, parent, nom, QString::number(valeur, format, precision));
}

QDomElement XMLOpenSaveData::creationAttrNumero(QDomDocument& doc, QDomElement& parent, const QString& nom,
                                                int attrVal)
{
    QDomElement e = creation(doc, parent, nom);
    e.setAttribute(QStringLiteral("numero"), QString::number(attrVal));
    return e;
}

QDomElement XMLOpenSaveData::nouveauDocument(QDomDocument& doc, const QString& type, const QString& idPublic,
                                             const QString& idSysteme, const QString& fichier)
{
    QDomImplementation impl;
    doc = QDomDocument(impl.createDocumentType(type, idPublic, idSysteme));
    doc.appendChild(doc.createComment(QStringLiteral("This file describe a rombo")));
    doc.appendChild(doc.createTextNode(QStringLiteral("\n")));
    QDomElement racine = doc.createElement(type);
    racine.setAttribute(QStringLiteral("name"), fichier);
    doc.appendChild(racine);
    return racine;
}

bool XMLOpenSaveData::ecrireAtomique(const QString& fichier, const QString& texte)
{
    QSaveFile f(fichier);
    // A writable file in a folder one cannot write (a class folder shared read-only
    // with writable copies) has no room for the temporary beside it: it is then
    // written in place, as a plain save would.
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QByteArray octets = texte.toUtf8();
    // The flush is checked here: commit() flushes the buffer itself but misses a
    // failure there (a full disk), and would then put the truncated text in place.
    if (f.write(octets) != octets.size() || !f.flush()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
