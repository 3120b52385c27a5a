<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>vantrel::MainWindow</name>
    <message>
        <source>Start with a totally new genepool (N)</source>
        <translation>Begin met een totaal nieuwe genenpoel (N)</translation>
    </message>
    <message>
        <source>Get an idea to create an organism</source>
        <translation>Vraag een idee voor een nieuw organisme</translation>
    </message>
    <message>
        <source>Experiment with Vantrel</source>
        <translation>Experimenteer met Vantrel</translation>
    </message>
    <message>
        <source>Health of organism</source>
        <translation>Gezondheid van het organisme</translation>
    </message>
    <message>
        <source>Feed this organism (F)</source>
        <translation>Voer dit organisme (F)</translation>
    </message>
    <message>
        <source>Kill this organism (S)</source>
        <translation>Dood dit organisme (S)</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Geavanceerde opties</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>See the whole population (G)</source>
        <translation>Bekijk de hele populatie (G)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Bekijken</translation>
    </message>
    <message>
        <source>Open the lab notebook (L)</source>
        <translation>Open het labschrift (L)</translation>
    </message>
    <message>
        <source>Lab</source>
        <translation>Lab</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Ongedaan maken (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>Opnieuw (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Start with</source>
        <translation>Beginnen met</translation>
    </message>
    <message>
        <source>organisms</source>
        <translation>organismen</translation>
    </message>
    <message>
        <source>Amount of creativity</source>
        <translation>Creativiteit</translation>
    </message>
    <message>
        <source>Survival bonus</source>
        <translation>Overlevingsbonus</translation>
    </message>
    <message>
        <source>Yet another</source>
        <translation>Weer een</translation>
    </message>
    <message>
        <source>creation!</source>
        <translation>creatie!</translation>
    </message>
    <message>
        <source>Vantrel Homepage</source>
        <translation>Vantrel-website</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Afbeelding kopiëren</translation>
    </message>
    <message>
        <source>Save picture as…</source>
        <translation>Afbeelding opslaan als…</translation>
    </message>
    <message>
        <source>Family tree</source>
        <translation>Stamboom</translation>
    </message>
    <message>
        <source>Get an idea to create an organism (I)</source>
        <translation>Vraag een idee voor een nieuw organisme (I)</translation>
    </message>
    <message>
        <source>Experiment with Vantrel (E)</source>
        <translation>Experimenteer met Vantrel (E)</translation>
    </message>
    <message>
        <source>Advanced options (A)</source>
        <translation>Geavanceerde opties (A)</translation>
    </message>
    <message>
        <source>Open a table file (Ctrl+O)</source>
        <translation>Open een tabelbestand (Ctrl+O)</translation>
    </message>
    <message>
        <source>Save the table to a file (Ctrl+S)</source>
        <translation>Sla de tabel op in een bestand (Ctrl+S)</translation>
    </message>
    <message>
        <source>Show the table in the spreadsheet (X)</source>
        <translation>Toon de tabel in het spreadsheetprogramma (X)</translation>
    </message>
</context>
<context>
    <name>vantrel::PopulationWindow</name>
    <message>
        <source>Population</source>
        <translation>Populatie</translation>
    </message>
    <message>
        <source>Picture size (Ctrl+wheel)</source>
        <translation>Afbeeldingsgrootte (Ctrl+scrollwiel)</translation>
    </message>
    <message>
        <source>%L1 px</source>
        <translation>%L1 px</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Afbeelding kopiëren</translation>
    </message>
    <message>
        <source>Save picture as…</source>
        <translation>Afbeelding opslaan als…</translation>
    </message>
    <message>
        <source>Save all as one picture…</source>
        <translation>Alles opslaan als overzichtsafbeelding…</translation>
    </message>
    <message>
        <source>Save all as one picture</source>
        <translation>Alles opslaan als overzichtsafbeelding</translation>
    </message>
    <message>
        <source>Family tree</source>
        <translation>Stamboom</translation>
    </message>
    <message numerus="yes">
        <source>%Ln organism(s)</source>
        <translation>
            <numerusform>%Ln organisme</numerusform>
            <numerusform>%Ln organismen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrel::OrganismTableView</name>
    <message>
        <source>Organisms</source>
        <translation>Organismen</translation>
    </message>
</context>
<context>
    <name>OrganismView</name>
    <message>
        <source>Organism</source>
        <translation>Organisme</translation>
    </message>
</context>
<context>
    <name>OrganismPicture</name>
    <message>
        <source>Save picture as</source>
        <translation>Afbeelding opslaan als</translation>
    </message>
    <message>
        <source>Cannot save "%1": %2</source>
        <translation>Kan “%1” niet opslaan: %2</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>het bestand kon niet worden geschreven</translation>
    </message>
    <message>
        <source>the SVG writer cannot be loaded: %1</source>
        <translation>de SVG-schrijver kan niet worden geladen: %1</translation>
    </message>
    <message>
        <source>invisible</source>
        <translation>onzichtbaar</translation>
    </message>
</context>
<context>
    <name>VantrelApplication</name>
    <message>
        <source>The lab notebook cannot be opened: %1</source>
        <translation>Het labschrift kan niet worden geopend: %1</translation>
    </message>
</context>
<context>
    <name>DesktopOpener</name>
    <message>
        <source>the opener was called wrongly</source>
        <translation>het hulpprogramma om bestanden te openen werd verkeerd aangeroepen</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>no application was found for it</source>
        <translation>er is geen programma voor gevonden</translation>
    </message>
    <message>
        <source>the application failed</source>
        <translation>het programma gaf een fout</translation>
    </message>
    <message>
        <source>the opener failed</source>
        <translation>het hulpprogramma om bestanden te openen gaf een fout</translation>
    </message>
    <message>
        <source>Cannot open %1 files: the program %2 was not found</source>
        <translation>Kan %1-bestanden niet openen: het programma %2 is niet gevonden</translation>
    </message>
    <message>
        <source>No application is registered to open %1 files (%2 was not found)</source>
        <translation>Er is geen programma ingesteld om %1-bestanden te openen (%2 is niet gevonden)</translation>
    </message>
    <message>
        <source>No application is registered to open %1 files (%2 gave no answer)</source>
        <translation>Er is geen programma ingesteld om %1-bestanden te openen (%2 gaf geen antwoord)</translation>
    </message>
    <message>
        <source>No application is registered to open %1 files</source>
        <translation>Er is geen programma ingesteld om %1-bestanden te openen</translation>
    </message>
    <message>
        <source>The program %1 was not found</source>
        <translation>Het programma %1 is niet gevonden</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>Kan %1 niet starten: %2</translation>
    </message>
    <message>
        <source>%1 stopped abnormally while opening %2</source>
        <translation>%1 is onverwacht gestopt bij het openen van %2</translation>
    </message>
    <message>
        <source>%1 could not open %2: %3 (exit code %4)</source>
        <translation>%1 kon %2 niet openen: %3 (afsluitcode %4)</translation>
    </message>
</context>
<context>
    <name>XlsxSpreadsheet</name>
    <message>
        <source>The spreadsheet writer cannot be loaded: %1</source>
        <translation>De Excel-module kan niet worden geladen: %1</translation>
    </message>
    <message>
        <source>Cannot create the folder "%1" for the workbook</source>
        <translation>Kan de map “%1” voor de werkmap niet maken</translation>
    </message>
    <message>
        <source>Cannot create a file in "%1": %2</source>
        <translation>Kan geen bestand maken in “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
</context>
<context>
    <name>PluginLoader</name>
    <message>
        <source>%1: does not offer %2</source>
        <translation>%1: biedt %2 niet aan</translation>
    </message>
    <message>
        <source>the program's own folder cannot be found</source>
        <translation>de map van het programma is niet te vinden</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 ontbreekt</translation>
    </message>
    <message>
        <source>%1: not a plugin of this build of Vantrel</source>
        <translation>%1: geen plug-in van deze versie van Vantrel</translation>
    </message>
</context>
</TS>
