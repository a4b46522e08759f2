<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="cs_CZ">
<context>
    <name>dotwerk</name>
    <message>
        <source>Neinicializováno</source>
        <translation>Not initialised</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Save the changes to %1?</translation>
    </message>
</context>
</TS>
