; Interrupt sources, enables and priorities, with flags set by the program so that
; the moment is exact. Each routine logs its vector and the return address's low
; byte; after each case the program logs the low byte of the instruction it expects
; to return to (the one after the instruction that raised the flag or enabled it),
; then a case marker. Log from 0x100 on (FSR1). Where nothing vectors (the default
; mode) only the expected bytes and markers are logged.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

rapide  equ     0x30            ; bit 0: the routine returns with RETFIE FAST

; raises the flag (bit `b` of `f`), then logs where the routine should return
leve    macro   f, b, retour
        bsf     f, b, ACCESS
retour: nop
        movlw   LOW retour
        movwf   POSTINC1
        endm
fin     macro   n
        movlw   0xE0 + n
        movwf   POSTINC1
        endm

        org     0
        goto    debut
        org     0x08            ; high priority (and the only vector with IPEN = 0)
        movlw   0x08
        bra     journal
        org     0x18            ; low priority
        movlw   0x18
journal:
        movwf   POSTINC1
        movff   TOSL, POSTINC1
        movlb   5               ; BSR, W and STATUS changed for RETFIE FAST to restore
        movf    PORTB, W        ; ends a PORTB mismatch before RBIF is cleared
        clrf    PIR1
        clrf    PIR2
        movlw   0xF8
        andwf   INTCON, F
        movlw   0xFC
        andwf   INTCON3, F
        btfsc   rapide, 0
        retfie  FAST
        retfie

debut:  lfsr    1, 0x100
        clrf    rapide
        ; 1. compatibility mode: each source behind GIE, its own enable
        bsf     INTCON, GIE
        bsf     INTCON, TMR0IE
        leve    INTCON, TMR0IF, r1
        bcf     INTCON, TMR0IE
        leve    INTCON, INT0IF, r2      ; INT0IE clear: nothing
        bcf     INTCON, INT0IF
        bsf     INTCON, INT0IE
        leve    INTCON, INT0IF, r3
        bcf     INTCON, INT0IE
        bsf     INTCON, RBIE
        leve    INTCON, RBIF, r4
        bcf     INTCON, RBIE
        fin     1
        ; 2. the peripherals also behind PEIE
        bsf     PIE1, TMR2IE
        leve    PIR1, TMR2IF, r7        ; PEIE clear: waits
        leve    INTCON, PEIE, r8        ; now
        bcf     PIE1, TMR2IE
        bsf     PIE1, ADIE
        leve    PIR1, ADIF, r9
        bcf     PIE1, ADIE
        bsf     PIE2, TMR3IE
        leve    PIR2, TMR3IF, r10
        bcf     PIE2, TMR3IE
        bcf     INTCON, PEIE
        fin     2
        ; 3. GIE cleared by the instruction that raises the flag: no vectoring
        movlw   (1 << TMR0IE) | (1 << TMR0IF)
        movwf   INTCON
        leve    INTCON, GIE, r11        ; until GIE is set again
        bcf     INTCON, TMR0IE
        fin     3
        ; 4. the flag raised by a skip that skips: back past the skipped word
        movlw   (1 << GIE) | (1 << TMR0IE) | (1 << RBIE)
        movwf   INTCON
        dcfsnz  INTCON, F               ; 0xA8 - 1 = 0xA7: TMR0IF set, RBIE clear
        nop
r12:    movlw   LOW r12
        movwf   POSTINC1
        ; 5. raised by a two-cycle MOVFF: back past it
        movlw   (1 << GIE) | (1 << TMR0IE) | (1 << TMR0IF)
        movwf   0x22
        clrf    INTCON
        bsf     INTCON, GIE
        movff   0x22, INTCON
r14:    movlw   LOW r14
        movwf   POSTINC1
        bcf     INTCON, TMR0IE
        fin     5
        ; 6. priority mode: INT0 high always, the others as their IP bits say
        bsf     RCON, IPEN
        movlw   (1 << GIEH) | (1 << GIEL)
        movwf   INTCON
        bcf     INTCON2, TMR0IP
        bsf     INTCON, TMR0IE
        leve    INTCON, TMR0IF, r15     ; low
        bsf     INTCON2, TMR0IP
        leve    INTCON, TMR0IF, r16     ; high
        bcf     INTCON, TMR0IE
        bsf     INTCON, INT0IE
        leve    INTCON, INT0IF, r17     ; high
        bcf     INTCON, INT0IE
        bcf     INTCON2, RBIP
        bsf     INTCON, RBIE
        leve    INTCON, RBIF, r19       ; low
        bcf     INTCON, RBIE
        bcf     IPR1, TMR2IP
        bsf     PIE1, TMR2IE
        bcf     INTCON, GIEL
        leve    PIR1, TMR2IF, r20       ; low, GIEL clear: waits
        leve    INTCON, GIEL, r21       ; now
        bcf     PIE1, TMR2IE
        bcf     INTCON, GIEL
        bsf     IPR1, ADIP
        bsf     PIE1, ADIE
        leve    PIR1, ADIF, r22         ; high, GIEL clear all the same
        bcf     PIE1, ADIE
        bsf     INTCON, GIEL
        fin     6
        ; 7. RETFIE FAST after a high and after a low vectoring: W, STATUS, BSR as
        ; they were when the routine began
        bsf     rapide, 0
        bsf     INTCON, TMR0IE
        movlb   2
        movlw   0x80
        addlw   0x80                    ; C, Z, OV set
        movlw   0x5A
        bsf     INTCON, TMR0IF
        movwf   POSTINC1
        movff   STATUS, POSTINC1
        movff   BSR, POSTINC1
        bcf     INTCON2, TMR0IP
        movlb   3
        movlw   0x7F
        addlw   1                       ; DC, OV, N set
        movlw   0xA5
        bsf     INTCON, TMR0IF
        movwf   POSTINC1
        movff   STATUS, POSTINC1
        movff   BSR, POSTINC1
        bcf     INTCON, TMR0IE
        fin     7
        bra     $
        end
