; The internal oscillator at 8 MHz.
        #include "diag.inc"
        movlw   0x72
        goto    faute
        org     0x40
faute:  movwf   OSCCON, ACCESS
        bra     $
        end
