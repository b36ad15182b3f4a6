; Timer2 timed by the program: TMR2 right after the start, polling TMR2IF, then the
; width of a PWM1 pulse on RC2 measured by polling the pin.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

tmr2a   equ     0x30
tours   equ     0x31
tmr2b   equ     0x32
largeur equ     0x33

        org     0
        movlw   .99
        movwf   PR2, ACCESS     ; 100 cycles a period
        movlw   0x04
        movwf   T2CON, ACCESS   ; on, no prescaler
        movf    TMR2, W, ACCESS
        movwf   tmr2a, ACCESS
        bcf     PIR1, TMR2IF, ACCESS
        clrf    tours, ACCESS
attend: incf    tours, F, ACCESS ; 4 cycles a round
        btfss   PIR1, TMR2IF, ACCESS
        bra     attend
        movf    TMR2, W, ACCESS
        movwf   tmr2b, ACCESS

        movlw   .40             ; duty 160: 40 cycles high
        movwf   CCPR1L, ACCESS
        movlw   0x0C
        movwf   CCP1CON, ACCESS
        bcf     TRISC, 2, ACCESS
bas:    btfss   PORTC, 2, ACCESS ; low until the next period starts
        bra     bas
haut:   incf    largeur, F, ACCESS ; 4 cycles a round
        btfsc   PORTC, 2, ACCESS
        bra     haut
        bra     $
        end
