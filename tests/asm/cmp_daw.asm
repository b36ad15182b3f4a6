; Peer check of DAW against gpsim: W = 0x00..0xF9 under each of the four (DC, C)
; inputs. Results at 0x100 + 0x100 * k + W (k = C + 2 DC); C out at
; 0x500 + 0x100 * k + W for k = 0 to 2. W from 0xFA up is left out: no BCD addition leaves it
; there, and the chip's documentation does not settle the carry out of the low digit
; into a high digit of 0xF.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

k       equ     0x10
w_      equ     0x11

        org     0
        lfsr    0, 0
        lfsr    1, 0
        clrf    k, ACCESS
kloop:  movf    k, W, ACCESS            ; FSR0 = 0x100 + 0x100 k, FSR1 = 0x500 + 0x100 k
        addlw   1
        movwf   FSR0H, ACCESS
        clrf    FSR0L, ACCESS
        addlw   4
        movwf   FSR1H, ACCESS
        clrf    FSR1L, ACCESS
        clrf    w_, ACCESS
wloop:  movf    k, W, ACCESS
        andlw   3
        movwf   STATUS, ACCESS          ; bit 0 C, bit 1 DC
        movf    w_, W, ACCESS           ; MOVF touches only Z and N
        daw
        movwf   POSTINC0, ACCESS
        movf    STATUS, W, ACCESS
        andlw   1
        btfss   k, 0, ACCESS            ; C out for k = 0, 1, 2 (with C and DC in,
        bra     garde                   ; C always comes out set)
        btfsc   k, 1, ACCESS
        bra     suivant
garde:  movwf   POSTINC1, ACCESS
suivant: incf   w_, F, ACCESS
        movlw   0xFA
        cpfseq  w_, ACCESS
        bra     wloop
        incf    k, F, ACCESS
        btfss   k, 2, ACCESS            ; four blocks
        bra     kloop
        bra     $
        end
