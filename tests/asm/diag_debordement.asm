; A 31st return address with STVREN (erased configuration): reset.
        #include "diag.inc"
        movlw   .30
        movwf   0x20, ACCESS
pousse: push
        decfsz  0x20, F, ACCESS
        bra     pousse
        goto    faute
        org     0x40
faute:  push
        bra     $
        end
