; Computed gotos: an ADDWF PCL jump table, RETLW tables read with a CALL, one placed
; across a 256-byte boundary and reached through PCLATH, and a read of PCL that loads
; PCLATH. Results from 0x100 on. Where PCL is plain storage the writes do nothing:
; the table's first entry runs, or the instruction after the write.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

        org     0
        lfsr    0, 0x100
        ; 1. ADDWF PCL: case 2 of four GOTOs (each 4 bytes)
        movlw   2
        call    aiguille
        movwf   POSTINC0
        ; 2. RETLW table, entries 0 and 3
        movlw   0
        call    table
        movwf   POSTINC0
        movlw   3
        call    table
        movwf   POSTINC0
        ; 3. a table past 0x1FF: PCLATH set from its address, MOVWF PCL
        movlw   1
        call    loin
        movwf   POSTINC0
        movlw   5
        call    loin
        movwf   POSTINC0
        ; 4. MOVF PCL reads the counter's low byte (the next word's) and loads
        ; PCLATH; the expected byte beside it
        setf    PCLATH
        movf    PCL, W
lu:     movwf   POSTINC0
        movlw   LOW lu
        movwf   POSTINC0
        movff   PCLATH, POSTINC0
        ; 5. a BSF on PCL reads the counter too: bit 2 of 0x80 skips two words
        clrf    PCLATH
        movlw   0x11
        bra     pas
        org     0x7E
pas:    bsf     PCL, 2
        movlw   0x22
        movwf   POSTINC0
        movwf   POSTINC0
        bra     $

aiguille:
        rlncf   WREG, W
        rlncf   WREG, W
        addwf   PCL, F
        goto    cas0
        goto    cas1
        goto    cas2
        goto    cas3
cas0:   retlw   0xA0
cas1:   retlw   0xA1
cas2:   retlw   0xA2
cas3:   retlw   0xA3

table:  addwf   WREG, W
        addwf   PCL, F
        retlw   0x10
        retlw   0x11
        retlw   0x12
        retlw   0x13

        ; The table straddles 0x200: entries 0 to 2 below, 3 to 5 above.
        org     0x1C0
loin:   addwf   WREG, W
        addlw   LOW tabloin
        movwf   0x20
        movlw   HIGH tabloin
        btfsc   STATUS, C
        addlw   1
        movwf   PCLATH
        movf    0x20, W
        movwf   PCL
        ; never reached where PCL jumps
        retlw   0xEE
        org     0x1FA
tabloin:
        retlw   0x50
        retlw   0x51
        retlw   0x52
        retlw   0x53
        retlw   0x54
        retlw   0x55
        end
