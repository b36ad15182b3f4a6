; Banked and access-bank operands: MOVLB, a = 1 through BSR, the access bank split
; at 0x5F/0x60, BSR limited to 4 bits, banks 8 to 14 reading 0.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

r       equ     0x100

        org     0
        movlb   2
        movlw   0x21
        movwf   0x10, BANKED            ; [210]
        movlb   7
        movlw   0x71
        movwf   0xFF, BANKED            ; [7FF], the last RAM byte
        bsf     0x10, 3, BANKED         ; [710] = 08
        incf    0x10, F, BANKED         ; [710] = 09
        movlb   2
        movf    0x10, W, BANKED
        movff   WREG, r+0               ; 21
        ; the access bank ignores BSR: 0x00-0x5F is RAM 0x000-0x05F
        movlw   0x5F
        movwf   0x5F, ACCESS            ; [05F], not [25F]
        movwf   0x5F, BANKED            ; [25F]
        ; and 0x60-0xFF is 0xF60-0xFFF: TBLPTRL through the access bank
        movlw   0x3D
        movwf   TBLPTRL, ACCESS
        movff   TBLPTRL, r+1            ; 3D
        movlw   0x60
        movwf   0x60, ACCESS            ; 0xF60, not RAM 0x060
        movff   0xF60, r+2              ; unimplemented SFR address: kept here
        ; the same SFR through bank 15
        movlb   15
        movlw   0x4E
        movwf   TBLPTRL, BANKED
        movff   TBLPTRL, r+3            ; 4E
        movf    BSR, W, BANKED
        movff   WREG, r+4               ; 0F
        ; banks 8 to 14 are not implemented: writes are lost, reads give 0
        movlb   8
        movlw   0x88
        movwf   0x00, BANKED
        movlw   0x55
        movf    0x00, W, BANKED
        movff   WREG, r+5               ; 00
        movlb   14
        setf    0x40, BANKED
        movf    0x40, W, BANKED
        movff   WREG, r+6               ; 00
        movff   0x800, r+7              ; 00 through MOVFF as well
        ; BSR keeps 4 bits
        movlw   0xF3
        movwf   BSR, ACCESS
        movff   BSR, r+8                ; 03
        movlw   0x33
        movwf   0x33, BANKED            ; [333]
        movlb   0
fin:    bra     $
        end
