<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Page</name>
    <message>
        <source>Start with a totally new genepool (N)</source>
        <translation>Beginne mit einem ganz neuen Genpool (N)</translation>
    </message>
    <message>
        <source>Get an idea to create an organism</source>
        <translation>Hol dir eine Idee für einen Organismus</translation>
    </message>
    <message>
        <source>Experiment with Vantrel</source>
        <translation>Experimentiere mit Vantrel</translation>
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
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Rückgängig (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>Wiederholen (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Health of organism</source>
        <translation>Gesundheit des Organismus</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
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
        <translation>Kreation!</translation>
    </message>
    <message>
        <source>Vantrel Homepage</source>
        <translation>Vantrel-Homepage</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Picture size (Ctrl+wheel)</source>
        <translation>Bildgröße (Ctrl+Mausrad)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Family tree</source>
        <translation>Stammbaum</translation>
    </message>
    <message>
        <source>Lab</source>
        <translation>Labor</translation>
    </message>
    <message>
        <source>Open the lab notebook (L)</source>
        <translation>Öffne das Laborheft (L)</translation>
    </message>
    <message>
        <source>Lab notebook</source>
        <translation>Laborheft</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>No run yet</source>
        <translation>Noch kein Durchgang</translation>
    </message>
    <message>
        <source>by hand</source>
        <translation>von Hand</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>No goal: press the light bulb for an idea.</source>
        <translation>Kein Ziel: Drück auf die Glühbirne für eine Idee.</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Fütterungen</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>Clicks</source>
        <translation>Klicks</translation>
    </message>
    <message>
        <source>First match</source>
        <translation>Erster Treffer</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Stabil</translation>
    </message>
    <message>
        <source> (you)</source>
        <translation> (du)</translation>
    </message>
    <message>
        <source>On screen</source>
        <translation>Auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Nothing to judge without a goal.</source>
        <translation>Ohne Ziel gibt es nichts zu beurteilen.</translation>
    </message>
    <message>
        <source>The program judges none of its words.</source>
        <translation>Das Programm beurteilt keines seiner Wörter.</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Erreicht</translation>
    </message>
    <message>
        <source>Say the goal is reached at this click (R)</source>
        <translation>Sag, dass das Ziel bei diesem Klick erreicht ist (R)</translation>
    </message>
    <message>
        <source>No goal to reach: press the light bulb for an idea first</source>
        <translation>Kein Ziel zu erreichen: Drück zuerst auf die Glühbirne für eine Idee</translation>
    </message>
    <message>
        <source>Export runs…</source>
        <translation>Durchgänge exportieren…</translation>
    </message>
    <message>
        <source>Write every run to a CSV file (Ctrl+E)</source>
        <translation>Schreib alle Durchgänge in eine CSV-Datei (Ctrl+E)</translation>
    </message>
    <message>
        <source>To spreadsheet</source>
        <translation>In die Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Open the run table in the spreadsheet, as a workbook of its own</source>
        <translation>Öffne die Tabelle der Durchgänge in der Tabellenkalkulation, als eigene Arbeitsmappe</translation>
    </message>
    <message>
        <source>This run</source>
        <translation>Dieser Durchgang</translation>
    </message>
    <message>
        <source>Share meeting the goal (%)</source>
        <translation>Anteil, der das Ziel erfüllt (%)</translation>
    </message>
    <message>
        <source>Distinct DNA strings</source>
        <translation>Verschiedene DNA-Folgen</translation>
    </message>
    <message>
        <source>Mean diversity (bits per DNA digit)</source>
        <translation>Mittlere Vielfalt (Bits pro DNA-Ziffer)</translation>
    </message>
    <message>
        <source>clicks</source>
        <translation>Klicks</translation>
    </message>
    <message>
        <source>first match</source>
        <translation>erster Treffer</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>stabil</translation>
    </message>
    <message>
        <source>Compare runs</source>
        <translation>Durchgänge vergleichen</translation>
    </message>
    <message>
        <source>Finished runs by hand</source>
        <translation>Beendete Durchgänge von Hand</translation>
    </message>
    <message>
        <source>clicks to first match</source>
        <translation>Klicks bis zum ersten Treffer</translation>
    </message>
    <message>
        <source>clicks to stable</source>
        <translation>Klicks bis stabil</translation>
    </message>
    <message>
        <source>pop</source>
        <translation>Pop.</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Run automatically…</source>
        <translation>Automatisch durchführen…</translation>
    </message>
    <message>
        <source>Run automatically</source>
        <translation>Automatisch durchführen</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>A run that is not stable by then counts as not reached</source>
        <translation>Ein Durchgang, der bis dahin nicht stabil ist, zählt als nicht erreicht</translation>
    </message>
    <message>
        <source>The same seed and choices give the same runs</source>
        <translation>Derselbe Startwert und dieselben Einstellungen ergeben dieselben Durchgänge</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Playing %1 runs…</source>
        <translation>%1 Durchgänge laufen…</translation>
    </message>
    <message>
        <source>%1 runs in %2 s.</source>
        <translation>%1 Durchgänge in %2 s.</translation>
    </message>
    <message>
        <source>Cancelled after %1 s: %2 of %3 runs finished.</source>
        <translation>Nach %1 s abgebrochen: %2 von %3 Durchgängen fertig.</translation>
    </message>
    <message>
        <source>Clicks to stable per condition (automatic runs)</source>
        <translation>Klicks bis stabil pro Bedingung (automatische Durchgänge)</translation>
    </message>
    <message>
        <source>No automatic runs yet: choose a goal and the conditions, then press Run.</source>
        <translation>Noch keine automatischen Durchgänge: Wähle ein Ziel und die Bedingungen, dann drück auf Starten.</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save picture as…</source>
        <translation>Bild speichern unter…</translation>
    </message>
    <message>
        <source>Save all as one picture…</source>
        <translation>Alle als ein Gesamtbild speichern…</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>Save all as one picture</source>
        <translation>Alle als ein Gesamtbild speichern</translation>
    </message>
    <message>
        <source>invisible</source>
        <translation>unsichtbar</translation>
    </message>
</context>
</TS>
