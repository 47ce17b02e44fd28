<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>velmo</name>
    <message>
        <source>Uso: velmo [--lingua it|en] [FILE]

Apre la finestra di Velmo: le calorie e i nutrienti di un pasto composto dagli alimenti scelti
per categoria, e il fabbisogno energetico giornaliero. Con FILE apre all&apos;avvio quel pasto (un
file .pasto salvato dal menu Pasto, lo stesso testo che legge velmo-pasto); un file che non si
può leggere, che non è un file normale o che ha una riga sbagliata è segnalato da un messaggio.

Opzioni:
  -h, --help         mostra questo aiuto ed esce, senza aprire la finestra
  --lingua it|en     la lingua dell&apos;interfaccia: it italiano, en inglese. Senza l&apos;opzione
                     vale la variabile d&apos;ambiente LANGUAGE, poi la lingua del sistema
                     (LC_ALL, LC_MESSAGES, LANG): inglese se è inglese, altrimenti italiano

Con la variabile d&apos;ambiente VELMO_ESCI_DOPO_AVVIO=1 il programma termina appena la finestra
principale è mostrata: serve a verificare un&apos;installazione.

Codici di uscita: 0 il programma è terminato normalmente; 1 l&apos;archivio degli alimenti manca o
non si può leggere (un messaggio lo dice); 2 --lingua non indica né it né en (un messaggio lo
dice); 3 impossibile scrivere questo aiuto.
</source>
        <translation>Usage: velmo [--lingua it|en] [FILE]

Opens Velmo&apos;s window: the calories and nutrients of a meal made of foods chosen by
category, and the daily energy requirement. With FILE it opens that meal at start-up (a
.pasto file saved from the Meal menu, the same text that velmo-pasto reads); a file that
cannot be read, is not a regular file or has a wrong line is reported in a message.

Options:
  -h, --help         show this help and exit, without opening the window
  --lingua it|en     the interface language: it Italian, en English. Without the option
                     the LANGUAGE environment variable applies, then the system language
                     (LC_ALL, LC_MESSAGES, LANG): English if it is English, otherwise Italian

With the environment variable VELMO_ESCI_DOPO_AVVIO=1 the program ends as soon as the main
window is shown: this is for checking an installation.

Exit codes: 0 the program ended normally; 1 the food database is missing or cannot be read
(a message says so); 2 --lingua names neither it nor en (a message says so); 3 this help
could not be written.
</translation>
    </message>
</context>
<context>
    <name>velmo::MainWindowModel</name>
    <message>
        <source>Alimenti</source>
        <translation>Foods</translation>
    </message>
    <message>
        <source>Sei alla fine dell&apos;Archivio</source>
        <translation>You are at the end of the list</translation>
    </message>
    <message>
        <source>Sei all&apos;inizio dell&apos;Archivio</source>
        <translation>You are at the start of the list</translation>
    </message>
    <message>
        <source> - Valutazione calorica e nutrizionale in una dieta</source>
        <translation> - Calorie and nutrient assessment of a diet</translation>
    </message>
</context>
<context>
    <name>velmo::PersonalFoodCommands</name>
    <message>
        <source>File CSV (*.csv);;Tutti i file (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>

Velmo continua senza alimenti personali; il file non viene modificato.</source>
        <translation>

Velmo carries on without personal foods; the file is left unchanged.</translation>
    </message>
    <message>
        <source>

Mettere da parte il file danneggiato (viene rinominato, non cancellato) e iniziare un archivio nuovo e vuoto?

No: Velmo continua senza alimenti personali e non scrive nulla; la domanda sarà ripetuta al prossimo uso degli alimenti personali.</source>
        <translation>

Set the damaged file aside (it is renamed, not deleted) and start a new, empty one?

No: Velmo carries on without personal foods and writes nothing; you will be asked again the next time you use personal foods.</translation>
    </message>
    <message>
        <source>Il file danneggiato è stato conservato come:
%1

È stato creato un archivio nuovo e vuoto:
%2</source>
        <translation>The damaged file has been kept as:
%1

A new, empty file has been created:
%2</translation>
    </message>
    <message>
        <source>Eliminare l&apos;alimento personale &quot;%1&quot;?

L&apos;eliminazione non si può annullare.</source>
        <translation>Delete the personal food &quot;%1&quot;?

This cannot be undone.</translation>
    </message>
    <message>
        <source>Importa alimenti personali</source>
        <translation>Import personal foods</translation>
    </message>
    <message>
        <source>Alcuni alimenti del file %1 hanno valori da confermare:

%2

Importarli comunque?</source>
        <translation>Some foods in the file %1 have values to confirm:

%2

Import them anyway?</translation>
    </message>
    <message>
        <source>Il file %1 non è stato importato: nessun alimento è stato aggiunto o modificato.

%2</source>
        <translation>The file %1 was not imported: no food has been added or changed.

%2</translation>
    </message>
    <message numerus="yes">
        <source>Importati %n alimenti da %1: %2 nuovi, %3 aggiornati.</source>
        <translation>
            <numerusform>Imported %n food from %1: %2 new, %3 updated.</numerusform>
            <numerusform>Imported %n foods from %1: %2 new, %3 updated.</numerusform>
        </translation>
    </message>
    <message>
        <source>Esporta alimenti personali</source>
        <translation>Export personal foods</translation>
    </message>
    <message numerus="yes">
        <source>Esportati %n alimenti personali in %1.</source>
        <translation>
            <numerusform>Exported %n personal food to %1.</numerusform>
            <numerusform>Exported %n personal foods to %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Impossibile scrivere %1:
%2</source>
        <translation>Cannot write %1:
%2</translation>
    </message>
    <message>
        <source>Nome del nuovo alimento personale (i valori sono per 100 g del peso netto del pasto):</source>
        <translation>Name of the new personal food (the values are per 100 g of the meal&apos;s net weight):</translation>
    </message>
    <message>
        <source>Salva pasto come alimento</source>
        <translation>Save meal as food</translation>
    </message>
    <message>
        <source>Esiste già un alimento personale di nome &quot;%1&quot;. Sostituirlo?</source>
        <translation>A personal food called &quot;%1&quot; already exists. Replace it?</translation>
    </message>
    <message>
        <source>Creato l&apos;alimento personale &quot;%1&quot; (parte edibile 100%), per 100 g di pasto:
%2.</source>
        <translation>Created the personal food &quot;%1&quot; (edible part 100%), per 100 g of meal:
%2.</translation>
    </message>
</context>
<context>
    <name>velmo::ui::AppWindows</name>
    <message>
        <source>femmina</source>
        <translation>female</translation>
    </message>
    <message>
        <source>maschio</source>
        <translation>male</translation>
    </message>
</context>
<context>
    <name>velmo::ui::HelpWindow</name>
    <message>
        <source>Guida di Velmo</source>
        <translation>Velmo Help</translation>
    </message>
    <message>
        <source>Pagina della guida</source>
        <translation>Help page</translation>
    </message>
    <message>
        <source>&amp;Indietro</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Sommario</source>
        <translation>&amp;Contents</translation>
    </message>
</context>
<context>
    <name>velmo::ui::MainMenuBar</name>
    <message>
        <source>&amp;Pasto</source>
        <translation>&amp;Meal</translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Apri...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salva &amp;con nome...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Esporta CSV...</source>
        <translation>&amp;Export CSV...</translation>
    </message>
    <message>
        <source>&amp;N° Persone</source>
        <translation>&amp;No. of persons</translation>
    </message>
    <message>
        <source>&amp;Scelta alimenti</source>
        <translation>&amp;Foods</translation>
    </message>
    <message>
        <source>Cerca &amp;alimento...</source>
        <translation>Fi&amp;nd food...</translation>
    </message>
    <message>
        <source>&amp;Nuovo alimento...</source>
        <translation>&amp;New food...</translation>
    </message>
    <message>
        <source>&amp;Modifica alimento...</source>
        <translation>&amp;Edit food...</translation>
    </message>
    <message>
        <source>&amp;Elimina alimento</source>
        <translation>&amp;Delete food</translation>
    </message>
    <message>
        <source>&amp;Importa alimenti personali...</source>
        <translation>&amp;Import personal foods...</translation>
    </message>
    <message>
        <source>E&amp;sporta alimenti personali...</source>
        <translation>E&amp;xport personal foods...</translation>
    </message>
    <message>
        <source>Salva pasto come &amp;alimento...</source>
        <translation>Save meal as &amp;food...</translation>
    </message>
    <message>
        <source>&amp;Gestione alimenti personali</source>
        <translation>Mana&amp;ge personal foods</translation>
    </message>
    <message>
        <source>&amp;LAF</source>
        <translation>&amp;PAL</translation>
    </message>
    <message>
        <source>LAF &amp;Femmina</source>
        <translation>PAL &amp;Female</translation>
    </message>
    <message>
        <source>LAF &amp;Maschio</source>
        <translation>PAL &amp;Male</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>P&amp;rint</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
</context>
<context>
    <name>velmo::ui::MainStatusBar</name>
    <message>
        <source>Pasto e fabbisogno</source>
        <translation>Meal and requirement</translation>
    </message>
</context>
<context>
    <name>velmo::ui::MainToolBar</name>
    <message>
        <source>Primo alimento</source>
        <translation>First food</translation>
    </message>
    <message>
        <source>Alimento precedente</source>
        <translation>Previous food</translation>
    </message>
    <message>
        <source>Alimento successivo</source>
        <translation>Next food</translation>
    </message>
    <message>
        <source>Ultimo alimento</source>
        <translation>Last food</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Guida</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>velmo::ui::QtDialogs</name>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
