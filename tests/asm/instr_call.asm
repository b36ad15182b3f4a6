; Calls and returns: CALL, RCALL, nested calls, CALL/RETURN FAST, RETLW, PUSH, POP,
; then a stack overflow (STVREN on) that restarts the program at 0, and a RETURN
; from the empty stack. The RAM counter `demarrages` tells the starts apart.
; Where a return address is checked, the program also stores the expected low
; byte (`movlw LOW label`) next to it.
        list    p=18f4550
        #include <p18f4550.inc>
        radix   dec
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF
        CONFIG  STVREN=ON

demarrages equ  0x30
prof    equ     0x31            ; recursion depth reached before the overflow
boucle  equ     0x32
m       equ     0x40            ; markers
r       equ     0x100           ; recorded values
attendu equ     0x180           ; expected return-address bytes

NOTE    macro   adr, val        ; attendu+adr = val
        movlw   val
        movwf   attendu+adr, BANKED
        endm

        org     0
        incf    demarrages, F, ACCESS
        movlw   1
        cpfseq  demarrages, ACCESS
        bra     redemarre
        movlb   1                       ; bank 1 for the expected values

        ; CALL pushes the address after its second word
        NOTE    0, LOW ret1
        call    sub1
ret1:   movff   STKPTR, r+2
        ; RCALL pushes the address after it
        NOTE    1, LOW ret2
        rcall   sub2
ret2:   movff   STKPTR, r+5
        ; two levels
        NOTE    2, LOW ret3
        call    niv1
        movff   STKPTR, r+8

        ; CALL FAST saves W, STATUS and BSR; RETURN FAST restores them
        movlb   3
        movlw   0x15
        movwf   STATUS, ACCESS
        movlw   0x5A
        call    rapide, FAST
        movff   WREG, r+9
        movff   STATUS, r+10
        movff   BSR, r+11
        ; a plain RETURN restores nothing
        movlw   0x66
        call    modif, FAST
        movff   WREG, r+12
        movff   BSR, r+13
        movlb   1

        ; RETLW
        movlw   0
        rcall   constante
        movff   WREG, r+14

        ; PUSH pushes the address after it, POP drops the top
        NOTE    3, LOW ret4
        push
ret4:   movff   STKPTR, r+15
        movff   TOSL, r+16
        pop
        movff   STKPTR, r+17
        ; PUSH, then RETURN loops back once
        push
ici:    incf    boucle, F, ACCESS
        movlw   2
        cpfseq  boucle, ACCESS
        return
        movff   STKPTR, r+18
        ; POP inside a subroutine: the RETURN goes back two levels
        call    niva
        movff   STKPTR, r+19

        ; recursion until the 31st push overflows the stack
recur:  incf    prof, F, ACCESS
appel:  rcall   recur

redemarre:
        movlw   2
        cpfseq  demarrages, ACCESS
        bra     troisieme
        ; second start, after the overflow: STKFUL set, SP = 0
        movff   STKPTR, r+20
        movff   TOSL, r+21
        movlb   1
        NOTE    4, LOW (appel+4)        ; the overflow push stores PC + 2
        call    sub3                    ; STKFUL stays set while the stack is used
        movff   STKPTR, r+23
        return                          ; empty stack: underflow, address 0
troisieme:
        movff   STKPTR, r+24
fin:    bra     $

sub1:   movff   STKPTR, r+0
        movff   TOSL, r+1
        return
sub2:   movff   STKPTR, r+3
        movff   TOSL, r+4
        return
niv1:   rcall   niv2
ret3:   return
niv2:   movff   STKPTR, r+6
        movff   TOSL, r+7
        return
rapide: movlb   7
        clrf    STATUS, ACCESS
        movlw   0x99
        return  FAST
modif:  movlb   6
        movlw   0x77
        return
constante:
        retlw   0x42
niva:   rcall   nivb
        incf    m+0, F, ACCESS          ; never runs
        return
nivb:   pop
        return
sub3:   movff   STKPTR, r+22
        return
        end
