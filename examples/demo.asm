; The board's demo program: LCD, potentiometer, button BP1, LED and PWM1.
;
; After power-on it initialises the 2 x 16 LCD (HD44780 in 4-bit mode on port D),
; writes a greeting on line 0, then loops for ever:
;   - the LED on RA6 is lit while BP1 (RB3, active low) is pressed;
;   - the potentiometer on AN0 is converted (10 bits, 0 to 5 V);
;   - its voltage is shown on line 1 with two decimals, e.g. "AN0 = 3.30 V";
;   - the PWM1 duty on RC2 follows it (10 bits, 2.93 kHz, Timer2 period).
; LCD wiring: E = RD0, RS = RD1, RW = RD2, D4..D7 = RD4..RD7.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

; Port D lines of the LCD.
LCD_E   equ     0
LCD_RS  equ     1
LCD_RW  equ     2
; Board inputs and outputs.
BP1     equ     3               ; RB3, 0 when pressed
LED     equ     6               ; RA6

; Variables (access RAM).
cpt_a   equ     0x00            ; delay counters
cpt_b   equ     0x01
octet   equ     0x02            ; byte being sent to the LCD
tmp     equ     0x03
mes_h   equ     0x04            ; last conversion of AN0, 0..1023
mes_l   equ     0x05
cv_h    equ     0x06            ; the same in hundredths of a volt, 0..500
cv_l    equ     0x07
prod    equ     0x08            ; 24-bit product mes x 125: prod, prod+1, prod+2
centaines equ   0x0B            ; the three digits of cv
dizaines equ    0x0C
unites  equ     0x0D
tours   equ     0x10            ; main-loop turns, 16 bits
tours_h equ     0x11

; Points TBLPTR at a string of program memory.
pointe  macro   chaine
        movlw   upper chaine
        movwf   TBLPTRU, ACCESS
        movlw   high chaine
        movwf   TBLPTRH, ACCESS
        movlw   low chaine
        movwf   TBLPTRL, ACCESS
        endm

        org     0
debut:
        ; --- Ports --------------------------------------------------------------
        movlw   0x0E
        movwf   ADCON1, ACCESS  ; only AN0 analog: RB3..RB5 are digital inputs
        clrf    LATA, ACCESS
        bcf     TRISA, LED, ACCESS ; RA6 output, LED off
        clrf    LATD, ACCESS
        clrf    TRISD, ACCESS   ; port D: LCD lines, all outputs
        clrf    tours, ACCESS
        clrf    tours_h, ACCESS

        ; --- A/D converter: AN0, right justified ----------------------------------
        movlw   0xA6
        movwf   ADCON2, ACCESS  ; right justified, 8 TAD acquisition, TAD = Fosc/64
        movlw   0x01
        movwf   ADCON0, ACCESS  ; channel 0, converter on

        ; --- PWM1 on RC2: period 256 x 4 x 16 ticks = 341 us ----------------------
        movlw   .255
        movwf   PR2, ACCESS
        clrf    CCPR1L, ACCESS
        movlw   0x0C
        movwf   CCP1CON, ACCESS ; PWM mode
        bcf     TRISC, 2, ACCESS
        movlw   0x06
        movwf   T2CON, ACCESS   ; Timer2 on, prescaler 16

        ; --- LCD ------------------------------------------------------------------
        rcall   lcd_init
        movlw   0x80            ; DDRAM address 0x00: line 0
        rcall   lcd_cmd
        pointe  salut
        rcall   lcd_texte

        ; --- Main loop ------------------------------------------------------------
boucle:
        rcall   led_bp1
        rcall   mesure
        rcall   pwm_duty
        rcall   en_volts
        rcall   affiche
        infsnz  tours, F, ACCESS
        incf    tours_h, F, ACCESS
        bra     boucle

; LED on while BP1 is pressed.
led_bp1:
        btfss   PORTB, BP1, ACCESS
        bsf     LATA, LED, ACCESS
        btfsc   PORTB, BP1, ACCESS
        bcf     LATA, LED, ACCESS
        return

; One conversion of AN0 into mes_h:mes_l.
mesure:
        bsf     ADCON0, GO, ACCESS
mesure_att:
        btfsc   ADCON0, GO, ACCESS
        bra     mesure_att
        movff   ADRESH, mes_h
        movff   ADRESL, mes_l
        return

; PWM1 duty = the 10-bit conversion: CCPR1L gets its upper 8 bits, DC1B
; (CCP1CON bits 5:4) the lower 2.
pwm_duty:
        rrcf    mes_h, W, ACCESS ; mes_h:mes_l >> 1, into tmp:octet
        movwf   tmp, ACCESS
        rrcf    mes_l, W, ACCESS
        movwf   octet, ACCESS
        rrcf    tmp, F, ACCESS  ; >> 2
        rrcf    octet, W, ACCESS
        movwf   CCPR1L, ACCESS
        swapf   mes_l, W, ACCESS ; bits 1:0 to 5:4
        andlw   0x30
        iorlw   0x0C            ; stay in PWM mode
        movwf   CCP1CON, ACCESS
        return

; cv = round(mes x 500 / 1024) = (mes x 125 + 128) / 256, in hundredths of a volt.
en_volts:
        movf    mes_l, W, ACCESS
        mullw   .125            ; low byte x 125
        movff   PRODL, prod
        movff   PRODH, prod+1
        clrf    prod+2, ACCESS
        movf    mes_h, W, ACCESS
        mullw   .125            ; high byte x 125, weight 256
        movf    PRODL, W, ACCESS
        addwf   prod+1, F, ACCESS
        movf    PRODH, W, ACCESS
        addwfc  prod+2, F, ACCESS
        movlw   .128            ; rounding: + 0.5 before dropping the low byte
        addwf   prod, F, ACCESS
        movlw   0
        addwfc  prod+1, F, ACCESS
        addwfc  prod+2, F, ACCESS
        movff   prod+1, cv_l
        movff   prod+2, cv_h
        ; Decimal digits: subtract 100 while possible, then 10.
        clrf    centaines, ACCESS
ev_cent:
        movlw   .100
        subwf   cv_l, W, ACCESS ; cv - 100, 16 bits
        movwf   tmp, ACCESS
        movlw   0
        subwfb  cv_h, W, ACCESS
        bnc     ev_dix          ; borrow: cv < 100
        movwf   cv_h, ACCESS
        movff   tmp, cv_l
        incf    centaines, F, ACCESS
        bra     ev_cent
ev_dix:
        clrf    dizaines, ACCESS
        movlw   .10
ev_dix_b:
        subwf   cv_l, F, ACCESS ; cv_l < 100 now: 8 bits are enough
        bnc     ev_unites
        incf    dizaines, F, ACCESS
        bra     ev_dix_b
ev_unites:
        addwf   cv_l, W, ACCESS ; undo the last subtraction
        movwf   unites, ACCESS
        return

; Line 1: "AN0 = d.dd V".
affiche:
        movlw   0xC0            ; DDRAM address 0x40: line 1
        rcall   lcd_cmd
        pointe  libelle
        rcall   lcd_texte
        movf    centaines, W, ACCESS
        addlw   '0'
        rcall   lcd_data
        movlw   '.'
        rcall   lcd_data
        movf    dizaines, W, ACCESS
        addlw   '0'
        rcall   lcd_data
        movf    unites, W, ACCESS
        addlw   '0'
        rcall   lcd_data
        movlw   ' '
        rcall   lcd_data
        movlw   'V'
        bra     lcd_data

; --- LCD routines ----------------------------------------------------------------

; Power-on initialisation of the module: three times the nibble 3 (8-bit interface)
; with the waits of the data sheet, then 2 (4-bit interface), then the settings.
lcd_init:
        movlw   .200            ; more than 40 ms after power-on: the data sheet's
        rcall   tempo           ; 15 ms count from 4.5 V, 40 ms from 2.7 V, and the
        movlw   .200            ; chip may start running before its supply reaches
        rcall   tempo           ; 4.5 V
        movlw   0x30
        rcall   lcd_nibble
        movlw   .50             ; more than 4.1 ms
        rcall   tempo
        movlw   0x30
        rcall   lcd_nibble
        movlw   .2              ; more than 100 us
        rcall   tempo
        movlw   0x30
        rcall   lcd_nibble
        movlw   .2
        rcall   tempo
        movlw   0x20            ; 4-bit interface from now on
        rcall   lcd_nibble
        movlw   .2
        rcall   tempo
        movlw   0x28            ; function set: 4 bits, 2 lines, 5 x 8 dots
        rcall   lcd_cmd
        movlw   0x0C            ; display on, no cursor, no blink
        rcall   lcd_cmd
        movlw   0x01            ; clear display
        rcall   lcd_cmd
        movlw   .20             ; clearing takes 1.52 ms
        rcall   tempo
        movlw   0x06            ; entry mode: address increments, no shift
        bra     lcd_cmd

; Writes the zero-terminated string at TBLPTR.
lcd_texte:
        tblrd*+
        movf    TABLAT, W, ACCESS
        bz      lcd_texte_fin
        rcall   lcd_data
        bra     lcd_texte
lcd_texte_fin:
        return

; Sends the instruction in W.
lcd_cmd:
        bcf     LATD, LCD_RS, ACCESS
        bra     lcd_octet
; Sends the character in W.
lcd_data:
        bsf     LATD, LCD_RS, ACCESS
; Sends W as two nibbles, high first, then leaves the module 100 us.
lcd_octet:
        movwf   octet, ACCESS
        rcall   lcd_nibble
        swapf   octet, W, ACCESS
        rcall   lcd_nibble
        movlw   .1
        bra     tempo

; Puts the high nibble of W on D7..D4 and pulses E; the module takes it on the
; falling edge. RS and RW stay as they are.
lcd_nibble:
        andlw   0xF0
        movwf   tmp, ACCESS
        movf    LATD, W, ACCESS
        andlw   0x0F
        iorwf   tmp, W, ACCESS
        movwf   LATD, ACCESS
        bsf     LATD, LCD_E, ACCESS
        nop                     ; E high for at least 450 ns
        nop
        nop
        nop
        nop
        nop
        bcf     LATD, LCD_E, ACCESS
        return

; Waits W x 100 us (W from 1 to 255): 200 turns of 6 cycles per unit, at 12
; million instruction cycles per second.
tempo:
        movwf   cpt_a, ACCESS
tempo_a:
        movlw   .200
        movwf   cpt_b, ACCESS
tempo_b:
        nop
        nop
        nop
        decfsz  cpt_b, F, ACCESS
        bra     tempo_b
        decfsz  cpt_a, F, ACCESS
        bra     tempo_a
        return

; --- Texts -------------------------------------------------------------------------
salut:  db      "Bonjour tavrex !", 0
libelle: db     "AN0 = ", 0

        end
