; One instance of each timing class, run one instruction at a time by the test:
; two-cycle instructions, taken and untaken branches, a skip over a two-word
; instruction, calls and returns.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

        org     0
        nop
        movff   0x20, 0x21
        lfsr    0, 0x123
        tblrd*+
        movlw   0                       ; Z stays clear
        bz      plusloin                ; not taken
        bnz     ici                     ; taken
        nop                             ; flushed
ici:    bsf     0x20, 0, ACCESS
        btfss   0x20, 0, ACCESS         ; skips both words of the GOTO
        goto    plusloin
        call    sous
        rcall   constante
        push
        pop
        daw
        mulwf   0x20, ACCESS
        bra     fin
plusloin:
        nop
sous:   return
constante:
        retlw   1
fin:    bra     $
        end
