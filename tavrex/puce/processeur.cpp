#include "processeur.h"

#include <algorithm>

P18f4550::P18f4550()
    : jeu(this),
      nopProto(jeu.nop()),
      alu(this),
      fm(&jeu),
      instructions(fm.tableInstr()),
      fetchPtr(jeu.nop()),
      instrPtr(jeu.nop()),
      portA(this),
      portB(this),
      portC(this),
      portD(this),
      portE(this),
      adc(this),
      pwm1(this, DataMemory::CCP1CON, DataMemory::CCPR1L, DataMemory::CCPR1H, &portC, 2),
      pwm2(this, DataMemory::CCP2CON, DataMemory::CCPR2L, DataMemory::CCPR2H, &portC, 1),
      dm(this)
{
    timer0 = new Timer0(this);
    timer2 = new Timer2(this);
    alu.reset();
    powerOnReset();
}

P18f4550::~P18f4550()
{
    // The event list must never hold a deleted event.
    interr.reset();
    timer0->reset();
    delete timer0;
    timer2->reset();
    delete timer2;
    adc.reset();
    if (pwm1.estEnregistre())
        pwm1.supprimer();
    if (pwm2.estEnregistre())
        pwm2.supprimer();
}

void P18f4550::powerOnReset()
{
    timer0->reset();
    timer2->reset();
    if (pwm1.estEnregistre())
        pwm1.supprimer();
    if (pwm2.estEnregistre())
        pwm2.supprimer();
    adc.reset();
    dm.resetPC();
    dm.powerOnReset();
    etat = 0;
    fetchPC = instrPC = 0;
    fetchPtr = instrPtr = jeu.nop();
    cycleAbandonne = false;
    dm.setW(0);
    // The TRIS writes of the reset marked every pin: the ports take their levels now.
    evaluePorts();
    // Those levels are no edge, nor a mismatch to come.
    interr.reset();
    secondCycleVu = false;
}

void P18f4550::setSilicium(bool oui)
{
    if (oui == silicium)
        return;
    silicium = oui;
    dm.setSilicium(oui);
    fm.redecode();
    arme();
    // The pipeline held objects that the decoding replaced.
    fetchPtr = instrPtr = jeu.nop();
}

void P18f4550::redemarre()
{
    // From inside an instruction's phase, the rest of the cycle executes the NOP
    // prototype and leaves the program counter at 0; from between two instructions,
    // the next cycle is that NOP (its Q1 drops the abandon).
    dm.resetPC();
    etat = 0;
    fetchPtr = instrPtr = jeu.nop();
    cycleAbandonne = true;
    secondCycleVu = false;
}

void P18f4550::prendInterruption()
{
    const bool unVide = secondCycleVu;
    secondCycleVu = false;
    const DWord vecteur = interr.vecteur();
    if (!vecteur)
        return;   // GIE cleared meanwhile, or the flag
    // The routine returns to the instruction this cycle would begin. The last cycle
    // of an instruction (the NOP of a jump, call, return or skip; the second word of
    // a skipped two-word instruction) completes it: the return is past it.
    DWord retour = instrPC;
    if (instrPtr == nopProto) {
        retour = fetchPC;
        if (fetchPC == ((instrPC + 2) & 0x7FFF) && fm.getInstr(instrPC)->deuxMots())
            retour = (fetchPC + 2) & 0x7FFF;
    } else if ((instrPtr->getInstr() & 0xF000) == 0xF000 && suitDeuxMots(instrPC)) {
        retour = fetchPC;
    }
    interr.entre(vecteur);
    dm.pushReg();   // the fast register stack, at every vectoring
    const bool stvren = dm.pushRemplit() && fm.bitSTVREN();
    if (dm.push(retour, stvren)) {
        stackReset();
        return;
    }
    // This cycle and the next are NOPs, the vector's first instruction executes in
    // the one after; seen at a second cycle, that cycle was the first NOP.
    instrPtr = nopProto;
    if (unVide) {
        dm.setPC(vecteur);
        recharge();
    } else {
        dm.setPC(vecteur - 2);
        fetchPtr = nopProto;
        fetchPC = retour;
    }
}

void P18f4550::mclrReset()
{
    redemarre();
}

void P18f4550::stackReset()
{
    redemarre();
}

bool P18f4550::entreDeuxCycles() const
{
    // Power-on and reset leave the same NOP in the fetch stage: a cycle to come, but
    // nothing half done.
    if (fetchPtr == nopProto)
        return instrPtr != nopProto;
    if (instrPtr != nopProto)
        return false;
    // The flush's NOP has run: the word now fetched may be the second of a skipped
    // two-word instruction, which runs as a NOP too.
    return suitDeuxMots(fetchPC);
}

void P18f4550::marque(DWord adresse, bool oui)
{
    if (adresse >= 0x8000)
        return;
    Instruction* avant = fm.getInstr(adresse);
    const bool etaitMarque = avant->estMarque();
    fm.marque(adresse, oui);
    Instruction* mot = fm.getInstr(adresse);
    nbMarques += mot->estMarque() - etaitMarque;
    // The pipeline may hold the stand-in taken away: the word it stood for instead.
    if (etaitMarque && !mot->estMarque()) {
        if (fetchPtr == avant)
            fetchPtr = mot;
        if (instrPtr == avant)
            instrPtr = mot;
    }
}

Byte P18f4550::valeurLue(Word adresse) const
{
    if (adresse == DataMemory::TMR0L)
        return static_cast<Byte>(timer0->getTmr0());
    if (adresse == DataMemory::TMR2)
        return timer2->tmr2Lu();
    // Connected to the counter: its low byte, the next instruction's address.
    if (adresse == DataMemory::PCL && silicium)
        return static_cast<Byte>(fetchPC);
    return dm.readDirect(adresse);
}

bool P18f4550::arreteDevantMarque()
{
    if (suitDeuxMots(instrPC)) {
        instrPtr = static_cast<InstructionArret*>(instrPtr)->remplace();
        return false;
    }
    // The boundary before it, as the previous cycle left it: the stand-in fetched,
    // the counter past it.
    fetchPC = instrPC;
    fetchPtr = instrPtr;
    return true;
}

int P18f4550::readFromHex(const char* filename)
{
    // A new program: its diagnostics start afresh; the registers watch before its
    // words are decoded, which reads whether they read plainly.
    diag.efface();
    dm.arme(diag.actif());
    const int resultat = fm.readFromHex(filename);
    fm.arme(diag.actif());
    diag.examineChargement(fm.bilan(), fm);
    powerOnReset();
    return resultat;
}

void P18f4550::nouvelleExecution()
{
    diag.nouvelleExecution();
    arme();
}

void P18f4550::signalePile(uint64_t ticks)
{
    static const Diagnostic::Genre genres[] = {Diagnostic::DebordementPile, Diagnostic::PilePleine,
                                               Diagnostic::SousPile};
    const Byte pile = dm.pileEnAttente();
    for (int i = 0; i < 3; ++i)
        if (pile & (1 << i))
            diag.signaleEn(genres[i], dm.pcPile(), ticks);
    dm.oubliePile();
}

void P18f4550::arme()
{
    dm.arme(diag.actif());
    fm.arme(diag.actif());
}

void P18f4550::clock()
{
    ++temps;
    switch (etat) {
    case 0:
        decaleEtCharge();
        if (interr.estEnregistre())
            prendInterruption();
        etat = 1;
        break;
    case 1:
        instrPtr->parametres();
        etat = 2;
        break;
    case 2:
        instrPtr->process();
        etat = 3;
        break;
    case 3: {
        const bool unCycle = instrPtr->execute();
        termineCycle();
        etat = unCycle ? 0 : 4;
        break;
    }
    case 4:
        if (interr.estEnregistre())
            noteSecondCycle();
        recharge();
        etat = 5;
        break;
    case 5:
        instrPtr->specialQ2();
        etat = 6;
        break;
    case 6:
        etat = 7;
        break;
    default:
        instrPtr->specialQ4();
        termineCycle();
        etat = 0;
        break;
    }
    finDeTick();
}

uint32_t P18f4550::executeCalmes(uint64_t arret)
{
    uint32_t n = 1;
    instructionsPassees = 0;
    debutCycle();
    for (;;) {
        if (instrPtr->estCalmeAuDecodage() && !portsModifies && evts.libres(4)) {
            // A stretch of quiet words. The time and the event list's passes are
            // counted once at its end, the ports' flag and the next event looked at
            // once at its start: exact because quiet words neither register events
            // nor move pins, so what was free stays free. The counter and the fetch
            // stage come back from each word's call: the loop stores them for the
            // phases but never reads back what the phases stored, which made every
            // cycle wait on the phases' stores (a fifth to a third slower).
            const uint64_t libreJusqua = temps + evts.passesLibres();
            // Before `fin`, the run goes on and the next cycle is free.
            const uint64_t fin = std::min(arret, libreJusqua - 3);
            uint64_t t = temps;
            DWord pcFetch = fetchPC;   // the counter during the cycle
            Instruction* courant = instrPtr;
            Instruction* suivant = fetchPtr;
            // Q1's fetch at `adresse`, kept for the loop and stored for the phases.
            auto charge = [&](DWord adresse) {
                pcFetch = adresse;
                suivant = instructions[adresse];
                fetchPtr = suivant;
            };
            for (;;) {
                t += 4;
                const uint32_t suite = courant == nopProto ? pcFetch : courant->executeEnBloc(pcFetch);
                DWord pc;
                if (suite & Suite::abandon) {
                    // A reset: the processor holds the pipeline's state.
                    pc = termineCycle();
                    suivant = fetchPtr;
                } else {
                    pc = ((suite & Suite::pc) + 2) & 0x7FFF;   // Q4's step
                    dm.setPC(pc);
                    if (suite & Suite::vide)
                        suivant = nopProto;
                }
                if (suite & Suite::deuxCycles) {
                    if (t + 4 > libreJusqua) {
                        rattrape(t, pcFetch);
                        secondCycle();
                        return n + instructionsPassees;
                    }
                    t += 4;
                    charge(pc);
                    courant->specialQ2();
                    courant->specialQ4();
                    pc = termineCycle();
                }
                // The NOP that a flush (or a reset) puts in the execute stage, at once
                // when its cycle is free: it only fetches and steps the counter.
                if (suivant == nopProto && t < fin) {
                    ++n;
                    instrPC = pcFetch;
                    instrPtr = nopProto;
                    charge(pc);
                    t += 4;
                    pc = (pc + 2) & 0x7FFF;
                    dm.setPC(pc);
                }
                if (t >= fin && t >= arret) {   // the run's end (`fin` first: one test in the usual case)
                    rattrape(t, pcFetch);
                    return n + instructionsPassees;
                }
                // Q1, without the reset of `etat` and of the abandon, which only
                // ticks run one by one and resets from outside change.
                ++n;
                instrPC = pcFetch;
                courant = suivant;
                instrPtr = courant;
                charge(pc);
                if (t >= fin || !courant->estCalmeSansBoucle())
                    break;
            }
            rattrape(t, pcFetch);
        }
        // The others (an operand that is not plain RAM, an event due, a port
        // waiting, a loop that may wait, a breakpoint) out of the loop, whose code
        // stays lean.
        if (!instructionAutre(arret) || temps >= arret)
            break;
        ++n;
        debutCycle();
    }
    return n + instructionsPassees;
}

bool P18f4550::instructionAutre(uint64_t arret)
{
    if (instrPtr->fermeBoucle() && !portsModifies)
        passeToursAttente(arret);
    if (!cycleCalme(4)) {
        // Before a breakpoint's instruction (never quiet) the run returns, that one
        // not begun.
        if (instrPtr->estMarque() && arreteDevantMarque()) {
            --instructionsPassees;
            return false;
        }
        cycleParTicks();
        return false;
    }
    if (premierCycleEnBloc())
        return true;
    if (!evts.libres(4)) {
        secondCycle();
        return false;
    }
    secondCycleEnBloc();
    return true;
}

void P18f4550::passeToursAttente(uint64_t arret)
{
    // A turn of `bra $` (`goto $`) is the jump and the NOP of its flush; a turn of
    // `bra $-2` (a GOTO to the word before it) adds that word, which the NOP's cycle
    // fetched again.
    const int mots = instrPtr->motsDeBoucle(instrPC);
    // A breakpoint on the jump (run past) counts its every turn; one on the word before
    // it makes that word pass none.
    if (mots == 0 || (nbMarques && instructions[instrPC]->estMarque()))
        return;
    const bool surPlace = mots == 1;
    const uint32_t ticksTour = surPlace ? 8 : 12;
    // Exact: no event fires and no port moves in the turns passed, so each turn reads
    // what the one before read and the BRA is about to run again after them. The run
    // goes on past the last one: it ends before `arret`.
    if (arret <= temps + ticksTour || (!surPlace && instrPC < 2))
        return;
    const uint64_t ticks = std::min<uint64_t>(evts.passesLibres(), arret - temps - 1);
    uint32_t tours = static_cast<uint32_t>(ticks / ticksTour);
    if (!surPlace && tours)
        tours = instructions[instrPC - 2]->passeTours(tours);
    temps += uint64_t(tours) * ticksTour;
    evts.passe(tours * ticksTour);
    instructionsPassees += tours * (ticksTour / 4);
}

void P18f4550::evaluePorts()
{
    portsModifies = false;
    if (portA.aChange())
        portA.eval();
    if (portB.aChange())
        portB.eval();
    if (portC.aChange())
        portC.eval();
    if (portD.aChange())
        portD.eval();
    if (portE.aChange())
        portE.eval();
}

Port* P18f4550::getPort(int numero)
{
    switch (numero) {
    case Port::PORTA: return &portA;
    case Port::PORTB: return &portB;
    case Port::PORTC: return &portC;
    case Port::PORTD: return &portD;
    case Port::PORTE: return &portE;
    default: return nullptr;
    }
}
