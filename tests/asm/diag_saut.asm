; A jump to where nothing was loaded.
        #include "diag.inc"
        goto    faute
        org     0x40
faute:  goto    0x1000
        end
