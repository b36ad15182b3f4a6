; Priority mode: a high-priority interrupt (TMR2IF) raised inside the low-priority
; routine (TMR0IF) interrupts it; a low-priority flag raised inside the high-priority
; routine waits for its RETFIE. Each routine logs a letter and INTCON on entry and a
; letter on exit, from 0x100 on; the main program logs 'M' after each case.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

        org     0
        goto    debut
        org     0x08            ; high
        goto    haute
        org     0x18            ; low
        goto    basse
        org     0x30
haute:  movlw   'H'
        movwf   POSTINC1
        movff   INTCON, POSTINC1
        bcf     PIR1, TMR2IF
        btfsc   0x30, 0         ; case 2: a low-priority flag now
        bsf     INTCON, TMR0IF
        movlw   'h'
        movwf   POSTINC1
        retfie  FAST
basse:  movlw   'L'
        movwf   POSTINC1
        movff   INTCON, POSTINC1
        bcf     INTCON, TMR0IF
        btfss   0x30, 0         ; case 1: a high-priority flag now
        bsf     PIR1, TMR2IF
        nop
        movlw   'l'
        movwf   POSTINC1
        retfie
debut:  lfsr    1, 0x100
        clrf    0x30
        bsf     RCON, IPEN
        bcf     INTCON2, TMR0IP
        bsf     IPR1, TMR2IP
        bsf     PIE1, TMR2IE
        bsf     INTCON, TMR0IE
        movlw   (1 << GIEH) | (1 << GIEL) | (1 << TMR0IE)
        movwf   INTCON
        bsf     INTCON, TMR0IF  ; 1. low, then high inside it
        nop
        movlw   'M'
        movwf   POSTINC1
        movff   INTCON, POSTINC1
        bsf     0x30, 0
        bsf     PIR1, TMR2IF    ; 2. high, a low flag raised inside it
        nop
        movlw   'M'
        movwf   POSTINC1
        movff   INTCON, POSTINC1
        bra     $
        end
