        #include "diag.inc"
        goto    faute
        org     0x40
faute:  clrf    STKPTR, ACCESS
        bra     $
        end
