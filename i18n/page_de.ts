<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Page</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
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
        <translation>Nein</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
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
        <translation>Füttern</translation>
    </message>
    <message>
        <source>Kill</source>
        <translation>Töten</translation>
    </message>
    <message>
        <source>The organism shown</source>
        <translation>Der gezeigte Organismus</translation>
    </message>
    <message>
        <source>No organism</source>
        <translation>Kein Organismus</translation>
    </message>
    <message>
        <source>The organisms</source>
        <translation>Die Organismen</translation>
    </message>
    <message>
        <source>(opens in a new tab)</source>
        <translation>(öffnet sich in einem neuen Tab)</translation>
    </message>
    <message>
        <source>Drop the table file to open it</source>
        <translation>Lass die Tabellendatei hier los, um sie zu öffnen</translation>
    </message>
    <message>
        <source>Drop to open the first of these files</source>
        <translation>Lass los, um die erste dieser Dateien zu öffnen</translation>
    </message>
    <message>
        <source>Opening %1…</source>
        <translation>%1 wird geöffnet …</translation>
    </message>
    <message>
        <source>File %1 is too large to open here: the page opens table files of up to %2 MB.</source>
        <translation>Die Datei %1 ist zu groß, um sie hier zu öffnen: Die Seite öffnet Tabellendateien bis %2 MB.</translation>
    </message>
    <message>
        <source>View the whole population (G)</source>
        <translation>Sieh dir die ganze Population an (G)</translation>
    </message>
    <message>
        <source>The organisms’ pictures</source>
        <translation>Die Bilder der Organismen</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Show the family tree (T)</source>
        <translation>Zeig den Stammbaum (T)</translation>
    </message>
    <message>
        <source>The organism and its ancestors</source>
        <translation>Der Organismus und seine Vorfahren</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Teilen …</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>This address holds the population and its parameters. Whoever opens it can breed on from here.</source>
        <translation>Diese Adresse enthält die Population und ihre Parameter. Wer sie öffnet, kann von hier aus weiterzüchten.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copied.</source>
        <translation>Kopiert.</translation>
    </message>
    <message>
        <source>The address could not be copied: select it and copy it yourself.</source>
        <translation>Die Adresse konnte nicht kopiert werden: Markiere sie und kopiere sie selbst.</translation>
    </message>
    <message>
        <source>This population is too large for a link. Use Save instead.</source>
        <translation>Diese Population ist zu groß für einen Link. Speichere sie stattdessen.</translation>
    </message>
    <message>
        <source>This link does not hold a Vantrel population.</source>
        <translation>Dieser Link enthält keine Vantrel-Population.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Durchgang</translation>
    </message>
    <message>
        <source>started</source>
        <translation>begonnen</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>met</source>
        <translation>erfüllt</translation>
    </message>
    <message>
        <source>not met</source>
        <translation>nicht erfüllt</translation>
    </message>
    <message>
        <source>click</source>
        <translation>Klick</translation>
    </message>
    <message>
        <source>%1 at click %2</source>
        <translation>%1 bei Klick %2</translation>
    </message>
    <message>
        <source>from %1 at click %2 to %3 at click %4</source>
        <translation>von %1 bei Klick %2 bis %3 bei Klick %4</translation>
    </message>
    <message>
        <source>The numbers</source>
        <translation>Die Zahlen</translation>
    </message>
    <message>
        <source>cr</source>
        <translation>Kr.</translation>
    </message>
    <message>
        <source>Goal (--goal), one per line</source>
        <translation>Ziele (--goal), eines pro Zeile</translation>
    </message>
    <message>
        <source>Population (--population)</source>
        <translation>Population (--population)</translation>
    </message>
    <message>
        <source>Creativity (--creativity)</source>
        <translation>Kreativität (--creativity)</translation>
    </message>
    <message>
        <source>Bonus (--bonus)</source>
        <translation>Bonus (--bonus)</translation>
    </message>
    <message>
        <source>Strictness (--strictness)</source>
        <translation>Strenge (--strictness)</translation>
    </message>
    <message>
        <source>Several values separated by commas make a condition each</source>
        <translation>Mehrere Werte, durch Kommas getrennt, ergeben je eine Bedingung</translation>
    </message>
    <message>
        <source>Learner after clicks (--learner)</source>
        <translation>Lerner nach Klicks (--learner)</translation>
    </message>
    <message>
        <source>The judge's clicks before a learner trained on them plays on alone: a condition each, 0 for none; empty for no learner</source>
        <translation>Klicks des Schiedsrichters, bevor ein darauf trainierter Lerner allein weiterspielt: je eine Bedingung, 0 für keinen; leer für keinen Lerner</translation>
    </message>
    <message>
        <source>Runs per condition (--runs)</source>
        <translation>Durchgänge je Bedingung (--runs)</translation>
    </message>
    <message>
        <source>Most clicks per run (--max-clicks)</source>
        <translation>Höchstzahl an Klicks je Durchgang (--max-clicks)</translation>
    </message>
    <message>
        <source>Seed (--seed)</source>
        <translation>Startwert (--seed)</translation>
    </message>
    <message>
        <source>Warm-up goal (--warmup-goal)</source>
        <translation>Ziel zum Aufwärmen (--warmup-goal)</translation>
    </message>
    <message>
        <source>Warm-up clicks (--warmup-clicks)</source>
        <translation>Klicks zum Aufwärmen (--warmup-clicks)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %2 runs</source>
        <translation>
            <numerusform>%1 von %2 Durchgang</numerusform>
            <numerusform>%1 von %2 Durchgängen</numerusform>
        </translation>
    </message>
    <message>
        <source>Goal %1: %2 × %3 runs = %4 runs on %5 threads.</source>
        <translation>Ziel %1: %2 × %3 Durchgänge = %4 Durchgänge auf %5 Threads.</translation>
    </message>
    <message>
        <source>A worker stopped: %1</source>
        <translation>Ein Hintergrundprozess ist ausgefallen: %1</translation>
    </message>
    <message>
        <source>Condition %1: %2 of %3 runs stable, clicks %4 (fewest / q1 / median / q3 / most)</source>
        <translation>Bedingung %1: %2 von %3 Durchgängen stabil, Klicks %4 (wenigste / Q1 / Median / Q3 / meiste)</translation>
    </message>
    <message>
        <source>Condition %1: %2 of %3 runs stable</source>
        <translation>Bedingung %1: %2 von %3 Durchgängen stabil</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>They joined the run table as runs %1 to %2.</source>
        <translation>Sie stehen jetzt als Durchgänge %1 bis %2 in der Tabelle der Durchgänge.</translation>
    </message>
    <message>
        <source>It joined the run table as run %1.</source>
        <translation>Er steht jetzt als Durchgang %1 in der Tabelle der Durchgänge.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>The picture could not be copied:</source>
        <translation>Das Bild konnte nicht kopiert werden:</translation>
    </message>
    <message>
        <source>The browser could not make a PNG image.</source>
        <translation>Der Browser konnte kein PNG-Bild erstellen.</translation>
    </message>
    <message>
        <source>this browser’s storage</source>
        <translation>dem Speicher dieses Browsers</translation>
    </message>
    <message>
        <source>the browser refused it</source>
        <translation>der Browser hat es abgelehnt</translation>
    </message>
    <message>
        <source>of the run started %1</source>
        <translation>der Sitzung vom %1</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Restore the population of the last program run (Alt+Shift+R)</source>
        <translation>Stell die Population der letzten Sitzung wieder her (Alt+Umschalt+R)</translation>
    </message>
    <message numerus="yes">
        <source>%n conditions</source>
        <translation>
            <numerusform>%n Bedingung</numerusform>
            <numerusform>%n Bedingungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Prepare a lesson…</source>
        <translation>Lektion vorbereiten…</translation>
    </message>
    <message>
        <source>Prepare a lesson</source>
        <translation>Lektion vorbereiten</translation>
    </message>
    <message>
        <source>Every pupil who opens this link starts from the same population, with the same goal.</source>
        <translation>Alle Schülerinnen und Schüler, die diesen Link öffnen, beginnen mit derselben Population und demselben Ziel.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Start (time of day, UTC)</source>
        <translation>Start (Uhrzeit, UTC)</translation>
    </message>
    <message>
        <source>(any)</source>
        <translation>(beliebig)</translation>
    </message>
    <message>
        <source>Experiment help opened first</source>
        <translation>Zuerst geöffnete Experimenthilfe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Lock parameters</source>
        <translation>Parameter sperren</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>The link could not be copied: select it and copy it yourself.</source>
        <translation>Der Link konnte nicht kopiert werden: Markieren und kopieren Sie ihn selbst.</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <translation>QR-Code des Links</translation>
    </message>
    <message>
        <source>Class results…</source>
        <translation>Klassenergebnisse…</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Klassenergebnisse</translation>
    </message>
    <message>
        <source>Choose runs files…</source>
        <translation>Dateien der Durchgänge wählen…</translation>
    </message>
    <message>
        <source>Or drop the pupils’ runs files here.</source>
        <translation>Oder die Dateien der Durchgänge der Schüler hierher ziehen.</translation>
    </message>
    <message>
        <source>Named and skipped</source>
        <translation>Genannt und übersprungen</translation>
    </message>
    <message>
        <source>Another lesson</source>
        <translation>Eine andere Lektion</translation>
    </message>
    <message>
        <source>Save summary</source>
        <translation>Zusammenfassung speichern</translation>
    </message>
    <message>
        <source>Save pooled runs</source>
        <translation>Zusammengelegte Durchgänge speichern</translation>
    </message>
    <message>
        <source>%1 is too large to pool.</source>
        <translation>%1 ist zu groß zum Zusammenlegen.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
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
        <translation>Die Organismen werden geladen …</translation>
    </message>
    <message>
        <source>The organisms could not be loaded:</source>
        <translation>Die Organismen konnten nicht geladen werden:</translation>
    </message>
    <message>
        <source>Vantrel needs JavaScript and WebAssembly: please turn them on or use a newer browser.</source>
        <translation>Vantrel braucht JavaScript und WebAssembly: Bitte schalte sie ein oder nimm einen neueren Browser.</translation>
    </message>
</context>
</TS>
