; Timer1 off first (says nothing), then on.
        #include "diag.inc"
        clrf    T1CON, ACCESS
        goto    faute
        org     0x40
faute:  bsf     T1CON, TMR1ON, ACCESS
        bra     $
        end
