#ifndef TAVREX_SEANCE_H
#define TAVREX_SEANCE_H

#include <cstdint>
#include <functional>
#include <vector>

#include <QMetaObject>

#include "actions.h"

class Modele;

// One run of the board in chip time: the only way the front ends drive it. The run
// has a clock of its own, the chip ticks since it started plus the time the board
// spent off or held in reset (time goes on for the user while nothing runs), and a
// timeline of entries (the user's actions, the instants a check looks at) that are
// played at the first instruction boundary at or after their instant, those of one
// instant in their order. Between two entries the board runs through
// `Modele::executeJusqua`, so that the quiet runs and wait loops keep their speed.
class Seance
{
public:
    explicit Seance(Modele& modele);
    ~Seance();
    Seance(const Seance&) = delete;
    Seance& operator=(const Seance&) = delete;

    // The clock's zero is now. The board is not switched on: that is an entry, or the
    // front end's own call.
    void demarre();
    uint64_t horloge() const;
    // Chip time run since the start, the time off left out.
    uint64_t ticksExecutes() const { return horloge() - attente; }
    // The clock at the chip time `ticks` (Modele::time()) of the run so far.
    uint64_t horlogeDe(uint64_t ticks) const { return ticks - origine + attente; }
    // Whether chip time runs: the board on and not held in reset.
    bool tourne() const { return enMarche; }
    // The run taken up where a snapshot left it: its clock, the time off inside it,
    // and whether chip time runs.
    void reprend(uint64_t horloge, uint64_t horsTension, bool tourne);

    // An entry at `instant` of the run's clock; `ordre` ranks the entries of one
    // instant (an entry added later at the same instant and rank comes after).
    void planifie(uint64_t instant, int ordre, std::function<void()> faire);
    // Each action at its instant and in its order, done to the model.
    void planifie(const std::vector<Action>& actions);
    bool entreesRestantes() const { return prochaine < agenda.size(); }

    // Headless: runs until the clock reaches `fin` (at the first instruction boundary
    // at or after it); time while the board is off passes at once.
    void avanceJusqua(uint64_t fin);
    // Paced by a front end: at most `duree` ticks of chip time while the board runs,
    // the entries due inside played in turn. Returns the ticks run; fewer when an
    // entry switched the board off or held it in reset.
    uint64_t tranche(uint64_t duree);
    // Paced by a front end while the board does not run: `duree` ticks of the clock
    // pass (at the wall clock's pace), the entries due played.
    void passeHorsTension(uint64_t duree);
    // From an entry: the run returns once that entry is played, at its instruction
    // boundary.
    void interrompre() { interrompue = true; }

    // Told of every stretch of time the board spends off (a waveform keeps its time).
    void setSurAttente(std::function<void(uint64_t duree)> f) { surAttente = std::move(f); }
    // Called after each instruction, instead of the quiet runs, for as long as it
    // returns true; `debut` is the clock when the instruction started.
    void suisInstructions(std::function<bool(uint64_t debut)> f) { suivi = std::move(f); }

    // Plays the entries due now; false when one asked to stop.
    bool joueDues();

    // What may stop a run at an instruction boundary: the debugger. Without breakpoints
    // and conditions, it costs a test per stretch of the run, none per instruction.
    class Garde
    {
    public:
        virtual ~Garde() = default;
        // The instruction of a breakpoint (P18f4550::marque) is next: true to stop
        // before it; false to run it and go on.
        virtual bool devantMarque() = 0;
        // After each instruction, at its boundary, while suisPasAPas(true): true to stop.
        virtual bool apresInstruction() = 0;
        // The run stopped (a pause asked, or a true from above); said once the run
        // has returned, or at once when asked between two runs.
        virtual void arretee() = 0;
    };
    void setGarde(Garde* g) { garde = g; }
    // Whether the run goes instruction by instruction, asking Garde::apresInstruction().
    void suisPasAPas(bool oui) { pasAPas = oui; }

    // The pause: while it lasts, chip time stands still, the runs return at once and
    // entries wait for their instants. It comes at the boundary where the run is, or,
    // asked from an entry, at that entry's boundary.
    bool enPause() const { return pause; }
    void suspend();
    void reprend() { pause = false; }
    // From a pause: the entries due played, one instruction (a jump with the NOP of
    // its flush, a skip with the word it skipped), the entries then due played. Nothing
    // runs while the board is off or held in reset. The pause goes on.
    void unPas();
    // The wall-clock time the run spent paused, as a front end counts it (in ticks).
    void comptePause(uint64_t duree) { pauses += duree; }
    uint64_t dureePauses() const { return pauses; }

private:
    struct Entree
    {
        uint64_t instant;
        int ordre;
        std::function<void()> faire;
    };

    // Runs the board until the clock reaches `limite` or an entry's instant, or the
    // run stops.
    void execute(uint64_t limite);
    // One instruction followed (the runner's trace, the debugger's conditions): false
    // when the run stops before or after it.
    bool instructionSuivie();
    // One step of the processor, told to the follower with the clock it began at.
    void pasSuivi();
    // A run's end: the guard told when it paused during it.
    void finDeCourse(bool pauseAvant);
    // The last cycle of the instruction under way run, if one is to come.
    void finitInstruction();
    // Before a breakpoint's instruction: true when the guard stops the run there (the
    // pause begun); otherwise the instruction is let through.
    bool arretDevantMarque();

    Modele& modele;
    std::vector<Entree> agenda;
    size_t prochaine = 0;
    uint64_t origine = 0;
    uint64_t attente = 0;
    bool enMarche = false;
    bool interrompue = false;
    bool enCourse = false;
    bool pause = false;
    bool pasAPas = false;
    uint64_t pauses = 0;
    Garde* garde = nullptr;
    std::function<void(uint64_t)> surAttente;
    std::function<bool(uint64_t)> suivi;
    QMetaObject::Connection surMarche, surArret;
};

#endif
