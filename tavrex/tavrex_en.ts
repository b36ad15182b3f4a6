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
