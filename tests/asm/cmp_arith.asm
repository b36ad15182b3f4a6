; Peer check of the arithmetic instructions against gpsim: every pair of twelve
; operands through ADDWF, ADDWFC, SUBWF, SUBWFB and SUBFWB, then every operand
; through INCF, DECF, NEGF and the literal forms. DC is masked out of STATUS after
; the subtractions and the carry-in additions, C and DC after NEGF: this core
; computes them its own way there. OV is masked out after the additions:
; gpsim sets it wrongly after some of them (0x01 + 0xFF, 0x00 + 0x80 + C, INCF of
; 0xFF).
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

x       equ     0x00
y       equ     0x01
t       equ     0x02
i       equ     0x03
j       equ     0x04
vals    equ     0x10            ; the twelve operands
NVALS   equ     12

; W -> POSTINC2, then STATUS AND masque -> POSTINC2
RANGE   macro   masque
        movwf   POSTINC2, ACCESS
        movf    STATUS, W, ACCESS
        andlw   masque
        movwf   POSTINC2, ACCESS
        endm

        org     0
        lfsr    0, 0                    ; gpsim takes a first LFSR per FSR to settle
        lfsr    1, 0
        lfsr    2, 0
        ; operands from the table in program memory
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

        ; pairs: 10 bytes each from 0x100
        lfsr    2, 0x100
        lfsr    0, vals
        movlw   NVALS
        movwf   i, ACCESS
paireX: movff   POSTINC0, x
        lfsr    1, vals
        movlw   NVALS
        movwf   j, ACCESS
paireY: movff   POSTINC1, y
        movf    y, W, ACCESS
        addwf   x, W, ACCESS
        RANGE   0xF7
        movf    y, W, ACCESS
        bsf     STATUS, C, ACCESS
        addwfc  x, W, ACCESS
        RANGE   0xF5
        movf    y, W, ACCESS
        subwf   x, W, ACCESS
        RANGE   0xFD
        movf    y, W, ACCESS
        bcf     STATUS, C, ACCESS
        subwfb  x, W, ACCESS
        RANGE   0xFD
        movf    y, W, ACCESS
        bsf     STATUS, C, ACCESS
        subfwb  x, W, ACCESS
        RANGE   0xFD
        decfsz  j, F, ACCESS
        bra     paireY
        decfsz  i, F, ACCESS
        bra     paireX

        ; single operands: 16 bytes each from 0x6A0
        lfsr    2, 0x6A0
        lfsr    0, vals
        movlw   NVALS
        movwf   i, ACCESS
seul:   movff   POSTINC0, x
        incf    x, W, ACCESS
        RANGE   0xF7
        decf    x, W, ACCESS
        RANGE   0xFF
        movff   x, t
        negf    t, ACCESS
        movf    t, W, ACCESS            ; MOVF sets Z and N again: same values
        RANGE   0xFC
        movf    x, W, ACCESS
        addlw   0x85
        RANGE   0xF7
        movf    x, W, ACCESS
        sublw   0x37
        RANGE   0xFD
        movf    x, W, ACCESS
        bcf     STATUS, C, ACCESS
        addwfc  x, W, ACCESS            ; x + x without carry in
        RANGE   0xF5
        movff   x, t
        incf    t, F, ACCESS
        movf    STATUS, W, ACCESS
        andlw   0xF7
        movff   t, POSTINC2
        movwf   POSTINC2, ACCESS
        movff   x, t
        decf    t, F, ACCESS
        movf    STATUS, W, ACCESS
        movff   t, POSTINC2
        movwf   POSTINC2, ACCESS
        decfsz  i, F, ACCESS
        bra     seul
fin:    bra     $

operandes:
        db      0x00, 0x01, 0x0F, 0x10, 0x7F, 0x80, 0x81, 0xFE, 0xFF, 0x55, 0xAA, 0x08
        end
