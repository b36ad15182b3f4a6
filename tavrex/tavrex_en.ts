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
    <message>
        <source>Fichier illisible : %1</source>
        <translation>Cannot read the file: %1</translation>
    </message>
    <message numerus="yes">
        <source>Programme chargé ; %n ligne(s) ignorée(s), non conforme(s) au format HEX</source>
        <translation>
            <numerusform>Program loaded; %n line skipped, not in HEX format</numerusform>
            <numerusform>Program loaded; %n lines skipped, not in HEX format</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FenetreOscillos</name>
    <message>
        <source>Oscilloscopes</source>
        <translation>Oscilloscopes</translation>
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
</context>
<context>
    <name>Rombo</name>
    <message>
        <source>Rombine</source>
        <translation>Rombine</translation>
    </message>
</context>
</TS>
