<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
  <context>
    <name>AdditionalTab</name>
    <message>
      <source>Currency:</source>
      <translation>Währung:</translation>
    </message>
    <message>
      <source>Sign:</source>
      <translation>Zeichen:</translation>
    </message>
    <message>
      <source>Grouping:</source>
      <translation>Gruppierung:</translation>
    </message>
    <message>
      <source>Currency sign</source>
      <translation>Währungszeichen</translation>
    </message>
    <message>
      <source>Digit grouping</source>
      <translation>Zifferngruppierung</translation>
    </message>
    <message>
      <source>Comma</source>
      <translation>Komma</translation>
    </message>
    <message>
      <source>Point</source>
      <translation>Punkt</translation>
    </message>
    <message>
      <source>Narrow space</source>
      <translation>Schmales Leerzeichen</translation>
    </message>
    <message>
      <source>Apostrophe</source>
      <translation>Apostroph</translation>
    </message>
    <message>
      <source>None</source>
      <translation>Keine</translation>
    </message>
    <message>
      <source>Digit Type:</source>
      <translation>Ziffernart:</translation>
    </message>
    <message>
      <source>Digit type</source>
      <translation>Ziffernart</translation>
    </message>
    <message>
      <source>Lines</source>
      <translation>Striche</translation>
    </message>
    <message>
      <source>Dots</source>
      <translation>Punkte</translation>
    </message>
    <message>
      <source>Preview:</source>
      <translation>Vorschau:</translation>
    </message>
    <message>
      <source>Numlock Options:</source>
      <translation>Num-Taste:</translation>
    </message>
    <message>
      <source>Normal Mode</source>
      <translation>Normal</translation>
    </message>
    <message>
      <source>Keep Numlock On</source>
      <translation>Num immer an</translation>
    </message>
    <message>
      <source>Keep Numlock Off</source>
      <translation>Num immer aus</translation>
    </message>
    <message>
      <source>Reset Settings</source>
      <translation>Zurücksetzen</translation>
    </message>
    <message>
      <source>This desktop does not let programs hold NumLock.</source>
      <translation>Diese Arbeitsumgebung lässt Programme die Num-Taste nicht festhalten.</translation>
    </message>
    <message>
      <source>Are you sure you want to reset these additional settings?</source>
      <translation>Sollen diese weiteren Einstellungen wirklich zurückgesetzt werden?</translation>
    </message>
    <message>
      <source>Reset Additional Settings</source>
      <translation>Weitere Einstellungen zurücksetzen</translation>
    </message>
    <message>
      <source>Ask for the paddle number after Sold</source>
      <translation>Nach dem Zuschlag nach der Bieternummer fragen</translation>
    </message>
  </context>
  <context>
    <name>BoardView</name>
    <message>
      <source>Lot #: %1</source>
      <translation>Los Nr.: %1</translation>
    </message>
  </context>
  <context>
    <name>ColorTab</name>
    <message>
      <source>red %1, green %2, blue %3</source>
      <translation>Rot %1, Grün %2, Blau %3</translation>
    </message>
    <message>
      <source>Back Color:</source>
      <translation>Hintergrund:</translation>
    </message>
    <message>
      <source>LED Background:</source>
      <translation>LED-Hintergrund:</translation>
    </message>
    <message>
      <source>Text Color:</source>
      <translation>Schriftfarbe:</translation>
    </message>
    <message>
      <source>LED Lot Color:</source>
      <translation>LED Los:</translation>
    </message>
    <message>
      <source>LED Amount Color:</source>
      <translation>LED Gebot:</translation>
    </message>
    <message>
      <source>Sold Color:</source>
      <translation>Verkauft:</translation>
    </message>
    <message>
      <source>Passed Color:</source>
      <translation>Rückgang:</translation>
    </message>
    <message>
      <source>Reset Colors</source>
      <translation>Farben zurück</translation>
    </message>
    <message>
      <source>Are you sure you want to reset the colors?</source>
      <translation>Sollen die Farben wirklich zurückgesetzt werden?</translation>
    </message>
    <message>
      <source>Change</source>
      <translation>Ändern</translation>
    </message>
    <message>
      <source>Change %1</source>
      <translation>%1 ändern</translation>
    </message>
  </context>
  <context>
    <name>IncrementTab</name>
    <message>
      <source>&amp;Increment Ranges:</source>
      <translation>Steigerungss&amp;tufen:</translation>
    </message>
    <message>
      <source>Increment ranges</source>
      <translation>Steigerungsstufen</translation>
    </message>
    <message>
      <source>Create &amp;New</source>
      <translation>&amp;Neu</translation>
    </message>
    <message>
      <source>&amp;Edit Selected</source>
      <translation>Auswahl &amp;bearbeiten</translation>
    </message>
    <message>
      <source>&amp;Delete Selected</source>
      <translation>Auswahl &amp;löschen</translation>
    </message>
    <message>
      <source>New Increment</source>
      <translation>Neue Stufe</translation>
    </message>
    <message>
      <source>If the &amp;current bid is at least:</source>
      <translation>Wenn das &amp;aktuelle Gebot mindestens:</translation>
    </message>
    <message>
      <source>Increment &amp;bid by:</source>
      <translation>Steigern &amp;um:</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Speichern</translation>
    </message>
    <message>
      <source>Edit Increment</source>
      <translation>Stufe bearbeiten</translation>
    </message>
    <message>
      <source>Are you sure you want to delete this increment?</source>
      <translation>Soll diese Steigerungsstufe wirklich gelöscht werden?</translation>
    </message>
    <message>
      <source>Increment minimum must be between 0 and 999999</source>
      <translation>Das Mindestgebot der Stufe muss zwischen 0 und 999999 liegen</translation>
    </message>
    <message>
      <source>Starting amount must be between 0 and 999999</source>
      <translation>Die Steigerung muss zwischen 0 und 999999 liegen</translation>
    </message>
    <message>
      <source>Cannot save since the minimum is a duplicate of an existing one.</source>
      <translation>Nicht gespeichert: Für dieses Mindestgebot gibt es schon eine Stufe.</translation>
    </message>
  </context>
  <context>
    <name>Limits</name>
    <message>
      <source>Lot # must be between 0 and 9999</source>
      <translation>Die Los Nr. muss zwischen 0 und 9999 liegen</translation>
    </message>
    <message>
      <source>Lot starting bid must be between 0 and 999999</source>
      <translation>Der Ausruf muss zwischen 0 und 999999 liegen</translation>
    </message>
    <message>
      <source>The note has %1 characters; a lot admits at most %2.</source>
      <translation>Die Beschreibung hat %1 Zeichen; ein Los erlaubt höchstens %2.</translation>
    </message>
    <message>
      <source>The reserve must be between 0 and 999999</source>
      <translation>Das Limit muss zwischen 0 und 999999 liegen</translation>
    </message>
    <message>
      <source>The low estimate must be between 0 and 999999</source>
      <translation>Die untere Schätzung muss zwischen 0 und 999999 liegen</translation>
    </message>
    <message>
      <source>The high estimate must be between 0 and 999999</source>
      <translation>Die obere Schätzung muss zwischen 0 und 999999 liegen</translation>
    </message>
    <message>
      <source>The low estimate must not be above the high estimate</source>
      <translation>Die untere Schätzung darf nicht über der oberen liegen</translation>
    </message>
    <message>
      <source>The vendor has %1 characters; a lot admits at most %2.</source>
      <translation>Der Einlieferer hat %1 Zeichen; ein Los erlaubt höchstens %2.</translation>
    </message>
  </context>
  <context>
    <name>LotsCsv</name>
    <message>
      <source> (it reads %1).</source>
      <translation> (gelesen: %1).</translation>
    </message>
    <message>
      <source>It holds more than %1 lots.</source>
      <translation>Sie enthält mehr als %1 Lose.</translation>
    </message>
    <message>
      <source>Its header row names no lot number column (Lot, Lot number, Lot # or Number).</source>
      <translation>Ihre Kopfzeile nennt keine Spalte für die Los Nr. (Lot, Lot number, Lot # oder Number).</translation>
    </message>
    <message>
      <source>It is not a file that can be read.</source>
      <translation>Sie ist keine lesbare Datei.</translation>
    </message>
    <message>
      <source>It is larger than %1 MB, too large for a lot list.</source>
      <translation>Sie ist größer als %1 MB, zu groß für eine Losliste.</translation>
    </message>
    <message>
      <source>It could not be read: %1.</source>
      <translation>Sie konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
      <source>It does not look like a text file. Save the lot list from the spreadsheet as CSV.</source>
      <translation>Sie sieht nicht wie eine Textdatei aus. Speichern Sie die Losliste in der Tabellenkalkulation als CSV.</translation>
    </message>
    <message>
      <source>There is not enough memory to read it.</source>
      <translation>Zum Lesen reicht der Speicher nicht.</translation>
    </message>
    <message>
      <source>Line %1: a double quote stands inside a field that is not in quotes, or after the closing quote of one.</source>
      <translation>Zeile %1: Ein Anführungszeichen steht in einem Feld ohne Anführungszeichen oder nach dem schließenden eines Feldes.</translation>
    </message>
    <message>
      <source>Line %1: a quoted field is never closed.</source>
      <translation>Zeile %1: Ein Feld in Anführungszeichen wird nie geschlossen.</translation>
    </message>
    <message>
      <source>It holds no lots.</source>
      <translation>Sie enthält keine Lose.</translation>
    </message>
    <message>
      <source>No lots were imported from "%1".</source>
      <translation>Aus „%1“ wurden keine Lose übernommen.</translation>
    </message>
    <message>
      <source> One row is not a valid lot:
</source>
      <translation> Eine Zeile ist kein gültiges Los:
</translation>
    </message>
    <message>
      <source> %1 rows are not valid lots:
</source>
      <translation> %1 Zeilen sind keine gültigen Lose:
</translation>
    </message>
    <message>
      <source> %1 rows are not valid lots; the first %2:
</source>
      <translation> %1 Zeilen sind keine gültigen Lose; die ersten %2:
</translation>
    </message>
    <message>
      <source>
Line %1: %2</source>
      <translation>
Zeile %1: %2</translation>
    </message>
    <message>
      <source>

... and %1 more.</source>
      <translation>

... und %1 weitere.</translation>
    </message>
    <message>
      <source>The picture is not a file name.</source>
      <translation>Das Bild ist kein Dateiname.</translation>
    </message>
    <message>
      <source>It holds more than %1 rows.</source>
      <translation>Sie enthält mehr als %1 Zeilen.</translation>
    </message>
  </context>
  <context>
    <name>PendingMarks</name>
    <message>
      <source>%1 result(s) of this sale are not on the disk: they would have gone to &quot;%2&quot;, which refuses them (%3).</source>
      <translation>%1 Ergebnis(se) dieser Auktion sind nicht auf dem Datenträger: Sie sollten nach „%2“, das sie nicht annimmt (%3).</translation>
    </message>
    <message>
      <source>End this sale and drop them?</source>
      <translation>Diese Auktion beenden und sie verwerfen?</translation>
    </message>
    <message>
      <source>Open the other sale and drop them?</source>
      <translation>Die andere Auktion öffnen und sie verwerfen?</translation>
    </message>
    <message>
      <source>Quit Gavelor and drop them?</source>
      <translation>Gavelor beenden und sie verwerfen?</translation>
    </message>
  </context>
  <context>
    <name>ResultStamp</name>
    <message>
      <source>SOLD</source>
      <translation>VERKAUFT</translation>
    </message>
    <message>
      <source>PASSED</source>
      <translation>RÜCKGANG</translation>
    </message>
  </context>
  <context>
    <name>ResultsModel</name>
    <message>
      <source>Position</source>
      <translation>Position</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Los</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Beschreibung</translation>
    </message>
    <message>
      <source>Starting bid</source>
      <translation>Ausruf</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Ergebnis</translation>
    </message>
    <message>
      <source>Hammer</source>
      <translation>Zuschlag</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Uhrzeit</translation>
    </message>
    <message>
      <source>Buyer</source>
      <translation>Käufer</translation>
    </message>
    <message>
      <source>Bid reached</source>
      <translation>Erreichtes Gebot</translation>
    </message>
    <message>
      <source>Offers</source>
      <translation>Ausrufe</translation>
    </message>
    <message>
      <source>This lot number is not in the lot list.</source>
      <translation>Diese Losnummer steht nicht in der Losliste.</translation>
    </message>
    <message>
      <source>Bought in at %1</source>
      <translation>Zurückgekauft bei %1</translation>
    </message>
    <message>
      <source>Paddle %1 is not in the bidder register.</source>
      <translation>Bieternummer %1 ist nicht im Bieterverzeichnis.</translation>
    </message>
  </context>
  <context>
    <name>SaleJournal</name>
    <message>
      <source>process %1 on %2</source>
      <translation>Prozess %1 auf %2</translation>
    </message>
    <message>
      <source>another copy of Gavelor (%1) keeps the sales in this folder</source>
      <translation>eine andere Gavelor-Instanz (%1) führt die Auktionen in diesem Ordner</translation>
    </message>
    <message>
      <source>it is not a regular file</source>
      <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
      <source>it is larger than %1 MB</source>
      <translation>es ist größer als %1 MB</translation>
    </message>
    <message>
      <source>%1 of its lines are damaged</source>
      <translation>%1 seiner Zeilen sind beschädigt</translation>
    </message>
    <message>
      <source>it does not begin with the start of a sale</source>
      <translation>es beginnt nicht mit dem Beginn einer Auktion</translation>
    </message>
    <message>
      <source>the folder cannot be made</source>
      <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
      <source>the journal was replaced</source>
      <translation>das Protokoll wurde ersetzt</translation>
    </message>
  </context>
  <context>
    <name>SaleReport</name>
    <message>
      <source>Sold</source>
      <translation>Verkauft</translation>
    </message>
    <message>
      <source>Passed</source>
      <translation>Rückgang</translation>
    </message>
    <message>
      <source>Sale Results</source>
      <translation>Auktionsergebnisse</translation>
    </message>
    <message>
      <source>Sale started %1</source>
      <translation>Auktion begonnen %1</translation>
    </message>
    <message>
      <source>Lots sold: %1</source>
      <translation>Verkaufte Lose: %1</translation>
    </message>
    <message>
      <source>Lots passed: %1</source>
      <translation>Rückgänge: %1</translation>
    </message>
    <message>
      <source>Not yet offered: %1</source>
      <translation>Noch nicht ausgerufen: %1</translation>
    </message>
    <message>
      <source>Total hammer: %1</source>
      <translation>Zuschläge gesamt: %1</translation>
    </message>
    <message>
      <source>Average hammer: %1</source>
      <translation>Zuschlag im Mittel: %1</translation>
    </message>
    <message>
      <source>Sell-through: %1</source>
      <translation>Verkaufsquote: %1</translation>
    </message>
    <message>
      <source>Against starting bids: %1 / %2</source>
      <translation>Gegenüber Ausruf: %1 / %2</translation>
    </message>
    <message>
      <source>Blue: hammer price. Orange: starting bid. Lots sold, in sale order, on a logarithmic scale.</source>
      <translation>Blau: Zuschlag. Orange: Ausrufpreis. Verkaufte Lose in Reihenfolge der Auktion, auf logarithmischer Skala.</translation>
    </message>
    <message>
      <source>Top ten lots</source>
      <translation>Die zehn höchsten Lose</translation>
    </message>
    <message>
      <source>%1. Lot %2  %3  %4</source>
      <translation>%1. Los %2  %3  %4</translation>
    </message>
    <message>
      <source>Pos.</source>
      <translation>Pos.</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Los</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Beschreibung</translation>
    </message>
    <message>
      <source>Start</source>
      <translation>Ausruf</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Ergebnis</translation>
    </message>
    <message>
      <source>Hammer</source>
      <translation>Zuschlag</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Uhrzeit</translation>
    </message>
    <message>
      <source>Buyer</source>
      <translation>Käufer</translation>
    </message>
    <message>
      <source> (no longer in the list)</source>
      <translation> (nicht mehr in der Liste)</translation>
    </message>
    <message>
      <source>Cleared</source>
      <translation>Gelöscht</translation>
    </message>
    <message>
      <source>Withdrawn</source>
      <translation>Zurückgezogen</translation>
    </message>
    <message>
      <source>Lots offered more than once</source>
      <translation>Mehrfach ausgerufene Lose</translation>
    </message>
    <message>
      <source>%1 %2 at %3</source>
      <translation>%1 %2 um %3</translation>
    </message>
    <message>
      <source>Lot %1: %2</source>
      <translation>Los %1: %2</translation>
    </message>
    <message>
      <source>Bid reached</source>
      <translation>Erreichtes Gebot</translation>
    </message>
    <message>
      <source>Total of the %1 lots sold</source>
      <translation>Summe der %1 verkauften Lose</translation>
    </message>
    <message>
      <source>Exchange rates in force: %1</source>
      <translation>Geltende Wechselkurse: %1</translation>
    </message>
    <message>
      <source>Exchange rates changed at %1: %2</source>
      <translation>Wechselkurse geändert um %1: %2</translation>
    </message>
    <message>
      <source>Sold below reserve</source>
      <translation>Unter Limit verkauft</translation>
    </message>
    <message>
      <source>Bought in</source>
      <translation>Zurückgekauft</translation>
    </message>
  </context>
  <context>
    <name>SavingSign</name>
    <message>
      <source>not saved</source>
      <translation>nicht gespeichert</translation>
    </message>
    <message>
      <source>Results are not being saved: %1</source>
      <translation>Ergebnisse werden nicht gespeichert: %1</translation>
    </message>
    <message>
      <source>new journal</source>
      <translation>neues Protokoll</translation>
    </message>
    <message>
      <source>The journal &quot;%1&quot; was replaced or removed; the sale goes on in &quot;%2&quot;.</source>
      <translation>Das Protokoll „%1“ wurde ersetzt oder entfernt; die Auktion geht in „%2“ weiter.</translation>
    </message>
  </context>
  <context>
    <name>Startup</name>
    <message>
      <source>It could not be moved aside and was left as it is.</source>
      <translation>Sie konnte nicht beiseitegelegt werden und blieb, wie sie ist.</translation>
    </message>
    <message>
      <source>The unreadable file was kept as "%1".</source>
      <translation>Die unlesbare Datei wurde als „%1“ aufbewahrt.</translation>
    </message>
    <message>
      <source>The settings file "%1" could not be read. Gavelor starts with its default settings: no lots, no increment ranges, the default colours.

%2</source>
      <translation>Die Einstellungsdatei „%1“ konnte nicht gelesen werden. Gavelor startet mit den Standardeinstellungen: keine Lose, keine Steigerungsstufen, die Standardfarben.

%2</translation>
    </message>
    <message>
      <source>Gavelor is already running for the settings file "%1", but that copy does not answer (it may be busy or hung, or belong to another session). A second copy was not started.</source>
      <translation>Gavelor läuft bereits mit der Einstellungsdatei „%1“, doch diese Instanz antwortet nicht (sie ist vielleicht beschäftigt, hängt oder gehört zu einer anderen Sitzung). Eine zweite Instanz wurde nicht gestartet.</translation>
    </message>
    <message>
      <source>The sale journal &quot;%1&quot; could not be read as it is (%2).</source>
      <translation>Das Auktionsprotokoll „%1“ konnte nicht so gelesen werden, wie es ist (%2).</translation>
    </message>
    <message>
      <source>It was left where it is.</source>
      <translation>Es wurde an seinem Platz gelassen.</translation>
    </message>
    <message>
      <source>It was kept as &quot;%1&quot;.</source>
      <translation>Es wurde als „%1“ aufbewahrt.</translation>
    </message>
    <message>
      <source>Recovered from it: %1 lines, with %2 lots sold and %3 passed; %4 damaged lines were left out. The sale goes on in &quot;%5&quot;.</source>
      <translation>Daraus gerettet: %1 Zeilen, mit %2 verkauften und %3 zurückgegangenen Losen; %4 beschädigte Zeilen wurden ausgelassen. Die Auktion geht in „%5“ weiter.</translation>
    </message>
    <message>
      <source>Its %1 readable lines are kept in memory and written as soon as the disk takes them.</source>
      <translation>Seine %1 lesbaren Zeilen bleiben im Speicher und werden geschrieben, sobald der Datenträger sie annimmt.</translation>
    </message>
    <message>
      <source>No results could be recovered from it.</source>
      <translation>Daraus konnten keine Ergebnisse gerettet werden.</translation>
    </message>
    <message>
      <source>%1 more sale journals could not be read; they were kept beside the others with the ending &quot;.unreadable&quot;.</source>
      <translation>%1 weitere Auktionsprotokolle konnten nicht gelesen werden; sie wurden neben den anderen mit der Endung „.unreadable“ aufbewahrt.</translation>
    </message>
    <message>
      <source>Another copy of Gavelor (%1) keeps the sales in &quot;%2&quot;. This copy records nothing there: its results are not saved.</source>
      <translation>Eine andere Gavelor-Instanz (%1) führt die Auktionen in „%2“. Diese Instanz zeichnet dort nichts auf: Ihre Ergebnisse werden nicht gespeichert.</translation>
    </message>
  </context>
  <context>
    <name>frmHelp</name>
    <message>
      <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
      <translation>Die Hilfedatei ist nicht an ihrem gewohnten Ort.  Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
      <source>Gavelor - Help</source>
      <translation>Gavelor - Hilfe</translation>
    </message>
    <message>
      <source>Loading...</source>
      <translation>Wird geladen...</translation>
    </message>
  </context>
  <context>
    <name>frmLots</name>
    <message>
      <source>CSV files (*.csv *.txt)</source>
      <translation>CSV-Dateien (*.csv *.txt)</translation>
    </message>
    <message>
      <source>Gavelor - Lots</source>
      <translation>Gavelor - Lose</translation>
    </message>
    <message>
      <source>Lots:</source>
      <translation>Lose:</translation>
    </message>
    <message>
      <source>Lots</source>
      <translation>Lose</translation>
    </message>
    <message>
      <source>&amp;Create New</source>
      <translation>&amp;Neu</translation>
    </message>
    <message>
      <source>&amp;Edit Selected</source>
      <translation>Auswahl &amp;bearbeiten</translation>
    </message>
    <message>
      <source>&amp;Delete Selected</source>
      <translation>Auswahl &amp;löschen</translation>
    </message>
    <message>
      <source>Delete &amp;All</source>
      <translation>&amp;Alle löschen</translation>
    </message>
    <message>
      <source>Move selected lot up.</source>
      <translation>Gewähltes Los nach oben.</translation>
    </message>
    <message>
      <source>Move selected lot up</source>
      <translation>Gewähltes Los nach oben</translation>
    </message>
    <message>
      <source>Move selected lot down.</source>
      <translation>Gewähltes Los nach unten.</translation>
    </message>
    <message>
      <source>Move selected lot down</source>
      <translation>Gewähltes Los nach unten</translation>
    </message>
    <message>
      <source>&amp;Import...</source>
      <translation>&amp;Einlesen...</translation>
    </message>
    <message>
      <source>Read lots from a CSV file saved by a spreadsheet.</source>
      <translation>Lose aus einer CSV-Datei einer Tabellenkalkulation lesen.</translation>
    </message>
    <message>
      <source>E&amp;xport...</source>
      <translation>E&amp;xportieren...</translation>
    </message>
    <message>
      <source>Write the lots to a CSV file that a spreadsheet opens.</source>
      <translation>Die Lose in eine CSV-Datei für die Tabellenkalkulation schreiben.</translation>
    </message>
    <message>
      <source>New Lot</source>
      <translation>Neues Los</translation>
    </message>
    <message>
      <source>&amp;Lot #:</source>
      <translation>Los N&amp;r.:</translation>
    </message>
    <message>
      <source>Lot S&amp;tarting $:</source>
      <translation>A&amp;usruf $:</translation>
    </message>
    <message>
      <source>Lot &amp;Note:</source>
      <translation>Beschreibun&amp;g:</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Speichern</translation>
    </message>
    <message>
      <source>Do&amp;ne Editing Lots</source>
      <translation>&amp;Fertig</translation>
    </message>
    <message>
      <source>The lots could not be written to the settings file: %1. They stay in use until Gavelor is closed.</source>
      <translation>Die Lose konnten nicht in die Einstellungsdatei geschrieben werden: %1. Sie bleiben in Gebrauch, bis Gavelor beendet wird.</translation>
    </message>
    <message>
      <source>Total Lots: </source>
      <translation>Lose: </translation>
    </message>
    <message>
      <source>Edit Lot</source>
      <translation>Los bearbeiten</translation>
    </message>
    <message>
      <source>Are you sure you want to delete this lot?</source>
      <translation>Soll dieses Los wirklich gelöscht werden?</translation>
    </message>
    <message>
      <source>Are you sure you want to delete ALL of the lots?  This cannot be undone.</source>
      <translation>Sollen wirklich ALLE Lose gelöscht werden?  Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
      <source>Import Lots</source>
      <translation>Lose einlesen</translation>
    </message>
    <message>
      <source>%1 lot was read from "%2".</source>
      <translation>%1 Los wurde aus „%2“ gelesen.</translation>
    </message>
    <message>
      <source>%1 lots were read from "%2".</source>
      <translation>%1 Lose wurden aus „%2“ gelesen.</translation>
    </message>
    <message>
      <source>

Append them to the list, or replace the list with them?</source>
      <translation>

An die Liste anhängen oder die Liste durch sie ersetzen?</translation>
    </message>
    <message>
      <source>&amp;Append</source>
      <translation>&amp;Anhängen</translation>
    </message>
    <message>
      <source>&amp;Replace</source>
      <translation>&amp;Ersetzen</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Export Lots</source>
      <translation>Lose exportieren</translation>
    </message>
    <message>
      <source>The lots could not be written to "%1": %2</source>
      <translation>Die Lose konnten nicht nach „%1“ geschrieben werden: %2</translation>
    </message>
    <message>
      <source>&amp;Vendor:</source>
      <translation>E&amp;inlieferer:</translation>
    </message>
    <message>
      <source>&amp;Reserve:</source>
      <translation>Li&amp;mit:</translation>
    </message>
    <message>
      <source>Never shown to the room.</source>
      <translation>Wird dem Saal nie gezeigt.</translation>
    </message>
    <message>
      <source>Esti&amp;mate:</source>
      <translation>Schät&amp;zung:</translation>
    </message>
    <message>
      <source>Low estimate</source>
      <translation>Untere Schätzung</translation>
    </message>
    <message>
      <source>High estimate</source>
      <translation>Obere Schätzung</translation>
    </message>
    <message>
      <source>&amp;Picture:</source>
      <translation>Bil&amp;d:</translation>
    </message>
  </context>
  <context>
    <name>frmOptions</name>
    <message>
      <source>Gavelor - Options</source>
      <translation>Gavelor - Optionen</translation>
    </message>
    <message>
      <source>Color Controls</source>
      <translation>Farben</translation>
    </message>
    <message>
      <source>Increment Settings</source>
      <translation>Steigerungen</translation>
    </message>
    <message>
      <source>&amp;Additional Settings</source>
      <translation>&amp;Weitere Einstellungen</translation>
    </message>
    <message>
      <source>Options</source>
      <translation>Optionen</translation>
    </message>
    <message>
      <source>&amp;Ok</source>
      <translation>&amp;OK</translation>
    </message>
    <message>
      <source>&amp;Cancel</source>
      <translation>Abbre&amp;chen</translation>
    </message>
    <message>
      <source>The options could not be written to the settings file. They stay in use until Gavelor is closed.</source>
      <translation>Die Optionen konnten nicht in die Einstellungsdatei geschrieben werden. Sie bleiben in Gebrauch, bis Gavelor beendet wird.</translation>
    </message>
    <message>
      <source>&amp;Live Feed</source>
      <translation>&amp;Live-Feed</translation>
    </message>
    <message>
      <source>C&amp;urrencies</source>
      <translation>Wä&amp;hrungen</translation>
    </message>
  </context>
  <context>
    <name>frmResults</name>
    <message>
      <source>Buyer for lot %1</source>
      <translation>Käufer für Los %1</translation>
    </message>
    <message>
      <source>Buyer for lot %1: %2</source>
      <translation>Käufer für Los %1: %2</translation>
    </message>
    <message>
      <source>No buyer for lot %1</source>
      <translation>Kein Käufer für Los %1</translation>
    </message>
    <message>
      <source>Gavelor - Sale Results</source>
      <translation>Gavelor - Auktionsergebnisse</translation>
    </message>
    <message>
      <source>Sold:</source>
      <translation>Verkauft:</translation>
    </message>
    <message>
      <source>Passed:</source>
      <translation>Rückgänge:</translation>
    </message>
    <message>
      <source>Not yet offered:</source>
      <translation>Noch nicht ausgerufen:</translation>
    </message>
    <message>
      <source>Total hammer:</source>
      <translation>Zuschläge gesamt:</translation>
    </message>
    <message>
      <source>Average hammer:</source>
      <translation>Zuschlag im Mittel:</translation>
    </message>
    <message>
      <source>Sell-through:</source>
      <translation>Verkaufsquote:</translation>
    </message>
    <message>
      <source>Against starting bids:</source>
      <translation>Gegenüber Ausruf:</translation>
    </message>
    <message>
      <source>Results</source>
      <translation>Ergebnisse</translation>
    </message>
    <message>
      <source>&amp;Clear Result</source>
      <translation>Ergebnis &amp;löschen</translation>
    </message>
    <message>
      <source>Show on &amp;Board</source>
      <translation>Auf der &amp;Tafel zeigen</translation>
    </message>
    <message>
      <source>&amp;New Sale...</source>
      <translation>&amp;Neue Auktion...</translation>
    </message>
    <message>
      <source>&amp;Export...</source>
      <translation>&amp;Exportieren...</translation>
    </message>
    <message>
      <source>&amp;Report...</source>
      <translation>&amp;Bericht...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Drucken...</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Schließen</translation>
    </message>
    <message>
      <source>Sale started %1</source>
      <translation>Auktion begonnen %1</translation>
    </message>
    <message>
      <source>The last run ended with lot %1 (position %2) on show at %3. Select it and press Show on Board to put the board back.</source>
      <translation>Der letzte Lauf endete um %3 mit Los %1 (Position %2) auf der Tafel. Wählen Sie es und drücken Sie „Auf der Tafel zeigen“, um die Tafel wiederherzustellen.</translation>
    </message>
    <message>
      <source>Results are not being saved: %1. The board goes on; Gavelor tries again at the next event.</source>
      <translation>Ergebnisse werden nicht gespeichert: %1. Die Tafel läuft weiter; Gavelor versucht es beim nächsten Ereignis erneut.</translation>
    </message>
    <message>
      <source>Clear the result (%1) of lot %2?</source>
      <translation>Das Ergebnis (%1) von Los %2 löschen?</translation>
    </message>
    <message>
      <source>End this sale and start a new one? The results of this sale stay in its journal.</source>
      <translation>Diese Auktion beenden und eine neue beginnen? Die Ergebnisse dieser Auktion bleiben in ihrem Protokoll.</translation>
    </message>
    <message>
      <source>Export Results</source>
      <translation>Ergebnisse exportieren</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
      <source>The results could not be exported: %1</source>
      <translation>Die Ergebnisse konnten nicht exportiert werden: %1</translation>
    </message>
    <message>
      <source>Save Report</source>
      <translation>Bericht speichern</translation>
    </message>
    <message>
      <source>PDF files (*.pdf)</source>
      <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
      <source>The report could not be saved: %1</source>
      <translation>Der Bericht konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
      <source>Sale Results</source>
      <translation>Auktionsergebnisse</translation>
    </message>
    <message>
      <source>Withdrawn:</source>
      <translation>Zurückgezogen:</translation>
    </message>
    <message>
      <source>&amp;Withdraw Lot</source>
      <translation>Los zurück&amp;ziehen</translation>
    </message>
    <message>
      <source>Lot %1 was passed after it was sold: its buyer %2 was cleared.</source>
      <translation>Los %1 wurde nach dem Zuschlag zurückgezogen: sein Käufer %2 wurde gelöscht.</translation>
    </message>
    <message>
      <source>The scoreboard does not have the keys while this window is active: arrows move in the results, F5 and F6 still mark the lot on the board.</source>
      <translation>Die Anzeigetafel erhält keine Tasten, solange dieses Fenster aktiv ist: Pfeiltasten bewegen sich in den Ergebnissen, F5 und F6 markieren weiterhin das Los auf der Tafel.</translation>
    </message>
    <message>
      <source>Withdraw lot %1? Its result (%2) is replaced.</source>
      <translation>Los %1 zurückziehen? Sein Ergebnis (%2) wird ersetzt.</translation>
    </message>
    <message>
      <source>%1 result(s) belong to lot numbers that are not in the lot list; they are listed at the end.</source>
      <translation>%1 Ergebnis(se) gehören zu Losnummern, die nicht in der Losliste stehen; sie sind am Ende aufgeführt.</translation>
    </message>
    <message>
      <source>Results are not being saved: %1. This copy of Gavelor writes nothing there.</source>
      <translation>Ergebnisse werden nicht gespeichert: %1. Diese Gavelor-Instanz schreibt dort nichts.</translation>
    </message>
    <message>
      <source>The journal &quot;%1&quot; was replaced or removed while Gavelor was writing it; the sale goes on in &quot;%2&quot;.</source>
      <translation>Das Protokoll „%1“ wurde ersetzt oder entfernt, während Gavelor hineinschrieb; die Auktion geht in „%2“ weiter.</translation>
    </message>
    <message>
      <source>&amp;Open...</source>
      <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
      <source>%1 earlier sale(s) were never ended: their results are still in their journals.</source>
      <translation>%1 frühere Auktion(en) wurden nie beendet: Ihre Ergebnisse stehen noch in ihren Protokollen.</translation>
    </message>
    <message>
      <source>%1, last written %2</source>
      <translation>%1, zuletzt geschrieben %2</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Open which sale? The sale open now stays in its journal and is offered here in turn.</source>
      <translation>Welche Auktion öffnen? Die jetzt offene Auktion bleibt in ihrem Protokoll und wird dann hier angeboten.</translation>
    </message>
    <message>
      <source>The sale in &quot;%1&quot; could not be opened.</source>
      <translation>Die Auktion in „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
      <source>Sale &amp;Details...</source>
      <translation>Auktions&amp;angaben...</translation>
    </message>
    <message>
      <source>&amp;Invoices...</source>
      <translation>Rechn&amp;ungen...</translation>
    </message>
    <message>
      <source>The sale's details could not be saved.</source>
      <translation>Die Auktionsangaben konnten nicht gespeichert werden.</translation>
    </message>
    <message>
      <source>No lot has been sold to a buyer yet: type the buyer's paddle in the Buyer column.</source>
      <translation>Noch kein Los ist einem Käufer zugeschlagen: Geben Sie die Bieternummer in der Spalte Käufer ein.</translation>
    </message>
    <message>
      <source>Save Invoices</source>
      <translation>Rechnungen speichern</translation>
    </message>
    <message>
      <source>The invoices could not all be saved: %1</source>
      <translation>Die Rechnungen konnten nicht alle gespeichert werden: %1</translation>
    </message>
    <message>
      <source>Invoices: %1. Settlements: %2. Saved in %3.</source>
      <translation>Rechnungen: %1. Abrechnungen: %2. Gespeichert in %3.</translation>
    </message>
    <message>
      <source>Bidders</source>
      <translation>Bieter</translation>
    </message>
    <message>
      <source>Paddle:</source>
      <translation>Bieternummer:</translation>
    </message>
    <message>
      <source>Name:</source>
      <translation>Name:</translation>
    </message>
    <message>
      <source>Contact:</source>
      <translation>Kontakt:</translation>
    </message>
    <message>
      <source>Add Bi&amp;dder</source>
      <translation>Bieter &amp;hinzufügen</translation>
    </message>
    <message>
      <source>Paddle</source>
      <translation>Bieternummer</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Name</translation>
    </message>
    <message>
      <source>Contact</source>
      <translation>Kontakt</translation>
    </message>
    <message>
      <source>Remo&amp;ve Bidder</source>
      <translation>Bieter entfe&amp;rnen</translation>
    </message>
    <message>
      <source>&amp;Import Bidders...</source>
      <translation>Bieter &amp;importieren...</translation>
    </message>
    <message>
      <source>Read paddles, names and contacts from a CSV file saved by a spreadsheet.</source>
      <translation>Bieternummern, Namen und Kontakte aus einer CSV-Datei einer Tabellenkalkulation lesen.</translation>
    </message>
    <message>
      <source>The bidders could not be written to the settings file: %1.</source>
      <translation>Die Bieter konnten nicht in die Einstellungsdatei geschrieben werden: %1.</translation>
    </message>
    <message>
      <source>A paddle is digits and letters, at most 12.</source>
      <translation>Eine Bieternummer besteht aus Ziffern und Buchstaben, höchstens 12.</translation>
    </message>
    <message>
      <source>Import Bidders</source>
      <translation>Bieter importieren</translation>
    </message>
    <message>
      <source>It holds no bidders.</source>
      <translation>Sie enthält keine Bieter.</translation>
    </message>
    <message>
      <source>No bidders were imported from &quot;%1&quot;. %2</source>
      <translation>Aus „%1“ wurden keine Bieter importiert. %2</translation>
    </message>
    <message>
      <source>%1 bidder was read from &quot;%2&quot;.</source>
      <translation>%1 Bieter wurde aus „%2“ gelesen.</translation>
    </message>
    <message>
      <source>%1 bidders were read from &quot;%2&quot;.</source>
      <translation>%1 Bieter wurden aus „%2“ gelesen.</translation>
    </message>
    <message>
      <source>Invoices</source>
      <translation>Rechnungen</translation>
    </message>
    <message>
      <source>Invoices: %1. Settlements: %2. Save them as PDF files, or print them?</source>
      <translation>Rechnungen: %1. Abrechnungen: %2. Als PDF-Dateien speichern oder drucken?</translation>
    </message>
    <message>
      <source>Open S&amp;ale...</source>
      <translation>Auktion ö&amp;ffnen...</translation>
    </message>
    <message>
      <source>Print...</source>
      <translation>Drucken...</translation>
    </message>
    <message>
      <source>Save as PDF Files...</source>
      <translation>Als PDF-Dateien speichern...</translation>
    </message>
    <message>
      <source>The results of this sale were never exported, saved as a report or printed. End this sale and start a new one? Its results stay in its journal.</source>
      <translation>Die Ergebnisse dieser Auktion wurden nie exportiert, als Bericht gespeichert oder gedruckt. Diese Auktion beenden und eine neue beginnen? Ihre Ergebnisse bleiben in ihrem Journal.</translation>
    </message>
  </context>
  <context>
    <name>frmScoreboard</name>
    <message>
      <source>Lot #:</source>
      <translation>Los:</translation>
    </message>
    <message>
      <source>Gavelor by </source>
      <translation>Gavelor von </translation>
    </message>
    <message>
      <source>Lot number</source>
      <translation>Los Nr.</translation>
    </message>
    <message>
      <source>Current bid</source>
      <translation>Aktuelles Gebot</translation>
    </message>
    <message>
      <source>Bid thousands</source>
      <translation>Gebot Tausender</translation>
    </message>
    <message>
      <source>Bid ones</source>
      <translation>Gebot Einer</translation>
    </message>
    <message>
      <source>Lot note</source>
      <translation>Beschreibung des Loses</translation>
    </message>
    <message>
      <source>reserve met</source>
      <translation>Limit erreicht</translation>
    </message>
    <message>
      <source>The bid is below the lot's reserve. Sell below the reserve?</source>
      <translation>Das Gebot liegt unter dem Limit des Loses. Unter dem Limit verkaufen?</translation>
    </message>
  </context>
  <context>
    <name>frmSplash</name>
    <message>
      <source>by Tarnwick</source>
      <translation>von Tarnwick</translation>
    </message>
    <message>
      <source>Click to continue.</source>
      <translation>Bitte klicken.</translation>
    </message>
    <message>
      <source>Version 1.0.0</source>
      <translation>Version 1.0.0</translation>
    </message>
    <message>
      <source>Press ' F1 ' to view Help from the scoreboard.</source>
      <translation>' F1 ' auf der Anzeigetafel öffnet die Hilfe.</translation>
    </message>
    <message>
      <source>Press ' F2 ' to set Options from the scoreboard.</source>
      <translation>' F2 ' auf der Anzeigetafel öffnet die Optionen.</translation>
    </message>
    <message>
      <source>Press ' F3 ' to setup auction lots from the scoreboard.</source>
      <translation>' F3 ' auf der Anzeigetafel öffnet die Losliste.</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Hilfe</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>&amp;Optionen</translation>
    </message>
    <message>
      <source>Gavelor title</source>
      <translation>Gavelor-Titel</translation>
    </message>
    <message>
      <source>Gavelor logo</source>
      <translation>Gavelor-Logo</translation>
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
      <translation>%1 Dollar</translation>
    </message>
    <message>
      <source>%1 euros</source>
      <translation>%1 Euro</translation>
    </message>
    <message>
      <source>%1 pounds</source>
      <translation>%1 Pfund</translation>
    </message>
    <message>
      <source>%1 francs</source>
      <translation>%1 Franken</translation>
    </message>
    <message>
      <source>%1 kroner</source>
      <translation>%1 Kronen</translation>
    </message>
    <message>
      <source>%1 yen</source>
      <translation>%1 Yen</translation>
    </message>
    <message>
      <source>%1 %2</source>
      <comment>an amount and a currency sign without a spoken name</comment>
      <translation>%1 %2</translation>
    </message>
    <message>
      <source>Sale</source>
      <translation>Auktion</translation>
    </message>
    <message>
      <source>Sold, %1</source>
      <translation>Verkauft, %1</translation>
    </message>
    <message>
      <source>Passed</source>
      <translation>Rückgang</translation>
    </message>
    <message>
      <source>Lot %1</source>
      <translation>Los %1</translation>
    </message>
    <message>
      <source>Bid %1</source>
      <translation>Gebot %1</translation>
    </message>
    <message>
      <source>Bid thousands %1</source>
      <translation>Gebot Tausender %1</translation>
    </message>
    <message>
      <source>Bid ones %1</source>
      <translation>Gebot Einer %1</translation>
    </message>
  </context>
  <context>
    <name>FeedPages</name>
    <message>
      <source>Current bid</source>
      <translation>Aktuelles Gebot</translation>
    </message>
    <message>
      <source>Gavelor live</source>
      <translation>Gavelor live</translation>
    </message>
    <message>
      <source>Last results</source>
      <translation>Letzte Ergebnisse</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Los</translation>
    </message>
    <message>
      <source>Reconnecting…</source>
      <translation>Verbindung wird wiederhergestellt…</translation>
    </message>
  </context>
  <context>
    <name>LiveFeed</name>
    <message>
      <source>Port %1 could not be opened: %2</source>
      <translation>Port %1 konnte nicht geöffnet werden: %2</translation>
    </message>
  </context>
  <context>
    <name>LiveFeedTab</name>
    <message>
      <source>&amp;New Code</source>
      <translation>&amp;Neuer Code</translation>
    </message>
    <message>
      <source>&amp;Serve the board on this computer&apos;s network</source>
      <translation>Anzeige im Netzwerk dieses Computers &amp;bereitstellen</translation>
    </message>
    <message>
      <source>Access code:</source>
      <translation>Zugangscode:</translation>
    </message>
    <message>
      <source>Broker:</source>
      <translation>Broker:</translation>
    </message>
    <message>
      <source>Live Feed &amp;Window...</source>
      <translation>Live-Feed-&amp;Fenster...</translation>
    </message>
    <message>
      <source>Live Feed:</source>
      <translation>Live-Feed:</translation>
    </message>
    <message>
      <source>MQTT Broker (optional):</source>
      <translation>MQTT-Broker (optional):</translation>
    </message>
    <message>
      <source>MQTT broker address</source>
      <translation>Adresse des MQTT-Brokers</translation>
    </message>
    <message>
      <source>New Access Code</source>
      <translation>Neuer Zugangscode</translation>
    </message>
    <message>
      <source>Password:</source>
      <translation>Passwort:</translation>
    </message>
    <message>
      <source>Port of the MQTT broker</source>
      <translation>Port des MQTT-Brokers</translation>
    </message>
    <message>
      <source>Port of the live feed</source>
      <translation>Port des Live-Feeds</translation>
    </message>
    <message>
      <source>Port:</source>
      <translation>Port:</translation>
    </message>
    <message>
      <source>Replace the access code? Everyone who follows the feed will need the new one.</source>
      <translation>Zugangscode ersetzen? Alle, die den Feed verfolgen, brauchen dann den neuen.</translation>
    </message>
    <message>
      <source>Topic prefix:</source>
      <translation>Themenpräfix:</translation>
    </message>
    <message>
      <source>User:</source>
      <translation>Benutzer:</translation>
    </message>
  </context>
  <context>
    <name>frmLiveFeed</name>
    <message>
      <source>&amp;Close</source>
      <translation>&amp;Schließen</translation>
    </message>
    <message>
      <source>Access code: %1</source>
      <translation>Zugangscode: %1</translation>
    </message>
    <message>
      <source>Addresses</source>
      <translation>Adressen</translation>
    </message>
    <message>
      <source>Addresses:</source>
      <translation>Adressen:</translation>
    </message>
    <message>
      <source>Board</source>
      <translation>Tafel</translation>
    </message>
    <message>
      <source>Gavelor - Live Feed</source>
      <translation>Gavelor - Live-Feed</translation>
    </message>
    <message>
      <source>MQTT broker: connecting to %1</source>
      <translation>MQTT-Broker: Verbindung zu %1 wird hergestellt</translation>
    </message>
    <message>
      <source>MQTT broker: none</source>
      <translation>MQTT-Broker: keiner</translation>
    </message>
    <message>
      <source>MQTT broker: publishing to %1</source>
      <translation>MQTT-Broker: sendet an %1</translation>
    </message>
    <message>
      <source>Overlay</source>
      <translation>Overlay</translation>
    </message>
    <message>
      <source>Phone</source>
      <translation>Telefon</translation>
    </message>
    <message>
      <source>QR code of the phone page</source>
      <translation>QR-Code der Telefonseite</translation>
    </message>
    <message>
      <source>Scan for the phone page</source>
      <translation>Für die Telefonseite scannen</translation>
    </message>
    <message>
      <source>The live feed is off. It is turned on in the options (F2), on the Live Feed tab.</source>
      <translation>Der Live-Feed ist aus. Er wird in den Optionen (F2) auf der Registerkarte Live-Feed eingeschaltet.</translation>
    </message>
    <message>
      <source>The live feed is on, on port %1.</source>
      <translation>Der Live-Feed ist an, auf Port %1.</translation>
    </message>
    <message>
      <source>Viewers: %1</source>
      <translation>Zuschauer: %1</translation>
    </message>
    <message>
      <source>none yet</source>
      <translation>noch keiner</translation>
    </message>
  </context>
  <context>
    <name>RtfReader</name>
    <message>
      <source>Picture %1</source>
      <translation>Bild %1</translation>
    </message>
  </context>
  <context>
    <name>SaleTerms</name>
    <message>
      <source>The premium has at most %1 tiers.</source>
      <translation>Das Aufgeld hat höchstens %1 Stufen.</translation>
    </message>
    <message>
      <source>Each premium tier's limit must be above the one before it, and only the last tier may be without a limit.</source>
      <translation>Die Grenze jeder Aufgeldstufe muss über der vorigen liegen, und nur die letzte Stufe darf ohne Grenze sein.</translation>
    </message>
    <message>
      <source>%1% up to %2</source>
      <translation>%1 % bis %2</translation>
    </message>
    <message>
      <source>%1% above %2</source>
      <translation>%1 % über %2</translation>
    </message>
    <message>
      <source>%1%</source>
      <translation>%1 %</translation>
    </message>
    <message>
      <source>Buyer's premium %1.</source>
      <translation>Aufgeld %1.</translation>
    </message>
    <message>
      <source>Tax</source>
      <translation>Steuer</translation>
    </message>
    <message>
      <source>%1 %2% on the hammer and the premium.</source>
      <translation>%1 %2 % auf Zuschlag und Aufgeld.</translation>
    </message>
    <message>
      <source>%1 %2% on the premium.</source>
      <translation>%1 %2 % auf das Aufgeld.</translation>
    </message>
    <message>
      <source>Each amount is rounded to the whole unit, a half to the even unit.</source>
      <translation>Jeder Betrag wird auf die ganze Einheit gerundet, eine Hälfte zur geraden Einheit.</translation>
    </message>
  </context>
  <context>
    <name>PagedDocument</name>
    <message>
      <source>Page %1 of %2</source>
      <translation>Seite %1 von %2</translation>
    </message>
    <message>
      <source>Printed %1</source>
      <translation>Gedruckt %1</translation>
    </message>
  </context>
  <context>
    <name>InvoicePdf</name>
    <message>
      <source>Invoice</source>
      <translation>Rechnung</translation>
    </message>
    <message>
      <source>Paddle %1</source>
      <translation>Bieternummer %1</translation>
    </message>
    <message>
      <source>Paddle %1 – %2</source>
      <translation>Bieternummer %1 – %2</translation>
    </message>
    <message>
      <source>Tax</source>
      <translation>Steuer</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Los</translation>
    </message>
    <message>
      <source>Description</source>
      <translation>Beschreibung</translation>
    </message>
    <message>
      <source>Hammer</source>
      <translation>Zuschlag</translation>
    </message>
    <message>
      <source>Premium</source>
      <translation>Aufgeld</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Summe</translation>
    </message>
    <message>
      <source>Total due</source>
      <translation>Zu zahlen</translation>
    </message>
    <message>
      <source>Settlement</source>
      <translation>Abrechnung</translation>
    </message>
    <message>
      <source>Vendor %1</source>
      <translation>Einlieferer %1</translation>
    </message>
    <message>
      <source>Commission</source>
      <translation>Kommission</translation>
    </message>
    <message>
      <source>Net</source>
      <translation>Netto</translation>
    </message>
    <message>
      <source>Commission %1% of the hammer. Each amount is rounded to the whole unit, a half to the even unit.</source>
      <translation>Kommission %1 % des Zuschlags. Jeder Betrag wird auf die ganze Einheit gerundet, eine Hälfte zur geraden Einheit.</translation>
    </message>
  </context>
  <context>
    <name>frmSaleDetails</name>
    <message>
      <source>Gavelor - Sale Details</source>
      <translation>Gavelor - Auktionsangaben</translation>
    </message>
    <message>
      <source>The sale</source>
      <translation>Die Auktion</translation>
    </message>
    <message>
      <source>&amp;House:</source>
      <translation>Au&amp;ktionshaus:</translation>
    </message>
    <message>
      <source>&amp;Address:</source>
      <translation>&amp;Adresse:</translation>
    </message>
    <message>
      <source>Sale &amp;title:</source>
      <translation>&amp;Titel:</translation>
    </message>
    <message>
      <source>&amp;Venue:</source>
      <translation>&amp;Ort:</translation>
    </message>
    <message>
      <source>&amp;Date:</source>
      <translation>&amp;Datum:</translation>
    </message>
    <message>
      <source>Terms of sale</source>
      <translation>Versteigerungsbedingungen</translation>
    </message>
    <message>
      <source>Up to</source>
      <translation>Bis</translation>
    </message>
    <message>
      <source>Rate %</source>
      <translation>Satz %</translation>
    </message>
    <message>
      <source>Buyer's premium</source>
      <translation>Aufgeld</translation>
    </message>
    <message>
      <source>Buyer's &amp;premium:</source>
      <translation>Auf&amp;geld:</translation>
    </message>
    <message>
      <source>Tax the ha&amp;mmer as well</source>
      <translation>Auch den &amp;Zuschlag besteuern</translation>
    </message>
    <message>
      <source>Tax &amp;name:</source>
      <translation>Steuer&amp;name:</translation>
    </message>
    <message>
      <source>Tax &amp;rate %:</source>
      <translation>Steuer&amp;satz %:</translation>
    </message>
    <message>
      <source>Vendors' &amp;commission %:</source>
      <translation>&amp;Kommission der Einlieferer %:</translation>
    </message>
    <message>
      <source>Row %1 of the buyer's premium needs a rate from 0 to 100 % (up to four decimals) and a whole amount as its limit, or no limit on the last row.</source>
      <translation>Zeile %1 des Aufgelds braucht einen Satz von 0 bis 100 % (bis zu vier Dezimalstellen) und einen ganzen Betrag als Grenze, oder keine Grenze in der letzten Zeile.</translation>
    </message>
    <message>
      <source>A rate is a number from 0 to 100 with up to four decimals, such as 20 or 12.5.</source>
      <translation>Ein Satz ist eine Zahl von 0 bis 100 mit bis zu vier Dezimalstellen, etwa 20 oder 12,5.</translation>
    </message>
  </context>
  <context>
    <name>PictureFolderFrame</name>
    <message>
      <source>Lot Pictures:</source>
      <translation>Losbilder:</translation>
    </message>
    <message>
      <source>Folder of lot pictures</source>
      <translation>Ordner der Losbilder</translation>
    </message>
    <message>
      <source>No pictures</source>
      <translation>Keine Bilder</translation>
    </message>
    <message>
      <source>Browse...</source>
      <translation>Durchsuchen...</translation>
    </message>
    <message>
      <source>Clear</source>
      <translation>Leeren</translation>
    </message>
    <message>
      <source>Folder of Lot Pictures</source>
      <translation>Ordner der Losbilder</translation>
    </message>
  </context>
  <context>
    <name>LotThumbnail</name>
    <message>
      <source>Picture of the selected lot</source>
      <translation>Bild des gewählten Loses</translation>
    </message>
  </context>
  <context>
    <name>CurrencyRate</name>
    <message>
      <source>a currency without a code</source>
      <translation>eine Währung ohne Code</translation>
    </message>
    <message>
      <source>The rate of %1 is missing.</source>
      <translation>Der Kurs von %1 fehlt.</translation>
    </message>
    <message>
      <source>The rate of %1 is not a number. Write it with digits and a decimal point, for example 1.0834.</source>
      <translation>Der Kurs von %1 ist keine Zahl. Schreiben Sie ihn mit Ziffern und einem Dezimalpunkt, zum Beispiel 1.0834.</translation>
    </message>
    <message>
      <source>The rate of %1 has more than 6 decimals.</source>
      <translation>Der Kurs von %1 hat mehr als 6 Nachkommastellen.</translation>
    </message>
    <message>
      <source>The rate of %1 must be more than 0.</source>
      <translation>Der Kurs von %1 muss größer als 0 sein.</translation>
    </message>
    <message>
      <source>The rate of %1 is too large: at most 1000000 for one unit of the sale's currency.</source>
      <translation>Der Kurs von %1 ist zu groß: höchstens 1000000 für eine Einheit der Währung der Auktion.</translation>
    </message>
  </context>
  <context>
    <name>CurrencyBoard</name>
    <message>
      <source>Rates of %1</source>
      <translation>Kurse vom %1</translation>
    </message>
    <message>
      <source>for guidance only</source>
      <translation>nur zur Orientierung</translation>
    </message>
  </context>
  <context>
    <name>EuroRates</name>
    <message>
      <source>The file is not a zip archive that can be read.</source>
      <translation>Die Datei ist kein lesbares ZIP-Archiv.</translation>
    </message>
    <message>
      <source>The rates file in the zip archive is too large to be a rates file.</source>
      <translation>Die Kursdatei im ZIP-Archiv ist zu groß für eine Kursdatei.</translation>
    </message>
    <message>
      <source>The zip archive holds no rates file (.csv) that can be read.</source>
      <translation>Das ZIP-Archiv enthält keine lesbare Kursdatei (.csv).</translation>
    </message>
    <message>
      <source>The file is not a euro reference rates file: it needs a header row &quot;Date, USD, JPY, ...&quot; and a row of rates.</source>
      <translation>Die Datei ist keine Datei mit Euro-Referenzkursen: Sie braucht eine Kopfzeile &quot;Date, USD, JPY, ...&quot; und eine Zeile mit Kursen.</translation>
    </message>
    <message>
      <source>The file could not be opened: %1</source>
      <translation>Die Datei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
      <source>The file is too large to be a rates file.</source>
      <translation>Die Datei ist zu groß für eine Kursdatei.</translation>
    </message>
    <message>
      <source>The rates file has no rate for the sale's currency %1.</source>
      <translation>Die Kursdatei enthält keinen Kurs für die Währung der Auktion, %1.</translation>
    </message>
  </context>
  <context>
    <name>frmCurrencyBoard</name>
    <message>
      <source>Gavelor - Currency Board</source>
      <translation>Gavelor - Währungstafel</translation>
    </message>
  </context>
  <context>
    <name>CurrenciesTab</name>
    <message>
      <source>&amp;Show the bid in other currencies</source>
      <translation>Gebot in anderen Währungen &amp;zeigen</translation>
    </message>
    <message>
      <source>Sale's currency:</source>
      <translation>Währung der Auktion:</translation>
    </message>
    <message>
      <source>ISO code of the sale's currency</source>
      <translation>ISO-Code der Währung der Auktion</translation>
    </message>
    <message>
      <source>Code</source>
      <translation>Code</translation>
    </message>
    <message>
      <source>Sign</source>
      <translation>Zeichen</translation>
    </message>
    <message>
      <source>Rate</source>
      <translation>Kurs</translation>
    </message>
    <message>
      <source>Rounding</source>
      <translation>Rundung</translation>
    </message>
    <message>
      <source>Currencies and rates</source>
      <translation>Währungen und Kurse</translation>
    </message>
    <message>
      <source>Whole units</source>
      <translation>Ganze Einheiten</translation>
    </message>
    <message>
      <source>To 10</source>
      <translation>Auf 10</translation>
    </message>
    <message>
      <source>To 100</source>
      <translation>Auf 100</translation>
    </message>
    <message>
      <source>To 1,000</source>
      <translation>Auf 1.000</translation>
    </message>
    <message>
      <source>Rounding of line %1</source>
      <translation>Rundung der Zeile %1</translation>
    </message>
    <message>
      <source>&amp;Import Rates...</source>
      <translation>Kurse &amp;importieren...</translation>
    </message>
    <message>
      <source>The sale's currency code must be three letters, such as EUR.</source>
      <translation>Der Währungscode der Auktion muss aus drei Buchstaben bestehen, etwa EUR.</translation>
    </message>
    <message>
      <source>The currency code on line %1 must be three letters, such as USD.</source>
      <translation>Der Währungscode in Zeile %1 muss aus drei Buchstaben bestehen, etwa USD.</translation>
    </message>
    <message>
      <source>Enter the sale's currency code (such as EUR) before importing rates.</source>
      <translation>Geben Sie den Währungscode der Auktion (etwa EUR) ein, bevor Sie Kurse importieren.</translation>
    </message>
    <message>
      <source>Import Rates</source>
      <translation>Kurse importieren</translation>
    </message>
    <message>
      <source>Euro reference rates (*.csv *.zip);;All files (*)</source>
      <translation>Euro-Referenzkurse (*.csv *.zip);;Alle Dateien (*)</translation>
    </message>
    <message>
      <source>The rates file has no rate for %1. Those rates were left as they were.</source>
      <translation>Die Kursdatei enthält keinen Kurs für %1. Diese Kurse bleiben, wie sie waren.</translation>
    </message>
  </context>
  <context>
    <name>BidderRegister</name>
    <message>
      <source>Its header row names no paddle column (Paddle or Bidder).</source>
      <translation>Seine Kopfzeile nennt keine Bieternummer-Spalte (Paddle oder Bidder).</translation>
    </message>
    <message>
      <source>Row %1: &quot;%2&quot; is not a paddle (digits and letters, at most 12).</source>
      <translation>Zeile %1: „%2“ ist keine Bieternummer (Ziffern und Buchstaben, höchstens 12).</translation>
    </message>
    <message>
      <source>Row %1: paddle %2 is there twice.</source>
      <translation>Zeile %1: Bieternummer %2 kommt zweimal vor.</translation>
    </message>
  </context>
  <context>
    <name>PaddleEntry</name>
    <message>
      <source>Paddle:</source>
      <translation>Bieternummer:</translation>
    </message>
    <message>
      <source>Paddle</source>
      <translation>Bieternummer</translation>
    </message>
  </context>
  <context>
    <name>frmPastSales</name>
    <message>
      <source>&amp;Export...</source>
      <translation>&amp;Exportieren...</translation>
    </message>
    <message>
      <source>&amp;Invoices...</source>
      <translation>&amp;Rechnungen...</translation>
    </message>
    <message>
      <source>&amp;Report...</source>
      <translation>&amp;Bericht...</translation>
    </message>
    <message>
      <source>Ended</source>
      <translation>Beendet</translation>
    </message>
    <message>
      <source>Gavelor - Open Sale</source>
      <translation>Gavelor - Auktion öffnen</translation>
    </message>
    <message>
      <source>Lots sold</source>
      <translation>Verkaufte Lose</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Offen</translation>
    </message>
    <message>
      <source>Sale</source>
      <translation>Auktion</translation>
    </message>
    <message>
      <source>Sales</source>
      <translation>Auktionen</translation>
    </message>
    <message>
      <source>Started</source>
      <translation>Begonnen</translation>
    </message>
    <message>
      <source>State</source>
      <translation>Stand</translation>
    </message>
    <message>
      <source>This sale's journal can no longer be read.</source>
      <translation>Das Journal dieser Auktion kann nicht mehr gelesen werden.</translation>
    </message>
    <message>
      <source>Total hammer</source>
      <translation>Zuschläge gesamt</translation>
    </message>
  </context>
  <context>
    <name>CurrencyView</name>
    <message>
      <source>Bid in other currencies</source>
      <translation>Gebot in anderen Währungen</translation>
    </message>
  </context>
</TS>
