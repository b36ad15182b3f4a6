; The LCD started by the book (40 ms, then 3, 3, 3, 2), then a clear display, then a
; nibble 100 us later: the clear takes 1.52 ms.
        #include "diag.inc"
        goto    debut
        org     0x3E
avant:  bsf     LATD, LCD_E, ACCESS
faute:  bcf     LATD, LCD_E, ACCESS
        bra     $
debut:  clrf    LATD, ACCESS
        clrf    TRISD, ACCESS
        movlw   .200
        rcall   tempo
        rcall   lcd_init
        movlw   0x01
        rcall   lcd_cmd
        bra     avant
        #include "lcd_routines.inc"
        end
