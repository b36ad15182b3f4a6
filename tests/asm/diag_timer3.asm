; A read of Timer3: it never counts.
        #include "diag.inc"
        goto    faute
        org     0x40
faute:  movf    TMR3L, W, ACCESS
        bra     $
        end
