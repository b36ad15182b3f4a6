; A computed goto: W added to PCL.
        #include "diag.inc"
        movlw   4
        goto    faute
        org     0x40
faute:  addwf   PCL, F, ACCESS
        bra     $
        end
