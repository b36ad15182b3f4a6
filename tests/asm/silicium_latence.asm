; Interrupt latency: Timer0 (8 bits, 1:1) overflows while a run of one kind of
; instruction executes, or the program's own output on RB0 makes an INT0 edge. The
; test sets the run's kind in 0x0F0 and Timer0's start in 0x0F1 after the load; the
; routine counts in 0x021 and logs the return address's low byte from 0x100 on.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

        org     0
        goto    debut
        org     0x08
        movff   TOSL, POSTINC1
        bcf     INTCON, TMR0IF
        bcf     INTCON, INT0IF
        incf    0x21, F
        retfie  FAST

debut:  lfsr    1, 0x100
        movlw   0x0F
        movwf   ADCON1          ; RB0 digital
        bcf     TRISB, 0
        clrf    LATB
        movf    0xF0, W
        xorlw   4
        bz      externe
        movf    0xF1, W
        movwf   TMR0L
        movlw   0xC8            ; on, 8 bits, 1:1
        movwf   T0CON
        bsf     INTCON, TMR0IE
        bra     aiguille
externe:
        bsf     INTCON, INT0IE
aiguille:
        bsf     INTCON, GIE
        movf    0xF0, W
        bz      uns
        decf    WREG, W
        bz      movffs
        decf    WREG, W
        bz      sauts
        decf    WREG, W
        bz      tests
        bsf     LATB, 0         ; the edge
uns:    nop
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        bra     $
movffs: movff   0x20, 0x22
        movff   0x20, 0x22
        movff   0x20, 0x22
        movff   0x20, 0x22
        movff   0x20, 0x22
        movff   0x20, 0x22
        movff   0x20, 0x22
        movff   0x20, 0x22
        movff   0x20, 0x22
        movff   0x20, 0x22
        movff   0x20, 0x22
        movff   0x20, 0x22
        bra     $
sauts:  bra     $+2
        bra     $+2
        bra     $+2
        bra     $+2
        bra     $+2
        bra     $+2
        bra     $+2
        bra     $+2
        bra     $+2
        bra     $+2
        bra     $+2
        bra     $+2
        bra     $
tests:  tstfsz  0x20            ; 0: skips
        nop
        tstfsz  0x20
        nop
        tstfsz  0x20
        nop
        tstfsz  0x20
        nop
        tstfsz  0x20
        nop
        tstfsz  0x20
        nop
        tstfsz  0x20
        nop
        tstfsz  0x20
        nop
        tstfsz  0x20
        nop
        tstfsz  0x20
        nop
        bra     $
        end
