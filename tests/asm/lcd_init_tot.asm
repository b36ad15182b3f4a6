; The right initialisation sequence started too early: 3 at 5 ms, 3 at 10 ms, 3 and
; 2 at 10.2 ms, then the settings and "OK". The first 3 is ignored and nothing
; follows it that the LCD can take: it never leaves its initialisation.
;   0x20   1 once "OK" is written
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

etape   equ     0x20

        org     0
        clrf    LATD, ACCESS
        clrf    TRISD, ACCESS
        clrf    etape, ACCESS
        movlw   .50
        rcall   tempo
        movlw   0x30
        rcall   lcd_nibble
        movlw   .50
        rcall   tempo
        rcall   lcd_init_suite
        movlw   'O'
        rcall   lcd_data
        movlw   'K'
        rcall   lcd_data
        incf    etape, F, ACCESS
        bra     $

        #include "lcd_routines.inc"
        end
