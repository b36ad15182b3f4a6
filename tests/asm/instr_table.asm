; Table reads: TBLRD*, TBLRD*+, TBLRD*-, TBLRD+* over a table in program memory,
; the pointer's carry from TBLPTRL into TBLPTRH, the configuration bytes at
; 0x300000, the device ID, and an address outside every segment.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

r       equ     0x100           ; TABLAT after each read
p       equ     0x140           ; TBLPTRL after some of the reads
cfg     equ     0x160           ; the 14 configuration bytes, then the device ID

POINTE  macro   adr
        movlw   UPPER adr
        movwf   TBLPTRU, ACCESS
        movlw   HIGH adr
        movwf   TBLPTRH, ACCESS
        movlw   LOW adr
        movwf   TBLPTRL, ACCESS
        endm

        org     0
        POINTE  table
        tblrd*                          ; 11, pointer unchanged
        movff   TABLAT, r+0
        movff   TBLPTRL, p+0
        tblrd*+                         ; 11, then table+1
        movff   TABLAT, r+1
        tblrd*+                         ; 22, then table+2
        movff   TABLAT, r+2
        tblrd*-                         ; 33, then table+1
        movff   TABLAT, r+3
        movff   TBLPTRL, p+1
        tblrd+*                         ; table+2 first: 33
        movff   TABLAT, r+4
        movff   TBLPTRL, p+2
        ; carry out of TBLPTRL
        POINTE  0x02FF
        tblrd*+                         ; the byte at 0x2FF: 55
        movff   TABLAT, r+5
        movff   TBLPTRL, p+3
        movff   TBLPTRH, p+4
        tblrd*-                         ; the byte at 0x300: 66, back to 0x2FF
        movff   TABLAT, r+6
        movff   TBLPTRL, p+5
        movff   TBLPTRH, p+6
        ; outside every segment: 0
        POINTE  0x200000
        movlw   0x99
        movwf   TABLAT, ACCESS
        tblrd*
        movff   TABLAT, r+7
        ; configuration bytes 0x300000 to 0x30000D
        POINTE  0x300000
        lfsr    0, cfg
lecture: tblrd*+
        movff   TABLAT, POSTINC0
        movlw   0x0E
        cpfseq  TBLPTRL, ACCESS
        bra     lecture
        ; device ID 0x3FFFFE, 0x3FFFFF
        POINTE  0x3FFFFE
        tblrd*+
        movff   TABLAT, POSTINC0
        tblrd*+
        movff   TABLAT, POSTINC0
fin:    bra     $

        org     0x0200
table:  db      0x11, 0x22, 0x33, 0x44
        org     0x02FE
        db      0x44, 0x55, 0x66, 0x77
        end
