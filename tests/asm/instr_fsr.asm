; Indirect addressing: LFSR, INDFn, POSTINCn, POSTDECn, PREINCn and PLUSWn for the
; three FSRs, pointer wrap, indirect registers reached indirectly, and MOVFF with
; indirect operands. Recorded values go to 0x100 on, the data areas are 0x200 on.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

r       equ     0x100

        org     0
        ; FSR0
        lfsr    0, 0x200
        movlw   0x11
        movwf   INDF0, ACCESS           ; [200] = 11, FSR0 stays
        movlw   0x22
        movwf   PREINC0, ACCESS         ; FSR0 = 201, [201] = 22
        movlw   0x33
        movwf   POSTINC0, ACCESS        ; [201] = 33, FSR0 = 202
        movlw   0x44
        movwf   POSTDEC0, ACCESS        ; [202] = 44, FSR0 = 201
        movf    POSTDEC0, W, ACCESS     ; W = 33, FSR0 = 200
        movff   WREG, r+0
        movff   FSR0L, r+1
        movlw   2
        movf    PLUSW0, W, ACCESS       ; W = [202] = 44, FSR0 stays
        movff   WREG, r+2
        movff   FSR0L, r+3
        incf    POSTINC0, F, ACCESS     ; [200] = 12, FSR0 moves once
        movff   FSR0L, r+4
        bsf     POSTINC0, 7, ACCESS     ; [201] = B3, FSR0 moves once
        movff   FSR0L, r+5
        lfsr    0, 0x210
        movlw   0xFF
        movwf   PLUSW0, ACCESS          ; W = -1: [20F] = FF

        ; FSR1
        lfsr    1, 0x220
        movlw   0x55
        movwf   POSTINC1, ACCESS
        movwf   POSTINC1, ACCESS        ; [220] = [221] = 55
        setf    INDF1, ACCESS           ; [222] = FF
        movlw   0xFE
        movf    PLUSW1, W, ACCESS       ; [222 - 2] = 55
        movff   WREG, r+6
        decf    PREINC1, F, ACCESS      ; FSR1 = 223, [223] = FF
        movf    POSTDEC1, W, ACCESS     ; FSR1 = 222
        movff   FSR1L, r+7

        ; FSR2
        lfsr    2, 0x240
        movlw   0x66
        movwf   PREINC2, ACCESS         ; FSR2 = 241, [241] = 66
        movwf   POSTDEC2, ACCESS        ; FSR2 = 240
        movlw   1
        addwf   PLUSW2, F, ACCESS       ; [241] = 67
        movlw   0x77
        movwf   INDF2, ACCESS           ; [240] = 77
        movff   FSR2L, r+8

        ; pointer wrap
        lfsr    0, 0x0FF
        movf    POSTINC0, W, ACCESS     ; FSR0 = 100
        movff   FSR0L, r+9
        movff   FSR0H, r+10
        lfsr    1, 0xFFF
        movf    POSTINC1, W, ACCESS     ; FSR1 = 000
        movff   FSR1L, r+11
        movff   FSR1H, r+12
        lfsr    2, 0x000
        movf    POSTDEC2, W, ACCESS     ; FSR2 = FFF
        movff   FSR2L, r+13
        movff   FSR2H, r+14
        lfsr    0, 0x300
        movf    POSTDEC0, W, ACCESS     ; FSR0 = 2FF
        movff   FSR0L, r+15
        movff   FSR0H, r+16
        movlw   0x5C
        movwf   0x0F, ACCESS
        lfsr    1, 0x010
        movlw   0xFF
        movf    PLUSW1, W, ACCESS       ; [010 - 1] = 5C
        movff   WREG, r+17
        movlw   0xA7
        movwf   0x00, ACCESS
        lfsr    2, 0xFFF
        movlw   1
        movf    PLUSW2, W, ACCESS       ; FFF + 1 wraps to [000] = A7
        movff   WREG, r+18

        ; an indirect register reached through an FSR reads 0 and ignores writes
        movlw   0x99
        movwf   0x50, ACCESS
        lfsr    1, 0x050
        lfsr    0, INDF1
        movlw   0x3E
        movf    INDF0, W, ACCESS
        movff   WREG, r+19              ; 0
        movlw   0x5A
        movwf   INDF0, ACCESS           ; [050] stays 99
        lfsr    0, POSTINC1
        movf    INDF0, W, ACCESS        ; FSR1 does not move
        movff   FSR1L, r+20

        ; MOVFF with indirect operands: each FSR moves once per MOVFF
        lfsr    0, 0x260
        movlw   0xA1
        movwf   POSTINC0, ACCESS
        movlw   0xA2
        movwf   POSTINC0, ACCESS
        movlw   0xA3
        movwf   POSTINC0, ACCESS
        lfsr    0, 0x260
        lfsr    1, 0x270
        movff   POSTINC0, POSTINC1
        movff   POSTINC0, POSTINC1
        movff   POSTINC0, POSTINC1      ; [270..272] = A1 A2 A3
        movff   FSR0L, r+21
        movff   FSR1L, r+22
        lfsr    2, 0x25F
        movff   PREINC2, r+23           ; [260] = A1, FSR2 = 260
        movff   FSR2L, r+24

        ; FSR2H holding more than 4 bits (written directly) points beyond the
        ; data memory: INDF2 reads 0
        movlw   0x3C
        movwf   0x60, BANKED            ; [060] = 3C
        lfsr    2, 0x060
        movlw   0x10
        movwf   FSR2H, ACCESS
        movf    INDF2, W, ACCESS
        movff   WREG, r+25
fin:    bra     $
        end
