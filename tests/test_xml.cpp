// The XML base of the robot and track files: how a file is walked (two levels,
// stopping at the first node that is not an element), what a damaged file does,
// the element-building helpers read back through the same walk, and the example
// files written again unchanged.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include "modele.h"
#include "piste.h"
#include "xmlopensavedata.h"

namespace {

// Records every call the walk makes.
class Releve : public XMLOpenSaveData
{
public:
    Releve()
    {
        connect(this, &XMLOpenSaveData::openNew, [this] { journal.push_back("openNew"); });
    }
    std::vector<std::string> journal;

protected:
    void initialise() override { journal.push_back("initialise"); }
    void decode(const QString& obj, const QString& num, const QString& attr, const QString& val) override
    {
        journal.push_back((obj + "[" + num + "]." + attr + "=" + val).toStdString());
    }
};

class Xml : public ::testing::Test
{
protected:
    // Writes `texte` to a file of the test's own and reads it with a fresh recorder.
    bool ouvre(const char* texte)
    {
        const QString nom = QString::fromStdString(testing::TempDir()) + "xml_" +
                            testing::UnitTest::GetInstance()->current_test_info()->name() + ".xml";
        QFile f(nom);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        f.write(texte);
        f.close();
        return releve.openData(nom);
    }

    using Journal = std::vector<std::string>;
    Releve releve;
};

TEST_F(Xml, RootWithoutElementsOnlyInitialisesAndAnnounces)
{
    EXPECT_TRUE(ouvre("<?xml version=\"1.0\"?>\n<!DOCTYPE robot>\n<robot>du texte</robot>\n"));
    EXPECT_EQ(releve.journal, (Journal{"initialise", "openNew"}));
}

TEST_F(Xml, LeadingCommentStopsTheWalk)
{
    EXPECT_TRUE(ouvre("<robot><!-- sauvegarde --><moteur><res>2.38</res></moteur></robot>"));
    EXPECT_EQ(releve.journal, (Journal{"initialise", "openNew"}));
}

TEST_F(Xml, LeavesInOrderWithOrWithoutNumber)
{
    EXPECT_TRUE(ouvre("<robot>\n"
                      "  <general>\n    <voie>230</voie>\n    <vbat>12</vbat>\n  </general>\n"
                      "  <capteur numero=\"3\" autre=\"x\">\n    <x>1.5</x>\n  </capteur>\n"
                      "  <vide/>\n"
                      "  <capteur numero=\"\">\n    <y>-4.5</y>\n  </capteur>\n"
                      "</robot>\n"));
    // The indentation is not a text node: the walk goes through the whole file.
    EXPECT_EQ(releve.journal, (Journal{"initialise", "general[].voie=230", "general[].vbat=12", "capteur[3].x=1.5",
                                       "capteur[].y=-4.5", "openNew"}));
}

TEST_F(Xml, DeeperLevelsAreNotWalked)
{
    EXPECT_TRUE(ouvre("<r><a><b><c>1</c><d>2</d></b><e/></a></r>"));
    // The leaf b is handed over with its whole text; c and d are not leaves.
    EXPECT_EQ(releve.journal, (Journal{"initialise", "a[].b=12", "a[].e=", "openNew"}));
}

TEST_F(Xml, TextBetweenElementsStopsThatLevel)
{
    // Between containers: the rest of the root is not walked.
    EXPECT_TRUE(ouvre("<r><a><b>1</b></a>texte<c><d>2</d></c></r>"));
    EXPECT_EQ(releve.journal, (Journal{"initialise", "a[].b=1", "openNew"}));

    // Between leaves: the rest of that container only.
    releve.journal.clear();
    EXPECT_TRUE(ouvre("<r><a><b>1</b>texte<e>2</e></a><c><d>3</d></c></r>"));
    EXPECT_EQ(releve.journal, (Journal{"initialise", "a[].b=1", "c[].d=3", "openNew"}));
}

TEST_F(Xml, MalformedOrMissingFileHasNoEffect)
{
    EXPECT_FALSE(ouvre("<robot><general><voie>230</voie></robot>"));
    EXPECT_FALSE(ouvre(""));
    EXPECT_FALSE(releve.openData(QString::fromStdString(testing::TempDir()) + "xml_absent/rien.rbo"));
    EXPECT_TRUE(releve.journal.empty());
}

TEST(XmlCreation, HelpersReadBackByTheWalk)
{
    QDomDocument doc("robot");
    QDomElement racine = doc.createElement("robot");
    doc.appendChild(racine);
    QDomElement general = XMLOpenSaveData::creation(doc, racine, "general");
    XMLOpenSaveData::creation(doc, general, "nom", QString("rombo 1"));
    XMLOpenSaveData::creation(doc, general, "actif", true);
    XMLOpenSaveData::creation(doc, general, "inactif", false);
    XMLOpenSaveData::creation(doc, general, "nombre", -12);
    XMLOpenSaveData::creation(doc, general, "kroul", 0.07, 'g', 6);
    XMLOpenSaveData::creation(doc, general, "grand", 1234567.0, 'g', 6);
    QDomElement capteur = XMLOpenSaveData::creationAttrNumero(doc, racine, "capteur", 7);
    XMLOpenSaveData::creation(doc, capteur, "x", 2.5, 'f', 2);
    EXPECT_EQ(capteur.attribute("numero"), "7");
    EXPECT_FALSE(capteur.firstChild().isNull());

    const QString fichier = QString::fromStdString(testing::TempDir()) + "xml_creation.rbo";
    ASSERT_TRUE(XMLOpenSaveData::ecrireAtomique(fichier, doc.toString(2)));
    Releve r;
    ASSERT_TRUE(r.openData(fichier));
    EXPECT_EQ(r.journal, (std::vector<std::string>{"initialise", "general[].nom=rombo 1", "general[].actif=1",
                                                   "general[].inactif=0", "general[].nombre=-12",
                                                   "general[].kroul=0.07", "general[].grand=1.23457e+06",
                                                   "capteur[7].x=2.50", "openNew"}));
}

TEST(XmlCreation, WritableFileInAReadOnlyFolderIsWrittenInPlace)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "as root every folder is writable; run the suite as another user to test this";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fichier = dir.filePath(QStringLiteral("copie.rbo"));
    ASSERT_TRUE(XMLOpenSaveData::ecrireAtomique(fichier, QStringLiteral("<rombo>ancien</rombo>")));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool ecrit = XMLOpenSaveData::ecrireAtomique(fichier, QStringLiteral("<rombo/>"));
    QFile f(fichier);
    const bool lu = f.open(QIODevice::ReadOnly);
    const QByteArray contenu = f.readAll();
    // A file that is itself read-only still refuses the save.
    QFile::setPermissions(fichier, QFile::ReadOwner);
    const bool refuse = !XMLOpenSaveData::ecrireAtomique(fichier, QStringLiteral("<x/>"));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(ecrit);
    ASSERT_TRUE(lu);
    EXPECT_EQ(contenu, QByteArray("<rombo/>"));
    EXPECT_TRUE(refuse);
}

}  // namespace

namespace {

QByteArray contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

// Both files name themselves: they are saved under their own name, in a directory of
// the test's own.
TEST(XmlExamples, RobotAndTrackReadThenSavedGiveTheSameBytes)
{
    const QString source = QStringLiteral(TAVREX_EXAMPLES_SRC_DIR "/");
    const QByteArray robot = contenu(source + "rombo001.rbo");
    const QByteArray piste = contenu(source + "piste001.pis");
    ASSERT_FALSE(robot.isEmpty());
    ASSERT_FALSE(piste.isEmpty());
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString avant = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dossier.path()));

    Modele m;
    ASSERT_TRUE(m.openData(source + "rombo001.rbo"));
    ASSERT_TRUE(m.saveRomboData(QStringLiteral("rombo001.rbo")));
    EXPECT_EQ(contenu(QStringLiteral("rombo001.rbo")), robot);

    Piste p;
    ASSERT_TRUE(p.openData(source + "piste001.pis"));
    ASSERT_TRUE(p.saveData(QStringLiteral("piste001.pis")));
    EXPECT_EQ(contenu(QStringLiteral("piste001.pis")), piste);
    QDir::setCurrent(avant);
}
