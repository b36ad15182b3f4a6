; Rotates and SWAPF: each case stores its result and the STATUS it leaves side by
; side, from 0x100 on.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

        #include "cas_status.inc"
g       equ     0x21

        org     0
        PREP    0x00, 0x80, 0x00        ; 0: bit 7 into C
        rlcf    f, F, ACCESS
        GARDEF  0
        PREP    0x01, 0x41, 0x00        ; 1: C into bit 0
        rlcf    f, W, ACCESS
        GARDEW  1
        movff   f, 0x180                ; f untouched by a W destination
        PREP    0x0B, 0x81, 0x00        ; 2: C DC OV kept
        rlncf   f, F, ACCESS
        GARDEF  2
        PREP    0x00, 0xC0, 0x00        ; 3
        rlncf   f, W, ACCESS
        GARDEW  3
        PREP    0x0A, 0x01, 0x00        ; 4: bit 0 into C, DC OV kept
        rrcf    f, F, ACCESS
        GARDEF  4
        PREP    0x01, 0x02, 0x00        ; 5: C into bit 7
        rrcf    f, W, ACCESS
        GARDEW  5
        PREP    0x00, 0x01, 0x00        ; 6
        rrncf   f, F, ACCESS
        GARDEF  6
        PREP    0x05, 0x00, 0x00        ; 7: C kept
        rrncf   f, W, ACCESS
        GARDEW  7
        PREP    0x1F, 0xA5, 0x00        ; 8: no flag
        swapf   f, F, ACCESS
        GARDEF  8
        PREP    0x00, 0x3C, 0x00        ; 9
        swapf   f, W, ACCESS
        GARDEW  9
        movff   f, 0x181
        ; 10: 16-bit shift left of g:f through C
        movlw   0x40
        movwf   g, ACCESS
        PREP    0x00, 0x80, 0x00
        rlcf    f, F, ACCESS
        rlcf    g, F, ACCESS
        GARDEF  10
        movff   g, 0x182
fin:    bra     $
        end
