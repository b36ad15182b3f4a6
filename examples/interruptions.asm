; The board's work done from interrupts (the silicon mode: tavrex --silicon).
;
; Priority mode (IPEN = 1):
;   - high priority, Timer2 every 5 ms (prescaler 16, PR2 = 249, postscaler 15): a
;     software clock in tenths of a second, the LED on RA6 blinking at 1 Hz, and an
;     A/D conversion of AN0 started at every tick; the fast register stack saves
;     W, STATUS and BSR, RETFIE FAST restores them;
;   - low priority, the A/D converter's end of conversion (ADIF): the result kept for
;     the main loop; and the change of RB4 or RB5 (RBIF): BP2 sets the clock back to
;     zero, BP3 stops or starts it. The low routine saves W, STATUS and BSR itself,
;     since a high-priority interrupt may come in the middle of it.
; The main loop only writes the LCD, every 100 ms, when the clock routine asks:
;   line 0 "Temps   0012.3 s", line 1 "AN0 = 3.30 V".
; Without interrupts (the board's default mode) nothing vectors: the clock stays at
; zero and the voltage is never measured.
; LCD wiring: E = RD0, RS = RD1, RW = RD2, D4..D7 = RD4..RD7.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

LCD_E   equ     0
LCD_RS  equ     1
LCD_RW  equ     2
BP2     equ     4               ; RB4, 0 when pressed
BP3     equ     5               ; RB5
LED     equ     6               ; RA6

; Variables (access RAM). The main loop's.
cpt_a   equ     0x00            ; delay counters
cpt_b   equ     0x01
octet   equ     0x02            ; byte being sent to the LCD
tmp     equ     0x03
mes_h   equ     0x04            ; a copy of the last conversion, 0..1023
mes_l   equ     0x05
cv_h    equ     0x06            ; the same in hundredths of a volt, 0..500
cv_l    equ     0x07
prod    equ     0x08            ; 24-bit product mes x 125: prod, prod+1, prod+2
centaines equ   0x0B            ; the three digits of cv
dizaines equ    0x0C
unites  equ     0x0D
; The interrupts'.
ticks   equ     0x20            ; 5 ms ticks of the current tenth, 0..19
demi    equ     0x21            ; tenths of the current half second, 0..4
chiffres equ    0x22            ; the clock: thousands, hundreds, tens, units of
                                ; seconds, tenths (5 bytes, 0x22..0x26)
rafraichir equ  0x27            ; bit 0: the LCD is to be written again
marche  equ     0x28            ; bit 0: the clock runs
adc_h   equ     0x29            ; the last conversion, written by the low routine
adc_l   equ     0x2A
sauve_w equ     0x2B            ; the low routine's saved registers
sauve_s equ     0x2C
sauve_b equ     0x2D
conversions equ 0x2E            ; conversions ended, 8 bits
appuis  equ     0x2F            ; BP2 and BP3 presses seen, 8 bits

pointe  macro   chaine
        movlw   upper chaine
        movwf   TBLPTRU, ACCESS
        movlw   high chaine
        movwf   TBLPTRH, ACCESS
        movlw   low chaine
        movwf   TBLPTRL, ACCESS
        endm

        org     0
        goto    debut

; --- High priority: Timer2, every 5 ms ------------------------------------------------
        org     0x08
        bra     haute           ; the high routine lies past the low one's vector
; --- Low priority: the converter and the buttons ------------------------------------------
        org     0x18
basse:
        movwf   sauve_w, ACCESS
        movff   STATUS, sauve_s
        movff   BSR, sauve_b
        btfss   PIR1, ADIF, ACCESS
        bra     basse_boutons
        bcf     PIR1, ADIF, ACCESS
        movff   ADRESH, adc_h
        movff   ADRESL, adc_l
        incf    conversions, F, ACCESS
basse_boutons:
        btfss   INTCON, RBIF, ACCESS
        bra     basse_fin
        movf    PORTB, W, ACCESS        ; the read ends the change, then the flag clears
        bcf     INTCON, RBIF, ACCESS
        movwf   tmp, ACCESS
        btfsc   tmp, BP2, ACCESS
        bra     basse_bp3
        incf    appuis, F, ACCESS       ; BP2: the clock back to zero
        clrf    ticks, ACCESS
        clrf    demi, ACCESS
        clrf    chiffres, ACCESS
        clrf    chiffres+1, ACCESS
        clrf    chiffres+2, ACCESS
        clrf    chiffres+3, ACCESS
        clrf    chiffres+4, ACCESS
        bsf     rafraichir, 0, ACCESS
basse_bp3:
        btfsc   tmp, BP3, ACCESS
        bra     basse_fin
        incf    appuis, F, ACCESS       ; BP3: the clock stopped or started
        btg     marche, 0, ACCESS
basse_fin:
        movff   sauve_b, BSR
        movf    sauve_w, W, ACCESS
        movff   sauve_s, STATUS
        retfie

; --- High priority: Timer2, every 5 ms ------------------------------------------------
haute:
        bcf     PIR1, TMR2IF, ACCESS
        bsf     ADCON0, GO, ACCESS      ; a conversion of AN0, ended by a low interrupt
        btfss   marche, 0, ACCESS
        retfie  FAST
        incf    ticks, F, ACCESS
        movlw   .20
        cpfseq  ticks, ACCESS
        retfie  FAST
        ; A tenth of a second: the clock's digits counted up, in decimal.
        clrf    ticks, ACCESS
        bsf     rafraichir, 0, ACCESS
        incf    demi, F, ACCESS
        movlw   .5
        cpfslt  demi, ACCESS
        rcall   bascule_led
        lfsr    0, chiffres+4           ; from the tenths up
haute_chiffre:
        incf    INDF0, F, ACCESS
        movlw   .10
        cpfseq  INDF0, ACCESS
        retfie  FAST
        clrf    POSTDEC0, ACCESS
        movlw   low chiffres
        cpfslt  FSR0L, ACCESS
        bra     haute_chiffre
        retfie  FAST                    ; 9999.9 s: the clock starts again at 0

bascule_led:
        clrf    demi, ACCESS
        btg     LATA, LED, ACCESS
        return

; --- Start -------------------------------------------------------------------------------
debut:
        movlw   0x0E
        movwf   ADCON1, ACCESS  ; only AN0 analog: RB3..RB5 are digital inputs
        clrf    LATA, ACCESS
        bcf     TRISA, LED, ACCESS
        clrf    LATD, ACCESS
        clrf    TRISD, ACCESS
        lfsr    0, 0x20         ; the interrupts' variables cleared
debut_raz:
        clrf    POSTINC0, ACCESS
        movlw   0x30
        cpfseq  FSR0L, ACCESS
        bra     debut_raz
        bsf     marche, 0, ACCESS
        bsf     rafraichir, 0, ACCESS
        clrf    mes_h, ACCESS
        clrf    mes_l, ACCESS

        ; A/D converter: AN0, right justified, 8 TAD acquisition, TAD = Fosc/64
        movlw   0xA6
        movwf   ADCON2, ACCESS
        movlw   0x01
        movwf   ADCON0, ACCESS

        rcall   lcd_init
        movlw   0x80
        rcall   lcd_cmd
        pointe  titre
        rcall   lcd_texte

        ; Timer2: 16 x 250 x 15 cycles = 5 ms; postscaler 15, prescaler 16
        movlw   .249
        movwf   PR2, ACCESS
        movlw   0x76            ; postscaler 1:15, on, prescaler 16
        movwf   T2CON, ACCESS

        ; Interrupts: Timer2 high, converter and RB change low
        bsf     RCON, IPEN, ACCESS
        bsf     IPR1, TMR2IP, ACCESS
        bcf     IPR1, ADIP, ACCESS
        bcf     INTCON2, RBIP, ACCESS
        movf    PORTB, W, ACCESS        ; the change latch set from the pins as they are
        bcf     INTCON, RBIF, ACCESS
        bcf     PIR1, TMR2IF, ACCESS
        bcf     PIR1, ADIF, ACCESS
        bsf     PIE1, TMR2IE, ACCESS
        bsf     PIE1, ADIE, ACCESS
        bsf     INTCON, RBIE, ACCESS
        bsf     INTCON, GIEL, ACCESS
        bsf     INTCON, GIEH, ACCESS

; --- Main loop: the LCD written again when the clock asks -------------------------------------
boucle:
        btfss   rafraichir, 0, ACCESS
        bra     boucle
        bcf     rafraichir, 0, ACCESS
        ; The conversion's two bytes read together: the low routine held off.
        bcf     INTCON, GIEL, ACCESS
        movff   adc_h, mes_h
        movff   adc_l, mes_l
        bsf     INTCON, GIEL, ACCESS
        rcall   affiche_temps
        rcall   en_volts
        rcall   affiche_volts
        bra     boucle

; Line 0, from address 8: "0012.3 s" (the digits may change meanwhile: the next
; refresh writes them again).
affiche_temps:
        movlw   0x88
        rcall   lcd_cmd
        movf    chiffres, W, ACCESS
        rcall   chiffre
        movf    chiffres+1, W, ACCESS
        rcall   chiffre
        movf    chiffres+2, W, ACCESS
        rcall   chiffre
        movf    chiffres+3, W, ACCESS
        rcall   chiffre
        movlw   '.'
        rcall   lcd_data
        movf    chiffres+4, W, ACCESS
        rcall   chiffre
        movlw   ' '
        rcall   lcd_data
        movlw   's'
        bra     lcd_data
chiffre:
        addlw   '0'
        bra     lcd_data

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
affiche_volts:
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
titre:  db      "Temps   ", 0
libelle: db     "AN0 = ", 0

        end
