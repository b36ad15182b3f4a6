; Timer0's interrupt enabled, then GIE.
        #include "diag.inc"
        bsf     INTCON, TMR0IE, ACCESS
        goto    faute
        org     0x40
faute:  bsf     INTCON, GIE, ACCESS
        bra     $
        end
