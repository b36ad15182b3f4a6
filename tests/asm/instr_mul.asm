; MULWF and MULLW: unsigned 8 x 8 products into PRODH:PRODL, W and STATUS untouched.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

f       equ     0x20
r       equ     0x100           ; case i: PRODL, PRODH, W, STATUS at r+4i

GARDE   macro   i
        movff   PRODL, r+4*i
        movff   PRODH, r+4*i+1
        movff   WREG, r+4*i+2
        movff   STATUS, r+4*i+3
        endm

        org     0
        movlw   0x1F
        movwf   STATUS, ACCESS
        setf    f, ACCESS
        movlw   0xFF
        mulwf   f, ACCESS               ; 0: FF x FF = FE01
        GARDE   0
        clrf    STATUS, ACCESS          ; Z set
        movlw   0x10
        mullw   0x10                    ; 1: 0100
        GARDE   1
        movlw   0x00
        movwf   STATUS, ACCESS
        mullw   0xC8                    ; 2: 0 x C8 = 0
        GARDE   2
        movlw   0x0C
        mulwf   WREG, ACCESS            ; 3: W x W = 0090
        GARDE   3
        movlw   0x81
        mullw   0x7E                    ; 4: 81 x 7E = 3F7E, unsigned
        GARDE   4
        ; through POSTINC0: the pointer moves once
        movlw   0x03
        movwf   0x40, ACCESS
        lfsr    0, 0x040
        movlw   0x55
        mulwf   POSTINC0, ACCESS        ; 5: 55 x 3 = 00FF
        GARDE   5
        movff   FSR0L, r+24
fin:    bra     $
        end
