; For the debugger: a main loop that writes RAM by MOVFF and through FSR0, calls a
; routine that recurses, skips a two-word instruction on even turns and waits in a
; DECFSZ loop that the processor passes in whole turns.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

compte  equ     0x20            ; turns of the main loop
copie   equ     0x21            ; compte, written by MOVFF
indir   equ     0x22            ; compte, written through FSR0
prof    equ     0x23            ; recursion depth left
attente equ     0x24            ; the wait loop's count
impairs equ     0x25            ; compte on odd turns
fonds   equ     0x26            ; deepest calls reached

        org     0
debut:
        clrf    compte, ACCESS
        lfsr    0, indir
boucle:
        incf    compte, F, ACCESS
        movff   compte, copie
        movf    compte, W, ACCESS
        movwf   INDF0, ACCESS
        movlw   3
        movwf   prof, ACCESS
        call    recurse
apres:
        btfsc   compte, 0, ACCESS
        movff   compte, impairs
        movlw   200
        movwf   attente, ACCESS
tempo:
        decfsz  attente, F, ACCESS
        bra     tempo
        bra     boucle

recurse:
        decf    prof, F, ACCESS
        bz      fond
        rcall   recurse
        return
fond:
        incf    fonds, F, ACCESS
        return
        end
