        #include "diag.inc"
        goto    faute
        org     0x40
faute:  sleep
        bra     $
        end
