; Comparators off (says nothing), then in a mode that uses them.
        #include "diag.inc"
        movlw   0x07
        movwf   CMCON, ACCESS
        movlw   0x02
        goto    faute
        org     0x40
faute:  movwf   CMCON, ACCESS
        bra     $
        end
