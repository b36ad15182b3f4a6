; A data EEPROM read, through MOVFF.
        #include "diag.inc"
        goto    faute
        org     0x40
faute:  movff   EEDATA, 0x20
        bra     $
        end
