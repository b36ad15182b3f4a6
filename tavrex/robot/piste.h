#ifndef TAVREX_PISTE_H
#define TAVREX_PISTE_H

#include <variant>
#include <vector>

#include <QDomDocument>
#include <QDomElement>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include "types.h"
#include "xmlopensavedata.h"

class Portion;

// A shape in an element's own frame: nothing, a rectangle, a polygon or any outline.
// Rectangles and polygons stay such so that a view draws them as such.
using Forme = std::variant<std::monostate, QRectF, QPolygonF, QPainterPath>;

// What shows a track. The track tells it of every element that comes, changes (shape,
// pose or highlight) or goes; a view given to a track hears of all its elements at once.
class VuePiste
{
public:
    virtual void eltAjoute(const Portion& e) = 0;
    virtual void eltModifie(const Portion& e) = 0;
    // Just before the element is deleted.
    virtual void eltRetire(const Portion& e) = 0;

protected:
    ~VuePiste() = default;
};

// One value of a track element: its tag in the track file and, for the values the
// track editor shows, its name, suffix, bounds and decimals there. Values are read
// and written in the user's units (angles in degrees).
struct DescArg
{
    const char* balise;
    const char* nom;   // null: saved, not edited
    const char* suffixe;
    double min;
    double max;
    int decimales;
    double (*lire)(const Portion&);
    void (*ecrire)(Portion&, double);
};

// One element of a track. Each element starts where its predecessor ends, so a track
// is a list of lengths, radii and angles rather than of coordinates. Lengths are in
// mm, headings in radians counter-clockwise from the x axis (track y points up).
//
// Its drawing is given in its own frame, where x runs along the heading and +y is to
// the right of it: that frame lies in a scene whose y axis points down at (x0, -y0),
// turned by -theta0 in degrees.
class Portion
{
    friend class Piste;

public:
    explicit Portion(int id = -1, Portion* source = nullptr);
    virtual ~Portion() = default;
    Portion(const Portion&) = delete;
    Portion& operator=(const Portion&) = delete;

    // End pose: where the next element starts.
    virtual double getX() const { return x0; }
    virtual double getY() const { return y0; }
    virtual double getTheta() const { return theta0; }

    // The element and its values, as the track file holds them.
    void saveXML(QDomDocument& doc, QDomElement& parent) const;

    // Distance in mm from a point to this element's tape centre line, or -1 when the
    // point is not beside this element's tape.
    virtual double getScotchDistance(double x, double y) const;
    virtual bool getObstacleCollision(double x, double y) const;
    // Distance in mm from a point to the nearest point of this element's centre line,
    // its ends included; -1 for an element that lays no line (start marker, obstacle).
    virtual double distanceAxe(double x, double y) const;
    // Whether the line is taped (a gap is not).
    virtual bool avecScotch() const { return true; }

    virtual int typeIndex() const = 0;

    // The values of element type `type` (see Piste::eltCreate) in the file's order,
    // and the element's tag in the track file (null for an unknown type).
    static const std::vector<DescArg>& descriptions(int type);
    static const char* balise(int type);

    // The user-editable arguments, as the track editor presents them: numbers out of
    // range get "rien" and zeros.
    int nbArg() const;
    QString nameArg(int n) const;
    double valArg(int n) const;
    double maxArg(int n) const;
    double minArg(int n) const;
    // Stores the value and has the element redrawn; the following elements are moved
    // by the track (Piste::eltModifArg), not here.
    void modifArg(int n, double value);
    QString suffixArg(int n) const;
    // Its tag in the track file; null when there is none.
    const char* baliseArg(int n) const;
    int decimalsArg(int n) const;

    // What the carpet shows of the element (the tape, or the block), and the highlight
    // of the element being edited.
    virtual Forme forme() const { return {}; }
    virtual Forme formeFocus() const { return forme(); }
    QPointF posScene() const { return {x0, -y0}; }
    double rotationScene() const { return -theta0 * radEnDeg; }

    void setSrc(Portion* src) { source = src; }
    // Takes the start pose from the source (origin, heading 0, when there is none).
    void calculPosition();
    int getID() const { return id; }
    void setID(int n) { id = n; }
    void setFocus(bool f);

    double getX0() const { return x0; }
    double getY0() const { return y0; }
    double getTheta0() const { return theta0; }
    Portion* getSource() const { return source; }
    bool hasFocus() const { return focus; }

protected:
    // The editable argument numbered n, null when there is none.
    const DescArg* arg(int n) const;
    // Coordinates of a track point in the element's frame: along the heading and to
    // the left of it.
    double avant(double x, double y) const { return (x - x0) * cosTheta0 + (y - y0) * sinTheta0; }
    double gauche(double x, double y) const { return (y - y0) * cosTheta0 - (x - x0) * sinTheta0; }
    // Tells the view, if any, that the element's shape, pose or highlight changed.
    void redessiner() const;

    double x0 = 0.0;
    double y0 = 0.0;
    double theta0 = 0.0;
    double cosTheta0 = 1.0;
    double sinTheta0 = 0.0;
    bool noSrc = false;
    bool focus = false;
    int id;
    Portion* source;
    VuePiste* vue = nullptr;
};

// Start marker: the only element with a pose of its own.
class PortionRepere : public Portion
{
public:
    explicit PortionRepere(int id = -1, Portion* source = nullptr);
    int typeIndex() const override { return 0; }
    Forme formeFocus() const override;
    void setX0(double x) { x0 = x; }
    void setY0(double y) { y0 = y; }
    // Sets the heading with its cosine and sine.
    void setTheta0(double theta);
};

class PortionLigneDroite : public Portion
{
public:
    using Portion::Portion;
    double getX() const override { return x0 + longueur * cosTheta0; }
    double getY() const override { return y0 + longueur * sinTheta0; }
    double getScotchDistance(double x, double y) const override;
    double distanceAxe(double x, double y) const override;
    int typeIndex() const override { return 1; }
    Forme forme() const override;

    double longueur = 1000.0;
    double largeur = 19.0;
};

// A circular arc of tape; a positive angle turns left around a centre `rayon` to the
// left of the start point, a negative one right.
class PortionLigneCourbe : public Portion
{
public:
    using Portion::Portion;
    double getX() const override;
    double getY() const override;
    double getTheta() const override { return theta0 + angle; }
    double getScotchDistance(double x, double y) const override;
    double distanceAxe(double x, double y) const override;
    int typeIndex() const override { return 2; }
    Forme forme() const override;

    double rayon = 1000.0;
    double largeur = 19.0;
    double angle = pi / 2;
};

// A block standing on the line at its start point, centred on it: `largeur` along the
// heading, `longueur` across. It does not advance the line.
class PortionObstacle : public Portion
{
public:
    using Portion::Portion;
    bool getObstacleCollision(double x, double y) const override;
    int typeIndex() const override { return 3; }
    Forme forme() const override;

    double longueur = 1000.0;
    double largeur = 50.0;
};

// A straight stretch without tape.
class PortionLigneAveugle : public Portion
{
public:
    using Portion::Portion;
    double getX() const override { return x0 + longueur * cosTheta0; }
    double getY() const override { return y0 + longueur * sinTheta0; }
    double distanceAxe(double x, double y) const override;
    bool avecScotch() const override { return false; }
    int typeIndex() const override { return 4; }
    Forme formeFocus() const override;

    double longueur = 1000.0;
};

// A stub of tape leaving the line towards its left, perpendicular to the heading; it
// does not advance the line.
class PortionMarqueurGauche : public Portion
{
public:
    using Portion::Portion;
    double getScotchDistance(double x, double y) const override;
    double distanceAxe(double x, double y) const override;
    int typeIndex() const override { return 5; }
    Forme forme() const override;

    double longueur = 300.0;
    double largeur = 19.0;
};

// The track: its elements in order, each the source of the next, their editing, the
// two questions the robot model asks of the whole track, and the track file.
class Piste : public XMLOpenSaveData
{
    Q_OBJECT

public:
    Piste();
    ~Piste() override;

    void initialise() override;
    void decode(const QString& obj, const QString& num, const QString& attr, const QString& val) override;
    // Writes the track file; the previous file stays intact when writing fails.
    // Returns whether the file was written.
    bool saveData(const QString& fichier) const;

    // Distance in mm to the nearest tape centre line beside the point, 1e20 when none.
    double getScotchDistance(double x, double y) const;
    bool getObstacleCollision(double x, double y) const;
    // How far a point is from the tape, as a person would measure it: the distance in
    // mm to the nearest point of the line's centre line (straights, curves and
    // markers, ends included). -1 where that nearest point lies on a gap, and on a
    // track without tape. The sensors keep getScotchDistance's rule.
    double distanceAuScotch(double x, double y) const;

    // Null: none. The view is not owned; the previous one hears nothing more.
    void setVue(VuePiste* v);

    // A new detached element of type index `type` (0 start marker, 1 straight line,
    // 2 curve, 3 obstacle, 4 gap, 5 left marker), or null for another index.
    static Portion* eltCreate(int type);

    // The element numbered `numero`, appended with that number and type index `type`
    // when there is none. Null when that number belongs to an element of another type.
    Portion* getPortion(int numero, int type);

    void setIDs();
    unsigned int size() const { return static_cast<unsigned int>(tab.size()); }
    Portion* getElt(unsigned int n) const { return n < tab.size() ? tab[n] : nullptr; }
    unsigned int getFocus() const { return focus; }

public slots:
    // Moves every element after n to follow element n.
    void eltChange(unsigned int n);
    void eltSupprime(unsigned int n);
    void eltRemplace(unsigned int n, int type);
    void eltInsert(unsigned int n, int type);
    void eltModifArg(unsigned int n, int arg, double value);
    void setFocus(unsigned int n);
    void noFocus();

private:
    static Portion* nouvelElement(int type, int id, Portion* source);
    // Gives element i its predecessor and recomputes its pose.
    void chainer(size_t i);
    void effacerFocus();
    // A new element of the track, shown by the view.
    void montrer(Portion* p);
    // Deletes an element, its view told first.
    void detruire(Portion* p);

    std::vector<Portion*> tab;
    unsigned int focus = static_cast<unsigned int>(-1);
    VuePiste* vue = nullptr;
};

#endif
