; Copies PORTB (the buttons on RB3..RB5, all pins digital) to RAM and counts the
; turns of its loop.
;   0x20         PORTB at the last turn
;   0x24..0x26   turns, 24 bits, low byte first
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=ON

        org     0
        movlw   0x0F
        movwf   ADCON1, ACCESS  ; PBADEN made RB0..RB4 analog: all digital now
        clrf    0x24, ACCESS
        clrf    0x25, ACCESS
        clrf    0x26, ACCESS
boucle: movff   PORTB, 0x20
        incf    0x24, F, ACCESS
        movlw   0
        addwfc  0x25, F, ACCESS
        addwfc  0x26, F, ACCESS
        bra     boucle
        end
