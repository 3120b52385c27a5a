<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Page</name>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Nederlands</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Idea</source>
        <translation>Idee</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Voeren</translation>
    </message>
    <message>
        <source>Kill</source>
        <translation>Doden</translation>
    </message>
    <message>
        <source>The organism shown</source>
        <translation>Het getoonde organisme</translation>
    </message>
    <message>
        <source>No organism</source>
        <translation>Geen organisme</translation>
    </message>
    <message>
        <source>The organisms</source>
        <translation>De organismen</translation>
    </message>
    <message>
        <source>(opens in a new tab)</source>
        <translation>(opent in een nieuw tabblad)</translation>
    </message>
    <message>
        <source>Drop the table file to open it</source>
        <translation>Laat het tabelbestand hier los om het te openen</translation>
    </message>
    <message>
        <source>Drop to open the first of these files</source>
        <translation>Laat los om het eerste van deze bestanden te openen</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>%1 wordt geopend…</translation>
    </message>
    <message>
        <source>File %1 is too large to open here: the page opens table files of up to %2 MB.</source>
        <translation>Het bestand %1 is te groot om hier te openen: de pagina opent tabelbestanden tot %2 MB.</translation>
    </message>
    <message>
        <source>View the whole population (G)</source>
        <translation>Bekijk de hele populatie (G)</translation>
    </message>
    <message>
        <source>The organisms’ pictures</source>
        <translation>De afbeeldingen van de organismen</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Afbeeldingsgrootte</translation>
    </message>
    <message>
        <source>Show the family tree (T)</source>
        <translation>Toon de stamboom (T)</translation>
    </message>
    <message>
        <source>The organism and its ancestors</source>
        <translation>Het organisme en zijn voorouders</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Delen…</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>This address holds the population and its parameters. Whoever opens it can breed on from here.</source>
        <translation>Dit adres bevat de populatie en haar parameters. Wie het opent, kan vanaf hier verder kweken.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Copied.</source>
        <translation>Gekopieerd.</translation>
    </message>
    <message>
        <source>The address could not be copied: select it and copy it yourself.</source>
        <translation>Het adres kon niet worden gekopieerd: selecteer het en kopieer het zelf.</translation>
    </message>
    <message>
        <source>This population is too large for a link. Use Save instead.</source>
        <translation>Deze populatie is te groot voor een link. Gebruik in plaats daarvan Opslaan.</translation>
    </message>
    <message>
        <source>This link does not hold a Vantrel population.</source>
        <translation>Deze link bevat geen Vantrel-populatie.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>started</source>
        <translation>gestart</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>met</source>
        <translation>gehaald</translation>
    </message>
    <message>
        <source>not met</source>
        <translation>niet gehaald</translation>
    </message>
    <message>
        <source>click</source>
        <translation>klik</translation>
    </message>
    <message>
        <source>%1 at click %2</source>
        <translation>%1 bij klik %2</translation>
    </message>
    <message>
        <source>from %1 at click %2 to %3 at click %4</source>
        <translation>van %1 bij klik %2 tot %3 bij klik %4</translation>
    </message>
    <message>
        <source>The numbers</source>
        <translation>De getallen</translation>
    </message>
    <message>
        <source>cr</source>
        <translation>cr.</translation>
    </message>
    <message>
        <source>Goal (--goal), one per line</source>
        <translation>Doel (--goal), één per regel</translation>
    </message>
    <message>
        <source>Population (--population)</source>
        <translation>Populatie (--population)</translation>
    </message>
    <message>
        <source>Creativity (--creativity)</source>
        <translation>Creativiteit (--creativity)</translation>
    </message>
    <message>
        <source>Bonus (--bonus)</source>
        <translation>Bonus (--bonus)</translation>
    </message>
    <message>
        <source>Strictness (--strictness)</source>
        <translation>Strengheid (--strictness)</translation>
    </message>
    <message>
        <source>Several values separated by commas make a condition each</source>
        <translation>Meerdere waarden, gescheiden door komma's, vormen elk een conditie</translation>
    </message>
    <message>
        <source>Learner after clicks (--learner)</source>
        <translation>Leerling na klikken (--learner)</translation>
    </message>
    <message>
        <source>The judge's clicks before a learner trained on them plays on alone: a condition each, 0 for none; empty for no learner</source>
        <translation>Klikken van de scheidsrechter voordat een leerling die erop getraind is alleen verder speelt: elk een conditie, 0 voor geen; leeg voor geen leerling</translation>
    </message>
    <message>
        <source>Runs per condition (--runs)</source>
        <translation>Rondes per conditie (--runs)</translation>
    </message>
    <message>
        <source>Most clicks per run (--max-clicks)</source>
        <translation>Maximaal aantal klikken per ronde (--max-clicks)</translation>
    </message>
    <message>
        <source>Seed (--seed)</source>
        <translation>Startwaarde (--seed)</translation>
    </message>
    <message>
        <source>Warm-up goal (--warmup-goal)</source>
        <translation>Opwarmdoel (--warmup-goal)</translation>
    </message>
    <message>
        <source>Warm-up clicks (--warmup-clicks)</source>
        <translation>Opwarmklikken (--warmup-clicks)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 runs</source>
        <translation>
            <numerusform>%1 van %2 ronde</numerusform>
            <numerusform>%1 van %2 rondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Goal %1: %2 × %3 runs = %4 runs on %5 threads.</source>
        <translation>Doel %1: %2 × %3 rondes = %4 rondes op %5 threads.</translation>
    </message>
    <message>
        <source>A worker stopped: %1</source>
        <translation>Een achtergrondproces is gestopt: %1</translation>
    </message>
    <message>
        <source>Condition %1: %2 of %3 runs stable, clicks %4 (fewest / q1 / median / q3 / most)</source>
        <translation>Conditie %1: %2 van %3 rondes stabiel, klikken %4 (minste / q1 / mediaan / q3 / meeste)</translation>
    </message>
    <message>
        <source>Condition %1: %2 of %3 runs stable</source>
        <translation>Conditie %1: %2 van %3 rondes stabiel</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>They joined the run table as runs %1 to %2.</source>
        <translation>Ze staan nu als rondes %1 tot en met %2 in de rondetabel.</translation>
    </message>
    <message>
        <source>It joined the run table as run %1.</source>
        <translation>Hij staat nu als ronde %1 in de rondetabel.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formaat</translation>
    </message>
    <message>
        <source>The picture could not be copied:</source>
        <translation>De afbeelding kon niet worden gekopieerd:</translation>
    </message>
    <message>
        <source>The browser could not make a PNG image.</source>
        <translation>De browser kon geen PNG-afbeelding maken.</translation>
    </message>
    <message>
        <source>this browser’s storage</source>
        <translation>de opslag van deze browser</translation>
    </message>
    <message>
        <source>the browser refused it</source>
        <translation>de browser weigerde het</translation>
    </message>
    <message>
        <source>of the run started %1</source>
        <translation>van de sessie van %1</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Restore the population of the last program run (Alt+Shift+R)</source>
        <translation>Herstel de populatie van de vorige sessie van het programma (Alt+Shift+R)</translation>
    </message>
    <message numerus="yes">
        <source>%n conditions</source>
        <translation>
            <numerusform>%n conditie</numerusform>
            <numerusform>%n condities</numerusform>
        </translation>
    </message>
    <message>
        <source>Prepare a lesson…</source>
        <translation>Les voorbereiden…</translation>
    </message>
    <message>
        <source>Prepare a lesson</source>
        <translation>Les voorbereiden</translation>
    </message>
    <message>
        <source>Every pupil who opens this link starts from the same population, with the same goal.</source>
        <translation>Elke leerling die deze link opent, begint met dezelfde populatie en hetzelfde doel.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Start (time of day, UTC)</source>
        <translation>Start (tijdstip, UTC)</translation>
    </message>
    <message>
        <source>(any)</source>
        <translation>(alle)</translation>
    </message>
    <message>
        <source>Experiment help opened first</source>
        <translation>Hulp bij experiment die eerst opent</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Lock parameters</source>
        <translation>Parameters vergrendelen</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>The link could not be copied: select it and copy it yourself.</source>
        <translation>De link kon niet worden gekopieerd: selecteer hem en kopieer hem zelf.</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <translation>QR-code van de link</translation>
    </message>
    <message>
        <source>Class results…</source>
        <translation>Klasresultaten…</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Klasresultaten</translation>
    </message>
    <message>
        <source>Choose runs files…</source>
        <translation>Rondebestanden kiezen…</translation>
    </message>
    <message>
        <source>Or drop the pupils’ runs files here.</source>
        <translation>Of sleep de rondebestanden van de leerlingen hierheen.</translation>
    </message>
    <message>
        <source>Named and skipped</source>
        <translation>Genoemd en overgeslagen</translation>
    </message>
    <message>
        <source>Another lesson</source>
        <translation>Een andere les</translation>
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
        <source>%1 is too large to pool.</source>
        <translation>%1 is te groot om samen te voegen.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Werkblad afdrukken</translation>
    </message>
</context>
<context>
    <name>PageStart</name>
    <message>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
</context>
<context>
    <name>PageBeforeEngine</name>
    <message>
        <source>Loading the organisms…</source>
        <translation>De organismen worden geladen…</translation>
    </message>
    <message>
        <source>The organisms could not be loaded:</source>
        <translation>De organismen konden niet worden geladen:</translation>
    </message>
    <message>
        <source>Vantrel needs JavaScript and WebAssembly: please turn them on or use a newer browser.</source>
        <translation>Vantrel heeft JavaScript en WebAssembly nodig: zet ze aan of gebruik een nieuwere browser.</translation>
    </message>
</context>
</TS>
