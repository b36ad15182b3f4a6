; Where gpsim departs from the data sheet, in the log format of
; silicium_interruptions.asm: INT1IF and INT2IF set by the program request their
; interrupt (gpsim vectors for them only on a pin's edge); a skip over a two-word
; instruction is one instruction of three cycles, so a flag it raises returns past
; the skipped word (gpsim: to its second word); IPR1 and IPR2 are 0xFF at power-on
; (gpsim: 0), logged first.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

leve    macro   f, b, retour
        bsf     f, b, ACCESS
retour: nop
        movlw   LOW retour
        movwf   POSTINC1
        endm

        org     0
        goto    debut
        org     0x08
        movlw   0x08
        bra     journal
        org     0x18
        movlw   0x18
journal:
        movwf   POSTINC1
        movff   TOSL, POSTINC1
        movlw   0xF8
        andwf   INTCON, F
        movlw   0xFC
        andwf   INTCON3, F
        retfie

debut:  lfsr    1, 0x100
        movff   IPR1, POSTINC1
        movff   IPR2, POSTINC1
        bsf     INTCON, GIE
        bsf     INTCON3, INT1IE
        leve    INTCON3, INT1IF, r1
        bcf     INTCON3, INT1IE
        bsf     INTCON3, INT2IE
        leve    INTCON3, INT2IF, r2
        bcf     INTCON3, INT2IE
        movlw   (1 << GIE) | (1 << TMR0IE) | (1 << RBIE)
        movwf   INTCON
        dcfsnz  INTCON, F               ; 0xA8 - 1 = 0xA7: TMR0IF set, RBIE clear
        movff   0x20, 0x21
r3:     movlw   LOW r3
        movwf   POSTINC1
        ; priority mode: INT1 low
        bsf     RCON, IPEN
        movlw   (1 << GIEH) | (1 << GIEL)
        movwf   INTCON
        bcf     INTCON3, INT1IP
        bsf     INTCON3, INT1IE
        leve    INTCON3, INT1IF, r4
        bra     $
        end
