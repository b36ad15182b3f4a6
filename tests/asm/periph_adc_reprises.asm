; A/D conversions whose settings change while they run: a new TAD during the
; acquisition and during the conversion, a shorter acquisition time written during
; the acquisition, the same ADCON2 written again, a channel change, and a conversion
; abandoned by clearing GO/DONE. Each conversion is timed by a 4-cycle polling loop
; whose rounds are stored from 0x100 on, followed by PIR1.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

c1      equ     0x00
tours   equ     0x01

        #include "attente.inc"

; GO/DONE polled until the end; the rounds and PIR1 stored
FIN     macro
        local   a
        clrf    tours, ACCESS
a:      incf    tours, F, ACCESS
        btfsc   ADCON0, GO, ACCESS
        bra     a
        movff   tours, POSTINC2
        movff   PIR1, POSTINC2
        bcf     PIR1, ADIF, ACCESS
        endm

DEPART  macro   adcon2
        movlw   adcon2
        movwf   ADCON2, ACCESS
        bsf     ADCON0, GO, ACCESS
        endm

        org     0
        lfsr    2, 0x100
        movlw   0x0E
        movwf   ADCON1, ACCESS          ; AN0 analog
        movlw   0x01
        movwf   ADCON0, ACCESS          ; on, AN0

        DEPART  0x96                    ; 4 TAD of 64 ticks, reference
        FIN
        DEPART  0x96                    ; TAD 64 -> 8 ticks in the first TAD
        nop
        movlw   0x91
        movwf   ADCON2, ACCESS
        FIN
        DEPART  0x96                    ; TAD 64 -> 8 ticks in the third TAD
        ATTENTE 10
        movlw   0x91
        movwf   ADCON2, ACCESS
        FIN
        DEPART  0x96                    ; TAD 64 -> 16 ticks during the conversion
        ATTENTE 40
        movlw   0x95
        movwf   ADCON2, ACCESS
        FIN
        DEPART  0x91                    ; TAD 8 -> 64 ticks during the conversion
        ATTENTE 6
        movlw   0x96
        movwf   ADCON2, ACCESS
        FIN
        DEPART  0xBE                    ; 20 TAD acquisition cut to 2 after 5 TAD
        ATTENTE 27
        movlw   0x8E
        movwf   ADCON2, ACCESS
        FIN
        DEPART  0x8E                    ; 2 TAD acquisition made 20 during the first
        nop
        movlw   0xBE
        movwf   ADCON2, ACCESS
        FIN
        DEPART  0x96                    ; the same ADCON2 written again, twice
        ATTENTE 7
        movlw   0x96
        movwf   ADCON2, ACCESS
        ATTENTE 50
        movwf   ADCON2, ACCESS
        FIN
        DEPART  0x96                    ; channel change during the acquisition
        ATTENTE 5
        movlw   0x05
        movwf   ADCON0, ACCESS          ; AN1, GO cleared: abandoned
        movff   ADCON0, POSTINC2
        movff   PIR1, POSTINC2
        bsf     ADCON0, GO, ACCESS
        ATTENTE 5
        movlw   0x03                    ; AN0 again with GO kept: goes on
        movwf   ADCON0, ACCESS
        FIN
        DEPART  0x96                    ; abandoned during the conversion
        ATTENTE 30
        bcf     ADCON0, GO, ACCESS
        ATTENTE 100
        movff   ADCON0, POSTINC2
        movff   PIR1, POSTINC2
        DEPART  0x82                    ; no acquisition time, TAD 32 ticks
        FIN
        bra     $
        end
