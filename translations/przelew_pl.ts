<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>platform</name>
    <message>
        <source>The CUPS library cannot be loaded: %1</source>
        <translation>Nie można wczytać biblioteki CUPS: %1</translation>
    </message>
    <message>
        <source>The spooled print job &quot;%1&quot; cannot be read: %2</source>
        <translation>Nie można odczytać zadania wydruku „%1”: %2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>The file is being written by another program</source>
        <translation>Plik jest właśnie zapisywany przez inny program</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nie wybrano drukarki domyślnej</translation>
    </message>
    <message>
        <source>Printer index out of range</source>
        <translation>Numer drukarki spoza zakresu</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Wybrana drukarka jest nieprawidłowa</translation>
    </message>
    <message>
        <source>Operation not supported on selected printer</source>
        <translation>Wybrana drukarka nie obsługuje tej operacji</translation>
    </message>
    <message>
        <source>Cannot create the print spool folder. %1</source>
        <translation>Nie można utworzyć folderu kolejki wydruku. %1</translation>
    </message>
    <message>
        <source>Printer is not currently printing</source>
        <translation>Drukarka teraz nie drukuje</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>To jest folder</translation>
    </message>
    <message>
        <source>The file is damaged and cannot be renamed</source>
        <translation>Plik jest uszkodzony i nie można zmienić jego nazwy</translation>
    </message>
</context>
<context>
    <name>preview::TRpPrintDialog</name>
    <message>
        <source>A list of pages, odd or even pages only and reverse order cannot be printed: choose all pages or a range from one page to another</source>
        <translation>Nie można wydrukować listy stron, samych stron nieparzystych lub parzystych ani stron w odwrotnej kolejności: wybierz wszystkie strony albo zakres od jednej strony do drugiej</translation>
    </message>
</context>
<context>
    <name>preview::TRpProgressForm</name>
    <message>
        <source>Printing progress</source>
        <translation>Postęp drukowania</translation>
    </message>
    <message>
        <source>%1%  Completed</source>
        <translation>Ukończono %1%</translation>
    </message>
</context>
<context>
    <name>preview::TRpStandardPreview</name>
    <message>
        <source>Report file(*.RPF)|*.RPF|PDF (*.pdf)|*.pdf</source>
        <translation>Plik raportu(*.RPF)|*.RPF|PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Report file (*.RPF)|*.RPF</source>
        <translation>Plik raportu (*.RPF)|*.RPF</translation>
    </message>
    <message>
        <source>Podgląd wydruku</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Widok całej strony</source>
        <translation>Widok całej strony</translation>
    </message>
    <message>
        <source>Widok normalny (100%)</source>
        <translation>Widok normalny (100%)</translation>
    </message>
    <message>
        <source>Szerokość strony</source>
        <translation>Szerokość strony</translation>
    </message>
    <message>
        <source>Pierwsza strona</source>
        <translation>Pierwsza strona</translation>
    </message>
    <message>
        <source>Poprzednia strona</source>
        <translation>Poprzednia strona</translation>
    </message>
    <message>
        <source>Następna strona</source>
        <translation>Następna strona</translation>
    </message>
    <message>
        <source>Ostatnia strona</source>
        <translation>Ostatnia strona</translation>
    </message>
    <message>
        <source>Ustawienia drukarki</source>
        <translation>Ustawienia drukarki</translation>
    </message>
    <message>
        <source>Drukuj raport</source>
        <translation>Drukuj raport</translation>
    </message>
    <message>
        <source>Zapisz raport</source>
        <translation>Zapisz raport</translation>
    </message>
    <message>
        <source>Otwórz raport</source>
        <translation>Otwórz raport</translation>
    </message>
    <message>
        <source>&amp;Zamknij</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Str.</source>
        <translation>Str.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Zapisz raport</translation>
    </message>
    <message>
        <source>The report is still being generated: save it once all its pages are there</source>
        <translation>Raport jest jeszcze tworzony: zapisz go, gdy będą w nim wszystkie strony</translation>
    </message>
    <message>
        <source>Load report</source>
        <translation>Otwórz raport</translation>
    </message>
    <message>
        <source>File does not exist</source>
        <translation>Plik nie istnieje</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Stream read error</source>
        <translation>Błąd odczytu strumienia</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Błąd zapisu strumienia</translation>
    </message>
    <message>
        <source>Nothing was printed: the pages chosen begin at page %1, past the report&apos;s last page, %2</source>
        <translation>Nic nie wydrukowano: wybrane strony zaczynają się od strony %1, a ostatnia strona raportu to %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Nie można utworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <source>The report file is damaged: %1</source>
        <translation>Plik raportu jest uszkodzony: %1</translation>
    </message>
    <message>
        <source>it is shorter than its header</source>
        <translation>jest krótszy niż jego nagłówek</translation>
    </message>
    <message>
        <source>its page count is negative</source>
        <translation>liczba jego stron jest ujemna</translation>
    </message>
    <message>
        <source>page record %1 runs past the end of the file</source>
        <translation>zapis strony %1 wychodzi poza koniec pliku</translation>
    </message>
    <message>
        <source>page record %1 carries the page number %2</source>
        <translation>zapis strony %1 ma numer strony %2</translation>
    </message>
    <message>
        <source>page record %1 points outside the file</source>
        <translation>zapis strony %1 wskazuje poza plik</translation>
    </message>
    <message>
        <source>the picture of page %1 does not fill its record</source>
        <translation>obraz strony %1 nie wypełnia swojego zapisu</translation>
    </message>
    <message>
        <source>page record %1 does not end with its own offset</source>
        <translation>zapis strony %1 nie kończy się własnym położeniem</translation>
    </message>
    <message>
        <source>the picture of page %1 is not a metafile</source>
        <translation>obraz strony %1 nie jest metaplikiem</translation>
    </message>
    <message>
        <source>The report file holds more than its %1 pages; what follows them cannot be read: %2</source>
        <translation>Plik raportu zawiera więcej niż swoje %1 stron; tego, co po nich, nie można odczytać: %2</translation>
    </message>
    <message>
        <source>Pages %1 to %2 of the report file cannot be read, only the first %3 are shown</source>
        <translation>Nie można odczytać stron od %1 do %2 pliku raportu; pokazano tylko pierwsze %3</translation>
    </message>
    <message>
        <source>its page count %1 does not match its %2 page records</source>
        <translation>liczba stron %1 nie zgadza się z liczbą zapisów stron (%2)</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
</context>
<context>
    <name>transfer::PayeeBook</name>
    <message>
        <source>Nie można zapisać książki kontrahentów: %1</source>
        <translation>Nie można zapisać książki kontrahentów: %1</translation>
    </message>
</context>
<context>
    <name>transfer::TransferLog</name>
    <message>
        <source>Dziennik przelewów „%1” był uszkodzony; zachowano go jako „%2” i zaczęto nowy</source>
        <translation>Dziennik przelewów „%1” był uszkodzony; zachowano go jako „%2” i zaczęto nowy</translation>
    </message>
    <message>
        <source>Nie można utworzyć folderu dziennika „%1”</source>
        <translation>Nie można utworzyć folderu dziennika „%1”</translation>
    </message>
    <message>
        <source>Nie można otworzyć dziennika przelewów „%1”: %2</source>
        <translation>Nie można otworzyć dziennika przelewów „%1”: %2</translation>
    </message>
    <message>
        <source>Nie można przygotować dziennika przelewów: %1</source>
        <translation>Nie można przygotować dziennika przelewów: %1</translation>
    </message>
    <message>
        <source>Nie można odczytać dziennika przelewów: %1</source>
        <translation>Nie można odczytać dziennika przelewów: %1</translation>
    </message>
    <message>
        <source>Dziennik przelewów pochodzi z nowszej wersji programu (schemat %1)</source>
        <translation>Dziennik przelewów pochodzi z nowszej wersji programu (schemat %1)</translation>
    </message>
    <message>
        <source>Nie można zapisać dziennika przelewów: %1</source>
        <translation>Nie można zapisać dziennika przelewów: %1</translation>
    </message>
    <message>
        <source>Nie można zmienić dziennika przelewów: %1</source>
        <translation>Nie można zmienić dziennika przelewów: %1</translation>
    </message>
</context>
</TS>
