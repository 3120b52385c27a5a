<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Page</name>
    <message>
        <source>Start with a totally new genepool (N)</source>
        <translation>Begin met een totaal nieuwe genenpoel (N)</translation>
    </message>
    <message>
        <source>Get an idea to create an organism</source>
        <translation>Krijg een idee om een organisme te maken</translation>
    </message>
    <message>
        <source>Experiment with Vantrel</source>
        <translation>Experimenteer met Vantrel</translation>
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
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Ongedaan maken (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z)</source>
        <translation>Opnieuw (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Health of organism</source>
        <translation>Gezondheid van het organisme</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
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
        <translation>Vantrel-homepage</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Bekijken</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Populatie</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Picture size (Ctrl+wheel)</source>
        <translation>Afbeeldingsgrootte (Ctrl+scrollwiel)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Family tree</source>
        <translation>Stamboom</translation>
    </message>
    <message>
        <source>Lab</source>
        <translation>Lab</translation>
    </message>
    <message>
        <source>Open the lab notebook (L)</source>
        <translation>Open het labschrift (L)</translation>
    </message>
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
        <source>pop</source>
        <translation>pop.</translation>
    </message>
    <message>
        <source>bonus</source>
        <translation>bonus</translation>
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
        <translation>Alles als één overzichtsafbeelding opslaan…</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>Afbeelding opslaan als</translation>
    </message>
    <message>
        <source>Save all as one picture</source>
        <translation>Alles als één overzichtsafbeelding opslaan</translation>
    </message>
    <message>
        <source>invisible</source>
        <translation>onzichtbaar</translation>
    </message>
</context>
</TS>
