; The board's buttons BP2 and BP3 (RB4, RB5) through the RB4-RB7 change interrupt
; (high priority), Timer0's overflow at low priority: the routines count changes in
; 0x20, the levels read in 0x21, overflows in 0x22; the main program counts on.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

        org     0
        goto    debut
        org     0x08
        incf    0x20, F
        movf    PORTB, W        ; ends the mismatch
        movwf   0x21
        bcf     INTCON, RBIF
        retfie  FAST
        org     0x18
        movff   STATUS, 0x31
        movff   WREG, 0x32
        incf    0x22, F
        bcf     INTCON, TMR0IF
        movff   0x32, WREG
        movff   0x31, STATUS
        retfie

debut:  clrf    0x20
        clrf    0x21
        clrf    0x22
        movlw   0x0F
        movwf   ADCON1
        movf    PORTB, W
        bsf     RCON, IPEN
        bcf     INTCON2, TMR0IP
        movlw   0xC3            ; Timer0 on, 8 bits, 1:16
        movwf   T0CON
        movlw   (1 << GIEH) | (1 << GIEL) | (1 << RBIE) | (1 << TMR0IE)
        movwf   INTCON
boucle: incf    0x23, F
        bnz     boucle
        incf    0x24, F
        bra     boucle
        end
