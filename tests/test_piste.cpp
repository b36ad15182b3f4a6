// The track: element geometry and shapes, chaining and editing, the whole-track
// queries, the track file (round trip and damaged files) and the delivered circuit.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

#include "piste.h"

namespace {


QString cheminTemp(const char* nom)
{
    return QString::fromStdString(testing::TempDir()) + QString::fromLatin1(nom);
}

// Writes a track file holding `corps` under its root, or `corps` alone.
bool ecrire(const QString& fichier, const QString& corps, bool racine = true)
{
    QFile f(fichier);
    const QString texte = racine ? QStringLiteral("<!DOCTYPE piste><piste name=\"t\">") + corps + QStringLiteral("</piste>") : corps;
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(texte.toUtf8()) >= 0;
}

std::unique_ptr<PortionRepere> repere(double x, double y, double thetaDeg)
{
    auto r = std::make_unique<PortionRepere>();
    r->modifArg(0, x);
    r->modifArg(1, y);
    r->modifArg(2, thetaDeg);
    return r;
}

// Appends elements given by type index and argument values.
void construire(Piste& p, std::initializer_list<std::pair<int, std::vector<double>>> elts)
{
    for (const auto& e : elts) {
        const unsigned n = p.size();
        p.eltInsert(n, e.first);
        for (size_t i = 0; i < e.second.size(); ++i)
            p.eltModifArg(n, static_cast<int>(i), e.second[i]);
    }
}

void attendPose(const Portion* e, double x, double y, double theta)
{
    EXPECT_NEAR(e->getX0(), x, 1e-6);
    EXPECT_NEAR(e->getY0(), y, 1e-6);
    EXPECT_NEAR(e->getTheta0(), theta, 1e-9);
}

void attendFin(const Portion& e, double x, double y, double theta)
{
    EXPECT_NEAR(e.getX(), x, 1e-9);
    EXPECT_NEAR(e.getY(), y, 1e-9);
    EXPECT_NEAR(e.getTheta(), theta, 1e-12);
}

} // namespace

TEST(TrackElementGeometry, StraightLineAndNoSource)
{
    auto r = repere(300, 400, 45);
    PortionLigneDroite d(-1, r.get());
    d.calculPosition();
    d.setSrc(nullptr);
    d.calculPosition();
    attendPose(&d, 0, 0, 0);
    EXPECT_DOUBLE_EQ(d.getX(), 1000.0);
    EXPECT_DOUBLE_EQ(d.getScotchDistance(500, 9), 9.0);
    EXPECT_DOUBLE_EQ(d.getScotchDistance(1000, 3), 3.0);
    EXPECT_EQ(d.getScotchDistance(1000.1, 0), -1.0);
    EXPECT_EQ(d.getScotchDistance(-0.1, 0), -1.0);

    // Heading north: the element's frame turns with the heading.
    auto nord = repere(100, 200, 90);
    PortionLigneDroite n(-1, nord.get());
    n.calculPosition();
    EXPECT_NEAR(n.getY(), 1200.0, 1e-9);
    EXPECT_NEAR(n.getScotchDistance(110, 700), 10.0, 1e-9);
    EXPECT_EQ(n.getScotchDistance(100, 150), -1.0);
    // A start marker keeps its own pose whatever precedes it.
    PortionRepere r2(-1, &n);
    r2.modifArg(0, -50);
    r2.calculPosition();
    attendPose(&r2, -50, 0, 0);
}

TEST(TrackElementGeometry, LeftAndRightCurves)
{
    PortionLigneCourbe g;
    g.calculPosition();
    attendFin(g, 1000, 1000, pi / 2);
    EXPECT_NEAR(g.getScotchDistance(1000, 1000), 0.0, 1e-9);
    EXPECT_NEAR(g.getScotchDistance(1010 * std::sin(45 * degEnRad), 1000 - 1010 * std::cos(45 * degEnRad)), 10.0, 1e-9);
    EXPECT_EQ(g.getScotchDistance(1000 * std::sin(100 * degEnRad), 1000 - 1000 * std::cos(100 * degEnRad)), -1.0);

    PortionLigneCourbe d;
    d.modifArg(1, -90);
    d.calculPosition();
    attendFin(d, 1000, -1000, -pi / 2);
    EXPECT_NEAR(d.getScotchDistance(990 * std::sin(45 * degEnRad), -1000 + 990 * std::cos(45 * degEnRad)), 10.0, 1e-9);
}

TEST(TrackElementGeometry, CurveOfMoreThanHalfATurn)
{
    for (double sens : {1.0, -1.0}) {
        SCOPED_TRACE(sens);
        PortionLigneCourbe c;
        c.modifArg(1, 270 * sens);
        c.calculPosition();
        attendFin(c, -1000, 1000 * sens, 1.5 * pi * sens);
        // Around the centre (0, 1000 sens): points between 180 and 270 degrees are
        // found through the folding; a point beyond the arc is far from any tape.
        auto point = [sens](double a, double r) { return std::make_pair(r * std::sin(a * degEnRad), sens * (1000 - r * std::cos(a * degEnRad))); };
        for (double a : {10.0, 179.0, 200.0, 260.0}) {
            const auto [x, y] = point(a, 1005);
            EXPECT_NEAR(c.getScotchDistance(x, y), 5.0, 1e-9) << a;
        }
        const auto [xh, yh] = point(300, 1000);
        EXPECT_GT(c.getScotchDistance(xh, yh), 1900.0);
    }
}

TEST(TrackElementGeometry, ObstacleAndMarker)
{
    PortionObstacle o;
    o.calculPosition();
    EXPECT_TRUE(o.getObstacleCollision(25, 500));
    EXPECT_TRUE(o.getObstacleCollision(-25, -500));
    EXPECT_FALSE(o.getObstacleCollision(26, 0));
    auto nord = repere(0, 0, 90);
    PortionObstacle on(-1, nord.get());
    on.calculPosition();
    EXPECT_TRUE(on.getObstacleCollision(499, 24));
    EXPECT_FALSE(on.getObstacleCollision(0, 26));

    PortionMarqueurGauche m;
    m.calculPosition();
    EXPECT_DOUBLE_EQ(m.getScotchDistance(5, 100), 5.0);
    EXPECT_DOUBLE_EQ(m.getScotchDistance(-7, 300), 7.0);
    EXPECT_EQ(m.getScotchDistance(0, -1), -1.0);
    EXPECT_EQ(m.getScotchDistance(0, 301), -1.0);
    PortionLigneAveugle a;
    a.calculPosition();
    EXPECT_EQ(a.getScotchDistance(500, 0), -1.0);
}

TEST(TrackElementDrawing, ShapesAndPlaceInTheScene)
{
    auto r = repere(100, 200, 90);
    PortionLigneDroite d(-1, r.get());
    d.calculPosition();
    EXPECT_EQ(std::get<QRectF>(d.forme()), QRectF(0, -9.5, 1000, 19));
    EXPECT_EQ(std::get<QRectF>(d.formeFocus()), QRectF(0, -9.5, 1000, 19));
    EXPECT_DOUBLE_EQ(d.rotationScene(), -90.0);
    EXPECT_EQ(d.posScene(), QPointF(100, -200));
    d.modifArg(0, 250);
    EXPECT_EQ(std::get<QRectF>(d.forme()), QRectF(0, -9.5, 250, 19));

    PortionLigneCourbe g;
    g.calculPosition();
    const QRectF bg = std::get<QPainterPath>(g.forme()).boundingRect();
    EXPECT_NEAR(bg.left(), 0, 1e-6);
    EXPECT_NEAR(bg.top(), -1000, 1e-6);
    EXPECT_NEAR(bg.right(), 1009.5, 1e-6);
    EXPECT_NEAR(bg.bottom(), 9.5, 1e-6);
    g.modifArg(1, -90);
    EXPECT_NEAR(std::get<QPainterPath>(g.formeFocus()).boundingRect().bottom(), 1000, 1e-6);

    PortionMarqueurGauche m;
    EXPECT_EQ(std::get<QRectF>(m.forme()), QRectF(-9.5, -300, 19, 300));
    PortionLigneAveugle a;
    EXPECT_TRUE(std::holds_alternative<std::monostate>(a.forme()));
    EXPECT_EQ(std::get<QRectF>(a.formeFocus()), QRectF(0, -8, 1000, 16));
    PortionObstacle o;
    EXPECT_EQ(std::get<QRectF>(o.forme()), QRectF(-25, -500, 50, 1000));
    std::unique_ptr<Portion> depart(Piste::eltCreate(0));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(depart->forme()));
    EXPECT_EQ(std::get<QPolygonF>(depart->formeFocus()).boundingRect(), QRectF(-100, -100, 300, 200));
}

TEST(TrackEditing, EmptyTrackAndIndicesOutOfRange)
{
    Piste p;
    EXPECT_EQ(p.getScotchDistance(0, 0), 1e20);
    EXPECT_FALSE(p.getObstacleCollision(0, 0));
    p.eltSupprime(0);
    p.eltRemplace(0, 1);
    p.eltModifArg(0, 0, 5);
    p.setFocus(0);
    p.eltInsert(1, 1);
    p.eltInsert(0, 6);
    EXPECT_EQ(p.size(), 0u);
    EXPECT_EQ(p.getElt(0), nullptr);
    p.eltChange(static_cast<unsigned>(-1));
}

TEST(TrackEditing, ChainingAndModification)
{
    Piste p;
    construire(p, {{0, {100, 200, 90}}, {1, {500}}, {2, {300, -90}}, {3, {}}, {1, {}}});
    ASSERT_EQ(p.size(), 5u);
    for (unsigned i = 0; i < p.size(); ++i) {
        EXPECT_EQ(p.getElt(i)->getID(), static_cast<int>(i));
        EXPECT_EQ(p.getElt(i)->getSource(), i ? p.getElt(i - 1) : nullptr);
    }
    attendPose(p.getElt(2), 100, 700, pi / 2);
    attendPose(p.getElt(4), 400, 1000, 0);
    EXPECT_TRUE(p.getObstacleCollision(400, 1000));

    // A longer straight carries every later element along.
    p.eltModifArg(1, 0, 800);
    attendPose(p.getElt(4), 400, 1300, 0);
    p.eltModifArg(0, 0, 0);
    attendPose(p.getElt(4), 300, 1300, 0);
}

TEST(TrackEditing, DeletionReplacementInsertion)
{
    Piste p;
    construire(p, {{0, {500, 500, 30}}, {1, {200}}, {1, {300}}, {4, {}}});
    p.eltSupprime(0);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p.getElt(0)->getSource(), nullptr);
    attendPose(p.getElt(0), 0, 0, 0);
    attendPose(p.getElt(1), 200, 0, 0);
    EXPECT_EQ(p.getElt(2)->getID(), 2);

    // Replacing the middle straight by a curve moves the gap to the curve's end.
    p.eltRemplace(1, 2);
    ASSERT_EQ(p.getElt(1)->typeIndex(), 2);
    EXPECT_EQ(p.getElt(2)->getSource(), p.getElt(1));
    attendPose(p.getElt(2), 1200, 1000, pi / 2);
    p.eltRemplace(1, 42);
    EXPECT_EQ(p.getElt(1)->typeIndex(), 2);

    p.eltInsert(3, 5);
    ASSERT_EQ(p.size(), 4u);
    attendPose(p.getElt(3), 1200, 2000, pi / 2);
    p.eltInsert(5, 1);
    EXPECT_EQ(p.size(), 4u);
    // A start marker inserted first gives the track a pose again.
    p.eltInsert(0, 0);
    p.eltModifArg(0, 1, -100);
    EXPECT_EQ(p.getElt(1)->getSource(), p.getElt(0));
    attendPose(p.getElt(2), 200, -100, 0);
    for (unsigned i = 0; i < p.size(); ++i)
        EXPECT_EQ(p.getElt(i)->getID(), static_cast<int>(i));
    p.eltSupprime(2);
    attendPose(p.getElt(2), 200, -100, 0);
}

TEST(TrackEditing, HighlightAndQueries)
{
    Piste p;
    construire(p, {{0, {}}, {1, {}}, {1, {}}, {4, {}}});
    auto visible = [&p](unsigned i) { return p.getElt(i)->hasFocus(); };
    p.setFocus(2);
    p.setFocus(1);
    EXPECT_FALSE(visible(2));
    EXPECT_TRUE(visible(1));
    p.setFocus(4);
    EXPECT_TRUE(visible(1));
    EXPECT_EQ(p.getFocus(), 1u);
    // The index is not shifted by a deletion: the highlight now standing at another
    // index must still go when the focus moves.
    p.setFocus(3);
    p.eltSupprime(0);
    p.setFocus(0);
    EXPECT_TRUE(visible(0));
    EXPECT_FALSE(visible(2));
    p.noFocus();
    EXPECT_FALSE(visible(0));

    // Two parallel tapes 20 mm apart, then an obstacle elsewhere.
    Piste q;
    construire(q, {{0, {0, 10, 0}}, {1, {}}, {0, {0, -10, 0}}, {1, {}}, {0, {2000, 0, 0}}, {3, {}}});
    EXPECT_DOUBLE_EQ(q.getScotchDistance(500, 0), 10.0);
    EXPECT_DOUBLE_EQ(q.getScotchDistance(500, 12), 2.0);
    EXPECT_DOUBLE_EQ(q.getScotchDistance(500, -13), 3.0);
    EXPECT_EQ(q.getScotchDistance(1500, 0), 1e20);
    EXPECT_TRUE(q.getObstacleCollision(2010, 300));
    EXPECT_FALSE(q.getObstacleCollision(1000, 0));
}

// The distance a person would measure to the tape: to the nearest point of the
// centre lines, ends included; beside a gap there is none.
TEST(TrackEditing, GeometricDistanceToTheTape)
{
    Piste p;
    // Straight to (100, 0), a marker there, a left quarter turn around (100, 100) to
    // (200, 100), a gap to (200, 150), a straight to (200, 250), a right half turn
    // around (250, 250) to (300, 250).
    construire(p, {{0, {0, 0, 0}}, {1, {100}}, {5, {30}}, {2, {100, 90}}, {4, {50}}, {1, {100}}, {2, {50, -180}}});
    EXPECT_NEAR(p.distanceAuScotch(50, 5), 5.0, 1e-9);
    EXPECT_NEAR(p.distanceAuScotch(-30, -40), 50.0, 1e-9);                          // before the start
    EXPECT_NEAR(p.distanceAuScotch(103, 20), 3.0, 1e-9);                            // the marker
    EXPECT_NEAR(p.distanceAuScotch(100 + 110 * std::sqrt(0.5), 100 - 110 * std::sqrt(0.5)), 10.0, 1e-9);
    EXPECT_NEAR(p.distanceAuScotch(250, 310), 10.0, 1e-9);                          // top of the right turn
    EXPECT_NEAR(p.distanceAuScotch(310, 200), std::hypot(10.0, 50.0), 1e-9);        // past its end
    EXPECT_EQ(p.distanceAuScotch(205, 125), -1.0);                                  // beside the gap
    EXPECT_NEAR(p.distanceAuScotch(205, 152), 5.0, 1e-9);                           // just past it
    // A negative radius mirrors the arc through its start: it still ends at getX/getY.
    Piste q;
    construire(q, {{0, {0, 0, 0}}, {2, {-100, 90}}});
    const Portion* c = q.getElt(1);
    EXPECT_NEAR(q.distanceAuScotch(c->getX(), c->getY()), 0.0, 1e-9);
    Piste sansScotch;
    construire(sansScotch, {{0, {0, 0, 0}}, {3, {}}, {4, {}}});
    EXPECT_EQ(sansScotch.distanceAuScotch(0, 0), -1.0);
}

TEST(TrackFile, WriteAndReadBack)
{
    const QString f = cheminTemp("aller_retour.pis");
    Piste p;
    construire(p, {{0, {-123.456789, 250, 33.3333333}}, {1, {1234.56789}}, {2, {456.789123, -123.456789}},
                   {3, {300.5, 40.25}}, {4, {77.7777777}}, {5, {222.222222}}});
    ASSERT_TRUE(p.saveData(f));
    Piste q;
    construire(q, {{1, {}}});
    ASSERT_TRUE(q.openData(f));
    ASSERT_EQ(q.size(), p.size());
    for (unsigned i = 0; i < p.size(); ++i) {
        SCOPED_TRACE(i);
        const Portion* a = p.getElt(i);
        const Portion* b = q.getElt(i);
        EXPECT_EQ(b->typeIndex(), a->typeIndex());
        EXPECT_EQ(b->getID(), static_cast<int>(i));
        for (int n = 0; n < a->nbArg(); ++n)
            EXPECT_NEAR(b->valArg(n), QString::number(a->valArg(n), 'g', 6).toDouble(), 1e-9 * std::fabs(a->valArg(n)));
    }

    // A second save replaces the file entirely.
    Piste courte;
    construire(courte, {{0, {}}, {1, {}}});
    ASSERT_TRUE(courte.saveData(f));
    QFile fichier(f);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    QDomDocument doc;
    ASSERT_TRUE(doc.setContent(&fichier));
    EXPECT_EQ(doc.doctype().publicId(), QStringLiteral("-//KQ//DTD Piste 1.0 //EN"));
    EXPECT_EQ(doc.firstChild().toComment().data(), QStringLiteral("This file describe a rombo"));
    EXPECT_EQ(doc.documentElement().attribute(QStringLiteral("name")), f);
    const QDomElement rep = doc.documentElement().firstChildElement();
    EXPECT_EQ(rep.tagName() + rep.attribute(QStringLiteral("numero")), QStringLiteral("repere0"));
    EXPECT_EQ(rep.firstChildElement(QStringLiteral("theta")).text(), QStringLiteral("0"));
    const QDomElement dr = rep.nextSiblingElement();
    EXPECT_EQ(dr.tagName() + dr.attribute(QStringLiteral("numero")), QStringLiteral("droite1"));
    EXPECT_EQ(dr.firstChildElement(QStringLiteral("longueur")).text(), QStringLiteral("1000"));
    EXPECT_EQ(dr.firstChildElement(QStringLiteral("largeur")).text(), QStringLiteral("19"));
    EXPECT_TRUE(dr.nextSiblingElement().isNull());

    EXPECT_FALSE(courte.saveData(cheminTemp("pas_de_dossier/piste.pis")));
    const QString dossier = cheminTemp("dossier_piste.pis");
    ASSERT_TRUE(QDir().mkpath(dossier));
    EXPECT_FALSE(courte.saveData(dossier));
    EXPECT_TRUE(QFileInfo(dossier).isDir());
}

TEST(TrackFile, FileNumbersKeptUntilTheNextEdit)
{
    const QString f = cheminTemp("numeros.pis");
    ASSERT_TRUE(ecrire(f, QStringLiteral("<repere numero=\"3\"><x>5</x></repere>"
                                         "<droite numero=\"7\"><longueur>100</longueur></droite>")));
    Piste p;
    ASSERT_TRUE(p.openData(f));
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p.getElt(0)->getID(), 3);
    EXPECT_EQ(p.getElt(1)->getID(), 7);
    EXPECT_DOUBLE_EQ(p.getElt(1)->getX(), 105.0);
    // Absent fields keep the values of a new element.
    EXPECT_EQ(static_cast<PortionLigneDroite*>(p.getElt(1))->largeur, 19.0);
    ASSERT_TRUE(p.saveData(f));
    Piste q;
    ASSERT_TRUE(q.openData(f));
    EXPECT_EQ(q.getElt(1)->getID(), 7);
    q.eltInsert(2, 1);
    EXPECT_EQ(q.getElt(0)->getID(), 0);
    EXPECT_EQ(q.getElt(1)->getID(), 1);
}

TEST(TrackFile, DamagedFiles)
{
    const QString f = cheminTemp("abime.pis");
    Piste p;
    construire(p, {{0, {}}, {1, {}}});
    for (const char* texte : {"", "<piste><repere numero=\"0\"><x>1</x></repere>", "pas du xml <<"}) {
        ASSERT_TRUE(ecrire(f, QString::fromLatin1(texte), false));
        EXPECT_FALSE(p.openData(f));
        EXPECT_EQ(p.size(), 2u);
    }
    EXPECT_FALSE(p.openData(cheminTemp("absent.pis")));
    EXPECT_EQ(p.size(), 2u);

    // One number for two types: the second type's fields are dropped.
    ASSERT_TRUE(ecrire(f, QStringLiteral("<repere numero=\"0\"><x>10</x></repere>"
                                         "<droite numero=\"0\"><longueur>5</longueur></droite>"
                                         "<courbe numero=\"1\"><angle>-90</angle></courbe>")));
    ASSERT_TRUE(p.openData(f));
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p.getElt(0)->typeIndex(), 0);
    attendPose(p.getElt(1), 10, 0, 0);

    // No start marker: the first element sits at the origin, heading 0. Unknown
    // elements and fields create nothing; unreadable numbers read as 0.
    ASSERT_TRUE(ecrire(f, QStringLiteral("<triangle numero=\"0\"><longueur>5</longueur></triangle>"
                                         "<droite numero=\"99999999999999\"><couleur>rouge</couleur>"
                                         "<longueur>douze</longueur><largeur>nan</largeur></droite>"
                                         "<obstacle numero=\"-4\"><longueur>inf</longueur></obstacle>"
                                         "<aveugle numero=\"abc\"><longueur>1e3</longueur></aveugle>"
                                         "<marqueur_gauche><longueur>12.5</longueur></marqueur_gauche>")));
    ASSERT_TRUE(p.openData(f));
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p.getElt(0)->typeIndex(), 1);
    EXPECT_EQ(p.getElt(0)->getID(), 0);
    attendPose(p.getElt(0), 0, 0, 0);
    EXPECT_EQ(p.getElt(0)->valArg(0), 0.0);
    EXPECT_EQ(static_cast<PortionLigneDroite*>(p.getElt(0))->largeur, 0.0);
    EXPECT_EQ(p.getElt(1)->getID(), -4);
    EXPECT_EQ(p.getElt(1)->valArg(0), 0.0);

    // A number met again after a later element keeps that element following it.
    ASSERT_TRUE(ecrire(f, QStringLiteral("<droite numero=\"0\"><longueur>100</longueur></droite>"
                                         "<courbe numero=\"1\"><rayon>50</rayon></courbe>"
                                         "<droite numero=\"0\"><longueur>500</longueur></droite>")));
    ASSERT_TRUE(p.openData(f));
    ASSERT_EQ(p.size(), 2u);
    attendPose(p.getElt(1), 500, 0, 0);

    // A root whose first child is a comment empties the track.
    ASSERT_TRUE(ecrire(f, QStringLiteral("<!-- rien --><repere numero=\"0\"><x>1</x></repere>")));
    ASSERT_TRUE(p.openData(f));
    EXPECT_EQ(p.size(), 0u);
}

TEST(TrackExample, ClosedCircuitWithAnObstacleOnTheLine)
{
    Piste p;
    ASSERT_TRUE(p.openData(QStringLiteral(TAVREX_EXAMPLES_SRC_DIR "/piste001.pis")));
    ASSERT_GT(p.size(), 10u);
    EXPECT_EQ(p.getElt(0)->typeIndex(), 0);
    const Portion* parType[6] = {};
    const Portion* dernierScotch = nullptr;
    for (unsigned i = 0; i < p.size(); ++i) {
        const Portion* e = p.getElt(i);
        parType[e->typeIndex()] = e;
        EXPECT_LE(std::max(std::fabs(e->getX()), std::fabs(e->getY())), 5000.0);
        EXPECT_TRUE(e->typeIndex() != 2 || e->valArg(0) >= 250.0) << i;
        EXPECT_TRUE(e->typeIndex() != 4 || (e->valArg(0) >= 60.0 && e->valArg(0) <= 100.0)) << i;
        if (e->typeIndex() == 1 || e->typeIndex() == 2)
            dernierScotch = e;
    }
    for (const Portion* e : parType)
        ASSERT_NE(e, nullptr);
    const Portion* obstacle = parType[3];
    const Portion* depart = p.getElt(0);
    EXPECT_NEAR(dernierScotch->getX(), depart->getX0(), 1.0);
    EXPECT_NEAR(dernierScotch->getY(), depart->getY0(), 1.0);
    EXPECT_NEAR(std::remainder(dernierScotch->getTheta() - depart->getTheta0(), 2 * pi), 0.0, 1e-3);
    // The obstacle stands across the tape.
    EXPECT_TRUE(p.getObstacleCollision(obstacle->getX0(), obstacle->getY0()));
    EXPECT_LT(p.getScotchDistance(obstacle->getX0(), obstacle->getY0()), 1.0);
}
