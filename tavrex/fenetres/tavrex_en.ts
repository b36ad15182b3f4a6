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
        <source>&amp;Débogueur</source>
        <translation>&amp;Debugger</translation>
    </message>
    <message>
        <source>Alt+D</source>
        <translation>Alt+D</translation>
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
