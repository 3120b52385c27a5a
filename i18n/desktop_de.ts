<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>vantrel::MainWindow</name>
    <message>
        <source>Start with a totally new genepool (N)</source>
        <translation>Beginne mit einem ganz neuen Genpool (N)</translation>
    </message>
    <message>
        <source>Get an idea to create an organism</source>
        <translation>Hol dir eine Idee für einen neuen Organismus</translation>
    </message>
    <message>
        <source>Experiment with Vantrel</source>
        <translation>Experimentiere mit Vantrel</translation>
    </message>
    <message>
        <source>Health of organism</source>
        <translation>Gesundheit des Organismus</translation>
    </message>
    <message>
        <source>Feed this organism (F)</source>
        <translation>Füttere diesen Organismus (F)</translation>
    </message>
    <message>
        <source>Kill this organism (S)</source>
        <translation>Töte diesen Organismus (S)</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Erweiterte Optionen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>See the whole population (G)</source>
        <translation>Sieh dir die ganze Population an (G)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Open the lab notebook (L)</source>
        <translation>Öffne das Laborheft (L)</translation>
    </message>
    <message>
        <source>Lab</source>
        <translation>Labor</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Rückgängig (Strg+Z)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>Wiederholen (Strg+Umschalt+Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Start with</source>
        <translation>Beginnen mit</translation>
    </message>
    <message>
        <source>organisms</source>
        <translation>Organismen</translation>
    </message>
    <message>
        <source>Amount of creativity</source>
        <translation>Kreativität</translation>
    </message>
    <message>
        <source>Survival bonus</source>
        <translation>Überlebensbonus</translation>
    </message>
    <message>
        <source>Yet another</source>
        <translation>Noch eine</translation>
    </message>
    <message>
        <source>creation!</source>
        <translation>Schöpfung!</translation>
    </message>
    <message>
        <source>Vantrel Homepage</source>
        <translation>Vantrel-Homepage</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save picture as…</source>
        <translation>Bild speichern unter …</translation>
    </message>
    <message>
        <source>Family tree</source>
        <translation>Stammbaum</translation>
    </message>
    <message>
        <source>Get an idea to create an organism (I)</source>
        <translation>Hol dir eine Idee für einen neuen Organismus (I)</translation>
    </message>
    <message>
        <source>Experiment with Vantrel (E)</source>
        <translation>Experimentiere mit Vantrel (E)</translation>
    </message>
    <message>
        <source>Advanced options (A)</source>
        <translation>Erweiterte Optionen (A)</translation>
    </message>
    <message>
        <source>Open a table file (Ctrl+O)</source>
        <translation>Öffne eine Tabellendatei (Strg+O)</translation>
    </message>
    <message>
        <source>Save the table to a file (Ctrl+S)</source>
        <translation>Speichere die Tabelle in einer Datei (Strg+S)</translation>
    </message>
    <message>
        <source>Show the table in the spreadsheet (X)</source>
        <translation>Zeige die Tabelle in der Tabellenkalkulation (X)</translation>
    </message>
</context>
<context>
    <name>vantrel::PopulationWindow</name>
    <message>
        <source>Population</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>Picture size (Ctrl+wheel)</source>
        <translation>Bildgröße (Strg+Mausrad)</translation>
    </message>
    <message>
        <source>%L1 px</source>
        <translation>%L1 px</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save picture as…</source>
        <translation>Bild speichern unter …</translation>
    </message>
    <message>
        <source>Save all as one picture…</source>
        <translation>Alle als Gesamtbild speichern …</translation>
    </message>
    <message>
        <source>Save all as one picture</source>
        <translation>Alle als Gesamtbild speichern</translation>
    </message>
    <message>
        <source>Family tree</source>
        <translation>Stammbaum</translation>
    </message>
    <message numerus="yes">
        <source>%Ln organism(s)</source>
        <translation>
            <numerusform>%Ln Organismus</numerusform>
            <numerusform>%Ln Organismen</numerusform>
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
        <translation>Organismus</translation>
    </message>
</context>
<context>
    <name>OrganismPicture</name>
    <message>
        <source>Save picture as</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>Cannot save "%1": %2</source>
        <translation>„%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the SVG writer cannot be loaded: %1</source>
        <translation>der SVG-Schreiber kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>invisible</source>
        <translation>unsichtbar</translation>
    </message>
</context>
<context>
    <name>VantrelApplication</name>
    <message>
        <source>The lab notebook cannot be opened: %1</source>
        <translation>Das Laborheft kann nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>DesktopOpener</name>
    <message>
        <source>the opener was called wrongly</source>
        <translation>das Hilfsprogramm zum Öffnen wurde falsch aufgerufen</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>no application was found for it</source>
        <translation>es wurde kein Programm dafür gefunden</translation>
    </message>
    <message>
        <source>the application failed</source>
        <translation>das Programm meldete einen Fehler</translation>
    </message>
    <message>
        <source>the opener failed</source>
        <translation>das Hilfsprogramm zum Öffnen meldete einen Fehler</translation>
    </message>
    <message>
        <source>Cannot open %1 files: the program %2 was not found</source>
        <translation>%1-Dateien können nicht geöffnet werden: Das Programm %2 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>No application is registered to open %1 files (%2 was not found)</source>
        <translation>Kein Programm ist zum Öffnen von %1-Dateien eingetragen (%2 wurde nicht gefunden)</translation>
    </message>
    <message>
        <source>No application is registered to open %1 files (%2 gave no answer)</source>
        <translation>Kein Programm ist zum Öffnen von %1-Dateien eingetragen (%2 hat nicht geantwortet)</translation>
    </message>
    <message>
        <source>No application is registered to open %1 files</source>
        <translation>Kein Programm ist zum Öffnen von %1-Dateien eingetragen</translation>
    </message>
    <message>
        <source>The program %1 was not found</source>
        <translation>Das Programm %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>%1 stopped abnormally while opening %2</source>
        <translation>%1 ist beim Öffnen von %2 abgestürzt</translation>
    </message>
    <message>
        <source>%1 could not open %2: %3 (exit code %4)</source>
        <translation>%1 konnte %2 nicht öffnen: %3 (Exit-Code %4)</translation>
    </message>
</context>
<context>
    <name>XlsxSpreadsheet</name>
    <message>
        <source>The spreadsheet writer cannot be loaded: %1</source>
        <translation>Das Excel-Modul kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>Cannot create the folder "%1" for the workbook</source>
        <translation>Der Ordner „%1“ für die Arbeitsmappe kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot create a file in "%1": %2</source>
        <translation>In „%1“ kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>PluginLoader</name>
    <message>
        <source>%1: does not offer %2</source>
        <translation>%1: bietet %2 nicht an</translation>
    </message>
    <message>
        <source>the program's own folder cannot be found</source>
        <translation>der Ordner des Programms ist nicht zu finden</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1: not a plugin of this build of Vantrel</source>
        <translation>%1: kein Zusatzmodul dieses Vantrel-Builds</translation>
    </message>
</context>
</TS>
