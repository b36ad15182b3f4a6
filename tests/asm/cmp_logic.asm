; Peer check of the logic, compare, multiply, rotate and bit instructions against
; gpsim: every pair of twelve operands through ANDWF, IORWF, XORWF, the three
; compare-and-skip tests and MULWF, then every operand through COMF, the rotates,
; SWAPF, the skip-on-count forms, the bit operations and the literal forms. Each
; STATUS is stored whole; C, DC and OV are preset so that the kept bits show.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

x       equ     0x00
y       equ     0x01
t       equ     0x02
i       equ     0x03
j       equ     0x04
bits    equ     0x05
vals    equ     0x10            ; the twelve operands
NVALS   equ     12

GARDE   macro                   ; W, then STATUS -> POSTINC2
        movwf   POSTINC2, ACCESS
        movff   STATUS, POSTINC2
        endm
PRESET  macro   s               ; STATUS = s
        movlw   s
        movwf   STATUS, ACCESS
        endm

        org     0
        lfsr    0, 0                    ; gpsim takes a first LFSR per FSR to settle
        lfsr    1, 0
        lfsr    2, 0
        movlw   UPPER operandes
        movwf   TBLPTRU, ACCESS
        movlw   HIGH operandes
        movwf   TBLPTRH, ACCESS
        movlw   LOW operandes
        movwf   TBLPTRL, ACCESS
        lfsr    0, vals
        movlw   NVALS
        movwf   i, ACCESS
copie:  tblrd*+
        movff   TABLAT, POSTINC0
        decfsz  i, F, ACCESS
        bra     copie

        ; pairs: 9 bytes each from 0x100
        lfsr    2, 0x100
        lfsr    0, vals
        movlw   NVALS
        movwf   i, ACCESS
paireX: movff   POSTINC0, x
        lfsr    1, vals
        movlw   NVALS
        movwf   j, ACCESS
paireY: movff   POSTINC1, y
        PRESET  0x0B
        movf    y, W, ACCESS
        andwf   x, W, ACCESS
        GARDE
        PRESET  0x0A
        movf    y, W, ACCESS
        iorwf   x, W, ACCESS
        GARDE
        PRESET  0x01
        movf    y, W, ACCESS
        xorwf   x, W, ACCESS
        GARDE
        ; compare-and-skip: one bit per test that did not skip
        clrf    bits, ACCESS
        movf    y, W, ACCESS
        cpfseq  x, ACCESS
        bsf     bits, 0, ACCESS
        cpfsgt  x, ACCESS
        bsf     bits, 1, ACCESS
        cpfslt  x, ACCESS
        bsf     bits, 2, ACCESS
        movff   bits, POSTINC2
        mulwf   x, ACCESS
        movff   PRODL, POSTINC2
        movff   PRODH, POSTINC2
        decfsz  j, F, ACCESS
        bra     paireY
        decfsz  i, F, ACCESS
        bra     paireX

        ; single operands: 27 bytes each from 0x610
        lfsr    2, 0x610
        lfsr    0, vals
        movlw   NVALS
        movwf   i, ACCESS
seul:   movff   POSTINC0, x
        PRESET  0x0B
        comf    x, W, ACCESS
        GARDE
        PRESET  0x0A
        rlcf    x, W, ACCESS
        GARDE
        PRESET  0x0B
        rlcf    x, W, ACCESS
        GARDE
        PRESET  0x0A
        rrcf    x, W, ACCESS
        GARDE
        PRESET  0x0B
        rrcf    x, W, ACCESS
        GARDE
        PRESET  0x0B
        rlncf   x, W, ACCESS
        GARDE
        PRESET  0x0A
        rrncf   x, W, ACCESS
        GARDE
        PRESET  0x1F
        swapf   x, W, ACCESS
        GARDE
        PRESET  0x0B
        movf    x, F, ACCESS
        movf    STATUS, W, ACCESS
        movwf   POSTINC2, ACCESS
        ; skips on the operand itself
        clrf    bits, ACCESS
        tstfsz  x, ACCESS
        bsf     bits, 0, ACCESS
        movff   x, t
        decfsz  t, F, ACCESS
        bsf     bits, 1, ACCESS
        movff   x, t
        dcfsnz  t, F, ACCESS
        bsf     bits, 2, ACCESS
        movff   x, t
        incfsz  t, F, ACCESS
        bsf     bits, 3, ACCESS
        movff   x, t
        infsnz  t, F, ACCESS
        bsf     bits, 4, ACCESS
        btfsc   x, 7, ACCESS
        bsf     bits, 5, ACCESS
        btfss   x, 0, ACCESS
        bsf     bits, 6, ACCESS
        movff   bits, POSTINC2
        ; bit operations
        movff   x, t
        btg     t, 0, ACCESS
        bsf     t, 3, ACCESS
        bcf     t, 7, ACCESS
        btg     t, 6, ACCESS
        movff   t, POSTINC2
        ; literal forms
        movf    x, W, ACCESS
        andlw   0x3C
        GARDE
        movf    x, W, ACCESS
        iorlw   0x81
        GARDE
        movf    x, W, ACCESS
        xorlw   0x5A
        GARDE
        movf    x, W, ACCESS
        mullw   0xA7
        movff   PRODL, POSTINC2
        movff   PRODH, POSTINC2
        decfsz  i, F, ACCESS
        bra     seul
fin:    bra     $

operandes:
        db      0x00, 0x01, 0x0F, 0x10, 0x7F, 0x80, 0x81, 0xFE, 0xFF, 0x55, 0xAA, 0x08
        end
