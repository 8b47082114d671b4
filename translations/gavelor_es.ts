<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
  <context>
    <name>AdditionalTab</name>
    <message>
      <source>Currency:</source>
      <translation>Moneda:</translation>
    </message>
    <message>
      <source>Sign:</source>
      <translation>Signo:</translation>
    </message>
    <message>
      <source>Grouping:</source>
      <translation>Separador:</translation>
    </message>
    <message>
      <source>Currency sign</source>
      <translation>Signo de moneda</translation>
    </message>
    <message>
      <source>Digit grouping</source>
      <translation>Separador de miles</translation>
    </message>
    <message>
      <source>Comma</source>
      <translation>Coma</translation>
    </message>
    <message>
      <source>Point</source>
      <translation>Punto</translation>
    </message>
    <message>
      <source>Narrow space</source>
      <translation>Espacio fino</translation>
    </message>
    <message>
      <source>Apostrophe</source>
      <translation>Apóstrofo</translation>
    </message>
    <message>
      <source>None</source>
      <translation>Ninguno</translation>
    </message>
    <message>
      <source>Digit Type:</source>
      <translation>Tipo de dígitos:</translation>
    </message>
    <message>
      <source>Digit type</source>
      <translation>Tipo de dígitos</translation>
    </message>
    <message>
      <source>Lines</source>
      <translation>Segmentos</translation>
    </message>
    <message>
      <source>Dots</source>
      <translation>Puntos</translation>
    </message>
    <message>
      <source>Preview:</source>
      <translation>Vista previa:</translation>
    </message>
    <message>
      <source>Numlock Options:</source>
      <translation>Bloq Num:</translation>
    </message>
    <message>
      <source>Normal Mode</source>
      <translation>Normal</translation>
    </message>
    <message>
      <source>Keep Numlock On</source>
      <translation>Siempre activo</translation>
    </message>
    <message>
      <source>Keep Numlock Off</source>
      <translation>Siempre inactivo</translation>
    </message>
    <message>
      <source>Reset Settings</source>
      <translation>Restablecer</translation>
    </message>
    <message>
      <source>This desktop does not let programs hold NumLock.</source>
      <translation>Este escritorio no permite que los programas mantengan Bloq Num.</translation>
    </message>
    <message>
      <source>Are you sure you want to reset these additional settings?</source>
      <translation>¿Seguro que desea restablecer estos ajustes adicionales?</translation>
    </message>
    <message>
      <source>Reset Additional Settings</source>
      <translation>Restablecer ajustes adicionales</translation>
    </message>
    <message>
      <source>Ask for the paddle number after Sold</source>
      <translation>Pedir el número de paleta tras la venta</translation>
    </message>
  </context>
  <context>
    <name>BoardView</name>
    <message>
      <source>Lot #: %1</source>
      <translation>Lote n.º: %1</translation>
    </message>
  </context>
  <context>
    <name>ColorTab</name>
    <message>
      <source>red %1, green %2, blue %3</source>
      <translation>rojo %1, verde %2, azul %3</translation>
    </message>
    <message>
      <source>Back Color:</source>
      <translation>Fondo:</translation>
    </message>
    <message>
      <source>LED Background:</source>
      <translation>Fondo LED:</translation>
    </message>
    <message>
      <source>Text Color:</source>
      <translation>Texto:</translation>
    </message>
    <message>
      <source>LED Lot Color:</source>
      <translation>LED del lote:</translation>
    </message>
    <message>
      <source>LED Amount Color:</source>
      <translation>LED de la puja:</translation>
    </message>
    <message>
      <source>Sold Color:</source>
      <translation>Vendido:</translation>
    </message>
    <message>
      <source>Passed Color:</source>
      <translation>Retirado:</translation>
    </message>
    <message>
      <source>Reset Colors</source>
      <translation>Restablecer</translation>
    </message>
    <message>
      <source>Are you sure you want to reset the colors?</source>
      <translation>¿Seguro que desea restablecer los colores?</translation>
    </message>
    <message>
      <source>Change</source>
      <translation>Cambiar</translation>
    </message>
    <message>
      <source>Change %1</source>
      <translation>Cambiar %1</translation>
    </message>
  </context>
  <context>
    <name>IncrementTab</name>
    <message>
      <source>&amp;Increment Ranges:</source>
      <translation>&amp;Tramos de incremento:</translation>
    </message>
    <message>
      <source>Increment ranges</source>
      <translation>Tramos de incremento</translation>
    </message>
    <message>
      <source>Create &amp;New</source>
      <translation>&amp;Nuevo</translation>
    </message>
    <message>
      <source>&amp;Edit Selected</source>
      <translation>&amp;Editar</translation>
    </message>
    <message>
      <source>&amp;Delete Selected</source>
      <translation>Elimina&amp;r</translation>
    </message>
    <message>
      <source>New Increment</source>
      <translation>Nuevo tramo</translation>
    </message>
    <message>
      <source>If the &amp;current bid is at least:</source>
      <translation>Si la puja act&amp;ual es al menos:</translation>
    </message>
    <message>
      <source>Increment &amp;bid by:</source>
      <translation>&amp;Subir la puja:</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Guardar</translation>
    </message>
    <message>
      <source>Edit Increment</source>
      <translation>Editar tramo</translation>
    </message>
    <message>
      <source>Are you sure you want to delete this increment?</source>
      <translation>¿Seguro que desea eliminar este tramo?</translation>
    </message>
    <message>
      <source>Increment minimum must be between 0 and 999999</source>
      <translation>El mínimo del tramo debe estar entre 0 y 999999</translation>
    </message>
    <message>
      <source>Starting amount must be between 0 and 999999</source>
      <translation>El incremento debe estar entre 0 y 999999</translation>
    </message>
    <message>
      <source>Cannot save since the minimum is a duplicate of an existing one.</source>
      <translation>No se puede guardar: ya existe un tramo con ese mínimo.</translation>
    </message>
  </context>
  <context>
    <name>Limits</name>
    <message>
      <source>Lot # must be between 0 and 9999</source>
      <translation>El n.º de lote debe estar entre 0 y 9999</translation>
    </message>
    <message>
      <source>Lot starting bid must be between 0 and 999999</source>
      <translation>El precio de salida debe estar entre 0 y 999999</translation>
    </message>
    <message>
      <source>The note has %1 characters; a lot admits at most %2.</source>
      <translation>La nota tiene %1 caracteres; un lote admite como máximo %2.</translation>
    </message>
    <message>
      <source>The reserve must be between 0 and 999999</source>
      <translation>El precio de reserva debe estar entre 0 y 999999</translation>
    </message>
    <message>
      <source>The low estimate must be between 0 and 999999</source>
      <translation>La estimación baja debe estar entre 0 y 999999</translation>
    </message>
    <message>
      <source>The high estimate must be between 0 and 999999</source>
      <translation>La estimación alta debe estar entre 0 y 999999</translation>
    </message>
    <message>
      <source>The low estimate must not be above the high estimate</source>
      <translation>La estimación baja no puede superar la estimación alta</translation>
    </message>
    <message>
      <source>The vendor has %1 characters; a lot admits at most %2.</source>
      <translation>El vendedor tiene %1 caracteres; un lote admite como máximo %2.</translation>
    </message>
  </context>
  <context>
    <name>LotsCsv</name>
    <message>
      <source> (it reads %1).</source>
      <translation> (se lee %1).</translation>
    </message>
    <message>
      <source>It holds more than %1 lots.</source>
      <translation>Contiene más de %1 lotes.</translation>
    </message>
    <message>
      <source>Its header row names no lot number column (Lot, Lot number, Lot # or Number).</source>
      <translation>Su fila de encabezado no nombra ninguna columna de número de lote (Lot, Lot number, Lot # o Number).</translation>
    </message>
    <message>
      <source>It is not a file that can be read.</source>
      <translation>No es un archivo que se pueda leer.</translation>
    </message>
    <message>
      <source>It is larger than %1 MB, too large for a lot list.</source>
      <translation>Ocupa más de %1 MB, demasiado para una lista de lotes.</translation>
    </message>
    <message>
      <source>It could not be read: %1.</source>
      <translation>No se pudo leer: %1.</translation>
    </message>
    <message>
      <source>It does not look like a text file. Save the lot list from the spreadsheet as CSV.</source>
      <translation>No parece un archivo de texto. Guarde la lista de lotes desde la hoja de cálculo como CSV.</translation>
    </message>
    <message>
      <source>There is not enough memory to read it.</source>
      <translation>No hay memoria suficiente para leerlo.</translation>
    </message>
    <message>
      <source>Line %1: a double quote stands inside a field that is not in quotes, or after the closing quote of one.</source>
      <translation>Línea %1: hay unas comillas dentro de un campo sin comillas o tras las comillas de cierre de uno.</translation>
    </message>
    <message>
      <source>Line %1: a quoted field is never closed.</source>
      <translation>Línea %1: un campo entre comillas nunca se cierra.</translation>
    </message>
    <message>
      <source>It holds no lots.</source>
      <translation>No contiene lotes.</translation>
    </message>
    <message>
      <source>No lots were imported from "%1".</source>
      <translation>No se importó ningún lote de «%1».</translation>
    </message>
    <message>
      <source> One row is not a valid lot:
</source>
      <translation> Una fila no es un lote válido:
</translation>
    </message>
    <message>
      <source> %1 rows are not valid lots:
</source>
      <translation> %1 filas no son lotes válidos:
</translation>
    </message>
    <message>
      <source> %1 rows are not valid lots; the first %2:
</source>
      <translation> %1 filas no son lotes válidos; las %2 primeras:
</translation>
    </message>
    <message>
      <source>
Line %1: %2</source>
      <translation>
Línea %1: %2</translation>
    </message>
    <message>
      <source>

... and %1 more.</source>
      <translation>

... y %1 más.</translation>
    </message>
    <message>
      <source>The picture is not a file name.</source>
      <translation>La imagen no es un nombre de archivo.</translation>
    </message>
    <message>
      <source>It holds more than %1 rows.</source>
      <translation>Contiene más de %1 filas.</translation>
    </message>
  </context>
  <context>
    <name>PendingMarks</name>
    <message>
      <source>%1 result(s) of this sale are not on the disk: they would have gone to &quot;%2&quot;, which refuses them (%3).</source>
      <translation>%1 resultado(s) de esta subasta no están en el disco: debían ir a «%2», que los rechaza (%3).</translation>
    </message>
    <message>
      <source>End this sale and drop them?</source>
      <translation>¿Terminar esta subasta y descartarlos?</translation>
    </message>
    <message>
      <source>Open the other sale and drop them?</source>
      <translation>¿Abrir la otra subasta y descartarlos?</translation>
    </message>
    <message>
      <source>Quit Gavelor and drop them?</source>
      <translation>¿Salir de Gavelor y descartarlos?</translation>
    </message>
  </context>
  <context>
    <name>ResultStamp</name>
    <message>
      <source>SOLD</source>
      <translation>VENDIDO</translation>
    </message>
    <message>
      <source>PASSED</source>
      <translation>RETIRADO</translation>
    </message>
  </context>
  <context>
    <name>ResultsModel</name>
    <message>
      <source>Position</source>
      <translation>Orden</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Lote</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Descripción</translation>
    </message>
    <message>
      <source>Starting bid</source>
      <translation>Precio de salida</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Resultado</translation>
    </message>
    <message>
      <source>Hammer</source>
      <translation>Remate</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Hora</translation>
    </message>
    <message>
      <source>Buyer</source>
      <translation>Comprador</translation>
    </message>
    <message>
      <source>Bid reached</source>
      <translation>Puja alcanzada</translation>
    </message>
    <message>
      <source>Offers</source>
      <translation>Ofertas</translation>
    </message>
    <message>
      <source>This lot number is not in the lot list.</source>
      <translation>Este número de lote no está en la lista de lotes.</translation>
    </message>
    <message>
      <source>Bought in at %1</source>
      <translation>Retirado sin venta en %1</translation>
    </message>
    <message>
      <source>Paddle %1 is not in the bidder register.</source>
      <translation>La paleta %1 no está en el registro de postores.</translation>
    </message>
  </context>
  <context>
    <name>SaleJournal</name>
    <message>
      <source>process %1 on %2</source>
      <translation>proceso %1 en %2</translation>
    </message>
    <message>
      <source>another copy of Gavelor (%1) keeps the sales in this folder</source>
      <translation>otra copia de Gavelor (%1) lleva las subastas de esta carpeta</translation>
    </message>
    <message>
      <source>it is not a regular file</source>
      <translation>no es un archivo normal</translation>
    </message>
    <message>
      <source>it is larger than %1 MB</source>
      <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
      <source>%1 of its lines are damaged</source>
      <translation>%1 de sus líneas están dañadas</translation>
    </message>
    <message>
      <source>it does not begin with the start of a sale</source>
      <translation>no empieza con el inicio de una subasta</translation>
    </message>
    <message>
      <source>the folder cannot be made</source>
      <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
      <source>the journal was replaced</source>
      <translation>el registro fue sustituido</translation>
    </message>
  </context>
  <context>
    <name>SaleReport</name>
    <message>
      <source>Sold</source>
      <translation>Vendido</translation>
    </message>
    <message>
      <source>Passed</source>
      <translation>Retirado</translation>
    </message>
    <message>
      <source>Sale Results</source>
      <translation>Resultados de la subasta</translation>
    </message>
    <message>
      <source>Sale started %1</source>
      <translation>Subasta iniciada %1</translation>
    </message>
    <message>
      <source>Lots sold: %1</source>
      <translation>Lotes vendidos: %1</translation>
    </message>
    <message>
      <source>Lots passed: %1</source>
      <translation>Lotes retirados: %1</translation>
    </message>
    <message>
      <source>Not yet offered: %1</source>
      <translation>Aún sin subastar: %1</translation>
    </message>
    <message>
      <source>Total hammer: %1</source>
      <translation>Total rematado: %1</translation>
    </message>
    <message>
      <source>Average hammer: %1</source>
      <translation>Remate medio: %1</translation>
    </message>
    <message>
      <source>Sell-through: %1</source>
      <translation>Tasa de venta: %1</translation>
    </message>
    <message>
      <source>Against starting bids: %1 / %2</source>
      <translation>Frente a precios de salida: %1 / %2</translation>
    </message>
    <message>
      <source>Blue: hammer price. Orange: starting bid. Lots sold, in sale order, on a logarithmic scale.</source>
      <translation>Azul: precio de remate. Naranja: puja inicial. Lotes vendidos, en orden de venta, en escala logarítmica.</translation>
    </message>
    <message>
      <source>Top ten lots</source>
      <translation>Los diez mejores lotes</translation>
    </message>
    <message>
      <source>%1. Lot %2  %3  %4</source>
      <translation>%1. Lote %2  %3  %4</translation>
    </message>
    <message>
      <source>Pos.</source>
      <translation>Ord.</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Lote</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Descripción</translation>
    </message>
    <message>
      <source>Start</source>
      <translation>Salida</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Resultado</translation>
    </message>
    <message>
      <source>Hammer</source>
      <translation>Remate</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Hora</translation>
    </message>
    <message>
      <source>Buyer</source>
      <translation>Comprador</translation>
    </message>
    <message>
      <source> (no longer in the list)</source>
      <translation> (ya no está en la lista)</translation>
    </message>
    <message>
      <source>Cleared</source>
      <translation>Borrado</translation>
    </message>
    <message>
      <source>Withdrawn</source>
      <translation>Retirado</translation>
    </message>
    <message>
      <source>Lots offered more than once</source>
      <translation>Lotes ofrecidos más de una vez</translation>
    </message>
    <message>
      <source>%1 %2 at %3</source>
      <translation>%1 %2 a las %3</translation>
    </message>
    <message>
      <source>Lot %1: %2</source>
      <translation>Lote %1: %2</translation>
    </message>
    <message>
      <source>Bid reached</source>
      <translation>Puja alcanzada</translation>
    </message>
    <message>
      <source>Total of the %1 lots sold</source>
      <translation>Total de los %1 lotes vendidos</translation>
    </message>
    <message>
      <source>Exchange rates in force: %1</source>
      <translation>Tipos de cambio vigentes: %1</translation>
    </message>
    <message>
      <source>Exchange rates changed at %1: %2</source>
      <translation>Tipos de cambio cambiados a las %1: %2</translation>
    </message>
    <message>
      <source>Sold below reserve</source>
      <translation>Vendido por debajo de la reserva</translation>
    </message>
    <message>
      <source>Bought in</source>
      <translation>Retirado sin venta</translation>
    </message>
  </context>
  <context>
    <name>SavingSign</name>
    <message>
      <source>not saved</source>
      <translation>sin guardar</translation>
    </message>
    <message>
      <source>Results are not being saved: %1</source>
      <translation>Los resultados no se están guardando: %1</translation>
    </message>
    <message>
      <source>new journal</source>
      <translation>registro nuevo</translation>
    </message>
    <message>
      <source>The journal &quot;%1&quot; was replaced or removed; the sale goes on in &quot;%2&quot;.</source>
      <translation>El registro «%1» fue sustituido o eliminado; la subasta sigue en «%2».</translation>
    </message>
  </context>
  <context>
    <name>Startup</name>
    <message>
      <source>It could not be moved aside and was left as it is.</source>
      <translation>No se pudo apartar y se dejó como estaba.</translation>
    </message>
    <message>
      <source>The unreadable file was kept as "%1".</source>
      <translation>El archivo ilegible se guardó como «%1».</translation>
    </message>
    <message>
      <source>The settings file "%1" could not be read. Gavelor starts with its default settings: no lots, no increment ranges, the default colours.

%2</source>
      <translation>No se pudo leer el archivo de ajustes «%1». Gavelor se inicia con los ajustes predeterminados: sin lotes, sin tramos de incremento, con los colores predeterminados.

%2</translation>
    </message>
    <message>
      <source>Gavelor is already running for the settings file "%1", but that copy does not answer (it may be busy or hung, or belong to another session). A second copy was not started.</source>
      <translation>Gavelor ya se está ejecutando con el archivo de ajustes «%1», pero esa copia no responde (puede estar ocupada, bloqueada o en otra sesión). No se inició una segunda copia.</translation>
    </message>
    <message>
      <source>The sale journal &quot;%1&quot; could not be read as it is (%2).</source>
      <translation>El registro de subasta «%1» no se pudo leer tal como está (%2).</translation>
    </message>
    <message>
      <source>It was left where it is.</source>
      <translation>Se dejó donde está.</translation>
    </message>
    <message>
      <source>It was kept as &quot;%1&quot;.</source>
      <translation>Se guardó como «%1».</translation>
    </message>
    <message>
      <source>Recovered from it: %1 lines, with %2 lots sold and %3 passed; %4 damaged lines were left out. The sale goes on in &quot;%5&quot;.</source>
      <translation>Recuperado: %1 líneas, con %2 lotes vendidos y %3 retirados; se omitieron %4 líneas dañadas. La subasta sigue en «%5».</translation>
    </message>
    <message>
      <source>Its %1 readable lines are kept in memory and written as soon as the disk takes them.</source>
      <translation>Sus %1 líneas legibles se guardan en memoria y se escriben en cuanto el disco las acepte.</translation>
    </message>
    <message>
      <source>No results could be recovered from it.</source>
      <translation>No se pudo recuperar ningún resultado.</translation>
    </message>
    <message>
      <source>%1 more sale journals could not be read; they were kept beside the others with the ending &quot;.unreadable&quot;.</source>
      <translation>No se pudieron leer %1 registros de subasta más; se guardaron junto a los demás con la terminación «.unreadable».</translation>
    </message>
    <message>
      <source>Another copy of Gavelor (%1) keeps the sales in &quot;%2&quot;. This copy records nothing there: its results are not saved.</source>
      <translation>Otra copia de Gavelor (%1) lleva las subastas en «%2». Esta copia no registra nada allí: sus resultados no se guardan.</translation>
    </message>
  </context>
  <context>
    <name>frmHelp</name>
    <message>
      <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
      <translation>El archivo de ayuda no está en su lugar habitual.  Vuelva a instalar el programa.</translation>
    </message>
    <message>
      <source>Gavelor - Help</source>
      <translation>Gavelor - Ayuda</translation>
    </message>
    <message>
      <source>Loading...</source>
      <translation>Cargando...</translation>
    </message>
  </context>
  <context>
    <name>frmLots</name>
    <message>
      <source>CSV files (*.csv *.txt)</source>
      <translation>Archivos CSV (*.csv *.txt)</translation>
    </message>
    <message>
      <source>Gavelor - Lots</source>
      <translation>Gavelor - Lotes</translation>
    </message>
    <message>
      <source>Lots:</source>
      <translation>Lotes:</translation>
    </message>
    <message>
      <source>Lots</source>
      <translation>Lotes</translation>
    </message>
    <message>
      <source>&amp;Create New</source>
      <translation>&amp;Nuevo</translation>
    </message>
    <message>
      <source>&amp;Edit Selected</source>
      <translation>&amp;Editar</translation>
    </message>
    <message>
      <source>&amp;Delete Selected</source>
      <translation>Elimina&amp;r</translation>
    </message>
    <message>
      <source>Delete &amp;All</source>
      <translation>Eliminar &amp;todos</translation>
    </message>
    <message>
      <source>Move selected lot up.</source>
      <translation>Subir el lote elegido.</translation>
    </message>
    <message>
      <source>Move selected lot up</source>
      <translation>Subir el lote elegido</translation>
    </message>
    <message>
      <source>Move selected lot down.</source>
      <translation>Bajar el lote elegido.</translation>
    </message>
    <message>
      <source>Move selected lot down</source>
      <translation>Bajar el lote elegido</translation>
    </message>
    <message>
      <source>&amp;Import...</source>
      <translation>&amp;Importar...</translation>
    </message>
    <message>
      <source>Read lots from a CSV file saved by a spreadsheet.</source>
      <translation>Leer lotes de un archivo CSV guardado por una hoja de cálculo.</translation>
    </message>
    <message>
      <source>E&amp;xport...</source>
      <translation>E&amp;xportar...</translation>
    </message>
    <message>
      <source>Write the lots to a CSV file that a spreadsheet opens.</source>
      <translation>Escribir los lotes en un archivo CSV que abre una hoja de cálculo.</translation>
    </message>
    <message>
      <source>New Lot</source>
      <translation>Nuevo lote</translation>
    </message>
    <message>
      <source>&amp;Lot #:</source>
      <translation>L&amp;ote n.º:</translation>
    </message>
    <message>
      <source>Lot S&amp;tarting $:</source>
      <translation>&amp;Salida $:</translation>
    </message>
    <message>
      <source>Lot &amp;Note:</source>
      <translation>&amp;Descripción:</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Guardar</translation>
    </message>
    <message>
      <source>Do&amp;ne Editing Lots</source>
      <translation>&amp;Listo</translation>
    </message>
    <message>
      <source>The lots could not be written to the settings file: %1. They stay in use until Gavelor is closed.</source>
      <translation>No se pudieron escribir los lotes en el archivo de ajustes: %1. Siguen en uso hasta que se cierre Gavelor.</translation>
    </message>
    <message>
      <source>Total Lots: </source>
      <translation>Lotes: </translation>
    </message>
    <message>
      <source>Edit Lot</source>
      <translation>Editar lote</translation>
    </message>
    <message>
      <source>Are you sure you want to delete this lot?</source>
      <translation>¿Seguro que desea eliminar este lote?</translation>
    </message>
    <message>
      <source>Are you sure you want to delete ALL of the lots?  This cannot be undone.</source>
      <translation>¿Seguro que desea eliminar TODOS los lotes?  No se puede deshacer.</translation>
    </message>
    <message>
      <source>Import Lots</source>
      <translation>Importar lotes</translation>
    </message>
    <message>
      <source>%1 lot was read from "%2".</source>
      <translation>Se leyó %1 lote de «%2».</translation>
    </message>
    <message>
      <source>%1 lots were read from "%2".</source>
      <translation>Se leyeron %1 lotes de «%2».</translation>
    </message>
    <message>
      <source>

Append them to the list, or replace the list with them?</source>
      <translation>

¿Añadirlos a la lista o sustituir la lista por ellos?</translation>
    </message>
    <message>
      <source>&amp;Append</source>
      <translation>&amp;Añadir</translation>
    </message>
    <message>
      <source>&amp;Replace</source>
      <translation>&amp;Sustituir</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Export Lots</source>
      <translation>Exportar lotes</translation>
    </message>
    <message>
      <source>The lots could not be written to "%1": %2</source>
      <translation>No se pudieron escribir los lotes en «%1»: %2</translation>
    </message>
    <message>
      <source>&amp;Vendor:</source>
      <translation>&amp;Vendedor:</translation>
    </message>
    <message>
      <source>&amp;Reserve:</source>
      <translation>Reserv&amp;a:</translation>
    </message>
    <message>
      <source>Never shown to the room.</source>
      <translation>Nunca se muestra a la sala.</translation>
    </message>
    <message>
      <source>Esti&amp;mate:</source>
      <translation>Estima&amp;ción:</translation>
    </message>
    <message>
      <source>Low estimate</source>
      <translation>Estimación baja</translation>
    </message>
    <message>
      <source>High estimate</source>
      <translation>Estimación alta</translation>
    </message>
    <message>
      <source>&amp;Picture:</source>
      <translation>I&amp;magen:</translation>
    </message>
  </context>
  <context>
    <name>frmOptions</name>
    <message>
      <source>Gavelor - Options</source>
      <translation>Gavelor - Opciones</translation>
    </message>
    <message>
      <source>Color Controls</source>
      <translation>Colores</translation>
    </message>
    <message>
      <source>Increment Settings</source>
      <translation>Incrementos</translation>
    </message>
    <message>
      <source>&amp;Additional Settings</source>
      <translation>&amp;Otros ajustes</translation>
    </message>
    <message>
      <source>Options</source>
      <translation>Opciones</translation>
    </message>
    <message>
      <source>&amp;Ok</source>
      <translation>&amp;Aceptar</translation>
    </message>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Cancelar</translation>
    </message>
    <message>
      <source>The options could not be written to the settings file. They stay in use until Gavelor is closed.</source>
      <translation>No se pudieron escribir las opciones en el archivo de ajustes. Siguen en uso hasta que se cierre Gavelor.</translation>
    </message>
    <message>
      <source>&amp;Live Feed</source>
      <translation>&amp;Directo</translation>
    </message>
    <message>
      <source>C&amp;urrencies</source>
      <translation>&amp;Monedas</translation>
    </message>
  </context>
  <context>
    <name>frmResults</name>
    <message>
      <source>Buyer for lot %1</source>
      <translation>Comprador del lote %1</translation>
    </message>
    <message>
      <source>Buyer for lot %1: %2</source>
      <translation>Comprador del lote %1: %2</translation>
    </message>
    <message>
      <source>No buyer for lot %1</source>
      <translation>Sin comprador para el lote %1</translation>
    </message>
    <message>
      <source>Gavelor - Sale Results</source>
      <translation>Gavelor - Resultados de la subasta</translation>
    </message>
    <message>
      <source>Sold:</source>
      <translation>Vendidos:</translation>
    </message>
    <message>
      <source>Passed:</source>
      <translation>Retirados:</translation>
    </message>
    <message>
      <source>Not yet offered:</source>
      <translation>Aún sin subastar:</translation>
    </message>
    <message>
      <source>Total hammer:</source>
      <translation>Total rematado:</translation>
    </message>
    <message>
      <source>Average hammer:</source>
      <translation>Remate medio:</translation>
    </message>
    <message>
      <source>Sell-through:</source>
      <translation>Tasa de venta:</translation>
    </message>
    <message>
      <source>Against starting bids:</source>
      <translation>Frente a precios de salida:</translation>
    </message>
    <message>
      <source>Results</source>
      <translation>Resultados</translation>
    </message>
    <message>
      <source>&amp;Clear Result</source>
      <translation>&amp;Borrar resultado</translation>
    </message>
    <message>
      <source>Show on &amp;Board</source>
      <translation>&amp;Mostrar en el marcador</translation>
    </message>
    <message>
      <source>&amp;New Sale...</source>
      <translation>&amp;Nueva subasta...</translation>
    </message>
    <message>
      <source>&amp;Export...</source>
      <translation>&amp;Exportar...</translation>
    </message>
    <message>
      <source>&amp;Report...</source>
      <translation>&amp;Informe...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>Im&amp;primir...</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Cerrar</translation>
    </message>
    <message>
      <source>Sale started %1</source>
      <translation>Subasta iniciada %1</translation>
    </message>
    <message>
      <source>The last run ended with lot %1 (position %2) on show at %3. Select it and press Show on Board to put the board back.</source>
      <translation>La última sesión terminó a las %3 con el lote %1 (orden %2) en pantalla. Selecciónelo y pulse «Mostrar en el marcador» para restaurar el marcador.</translation>
    </message>
    <message>
      <source>Results are not being saved: %1. The board goes on; Gavelor tries again at the next event.</source>
      <translation>Los resultados no se están guardando: %1. El marcador sigue; Gavelor lo intenta de nuevo en el próximo evento.</translation>
    </message>
    <message>
      <source>Clear the result (%1) of lot %2?</source>
      <translation>¿Borrar el resultado (%1) del lote %2?</translation>
    </message>
    <message>
      <source>End this sale and start a new one? The results of this sale stay in its journal.</source>
      <translation>¿Terminar esta subasta y empezar otra? Los resultados de esta subasta quedan en su registro.</translation>
    </message>
    <message>
      <source>Export Results</source>
      <translation>Exportar resultados</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
      <source>The results could not be exported: %1</source>
      <translation>No se pudieron exportar los resultados: %1</translation>
    </message>
    <message>
      <source>Save Report</source>
      <translation>Guardar informe</translation>
    </message>
    <message>
      <source>PDF files (*.pdf)</source>
      <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
      <source>The report could not be saved: %1</source>
      <translation>No se pudo guardar el informe: %1</translation>
    </message>
    <message>
      <source>Sale Results</source>
      <translation>Resultados de la subasta</translation>
    </message>
    <message>
      <source>Withdrawn:</source>
      <translation>Retirados:</translation>
    </message>
    <message>
      <source>&amp;Withdraw Lot</source>
      <translation>Reti&amp;rar lote</translation>
    </message>
    <message>
      <source>Lot %1 was passed after it was sold: its buyer %2 was cleared.</source>
      <translation>El lote %1 quedó sin vender después de adjudicarse: su comprador %2 se ha borrado.</translation>
    </message>
    <message>
      <source>The scoreboard does not have the keys while this window is active: arrows move in the results, F5 and F6 still mark the lot on the board.</source>
      <translation>El marcador no recibe las teclas mientras esta ventana está activa: las flechas se mueven por los resultados, F5 y F6 siguen marcando el lote del marcador.</translation>
    </message>
    <message>
      <source>Withdraw lot %1? Its result (%2) is replaced.</source>
      <translation>¿Retirar el lote %1? Su resultado (%2) se sustituye.</translation>
    </message>
    <message>
      <source>%1 result(s) belong to lot numbers that are not in the lot list; they are listed at the end.</source>
      <translation>%1 resultado(s) pertenecen a números de lote que no están en la lista; aparecen al final.</translation>
    </message>
    <message>
      <source>Results are not being saved: %1. This copy of Gavelor writes nothing there.</source>
      <translation>Los resultados no se están guardando: %1. Esta copia de Gavelor no escribe nada allí.</translation>
    </message>
    <message>
      <source>The journal &quot;%1&quot; was replaced or removed while Gavelor was writing it; the sale goes on in &quot;%2&quot;.</source>
      <translation>El registro «%1» fue sustituido o eliminado mientras Gavelor escribía en él; la subasta sigue en «%2».</translation>
    </message>
    <message>
      <source>&amp;Open...</source>
      <translation>&amp;Abrir...</translation>
    </message>
    <message>
      <source>%1 earlier sale(s) were never ended: their results are still in their journals.</source>
      <translation>%1 subasta(s) anterior(es) nunca se terminaron: sus resultados siguen en sus registros.</translation>
    </message>
    <message>
      <source>%1, last written %2</source>
      <translation>%1, última escritura %2</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Open which sale? The sale open now stays in its journal and is offered here in turn.</source>
      <translation>¿Qué subasta abrir? La subasta abierta ahora sigue en su registro y se ofrecerá aquí a su vez.</translation>
    </message>
    <message>
      <source>The sale in &quot;%1&quot; could not be opened.</source>
      <translation>No se pudo abrir la subasta de «%1».</translation>
    </message>
    <message>
      <source>Sale &amp;Details...</source>
      <translation>&amp;Datos de la subasta...</translation>
    </message>
    <message>
      <source>&amp;Invoices...</source>
      <translation>&amp;Facturas...</translation>
    </message>
    <message>
      <source>The sale's details could not be saved.</source>
      <translation>No se pudieron guardar los datos de la subasta.</translation>
    </message>
    <message>
      <source>No lot has been sold to a buyer yet: type the buyer's paddle in the Buyer column.</source>
      <translation>Aún no se ha vendido ningún lote a un comprador: escriba la paleta del comprador en la columna Comprador.</translation>
    </message>
    <message>
      <source>Save Invoices</source>
      <translation>Guardar facturas</translation>
    </message>
    <message>
      <source>The invoices could not all be saved: %1</source>
      <translation>No se pudieron guardar todas las facturas: %1</translation>
    </message>
    <message>
      <source>Invoices: %1. Settlements: %2. Saved in %3.</source>
      <translation>Facturas: %1. Liquidaciones: %2. Guardado en %3.</translation>
    </message>
    <message>
      <source>Bidders</source>
      <translation>Postores</translation>
    </message>
    <message>
      <source>Paddle:</source>
      <translation>Paleta:</translation>
    </message>
    <message>
      <source>Name:</source>
      <translation>Nombre:</translation>
    </message>
    <message>
      <source>Contact:</source>
      <translation>Contacto:</translation>
    </message>
    <message>
      <source>Add Bi&amp;dder</source>
      <translation>Aña&amp;dir postor</translation>
    </message>
    <message>
      <source>Paddle</source>
      <translation>Paleta</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nombre</translation>
    </message>
    <message>
      <source>Contact</source>
      <translation>Contacto</translation>
    </message>
    <message>
      <source>Remo&amp;ve Bidder</source>
      <translation>&amp;Quitar postor</translation>
    </message>
    <message>
      <source>&amp;Import Bidders...</source>
      <translation>Impor&amp;tar postores...</translation>
    </message>
    <message>
      <source>Read paddles, names and contacts from a CSV file saved by a spreadsheet.</source>
      <translation>Leer paletas, nombres y contactos de un archivo CSV guardado por una hoja de cálculo.</translation>
    </message>
    <message>
      <source>The bidders could not be written to the settings file: %1.</source>
      <translation>No se pudieron escribir los postores en el archivo de configuración: %1.</translation>
    </message>
    <message>
      <source>A paddle is digits and letters, at most 12.</source>
      <translation>Una paleta son cifras y letras, como máximo 12.</translation>
    </message>
    <message>
      <source>Import Bidders</source>
      <translation>Importar postores</translation>
    </message>
    <message>
      <source>It holds no bidders.</source>
      <translation>No contiene postores.</translation>
    </message>
    <message>
      <source>No bidders were imported from &quot;%1&quot;. %2</source>
      <translation>No se importó ningún postor de «%1». %2</translation>
    </message>
    <message>
      <source>%1 bidder was read from &quot;%2&quot;.</source>
      <translation>Se leyó %1 postor de «%2».</translation>
    </message>
    <message>
      <source>%1 bidders were read from &quot;%2&quot;.</source>
      <translation>Se leyeron %1 postores de «%2».</translation>
    </message>
    <message>
      <source>Invoices</source>
      <translation>Facturas</translation>
    </message>
    <message>
      <source>Invoices: %1. Settlements: %2. Save them as PDF files, or print them?</source>
      <translation>Facturas: %1. Liquidaciones: %2. ¿Guardarlas como archivos PDF o imprimirlas?</translation>
    </message>
    <message>
      <source>Open S&amp;ale...</source>
      <translation>Abrir s&amp;ubasta...</translation>
    </message>
    <message>
      <source>Print...</source>
      <translation>Imprimir...</translation>
    </message>
    <message>
      <source>Save as PDF Files...</source>
      <translation>Guardar como archivos PDF...</translation>
    </message>
    <message>
      <source>The results of this sale were never exported, saved as a report or printed. End this sale and start a new one? Its results stay in its journal.</source>
      <translation>Los resultados de esta subasta nunca se exportaron, guardaron como informe ni imprimieron. ¿Terminar esta subasta y empezar otra? Sus resultados quedan en su diario.</translation>
    </message>
  </context>
  <context>
    <name>frmScoreboard</name>
    <message>
      <source>Lot #:</source>
      <translation>Lote:</translation>
    </message>
    <message>
      <source>Gavelor by </source>
      <translation>Gavelor de </translation>
    </message>
    <message>
      <source>Lot number</source>
      <translation>Número de lote</translation>
    </message>
    <message>
      <source>Current bid</source>
      <translation>Puja actual</translation>
    </message>
    <message>
      <source>Bid thousands</source>
      <translation>Puja, miles</translation>
    </message>
    <message>
      <source>Bid ones</source>
      <translation>Puja, unidades</translation>
    </message>
    <message>
      <source>Lot note</source>
      <translation>Descripción del lote</translation>
    </message>
    <message>
      <source>reserve met</source>
      <translation>reserva alcanzada</translation>
    </message>
    <message>
      <source>The bid is below the lot's reserve. Sell below the reserve?</source>
      <translation>La puja está por debajo de la reserva del lote. ¿Vender por debajo de la reserva?</translation>
    </message>
  </context>
  <context>
    <name>frmSplash</name>
    <message>
      <source>by Tarnwick</source>
      <translation>de Tarnwick</translation>
    </message>
    <message>
      <source>Click to continue.</source>
      <translation>Haga clic.</translation>
    </message>
    <message>
      <source>Version 1.0.0</source>
      <translation>Versión 1.0.0</translation>
    </message>
    <message>
      <source>Press ' F1 ' to view Help from the scoreboard.</source>
      <translation>' F1 ' en el marcador abre la ayuda.</translation>
    </message>
    <message>
      <source>Press ' F2 ' to set Options from the scoreboard.</source>
      <translation>' F2 ' en el marcador abre las opciones.</translation>
    </message>
    <message>
      <source>Press ' F3 ' to setup auction lots from the scoreboard.</source>
      <translation>' F3 ' en el marcador abre la lista de lotes.</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Ayuda</translation>
    </message>
    <message>
      <source>&amp;Options</source>
      <translation>&amp;Opciones</translation>
    </message>
    <message>
      <source>Gavelor title</source>
      <translation>Título de Gavelor</translation>
    </message>
    <message>
      <source>Gavelor logo</source>
      <translation>Logotipo de Gavelor</translation>
    </message>
    <message>
      <source>Version %1.%2.%3</source>
      <translation>Versión %1.%2.%3</translation>
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
      <translation>%1 dólares</translation>
    </message>
    <message>
      <source>%1 euros</source>
      <translation>%1 euros</translation>
    </message>
    <message>
      <source>%1 pounds</source>
      <translation>%1 libras</translation>
    </message>
    <message>
      <source>%1 francs</source>
      <translation>%1 francos</translation>
    </message>
    <message>
      <source>%1 kroner</source>
      <translation>%1 coronas</translation>
    </message>
    <message>
      <source>%1 yen</source>
      <translation>%1 yenes</translation>
    </message>
    <message>
      <source>%1 %2</source>
      <comment>an amount and a currency sign without a spoken name</comment>
      <translation>%1 %2</translation>
    </message>
    <message>
      <source>Sale</source>
      <translation>Subasta</translation>
    </message>
    <message>
      <source>Sold, %1</source>
      <translation>Vendido, %1</translation>
    </message>
    <message>
      <source>Passed</source>
      <translation>Retirado</translation>
    </message>
    <message>
      <source>Lot %1</source>
      <translation>Lote %1</translation>
    </message>
    <message>
      <source>Bid %1</source>
      <translation>Puja %1</translation>
    </message>
    <message>
      <source>Bid thousands %1</source>
      <translation>Puja millares %1</translation>
    </message>
    <message>
      <source>Bid ones %1</source>
      <translation>Puja unidades %1</translation>
    </message>
  </context>
  <context>
    <name>FeedPages</name>
    <message>
      <source>Current bid</source>
      <translation>Puja actual</translation>
    </message>
    <message>
      <source>Gavelor live</source>
      <translation>Gavelor en directo</translation>
    </message>
    <message>
      <source>Last results</source>
      <translation>Últimos resultados</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Lote</translation>
    </message>
    <message>
      <source>Reconnecting…</source>
      <translation>Reconectando…</translation>
    </message>
  </context>
  <context>
    <name>LiveFeed</name>
    <message>
      <source>Port %1 could not be opened: %2</source>
      <translation>No se pudo abrir el puerto %1: %2</translation>
    </message>
  </context>
  <context>
    <name>LiveFeedTab</name>
    <message>
      <source>&amp;New Code</source>
      <translation>&amp;Nuevo código</translation>
    </message>
    <message>
      <source>&amp;Serve the board on this computer&apos;s network</source>
      <translation>&amp;Servir el marcador en la red de este equipo</translation>
    </message>
    <message>
      <source>Access code:</source>
      <translation>Código de acceso:</translation>
    </message>
    <message>
      <source>Broker:</source>
      <translation>Bróker:</translation>
    </message>
    <message>
      <source>Live Feed &amp;Window...</source>
      <translation>&amp;Ventana del directo...</translation>
    </message>
    <message>
      <source>Live Feed:</source>
      <translation>Directo:</translation>
    </message>
    <message>
      <source>MQTT Broker (optional):</source>
      <translation>Bróker MQTT (opcional):</translation>
    </message>
    <message>
      <source>MQTT broker address</source>
      <translation>Dirección del bróker MQTT</translation>
    </message>
    <message>
      <source>New Access Code</source>
      <translation>Nuevo código de acceso</translation>
    </message>
    <message>
      <source>Password:</source>
      <translation>Contraseña:</translation>
    </message>
    <message>
      <source>Port of the MQTT broker</source>
      <translation>Puerto del bróker MQTT</translation>
    </message>
    <message>
      <source>Port of the live feed</source>
      <translation>Puerto del directo</translation>
    </message>
    <message>
      <source>Port:</source>
      <translation>Puerto:</translation>
    </message>
    <message>
      <source>Replace the access code? Everyone who follows the feed will need the new one.</source>
      <translation>¿Sustituir el código de acceso? Todos los que siguen el directo necesitarán el nuevo.</translation>
    </message>
    <message>
      <source>Topic prefix:</source>
      <translation>Prefijo del tema:</translation>
    </message>
    <message>
      <source>User:</source>
      <translation>Usuario:</translation>
    </message>
  </context>
  <context>
    <name>frmLiveFeed</name>
    <message>
      <source>&amp;Close</source>
      <translation>&amp;Cerrar</translation>
    </message>
    <message>
      <source>Access code: %1</source>
      <translation>Código de acceso: %1</translation>
    </message>
    <message>
      <source>Addresses</source>
      <translation>Direcciones</translation>
    </message>
    <message>
      <source>Addresses:</source>
      <translation>Direcciones:</translation>
    </message>
    <message>
      <source>Board</source>
      <translation>Marcador</translation>
    </message>
    <message>
      <source>Gavelor - Live Feed</source>
      <translation>Gavelor - Directo</translation>
    </message>
    <message>
      <source>MQTT broker: connecting to %1</source>
      <translation>Bróker MQTT: conectando con %1</translation>
    </message>
    <message>
      <source>MQTT broker: none</source>
      <translation>Bróker MQTT: ninguno</translation>
    </message>
    <message>
      <source>MQTT broker: publishing to %1</source>
      <translation>Bróker MQTT: publicando en %1</translation>
    </message>
    <message>
      <source>Overlay</source>
      <translation>Superposición</translation>
    </message>
    <message>
      <source>Phone</source>
      <translation>Teléfono</translation>
    </message>
    <message>
      <source>QR code of the phone page</source>
      <translation>Código QR de la página para teléfono</translation>
    </message>
    <message>
      <source>Scan for the phone page</source>
      <translation>Escanear para la página del teléfono</translation>
    </message>
    <message>
      <source>The live feed is off. It is turned on in the options (F2), on the Live Feed tab.</source>
      <translation>El directo está desactivado. Se activa en las opciones (F2), en la pestaña Directo.</translation>
    </message>
    <message>
      <source>The live feed is on, on port %1.</source>
      <translation>El directo está activo, en el puerto %1.</translation>
    </message>
    <message>
      <source>Viewers: %1</source>
      <translation>Espectadores: %1</translation>
    </message>
    <message>
      <source>none yet</source>
      <translation>ninguno todavía</translation>
    </message>
  </context>
  <context>
    <name>RtfReader</name>
    <message>
      <source>Picture %1</source>
      <translation>Imagen %1</translation>
    </message>
  </context>
  <context>
    <name>SaleTerms</name>
    <message>
      <source>The premium has at most %1 tiers.</source>
      <translation>La prima tiene como máximo %1 tramos.</translation>
    </message>
    <message>
      <source>Each premium tier's limit must be above the one before it, and only the last tier may be without a limit.</source>
      <translation>El límite de cada tramo de la prima debe superar al anterior, y solo el último tramo puede no tener límite.</translation>
    </message>
    <message>
      <source>%1% up to %2</source>
      <translation>%1 % hasta %2</translation>
    </message>
    <message>
      <source>%1% above %2</source>
      <translation>%1 % por encima de %2</translation>
    </message>
    <message>
      <source>%1%</source>
      <translation>%1 %</translation>
    </message>
    <message>
      <source>Buyer's premium %1.</source>
      <translation>Prima del comprador %1.</translation>
    </message>
    <message>
      <source>Tax</source>
      <translation>Impuesto</translation>
    </message>
    <message>
      <source>%1 %2% on the hammer and the premium.</source>
      <translation>%1 %2 % sobre el remate y la prima.</translation>
    </message>
    <message>
      <source>%1 %2% on the premium.</source>
      <translation>%1 %2 % sobre la prima.</translation>
    </message>
    <message>
      <source>Each amount is rounded to the whole unit, a half to the even unit.</source>
      <translation>Cada importe se redondea a la unidad entera, la mitad a la unidad par.</translation>
    </message>
  </context>
  <context>
    <name>PagedDocument</name>
    <message>
      <source>Page %1 of %2</source>
      <translation>Página %1 de %2</translation>
    </message>
    <message>
      <source>Printed %1</source>
      <translation>Impreso %1</translation>
    </message>
  </context>
  <context>
    <name>InvoicePdf</name>
    <message>
      <source>Invoice</source>
      <translation>Factura</translation>
    </message>
    <message>
      <source>Paddle %1</source>
      <translation>Paleta %1</translation>
    </message>
    <message>
      <source>Paddle %1 – %2</source>
      <translation>Paleta %1 – %2</translation>
    </message>
    <message>
      <source>Tax</source>
      <translation>Impuesto</translation>
    </message>
    <message>
      <source>Lot</source>
      <translation>Lote</translation>
    </message>
    <message>
      <source>Description</source>
      <translation>Descripción</translation>
    </message>
    <message>
      <source>Hammer</source>
      <translation>Remate</translation>
    </message>
    <message>
      <source>Premium</source>
      <translation>Prima</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Total</translation>
    </message>
    <message>
      <source>Total due</source>
      <translation>Total a pagar</translation>
    </message>
    <message>
      <source>Settlement</source>
      <translation>Liquidación</translation>
    </message>
    <message>
      <source>Vendor %1</source>
      <translation>Vendedor %1</translation>
    </message>
    <message>
      <source>Commission</source>
      <translation>Comisión</translation>
    </message>
    <message>
      <source>Net</source>
      <translation>Neto</translation>
    </message>
    <message>
      <source>Commission %1% of the hammer. Each amount is rounded to the whole unit, a half to the even unit.</source>
      <translation>Comisión del %1 % del remate. Cada importe se redondea a la unidad entera, la mitad a la unidad par.</translation>
    </message>
  </context>
  <context>
    <name>frmSaleDetails</name>
    <message>
      <source>Gavelor - Sale Details</source>
      <translation>Gavelor - Datos de la subasta</translation>
    </message>
    <message>
      <source>The sale</source>
      <translation>La subasta</translation>
    </message>
    <message>
      <source>&amp;House:</source>
      <translation>&amp;Casa:</translation>
    </message>
    <message>
      <source>&amp;Address:</source>
      <translation>&amp;Dirección:</translation>
    </message>
    <message>
      <source>Sale &amp;title:</source>
      <translation>&amp;Título:</translation>
    </message>
    <message>
      <source>&amp;Venue:</source>
      <translation>&amp;Lugar:</translation>
    </message>
    <message>
      <source>&amp;Date:</source>
      <translation>F&amp;echa:</translation>
    </message>
    <message>
      <source>Terms of sale</source>
      <translation>Condiciones de venta</translation>
    </message>
    <message>
      <source>Up to</source>
      <translation>Hasta</translation>
    </message>
    <message>
      <source>Rate %</source>
      <translation>Tasa %</translation>
    </message>
    <message>
      <source>Buyer's premium</source>
      <translation>Prima del comprador</translation>
    </message>
    <message>
      <source>Buyer's &amp;premium:</source>
      <translation>&amp;Prima del comprador:</translation>
    </message>
    <message>
      <source>Tax the ha&amp;mmer as well</source>
      <translation>Gravar también el re&amp;mate</translation>
    </message>
    <message>
      <source>Tax &amp;name:</source>
      <translation>&amp;Nombre del impuesto:</translation>
    </message>
    <message>
      <source>Tax &amp;rate %:</source>
      <translation>&amp;Tipo del impuesto %:</translation>
    </message>
    <message>
      <source>Vendors' &amp;commission %:</source>
      <translation>&amp;Comisión de vendedores %:</translation>
    </message>
    <message>
      <source>Row %1 of the buyer's premium needs a rate from 0 to 100 % (up to four decimals) and a whole amount as its limit, or no limit on the last row.</source>
      <translation>La fila %1 de la prima necesita una tasa de 0 a 100 % (hasta cuatro decimales) y un importe entero como límite, o ningún límite en la última fila.</translation>
    </message>
    <message>
      <source>A rate is a number from 0 to 100 with up to four decimals, such as 20 or 12.5.</source>
      <translation>Una tasa es un número de 0 a 100 con hasta cuatro decimales, como 20 o 12,5.</translation>
    </message>
  </context>
  <context>
    <name>PictureFolderFrame</name>
    <message>
      <source>Lot Pictures:</source>
      <translation>Fotos de los lotes:</translation>
    </message>
    <message>
      <source>Folder of lot pictures</source>
      <translation>Carpeta de fotos de los lotes</translation>
    </message>
    <message>
      <source>No pictures</source>
      <translation>Sin fotos</translation>
    </message>
    <message>
      <source>Browse...</source>
      <translation>Examinar...</translation>
    </message>
    <message>
      <source>Clear</source>
      <translation>Quitar</translation>
    </message>
    <message>
      <source>Folder of Lot Pictures</source>
      <translation>Carpeta de fotos de los lotes</translation>
    </message>
  </context>
  <context>
    <name>LotThumbnail</name>
    <message>
      <source>Picture of the selected lot</source>
      <translation>Foto del lote seleccionado</translation>
    </message>
  </context>
  <context>
    <name>CurrencyRate</name>
    <message>
      <source>a currency without a code</source>
      <translation>una moneda sin código</translation>
    </message>
    <message>
      <source>The rate of %1 is missing.</source>
      <translation>Falta el tipo de cambio de %1.</translation>
    </message>
    <message>
      <source>The rate of %1 is not a number. Write it with digits and a decimal point, for example 1.0834.</source>
      <translation>El tipo de cambio de %1 no es un número. Escríbalo con cifras y un punto decimal, por ejemplo 1.0834.</translation>
    </message>
    <message>
      <source>The rate of %1 has more than 6 decimals.</source>
      <translation>El tipo de cambio de %1 tiene más de 6 decimales.</translation>
    </message>
    <message>
      <source>The rate of %1 must be more than 0.</source>
      <translation>El tipo de cambio de %1 debe ser mayor que 0.</translation>
    </message>
    <message>
      <source>The rate of %1 is too large: at most 1000000 for one unit of the sale's currency.</source>
      <translation>El tipo de cambio de %1 es demasiado grande: como máximo 1000000 por unidad de la moneda de la subasta.</translation>
    </message>
  </context>
  <context>
    <name>CurrencyBoard</name>
    <message>
      <source>Rates of %1</source>
      <translation>Tipos de cambio del %1</translation>
    </message>
    <message>
      <source>for guidance only</source>
      <translation>solo orientativo</translation>
    </message>
  </context>
  <context>
    <name>EuroRates</name>
    <message>
      <source>The file is not a zip archive that can be read.</source>
      <translation>El archivo no es un archivo zip legible.</translation>
    </message>
    <message>
      <source>The rates file in the zip archive is too large to be a rates file.</source>
      <translation>El archivo de tipos del archivo zip es demasiado grande para ser un archivo de tipos.</translation>
    </message>
    <message>
      <source>The zip archive holds no rates file (.csv) that can be read.</source>
      <translation>El archivo zip no contiene ningún archivo de tipos (.csv) legible.</translation>
    </message>
    <message>
      <source>The file is not a euro reference rates file: it needs a header row &quot;Date, USD, JPY, ...&quot; and a row of rates.</source>
      <translation>El archivo no es un archivo de tipos de referencia del euro: necesita una fila de encabezado &quot;Date, USD, JPY, ...&quot; y una fila de tipos.</translation>
    </message>
    <message>
      <source>The file could not be opened: %1</source>
      <translation>No se pudo abrir el archivo: %1</translation>
    </message>
    <message>
      <source>The file is too large to be a rates file.</source>
      <translation>El archivo es demasiado grande para ser un archivo de tipos.</translation>
    </message>
    <message>
      <source>The rates file has no rate for the sale's currency %1.</source>
      <translation>El archivo de tipos no tiene tipo para la moneda de la subasta, %1.</translation>
    </message>
  </context>
  <context>
    <name>frmCurrencyBoard</name>
    <message>
      <source>Gavelor - Currency Board</source>
      <translation>Gavelor - Tablero de divisas</translation>
    </message>
  </context>
  <context>
    <name>CurrenciesTab</name>
    <message>
      <source>&amp;Show the bid in other currencies</source>
      <translation>&amp;Mostrar la puja en otras monedas</translation>
    </message>
    <message>
      <source>Sale's currency:</source>
      <translation>Moneda de la subasta:</translation>
    </message>
    <message>
      <source>ISO code of the sale's currency</source>
      <translation>Código ISO de la moneda de la subasta</translation>
    </message>
    <message>
      <source>Code</source>
      <translation>Código</translation>
    </message>
    <message>
      <source>Sign</source>
      <translation>Símbolo</translation>
    </message>
    <message>
      <source>Rate</source>
      <translation>Tipo</translation>
    </message>
    <message>
      <source>Rounding</source>
      <translation>Redondeo</translation>
    </message>
    <message>
      <source>Currencies and rates</source>
      <translation>Monedas y tipos de cambio</translation>
    </message>
    <message>
      <source>Whole units</source>
      <translation>Unidades enteras</translation>
    </message>
    <message>
      <source>To 10</source>
      <translation>A 10</translation>
    </message>
    <message>
      <source>To 100</source>
      <translation>A 100</translation>
    </message>
    <message>
      <source>To 1,000</source>
      <translation>A 1.000</translation>
    </message>
    <message>
      <source>Rounding of line %1</source>
      <translation>Redondeo de la línea %1</translation>
    </message>
    <message>
      <source>&amp;Import Rates...</source>
      <translation>&amp;Importar tipos...</translation>
    </message>
    <message>
      <source>The sale's currency code must be three letters, such as EUR.</source>
      <translation>El código de la moneda de la subasta debe tener tres letras, como EUR.</translation>
    </message>
    <message>
      <source>The currency code on line %1 must be three letters, such as USD.</source>
      <translation>El código de moneda de la línea %1 debe tener tres letras, como USD.</translation>
    </message>
    <message>
      <source>Enter the sale's currency code (such as EUR) before importing rates.</source>
      <translation>Introduzca el código de la moneda de la subasta (como EUR) antes de importar tipos.</translation>
    </message>
    <message>
      <source>Import Rates</source>
      <translation>Importar tipos</translation>
    </message>
    <message>
      <source>Euro reference rates (*.csv *.zip);;All files (*)</source>
      <translation>Tipos de referencia del euro (*.csv *.zip);;Todos los archivos (*)</translation>
    </message>
    <message>
      <source>The rates file has no rate for %1. Those rates were left as they were.</source>
      <translation>El archivo de tipos no tiene tipo para %1. Esos tipos se dejaron como estaban.</translation>
    </message>
  </context>
  <context>
    <name>BidderRegister</name>
    <message>
      <source>Its header row names no paddle column (Paddle or Bidder).</source>
      <translation>Su fila de encabezado no nombra ninguna columna de paleta (Paddle o Bidder).</translation>
    </message>
    <message>
      <source>Row %1: &quot;%2&quot; is not a paddle (digits and letters, at most 12).</source>
      <translation>Fila %1: «%2» no es una paleta (cifras y letras, como máximo 12).</translation>
    </message>
    <message>
      <source>Row %1: paddle %2 is there twice.</source>
      <translation>Fila %1: la paleta %2 aparece dos veces.</translation>
    </message>
  </context>
  <context>
    <name>PaddleEntry</name>
    <message>
      <source>Paddle:</source>
      <translation>Paleta:</translation>
    </message>
    <message>
      <source>Paddle</source>
      <translation>Paleta</translation>
    </message>
  </context>
  <context>
    <name>frmPastSales</name>
    <message>
      <source>&amp;Export...</source>
      <translation>&amp;Exportar...</translation>
    </message>
    <message>
      <source>&amp;Invoices...</source>
      <translation>&amp;Facturas...</translation>
    </message>
    <message>
      <source>&amp;Report...</source>
      <translation>&amp;Informe...</translation>
    </message>
    <message>
      <source>Ended</source>
      <translation>Terminada</translation>
    </message>
    <message>
      <source>Gavelor - Open Sale</source>
      <translation>Gavelor - Abrir subasta</translation>
    </message>
    <message>
      <source>Lots sold</source>
      <translation>Lotes vendidos</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Abierta</translation>
    </message>
    <message>
      <source>Sale</source>
      <translation>Subasta</translation>
    </message>
    <message>
      <source>Sales</source>
      <translation>Subastas</translation>
    </message>
    <message>
      <source>Started</source>
      <translation>Iniciada</translation>
    </message>
    <message>
      <source>State</source>
      <translation>Estado</translation>
    </message>
    <message>
      <source>This sale's journal can no longer be read.</source>
      <translation>El diario de esta subasta ya no se puede leer.</translation>
    </message>
    <message>
      <source>Total hammer</source>
      <translation>Total de remates</translation>
    </message>
  </context>
  <context>
    <name>CurrencyView</name>
    <message>
      <source>Bid in other currencies</source>
      <translation>Puja en otras monedas</translation>
    </message>
  </context>
</TS>
