<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
  <context>
    <name>AdditionalTab</name>
    <message>
      <source>Currency:</source>
      <translation>Valuta:</translation>
    </message>
    <message>
      <source>Sign:</source>
      <translation>Teken:</translation>
    </message>
    <message>
      <source>Grouping:</source>
      <translation>Groepering:</translation>
    </message>
    <message>
      <source>Currency sign</source>
      <translation>Valutateken</translation>
    </message>
    <message>
      <source>Digit grouping</source>
      <translation>Cijfergroepering</translation>
    </message>
    <message>
      <source>Comma</source>
      <translation>Komma</translation>
    </message>
    <message>
      <source>Point</source>
      <translation>Punt</translation>
    </message>
    <message>
      <source>Narrow space</source>
      <translation>Smalle spatie</translation>
    </message>
    <message>
      <source>Apostrophe</source>
      <translation>Apostrof</translation>
    </message>
    <message>
      <source>None</source>
      <translation>Geen</translation>
    </message>
    <message>
      <source>Digit Type:</source>
      <translation>Cijfertype:</translation>
    </message>
    <message>
      <source>Digit type</source>
      <translation>Cijfertype</translation>
    </message>
    <message>
      <source>Lines</source>
      <translation>Streepjes</translation>
    </message>
    <message>
      <source>Dots</source>
      <translation>Stippen</translation>
    </message>
    <message>
      <source>Preview:</source>
      <translation>Voorbeeld:</translation>
    </message>
    <message>
      <source>Numlock Options:</source>
      <translation>Numlock:</translation>
    </message>
    <message>
      <source>Normal Mode</source>
      <translation>Normaal</translation>
    </message>
    <message>
      <source>Keep Numlock On</source>
      <translation>Altijd aan</translation>
    </message>
    <message>
      <source>Keep Numlock Off</source>
      <translation>Altijd uit</translation>
    </message>
    <message>
      <source>Reset Settings</source>
      <translation>Herstellen</translation>
    </message>
    <message>
      <source>This desktop does not let programs hold NumLock.</source>
      <translation>Deze werkomgeving laat programma's Numlock niet vasthouden.</translation>
    </message>
    <message>
      <source>Are you sure you want to reset these additional settings?</source>
      <translation>Weet u zeker dat u deze extra instellingen wilt herstellen?</translation>
    </message>
    <message>
      <source>Reset Additional Settings</source>
      <translation>Extra instellingen herstellen</translation>
    </message>
    <message>
      <source>Ask for the paddle number after Sold</source>
      <translation>Na de verkoop om het bordnummer vragen</translation>
    </message>
  </context>
  <context>
    <name>BoardView</name>
    <message>
      <source>Lot #: %1</source>
      <translation>Kavel: %1</translation>
    </message>
  </context>
  <context>
    <name>ColorTab</name>
    <message>
      <source>red %1, green %2, blue %3</source>
      <translation>rood %1, groen %2, blauw %3</translation>
    </message>
    <message>
      <source>Back Color:</source>
      <translation>Achtergrond:</translation>
    </message>
    <message>
      <source>LED Background:</source>
      <translation>LED-achtergrond:</translation>
    </message>
    <message>
      <source>Text Color:</source>
      <translation>Tekstkleur:</translation>
    </message>
    <message>
      <source>LED Lot Color:</source>
      <translation>LED kavel:</translation>
    </message>
    <message>
      <source>LED Amount Color:</source>
      <translation>LED bod:</translation>
    </message>
    <message>
      <source>Sold Color:</source>
      <translation>Verkocht:</translation>
    </message>
    <message>
      <source>Passed Color:</source>
      <translation>Opgehouden:</translation>
    </message>
    <message>
      <source>Reset Colors</source>
      <translation>Standaard</translation>
    </message>
    <message>
      <source>Are you sure you want to reset the colors?</source>
      <translation>Weet u zeker dat u de standaardkleuren wilt herstellen?</translation>
    </message>
    <message>
      <source>Change</source>
      <translation>Wijzig</translation>
    </message>
    <message>
      <source>Change %1</source>
      <translation>%1 wijzigen</translation>
    </message>
  </context>
  <context>
    <name>IncrementTab</name>
    <message>
      <source>&amp;Increment Ranges:</source>
      <translation>Bied&amp;stappen:</translation>
    </message>
    <message>
      <source>Increment ranges</source>
      <translation>Biedstappen</translation>
    </message>
    <message>
      <source>Create &amp;New</source>
      <translation>&amp;Nieuw</translation>
    </message>
    <message>
      <source>&amp;Edit Selected</source>
      <translation>&amp;Bewerken</translation>
    </message>
    <message>
      <source>&amp;Delete Selected</source>
      <translation>&amp;Verwijderen</translation>
    </message>
    <message>
      <source>New Increment</source>
      <translation>Nieuwe stap</translation>
    </message>
    <message>
      <source>If the &amp;current bid is at least:</source>
      <translation>Als het &amp;huidige bod minstens is:</translation>
    </message>
    <message>
      <source>Increment &amp;bid by:</source>
      <translation>Verhogen &amp;met:</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>O&amp;pslaan</translation>
    </message>
    <message>
      <source>Edit Increment</source>
      <translation>Stap bewerken</translation>
    </message>
    <message>
      <source>Are you sure you want to delete this increment?</source>
      <translation>Weet u zeker dat u deze biedstap wilt verwijderen?</translation>
    </message>
    <message>
      <source>Increment minimum must be between 0 and 999999</source>
      <translation>Het minimum van de stap moet tussen 0 en 999999 liggen</translation>
    </message>
    <message>
      <source>Starting amount must be between 0 and 999999</source>
      <translation>De stap moet tussen 0 en 999999 liggen</translation>
    </message>
    <message>
      <source>Cannot save since the minimum is a duplicate of an existing one.</source>
      <translation>Niet opgeslagen: er is al een stap met dit minimum.</translation>
    </message>
  </context>
  <context>
    <name>Limits</name>
    <message>
      <source>Lot # must be between 0 and 9999</source>
      <translation>Het kavelnummer moet tussen 0 en 9999 liggen</translation>
    </message>
    <message>
      <source>Lot starting bid must be between 0 and 999999</source>
      <translation>De inzet moet tussen 0 en 999999 liggen</translation>
    </message>
    <message>
      <source>The note has %1 characters; a lot admits at most %2.</source>
      <translation>De omschrijving heeft %1 tekens; een kavel staat er hoogstens %2 toe.</translation>
    </message>
    <message>
      <source>The reserve must be between 0 and 999999</source>
      <translation>De limietprijs moet tussen 0 en 999999 liggen</translation>
    </message>
    <message>
      <source>The low estimate must be between 0 and 999999</source>
      <translation>De lage schatting moet tussen 0 en 999999 liggen</translation>
    </message>
    <message>
      <source>The high estimate must be between 0 and 999999</source>
      <translation>De hoge schatting moet tussen 0 en 999999 liggen</translation>
    </message>
    <message>
      <source>The low estimate must not be above the high estimate</source>
      <translation>De lage schatting mag niet boven de hoge schatting liggen</translation>
    </message>
    <message>
      <source>The vendor has %1 characters; a lot admits at most %2.</source>
      <translation>De inzender heeft %1 tekens; een kavel staat er hoogstens %2 toe.</translation>
    </message>
  </context>
  <context>
    <name>LotsCsv</name>
    <message>
      <source> (it reads %1).</source>
      <translation> (gelezen: %1).</translation>
    </message>
    <message>
      <source>It holds more than %1 lots.</source>
      <translation>Het bevat meer dan %1 kavels.</translation>
    </message>
    <message>
      <source>Its header row names no lot number column (Lot, Lot number, Lot # or Number).</source>
      <translation>De kopregel noemt geen kolom voor het kavelnummer (Lot, Lot number, Lot # of Number).</translation>
    </message>
    <message>
      <source>It is not a file that can be read.</source>
      <translation>Het is geen leesbaar bestand.</translation>
    </message>
    <message>
      <source>It is larger than %1 MB, too large for a lot list.</source>
      <translation>Het is groter dan %1 MB, te groot voor een kavellijst.</translation>
    </message>
    <message>
      <source>It could not be read: %1.</source>
      <translation>Het kon niet worden gelezen: %1.</translation>
    </message>
    <message>
      <source>It does not look like a text file. Save the lot list from the spreadsheet as CSV.</source>
      <translation>Het lijkt geen tekstbestand. Sla de kavellijst in het rekenblad op als CSV.</translation>
    </message>
    <message>
      <source>There is not enough memory to read it.</source>
      <translation>Er is niet genoeg geheugen om het te lezen.</translation>
    </message>
    <message>
      <source>Line %1: a double quote stands inside a field that is not in quotes, or after the closing quote of one.</source>
      <translation>Regel %1: een aanhalingsteken staat in een veld zonder aanhalingstekens, of na het sluitende van een veld.</translation>
    </message>
    <message>
      <source>Line %1: a quoted field is never closed.</source>
      <translation>Regel %1: een veld tussen aanhalingstekens wordt nooit gesloten.</translation>
    </message>
    <message>
      <source>It holds no lots.</source>
      <translation>Het bevat geen kavels.</translation>
    </message>
    <message>
      <source>No lots were imported from "%1".</source>
      <translation>Er zijn geen kavels ingelezen uit "%1".</translation>
    </message>
    <message>
      <source> One row is not a valid lot:
</source>
      <translation> Eén regel is geen geldige kavel:
</translation>
    </message>
    <message>
      <source> %1 rows are not valid lots:
</source>
      <translation> %1 regels zijn geen geldige kavels:
</translation>
    </message>
    <message>
      <source> %1 rows are not valid lots; the first %2:
</source>
      <translation> %1 regels zijn geen geldige kavels; de eerste %2:
</translation>
    </message>
    <message>
      <source>
Line %1: %2</source>
      <translation>
Regel %1: %2</translation>
    </message>
    <message>
      <source>

... and %1 more.</source>
      <translation>

... en nog %1.</translation>
    </message>
    <message>
      <source>The picture is not a file name.</source>
      <translation>De afbeelding is geen bestandsnaam.</translation>
    </message>
    <message>
      <source>It holds more than %1 rows.</source>
      <translation>Het bevat meer dan %1 rijen.</translation>
    </message>
  </context>
  <context>
    <name>PendingMarks</name>
    <message>
      <source>%1 result(s) of this sale are not on the disk: they would have gone to &quot;%2&quot;, which refuses them (%3).</source>
      <translation>%1 resulta(a)t(en) van deze veiling staan niet op de schijf: ze zouden naar &quot;%2&quot; gaan, dat ze weigert (%3).</translation>
    </message>
    <message>
      <source>End this sale and drop them?</source>
      <translation>Deze veiling beëindigen en ze laten vallen?</translation>
    </message>
    <message>
      <source>Open the other sale and drop them?</source>
      <translation>De andere veiling openen en ze laten vallen?</translation>
    </message>
    <message>
      <source>Quit Gavelor and drop them?</source>
      <translation>Gavelor afsluiten en ze laten vallen?</translation>
    </message>
  </context>
  <context>
    <name>ResultStamp</name>
    <message>
      <source>SOLD</source>
      <translation>VERKOCHT</translation>
    </message>
    <message>
      <source>PASSED</source>
      <translation>OPGEHOUDEN</translation>
    </message>
  </context>
  <context>
    <name>ResultsModel</name>
    <message>
      <source>Position</source>
      <translation>Volgorde</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Kavel</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Omschrijving</translation>
    </message>
    <message>
      <source>Starting bid</source>
      <translation>Inzet</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Resultaat</translation>
    </message>
    <message>
      <source>Hammer</source>
      <translation>Afslag</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Tijd</translation>
    </message>
    <message>
      <source>Buyer</source>
      <translation>Koper</translation>
    </message>
    <message>
      <source>Bid reached</source>
      <translation>Bereikt bod</translation>
    </message>
    <message>
      <source>Offers</source>
      <translation>Aanbiedingen</translation>
    </message>
    <message>
      <source>This lot number is not in the lot list.</source>
      <translation>Dit kavelnummer staat niet in de kavellijst.</translation>
    </message>
    <message>
      <source>Bought in at %1</source>
      <translation>Opgehouden op %1</translation>
    </message>
    <message>
      <source>Paddle %1 is not in the bidder register.</source>
      <translation>Bord %1 staat niet in het biedersregister.</translation>
    </message>
  </context>
  <context>
    <name>SaleJournal</name>
    <message>
      <source>process %1 on %2</source>
      <translation>proces %1 op %2</translation>
    </message>
    <message>
      <source>another copy of Gavelor (%1) keeps the sales in this folder</source>
      <translation>een ander exemplaar van Gavelor (%1) houdt de veilingen in deze map bij</translation>
    </message>
    <message>
      <source>it is not a regular file</source>
      <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
      <source>it is larger than %1 MB</source>
      <translation>het is groter dan %1 MB</translation>
    </message>
    <message>
      <source>%1 of its lines are damaged</source>
      <translation>%1 van de regels zijn beschadigd</translation>
    </message>
    <message>
      <source>it does not begin with the start of a sale</source>
      <translation>het begint niet met het begin van een veiling</translation>
    </message>
    <message>
      <source>the folder cannot be made</source>
      <translation>de map kan niet worden gemaakt</translation>
    </message>
    <message>
      <source>the journal was replaced</source>
      <translation>het logboek is vervangen</translation>
    </message>
  </context>
  <context>
    <name>SaleReport</name>
    <message>
      <source>Sold</source>
      <translation>Verkocht</translation>
    </message>
    <message>
      <source>Passed</source>
      <translation>Opgehouden</translation>
    </message>
    <message>
      <source>Sale Results</source>
      <translation>Veilinguitslag</translation>
    </message>
    <message>
      <source>Sale started %1</source>
      <translation>Veiling begonnen %1</translation>
    </message>
    <message>
      <source>Lots sold: %1</source>
      <translation>Verkochte kavels: %1</translation>
    </message>
    <message>
      <source>Lots passed: %1</source>
      <translation>Opgehouden kavels: %1</translation>
    </message>
    <message>
      <source>Not yet offered: %1</source>
      <translation>Nog niet geveild: %1</translation>
    </message>
    <message>
      <source>Total hammer: %1</source>
      <translation>Totale afslag: %1</translation>
    </message>
    <message>
      <source>Average hammer: %1</source>
      <translation>Gemiddelde afslag: %1</translation>
    </message>
    <message>
      <source>Sell-through: %1</source>
      <translation>Verkoopgraad: %1</translation>
    </message>
    <message>
      <source>Against starting bids: %1 / %2</source>
      <translation>Tegenover inzet: %1 / %2</translation>
    </message>
    <message>
      <source>Blue: hammer price. Orange: starting bid. Lots sold, in sale order, on a logarithmic scale.</source>
      <translation>Blauw: hamerprijs. Oranje: inzet. Verkochte kavels, in veilingvolgorde, op een logaritmische schaal.</translation>
    </message>
    <message>
      <source>Top ten lots</source>
      <translation>De tien hoogste kavels</translation>
    </message>
    <message>
      <source>%1. Lot %2  %3  %4</source>
      <translation>%1. Kavel %2  %3  %4</translation>
    </message>
    <message>
      <source>Pos.</source>
      <translation>Vlg.</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Kavel</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Omschrijving</translation>
    </message>
    <message>
      <source>Start</source>
      <translation>Inzet</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Resultaat</translation>
    </message>
    <message>
      <source>Hammer</source>
      <translation>Afslag</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Tijd</translation>
    </message>
    <message>
      <source>Buyer</source>
      <translation>Koper</translation>
    </message>
    <message>
      <source> (no longer in the list)</source>
      <translation> (niet meer in de lijst)</translation>
    </message>
    <message>
      <source>Cleared</source>
      <translation>Gewist</translation>
    </message>
    <message>
      <source>Withdrawn</source>
      <translation>Teruggetrokken</translation>
    </message>
    <message>
      <source>Lots offered more than once</source>
      <translation>Kavels die meer dan eens zijn aangeboden</translation>
    </message>
    <message>
      <source>%1 %2 at %3</source>
      <translation>%1 %2 om %3</translation>
    </message>
    <message>
      <source>Lot %1: %2</source>
      <translation>Kavel %1: %2</translation>
    </message>
    <message>
      <source>Bid reached</source>
      <translation>Bereikt bod</translation>
    </message>
    <message>
      <source>Total of the %1 lots sold</source>
      <translation>Totaal van de %1 verkochte kavels</translation>
    </message>
    <message>
      <source>Exchange rates in force: %1</source>
      <translation>Geldende wisselkoersen: %1</translation>
    </message>
    <message>
      <source>Exchange rates changed at %1: %2</source>
      <translation>Wisselkoersen gewijzigd om %1: %2</translation>
    </message>
    <message>
      <source>Sold below reserve</source>
      <translation>Verkocht onder de limiet</translation>
    </message>
    <message>
      <source>Bought in</source>
      <translation>Opgehouden</translation>
    </message>
  </context>
  <context>
    <name>SavingSign</name>
    <message>
      <source>not saved</source>
      <translation>niet opgeslagen</translation>
    </message>
    <message>
      <source>Results are not being saved: %1</source>
      <translation>Resultaten worden niet opgeslagen: %1</translation>
    </message>
    <message>
      <source>new journal</source>
      <translation>nieuw logboek</translation>
    </message>
    <message>
      <source>The journal &quot;%1&quot; was replaced or removed; the sale goes on in &quot;%2&quot;.</source>
      <translation>Het logboek &quot;%1&quot; is vervangen of verwijderd; de veiling gaat verder in &quot;%2&quot;.</translation>
    </message>
  </context>
  <context>
    <name>Startup</name>
    <message>
      <source>It could not be moved aside and was left as it is.</source>
      <translation>Het kon niet opzij worden gezet en is gelaten zoals het is.</translation>
    </message>
    <message>
      <source>The unreadable file was kept as "%1".</source>
      <translation>Het onleesbare bestand is bewaard als "%1".</translation>
    </message>
    <message>
      <source>The settings file "%1" could not be read. Gavelor starts with its default settings: no lots, no increment ranges, the default colours.

%2</source>
      <translation>Het instellingenbestand "%1" kon niet worden gelezen. Gavelor start met de standaardinstellingen: geen kavels, geen biedstappen, de standaardkleuren.

%2</translation>
    </message>
    <message>
      <source>Gavelor is already running for the settings file "%1", but that copy does not answer (it may be busy or hung, or belong to another session). A second copy was not started.</source>
      <translation>Gavelor draait al met het instellingenbestand "%1", maar die kopie antwoordt niet (misschien is ze bezig, vastgelopen of van een andere sessie). Er is geen tweede kopie gestart.</translation>
    </message>
    <message>
      <source>The sale journal &quot;%1&quot; could not be read as it is (%2).</source>
      <translation>Het veilinglogboek &quot;%1&quot; kon niet worden gelezen zoals het is (%2).</translation>
    </message>
    <message>
      <source>It was left where it is.</source>
      <translation>Het is gelaten waar het staat.</translation>
    </message>
    <message>
      <source>It was kept as &quot;%1&quot;.</source>
      <translation>Het is bewaard als &quot;%1&quot;.</translation>
    </message>
    <message>
      <source>Recovered from it: %1 lines, with %2 lots sold and %3 passed; %4 damaged lines were left out. The sale goes on in &quot;%5&quot;.</source>
      <translation>Hersteld: %1 regels, met %2 verkochte en %3 opgehouden kavels; %4 beschadigde regels zijn weggelaten. De veiling gaat verder in &quot;%5&quot;.</translation>
    </message>
    <message>
      <source>Its %1 readable lines are kept in memory and written as soon as the disk takes them.</source>
      <translation>De %1 leesbare regels blijven in het geheugen en worden geschreven zodra de schijf ze aanneemt.</translation>
    </message>
    <message>
      <source>No results could be recovered from it.</source>
      <translation>Er konden geen resultaten uit worden hersteld.</translation>
    </message>
    <message>
      <source>%1 more sale journals could not be read; they were kept beside the others with the ending &quot;.unreadable&quot;.</source>
      <translation>Nog %1 veilinglogboeken konden niet worden gelezen; ze zijn naast de andere bewaard met de uitgang &quot;.unreadable&quot;.</translation>
    </message>
    <message>
      <source>Another copy of Gavelor (%1) keeps the sales in &quot;%2&quot;. This copy records nothing there: its results are not saved.</source>
      <translation>Een ander exemplaar van Gavelor (%1) houdt de veilingen bij in &quot;%2&quot;. Dit exemplaar legt daar niets vast: de resultaten worden niet opgeslagen.</translation>
    </message>
  </context>
  <context>
    <name>frmHelp</name>
    <message>
      <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
      <translation>Het helpbestand staat niet op zijn gewone plaats.  Installeer het programma opnieuw.</translation>
    </message>
    <message>
      <source>Gavelor - Help</source>
      <translation>Gavelor - Help</translation>
    </message>
    <message>
      <source>Loading...</source>
      <translation>Bezig met laden...</translation>
    </message>
  </context>
  <context>
    <name>frmLots</name>
    <message>
      <source>CSV files (*.csv *.txt)</source>
      <translation>CSV-bestanden (*.csv *.txt)</translation>
    </message>
    <message>
      <source>Gavelor - Lots</source>
      <translation>Gavelor - Kavels</translation>
    </message>
    <message>
      <source>Lots:</source>
      <translation>Kavels:</translation>
    </message>
    <message>
      <source>Lots</source>
      <translation>Kavels</translation>
    </message>
    <message>
      <source>&amp;Create New</source>
      <translation>&amp;Nieuw</translation>
    </message>
    <message>
      <source>&amp;Edit Selected</source>
      <translation>&amp;Bewerken</translation>
    </message>
    <message>
      <source>&amp;Delete Selected</source>
      <translation>&amp;Verwijderen</translation>
    </message>
    <message>
      <source>Delete &amp;All</source>
      <translation>&amp;Alles wissen</translation>
    </message>
    <message>
      <source>Move selected lot up.</source>
      <translation>Gekozen kavel omhoog.</translation>
    </message>
    <message>
      <source>Move selected lot up</source>
      <translation>Gekozen kavel omhoog</translation>
    </message>
    <message>
      <source>Move selected lot down.</source>
      <translation>Gekozen kavel omlaag.</translation>
    </message>
    <message>
      <source>Move selected lot down</source>
      <translation>Gekozen kavel omlaag</translation>
    </message>
    <message>
      <source>&amp;Import...</source>
      <translation>&amp;Inlezen...</translation>
    </message>
    <message>
      <source>Read lots from a CSV file saved by a spreadsheet.</source>
      <translation>Kavels lezen uit een CSV-bestand van een rekenblad.</translation>
    </message>
    <message>
      <source>E&amp;xport...</source>
      <translation>E&amp;xporteren...</translation>
    </message>
    <message>
      <source>Write the lots to a CSV file that a spreadsheet opens.</source>
      <translation>De kavels schrijven naar een CSV-bestand voor een rekenblad.</translation>
    </message>
    <message>
      <source>New Lot</source>
      <translation>Nieuwe kavel</translation>
    </message>
    <message>
      <source>&amp;Lot #:</source>
      <translation>&amp;Kavelnr.:</translation>
    </message>
    <message>
      <source>Lot S&amp;tarting $:</source>
      <translation>In&amp;zet $:</translation>
    </message>
    <message>
      <source>Lot &amp;Note:</source>
      <translation>Omschrijvin&amp;g:</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>O&amp;pslaan</translation>
    </message>
    <message>
      <source>Do&amp;ne Editing Lots</source>
      <translation>K&amp;laar</translation>
    </message>
    <message>
      <source>The lots could not be written to the settings file: %1. They stay in use until Gavelor is closed.</source>
      <translation>De kavels konden niet naar het instellingenbestand worden geschreven: %1. Ze blijven in gebruik tot Gavelor wordt gesloten.</translation>
    </message>
    <message>
      <source>Total Lots: </source>
      <translation>Kavels: </translation>
    </message>
    <message>
      <source>Edit Lot</source>
      <translation>Kavel bewerken</translation>
    </message>
    <message>
      <source>Are you sure you want to delete this lot?</source>
      <translation>Weet u zeker dat u deze kavel wilt verwijderen?</translation>
    </message>
    <message>
      <source>Are you sure you want to delete ALL of the lots?  This cannot be undone.</source>
      <translation>Weet u zeker dat u ALLE kavels wilt verwijderen?  Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
      <source>Import Lots</source>
      <translation>Kavels inlezen</translation>
    </message>
    <message>
      <source>%1 lot was read from "%2".</source>
      <translation>%1 kavel is gelezen uit "%2".</translation>
    </message>
    <message>
      <source>%1 lots were read from "%2".</source>
      <translation>%1 kavels zijn gelezen uit "%2".</translation>
    </message>
    <message>
      <source>

Append them to the list, or replace the list with them?</source>
      <translation>

Aan de lijst toevoegen, of de lijst erdoor vervangen?</translation>
    </message>
    <message>
      <source>&amp;Append</source>
      <translation>&amp;Toevoegen</translation>
    </message>
    <message>
      <source>&amp;Replace</source>
      <translation>&amp;Vervangen</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuleren</translation>
    </message>
    <message>
      <source>Export Lots</source>
      <translation>Kavels exporteren</translation>
    </message>
    <message>
      <source>The lots could not be written to "%1": %2</source>
      <translation>De kavels konden niet naar "%1" worden geschreven: %2</translation>
    </message>
    <message>
      <source>&amp;Vendor:</source>
      <translation>Inzen&amp;der:</translation>
    </message>
    <message>
      <source>&amp;Reserve:</source>
      <translation>Li&amp;miet:</translation>
    </message>
    <message>
      <source>Never shown to the room.</source>
      <translation>Nooit aan de zaal getoond.</translation>
    </message>
    <message>
      <source>Esti&amp;mate:</source>
      <translation>Sc&amp;hatting:</translation>
    </message>
    <message>
      <source>Low estimate</source>
      <translation>Lage schatting</translation>
    </message>
    <message>
      <source>High estimate</source>
      <translation>Hoge schatting</translation>
    </message>
    <message>
      <source>&amp;Picture:</source>
      <translation>Afb&amp;eelding:</translation>
    </message>
  </context>
  <context>
    <name>frmOptions</name>
    <message>
      <source>Gavelor - Options</source>
      <translation>Gavelor - Opties</translation>
    </message>
    <message>
      <source>Color Controls</source>
      <translation>Kleuren</translation>
    </message>
    <message>
      <source>Increment Settings</source>
      <translation>Biedstappen</translation>
    </message>
    <message>
      <source>&amp;Additional Settings</source>
      <translation>Overige &amp;instellingen</translation>
    </message>
    <message>
      <source>Options</source>
      <translation>Opties</translation>
    </message>
    <message>
      <source>&amp;Ok</source>
      <translation>&amp;OK</translation>
    </message>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Annuleren</translation>
    </message>
    <message>
      <source>The options could not be written to the settings file. They stay in use until Gavelor is closed.</source>
      <translation>De opties konden niet naar het instellingenbestand worden geschreven. Ze blijven in gebruik tot Gavelor wordt gesloten.</translation>
    </message>
    <message>
      <source>&amp;Live Feed</source>
      <translation>&amp;Live-feed</translation>
    </message>
    <message>
      <source>C&amp;urrencies</source>
      <translation>&amp;Valuta's</translation>
    </message>
  </context>
  <context>
    <name>frmResults</name>
    <message>
      <source>Buyer for lot %1</source>
      <translation>Koper voor kavel %1</translation>
    </message>
    <message>
      <source>Buyer for lot %1: %2</source>
      <translation>Koper voor kavel %1: %2</translation>
    </message>
    <message>
      <source>No buyer for lot %1</source>
      <translation>Geen koper voor kavel %1</translation>
    </message>
    <message>
      <source>Gavelor - Sale Results</source>
      <translation>Gavelor - Veilinguitslag</translation>
    </message>
    <message>
      <source>Sold:</source>
      <translation>Verkocht:</translation>
    </message>
    <message>
      <source>Passed:</source>
      <translation>Opgehouden:</translation>
    </message>
    <message>
      <source>Not yet offered:</source>
      <translation>Nog niet geveild:</translation>
    </message>
    <message>
      <source>Total hammer:</source>
      <translation>Totale afslag:</translation>
    </message>
    <message>
      <source>Average hammer:</source>
      <translation>Gemiddelde afslag:</translation>
    </message>
    <message>
      <source>Sell-through:</source>
      <translation>Verkoopgraad:</translation>
    </message>
    <message>
      <source>Against starting bids:</source>
      <translation>Tegenover inzet:</translation>
    </message>
    <message>
      <source>Results</source>
      <translation>Uitslag</translation>
    </message>
    <message>
      <source>&amp;Clear Result</source>
      <translation>Uitslag &amp;wissen</translation>
    </message>
    <message>
      <source>Show on &amp;Board</source>
      <translation>Op het &amp;bord tonen</translation>
    </message>
    <message>
      <source>&amp;New Sale...</source>
      <translation>&amp;Nieuwe veiling...</translation>
    </message>
    <message>
      <source>&amp;Export...</source>
      <translation>&amp;Exporteren...</translation>
    </message>
    <message>
      <source>&amp;Report...</source>
      <translation>&amp;Verslag...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>Af&amp;drukken...</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Sluiten</translation>
    </message>
    <message>
      <source>Sale started %1</source>
      <translation>Veiling begonnen %1</translation>
    </message>
    <message>
      <source>The last run ended with lot %1 (position %2) on show at %3. Select it and press Show on Board to put the board back.</source>
      <translation>De vorige sessie eindigde om %3 met kavel %1 (volgorde %2) op het bord. Kies die en druk op "Op het bord tonen" om het bord terug te zetten.</translation>
    </message>
    <message>
      <source>Results are not being saved: %1. The board goes on; Gavelor tries again at the next event.</source>
      <translation>De uitslagen worden niet opgeslagen: %1. Het bord gaat door; Gavelor probeert het opnieuw bij de volgende gebeurtenis.</translation>
    </message>
    <message>
      <source>Clear the result (%1) of lot %2?</source>
      <translation>De uitslag (%1) van kavel %2 wissen?</translation>
    </message>
    <message>
      <source>End this sale and start a new one? The results of this sale stay in its journal.</source>
      <translation>Deze veiling beëindigen en een nieuwe beginnen? De uitslag van deze veiling blijft in haar logboek.</translation>
    </message>
    <message>
      <source>Export Results</source>
      <translation>Uitslag exporteren</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
      <source>The results could not be exported: %1</source>
      <translation>De uitslag kon niet worden geëxporteerd: %1</translation>
    </message>
    <message>
      <source>Save Report</source>
      <translation>Verslag opslaan</translation>
    </message>
    <message>
      <source>PDF files (*.pdf)</source>
      <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
      <source>The report could not be saved: %1</source>
      <translation>Het verslag kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
      <source>Sale Results</source>
      <translation>Veilinguitslag</translation>
    </message>
    <message>
      <source>Withdrawn:</source>
      <translation>Teruggetrokken:</translation>
    </message>
    <message>
      <source>&amp;Withdraw Lot</source>
      <translation>Kavel &amp;terugtrekken</translation>
    </message>
    <message>
      <source>Lot %1 was passed after it was sold: its buyer %2 was cleared.</source>
      <translation>Kavel %1 is na de verkoop opgehouden: de koper %2 is gewist.</translation>
    </message>
    <message>
      <source>The scoreboard does not have the keys while this window is active: arrows move in the results, F5 and F6 still mark the lot on the board.</source>
      <translation>Het scorebord krijgt geen toetsen zolang dit venster actief is: de pijltjes bewegen in de resultaten, F5 en F6 markeren nog steeds het kavel op het bord.</translation>
    </message>
    <message>
      <source>Withdraw lot %1? Its result (%2) is replaced.</source>
      <translation>Kavel %1 terugtrekken? Het resultaat (%2) wordt vervangen.</translation>
    </message>
    <message>
      <source>%1 result(s) belong to lot numbers that are not in the lot list; they are listed at the end.</source>
      <translation>%1 resultaat/resultaten horen bij kavelnummers die niet in de kavellijst staan; ze staan aan het eind.</translation>
    </message>
    <message>
      <source>Results are not being saved: %1. This copy of Gavelor writes nothing there.</source>
      <translation>Resultaten worden niet opgeslagen: %1. Dit exemplaar van Gavelor schrijft daar niets.</translation>
    </message>
    <message>
      <source>The journal &quot;%1&quot; was replaced or removed while Gavelor was writing it; the sale goes on in &quot;%2&quot;.</source>
      <translation>Het logboek &quot;%1&quot; is vervangen of verwijderd terwijl Gavelor erin schreef; de veiling gaat verder in &quot;%2&quot;.</translation>
    </message>
    <message>
      <source>&amp;Open...</source>
      <translation>&amp;Openen...</translation>
    </message>
    <message>
      <source>%1 earlier sale(s) were never ended: their results are still in their journals.</source>
      <translation>%1 eerdere veiling(en) zijn nooit beëindigd: hun resultaten staan nog in hun logboeken.</translation>
    </message>
    <message>
      <source>%1, last written %2</source>
      <translation>%1, laatst geschreven %2</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuleren</translation>
    </message>
    <message>
      <source>Open which sale? The sale open now stays in its journal and is offered here in turn.</source>
      <translation>Welke veiling openen? De veiling die nu open is blijft in haar logboek en wordt hier op haar beurt aangeboden.</translation>
    </message>
    <message>
      <source>The sale in &quot;%1&quot; could not be opened.</source>
      <translation>De veiling in &quot;%1&quot; kon niet worden geopend.</translation>
    </message>
    <message>
      <source>Sale &amp;Details...</source>
      <translation>Veiling&amp;gegevens...</translation>
    </message>
    <message>
      <source>&amp;Invoices...</source>
      <translation>&amp;Facturen...</translation>
    </message>
    <message>
      <source>The sale's details could not be saved.</source>
      <translation>De veilinggegevens konden niet worden opgeslagen.</translation>
    </message>
    <message>
      <source>No lot has been sold to a buyer yet: type the buyer's paddle in the Buyer column.</source>
      <translation>Er is nog geen kavel aan een koper verkocht: typ het biednummer van de koper in de kolom Koper.</translation>
    </message>
    <message>
      <source>Save Invoices</source>
      <translation>Facturen opslaan</translation>
    </message>
    <message>
      <source>The invoices could not all be saved: %1</source>
      <translation>De facturen konden niet allemaal worden opgeslagen: %1</translation>
    </message>
    <message>
      <source>Invoices: %1. Settlements: %2. Saved in %3.</source>
      <translation>Facturen: %1. Afrekeningen: %2. Opgeslagen in %3.</translation>
    </message>
    <message>
      <source>Bidders</source>
      <translation>Bieders</translation>
    </message>
    <message>
      <source>Paddle:</source>
      <translation>Bord:</translation>
    </message>
    <message>
      <source>Name:</source>
      <translation>Naam:</translation>
    </message>
    <message>
      <source>Contact:</source>
      <translation>Contact:</translation>
    </message>
    <message>
      <source>Add Bi&amp;dder</source>
      <translation>Bieder toevoe&amp;gen</translation>
    </message>
    <message>
      <source>Paddle</source>
      <translation>Bord</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Naam</translation>
    </message>
    <message>
      <source>Contact</source>
      <translation>Contact</translation>
    </message>
    <message>
      <source>Remo&amp;ve Bidder</source>
      <translation>Bieder ve&amp;rwijderen</translation>
    </message>
    <message>
      <source>&amp;Import Bidders...</source>
      <translation>Bieders &amp;importeren...</translation>
    </message>
    <message>
      <source>Read paddles, names and contacts from a CSV file saved by a spreadsheet.</source>
      <translation>Bordnummers, namen en contactgegevens lezen uit een CSV-bestand van een rekenblad.</translation>
    </message>
    <message>
      <source>The bidders could not be written to the settings file: %1.</source>
      <translation>De bieders konden niet naar het instellingenbestand worden geschreven: %1.</translation>
    </message>
    <message>
      <source>A paddle is digits and letters, at most 12.</source>
      <translation>Een bordnummer bestaat uit cijfers en letters, hoogstens 12.</translation>
    </message>
    <message>
      <source>Import Bidders</source>
      <translation>Bieders importeren</translation>
    </message>
    <message>
      <source>It holds no bidders.</source>
      <translation>Het bevat geen bieders.</translation>
    </message>
    <message>
      <source>No bidders were imported from &quot;%1&quot;. %2</source>
      <translation>Er zijn geen bieders geïmporteerd uit ‘%1’. %2</translation>
    </message>
    <message>
      <source>%1 bidder was read from &quot;%2&quot;.</source>
      <translation>%1 bieder is gelezen uit ‘%2’.</translation>
    </message>
    <message>
      <source>%1 bidders were read from &quot;%2&quot;.</source>
      <translation>%1 bieders zijn gelezen uit ‘%2’.</translation>
    </message>
    <message>
      <source>Invoices</source>
      <translation>Facturen</translation>
    </message>
    <message>
      <source>Invoices: %1. Settlements: %2. Save them as PDF files, or print them?</source>
      <translation>Facturen: %1. Afrekeningen: %2. Opslaan als PDF-bestanden of afdrukken?</translation>
    </message>
    <message>
      <source>Open S&amp;ale...</source>
      <translation>Veiling o&amp;penen...</translation>
    </message>
    <message>
      <source>Print...</source>
      <translation>Afdrukken...</translation>
    </message>
    <message>
      <source>Save as PDF Files...</source>
      <translation>Opslaan als PDF-bestanden...</translation>
    </message>
    <message>
      <source>The results of this sale were never exported, saved as a report or printed. End this sale and start a new one? Its results stay in its journal.</source>
      <translation>De resultaten van deze veiling zijn nooit geëxporteerd, als rapport opgeslagen of afgedrukt. Deze veiling beëindigen en een nieuwe beginnen? De resultaten blijven in het journaal.</translation>
    </message>
  </context>
  <context>
    <name>frmScoreboard</name>
    <message>
      <source>Lot #:</source>
      <translation>Kavel</translation>
    </message>
    <message>
      <source>Gavelor by </source>
      <translation>Gavelor door </translation>
    </message>
    <message>
      <source>Lot number</source>
      <translation>Kavelnummer</translation>
    </message>
    <message>
      <source>Current bid</source>
      <translation>Huidig bod</translation>
    </message>
    <message>
      <source>Bid thousands</source>
      <translation>Bod, duizendtallen</translation>
    </message>
    <message>
      <source>Bid ones</source>
      <translation>Bod, eenheden</translation>
    </message>
    <message>
      <source>Lot note</source>
      <translation>Omschrijving van de kavel</translation>
    </message>
    <message>
      <source>reserve met</source>
      <translation>limiet bereikt</translation>
    </message>
    <message>
      <source>The bid is below the lot's reserve. Sell below the reserve?</source>
      <translation>Het bod ligt onder de limiet van het kavel. Onder de limiet verkopen?</translation>
    </message>
  </context>
  <context>
    <name>frmSplash</name>
    <message>
      <source>by Tarnwick</source>
      <translation>door Tarnwick</translation>
    </message>
    <message>
      <source>Click to continue.</source>
      <translation>Klik hier.</translation>
    </message>
    <message>
      <source>Version 1.0.0</source>
      <translation>Versie 1.0.0</translation>
    </message>
    <message>
      <source>Press ' F1 ' to view Help from the scoreboard.</source>
      <translation>' F1 ' op het scorebord toont de help.</translation>
    </message>
    <message>
      <source>Press ' F2 ' to set Options from the scoreboard.</source>
      <translation>' F2 ' op het scorebord opent de opties.</translation>
    </message>
    <message>
      <source>Press ' F3 ' to setup auction lots from the scoreboard.</source>
      <translation>' F3 ' op het scorebord opent de kavellijst.</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Help</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>&amp;Opties</translation>
    </message>
    <message>
      <source>Gavelor title</source>
      <translation>Gavelor-titel</translation>
    </message>
    <message>
      <source>Gavelor logo</source>
      <translation>Gavelor-logo</translation>
    </message>
    <message>
      <source>Version %1.%2.%3</source>
      <translation>Versie %1.%2.%3</translation>
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
      <translation>%1 dollar</translation>
    </message>
    <message>
      <source>%1 euros</source>
      <translation>%1 euro</translation>
    </message>
    <message>
      <source>%1 pounds</source>
      <translation>%1 pond</translation>
    </message>
    <message>
      <source>%1 francs</source>
      <translation>%1 frank</translation>
    </message>
    <message>
      <source>%1 kroner</source>
      <translation>%1 kronen</translation>
    </message>
    <message>
      <source>%1 yen</source>
      <translation>%1 yen</translation>
    </message>
    <message>
      <source>%1 %2</source>
      <comment>an amount and a currency sign without a spoken name</comment>
      <translation>%1 %2</translation>
    </message>
    <message>
      <source>Sale</source>
      <translation>Veiling</translation>
    </message>
    <message>
      <source>Sold, %1</source>
      <translation>Verkocht, %1</translation>
    </message>
    <message>
      <source>Passed</source>
      <translation>Opgehouden</translation>
    </message>
    <message>
      <source>Lot %1</source>
      <translation>Kavel %1</translation>
    </message>
    <message>
      <source>Bid %1</source>
      <translation>Bod %1</translation>
    </message>
    <message>
      <source>Bid thousands %1</source>
      <translation>Bod duizendtallen %1</translation>
    </message>
    <message>
      <source>Bid ones %1</source>
      <translation>Bod eenheden %1</translation>
    </message>
  </context>
  <context>
    <name>FeedPages</name>
    <message>
      <source>Current bid</source>
      <translation>Huidig bod</translation>
    </message>
    <message>
      <source>Gavelor live</source>
      <translation>Gavelor live</translation>
    </message>
    <message>
      <source>Last results</source>
      <translation>Laatste resultaten</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Kavel</translation>
    </message>
    <message>
      <source>Reconnecting…</source>
      <translation>Opnieuw verbinden…</translation>
    </message>
  </context>
  <context>
    <name>LiveFeed</name>
    <message>
      <source>Port %1 could not be opened: %2</source>
      <translation>Poort %1 kon niet worden geopend: %2</translation>
    </message>
  </context>
  <context>
    <name>LiveFeedTab</name>
    <message>
      <source>&amp;New Code</source>
      <translation>&amp;Nieuwe code</translation>
    </message>
    <message>
      <source>&amp;Serve the board on this computer&apos;s network</source>
      <translation>&amp;Bord aanbieden op het netwerk van deze computer</translation>
    </message>
    <message>
      <source>Access code:</source>
      <translation>Toegangscode:</translation>
    </message>
    <message>
      <source>Broker:</source>
      <translation>Broker:</translation>
    </message>
    <message>
      <source>Live Feed &amp;Window...</source>
      <translation>Live-feed&amp;venster...</translation>
    </message>
    <message>
      <source>Live Feed:</source>
      <translation>Live-feed:</translation>
    </message>
    <message>
      <source>MQTT Broker (optional):</source>
      <translation>MQTT-broker (optioneel):</translation>
    </message>
    <message>
      <source>MQTT broker address</source>
      <translation>Adres van de MQTT-broker</translation>
    </message>
    <message>
      <source>New Access Code</source>
      <translation>Nieuwe toegangscode</translation>
    </message>
    <message>
      <source>Password:</source>
      <translation>Wachtwoord:</translation>
    </message>
    <message>
      <source>Port of the MQTT broker</source>
      <translation>Poort van de MQTT-broker</translation>
    </message>
    <message>
      <source>Port of the live feed</source>
      <translation>Poort van de live-feed</translation>
    </message>
    <message>
      <source>Port:</source>
      <translation>Poort:</translation>
    </message>
    <message>
      <source>Replace the access code? Everyone who follows the feed will need the new one.</source>
      <translation>De toegangscode vervangen? Iedereen die de feed volgt, heeft dan de nieuwe nodig.</translation>
    </message>
    <message>
      <source>Topic prefix:</source>
      <translation>Onderwerpprefix:</translation>
    </message>
    <message>
      <source>User:</source>
      <translation>Gebruiker:</translation>
    </message>
  </context>
  <context>
    <name>frmLiveFeed</name>
    <message>
      <source>&amp;Close</source>
      <translation>&amp;Sluiten</translation>
    </message>
    <message>
      <source>Access code: %1</source>
      <translation>Toegangscode: %1</translation>
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
      <translation>Bord</translation>
    </message>
    <message>
      <source>Gavelor - Live Feed</source>
      <translation>Gavelor - Live-feed</translation>
    </message>
    <message>
      <source>MQTT broker: connecting to %1</source>
      <translation>MQTT-broker: verbinden met %1</translation>
    </message>
    <message>
      <source>MQTT broker: none</source>
      <translation>MQTT-broker: geen</translation>
    </message>
    <message>
      <source>MQTT broker: publishing to %1</source>
      <translation>MQTT-broker: publiceert naar %1</translation>
    </message>
    <message>
      <source>Overlay</source>
      <translation>Overlay</translation>
    </message>
    <message>
      <source>Phone</source>
      <translation>Telefoon</translation>
    </message>
    <message>
      <source>QR code of the phone page</source>
      <translation>QR-code van de telefoonpagina</translation>
    </message>
    <message>
      <source>Scan for the phone page</source>
      <translation>Scan voor de telefoonpagina</translation>
    </message>
    <message>
      <source>The live feed is off. It is turned on in the options (F2), on the Live Feed tab.</source>
      <translation>De live-feed staat uit. Hij wordt aangezet in de opties (F2), op het tabblad Live-feed.</translation>
    </message>
    <message>
      <source>The live feed is on, on port %1.</source>
      <translation>De live-feed staat aan, op poort %1.</translation>
    </message>
    <message>
      <source>Viewers: %1</source>
      <translation>Kijkers: %1</translation>
    </message>
    <message>
      <source>none yet</source>
      <translation>nog geen</translation>
    </message>
  </context>
  <context>
    <name>RtfReader</name>
    <message>
      <source>Picture %1</source>
      <translation>Afbeelding %1</translation>
    </message>
  </context>
  <context>
    <name>SaleTerms</name>
    <message>
      <source>The premium has at most %1 tiers.</source>
      <translation>De opgeld heeft ten hoogste %1 schijven.</translation>
    </message>
    <message>
      <source>Each premium tier's limit must be above the one before it, and only the last tier may be without a limit.</source>
      <translation>De grens van elke schijf moet boven de vorige liggen, en alleen de laatste schijf mag zonder grens zijn.</translation>
    </message>
    <message>
      <source>%1% up to %2</source>
      <translation>%1% tot %2</translation>
    </message>
    <message>
      <source>%1% above %2</source>
      <translation>%1% boven %2</translation>
    </message>
    <message>
      <source>%1%</source>
      <translation>%1%</translation>
    </message>
    <message>
      <source>Buyer's premium %1.</source>
      <translation>Opgeld %1.</translation>
    </message>
    <message>
      <source>Tax</source>
      <translation>Belasting</translation>
    </message>
    <message>
      <source>%1 %2% on the hammer and the premium.</source>
      <translation>%1 %2% over hamerprijs en opgeld.</translation>
    </message>
    <message>
      <source>%1 %2% on the premium.</source>
      <translation>%1 %2% over het opgeld.</translation>
    </message>
    <message>
      <source>Each amount is rounded to the whole unit, a half to the even unit.</source>
      <translation>Elk bedrag wordt op de hele eenheid afgerond, een half naar de even eenheid.</translation>
    </message>
  </context>
  <context>
    <name>PagedDocument</name>
    <message>
      <source>Page %1 of %2</source>
      <translation>Pagina %1 van %2</translation>
    </message>
    <message>
      <source>Printed %1</source>
      <translation>Afgedrukt %1</translation>
    </message>
  </context>
  <context>
    <name>InvoicePdf</name>
    <message>
      <source>Invoice</source>
      <translation>Factuur</translation>
    </message>
    <message>
      <source>Paddle %1</source>
      <translation>Biednummer %1</translation>
    </message>
    <message>
      <source>Paddle %1 – %2</source>
      <translation>Biednummer %1 – %2</translation>
    </message>
    <message>
      <source>Tax</source>
      <translation>Belasting</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Kavel</translation>
    </message>
    <message>
      <source>Description</source>
      <translation>Omschrijving</translation>
    </message>
    <message>
      <source>Hammer</source>
      <translation>Hamerprijs</translation>
    </message>
    <message>
      <source>Premium</source>
      <translation>Opgeld</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Totaal</translation>
    </message>
    <message>
      <source>Total due</source>
      <translation>Te betalen</translation>
    </message>
    <message>
      <source>Settlement</source>
      <translation>Afrekening</translation>
    </message>
    <message>
      <source>Vendor %1</source>
      <translation>Inbrenger %1</translation>
    </message>
    <message>
      <source>Commission</source>
      <translation>Commissie</translation>
    </message>
    <message>
      <source>Net</source>
      <translation>Netto</translation>
    </message>
    <message>
      <source>Commission %1% of the hammer. Each amount is rounded to the whole unit, a half to the even unit.</source>
      <translation>Commissie %1% van de hamerprijs. Elk bedrag wordt op de hele eenheid afgerond, een half naar de even eenheid.</translation>
    </message>
  </context>
  <context>
    <name>frmSaleDetails</name>
    <message>
      <source>Gavelor - Sale Details</source>
      <translation>Gavelor - Veilinggegevens</translation>
    </message>
    <message>
      <source>The sale</source>
      <translation>De veiling</translation>
    </message>
    <message>
      <source>&amp;House:</source>
      <translation>&amp;Veilinghuis:</translation>
    </message>
    <message>
      <source>&amp;Address:</source>
      <translation>&amp;Adres:</translation>
    </message>
    <message>
      <source>Sale &amp;title:</source>
      <translation>&amp;Titel:</translation>
    </message>
    <message>
      <source>&amp;Venue:</source>
      <translation>&amp;Locatie:</translation>
    </message>
    <message>
      <source>&amp;Date:</source>
      <translation>Dat&amp;um:</translation>
    </message>
    <message>
      <source>Terms of sale</source>
      <translation>Veilingvoorwaarden</translation>
    </message>
    <message>
      <source>Up to</source>
      <translation>Tot</translation>
    </message>
    <message>
      <source>Rate %</source>
      <translation>Tarief %</translation>
    </message>
    <message>
      <source>Buyer's premium</source>
      <translation>Opgeld</translation>
    </message>
    <message>
      <source>Buyer's &amp;premium:</source>
      <translation>&amp;Opgeld:</translation>
    </message>
    <message>
      <source>Tax the ha&amp;mmer as well</source>
      <translation>Ook de &amp;hamerprijs belasten</translation>
    </message>
    <message>
      <source>Tax &amp;name:</source>
      <translation>&amp;Naam belasting:</translation>
    </message>
    <message>
      <source>Tax &amp;rate %:</source>
      <translation>Belasting&amp;tarief %:</translation>
    </message>
    <message>
      <source>Vendors' &amp;commission %:</source>
      <translation>&amp;Commissie inbrengers %:</translation>
    </message>
    <message>
      <source>Row %1 of the buyer's premium needs a rate from 0 to 100 % (up to four decimals) and a whole amount as its limit, or no limit on the last row.</source>
      <translation>Rij %1 van het opgeld vraagt een tarief van 0 tot 100% (tot vier decimalen) en een heel bedrag als grens, of geen grens op de laatste rij.</translation>
    </message>
    <message>
      <source>A rate is a number from 0 to 100 with up to four decimals, such as 20 or 12.5.</source>
      <translation>Een tarief is een getal van 0 tot 100 met tot vier decimalen, zoals 20 of 12,5.</translation>
    </message>
  </context>
  <context>
    <name>PictureFolderFrame</name>
    <message>
      <source>Lot Pictures:</source>
      <translation>Kavelfoto's:</translation>
    </message>
    <message>
      <source>Folder of lot pictures</source>
      <translation>Map met kavelfoto's</translation>
    </message>
    <message>
      <source>No pictures</source>
      <translation>Geen foto's</translation>
    </message>
    <message>
      <source>Browse...</source>
      <translation>Bladeren...</translation>
    </message>
    <message>
      <source>Clear</source>
      <translation>Wissen</translation>
    </message>
    <message>
      <source>Folder of Lot Pictures</source>
      <translation>Map met kavelfoto's</translation>
    </message>
  </context>
  <context>
    <name>LotThumbnail</name>
    <message>
      <source>Picture of the selected lot</source>
      <translation>Foto van het geselecteerde kavel</translation>
    </message>
  </context>
  <context>
    <name>CurrencyRate</name>
    <message>
      <source>a currency without a code</source>
      <translation>een valuta zonder code</translation>
    </message>
    <message>
      <source>The rate of %1 is missing.</source>
      <translation>De koers van %1 ontbreekt.</translation>
    </message>
    <message>
      <source>The rate of %1 is not a number. Write it with digits and a decimal point, for example 1.0834.</source>
      <translation>De koers van %1 is geen getal. Schrijf hem met cijfers en een decimale punt, bijvoorbeeld 1.0834.</translation>
    </message>
    <message>
      <source>The rate of %1 has more than 6 decimals.</source>
      <translation>De koers van %1 heeft meer dan 6 decimalen.</translation>
    </message>
    <message>
      <source>The rate of %1 must be more than 0.</source>
      <translation>De koers van %1 moet groter zijn dan 0.</translation>
    </message>
    <message>
      <source>The rate of %1 is too large: at most 1000000 for one unit of the sale's currency.</source>
      <translation>De koers van %1 is te groot: hoogstens 1000000 voor één eenheid van de valuta van de veiling.</translation>
    </message>
  </context>
  <context>
    <name>CurrencyBoard</name>
    <message>
      <source>Rates of %1</source>
      <translation>Koersen van %1</translation>
    </message>
    <message>
      <source>for guidance only</source>
      <translation>alleen ter indicatie</translation>
    </message>
  </context>
  <context>
    <name>EuroRates</name>
    <message>
      <source>The file is not a zip archive that can be read.</source>
      <translation>Het bestand is geen leesbaar zip-archief.</translation>
    </message>
    <message>
      <source>The rates file in the zip archive is too large to be a rates file.</source>
      <translation>Het koersbestand in het zip-archief is te groot voor een koersbestand.</translation>
    </message>
    <message>
      <source>The zip archive holds no rates file (.csv) that can be read.</source>
      <translation>Het zip-archief bevat geen leesbaar koersbestand (.csv).</translation>
    </message>
    <message>
      <source>The file is not a euro reference rates file: it needs a header row &quot;Date, USD, JPY, ...&quot; and a row of rates.</source>
      <translation>Het bestand is geen bestand met eureferentiekoersen: het heeft een kopregel &quot;Date, USD, JPY, ...&quot; en een regel met koersen nodig.</translation>
    </message>
    <message>
      <source>The file could not be opened: %1</source>
      <translation>Het bestand kon niet worden geopend: %1</translation>
    </message>
    <message>
      <source>The file is too large to be a rates file.</source>
      <translation>Het bestand is te groot voor een koersbestand.</translation>
    </message>
    <message>
      <source>The rates file has no rate for the sale's currency %1.</source>
      <translation>Het koersbestand heeft geen koers voor de valuta van de veiling, %1.</translation>
    </message>
  </context>
  <context>
    <name>frmCurrencyBoard</name>
    <message>
      <source>Gavelor - Currency Board</source>
      <translation>Gavelor - Valutabord</translation>
    </message>
  </context>
  <context>
    <name>CurrenciesTab</name>
    <message>
      <source>&amp;Show the bid in other currencies</source>
      <translation>Bod in andere valuta's &amp;tonen</translation>
    </message>
    <message>
      <source>Sale's currency:</source>
      <translation>Valuta van de veiling:</translation>
    </message>
    <message>
      <source>ISO code of the sale's currency</source>
      <translation>ISO-code van de valuta van de veiling</translation>
    </message>
    <message>
      <source>Code</source>
      <translation>Code</translation>
    </message>
    <message>
      <source>Sign</source>
      <translation>Teken</translation>
    </message>
    <message>
      <source>Rate</source>
      <translation>Koers</translation>
    </message>
    <message>
      <source>Rounding</source>
      <translation>Afronding</translation>
    </message>
    <message>
      <source>Currencies and rates</source>
      <translation>Valuta's en koersen</translation>
    </message>
    <message>
      <source>Whole units</source>
      <translation>Hele eenheden</translation>
    </message>
    <message>
      <source>To 10</source>
      <translation>Op 10</translation>
    </message>
    <message>
      <source>To 100</source>
      <translation>Op 100</translation>
    </message>
    <message>
      <source>To 1,000</source>
      <translation>Op 1.000</translation>
    </message>
    <message>
      <source>Rounding of line %1</source>
      <translation>Afronding van regel %1</translation>
    </message>
    <message>
      <source>&amp;Import Rates...</source>
      <translation>Koersen &amp;importeren...</translation>
    </message>
    <message>
      <source>The sale's currency code must be three letters, such as EUR.</source>
      <translation>De valutacode van de veiling moet uit drie letters bestaan, zoals EUR.</translation>
    </message>
    <message>
      <source>The currency code on line %1 must be three letters, such as USD.</source>
      <translation>De valutacode op regel %1 moet uit drie letters bestaan, zoals USD.</translation>
    </message>
    <message>
      <source>Enter the sale's currency code (such as EUR) before importing rates.</source>
      <translation>Vul de valutacode van de veiling in (zoals EUR) voordat u koersen importeert.</translation>
    </message>
    <message>
      <source>Import Rates</source>
      <translation>Koersen importeren</translation>
    </message>
    <message>
      <source>Euro reference rates (*.csv *.zip);;All files (*)</source>
      <translation>Eureferentiekoersen (*.csv *.zip);;Alle bestanden (*)</translation>
    </message>
    <message>
      <source>The rates file has no rate for %1. Those rates were left as they were.</source>
      <translation>Het koersbestand heeft geen koers voor %1. Die koersen zijn gebleven zoals ze waren.</translation>
    </message>
  </context>
  <context>
    <name>BidderRegister</name>
    <message>
      <source>Its header row names no paddle column (Paddle or Bidder).</source>
      <translation>De kopregel noemt geen bordkolom (Paddle of Bidder).</translation>
    </message>
    <message>
      <source>Row %1: &quot;%2&quot; is not a paddle (digits and letters, at most 12).</source>
      <translation>Rij %1: ‘%2’ is geen bordnummer (cijfers en letters, hoogstens 12).</translation>
    </message>
    <message>
      <source>Row %1: paddle %2 is there twice.</source>
      <translation>Rij %1: bord %2 staat er twee keer in.</translation>
    </message>
  </context>
  <context>
    <name>PaddleEntry</name>
    <message>
      <source>Paddle:</source>
      <translation>Bordje:</translation>
    </message>
    <message>
      <source>Paddle</source>
      <translation>Bordje</translation>
    </message>
  </context>
  <context>
    <name>frmPastSales</name>
    <message>
      <source>&amp;Export...</source>
      <translation>&amp;Exporteren...</translation>
    </message>
    <message>
      <source>&amp;Invoices...</source>
      <translation>&amp;Facturen...</translation>
    </message>
    <message>
      <source>&amp;Report...</source>
      <translation>&amp;Rapport...</translation>
    </message>
    <message>
      <source>Ended</source>
      <translation>Beëindigd</translation>
    </message>
    <message>
      <source>Gavelor - Open Sale</source>
      <translation>Gavelor - Veiling openen</translation>
    </message>
    <message>
      <source>Lots sold</source>
      <translation>Verkochte kavels</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Open</translation>
    </message>
    <message>
      <source>Sale</source>
      <translation>Veiling</translation>
    </message>
    <message>
      <source>Sales</source>
      <translation>Veilingen</translation>
    </message>
    <message>
      <source>Started</source>
      <translation>Begonnen</translation>
    </message>
    <message>
      <source>State</source>
      <translation>Status</translation>
    </message>
    <message>
      <source>This sale's journal can no longer be read.</source>
      <translation>Het journaal van deze veiling kan niet meer worden gelezen.</translation>
    </message>
    <message>
      <source>Total hammer</source>
      <translation>Totaal hamerprijzen</translation>
    </message>
  </context>
  <context>
    <name>CurrencyView</name>
    <message>
      <source>Bid in other currencies</source>
      <translation>Bod in andere valuta</translation>
    </message>
  </context>
</TS>
