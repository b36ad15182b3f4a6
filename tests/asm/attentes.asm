; Wait loops of every kind a run may pass at once, between the peripherals' events:
; a bit set or cleared by an event, a register compared with W, counts down and up,
; closed by BRA or GOTO, and loops that must run turn by turn (a timer read on
; demand, a banked operand).
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

c1      equ     0x20
c2      equ     0x21
tours   equ     0x22
n       equ     0x23

        org     0
        movlw   0x0E
        movwf   ADCON1, ACCESS  ; AN0 analog
        movlw   0x96
        movwf   ADCON2, ACCESS  ; 4 TAD acquisition, TAD = 64 ticks
        movlw   0x01
        movwf   ADCON0, ACCESS  ; on, AN0
        movlw   0xC1
        movwf   T0CON, ACCESS   ; Timer0 on, 8 bits, 1:4
        movlw   .99
        movwf   PR2, ACCESS
        movlw   0x05
        movwf   T2CON, ACCESS   ; Timer2 on, 1:4
        movlw   .6
        movwf   n, ACCESS
boucle: bsf     ADCON0, GO, ACCESS
conv:   btfsc   ADCON0, GO, ACCESS      ; cleared by the conversion's end
        bra     conv
        bcf     INTCON, TMR0IF, ACCESS
deb0:   btfss   INTCON, TMR0IF, ACCESS  ; set by Timer0's overflow
        bra     deb0
        bcf     PIR1, TMR2IF, ACCESS
deb2:   btfss   PIR1, TMR2IF, ACCESS    ; set by Timer2's match
        bra     deb2
        bcf     PIR1, TMR2IF, ACCESS
deb2g:  btfss   PIR1, TMR2IF, ACCESS    ; the same with a GOTO
        goto    deb2g
lent:   btfss   TMR0L, 5, ACCESS        ; counted on demand: turn by turn
        bra     lent
        bsf     ADCON0, GO, ACCESS
        movlw   0x01
egal:   cpfseq  ADCON0, ACCESS          ; ADCON0 back to ADON alone
        bra     egal
        movlw   .200
        movwf   c1, ACCESS
bas:    decfsz  c1, F, ACCESS
        bra     bas
        movlw   0xF0
        movwf   c2, ACCESS
haut:   incfsz  c2, F, ACCESS
        bra     haut
        clrf    c1, ACCESS
tour:   decfsz  c1, F, ACCESS           ; from 0: 256 turns
        bra     tour
        movlb   0x0F
        bsf     ADCON0, GO, ACCESS
banque: btfsc   ADCON0, GO, BANKED      ; banked: turn by turn
        bra     banque
        incf    tours, F, ACCESS
        decfsz  n, F, ACCESS
        bra     boucle
        goto    $                       ; the timers still run
        end
