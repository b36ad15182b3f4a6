; Runs past its last word into erased memory.
        #include "diag.inc"
        goto    dernier
        org     0x3E
dernier: nop
        end
