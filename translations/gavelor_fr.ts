<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
  <context>
    <name>AdditionalTab</name>
    <message>
      <source>Currency:</source>
      <translation>Devise :</translation>
    </message>
    <message>
      <source>Sign:</source>
      <translation>Signe :</translation>
    </message>
    <message>
      <source>Grouping:</source>
      <translation>Séparateur :</translation>
    </message>
    <message>
      <source>Currency sign</source>
      <translation>Signe monétaire</translation>
    </message>
    <message>
      <source>Digit grouping</source>
      <translation>Séparateur de milliers</translation>
    </message>
    <message>
      <source>Comma</source>
      <translation>Virgule</translation>
    </message>
    <message>
      <source>Point</source>
      <translation>Point</translation>
    </message>
    <message>
      <source>Narrow space</source>
      <translation>Espace fine</translation>
    </message>
    <message>
      <source>Apostrophe</source>
      <translation>Apostrophe</translation>
    </message>
    <message>
      <source>None</source>
      <translation>Aucun</translation>
    </message>
    <message>
      <source>Digit Type:</source>
      <translation>Type de chiffres :</translation>
    </message>
    <message>
      <source>Digit type</source>
      <translation>Type de chiffres</translation>
    </message>
    <message>
      <source>Lines</source>
      <translation>Segments</translation>
    </message>
    <message>
      <source>Dots</source>
      <translation>Points</translation>
    </message>
    <message>
      <source>Preview:</source>
      <translation>Aperçu :</translation>
    </message>
    <message>
      <source>Numlock Options:</source>
      <translation>Verr. num. :</translation>
    </message>
    <message>
      <source>Normal Mode</source>
      <translation>Normal</translation>
    </message>
    <message>
      <source>Keep Numlock On</source>
      <translation>Toujours activé</translation>
    </message>
    <message>
      <source>Keep Numlock Off</source>
      <translation>Toujours désactivé</translation>
    </message>
    <message>
      <source>Reset Settings</source>
      <translation>Réinitialiser</translation>
    </message>
    <message>
      <source>This desktop does not let programs hold NumLock.</source>
      <translation>Ce bureau ne permet pas aux programmes de maintenir le pavé numérique.</translation>
    </message>
    <message>
      <source>Are you sure you want to reset these additional settings?</source>
      <translation>Voulez-vous vraiment réinitialiser ces réglages supplémentaires ?</translation>
    </message>
    <message>
      <source>Reset Additional Settings</source>
      <translation>Réinitialiser les réglages supplémentaires</translation>
    </message>
    <message>
      <source>Ask for the paddle number after Sold</source>
      <translation>Demander le numéro de panneau après la vente</translation>
    </message>
  </context>
  <context>
    <name>BoardView</name>
    <message>
      <source>Lot #: %1</source>
      <translation>Lot n° : %1</translation>
    </message>
  </context>
  <context>
    <name>ColorTab</name>
    <message>
      <source>red %1, green %2, blue %3</source>
      <translation>rouge %1, vert %2, bleu %3</translation>
    </message>
    <message>
      <source>Back Color:</source>
      <translation>Fond :</translation>
    </message>
    <message>
      <source>LED Background:</source>
      <translation>Fond des LED :</translation>
    </message>
    <message>
      <source>Text Color:</source>
      <translation>Texte :</translation>
    </message>
    <message>
      <source>LED Lot Color:</source>
      <translation>LED du lot :</translation>
    </message>
    <message>
      <source>LED Amount Color:</source>
      <translation>LED enchère :</translation>
    </message>
    <message>
      <source>Sold Color:</source>
      <translation>Adjugé :</translation>
    </message>
    <message>
      <source>Passed Color:</source>
      <translation>Invendu :</translation>
    </message>
    <message>
      <source>Reset Colors</source>
      <translation>Par défaut</translation>
    </message>
    <message>
      <source>Are you sure you want to reset the colors?</source>
      <translation>Voulez-vous vraiment rétablir les couleurs initiales ?</translation>
    </message>
    <message>
      <source>Change</source>
      <translation>Choisir</translation>
    </message>
    <message>
      <source>Change %1</source>
      <translation>Choisir : %1</translation>
    </message>
  </context>
  <context>
    <name>IncrementTab</name>
    <message>
      <source>&amp;Increment Ranges:</source>
      <translation>&amp;Paliers d'enchères :</translation>
    </message>
    <message>
      <source>Increment ranges</source>
      <translation>Paliers d'enchères</translation>
    </message>
    <message>
      <source>Create &amp;New</source>
      <translation>&amp;Nouveau</translation>
    </message>
    <message>
      <source>&amp;Edit Selected</source>
      <translation>&amp;Modifier</translation>
    </message>
    <message>
      <source>&amp;Delete Selected</source>
      <translation>&amp;Supprimer</translation>
    </message>
    <message>
      <source>New Increment</source>
      <translation>Nouveau palier</translation>
    </message>
    <message>
      <source>If the &amp;current bid is at least:</source>
      <translation>Si l'enchère a&amp;tteint au moins :</translation>
    </message>
    <message>
      <source>Increment &amp;bid by:</source>
      <translation>Monter &amp;de :</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Enregistrer</translation>
    </message>
    <message>
      <source>Edit Increment</source>
      <translation>Modifier le palier</translation>
    </message>
    <message>
      <source>Are you sure you want to delete this increment?</source>
      <translation>Voulez-vous vraiment supprimer ce palier ?</translation>
    </message>
    <message>
      <source>Increment minimum must be between 0 and 999999</source>
      <translation>Le seuil du palier doit être compris entre 0 et 999999</translation>
    </message>
    <message>
      <source>Starting amount must be between 0 and 999999</source>
      <translation>Le pas doit être compris entre 0 et 999999</translation>
    </message>
    <message>
      <source>Cannot save since the minimum is a duplicate of an existing one.</source>
      <translation>Enregistrement impossible : un palier existe déjà pour ce seuil.</translation>
    </message>
  </context>
  <context>
    <name>Limits</name>
    <message>
      <source>Lot # must be between 0 and 9999</source>
      <translation>Le n° de lot doit être compris entre 0 et 9999</translation>
    </message>
    <message>
      <source>Lot starting bid must be between 0 and 999999</source>
      <translation>La mise à prix doit être comprise entre 0 et 999999</translation>
    </message>
    <message>
      <source>The note has %1 characters; a lot admits at most %2.</source>
      <translation>La description a %1 caractères ; un lot en admet au plus %2.</translation>
    </message>
    <message>
      <source>The reserve must be between 0 and 999999</source>
      <translation>Le prix de réserve doit être compris entre 0 et 999999</translation>
    </message>
    <message>
      <source>The low estimate must be between 0 and 999999</source>
      <translation>L'estimation basse doit être comprise entre 0 et 999999</translation>
    </message>
    <message>
      <source>The high estimate must be between 0 and 999999</source>
      <translation>L'estimation haute doit être comprise entre 0 et 999999</translation>
    </message>
    <message>
      <source>The low estimate must not be above the high estimate</source>
      <translation>L'estimation basse ne doit pas dépasser l'estimation haute</translation>
    </message>
    <message>
      <source>The vendor has %1 characters; a lot admits at most %2.</source>
      <translation>Le vendeur compte %1 caractères ; un lot en admet au plus %2.</translation>
    </message>
  </context>
  <context>
    <name>LotsCsv</name>
    <message>
      <source> (it reads %1).</source>
      <translation> (lu : %1).</translation>
    </message>
    <message>
      <source>It holds more than %1 lots.</source>
      <translation>Il contient plus de %1 lots.</translation>
    </message>
    <message>
      <source>Its header row names no lot number column (Lot, Lot number, Lot # or Number).</source>
      <translation>Sa ligne d'en-tête ne nomme aucune colonne de numéro de lot (Lot, Lot number, Lot # ou Number).</translation>
    </message>
    <message>
      <source>It is not a file that can be read.</source>
      <translation>Ce n'est pas un fichier lisible.</translation>
    </message>
    <message>
      <source>It is larger than %1 MB, too large for a lot list.</source>
      <translation>Il dépasse %1 Mo, trop pour une liste de lots.</translation>
    </message>
    <message>
      <source>It could not be read: %1.</source>
      <translation>Il n'a pas pu être lu : %1.</translation>
    </message>
    <message>
      <source>It does not look like a text file. Save the lot list from the spreadsheet as CSV.</source>
      <translation>Ce n'est pas un fichier texte. Enregistrez la liste de lots au format CSV depuis le tableur.</translation>
    </message>
    <message>
      <source>There is not enough memory to read it.</source>
      <translation>La mémoire ne suffit pas pour le lire.</translation>
    </message>
    <message>
      <source>Line %1: a double quote stands inside a field that is not in quotes, or after the closing quote of one.</source>
      <translation>Ligne %1 : un guillemet figure dans un champ qui n'est pas entre guillemets, ou après le guillemet fermant d'un champ.</translation>
    </message>
    <message>
      <source>Line %1: a quoted field is never closed.</source>
      <translation>Ligne %1 : un champ entre guillemets n'est jamais fermé.</translation>
    </message>
    <message>
      <source>It holds no lots.</source>
      <translation>Il ne contient aucun lot.</translation>
    </message>
    <message>
      <source>No lots were imported from "%1".</source>
      <translation>Aucun lot n'a été importé de « %1 ».</translation>
    </message>
    <message>
      <source> One row is not a valid lot:
</source>
      <translation> Une ligne n'est pas un lot valable :
</translation>
    </message>
    <message>
      <source> %1 rows are not valid lots:
</source>
      <translation> %1 lignes ne sont pas des lots valables :
</translation>
    </message>
    <message>
      <source> %1 rows are not valid lots; the first %2:
</source>
      <translation> %1 lignes ne sont pas des lots valables ; les %2 premières :
</translation>
    </message>
    <message>
      <source>
Line %1: %2</source>
      <translation>
Ligne %1 : %2</translation>
    </message>
    <message>
      <source>

... and %1 more.</source>
      <translation>

... et %1 de plus.</translation>
    </message>
    <message>
      <source>The picture is not a file name.</source>
      <translation>L'image n'est pas un nom de fichier.</translation>
    </message>
    <message>
      <source>It holds more than %1 rows.</source>
      <translation>Il contient plus de %1 lignes.</translation>
    </message>
  </context>
  <context>
    <name>PendingMarks</name>
    <message>
      <source>%1 result(s) of this sale are not on the disk: they would have gone to &quot;%2&quot;, which refuses them (%3).</source>
      <translation>%1 résultat(s) de cette vente ne sont pas sur le disque : ils devaient aller dans « %2 », qui les refuse (%3).</translation>
    </message>
    <message>
      <source>End this sale and drop them?</source>
      <translation>Terminer cette vente et les abandonner ?</translation>
    </message>
    <message>
      <source>Open the other sale and drop them?</source>
      <translation>Ouvrir l&apos;autre vente et les abandonner ?</translation>
    </message>
    <message>
      <source>Quit Gavelor and drop them?</source>
      <translation>Quitter Gavelor et les abandonner ?</translation>
    </message>
  </context>
  <context>
    <name>ResultStamp</name>
    <message>
      <source>SOLD</source>
      <translation>ADJUGÉ</translation>
    </message>
    <message>
      <source>PASSED</source>
      <translation>INVENDU</translation>
    </message>
  </context>
  <context>
    <name>ResultsModel</name>
    <message>
      <source>Position</source>
      <translation>Ordre</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Lot</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Désignation</translation>
    </message>
    <message>
      <source>Starting bid</source>
      <translation>Mise à prix</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Résultat</translation>
    </message>
    <message>
      <source>Hammer</source>
      <translation>Adjudication</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Heure</translation>
    </message>
    <message>
      <source>Buyer</source>
      <translation>Acheteur</translation>
    </message>
    <message>
      <source>Bid reached</source>
      <translation>Enchère atteinte</translation>
    </message>
    <message>
      <source>Offers</source>
      <translation>Présentations</translation>
    </message>
    <message>
      <source>This lot number is not in the lot list.</source>
      <translation>Ce numéro de lot n&apos;est pas dans la liste des lots.</translation>
    </message>
    <message>
      <source>Bought in at %1</source>
      <translation>Ravalé à %1</translation>
    </message>
    <message>
      <source>Paddle %1 is not in the bidder register.</source>
      <translation>Le panneau %1 n'est pas dans le registre des enchérisseurs.</translation>
    </message>
  </context>
  <context>
    <name>SaleJournal</name>
    <message>
      <source>process %1 on %2</source>
      <translation>processus %1 sur %2</translation>
    </message>
    <message>
      <source>another copy of Gavelor (%1) keeps the sales in this folder</source>
      <translation>une autre copie de Gavelor (%1) tient les ventes de ce dossier</translation>
    </message>
    <message>
      <source>it is not a regular file</source>
      <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
      <source>it is larger than %1 MB</source>
      <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
      <source>%1 of its lines are damaged</source>
      <translation>%1 de ses lignes sont endommagées</translation>
    </message>
    <message>
      <source>it does not begin with the start of a sale</source>
      <translation>il ne commence pas par le début d&apos;une vente</translation>
    </message>
    <message>
      <source>the folder cannot be made</source>
      <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
      <source>the journal was replaced</source>
      <translation>le journal a été remplacé</translation>
    </message>
  </context>
  <context>
    <name>SaleReport</name>
    <message>
      <source>Sold</source>
      <translation>Adjugé</translation>
    </message>
    <message>
      <source>Passed</source>
      <translation>Invendu</translation>
    </message>
    <message>
      <source>Sale Results</source>
      <translation>Résultats de la vente</translation>
    </message>
    <message>
      <source>Sale started %1</source>
      <translation>Vente ouverte le %1</translation>
    </message>
    <message>
      <source>Lots sold: %1</source>
      <translation>Lots adjugés : %1</translation>
    </message>
    <message>
      <source>Lots passed: %1</source>
      <translation>Lots invendus : %1</translation>
    </message>
    <message>
      <source>Not yet offered: %1</source>
      <translation>Pas encore présentés : %1</translation>
    </message>
    <message>
      <source>Total hammer: %1</source>
      <translation>Total adjugé : %1</translation>
    </message>
    <message>
      <source>Average hammer: %1</source>
      <translation>Adjudication moyenne : %1</translation>
    </message>
    <message>
      <source>Sell-through: %1</source>
      <translation>Taux de vente : %1</translation>
    </message>
    <message>
      <source>Against starting bids: %1 / %2</source>
      <translation>Par rapport aux mises à prix : %1 / %2</translation>
    </message>
    <message>
      <source>Blue: hammer price. Orange: starting bid. Lots sold, in sale order, on a logarithmic scale.</source>
      <translation>Bleu : prix d’adjudication. Orange : mise à prix. Lots vendus, dans l’ordre de la vente, sur une échelle logarithmique.</translation>
    </message>
    <message>
      <source>Top ten lots</source>
      <translation>Les dix meilleurs lots</translation>
    </message>
    <message>
      <source>%1. Lot %2  %3  %4</source>
      <translation>%1. Lot %2  %3  %4</translation>
    </message>
    <message>
      <source>Pos.</source>
      <translation>Ord.</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Lot</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Désignation</translation>
    </message>
    <message>
      <source>Start</source>
      <translation>Mise à prix</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Résultat</translation>
    </message>
    <message>
      <source>Hammer</source>
      <translation>Adjudication</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Heure</translation>
    </message>
    <message>
      <source>Buyer</source>
      <translation>Acheteur</translation>
    </message>
    <message>
      <source> (no longer in the list)</source>
      <translation> (retiré de la liste)</translation>
    </message>
    <message>
      <source>Cleared</source>
      <translation>Effacé</translation>
    </message>
    <message>
      <source>Withdrawn</source>
      <translation>Retiré</translation>
    </message>
    <message>
      <source>Lots offered more than once</source>
      <translation>Lots présentés plusieurs fois</translation>
    </message>
    <message>
      <source>%1 %2 at %3</source>
      <translation>%1 %2 à %3</translation>
    </message>
    <message>
      <source>Lot %1: %2</source>
      <translation>Lot %1 : %2</translation>
    </message>
    <message>
      <source>Bid reached</source>
      <translation>Enchère atteinte</translation>
    </message>
    <message>
      <source>Total of the %1 lots sold</source>
      <translation>Total des %1 lots vendus</translation>
    </message>
    <message>
      <source>Exchange rates in force: %1</source>
      <translation>Taux de change en vigueur : %1</translation>
    </message>
    <message>
      <source>Exchange rates changed at %1: %2</source>
      <translation>Taux de change modifiés à %1 : %2</translation>
    </message>
    <message>
      <source>Sold below reserve</source>
      <translation>Vendu sous la réserve</translation>
    </message>
    <message>
      <source>Bought in</source>
      <translation>Ravalé</translation>
    </message>
  </context>
  <context>
    <name>SavingSign</name>
    <message>
      <source>not saved</source>
      <translation>non enregistré</translation>
    </message>
    <message>
      <source>Results are not being saved: %1</source>
      <translation>Les résultats ne sont pas enregistrés : %1</translation>
    </message>
    <message>
      <source>new journal</source>
      <translation>nouveau journal</translation>
    </message>
    <message>
      <source>The journal &quot;%1&quot; was replaced or removed; the sale goes on in &quot;%2&quot;.</source>
      <translation>Le journal « %1 » a été remplacé ou supprimé ; la vente continue dans « %2 ».</translation>
    </message>
  </context>
  <context>
    <name>Startup</name>
    <message>
      <source>It could not be moved aside and was left as it is.</source>
      <translation>Il n'a pas pu être mis de côté et a été laissé tel quel.</translation>
    </message>
    <message>
      <source>The unreadable file was kept as "%1".</source>
      <translation>Le fichier illisible a été conservé sous « %1 ».</translation>
    </message>
    <message>
      <source>The settings file "%1" could not be read. Gavelor starts with its default settings: no lots, no increment ranges, the default colours.

%2</source>
      <translation>Le fichier de réglages « %1 » n'a pas pu être lu. Gavelor démarre avec ses réglages par défaut : aucun lot, aucun palier, les couleurs initiales.

%2</translation>
    </message>
    <message>
      <source>Gavelor is already running for the settings file "%1", but that copy does not answer (it may be busy or hung, or belong to another session). A second copy was not started.</source>
      <translation>Gavelor tourne déjà avec le fichier de réglages « %1 », mais cette copie ne répond pas (elle est peut-être occupée, bloquée ou dans une autre session). Une deuxième copie n'a pas été lancée.</translation>
    </message>
    <message>
      <source>The sale journal &quot;%1&quot; could not be read as it is (%2).</source>
      <translation>Le journal de vente « %1 » n&apos;a pas pu être lu tel quel (%2).</translation>
    </message>
    <message>
      <source>It was left where it is.</source>
      <translation>Il a été laissé à sa place.</translation>
    </message>
    <message>
      <source>It was kept as &quot;%1&quot;.</source>
      <translation>Il a été conservé sous « %1 ».</translation>
    </message>
    <message>
      <source>Recovered from it: %1 lines, with %2 lots sold and %3 passed; %4 damaged lines were left out. The sale goes on in &quot;%5&quot;.</source>
      <translation>Récupéré : %1 lignes, avec %2 lots vendus et %3 invendus ; %4 lignes endommagées ont été laissées de côté. La vente continue dans « %5 ».</translation>
    </message>
    <message>
      <source>Its %1 readable lines are kept in memory and written as soon as the disk takes them.</source>
      <translation>Ses %1 lignes lisibles sont gardées en mémoire et écrites dès que le disque les accepte.</translation>
    </message>
    <message>
      <source>No results could be recovered from it.</source>
      <translation>Aucun résultat n&apos;a pu en être récupéré.</translation>
    </message>
    <message>
      <source>%1 more sale journals could not be read; they were kept beside the others with the ending &quot;.unreadable&quot;.</source>
      <translation>%1 autres journaux de vente n&apos;ont pas pu être lus ; ils ont été conservés à côté des autres avec la terminaison « .unreadable ».</translation>
    </message>
    <message>
      <source>Another copy of Gavelor (%1) keeps the sales in &quot;%2&quot;. This copy records nothing there: its results are not saved.</source>
      <translation>Une autre copie de Gavelor (%1) tient les ventes dans « %2 ». Cette copie n&apos;y enregistre rien : ses résultats ne sont pas sauvegardés.</translation>
    </message>
  </context>
  <context>
    <name>frmHelp</name>
    <message>
      <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
      <translation>Le fichier d'aide n'est plus à son emplacement habituel.  Veuillez réinstaller le programme.</translation>
    </message>
    <message>
      <source>Gavelor - Help</source>
      <translation>Gavelor - Aide</translation>
    </message>
    <message>
      <source>Loading...</source>
      <translation>Chargement...</translation>
    </message>
  </context>
  <context>
    <name>frmLots</name>
    <message>
      <source>CSV files (*.csv *.txt)</source>
      <translation>Fichiers CSV (*.csv *.txt)</translation>
    </message>
    <message>
      <source>Gavelor - Lots</source>
      <translation>Gavelor - Lots</translation>
    </message>
    <message>
      <source>Lots:</source>
      <translation>Lots :</translation>
    </message>
    <message>
      <source>Lots</source>
      <translation>Lots</translation>
    </message>
    <message>
      <source>&amp;Create New</source>
      <translation>&amp;Nouveau</translation>
    </message>
    <message>
      <source>&amp;Edit Selected</source>
      <translation>&amp;Modifier</translation>
    </message>
    <message>
      <source>&amp;Delete Selected</source>
      <translation>&amp;Supprimer</translation>
    </message>
    <message>
      <source>Delete &amp;All</source>
      <translation>Supprimer t&amp;out</translation>
    </message>
    <message>
      <source>Move selected lot up.</source>
      <translation>Monter le lot choisi.</translation>
    </message>
    <message>
      <source>Move selected lot up</source>
      <translation>Monter le lot choisi</translation>
    </message>
    <message>
      <source>Move selected lot down.</source>
      <translation>Descendre le lot choisi.</translation>
    </message>
    <message>
      <source>Move selected lot down</source>
      <translation>Descendre le lot choisi</translation>
    </message>
    <message>
      <source>&amp;Import...</source>
      <translation>&amp;Importer...</translation>
    </message>
    <message>
      <source>Read lots from a CSV file saved by a spreadsheet.</source>
      <translation>Lire les lots d'un fichier CSV enregistré par un tableur.</translation>
    </message>
    <message>
      <source>E&amp;xport...</source>
      <translation>E&amp;xporter...</translation>
    </message>
    <message>
      <source>Write the lots to a CSV file that a spreadsheet opens.</source>
      <translation>Écrire les lots dans un fichier CSV qu'un tableur ouvre.</translation>
    </message>
    <message>
      <source>New Lot</source>
      <translation>Nouveau lot</translation>
    </message>
    <message>
      <source>&amp;Lot #:</source>
      <translation>&amp;Lot n° :</translation>
    </message>
    <message>
      <source>Lot S&amp;tarting $:</source>
      <translation>Mise à &amp;prix $:</translation>
    </message>
    <message>
      <source>Lot &amp;Note:</source>
      <translation>&amp;Désignation :</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Enregistrer</translation>
    </message>
    <message>
      <source>Do&amp;ne Editing Lots</source>
      <translation>&amp;Terminé</translation>
    </message>
    <message>
      <source>The lots could not be written to the settings file: %1. They stay in use until Gavelor is closed.</source>
      <translation>Les lots n'ont pas pu être écrits dans le fichier de réglages : %1. Ils restent en usage jusqu'à la fermeture de Gavelor.</translation>
    </message>
    <message>
      <source>Total Lots: </source>
      <translation>Lots : </translation>
    </message>
    <message>
      <source>Edit Lot</source>
      <translation>Modifier le lot</translation>
    </message>
    <message>
      <source>Are you sure you want to delete this lot?</source>
      <translation>Voulez-vous vraiment supprimer ce lot ?</translation>
    </message>
    <message>
      <source>Are you sure you want to delete ALL of the lots?  This cannot be undone.</source>
      <translation>Voulez-vous vraiment supprimer TOUS les lots ?  C'est irréversible.</translation>
    </message>
    <message>
      <source>Import Lots</source>
      <translation>Importer des lots</translation>
    </message>
    <message>
      <source>%1 lot was read from "%2".</source>
      <translation>%1 lot a été lu dans « %2 ».</translation>
    </message>
    <message>
      <source>%1 lots were read from "%2".</source>
      <translation>%1 lots ont été lus dans « %2 ».</translation>
    </message>
    <message>
      <source>

Append them to the list, or replace the list with them?</source>
      <translation>

Les ajouter à la liste, ou remplacer la liste par eux ?</translation>
    </message>
    <message>
      <source>&amp;Append</source>
      <translation>&amp;Ajouter</translation>
    </message>
    <message>
      <source>&amp;Replace</source>
      <translation>&amp;Remplacer</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>Export Lots</source>
      <translation>Exporter les lots</translation>
    </message>
    <message>
      <source>The lots could not be written to "%1": %2</source>
      <translation>Les lots n'ont pas pu être écrits dans « %1 » : %2</translation>
    </message>
    <message>
      <source>&amp;Vendor:</source>
      <translation>&amp;Vendeur :</translation>
    </message>
    <message>
      <source>&amp;Reserve:</source>
      <translation>&amp;Réserve :</translation>
    </message>
    <message>
      <source>Never shown to the room.</source>
      <translation>Jamais montré à la salle.</translation>
    </message>
    <message>
      <source>Esti&amp;mate:</source>
      <translation>Estim&amp;ation :</translation>
    </message>
    <message>
      <source>Low estimate</source>
      <translation>Estimation basse</translation>
    </message>
    <message>
      <source>High estimate</source>
      <translation>Estimation haute</translation>
    </message>
    <message>
      <source>&amp;Picture:</source>
      <translation>Ima&amp;ge :</translation>
    </message>
  </context>
  <context>
    <name>frmOptions</name>
    <message>
      <source>Gavelor - Options</source>
      <translation>Gavelor - Options</translation>
    </message>
    <message>
      <source>Color Controls</source>
      <translation>Couleurs</translation>
    </message>
    <message>
      <source>Increment Settings</source>
      <translation>Paliers</translation>
    </message>
    <message>
      <source>&amp;Additional Settings</source>
      <translation>&amp;Autres réglages</translation>
    </message>
    <message>
      <source>Options</source>
      <translation>Options</translation>
    </message>
    <message>
      <source>&amp;Ok</source>
      <translation>&amp;OK</translation>
    </message>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Annuler</translation>
    </message>
    <message>
      <source>The options could not be written to the settings file. They stay in use until Gavelor is closed.</source>
      <translation>Les options n'ont pas pu être écrites dans le fichier de réglages. Elles restent en usage jusqu'à la fermeture de Gavelor.</translation>
    </message>
    <message>
      <source>&amp;Live Feed</source>
      <translation>&amp;Direct</translation>
    </message>
    <message>
      <source>C&amp;urrencies</source>
      <translation>De&amp;vises</translation>
    </message>
  </context>
  <context>
    <name>frmResults</name>
    <message>
      <source>Buyer for lot %1</source>
      <translation>Acheteur du lot %1</translation>
    </message>
    <message>
      <source>Buyer for lot %1: %2</source>
      <translation>Acheteur du lot %1 : %2</translation>
    </message>
    <message>
      <source>No buyer for lot %1</source>
      <translation>Aucun acheteur pour le lot %1</translation>
    </message>
    <message>
      <source>Gavelor - Sale Results</source>
      <translation>Gavelor - Résultats de la vente</translation>
    </message>
    <message>
      <source>Sold:</source>
      <translation>Adjugés :</translation>
    </message>
    <message>
      <source>Passed:</source>
      <translation>Invendus :</translation>
    </message>
    <message>
      <source>Not yet offered:</source>
      <translation>Pas encore présentés :</translation>
    </message>
    <message>
      <source>Total hammer:</source>
      <translation>Total adjugé :</translation>
    </message>
    <message>
      <source>Average hammer:</source>
      <translation>Adjudication moyenne :</translation>
    </message>
    <message>
      <source>Sell-through:</source>
      <translation>Taux de vente :</translation>
    </message>
    <message>
      <source>Against starting bids:</source>
      <translation>Par rapport aux mises à prix :</translation>
    </message>
    <message>
      <source>Results</source>
      <translation>Résultats</translation>
    </message>
    <message>
      <source>&amp;Clear Result</source>
      <translation>E&amp;ffacer le résultat</translation>
    </message>
    <message>
      <source>Show on &amp;Board</source>
      <translation>&amp;Afficher au tableau</translation>
    </message>
    <message>
      <source>&amp;New Sale...</source>
      <translation>&amp;Nouvelle vente...</translation>
    </message>
    <message>
      <source>&amp;Export...</source>
      <translation>&amp;Exporter...</translation>
    </message>
    <message>
      <source>&amp;Report...</source>
      <translation>&amp;Rapport...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Imprimer...</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Fermer</translation>
    </message>
    <message>
      <source>Sale started %1</source>
      <translation>Vente ouverte le %1</translation>
    </message>
    <message>
      <source>The last run ended with lot %1 (position %2) on show at %3. Select it and press Show on Board to put the board back.</source>
      <translation>La dernière séance s'est terminée à %3 avec le lot %1 (ordre %2) au tableau. Choisissez-le et cliquez sur « Afficher au tableau » pour rétablir le tableau.</translation>
    </message>
    <message>
      <source>Results are not being saved: %1. The board goes on; Gavelor tries again at the next event.</source>
      <translation>Les résultats ne sont pas enregistrés : %1. Le tableau continue ; Gavelor réessaie au prochain événement.</translation>
    </message>
    <message>
      <source>Clear the result (%1) of lot %2?</source>
      <translation>Effacer le résultat (%1) du lot %2 ?</translation>
    </message>
    <message>
      <source>End this sale and start a new one? The results of this sale stay in its journal.</source>
      <translation>Clore cette vente et en ouvrir une nouvelle ? Les résultats de cette vente restent dans son journal.</translation>
    </message>
    <message>
      <source>Export Results</source>
      <translation>Exporter les résultats</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
      <source>The results could not be exported: %1</source>
      <translation>Les résultats n'ont pas pu être exportés : %1</translation>
    </message>
    <message>
      <source>Save Report</source>
      <translation>Enregistrer le rapport</translation>
    </message>
    <message>
      <source>PDF files (*.pdf)</source>
      <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
      <source>The report could not be saved: %1</source>
      <translation>Le rapport n'a pas pu être enregistré : %1</translation>
    </message>
    <message>
      <source>Sale Results</source>
      <translation>Résultats de la vente</translation>
    </message>
    <message>
      <source>Withdrawn:</source>
      <translation>Retirés :</translation>
    </message>
    <message>
      <source>&amp;Withdraw Lot</source>
      <translation>Re&amp;tirer le lot</translation>
    </message>
    <message>
      <source>Lot %1 was passed after it was sold: its buyer %2 was cleared.</source>
      <translation>Le lot %1 a été ravalé après avoir été adjugé : son acheteur %2 a été effacé.</translation>
    </message>
    <message>
      <source>The scoreboard does not have the keys while this window is active: arrows move in the results, F5 and F6 still mark the lot on the board.</source>
      <translation>Le tableau ne reçoit pas les touches tant que cette fenêtre est active : les flèches se déplacent dans les résultats, F5 et F6 marquent toujours le lot du tableau.</translation>
    </message>
    <message>
      <source>Withdraw lot %1? Its result (%2) is replaced.</source>
      <translation>Retirer le lot %1 ? Son résultat (%2) est remplacé.</translation>
    </message>
    <message>
      <source>%1 result(s) belong to lot numbers that are not in the lot list; they are listed at the end.</source>
      <translation>%1 résultat(s) appartiennent à des numéros de lot absents de la liste ; ils figurent à la fin.</translation>
    </message>
    <message>
      <source>Results are not being saved: %1. This copy of Gavelor writes nothing there.</source>
      <translation>Les résultats ne sont pas enregistrés : %1. Cette copie de Gavelor n&apos;y écrit rien.</translation>
    </message>
    <message>
      <source>The journal &quot;%1&quot; was replaced or removed while Gavelor was writing it; the sale goes on in &quot;%2&quot;.</source>
      <translation>Le journal « %1 » a été remplacé ou supprimé pendant que Gavelor l&apos;écrivait ; la vente continue dans « %2 ».</translation>
    </message>
    <message>
      <source>&amp;Open...</source>
      <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
      <source>%1 earlier sale(s) were never ended: their results are still in their journals.</source>
      <translation>%1 vente(s) précédente(s) n&apos;ont jamais été terminées : leurs résultats sont toujours dans leurs journaux.</translation>
    </message>
    <message>
      <source>%1, last written %2</source>
      <translation>%1, dernière écriture %2</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>Open which sale? The sale open now stays in its journal and is offered here in turn.</source>
      <translation>Ouvrir quelle vente ? La vente ouverte reste dans son journal et sera proposée ici à son tour.</translation>
    </message>
    <message>
      <source>The sale in &quot;%1&quot; could not be opened.</source>
      <translation>La vente de « %1 » n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
      <source>Sale &amp;Details...</source>
      <translation>&amp;Détails de la vente...</translation>
    </message>
    <message>
      <source>&amp;Invoices...</source>
      <translation>&amp;Factures...</translation>
    </message>
    <message>
      <source>The sale's details could not be saved.</source>
      <translation>Les détails de la vente n’ont pas pu être enregistrés.</translation>
    </message>
    <message>
      <source>No lot has been sold to a buyer yet: type the buyer's paddle in the Buyer column.</source>
      <translation>Aucun lot n’a encore été adjugé à un acheteur : tapez la palette de l’acheteur dans la colonne Acheteur.</translation>
    </message>
    <message>
      <source>Save Invoices</source>
      <translation>Enregistrer les factures</translation>
    </message>
    <message>
      <source>The invoices could not all be saved: %1</source>
      <translation>Les factures n’ont pas toutes pu être enregistrées : %1</translation>
    </message>
    <message>
      <source>Invoices: %1. Settlements: %2. Saved in %3.</source>
      <translation>Factures : %1. Décomptes : %2. Enregistré dans %3.</translation>
    </message>
    <message>
      <source>Bidders</source>
      <translation>Enchérisseurs</translation>
    </message>
    <message>
      <source>Paddle:</source>
      <translation>Panneau :</translation>
    </message>
    <message>
      <source>Name:</source>
      <translation>Nom :</translation>
    </message>
    <message>
      <source>Contact:</source>
      <translation>Contact :</translation>
    </message>
    <message>
      <source>Add Bi&amp;dder</source>
      <translation>A&amp;jouter l'enchérisseur</translation>
    </message>
    <message>
      <source>Paddle</source>
      <translation>Panneau</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nom</translation>
    </message>
    <message>
      <source>Contact</source>
      <translation>Contact</translation>
    </message>
    <message>
      <source>Remo&amp;ve Bidder</source>
      <translation>&amp;Supprimer l'enchérisseur</translation>
    </message>
    <message>
      <source>&amp;Import Bidders...</source>
      <translation>I&amp;mporter les enchérisseurs...</translation>
    </message>
    <message>
      <source>Read paddles, names and contacts from a CSV file saved by a spreadsheet.</source>
      <translation>Lire panneaux, noms et contacts dans un fichier CSV enregistré par un tableur.</translation>
    </message>
    <message>
      <source>The bidders could not be written to the settings file: %1.</source>
      <translation>Les enchérisseurs n'ont pas pu être écrits dans le fichier de réglages : %1.</translation>
    </message>
    <message>
      <source>A paddle is digits and letters, at most 12.</source>
      <translation>Un panneau se compose de chiffres et de lettres, 12 au plus.</translation>
    </message>
    <message>
      <source>Import Bidders</source>
      <translation>Importer les enchérisseurs</translation>
    </message>
    <message>
      <source>It holds no bidders.</source>
      <translation>Il ne contient aucun enchérisseur.</translation>
    </message>
    <message>
      <source>No bidders were imported from &quot;%1&quot;. %2</source>
      <translation>Aucun enchérisseur n'a été importé de « %1 ». %2</translation>
    </message>
    <message>
      <source>%1 bidder was read from &quot;%2&quot;.</source>
      <translation>%1 enchérisseur a été lu dans « %2 ».</translation>
    </message>
    <message>
      <source>%1 bidders were read from &quot;%2&quot;.</source>
      <translation>%1 enchérisseurs ont été lus dans « %2 ».</translation>
    </message>
    <message>
      <source>Invoices</source>
      <translation>Factures</translation>
    </message>
    <message>
      <source>Invoices: %1. Settlements: %2. Save them as PDF files, or print them?</source>
      <translation>Factures : %1. Décomptes : %2. Les enregistrer en fichiers PDF ou les imprimer ?</translation>
    </message>
    <message>
      <source>Open S&amp;ale...</source>
      <translation>Ouvrir une v&amp;ente...</translation>
    </message>
    <message>
      <source>Print...</source>
      <translation>Imprimer...</translation>
    </message>
    <message>
      <source>Save as PDF Files...</source>
      <translation>Enregistrer en fichiers PDF...</translation>
    </message>
    <message>
      <source>The results of this sale were never exported, saved as a report or printed. End this sale and start a new one? Its results stay in its journal.</source>
      <translation>Les résultats de cette vente n’ont jamais été exportés, enregistrés en rapport ni imprimés. Terminer cette vente et en commencer une nouvelle ? Ses résultats restent dans son journal.</translation>
    </message>
  </context>
  <context>
    <name>frmScoreboard</name>
    <message>
      <source>Lot #:</source>
      <translation>Lot :</translation>
    </message>
    <message>
      <source>Gavelor by </source>
      <translation>Gavelor par </translation>
    </message>
    <message>
      <source>Lot number</source>
      <translation>Numéro de lot</translation>
    </message>
    <message>
      <source>Current bid</source>
      <translation>Enchère en cours</translation>
    </message>
    <message>
      <source>Bid thousands</source>
      <translation>Enchère, milliers</translation>
    </message>
    <message>
      <source>Bid ones</source>
      <translation>Enchère, unités</translation>
    </message>
    <message>
      <source>Lot note</source>
      <translation>Désignation du lot</translation>
    </message>
    <message>
      <source>reserve met</source>
      <translation>réserve atteinte</translation>
    </message>
    <message>
      <source>The bid is below the lot's reserve. Sell below the reserve?</source>
      <translation>L'enchère est inférieure à la réserve du lot. Vendre sous la réserve ?</translation>
    </message>
  </context>
  <context>
    <name>frmSplash</name>
    <message>
      <source>by Tarnwick</source>
      <translation>par Tarnwick</translation>
    </message>
    <message>
      <source>Click to continue.</source>
      <translation>Cliquez ici.</translation>
    </message>
    <message>
      <source>Version 1.0.0</source>
      <translation>Version 1.0.0</translation>
    </message>
    <message>
      <source>Press ' F1 ' to view Help from the scoreboard.</source>
      <translation>' F1 ' au tableau affiche l'aide.</translation>
    </message>
    <message>
      <source>Press ' F2 ' to set Options from the scoreboard.</source>
      <translation>' F2 ' au tableau ouvre les options.</translation>
    </message>
    <message>
      <source>Press ' F3 ' to setup auction lots from the scoreboard.</source>
      <translation>' F3 ' au tableau ouvre la liste des lots.</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Aide</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>&amp;Options</translation>
    </message>
    <message>
      <source>Gavelor title</source>
      <translation>Titre de Gavelor</translation>
    </message>
    <message>
      <source>Gavelor logo</source>
      <translation>Logo de Gavelor</translation>
    </message>
    <message>
      <source>Version %1.%2.%3</source>
      <translation>Version %1.%2.%3</translation>
    </message>
    <message>
      <source>Bidwatch</source>
      <translation>Bidwatch</translation>
    </message>
  </context>
  <context>
    <name>BoardAnnouncer</name>
    <message>
      <source>%1 dollars</source>
      <translation>%1 dollars</translation>
    </message>
    <message>
      <source>%1 euros</source>
      <translation>%1 euros</translation>
    </message>
    <message>
      <source>%1 pounds</source>
      <translation>%1 livres</translation>
    </message>
    <message>
      <source>%1 francs</source>
      <translation>%1 francs</translation>
    </message>
    <message>
      <source>%1 kroner</source>
      <translation>%1 couronnes</translation>
    </message>
    <message>
      <source>%1 yen</source>
      <translation>%1 yens</translation>
    </message>
    <message>
      <source>%1 %2</source>
      <comment>an amount and a currency sign without a spoken name</comment>
      <translation>%1 %2</translation>
    </message>
    <message>
      <source>Sale</source>
      <translation>Vente</translation>
    </message>
    <message>
      <source>Sold, %1</source>
      <translation>Adjugé, %1</translation>
    </message>
    <message>
      <source>Passed</source>
      <translation>Invendu</translation>
    </message>
    <message>
      <source>Lot %1</source>
      <translation>Lot %1</translation>
    </message>
    <message>
      <source>Bid %1</source>
      <translation>Enchère %1</translation>
    </message>
    <message>
      <source>Bid thousands %1</source>
      <translation>Enchère milliers %1</translation>
    </message>
    <message>
      <source>Bid ones %1</source>
      <translation>Enchère unités %1</translation>
    </message>
  </context>
  <context>
    <name>FeedPages</name>
    <message>
      <source>Current bid</source>
      <translation>Enchère actuelle</translation>
    </message>
    <message>
      <source>Gavelor live</source>
      <translation>Gavelor en direct</translation>
    </message>
    <message>
      <source>Last results</source>
      <translation>Derniers résultats</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Lot</translation>
    </message>
    <message>
      <source>Reconnecting…</source>
      <translation>Reconnexion…</translation>
    </message>
  </context>
  <context>
    <name>LiveFeed</name>
    <message>
      <source>Port %1 could not be opened: %2</source>
      <translation>Le port %1 n’a pas pu être ouvert : %2</translation>
    </message>
  </context>
  <context>
    <name>LiveFeedTab</name>
    <message>
      <source>&amp;New Code</source>
      <translation>&amp;Nouveau code</translation>
    </message>
    <message>
      <source>&amp;Serve the board on this computer&apos;s network</source>
      <translation>&amp;Servir le tableau sur le réseau de cet ordinateur</translation>
    </message>
    <message>
      <source>Access code:</source>
      <translation>Code d’accès :</translation>
    </message>
    <message>
      <source>Broker:</source>
      <translation>Broker :</translation>
    </message>
    <message>
      <source>Live Feed &amp;Window...</source>
      <translation>&amp;Fenêtre du direct...</translation>
    </message>
    <message>
      <source>Live Feed:</source>
      <translation>Direct :</translation>
    </message>
    <message>
      <source>MQTT Broker (optional):</source>
      <translation>Broker MQTT (facultatif) :</translation>
    </message>
    <message>
      <source>MQTT broker address</source>
      <translation>Adresse du broker MQTT</translation>
    </message>
    <message>
      <source>New Access Code</source>
      <translation>Nouveau code d’accès</translation>
    </message>
    <message>
      <source>Password:</source>
      <translation>Mot de passe :</translation>
    </message>
    <message>
      <source>Port of the MQTT broker</source>
      <translation>Port du broker MQTT</translation>
    </message>
    <message>
      <source>Port of the live feed</source>
      <translation>Port du direct</translation>
    </message>
    <message>
      <source>Port:</source>
      <translation>Port :</translation>
    </message>
    <message>
      <source>Replace the access code? Everyone who follows the feed will need the new one.</source>
      <translation>Remplacer le code d’accès ? Tous ceux qui suivent le direct auront besoin du nouveau.</translation>
    </message>
    <message>
      <source>Topic prefix:</source>
      <translation>Préfixe du sujet :</translation>
    </message>
    <message>
      <source>User:</source>
      <translation>Utilisateur :</translation>
    </message>
  </context>
  <context>
    <name>frmLiveFeed</name>
    <message>
      <source>&amp;Close</source>
      <translation>&amp;Fermer</translation>
    </message>
    <message>
      <source>Access code: %1</source>
      <translation>Code d’accès : %1</translation>
    </message>
    <message>
      <source>Addresses</source>
      <translation>Adresses</translation>
    </message>
    <message>
      <source>Addresses:</source>
      <translation>Adresses :</translation>
    </message>
    <message>
      <source>Board</source>
      <translation>Tableau</translation>
    </message>
    <message>
      <source>Gavelor - Live Feed</source>
      <translation>Gavelor - Direct</translation>
    </message>
    <message>
      <source>MQTT broker: connecting to %1</source>
      <translation>Broker MQTT : connexion à %1</translation>
    </message>
    <message>
      <source>MQTT broker: none</source>
      <translation>Broker MQTT : aucun</translation>
    </message>
    <message>
      <source>MQTT broker: publishing to %1</source>
      <translation>Broker MQTT : publication vers %1</translation>
    </message>
    <message>
      <source>Overlay</source>
      <translation>Incrustation</translation>
    </message>
    <message>
      <source>Phone</source>
      <translation>Téléphone</translation>
    </message>
    <message>
      <source>QR code of the phone page</source>
      <translation>Code QR de la page téléphone</translation>
    </message>
    <message>
      <source>Scan for the phone page</source>
      <translation>Scanner pour la page téléphone</translation>
    </message>
    <message>
      <source>The live feed is off. It is turned on in the options (F2), on the Live Feed tab.</source>
      <translation>Le direct est arrêté. Il s’active dans les options (F2), onglet Direct.</translation>
    </message>
    <message>
      <source>The live feed is on, on port %1.</source>
      <translation>Le direct est actif, sur le port %1.</translation>
    </message>
    <message>
      <source>Viewers: %1</source>
      <translation>Spectateurs : %1</translation>
    </message>
    <message>
      <source>none yet</source>
      <translation>aucun pour l’instant</translation>
    </message>
  </context>
  <context>
    <name>RtfReader</name>
    <message>
      <source>Picture %1</source>
      <translation>Image %1</translation>
    </message>
  </context>
  <context>
    <name>SaleTerms</name>
    <message>
      <source>The premium has at most %1 tiers.</source>
      <translation>La commission acheteur a au plus %1 tranches.</translation>
    </message>
    <message>
      <source>Each premium tier's limit must be above the one before it, and only the last tier may be without a limit.</source>
      <translation>La limite de chaque tranche doit dépasser la précédente, et seule la dernière tranche peut être sans limite.</translation>
    </message>
    <message>
      <source>%1% up to %2</source>
      <translation>%1 % jusqu’à %2</translation>
    </message>
    <message>
      <source>%1% above %2</source>
      <translation>%1 % au-delà de %2</translation>
    </message>
    <message>
      <source>%1%</source>
      <translation>%1 %</translation>
    </message>
    <message>
      <source>Buyer's premium %1.</source>
      <translation>Frais acheteur %1.</translation>
    </message>
    <message>
      <source>Tax</source>
      <translation>Taxe</translation>
    </message>
    <message>
      <source>%1 %2% on the hammer and the premium.</source>
      <translation>%1 %2 % sur l’adjudication et les frais.</translation>
    </message>
    <message>
      <source>%1 %2% on the premium.</source>
      <translation>%1 %2 % sur les frais.</translation>
    </message>
    <message>
      <source>Each amount is rounded to the whole unit, a half to the even unit.</source>
      <translation>Chaque montant est arrondi à l’unité, une moitié à l’unité paire.</translation>
    </message>
  </context>
  <context>
    <name>PagedDocument</name>
    <message>
      <source>Page %1 of %2</source>
      <translation>Page %1 sur %2</translation>
    </message>
    <message>
      <source>Printed %1</source>
      <translation>Imprimé le %1</translation>
    </message>
  </context>
  <context>
    <name>InvoicePdf</name>
    <message>
      <source>Invoice</source>
      <translation>Facture</translation>
    </message>
    <message>
      <source>Paddle %1</source>
      <translation>Palette %1</translation>
    </message>
    <message>
      <source>Paddle %1 – %2</source>
      <translation>Palette %1 – %2</translation>
    </message>
    <message>
      <source>Tax</source>
      <translation>Taxe</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Lot</translation>
    </message>
    <message>
      <source>Description</source>
      <translation>Description</translation>
    </message>
    <message>
      <source>Hammer</source>
      <translation>Adjudication</translation>
    </message>
    <message>
      <source>Premium</source>
      <translation>Frais</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Total</translation>
    </message>
    <message>
      <source>Total due</source>
      <translation>Total dû</translation>
    </message>
    <message>
      <source>Settlement</source>
      <translation>Décompte vendeur</translation>
    </message>
    <message>
      <source>Vendor %1</source>
      <translation>Vendeur %1</translation>
    </message>
    <message>
      <source>Commission</source>
      <translation>Commission</translation>
    </message>
    <message>
      <source>Net</source>
      <translation>Net</translation>
    </message>
    <message>
      <source>Commission %1% of the hammer. Each amount is rounded to the whole unit, a half to the even unit.</source>
      <translation>Commission de %1 % de l’adjudication. Chaque montant est arrondi à l’unité, une moitié à l’unité paire.</translation>
    </message>
  </context>
  <context>
    <name>frmSaleDetails</name>
    <message>
      <source>Gavelor - Sale Details</source>
      <translation>Gavelor - Détails de la vente</translation>
    </message>
    <message>
      <source>The sale</source>
      <translation>La vente</translation>
    </message>
    <message>
      <source>&amp;House:</source>
      <translation>&amp;Maison :</translation>
    </message>
    <message>
      <source>&amp;Address:</source>
      <translation>&amp;Adresse :</translation>
    </message>
    <message>
      <source>Sale &amp;title:</source>
      <translation>&amp;Titre :</translation>
    </message>
    <message>
      <source>&amp;Venue:</source>
      <translation>&amp;Lieu :</translation>
    </message>
    <message>
      <source>&amp;Date:</source>
      <translation>&amp;Date :</translation>
    </message>
    <message>
      <source>Terms of sale</source>
      <translation>Conditions de vente</translation>
    </message>
    <message>
      <source>Up to</source>
      <translation>Jusqu’à</translation>
    </message>
    <message>
      <source>Rate %</source>
      <translation>Taux %</translation>
    </message>
    <message>
      <source>Buyer's premium</source>
      <translation>Frais acheteur</translation>
    </message>
    <message>
      <source>Buyer's &amp;premium:</source>
      <translation>&amp;Frais acheteur :</translation>
    </message>
    <message>
      <source>Tax the ha&amp;mmer as well</source>
      <translation>Taxer aussi l’ad&amp;judication</translation>
    </message>
    <message>
      <source>Tax &amp;name:</source>
      <translation>&amp;Nom de la taxe :</translation>
    </message>
    <message>
      <source>Tax &amp;rate %:</source>
      <translation>Tau&amp;x de la taxe % :</translation>
    </message>
    <message>
      <source>Vendors' &amp;commission %:</source>
      <translation>&amp;Commission vendeurs % :</translation>
    </message>
    <message>
      <source>Row %1 of the buyer's premium needs a rate from 0 to 100 % (up to four decimals) and a whole amount as its limit, or no limit on the last row.</source>
      <translation>La ligne %1 des frais acheteur demande un taux de 0 à 100 % (jusqu’à quatre décimales) et un montant entier comme limite, ou aucune limite à la dernière ligne.</translation>
    </message>
    <message>
      <source>A rate is a number from 0 to 100 with up to four decimals, such as 20 or 12.5.</source>
      <translation>Un taux est un nombre de 0 à 100 avec jusqu’à quatre décimales, comme 20 ou 12,5.</translation>
    </message>
  </context>
  <context>
    <name>PictureFolderFrame</name>
    <message>
      <source>Lot Pictures:</source>
      <translation>Photos des lots :</translation>
    </message>
    <message>
      <source>Folder of lot pictures</source>
      <translation>Dossier des photos des lots</translation>
    </message>
    <message>
      <source>No pictures</source>
      <translation>Aucune photo</translation>
    </message>
    <message>
      <source>Browse...</source>
      <translation>Parcourir...</translation>
    </message>
    <message>
      <source>Clear</source>
      <translation>Effacer</translation>
    </message>
    <message>
      <source>Folder of Lot Pictures</source>
      <translation>Dossier des photos des lots</translation>
    </message>
  </context>
  <context>
    <name>LotThumbnail</name>
    <message>
      <source>Picture of the selected lot</source>
      <translation>Photo du lot sélectionné</translation>
    </message>
  </context>
  <context>
    <name>CurrencyRate</name>
    <message>
      <source>a currency without a code</source>
      <translation>une devise sans code</translation>
    </message>
    <message>
      <source>The rate of %1 is missing.</source>
      <translation>Le taux de %1 manque.</translation>
    </message>
    <message>
      <source>The rate of %1 is not a number. Write it with digits and a decimal point, for example 1.0834.</source>
      <translation>Le taux de %1 n'est pas un nombre. Écrivez-le avec des chiffres et un point décimal, par exemple 1.0834.</translation>
    </message>
    <message>
      <source>The rate of %1 has more than 6 decimals.</source>
      <translation>Le taux de %1 a plus de 6 décimales.</translation>
    </message>
    <message>
      <source>The rate of %1 must be more than 0.</source>
      <translation>Le taux de %1 doit être supérieur à 0.</translation>
    </message>
    <message>
      <source>The rate of %1 is too large: at most 1000000 for one unit of the sale's currency.</source>
      <translation>Le taux de %1 est trop grand : au plus 1000000 pour une unité de la devise de la vente.</translation>
    </message>
  </context>
  <context>
    <name>CurrencyBoard</name>
    <message>
      <source>Rates of %1</source>
      <translation>Taux du %1</translation>
    </message>
    <message>
      <source>for guidance only</source>
      <translation>à titre indicatif</translation>
    </message>
  </context>
  <context>
    <name>EuroRates</name>
    <message>
      <source>The file is not a zip archive that can be read.</source>
      <translation>Le fichier n'est pas une archive zip lisible.</translation>
    </message>
    <message>
      <source>The rates file in the zip archive is too large to be a rates file.</source>
      <translation>Le fichier de taux dans l'archive zip est trop grand pour être un fichier de taux.</translation>
    </message>
    <message>
      <source>The zip archive holds no rates file (.csv) that can be read.</source>
      <translation>L'archive zip ne contient aucun fichier de taux (.csv) lisible.</translation>
    </message>
    <message>
      <source>The file is not a euro reference rates file: it needs a header row &quot;Date, USD, JPY, ...&quot; and a row of rates.</source>
      <translation>Le fichier n'est pas un fichier de taux de référence de l'euro : il lui faut une ligne d'en-tête &quot;Date, USD, JPY, ...&quot; et une ligne de taux.</translation>
    </message>
    <message>
      <source>The file could not be opened: %1</source>
      <translation>Le fichier n'a pas pu être ouvert : %1</translation>
    </message>
    <message>
      <source>The file is too large to be a rates file.</source>
      <translation>Le fichier est trop grand pour être un fichier de taux.</translation>
    </message>
    <message>
      <source>The rates file has no rate for the sale's currency %1.</source>
      <translation>Le fichier de taux n'a pas de taux pour la devise de la vente, %1.</translation>
    </message>
  </context>
  <context>
    <name>frmCurrencyBoard</name>
    <message>
      <source>Gavelor - Currency Board</source>
      <translation>Gavelor - Tableau des devises</translation>
    </message>
  </context>
  <context>
    <name>CurrenciesTab</name>
    <message>
      <source>&amp;Show the bid in other currencies</source>
      <translation>&amp;Montrer l'enchère dans d'autres devises</translation>
    </message>
    <message>
      <source>Sale's currency:</source>
      <translation>Devise de la vente :</translation>
    </message>
    <message>
      <source>ISO code of the sale's currency</source>
      <translation>Code ISO de la devise de la vente</translation>
    </message>
    <message>
      <source>Code</source>
      <translation>Code</translation>
    </message>
    <message>
      <source>Sign</source>
      <translation>Signe</translation>
    </message>
    <message>
      <source>Rate</source>
      <translation>Taux</translation>
    </message>
    <message>
      <source>Rounding</source>
      <translation>Arrondi</translation>
    </message>
    <message>
      <source>Currencies and rates</source>
      <translation>Devises et taux</translation>
    </message>
    <message>
      <source>Whole units</source>
      <translation>Unités entières</translation>
    </message>
    <message>
      <source>To 10</source>
      <translation>À 10</translation>
    </message>
    <message>
      <source>To 100</source>
      <translation>À 100</translation>
    </message>
    <message>
      <source>To 1,000</source>
      <translation>À 1 000</translation>
    </message>
    <message>
      <source>Rounding of line %1</source>
      <translation>Arrondi de la ligne %1</translation>
    </message>
    <message>
      <source>&amp;Import Rates...</source>
      <translation>&amp;Importer les taux...</translation>
    </message>
    <message>
      <source>The sale's currency code must be three letters, such as EUR.</source>
      <translation>Le code de la devise de la vente doit comporter trois lettres, comme EUR.</translation>
    </message>
    <message>
      <source>The currency code on line %1 must be three letters, such as USD.</source>
      <translation>Le code de devise de la ligne %1 doit comporter trois lettres, comme USD.</translation>
    </message>
    <message>
      <source>Enter the sale's currency code (such as EUR) before importing rates.</source>
      <translation>Saisissez le code de la devise de la vente (comme EUR) avant d'importer des taux.</translation>
    </message>
    <message>
      <source>Import Rates</source>
      <translation>Importer les taux</translation>
    </message>
    <message>
      <source>Euro reference rates (*.csv *.zip);;All files (*)</source>
      <translation>Taux de référence de l'euro (*.csv *.zip);;Tous les fichiers (*)</translation>
    </message>
    <message>
      <source>The rates file has no rate for %1. Those rates were left as they were.</source>
      <translation>Le fichier de taux n'a pas de taux pour %1. Ces taux restent tels quels.</translation>
    </message>
  </context>
  <context>
    <name>BidderRegister</name>
    <message>
      <source>Its header row names no paddle column (Paddle or Bidder).</source>
      <translation>Sa ligne d'en-tête ne nomme aucune colonne de panneau (Paddle ou Bidder).</translation>
    </message>
    <message>
      <source>Row %1: &quot;%2&quot; is not a paddle (digits and letters, at most 12).</source>
      <translation>Ligne %1 : « %2 » n'est pas un panneau (chiffres et lettres, 12 au plus).</translation>
    </message>
    <message>
      <source>Row %1: paddle %2 is there twice.</source>
      <translation>Ligne %1 : le panneau %2 y figure deux fois.</translation>
    </message>
  </context>
  <context>
    <name>PaddleEntry</name>
    <message>
      <source>Paddle:</source>
      <translation>Panneau :</translation>
    </message>
    <message>
      <source>Paddle</source>
      <translation>Panneau</translation>
    </message>
  </context>
  <context>
    <name>frmPastSales</name>
    <message>
      <source>&amp;Export...</source>
      <translation>&amp;Exporter...</translation>
    </message>
    <message>
      <source>&amp;Invoices...</source>
      <translation>&amp;Factures...</translation>
    </message>
    <message>
      <source>&amp;Report...</source>
      <translation>&amp;Rapport...</translation>
    </message>
    <message>
      <source>Ended</source>
      <translation>Terminée</translation>
    </message>
    <message>
      <source>Gavelor - Open Sale</source>
      <translation>Gavelor - Ouvrir une vente</translation>
    </message>
    <message>
      <source>Lots sold</source>
      <translation>Lots vendus</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Ouverte</translation>
    </message>
    <message>
      <source>Sale</source>
      <translation>Vente</translation>
    </message>
    <message>
      <source>Sales</source>
      <translation>Ventes</translation>
    </message>
    <message>
      <source>Started</source>
      <translation>Commencée</translation>
    </message>
    <message>
      <source>State</source>
      <translation>État</translation>
    </message>
    <message>
      <source>This sale's journal can no longer be read.</source>
      <translation>Le journal de cette vente ne peut plus être lu.</translation>
    </message>
    <message>
      <source>Total hammer</source>
      <translation>Total adjugé</translation>
    </message>
  </context>
  <context>
    <name>CurrencyView</name>
    <message>
      <source>Bid in other currencies</source>
      <translation>Enchère dans d'autres devises</translation>
    </message>
  </context>
</TS>
