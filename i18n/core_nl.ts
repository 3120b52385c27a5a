<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ExperimentPages</name>
    <message>
        <source>Experiments</source>
        <translation>Experimenten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Inleiding</translation>
    </message>
    <message>
        <source>Get started with vantrel 2.0

Vantrel is a fun application that shows you some principles of Darwinian evolution in a visual way.

First, you should play around with the tool a bit to discover how it works.

You can do that the easy way by pressing the light bulb button ("idea"). Then, try to develop an organism by pressing the "food" button or the "shoot" button, depending on how well the current organism fits your order.

For example, if you need to create a green circle, you press the "shoot" button when a red line is presented, but you might press the "food" button when you see a blue circle, hoping that it will mutate into a green one.</source>
        <translation>Aan de slag met Vantrel 2.0

Vantrel is een leuk programma dat je op een beeldende manier een paar principes van de evolutie volgens Darwin laat zien.

Speel eerst een beetje met het programma om te ontdekken hoe het werkt.

Dat gaat het makkelijkst met de knop met het lampje (“idee”). Probeer daarna een organisme te ontwikkelen door op “Voeren” of op “Doden” te drukken, afhankelijk van hoe goed het huidige organisme bij je opdracht past.

Moet je bijvoorbeeld een groene cirkel maken, dan druk je op “Doden” als er een rode lijn verschijnt, maar misschien op “Voeren” als je een blauwe cirkel ziet, in de hoop dat die tot een groene muteert.</translation>
    </message>
    <message>
        <source>Exp 1</source>
        <translation>Exp. 1</translation>
    </message>
    <message>
        <source>Size matters.

When you start with a small population, it will drift far more easy than does a larger population. In a large population, it takes more time for new standards to break through.

For this experiment, you should perform the same task twice, but with a different population setting. In each case, count the number of clicks (feed and shoot) it takes before the population is stable.

First, set the start population count at 10. Press the "new" button to start with a fresh population, and develop an organism as described by the idea button. Keep clicking "feed" and "shoot" until your population developes an organism as described by the idea button.

Second, do the same with a population count of 50. You will see that it takes longer to develop the same organism in the second case.</source>
        <translation>Grootte doet ertoe.

Als je met een kleine populatie begint, drijft die veel makkelijker af dan een grotere. In een grote populatie duurt het langer voordat iets nieuws doorbreekt.

Voor dit experiment doe je dezelfde opdracht twee keer, maar met een andere grootte van de populatie. Tel elke keer hoeveel klikken (voeren en doden) het kost voordat de populatie stabiel is.

Zet eerst de startpopulatie op 10. Druk op “Nieuw” om met een verse populatie te beginnen, en ontwikkel een organisme zoals de ideeknop het beschrijft. Blijf op “Voeren” en “Doden” klikken tot je populatie een organisme ontwikkelt zoals de ideeknop het beschrijft.

Doe daarna hetzelfde met een populatie van 50. Je zult zien dat het in het tweede geval langer duurt om hetzelfde organisme te ontwikkelen.</translation>
    </message>
    <message>
        <source>Exp 2</source>
        <translation>Exp. 2</translation>
    </message>
    <message>
        <source>Creativity counts.

The effect of high creativity during evolution can be shown with a simple experiment with three populations (count=20) with different creativity settings (5%, 20% and 50%). 

In the first case, the population will develop new mutations slowly. This is a positive effect when the population does not need to change. 

With very high creativity settings, children will differ from their parents in a radical way (for example, a blue circle and a black line can give birth to a red triangle). This is positive when the population needs to change to survive.</source>
        <translation>Creativiteit telt.

Wat een hoge creativiteit tijdens de evolutie doet, laat een eenvoudig experiment zien met drie populaties (aantal=20) met een verschillende creativiteit (5%, 20% en 50%).

In het eerste geval ontwikkelt de populatie maar langzaam nieuwe mutaties. Dat is gunstig als de populatie niet hoeft te veranderen.

Bij een heel hoge creativiteit verschillen kinderen sterk van hun ouders (een blauwe cirkel en een zwarte lijn kunnen bijvoorbeeld samen een rode driehoek krijgen). Dat is gunstig als de populatie moet veranderen om te overleven.</translation>
    </message>
    <message>
        <source>Exp 3</source>
        <translation>Exp. 3</translation>
    </message>
    <message>
        <source>Large populations support more genetic diversity.

In this experiment, you will try to develop two organisms at the same time in the same population. You perform this tast twice, once with a small population (count=10), once with a larger population (count=30).

In the small population, you will see it is very difficult not to undo the effects of one positive evolution while concentrating on the second. The population will drift between the two aims.

In the larger population, it will take a while to develop two different organisms but there will be a steady growth towards both aims.</source>
        <translation>Grote populaties houden meer genetische variatie vast.

In dit experiment probeer je in dezelfde populatie tegelijk twee organismen te ontwikkelen. Je doet dat twee keer: een keer met een kleine populatie (aantal=10) en een keer met een grotere populatie (aantal=30).

In de kleine populatie merk je dat het heel moeilijk is om de vooruitgang bij het ene organisme niet teniet te doen terwijl je met het tweede bezig bent. De populatie schommelt heen en weer tussen de twee doelen.

In de grotere populatie duurt het even voordat er twee verschillende organismen ontstaan, maar groeit de populatie gestaag naar beide doelen toe.</translation>
    </message>
    <message>
        <source>Exp 4</source>
        <translation>Exp. 4</translation>
    </message>
    <message>
        <source>Add constraints, add time.

The more constraints you have, the more difficult it will be to develop an organism that fits these.

Perform five conditions, each one starting with a new population. Each experiment adds a constraint (shape, color, line size, type of line, rotation, presence of spokes,...).

Write down the number of clicks it takes to develop an organism that fits all constraints. You will notice that the number of clicks needed will rise.</source>
        <translation>Meer eisen, meer tijd.

Hoe meer eisen je stelt, hoe moeilijker het wordt om een organisme te ontwikkelen dat aan al die eisen voldoet.

Speel vijf condities, elke keer met een nieuwe populatie. Bij elke conditie komt er een eis bij (vorm, kleur, lijndikte, soort lijn, draaiing, wel of geen spaken…).

Schrijf op hoeveel klikken het kost om een organisme te ontwikkelen dat aan alle eisen voldoet. Je zult merken dat je steeds meer klikken nodig hebt.</translation>
    </message>
    <message>
        <source>Exp 5</source>
        <translation>Exp. 5</translation>
    </message>
    <message>
        <source>The influence of God.

You are the God of the Vantrel universe. In this experiment, there are two conditions. In one condition, you are very strict about which organisms you tolerate (say, for example, you shoot all non-green and feed all green organisms). In the other case, you occasionally let a "misser" slip through an kill a "hitter".

Notice the effect on your population after a hundred clicks in each case.

After a hundred clicks, press the "idea" button and follow the instruction. Count the number of clicks it takes before a fitting organism developes. This will be substantially smaller in the "loose" condition than in the "strict" condition.</source>
        <translation>De invloed van God.

Jij bent de God van het Vantrel-universum. In dit experiment zijn er twee condities. In de ene ben je heel streng in welke organismen je toelaat (je doodt bijvoorbeeld alle niet-groene en voert alle groene organismen). In de andere laat je af en toe een “misser” door en dood je een “treffer”.

Let in beide gevallen op wat er na honderd klikken met je populatie is gebeurd.

Druk na honderd klikken op “idee” en volg de opdracht. Tel hoeveel klikken het kost voordat er een passend organisme ontstaat. In de “losse” conditie zijn dat er duidelijk minder dan in de “strenge” conditie.</translation>
    </message>
</context>
<context>
    <name>WebLinks</name>
    <message>
        <source>Error opening webpage</source>
        <translation>Fout bij het openen van de webpagina</translation>
    </message>
    <message>
        <source>Error Opening Webpage</source>
        <translation>Fout bij het openen van de webpagina</translation>
    </message>
    <message>
        <source>Error w71: Out of Memory</source>
        <translation>Fout w71: onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Error w72: File not found</source>
        <translation>Fout w72: bestand niet gevonden</translation>
    </message>
    <message>
        <source>Error w73: Directory not</source>
        <translation>Fout w73: map niet gevonden</translation>
    </message>
    <message>
        <source>Error w74: Wrong format in EXE</source>
        <translation>Fout w74: verkeerde indeling van het EXE-bestand</translation>
    </message>
    <message>
        <source>Error Nr: %1 in ShellExecute</source>
        <translation>Fout nr. %1 in ShellExecute</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>Opened %1. Organisms: %2</source>
        <translation>%1 geopend. Organismen: %2</translation>
    </message>
    <message>
        <source>File %1 makes a table of %2 columns; a table can have at most %3.</source>
        <translation>Het bestand %1 geeft een tabel met %2 kolommen; een tabel kan er hoogstens %3 hebben.</translation>
    </message>
    <message>
        <source>File %1 makes a table of %2 rows and %3 columns, more than the program can hold (at most %4 cells).</source>
        <translation>Het bestand %1 geeft een tabel met %2 rijen en %3 kolommen, meer dan het programma kan bevatten (hoogstens %4 cellen).</translation>
    </message>
    <message>
        <source>File %1 is a spreadsheet or another packed file, not a table file. Open reads the table files that Save writes.</source>
        <translation>Het bestand %1 is een spreadsheet of een ander ingepakt bestand, geen tabelbestand. “Openen” leest de tabelbestanden die “Opslaan” schrijft.</translation>
    </message>
    <message>
        <source>File %1 holds binary data, not text: it is not a table file.</source>
        <translation>Het bestand %1 bevat binaire gegevens, geen tekst: het is geen tabelbestand.</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Het bestand %1 kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Fout bij het schrijven van het bestand</translation>
    </message>
    <message>
        <source>File %1 holds no rows below the title row.</source>
        <translation>Het bestand %1 bevat geen rijen onder de titelrij.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Het bestand %1 kan niet worden geopend.</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Het bestand %1 kan niet worden geopend</translation>
    </message>
    <message>
        <source>Open organisms file</source>
        <translation>Organismenbestand openen</translation>
    </message>
    <message>
        <source>save organisms file</source>
        <translation>Organismenbestand opslaan</translation>
    </message>
    <message>
        <source>Simple Table Files (%1)</source>
        <translation>Eenvoudige tabelbestanden (%1)</translation>
    </message>
    <message>
        <source>All Files (%1)</source>
        <translation>Alle bestanden (%1)</translation>
    </message>
</context>
<context>
    <name>Spreadsheet</name>
    <message>
        <source>Cell %1 holds %2 characters; a cell can hold at most %3</source>
        <translation>Cel %1 bevat %2 tekens; een cel kan er hoogstens %3 bevatten</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>geen bestandsnaam</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Geen ruimte meer op het apparaat</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Schijfquotum overschreden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Geen toestemming</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Bewerking niet toegestaan</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Bestand of map bestaat niet</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Is een map</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Is geen map</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Het bestandssysteem is alleen-lezen</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Bestandsnaam te lang</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Invoer-/uitvoerfout</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Te veel niveaus van symbolische koppelingen</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>P1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>P2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>DNA</source>
        <translation>DNA</translation>
    </message>
    <message>
        <source>Survival</source>
        <translation>Overleving</translation>
    </message>
</context>
<context>
    <name>FamilyTree</name>
    <message>
        <source>%1 · loaded root</source>
        <translation>%1 · wortel uit een bestand</translation>
    </message>
    <message>
        <source>loaded in step %1</source>
        <translation>uit een bestand geopend in stap %1</translation>
    </message>
    <message>
        <source>Family tree</source>
        <translation>Stamboom</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Back to the previous tree</source>
        <translation>Terug naar de vorige stamboom</translation>
    </message>
    <message>
        <source>Back to the tree shown before (Alt+Left)</source>
        <translation>Terug naar de stamboom van hiervoor (Alt+Pijl-links)</translation>
    </message>
    <message>
        <source>No organism selected.</source>
        <translation>Geen organisme geselecteerd.</translation>
    </message>
    <message>
        <source>first parent</source>
        <translation>eerste ouder</translation>
    </message>
    <message>
        <source>second parent</source>
        <translation>tweede ouder</translation>
    </message>
    <message>
        <source>mutation</source>
        <translation>mutatie</translation>
    </message>
    <message>
        <source>root</source>
        <translation>wortel</translation>
    </message>
    <message>
        <source>Digits: </source>
        <translation>Cijfers: </translation>
    </message>
    <message>
        <source> from the first parent, </source>
        <translation> van de eerste ouder, </translation>
    </message>
    <message>
        <source> from the second parent (underlined), </source>
        <translation> van de tweede ouder (onderstreept), </translation>
    </message>
    <message>
        <source> mutation (bold, boxed), </source>
        <translation> mutatie (vet, in een vakje), </translation>
    </message>
    <message>
        <source> root (founder or loaded).</source>
        <translation> wortel (stichter of geladen).</translation>
    </message>
    <message>
        <source> Click a living ancestor to select it, a dead one to see its tree.</source>
        <translation> Klik op een levende voorouder om hem te selecteren, op een dode om zijn stamboom te zien.</translation>
    </message>
    <message>
        <source>Parents</source>
        <translation>Ouders</translation>
    </message>
    <message>
        <source>Grandparents</source>
        <translation>Grootouders</translation>
    </message>
    <message>
        <source>Great-grandparents</source>
        <translation>Overgrootouders</translation>
    </message>
    <message>
        <source>Great-great-grandparents</source>
        <translation>Betovergrootouders</translation>
    </message>
    <message>
        <source>Great-great-great-grandparents</source>
        <translation>Oudouders</translation>
    </message>
    <message>
        <source>ID %1 · living</source>
        <translation>ID %1 · levend</translation>
    </message>
    <message>
        <source>ID %1 · dead</source>
        <translation>ID %1 · dood</translation>
    </message>
    <message>
        <source>%1 · root</source>
        <translation>%1 · wortel</translation>
    </message>
    <message>
        <source>%1 · root (P1 %2, P2 %3)</source>
        <translation>%1 · wortel (P1 %2, P2 %3)</translation>
    </message>
    <message>
        <source>there at the start</source>
        <translation>aanwezig vanaf het begin</translation>
    </message>
    <message>
        <source>born in step %1</source>
        <translation>geboren in stap %1</translation>
    </message>
    <message>
        <source>shot in step %1</source>
        <translation>gedood in stap %1</translation>
    </message>
    <message>
        <source>replaced by a new gene pool in step %1</source>
        <translation>vervangen door een nieuwe genenpoel in stap %1</translation>
    </message>
    <message>
        <source>replaced by a load in step %1</source>
        <translation>vervangen door een geopende tabel in stap %1</translation>
    </message>
    <message>
        <source>living</source>
        <translation>levend</translation>
    </message>
    <message>
        <source>Gene pool %1 · P1 %2 · P2 %3 · survival at birth %4
%5 · %6</source>
        <translation>Genenpoel %1 · P1 %2 · P2 %3 · overleving bij de geboorte %4
%5 · %6</translation>
    </message>
    <message numerus="yes">
        <source>%n first parent</source>
        <translation>
            <numerusform>%n van de eerste ouder</numerusform>
            <numerusform>%n van de eerste ouder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second parent</source>
        <translation>
            <numerusform>%n van de tweede ouder</numerusform>
            <numerusform>%n van de tweede ouder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mutation</source>
        <translation>
            <numerusform>%n mutatie</numerusform>
            <numerusform>%n mutaties</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n root</source>
        <translation>
            <numerusform>%n van de wortel</numerusform>
            <numerusform>%n van de wortel</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Restore population</source>
        <translation>Populatie herstellen</translation>
    </message>
    <message>
        <source>There is no journal to restore from in this run.</source>
        <translation>In deze sessie is er geen journaal om uit te herstellen.</translation>
    </message>
    <message>
        <source>There is no earlier run to restore.</source>
        <translation>Er is geen eerdere sessie om te herstellen.</translation>
    </message>
    <message>
        <source>Vantrel ended unexpectedly. Restore the population of that run (%1, %2)?</source>
        <translation>Vantrel is onverwacht gestopt. Wil je de populatie van die sessie herstellen (%1, %2)?</translation>
    </message>
    <message numerus="yes">
        <source>%n organisms</source>
        <translation>
            <numerusform>%n organisme</numerusform>
            <numerusform>%n organismen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n steps</source>
        <translation>
            <numerusform>%n stap</numerusform>
            <numerusform>%n stappen</numerusform>
        </translation>
    </message>
    <message>
        <source>Vantrel cannot keep its journal in %1 (%2). It goes on without one: undo still works, but a crash would lose the population.</source>
        <translation>Vantrel kan zijn journaal niet bijhouden in %1 (%2). Het gaat zonder verder: ongedaan maken werkt nog, maar bij een crash gaat de populatie verloren.</translation>
    </message>
    <message>
        <source>The journal %1 is damaged and cannot be restored.</source>
        <translation>Het journaal %1 is beschadigd en kan niet worden hersteld.</translation>
    </message>
    <message>
        <source>The journal %1 was written by a newer version of Vantrel and cannot be read by this one.</source>
        <translation>Het journaal %1 is geschreven door een nieuwere versie van Vantrel en kan door deze versie niet worden gelezen.</translation>
    </message>
    <message numerus="yes">
        <source>The journal %1 was damaged: the last %n steps could not be restored.</source>
        <translation>
            <numerusform>Het journaal %1 was beschadigd: de laatste stap kon niet worden hersteld.</numerusform>
            <numerusform>Het journaal %1 was beschadigd: de laatste %n stappen konden niet worden hersteld.</numerusform>
        </translation>
    </message>
    <message>
        <source>The journal %1 breaks off; it was restored as far as it fits.</source>
        <translation>Het journaal %1 breekt af; het is hersteld voor zover het klopt.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>er kan niet in de map worden geschreven</translation>
    </message>
    <message>
        <source>the journal is locked by another program</source>
        <translation>het journaal is vergrendeld door een ander programma</translation>
    </message>
    <message>
        <source>the journal is damaged</source>
        <translation>het journaal is beschadigd</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>Export runs</source>
        <translation>Rondes exporteren</translation>
    </message>
    <message>
        <source>CSV files (%1)</source>
        <translation>CSV-bestanden (%1)</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Save workbook</source>
        <translation>Werkmap opslaan</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel-werkmappen (*.xlsx)</translation>
    </message>
    <message>
        <source>No spreadsheet program</source>
        <translation>Geen spreadsheetprogramma</translation>
    </message>
    <message>
        <source>%1.

Save the workbook to a file instead?</source>
        <translation>%1.

De werkmap in plaats daarvan als bestand opslaan?</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>%1: larger than %2 MB, skipped.</source>
        <translation>%1: groter dan %2 MB, overgeslagen.</translation>
    </message>
    <message>
        <source>%1: not a runs file, skipped.</source>
        <translation>%1: geen bestand met rondes, overgeslagen.</translation>
    </message>
    <message>
        <source>%1, line %2: damaged, skipped.</source>
        <translation>%1, regel %2: beschadigd, overgeslagen.</translation>
    </message>
    <message>
        <source>%1, line %2: run %3 was read before, skipped.</source>
        <translation>%1, regel %2: ronde %3 is al eerder gelezen, overgeslagen.</translation>
    </message>
    <message>
        <source>%1, line %2: more than %3 runs in all, the rest skipped.</source>
        <translation>%1, regel %2: meer dan %3 rondes in totaal, de rest overgeslagen.</translation>
    </message>
    <message>
        <source>No runs to summarize.</source>
        <translation>Geen rondes om samen te vatten.</translation>
    </message>
    <message>
        <source>Runs of no lesson, kept apart:</source>
        <translation>Rondes zonder les, apart gehouden:</translation>
    </message>
    <message>
        <source>Runs of another lesson (%1), kept apart:</source>
        <translation>Rondes van een andere les (%1), apart gehouden:</translation>
    </message>
    <message>
        <source>Runs without a name:</source>
        <translation>Rondes zonder naam:</translation>
    </message>
    <message>
        <source>Pupil %1:</source>
        <translation>Leerling %1:</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>What to do</source>
        <translation>Wat je doet</translation>
    </message>
    <message>
        <source>Your counts</source>
        <translation>Jouw tellingen</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Vragen</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Voeren</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Doden</translation>
    </message>
    <message>
        <source>Clicks to first match</source>
        <translation>Klikken tot de eerste treffer</translation>
    </message>
    <message>
        <source>Clicks to stable</source>
        <translation>Klikken tot stabiel</translation>
    </message>
    <message>
        <source>Set the start population to 10 and press "New" for a fresh population.</source>
        <translation>Zet de startpopulatie op 10 en druk op “Nieuw” voor een verse populatie.</translation>
    </message>
    <message>
        <source>Take the lesson's goal, or press the idea button (the light bulb) for one.</source>
        <translation>Neem het doel van de les, of druk op de ideeknop (de gloeilamp) voor een doel.</translation>
    </message>
    <message>
        <source>Feed and shoot until an organism matches the goal, then go on until the population is stable. Write down your counts.</source>
        <translation>Voer en dood tot een organisme bij het doel past, en ga door tot de populatie stabiel is. Schrijf je tellingen op.</translation>
    </message>
    <message>
        <source>Do the same with a start population of 50.</source>
        <translation>Doe hetzelfde met een startpopulatie van 50.</translation>
    </message>
    <message>
        <source>Which population reached the goal in fewer clicks?</source>
        <translation>Welke populatie bereikte het doel met minder klikken?</translation>
    </message>
    <message>
        <source>Why does a small population drift more easily than a large one?</source>
        <translation>Waarom drijft een kleine populatie makkelijker af dan een grote?</translation>
    </message>
    <message>
        <source>Compare your counts with your classmates'. Did everyone find the same difference?</source>
        <translation>Vergelijk je tellingen met die van je klasgenoten. Vond iedereen hetzelfde verschil?</translation>
    </message>
    <message>
        <source>Set the start population to 20 and the creativity to 5, then press "New".</source>
        <translation>Zet de startpopulatie op 20 en de creativiteit op 5, en druk dan op “Nieuw”.</translation>
    </message>
    <message>
        <source>Feed and shoot towards the goal until the population is stable. Write down your counts.</source>
        <translation>Voer en dood in de richting van het doel tot de populatie stabiel is. Schrijf je tellingen op.</translation>
    </message>
    <message>
        <source>Do the same with the creativity at 20, and again at 50, each time after "New".</source>
        <translation>Doe hetzelfde met de creativiteit op 20, en nog eens op 50, elke keer na “Nieuw”.</translation>
    </message>
    <message>
        <source>At which creativity did the children look most like their parents?</source>
        <translation>Bij welke creativiteit leken de kinderen het meest op hun ouders?</translation>
    </message>
    <message>
        <source>Which setting reached the goal in the fewest clicks, and which was hardest to keep stable?</source>
        <translation>Welke instelling bereikte het doel met de minste klikken, en bij welke bleef de populatie het moeilijkst stabiel?</translation>
    </message>
    <message>
        <source>When is high creativity good for a population, and when is low creativity better?</source>
        <translation>Wanneer is hoge creativiteit goed voor een populatie, en wanneer is lage beter?</translation>
    </message>
    <message>
        <source>Choose two different organisms to develop at the same time, for example a green circle and a red line.</source>
        <translation>Kies twee verschillende organismen om tegelijk te ontwikkelen, bijvoorbeeld een groene cirkel en een rode lijn.</translation>
    </message>
    <message>
        <source>Set the start population to 10 and press "New".</source>
        <translation>Zet de startpopulatie op 10 en druk op “Nieuw”.</translation>
    </message>
    <message>
        <source>Feed what looks like either of them and shoot the rest until both are in the population. Write down your counts.</source>
        <translation>Voer wat op een van beide lijkt en dood de rest, tot beide in de populatie zitten. Schrijf je tellingen op.</translation>
    </message>
    <message>
        <source>Do the same with a start population of 30.</source>
        <translation>Doe hetzelfde met een startpopulatie van 30.</translation>
    </message>
    <message>
        <source>In the small population, could you keep both organisms, or did it drift between them?</source>
        <translation>Kon je in de kleine populatie beide organismen houden, of dreef ze tussen de twee heen en weer?</translation>
    </message>
    <message>
        <source>How did the larger population move towards both aims?</source>
        <translation>Hoe bewoog de grotere populatie naar beide doelen?</translation>
    </message>
    <message>
        <source>Why can a larger population hold more different organisms?</source>
        <translation>Waarom kan een grotere populatie meer verschillende organismen bevatten?</translation>
    </message>
    <message>
        <source>Press "New" and develop an organism with one demand, for example its shape. Write down your counts.</source>
        <translation>Druk op “Nieuw” en ontwikkel een organisme met één eis, bijvoorbeeld zijn vorm. Schrijf je tellingen op.</translation>
    </message>
    <message>
        <source>Press "New" again and add a second demand, for example its colour.</source>
        <translation>Druk weer op “Nieuw” en voeg een tweede eis toe, bijvoorbeeld zijn kleur.</translation>
    </message>
    <message>
        <source>Go on until you have five conditions, each adding one demand: line width, kind of line, spokes.</source>
        <translation>Ga door tot je vijf condities hebt, elk met één eis meer: lijndikte, soort lijn, spaken.</translation>
    </message>
    <message>
        <source>How did the number of clicks change with each demand you added?</source>
        <translation>Hoe veranderde het aantal klikken met elke eis die je toevoegde?</translation>
    </message>
    <message>
        <source>Did every demand add the same number of clicks? Which one cost the most?</source>
        <translation>Kostte elke eis evenveel klikken extra? Welke kostte het meest?</translation>
    </message>
    <message>
        <source>What does this tell you about how long nature takes to shape an organism with many features?</source>
        <translation>Wat zegt dit over hoe lang de natuur nodig heeft om een organisme met veel kenmerken te vormen?</translation>
    </message>
    <message>
        <source>Press "New" and be strict for a hundred clicks: feed every green organism and shoot all others.</source>
        <translation>Druk op “Nieuw” en wees honderd klikken lang streng: voer elk groen organisme en dood alle andere.</translation>
    </message>
    <message>
        <source>Press the idea button (the light bulb) and follow the idea. Write down your counts until an organism fits it.</source>
        <translation>Druk op de ideeknop (de gloeilamp) en volg het idee. Schrijf je tellingen op tot een organisme erbij past.</translation>
    </message>
    <message>
        <source>Press "New" and be loose for a hundred clicks: now and then let a non-green organism live and shoot a green one.</source>
        <translation>Druk op “Nieuw” en wees honderd klikken lang los: laat af en toe een niet-groen organisme leven en dood een groen.</translation>
    </message>
    <message>
        <source>Press the idea button again and write down your counts until an organism fits.</source>
        <translation>Druk weer op de ideeknop en schrijf je tellingen op tot een organisme past.</translation>
    </message>
    <message>
        <source>How did your population look after a hundred strict clicks, and after a hundred loose ones?</source>
        <translation>Hoe zag je populatie eruit na honderd strenge klikken, en na honderd losse?</translation>
    </message>
    <message>
        <source>After which condition did the idea take fewer clicks?</source>
        <translation>Na welke conditie kostte het idee minder klikken?</translation>
    </message>
    <message>
        <source>Why can letting a few "missers" live help a population to change later?</source>
        <translation>Waarom kan het een populatie later helpen veranderen als je een paar “missers” laat leven?</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>This link does not hold a Vantrel lesson.</source>
        <translation>Deze link bevat geen Vantrel-les.</translation>
    </message>
</context>
<context>
    <name>Learner</name>
    <message>
        <source>What you select for</source>
        <translation>Waar je op selecteert</translation>
    </message>
    <message>
        <source>Judge like me</source>
        <translation>Oordeel zoals ik</translation>
    </message>
    <message>
        <source>keeps %1, strength %2%</source>
        <translation>houdt %1, sterkte %2%</translation>
    </message>
    <message>
        <source>shoots %1, strength %2%</source>
        <translation>schiet %1 dood, sterkte %2%</translation>
    </message>
    <message numerus="yes">
        <source>Predicted %1 of your last %n clicks</source>
        <translation>
            <numerusform>%1 van je laatste klik voorspeld</numerusform>
            <numerusform>%1 van je laatste %n klikken voorspeld</numerusform>
        </translation>
    </message>
    <message>
        <source>Forget what it learned</source>
        <translation>Geleerde vergeten</translation>
    </message>
    <message>
        <source>Chance kept</source>
        <translation>Kans op houden</translation>
    </message>
    <message>
        <source>Clicks</source>
        <translation>Klikken</translation>
    </message>
    <message>
        <source>Clicks per second</source>
        <translation>Klikken per seconde</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Feed and kill organisms: it learns what you select for from your clicks.</source>
        <translation>Voer en dood organismen: uit je klikken leert het waar je op selecteert.</translation>
    </message>
    <message>
        <source>%1% kept</source>
        <translation>%1% gehouden</translation>
    </message>
    <message numerus="yes">
        <source>Judged %1 of %n clicks</source>
        <translation>
            <numerusform>%1 van %n klik beoordeeld</numerusform>
            <numerusform>%1 van %n klikken beoordeeld</numerusform>
        </translation>
    </message>
    <message>
        <source>Your clicks: %1</source>
        <translation>Je klikken: %1</translation>
    </message>
    <message>
        <source>Clicks of the learner: %1</source>
        <translation>Klikken van het leermodel: %1</translation>
    </message>
</context>
</TS>
