<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>CatalogueRefusal</name>
    <message>
        <source>Il file è danneggiato o non è un archivio di Velmo. Ripristinarlo da una copia di sicurezza, oppure aprire gli alimenti personali nella finestra di Velmo, che lo mette da parte (senza cancellarlo) e inizia un archivio nuovo.
Dettagli: %1</source>
        <translation>The file is damaged or is not a Velmo file. Restore it from a backup, or open the personal foods in the Velmo window, which sets it aside (without deleting it) and starts a new file.
Details: %1</translation>
    </message>
    <message>
        <source>Il percorso non indica un file: spostare o rinominare ciò che si trova al suo posto.</source>
        <translation>The path does not name a file: move or rename what is in its place.</translation>
    </message>
    <message>
        <source>Permessi insufficienti: il file e la sua cartella devono essere leggibili e scrivibili. Dare a sé stessi questi permessi su entrambi e riprovare.</source>
        <translation>Insufficient permissions: the file and its folder must be readable and writable. Give yourself these permissions on both and try again.</translation>
    </message>
    <message>
        <source>Manca il driver SQLite di Qt: installare il pacchetto libqt6sql6-sqlite.</source>
        <translation>Qt&apos;s SQLite driver is missing: install the package libqt6sql6-sqlite.</translation>
    </message>
    <message>
        <source>Il file è stato scritto da una versione più recente di Velmo (formato %1, questa versione legge fino al formato %2): aggiornare Velmo.</source>
        <translation>The file was written by a newer version of Velmo (format %1; this version reads up to format %2): update Velmo.</translation>
    </message>
</context>
<context>
    <name>FoodCategory</name>
    <message>
        <source>&amp;Bevande alcoliche</source>
        <translation>&amp;Alcoholic drinks</translation>
    </message>
    <message>
        <source>Bevande alcoliche</source>
        <translation>Alcoholic drinks</translation>
    </message>
    <message>
        <source>&amp;Carni fresche</source>
        <translation>Fres&amp;h meat</translation>
    </message>
    <message>
        <source>Carni fresche</source>
        <translation>Fresh meat</translation>
    </message>
    <message>
        <source>Carni &amp;trasformate e conservate</source>
        <translation>&amp;Processed and preserved meat</translation>
    </message>
    <message>
        <source>Carni trasformate e conservate</source>
        <translation>Processed and preserved meat</translation>
    </message>
    <message>
        <source>Cereali e &amp;derivati</source>
        <translation>&amp;Cereals and cereal products</translation>
    </message>
    <message>
        <source>Cereali e derivati</source>
        <translation>Cereals and cereal products</translation>
    </message>
    <message>
        <source>D&amp;olci</source>
        <translation>S&amp;weets</translation>
    </message>
    <message>
        <source>Dolci</source>
        <translation>Sweets</translation>
    </message>
    <message>
        <source>&amp;Fast Food a base di carne</source>
        <translation>Meat-&amp;based fast food</translation>
    </message>
    <message>
        <source>Fast Food a base di carne</source>
        <translation>Meat-based fast food</translation>
    </message>
    <message>
        <source>Formaggi e &amp;latticini</source>
        <translation>Cheese and &amp;dairy products</translation>
    </message>
    <message>
        <source>Formaggi e latticini</source>
        <translation>Cheese and dairy products</translation>
    </message>
    <message>
        <source>F&amp;rattaglie</source>
        <translation>&amp;Offal</translation>
    </message>
    <message>
        <source>Frattaglie</source>
        <translation>Offal</translation>
    </message>
    <message>
        <source>Fr&amp;utta</source>
        <translation>Fr&amp;uit</translation>
    </message>
    <message>
        <source>Frutta</source>
        <translation>Fruit</translation>
    </message>
    <message>
        <source>Latte e &amp;yogurt</source>
        <translation>Mil&amp;k and yoghurt</translation>
    </message>
    <message>
        <source>Latte e yogurt</source>
        <translation>Milk and yoghurt</translation>
    </message>
    <message>
        <source>L&amp;egumi</source>
        <translation>Pu&amp;lses</translation>
    </message>
    <message>
        <source>Legumi</source>
        <translation>Pulses</translation>
    </message>
    <message>
        <source>&amp;Oli e grassi</source>
        <translation>Oils and fa&amp;ts</translation>
    </message>
    <message>
        <source>Oli e grassi</source>
        <translation>Oils and fats</translation>
    </message>
    <message>
        <source>&amp;Prodotti della pesca</source>
        <translation>Fish and &amp;seafood</translation>
    </message>
    <message>
        <source>Prodotti della pesca</source>
        <translation>Fish and seafood</translation>
    </message>
    <message>
        <source>Pro&amp;dotti vari</source>
        <translation>M&amp;iscellaneous products</translation>
    </message>
    <message>
        <source>Prodotti vari</source>
        <translation>Miscellaneous products</translation>
    </message>
    <message>
        <source>&amp;Uova</source>
        <translation>&amp;Eggs</translation>
    </message>
    <message>
        <source>Uova</source>
        <translation>Eggs</translation>
    </message>
    <message>
        <source>&amp;Verdure ed ortaggi</source>
        <translation>&amp;Vegetables</translation>
    </message>
    <message>
        <source>Verdure ed ortaggi</source>
        <translation>Vegetables</translation>
    </message>
    <message>
        <source>Alimenti perso&amp;nali</source>
        <translation>Pe&amp;rsonal foods</translation>
    </message>
    <message>
        <source>Alimenti personali</source>
        <translation>Personal foods</translation>
    </message>
</context>
<context>
    <name>FoodDatabase</name>
    <message>
        <source>Impossibile aprire l&apos;archivio degli alimenti:
%1

%2</source>
        <translation>Cannot open the food database:
%1

%2</translation>
    </message>
    <message>
        <source>nella tabella %1 mancano le colonne %2</source>
        <translation>the table %1 lacks the columns %2</translation>
    </message>
    <message>
        <source>non contiene nessuna delle sedici tabelle degli alimenti</source>
        <translation>it holds none of the sixteen food tables</translation>
    </message>
    <message numerus="yes">
        <source>mancano le tabelle %1</source>
        <translation>
            <numerusform>the table %1 is missing</numerusform>
            <numerusform>the tables %1 are missing</numerusform>
        </translation>
    </message>
    <message>
        <source>Il file non esiste.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Il percorso non indica un file.</source>
        <translation>The path does not name a file.</translation>
    </message>
    <message>
        <source>Il file non è leggibile (permessi insufficienti).</source>
        <translation>The file cannot be read (insufficient permissions).</translation>
    </message>
    <message>
        <source>Il file è vuoto: non è un archivio di alimenti valido.</source>
        <translation>The file is empty: it is not a valid food database.</translation>
    </message>
    <message>
        <source>Manca il driver SQLite di Qt (pacchetto libqt6sql6-sqlite).</source>
        <translation>Qt&apos;s SQLite driver is missing (package libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>Errore del motore di database: %1</source>
        <translation>Database engine error: %1</translation>
    </message>
    <message>
        <source>Il file non è un archivio di alimenti valido (%1).</source>
        <translation>The file is not a valid food database (%1).</translation>
    </message>
</context>
<context>
    <name>FoodFormModel</name>
    <message>
        <source>Modifica alimento personale</source>
        <translation>Modify personal food</translation>
    </message>
    <message>
        <source>Nuovo alimento personale</source>
        <translation>New personal food</translation>
    </message>
    <message>
        <source>&amp;Nome</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Parte &amp;edibile</source>
        <translation>&amp;Edible part</translation>
    </message>
    <message>
        <source>&amp;Proteine</source>
        <translation>&amp;Protein</translation>
    </message>
    <message>
        <source>&amp;Lipidi</source>
        <translation>F&amp;at</translation>
    </message>
    <message>
        <source>&amp;Carboidrati</source>
        <translation>&amp;Carbohydrate</translation>
    </message>
    <message>
        <source>E&amp;nergia</source>
        <translation>Ene&amp;rgy</translation>
    </message>
    <message>
        <source>&amp;Fibra</source>
        <translation>&amp;Fibre</translation>
    </message>
    <message>
        <source>C&amp;olesterolo</source>
        <translation>Ch&amp;olesterol</translation>
    </message>
    <message>
        <source>%1: indicare la percentuale edibile (da 1 a 100).</source>
        <translation>%1: give the edible percentage (from 1 to 100).</translation>
    </message>
    <message>
        <source>%1: %2 non è un numero.</source>
        <translation>%1: %2 is not a number.</translation>
    </message>
    <message>
        <source>

Conservare i valori indicati?</source>
        <translation>

Keep these values?</translation>
    </message>
</context>
<context>
    <name>FoodSearch</name>
    <message>
        <source>Impossibile leggere gli alimenti della categoria &quot;%1&quot;: %2</source>
        <translation>Cannot read the foods of the category &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>PersonalCatalogue</name>
    <message>
        <source>Impossibile aprire l&apos;archivio degli alimenti personali:
%1

%2</source>
        <translation>Cannot open the personal foods file:
%1

%2</translation>
    </message>
    <message>
        <source>Il file non è un archivio di alimenti personali di Velmo: indicare un altro file o spostarlo.</source>
        <translation>The file is not a Velmo personal foods file: name another file or move it.</translation>
    </message>
    <message>
        <source>Impossibile creare l&apos;archivio degli alimenti personali</source>
        <translation>Cannot create the personal foods file</translation>
    </message>
    <message>
        <source>Impossibile rinominare il file %1.</source>
        <translation>Cannot rename the file %1.</translation>
    </message>
    <message>
        <source>%1; l&apos;archivio non è stato modificato:
%2

%3</source>
        <translation>%1; the file has not been changed:
%2

%3</translation>
    </message>
    <message>
        <source>Esiste già un alimento personale di nome &quot;%1&quot;.</source>
        <translation>A personal food called &quot;%1&quot; already exists.</translation>
    </message>
    <message>
        <source>Impossibile salvare l&apos;alimento nell&apos;archivio degli alimenti personali</source>
        <translation>Cannot save the food in the personal foods file</translation>
    </message>
    <message>
        <source>l&apos;alimento &quot;%1&quot; non è più nell&apos;archivio</source>
        <translation>the food &quot;%1&quot; is no longer in the file</translation>
    </message>
    <message>
        <source>Impossibile eliminare l&apos;alimento dall&apos;archivio degli alimenti personali</source>
        <translation>Cannot delete the food from the personal foods file</translation>
    </message>
    <message>
        <source>Impossibile importare gli alimenti nell&apos;archivio degli alimenti personali</source>
        <translation>Cannot import the foods into the personal foods file</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;archivio degli alimenti personali:
%1

%2</source>
        <translation>Cannot read the personal foods file:
%1

%2</translation>
    </message>
</context>
<context>
    <name>PersonalFood</name>
    <message>
        <source>Parte edibile</source>
        <translation>Edible part</translation>
    </message>
    <message>
        <source>Proteine</source>
        <translation>Protein</translation>
    </message>
    <message>
        <source>Lipidi</source>
        <translation>Fat</translation>
    </message>
    <message>
        <source>Carboidrati</source>
        <translation>Carbohydrate</translation>
    </message>
    <message>
        <source>Energia</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Fibra</source>
        <translation>Fibre</translation>
    </message>
    <message>
        <source>Colesterolo</source>
        <translation>Cholesterol</translation>
    </message>
    <message>
        <source>Il nome dell&apos;alimento è vuoto.</source>
        <translation>The name of the food is empty.</translation>
    </message>
    <message>
        <source>Il nome dell&apos;alimento deve avere almeno due caratteri.</source>
        <translation>The name of the food must have at least two characters.</translation>
    </message>
    <message>
        <source>Il nome dell&apos;alimento è troppo lungo (al massimo %1 caratteri).</source>
        <translation>The name of the food is too long (at most %1 characters).</translation>
    </message>
    <message>
        <source>Il nome dell&apos;alimento contiene caratteri di controllo.</source>
        <translation>The name of the food contains control characters.</translation>
    </message>
    <message>
        <source>%1: il valore deve essere compreso fra %2 e %3 %4.</source>
        <translation>%1: the value must be between %2 and %3 %4.</translation>
    </message>
    <message>
        <source>L&apos;energia indicata (%1 kcal) differisce di più del 15% da quella calcolata da proteine, lipidi e carboidrati (4 × %2 + 9 × %3 + 4 × %4 = %5 kcal); può essere giusta, per esempio per l&apos;alcol o i polioli.</source>
        <translation>The energy given (%1 kcal) differs by more than 15% from the energy computed from protein, fat and carbohydrate (4 × %2 + 9 × %3 + 4 × %4 = %5 kcal); it may be right, for example because of alcohol or polyols.</translation>
    </message>
    <message>
        <source>Proteine, lipidi e carboidrati insieme fanno %1 g, più dei 100 g di alimento a cui si riferiscono.</source>
        <translation>Protein, fat and carbohydrate together make %1 g, more than the 100 g of food they refer to.</translation>
    </message>
    <message numerus="yes">
        <source>servono 8 campi (alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo), ce ne sono %n</source>
        <translation>
            <numerusform>8 fields are needed (alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo), there is %n</numerusform>
            <numerusform>8 fields are needed (alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo), there are %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: manca il valore</source>
        <translation>%1: the value is missing</translation>
    </message>
    <message>
        <source>%1: %2 non è un numero (usare cifre e al più un separatore decimale, punto o virgola)</source>
        <translation>%1: %2 is not a number (use digits and at most one decimal separator, point or comma)</translation>
    </message>
    <message>
        <source>la prima riga deve essere l&apos;intestazione alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo</source>
        <translation>the first line must be the header alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo</translation>
    </message>
    <message>
        <source>riga %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>l&apos;alimento %1 compare già alla riga %2</source>
        <translation>the food %1 already appears on line %2</translation>
    </message>
    <message>
        <source>il file supera %1 MB</source>
        <translation>the file is larger than %1 MB</translation>
    </message>
    <message>
        <source>il file non è testo UTF-8</source>
        <translation>the file is not UTF-8 text</translation>
    </message>
    <message>
        <source>riga 1: %1</source>
        <translation>line 1: %1</translation>
    </message>
    <message numerus="yes">
        <source>e altri %n errori</source>
        <translation>
            <numerusform>and %n more error</numerusform>
            <numerusform>and %n more errors</numerusform>
        </translation>
    </message>
    <message>
        <source>impossibile leggere %1: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
</context>
<context>
    <name>SqlStatements</name>
    <message>
        <source>L&apos;archivio è in uso da un altro programma (un&apos;altra finestra di Velmo o velmo-pasto): riprovare fra poco.</source>
        <translation>The file is in use by another program (another Velmo window or velmo-pasto): try again shortly.</translation>
    </message>
    <message>
        <source>Il file o la sua cartella sono in sola lettura: renderli scrivibili (il permesso di scrittura per sé stessi) e riprovare.</source>
        <translation>The file or its folder is read-only: make them writable (write permission for yourself) and try again.</translation>
    </message>
    <message>
        <source>Impossibile aprire o creare i file dell&apos;archivio nella sua cartella: controllare che la cartella esista e sia scrivibile, poi riprovare.</source>
        <translation>Cannot open or create the file&apos;s files in its folder: check that the folder exists and is writable, then try again.</translation>
    </message>
    <message>
        <source>Il disco è pieno: liberare spazio e riprovare.</source>
        <translation>The disk is full: free some space and try again.</translation>
    </message>
    <message>
        <source>Errore di lettura o scrittura sul disco: controllare il disco e riprovare.</source>
        <translation>Disk read or write error: check the disk and try again.</translation>
    </message>
    <message>
        <source>Il file è danneggiato.</source>
        <translation>The file is damaged.</translation>
    </message>
    <message>
        <source>Errore imprevisto dell&apos;archivio: riprovare; se si ripete, conservare il file e segnalarlo.</source>
        <translation>Unexpected database error: try again; if it happens again, keep the file and report it.</translation>
    </message>
    <message>
        <source>%1
Dettagli: %2</source>
        <translation>%1
Details: %2</translation>
    </message>
    <message>
        <source>nessun risultato</source>
        <translation>no result</translation>
    </message>
</context>
<context>
    <name>velmo::DataControl</name>
    <message>
        <source>archivio degli alimenti non aperto</source>
        <translation>food database not open</translation>
    </message>
    <message>
        <source>Impossibile leggere gli alimenti di questa categoria.

%1</source>
        <translation>Cannot read the foods of this category.

%1</translation>
    </message>
</context>
<context>
    <name>velmo::FoodGridModel</name>
    <message>
        <source>alimenti</source>
        <translation>food</translation>
    </message>
    <message>
        <source>edibile</source>
        <translation>edible</translation>
    </message>
    <message>
        <source>proteine</source>
        <translation>protein</translation>
    </message>
    <message>
        <source>lipidi</source>
        <translation>fat</translation>
    </message>
    <message>
        <source>carboidrati</source>
        <translation>carbohydrate</translation>
    </message>
    <message>
        <source>energia</source>
        <translation>energy</translation>
    </message>
    <message>
        <source>fibra</source>
        <translation>fibre</translation>
    </message>
    <message>
        <source>colesterolo</source>
        <translation>cholesterol</translation>
    </message>
</context>
<context>
    <name>velmo::ui::FoodGridView</name>
    <message>
        <source>Alimenti della categoria</source>
        <translation>Foods of the category</translation>
    </message>
    <message>
        <source>Le frecce scelgono l&apos;alimento della riga aperta; Tab porta al suo peso lordo</source>
        <translation>The arrows choose the food of the open row; Tab goes to its gross weight</translation>
    </message>
</context>
<context>
    <name>velmo::ui::FoodSearchWindow</name>
    <message>
        <source>Alimento</source>
        <translation>Food</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Cerca alimento</source>
        <translation>Find food</translation>
    </message>
    <message>
        <source>Parole del nome, per esempio: pane integrale</source>
        <translation>Words of the name, for example: wholemeal bread</translation>
    </message>
    <message>
        <source>Testo da cercare</source>
        <translation>Text to find</translation>
    </message>
    <message>
        <source>Gli alimenti il cui nome contiene tutte le parole scritte, senza distinguere maiuscole e accenti</source>
        <translation>The foods whose name contains every word written, regardless of capitals and accents</translation>
    </message>
    <message>
        <source>Alimenti trovati</source>
        <translation>Foods found</translation>
    </message>
    <message>
        <source>Invio o doppio clic sceglie l&apos;alimento</source>
        <translation>Enter or a double click chooses the food</translation>
    </message>
    <message>
        <source>Scrivere una o più parole del nome dell&apos;alimento.</source>
        <translation>Write one or more words of the name of the food.</translation>
    </message>
    <message>
        <source>Nessun alimento trovato.</source>
        <translation>No food found.</translation>
    </message>
    <message numerus="yes">
        <source>%n alimenti trovati.</source>
        <translation>
            <numerusform>%n food found.</numerusform>
            <numerusform>%n foods found.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 alimenti trovati; sono mostrati i primi %2: aggiungere altre parole per restringere la ricerca.</source>
        <translation>%1 foods found; the first %2 are shown: add more words to narrow the search.</translation>
    </message>
</context>
<context>
    <name>velmo::ui::FoodWindow</name>
    <message>
        <source>Valori per 100 g di parte edibile; un valore lasciato vuoto resta sconosciuto.</source>
        <translation>Values per 100 g of edible part; a value left empty stays unknown.</translation>
    </message>
    <message>
        <source>Obbligatorio, nel formato dei numeri della lingua dell&apos;utente</source>
        <translation>Required, in the number format of the user&apos;s language</translation>
    </message>
    <message>
        <source>Facoltativo, nel formato dei numeri della lingua dell&apos;utente</source>
        <translation>Optional, in the number format of the user&apos;s language</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salva l&apos;alimento</source>
        <translation>Save the food</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Annulla senza salvare</source>
        <translation>Cancel without saving</translation>
    </message>
</context>
</TS>
