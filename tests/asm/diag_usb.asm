        #include "diag.inc"
        goto    faute
        org     0x40
faute:  bsf     UCON, USBEN, ACCESS
        bra     $
        end
