; Additions, subtractions, increments, decrements and NEGF: each case stores its
; result and the STATUS it leaves side by side, from 0x100 on.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

        #include "cas_status.inc"

        org     0
        PREP    0x00, 0x80, 0x80        ; 0: 0x80 + 0x80
        addwf   f, W, ACCESS
        GARDEW  0
        PREP    0x00, 0x7F, 0x01        ; 1: 0x7F + 0x01 into f
        addwf   f, F, ACCESS
        GARDEF  1
        PREP    0x00, 0x00, 0x0F        ; 2: half carry
        addlw   0x01
        GARDEW  2
        PREP    0x00, 0x00, 0x01        ; 3: 0x01 + 0xFF
        addlw   0xFF
        GARDEW  3
        PREP    0x01, 0x11, 0x22        ; 4: carry in added, then cleared
        addwfc  f, W, ACCESS
        GARDEW  4
        PREP    0x00, 0xF0, 0x0F        ; 5: no carry in
        addwfc  f, W, ACCESS
        GARDEW  5
        PREP    0x01, 0x08, 0x07        ; 6: carry in completes the low nibble
        addwfc  f, W, ACCESS
        GARDEW  6
        PREP    0x01, 0x7F, 0x00        ; 7: the carry in alone overflows
        addwfc  f, F, ACCESS
        GARDEF  7
        PREP    0x00, 0x05, 0x05        ; 8: 5 - 5
        subwf   f, W, ACCESS
        GARDEW  8
        PREP    0x00, 0x03, 0x05        ; 9: 3 - 5
        subwf   f, W, ACCESS
        GARDEW  9
        PREP    0x00, 0x80, 0x01        ; 10: -128 - 1
        subwf   f, F, ACCESS
        GARDEF  10
        PREP    0x00, 0x25, 0x15        ; 11: equal low nibbles
        subwf   f, F, ACCESS
        GARDEF  11
        PREP    0x00, 0x00, 0x01        ; 12: 0x10 - 1
        sublw   0x10
        GARDEW  12
        PREP    0x01, 0x00, 0x01        ; 13: 0 - 1
        sublw   0x00
        GARDEW  13
        PREP    0x00, 0x00, 0x12        ; 14: 0x37 - 0x12
        sublw   0x37
        GARDEW  14
        PREP    0x00, 0x05, 0x02        ; 15: 5 - 2 - borrow
        subwfb  f, W, ACCESS
        GARDEW  15
        PREP    0x01, 0x05, 0x02        ; 16: 5 - 2, no borrow
        subwfb  f, W, ACCESS
        GARDEW  16
        PREP    0x00, 0x00, 0x00        ; 17: 0 - 0 - borrow
        subwfb  f, F, ACCESS
        GARDEF  17
        PREP    0x01, 0x12, 0x02        ; 18: 0x12 - 2, equal low nibbles
        subwfb  f, W, ACCESS
        GARDEW  18
        PREP    0x01, 0x02, 0x05        ; 19: W - f = 5 - 2
        subfwb  f, W, ACCESS
        GARDEW  19
        PREP    0x00, 0x05, 0x02        ; 20: 2 - 5 - borrow
        subfwb  f, W, ACCESS
        GARDEW  20
        PREP    0x01, 0x05, 0x15        ; 21: 0x15 - 5, equal low nibbles
        subfwb  f, F, ACCESS
        GARDEF  21
        PREP    0x00, 0xFF, 0x00        ; 22
        incf    f, F, ACCESS
        GARDEF  22
        PREP    0x00, 0x7F, 0x00        ; 23
        incf    f, W, ACCESS
        GARDEW  23
        movff   f, 0x180                ; f untouched by a W destination
        PREP    0x1F, 0x0E, 0x00        ; 24: every flag cleared
        incf    f, F, ACCESS
        GARDEF  24
        PREP    0x00, 0x80, 0x00        ; 25
        decf    f, F, ACCESS
        GARDEF  25
        PREP    0x00, 0x00, 0x00        ; 26
        decf    f, W, ACCESS
        GARDEW  26
        PREP    0x00, 0x01, 0x00        ; 27
        decf    f, F, ACCESS
        GARDEF  27
        PREP    0x00, 0x00, 0x00        ; 28
        negf    f, ACCESS
        GARDEF  28
        PREP    0x00, 0x01, 0x00        ; 29
        negf    f, ACCESS
        GARDEF  29
        PREP    0x00, 0x80, 0x00        ; 30
        negf    f, ACCESS
        GARDEF  30
        PREP    0x1F, 0x30, 0x00        ; 31
        negf    f, ACCESS
        GARDEF  31
        movlw   0x41                    ; 32: a read sees the write just before it
        movwf   f, ACCESS
        incf    f, W, ACCESS
        GARDEW  32
fin:    bra     $
        end
