<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About The Gaugewright</source>
        <translation>Über The Gaugewright</translation>
    </message>
    <message>
        <source>Registry Error!</source>
        <translation>Fehler in den Einstellungen!</translation>
    </message>
    <message>
        <source>Release %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Inventories of model railroad rolling stock and their value.</source>
        <translation>Bestandslisten für Modellbahn-Rollmaterial und dessen Wert.</translation>
    </message>
    <message>
        <source>Restore the Welcome Dialog</source>
        <translation>Begrüßungsdialog wieder anzeigen</translation>
    </message>
    <message>
        <source>The Welcome dialog will appear the next time you start The Gaugewright.</source>
        <translation>Der Begrüßungsdialog erscheint beim nächsten Start von The Gaugewright.</translation>
    </message>
</context>
<context>
    <name>CAddChangeDialog</name>
    <message>
        <source>Classification Yard - Add/Change</source>
        <translation>Rangierbahnhof - Hinzufügen/Ändern</translation>
    </message>
    <message>
        <source>Rolling Stock Attribute</source>
        <translation>Merkmal des Rollmaterials</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>CAppCommands</name>
    <message>
        <source>The help file %1 cannot be found.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The help cannot be shown: no program of this desktop opens %1.</source>
        <translation>Die Hilfe kann nicht angezeigt werden: Kein Programm dieser Arbeitsumgebung öffnet %1.</translation>
    </message>
</context>
<context>
    <name>CAppSettings</name>
    <message>
        <source>The settings could not be written to %1.</source>
        <translation>Die Einstellungen konnten nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged.</source>
        <translation>Die Einstellungsdatei %1 ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>CAttributeRadioGroup</name>
    <message>
        <source>Classification Yard Attributes</source>
        <translation>Merkmale des Rangierbahnhofs</translation>
    </message>
</context>
<context>
    <name>CBreakdownChart</name>
    <message>
        <source>(none)</source>
        <translation>(keine Angabe)</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Losses are left out of the pie.</source>
        <translation>Verluste sind im Kreisdiagramm nicht enthalten.</translation>
    </message>
    <message>
        <source>%1: %2 %</source>
        <translation>%1: %2 %</translation>
    </message>
</context>
<context>
    <name>CChangeAttributeNameDialog</name>
    <message>
        <source>Change Attribute Name</source>
        <translation>Merkmalsbezeichnung ändern</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Bisher:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Neu:</translation>
    </message>
    <message>
        <source>heading</source>
        <translation>Bezeichnung</translation>
    </message>
</context>
<context>
    <name>CChooseInventoryDialog</name>
    <message>
        <source>Choose an Inventory for the item</source>
        <translation>Bestand für den Artikel wählen</translation>
    </message>
    <message>
        <source>Please select an Inventory!</source>
        <translation>Bitte einen Bestand auswählen!</translation>
    </message>
</context>
<context>
    <name>CClassificationView</name>
    <message>
        <source>Please wait for %1 to load...</source>
        <translation>Bitte warten, %1 wird geladen...</translation>
    </message>
    <message>
        <source>The Classification Yard</source>
        <translation>Der Rangierbahnhof</translation>
    </message>
    <message>
        <source>Please wait for %1 to stop...</source>
        <translation>Bitte warten, %1 wird beendet...</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Classification Yard Item</source>
        <translation>Artikel im Rangierbahnhof</translation>
    </message>
    <message>
        <source>Build....</source>
        <translation>Erstellen....</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Use the archive's Classification Yard values and headings?</source>
        <translation>Werte und Bezeichnungen des Rangierbahnhofs aus dem Archiv übernehmen?</translation>
    </message>
    <message>
        <source>Add to Classification Yard failed!</source>
        <translation>Das Hinzufügen zum Rangierbahnhof ist fehlgeschlagen!</translation>
    </message>
    <message>
        <source>item number</source>
        <translation>Artikelnummer</translation>
    </message>
</context>
<context>
    <name>CClassificationWizard</name>
    <message>
        <source>Classification Yard Wizard</source>
        <translation>Rangierbahnhof-Assistent</translation>
    </message>
</context>
<context>
    <name>CClassificationWizardPage</name>
    <message>
        <source>List of Choices</source>
        <translation>Auswahlliste</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Anpassen</translation>
    </message>
</context>
<context>
    <name>CCommentsEditor</name>
    <message>
        <source>Comments</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No Comments</source>
        <translation>Keine Bemerkungen</translation>
    </message>
    <message>
        <source>comments</source>
        <translation>Bemerkungen</translation>
    </message>
</context>
<context>
    <name>CCommentsViewer</name>
    <message>
        <source>Comments for %1</source>
        <translation>Bemerkungen zu %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CCustomReportDialog</name>
    <message>
        <source>Expenditures</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Asset Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Item Count</source>
        <translation>Artikelanzahl</translation>
    </message>
    <message>
        <source>Add --&gt;</source>
        <translation>Hinzufügen --&gt;</translation>
    </message>
    <message>
        <source>&lt;-- Remove</source>
        <translation>&lt;-- Entfernen</translation>
    </message>
    <message>
        <source>Produce Report</source>
        <translation>Bericht erstellen</translation>
    </message>
    <message>
        <source>Quick Facts Custom Report</source>
        <translation>Kurzauskunft – eigene Auswertung</translation>
    </message>
    <message>
        <source>Available Inventory Fields</source>
        <translation>Verfügbare Felder des Bestands</translation>
    </message>
    <message>
        <source>By This Inventory Field</source>
        <translation>Nach diesem Feld</translation>
    </message>
</context>
<context>
    <name>CCustomizeHeadings</name>
    <message>
        <source>Change Attribute Name</source>
        <translation>Merkmalsbezeichnung ändern</translation>
    </message>
</context>
<context>
    <name>CCustomizePreferences</name>
    <message>
        <source>Build Preferences</source>
        <translation>Voreinstellungen für die Erstellung</translation>
    </message>
    <message>
        <source>Always use the Manufacturer file</source>
        <translation>Immer die Herstellerdatei verwenden</translation>
    </message>
    <message>
        <source>Always use Classification Yard Wizard</source>
        <translation>Immer den Rangierbahnhof-Assistenten verwenden</translation>
    </message>
    <message>
        <source>Always use the %1 File</source>
        <translation>Immer die %1-Datei verwenden</translation>
    </message>
</context>
<context>
    <name>CCustomizeSheet</name>
    <message>
        <source>Classification Yard Customization</source>
        <translation>Rangierbahnhof anpassen</translation>
    </message>
    <message>
        <source>Attribute Values</source>
        <translation>Merkmalswerte</translation>
    </message>
    <message>
        <source>Attribute Headings</source>
        <translation>Merkmalsbezeichnungen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voreinstellungen</translation>
    </message>
</context>
<context>
    <name>CCustomizeValues</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Set Range</source>
        <translation>Bereich festlegen</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Due to many variations,
item number values
are not contained in the
Classification Yard.</source>
        <translation>Wegen der vielen Varianten
sind Artikelnummern
nicht im Rangierbahnhof
enthalten.</translation>
    </message>
    <message>
        <source>The Classification Yard file can hold at most %1 values in all; this change would give it %2.
Nothing was changed. Choose a smaller range or remove values from other lists first.</source>
        <translation>Die Rangierbahnhof-Datei kann insgesamt höchstens %1 Werte aufnehmen; diese Änderung ergäbe %2.
Es wurde nichts geändert. Wählen Sie einen kleineren Bereich oder entfernen Sie zuerst Werte aus anderen Listen.</translation>
    </message>
    <message>
        <source>The add function failed!</source>
        <translation>Das Hinzufügen ist fehlgeschlagen!</translation>
    </message>
    <message>
        <source>No rolling stock attribute selected!</source>
        <translation>Kein Merkmal des Rollmaterials ausgewählt!</translation>
    </message>
    <message>
        <source>The delete operation of the change function failed!</source>
        <translation>Beim Ändern ist das Löschen des alten Werts fehlgeschlagen!</translation>
    </message>
    <message>
        <source>The add operation of the change function failed!</source>
        <translation>Beim Ändern ist das Hinzufügen des neuen Werts fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Soll „%1“ wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>The delete function failed!</source>
        <translation>Das Löschen ist fehlgeschlagen!</translation>
    </message>
</context>
<context>
    <name>CDataDirectory</name>
    <message>
        <source>The data directory "%1" does not exist.</source>
        <translation>Das Datenverzeichnis „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>The data directory "%1" could not be created.</source>
        <translation>Das Datenverzeichnis „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The program's data files (Classyrd.mst and the others) were not found. These folders were searched:
%1

Start the program with --data-dir DIR, DIR being a folder that holds Classyrd.mst.</source>
        <translation>Die Datendateien des Programms (Classyrd.mst und die übrigen) wurden nicht gefunden. Durchsucht wurden diese Ordner:
%1

Starten Sie das Programm mit --data-dir DIR, wobei DIR ein Ordner ist, der Classyrd.mst enthält.</translation>
    </message>
    <message>
        <source>These data files could not be copied to "%1": %2.</source>
        <translation>Diese Datendateien konnten nicht nach „%1“ kopiert werden: %2.</translation>
    </message>
</context>
<context>
    <name>CDateControlDialog</name>
    <message>
        <source>Classification Yard - Date Control</source>
        <translation>Rangierbahnhof - Jahreszahlen</translation>
    </message>
    <message>
        <source>Date Range</source>
        <translation>Jahresbereich</translation>
    </message>
    <message>
        <source>From Year</source>
        <translation>Von Jahr</translation>
    </message>
    <message>
        <source>To Year</source>
        <translation>Bis Jahr</translation>
    </message>
</context>
<context>
    <name>CDelimiterGroup</name>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Anderes</translation>
    </message>
    <message>
        <source>delimiter</source>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <source>Quote values (spreadsheet CSV)</source>
        <translation>Werte in Anführungszeichen (CSV für Tabellenkalkulation)</translation>
    </message>
    <message>
        <source>Text and CSV files (*.txt *.csv *.tsv)</source>
        <translation>Text- und CSV-Dateien (*.txt *.csv *.tsv)</translation>
    </message>
    <message>
        <source>All Files(*.*) (*)</source>
        <translation>Alle Dateien(*.*) (*)</translation>
    </message>
</context>
<context>
    <name>CDocManager</name>
    <message>
        <source>%1 is open in another window.
Close it there first, or save under another name.</source>
        <translation>%1 ist in einem anderen Fenster geöffnet.
Schließen Sie es zuerst dort oder speichern Sie unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Inventory (*.inv)</source>
        <translation>Bestand (*.inv)</translation>
    </message>
</context>
<context>
    <name>CDollarControlDialog</name>
    <message>
        <source>Classification Yard - Dollar Control</source>
        <translation>Rangierbahnhof - Dollarbeträge</translation>
    </message>
    <message>
        <source>Dollar Range</source>
        <translation>Dollarbereich</translation>
    </message>
    <message>
        <source>From Dollar</source>
        <translation>Von Dollar</translation>
    </message>
    <message>
        <source>To Dollar</source>
        <translation>Bis Dollar</translation>
    </message>
</context>
<context>
    <name>CExportDialog</name>
    <message>
        <source>Field Delimiters</source>
        <translation>Feldtrennzeichen</translation>
    </message>
    <message>
        <source>Include Field Names</source>
        <translation>Feldnamen mit ausgeben</translation>
    </message>
    <message>
        <source>Export Inventory</source>
        <translation>Bestand exportieren</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Kodierung:</translation>
    </message>
    <message>
        <source>Save As Gaugewright Inventory Export File</source>
        <translation>Als Gaugewright-Exportdatei des Bestands speichern</translation>
    </message>
</context>
<context>
    <name>CFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find what: </source>
        <translation>Suchen nach: </translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Find First</source>
        <translation>Ersten suchen</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>search text</source>
        <translation>Suchtext</translation>
    </message>
</context>
<context>
    <name>CImportDialog</name>
    <message>
        <source>Add --&gt;</source>
        <translation>Hinzufügen --&gt;</translation>
    </message>
    <message>
        <source>Add All --&gt;</source>
        <translation>Alle hinzufügen --&gt;</translation>
    </message>
    <message>
        <source>&lt;-- Remove</source>
        <translation>&lt;-- Entfernen</translation>
    </message>
    <message>
        <source>&lt;-- Remove All</source>
        <translation>&lt;-- Alle entfernen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Field Separators</source>
        <translation>Feldtrennzeichen</translation>
    </message>
    <message>
        <source>First record contains Field Names</source>
        <translation>Erster Datensatz enthält die Feldnamen</translation>
    </message>
    <message>
        <source>Import Inventory</source>
        <translation>Bestand importieren</translation>
    </message>
    <message>
        <source>Available Inventory Fields</source>
        <translation>Verfügbare Felder des Bestands</translation>
    </message>
    <message>
        <source>Selected Field Order of Import File</source>
        <translation>Gewählte Feldreihenfolge der Importdatei</translation>
    </message>
    <message>
        <source>Please choose a Gaugewright Inventory Import File</source>
        <translation>Bitte eine Gaugewright-Importdatei für den Bestand wählen</translation>
    </message>
</context>
<context>
    <name>CImportExportCommands</name>
    <message>
        <source>1 item</source>
        <translation>1 Artikel</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Artikel</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>%1 nach %2 exportiert.</translation>
    </message>
    <message>
        <source>The import added %1. %2 of their Purchase Price and Current Value texts were plain numbers and are stored as money texts (125 as 125.00).</source>
        <translation>Der Import hat %1 hinzugefügt. %2 ihrer Angaben zu Kaufpreis und Zeitwert waren reine Zahlen und werden als Geldbeträge gespeichert (125 als 125.00).</translation>
    </message>
    <message>
        <source>Imported %1 from %2.</source>
        <translation>%1 aus %2 importiert.</translation>
    </message>
</context>
<context>
    <name>CImportPreviewDialog</name>
    <message>
        <source>Marked records end before every field was read: the fields shown as "%1" stay empty.</source>
        <translation>Markierte Datensätze enden, bevor alle Felder gelesen wurden: Die als „%1“ gezeigten Felder bleiben leer.</translation>
    </message>
    <message>
        <source>Import Preview</source>
        <translation>Importvorschau</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>&amp;Encoding of the file:</source>
        <translation>&amp;Kodierung der Datei:</translation>
    </message>
    <message>
        <source>This record ends before every field was read.</source>
        <translation>Dieser Datensatz endet, bevor alle Felder gelesen wurden.</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 Artikel</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Artikel</translation>
    </message>
    <message>
        <source>The import will add %1, read as shown:</source>
        <translation>Der Import fügt %1 hinzu, gelesen wie gezeigt:</translation>
    </message>
    <message>
        <source>The import will add %1. The first %2 records, read as shown:</source>
        <translation>Der Import fügt %1 hinzu. Die ersten %2 Datensätze, gelesen wie gezeigt:</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>(nicht gelesen)</translation>
    </message>
</context>
<context>
    <name>CInsuranceReport</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>(blank)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Collection Inventory for Insurance</source>
        <translation>Bestandsverzeichnis der Sammlung für die Versicherung</translation>
    </message>
    <message>
        <source>Owner: %1</source>
        <translation>Eigentümer: %1</translation>
    </message>
    <message>
        <source>Policy number: %1</source>
        <translation>Versicherungsscheinnummer: %1</translation>
    </message>
    <message>
        <source>Number of items: %1</source>
        <translation>Anzahl der Artikel: %1</translation>
    </message>
    <message>
        <source>Total current value: %1</source>
        <translation>Gesamtwert (Zeitwert): %1</translation>
    </message>
    <message>
        <source>Total purchase price: %1</source>
        <translation>Summe der Kaufpreise: %1</translation>
    </message>
    <message>
        <source>Summary by %1</source>
        <translation>Übersicht nach %1</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation>Kaufpreis</translation>
    </message>
    <message>
        <source>Current Value</source>
        <translation>Zeitwert</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Artikel %1</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Bemerkungen:</translation>
    </message>
    <message>
        <source>Value history:</source>
        <translation>Wertentwicklung:</translation>
    </message>
    <message>
        <source>Declaration</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>I declare that this inventory of %1 items is true and complete to the best of my knowledge.</source>
        <translation>Ich versichere, dass dieses Verzeichnis von %1 Artikeln nach bestem Wissen richtig und vollständig ist.</translation>
    </message>
    <message>
        <source>Signature: ______________________________</source>
        <translation>Unterschrift: ______________________________</translation>
    </message>
    <message>
        <source>Date: ______________________________</source>
        <translation>Datum: ______________________________</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Entry date: %1</source>
        <translation>Aufnahmedatum: %1</translation>
    </message>
</context>
<context>
    <name>CInsuranceReportCommands</name>
    <message>
        <source>Insurance Report</source>
        <translation>Versicherungsbericht</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The report cannot be written to %1.</source>
        <translation>Der Bericht kann nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>CInsuranceReportDialog</name>
    <message>
        <source>Include &amp;pictures</source>
        <translation>&amp;Bilder aufnehmen</translation>
    </message>
    <message>
        <source>Include &amp;comments</source>
        <translation>Be&amp;merkungen aufnehmen</translation>
    </message>
    <message>
        <source>Insurance Report</source>
        <translation>Versicherungsbericht</translation>
    </message>
    <message>
        <source>Owner's &amp;name:</source>
        <translation>&amp;Name des Eigentümers:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Anschrift:</translation>
    </message>
    <message>
        <source>P&amp;olicy number:</source>
        <translation>&amp;Versicherungsscheinnummer:</translation>
    </message>
    <message>
        <source>&amp;Group by:</source>
        <translation>&amp;Gruppieren nach:</translation>
    </message>
</context>
<context>
    <name>CInventoryArchiveCommands</name>
    <message>
        <source>The archive was saved without these pictures, which could not be read:
</source>
        <translation>Das Archiv wurde ohne diese Bilder gespeichert, weil sie nicht gelesen werden konnten:
</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... und %1 weitere.</translation>
    </message>
    <message>
        <source>Gaugewright archives (*.gwz)</source>
        <translation>Gaugewright-Archive (*.gwz)</translation>
    </message>
    <message>
        <source>Save Copy as Archive</source>
        <translation>Kopie als Archiv speichern</translation>
    </message>
    <message>
        <source>Unpack the Archive into a New Folder</source>
        <translation>Archiv in einen neuen Ordner entpacken</translation>
    </message>
    <message>
        <source>Folders (*)</source>
        <translation>Ordner (*)</translation>
    </message>
</context>
<context>
    <name>CInventoryDetailsDialog</name>
    <message>
        <source>Inventory Details</source>
        <translation>Angezeigte Details</translation>
    </message>
    <message>
        <source>Show these details</source>
        <translation>Diese Angaben zeigen</translation>
    </message>
    <message>
        <source>No Inventory details selected!</source>
        <translation>Keine Angaben gewählt!</translation>
    </message>
</context>
<context>
    <name>CInventoryEditCommands</name>
    <message>
        <source>Unable to determine inventory item to delete.</source>
        <translation>Der zu löschende Artikel lässt sich nicht bestimmen.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete ALL inventory items?</source>
        <translation>Wollen Sie wirklich ALLE Artikel des Bestands löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the entire inventory item %1?</source>
        <translation>Wollen Sie wirklich den ganzen Artikel %1 löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete inventory item %1?</source>
        <translation>Wollen Sie den Artikel %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete ALL inventory element failed</source>
        <translation>Löschen ALLER Artikel fehlgeschlagen</translation>
    </message>
    <message>
        <source>Delete inventory element failed</source>
        <translation>Löschen des Artikels fehlgeschlagen</translation>
    </message>
    <message>
        <source>Maintain %1</source>
        <translation>%1 pflegen</translation>
    </message>
    <message>
        <source>Item integrity corrupted.
One or more attributes for this item are missing from the Classification Yard.</source>
        <translation>Artikel nicht stimmig.
Eine oder mehrere Angaben dieses Artikels fehlen im Rangierbahnhof.</translation>
    </message>
    <message>
        <source>Entire Inventory

Integrity OK</source>
        <translation>Gesamter Bestand

Integrität in Ordnung</translation>
    </message>
    <message>
        <source>Item integrity OK</source>
        <translation>Artikel in Ordnung</translation>
    </message>
    <message>
        <source>Integrity Check</source>
        <translation>Integritätsprüfung</translation>
    </message>
</context>
<context>
    <name>CInventoryListModel</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>CInventoryModificationDialog</name>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Nach:</translation>
    </message>
</context>
<context>
    <name>CInventoryYardLink</name>
    <message>
        <source>Could not register document with Classification Yard</source>
        <translation>Das Dokument konnte nicht beim Rangierbahnhof angemeldet werden</translation>
    </message>
    <message>
        <source>The finished rolling stock originated in another inventory file and cannot be added here!</source>
        <translation>Das fertige Rollmaterial stammt aus einer anderen Bestandsdatei und kann hier nicht aufgenommen werden!</translation>
    </message>
</context>
<context>
    <name>CItemNumberBuilder</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Undo Last</source>
        <translation>Letztes zurücknehmen</translation>
    </message>
    <message>
        <source>%1 Builder</source>
        <translation>%1-Baukasten</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Bindestrich</translation>
    </message>
    <message>
        <source>item number</source>
        <translation>Artikelnummer</translation>
    </message>
</context>
<context>
    <name>CLeftOverCopies</name>
    <message>
        <source>Gaugewright was not closed properly. Recover the unsaved changes of %1 inventories?
</source>
        <translation>Gaugewright wurde nicht ordnungsgemäß beendet. Die ungespeicherten Änderungen von %1 Bestandslisten wiederherstellen?
</translation>
    </message>
    <message>
        <source>
%1: damaged, can only be discarded</source>
        <translation>
%1: beschädigt, kann nur verworfen werden</translation>
    </message>
    <message>
        <source>never saved</source>
        <translation>nie gespeichert</translation>
    </message>
    <message>
        <source> - the file on disk is newer than this copy</source>
        <translation> - die Datei auf dem Datenträger ist neuer als diese Kopie</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Picture Pane</source>
        <translation>Bildbereich</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>CAP</source>
        <extracomment>The status bar's indicators of Caps Lock, Num Lock and Scroll Lock.</extracomment>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>Activate this window</source>
        <translation>Dieses Fenster aktivieren</translation>
    </message>
    <message>
        <source>Exit The Gaugewright?</source>
        <translation>The Gaugewright beenden?</translation>
    </message>
</context>
<context>
    <name>CManufacturerPage</name>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Search to end of manufacturer list.
The specified text was not found!</source>
        <translation>Die Herstellerliste wurde bis zum Ende durchsucht.
Der gesuchte Text wurde nicht gefunden!</translation>
    </message>
</context>
<context>
    <name>CManufacturerSheet</name>
    <message>
        <source>%1 Listing</source>
        <translation>%1-Liste</translation>
    </message>
    <message>
        <source>Please wait for the Manufacturer file to load...</source>
        <translation>Bitte warten, die Herstellerdatei wird geladen...</translation>
    </message>
</context>
<context>
    <name>CMessageBoxSink</name>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
</context>
<context>
    <name>COpenRequestQueue</name>
    <message>
        <source>1 file could not be opened:</source>
        <translation>1 Datei konnte nicht geöffnet werden:</translation>
    </message>
    <message>
        <source>%1 files could not be opened:</source>
        <translation>%1 Dateien konnten nicht geöffnet werden:</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... und %1 weitere.</translation>
    </message>
    <message>
        <source>1 more file was not opened: too many requests arrived at once.</source>
        <translation>1 weitere Datei wurde nicht geöffnet: Zu viele Anfragen kamen gleichzeitig an.</translation>
    </message>
    <message>
        <source>%1 more files were not opened: too many requests arrived at once.</source>
        <translation>%1 weitere Dateien wurden nicht geöffnet: Zu viele Anfragen kamen gleichzeitig an.</translation>
    </message>
</context>
<context>
    <name>CPictureDialog</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No Picture</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>Please select a file containing the picture</source>
        <translation>Bitte die Datei mit dem Bild wählen</translation>
    </message>
    <message>
        <source>JPG File(*.jpg) (*.jpg)</source>
        <translation>JPG-Datei(*.jpg) (*.jpg)</translation>
    </message>
    <message>
        <source>GIF File(*.gif) (*.gif)</source>
        <translation>GIF-Datei(*.gif) (*.gif)</translation>
    </message>
    <message>
        <source>Bitmaps(*.bmp) (*.bmp)</source>
        <translation>Bitmaps(*.bmp) (*.bmp)</translation>
    </message>
    <message>
        <source>All Files(*.*) (*)</source>
        <translation>Alle Dateien(*.*) (*)</translation>
    </message>
    <message>
        <source>File path Link to picture</source>
        <translation>Dateipfad des Bildes</translation>
    </message>
    <message>
        <source>No picture currently specified</source>
        <translation>Derzeit ist kein Bild angegeben</translation>
    </message>
    <message>
        <source>picture path</source>
        <translation>Bildpfad</translation>
    </message>
</context>
<context>
    <name>CPicturePane</name>
    <message>
        <source>No picture</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>%1
(the picture cannot be read)</source>
        <translation>%1
(das Bild kann nicht gelesen werden)</translation>
    </message>
</context>
<context>
    <name>CPictureViewer</name>
    <message>
        <source>The Gaugewright cannot find the picture file specified.

%1

Please make sure the file name is correct.</source>
        <translation>The Gaugewright findet die angegebene Bilddatei nicht.

%1

Bitte prüfen Sie, ob der Dateiname stimmt.</translation>
    </message>
    <message>
        <source>The Gaugewright cannot view this picture.

Open this file with Windows Explorer first, then retry.</source>
        <translation>The Gaugewright kann dieses Bild nicht anzeigen.

Öffnen Sie die Datei zuerst mit dem Windows-Explorer und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The operating system has denied access to the registry.

The Gaugewright cannot view this picture.</source>
        <translation>Das Betriebssystem hat den Zugriff auf die Registrierung verweigert.

The Gaugewright kann dieses Bild nicht anzeigen.</translation>
    </message>
    <message>
        <source>The operating system has denied access to the registry (shell).

The picture cannot be viewed.</source>
        <translation>Das Betriebssystem hat den Zugriff auf die Registrierung (Shell) verweigert.

Das Bild kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Starting Picture Viewer.  Please wait...</source>
        <translation>Bildbetrachter wird gestartet.  Bitte warten...</translation>
    </message>
</context>
<context>
    <name>CQuickFactsDialog</name>
    <message>
        <source>Pie</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Balken</translation>
    </message>
</context>
<context>
    <name>CRecoveryWriter</name>
    <message>
        <source>Unsaved changes are not kept for recovery: %1</source>
        <translation>Ungespeicherte Änderungen werden nicht für eine Wiederherstellung gesichert: %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made.</source>
        <translation>der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>CReportPrintCommands</name>
    <message>
        <source>Could not create printer DC</source>
        <translation>Druckerzugriff konnte nicht eingerichtet werden</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>CReportPrinter</name>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>The Gaugewright Inventory Report</source>
        <translation>The Gaugewright Bestandsbericht</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Seite:</translation>
    </message>
</context>
<context>
    <name>CSidingWardView</name>
    <message>
        <source>Inventory Count</source>
        <translation>Anzahl im Bestand</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Sortieren nach %1</translation>
    </message>
    <message>
        <source>Search to end of inventory list.
The specified text was not found!</source>
        <translation>Bis zum Ende des Bestands gesucht.
Der angegebene Text wurde nicht gefunden!</translation>
    </message>
</context>
<context>
    <name>CSidingWardView2</name>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Show only the items whose shown cells hold this text (Ctrl+L)</source>
        <translation>Nur die Artikel zeigen, deren sichtbare Zellen diesen Text enthalten (Ctrl+L)</translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation>%1 von %2 Artikeln</translation>
    </message>
    <message>
        <source>Search to end of inventory list.
The specified text was not found!</source>
        <translation>Bis zum Ende des Bestands gesucht.
Der angegebene Text wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Gaugewright Search Result</source>
        <translation>Gaugewright – Suchergebnis</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>Later starts of the program cannot reach this one: %1</source>
        <translation>Später gestartete Programmaufrufe können dieses Programm nicht erreichen: %1</translation>
    </message>
</context>
<context>
    <name>CSplashWindow</name>
    <message>
        <source>Inventories of model railroad rolling stock</source>
        <translation>Bestandslisten für Modellbahn-Rollmaterial</translation>
    </message>
</context>
<context>
    <name>CTextEditor</name>
    <message>
        <source>The text editor %1 runs in a terminal, and no terminal program was found (x-terminal-emulator, or the one TERMINAL names).</source>
        <translation>Der Texteditor %1 läuft in einem Terminal, und es wurde kein Terminalprogramm gefunden (x-terminal-emulator oder das in TERMINAL genannte).</translation>
    </message>
    <message>
        <source>No text editor is set for plain text files on this desktop.</source>
        <translation>Auf dieser Arbeitsoberfläche ist kein Texteditor für reine Textdateien eingestellt.</translation>
    </message>
    <message>
        <source>The text editor %1 could not be started.</source>
        <translation>Der Texteditor %1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>

Open %1 in a text editor to check it.</source>
        <translation>

Öffnen Sie %1 zur Prüfung in einem Texteditor.</translation>
    </message>
</context>
<context>
    <name>CTipOfTheDayDialog</name>
    <message>
        <source>The Gaugewright Tip of the Day</source>
        <translation>The Gaugewright – Tipp des Tages</translation>
    </message>
    <message>
        <source>Tips file does not exist in the prescribed directory</source>
        <translation>Die Tippdatei ist im vorgesehenen Verzeichnis nicht vorhanden</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wussten Sie schon...</translation>
    </message>
    <message>
        <source>&amp;Show Tips on StartUp</source>
        <translation>&amp;Tipps beim Start anzeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Trouble reading the tips file</source>
        <translation>Fehler beim Lesen der Tippdatei</translation>
    </message>
</context>
<context>
    <name>CValuationDialog</name>
    <message>
        <source>Add Valuation</source>
        <translation>Bewertung hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Wert:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
</context>
<context>
    <name>CValueHistoryDialog</name>
    <message>
        <source>Value History</source>
        <translation>Wertentwicklung</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>This item keeps no value history.</source>
        <translation>Dieser Artikel führt keine Wertentwicklung.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Add Valuation...</source>
        <translation>Bewertung hinzufügen...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>CWelcomeDialog</name>
    <message>
        <source>Welcome to The Gaugewright!</source>
        <translation>Willkommen bei The Gaugewright!</translation>
    </message>
    <message>
        <source>Please choose an option</source>
        <translation>Bitte wählen Sie</translation>
    </message>
    <message>
        <source>Take the Tutorial (25 minutes)</source>
        <translation>Die Einführung durcharbeiten (25 Minuten)</translation>
    </message>
    <message>
        <source>Create a new inventory</source>
        <translation>Einen neuen Bestand anlegen</translation>
    </message>
    <message>
        <source>Open an existing inventory</source>
        <translation>Einen vorhandenen Bestand öffnen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Do not show this window again </source>
        <translation>Dieses Fenster nicht mehr anzeigen </translation>
    </message>
</context>
<context>
    <name>CYardBuild</name>
    <message>
        <source>This item cannot be located in the sending inventory.
The operation will be canceled.</source>
        <translation>Dieser Artikel ist im sendenden Bestand nicht mehr zu finden.
Der Vorgang wird abgebrochen.</translation>
    </message>
    <message>
        <source>This action will delete the item
currently in the Classification Yard.

Do you want to continue?</source>
        <translation>Dadurch wird der Artikel gelöscht,
der sich gerade im Rangierbahnhof befindet.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>You did not select anything from the list.

Do you want to continue building the item?</source>
        <translation>Sie haben nichts aus der Liste ausgewählt.

Möchten Sie mit der Erstellung des Artikels fortfahren?</translation>
    </message>
    <message>
        <source>You did not finish the wizard build.

Do you want to continue building the item?</source>
        <translation>Sie haben den Assistenten nicht abgeschlossen.

Möchten Sie mit der Erstellung des Artikels fortfahren?</translation>
    </message>
    <message>
        <source>You cannot perform this action while a Build is in progress!
Press Finish or press Cancel to terminate the Build.</source>
        <translation>Diese Aktion ist nicht möglich, während ein Artikel erstellt wird!
Beenden Sie die Erstellung mit „Fertig“ oder „Abbrechen“.</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Gaugewright Error</source>
        <translation>Gaugewright – Fehler</translation>
    </message>
    <message>
        <source>Gaugewright System Error</source>
        <translation>Gaugewright – Systemfehler</translation>
    </message>
    <message>
        <source>Gaugewright Warning</source>
        <translation>Gaugewright – Warnung</translation>
    </message>
    <message>
        <source>Gaugewright Information</source>
        <translation>Gaugewright – Information</translation>
    </message>
    <message>
        <source>Gaugewright Search Result</source>
        <translation>Gaugewright – Suchergebnis</translation>
    </message>
    <message>
        <source>Classification Yard Error</source>
        <translation>Rangierbahnhof – Fehler</translation>
    </message>
    <message>
        <source>Classification Yard Warning</source>
        <translation>Rangierbahnhof – Warnung</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New Inventory	Ctrl+N</source>
        <translation>&amp;Neuer Bestand	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new inventory
New Inventory</source>
        <translation>Einen neuen Bestand anlegen
Neuer Bestand</translation>
    </message>
    <message>
        <source>&amp;Open Inventory...	Ctrl+O</source>
        <translation>Bestand ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing inventory
Open Inventory</source>
        <translation>Einen vorhandenen Bestand öffnen
Bestand öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Das aktive Dokument schließen
Schließen</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Das aktive Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>&amp;Build an Inventory Item</source>
        <translation>&amp;Bestandsartikel erstellen</translation>
    </message>
    <message>
        <source>Build a new item in the Classification Yard
Build an Inventory Item</source>
        <translation>Einen neuen Artikel im Rangierbahnhof erstellen
Bestandsartikel erstellen</translation>
    </message>
    <message>
        <source>&amp;Finish the Build</source>
        <translation>Erstellung &amp;abschließen</translation>
    </message>
    <message>
        <source>Finish the item being built
Finished</source>
        <translation>Den Artikel in Arbeit fertigstellen
Fertig</translation>
    </message>
    <message>
        <source>C&amp;ancel the Build</source>
        <translation>Erstellung abbre&amp;chen</translation>
    </message>
    <message>
        <source>Cancel the item being built
Cancel</source>
        <translation>Die Erstellung des Artikels abbrechen
Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Customize Classification Yard</source>
        <translation>Rangierbahnhof an&amp;passen</translation>
    </message>
    <message>
        <source>Change the values, ranges, headings and preferences of the yard
Customize Classification Yard</source>
        <translation>Werte, Bereiche, Bezeichnungen und Voreinstellungen des Rangierbahnhofs ändern
Rangierbahnhof anpassen</translation>
    </message>
    <message>
        <source>Use &amp;Manufacturer File</source>
        <translation>&amp;Herstellerdatei verwenden</translation>
    </message>
    <message>
        <source>Pick the item from the manufacturer file
Use Manufacturer File</source>
        <translation>Den Artikel aus der Herstellerdatei auswählen
Herstellerdatei verwenden</translation>
    </message>
    <message>
        <source>Use %1 File</source>
        <translation>%1-Datei verwenden</translation>
    </message>
    <message>
        <source>Use &amp;Item Number Builder</source>
        <translation>Artikelnummern-Bau&amp;kasten verwenden</translation>
    </message>
    <message>
        <source>Put the item number together key by key
Item Number Builder</source>
        <translation>Die Artikelnummer Taste für Taste zusammensetzen
Artikelnummern-Baukasten</translation>
    </message>
    <message>
        <source>Use %1 Builder</source>
        <translation>%1-Baukasten verwenden</translation>
    </message>
    <message>
        <source>&amp;Send Item to Inventory</source>
        <translation>Artikel an Bestand &amp;senden</translation>
    </message>
    <message>
        <source>Send the finished item to an inventory
Send Item to Inventory</source>
        <translation>Den fertigen Artikel in einen Bestand übernehmen
Artikel an Bestand senden</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>An %1 senden</translation>
    </message>
    <message>
        <source>&amp;Save Classification Yard	Ctrl+S</source>
        <translation>Rangierbahnhof &amp;speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Das aktive Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Insurance Report...</source>
        <translation>Ve&amp;rsicherungsbericht...</translation>
    </message>
    <message>
        <source>Write the inventory for an insurer as a PDF file
Insurance Report</source>
        <translation>Den Bestand für die Versicherung als PDF-Datei schreiben
Versicherungsbericht</translation>
    </message>
    <message>
        <source>&amp;Export Inventory</source>
        <translation>Bestand e&amp;xportieren</translation>
    </message>
    <message>
        <source>Write the inventory to a delimited text file
Export Inventory</source>
        <translation>Den Bestand in eine Textdatei mit Trennzeichen schreiben
Bestand exportieren</translation>
    </message>
    <message>
        <source>&amp;Import Inventory</source>
        <translation>Bestand i&amp;mportieren</translation>
    </message>
    <message>
        <source>Read the items of a delimited text file into the empty inventory
Import Inventory</source>
        <translation>Die Artikel einer Textdatei mit Trennzeichen in den leeren Bestand einlesen
Bestand importieren</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selected item and put it on the Clipboard
Cut</source>
        <translation>Den gewählten Artikel ausschneiden und in die Zwischenablage legen
Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selected item and put it on the Clipboard
Copy</source>
        <translation>Den gewählten Artikel kopieren und in die Zwischenablage legen
Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Einfügen	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert the item on the Clipboard
Paste</source>
        <translation>Den Artikel aus der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message>
        <source>&amp;Find	Ctrl+F</source>
        <translation>&amp;Suchen	Ctrl+F</translation>
    </message>
    <message>
        <source>Find an item by its text
Find</source>
        <translation>Einen Artikel über seinen Text suchen
Suchen</translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+Del</source>
        <translation>&amp;Löschen	Ctrl+Del</translation>
    </message>
    <message>
        <source>Delete the selected item
Delete</source>
        <translation>Den gewählten Artikel löschen
Löschen</translation>
    </message>
    <message>
        <source>&amp;Expand Inventory</source>
        <translation>Bestand &amp;aufklappen</translation>
    </message>
    <message>
        <source>Show the details of every item
Expand Inventory</source>
        <translation>Die Angaben aller Artikel zeigen
Bestand aufklappen</translation>
    </message>
    <message>
        <source>&amp;Collapse Inventory</source>
        <translation>Bestand &amp;zuklappen</translation>
    </message>
    <message>
        <source>Hide the details of every item
Collapse Inventory</source>
        <translation>Die Angaben aller Artikel ausblenden
Bestand zuklappen</translation>
    </message>
    <message>
        <source>&amp;Inventory Details...</source>
        <translation>Angezeigte &amp;Details...</translation>
    </message>
    <message>
        <source>Choose the details shown for every item
Inventory Details</source>
        <translation>Die bei jedem Artikel gezeigten Angaben wählen
Angezeigte Details</translation>
    </message>
    <message>
        <source>Show &amp;Pictures</source>
        <translation>B&amp;ilder zeigen</translation>
    </message>
    <message>
        <source>Show a thumbnail of each item's picture in the list
Show Pictures</source>
        <translation>Zu jedem Artikel ein kleines Bild in der Liste zeigen
Bilder zeigen</translation>
    </message>
    <message>
        <source>&amp;Send to Classification Yard</source>
        <translation>An den &amp;Rangierbahnhof senden</translation>
    </message>
    <message>
        <source>Send the selected item to the Classification Yard for changes
Send to Classification Yard</source>
        <translation>Den gewählten Artikel zum Ändern an den Rangierbahnhof senden
An den Rangierbahnhof senden</translation>
    </message>
    <message>
        <source>&amp;View Item Comments</source>
        <translation>Be&amp;merkungen anzeigen</translation>
    </message>
    <message>
        <source>Show the comments of the selected item
View Item Comments</source>
        <translation>Die Bemerkungen des gewählten Artikels anzeigen
Bemerkungen anzeigen</translation>
    </message>
    <message>
        <source>View Item &amp;Picture</source>
        <translation>Bild an&amp;zeigen</translation>
    </message>
    <message>
        <source>Show the picture of the selected item
View Item Picture</source>
        <translation>Das Bild des gewählten Artikels anzeigen
Bild anzeigen</translation>
    </message>
    <message>
        <source>V&amp;iew Item Picture</source>
        <translation>B&amp;ild anzeigen</translation>
    </message>
    <message>
        <source>&amp;Integrity Check</source>
        <translation>&amp;Integritätsprüfung</translation>
    </message>
    <message>
        <source>Check the item, or every item, against the Classification Yard
Integrity Check</source>
        <translation>Den Artikel oder alle Artikel mit dem Rangierbahnhof abgleichen
Integritätsprüfung</translation>
    </message>
    <message>
        <source>C&amp;hange Condition</source>
        <translation>&amp;Zustand ändern</translation>
    </message>
    <message>
        <source>Change the condition of the selected item
Change Condition</source>
        <translation>Den Zustand des gewählten Artikels ändern
Zustand ändern</translation>
    </message>
    <message>
        <source>&amp;Maintain %1</source>
        <translation>%1 p&amp;flegen</translation>
    </message>
    <message>
        <source>Ch&amp;ange Current Value</source>
        <translation>Zeit&amp;wert ändern</translation>
    </message>
    <message>
        <source>Change the current value of the selected item
Change Current Value</source>
        <translation>Den Zeitwert des gewählten Artikels ändern
Zeitwert ändern</translation>
    </message>
    <message>
        <source>M&amp;aintain %1</source>
        <translation>%1 pfle&amp;gen</translation>
    </message>
    <message>
        <source>Cha&amp;nge Comments</source>
        <translation>Bemerkungen ä&amp;ndern</translation>
    </message>
    <message>
        <source>Change the comments of the selected item
Change Comments</source>
        <translation>Die Bemerkungen des gewählten Artikels ändern
Bemerkungen ändern</translation>
    </message>
    <message>
        <source>Ma&amp;intain Comments</source>
        <translation>Bemerk&amp;ungen pflegen</translation>
    </message>
    <message>
        <source>Chan&amp;ge Picture</source>
        <translation>Bild &amp;ändern</translation>
    </message>
    <message>
        <source>Change the picture of the selected item
Change Picture</source>
        <translation>Das Bild des gewählten Artikels ändern
Bild ändern</translation>
    </message>
    <message>
        <source>Mai&amp;ntain Picture</source>
        <translation>Bild pflege&amp;n</translation>
    </message>
    <message>
        <source>&amp;Dollar Gain/Loss</source>
        <translation>Gewinn/Verlust in &amp;Dollar</translation>
    </message>
    <message>
        <source>Dollar gain or loss of the selected item or the inventory
Dollar Gain/Loss</source>
        <translation>Gewinn oder Verlust des gewählten Artikels oder des Bestands in Dollar
Gewinn/Verlust in Dollar</translation>
    </message>
    <message>
        <source>&amp;Percent Gain/Loss</source>
        <translation>Gewinn/Verlust in &amp;Prozent</translation>
    </message>
    <message>
        <source>Percent gain or loss of the selected item or the inventory
Percent Gain/Loss</source>
        <translation>Gewinn oder Verlust des gewählten Artikels oder des Bestands in Prozent
Gewinn/Verlust in Prozent</translation>
    </message>
    <message>
        <source>&amp;Worst Performer</source>
        <translation>&amp;Schlechtester Wertzuwachs</translation>
    </message>
    <message>
        <source>Find the item with the worst loss
Worst Performer</source>
        <translation>Den Artikel mit dem größten Verlust finden
Schlechtester Wertzuwachs</translation>
    </message>
    <message>
        <source>&amp;Best Performer</source>
        <translation>&amp;Bester Wertzuwachs</translation>
    </message>
    <message>
        <source>Find the item with the best gain
Best Performer</source>
        <translation>Den Artikel mit dem größten Gewinn finden
Bester Wertzuwachs</translation>
    </message>
    <message>
        <source>&amp;Total</source>
        <translation>&amp;Gesamt</translation>
    </message>
    <message>
        <source>Total purchase price of the inventory
Total Expenditures</source>
        <translation>Summe der Kaufpreise des Bestands
Gesamtausgaben</translation>
    </message>
    <message>
        <source>by  Purchase &amp;Date</source>
        <translation>nach Kauf&amp;datum</translation>
    </message>
    <message>
        <source>Expenditures by purchase date
Expenditures by Purchase Date</source>
        <translation>Ausgaben nach Kaufdatum
Ausgaben nach Kaufdatum</translation>
    </message>
    <message>
        <source>by &amp;%1</source>
        <translation>nach &amp;%1</translation>
    </message>
    <message>
        <source>by  &amp;Manufacturer</source>
        <translation>nach &amp;Hersteller</translation>
    </message>
    <message>
        <source>Expenditures by manufacturer
Expenditures by Manufacturer</source>
        <translation>Ausgaben nach Hersteller
Ausgaben nach Hersteller</translation>
    </message>
    <message>
        <source>by  &amp;Body Classification</source>
        <translation>nach Ga&amp;ttung</translation>
    </message>
    <message>
        <source>Expenditures by body classification
Expenditures by Body Classification</source>
        <translation>Ausgaben nach Gattung
Ausgaben nach Gattung</translation>
    </message>
    <message>
        <source>Total current value of the inventory
Total Asset Value</source>
        <translation>Summe der Zeitwerte des Bestands
Gesamtwert</translation>
    </message>
    <message>
        <source>Asset value by purchase date
Asset Value by Purchase Date</source>
        <translation>Wert nach Kaufdatum
Wert nach Kaufdatum</translation>
    </message>
    <message>
        <source>Asset value by manufacturer
Asset Value by Manufacturer</source>
        <translation>Wert nach Hersteller
Wert nach Hersteller</translation>
    </message>
    <message>
        <source>Asset value by body classification
Asset Value by Body Classification</source>
        <translation>Wert nach Gattung
Wert nach Gattung</translation>
    </message>
    <message>
        <source>Number of items of the inventory
Total Item Count</source>
        <translation>Anzahl der Artikel im Bestand
Artikelanzahl gesamt</translation>
    </message>
    <message>
        <source>Item count by manufacturer
Item Count by Manufacturer</source>
        <translation>Artikelanzahl nach Hersteller
Artikelanzahl nach Hersteller</translation>
    </message>
    <message>
        <source>Item count by body classification
Item Count by Body Classification</source>
        <translation>Artikelanzahl nach Gattung
Artikelanzahl nach Gattung</translation>
    </message>
    <message>
        <source>&amp;Custom Report</source>
        <translation>&amp;Eigene Auswertung</translation>
    </message>
    <message>
        <source>Totals grouped by an attribute of your choice
Custom Report</source>
        <translation>Summen, gruppiert nach einer Angabe Ihrer Wahl
Eigene Auswertung</translation>
    </message>
    <message>
        <source>Value &amp;History...</source>
        <translation>&amp;Wertentwicklung...</translation>
    </message>
    <message>
        <source>The inventory's value over time, and the selected item's valuations
Value History</source>
        <translation>Der Wert des Bestands im Lauf der Zeit und die Bewertungen des gewählten Artikels
Wertentwicklung</translation>
    </message>
    <message>
        <source>&amp;Body Classification</source>
        <translation>&amp;Gattung</translation>
    </message>
    <message>
        <source>&amp;Manufacturer</source>
        <translation>&amp;Hersteller</translation>
    </message>
    <message>
        <source>&amp;Item Number</source>
        <translation>&amp;Artikelnummer</translation>
    </message>
    <message>
        <source>&amp;RoadName</source>
        <translation>&amp;Bahngesellschaft</translation>
    </message>
    <message>
        <source>&amp;Paint Scheme</source>
        <translation>&amp;Lackierung</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>&amp;Spur</translation>
    </message>
    <message>
        <source>&amp;Condition</source>
        <translation>&amp;Zustand</translation>
    </message>
    <message>
        <source>&amp;Original Box</source>
        <translation>&amp;Originalverpackung</translation>
    </message>
    <message>
        <source>&amp;Date Built</source>
        <translation>Bau&amp;jahr</translation>
    </message>
    <message>
        <source>P&amp;urchase Date</source>
        <translation>&amp;Kaufdatum</translation>
    </message>
    <message>
        <source>Purc&amp;hase Price</source>
        <translation>Kauf&amp;preis</translation>
    </message>
    <message>
        <source>Current &amp;Value</source>
        <translation>Zeit&amp;wert</translation>
    </message>
    <message>
        <source>User Defined &amp;1</source>
        <translation>Benutzerdefiniert &amp;1</translation>
    </message>
    <message>
        <source>User Defined &amp;2</source>
        <translation>Benutzerdefiniert &amp;2</translation>
    </message>
    <message>
        <source>Sort the inventory by this attribute
Sort by %1</source>
        <translation>Den Bestand nach dieser Angabe sortieren
Sortieren nach %1</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Druckeinric&amp;htung...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Druckeinrichtung</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Die Hilfethemen auflisten
Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Tipp des Tages</translation>
    </message>
    <message>
        <source>Display a tip about the program
Tip of the Day</source>
        <translation>Einen Tipp zum Programm anzeigen
Tipp des Tages</translation>
    </message>
    <message>
        <source>&amp;About The Gaugewright...</source>
        <translation>Ü&amp;ber The Gaugewright...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Info</translation>
    </message>
    <message>
        <source>Save Copy as &amp;Archive...</source>
        <translation>Kopie als &amp;Archiv speichern...</translation>
    </message>
    <message>
        <source>Save the inventory with its pictures and the Classification Yard in one archive
Save Copy as Archive</source>
        <translation>Den Bestand mit seinen Bildern und dem Rangierbahnhof in einem Archiv speichern
Kopie als Archiv speichern</translation>
    </message>
    <message>
        <source>&amp;View as a List</source>
        <translation>Als &amp;Liste anzeigen</translation>
    </message>
    <message>
        <source>Show the inventory in a list window
View as a List</source>
        <translation>Den Bestand in einem Listenfenster anzeigen
Als Liste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Wiederholen	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>&amp;Rückgängig: %1	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Shift+Z</source>
        <translation>&amp;Wiederholen: %1	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Das Programm beenden; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>Undo the last change of the inventory
Undo</source>
        <translation>Die letzte Änderung am Bestand rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Do again the change last undone
Redo</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederholen
Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <translation>Die Symbolleiste ein- oder ausblenden
Symbolleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Picture Pane</source>
        <translation>&amp;Bildbereich</translation>
    </message>
    <message>
        <source>Show or hide the picture of the selected item beside the windows
Picture Pane</source>
        <translation>Das Bild des gewählten Artikels neben den Fenstern ein- oder ausblenden
Bildbereich</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation>Die Statusleiste ein- oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Zum nächsten Fensterbereich wechseln
Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Zum vorherigen Fensterbereich zurückwechseln
Vorheriger Bereich</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Über&amp;lappend</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Fenster überlappend anordnen
Überlappend</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>&amp;Untereinander</translation>
    </message>
    <message>
        <source>Arrange windows one above the other
Tile Horizontally</source>
        <translation>Fenster untereinander anordnen
Untereinander</translation>
    </message>
    <message>
        <source>Tile &amp;Vertically</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>Arrange windows side by side
Tile Vertically</source>
        <translation>Fenster nebeneinander anordnen
Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message>
        <source>Arrange minimized windows at the bottom of the window
Arrange Icons</source>
        <translation>Minimierte Fenster am unteren Rand des Fensters anordnen
Symbole anordnen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <translation>Hilfe zu angeklickten Schaltflächen, Menüs und Fenstern anzeigen
Hilfe</translation>
    </message>
</context>
<context>
    <name>Headings</name>
    <message>
        <source>Body Classification</source>
        <translation>Gattung</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Item Number</source>
        <translation>Artikelnummer</translation>
    </message>
    <message>
        <source>RoadName</source>
        <translation>Bahngesellschaft</translation>
    </message>
    <message>
        <source>Paint Scheme</source>
        <translation>Lackierung</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Original Box</source>
        <translation>Originalverpackung</translation>
    </message>
    <message>
        <source>Date Built</source>
        <translation>Baujahr</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Kaufdatum</translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation>Kaufpreis</translation>
    </message>
    <message>
        <source>Current Value</source>
        <translation>Zeitwert</translation>
    </message>
    <message>
        <source>Era</source>
        <translation>Epoche</translation>
    </message>
    <message>
        <source>User Defined 1</source>
        <translation>Benutzerdefiniert 1</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>User Defined 2</source>
        <translation>Benutzerdefiniert 2</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Classification Modification</source>
        <translation>Rangierbahnhof bearbeiten</translation>
    </message>
    <message>
        <source>Inventory Modification</source>
        <translation>Bestand bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Sort Inventory by...</source>
        <translation>Bestand sortieren nach...</translation>
    </message>
    <message>
        <source>&amp;Quick Facts</source>
        <translation>&amp;Kurzauskunft</translation>
    </message>
    <message>
        <source>&amp;Expenditures...</source>
        <translation>&amp;Ausgaben...</translation>
    </message>
    <message>
        <source>&amp;Asset Value...</source>
        <translation>&amp;Gesamtwert...</translation>
    </message>
    <message>
        <source>&amp;Item Count...</source>
        <translation>Artikel&amp;zahl...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Add Valuation</source>
        <translation>Bewertung hinzufügen</translation>
    </message>
    <message>
        <source>Change Comments</source>
        <translation>Bemerkungen ändern</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>Bild ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete ALL</source>
        <translation>ALLE löschen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Change Current Value</source>
        <translation>Zeitwert ändern</translation>
    </message>
    <message>
        <source>Change Condition</source>
        <translation>Zustand ändern</translation>
    </message>
    <message>
        <source>Change in Yard</source>
        <translation>Änderung im Rangierbahnhof</translation>
    </message>
    <message>
        <source>Add from Yard</source>
        <translation>Aus dem Rangierbahnhof hinzufügen</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien geöffnet sind.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Der Datenträger ist voll (beim Zugriff auf %1).</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Beim Zugriff auf %1 wurde ein Ein-/Ausgabefehler der Hardware gemeldet.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Zugriffsverletzung durch gemeinsame Nutzung aufgetreten.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
    <message>
        <source>The selected file is not a Gaugewright file!</source>
        <translation>Die gewählte Datei ist keine Gaugewright-Datei!</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 MB that the program reads.</source>
        <translation>%1 ist größer als die %2 MB, die das Programm liest.</translation>
    </message>
    <message>
        <source>Line %1 is not valid UTF-8.</source>
        <translation>Zeile %1 ist kein gültiges UTF-8.</translation>
    </message>
    <message>
        <source>Line %1 holds the character "%2" (%3), which an inventory cannot store.</source>
        <translation>Zeile %1 enthält das Zeichen „%2“ (%3), das ein Bestand nicht speichern kann.</translation>
    </message>
    <message>
        <source>The quoted value that starts on line %1 is never closed.</source>
        <translation>Der Wert in Anführungszeichen, der in Zeile %1 beginnt, wird nie geschlossen.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>A file error has been detected!
The import file cannot be loaded.
%1</source>
        <translation>Ein Dateifehler wurde festgestellt!
Die Importdatei kann nicht geladen werden.
%1</translation>
    </message>
    <message>
        <source>%1 cannot be imported: an inventory holds at most 65535 items, this one would hold %2.</source>
        <translation>%1 kann nicht importiert werden: Ein Bestand fasst höchstens 65535 Artikel, dieser hätte dann %2.</translation>
    </message>
    <message>
        <source>The import file must have at least 1 field delimiter specified!</source>
        <translation>Für die Importdatei muss mindestens 1 Feldtrennzeichen angegeben sein!</translation>
    </message>
    <message>
        <source>Unable to detect the end of record indicator!

Make sure that each record ends with carriage return line feed.
Check the integrity of the file using a text editor such as Notepad.</source>
        <translation>Das Ende der Datensätze ist nicht zu erkennen!

Achten Sie darauf, dass jeder Datensatz mit Wagenrücklauf und Zeilenvorschub (CR LF) endet.
Prüfen Sie die Datei mit einem Texteditor wie Notepad.</translation>
    </message>
    <message>
        <source>With quoted values the field delimiter cannot hold a double quote or a line break.</source>
        <translation>Bei Werten in Anführungszeichen darf das Feldtrennzeichen weder ein doppeltes Anführungszeichen noch einen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>With quoted values the field delimiter cannot be empty.</source>
        <translation>Bei Werten in Anführungszeichen darf das Feldtrennzeichen nicht leer sein.</translation>
    </message>
    <message>
        <source>The field order must name from 1 to 14 different attributes, each by its index 0 to 13.</source>
        <translation>Die Feldreihenfolge muss 1 bis 14 verschiedene Attribute nennen, jedes mit seinem Index von 0 bis 13.</translation>
    </message>
    <message>
        <source>%1 cannot be saved: an inventory holds at most 65535 items, this one holds %2.</source>
        <translation>%1 kann nicht gespeichert werden: Ein Bestand fasst höchstens 65535 Artikel, dieser hat %2.</translation>
    </message>
    <message>
        <source>%1 is the same file as %2; the archive must go to another file.</source>
        <translation>%1 ist dieselbe Datei wie %2; das Archiv muss in eine andere Datei geschrieben werden.</translation>
    </message>
    <message>
        <source>The archive holds an unsafe entry: %1.</source>
        <translation>Das Archiv enthält einen unsicheren Eintrag: %1.</translation>
    </message>
    <message>
        <source>%1 already exists and is not an empty folder.</source>
        <translation>%1 existiert bereits und ist kein leerer Ordner.</translation>
    </message>
    <message>
        <source>The archive %1 would unpack to more than %2 times its own size; it is not unpacked.</source>
        <translation>Das Archiv %1 würde entpackt mehr als das %2-Fache seiner eigenen Größe belegen; es wird nicht entpackt.</translation>
    </message>
    <message>
        <source>The archive %1 would unpack to more than 4 GiB; it is not unpacked.</source>
        <translation>Das Archiv %1 würde entpackt mehr als 4 GiB belegen; es wird nicht entpackt.</translation>
    </message>
    <message>
        <source>The archive %1 holds more files than an inventory has pictures; it is not unpacked.</source>
        <translation>Das Archiv %1 enthält mehr Dateien, als ein Bestand Bilder haben kann; es wird nicht entpackt.</translation>
    </message>
    <message>
        <source>The archive %1 holds no inventory.</source>
        <translation>Das Archiv %1 enthält keinen Bestand.</translation>
    </message>
    <message>
        <source>The archive %1 is damaged: its inventory cannot be read (%2)</source>
        <translation>Das Archiv %1 ist beschädigt: Sein Bestand kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>The name of the folder %1 holds characters that an inventory cannot keep in its picture paths.</source>
        <translation>Der Name des Ordners %1 enthält Zeichen, die ein Bestand nicht in seinen Bildpfaden speichern kann.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>The archive %1 is damaged or is not an archive (%2).</source>
        <translation>Das Archiv %1 ist beschädigt oder kein Archiv (%2).</translation>
    </message>
    <message>
        <source>The Classification Yard cannot be saved: its value lists hold %1 entries in all, and the file holds at most %2.</source>
        <translation>Der Rangierbahnhof kann nicht gespeichert werden: Seine Wertelisten enthalten insgesamt %1 Einträge, die Datei fasst höchstens %2.</translation>
    </message>
    <message>
        <source>Please enter one or more characters!</source>
        <translation>Bitte geben Sie mindestens ein Zeichen ein!</translation>
    </message>
    <message>
        <source>A file error has been detected!
The external manufacturer file cannot be loaded.
%1</source>
        <translation>Ein Dateifehler wurde festgestellt!
Die externe Herstellerdatei kann nicht geladen werden.
%1</translation>
    </message>
    <message>
        <source>This external manufacturer record is incomplete!
%1</source>
        <translation>Dieser Eintrag der externen Herstellerdatei ist unvollständig!
%1</translation>
    </message>
    <message>
        <source>%1 more incomplete external manufacturer record was skipped.</source>
        <translation>%1 weiterer unvollständiger Eintrag der externen Herstellerdatei wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 more incomplete external manufacturer records were skipped.</source>
        <translation>%1 weitere unvollständige Einträge der externen Herstellerdatei wurden übersprungen.</translation>
    </message>
    <message>
        <source>There is not enough memory to load %1.</source>
        <translation>Es ist nicht genug Speicher frei, um %1 zu laden.</translation>
    </message>
    <message>
        <source>Sorry!

No Money Gainers Found</source>
        <translation>Schade!

Kein Fahrzeug mit Wertzuwachs gefunden</translation>
    </message>
    <message>
        <source>The Best Performer

%1
%2

Gain of: $%3

There are %4 additional item(s) with the same gain amount.</source>
        <translation>Bester Wertzuwachs

%1
%2

Gewinn: $%3

Es gibt %4 weitere(n) Artikel mit demselben Gewinn.</translation>
    </message>
    <message>
        <source>The Best Performer

%1
%2

Gain of: $%3</source>
        <translation>Bester Wertzuwachs

%1
%2

Gewinn: $%3</translation>
    </message>
    <message>
        <source>Expenditures by %1</source>
        <translation>Ausgaben nach %1</translation>
    </message>
    <message>
        <source>Asset Value by %1</source>
        <translation>Wert nach %1</translation>
    </message>
    <message>
        <source>Item Count by %1</source>
        <translation>Anzahl der Artikel nach %1</translation>
    </message>
    <message>
        <source>Item Count</source>
        <translation>Artikelanzahl</translation>
    </message>
    <message>
        <source>Other years</source>
        <translation>Andere Jahre</translation>
    </message>
    <message>
        <source>Dollar Gain or Loss

Entire Inventory

%1</source>
        <translation>Gewinn/Verlust in Dollar

Gesamter Bestand

%1</translation>
    </message>
    <message>
        <source>Dollar Gain or Loss

%1
%2

%3</source>
        <translation>Gewinn/Verlust in Dollar

%1
%2

%3</translation>
    </message>
    <message>
        <source>Entire Inventory

Item Count: %1</source>
        <translation>Gesamter Bestand

Anzahl der Artikel: %1</translation>
    </message>
    <message>
        <source>Total Item Count</source>
        <translation>Gesamtzahl der Artikel</translation>
    </message>
    <message>
        <source>Percent Gain or Loss

Entire Inventory

%1</source>
        <translation>Gewinn/Verlust in Prozent

Gesamter Bestand

%1</translation>
    </message>
    <message>
        <source>Percent Gain or Loss

%1
%2

%3</source>
        <translation>Gewinn/Verlust in Prozent

%1
%2

%3</translation>
    </message>
    <message>
        <source>Break Even!</source>
        <translation>Weder Gewinn noch Verlust!</translation>
    </message>
    <message>
        <source>Loss of: %%1</source>
        <translation>Verlust: %%1</translation>
    </message>
    <message>
        <source>Gain of: %%1</source>
        <translation>Gewinn: %%1</translation>
    </message>
    <message>
        <source>Loss of: $%1</source>
        <translation>Verlust: $%1</translation>
    </message>
    <message>
        <source>Gain of: $%1</source>
        <translation>Gewinn: $%1</translation>
    </message>
    <message>
        <source>Entire Inventory

Total Asset Value: $%1</source>
        <translation>Gesamter Bestand

Gesamtwert: $%1</translation>
    </message>
    <message>
        <source>Entire Inventory

Total Expenditures: $%1</source>
        <translation>Gesamter Bestand

Gesamtausgaben: $%1</translation>
    </message>
    <message>
        <source>Cannot calculate! Purchase Price is zero</source>
        <translation>Keine Berechnung möglich! Der Kaufpreis ist null</translation>
    </message>
    <message>
        <source>Congratulations!

No Money Losers Found</source>
        <translation>Glückwunsch!

Kein Fahrzeug mit Wertverlust gefunden</translation>
    </message>
    <message>
        <source>The Worst Performer

%1
%2

Loss of: $%3

There are %4 additional item(s) with the same loss amount.</source>
        <translation>Schlechtester Wertzuwachs

%1
%2

Verlust: $%3

Es gibt %4 weitere(n) Artikel mit demselben Verlust.</translation>
    </message>
    <message>
        <source>The Worst Performer

%1
%2

Loss of: $%3</source>
        <translation>Schlechtester Wertzuwachs

%1
%2

Verlust: $%3</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>%1 is the same file as %2; the report must go to another file.</source>
        <translation>%1 ist dieselbe Datei wie %2; der Bericht muss in eine andere Datei geschrieben werden.</translation>
    </message>
    <message>
        <source>The report cannot be written to %1.</source>
        <translation>Der Bericht kann nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Text</name>
    <message>
        <source>The %1 cannot hold these characters: %2
Gaugewright texts hold only Western European (Windows-1252) characters.</source>
        <translation>Das Feld „%1“ kann diese Zeichen nicht aufnehmen: %2
Texte in Gaugewright enthalten nur westeuropäische Zeichen (Windows-1252).</translation>
    </message>
</context>
</TS>
