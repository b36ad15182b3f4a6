; Toggles RA6 (the LED) every 12 instruction cycles: 1 us high, 1 us low.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

        org     0
        clrf    LATA, ACCESS
        bcf     TRISA, 6, ACCESS
boucle: btg     LATA, 6, ACCESS ; 1 cycle
        nop                     ; 9 cycles
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        nop
        bra     boucle          ; 2 cycles
        end
