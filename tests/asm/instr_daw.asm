; DAW after packed-BCD additions: the low digit is corrected (+6) when DC is set or
; it is above 9, and its carry goes into the high digit; the high digit is corrected
; when it is then above 9 or C is set, which sets C. DC is always cleared, Z, OV
; and N are left alone. Each case stores W and STATUS at r+2i.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

r       equ     0x100

ADDBCD  macro   x, y, i                 ; W = x + y, DAW, store
        movlw   x
        addlw   y
        daw
        movff   WREG, r+2*i
        movff   STATUS, r+2*i+1
        endm

        org     0
        ADDBCD  0x19, 0x09, 0           ; 22 with DC
        ADDBCD  0x45, 0x55, 1           ; 9A: low digit only
        ADDBCD  0x98, 0x08, 2           ; A0 with DC
        ADDBCD  0x50, 0x60, 3           ; B0: high digit only
        ADDBCD  0x99, 0x99, 4           ; 32 with C and DC
        ADDBCD  0x01, 0x02, 5           ; nothing to adjust
        ADDBCD  0x08, 0x08, 6           ; 10 with DC
        movlw   0x1E                    ; 7: Z, OV, N survive, DC is cleared
        movwf   STATUS, ACCESS
        movlw   0x12
        daw
        movff   WREG, r+14
        movff   STATUS, r+15
        ADDBCD  0x05, 0x05, 8           ; 0A: low digit only
fin:    bra     $
        end
