; RESET restarts at 0 keeping every register; RETFIE (also FAST), SLEEP, CLRWDT and
; the TBLWT forms do nothing; words that decode to no instruction run as NOPs; the
; program counter wraps from 0x7FFE to 0. The RAM counter `demarrages` tells the
; three starts apart.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

demarrages equ  0x30
m       equ     0x40            ; markers
r       equ     0x100           ; recorded values
tmp     equ     0x150           ; registers as found at the start

        org     0
        movff   WREG, tmp+0
        movff   STATUS, tmp+1
        movff   BSR, tmp+2
        movff   TBLPTRL, tmp+3
        movff   FSR1L, tmp+4
        incf    demarrages, F, ACCESS
        movlw   1
        cpfseq  demarrages, ACCESS
        bra     deuxieme
        ; first start: load some registers, then RESET
        lfsr    1, 0x0AB
        movlw   0x77
        movwf   TBLPTRL, ACCESS
        movlb   5
        movlw   0x13
        movwf   STATUS, ACCESS
        movlw   0x5A
        reset
        incf    m+0, F, ACCESS          ; never runs

deuxieme:
        movlw   2
        cpfseq  demarrages, ACCESS
        bra     troisieme
        ; second start: the registers as RESET left them
        movff   tmp+0, r+0
        movff   tmp+1, r+1
        movff   tmp+2, r+2
        movff   tmp+3, r+3
        movff   tmp+4, r+4
        movlb   0
        ; RETFIE neither returns nor touches INTCON
        call    sous1
        movlw   0x21
        call    sous2, FAST
        movff   WREG, r+6               ; 99: RETFIE FAST restored nothing
        movff   INTCON, r+7
        sleep
        incf    m+3, F, ACCESS
        clrwdt
        incf    m+4, F, ACCESS
        ; TBLWT writes nothing and leaves the pointer alone
        clrf    TBLPTRU, ACCESS
        movlw   HIGH table
        movwf   TBLPTRH, ACCESS
        movlw   LOW table
        movwf   TBLPTRL, ACCESS
        movlw   0xAB
        movwf   TABLAT, ACCESS
        tblwt*
        tblwt*+
        tblwt*-
        tblwt+*
        movff   TBLPTRL, r+8
        tblrd*
        movff   TABLAT, r+9
        ; words that are no instruction
        dw      0x0001
        dw      0x0014
        dw      0xE800
        dw      0xEE40
        dw      0xFFFF
        incf    m+5, F, ACCESS
        ; run into the top of program memory
        goto    haut

troisieme:
        movff   demarrages, r+10
fin:    bra     $

sous1:  retfie
        incf    m+1, F, ACCESS
        movff   STKPTR, r+5
        return
sous2:  movlw   0x99
        retfie  FAST
        incf    m+2, F, ACCESS
        return

        org     0x0200
table:  db      0x11, 0x22

        org     0x7FFC
haut:   incf    m+6, F, ACCESS
        incf    m+7, F, ACCESS          ; at 0x7FFE: the next address is 0
        end
