<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="it_IT">
<context>
    <name>FoodDatabase</name>
    <message numerus="yes">
        <source>mancano le tabelle %1</source>
        <translation>
            <numerusform>manca la tabella %1</numerusform>
            <numerusform>mancano le tabelle %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PersonalFood</name>
    <message numerus="yes">
        <source>servono 8 campi (alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo), ce ne sono %n</source>
        <translation>
            <numerusform>servono 8 campi (alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo), ce ne sono %n</numerusform>
            <numerusform>servono 8 campi (alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo), ce ne sono %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>e altri %n errori</source>
        <translation>
            <numerusform>e altri %n errori</numerusform>
            <numerusform>e altri %n errori</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmo::ui::FoodSearchWindow</name>
    <message numerus="yes">
        <source>%n alimenti trovati.</source>
        <translation>
            <numerusform>%n alimento trovato.</numerusform>
            <numerusform>%n alimenti trovati.</numerusform>
        </translation>
    </message>
</context>
</TS>
