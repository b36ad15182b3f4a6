#include "nomsbits.h"

#include <algorithm>
#include <iterator>

namespace {

struct Bits
{
    Word adresse;
    const char* noms[8];   // bit 7 first
};

// In address order: looked up by bisection.
const Bits table[] = {
    {0xF63, {"CLKCFG1", "CLKCFG0", "CSEN", "CLK1EN", "WS3", "WS2", "WS1", "WS0"}},            // SPPCFG
    {0xF64, {"RDSPP", "WRSPP", "-", "SPPBUSY", "ADDR3", "ADDR2", "ADDR1", "ADDR0"}},           // SPPEPS
    {0xF65, {"-", "-", "-", "-", "-", "-", "SPPOWN", "SPPEN"}},                                // SPPCON
    {0xF67, {"-", "-", "-", "-", "-", "FRM10", "FRM9", "FRM8"}},                               // UFRMH
    {0xF68, {"-", "SOFIF", "STALLIF", "IDLEIF", "TRNIF", "ACTVIF", "UERRIF", "URSTIF"}},       // UIR
    {0xF69, {"-", "SOFIE", "STALLIE", "IDLEIE", "TRNIE", "ACTVIE", "UERRIE", "URSTIE"}},       // UIE
    {0xF6A, {"BTSEF", "-", "-", "BTOEF", "DFN8EF", "CRC16EF", "CRC5EF", "PIDEF"}},             // UEIR
    {0xF6B, {"BTSEE", "-", "-", "BTOEE", "DFN8EE", "CRC16EE", "CRC5EE", "PIDEE"}},             // UEIE
    {0xF6C, {"-", "ENDP3", "ENDP2", "ENDP1", "ENDP0", "DIR", "PPBI", "-"}},                     // USTAT
    {0xF6D, {"-", "PPBRST", "SE0", "PKTDIS", "USBEN", "RESUME", "SUSPND", "-"}},               // UCON
    {0xF6E, {"-", "ADDR6", "ADDR5", "ADDR4", "ADDR3", "ADDR2", "ADDR1", "ADDR0"}},             // UADDR
    {0xF6F, {"UTEYE", "UOEMON", "-", "UPUEN", "UTRDIS", "FSEN", "PPB1", "PPB0"}},              // UCFG
#define UEP(n) {0xF70 + (n), {"-", "-", "-", "EPHSHK", "EPCONDIS", "EPOUTEN", "EPINEN", "EPSTALL"}}
    UEP(0), UEP(1), UEP(2), UEP(3), UEP(4), UEP(5), UEP(6), UEP(7),
    UEP(8), UEP(9), UEP(10), UEP(11), UEP(12), UEP(13), UEP(14), UEP(15),
#undef UEP
    {0xF80, {"-", "RA6", "RA5", "RA4", "RA3", "RA2", "RA1", "RA0"}},                           // PORTA
    {0xF81, {"RB7", "RB6", "RB5", "RB4", "RB3", "RB2", "RB1", "RB0"}},                         // PORTB
    {0xF82, {"RC7", "RC6", "RC5", "RC4", "-", "RC2", "RC1", "RC0"}},                           // PORTC
    {0xF83, {"RD7", "RD6", "RD5", "RD4", "RD3", "RD2", "RD1", "RD0"}},                         // PORTD
    {0xF84, {"-", "-", "-", "-", "RE3", "RE2", "RE1", "RE0"}},                                 // PORTE
    {0xF89, {"-", "LATA6", "LATA5", "LATA4", "LATA3", "LATA2", "LATA1", "LATA0"}},
    {0xF8A, {"LATB7", "LATB6", "LATB5", "LATB4", "LATB3", "LATB2", "LATB1", "LATB0"}},
    {0xF8B, {"LATC7", "LATC6", "-", "-", "-", "LATC2", "LATC1", "LATC0"}},
    {0xF8C, {"LATD7", "LATD6", "LATD5", "LATD4", "LATD3", "LATD2", "LATD1", "LATD0"}},
    {0xF8D, {"-", "-", "-", "-", "-", "LATE2", "LATE1", "LATE0"}},
    {0xF92, {"-", "TRISA6", "TRISA5", "TRISA4", "TRISA3", "TRISA2", "TRISA1", "TRISA0"}},
    {0xF93, {"TRISB7", "TRISB6", "TRISB5", "TRISB4", "TRISB3", "TRISB2", "TRISB1", "TRISB0"}},
    {0xF94, {"TRISC7", "TRISC6", "-", "-", "-", "TRISC2", "TRISC1", "TRISC0"}},
    {0xF95, {"TRISD7", "TRISD6", "TRISD5", "TRISD4", "TRISD3", "TRISD2", "TRISD1", "TRISD0"}},
    {0xF96, {"-", "-", "-", "-", "-", "TRISE2", "TRISE1", "TRISE0"}},
    {0xF9B, {"INTSRC", "-", "-", "TUN4", "TUN3", "TUN2", "TUN1", "TUN0"}},                     // OSCTUNE
    {0xF9D, {"SPPIE", "ADIE", "RCIE", "TXIE", "SSPIE", "CCP1IE", "TMR2IE", "TMR1IE"}},         // PIE1
    {0xF9E, {"SPPIF", "ADIF", "RCIF", "TXIF", "SSPIF", "CCP1IF", "TMR2IF", "TMR1IF"}},         // PIR1
    {0xF9F, {"SPPIP", "ADIP", "RCIP", "TXIP", "SSPIP", "CCP1IP", "TMR2IP", "TMR1IP"}},         // IPR1
    {0xFA0, {"OSCFIE", "CMIE", "USBIE", "EEIE", "BCLIE", "HLVDIE", "TMR3IE", "CCP2IE"}},       // PIE2
    {0xFA1, {"OSCFIF", "CMIF", "USBIF", "EEIF", "BCLIF", "HLVDIF", "TMR3IF", "CCP2IF"}},       // PIR2
    {0xFA2, {"OSCFIP", "CMIP", "USBIP", "EEIP", "BCLIP", "HLVDIP", "TMR3IP", "CCP2IP"}},       // IPR2
    {0xFA6, {"EEPGD", "CFGS", "-", "FREE", "WRERR", "WREN", "WR", "RD"}},                      // EECON1
    {0xFAB, {"SPEN", "RX9", "SREN", "CREN", "ADDEN", "FERR", "OERR", "RX9D"}},                 // RCSTA
    {0xFAC, {"CSRC", "TX9", "TXEN", "SYNC", "SENDB", "BRGH", "TRMT", "TX9D"}},                 // TXSTA
    {0xFB1, {"RD16", "T3CCP2", "T3CKPS1", "T3CKPS0", "T3CCP1", "T3SYNC", "TMR3CS", "TMR3ON"}}, // T3CON
    {0xFB4, {"C2OUT", "C1OUT", "C2INV", "C1INV", "CIS", "CM2", "CM1", "CM0"}},                 // CMCON
    {0xFB5, {"CVREN", "CVROE", "CVRR", "CVRSS", "CVR3", "CVR2", "CVR1", "CVR0"}},              // CVRCON
    {0xFB6, {"ECCPASE", "ECCPAS2", "ECCPAS1", "ECCPAS0", "PSSAC1", "PSSAC0", "PSSBD1", "PSSBD0"}}, // ECCP1AS
    {0xFB7, {"PRSEN", "PDC6", "PDC5", "PDC4", "PDC3", "PDC2", "PDC1", "PDC0"}},                // ECCP1DEL
    {0xFB8, {"ABDOVF", "RCIDL", "RXDTP", "TXCKP", "BRG16", "-", "WUE", "ABDEN"}},              // BAUDCON
    {0xFBA, {"-", "-", "DC2B1", "DC2B0", "CCP2M3", "CCP2M2", "CCP2M1", "CCP2M0"}},             // CCP2CON
    {0xFBD, {"P1M1", "P1M0", "DC1B1", "DC1B0", "CCP1M3", "CCP1M2", "CCP1M1", "CCP1M0"}},       // CCP1CON
    {0xFC0, {"ADFM", "-", "ACQT2", "ACQT1", "ACQT0", "ADCS2", "ADCS1", "ADCS0"}},              // ADCON2
    {0xFC1, {"-", "-", "VCFG1", "VCFG0", "PCFG3", "PCFG2", "PCFG1", "PCFG0"}},                 // ADCON1
    {0xFC2, {"-", "-", "CHS3", "CHS2", "CHS1", "CHS0", "GO/DONE", "ADON"}},                    // ADCON0
    {0xFC5, {"GCEN", "ACKSTAT", "ACKDT", "ACKEN", "RCEN", "PEN", "RSEN", "SEN"}},              // SSPCON2
    {0xFC6, {"WCOL", "SSPOV", "SSPEN", "CKP", "SSPM3", "SSPM2", "SSPM1", "SSPM0"}},            // SSPCON1
    {0xFC7, {"SMP", "CKE", "D/A", "P", "S", "R/W", "UA", "BF"}},                               // SSPSTAT
    {0xFCA, {"-", "T2OUTPS3", "T2OUTPS2", "T2OUTPS1", "T2OUTPS0", "TMR2ON", "T2CKPS1", "T2CKPS0"}}, // T2CON
    {0xFCD, {"RD16", "T1RUN", "T1CKPS1", "T1CKPS0", "T1OSCEN", "T1SYNC", "TMR1CS", "TMR1ON"}}, // T1CON
    {0xFD0, {"IPEN", "SBOREN", "-", "RI", "TO", "PD", "POR", "BOR"}},                          // RCON
    {0xFD1, {"-", "-", "-", "-", "-", "-", "-", "SWDTEN"}},                                    // WDTCON
    {0xFD2, {"VDIRMAG", "-", "IRVST", "HLVDEN", "HLVDL3", "HLVDL2", "HLVDL1", "HLVDL0"}},      // HLVDCON
    {0xFD3, {"IDLEN", "IRCF2", "IRCF1", "IRCF0", "OSTS", "IOFS", "SCS1", "SCS0"}},             // OSCCON
    {0xFD5, {"TMR0ON", "T08BIT", "T0CS", "T0SE", "PSA", "T0PS2", "T0PS1", "T0PS0"}},           // T0CON
    {0xFD8, {"-", "-", "-", "N", "OV", "Z", "DC", "C"}},                                       // STATUS
    {0xFE0, {"-", "-", "-", "-", "BSR3", "BSR2", "BSR1", "BSR0"}},                             // BSR
    {0xFF0, {"INT2IP", "INT1IP", "-", "INT2IE", "INT1IE", "-", "INT2IF", "INT1IF"}},           // INTCON3
    {0xFF1, {"RBPU", "INTEDG0", "INTEDG1", "INTEDG2", "-", "TMR0IP", "-", "RBIP"}},            // INTCON2
    {0xFF2, {"GIE/GIEH", "PEIE/GIEL", "TMR0IE", "INT0IE", "RBIE", "TMR0IF", "INT0IF", "RBIF"}}, // INTCON
    {0xFFC, {"STKFUL", "STKUNF", "-", "SP4", "SP3", "SP2", "SP1", "SP0"}},                     // STKPTR
};

}  // namespace

const char* const* nomsBits(Word adresse)
{
    const auto i = std::lower_bound(std::begin(table), std::end(table), adresse,
                                    [](const Bits& b, Word a) { return b.adresse < a; });
    return i != std::end(table) && i->adresse == adresse ? i->noms : nullptr;
}
