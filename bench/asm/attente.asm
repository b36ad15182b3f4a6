; A program that waits most of its time: a conversion polled on GO, a count-down
; delay, then the result written to port D.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

c1      equ     0x20

        org     0
        clrf    TRISD, ACCESS
        movlw   0x0E
        movwf   ADCON1, ACCESS          ; AN0 analog
        movlw   0x96
        movwf   ADCON2, ACCESS          ; 4 TAD acquisition, TAD = 64 ticks
        movlw   0x01
        movwf   ADCON0, ACCESS          ; on, AN0
boucle: bsf     ADCON0, GO, ACCESS
conv:   btfsc   ADCON0, GO, ACCESS
        bra     conv
        movff   ADRESH, LATD
        clrf    c1, ACCESS
delai:  decfsz  c1, F, ACCESS           ; 256 turns
        bra     delai
        bra     boucle
        end
