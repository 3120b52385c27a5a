<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Page</name>
    <message>
        <source>Lab notebook</source>
        <translation>Labschrift</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>No run yet</source>
        <translation>Nog geen ronde</translation>
    </message>
    <message>
        <source>by hand</source>
        <translation>met de hand</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>No goal: press the light bulb for an idea.</source>
        <translation>Geen doel: druk op het lampje voor een idee.</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Voerbeurten</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schoten</translation>
    </message>
    <message>
        <source>Clicks</source>
        <translation>Klikken</translation>
    </message>
    <message>
        <source>First match</source>
        <translation>Eerste treffer</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Stabiel</translation>
    </message>
    <message>
        <source> (you)</source>
        <translation> (jij)</translation>
    </message>
    <message>
        <source>On screen</source>
        <translation>Op het scherm</translation>
    </message>
    <message>
        <source>Nothing to judge without a goal.</source>
        <translation>Zonder doel valt er niets te beoordelen.</translation>
    </message>
    <message>
        <source>The program judges none of its words.</source>
        <translation>Het programma beoordeelt geen van zijn woorden.</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Bereikt</translation>
    </message>
    <message>
        <source>Say the goal is reached at this click (R)</source>
        <translation>Zeg dat het doel bij deze klik bereikt is (R)</translation>
    </message>
    <message>
        <source>No goal to reach: press the light bulb for an idea first</source>
        <translation>Geen doel om te bereiken: druk eerst op het lampje voor een idee</translation>
    </message>
    <message>
        <source>Export runs…</source>
        <translation>Rondes exporteren…</translation>
    </message>
    <message>
        <source>Write every run to a CSV file (Ctrl+E)</source>
        <translation>Schrijf alle rondes naar een CSV-bestand (Ctrl+E)</translation>
    </message>
    <message>
        <source>To spreadsheet</source>
        <translation>Naar spreadsheet</translation>
    </message>
    <message>
        <source>Open the run table in the spreadsheet, as a workbook of its own</source>
        <translation>Open de rondetabel in het spreadsheetprogramma, als eigen werkmap</translation>
    </message>
    <message>
        <source>This run</source>
        <translation>Deze ronde</translation>
    </message>
    <message>
        <source>Share meeting the goal (%)</source>
        <translation>Aandeel dat het doel haalt (%)</translation>
    </message>
    <message>
        <source>Distinct DNA strings</source>
        <translation>Verschillende DNA-reeksen</translation>
    </message>
    <message>
        <source>Mean diversity (bits per DNA digit)</source>
        <translation>Gemiddelde diversiteit (bits per DNA-cijfer)</translation>
    </message>
    <message>
        <source>clicks</source>
        <translation>klikken</translation>
    </message>
    <message>
        <source>first match</source>
        <translation>eerste treffer</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>stabiel</translation>
    </message>
    <message>
        <source>Compare runs</source>
        <translation>Rondes vergelijken</translation>
    </message>
    <message>
        <source>Finished runs by hand</source>
        <translation>Afgeronde rondes met de hand</translation>
    </message>
    <message>
        <source>clicks to first match</source>
        <translation>klikken tot eerste treffer</translation>
    </message>
    <message>
        <source>clicks to stable</source>
        <translation>klikken tot stabiel</translation>
    </message>
    <message>
        <source>Run automatically…</source>
        <translation>Automatisch uitvoeren…</translation>
    </message>
    <message>
        <source>Run automatically</source>
        <translation>Automatisch uitvoeren</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Condities</translation>
    </message>
    <message>
        <source>A run that is not stable by then counts as not reached</source>
        <translation>Een ronde die dan nog niet stabiel is, telt als niet bereikt</translation>
    </message>
    <message>
        <source>The same seed and choices give the same runs</source>
        <translation>Dezelfde startwaarde en keuzes geven dezelfde rondes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Playing %1 runs…</source>
        <translation>%1 rondes worden gespeeld…</translation>
    </message>
    <message>
        <source>%1 runs in %2 s.</source>
        <translation>%1 rondes in %2 s.</translation>
    </message>
    <message>
        <source>Cancelled after %1 s: %2 of %3 runs finished.</source>
        <translation>Geannuleerd na %1 s: %2 van %3 rondes klaar.</translation>
    </message>
    <message>
        <source>Clicks to stable per condition (automatic runs)</source>
        <translation>Klikken tot stabiel per conditie (automatische rondes)</translation>
    </message>
    <message>
        <source>No automatic runs yet: choose a goal and the conditions, then press Run.</source>
        <translation>Nog geen automatische rondes: kies een doel en de condities en druk dan op Starten.</translation>
    </message>
</context>
</TS>
