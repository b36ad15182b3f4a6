; A nibble to the LCD right after power-on.
        #include "diag.inc"
        clrf    LATD, ACCESS
        clrf    TRISD, ACCESS
        goto    avant
        org     0x3E
avant:  bsf     LATD, 0, ACCESS
faute:  bcf     LATD, 0, ACCESS
        bra     $
        end
