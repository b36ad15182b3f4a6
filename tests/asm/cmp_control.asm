; Peer check of program flow against gpsim: every conditional branch taken and not
; taken, BRA and GOTO both ways, skips over one- and two-word instructions, CALL,
; RCALL, CALL/RETURN FAST, RETLW, PUSH and POP, and a 20-level recursion that
; records STKPTR and TOS on the way down and W on the way back.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

m       equ     0x30            ; markers: m+i = 1 when the instruction after a test ran
n       equ     0x20
f       equ     0x21
rec     equ     0x100           ; recursion records

ESSAI   macro   br, s, i        ; STATUS = s, then br over `incf m+i`
        local   dessus
        movlw   s
        movwf   STATUS, ACCESS
        br      dessus
        incf    m+i, F, ACCESS
dessus:
        endm

        org     0
        lfsr    2, 0                    ; gpsim takes a first LFSR per FSR to settle
        ESSAI   bc, 0x01, 0
        ESSAI   bc, 0x1E, 1
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

        ; skips over two-word instructions
        movlw   0x81
        movwf   f, ACCESS
        btfss   f, 7, ACCESS            ; skips the GOTO
        goto    perdu
        incf    m+16, F, ACCESS
        btfsc   f, 1, ACCESS            ; skips the MOVFF
        movff   f, m+17
        incf    m+18, F, ACCESS
        movlw   0x81
        cpfseq  f, ACCESS               ; skips the CALL
        call    perdu
        incf    m+19, F, ACCESS
        btfsc   f, 0, ACCESS            ; does not skip the MOVFF
        movff   f, m+20
        goto    loin                    ; far away and back
retour: bra     suite
perdu:  incf    m+21, F, ACCESS         ; never runs
        return
suite:
        ; calls
        call    sous1
        movwf   m+22, ACCESS
        rcall   sous1
        movwf   m+23, ACCESS
        movlb   2
        movlw   0x15
        movwf   STATUS, ACCESS
        movlw   0x3C
        call    rapide, FAST
        movff   WREG, m+24
        movff   STATUS, m+25
        movff   BSR, m+26
        movlb   0
        push
        movff   STKPTR, m+27
        movff   TOSL, m+28
        pop
        movff   STKPTR, m+29

        ; recursion: 20 levels, then back up adding W
        lfsr    2, rec
        movlw   20
        movwf   n, ACCESS
        movlw   0
        rcall   descend
        movwf   m+30, ACCESS
        movff   STKPTR, m+31
fin:    bra     $

descend:
        movff   STKPTR, POSTINC2
        movff   TOSL, POSTINC2
        movff   TOSH, POSTINC2
        dcfsnz  n, F, ACCESS
        retlw   0x11
        rcall   descend
        addlw   3
        return

sous1:  movff   STKPTR, m+32
        movff   TOSL, m+33
        retlw   0x5A
rapide: movlb   5
        clrf    STATUS, ACCESS
        movlw   0x99
        return  FAST

        org     0x1000
loin:   incf    m+34, F, ACCESS
        goto    retour
        end
