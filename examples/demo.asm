; A first program for the board's PIC18F4550, run headless by ./run.sh.
;
; It sets PWM1 (pin RC2) to a 3 kHz square wave at 50 %, then counts in packed BCD
; once per Timer0 overflow (Timer0 in 16-bit mode at 1:8: one overflow every
; 8 x 65,536 instruction cycles, about 44 ms) and keeps a table of the first
; squares, read back from program memory. Results are left in RAM:
;   0x20, 0x21   BCD counter (low, high): the number of Timer0 overflows so far
;   0x30..0x3F   squares 0..15 read with TBLRD*+ (low bytes)
;   0x40         number of main-loop turns (wraps at 256)
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

bcd_lo  equ     0x20
bcd_hi  equ     0x21
carres  equ     0x30
tours   equ     0x40

        org     0
        ; PWM1: period (PR2 + 1) x 4 x 16 = 16,000 ticks, duty 500 x 16 = 8,000 ticks.
        bcf     TRISC, 2, ACCESS
        movlw   .249
        movwf   PR2, ACCESS
        movlw   .125
        movwf   CCPR1L, ACCESS
        movlw   0x0C
        movwf   CCP1CON, ACCESS
        movlw   0x06
        movwf   T2CON, ACCESS           ; Timer2 on, prescaler 16

        ; Squares table into RAM through the table pointer.
        movlw   upper table
        movwf   TBLPTRU, ACCESS
        movlw   high table
        movwf   TBLPTRH, ACCESS
        movlw   low table
        movwf   TBLPTRL, ACCESS
        lfsr    0, carres
        movlw   .16
        movwf   tours, ACCESS
copie:  tblrd*+
        movff   TABLAT, POSTINC0
        decfsz  tours, F, ACCESS
        bra     copie

        clrf    bcd_lo, ACCESS
        clrf    bcd_hi, ACCESS
        movlw   0x82
        movwf   T0CON, ACCESS           ; Timer0 on, 16-bit, internal clock, 1:8

boucle: incf    tours, F, ACCESS
        btfss   INTCON, TMR0IF, ACCESS
        bra     boucle
        bcf     INTCON, TMR0IF, ACCESS
        movf    bcd_lo, W, ACCESS       ; bcd_lo + 1 in decimal
        addlw   1
        daw
        movwf   bcd_lo, ACCESS
        movlw   0
        addwfc  bcd_hi, W, ACCESS       ; carry into the hundreds
        daw
        movwf   bcd_hi, ACCESS
        bra     boucle

table:  db      0, 1, 4, 9, .16, .25, .36, .49, .64, .81, .100, .121, .144, .169, .196, .225
        end
