; Keeps in RAM how long each button has been held and what the potentiometer said,
; turn by turn: a press or a knob's move one turn early or late changes the totals.
;   0x20..0x21   turns with BP1 (RB3) held, 16 bits, low byte first
;   0x22..0x23   the same for BP2 (RB4)
;   0x24..0x25   the same for BP3 (RB5)
;   0x26..0x28   sum of ADRESH over the conversions of AN0, 24 bits
;   0x29..0x2a   turns, 16 bits
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

        org     0
        movlw   0x0E
        movwf   ADCON1, ACCESS  ; AN0 analog, the buttons' pins digital
        movlw   0x16
        movwf   ADCON2, ACCESS  ; left justified, 4 TAD acquisition, TAD = 64 ticks
        movlw   0x01
        movwf   ADCON0, ACCESS  ; on, AN0
        lfsr    0, 0x20
efface: clrf    POSTINC0, ACCESS
        movlw   0x2b
        cpfseq  FSR0L, ACCESS
        bra     efface
        bsf     ADCON0, GO, ACCESS
boucle: btfsc   PORTB, 3, ACCESS ; held: the pin is low
        bra     bp2
        infsnz  0x20, F, ACCESS
        incf    0x21, F, ACCESS
bp2:    btfsc   PORTB, 4, ACCESS
        bra     bp3
        infsnz  0x22, F, ACCESS
        incf    0x23, F, ACCESS
bp3:    btfsc   PORTB, 5, ACCESS
        bra     adc
        infsnz  0x24, F, ACCESS
        incf    0x25, F, ACCESS
adc:    btfsc   ADCON0, GO, ACCESS
        bra     tour
        movf    ADRESH, W, ACCESS
        addwf   0x26, F, ACCESS
        movlw   0
        addwfc  0x27, F, ACCESS
        addwfc  0x28, F, ACCESS
        bsf     ADCON0, GO, ACCESS
tour:   infsnz  0x29, F, ACCESS
        incf    0x2a, F, ACCESS
        bra     boucle
        end
