; Conditional branches, each with its condition true (taken, over `incf m+i`) and
; false (not taken, `incf m+i` runs), then BRA back and forth and GOTO far away.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

m       equ     0x40            ; markers: m+i ends at 1 when the branch fell through

; STATUS = s, then branch instruction br over the marker i
ESSAI   macro   br, s, i
        local   dessus
        movlw   s
        movwf   STATUS, ACCESS
        br      dessus
        incf    m+i, F, ACCESS
dessus:
        endm

        org     0
        ESSAI   bc, 0x01, 0             ; taken
        ESSAI   bc, 0x1E, 1             ; not taken
        ESSAI   bnc, 0x1E, 2
        ESSAI   bnc, 0x01, 3
        ESSAI   bz, 0x04, 4
        ESSAI   bz, 0x1B, 5
        ESSAI   bnz, 0x1B, 6
        ESSAI   bnz, 0x04, 7
        ESSAI   bov, 0x08, 8
        ESSAI   bov, 0x17, 9
        ESSAI   bnov, 0x17, 10
        ESSAI   bnov, 0x08, 11
        ESSAI   bn, 0x10, 12
        ESSAI   bn, 0x0F, 13
        ESSAI   bnn, 0x0F, 14
        ESSAI   bnn, 0x10, 15
        ; a branch sees the flags of the instruction just before it
        movlw   0xFF
        addlw   0x01
        bnc     pasbon
        incf    m+16, F, ACCESS         ; runs: C = 1
pasbon: bra     avant                   ; forward
arriere:
        incf    m+17, F, ACCESS         ; reached backwards
        goto    loin
avant:  bra     arriere
        incf    m+18, F, ACCESS         ; never runs
retour: incf    m+20, F, ACCESS
fin:    bra     $

        org     0x1000
loin:   incf    m+19, F, ACCESS
        goto    retour
        end
