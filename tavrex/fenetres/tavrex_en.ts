<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>Apropos</name>
    <message>
        <source>A propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&lt;p align=&quot;center&quot; style=&quot;font-size:14pt; font-weight:600;&quot;&gt;Simulateur de carte PIC&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;font-size:10pt;&quot;&gt;Version 1.04 (27/03/2013)&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;font-size:10pt;&quot;&gt;tavrex : la carte PIC18F4550 et le robot Rombine, simulés à 48 MHz.&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;font-size:10pt;&quot;&gt;Logiciel libre écrit en C++ avec Qt.&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;center&quot; style=&quot;font-size:14pt; font-weight:600;&quot;&gt;PIC board simulator&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;font-size:10pt;&quot;&gt;Version 1.04 (27/03/2013)&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;font-size:10pt;&quot;&gt;tavrex: the PIC18F4550 board and the Rombine robot, simulated at 48 MHz.&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;font-size:10pt;&quot;&gt;Free software written in C++ with Qt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>BandeDiagnostics</name>
    <message>
        <source>interruptions autorisées (GIE avec %1) : la carte ne simule pas les interruptions, la routine d&apos;interruption en %2 ne s&apos;exécute jamais</source>
        <translation>interrupts enabled (GIE with %1): the board does not model interrupts, its interrupt routine at %2 never runs</translation>
    </message>
    <message>
        <source>RETFIE exécuté : ce programme compte sur les interruptions, que la carte ne simule pas : sa routine d&apos;interruption en 0x0008 ne s&apos;exécute jamais (RETFIE ne fait rien ici)</source>
        <translation>RETFIE executed: this program relies on interrupts, which the board does not model: its interrupt routine at 0x0008 never runs (RETFIE does nothing here)</translation>
    </message>
    <message>
        <source>PCL écrit : la carte ne relie pas PCL au compteur de programme, un saut calculé ou une table de sauts ne saute pas</source>
        <translation>PCL written: the board does not connect PCL to the program counter, a computed goto or jump table does not jump</translation>
    </message>
    <message>
        <source>%1 écrit : la carte ne relie pas le sommet de pile à la pile des retours, l&apos;adresse de retour ne change pas</source>
        <translation>%1 written: the board does not connect the top of stack to the return stack, the return address does not change</translation>
    </message>
    <message>
        <source>STKPTR écrit : la carte ne déplace pas le pointeur de la pile des retours sur une écriture</source>
        <translation>STKPTR written: the board does not move the return stack&apos;s pointer on a write</translation>
    </message>
    <message>
        <source>SLEEP exécuté : la puce s&apos;arrêterait ici jusqu&apos;à un réveil ; la carte continue à l&apos;instruction suivante</source>
        <translation>SLEEP executed: the chip would stop here until a wake-up; the board goes on with the next instruction</translation>
    </message>
    <message>
        <source>chien de garde activé (%1) : la carte ne le simule pas, il ne réinitialise jamais la puce</source>
        <translation>watchdog enabled (%1): the board does not model it, it never resets the chip</translation>
    </message>
    <message>
        <source>TBLWT exécuté : la carte ne simule pas l&apos;écriture de la mémoire programme, rien n&apos;est écrit</source>
        <translation>TBLWT executed: the board does not model writing program memory, nothing is written</translation>
    </message>
    <message>
        <source>%1 utilisé : la carte ne simule pas le Timer1, ses registres sont de simples cases mémoire et il ne compte jamais</source>
        <translation>%1 used: the board does not model Timer1, its registers are plain storage and it never counts</translation>
    </message>
    <message>
        <source>%1 utilisé : la carte ne simule pas le Timer3, ses registres sont de simples cases mémoire et il ne compte jamais</source>
        <translation>%1 used: the board does not model Timer3, its registers are plain storage and it never counts</translation>
    </message>
    <message>
        <source>%1 = %2 : la carte ne simule les modules CCP qu&apos;en mode PWM ; la capture, la comparaison et les sorties PWM améliorées ne font rien</source>
        <translation>%1 = %2: the board models the CCP modules in PWM mode only; capture, compare and the enhanced PWM outputs do nothing</translation>
    </message>
    <message>
        <source>%1 utilisé : la carte ne simule pas l&apos;USART, rien n&apos;est envoyé ni reçu</source>
        <translation>%1 used: the board does not model the USART, nothing is sent or received</translation>
    </message>
    <message>
        <source>%1 utilisé : la carte ne simule pas le MSSP (SPI, I2C), rien n&apos;est envoyé ni reçu</source>
        <translation>%1 used: the board does not model the MSSP (SPI, I2C), nothing is sent or received</translation>
    </message>
    <message>
        <source>%1 utilisé : la carte ne simule pas les comparateurs ni la référence de tension</source>
        <translation>%1 used: the board does not model the comparators and the voltage reference</translation>
    </message>
    <message>
        <source>%1 utilisé : la carte ne simule pas le module USB ni son port parallèle</source>
        <translation>%1 used: the board does not model the USB module and its streaming parallel port</translation>
    </message>
    <message>
        <source>%1 utilisé : la carte ne simule pas l&apos;EEPROM de données, rien n&apos;y est lu ni écrit</source>
        <translation>%1 used: the board does not model the data EEPROM, nothing is read or written there</translation>
    </message>
    <message>
        <source>%1 utilisé : la carte ne simule pas les réglages ni l&apos;état de l&apos;oscillateur, elle tourne à 48 MHz quoi qu&apos;ils disent</source>
        <translation>%1 used: the board does not model the oscillator&apos;s settings and status, it runs at 48 MHz whatever they say</translation>
    </message>
    <message>
        <source>%1 utilisé : la carte ne simule pas la détection de tension haute ou basse (HLVD)</source>
        <translation>%1 used: the board does not model the high/low-voltage detect</translation>
    </message>
    <message>
        <source>exécution arrivée en %1, après la fin du programme chargé : la mémoire effacée s&apos;exécute comme des NOP jusqu&apos;à la fin de la mémoire programme, puis depuis 0</source>
        <translation>execution reached %1, past the end of the loaded program: erased memory runs as NOPs up to the end of program memory, then from 0</translation>
    </message>
    <message>
        <source>saut en %1, où aucun programme n&apos;est chargé : la mémoire effacée s&apos;exécute comme des NOP à partir de là</source>
        <translation>jump to %1, where no program was loaded: erased memory runs as NOPs from there</translation>
    </message>
    <message>
        <source>débordement de la pile des retours (une 31e adresse de retour) : la puce redémarre en 0 (STVREN)</source>
        <translation>return stack overflow (a 31st return address): the chip restarts at 0 (STVREN)</translation>
    </message>
    <message>
        <source>débordement de la pile des retours (une 32e adresse de retour) : elle est perdue (STVREN désactivé)</source>
        <translation>return stack overflow (a 32nd return address): it is lost (STVREN off)</translation>
    </message>
    <message>
        <source>pile des retours vide (un retour sans adresse dans la pile) : le programme continue en 0</source>
        <translation>return stack underflow (a return with no address on the stack): the program goes on at 0</translation>
    </message>
    <message>
        <source>conversion A/N lancée sur %1, que ADCON1 configure en entrée numérique : le résultat ne suit pas la tension de la broche</source>
        <translation>A/D conversion started on %1, which ADCON1 makes a digital input: the result does not follow the pin&apos;s voltage</translation>
    </message>
    <message>
        <source>LCD écrit %1 ms après la mise sous tension : un vrai HD44780 a besoin d&apos;environ 40 ms après la montée de l&apos;alimentation (la puce peut démarrer avant 4,5 V) et perd ce qui arrive plus tôt ; le contrôleur de la carte l&apos;accepte</source>
        <translation>LCD written %1 ms after power-on: a real HD44780 needs about 40 ms after the supply rises (the chip may start before it reaches 4.5 V) and loses what comes sooner; the board&apos;s controller takes it</translation>
    </message>
    <message>
        <source>LCD écrit %1 µs après une commande qui en demande %2 : un vrai HD44780, encore occupé, perd cette écriture ; le contrôleur de la carte n&apos;est jamais occupé</source>
        <translation>LCD written %1 µs after a command that takes %2 µs: a real HD44780, still busy, loses this write; the board&apos;s controller never reports busy</translation>
    </message>
    <message>
        <source>les mots de configuration choisissent %1 : la carte tourne à 48 MHz quoi qu&apos;ils disent (son quartz de 20 MHz avec FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2)</source>
        <translation>the configuration words select %1: the board runs at 48 MHz whatever they say (its 20 MHz crystal with FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2)</translation>
    </message>
    <message>
        <source>enregistrements en %1 et au-delà, après les 32 Ko de mémoire programme : non chargés</source>
        <translation>records at %1 and beyond, past the 32 KB of program memory: not loaded</translation>
    </message>
    <message>
        <source>enregistrements pour l&apos;identifiant de la puce (%1), en lecture seule : non chargés</source>
        <translation>records for the device ID (%1), which is read-only: not loaded</translation>
    </message>
    <message>
        <source>enregistrements pour l&apos;EEPROM de données (%1) : la carte ne la simule pas, non chargés</source>
        <translation>data EEPROM records (%1): the board does not model the data EEPROM, not loaded</translation>
    </message>
    <message>
        <source>enregistrements en %1, hors de la mémoire de cette puce (un fichier pour un autre composant ?) : non chargés</source>
        <translation>records at %1, outside this chip&apos;s memory map (a file for another device?): not loaded</translation>
    </message>
    <message>
        <source>Au chargement</source>
        <translation>At load</translation>
    </message>
    <message>
        <source>%1 ms · %2 · %3</source>
        <translation>%1 ms · %2 · %3</translation>
    </message>
</context>
<context>
    <name>Connexion</name>
    <message>
        <source>Connexion</source>
        <translation>Connection</translation>
    </message>
</context>
<context>
    <name>FenetreCarteMicro</name>
    <message>
        <source>Carte Microcontrôleur</source>
        <translation>Microcontroller board</translation>
    </message>
    <message>
        <source>Programme chargé</source>
        <translation>Loaded program</translation>
    </message>
    <message>
        <source>Choisir un fichier...</source>
        <translation>Choose a file...</translation>
    </message>
    <message>
        <source>Recharger le fichier</source>
        <translation>Reload the file</translation>
    </message>
    <message>
        <source>Alimentation</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Contraste</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>Ecran LCD</source>
        <translation>LCD screen</translation>
    </message>
    <message>
        <source>BP1</source>
        <translation>BP1</translation>
    </message>
    <message>
        <source>BP2</source>
        <translation>BP2</translation>
    </message>
    <message>
        <source>BP3</source>
        <translation>BP3</translation>
    </message>
    <message>
        <source>AN0</source>
        <translation>AN0</translation>
    </message>
    <message>
        <source>Verrouiller BP1</source>
        <translation>Lock BP1</translation>
    </message>
    <message>
        <source>Verrouiller BP2</source>
        <translation>Lock BP2</translation>
    </message>
    <message>
        <source>Verrouiller BP3</source>
        <translation>Lock BP3</translation>
    </message>
    <message>
        <source>Choisir un fichier</source>
        <translation>Choose a file</translation>
    </message>
    <message>
        <source>Fichier HEX (*.hex)</source>
        <translation>HEX file (*.hex)</translation>
    </message>
    <message numerus="yes">
        <source>Programme chargé ; %n ligne(s) ignorée(s), non conforme(s) au format HEX</source>
        <translation>
            <numerusform>Program loaded; %n line skipped, not in HEX format</numerusform>
            <numerusform>Program loaded; %n lines skipped, not in HEX format</numerusform>
        </translation>
    </message>
    <message>
        <source>fichier illisible</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>fichier vide</source>
        <translation>empty file</translation>
    </message>
    <message>
        <source>aucun enregistrement Intel HEX valide</source>
        <translation>no valid Intel HEX record</translation>
    </message>
    <message>
        <source>Chargement refusé : %1 (%2)</source>
        <translation>Load refused: %1 (%2)</translation>
    </message>
    <message>
        <source>Chargement refusé : %1 (%2). Le programme %3 reste chargé.</source>
        <translation>Load refused: %1 (%2). The program %3 stays loaded.</translation>
    </message>
    <message>
        <source>Diagnostics non lus</source>
        <translation>Unread diagnostics</translation>
    </message>
    <message>
        <source>Diagnostics : ce que le programme utilise et que la carte ne simule pas</source>
        <translation>Diagnostics: what the program uses that the board does not model</translation>
    </message>
    <message numerus="yes">
        <source>%n diagnostic(s) non lu(s) : cliquer pour le(s) voir</source>
        <translation>
            <numerusform>%n unread diagnostic: click to see it</numerusform>
            <numerusform>%n unread diagnostics: click to see them</numerusform>
        </translation>
    </message>
    <message>
        <source>Mode silicium : interruptions, PCL et pile comme sur la puce</source>
        <translation>Silicon mode: interrupts, PCL and the stack as on the chip</translation>
    </message>
    <message>
        <source>Mode silicium au prochain reset</source>
        <translation>Silicon mode from the next reset</translation>
    </message>
    <message>
        <source>Mode silicium jusqu&apos;au prochain reset</source>
        <translation>Silicon mode until the next reset</translation>
    </message>
</context>
<context>
    <name>FenetreDebogueur</name>
    <message>
        <source>Débogueur</source>
        <translation>Debugger</translation>
    </message>
    <message>
        <source>Carte hors tension</source>
        <translation>Board switched off</translation>
    </message>
    <message>
        <source>Registres</source>
        <translation>Registers</translation>
    </message>
    <message>
        <source>Pile des retours : 31 niveaux ; STKPTR désigne le sommet</source>
        <translation>Return stack: 31 levels; STKPTR points at the top</translation>
    </message>
    <message>
        <source>SFR</source>
        <translation>SFRs</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>RAM</translation>
    </message>
    <message>
        <source>Banque</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Banque de 256 octets de la mémoire de données</source>
        <translation>Bank of 256 bytes of data memory</translation>
    </message>
    <message>
        <source>En pause : double-clic pour modifier un octet</source>
        <translation>Paused: double-click to change a byte</translation>
    </message>
    <message>
        <source>Broches</source>
        <translation>Pins</translation>
    </message>
    <message>
        <source>Points d&apos;arrêt</source>
        <translation>Breakpoints</translation>
    </message>
    <message>
        <source>Cocher pour activer, décocher pour désactiver ; Suppr pour enlever</source>
        <translation>Check to enable, uncheck to disable; Delete removes</translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Point d&apos;arrêt</source>
        <translation>Breakpoint</translation>
    </message>
    <message>
        <source>Arrivées</source>
        <translation>Arrivals</translation>
    </message>
    <message>
        <source>Une adresse ou une étiquette, avec :N pour la N-ième arrivée (boucle, 0x0124, boucle+2:3),
ou une condition sur un registre ou un octet de RAM (0x020 == 5, PORTB &amp; 0x08 == 0)</source>
        <translation>An address or a label, with :N for the Nth arrival (boucle, 0x0124, boucle+2:3),
or a condition on a register or a RAM byte (0x020 == 5, PORTB &amp; 0x08 == 0)</translation>
    </message>
    <message>
        <source>boucle, 0x0124:3, PORTB &amp; 0x08 == 0</source>
        <translation>boucle, 0x0124:3, PORTB &amp; 0x08 == 0</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Front sur</source>
        <translation>Edge on</translation>
    </message>
    <message>
        <source>Broche dont un front arrête le programme</source>
        <translation>Pin whose edge stops the program</translation>
    </message>
    <message>
        <source>montant</source>
        <translation>rising</translation>
    </message>
    <message>
        <source>descendant</source>
        <translation>falling</translation>
    </message>
    <message>
        <source>Enlever le point d&apos;arrêt choisi dans la liste (Suppr)</source>
        <translation>Remove the breakpoint chosen in the list (Delete)</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Continuer</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Continuer le programme (F5)</source>
        <translation>Continue the program (F5)</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Pas</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Exécuter une instruction (F7)</source>
        <translation>Execute one instruction (F7)</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Pas principal</source>
        <translation>Step over</translation>
    </message>
    <message>
        <source>Exécuter une instruction, un CALL ou un RCALL jusqu&apos;à son retour (F8)</source>
        <translation>Execute one instruction, a CALL or RCALL up to its return (F8)</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>Jusqu&apos;au curseur</source>
        <translation>To the cursor</translation>
    </message>
    <message>
        <source>Exécuter jusqu&apos;à l&apos;instruction choisie dans le programme (F4)</source>
        <translation>Run up to the instruction chosen in the program (F4)</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Reset du microcontrôleur, comme le bouton de la carte</source>
        <translation>Reset the microcontroller, as the board&apos;s button does</translation>
    </message>
    <message>
        <source>Point d&apos;arrêt ici</source>
        <translation>Breakpoint here</translation>
    </message>
    <message>
        <source>Poser ou enlever un point d&apos;arrêt sur l&apos;instruction choisie (F9)</source>
        <translation>Set or remove a breakpoint on the chosen instruction (F9)</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>%1 : SFR (%2)</source>
        <translation>%1: SFRs (%2)</translation>
    </message>
    <message>
        <source>%1 (%2, absente)</source>
        <translation>%1 (%2, not on the chip)</translation>
    </message>
    <message>
        <source>« %1 » : un octet s&apos;écrit en hexadécimal, de 00 à FF</source>
        <translation>“%1”: a byte is written in hexadecimal, 00 to FF</translation>
    </message>
    <message>
        <source>« %1 » : étiquette ou registre inconnu</source>
        <translation>“%1”: unknown label or register</translation>
    </message>
    <message>
        <source>« %1 » : hors de la mémoire</source>
        <translation>“%1”: outside memory</translation>
    </message>
    <message>
        <source>« %1 » : une condition s&apos;écrit REGISTRE [&amp; MASQUE] OP VALEUR, OP parmi == != &lt; &lt;= &gt; &gt;=</source>
        <translation>“%1”: a condition reads REGISTER [&amp; MASK] OP VALUE, OP one of == != &lt; &lt;= &gt; &gt;=</translation>
    </message>
    <message>
        <source>« %1 » : une adresse (0x0124) ou une étiquette, suivie de :N pour la N-ième arrivée</source>
        <translation>“%1”: an address (0x0124) or a label, followed by :N for the Nth arrival</translation>
    </message>
    <message>
        <source>%1 sur %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Arrêter le programme avant sa prochaine instruction (F5)</source>
        <translation>Stop the program before its next instruction (F5)</translation>
    </message>
    <message>
        <source>En marche</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Reset : en pause avant %1</source>
        <translation>Reset: paused before %1</translation>
    </message>
    <message>
        <source>Modifiable en pause</source>
        <translation>Can be changed while paused</translation>
    </message>
    <message>
        <source>%1 ms (cycle %2)</source>
        <translation>%1 ms (cycle %2)</translation>
    </message>
    <message>
        <source>Arrêt au point %1 (%2) à %3</source>
        <translation>Stopped at breakpoint %1 (%2) at %3</translation>
    </message>
    <message>
        <source>Arrêt au point %1 (%2) à %3, avant %4</source>
        <translation>Stopped at breakpoint %1 (%2) at %3, before %4</translation>
    </message>
    <message>
        <source>Arrêt au curseur, avant %1, à %2</source>
        <translation>Stopped at the cursor, before %1, at %2</translation>
    </message>
    <message>
        <source>Pas à pas : avant %1, à %2</source>
        <translation>Stepping: before %1, at %2</translation>
    </message>
    <message>
        <source>En pause avant %1, à %2</source>
        <translation>Paused before %1, at %2</translation>
    </message>
</context>
<context>
    <name>FenetreOscillos</name>
    <message>
        <source>Oscilloscopes</source>
        <translation>Oscilloscopes</translation>
    </message>
    <message>
        <source>Voie 1</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <source>Broche observée par la voie 1</source>
        <translation>Pin shown on channel 1</translation>
    </message>
    <message>
        <source>Base de temps</source>
        <translation>Time base</translation>
    </message>
    <message>
        <source>Base de temps de la voie 1 (et de la voie 2 tant que « activer » n&apos;est pas coché)</source>
        <translation>Time base of channel 1 (and of channel 2 while “enable” is not ticked)</translation>
    </message>
    <message>
        <source>Voie 2</source>
        <translation>Channel 2</translation>
    </message>
    <message>
        <source>Broche observée par la voie 2</source>
        <translation>Pin shown on channel 2</translation>
    </message>
    <message>
        <source>Une base de temps propre à la voie 2</source>
        <translation>A time base of its own for channel 2</translation>
    </message>
    <message>
        <source>activer</source>
        <translation>enable</translation>
    </message>
    <message>
        <source>Base de temps de la voie 2</source>
        <translation>Time base of channel 2</translation>
    </message>
</context>
<context>
    <name>FenetrePiste</name>
    <message>
        <source>Piste</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Tourner le robot dans le sens horaire</source>
        <translation>Turn the robot clockwise</translation>
    </message>
    <message>
        <source>Tourner le robot dans le sens trigonométrique</source>
        <translation>Turn the robot anticlockwise</translation>
    </message>
    <message>
        <source>Poser le robot sur la piste</source>
        <translation>Place the robot on the track</translation>
    </message>
    <message>
        <source>Zoom avant</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom arrière</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Voir tout le tapis</source>
        <translation>Show the whole carpet</translation>
    </message>
    <message>
        <source>Charger une piste</source>
        <translation>Open a track</translation>
    </message>
    <message>
        <source>Sauvegarder la piste</source>
        <translation>Save the track</translation>
    </message>
    <message>
        <source>Éditer la piste</source>
        <translation>Edit the track</translation>
    </message>
    <message>
        <source>Élément précédent</source>
        <translation>Previous element</translation>
    </message>
    <message>
        <source>Numéro de l&apos;élément</source>
        <translation>Element number</translation>
    </message>
    <message>
        <source>Élément suivant</source>
        <translation>Next element</translation>
    </message>
    <message>
        <source>Type de l&apos;élément</source>
        <translation>Element type</translation>
    </message>
    <message>
        <source>Repère</source>
        <translation>Start marker</translation>
    </message>
    <message>
        <source>Ligne droite</source>
        <translation>Straight line</translation>
    </message>
    <message>
        <source>Courbe</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Obstacle</translation>
    </message>
    <message>
        <source>Droite sans scotch</source>
        <translation>Gap (no tape)</translation>
    </message>
    <message>
        <source>Marqueur gauche</source>
        <translation>Left marker</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>angle</translation>
    </message>
    <message>
        <source>Insérer un élément après celui-ci</source>
        <translation>Insert an element after this one</translation>
    </message>
    <message>
        <source>Supprimer l&apos;élément</source>
        <translation>Delete the element</translation>
    </message>
    <message>
        <source>Charger les données d&apos;une piste</source>
        <translation>Open track data</translation>
    </message>
    <message>
        <source>Fichier PIS (*.pis)</source>
        <translation>PIS file (*.pis)</translation>
    </message>
    <message>
        <source>Sauvegarder les données d&apos;une piste</source>
        <translation>Save track data</translation>
    </message>
    <message>
        <source>Piste non chargée : %1 est illisible ou n&apos;est pas un fichier XML.</source>
        <translation>Track not loaded: %1 cannot be read or is not an XML file.</translation>
    </message>
    <message>
        <source>Piste non enregistrée : impossible d&apos;écrire %1.</source>
        <translation>Track not saved: %1 cannot be written.</translation>
    </message>
    <message>
        <source>longueur</source>
        <translation>length</translation>
    </message>
    <message>
        <source>largeur</source>
        <translation>width</translation>
    </message>
    <message>
        <source>rayon</source>
        <translation>radius</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Simulateur de carte PIC v1.04</source>
        <translation>PIC board simulator v1.04</translation>
    </message>
    <message>
        <source>Temps simulé</source>
        <translation>Simulated time</translation>
    </message>
    <message>
        <source>Facteur de ralentissement
1=temps réel</source>
        <translation>Slowing factor
1=real time</translation>
    </message>
    <message>
        <source>Rapport réel</source>
        <translation>Wall-clock seconds per simulated second</translation>
    </message>
    <message>
        <source>Charge de calcul</source>
        <translation>Computing load</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Affi&amp;chage</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Fe&amp;nêtres</source>
        <translation>&amp;Windows</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Ouvrir un programme...</source>
        <translation>&amp;Open a program...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Recharger le programme</source>
        <translation>&amp;Reload the program</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Barre de performance</source>
        <translation>&amp;Performance bar</translation>
    </message>
    <message>
        <source>Barre de vitesse</source>
        <translation>Speed bar</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>&amp;Cascader</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>O&amp;rganiser</source>
        <translation>&amp;Arrange</translation>
    </message>
    <message>
        <source>&amp;Micro-contrôleur</source>
        <translation>&amp;Microcontroller</translation>
    </message>
    <message>
        <source>Alt+M</source>
        <translation>Alt+M</translation>
    </message>
    <message>
        <source>&amp;Rombine</source>
        <translation>&amp;Rombine</translation>
    </message>
    <message>
        <source>Alt+G</source>
        <translation>Alt+G</translation>
    </message>
    <message>
        <source>&amp;Piste</source>
        <translation>&amp;Track</translation>
    </message>
    <message>
        <source>Alt+P</source>
        <translation>Alt+P</translation>
    </message>
    <message>
        <source>&amp;Oscilloscopes</source>
        <translation>&amp;Oscilloscopes</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Mode simple</source>
        <translation>Simple mode</translation>
    </message>
    <message>
        <source>Mode complet</source>
        <translation>Complete mode</translation>
    </message>
    <message>
        <source>À &amp;propos</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Enregistrer le &amp;scénario…</source>
        <translation>Save the &amp;scenario…</translation>
    </message>
    <message>
        <source>Enregistrer ce qui a été fait à la carte depuis le début, rejouable à l&apos;identique par tavrex-cli --script</source>
        <translation>Save what was done to the board since the start, replayed exactly by tavrex-cli --script</translation>
    </message>
    <message>
        <source>Enregistrer le scénario</source>
        <translation>Save the scenario</translation>
    </message>
    <message>
        <source>Scénario (*.scn);;Tous les fichiers (*)</source>
        <translation>Scenario (*.scn);;All files (*)</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;&amp;état…</source>
        <translation>Save the st&amp;ate…</translation>
    </message>
    <message>
        <source>Enregistrer tout l&apos;état de la carte et du robot à cet instant, à reprendre plus tard ou à comparer avec tavrex-cli --diff-state</source>
        <translation>Save the whole state of the board and the robot now, to take it up later or to compare with tavrex-cli --diff-state</translation>
    </message>
    <message>
        <source>Ouvrir un é&amp;tat…</source>
        <translation>Open a stat&amp;e…</translation>
    </message>
    <message>
        <source>Reprendre la carte et le robot dans l&apos;état enregistré, avec le programme de cet état</source>
        <translation>Take the board and the robot up in the saved state, with that state&apos;s program</translation>
    </message>
    <message>
        <source>État non enregistré : %1</source>
        <translation>State not saved: %1</translation>
    </message>
    <message>
        <source>État refusé : %1</source>
        <translation>State refused: %1</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;état</source>
        <translation>Save the state</translation>
    </message>
    <message>
        <source>État (*.json);;Tous les fichiers (*)</source>
        <translation>State (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>&amp;Débogueur</source>
        <translation>&amp;Debugger</translation>
    </message>
    <message>
        <source>Alt+D</source>
        <translation>Alt+D</translation>
    </message>
    <message>
        <source>Ouvrir un état</source>
        <translation>Open a state</translation>
    </message>
    <message>
        <source>Scénario non enregistré : impossible d&apos;écrire %1</source>
        <translation>Scenario not saved: cannot write %1</translation>
    </message>
    <message>
        <source>Mode &amp;silicium</source>
        <translation>&amp;Silicon mode</translation>
    </message>
    <message>
        <source>Interruptions, PCL et pile comme sur la puce (au prochain reset)</source>
        <translation>Interrupts, PCL and the stack as on the chip (from the next reset)</translation>
    </message>
</context>
<context>
    <name>ModeleBroches</name>
    <message>
        <source>analogique</source>
        <translation>analog</translation>
    </message>
    <message>
        <source>entrée</source>
        <translation>input</translation>
    </message>
    <message>
        <source>sortie</source>
        <translation>output</translation>
    </message>
    <message>
        <source>en l&apos;air</source>
        <translation>floating</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>Tension entre les seuils TTL : le niveau lu est tiré au hasard</source>
        <translation>Voltage between the TTL thresholds: the level read is drawn at random</translation>
    </message>
    <message>
        <source>Entrée sans rien de branché</source>
        <translation>Input with nothing wired to it</translation>
    </message>
    <message>
        <source>Broche</source>
        <translation>Pin</translation>
    </message>
    <message>
        <source>Sens</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Niveau</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Voltage</translation>
    </message>
</context>
<context>
    <name>ModelePile</name>
    <message>
        <source>Sommet de la pile : le prochain RETURN revient ici</source>
        <translation>Top of the stack: the next RETURN comes back here</translation>
    </message>
    <message>
        <source>Pile</source>
        <translation>Stack</translation>
    </message>
    <message>
        <source>Retour</source>
        <translation>Return</translation>
    </message>
</context>
<context>
    <name>ModeleProgramme</name>
    <message>
        <source>%1–%2 : mémoire effacée</source>
        <translation>%1–%2: erased memory</translation>
    </message>
    <message>
        <source>Point d&apos;arrêt : cliquer ou F9 pour l&apos;enlever</source>
        <translation>Breakpoint: click or F9 to remove it</translation>
    </message>
    <message>
        <source>Cliquer ou F9 : point d&apos;arrêt sur cette instruction</source>
        <translation>Click or F9: breakpoint on this instruction</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Mots</source>
        <translation>Words</translation>
    </message>
    <message>
        <source>Étiquette</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Instruction</source>
        <translation>Instruction</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
</context>
<context>
    <name>ModeleRam</name>
    <message>
        <source>%1 : rien à cette adresse sur le PIC18F4550</source>
        <translation>%1: nothing at this address on the PIC18F4550</translation>
    </message>
    <message>
        <source>Texte</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>ModeleRegistres</name>
    <message>
        <source>N négatif, OV dépassement, Z zéro, DC retenue de quartet, C retenue</source>
        <translation>N negative, OV overflow, Z zero, DC digit carry, C carry</translation>
    </message>
    <message>
        <source>banque %1</source>
        <translation>bank %1</translation>
    </message>
    <message>
        <source>sommet : niveau %1</source>
        <translation>top: level %1</translation>
    </message>
    <message>
        <source>Registre</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Détail</source>
        <translation>Detail</translation>
    </message>
</context>
<context>
    <name>ModeleSfr</name>
    <message>
        <source>%1 (%2) = %3 = %4</source>
        <translation>%1 (%2) = %3 = %4</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Registre</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Bits 7…0</source>
        <translation>Bits 7…0</translation>
    </message>
</context>
<context>
    <name>Oscillo</name>
    <message>
        <source>Volts</source>
        <translation>Volts</translation>
    </message>
</context>
<context>
    <name>Rombo</name>
    <message>
        <source>Rombine</source>
        <translation>Rombine</translation>
    </message>
    <message>
        <source>Charger les données d&apos;une rombine</source>
        <translation>Load a Rombine&apos;s data</translation>
    </message>
    <message>
        <source>Sauvegarder les données d&apos;une rombine</source>
        <translation>Save a Rombine&apos;s data</translation>
    </message>
    <message>
        <source>Fiche jack</source>
        <translation>Jack plug</translation>
    </message>
    <message>
        <source>Configuration de la fiche jack</source>
        <translation>Jack plug settings</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Pin</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Normalement ouvert</source>
        <translation>Normally open</translation>
    </message>
    <message>
        <source>Normalement fermé</source>
        <translation>Normally closed</translation>
    </message>
    <message>
        <source>Schéma</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Pull-up</source>
        <translation>Pull-up</translation>
    </message>
    <message>
        <source>Pull-down</source>
        <translation>Pull-down</translation>
    </message>
    <message>
        <source>Résistance</source>
        <translation>Resistor</translation>
    </message>
    <message>
        <source> kOhms</source>
        <translation> kOhms</translation>
    </message>
    <message>
        <source>Schéma Jack enlevé</source>
        <translation>Circuit with the jack pulled out</translation>
    </message>
    <message>
        <source>NC</source>
        <translation>NC</translation>
    </message>
    <message>
        <source>Fin de course</source>
        <translation>End switch</translation>
    </message>
    <message>
        <source>Configuration du contact de fin de course</source>
        <translation>End-of-travel switch settings</translation>
    </message>
    <message>
        <source>Schéma contact inactif</source>
        <translation>Circuit with the switch at rest</translation>
    </message>
    <message>
        <source>Capteurs IR</source>
        <translation>IR sensors</translation>
    </message>
    <message>
        <source>Configuration des capteurs de ligne</source>
        <translation>Line sensor settings</translation>
    </message>
    <message>
        <source>Comparateur</source>
        <translation>Comparator</translation>
    </message>
    <message>
        <source>Sans</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Supérieur</source>
        <translation>Above</translation>
    </message>
    <message>
        <source>Inférieur</source>
        <translation>Below</translation>
    </message>
    <message>
        <source>Ajouter un capteur</source>
        <translation>Add a sensor</translation>
    </message>
    <message>
        <source>Supprimer ce capteur</source>
        <translation>Delete this sensor</translation>
    </message>
    <message>
        <source>Capteur précédent</source>
        <translation>Previous sensor</translation>
    </message>
    <message>
        <source>Capteur suivant</source>
        <translation>Next sensor</translation>
    </message>
    <message>
        <source>Hacheurs</source>
        <translation>H-bridges</translation>
    </message>
    <message>
        <source>Connexion des hacheurs</source>
        <translation>H-bridge connections</translation>
    </message>
    <message>
        <source>Pin RC2
(PWM1)</source>
        <translation>Pin RC2
(PWM1)</translation>
    </message>
    <message>
        <source>Échanger les connexions des moteurs</source>
        <translation>Swap the motors&apos; connections</translation>
    </message>
    <message>
        <source>Pin RC1
(PWM2)</source>
        <translation>Pin RC1
(PWM2)</translation>
    </message>
    <message>
        <source>GAUCHE</source>
        <translation>LEFT</translation>
    </message>
    <message>
        <source>DROIT</source>
        <translation>RIGHT</translation>
    </message>
    <message>
        <source>Ponts en H</source>
        <translation>H-bridges</translation>
    </message>
    <message>
        <source>Vf</source>
        <translation>Vf</translation>
    </message>
    <message>
        <source>Tension directe de diode</source>
        <translation>Diode forward voltage</translation>
    </message>
    <message>
        <source> V</source>
        <translation> V</translation>
    </message>
    <message>
        <source>Rdson</source>
        <translation>Rdson</translation>
    </message>
    <message>
        <source>R drain-source du transistor</source>
        <translation>Transistor drain-source resistance</translation>
    </message>
    <message>
        <source> Ohms</source>
        <translation> Ohms</translation>
    </message>
    <message>
        <source>Moteurs</source>
        <translation>Motors</translation>
    </message>
    <message>
        <source>Configuration des moteurs</source>
        <translation>Motor settings</translation>
    </message>
    <message>
        <source>Moteur gauche</source>
        <translation>Left motor</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source> mH</source>
        <translation> mH</translation>
    </message>
    <message>
        <source>Kphi</source>
        <translation>Kphi</translation>
    </message>
    <message>
        <source> mNm/A</source>
        <translation> mNm/A</translation>
    </message>
    <message>
        <source>I à vide</source>
        <translation>No-load I</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Inertie</source>
        <translation>Inertia</translation>
    </message>
    <message>
        <source> g.cm2</source>
        <translation> g.cm2</translation>
    </message>
    <message>
        <source>Moteurs réglés séparément</source>
        <translation>Motors set separately</translation>
    </message>
    <message>
        <source>Moteur droit</source>
        <translation>Right motor</translation>
    </message>
    <message>
        <source>Paramètres généraux</source>
        <translation>General parameters</translation>
    </message>
    <message>
        <source>Masse</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source> kg</source>
        <translation> kg</translation>
    </message>
    <message>
        <source>Voie</source>
        <translation>Track width</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Résistance au roulement</source>
        <translation>Rolling resistance</translation>
    </message>
    <message>
        <source>Diamètre d&apos;une roue</source>
        <translation>Wheel diameter</translation>
    </message>
    <message>
        <source>Tension de batterie</source>
        <translation>Battery voltage</translation>
    </message>
    <message>
        <source>Rapport de réduction</source>
        <translation>Gear ratio</translation>
    </message>
    <message>
        <source> : 1</source>
        <translation> : 1</translation>
    </message>
    <message>
        <source>Rendement de la transmission</source>
        <translation>Transmission efficiency</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Réflexion infrarouge</source>
        <translation>Infrared reflection</translation>
    </message>
    <message>
        <source>Moquette</source>
        <translation>Carpet</translation>
    </message>
    <message>
        <source>Scotch</source>
        <translation>Tape</translation>
    </message>
    <message>
        <source>Fiche jack : cliquer pour l&apos;enlever ou la remettre</source>
        <translation>Jack plug: click to pull it out or put it back</translation>
    </message>
    <message>
        <source>Vue de dessus</source>
        <translation>Top view</translation>
    </message>
    <message>
        <source>axes</source>
        <translation>axes</translation>
    </message>
    <message>
        <source>Paramètres électriques</source>
        <translation>Electrical parameters</translation>
    </message>
    <message>
        <source>Rd</source>
        <translation>Rd</translation>
    </message>
    <message>
        <source>Rt</source>
        <translation>Rt</translation>
    </message>
    <message>
        <source>Rc</source>
        <translation>Rc</translation>
    </message>
    <message>
        <source>Vseuil</source>
        <translation>Vth</translation>
    </message>
    <message>
        <source>Paramètres géométriques</source>
        <translation>Geometry</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>test sur ligne blanche</source>
        <translation>test over the white line</translation>
    </message>
    <message>
        <source>&lt;html&gt;V&lt;sub&gt;0&lt;/sub&gt; =&lt;/html&gt;</source>
        <translation>&lt;html&gt;V&lt;sub&gt;0&lt;/sub&gt; =&lt;/html&gt;</translation>
    </message>
    <message>
        <source>0,000 V</source>
        <translation>0.000 V</translation>
    </message>
    <message>
        <source>&lt;html&gt;V&lt;sub&gt;s&lt;/sub&gt; =&lt;/html&gt;</source>
        <translation>&lt;html&gt;V&lt;sub&gt;s&lt;/sub&gt; =&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Contact de fin de course : appuyer pour l&apos;actionner</source>
        <translation>End-of-travel switch: press to actuate it</translation>
    </message>
    <message>
        <source>Pin </source>
        <translation>Pin </translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire %1 : la rombine n&apos;est pas sauvegardée.</source>
        <translation>Cannot write %1: the Rombine is not saved.</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier de rombine lisible</source>
        <translation>it is not a readable Rombine file</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être lu</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>Impossible de charger %1 : %2. La rombine n&apos;a pas changé.</source>
        <translation>Cannot load %1: %2. The Rombine is unchanged.</translation>
    </message>
    <message>
        <source>Fichier RBO (*.rbo)</source>
        <translation>RBO file (*.rbo)</translation>
    </message>
    <message>
        <source>Rombine — %1</source>
        <translation>Rombine — %1</translation>
    </message>
</context>
</TS>
