; Calls and returns: the pipeline flushes on every control transfer.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF
        org     0
debut:  call    un, FAST
        rcall   deux
        bra     debut
un:     rcall   deux
        return  FAST
deux:   incf    0x30, F, ACCESS
        retlw   0x05
        end
