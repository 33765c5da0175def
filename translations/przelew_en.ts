<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>app::BatchModel</name>
    <message>
        <source>Źródło</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Odbiorca</source>
        <translation>Recipient</translation>
    </message>
    <message>
        <source>Rachunek odbiorcy</source>
        <translation>Recipient account</translation>
    </message>
    <message>
        <source>Kwota</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Zleceniodawca</source>
        <translation>Payer</translation>
    </message>
    <message>
        <source>Tytułem</source>
        <translation>Transfer title</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source> – drukowany mimo to</source>
        <translation> – printed all the same</translation>
    </message>
    <message>
        <source> – zaznacz, by mimo to drukować</source>
        <translation> – tick it to print it all the same</translation>
    </message>
    <message>
        <source>Gotowy</source>
        <translation>Ready</translation>
    </message>
</context>
<context>
    <name>app::BatchWindow</name>
    <message>
        <source>Wspólna data</source>
        <translation>Common date</translation>
    </message>
    <message>
        <source>&amp;Wydruk</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Zestaw przelewów</source>
        <translation>Transfer set</translation>
    </message>
    <message>
        <source>Przelew</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Wpłata gotówkowa</source>
        <translation>Cash deposit</translation>
    </message>
    <message>
        <source>&amp;Dodaj pliki…</source>
        <translation>&amp;Add files…</translation>
    </message>
    <message>
        <source>&amp;Usuń</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>W &amp;górę</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>W &amp;dół</source>
        <translation>Move &amp;down</translation>
    </message>
    <message>
        <source>&amp;Zapisz zestaw…</source>
        <translation>&amp;Save set…</translation>
    </message>
    <message>
        <source>Zapisuje zestaw jako plik CSV do otwarcia w następnym miesiącu (Ctrl+S)</source>
        <translation>Saves the set as a CSV file to open next month (Ctrl+S)</translation>
    </message>
    <message>
        <source>Nr rachunku zleceniodawcy</source>
        <translation>Payer account number</translation>
    </message>
    <message>
        <source>Pominięte kolumny – %1</source>
        <translation>Skipped columns – %1</translation>
    </message>
    <message>
        <source>Cannot write the registry file &quot;%1&quot;</source>
        <translation>Cannot write the registry file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>wiersz jest na formularz „%1”, a zestaw na „%2”</source>
        <translation>the row is for the “%1” form, the set for “%2”</translation>
    </message>
    <message>
        <source>Zapisz zestaw</source>
        <translation>Save set</translation>
    </message>
    <message>
        <source>Gotowe do wydruku: %1 z %2</source>
        <translation>Ready to print: %1 of %2</translation>
    </message>
    <message>
        <source>Przelewy (*.txt *.csv);;Pliki tekstowe (*.txt);;Pliki CSV (*.csv);;Wszystkie pliki (*)</source>
        <translation>Transfers (*.txt *.csv);;Text files (*.txt);;CSV files (*.csv);;All files (*)</translation>
    </message>
</context>
<context>
    <name>app::CalibrationDialog</name>
    <message>
        <source>&amp;Drukuj stronę kalibracyjną</source>
        <translation>&amp;Print calibration page</translation>
    </message>
    <message>
        <source>Kalibracja drukarki</source>
        <translation>Printer calibration</translation>
    </message>
    <message>
        <source>Drukarka: %1
Przesunięcie i skala dotyczą wydruku samych danych na gotowym blankiecie. Wydrukuj stronę kalibracyjną i odczytaj z linijek, o ile drukarka przesuwa wydruk.</source>
        <translation>Printer: %1
The offset and the scale apply to printing the values alone onto a pre-printed form. Print the calibration page and read off its rulers how far the printer shifts the print.</translation>
    </message>
    <message>
        <source>Przesunięcie w prawo (X):</source>
        <translation>Offset to the right (X):</translation>
    </message>
    <message>
        <source>Przesunięcie w dół (Y):</source>
        <translation>Offset down (Y):</translation>
    </message>
    <message>
        <source>Skala:</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>app::ColumnsDialog</name>
    <message>
        <source>pomiń</source>
        <translation>skip</translation>
    </message>
    <message>
        <source>Nazwa odbiorcy</source>
        <translation>Recipient name</translation>
    </message>
    <message>
        <source>Rachunek odbiorcy</source>
        <translation>Recipient account</translation>
    </message>
    <message>
        <source>Kwota</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Tytułem</source>
        <translation>Transfer title</translation>
    </message>
    <message>
        <source>Nazwa zleceniodawcy</source>
        <translation>Payer name</translation>
    </message>
    <message>
        <source>Rachunek zleceniodawcy</source>
        <translation>Payer account</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Kolumny pliku</source>
        <translation>File columns</translation>
    </message>
    <message>
        <source>Plik „%1” ma kolumny, których nazw program nie zna. Wskaż, co zawiera każda z nich:</source>
        <translation>The file “%1” has columns whose names the program does not know. Choose what each of them holds:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>app::CsvFiles</name>
    <message>
        <source>Pliki CSV (*.csv);;Wszystkie pliki (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku „%1”: %2</source>
        <translation>Cannot save the file “%1”: %2</translation>
    </message>
</context>
<context>
    <name>app::FormOptions</name>
    <message>
        <source>Tylko dane</source>
        <translation>Values only</translation>
    </message>
    <message>
        <source>Tylko dane (na gotowym blankiecie)</source>
        <translation>Values only (on a pre-printed form)</translation>
    </message>
    <message>
        <source>Kalibracja…</source>
        <translation>Calibration…</translation>
    </message>
    <message>
        <source>Kalibracja drukarki</source>
        <translation>Printer calibration</translation>
    </message>
    <message>
        <source>Nie ma żadnej drukarki do skalibrowania</source>
        <translation>There is no printer to calibrate</translation>
    </message>
    <message>
        <source>Cannot write the registry file &quot;%1&quot;</source>
        <translation>Cannot write the registry file &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>app::HistoryWindow</name>
    <message>
        <source>Wydrukowano</source>
        <translation>Printed</translation>
    </message>
    <message>
        <source>Odbiorca</source>
        <translation>Recipient</translation>
    </message>
    <message>
        <source>Rachunek</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Kwota</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Tytułem</source>
        <translation>Transfer title</translation>
    </message>
    <message>
        <source>Formularz</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Jak</source>
        <translation>How</translation>
    </message>
    <message>
        <source>wpłata</source>
        <translation>deposit</translation>
    </message>
    <message>
        <source>przelew</source>
        <translation>transfer</translation>
    </message>
    <message>
        <source>&amp;Od:</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>&amp;Do:</source>
        <translation>&amp;To:</translation>
    </message>
    <message>
        <source>Drukuj &amp;ponownie</source>
        <translation>Print &amp;again</translation>
    </message>
    <message>
        <source>&amp;Eksportuj CSV…</source>
        <translation>&amp;Export CSV…</translation>
    </message>
    <message>
        <source>&amp;Usuń…</source>
        <translation>&amp;Remove…</translation>
    </message>
    <message>
        <source>Historia przelewów</source>
        <translation>Transfer history</translation>
    </message>
    <message>
        <source>odbiorca, zleceniodawca, rachunek, tytuł lub kwota</source>
        <translation>recipient, payer, account, title or amount</translation>
    </message>
    <message>
        <source>&amp;Szukaj:</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <source>Eksportuj CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Usunąć z historii zaznaczone przelewy (%1)?</source>
        <translation>Remove the selected transfers (%1) from the history?</translation>
    </message>
</context>
<context>
    <name>app::PayeeDialog</name>
    <message>
        <source>Nazwa:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Rachunek:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>NIP:</source>
        <translation>Tax ID:</translation>
    </message>
    <message>
        <source>Tytuł:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Uwagi:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Podaj nazwę lub rachunek kontrahenta</source>
        <translation>Enter the payee&apos;s name or account</translation>
    </message>
</context>
<context>
    <name>app::PayeeTableModel</name>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Rachunek</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>NIP</source>
        <translation>Tax ID</translation>
    </message>
    <message>
        <source>Tytuł</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Ostatnio zapłacono</source>
        <translation>Last paid</translation>
    </message>
</context>
<context>
    <name>app::PayeeWindow</name>
    <message>
        <source>Kontrahenci</source>
        <translation>Payees</translation>
    </message>
    <message>
        <source>Szukaj w nazwie lub rachunku</source>
        <translation>Search in name or account</translation>
    </message>
    <message>
        <source>Użyj</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Dodaj…</source>
        <translation>Add…</translation>
    </message>
    <message>
        <source>Zmień…</source>
        <translation>Edit…</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Połącz</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>Importuj CSV…</source>
        <translation>Import CSV…</translation>
    </message>
    <message>
        <source>Eksportuj CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Nowy kontrahent</source>
        <translation>New payee</translation>
    </message>
    <message>
        <source>Kontrahent</source>
        <translation>Payee</translation>
    </message>
    <message>
        <source>Usunąć z książki kontrahenta „%1”?</source>
        <translation>Remove the payee “%1” from the book?</translation>
    </message>
    <message>
        <source>Usunąć z książki %1 kontrahentów?</source>
        <translation>Remove %1 payees from the book?</translation>
    </message>
    <message>
        <source>Zaznacz dwóch kontrahentów do połączenia</source>
        <translation>Select two payees to merge</translation>
    </message>
    <message>
        <source>Połączyć „%1” i „%2” w jednego kontrahenta? Zostanie „%1” z rachunkiem %3.</source>
        <translation>Merge “%1” and “%2” into one payee? “%1” with the account %3 will remain.</translation>
    </message>
    <message>
        <source>Importuj kontrahentów</source>
        <translation>Import payees</translation>
    </message>
    <message>
        <source>Pliki CSV (*.csv);;Wszystkie pliki (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Nie można wczytać kontrahentów z „%1”: %2</source>
        <translation>Cannot read payees from “%1”: %2</translation>
    </message>
    <message>
        <source>Dodano kontrahentów: %1. Już byli w książce: %2.</source>
        <translation>Payees added: %1. Already in the book: %2.</translation>
    </message>
    <message>
        <source>Eksportuj kontrahentów</source>
        <translation>Export payees</translation>
    </message>
</context>
<context>
    <name>app::PayerChoice</name>
    <message>
        <source>Zleceniodawca: ostatnio używany rachunek lub zapisany profil</source>
        <translation>Payer: the account used last or a saved profile</translation>
    </message>
    <message>
        <source>Zleceniodawca…</source>
        <translation>Payer…</translation>
    </message>
</context>
<context>
    <name>app::PaymentCodeWindow</name>
    <message>
        <source>&amp;Zapisz…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <source>Kod do zapłaty telefonem</source>
        <translation>Pay-by-phone code</translation>
    </message>
    <message>
        <source>10 cyfr, nieobowiązkowy</source>
        <translation>10 digits, optional</translation>
    </message>
    <message>
        <source>NIP odbiorcy:</source>
        <translation>Recipient&apos;s tax ID:</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Tego przelewu nie da się zapisać w kodzie.</source>
        <translation>This transfer cannot be put into a code.</translation>
    </message>
    <message>
        <source>Zapisz kod</source>
        <translation>Save code</translation>
    </message>
    <message>
        <source>Obraz PNG (*.png);;Rysunek SVG (*.svg)</source>
        <translation>PNG image (*.png);;SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Cannot create file &quot;%1&quot;. %2</translation>
    </message>
</context>
<context>
    <name>app::PrintLog</name>
    <message>
        <source>Dziennik przelewów był zajęty przez inny program; %1 przelewów nie zapisano w nim – zachowano je w pliku „%2”</source>
        <translation>The transfer log was held by another program; %1 transfers were not saved in it – they were kept in the file “%2”</translation>
    </message>
    <message>
        <source>Dziennik przelewów był zajęty przez inny program; %1 przelewów nie zapisano ani w nim, ani w pliku „%2”: %3</source>
        <translation>The transfer log was held by another program; %1 transfers were saved neither in it nor in the file “%2”: %3</translation>
    </message>
    <message>
        <source>; program działa dalej bez dziennika przelewów</source>
        <translation>; the program carries on without the transfer log</translation>
    </message>
</context>
<context>
    <name>app::TDateEdit</name>
    <message>
        <source>Nieporawna data</source>
        <translation>Invalid date</translation>
    </message>
    <message>
        <source>Dziś</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Wyczyść</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>app::TPropertiesStore</name>
    <message>
        <source>Cannot read the registry file &quot;%1&quot;. %2</source>
        <translation>Cannot read the registry file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The registry file &quot;%1&quot; was damaged and has been kept as &quot;%2&quot;; the payer account starts empty</source>
        <translation>The registry file &quot;%1&quot; was damaged and has been kept as &quot;%2&quot;; the payer account starts empty</translation>
    </message>
    <message>
        <source>Can&apos;t create the registry key: \%1</source>
        <translation>Can&apos;t create the registry key: \%1</translation>
    </message>
</context>
<context>
    <name>app::TfMenu</name>
    <message>
        <source>&amp;Nowy przelew</source>
        <translation>&amp;New transfer</translation>
    </message>
    <message>
        <source>Nowy przelew wpisany ręcznie</source>
        <translation>A new transfer typed in by hand</translation>
    </message>
    <message>
        <source>&amp;Otwórz</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Otwiera plik z danymi do przelewu</source>
        <translation>Opens a file with the data of a transfer</translation>
    </message>
    <message>
        <source>&amp;Wydruk</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Wydruk przelewu</source>
        <translation>Prints the transfer</translation>
    </message>
    <message>
        <source>Otwórz wiele…</source>
        <translation>Open several…</translation>
    </message>
    <message>
        <source>Otwiera wiele plików przelewów lub plik CSV</source>
        <translation>Opens several transfer files or a CSV file</translation>
    </message>
    <message>
        <source>Kod do zapłaty telefonem…</source>
        <translation>Pay-by-phone code…</translation>
    </message>
    <message>
        <source>Historia…</source>
        <translation>History…</translation>
    </message>
    <message>
        <source>Kontrahenci…</source>
        <translation>Payees…</translation>
    </message>
    <message>
        <source>Zapisz zleceniodawcę</source>
        <translation>Save payer</translation>
    </message>
    <message>
        <source>Zapisuje nazwę i rachunek zleceniodawcy jako profil do wyboru</source>
        <translation>Saves the payer&apos;s name and account as a profile to choose from</translation>
    </message>
    <message>
        <source>Usuń zleceniodawcę</source>
        <translation>Remove payer</translation>
    </message>
    <message>
        <source>Przelew</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Wpłata gotówkowa</source>
        <translation>Cash deposit</translation>
    </message>
    <message>
        <source>Cannot write the registry file &quot;%1&quot;</source>
        <translation>Cannot write the registry file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Wyjście</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Dane</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Nazwa odbiorcy</source>
        <translation>Recipient name</translation>
    </message>
    <message>
        <source>Nr rachunku odbiorcy</source>
        <translation>Recipient account number</translation>
    </message>
    <message>
        <source>Kwota</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Nr rachunku zleceniodawcy</source>
        <translation>Payer account number</translation>
    </message>
    <message>
        <source>Nazwa zleceniodawcy</source>
        <translation>Payer name</translation>
    </message>
    <message>
        <source>Tytułem</source>
        <translation>Transfer title</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Wpisz rachunek zleceniodawcy, by go zapisać</source>
        <translation>Enter the payer&apos;s account to save it</translation>
    </message>
    <message>
        <source>Ten rachunek należy w książce do: %1</source>
        <translation>In the payee book this account belongs to: %1</translation>
    </message>
    <message>
        <source>Pliki tekstowe (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Wszystkie pliki (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>Faktury ustrukturyzowane (*.xml)</source>
        <translation>Structured invoices (*.xml)</translation>
    </message>
    <message>
        <source>Wiersz %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source> – przyjęto dzisiejszą</source>
        <translation> – today&apos;s date taken</translation>
    </message>
    <message>
        <source>Plik nie zawiera danych przelewu.</source>
        <translation>The file contains no transfer data.</translation>
    </message>
    <message>
        <source>Faktury z pliku „%1” nie można zapłacić: %2.</source>
        <translation>The invoice in the file “%1” cannot be paid: %2.</translation>
    </message>
    <message>
        <source>Dziennik przelewów nie jest dostępny</source>
        <translation>The transfer log is not available</translation>
    </message>
    <message>
        <source>Ten przelew wydrukowano już %1. Drukować go mimo to?</source>
        <translation>This transfer was already printed on %1. Print it anyway?</translation>
    </message>
</context>
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
    <message>
        <source>The print job for &quot;%1&quot; could not be created: %2</source>
        <translation>The print job for &quot;%1&quot; could not be created: %2</translation>
    </message>
    <message>
        <source>The print job for &quot;%1&quot; could not be sent: %2</source>
        <translation>The print job for &quot;%1&quot; could not be sent: %2</translation>
    </message>
    <message>
        <source>The print job for &quot;%1&quot; could not be released: %2</source>
        <translation>The print job for &quot;%1&quot; could not be released: %2</translation>
    </message>
</context>
<context>
    <name>preview::TRpPrintDialog</name>
    <message>
        <source>A list of pages, odd or even pages only and reverse order cannot be printed: choose all pages or a range from one page to another</source>
        <translation>A list of pages, odd or even pages only and reverse order cannot be printed: choose all pages or a range from one page to another</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
    <name>printout</name>
    <message>
        <source>nazwa odbiorcy</source>
        <translation>recipient name</translation>
    </message>
    <message>
        <source>nr rachunku odbiorcy</source>
        <translation>recipient account number</translation>
    </message>
    <message>
        <source>kwota</source>
        <translation>amount</translation>
    </message>
    <message>
        <source>nr rachunku zleceniodawcy</source>
        <translation>payer account number</translation>
    </message>
    <message>
        <source>nazwa zleceniodawcy</source>
        <translation>payer name</translation>
    </message>
    <message>
        <source>tytułem</source>
        <translation>transfer title</translation>
    </message>
    <message>
        <source>znak</source>
        <translation>character</translation>
    </message>
    <message>
        <source>znaki</source>
        <translation>characters</translation>
    </message>
    <message>
        <source>znaków</source>
        <translation>characters</translation>
    </message>
    <message>
        <source>Wpłata gotówkowa nie może mieć ujemnej kwoty.</source>
        <translation>A cash deposit cannot have a negative amount.</translation>
    </message>
    <message>
        <source>Kwota %1 jest za duża, by zapisać ją słownie.</source>
        <translation>The amount %1 is too large to be written in words.</translation>
    </message>
    <message>
        <source>Kwota słownie nie zmieści się na blankiecie nawet pismem %1 pkt: „%2”.</source>
        <translation>The amount in words does not fit on the form even at %1 pt: &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 (%2, mieści się %3)</source>
        <translation>%1 (%2, the form holds %3)</translation>
    </message>
    <message>
        <source>Nie zmieści się na blankiecie: %1</source>
        <translation>Will not fit on the form: %1</translation>
    </message>
    <message>
        <source>Wydrukuje się jako „?”: %1</source>
        <translation>Will print as &quot;?&quot;: %1</translation>
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
    <name>transfer</name>
    <message>
        <source>Błędna suma kontrolna numeru rachunku</source>
        <translation>The account number&apos;s check digits are wrong</translation>
    </message>
    <message>
        <source>The file has no header row</source>
        <translation>The file has no header row</translation>
    </message>
    <message>
        <source>The quotes of the header row do not pair up</source>
        <translation>The quotes of the header row do not pair up</translation>
    </message>
    <message>
        <source>The header row names neither the recipient&apos;s name nor the recipient&apos;s account column; its columns are: %1</source>
        <translation>The header row names neither the recipient&apos;s name nor the recipient&apos;s account column; its columns are: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>NIP odbiorcy ma 10 cyfr</source>
        <translation>The recipient&apos;s tax ID has 10 digits</translation>
    </message>
    <message>
        <source>Kod wymaga rachunku odbiorcy z 26 cyfr</source>
        <translation>The code needs a recipient account of 26 digits</translation>
    </message>
    <message>
        <source>Kwota nie może być ujemna</source>
        <translation>The amount cannot be negative</translation>
    </message>
    <message>
        <source>Kwoty powyżej 9 999,99 zł nie da się zapisać w kodzie do zapłaty telefonem</source>
        <translation>An amount above 9 999,99 zł cannot be written into the pay-by-phone code</translation>
    </message>
</context>
<context>
    <name>transfer::PayeeBook</name>
    <message>
        <source>Nie można zapisać książki kontrahentów: %1</source>
        <translation>Cannot save the payee book: %1</translation>
    </message>
    <message>
        <source>W książce jest już kontrahent o tej nazwie i tym rachunku</source>
        <translation>The book already has a payee with this name and account</translation>
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
