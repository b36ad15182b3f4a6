; Byte-oriented arithmetic in a counted loop: the commonest shape of student code.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF
        org     0
debut:  movlw   .200
        movwf   0x20, ACCESS
boucle: movf    0x21, W, ACCESS
        addwf   0x22, F, ACCESS
        rlcf    0x23, F, ACCESS
        decfsz  0x20, F, ACCESS
        bra     boucle
        bra     debut
        end
