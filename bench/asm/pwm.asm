; Timer0, Timer2 and both PWM outputs running while the core polls TMR2.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF
        org     0
        clrf    TRISC, ACCESS
        movlw   0x88
        movwf   T0CON, ACCESS
        movlw   .63
        movwf   PR2, ACCESS
        movlw   0x04
        movwf   T2CON, ACCESS
        movlw   .20
        movwf   CCPR1L, ACCESS
        movlw   .40
        movwf   CCPR2L, ACCESS
        movlw   0x0C
        movwf   CCP1CON, ACCESS
        movwf   CCP2CON, ACCESS
boucle: movf    TMR2, W, ACCESS
        movwf   CCPR2L, ACCESS
        movf    PORTC, W, ACCESS
        bra     boucle
        end
