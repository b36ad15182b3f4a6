; Logic, move, clear/set and bit instructions: each case stores its result and the
; STATUS it leaves side by side, from 0x100 on.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

        #include "cas_status.inc"

        org     0
        PREP    0x0B, 0x00, 0xF0        ; 0: Z set, C DC OV kept
        andlw   0x0F
        GARDEW  0
        PREP    0x00, 0x00, 0x80        ; 1
        iorlw   0x01
        GARDEW  1
        PREP    0x11, 0x00, 0xFF        ; 2: N cleared, C kept
        xorlw   0xFF
        GARDEW  2
        PREP    0x04, 0xCC, 0xAA        ; 3
        andwf   f, F, ACCESS
        GARDEF  3
        PREP    0x10, 0x00, 0x00        ; 4
        iorwf   f, W, ACCESS
        GARDEW  4
        PREP    0x0B, 0x5A, 0xA5        ; 5
        xorwf   f, W, ACCESS
        GARDEW  5
        PREP    0x00, 0xFF, 0x00        ; 6
        comf    f, W, ACCESS
        GARDEW  6
        movff   f, 0x180                ; f untouched by a W destination
        PREP    0x04, 0x7F, 0x00        ; 7
        comf    f, F, ACCESS
        GARDEF  7
        PREP    0x1B, 0x00, 0x55        ; 8: Z set, N cleared, C DC OV kept
        movf    f, W, ACCESS
        GARDEW  8
        PREP    0x04, 0x80, 0x00        ; 9
        movf    f, F, ACCESS
        GARDEF  9
        PREP    0x1B, 0x33, 0x00        ; 10: only Z changes
        clrf    f, ACCESS
        GARDEF  10
        PREP    0x05, 0x12, 0x00        ; 11: no flag
        setf    f, ACCESS
        GARDEF  11
        PREP    0x1F, 0x00, 0x99        ; 12: no flag
        movwf   f, ACCESS
        GARDEF  12
        PREP    0x0A, 0x00, 0x00        ; 13: no flag
        movlw   0xA0
        GARDEW  13
        PREP    0x1B, 0x00, 0x00        ; 14: CLRF STATUS leaves Z set
        clrf    STATUS, ACCESS
        GARDEW  14
        PREP    0x1F, 0x0F, 0x00        ; 15: bit operations leave STATUS alone
        bsf     f, 7, ACCESS
        bcf     f, 0, ACCESS
        btg     f, 4, ACCESS
        btg     f, 5, ACCESS
        GARDEF  15
        PREP    0x00, 0x00, 0x00        ; 16: bits of STATUS itself
        bsf     STATUS, N, ACCESS
        btg     STATUS, C, ACCESS
        movff   STATUS, resu+2*16
        PREP    0x00, 0x00, 0x0F        ; 17: bits of W
        btg     WREG, 7, ACCESS
        bsf     WREG, 5, ACCESS
        bcf     WREG, 0, ACCESS
        GARDEW  17
        ; 18: STATUS as the destination of a flag-changing instruction: the result
        ; is written, then the committed flags (Z, N) are merged into it, so C, DC
        ; and OV come from the result
        PREP    0x00, 0x00, 0x0B
        iorwf   STATUS, F, ACCESS
        movff   STATUS, resu+2*18
fin:    bra     $
        end
