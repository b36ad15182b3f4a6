; A return with the stack empty goes on at 0, which starts by a register write.
        #include "diag.inc"
        clrf    LATD, ACCESS
        goto    faute
        org     0x40
faute:  return
        end
