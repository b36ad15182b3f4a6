        #include "diag.inc"
        goto    faute
        org     0x40
faute:  movwf   SSPBUF, ACCESS
        bra     $
        end
