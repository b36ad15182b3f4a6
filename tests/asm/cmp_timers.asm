; Peer check of Timer0 and Timer2 timing against gpsim: the program starts a timer,
; waits a known number of instruction cycles (delay loops of DECFSZ and BRA only)
; and samples the counter. The samples fall mid-way between two counts, so that
; the first count's exact phase after a write (which differs between the two
; simulators by up to two cycles) does not matter.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

c1      equ     0x00
c2      equ     0x01
k       equ     0x02

; exactly n cycles (n >= 4, n <= 766)
DELAI   macro   n
        local   boucle
        movlw   (n - 1) / 3
        movwf   c1, ACCESS
boucle: decfsz  c1, F, ACCESS
        bra     boucle
        if ((n - 1) % 3) >= 1
        nop
        endif
        if ((n - 1) % 3) == 2
        nop
        endif
        endm

; 8 samples of register REG into POSTINC2, the first `premier` cycles after the
; start, then every `pas` cycles
ECHANT  macro   reg, premier, pas
        DELAI   premier
        movf    reg, W, ACCESS
        movwf   POSTINC2, ACCESS
        movlw   7
        movwf   k, ACCESS
        call    attente#v(pas)
        movf    reg, W, ACCESS
        movwf   POSTINC2, ACCESS
        decfsz  k, F, ACCESS
        bra     $-10
        endm

        org     0
        lfsr    2, 0                    ; gpsim takes a first LFSR per FSR to settle
        lfsr    2, 0x100

        ; Timer0, 8 bits, internal clock, 1:16
        movlw   0xC3
        movwf   T0CON, ACCESS
        clrf    TMR0L, ACCESS
        ECHANT  TMR0L, 24, 48
        ; Timer0, 8 bits, 1:256
        movlw   0xC7
        movwf   T0CON, ACCESS
        clrf    TMR0L, ACCESS
        ECHANT  TMR0L, 384, 512
        ; Timer0, 16 bits, 1:8, from 0x12F0: TMR0H follows the TMR0L reads
        movlw   0x82
        movwf   T0CON, ACCESS
        movlw   0x12
        movwf   TMR0H, ACCESS
        movlw   0xF0
        movwf   TMR0L, ACCESS
        lfsr    2, 0x140
        movlw   8
        movwf   k, ACCESS
        nop
t16:    call    attente104
        movf    TMR0L, W, ACCESS
        movwf   POSTINC2, ACCESS
        movff   TMR0H, POSTINC2
        decfsz  k, F, ACCESS
        bra     t16
        ; Timer0 overflow flag, 8 bits, 1:16, from 0xF0: 256 cycles to the overflow
        clrf    TMR0H, ACCESS
        movlw   0xF0
        movwf   TMR0L, ACCESS
        movlw   0xC3
        movwf   T0CON, ACCESS
        bcf     INTCON, TMR0IF, ACCESS
        DELAI   199                     ; 12.5 counts
        movff   INTCON, 0x160
        DELAI   94                      ; 18.5 counts
        movff   INTCON, 0x161
        movff   TMR0L, 0x162
        bcf     T0CON, TMR0ON, ACCESS   ; stopped: the count stays
        DELAI   100
        movff   TMR0L, 0x163

        ; Timer2, 1:16, PR2 = 99: one count per 16 cycles, period 100 counts
        lfsr    2, 0x180
        movlw   99
        movwf   PR2, ACCESS
        clrf    TMR2, ACCESS
        movlw   0x06
        movwf   T2CON, ACCESS
        ECHANT  TMR2, 200, 400
        ; Timer2, 1:4, PR2 = 9, postscaler 1:4: TMR2IF every 160 cycles
        bcf     T2CON, TMR2ON, ACCESS
        movlw   9
        movwf   PR2, ACCESS
        clrf    TMR2, ACCESS
        bcf     PIR1, TMR2IF, ACCESS
        movlw   0x1D
        movwf   T2CON, ACCESS
        ECHANT  TMR2, 22, 44
        movff   PIR1, 0x1A0             ; after 22 + 7 x 44 cycles: set
        bcf     PIR1, TMR2IF, ACCESS
        DELAI   60
        movff   PIR1, 0x1A1             ; not yet
        DELAI   120
        movff   PIR1, 0x1A2             ; set again
fin:    bra     $

; CALL + body + RETURN, with the 5 cycles of the sampling loop around them (MOVF,
; MOVWF, DECFSZ, BRA), take the number of cycles in the name
attente48:
        DELAI   39
        return
attente512:
        DELAI   503
        return
attente400:
        DELAI   391
        return
attente44:
        DELAI   35
        return
attente104:                             ; around it: MOVF, MOVWF, MOVFF, DECFSZ, BRA
        DELAI   93
        return
        end
