; A student's blinker: the LED on RA6 toggled by Timer0's interrupt, a title on the
; LCD. On the board the interrupt never comes, and the diagnostics say so (and that
; the LCD routines' 20 ms are short of a real module's power-on time).
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

        org     0
        goto    debut
        org     0x08            ; the interrupt routine
        btg     LATA, 6, ACCESS
        bcf     INTCON, TMR0IF, ACCESS
        retfie  FAST

debut:  clrf    LATA, ACCESS
        bcf     TRISA, 6, ACCESS
        clrf    LATD, ACCESS
        clrf    TRISD, ACCESS
        rcall   lcd_init
        movlw   upper titre
        movwf   TBLPTRU, ACCESS
        movlw   high titre
        movwf   TBLPTRH, ACCESS
        movlw   low titre
        movwf   TBLPTRL, ACCESS
texte:  tblrd*+
        movf    TABLAT, W, ACCESS
        bz      fin_texte
        rcall   lcd_data
        bra     texte
fin_texte:
        movlw   0x87            ; Timer0 on, 16 bits, 1:256: 0.35 s a period
        movwf   T0CON, ACCESS
        bsf     INTCON, TMR0IE, ACCESS
        bsf     INTCON, GIE, ACCESS
        bra     $

titre:  db      "LED par Timer0", 0
        #include "lcd_routines.inc"
        end
