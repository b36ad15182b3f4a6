<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>Apropos</name>
    <message>
        <source>A propos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p align=&quot;center&quot; style=&quot;font-size:14pt; font-weight:600;&quot;&gt;Simulateur de carte PIC&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;font-size:10pt;&quot;&gt;Version 1.04 (27/03/2013)&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;font-size:10pt;&quot;&gt;tavrex : la carte PIC18F4550 et le robot Rombine, simulés à 48 MHz.&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot;font-size:10pt;&quot;&gt;Logiciel libre écrit en C++ avec Qt.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Connexion</name>
    <message>
        <source>Connexion</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FenetreCarteMicro</name>
    <message>
        <source>Carte Microcontrôleur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programme chargé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisir un fichier...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recharger le fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alimentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contraste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ecran LCD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BP1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BP2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AN0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verrouiller BP1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verrouiller BP2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verrouiller BP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisir un fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier HEX (*.hex)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier illisible : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Programme chargé ; %n ligne(s) ignorée(s), non conforme(s) au format HEX</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FenetreOscillos</name>
    <message>
        <source>Oscilloscopes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FenetrePiste</name>
    <message>
        <source>Piste</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Simulateur de carte PIC v1.04</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temps simulé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facteur de ralentissement
1=temps réel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rapport réel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charge de calcul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affi&amp;chage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fe&amp;nêtres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ouvrir un programme...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recharger le programme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Barre de performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barre de vitesse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cascader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;rganiser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Micro-contrôleur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rombine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Piste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Oscilloscopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode simple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode complet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>À &amp;propos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rombo</name>
    <message>
        <source>Rombine</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
