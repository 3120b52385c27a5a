<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>vantrel::NotebookWindow</name>
    <message>
        <source> · started %1 %2 UTC</source>
        <translation> · gestart %1 %2 UTC</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Bereikt</translation>
    </message>
    <message>
        <source>Class results…</source>
        <translation>Klasresultaten…</translation>
    </message>
    <message>
        <source>Pool the runs files of a whole class</source>
        <translation>De rondebestanden van een hele klas samenvoegen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Export runs…</source>
        <translation>Rondes exporteren…</translation>
    </message>
    <message>
        <source>To spreadsheet</source>
        <translation>Naar spreadsheet</translation>
    </message>
    <message>
        <source>Run automatically…</source>
        <translation>Automatische rondes…</translation>
    </message>
    <message>
        <source>Lab notebook</source>
        <translation>Labschrift</translation>
    </message>
    <message>
        <source>This run</source>
        <translation>Deze ronde</translation>
    </message>
    <message>
        <source>Compare runs</source>
        <translation>Rondes vergelijken</translation>
    </message>
    <message>
        <source>Run automatically</source>
        <translation>Automatische rondes</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Gevoerd</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Gedood</translation>
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
        <source>On screen</source>
        <translation>Op het scherm</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Write every run to a CSV file (Ctrl+E)</source>
        <translation>Schrijf alle rondes naar een CSV-bestand (Ctrl+E)</translation>
    </message>
    <message>
        <source>Open the run table in the spreadsheet, as a workbook of its own</source>
        <translation>Open de rondetabel in het spreadsheetprogramma, als een eigen werkmap</translation>
    </message>
    <message>
        <source>Let the program play the goal many times over</source>
        <translation>Laat het programma het doel vele keren spelen</translation>
    </message>
    <message>
        <source>No run yet</source>
        <translation>Nog geen ronde</translation>
    </message>
    <message>
        <source>Run %1 · %2%3</source>
        <translation>Ronde %1 · %2%3</translation>
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
        <source>The program cannot judge these words: only you can end this run (Reached, key R).</source>
        <translation>Deze woorden kan het programma niet beoordelen: alleen jij kunt deze ronde beëindigen (Bereikt, toets R).</translation>
    </message>
    <message>
        <source>No organism the genes can make meets this goal: only you can end this run (Reached, key R).</source>
        <translation>Geen organisme dat de genen kunnen maken voldoet aan dit doel: alleen jij kunt deze ronde beëindigen (Bereikt, toets R).</translation>
    </message>
    <message>
        <source> (you)</source>
        <translation> (door jou)</translation>
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
        <source>Nothing to judge without a goal.</source>
        <translation>Zonder doel valt er niets te beoordelen.</translation>
    </message>
    <message>
        <source>The program judges none of its words.</source>
        <translation>Het programma beoordeelt geen van de woorden.</translation>
    </message>
</context>
<context>
    <name>vantrel::ClassResultsWindow</name>
    <message>
        <source>Class results</source>
        <translation>Klasresultaten</translation>
    </message>
    <message>
        <source>Choose runs files…</source>
        <translation>Rondebestanden kiezen…</translation>
    </message>
    <message>
        <source>Save summary</source>
        <translation>Samenvatting opslaan</translation>
    </message>
    <message>
        <source>Save pooled runs</source>
        <translation>Samengevoegde rondes opslaan</translation>
    </message>
    <message>
        <source>To spreadsheet</source>
        <translation>Naar spreadsheet</translation>
    </message>
    <message>
        <source>Choose runs files or drop them here.</source>
        <translation>Kies rondebestanden of sleep ze hierheen.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Overgeslagen</translation>
    </message>
    <message>
        <source>Files read: %1</source>
        <translation>Gelezen bestanden: %1</translation>
    </message>
    <message>
        <source>Choose runs files</source>
        <translation>Rondebestanden kiezen</translation>
    </message>
    <message>
        <source>CSV files (%1)</source>
        <translation>CSV-bestanden (%1)</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <translation>Tekstbestanden (%1)</translation>
    </message>
</context>
<context>
    <name>vantrel::AutoRunPanel</name>
    <message>
        <source>Colour</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensiteit</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Vorm</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Dikte</translation>
    </message>
    <message>
        <source>Line style</source>
        <translation>Lijnstijl</translation>
    </message>
    <message>
        <source>Spokes</source>
        <translation>Spaken</translation>
    </message>
    <message>
        <source>1 condition</source>
        <translation>1 conditie</translation>
    </message>
    <message numerus="yes">
        <source>%1 conditions</source>
        <translation>
            <numerusform>%1 conditie</numerusform>
            <numerusform>%1 condities</numerusform>
        </translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>any</source>
        <translation>maakt niet uit</translation>
    </message>
    <message>
        <source>Current idea</source>
        <translation>Huidig idee</translation>
    </message>
    <message>
        <source>Take the judged words of the current idea</source>
        <translation>Neem de beoordeelde woorden van het huidige idee over</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Condities</translation>
    </message>
    <message>
        <source>Population</source>
        <translation>Populatie</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Creativiteit</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Strictness</source>
        <translation>Strengheid</translation>
    </message>
    <message>
        <source>How often the judge goes by the goal: 0.9 shoots a hit or feeds a miss once in ten clicks</source>
        <translation>Hoe vaak de scheidsrechter zich aan het doel houdt: bij 0,9 doodt hij één keer per tien klikken een treffer of voert hij een misser</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Add these values as a condition of their own</source>
        <translation>Voeg deze waarden toe als een eigen conditie</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Rondes</translation>
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
        <source>Runs per condition</source>
        <translation>Rondes per conditie</translation>
    </message>
    <message>
        <source>Most clicks per run</source>
        <translation>Maximaal aantal klikken per ronde</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwaarde</translation>
    </message>
    <message>
        <source>pop %1 · creativity %2% · bonus %3 · strictness %4</source>
        <translation>pop. %1 · creativiteit %2% · bonus %3 · strengheid %4</translation>
    </message>
    <message>
        <source>Pick at least one word for the goal: the judge feeds what meets it and shoots the rest.</source>
        <translation>Kies minstens één woord voor het doel: de scheidsrechter voert wat eraan voldoet en doodt de rest.</translation>
    </message>
    <message>
        <source>No organism the genes can make meets this goal.</source>
        <translation>Geen organisme dat de genen kunnen maken voldoet aan dit doel.</translation>
    </message>
    <message>
        <source>Add at least one condition.</source>
        <translation>Voeg minstens één conditie toe.</translation>
    </message>
    <message numerus="yes">
        <source>%v of %m runs</source>
        <translation>
            <numerusform>%v van %m ronde</numerusform>
            <numerusform>%v van %m rondes</numerusform>
        </translation>
    </message>
    <message>
        <source>No runs</source>
        <translation>Geen rondes</translation>
    </message>
    <message>
        <source>Goal %1: %2 × %3 = %4 on %5.</source>
        <translation>Doel %1: %2 × %3 = %4 met %5.</translation>
    </message>
    <message numerus="yes">
        <source>%1 runs</source>
        <translation>
            <numerusform>%1 ronde</numerusform>
            <numerusform>%1 rondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 threads</source>
        <translation>
            <numerusform>%1 thread</numerusform>
            <numerusform>%1 threads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Playing %1 runs…</source>
        <translation>
            <numerusform>%1 ronde wordt gespeeld…</numerusform>
            <numerusform>%1 rondes worden gespeeld…</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Bezig met stoppen…</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %1 s: %2 of %3 runs finished.</source>
        <translation>
            <numerusform>Geannuleerd na %1 s: %2 van %3 ronde klaar.</numerusform>
            <numerusform>Geannuleerd na %1 s: %2 van %3 rondes klaar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 runs in %2 s.</source>
        <translation>
            <numerusform>%1 ronde in %2 s.</numerusform>
            <numerusform>%1 rondes in %2 s.</numerusform>
        </translation>
    </message>
    <message>
        <source> They joined the run table as runs %1 to %2.</source>
        <translation> Ze staan nu als rondes %1 tot en met %2 in de rondetabel.</translation>
    </message>
</context>
<context>
    <name>vantrel::RunComparisonView</name>
    <message>
        <source>Run %1%2</source>
        <translation>Ronde %1%2</translation>
    </message>
    <message>
        <source>pop %1 · cr %2%</source>
        <translation>pop. %1 · cr. %2%</translation>
    </message>
    <message>
        <source>bonus %1</source>
        <translation>bonus %1</translation>
    </message>
    <message>
        <source>no match</source>
        <translation>geen treffer</translation>
    </message>
    <message>
        <source>not stable</source>
        <translation>niet stabiel</translation>
    </message>
    <message>
        <source>clicks to first match</source>
        <translation>klikken tot de eerste treffer</translation>
    </message>
    <message>
        <source>clicks to stable</source>
        <translation>klikken tot stabiel</translation>
    </message>
    <message>
        <source>clicks</source>
        <translation>klikken</translation>
    </message>
    <message>
        <source>Finished runs by hand</source>
        <translation>Afgeronde rondes met de hand</translation>
    </message>
    <message>
        <source>No run is over yet. A run ends with a new gene pool, a load or a new idea, or when it is reached; then it shows here.</source>
        <translation>Er is nog geen ronde voorbij. Een ronde eindigt met een nieuwe genenpoel, het openen van een tabel of een nieuw idee, of wanneer hij bereikt is; dan verschijnt hij hier.</translation>
    </message>
    <message>
        <source>The last %1 of %2 runs by hand. Automatic runs are under “Run automatically”.</source>
        <translation>De laatste %1 van %2 rondes met de hand. Automatische rondes vind je onder “Automatische rondes”.</translation>
    </message>
    <message>
        <source>Runs by hand, oldest first. * a parameter changed during the run. Automatic runs are under “Run automatically”.</source>
        <translation>Rondes met de hand, oudste eerst. * Er veranderde een waarde tijdens de ronde. Automatische rondes vind je onder “Automatische rondes”.</translation>
    </message>
</context>
<context>
    <name>vantrel::RunCurveView</name>
    <message>
        <source>first match</source>
        <translation>eerste treffer</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>stabiel</translation>
    </message>
    <message>
        <source>Share meeting the goal (%)</source>
        <translation>Aandeel dat aan het doel voldoet (%)</translation>
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
</context>
<context>
    <name>vantrel::StableDistributionView</name>
    <message>
        <source>Condition %1</source>
        <translation>Conditie %1</translation>
    </message>
    <message>
        <source>%1/%2 stable</source>
        <translation>%1/%2 stabiel</translation>
    </message>
    <message>
        <source>clicks to stable</source>
        <translation>klikken tot stabiel</translation>
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
        <source>Comparison with condition 1</source>
        <translation>Vergelijking met conditie 1</translation>
    </message>
    <message>
        <source>With two conditions or more, each is compared here with the first.</source>
        <translation>Bij twee of meer condities wordt hier elke conditie met de eerste vergeleken.</translation>
    </message>
</context>
</TS>
