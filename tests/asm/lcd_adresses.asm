; Addressing of the LCD's data RAM, seen on its two lines:
;   line 0: 17 letters from address 0 (the 17th goes to 0x10, not shown); 0x7F then
;   two letters (the second wraps to 0x00); cursor right, cursor left twice, a
;   display shift (no effect); a byte whose two nibbles have different RS (dropped:
;   had it been taken it would clear the screen or show a character); return home.
;   Expected line 0: "awvuEFGHIJKLMNOP".
;   line 1: 41 characters from 0x40, codes '0' upwards: the 17th to the 41st (0x50
;   to 0x68) are not shown, and the address counter ends at 0x69.
;   Expected line 1: "0123456789:;<=>?".
;   0x22   1 at the end
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

car     equ     0x20
nombre  equ     0x21
fini    equ     0x22

        org     0
        clrf    LATD, ACCESS
        clrf    TRISD, ACCESS
        clrf    fini, ACCESS
        rcall   lcd_init

        movlw   0x80            ; line 0, 17 letters from 'A'
        rcall   lcd_cmd
        movlw   'A'
        movwf   car, ACCESS
        movlw   .17
        rcall   suite
        movlw   0xFF            ; address 0x7F
        rcall   lcd_cmd
        movlw   'Z'             ; at 0x7F
        rcall   lcd_data
        movlw   'Y'             ; at 0x00
        rcall   lcd_data
        movlw   0x14            ; cursor right: 1 -> 2
        rcall   lcd_cmd
        movlw   'x'             ; at 0x02
        rcall   lcd_data
        movlw   0x10            ; cursor left twice: 3 -> 1
        rcall   lcd_cmd
        movlw   0x10
        rcall   lcd_cmd
        movlw   'w'             ; at 0x01
        rcall   lcd_data
        movlw   0x18            ; display shift: not modelled, no effect
        rcall   lcd_cmd
        movlw   'v'             ; at 0x02
        rcall   lcd_data
        bsf     LATD, LCD_RS, ACCESS ; 0x01 sent with RS 1 then RS 0: dropped
        movlw   0x00
        rcall   lcd_nibble
        bcf     LATD, LCD_RS, ACCESS
        movlw   0x10
        rcall   lcd_nibble
        movlw   .20
        rcall   tempo
        movlw   'u'             ; at 0x03
        rcall   lcd_data
        movlw   0x02            ; return home
        rcall   lcd_cmd
        movlw   .20
        rcall   tempo
        movlw   'a'             ; at 0x00
        rcall   lcd_data

        movlw   0xC0            ; line 1, 41 characters from '0'
        rcall   lcd_cmd
        movlw   '0'
        movwf   car, ACCESS
        movlw   .41
        rcall   suite
        incf    fini, F, ACCESS
        bra     $

; Writes W characters, codes car, car + 1, ...
suite:
        movwf   nombre, ACCESS
suite_b:
        movf    car, W, ACCESS
        rcall   lcd_data
        incf    car, F, ACCESS
        decfsz  nombre, F, ACCESS
        bra     suite_b
        return

        #include "lcd_routines.inc"
        end
