<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Gallery</name>
    <message>
        <source>The table holds no organisms: start a new gene pool or open a table.</source>
        <translation>De tabel bevat geen organismen: begin een nieuwe genenpoel of open een tabel.</translation>
    </message>
    <message>
        <source>The picture shows the first %1 of %2 organisms, in table order.</source>
        <translation>De afbeelding toont de eerste %1 van %2 organismen, in de volgorde van de tabel.</translation>
    </message>
    <message>
        <source>PNG image (%1)</source>
        <translation>PNG-afbeelding (%1)</translation>
    </message>
    <message>
        <source>SVG drawing (%1)</source>
        <translation>SVG-tekening (%1)</translation>
    </message>
</context>
</TS>
