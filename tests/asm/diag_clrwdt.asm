; The erased configuration enables the watchdog.
        #include "diag.inc"
        goto    faute
        org     0x40
faute:  clrwdt
        bra     $
        end
