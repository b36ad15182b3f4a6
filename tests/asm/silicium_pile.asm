; The stack's registers written: TOSL, then TOSU:TOSH:TOSL, change where a RETURN
; goes; STKPTR moved down reloads TOS from the entry below; its flags are kept as
; written. Results from 0x100 on.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF
        CONFIG  STVREN=ON

        org     0
        lfsr    0, 0x100
        ; 1. TOSL written inside a call: its RETURN goes to `ailleurs`
        rcall   sous
        movlw   0x01
        movwf   POSTINC0
        bra     deux
ailleurs:
        movlw   0x02
        movwf   POSTINC0
        ; 2. all three: the RETURN goes to 0x300, past a 256-byte boundary
deux:   rcall   sous2
        movlw   0x03
        movwf   POSTINC0
        ; 3. two PUSHes, then STKPTR = 1: TOS is the first one's
trois:  push
p1:     push
        movlw   1
        movwf   STKPTR
        movff   TOSL, POSTINC0
        movlw   LOW p1
        movwf   POSTINC0
        movff   STKPTR, POSTINC0
        clrf    STKPTR
        ; 4. STKFUL and STKUNF written
        movlw   0xC2
        movwf   STKPTR
        movff   STKPTR, POSTINC0
        movlw   0x01
        movwf   STKPTR
        movff   STKPTR, POSTINC0
        clrf    STKPTR
        bra     $

sous:   movlw   LOW ailleurs
        movwf   TOSL
        return
sous2:  clrf    TOSU
        movlw   HIGH quatre
        movwf   TOSH
        movlw   LOW quatre
        movwf   TOSL
        return

        org     0x300
quatre: movlw   0x04
        movwf   POSTINC0
        bra     trois
        end
