; Compare-and-skip, decrement/increment-and-skip and bit-test-and-skip. The
; instruction after each test is `incf m+i`: m+i ends at 1 when it ran, 0 when it
; was skipped.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

f       equ     0x20            ; the file operand
src     equ     0x21            ; MOVFF source
m       equ     0x40            ; markers m+0 .. m+29
resu    equ     0x100           ; file values and STATUS after some of the tests

FIXE    macro   x               ; f = x
        movlw   x
        movwf   f, ACCESS
        endm
MARQUE  macro   i
        incf    m+i, F, ACCESS
        endm

        org     0
        FIXE    5
        movlw   5
        cpfseq  f, ACCESS               ; 0: equal, skips
        MARQUE  0
        movlw   4
        cpfseq  f, ACCESS               ; 1: not equal
        MARQUE  1
        FIXE    0x80
        movlw   0x7F
        cpfsgt  f, ACCESS               ; 2: 0x80 > 0x7F unsigned, skips
        MARQUE  2
        FIXE    5
        movlw   5
        cpfsgt  f, ACCESS               ; 3: equal
        MARQUE  3
        movlw   6
        cpfsgt  f, ACCESS               ; 4: less
        MARQUE  4
        cpfslt  f, ACCESS               ; 5: 5 < 6, skips
        MARQUE  5
        FIXE    0x80
        movlw   0x7F
        cpfslt  f, ACCESS               ; 6: 0x80 < 0x7F is false unsigned
        MARQUE  6
        FIXE    5
        movlw   5
        cpfslt  f, ACCESS               ; 7: equal
        MARQUE  7
        FIXE    0
        tstfsz  f, ACCESS               ; 8: zero, skips
        MARQUE  8
        FIXE    1
        tstfsz  f, ACCESS               ; 9
        MARQUE  9
        movlw   0x0A                    ; 10: 1 -> 0 skips, STATUS untouched
        movwf   STATUS, ACCESS
        decfsz  f, F, ACCESS
        MARQUE  10
        movff   f, resu+0
        movff   STATUS, resu+1
        decfsz  f, F, ACCESS            ; 11: 0 -> 0xFF
        MARQUE  11
        movff   f, resu+2
        FIXE    2
        dcfsnz  f, F, ACCESS            ; 12: 2 -> 1 skips
        MARQUE  12
        dcfsnz  f, F, ACCESS            ; 13: 1 -> 0
        MARQUE  13
        movff   f, resu+3
        movlw   0x10                    ; 14: 0xFF -> 0 skips, STATUS untouched
        movwf   STATUS, ACCESS
        FIXE    0xFF
        incfsz  f, F, ACCESS
        MARQUE  14
        movff   f, resu+4
        movff   STATUS, resu+5
        incfsz  f, F, ACCESS            ; 15: 0 -> 1
        MARQUE  15
        FIXE    0xFF
        incfsz  f, W, ACCESS            ; 16: into W, skips
        MARQUE  16
        movff   WREG, resu+6
        movff   f, resu+7
        infsnz  f, F, ACCESS            ; 17: 0xFF -> 0
        MARQUE  17
        FIXE    5
        infsnz  f, F, ACCESS            ; 18: 5 -> 6 skips
        MARQUE  18
        movff   f, resu+8
        FIXE    0x08
        btfsc   f, 3, ACCESS            ; 19: bit set
        MARQUE  19
        btfsc   f, 2, ACCESS            ; 20: bit clear, skips
        MARQUE  20
        btfss   f, 3, ACCESS            ; 21: bit set, skips
        MARQUE  21
        btfss   f, 0, ACCESS            ; 22: bit clear
        MARQUE  22
        btfss   f, 3, ACCESS            ; 23: skips a two-word GOTO
        goto    ailleurs
        MARQUE  23
        bra     suite
ailleurs:
        MARQUE  24                      ; reached only if the GOTO ran
        bra     suite
suite:  btfsc   f, 3, ACCESS            ; 25: does not skip the GOTO
        goto    cible
        MARQUE  25
cible:  MARQUE  26
        movlw   0x77
        movwf   src, ACCESS
        btfsc   f, 0, ACCESS            ; 27: skips a two-word MOVFF
        movff   src, m+27
        MARQUE  28
        btfss   f, 0, ACCESS            ; 29: does not skip the MOVFF
        movff   src, m+29
fin:    bra     $
        end
