<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>platform</name>
    <message>
        <source>The CUPS library cannot be loaded: %1</source>
        <translation>The CUPS library cannot be loaded: %1</translation>
    </message>
    <message>
        <source>The spooled print job &quot;%1&quot; cannot be read: %2</source>
        <translation>The spooled print job &quot;%1&quot; cannot be read: %2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Cannot open file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>It is not a regular file</translation>
    </message>
    <message>
        <source>The file is being written by another program</source>
        <translation>The file is being written by another program</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>There is no default printer currently selected</translation>
    </message>
    <message>
        <source>Printer index out of range</source>
        <translation>Printer index out of range</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Printer selected is not valid</translation>
    </message>
    <message>
        <source>Operation not supported on selected printer</source>
        <translation>Operation not supported on selected printer</translation>
    </message>
    <message>
        <source>Cannot create the print spool folder. %1</source>
        <translation>Cannot create the print spool folder. %1</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>Printer is not currently printing</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>The file is damaged and cannot be renamed</source>
        <translation>The file is damaged and cannot be renamed</translation>
    </message>
</context>
<context>
    <name>preview::TRpPrintDialog</name>
    <message>
        <source>A list of pages, odd or even pages only and reverse order cannot be printed: choose all pages or a range from one page to another</source>
        <translation>A list of pages, odd or even pages only and reverse order cannot be printed: choose all pages or a range from one page to another</translation>
    </message>
</context>
<context>
    <name>preview::TRpProgressForm</name>
    <message>
        <source>Printing progress</source>
        <translation>Printing progress</translation>
    </message>
    <message>
        <source>%1%  Completed</source>
        <translation>%1%  Completed</translation>
    </message>
</context>
<context>
    <name>preview::TRpStandardPreview</name>
    <message>
        <source>Report file(*.RPF)|*.RPF|PDF (*.pdf)|*.pdf</source>
        <translation>Report file(*.RPF)|*.RPF|PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Report file (*.RPF)|*.RPF</source>
        <translation>Report file (*.RPF)|*.RPF</translation>
    </message>
    <message>
        <source>Podgląd wydruku</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Widok całej strony</source>
        <translation>Whole page</translation>
    </message>
    <message>
        <source>Widok normalny (100%)</source>
        <translation>Normal size (100%)</translation>
    </message>
    <message>
        <source>Szerokość strony</source>
        <translation>Page width</translation>
    </message>
    <message>
        <source>Pierwsza strona</source>
        <translation>First page</translation>
    </message>
    <message>
        <source>Poprzednia strona</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Następna strona</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Ostatnia strona</source>
        <translation>Last page</translation>
    </message>
    <message>
        <source>Ustawienia drukarki</source>
        <translation>Printer settings</translation>
    </message>
    <message>
        <source>Drukuj raport</source>
        <translation>Print report</translation>
    </message>
    <message>
        <source>Zapisz raport</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>Otwórz raport</source>
        <translation>Open report</translation>
    </message>
    <message>
        <source>&amp;Zamknij</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Str.</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>The report is still being generated: save it once all its pages are there</source>
        <translation>The report is still being generated: save it once all its pages are there</translation>
    </message>
    <message>
        <source>Load report</source>
        <translation>Load report</translation>
    </message>
    <message>
        <source>File does not exist</source>
        <translation>File does not exist</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Stream read error</source>
        <translation>Stream read error</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Stream write error</translation>
    </message>
    <message>
        <source>Nothing was printed: the pages chosen begin at page %1, past the report&apos;s last page, %2</source>
        <translation>Nothing was printed: the pages chosen begin at page %1, past the report&apos;s last page, %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Cannot create file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The report file is damaged: %1</source>
        <translation>The report file is damaged: %1</translation>
    </message>
    <message>
        <source>it is shorter than its header</source>
        <translation>it is shorter than its header</translation>
    </message>
    <message>
        <source>its page count is negative</source>
        <translation>its page count is negative</translation>
    </message>
    <message>
        <source>page record %1 runs past the end of the file</source>
        <translation>page record %1 runs past the end of the file</translation>
    </message>
    <message>
        <source>page record %1 carries the page number %2</source>
        <translation>page record %1 carries the page number %2</translation>
    </message>
    <message>
        <source>page record %1 points outside the file</source>
        <translation>page record %1 points outside the file</translation>
    </message>
    <message>
        <source>the picture of page %1 does not fill its record</source>
        <translation>the picture of page %1 does not fill its record</translation>
    </message>
    <message>
        <source>page record %1 does not end with its own offset</source>
        <translation>page record %1 does not end with its own offset</translation>
    </message>
    <message>
        <source>the picture of page %1 is not a metafile</source>
        <translation>the picture of page %1 is not a metafile</translation>
    </message>
    <message>
        <source>The report file holds more than its %1 pages; what follows them cannot be read: %2</source>
        <translation>The report file holds more than its %1 pages; what follows them cannot be read: %2</translation>
    </message>
    <message>
        <source>Pages %1 to %2 of the report file cannot be read, only the first %3 are shown</source>
        <translation>Pages %1 to %2 of the report file cannot be read, only the first %3 are shown</translation>
    </message>
    <message>
        <source>its page count %1 does not match its %2 page records</source>
        <translation>its page count %1 does not match its %2 page records</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Not a regular file</translation>
    </message>
</context>
<context>
    <name>transfer::PayeeBook</name>
    <message>
        <source>Nie można zapisać książki kontrahentów: %1</source>
        <translation>Cannot save the payee book: %1</translation>
    </message>
</context>
<context>
    <name>transfer::TransferLog</name>
    <message>
        <source>Dziennik przelewów „%1” był uszkodzony; zachowano go jako „%2” i zaczęto nowy</source>
        <translation>The transfer log &quot;%1&quot; was damaged; it was kept as &quot;%2&quot; and a new one begun</translation>
    </message>
    <message>
        <source>Nie można utworzyć folderu dziennika „%1”</source>
        <translation>Cannot create the log&apos;s folder &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Nie można otworzyć dziennika przelewów „%1”: %2</source>
        <translation>Cannot open the transfer log &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Nie można przygotować dziennika przelewów: %1</source>
        <translation>Cannot prepare the transfer log: %1</translation>
    </message>
    <message>
        <source>Nie można odczytać dziennika przelewów: %1</source>
        <translation>Cannot read the transfer log: %1</translation>
    </message>
    <message>
        <source>Dziennik przelewów pochodzi z nowszej wersji programu (schemat %1)</source>
        <translation>The transfer log comes from a newer version of the program (schema %1)</translation>
    </message>
    <message>
        <source>Nie można zapisać dziennika przelewów: %1</source>
        <translation>Cannot write the transfer log: %1</translation>
    </message>
    <message>
        <source>Nie można zmienić dziennika przelewów: %1</source>
        <translation>Cannot change the transfer log: %1</translation>
    </message>
</context>
</TS>
