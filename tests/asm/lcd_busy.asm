; Reads from the LCD: four busy-flag reads (RS low, RW high, two nibbles each) right
; after a clear-display command, then one data read (RS high), then writes "OK" to
; show that the reads did not disturb the pairing of nibbles.
;   0x30..0x37   PORTD while E is high in each nibble of the busy-flag reads
;   0x38..0x39   PORTD in the two nibbles of the data read
;   0x3A         1 at the end
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

nombre  equ     0x20
fini    equ     0x3A

        org     0
        clrf    LATD, ACCESS
        clrf    TRISD, ACCESS
        clrf    fini, ACCESS
        rcall   lcd_init
        lfsr    0, 0x30
        movlw   0x01            ; clear display, then at once the busy flag
        rcall   lcd_cmd
        movlw   .4
        movwf   nombre, ACCESS
        bcf     LATD, LCD_RS, ACCESS
lecture_bf:
        rcall   lit_octet
        decfsz  nombre, F, ACCESS
        bra     lecture_bf
        bsf     LATD, LCD_RS, ACCESS ; data read
        rcall   lit_octet
        movlw   'O'
        rcall   lcd_data
        movlw   'K'
        rcall   lcd_data
        incf    fini, F, ACCESS
        bra     $

; One read of two nibbles with RS as it stands; PORTD while E is high goes to
; POSTINC0, twice.
lit_octet:
        movlw   0xF0
        iorwf   TRISD, F, ACCESS ; D4..D7 inputs
        bsf     LATD, LCD_RW, ACCESS
        bsf     LATD, LCD_E, ACCESS
        nop
        movff   PORTD, POSTINC0 ; high nibble: D7 is the busy flag
        bcf     LATD, LCD_E, ACCESS
        nop
        bsf     LATD, LCD_E, ACCESS
        nop
        movff   PORTD, POSTINC0
        bcf     LATD, LCD_E, ACCESS
        bcf     LATD, LCD_RW, ACCESS
        movlw   0x0F
        andwf   TRISD, F, ACCESS ; D4..D7 outputs again
        return

        #include "lcd_routines.inc"
        end
