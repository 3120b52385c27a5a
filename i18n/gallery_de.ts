<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Gallery</name>
    <message>
        <source>The table holds no organisms: start a new gene pool or open a table.</source>
        <translation>Die Tabelle enthält keine Organismen: Beginne einen neuen Genpool oder öffne eine Tabelle.</translation>
    </message>
    <message>
        <source>The picture shows the first %1 of %2 organisms, in table order.</source>
        <translation>Das Bild zeigt die ersten %1 von %2 Organismen, in der Reihenfolge der Tabelle.</translation>
    </message>
    <message>
        <source>PNG image (%1)</source>
        <translation>PNG-Bild (%1)</translation>
    </message>
    <message>
        <source>SVG drawing (%1)</source>
        <translation>SVG-Zeichnung (%1)</translation>
    </message>
</context>
</TS>
