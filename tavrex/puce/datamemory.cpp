#include "datamemory.h"

#include "processeur.h"

namespace {
const std::string tiret = "\x97";   // unimplemented SFR address (Windows-1252 em dash)
}

const std::string DataMemory::nameSFR[160] = {
    // 0xF60
    tiret, tiret, "SPPDATA", "SPPCFG", "SPPEPS", "SPPCON", "UFRML", "UFRMH",
    "UIR", "UIE", "UEIR", "UEIE", "USTAT", "UCON", "UADDR", "UCFG",
    // 0xF70
    "UEP0", "UEP1", "UEP2", "UEP3", "UEP4", "UEP5", "UEP6", "UEP7",
    "UEP8", "UEP9", "UEP10", "UEP11", "UEP12", "UEP13", "UEP14", "UEP15",
    // 0xF80
    "PORTA", "PORTB", "PORTC", "PORTD", "PORTE", tiret, tiret, tiret,
    tiret, "LATA", "LATB", "LATC", "LATD", "LATE", tiret, tiret,
    // 0xF90
    tiret, tiret, "TRISA", "TRISB", "TRISC", "TRISD", "TRISE", tiret,
    tiret, tiret, tiret, "OSCTUNE", tiret, "PIE1", "PIR1", "IPR1",
    // 0xFA0
    "PIE2", "PIR2", "IPR2", tiret, tiret, tiret, "EECON1", "EECON2",
    "EEDATA", "EEADR", tiret, "RCSTA", "TXSTA", "TXREG", "RCREG", "SPBRG",
    // 0xFB0
    "SPBRGH", "T3CON", "TMR3L", "TMR3H", "CMCON", "CVRCON", "ECCP1AS", "ECCP1DEL",
    "BAUDCON", tiret, "CCP2CON", "CCPR2L", "CCPR2H", "CCP1CON", "CCPR1L", "CCPR1H",
    // 0xFC0
    "ADCON2", "ADCON1", "ADCON0", "ADRESL", "ADRESH", "SSPCON2", "SSPCON1", "SSPSTAT",
    "SSPADD", "SSPBUF", "T2CON", "PR2", "TMR2", "T1CON", "TMR1L", "TMR1H",
    // 0xFD0
    "RCON", "WDTCON", "HLVDCON", "OSCCON", tiret, "T0CON", "TMR0L", "TMR0H",
    "STATUS", "FSR2L", "FSR2H", "PLUSW2", "PREINC2", "POSTDEC2", "POSTINC2", "INDF2",
    // 0xFE0
    "BSR", "FSR1L", "FSR1H", "PLUSW1", "PREINC1", "POSTDEC1", "POSTINC1", "INDF1",
    "WREG", "FSR0L", "FSR0H", "PLUSW0", "PREINC0", "POSTDEC0", "POSTINC0", "INDF0",
    // 0xFF0
    "INTCON3", "INTCON2", "INTCON", "PRODL", "PRODH", "TABLAT", "TBLPTRL", "TBLPTRH",
    "TBLPTRU", "PCL", "PCLATH", "PCLATU", "STKPTR", "TOSL", "TOSH", "TOSU",
};

DataMemory::DataMemory(P18f4550* p) : processeur(p)
{
    for (int a = 0; a < 0x800; ++a)
        reg[a] = new Registre;
    for (int a = 0x800; a < 0xF60; ++a)
        reg[a] = new RegistreInutilise;
    for (int i = 0; i < 160; ++i)
        reg[0xF60 + i] = new RegistreSpecial(nameSFR[i]);
    for (unsigned int& s : stack)
        s = 0;

    status = new RegistreStatus;
    modifie(STATUS, status);
    bsr = new RegistreBSR;
    modifie(BSR, bsr);

    Port* ports[5] = {p->getPortA(), p->getPortB(), p->getPortC(), p->getPortD(), p->getPortE()};
    for (int i = 0; i < 5; ++i) {
        const Word tris = static_cast<Word>(TRISA + i), lat = static_cast<Word>(LATA + i),
                   port = static_cast<Word>(PORTA + i);
        modifie(tris, new RegistreTrisLat(nameSFR[tris - 0xF60], ports[i]));
        RegistreTrisLat* latx = new RegistreTrisLat(nameSFR[lat - 0xF60], ports[i]);
        modifie(lat, latx);
        regPort[i] = new RegistrePort(nameSFR[port - 0xF60], latx, ports[i]);
        modifie(port, regPort[i]);
    }

    // INDFn, POSTINCn, POSTDECn, PREINCn, PLUSWn sit 8 bytes apart for n = 0, 1, 2,
    // like FSRnL.
    for (int n = 0; n < 3; ++n) {
        const Word fsrBas = static_cast<Word>(FSR0L - 8 * n);
        auto indirect = [&](Word adr0, RegistreIndirect::Pas pas, bool plusW) {
            const Word adr = static_cast<Word>(adr0 - 8 * n);
            modifie(adr, new RegistreIndirect(nameSFR[adr - 0xF60], this, fsrBas, pas, plusW));
        };
        indirect(INDF0, RegistreIndirect::fixe, false);
        indirect(POSTINC0, RegistreIndirect::postIncremente, false);
        indirect(POSTDEC0, RegistreIndirect::postDecremente, false);
        indirect(PREINC0, RegistreIndirect::preIncremente, false);
        indirect(PLUSW0, RegistreIndirect::fixe, true);
    }

    modifie(ADCON0, new RegistreADCON0(p->getADC()));
    modifie(ADCON1, new RegistreADCON1(p->getADC()));
    modifie(ADCON2, new RegistreADCON2(p->getADC()));

    Diagnostics* diag = &p->diagnostics();
    modifie(CCP1CON, new RegistreCCPxCON("CCP1CON", p->getPwm1(), diag));
    modifie(CCPR1L, new RegistreCCPRxL("CCPR1L", p->getPwm1()));
    modifie(CCPR1H, new RegistreCCPRxH("CCPR1H", p->getPwm1()));
    modifie(CCP2CON, new RegistreCCPxCON("CCP2CON", p->getPwm2(), diag));
    modifie(CCPR2L, new RegistreCCPRxL("CCPR2L", p->getPwm2()));
    modifie(CCPR2H, new RegistreCCPRxH("CCPR2H", p->getPwm2()));

    // What the board does not model: plain storage that says the program's accesses.
    // A write of the value that leaves a module off (mask, value) says nothing.
    struct NonModelise
    {
        Word adr;
        Diagnostic::Genre genre;
        bool lu;   // reads are said too
        Byte masqueRepos = 0;
        Byte valeurRepos = 0;
    };
    using D = Diagnostic;
    const NonModelise nonModelises[] = {
        {T1CON, D::Timer1, true, 0x01, 0}, {TMR1L, D::Timer1, true}, {TMR1H, D::Timer1, true},
        {T3CON, D::Timer3, true, 0x01, 0}, {TMR3L, D::Timer3, true}, {TMR3H, D::Timer3, true},
        {RCSTA, D::Usart, true, 0x80, 0}, {TXSTA, D::Usart, true, 0x20, 0}, {TXREG, D::Usart, true},
        {RCREG, D::Usart, true}, {SPBRG, D::Usart, true}, {SPBRGH, D::Usart, true}, {BAUDCON, D::Usart, true},
        {SSPCON1, D::Mssp, true, 0x20, 0}, {SSPCON2, D::Mssp, true}, {SSPSTAT, D::Mssp, true},
        {SSPADD, D::Mssp, true}, {SSPBUF, D::Mssp, true},
        {CMCON, D::Comparateurs, true, 0x07, 0x07}, {CVRCON, D::Comparateurs, true, 0x80, 0},
        {EECON1, D::Eeprom, true, 0xFF, 0}, {EECON2, D::Eeprom, true}, {EEDATA, D::Eeprom, true},
        {EEADR, D::Eeprom, true},
        {OSCCON, D::Oscillateur, true}, {OSCTUNE, D::Oscillateur, false},
        {HLVDCON, D::Hlvd, true, 0x10, 0},
        {ECCP1AS, D::Ccp, false, 0xFF, 0}, {ECCP1DEL, D::Ccp, false, 0xFF, 0},
        {WDTCON, D::ChienDeGarde, false, 0x01, 0},
    };
    for (const NonModelise& n : nonModelises)
        modifie(n.adr, new RegistreNonModelise(nameSFR[n.adr - 0xF60], diag, n.genre, n.lu, n.masqueRepos,
                                               n.valeurRepos));
    // Connected to the counter and the stack in the silicon mode only.
    const std::pair<Word, Diagnostic::Genre> coeur[] = {{PCL, D::Pcl}, {TOSU, D::Tos}, {TOSH, D::Tos},
                                                        {TOSL, D::Tos}, {STKPTR, D::Stkptr}};
    for (const auto& [adr, genre] : coeur)
        modifie(adr, new RegistreCoeur(nameSFR[adr - 0xF60], this, diag, genre, adr));
    // USB and its streaming parallel port, 0xF62 to 0xF7F: writing 0 leaves them off.
    for (Word adr = SPPDATA; adr <= UEP15; ++adr)
        modifie(adr, new RegistreNonModelise(nameSFR[adr - 0xF60], diag, D::Usb, true, 0xFF, 0));
    // The interrupt logic's registers. Default mode: the bits that arm an interrupt
    // (GIE, PEIE, the enables; IPEN) said; silicon mode: the chip's power-on values.
    struct Interruption
    {
        Word adr;
        Byte masque;
        Byte porSilicium;
    };
    const Interruption interruptions[] = {{INTCON, 0xF8, 0x00}, {INTCON2, 0x00, 0xF5}, {INTCON3, 0x18, 0xC0},
                                          {PIR1, 0x00, 0x00},   {PIE1, 0xFF, 0x00},    {IPR1, 0x00, 0xFF},
                                          {PIR2, 0x00, 0x00},   {PIE2, 0xFF, 0x00},    {IPR2, 0x00, 0xFF},
                                          {RCON, 0x80, 0x1C}};
    for (const Interruption& i : interruptions)
        modifie(i.adr, new RegistreInterruptions(nameSFR[i.adr - 0xF60], this, diag, i.masque, i.adr, i.porSilicium));

    wreg = reg[WREG];
}

void DataMemory::setSilicium(bool oui)
{
    for (Word adr : {PCL, TOSU, TOSH, TOSL, STKPTR})
        static_cast<RegistreCoeur*>(reg[adr])->setSilicium(oui);
    Interruptions* logique = oui ? processeur->interruptions() : nullptr;
    for (Word adr : {INTCON, INTCON2, INTCON3, PIR1, PIE1, IPR1, PIR2, PIE2, IPR2, RCON})
        static_cast<RegistreInterruptions*>(reg[adr])->setLogique(logique);
    static_cast<RegistrePort*>(regPort[1])->setLecteur(logique);
}

void DataMemory::litPCL()
{
    reg[PCL]->writeDirect(static_cast<Byte>(programCounter));
    reg[PCLATH]->writeDirect(static_cast<Byte>(programCounter >> 8));
    reg[PCLATU]->writeDirect(static_cast<Byte>(programCounter >> 16));
}

void DataMemory::ecritCoeur(Word adr, Byte avant)
{
    Registre* stkptr = reg[STKPTR];
    const int sp = stkptr->readDirect() & 0x1F;
    switch (adr) {
    case PCL: {
        // A computed goto: PCLATU:PCLATH:PCL, bit 0 always clear, reached as a jump
        // reaches its target (the counter holds target - 2 until Q4's step; the word
        // fetched meanwhile is flushed).
        reg[PCL]->writeDirect(reg[PCL]->readDirect() & 0xFE);
        const DWord cible = static_cast<DWord>(reg[PCLATU]->readDirect()) << 16
                            | static_cast<DWord>(reg[PCLATH]->readDirect()) << 8 | reg[PCL]->readDirect();
        setPC(cible - 2);
        processeur->flush();
        break;
    }
    case TOSU:
    case TOSH:
    case TOSL:
        // The return address at the top; with the stack empty (entry 0) nothing.
        if (sp != 0)
            stack[sp] = (static_cast<DWord>(reg[TOSU]->readDirect() & 0x1F) << 16
                         | static_cast<DWord>(reg[TOSH]->readDirect()) << 8 | reg[TOSL]->readDirect());
        chargeTOS(stack[sp]);
        break;
    case STKPTR: {
        // The pointer as written, STKFUL and STKUNF too (as the default mode keeps
        // them); TOS shows the entry it now points at.
        (void)avant;
        chargeTOS(stack[sp]);
        break;
    }
    default:
        break;
    }
}

void DataMemory::arme(bool actif)
{
    for (Word adr = 0xF60; adr < taille; ++adr)
        reg[adr]->arme(actif);
}

DataMemory::~DataMemory()
{
    for (Registre* r : reg)
        delete r;
}

void DataMemory::modifie(int adr, Registre* r)
{
    if (adr < 0 || adr >= taille) {
        delete r;
        return;
    }
    if (reg[adr] != r) {
        delete reg[adr];
        reg[adr] = r;
    }
}

bool DataMemory::estSfr(Word adr)
{
    return adr >= 0xF60 && adr < taille && nameSFR[adr - 0xF60] != tiret;
}

std::string DataMemory::name(Word adr) const
{
    if (adr >= taille)
        return "OUT OF MEMORY";
    return reg[adr]->name();
}

// --- File select registers ---------------------------------------------------

void DataMemory::writeFSRfH(Byte n, Byte v)
{
    static const Word hauts[3] = {FSR0H, FSR1H, FSR2H};
    if (n < 3)
        reg[hauts[n]]->writeDirect(v & 0x0F);
}

void DataMemory::writeFSRfL(Byte n, Byte v)
{
    static const Word bas[3] = {FSR0L, FSR1L, FSR2L};
    if (n < 3)
        reg[bas[n]]->writeDirect(v);
}

// --- Fast-return shadows ------------------------------------------------------

void DataMemory::pushReg()
{
    wS = w();
    statusS = readStatus();
    bsrS = readBSR();
}

void DataMemory::popReg()
{
    status->write(statusS);
    bsr->write(bsrS);
    wreg->write(wS);
}

// --- Table pointer -------------------------------------------------------------

DWord DataMemory::readTBLPTR() const
{
    return (static_cast<DWord>(reg[TBLPTRU]->readDirect() & 0x3F) << 16) |
           (static_cast<DWord>(reg[TBLPTRH]->readDirect()) << 8) | reg[TBLPTRL]->readDirect();
}

void DataMemory::incTBLPTR()
{
    Registre* l = reg[TBLPTRL];
    Registre* h = reg[TBLPTRH];
    Registre* u = reg[TBLPTRU];
    l->incDirect();
    if (l->readDirect() != 0)
        return;
    h->incDirect();
    if (h->readDirect() != 0)
        return;
    const Byte ancien = u->readDirect();
    u->writeDirect(static_cast<Byte>(((ancien + 1) & 0x1F) | (ancien & 0x20)));
}

void DataMemory::decTBLPTR()
{
    Registre* l = reg[TBLPTRL];
    Registre* h = reg[TBLPTRH];
    Registre* u = reg[TBLPTRU];
    l->decDirect();
    if (l->readDirect() != 0xFF)
        return;
    h->decDirect();
    if (h->readDirect() != 0xFF)
        return;
    const Byte ancien = u->readDirect();
    u->writeDirect(static_cast<Byte>(((ancien - 1) & 0x1F) | (ancien & 0x20)));
}

// --- Reset ---------------------------------------------------------------------

void DataMemory::powerOnReset()
{
    for (unsigned int& s : stack)
        s = 0;
    for (Registre* r : reg)
        r->powerOnReset();
    for (Word tris = TRISA; tris <= TRISE; ++tris)
        reg[tris]->write(0xFF);
    reg[ADCON0]->write(0);
    reg[ADCON1]->write(processeur->getFM()->bitPBADEN() ? 0x00 : 0x07);
    reg[ADCON2]->write(0);
}
