; Timer0 with the internal clock read at many instants: every prescaler in 8 and
; 16 bits, each series sampled at an interval that is not a multiple of the count
; period and started close to the overflow; then writes to TMR0L and T0CON while a
; count is under way. Each sample is TMR0L, then TMR0H (latched by the TMR0L read
; in 16-bit mode), then INTCON (TMR0IF is bit 2), stored from 0x100 on.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

c1      equ     0x00
k       equ     0x01

; one sample of the counter, 6 cycles
ECHANT  macro
        movf    TMR0L, W, ACCESS
        movwf   POSTINC2, ACCESS
        movff   TMR0H, POSTINC2
        movff   INTCON, POSTINC2
        endm

        #include "attente.inc"

; ten samples, 3 x d + 10 cycles apart, of T0CON = cfg (prescaled period pc cycles)
; started so that the overflow falls around the fifth sample
SERIE   macro   cfg, pc, d
        local   l, depart
        if (cfg & 0x40)
depart  set     256 - ((3 * d + 10) * 5) / pc
        else
depart  set     65536 - ((3 * d + 10) * 5) / pc
        endif
        movlw   high depart
        movwf   TMR0H, ACCESS
        movlw   cfg
        movwf   T0CON, ACCESS
        movlw   low depart
        movwf   TMR0L, ACCESS
        bcf     INTCON, TMR0IF, ACCESS
        movlw   10
        movwf   k, ACCESS
l:      ECHANT
        ATTENTE d
        decfsz  k, F, ACCESS
        bra     l
        endm

        org     0
        lfsr    2, 0x100
        SERIE   0x88, 1, 1
        SERIE   0x80, 2, 1
        SERIE   0x81, 4, 1
        SERIE   0x82, 8, 1
        SERIE   0x83, 16, 4
        SERIE   0x84, 32, 12
        SERIE   0x85, 64, 27
        SERIE   0x86, 128, 57
        SERIE   0x87, 256, 117
        SERIE   0xC8, 1, 1
        SERIE   0xC0, 2, 1
        SERIE   0xC1, 4, 1
        SERIE   0xC2, 8, 1
        SERIE   0xC3, 16, 4
        SERIE   0xC4, 32, 12
        SERIE   0xC5, 64, 27
        SERIE   0xC6, 128, 57
        SERIE   0xC7, 256, 117

        ; writes while counting, from 0x400
        lfsr    2, 0x400
        bcf     INTCON, TMR0IF, ACCESS
        clrf    TMR0H, ACCESS
        movlw   0x81                    ; 16 bits, 1:4
        movwf   T0CON, ACCESS
        clrf    TMR0L, ACCESS
        ATTENTE 5                       ; 16 cycles: 4 counts
        ECHANT
        movlw   0x82                    ; 1:8 from the middle of a count
        movwf   T0CON, ACCESS
        ATTENTE 4
        ECHANT
        ATTENTE 4
        ECHANT
        bsf     TMR0L, 7, ACCESS        ; read-modify-write of the running count
        ECHANT
        ATTENTE 10
        ECHANT
        movlw   0x12                    ; TMR0H then TMR0L while counting
        movwf   TMR0H, ACCESS
        movlw   0xFE
        movwf   TMR0L, ACCESS
        ECHANT
        movlw   0xC2                    ; 8 bits with 0x12xx: the next count overflows
        movwf   T0CON, ACCESS
        ECHANT
        ATTENTE 2
        ECHANT
        ATTENTE 2
        ECHANT
        bcf     T0CON, TMR0ON, ACCESS   ; stopped mid-count
        ATTENTE 20
        ECHANT
        bsf     T0CON, TMR0ON, ACCESS   ; on again: a whole period to the next count
        ATTENTE 1
        ECHANT
        ATTENTE 2
        ECHANT
        movlw   5                       ; T0CON rewritten faster than a count: frozen
        movwf   k, ACCESS
gele:   movlw   0xC2
        movwf   T0CON, ACCESS
        decfsz  k, F, ACCESS
        bra     gele
        ECHANT
        movlw   0xC8                    ; no prescaler, from 0xFD, sampled every cycle
        movwf   T0CON, ACCESS
        movlw   0xFD
        movwf   TMR0L, ACCESS
        bcf     INTCON, TMR0IF, ACCESS
        movff   TMR0L, POSTINC2
        movff   TMR0L, POSTINC2
        movff   INTCON, POSTINC2
        movff   TMR0L, POSTINC2
        movff   INTCON, POSTINC2
        movlw   0x88                    ; 16 bits from 0x12FF: the latch follows the carry
        movwf   T0CON, ACCESS
        movlw   0x12
        movwf   TMR0H, ACCESS
        movlw   0xFE
        movwf   TMR0L, ACCESS
        movf    TMR0L, W, ACCESS
        movff   TMR0H, POSTINC2
        movwf   POSTINC2, ACCESS
        movf    TMR0L, W, ACCESS
        movff   TMR0H, POSTINC2
        movwf   POSTINC2, ACCESS
        bra     $
        end
