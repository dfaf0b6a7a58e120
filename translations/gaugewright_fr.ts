<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About The Gaugewright</source>
        <translation>À propos de The Gaugewright</translation>
    </message>
    <message>
        <source>Registry Error!</source>
        <translation>Erreur dans les paramètres !</translation>
    </message>
    <message>
        <source>Release %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Inventories of model railroad rolling stock and their value.</source>
        <translation>Inventaires de matériel roulant de modélisme ferroviaire et leur valeur.</translation>
    </message>
    <message>
        <source>Restore the Welcome Dialog</source>
        <translation>Rétablir la boîte de dialogue d'accueil</translation>
    </message>
    <message>
        <source>The Welcome dialog will appear the next time you start The Gaugewright.</source>
        <translation>La boîte de dialogue d'accueil apparaîtra au prochain démarrage de The Gaugewright.</translation>
    </message>
</context>
<context>
    <name>CAddChangeDialog</name>
    <message>
        <source>Classification Yard - Add/Change</source>
        <translation>Gare de triage - Ajouter/Modifier</translation>
    </message>
    <message>
        <source>Rolling Stock Attribute</source>
        <translation>Attribut du matériel roulant</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valeur</translation>
    </message>
</context>
<context>
    <name>CAppCommands</name>
    <message>
        <source>The help file %1 cannot be found.</source>
        <translation>Le fichier d'aide %1 est introuvable.</translation>
    </message>
    <message>
        <source>The help cannot be shown: no program of this desktop opens %1.</source>
        <translation>L'aide ne peut pas être affichée : aucun programme de ce bureau n'ouvre %1.</translation>
    </message>
</context>
<context>
    <name>CAppSettings</name>
    <message>
        <source>The settings could not be written to %1.</source>
        <translation>Les paramètres n'ont pas pu être écrits dans %1.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged.</source>
        <translation>Le fichier de paramètres %1 est endommagé.</translation>
    </message>
</context>
<context>
    <name>CAttributeRadioGroup</name>
    <message>
        <source>Classification Yard Attributes</source>
        <translation>Attributs de la gare de triage</translation>
    </message>
</context>
<context>
    <name>CBreakdownChart</name>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Losses are left out of the pie.</source>
        <translation>Les pertes ne figurent pas dans le camembert.</translation>
    </message>
    <message>
        <source>%1: %2 %</source>
        <translation>%1 : %2 %</translation>
    </message>
</context>
<context>
    <name>CChangeAttributeNameDialog</name>
    <message>
        <source>Change Attribute Name</source>
        <translation>Renommer l'attribut</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Ancien :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Nouveau :</translation>
    </message>
    <message>
        <source>heading</source>
        <translation>intitulé</translation>
    </message>
</context>
<context>
    <name>CChooseInventoryDialog</name>
    <message>
        <source>Choose an Inventory for the item</source>
        <translation>Choisir l'inventaire de l'article</translation>
    </message>
    <message>
        <source>Please select an Inventory!</source>
        <translation>Veuillez choisir un inventaire !</translation>
    </message>
</context>
<context>
    <name>CClassificationView</name>
    <message>
        <source>Please wait for %1 to load...</source>
        <translation>Veuillez patienter pendant le chargement de %1...</translation>
    </message>
    <message>
        <source>The Classification Yard</source>
        <translation>La gare de triage</translation>
    </message>
    <message>
        <source>Please wait for %1 to stop...</source>
        <translation>Veuillez patienter pendant l'arrêt de %1...</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Classification Yard Item</source>
        <translation>Article de la gare de triage</translation>
    </message>
    <message>
        <source>Build....</source>
        <translation>Créer....</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Use the archive's Classification Yard values and headings?</source>
        <translation>Utiliser les valeurs et les intitulés de la gare de triage contenus dans l'archive ?</translation>
    </message>
    <message>
        <source>Add to Classification Yard failed!</source>
        <translation>L'ajout à la gare de triage a échoué !</translation>
    </message>
    <message>
        <source>item number</source>
        <translation>référence</translation>
    </message>
</context>
<context>
    <name>CClassificationWizard</name>
    <message>
        <source>Classification Yard Wizard</source>
        <translation>Assistant de la gare de triage</translation>
    </message>
</context>
<context>
    <name>CClassificationWizardPage</name>
    <message>
        <source>List of Choices</source>
        <translation>Liste de choix</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
</context>
<context>
    <name>CCommentsEditor</name>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No Comments</source>
        <translation>Aucun commentaire</translation>
    </message>
    <message>
        <source>comments</source>
        <translation>commentaires</translation>
    </message>
</context>
<context>
    <name>CCommentsViewer</name>
    <message>
        <source>Comments for %1</source>
        <translation>Commentaires pour %1</translation>
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
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Asset Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Item Count</source>
        <translation>Nombre d'articles</translation>
    </message>
    <message>
        <source>Add --&gt;</source>
        <translation>Ajouter --&gt;</translation>
    </message>
    <message>
        <source>&lt;-- Remove</source>
        <translation>&lt;-- Retirer</translation>
    </message>
    <message>
        <source>Produce Report</source>
        <translation>Créer le rapport</translation>
    </message>
    <message>
        <source>Quick Facts Custom Report</source>
        <translation>Aperçu rapide – rapport personnalisé</translation>
    </message>
    <message>
        <source>Available Inventory Fields</source>
        <translation>Champs disponibles de l'inventaire</translation>
    </message>
    <message>
        <source>By This Inventory Field</source>
        <translation>Selon ce champ</translation>
    </message>
</context>
<context>
    <name>CCustomizeHeadings</name>
    <message>
        <source>Change Attribute Name</source>
        <translation>Renommer l'attribut</translation>
    </message>
</context>
<context>
    <name>CCustomizePreferences</name>
    <message>
        <source>Build Preferences</source>
        <translation>Préférences de création</translation>
    </message>
    <message>
        <source>Always use the Manufacturer file</source>
        <translation>Toujours utiliser le fichier des fabricants</translation>
    </message>
    <message>
        <source>Always use Classification Yard Wizard</source>
        <translation>Toujours utiliser l'assistant de la gare de triage</translation>
    </message>
    <message>
        <source>Always use the %1 File</source>
        <translation>Toujours utiliser le fichier %1</translation>
    </message>
</context>
<context>
    <name>CCustomizeSheet</name>
    <message>
        <source>Classification Yard Customization</source>
        <translation>Personnalisation de la gare de triage</translation>
    </message>
    <message>
        <source>Attribute Values</source>
        <translation>Valeurs des attributs</translation>
    </message>
    <message>
        <source>Attribute Headings</source>
        <translation>Intitulés des attributs</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
</context>
<context>
    <name>CCustomizeValues</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Set Range</source>
        <translation>Définir la plage</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Due to many variations,
item number values
are not contained in the
Classification Yard.</source>
        <translation>En raison des nombreuses
variantes, les références
ne figurent pas dans
la gare de triage.</translation>
    </message>
    <message>
        <source>The Classification Yard file can hold at most %1 values in all; this change would give it %2.
Nothing was changed. Choose a smaller range or remove values from other lists first.</source>
        <translation>Le fichier de la gare de triage peut contenir au plus %1 valeurs au total ; cette modification en donnerait %2.
Rien n'a été modifié. Choisissez une plage plus petite ou supprimez d'abord des valeurs d'autres listes.</translation>
    </message>
    <message>
        <source>The add function failed!</source>
        <translation>L'ajout a échoué !</translation>
    </message>
    <message>
        <source>No rolling stock attribute selected!</source>
        <translation>Aucun attribut de matériel roulant sélectionné !</translation>
    </message>
    <message>
        <source>The delete operation of the change function failed!</source>
        <translation>Lors de la modification, la suppression de l'ancienne valeur a échoué !</translation>
    </message>
    <message>
        <source>The add operation of the change function failed!</source>
        <translation>Lors de la modification, l'ajout de la nouvelle valeur a échoué !</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Voulez-vous vraiment supprimer « %1 » ?</translation>
    </message>
    <message>
        <source>The delete function failed!</source>
        <translation>La suppression a échoué !</translation>
    </message>
</context>
<context>
    <name>CDataDirectory</name>
    <message>
        <source>The data directory "%1" does not exist.</source>
        <translation>Le dossier de données « %1 » n'existe pas.</translation>
    </message>
    <message>
        <source>The data directory "%1" could not be created.</source>
        <translation>Le dossier de données « %1 » n'a pas pu être créé.</translation>
    </message>
    <message>
        <source>The program's data files (Classyrd.mst and the others) were not found. These folders were searched:
%1

Start the program with --data-dir DIR, DIR being a folder that holds Classyrd.mst.</source>
        <translation>Les fichiers de données du programme (Classyrd.mst et les autres) sont introuvables. Les dossiers suivants ont été parcourus :
%1

Lancez le programme avec --data-dir DIR, DIR étant un dossier qui contient Classyrd.mst.</translation>
    </message>
    <message>
        <source>These data files could not be copied to "%1": %2.</source>
        <translation>Ces fichiers de données n'ont pas pu être copiés dans « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>CDateControlDialog</name>
    <message>
        <source>Classification Yard - Date Control</source>
        <translation>Gare de triage - Années</translation>
    </message>
    <message>
        <source>Date Range</source>
        <translation>Plage d'années</translation>
    </message>
    <message>
        <source>From Year</source>
        <translation>De l'année</translation>
    </message>
    <message>
        <source>To Year</source>
        <translation>À l'année</translation>
    </message>
</context>
<context>
    <name>CDelimiterGroup</name>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Point-virgule</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>delimiter</source>
        <translation>séparateur</translation>
    </message>
    <message>
        <source>Quote values (spreadsheet CSV)</source>
        <translation>Valeurs entre guillemets (CSV pour tableur)</translation>
    </message>
    <message>
        <source>Text and CSV files (*.txt *.csv *.tsv)</source>
        <translation>Fichiers texte et CSV (*.txt *.csv *.tsv)</translation>
    </message>
    <message>
        <source>All Files(*.*) (*)</source>
        <translation>Tous les fichiers(*.*) (*)</translation>
    </message>
</context>
<context>
    <name>CDocManager</name>
    <message>
        <source>%1 is open in another window.
Close it there first, or save under another name.</source>
        <translation>%1 est ouvert dans une autre fenêtre.
Fermez-le d'abord là-bas, ou enregistrez-le sous un autre nom.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Inventory (*.inv)</source>
        <translation>Inventaire (*.inv)</translation>
    </message>
</context>
<context>
    <name>CDollarControlDialog</name>
    <message>
        <source>Classification Yard - Dollar Control</source>
        <translation>Gare de triage - Montants en dollars</translation>
    </message>
    <message>
        <source>Dollar Range</source>
        <translation>Plage de montants</translation>
    </message>
    <message>
        <source>From Dollar</source>
        <translation>De (dollars)</translation>
    </message>
    <message>
        <source>To Dollar</source>
        <translation>À (dollars)</translation>
    </message>
</context>
<context>
    <name>CExportDialog</name>
    <message>
        <source>Field Delimiters</source>
        <translation>Séparateurs de champs</translation>
    </message>
    <message>
        <source>Include Field Names</source>
        <translation>Inclure les noms des champs</translation>
    </message>
    <message>
        <source>Export Inventory</source>
        <translation>Exporter l'inventaire</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Encodage :</translation>
    </message>
    <message>
        <source>Save As Gaugewright Inventory Export File</source>
        <translation>Enregistrer comme fichier d'export d'inventaire Gaugewright</translation>
    </message>
</context>
<context>
    <name>CFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Find what: </source>
        <translation>Rechercher : </translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Find First</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>search text</source>
        <translation>texte recherché</translation>
    </message>
</context>
<context>
    <name>CImportDialog</name>
    <message>
        <source>Add --&gt;</source>
        <translation>Ajouter --&gt;</translation>
    </message>
    <message>
        <source>Add All --&gt;</source>
        <translation>Tout ajouter --&gt;</translation>
    </message>
    <message>
        <source>&lt;-- Remove</source>
        <translation>&lt;-- Retirer</translation>
    </message>
    <message>
        <source>&lt;-- Remove All</source>
        <translation>&lt;-- Tout retirer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Field Separators</source>
        <translation>Séparateurs de champs</translation>
    </message>
    <message>
        <source>First record contains Field Names</source>
        <translation>Le premier enregistrement contient les noms des champs</translation>
    </message>
    <message>
        <source>Import Inventory</source>
        <translation>Importer l'inventaire</translation>
    </message>
    <message>
        <source>Available Inventory Fields</source>
        <translation>Champs disponibles de l'inventaire</translation>
    </message>
    <message>
        <source>Selected Field Order of Import File</source>
        <translation>Ordre des champs choisi du fichier à importer</translation>
    </message>
    <message>
        <source>Please choose a Gaugewright Inventory Import File</source>
        <translation>Veuillez choisir un fichier d'import d'inventaire Gaugewright</translation>
    </message>
</context>
<context>
    <name>CImportExportCommands</name>
    <message>
        <source>1 item</source>
        <translation>1 article</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 articles</translation>
    </message>
    <message>
        <source>Exported %1 to %2.</source>
        <translation>%1 exporté(s) vers %2.</translation>
    </message>
    <message>
        <source>The import added %1. %2 of their Purchase Price and Current Value texts were plain numbers and are stored as money texts (125 as 125.00).</source>
        <translation>L'import a ajouté %1. %2 de leurs textes de prix d'achat et de valeur actuelle étaient de simples nombres et sont enregistrés comme montants (125 devient 125.00).</translation>
    </message>
    <message>
        <source>Imported %1 from %2.</source>
        <translation>%1 importé(s) depuis %2.</translation>
    </message>
</context>
<context>
    <name>CImportPreviewDialog</name>
    <message>
        <source>Marked records end before every field was read: the fields shown as "%1" stay empty.</source>
        <translation>Les enregistrements marqués se terminent avant que tous les champs soient lus : les champs affichés « %1 » restent vides.</translation>
    </message>
    <message>
        <source>Import Preview</source>
        <translation>Aperçu de l'import</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>&amp;Encoding of the file:</source>
        <translation>&amp;Encodage du fichier :</translation>
    </message>
    <message>
        <source>This record ends before every field was read.</source>
        <translation>Cet enregistrement se termine avant que tous les champs soient lus.</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 article</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 articles</translation>
    </message>
    <message>
        <source>The import will add %1, read as shown:</source>
        <translation>L'import ajoutera %1, lu(s) comme affiché :</translation>
    </message>
    <message>
        <source>The import will add %1. The first %2 records, read as shown:</source>
        <translation>L'import ajoutera %1. Les %2 premiers enregistrements, lus comme affiché :</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>(non lu)</translation>
    </message>
</context>
<context>
    <name>CInsuranceReport</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>(blank)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Collection Inventory for Insurance</source>
        <translation>Inventaire de la collection pour l'assurance</translation>
    </message>
    <message>
        <source>Owner: %1</source>
        <translation>Propriétaire : %1</translation>
    </message>
    <message>
        <source>Policy number: %1</source>
        <translation>Numéro de police : %1</translation>
    </message>
    <message>
        <source>Number of items: %1</source>
        <translation>Nombre d'articles : %1</translation>
    </message>
    <message>
        <source>Total current value: %1</source>
        <translation>Valeur actuelle totale : %1</translation>
    </message>
    <message>
        <source>Total purchase price: %1</source>
        <translation>Prix d'achat total : %1</translation>
    </message>
    <message>
        <source>Summary by %1</source>
        <translation>Récapitulatif par %1</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Articles</translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation>Prix d'achat</translation>
    </message>
    <message>
        <source>Current Value</source>
        <translation>Valeur actuelle</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Article %1</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>pas de photo</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commentaires :</translation>
    </message>
    <message>
        <source>Value history:</source>
        <translation>Historique de la valeur :</translation>
    </message>
    <message>
        <source>Declaration</source>
        <translation>Déclaration</translation>
    </message>
    <message>
        <source>I declare that this inventory of %1 items is true and complete to the best of my knowledge.</source>
        <translation>Je déclare que cet inventaire de %1 articles est exact et complet à ma connaissance.</translation>
    </message>
    <message>
        <source>Signature: ______________________________</source>
        <translation>Signature : ______________________________</translation>
    </message>
    <message>
        <source>Date: ______________________________</source>
        <translation>Date : ______________________________</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date : %1</translation>
    </message>
    <message>
        <source>Entry date: %1</source>
        <translation>Date d'entrée : %1</translation>
    </message>
</context>
<context>
    <name>CInsuranceReportCommands</name>
    <message>
        <source>Insurance Report</source>
        <translation>Rapport d'assurance</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report cannot be written to %1.</source>
        <translation>Le rapport ne peut pas être écrit dans %1.</translation>
    </message>
</context>
<context>
    <name>CInsuranceReportDialog</name>
    <message>
        <source>Include &amp;pictures</source>
        <translation>Inclure les &amp;photos</translation>
    </message>
    <message>
        <source>Include &amp;comments</source>
        <translation>Inclure les &amp;commentaires</translation>
    </message>
    <message>
        <source>Insurance Report</source>
        <translation>Rapport d'assurance</translation>
    </message>
    <message>
        <source>Owner's &amp;name:</source>
        <translation>&amp;Nom du propriétaire :</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>P&amp;olicy number:</source>
        <translation>N&amp;uméro de police :</translation>
    </message>
    <message>
        <source>&amp;Group by:</source>
        <translation>&amp;Grouper par :</translation>
    </message>
</context>
<context>
    <name>CInventoryArchiveCommands</name>
    <message>
        <source>The archive was saved without these pictures, which could not be read:
</source>
        <translation>L'archive a été enregistrée sans ces photos, qui n'ont pas pu être lues :
</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... et %1 de plus.</translation>
    </message>
    <message>
        <source>Gaugewright archives (*.gwz)</source>
        <translation>Archives Gaugewright (*.gwz)</translation>
    </message>
    <message>
        <source>Save Copy as Archive</source>
        <translation>Enregistrer une copie en archive</translation>
    </message>
    <message>
        <source>Unpack the Archive into a New Folder</source>
        <translation>Extraire l'archive dans un nouveau dossier</translation>
    </message>
    <message>
        <source>Folders (*)</source>
        <translation>Dossiers (*)</translation>
    </message>
</context>
<context>
    <name>CInventoryDetailsDialog</name>
    <message>
        <source>Inventory Details</source>
        <translation>Détails de l'inventaire</translation>
    </message>
    <message>
        <source>Show these details</source>
        <translation>Afficher ces détails</translation>
    </message>
    <message>
        <source>No Inventory details selected!</source>
        <translation>Aucun détail d'inventaire choisi !</translation>
    </message>
</context>
<context>
    <name>CInventoryEditCommands</name>
    <message>
        <source>Unable to determine inventory item to delete.</source>
        <translation>Impossible de déterminer l'article à supprimer.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete ALL inventory items?</source>
        <translation>Voulez-vous vraiment supprimer TOUS les articles de l'inventaire ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the entire inventory item %1?</source>
        <translation>Voulez-vous vraiment supprimer l'article entier %1 ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete inventory item %1?</source>
        <translation>Voulez-vous vraiment supprimer l'article %1 ?</translation>
    </message>
    <message>
        <source>Delete ALL inventory element failed</source>
        <translation>Échec de la suppression de TOUS les articles</translation>
    </message>
    <message>
        <source>Delete inventory element failed</source>
        <translation>Échec de la suppression de l'article</translation>
    </message>
    <message>
        <source>Maintain %1</source>
        <translation>Mettre à jour %1</translation>
    </message>
    <message>
        <source>Item integrity corrupted.
One or more attributes for this item are missing from the Classification Yard.</source>
        <translation>Intégrité de l'article compromise.
Un ou plusieurs attributs de cet article manquent dans la gare de triage.</translation>
    </message>
    <message>
        <source>Entire Inventory

Integrity OK</source>
        <translation>Inventaire entier

Intégrité correcte</translation>
    </message>
    <message>
        <source>Item integrity OK</source>
        <translation>Intégrité de l'article correcte</translation>
    </message>
    <message>
        <source>Integrity Check</source>
        <translation>Contrôle d'intégrité</translation>
    </message>
</context>
<context>
    <name>CInventoryListModel</name>
    <message>
        <source>Picture</source>
        <translation>Photo</translation>
    </message>
</context>
<context>
    <name>CInventoryModificationDialog</name>
    <message>
        <source>From:</source>
        <translation>De :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À :</translation>
    </message>
</context>
<context>
    <name>CInventoryYardLink</name>
    <message>
        <source>Could not register document with Classification Yard</source>
        <translation>Impossible d'inscrire le document auprès de la gare de triage</translation>
    </message>
    <message>
        <source>The finished rolling stock originated in another inventory file and cannot be added here!</source>
        <translation>Le matériel roulant terminé provient d'un autre fichier d'inventaire et ne peut pas être ajouté ici !</translation>
    </message>
</context>
<context>
    <name>CItemNumberBuilder</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Undo Last</source>
        <translation>Annuler le dernier</translation>
    </message>
    <message>
        <source>%1 Builder</source>
        <translation>Générateur de %1</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Trait d'union</translation>
    </message>
    <message>
        <source>item number</source>
        <translation>référence</translation>
    </message>
</context>
<context>
    <name>CLeftOverCopies</name>
    <message>
        <source>Gaugewright was not closed properly. Recover the unsaved changes of %1 inventories?
</source>
        <translation>Gaugewright n'a pas été fermé correctement. Récupérer les modifications non enregistrées de %1 inventaires ?
</translation>
    </message>
    <message>
        <source>
%1: damaged, can only be discarded</source>
        <translation>
%1 : endommagé, ne peut être qu'abandonné</translation>
    </message>
    <message>
        <source>never saved</source>
        <translation>jamais enregistré</translation>
    </message>
    <message>
        <source> - the file on disk is newer than this copy</source>
        <translation> - le fichier sur le disque est plus récent que cette copie</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Barre d'outils</translation>
    </message>
    <message>
        <source>Picture Pane</source>
        <translation>Volet des photos</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>CAP</source>
        <extracomment>The status bar's indicators of Caps Lock, Num Lock and Scroll Lock.</extracomment>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DEF</translation>
    </message>
    <message>
        <source>Activate this window</source>
        <translation>Activer cette fenêtre</translation>
    </message>
    <message>
        <source>Exit The Gaugewright?</source>
        <translation>Quitter The Gaugewright ?</translation>
    </message>
</context>
<context>
    <name>CManufacturerPage</name>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Search to end of manufacturer list.
The specified text was not found!</source>
        <translation>Recherche effectuée jusqu'à la fin de la liste des fabricants.
Le texte indiqué est introuvable !</translation>
    </message>
</context>
<context>
    <name>CManufacturerSheet</name>
    <message>
        <source>%1 Listing</source>
        <translation>Liste « %1 »</translation>
    </message>
    <message>
        <source>Please wait for the Manufacturer file to load...</source>
        <translation>Veuillez patienter pendant le chargement du fichier des fabricants...</translation>
    </message>
</context>
<context>
    <name>CMessageBoxSink</name>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>A&amp;bandonner</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
</context>
<context>
    <name>COpenRequestQueue</name>
    <message>
        <source>1 file could not be opened:</source>
        <translation>1 fichier n'a pas pu être ouvert :</translation>
    </message>
    <message>
        <source>%1 files could not be opened:</source>
        <translation>%1 fichiers n'ont pas pu être ouverts :</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
... et %1 de plus.</translation>
    </message>
    <message>
        <source>1 more file was not opened: too many requests arrived at once.</source>
        <translation>1 fichier de plus n'a pas été ouvert : trop de demandes sont arrivées en même temps.</translation>
    </message>
    <message>
        <source>%1 more files were not opened: too many requests arrived at once.</source>
        <translation>%1 fichiers de plus n'ont pas été ouverts : trop de demandes sont arrivées en même temps.</translation>
    </message>
</context>
<context>
    <name>CPictureDialog</name>
    <message>
        <source>Picture</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No Picture</source>
        <translation>Aucune photo</translation>
    </message>
    <message>
        <source>Please select a file containing the picture</source>
        <translation>Veuillez choisir le fichier contenant la photo</translation>
    </message>
    <message>
        <source>JPG File(*.jpg) (*.jpg)</source>
        <translation>Fichier JPG(*.jpg) (*.jpg)</translation>
    </message>
    <message>
        <source>GIF File(*.gif) (*.gif)</source>
        <translation>Fichier GIF(*.gif) (*.gif)</translation>
    </message>
    <message>
        <source>Bitmaps(*.bmp) (*.bmp)</source>
        <translation>Images bitmap(*.bmp) (*.bmp)</translation>
    </message>
    <message>
        <source>All Files(*.*) (*)</source>
        <translation>Tous les fichiers(*.*) (*)</translation>
    </message>
    <message>
        <source>File path Link to picture</source>
        <translation>Chemin du fichier de la photo</translation>
    </message>
    <message>
        <source>No picture currently specified</source>
        <translation>Aucune photo n'est indiquée pour le moment</translation>
    </message>
    <message>
        <source>picture path</source>
        <translation>chemin de la photo</translation>
    </message>
</context>
<context>
    <name>CPicturePane</name>
    <message>
        <source>No picture</source>
        <translation>Aucune photo</translation>
    </message>
    <message>
        <source>%1
(the picture cannot be read)</source>
        <translation>%1
(la photo ne peut pas être lue)</translation>
    </message>
</context>
<context>
    <name>CPictureViewer</name>
    <message>
        <source>The Gaugewright cannot find the picture file specified.

%1

Please make sure the file name is correct.</source>
        <translation>The Gaugewright ne trouve pas le fichier photo indiqué.

%1

Vérifiez que le nom du fichier est correct.</translation>
    </message>
    <message>
        <source>The Gaugewright cannot view this picture.

Open this file with Windows Explorer first, then retry.</source>
        <translation>The Gaugewright ne peut pas afficher cette photo.

Ouvrez d'abord ce fichier avec l'Explorateur Windows, puis réessayez.</translation>
    </message>
    <message>
        <source>The operating system has denied access to the registry.

The Gaugewright cannot view this picture.</source>
        <translation>Le système d'exploitation a refusé l'accès au registre.

The Gaugewright ne peut pas afficher cette photo.</translation>
    </message>
    <message>
        <source>The operating system has denied access to the registry (shell).

The picture cannot be viewed.</source>
        <translation>Le système d'exploitation a refusé l'accès au registre (shell).

La photo ne peut pas être affichée.</translation>
    </message>
    <message>
        <source>Starting Picture Viewer.  Please wait...</source>
        <translation>Démarrage de la visionneuse de photos.  Veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>CQuickFactsDialog</name>
    <message>
        <source>Pie</source>
        <translation>Camembert</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barres</translation>
    </message>
</context>
<context>
    <name>CRecoveryWriter</name>
    <message>
        <source>Unsaved changes are not kept for recovery: %1</source>
        <translation>Les modifications non enregistrées ne sont pas conservées pour une récupération : %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made.</source>
        <translation>le dossier %1 ne peut pas être créé.</translation>
    </message>
</context>
<context>
    <name>CReportPrintCommands</name>
    <message>
        <source>Could not create printer DC</source>
        <translation>Impossible de préparer l'imprimante</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
</context>
<context>
    <name>CReportPrinter</name>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>The Gaugewright Inventory Report</source>
        <translation>The Gaugewright – rapport d'inventaire</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Page :</translation>
    </message>
</context>
<context>
    <name>CSidingWardView</name>
    <message>
        <source>Inventory Count</source>
        <translation>Nombre d'articles</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Trier par %1</translation>
    </message>
    <message>
        <source>Search to end of inventory list.
The specified text was not found!</source>
        <translation>Recherche terminée jusqu'à la fin de l'inventaire.
Le texte indiqué est introuvable !</translation>
    </message>
</context>
<context>
    <name>CSidingWardView2</name>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Show only the items whose shown cells hold this text (Ctrl+L)</source>
        <translation>Afficher seulement les articles dont les cellules visibles contiennent ce texte (Ctrl+L)</translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation>%1 articles sur %2</translation>
    </message>
    <message>
        <source>Search to end of inventory list.
The specified text was not found!</source>
        <translation>Recherche terminée jusqu'à la fin de l'inventaire.
Le texte indiqué est introuvable !</translation>
    </message>
    <message>
        <source>Gaugewright Search Result</source>
        <translation>Gaugewright – Résultat de la recherche</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>Later starts of the program cannot reach this one: %1</source>
        <translation>Les lancements suivants du programme ne peuvent pas joindre celui-ci : %1</translation>
    </message>
</context>
<context>
    <name>CSplashWindow</name>
    <message>
        <source>Inventories of model railroad rolling stock</source>
        <translation>Inventaires de matériel roulant miniature</translation>
    </message>
</context>
<context>
    <name>CTextEditor</name>
    <message>
        <source>The text editor %1 runs in a terminal, and no terminal program was found (x-terminal-emulator, or the one TERMINAL names).</source>
        <translation>L'éditeur de texte %1 s'exécute dans un terminal, et aucun programme de terminal n'a été trouvé (x-terminal-emulator, ou celui que nomme TERMINAL).</translation>
    </message>
    <message>
        <source>No text editor is set for plain text files on this desktop.</source>
        <translation>Aucun éditeur de texte n'est défini pour les fichiers texte sur ce bureau.</translation>
    </message>
    <message>
        <source>The text editor %1 could not be started.</source>
        <translation>L'éditeur de texte %1 n'a pas pu être lancé.</translation>
    </message>
    <message>
        <source>

Open %1 in a text editor to check it.</source>
        <translation>

Ouvrez %1 dans un éditeur de texte pour le vérifier.</translation>
    </message>
</context>
<context>
    <name>CTipOfTheDayDialog</name>
    <message>
        <source>The Gaugewright Tip of the Day</source>
        <translation>The Gaugewright – Astuce du jour</translation>
    </message>
    <message>
        <source>Tips file does not exist in the prescribed directory</source>
        <translation>Le fichier des astuces n'existe pas dans le dossier prévu</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Le saviez-vous...</translation>
    </message>
    <message>
        <source>&amp;Show Tips on StartUp</source>
        <translation>&amp;Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Astuce &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Trouble reading the tips file</source>
        <translation>Erreur de lecture du fichier des astuces</translation>
    </message>
</context>
<context>
    <name>CValuationDialog</name>
    <message>
        <source>Add Valuation</source>
        <translation>Ajouter une estimation</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Valeur :</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Note :</translation>
    </message>
</context>
<context>
    <name>CValueHistoryDialog</name>
    <message>
        <source>Value History</source>
        <translation>Historique de la valeur</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventaire</translation>
    </message>
    <message>
        <source>This item keeps no value history.</source>
        <translation>Cet article n'a pas d'historique de la valeur.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Add Valuation...</source>
        <translation>Ajouter une estimation...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>CWelcomeDialog</name>
    <message>
        <source>Welcome to The Gaugewright!</source>
        <translation>Bienvenue dans The Gaugewright !</translation>
    </message>
    <message>
        <source>Please choose an option</source>
        <translation>Veuillez choisir une option</translation>
    </message>
    <message>
        <source>Take the Tutorial (25 minutes)</source>
        <translation>Suivre le didacticiel (25 minutes)</translation>
    </message>
    <message>
        <source>Create a new inventory</source>
        <translation>Créer un nouvel inventaire</translation>
    </message>
    <message>
        <source>Open an existing inventory</source>
        <translation>Ouvrir un inventaire existant</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Do not show this window again </source>
        <translation>Ne plus afficher cette fenêtre </translation>
    </message>
</context>
<context>
    <name>CYardBuild</name>
    <message>
        <source>This item cannot be located in the sending inventory.
The operation will be canceled.</source>
        <translation>Cet article est introuvable dans l'inventaire d'origine.
L'opération va être annulée.</translation>
    </message>
    <message>
        <source>This action will delete the item
currently in the Classification Yard.

Do you want to continue?</source>
        <translation>Cette action supprimera l'article
qui se trouve dans la gare de triage.

Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>You did not select anything from the list.

Do you want to continue building the item?</source>
        <translation>Vous n'avez rien choisi dans la liste.

Voulez-vous continuer la création de l'article ?</translation>
    </message>
    <message>
        <source>You did not finish the wizard build.

Do you want to continue building the item?</source>
        <translation>Vous n'avez pas terminé l'assistant.

Voulez-vous continuer la création de l'article ?</translation>
    </message>
    <message>
        <source>You cannot perform this action while a Build is in progress!
Press Finish or press Cancel to terminate the Build.</source>
        <translation>Action impossible pendant la création d'un article !
Cliquez sur « Terminé » ou « Annuler » pour mettre fin à la création.</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Gaugewright Error</source>
        <translation>Gaugewright – Erreur</translation>
    </message>
    <message>
        <source>Gaugewright System Error</source>
        <translation>Gaugewright – Erreur système</translation>
    </message>
    <message>
        <source>Gaugewright Warning</source>
        <translation>Gaugewright – Avertissement</translation>
    </message>
    <message>
        <source>Gaugewright Information</source>
        <translation>Gaugewright – Information</translation>
    </message>
    <message>
        <source>Gaugewright Search Result</source>
        <translation>Gaugewright – Résultat de la recherche</translation>
    </message>
    <message>
        <source>Classification Yard Error</source>
        <translation>Gare de triage – Erreur</translation>
    </message>
    <message>
        <source>Classification Yard Warning</source>
        <translation>Gare de triage – Avertissement</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New Inventory	Ctrl+N</source>
        <translation>&amp;Nouvel inventaire	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new inventory
New Inventory</source>
        <translation>Créer un nouvel inventaire
Nouvel inventaire</translation>
    </message>
    <message>
        <source>&amp;Open Inventory...	Ctrl+O</source>
        <translation>&amp;Ouvrir un inventaire...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing inventory
Open Inventory</source>
        <translation>Ouvrir un inventaire existant
Ouvrir un inventaire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Fermer le document actif
Fermer</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Enregistrer le document actif
Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Enregistrer le document actif sous un nouveau nom
Enregistrer sous</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>&amp;Build an Inventory Item</source>
        <translation>Créer un artic&amp;le d'inventaire</translation>
    </message>
    <message>
        <source>Build a new item in the Classification Yard
Build an Inventory Item</source>
        <translation>Créer un nouvel article dans la gare de triage
Créer un article d'inventaire</translation>
    </message>
    <message>
        <source>&amp;Finish the Build</source>
        <translation>&amp;Terminer la création</translation>
    </message>
    <message>
        <source>Finish the item being built
Finished</source>
        <translation>Terminer l'article en cours de création
Terminé</translation>
    </message>
    <message>
        <source>C&amp;ancel the Build</source>
        <translation>A&amp;nnuler la création</translation>
    </message>
    <message>
        <source>Cancel the item being built
Cancel</source>
        <translation>Annuler l'article en cours de création
Annuler</translation>
    </message>
    <message>
        <source>&amp;Customize Classification Yard</source>
        <translation>&amp;Personnaliser la gare de triage</translation>
    </message>
    <message>
        <source>Change the values, ranges, headings and preferences of the yard
Customize Classification Yard</source>
        <translation>Modifier les valeurs, plages, intitulés et préférences de la gare de triage
Personnaliser la gare de triage</translation>
    </message>
    <message>
        <source>Use &amp;Manufacturer File</source>
        <translation>Utiliser le fichier des &amp;fabricants</translation>
    </message>
    <message>
        <source>Pick the item from the manufacturer file
Use Manufacturer File</source>
        <translation>Choisir l'article dans le fichier des fabricants
Utiliser le fichier des fabricants</translation>
    </message>
    <message>
        <source>Use %1 File</source>
        <translation>Utiliser le fichier %1</translation>
    </message>
    <message>
        <source>Use &amp;Item Number Builder</source>
        <translation>Utiliser le &amp;générateur de référence</translation>
    </message>
    <message>
        <source>Put the item number together key by key
Item Number Builder</source>
        <translation>Composer la référence touche par touche
Générateur de référence</translation>
    </message>
    <message>
        <source>Use %1 Builder</source>
        <translation>Utiliser le générateur de %1</translation>
    </message>
    <message>
        <source>&amp;Send Item to Inventory</source>
        <translation>&amp;Envoyer l'article à l'inventaire</translation>
    </message>
    <message>
        <source>Send the finished item to an inventory
Send Item to Inventory</source>
        <translation>Envoyer l'article terminé dans un inventaire
Envoyer l'article à l'inventaire</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Envoyer à %1</translation>
    </message>
    <message>
        <source>&amp;Save Classification Yard	Ctrl+S</source>
        <translation>&amp;Enregistrer la gare de triage	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimer le document actif
Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Aperçu a&amp;vant impression</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Afficher des pages entières
Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Insurance Report...</source>
        <translation>&amp;Rapport d'assurance...</translation>
    </message>
    <message>
        <source>Write the inventory for an insurer as a PDF file
Insurance Report</source>
        <translation>Écrire l'inventaire pour l'assureur dans un fichier PDF
Rapport d'assurance</translation>
    </message>
    <message>
        <source>&amp;Export Inventory</source>
        <translation>E&amp;xporter l'inventaire</translation>
    </message>
    <message>
        <source>Write the inventory to a delimited text file
Export Inventory</source>
        <translation>Écrire l'inventaire dans un fichier texte délimité
Exporter l'inventaire</translation>
    </message>
    <message>
        <source>&amp;Import Inventory</source>
        <translation>I&amp;mporter l'inventaire</translation>
    </message>
    <message>
        <source>Read the items of a delimited text file into the empty inventory
Import Inventory</source>
        <translation>Lire les articles d'un fichier texte délimité dans l'inventaire vide
Importer l'inventaire</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Co&amp;uper	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selected item and put it on the Clipboard
Cut</source>
        <translation>Couper l'article sélectionné et le placer dans le presse-papiers
Couper</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copier	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selected item and put it on the Clipboard
Copy</source>
        <translation>Copier l'article sélectionné et le placer dans le presse-papiers
Copier</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>C&amp;oller	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert the item on the Clipboard
Paste</source>
        <translation>Insérer l'article du presse-papiers
Coller</translation>
    </message>
    <message>
        <source>&amp;Find	Ctrl+F</source>
        <translation>Rec&amp;hercher	Ctrl+F</translation>
    </message>
    <message>
        <source>Find an item by its text
Find</source>
        <translation>Rechercher un article par son texte
Rechercher</translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+Del</source>
        <translation>&amp;Supprimer	Ctrl+Del</translation>
    </message>
    <message>
        <source>Delete the selected item
Delete</source>
        <translation>Supprimer l'article sélectionné
Supprimer</translation>
    </message>
    <message>
        <source>&amp;Expand Inventory</source>
        <translation>&amp;Développer l'inventaire</translation>
    </message>
    <message>
        <source>Show the details of every item
Expand Inventory</source>
        <translation>Afficher les détails de chaque article
Développer l'inventaire</translation>
    </message>
    <message>
        <source>&amp;Collapse Inventory</source>
        <translation>&amp;Réduire l'inventaire</translation>
    </message>
    <message>
        <source>Hide the details of every item
Collapse Inventory</source>
        <translation>Masquer les détails de chaque article
Réduire l'inventaire</translation>
    </message>
    <message>
        <source>&amp;Inventory Details...</source>
        <translation>Détails de l'i&amp;nventaire...</translation>
    </message>
    <message>
        <source>Choose the details shown for every item
Inventory Details</source>
        <translation>Choisir les détails affichés pour chaque article
Détails de l'inventaire</translation>
    </message>
    <message>
        <source>Show &amp;Pictures</source>
        <translation>Afficher les p&amp;hotos</translation>
    </message>
    <message>
        <source>Show a thumbnail of each item's picture in the list
Show Pictures</source>
        <translation>Afficher une vignette de la photo de chaque article dans la liste
Afficher les photos</translation>
    </message>
    <message>
        <source>&amp;Send to Classification Yard</source>
        <translation>Envoyer à la &amp;gare de triage</translation>
    </message>
    <message>
        <source>Send the selected item to the Classification Yard for changes
Send to Classification Yard</source>
        <translation>Envoyer l'article sélectionné à la gare de triage pour le modifier
Envoyer à la gare de triage</translation>
    </message>
    <message>
        <source>&amp;View Item Comments</source>
        <translation>&amp;Afficher les commentaires</translation>
    </message>
    <message>
        <source>Show the comments of the selected item
View Item Comments</source>
        <translation>Afficher les commentaires de l'article sélectionné
Afficher les commentaires</translation>
    </message>
    <message>
        <source>View Item &amp;Picture</source>
        <translation>Afficher la &amp;photo</translation>
    </message>
    <message>
        <source>Show the picture of the selected item
View Item Picture</source>
        <translation>Afficher la photo de l'article sélectionné
Afficher la photo</translation>
    </message>
    <message>
        <source>V&amp;iew Item Picture</source>
        <translation>Afficher la pho&amp;to</translation>
    </message>
    <message>
        <source>&amp;Integrity Check</source>
        <translation>Contrôle d'&amp;intégrité</translation>
    </message>
    <message>
        <source>Check the item, or every item, against the Classification Yard
Integrity Check</source>
        <translation>Vérifier l'article, ou chaque article, par rapport à la gare de triage
Contrôle d'intégrité</translation>
    </message>
    <message>
        <source>C&amp;hange Condition</source>
        <translation>Modifier l'&amp;état</translation>
    </message>
    <message>
        <source>Change the condition of the selected item
Change Condition</source>
        <translation>Modifier l'état de l'article sélectionné
Modifier l'état</translation>
    </message>
    <message>
        <source>&amp;Maintain %1</source>
        <translation>&amp;Mettre à jour %1</translation>
    </message>
    <message>
        <source>Ch&amp;ange Current Value</source>
        <translation>Modifier la &amp;valeur actuelle</translation>
    </message>
    <message>
        <source>Change the current value of the selected item
Change Current Value</source>
        <translation>Modifier la valeur actuelle de l'article sélectionné
Modifier la valeur actuelle</translation>
    </message>
    <message>
        <source>M&amp;aintain %1</source>
        <translation>M&amp;ettre à jour %1</translation>
    </message>
    <message>
        <source>Cha&amp;nge Comments</source>
        <translation>Modifier les comme&amp;ntaires</translation>
    </message>
    <message>
        <source>Change the comments of the selected item
Change Comments</source>
        <translation>Modifier les commentaires de l'article sélectionné
Modifier les commentaires</translation>
    </message>
    <message>
        <source>Ma&amp;intain Comments</source>
        <translation>Mett&amp;re à jour les commentaires</translation>
    </message>
    <message>
        <source>Chan&amp;ge Picture</source>
        <translation>&amp;Modifier la photo</translation>
    </message>
    <message>
        <source>Change the picture of the selected item
Change Picture</source>
        <translation>Modifier la photo de l'article sélectionné
Modifier la photo</translation>
    </message>
    <message>
        <source>Mai&amp;ntain Picture</source>
        <translation>Mettre à &amp;jour la photo</translation>
    </message>
    <message>
        <source>&amp;Dollar Gain/Loss</source>
        <translation>Gain/Perte en &amp;dollars</translation>
    </message>
    <message>
        <source>Dollar gain or loss of the selected item or the inventory
Dollar Gain/Loss</source>
        <translation>Gain ou perte en dollars de l'article sélectionné ou de l'inventaire
Gain/Perte en dollars</translation>
    </message>
    <message>
        <source>&amp;Percent Gain/Loss</source>
        <translation>Gain/Perte en &amp;pourcentage</translation>
    </message>
    <message>
        <source>Percent gain or loss of the selected item or the inventory
Percent Gain/Loss</source>
        <translation>Gain ou perte en pourcentage de l'article sélectionné ou de l'inventaire
Gain/Perte en pourcentage</translation>
    </message>
    <message>
        <source>&amp;Worst Performer</source>
        <translation>Pire p&amp;lacement</translation>
    </message>
    <message>
        <source>Find the item with the worst loss
Worst Performer</source>
        <translation>Trouver l'article qui a le plus perdu
Pire placement</translation>
    </message>
    <message>
        <source>&amp;Best Performer</source>
        <translation>&amp;Meilleur placement</translation>
    </message>
    <message>
        <source>Find the item with the best gain
Best Performer</source>
        <translation>Trouver l'article qui a le plus gagné
Meilleur placement</translation>
    </message>
    <message>
        <source>&amp;Total</source>
        <translation>&amp;Total</translation>
    </message>
    <message>
        <source>Total purchase price of the inventory
Total Expenditures</source>
        <translation>Somme des prix d'achat de l'inventaire
Dépenses totales</translation>
    </message>
    <message>
        <source>by  Purchase &amp;Date</source>
        <translation>par &amp;date d'achat</translation>
    </message>
    <message>
        <source>Expenditures by purchase date
Expenditures by Purchase Date</source>
        <translation>Dépenses par date d'achat
Dépenses par date d'achat</translation>
    </message>
    <message>
        <source>by &amp;%1</source>
        <translation>par &amp;%1</translation>
    </message>
    <message>
        <source>by  &amp;Manufacturer</source>
        <translation>par &amp;fabricant</translation>
    </message>
    <message>
        <source>Expenditures by manufacturer
Expenditures by Manufacturer</source>
        <translation>Dépenses par fabricant
Dépenses par fabricant</translation>
    </message>
    <message>
        <source>by  &amp;Body Classification</source>
        <translation>par t&amp;ype de véhicule</translation>
    </message>
    <message>
        <source>Expenditures by body classification
Expenditures by Body Classification</source>
        <translation>Dépenses par type de véhicule
Dépenses par type de véhicule</translation>
    </message>
    <message>
        <source>Total current value of the inventory
Total Asset Value</source>
        <translation>Somme des valeurs actuelles de l'inventaire
Valeur totale</translation>
    </message>
    <message>
        <source>Asset value by purchase date
Asset Value by Purchase Date</source>
        <translation>Valeur par date d'achat
Valeur par date d'achat</translation>
    </message>
    <message>
        <source>Asset value by manufacturer
Asset Value by Manufacturer</source>
        <translation>Valeur par fabricant
Valeur par fabricant</translation>
    </message>
    <message>
        <source>Asset value by body classification
Asset Value by Body Classification</source>
        <translation>Valeur par type de véhicule
Valeur par type de véhicule</translation>
    </message>
    <message>
        <source>Number of items of the inventory
Total Item Count</source>
        <translation>Nombre d'articles de l'inventaire
Nombre total d'articles</translation>
    </message>
    <message>
        <source>Item count by manufacturer
Item Count by Manufacturer</source>
        <translation>Nombre d'articles par fabricant
Nombre d'articles par fabricant</translation>
    </message>
    <message>
        <source>Item count by body classification
Item Count by Body Classification</source>
        <translation>Nombre d'articles par type de véhicule
Nombre d'articles par type de véhicule</translation>
    </message>
    <message>
        <source>&amp;Custom Report</source>
        <translation>Rapp&amp;ort personnalisé</translation>
    </message>
    <message>
        <source>Totals grouped by an attribute of your choice
Custom Report</source>
        <translation>Totaux regroupés selon un attribut de votre choix
Rapport personnalisé</translation>
    </message>
    <message>
        <source>Value &amp;History...</source>
        <translation>&amp;Historique de la valeur...</translation>
    </message>
    <message>
        <source>The inventory's value over time, and the selected item's valuations
Value History</source>
        <translation>La valeur de l'inventaire au fil du temps, et les estimations de l'article sélectionné
Historique de la valeur</translation>
    </message>
    <message>
        <source>&amp;Body Classification</source>
        <translation>&amp;Type de véhicule</translation>
    </message>
    <message>
        <source>&amp;Manufacturer</source>
        <translation>&amp;Fabricant</translation>
    </message>
    <message>
        <source>&amp;Item Number</source>
        <translation>&amp;Référence</translation>
    </message>
    <message>
        <source>&amp;RoadName</source>
        <translation>&amp;Compagnie</translation>
    </message>
    <message>
        <source>&amp;Paint Scheme</source>
        <translation>&amp;Livrée</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>Éc&amp;helle</translation>
    </message>
    <message>
        <source>&amp;Condition</source>
        <translation>&amp;État</translation>
    </message>
    <message>
        <source>&amp;Original Box</source>
        <translation>B&amp;oîte d'origine</translation>
    </message>
    <message>
        <source>&amp;Date Built</source>
        <translation>&amp;Année de fabrication</translation>
    </message>
    <message>
        <source>P&amp;urchase Date</source>
        <translation>&amp;Date d'achat</translation>
    </message>
    <message>
        <source>Purc&amp;hase Price</source>
        <translation>&amp;Prix d'achat</translation>
    </message>
    <message>
        <source>Current &amp;Value</source>
        <translation>&amp;Valeur actuelle</translation>
    </message>
    <message>
        <source>User Defined &amp;1</source>
        <translation>Défini par l'utilisateur &amp;1</translation>
    </message>
    <message>
        <source>User Defined &amp;2</source>
        <translation>Défini par l'utilisateur &amp;2</translation>
    </message>
    <message>
        <source>Sort the inventory by this attribute
Sort by %1</source>
        <translation>Trier l'inventaire selon cet attribut
Trier par %1</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Config&amp;uration de l'impression...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Changer d'imprimante et d'options d'impression
Configuration de l'impression</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d'aide</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Afficher les rubriques d'aide
Rubriques d'aide</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day</source>
        <translation>&amp;Astuce du jour</translation>
    </message>
    <message>
        <source>Display a tip about the program
Tip of the Day</source>
        <translation>Afficher une astuce sur le programme
Astuce du jour</translation>
    </message>
    <message>
        <source>&amp;About The Gaugewright...</source>
        <translation>À &amp;propos de The Gaugewright...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message>
        <source>Save Copy as &amp;Archive...</source>
        <translation>Enregistrer une copie en &amp;archive...</translation>
    </message>
    <message>
        <source>Save the inventory with its pictures and the Classification Yard in one archive
Save Copy as Archive</source>
        <translation>Enregistrer l'inventaire avec ses photos et la gare de triage dans une archive
Enregistrer une copie en archive</translation>
    </message>
    <message>
        <source>&amp;View as a List</source>
        <translation>Afficher en &amp;liste</translation>
    </message>
    <message>
        <source>Show the inventory in a list window
View as a List</source>
        <translation>Afficher l'inventaire dans une fenêtre de liste
Afficher en liste</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>Réta&amp;blir	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>&amp;Annuler %1	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Shift+Z</source>
        <translation>Réta&amp;blir %1	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter l'application ; propose d'enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>Undo the last change of the inventory
Undo</source>
        <translation>Annuler la dernière modification de l'inventaire
Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Do again the change last undone
Redo</source>
        <translation>Refaire la dernière modification annulée
Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Réta&amp;blir</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barre d'&amp;outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <translation>Afficher ou masquer la barre d'outils
Barre d'outils</translation>
    </message>
    <message>
        <source>&amp;Picture Pane</source>
        <translation>&amp;Volet des photos</translation>
    </message>
    <message>
        <source>Show or hide the picture of the selected item beside the windows
Picture Pane</source>
        <translation>Afficher ou masquer la photo de l'article sélectionné à côté des fenêtres
Volet des photos</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d'é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation>Afficher ou masquer la barre d'état
Barre d'état</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Volet suivant</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Passer au volet suivant de la fenêtre
Volet suivant</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Volet précédent</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Revenir au volet précédent de la fenêtre
Volet précédent</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Disposer les fenêtres en cascade
Cascade</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>Mosaïque &amp;horizontale</translation>
    </message>
    <message>
        <source>Arrange windows one above the other
Tile Horizontally</source>
        <translation>Disposer les fenêtres les unes au-dessus des autres
Mosaïque horizontale</translation>
    </message>
    <message>
        <source>Tile &amp;Vertically</source>
        <translation>Mosaïque &amp;verticale</translation>
    </message>
    <message>
        <source>Arrange windows side by side
Tile Vertically</source>
        <translation>Disposer les fenêtres côte à côte
Mosaïque verticale</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Réorganiser les icônes</translation>
    </message>
    <message>
        <source>Arrange minimized windows at the bottom of the window
Arrange Icons</source>
        <translation>Disposer les fenêtres réduites en bas de la fenêtre
Réorganiser les icônes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <translation>Afficher l'aide sur les boutons, menus et fenêtres cliqués
Aide</translation>
    </message>
</context>
<context>
    <name>Headings</name>
    <message>
        <source>Body Classification</source>
        <translation>Type de véhicule</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Item Number</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>RoadName</source>
        <translation>Compagnie</translation>
    </message>
    <message>
        <source>Paint Scheme</source>
        <translation>Livrée</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Original Box</source>
        <translation>Boîte d'origine</translation>
    </message>
    <message>
        <source>Date Built</source>
        <translation>Année de fabrication</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Date d'achat</translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation>Prix d'achat</translation>
    </message>
    <message>
        <source>Current Value</source>
        <translation>Valeur actuelle</translation>
    </message>
    <message>
        <source>Era</source>
        <translation>Époque</translation>
    </message>
    <message>
        <source>User Defined 1</source>
        <translation>Défini par l'utilisateur 1</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>User Defined 2</source>
        <translation>Défini par l'utilisateur 2</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Classification Modification</source>
        <translation>Modifier la gare de triage</translation>
    </message>
    <message>
        <source>Inventory Modification</source>
        <translation>Modification de l'inventaire</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Sort Inventory by...</source>
        <translation>Trier l'inventaire par...</translation>
    </message>
    <message>
        <source>&amp;Quick Facts</source>
        <translation>Aperçu &amp;rapide</translation>
    </message>
    <message>
        <source>&amp;Expenditures...</source>
        <translation>Dép&amp;enses...</translation>
    </message>
    <message>
        <source>&amp;Asset Value...</source>
        <translation>&amp;Valeur totale...</translation>
    </message>
    <message>
        <source>&amp;Item Count...</source>
        <translation>&amp;Nombre d'articles...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Add Valuation</source>
        <translation>Ajouter une estimation</translation>
    </message>
    <message>
        <source>Change Comments</source>
        <translation>Modifier les commentaires</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>Modifier la photo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete ALL</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Change Current Value</source>
        <translation>Modifier la valeur actuelle</translation>
    </message>
    <message>
        <source>Change Condition</source>
        <translation>Modifier l'état</translation>
    </message>
    <message>
        <source>Change in Yard</source>
        <translation>Modification en gare de triage</translation>
    </message>
    <message>
        <source>Add from Yard</source>
        <translation>Ajout depuis la gare de triage</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>L'accès à %1 a été refusé.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contient un chemin non valide.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 n'a pas pu être ouvert, car trop de fichiers sont ouverts.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Disque plein lors de l'accès à %1.</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Une erreur matérielle d'entrée/sortie a été signalée lors de l'accès à %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Une violation de partage s'est produite lors de l'accès à %1.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Une erreur inattendue s'est produite lors de l'accès à %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n'est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Format de fichier inattendu.</translation>
    </message>
    <message>
        <source>The selected file is not a Gaugewright file!</source>
        <translation>Le fichier sélectionné n'est pas un fichier Gaugewright !</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossible d'ouvrir le document.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Impossible d'enregistrer le document.</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 MB that the program reads.</source>
        <translation>%1 dépasse les %2 Mo que le programme peut lire.</translation>
    </message>
    <message>
        <source>Line %1 is not valid UTF-8.</source>
        <translation>La ligne %1 n'est pas en UTF-8 valide.</translation>
    </message>
    <message>
        <source>Line %1 holds the character "%2" (%3), which an inventory cannot store.</source>
        <translation>La ligne %1 contient le caractère « %2 » (%3), qu'un inventaire ne peut pas enregistrer.</translation>
    </message>
    <message>
        <source>The quoted value that starts on line %1 is never closed.</source>
        <translation>La valeur entre guillemets qui commence à la ligne %1 n'est jamais fermée.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>A file error has been detected!
The import file cannot be loaded.
%1</source>
        <translation>Une erreur de fichier a été détectée !
Le fichier d'importation ne peut pas être chargé.
%1</translation>
    </message>
    <message>
        <source>%1 cannot be imported: an inventory holds at most 65535 items, this one would hold %2.</source>
        <translation>%1 ne peut pas être importé : un inventaire contient au plus 65535 articles, celui-ci en contiendrait %2.</translation>
    </message>
    <message>
        <source>The import file must have at least 1 field delimiter specified!</source>
        <translation>Le fichier d'importation doit avoir au moins 1 séparateur de champs !</translation>
    </message>
    <message>
        <source>Unable to detect the end of record indicator!

Make sure that each record ends with carriage return line feed.
Check the integrity of the file using a text editor such as Notepad.</source>
        <translation>Impossible de détecter la fin des enregistrements !

Vérifiez que chaque enregistrement se termine par un retour chariot suivi d'un saut de ligne.
Contrôlez l'intégrité du fichier avec un éditeur de texte tel que le Bloc-notes.</translation>
    </message>
    <message>
        <source>With quoted values the field delimiter cannot hold a double quote or a line break.</source>
        <translation>Avec des valeurs entre guillemets, le séparateur de champs ne peut contenir ni guillemet double ni saut de ligne.</translation>
    </message>
    <message>
        <source>With quoted values the field delimiter cannot be empty.</source>
        <translation>Avec des valeurs entre guillemets, le séparateur de champs ne peut pas être vide.</translation>
    </message>
    <message>
        <source>The field order must name from 1 to 14 different attributes, each by its index 0 to 13.</source>
        <translation>L'ordre des champs doit indiquer de 1 à 14 attributs différents, chacun par son indice de 0 à 13.</translation>
    </message>
    <message>
        <source>%1 cannot be saved: an inventory holds at most 65535 items, this one holds %2.</source>
        <translation>%1 ne peut pas être enregistré : un inventaire contient au plus 65535 articles, celui-ci en contient %2.</translation>
    </message>
    <message>
        <source>%1 is the same file as %2; the archive must go to another file.</source>
        <translation>%1 est le même fichier que %2 ; l'archive doit être enregistrée dans un autre fichier.</translation>
    </message>
    <message>
        <source>The archive holds an unsafe entry: %1.</source>
        <translation>L'archive contient une entrée dangereuse : %1.</translation>
    </message>
    <message>
        <source>%1 already exists and is not an empty folder.</source>
        <translation>%1 existe déjà et n'est pas un dossier vide.</translation>
    </message>
    <message>
        <source>The archive %1 would unpack to more than %2 times its own size; it is not unpacked.</source>
        <translation>L'archive %1 occuperait une fois décompressée plus de %2 fois sa propre taille ; elle n'est pas décompressée.</translation>
    </message>
    <message>
        <source>The archive %1 would unpack to more than 4 GiB; it is not unpacked.</source>
        <translation>L'archive %1 occuperait une fois décompressée plus de 4 Gio ; elle n'est pas décompressée.</translation>
    </message>
    <message>
        <source>The archive %1 holds more files than an inventory has pictures; it is not unpacked.</source>
        <translation>L'archive %1 contient plus de fichiers qu'un inventaire ne peut avoir de photos ; elle n'est pas décompressée.</translation>
    </message>
    <message>
        <source>The archive %1 holds no inventory.</source>
        <translation>L'archive %1 ne contient aucun inventaire.</translation>
    </message>
    <message>
        <source>The archive %1 is damaged: its inventory cannot be read (%2)</source>
        <translation>L'archive %1 est endommagée : son inventaire ne peut pas être lu (%2)</translation>
    </message>
    <message>
        <source>The name of the folder %1 holds characters that an inventory cannot keep in its picture paths.</source>
        <translation>Le nom du dossier %1 contient des caractères qu'un inventaire ne peut pas conserver dans les chemins de ses photos.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>The archive %1 is damaged or is not an archive (%2).</source>
        <translation>L'archive %1 est endommagée ou n'est pas une archive (%2).</translation>
    </message>
    <message>
        <source>The Classification Yard cannot be saved: its value lists hold %1 entries in all, and the file holds at most %2.</source>
        <translation>La gare de triage ne peut pas être enregistrée : ses listes de valeurs contiennent %1 entrées au total, et le fichier en contient au plus %2.</translation>
    </message>
    <message>
        <source>Please enter one or more characters!</source>
        <translation>Veuillez saisir au moins un caractère !</translation>
    </message>
    <message>
        <source>A file error has been detected!
The external manufacturer file cannot be loaded.
%1</source>
        <translation>Une erreur de fichier a été détectée !
Le fichier externe des fabricants ne peut pas être chargé.
%1</translation>
    </message>
    <message>
        <source>This external manufacturer record is incomplete!
%1</source>
        <translation>Cet enregistrement du fichier externe des fabricants est incomplet !
%1</translation>
    </message>
    <message>
        <source>%1 more incomplete external manufacturer record was skipped.</source>
        <translation>%1 autre enregistrement incomplet du fichier externe des fabricants a été ignoré.</translation>
    </message>
    <message>
        <source>%1 more incomplete external manufacturer records were skipped.</source>
        <translation>%1 autres enregistrements incomplets du fichier externe des fabricants ont été ignorés.</translation>
    </message>
    <message>
        <source>There is not enough memory to load %1.</source>
        <translation>La mémoire est insuffisante pour charger %1.</translation>
    </message>
    <message>
        <source>Sorry!

No Money Gainers Found</source>
        <translation>Désolé !

Aucun article n'a pris de valeur</translation>
    </message>
    <message>
        <source>The Best Performer

%1
%2

Gain of: $%3

There are %4 additional item(s) with the same gain amount.</source>
        <translation>Meilleur placement

%1
%2

Gain : $%3

Il y a %4 autre(s) article(s) avec le même gain.</translation>
    </message>
    <message>
        <source>The Best Performer

%1
%2

Gain of: $%3</source>
        <translation>Meilleur placement

%1
%2

Gain : $%3</translation>
    </message>
    <message>
        <source>Expenditures by %1</source>
        <translation>Dépenses par %1</translation>
    </message>
    <message>
        <source>Asset Value by %1</source>
        <translation>Valeur par %1</translation>
    </message>
    <message>
        <source>Item Count by %1</source>
        <translation>Nombre d'articles par %1</translation>
    </message>
    <message>
        <source>Item Count</source>
        <translation>Nombre d'articles</translation>
    </message>
    <message>
        <source>Other years</source>
        <translation>Autres années</translation>
    </message>
    <message>
        <source>Dollar Gain or Loss

Entire Inventory

%1</source>
        <translation>Gain/Perte en dollars

Inventaire complet

%1</translation>
    </message>
    <message>
        <source>Dollar Gain or Loss

%1
%2

%3</source>
        <translation>Gain/Perte en dollars

%1
%2

%3</translation>
    </message>
    <message>
        <source>Entire Inventory

Item Count: %1</source>
        <translation>Inventaire complet

Nombre d'articles : %1</translation>
    </message>
    <message>
        <source>Total Item Count</source>
        <translation>Nombre total d'articles</translation>
    </message>
    <message>
        <source>Percent Gain or Loss

Entire Inventory

%1</source>
        <translation>Gain/Perte en pourcentage

Inventaire complet

%1</translation>
    </message>
    <message>
        <source>Percent Gain or Loss

%1
%2

%3</source>
        <translation>Gain/Perte en pourcentage

%1
%2

%3</translation>
    </message>
    <message>
        <source>Break Even!</source>
        <translation>Ni gain ni perte !</translation>
    </message>
    <message>
        <source>Loss of: %%1</source>
        <translation>Perte : %%1</translation>
    </message>
    <message>
        <source>Gain of: %%1</source>
        <translation>Gain : %%1</translation>
    </message>
    <message>
        <source>Loss of: $%1</source>
        <translation>Perte : $%1</translation>
    </message>
    <message>
        <source>Gain of: $%1</source>
        <translation>Gain : $%1</translation>
    </message>
    <message>
        <source>Entire Inventory

Total Asset Value: $%1</source>
        <translation>Inventaire complet

Valeur totale : $%1</translation>
    </message>
    <message>
        <source>Entire Inventory

Total Expenditures: $%1</source>
        <translation>Inventaire complet

Dépenses totales : $%1</translation>
    </message>
    <message>
        <source>Cannot calculate! Purchase Price is zero</source>
        <translation>Calcul impossible ! Le prix d'achat est nul</translation>
    </message>
    <message>
        <source>Congratulations!

No Money Losers Found</source>
        <translation>Félicitations !

Aucun article n'a perdu de valeur</translation>
    </message>
    <message>
        <source>The Worst Performer

%1
%2

Loss of: $%3

There are %4 additional item(s) with the same loss amount.</source>
        <translation>Pire placement

%1
%2

Perte : $%3

Il y a %4 autre(s) article(s) avec la même perte.</translation>
    </message>
    <message>
        <source>The Worst Performer

%1
%2

Loss of: $%3</source>
        <translation>Pire placement

%1
%2

Perte : $%3</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>%1 is the same file as %2; the report must go to another file.</source>
        <translation>%1 est le même fichier que %2 ; le rapport doit aller dans un autre fichier.</translation>
    </message>
    <message>
        <source>The report cannot be written to %1.</source>
        <translation>Le rapport ne peut pas être écrit dans %1.</translation>
    </message>
</context>
<context>
    <name>Text</name>
    <message>
        <source>The %1 cannot hold these characters: %2
Gaugewright texts hold only Western European (Windows-1252) characters.</source>
        <translation>Le champ « %1 » ne peut pas contenir ces caractères : %2
Les textes de Gaugewright ne contiennent que des caractères d'Europe occidentale (Windows-1252).</translation>
    </message>
</context>
</TS>
