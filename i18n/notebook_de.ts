<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>vantrel::NotebookWindow</name>
    <message>
        <source> · started %1 %2 UTC</source>
        <translation> · begonnen %1 %2 UTC</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Erreicht</translation>
    </message>
    <message>
        <source>Class results…</source>
        <translation>Klassenergebnisse …</translation>
    </message>
    <message>
        <source>Pool the runs files of a whole class</source>
        <translation>Die Dateien mit Durchgängen einer ganzen Klasse zusammenführen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Export runs…</source>
        <translation>Durchgänge exportieren …</translation>
    </message>
    <message>
        <source>To spreadsheet</source>
        <translation>In Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Run automatically…</source>
        <translation>Automatische Durchgänge …</translation>
    </message>
    <message>
        <source>Lab notebook</source>
        <translation>Laborheft</translation>
    </message>
    <message>
        <source>This run</source>
        <translation>Dieser Durchgang</translation>
    </message>
    <message>
        <source>Compare runs</source>
        <translation>Durchgänge vergleichen</translation>
    </message>
    <message>
        <source>Run automatically</source>
        <translation>Automatische Durchgänge</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Gefüttert</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Getötet</translation>
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
        <source>On screen</source>
        <translation>Auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Write every run to a CSV file (Ctrl+E)</source>
        <translation>Schreib alle Durchgänge in eine CSV-Datei (Strg+E)</translation>
    </message>
    <message>
        <source>Open the run table in the spreadsheet, as a workbook of its own</source>
        <translation>Öffne die Tabelle der Durchgänge in der Tabellenkalkulation, als eigene Arbeitsmappe</translation>
    </message>
    <message>
        <source>Let the program play the goal many times over</source>
        <translation>Lass das Programm das Ziel viele Male durchspielen</translation>
    </message>
    <message>
        <source>No run yet</source>
        <translation>Noch kein Durchgang</translation>
    </message>
    <message>
        <source>Run %1 · %2%3</source>
        <translation>Durchgang %1 · %2%3</translation>
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
        <source>The program cannot judge these words: only you can end this run (Reached, key R).</source>
        <translation>Diese Wörter kann das Programm nicht beurteilen: Nur du kannst diesen Durchgang beenden (Erreicht, Taste R).</translation>
    </message>
    <message>
        <source>No organism the genes can make meets this goal: only you can end this run (Reached, key R).</source>
        <translation>Kein Organismus, den die Gene bilden können, erfüllt dieses Ziel: Nur du kannst diesen Durchgang beenden (Erreicht, Taste R).</translation>
    </message>
    <message>
        <source> (you)</source>
        <translation> (von dir)</translation>
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
        <source>Nothing to judge without a goal.</source>
        <translation>Ohne Ziel gibt es nichts zu beurteilen.</translation>
    </message>
    <message>
        <source>The program judges none of its words.</source>
        <translation>Das Programm beurteilt keines seiner Wörter.</translation>
    </message>
</context>
<context>
    <name>vantrel::ClassResultsWindow</name>
    <message>
        <source>Class results</source>
        <translation>Klassenergebnisse</translation>
    </message>
    <message>
        <source>Choose runs files…</source>
        <translation>Dateien mit Durchgängen wählen …</translation>
    </message>
    <message>
        <source>Save summary</source>
        <translation>Zusammenfassung speichern</translation>
    </message>
    <message>
        <source>Save pooled runs</source>
        <translation>Zusammengeführte Durchgänge speichern</translation>
    </message>
    <message>
        <source>To spreadsheet</source>
        <translation>In Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Choose runs files or drop them here.</source>
        <translation>Wähle Dateien mit Durchgängen oder zieh sie hierher.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Files read: %1</source>
        <translation>Gelesene Dateien: %1</translation>
    </message>
    <message>
        <source>Choose runs files</source>
        <translation>Dateien mit Durchgängen wählen</translation>
    </message>
    <message>
        <source>CSV files (%1)</source>
        <translation>CSV-Dateien (%1)</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <translation>Textdateien (%1)</translation>
    </message>
</context>
<context>
    <name>vantrel::AutoRunPanel</name>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensität</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Dicke</translation>
    </message>
    <message>
        <source>Line style</source>
        <translation>Linienart</translation>
    </message>
    <message>
        <source>Spokes</source>
        <translation>Speichen</translation>
    </message>
    <message>
        <source>1 condition</source>
        <translation>1 Bedingung</translation>
    </message>
    <message numerus="yes">
        <source>%1 conditions</source>
        <translation>
            <numerusform>%1 Bedingung</numerusform>
            <numerusform>%1 Bedingungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>Current idea</source>
        <translation>Aktuelle Idee</translation>
    </message>
    <message>
        <source>Take the judged words of the current idea</source>
        <translation>Übernimm die beurteilten Wörter der aktuellen Idee</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativität</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Strictness</source>
        <translation>Strenge</translation>
    </message>
    <message>
        <source>How often the judge goes by the goal: 0.9 shoots a hit or feeds a miss once in ten clicks</source>
        <translation>Wie oft sich der Schiedsrichter an das Ziel hält: Bei 0,9 tötet er einmal in zehn Klicks einen Treffer oder füttert einen Fehlgriff</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add these values as a condition of their own</source>
        <translation>Füge diese Werte als eigene Bedingung hinzu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Durchgänge</translation>
    </message>
    <message>
        <source>A run that is not stable by then counts as not reached</source>
        <translation>Ein Durchgang, der bis dahin nicht stabil ist, gilt als nicht erreicht</translation>
    </message>
    <message>
        <source>The same seed and choices give the same runs</source>
        <translation>Derselbe Startwert und dieselbe Auswahl ergeben dieselben Durchgänge</translation>
    </message>
    <message>
        <source>Runs per condition</source>
        <translation>Durchgänge je Bedingung</translation>
    </message>
    <message>
        <source>Most clicks per run</source>
        <translation>Höchstzahl an Klicks je Durchgang</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>pop %1 · creativity %2% · bonus %3 · strictness %4</source>
        <translation>Pop. %1 · Kreativität %2 % · Bonus %3 · Strenge %4</translation>
    </message>
    <message>
        <source>Pick at least one word for the goal: the judge feeds what meets it and shoots the rest.</source>
        <translation>Wähle mindestens ein Wort für das Ziel: Der Schiedsrichter füttert, was es erfüllt, und tötet den Rest.</translation>
    </message>
    <message>
        <source>No organism the genes can make meets this goal.</source>
        <translation>Kein Organismus, den die Gene bilden können, erfüllt dieses Ziel.</translation>
    </message>
    <message>
        <source>Add at least one condition.</source>
        <translation>Füge mindestens eine Bedingung hinzu.</translation>
    </message>
    <message numerus="yes">
        <source>%v of %m runs</source>
        <translation>
            <numerusform>%v von %m Durchgang</numerusform>
            <numerusform>%v von %m Durchgängen</numerusform>
        </translation>
    </message>
    <message>
        <source>No runs</source>
        <translation>Keine Durchgänge</translation>
    </message>
    <message>
        <source>Goal %1: %2 × %3 = %4 on %5.</source>
        <translation>Ziel %1: %2 × %3 = %4 mit %5.</translation>
    </message>
    <message numerus="yes">
        <source>%1 runs</source>
        <translation>
            <numerusform>%1 Durchgang</numerusform>
            <numerusform>%1 Durchgänge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 threads</source>
        <translation>
            <numerusform>%1 Thread</numerusform>
            <numerusform>%1 Threads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Playing %1 runs…</source>
        <translation>
            <numerusform>%1 Durchgang läuft …</numerusform>
            <numerusform>%1 Durchgänge laufen …</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Wird angehalten …</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %1 s: %2 of %3 runs finished.</source>
        <translation>
            <numerusform>Nach %1 s abgebrochen: %2 von %3 Durchgang fertig.</numerusform>
            <numerusform>Nach %1 s abgebrochen: %2 von %3 Durchgängen fertig.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 runs in %2 s.</source>
        <translation>
            <numerusform>%1 Durchgang in %2 s.</numerusform>
            <numerusform>%1 Durchgänge in %2 s.</numerusform>
        </translation>
    </message>
    <message>
        <source> They joined the run table as runs %1 to %2.</source>
        <translation> Sie stehen jetzt als Durchgänge %1 bis %2 in der Tabelle der Durchgänge.</translation>
    </message>
</context>
<context>
    <name>vantrel::RunComparisonView</name>
    <message>
        <source>Run %1%2</source>
        <translation>Durchgang %1%2</translation>
    </message>
    <message>
        <source>pop %1 · cr %2%</source>
        <translation>Pop. %1 · Kr. %2 %</translation>
    </message>
    <message>
        <source>bonus %1</source>
        <translation>Bonus %1</translation>
    </message>
    <message>
        <source>no match</source>
        <translation>kein Treffer</translation>
    </message>
    <message>
        <source>not stable</source>
        <translation>nicht stabil</translation>
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
        <source>clicks</source>
        <translation>Klicks</translation>
    </message>
    <message>
        <source>Finished runs by hand</source>
        <translation>Beendete Durchgänge von Hand</translation>
    </message>
    <message>
        <source>No run is over yet. A run ends with a new gene pool, a load or a new idea, or when it is reached; then it shows here.</source>
        <translation>Noch ist kein Durchgang vorbei. Ein Durchgang endet mit einem neuen Genpool, beim Öffnen einer Tabelle oder mit einer neuen Idee, oder wenn er erreicht ist; dann erscheint er hier.</translation>
    </message>
    <message>
        <source>The last %1 of %2 runs by hand. Automatic runs are under “Run automatically”.</source>
        <translation>Die letzten %1 von %2 Durchgängen von Hand. Automatische Durchgänge findest du unter „Automatische Durchgänge“.</translation>
    </message>
    <message>
        <source>Runs by hand, oldest first. * a parameter changed during the run. Automatic runs are under “Run automatically”.</source>
        <translation>Durchgänge von Hand, älteste zuerst. * Ein Wert wurde während des Durchgangs geändert. Automatische Durchgänge findest du unter „Automatische Durchgänge“.</translation>
    </message>
</context>
<context>
    <name>vantrel::RunCurveView</name>
    <message>
        <source>first match</source>
        <translation>erster Treffer</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>stabil</translation>
    </message>
    <message>
        <source>Share meeting the goal (%)</source>
        <translation>Anteil, der das Ziel erfüllt (%)</translation>
    </message>
    <message>
        <source>Distinct DNA strings</source>
        <translation>Verschiedene DNA-Ketten</translation>
    </message>
    <message>
        <source>Mean diversity (bits per DNA digit)</source>
        <translation>Mittlere Vielfalt (Bit je DNA-Ziffer)</translation>
    </message>
    <message>
        <source>clicks</source>
        <translation>Klicks</translation>
    </message>
</context>
<context>
    <name>vantrel::StableDistributionView</name>
    <message>
        <source>Condition %1</source>
        <translation>Bedingung %1</translation>
    </message>
    <message>
        <source>%1/%2 stable</source>
        <translation>%1/%2 stabil</translation>
    </message>
    <message>
        <source>clicks to stable</source>
        <translation>Klicks bis stabil</translation>
    </message>
    <message>
        <source>Clicks to stable per condition (automatic runs)</source>
        <translation>Klicks bis stabil je Bedingung (automatische Durchgänge)</translation>
    </message>
    <message>
        <source>No automatic runs yet: choose a goal and the conditions, then press Run.</source>
        <translation>Noch keine automatischen Durchgänge: Wähle ein Ziel und die Bedingungen, dann drück auf Starten.</translation>
    </message>
    <message>
        <source>Comparison with condition 1</source>
        <translation>Vergleich mit Bedingung 1</translation>
    </message>
    <message>
        <source>With two conditions or more, each is compared here with the first.</source>
        <translation>Bei zwei oder mehr Bedingungen wird hier jede mit der ersten verglichen.</translation>
    </message>
</context>
</TS>
