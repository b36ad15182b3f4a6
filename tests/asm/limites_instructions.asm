; Instructions of two cycles in every form: a call and its return, a skip of a
; two-word instruction, a two-word move, and the closing loop. A run stopped at any
; tick must stop between two of them, never inside one.
    list p=18f4550
    org 0
debut:
    bsf     0x20, 0         ; 0x00
    call    sous            ; 0x02, 0x04
    btfsc   0x20, 0         ; 0x06: no skip
    btfss   0x20, 0         ; 0x08: skips the goto, both its words
    goto    debut           ; 0x0a, 0x0c
    movff   0x20, 0x21      ; 0x0e, 0x10
fin:
    bra     fin             ; 0x12
sous:
    return                  ; 0x14
    end
