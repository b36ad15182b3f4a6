; Relocatable, linked by gplink as a C compiler's output is: its global symbols only
; in the .cod file, all of them in the map, a listing without a symbol table.
        list    p=18f4550
        #include <p18f4550.inc>
        udata_acs
_adc_raw res    2
compte  res     1
        global  _adc_raw, _main
vecteur code    0x0000
        goto    _main
prog    code
_main:
        clrf    compte, ACCESS
boucle:
        incf    compte, F, ACCESS
        movff   compte, _adc_raw+1
        rcall   sous
        bra     boucle
sous:
        movlw   3
        movwf   _adc_raw, ACCESS
        return
        end
