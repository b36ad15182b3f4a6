; Sends the first initialisation nibble 5 ms after power-on, too early for the LCD,
; then the whole sequence again from 25 ms, and writes "OK".
;   0x20   1 once the early nibble is sent, 2 once "OK" is written
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
        movlw   0x30            ; too early: ignored
        rcall   lcd_nibble
        incf    etape, F, ACCESS
        rcall   lcd_init        ; 20 ms more, then the right sequence
        movlw   'O'
        rcall   lcd_data
        movlw   'K'
        rcall   lcd_data
        incf    etape, F, ACCESS
        bra     $

        #include "lcd_routines.inc"
        end
