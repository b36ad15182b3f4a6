// One program's run under a check file: the board driven through the run driver,
// the intervals measured from the events themselves, each expectation judged by its
// kind's evaluation.

#include <algorithm>

#include "checkinterne.h"
#include "modele.h"
#include "seance.h"

namespace {

constexpr double ticksParUs = ticksParMs / 1000.0;

// The file's actions at their times, each expectation evaluated at its time or
// measured over its interval from the ports' evaluations or the motion steps. The
// observers are set only while an interval needs them: the runs between two events
// keep their speed.
class Notation : public ObservateurPorts, public ObservateurPas
{
public:
    Notation(Modele& m, const FichierCheck& f, const std::vector<Attente>& attentes, uint64_t fin)
        : modele(m), pic(*m.getProcesseur()), attentes(attentes), fin(fin), seance(m),
          mesures(attentes.size()), resultats(attentes.size())
    {
        // At one time, the entries in the file's order; an interval's start before
        // its own end.
        seance.planifie(f.actions);
        for (size_t i = 0; i < attentes.size(); ++i) {
            mesures[i].observation = genreDe(attentes[i].sujet).observation;
            if (attentes[i].intervalle)
                seance.planifie(attentes[i].debut, attentes[i].ordre, [this, i] { commence(i); });
            seance.planifie(attentes[i].fin, attentes[i].ordre, [this, i] { evalue(i); });
        }
    }

    ~Notation() override
    {
        pic.setObservateurPorts(nullptr);
        modele.setObservateurPas(nullptr);
    }

    void executer(std::vector<std::string>& avertissements)
    {
        const QMetaObject::Connection lien =
            QObject::connect(&modele, &Modele::diagnostic, [this, &avertissements](const Diagnostic& d) {
                avertissements.push_back(texteAvertissement(d, seance.horlogeDe(d.ticks)));
            });
        modele.powerOn();
        seance.demarre();
        seance.avanceJusqua(fin);
        ticksExecutes = seance.ticksExecutes();
        QObject::disconnect(lien);
    }

    const std::vector<Resultat>& getResultats() const { return resultats; }
    uint64_t ticksExecutes = 0;

private:
    void commence(size_t i)
    {
        Mesure& m = mesures[i];
        m.active = true;
        switch (m.observation) {
        case Observation::Instant:
            break;
        case Observation::Fronts:
            m.niveau = niveauPin(pic, attentes[i].numero);
            ++suivisFronts;
            pic.setObservateurPorts(this);
            break;
        case Observation::Pas:
            ++suivisPas;
            modele.setObservateurPas(this);
            break;
        }
    }

    void arrete(size_t i)
    {
        Mesure& m = mesures[i];
        m.active = false;
        switch (m.observation) {
        case Observation::Instant:
            break;
        case Observation::Fronts:
            if (--suivisFronts == 0)
                pic.setObservateurPorts(nullptr);
            break;
        case Observation::Pas:
            if (--suivisPas == 0)
                modele.setObservateurPas(nullptr);
            break;
        }
    }

    void portEvalue(const Port& port, Byte valeur) override
    {
        const int numeroPort = port.getNumero();
        for (size_t i = 0; i < mesures.size(); ++i) {
            Mesure& m = mesures[i];
            const int numero = attentes[i].numero;
            if (!m.active || m.observation != Observation::Fronts || numero / 8 != numeroPort)
                continue;
            const bool niveau = (valeur >> (numero % 8)) & 1;
            if (niveau == m.niveau)
                continue;
            m.niveau = niveau;
            ++m.fronts;
            const uint64_t t = seance.horloge();
            if (!niveau) {
                m.descendant = t;
                continue;
            }
            if (m.montantVu && m.descendant > m.montant) {
                const double periode = static_cast<double>(t - m.montant);
                m.notePeriode(100.0 * static_cast<double>(m.descendant - m.montant) / periode, periode / ticksParUs);
            }
            m.montantVu = true;
            m.montant = t;
        }
    }

    void pasEffectue(const Modele& m) override
    {
        const double d = m.getPiste()->distanceAuScotch(m.getX() + Modele::avant * m.getCosTheta(),
                                                        m.getY() + Modele::avant * m.getSinTheta());
        for (Mesure& me : mesures) {
            if (!me.active || me.observation != Observation::Pas)
                continue;
            ++me.pas;
            if (d >= 0.0) {
                me.ecartMax = me.pasSurScotch == 0 ? d : std::max(me.ecartMax, d);
                ++me.pasSurScotch;
            }
        }
    }

    void evalue(size_t i)
    {
        const Attente& a = attentes[i];
        const GenreAttente& genre = genreDe(a.sujet);
        std::string trouve;
        const bool reussi = genre.evalue(a, Constat{modele, pic, mesures[i]}, trouve);
        if (a.intervalle)
            arrete(i);
        Resultat& r = resultats[i];
        r.reussi = reussi;
        r.nom = a.moment + " " + a.nom + " " + a.attendu;
        r.message = a.moment + " " + a.nom + ": expected " + a.attendu + ", found " + trouve;
    }

    Modele& modele;
    P18f4550& pic;
    const std::vector<Attente>& attentes;
    const uint64_t fin;
    Seance seance;
    std::vector<Mesure> mesures;
    std::vector<Resultat> resultats;
    int suivisFronts = 0;
    int suivisPas = 0;
};

}  // namespace

std::vector<Resultat> noteProgramme(Modele& modele, const FichierCheck& f, const std::vector<Attente>& attentes,
                                    uint64_t fin, uint64_t& ticksExecutes, std::vector<std::string>& avertissements)
{
    Notation notation(modele, f, attentes, fin);
    notation.executer(avertissements);
    ticksExecutes = notation.ticksExecutes;
    return notation.getResultats();
}
