        #include "diag.inc"
        movlw   .77
        goto    faute
        org     0x40
faute:  movwf   SPBRG, ACCESS
        bra     $
        end
