; CCP1 in PWM, then in capture mode.
        #include "diag.inc"
        movlw   0x0C
        movwf   CCP1CON, ACCESS
        movlw   0x05
        goto    faute
        org     0x40
faute:  movwf   CCP1CON, ACCESS
        bra     $
        end
