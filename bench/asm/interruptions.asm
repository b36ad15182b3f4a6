; Timer0's overflow every 256 instruction cycles (8 bits, 1:1) taken as an interrupt
; in the silicon mode: the routine counts ticks in 16 bits and sums a table entry;
; the main loop adds and shifts meanwhile. In the default mode the same program never
; vectors: its main loop polls nothing and runs on alone.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

ticksL  equ     0x20
ticksH  equ     0x21
somme   equ     0x22
a       equ     0x30
b       equ     0x31

        org     0
        goto    debut
        org     0x08
        bcf     INTCON, TMR0IF, ACCESS
        infsnz  ticksL, F, ACCESS
        incf    ticksH, F, ACCESS
        movf    ticksL, W, ACCESS
        andlw   0x0F
        addwf   somme, F, ACCESS
        btg     ticksH, 7, ACCESS
        retfie  FAST

debut:  clrf    ticksL, ACCESS
        clrf    ticksH, ACCESS
        clrf    somme, ACCESS
        movlw   0xC8                    ; Timer0 on, 8 bits, 1:1
        movwf   T0CON, ACCESS
        bsf     INTCON, TMR0IE, ACCESS
        bsf     INTCON, GIE, ACCESS
boucle: movf    a, W, ACCESS
        addwf   b, F, ACCESS
        rlncf   a, F, ACCESS
        incf    a, F, ACCESS
        decfsz  b, W, ACCESS
        bra     boucle
        bra     boucle
        end
