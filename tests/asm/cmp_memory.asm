; Peer check of data and program memory access against gpsim: the indirect modes
; of the three FSRs (with pointer carries and wraps), MOVFF between banks and
; through FSRs, LFSR, banked access through BSR, and the four table reads.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

r       equ     0x100           ; recorded values
cnt     equ     0x00

GARDEFSR macro  n, i            ; FSRnL, FSRnH -> r+i, r+i+1
        movff   FSR#v(n)L, r+i
        movff   FSR#v(n)H, r+i+1
        endm

        org     0
        lfsr    0, 0                    ; gpsim takes a first LFSR per FSR to settle
        lfsr    1, 0
        lfsr    2, 0
        ; fill 0x200..0x23F upwards through POSTINC0, 0x2F0..0x2FF downwards through
        ; POSTDEC1 ...
        lfsr    0, 0x200
        movlw   0x40
        movwf   cnt, ACCESS
rempli: movff   cnt, POSTINC0
        decfsz  cnt, F, ACCESS
        bra     rempli
        GARDEFSR 0, 0
        lfsr    1, 0x2FF
        movlw   0x10
        movwf   cnt, ACCESS
rempli2:
        movf    cnt, W, ACCESS
        movwf   POSTDEC1, ACCESS
        decfsz  cnt, F, ACCESS
        bra     rempli2
        GARDEFSR 1, 2
        ; ... and across a page boundary with PREINC2
        lfsr    2, 0x3FC
        movlw   0xC1
        movwf   PREINC2, ACCESS
        movwf   PREINC2, ACCESS
        movwf   PREINC2, ACCESS
        movwf   PREINC2, ACCESS         ; 3FD..400
        GARDEFSR 2, 4
        ; reads: INDF, PLUSW both signs, read-modify-write through POSTINC/POSTDEC
        lfsr    0, 0x210
        movf    INDF0, W, ACCESS
        movff   WREG, r+6
        movlw   5
        movf    PLUSW0, W, ACCESS
        movff   WREG, r+7
        movlw   0xF0
        movf    PLUSW0, W, ACCESS       ; 0x210 - 16
        movff   WREG, r+8
        GARDEFSR 0, 9
        lfsr    1, 0x220
        incf    POSTINC1, F, ACCESS
        incf    POSTINC1, F, ACCESS
        comf    POSTDEC1, F, ACCESS
        swapf   POSTDEC1, F, ACCESS
        GARDEFSR 1, 11
        lfsr    2, 0x228
        movlw   3
        addwf   PLUSW2, F, ACCESS       ; [22B] += 3
        clrf    PREINC2, ACCESS         ; [229] = 0
        setf    POSTINC2, ACCESS        ; [229] = FF
        GARDEFSR 2, 13
        ; 12-bit wraps
        lfsr    0, 0x000
        movf    POSTDEC0, W, ACCESS
        GARDEFSR 0, 15
        lfsr    1, 0xFFF
        movf    POSTINC1, W, ACCESS
        GARDEFSR 1, 17
        lfsr    2, 0x0FF
        movf    PREINC2, W, ACCESS
        GARDEFSR 2, 19
        ; MOVFF between banks and through FSRs
        movff   0x23F, 0x5F0
        movff   0x200, 0x5F1
        lfsr    0, 0x208
        lfsr    1, 0x5F8
        movff   POSTINC0, POSTINC1
        movff   POSTINC0, POSTINC1
        movff   POSTINC0, POSTDEC1
        movff   INDF0, PREINC1
        GARDEFSR 0, 21
        GARDEFSR 1, 23
        ; banked access
        movlb   3
        movlw   0x33
        movwf   0x80, BANKED            ; 0x380
        incf    0x80, F, BANKED
        bsf     0x81, 5, BANKED
        movlb   5
        movf    0xF0, W, BANKED         ; 0x5F0
        movwf   0x20, BANKED            ; 0x520
        movwf   0x20, ACCESS            ; 0x020
        movlb   7
        comf    0xFF, F, BANKED         ; 0x7FF
        movff   BSR, r+25
        movlb   0
        ; table reads
        movlw   UPPER table
        movwf   TBLPTRU, ACCESS
        movlw   HIGH table
        movwf   TBLPTRH, ACCESS
        movlw   LOW table
        movwf   TBLPTRL, ACCESS
        lfsr    0, 0x440
        movlw   6
        movwf   cnt, ACCESS
lit:    tblrd*+
        movff   TABLAT, POSTINC0
        decfsz  cnt, F, ACCESS
        bra     lit
        tblrd*-
        movff   TABLAT, POSTINC0
        tblrd*-
        movff   TABLAT, POSTINC0
        tblrd+*
        movff   TABLAT, POSTINC0
        tblrd*
        movff   TABLAT, POSTINC0
        movff   TBLPTRL, POSTINC0
        movff   TBLPTRH, POSTINC0
        ; carry from TBLPTRL into TBLPTRH
        movlw   HIGH bord
        movwf   TBLPTRH, ACCESS
        movlw   LOW bord
        movwf   TBLPTRL, ACCESS
        tblrd*+
        movff   TABLAT, POSTINC0
        tblrd*+
        movff   TABLAT, POSTINC0
        movff   TBLPTRL, POSTINC0
        movff   TBLPTRH, POSTINC0
fin:    bra     $

        org     0x0800
table:  db      0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x76, 0x87
        org     0x08FE
        db      0x9A, 0xAB, 0xCD, 0xEF  ; 0x8FE..0x901
bord    equ     0x08FF
        end
