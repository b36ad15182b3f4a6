; Every input digital, then a conversion of AN0.
        #include "diag.inc"
        movlw   0x0F
        movwf   ADCON1, ACCESS
        movlw   0x01
        movwf   ADCON0, ACCESS
        goto    faute
        org     0x40
faute:  bsf     ADCON0, GO, ACCESS
        bra     $
        end
