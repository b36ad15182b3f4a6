        #include "diag.inc"
        goto    faute
        org     0x40
faute:  movwf   TOSL, ACCESS
        bra     $
        end
