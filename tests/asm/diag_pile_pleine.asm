; STVREN off: a 32nd return address is lost.
        #include "diag.inc"
        CONFIG  STVREN=OFF
        movlw   .31
        movwf   0x20, ACCESS
pousse: push
        decfsz  0x20, F, ACCESS
        bra     pousse
        goto    faute
        org     0x40
faute:  push
        clrf    LATD, ACCESS
        bra     $
        end
