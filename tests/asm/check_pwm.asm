; For the grading tests: PWM1 on RC2 at 25 % for 100 periods of Timer2 (34 ms),
; then 75 %; at the change the LED on RA6 lights, W takes 0x42 and the program stops
; on `fin`. The LCD is never initialised.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

periodes equ    0x20

        org     0
        movlw   0x0F
        movwf   ADCON1, ACCESS  ; all digital
        clrf    LATA, ACCESS
        bcf     TRISA, 6, ACCESS
        clrf    periodes, ACCESS
        movlw   0xFF
        movwf   PR2, ACCESS
        movlw   .64             ; 25 % of 256
        movwf   CCPR1L, ACCESS
        movlw   0x0C
        movwf   CCP1CON, ACCESS
        bcf     TRISC, 2, ACCESS
        movlw   b'00000110'
        movwf   T2CON, ACCESS   ; on, prescaler 16: 341.3 us a period
attend: btfss   PIR1, TMR2IF, ACCESS
        bra     attend
        bcf     PIR1, TMR2IF, ACCESS
        incf    periodes, F, ACCESS
        movlw   .100
        cpfseq  periodes, ACCESS
        bra     attend
        movlw   .192            ; 75 %
        movwf   CCPR1L, ACCESS
        bsf     LATA, 6, ACCESS
        movlw   0x42
fin:    bra     fin
        end
