; One conversion of AN0 started and waited for by polling GO/DONE.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

tours   equ     0x30
resh    equ     0x31
resl    equ     0x32

        org     0
        movlw   0x0E
        movwf   ADCON1, ACCESS  ; AN0 analog
        movlw   0x96
        movwf   ADCON2, ACCESS  ; right justified, 4 TAD acquisition, TAD = 64 ticks
        movlw   0x01
        movwf   ADCON0, ACCESS  ; on, AN0
        bsf     ADCON0, GO, ACCESS ; result 16 TAD = 256 cycles later
        clrf    tours, ACCESS
attente: incf   tours, F, ACCESS ; 4 cycles a round
        btfsc   ADCON0, GO, ACCESS
        bra     attente
        movff   ADRESH, resh
        movff   ADRESL, resl
        bra     $
        end
