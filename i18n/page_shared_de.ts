<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Page</name>
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
</context>
</TS>
