#ifndef TAVREX_PROCESSEUR_H
#define TAVREX_PROCESSEUR_H

#include <cstdint>

#include "adc.h"
#include "alu.h"
#include "datamemory.h"
#include "diagnostics.h"
#include "evenement.h"
#include "flashmemory.h"
#include "instructions.h"
#include "interruptions.h"
#include "ports.h"
#include "pwm.h"
#include "timer0.h"
#include "timer2.h"
#include "types.h"

// The PIC18F4550 at 48 MHz: one tick is one oscillator period, one phase of the
// four-phase instruction cycle (Q1 to Q4). While one instruction executes, the next
// one is fetched.
//
// Quirks of the chip that the cycle engine implements:
// - the program counter is advanced at every Q4, so during Q2 and Q3 it holds the
//   instruction's address + 2, and an instruction that jumps stores target - 2;
// - a taken branch, call, return or skip flushes the fetched word: the next cycle
//   executes a NOP. A skipped two-word instruction costs two NOP cycles, because its
//   second word decodes as the two-word NOP (1111 xxxx xxxx xxxx);
// - two-word instructions read their second word from the fetch stage at Q2; MOVFF
//   and LFSR refetch after it, TBLRD steps the counter back so that the instruction
//   after it is fetched again;
// - RESET and a stack-overflow reset end the current cycle: its remaining ticks elapse
//   without instruction work, the next cycle executes a NOP while fetching address 0;
// - in the default mode no interrupts: RETFIE, SLEEP and CLRWDT are one-cycle
//   no-operations (the flags are set, nothing acts on them);
// - in the silicon mode interrupts as the data sheet has them (Interruptions): the
//   flags are sampled at each Q1. Found waiting at the Q1 of a cycle that begins an
//   instruction, that instruction is not executed (the routine returns to it): this
//   cycle and the next are NOPs, the vector's first instruction executes in the
//   third, with GIE (GIEH, or GIEL for the low vector) cleared, the return address
//   pushed and W, STATUS and BSR in the fast register stack (at every vectoring,
//   both priorities: "all interrupt sources will push values into the stack
//   registers"). The last cycle of an instruction (the NOP of a taken branch, call,
//   return or skip, the third cycle of a skip over a two-word instruction) completes
//   it: the return is past it (the target). Found at the Q1 of a two-cycle
//   instruction's second cycle, that cycle stands for the first NOP. So the vector's
//   first instruction begins 3 cycles after the start of the cycle in which a flag
//   rose, whatever the instruction under way: the data sheet's "the exact latency is
//   the same for one or two-cycle instructions". For the internal sources this is
//   gpsim's figure after one-cycle instructions (gpsim waits for a whole two-cycle
//   instruction, one cycle more when the flag rose in its first cycle: the return
//   address is the same). External sources (INT0-INT2 edges, the RB4-RB7 mismatch)
//   pass a synchroniser of one cycle: the flag rises four ticks after the pin's
//   evaluation saw the edge, the vector 4 cycles after the edge's cycle, 3 to 4
//   cycles after the edge itself (the data sheet's "three to four instruction
//   cycles"); gpsim takes them as internal ones, a cycle earlier. A flag raised by
//   the instruction that clears GIE finds GIE clear at the next Q1: no vectoring.
//   RETFIE pops, sets GIE again (priority mode: GIEH when clear, the return from a
//   high-priority routine, else GIEL: a low-priority routine runs with GIEH set)
//   and with s = 1 restores W, STATUS and BSR. A high-priority interrupt interrupts
//   a low-priority routine.
//
// What a program relies on and the board leaves out is said to its diagnostics,
// without changing anything that runs.
//
// Every tick ends the same way: the events due in it fire, then the ports marked as
// changed are evaluated (A to E). An instruction that reaches only the core runs its
// four ticks at once when none of them has an event due or a port to evaluate, and a
// stretch of such instructions runs back to back, its time counted at its end.
class P18f4550
{
    friend class EtatModele;   // a snapshot reads and restores the whole state

public:
    P18f4550();
    ~P18f4550();
    P18f4550(const P18f4550&) = delete;
    P18f4550& operator=(const P18f4550&) = delete;

    void powerOnReset();
    void powerOff() { powerOnReset(); }
    void mclrReset();
    void stackReset();
    int readFromHex(const char* filename);
    // A new run: the diagnostics' kinds may be said again, and what watches for them
    // watches again.
    void nouvelleExecution();

    void clock();
    // Always begins a new instruction cycle at Q1, whatever state clock() left.
    int clock4()
    {
        debutCycle();
        if (cycleCalme(4))
            return cycleEnBloc();
        return cycleParTicks();
    }

    // Whole instructions until the time reaches `arret` or an instruction had to run
    // its ticks one by one (an event due, a port to evaluate, an operand outside the
    // core), that one included; returns how many ran. The ones before the last
    // changed nothing outside the core: no event fired and no pin moved.
    uint32_t executeCalmes(uint64_t arret);

    // Breakpoints. A marked address holds a stand-in for its instruction: the runs of
    // executeCalmes() end before it, at the boundary where it would begin (a stretch
    // ends there as at an event), and return 0 while it is next. marqueDevant() tells
    // it is next; franchitMarque() lets it run, as the instruction it stands for.
    void marque(DWord adresse, bool oui);
    bool aDesMarques() const { return nbMarques != 0; }
    bool marqueDevant() const { return fetchPtr->estMarque(); }
    // A breakpoint's instruction begins next (not the last cycle of the one before).
    bool marqueEnAttente() const { return marqueDevant() && !entreDeuxCycles(); }
    void franchitMarque()
    {
        if (fetchPtr->estMarque())
            fetchPtr = static_cast<InstructionArret*>(fetchPtr)->remplace();
    }

    // The byte a program's read of `adresse` would give now, without the read's own
    // effects (TMR0H latched, a port's devices refreshed): the registers counted on
    // demand (TMR0L, TMR2) brought up to date, PCL in the silicon mode the next
    // instruction's address, the others as stored (PORTx: the levels of the pins' last
    // evaluation).
    Byte valeurLue(Word adresse) const;
    // A data memory write from outside the program (the debugger's, between two
    // instructions), made as an instruction's Q4 makes it: the register's own write,
    // then, as at the end of that tick, the ports it changed evaluated.
    void ecritDonnee(Word adresse, Byte valeur)
    {
        dm.write(adresse, valeur);
        if (portsModifies)
            evaluePorts();
    }

    // Pending pipeline actions, requested by the instructions.
    void flush() { fetchPtr = nopProto; }
    // The counter and the fetch stage as the phases left them, in the form of a cycle
    // run at once (Suite).
    uint32_t suiteDesPhases() const { return dm.getPC() | (fetchPtr == nopProto ? Suite::vide : 0); }
    // Nothing is observed unless an observer is set: one test per port evaluation.
    void setObservateurPorts(ObservateurPorts* o) { observateur = o; }
    void notePortEvalue(const Port& port, Byte valeur)
    {
        if (observateur)
            observateur->portEvalue(port, valeur);
    }
    void notePortChange() { portsModifies = true; }

    DataMemory* getDM() { return &dm; }
    const DataMemory* getDM() const { return &dm; }
    FlashMemory* getFM() { return &fm; }
    Alu* getALU() { return &alu; }
    JeuInstructions* getJeu() { return &jeu; }
    PortA* getPortA() { return &portA; }
    PortB* getPortB() { return &portB; }
    PortC* getPortC() { return &portC; }
    PortD* getPortD() { return &portD; }
    PortE* getPortE() { return &portE; }
    Port* getPort(int numero);
    ModuleADC* getADC() { return &adc; }
    Timer0* getTimer0() const { return timer0; }
    Timer2* getTimer2() const { return timer2; }
    Pwm* getPwm1() { return &pwm1; }
    Pwm* getPwm2() { return &pwm2; }
    ListeEvts* getListeEvts() { return &evts; }
    Interruptions* interruptions() { return &interr; }
    uint64_t time() const { return temps; }
    // The silicon mode: PCL and the stack's registers connected as on the chip. Set
    // between runs; the program's words, whose decoding reads whether PCL reads
    // plainly, are decoded again, so the chip must be reset before it runs on.
    void setSilicium(bool oui);
    bool estSilicium() const { return silicium; }
    Diagnostics& diagnostics() { return diag; }
    const Diagnostics& diagnostics() const { return diag; }
    // Says the stack's overflow or underflow that the stack noted since, at `ticks`:
    // the quiet runs keep their time to themselves, so the board's millisecond step
    // and the end of each stretch of the run come here.
    void diagnosticsDePile(uint64_t ticks)
    {
        if (dm.pileEnAttente())
            signalePile(ticks);
    }

    // Whether the cycle just run left its instruction half done, its last cycle to
    // come: the NOP of a word flushed by a jump, call, return or skip, or the second
    // word of a skipped two-word instruction. Between the two, no instruction begins.
    bool entreDeuxCycles() const;
    Word getFetch() const { return fetchPtr->getInstr(); }
    void resetFetch() { fetchPtr = jeu.nop(); }
    InstructionPtr getFetchPtr() const { return fetchPtr; }
    InstructionPtr getInstrPtr() const { return instrPtr; }
    DWord getFetchPC() const { return fetchPC; }
    DWord getInstrPC() const { return instrPC; }
    int getEtat() const { return etat; }

private:
    // Q1: pipeline shift and fetch (it reads neither the time nor anything outside the
    // core, so it may come before the tick count).
    void debutCycle()
    {
        etat = 0;
        decaleEtCharge();
    }
    // The cycle may run at once: no port waits, no event is due in its next `ticks`
    // ticks, and its instruction reaches only the core.
    bool cycleCalme(uint32_t ticks) const
    {
        return !portsModifies && evts.libres(ticks) && instrPtr->estCalme();
    }
    // The end of a stretch of quiet words, which began at `temps`: its ticks counted,
    // its fetch address kept.
    void rattrape(uint64_t t, DWord pcFetch)
    {
        evts.passe(static_cast<uint32_t>(t - temps));
        temps = t;
        fetchPC = pcFetch;
    }
    // The instruction of a run that is not known quiet from its decoding, or that has
    // an event due or a port waiting: at once if it can, tick by tick otherwise.
    // True when both its cycles ran at once. A breakpoint's stand-in does not run:
    // false, with the run's count of instructions one less (the stand-in's cycle was
    // counted when it began).
    bool instructionAutre(uint64_t arret);
    // Before the BRA that closes a loop: the turns that can pass at once.
    void passeToursAttente(uint64_t arret);
    // A stand-in has just come into the execute stage: true, with the cycle's start
    // undone, when an instruction begins there; false, the word itself put in its
    // place, when it is the second word of a skipped two-word instruction.
    bool arreteDevantMarque();
    // Q2 to Q4 tick by tick, then the second cycle if there is one.
    int cycleParTicks()
    {
        // Q1 samples the interrupt flags: only an interrupt that may wait keeps its
        // event registered (silicon mode).
        if (interr.estEnregistre())
            prendInterruption();
        ++temps;
        finDeTick();
        if (instrPtr == nopProto)
            return bulle();
        // Q2, Q3: operands, then the operation.
        ++temps;
        instrPtr->parametres();
        finDeTick();
        ++temps;
        instrPtr->process();
        finDeTick();
        // Q4: result; the program counter advances unless the cycle was abandoned.
        ++temps;
        const bool unCycle = instrPtr->execute();
        termineCycle();
        finDeTick();
        if (unCycle)
            return 4;
        return 4 + secondCycle();
    }
    // The rest of a cycle that executes the NOP of a flush (or of a reset): its
    // ticks elapse with nothing to do but the program counter's step.
    int bulle()
    {
        ++temps;
        finDeTick();
        ++temps;
        finDeTick();
        ++temps;
        termineCycle();
        finDeTick();
        return 4;
    }
    // A whole cycle at once, exact because the instruction's phases reach only the
    // core (W, STATUS, RAM, stack, counter: nothing an event or a port reads or
    // changes) and its ticks have no event due and no port to evaluate: their ends
    // would do nothing, so only the count of ticks and passes is kept.
    int cycleEnBloc()
    {
        if (premierCycleEnBloc())
            return 4;
        if (!evts.libres(4))
            return 4 + secondCycle();
        secondCycleEnBloc();
        return 8;
    }
    // True when the instruction takes one cycle.
    bool premierCycleEnBloc()
    {
        temps += 4;
        evts.passe(4);
        const bool unCycle = instrPtr == nopProto || !(instrPtr->executeEnBloc(dm.getPC()) & Suite::deuxCycles);
        termineCycle();
        return unCycle;
    }
    void secondCycleEnBloc()
    {
        temps += 4;
        evts.passe(4);
        recharge();
        instrPtr->specialQ2();
        instrPtr->specialQ4();
        termineCycle();
    }
    // The second cycle of a two-cycle instruction, tick by tick.
    int secondCycle()
    {
        if (interr.estEnregistre())
            noteSecondCycle();
        ++temps;
        recharge();
        finDeTick();
        ++temps;
        instrPtr->specialQ2();
        finDeTick();
        ++temps;
        finDeTick();
        ++temps;
        instrPtr->specialQ4();
        termineCycle();
        finDeTick();
        return 4;
    }
    void decaleEtCharge()
    {
        // Only a reset from inside this cycle's phases abandons it: one made between
        // instructions already left the counter at 0 for this cycle's step.
        cycleAbandonne = false;
        instrPC = fetchPC;
        instrPtr = fetchPtr;
        recharge();
    }
    void recharge()
    {
        fetchPC = dm.getPC();
        fetchPtr = instructions[fetchPC];
    }
    // Q4's step of the program counter, unless a reset abandoned the cycle; returns
    // the counter, which the next Q1 fetches at.
    DWord termineCycle()
    {
        if (cycleAbandonne) {
            cycleAbandonne = false;
            return dm.getPC();
        }
        return dm.nextPC();
    }
    // The end of every tick: the events due in it, then the changed ports.
    void finDeTick()
    {
        evts.executer();
        if (portsModifies)
            evaluePorts();
    }
    void evaluePorts();
    void redemarre();
    // The word at `adresse` follows a two-word instruction: skipped with it, it is
    // that instruction's second word.
    bool suitDeuxMots(DWord adresse) const { return adresse >= 2 && fm.getInstr(adresse - 2)->deuxMots(); }
    // Q1 of a cycle that begins an instruction, or the last cycle of one, with an
    // interrupt that may wait: the vectoring, if one does.
    [[gnu::noinline]] void prendInterruption();
    // Q1 of a two-cycle instruction's second cycle: an interrupt seen waiting here
    // vectors after it with one cycle fewer (that cycle stands for the first of the
    // two that vectoring takes).
    [[gnu::noinline]] void noteSecondCycle() { secondCycleVu = interr.vecteur() != 0; }
    [[gnu::cold]] void signalePile(uint64_t ticks);
    // What watches for the diagnostics, armed as their mode asks.
    void arme();

    Diagnostics diag{this, &temps};   // first: the registers and instructions built below use it
    JeuInstructions jeu;
    InstructionPtr nopProto;   // jeu's first entry, which every flush puts in the fetch stage
    Alu alu;
    FlashMemory fm;
    Instruction* const* instructions;   // fm's per-address objects, for the fetch
    int etat = 0;
    DWord fetchPC = 0;
    DWord instrPC = 0;
    InstructionPtr fetchPtr;
    InstructionPtr instrPtr;
    PortA portA;
    PortB portB;
    PortC portC;
    PortD portD;
    PortE portE;
    ModuleADC adc;
    Timer0* timer0 = nullptr;
    Timer2* timer2 = nullptr;
    Pwm pwm1;
    Pwm pwm2;
    DataMemory dm;   // after the devices its registers belong to
    uint64_t temps = 0;
    ListeEvts evts;
    Interruptions interr{this};   // after the list it registers in
    // An interrupt was seen waiting at the Q1 of a second cycle (silicon mode).
    bool secondCycleVu = false;
    // Set by a reset from inside an instruction: the cycle's remaining ticks do no
    // instruction work and do not advance the program counter. Q1 clears it.
    bool cycleAbandonne = false;
    // Instruction starts of the current run that whole loop turns passed at once
    // (less one when the run ends before a breakpoint's instruction).
    uint32_t instructionsPassees = 0;
    // Some port has its globalChange flag set: one test per tick instead of five.
    bool portsModifies = true;
    ObservateurPorts* observateur = nullptr;
    int nbMarques = 0;
    bool silicium = false;
};

#endif
