; Line follower for the Rombine robot (robot file rombo001.rbo).
;
; The robot waits on its start jack, then follows the white tape with three
; infrared sensors and stops when its end-of-travel switch touches an obstacle.
;
; Wiring (rombo001.rbo):
;   RB0  start jack, pull-up, normally open: 0 while inserted, 1 once pulled
;   RB1  end-of-travel switch, pull-up, normally open: 0 while pressed
;   RA1  left sensor   (15 mm left of the robot's axis)   comparator outputs:
;   RA2  centre sensor (on the axis)                       0 over the tape,
;   RA3  right sensor  (15 mm right of the axis)           1 over the carpet
;   RC2  PWM1 (CCP1): left motor      RC1  PWM2 (CCP2): right motor
;
; The motors only go forward, so the robot steers by slowing one side:
;
;   sensors on the tape   tape is...          left motor   right motor
;   centre only           under the robot     CROISIERE    CROISIERE
;   left + centre         a little left       DOUX         CROISIERE
;   left only             well to the left    FORT         CROISIERE
;   centre + right        a little right      CROISIERE    DOUX
;   right only            well to the right   CROISIERE    FORT
;   all three             a crossing mark     CROISIERE    CROISIERE
;   none                  lost (gap, or the robot left it for a moment):
;                         the last decision is kept
;
; The loop runs once per PWM period (Timer2 flag, 341 us): the duties change at
; most once a period anyway, and the robot moves a tenth of a millimetre.
        list    p=18f4550
        #include <p18f4550.inc>
        CONFIG  WDT=OFF, FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2, LVP=OFF, PBADEN=OFF

; Inputs.
JACK    equ     0               ; RB0
FDC     equ     1               ; RB1
CAPT_G  equ     1               ; RA1
CAPT_C  equ     2               ; RA2
CAPT_D  equ     3               ; RA3

; Duties, out of 256 (CCPRxL; the two low bits DCxB stay 0). With the default
; motors a wheel settles at about 250 mm/s for CROISIERE and 40 mm/s for DOUX
; (below about 14 % the motor cannot overcome the rolling resistance).
; At full duty (255) it would run at almost 1.5 m/s: far too fast, because the
; wheels cannot brake. Once the motors are off the robot coasts until friction
; stops it, about 35 mm from 250 mm/s; the obstacle of piste001 is 50 mm deep.
CROISIERE equ   .70             ; both wheels on a straight line
DOUX    equ     .40             ; the inner wheel of a gentle correction
FORT    equ     .0              ; the inner wheel of a hard correction

; Variables (access RAM).
capteurs equ    0x00            ; bit 0 left, bit 1 centre, bit 2 right: 1 = tape
rapport_g equ   0x01            ; duty being applied to the left motor
rapport_d equ   0x02            ; duty being applied to the right motor

        org     0
debut:
        ; --- Ports ----------------------------------------------------------------
        movlw   0x0F
        movwf   ADCON1, ACCESS  ; every AN pin digital (RA1..RA3, RB0, RB1)
        setf    TRISA, ACCESS   ; port A: inputs (sensors)
        setf    TRISB, ACCESS   ; port B: inputs (jack, switch, buttons)
        clrf    LATC, ACCESS
        movlw   b'11111001'
        movwf   TRISC, ACCESS   ; RC1 and RC2 outputs: the two PWM signals

        ; --- PWM: Timer2 prescaler 16, PR2 = 255: 1024 counts, 2.93 kHz -----------
        movlw   0xFF
        movwf   PR2, ACCESS
        clrf    CCPR1L, ACCESS  ; both motors stopped
        clrf    CCPR2L, ACCESS
        movlw   0x0C
        movwf   CCP1CON, ACCESS ; CCP1 in PWM mode, DC1B = 0
        movwf   CCP2CON, ACCESS ; CCP2 in PWM mode, DC2B = 0
        movlw   b'00000110'
        movwf   T2CON, ACCESS   ; Timer2 on, prescaler 16, no postscaler

        ; --- Wait for the jack to be pulled ----------------------------------------
attente_jack:
        btfss   PORTB, JACK, ACCESS
        bra     attente_jack

        ; Start straight ahead.
        movlw   CROISIERE
        movwf   rapport_g, ACCESS
        movwf   rapport_d, ACCESS

        ; --- Main loop, once per PWM period ------------------------------------------
boucle:
        bcf     PIR1, TMR2IF, ACCESS
attente_periode:
        btfss   PIR1, TMR2IF, ACCESS
        bra     attente_periode

        btfss   PORTB, FDC, ACCESS ; switch pressed: the obstacle is reached
        bra     arret

        ; Read the three sensors: capteurs = bits RA1..RA3 inverted (1 = tape),
        ; moved down to bits 0..2.
        movf    PORTA, W, ACCESS
        xorlw   0xFF
        andlw   (1 << CAPT_G) | (1 << CAPT_C) | (1 << CAPT_D)
        movwf   capteurs, ACCESS
        rrncf   capteurs, F, ACCESS

        ; Choose the duties from what the sensors see.
        movf    capteurs, W, ACCESS
        bz      applique        ; no tape under any sensor: keep the last decision
        xorlw   b'001'
        bz      fort_gauche     ; left only
        movf    capteurs, W, ACCESS
        xorlw   b'011'
        bz      doux_gauche     ; left + centre
        movf    capteurs, W, ACCESS
        xorlw   b'100'
        bz      fort_droite     ; right only
        movf    capteurs, W, ACCESS
        xorlw   b'110'
        bz      doux_droite     ; centre + right
        ; Centre only, all three (a mark across the line) or left + right: go straight.
tout_droit:
        movlw   CROISIERE
        movwf   rapport_g, ACCESS
        movwf   rapport_d, ACCESS
        bra     applique
fort_gauche:                    ; tape well to the left: slow the left wheel hard
        movlw   FORT
        movwf   rapport_g, ACCESS
        movlw   CROISIERE
        movwf   rapport_d, ACCESS
        bra     applique
doux_gauche:                    ; tape a little to the left
        movlw   DOUX
        movwf   rapport_g, ACCESS
        movlw   CROISIERE
        movwf   rapport_d, ACCESS
        bra     applique
fort_droite:                    ; tape well to the right: slow the right wheel hard
        movlw   CROISIERE
        movwf   rapport_g, ACCESS
        movlw   FORT
        movwf   rapport_d, ACCESS
        bra     applique
doux_droite:                    ; tape a little to the right
        movlw   CROISIERE
        movwf   rapport_g, ACCESS
        movlw   DOUX
        movwf   rapport_d, ACCESS

applique:                       ; new duties from the next PWM period on
        movff   rapport_g, CCPR1L ; PWM1 -> left motor
        movff   rapport_d, CCPR2L ; PWM2 -> right motor
        bra     boucle

        ; --- Obstacle: both motors off; the robot coasts to a stop -------------------
arret:
        clrf    CCPR1L, ACCESS
        clrf    CCPR2L, ACCESS
fin:
        bra     fin

        end
