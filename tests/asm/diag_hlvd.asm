        #include "diag.inc"
        goto    faute
        org     0x40
faute:  bsf     HLVDCON, HLVDEN, ACCESS
        bra     $
        end
