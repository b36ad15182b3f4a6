; Timer0 timed by the program itself: a 16-bit count of a delay loop, then the
; overflow flag of a prescaled 8-bit count polled in a loop.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

n       equ     0x20
duree   equ     0x30            ; 0x30, 0x31: TMR0L, TMR0H after the delay loop
tours   equ     0x32            ; polling rounds until TMR0IF

        org     0
        clrf    TMR0H, ACCESS
        movlw   0x88            ; on, 16 bits, internal clock, no prescaler
        movwf   T0CON, ACCESS
        clrf    TMR0L, ACCESS   ; counting restarts: first count one cycle later
        movlw   .100
        movwf   n, ACCESS
boucle: decfsz  n, F, ACCESS    ; 99 x 3 + 2 cycles
        bra     boucle
        movf    TMR0L, W, ACCESS
        movwf   duree, ACCESS
        movf    TMR0H, W, ACCESS ; latched by the TMR0L read
        movwf   duree+1, ACCESS

        movlw   0xC0            ; on, 8 bits, internal clock, 1:2
        movwf   T0CON, ACCESS
        clrf    TMR0L, ACCESS   ; overflow 512 cycles from here
        bcf     INTCON, TMR0IF, ACCESS
        clrf    tours, ACCESS
attend: incf    tours, F, ACCESS ; 4 cycles a round
        btfss   INTCON, TMR0IF, ACCESS
        bra     attend
        bra     $
        end
