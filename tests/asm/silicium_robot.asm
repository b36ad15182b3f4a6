; INT0 and INT1 from the robot's jack (RB0) and end-of-travel switch (RB1): each routine
; counts its edges (0x20 for INT0, 0x21 for INT1) and turns its INTEDG bit over to
; take the other edge next.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF
        org     0
        goto    debut
        org     0x08
        btfss   INTCON, INT0IF, ACCESS
        bra     h1
        bcf     INTCON, INT0IF, ACCESS
        incf    0x20, F, ACCESS
        btg     INTCON2, INTEDG0, ACCESS   ; the other edge next
h1:     btfss   INTCON3, INT1IF, ACCESS
        retfie  FAST
        bcf     INTCON3, INT1IF, ACCESS
        incf    0x21, F, ACCESS
        btg     INTCON2, INTEDG1, ACCESS
        retfie  FAST
debut:  movlw   0x0F
        movwf   ADCON1, ACCESS
        clrf    0x20, ACCESS
        clrf    0x21, ACCESS
        bcf     INTCON2, INTEDG0, ACCESS   ; falling first
        bcf     INTCON2, INTEDG1, ACCESS
        bcf     INTCON, INT0IF, ACCESS
        bcf     INTCON3, INT1IF, ACCESS
        bsf     INTCON, INT0IE, ACCESS
        bsf     INTCON3, INT1IE, ACCESS
        bsf     INTCON, GIE, ACCESS
boucle: bra     boucle
        end
