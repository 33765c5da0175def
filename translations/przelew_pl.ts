<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>app::BatchModel</name>
    <message>
        <source>Źródło</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Odbiorca</source>
        <translation>Odbiorca</translation>
    </message>
    <message>
        <source>Rachunek odbiorcy</source>
        <translation>Rachunek odbiorcy</translation>
    </message>
    <message>
        <source>Kwota</source>
        <translation>Kwota</translation>
    </message>
    <message>
        <source>Zleceniodawca</source>
        <translation>Zleceniodawca</translation>
    </message>
    <message>
        <source>Tytułem</source>
        <translation>Tytułem</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source> – drukowany mimo to</source>
        <translation> – drukowany mimo to</translation>
    </message>
    <message>
        <source> – zaznacz, by mimo to drukować</source>
        <translation> – zaznacz, by mimo to drukować</translation>
    </message>
    <message>
        <source>Gotowy</source>
        <translation>Gotowy</translation>
    </message>
</context>
<context>
    <name>app::BatchWindow</name>
    <message>
        <source>Wspólna data</source>
        <translation>Wspólna data</translation>
    </message>
    <message>
        <source>&amp;Wydruk</source>
        <translation>&amp;Wydruk</translation>
    </message>
    <message>
        <source>Zestaw przelewów</source>
        <translation>Zestaw przelewów</translation>
    </message>
    <message>
        <source>Przelew</source>
        <translation>Przelew</translation>
    </message>
    <message>
        <source>Wpłata gotówkowa</source>
        <translation>Wpłata gotówkowa</translation>
    </message>
    <message>
        <source>&amp;Dodaj pliki…</source>
        <translation>&amp;Dodaj pliki…</translation>
    </message>
    <message>
        <source>&amp;Usuń</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>W &amp;górę</source>
        <translation>W &amp;górę</translation>
    </message>
    <message>
        <source>W &amp;dół</source>
        <translation>W &amp;dół</translation>
    </message>
    <message>
        <source>&amp;Zapisz zestaw…</source>
        <translation>&amp;Zapisz zestaw…</translation>
    </message>
    <message>
        <source>Zapisuje zestaw jako plik CSV do otwarcia w następnym miesiącu (Ctrl+S)</source>
        <translation>Zapisuje zestaw jako plik CSV do otwarcia w następnym miesiącu (Ctrl+S)</translation>
    </message>
    <message>
        <source>Nr rachunku zleceniodawcy</source>
        <translation>Nr rachunku zleceniodawcy</translation>
    </message>
    <message>
        <source>Pominięte kolumny – %1</source>
        <translation>Pominięte kolumny – %1</translation>
    </message>
    <message>
        <source>Cannot write the registry file &quot;%1&quot;</source>
        <translation>Nie można zapisać pliku rejestru „%1”</translation>
    </message>
    <message>
        <source>wiersz jest na formularz „%1”, a zestaw na „%2”</source>
        <translation>wiersz jest na formularz „%1”, a zestaw na „%2”</translation>
    </message>
    <message>
        <source>Zapisz zestaw</source>
        <translation>Zapisz zestaw</translation>
    </message>
    <message>
        <source>Gotowe do wydruku: %1 z %2</source>
        <translation>Gotowe do wydruku: %1 z %2</translation>
    </message>
    <message>
        <source>Przelewy (*.txt *.csv);;Pliki tekstowe (*.txt);;Pliki CSV (*.csv);;Wszystkie pliki (*)</source>
        <translation>Przelewy (*.txt *.csv);;Pliki tekstowe (*.txt);;Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>app::CalibrationDialog</name>
    <message>
        <source>&amp;Drukuj stronę kalibracyjną</source>
        <translation>&amp;Drukuj stronę kalibracyjną</translation>
    </message>
    <message>
        <source>Kalibracja drukarki</source>
        <translation>Kalibracja drukarki</translation>
    </message>
    <message>
        <source>Drukarka: %1
Przesunięcie i skala dotyczą wydruku samych danych na gotowym blankiecie. Wydrukuj stronę kalibracyjną i odczytaj z linijek, o ile drukarka przesuwa wydruk.</source>
        <translation>Drukarka: %1
Przesunięcie i skala dotyczą wydruku samych danych na gotowym blankiecie. Wydrukuj stronę kalibracyjną i odczytaj z linijek, o ile drukarka przesuwa wydruk.</translation>
    </message>
    <message>
        <source>Przesunięcie w prawo (X):</source>
        <translation>Przesunięcie w prawo (X):</translation>
    </message>
    <message>
        <source>Przesunięcie w dół (Y):</source>
        <translation>Przesunięcie w dół (Y):</translation>
    </message>
    <message>
        <source>Skala:</source>
        <translation>Skala:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>app::ColumnsDialog</name>
    <message>
        <source>pomiń</source>
        <translation>pomiń</translation>
    </message>
    <message>
        <source>Nazwa odbiorcy</source>
        <translation>Nazwa odbiorcy</translation>
    </message>
    <message>
        <source>Rachunek odbiorcy</source>
        <translation>Rachunek odbiorcy</translation>
    </message>
    <message>
        <source>Kwota</source>
        <translation>Kwota</translation>
    </message>
    <message>
        <source>Tytułem</source>
        <translation>Tytułem</translation>
    </message>
    <message>
        <source>Nazwa zleceniodawcy</source>
        <translation>Nazwa zleceniodawcy</translation>
    </message>
    <message>
        <source>Rachunek zleceniodawcy</source>
        <translation>Rachunek zleceniodawcy</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Kolumny pliku</source>
        <translation>Kolumny pliku</translation>
    </message>
    <message>
        <source>Plik „%1” ma kolumny, których nazw program nie zna. Wskaż, co zawiera każda z nich:</source>
        <translation>Plik „%1” ma kolumny, których nazw program nie zna. Wskaż, co zawiera każda z nich:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>app::CsvFiles</name>
    <message>
        <source>Pliki CSV (*.csv);;Wszystkie pliki (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku „%1”: %2</source>
        <translation>Nie można zapisać pliku „%1”: %2</translation>
    </message>
</context>
<context>
    <name>app::FormOptions</name>
    <message>
        <source>Tylko dane</source>
        <translation>Tylko dane</translation>
    </message>
    <message>
        <source>Tylko dane (na gotowym blankiecie)</source>
        <translation>Tylko dane (na gotowym blankiecie)</translation>
    </message>
    <message>
        <source>Kalibracja…</source>
        <translation>Kalibracja…</translation>
    </message>
    <message>
        <source>Kalibracja drukarki</source>
        <translation>Kalibracja drukarki</translation>
    </message>
    <message>
        <source>Nie ma żadnej drukarki do skalibrowania</source>
        <translation>Nie ma żadnej drukarki do skalibrowania</translation>
    </message>
    <message>
        <source>Cannot write the registry file &quot;%1&quot;</source>
        <translation>Nie można zapisać pliku rejestru „%1”</translation>
    </message>
</context>
<context>
    <name>app::HistoryWindow</name>
    <message>
        <source>Wydrukowano</source>
        <translation>Wydrukowano</translation>
    </message>
    <message>
        <source>Odbiorca</source>
        <translation>Odbiorca</translation>
    </message>
    <message>
        <source>Rachunek</source>
        <translation>Rachunek</translation>
    </message>
    <message>
        <source>Kwota</source>
        <translation>Kwota</translation>
    </message>
    <message>
        <source>Tytułem</source>
        <translation>Tytułem</translation>
    </message>
    <message>
        <source>Formularz</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Jak</source>
        <translation>Jak</translation>
    </message>
    <message>
        <source>wpłata</source>
        <translation>wpłata</translation>
    </message>
    <message>
        <source>przelew</source>
        <translation>przelew</translation>
    </message>
    <message>
        <source>&amp;Od:</source>
        <translation>&amp;Od:</translation>
    </message>
    <message>
        <source>&amp;Do:</source>
        <translation>&amp;Do:</translation>
    </message>
    <message>
        <source>Drukuj &amp;ponownie</source>
        <translation>Drukuj &amp;ponownie</translation>
    </message>
    <message>
        <source>&amp;Eksportuj CSV…</source>
        <translation>&amp;Eksportuj CSV…</translation>
    </message>
    <message>
        <source>&amp;Usuń…</source>
        <translation>&amp;Usuń…</translation>
    </message>
    <message>
        <source>Historia przelewów</source>
        <translation>Historia przelewów</translation>
    </message>
    <message>
        <source>odbiorca, zleceniodawca, rachunek, tytuł lub kwota</source>
        <translation>odbiorca, zleceniodawca, rachunek, tytuł lub kwota</translation>
    </message>
    <message>
        <source>&amp;Szukaj:</source>
        <translation>&amp;Szukaj:</translation>
    </message>
    <message>
        <source>Eksportuj CSV</source>
        <translation>Eksportuj CSV</translation>
    </message>
    <message>
        <source>Usunąć z historii zaznaczone przelewy (%1)?</source>
        <translation>Usunąć z historii zaznaczone przelewy (%1)?</translation>
    </message>
</context>
<context>
    <name>app::PayeeDialog</name>
    <message>
        <source>Nazwa:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Rachunek:</source>
        <translation>Rachunek:</translation>
    </message>
    <message>
        <source>NIP:</source>
        <translation>NIP:</translation>
    </message>
    <message>
        <source>Tytuł:</source>
        <translation>Tytuł:</translation>
    </message>
    <message>
        <source>Uwagi:</source>
        <translation>Uwagi:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Podaj nazwę lub rachunek kontrahenta</source>
        <translation>Podaj nazwę lub rachunek kontrahenta</translation>
    </message>
</context>
<context>
    <name>app::PayeeTableModel</name>
    <message>
        <source>Nazwa</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Rachunek</source>
        <translation>Rachunek</translation>
    </message>
    <message>
        <source>NIP</source>
        <translation>NIP</translation>
    </message>
    <message>
        <source>Tytuł</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Ostatnio zapłacono</source>
        <translation>Ostatnio zapłacono</translation>
    </message>
</context>
<context>
    <name>app::PayeeWindow</name>
    <message>
        <source>Kontrahenci</source>
        <translation>Kontrahenci</translation>
    </message>
    <message>
        <source>Szukaj w nazwie lub rachunku</source>
        <translation>Szukaj w nazwie lub rachunku</translation>
    </message>
    <message>
        <source>Użyj</source>
        <translation>Użyj</translation>
    </message>
    <message>
        <source>Dodaj…</source>
        <translation>Dodaj…</translation>
    </message>
    <message>
        <source>Zmień…</source>
        <translation>Zmień…</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Połącz</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Importuj CSV…</source>
        <translation>Importuj CSV…</translation>
    </message>
    <message>
        <source>Eksportuj CSV…</source>
        <translation>Eksportuj CSV…</translation>
    </message>
    <message>
        <source>Nowy kontrahent</source>
        <translation>Nowy kontrahent</translation>
    </message>
    <message>
        <source>Kontrahent</source>
        <translation>Kontrahent</translation>
    </message>
    <message>
        <source>Usunąć z książki kontrahenta „%1”?</source>
        <translation>Usunąć z książki kontrahenta „%1”?</translation>
    </message>
    <message>
        <source>Usunąć z książki %1 kontrahentów?</source>
        <translation>Usunąć z książki %1 kontrahentów?</translation>
    </message>
    <message>
        <source>Zaznacz dwóch kontrahentów do połączenia</source>
        <translation>Zaznacz dwóch kontrahentów do połączenia</translation>
    </message>
    <message>
        <source>Połączyć „%1” i „%2” w jednego kontrahenta? Zostanie „%1” z rachunkiem %3.</source>
        <translation>Połączyć „%1” i „%2” w jednego kontrahenta? Zostanie „%1” z rachunkiem %3.</translation>
    </message>
    <message>
        <source>Importuj kontrahentów</source>
        <translation>Importuj kontrahentów</translation>
    </message>
    <message>
        <source>Pliki CSV (*.csv);;Wszystkie pliki (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Nie można wczytać kontrahentów z „%1”: %2</source>
        <translation>Nie można wczytać kontrahentów z „%1”: %2</translation>
    </message>
    <message>
        <source>Dodano kontrahentów: %1. Już byli w książce: %2.</source>
        <translation>Dodano kontrahentów: %1. Już byli w książce: %2.</translation>
    </message>
    <message>
        <source>Eksportuj kontrahentów</source>
        <translation>Eksportuj kontrahentów</translation>
    </message>
</context>
<context>
    <name>app::PayerChoice</name>
    <message>
        <source>Zleceniodawca: ostatnio używany rachunek lub zapisany profil</source>
        <translation>Zleceniodawca: ostatnio używany rachunek lub zapisany profil</translation>
    </message>
    <message>
        <source>Zleceniodawca…</source>
        <translation>Zleceniodawca…</translation>
    </message>
</context>
<context>
    <name>app::PaymentCodeWindow</name>
    <message>
        <source>&amp;Zapisz…</source>
        <translation>&amp;Zapisz…</translation>
    </message>
    <message>
        <source>Kod do zapłaty telefonem</source>
        <translation>Kod do zapłaty telefonem</translation>
    </message>
    <message>
        <source>10 cyfr, nieobowiązkowy</source>
        <translation>10 cyfr, nieobowiązkowy</translation>
    </message>
    <message>
        <source>NIP odbiorcy:</source>
        <translation>NIP odbiorcy:</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Tego przelewu nie da się zapisać w kodzie.</source>
        <translation>Tego przelewu nie da się zapisać w kodzie.</translation>
    </message>
    <message>
        <source>Zapisz kod</source>
        <translation>Zapisz kod</translation>
    </message>
    <message>
        <source>Obraz PNG (*.png);;Rysunek SVG (*.svg)</source>
        <translation>Obraz PNG (*.png);;Rysunek SVG (*.svg)</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Nie można utworzyć pliku „%1”. %2</translation>
    </message>
</context>
<context>
    <name>app::PrintLog</name>
    <message>
        <source>Dziennik przelewów był zajęty przez inny program; %1 przelewów nie zapisano w nim – zachowano je w pliku „%2”</source>
        <translation>Dziennik przelewów był zajęty przez inny program; %1 przelewów nie zapisano w nim – zachowano je w pliku „%2”</translation>
    </message>
    <message>
        <source>Dziennik przelewów był zajęty przez inny program; %1 przelewów nie zapisano ani w nim, ani w pliku „%2”: %3</source>
        <translation>Dziennik przelewów był zajęty przez inny program; %1 przelewów nie zapisano ani w nim, ani w pliku „%2”: %3</translation>
    </message>
    <message>
        <source>; program działa dalej bez dziennika przelewów</source>
        <translation>; program działa dalej bez dziennika przelewów</translation>
    </message>
</context>
<context>
    <name>app::TDateEdit</name>
    <message>
        <source>Nieporawna data</source>
        <translation>Nieporawna data</translation>
    </message>
    <message>
        <source>Dziś</source>
        <translation>Dziś</translation>
    </message>
    <message>
        <source>Wyczyść</source>
        <translation>Wyczyść</translation>
    </message>
</context>
<context>
    <name>app::TPropertiesStore</name>
    <message>
        <source>Cannot read the registry file &quot;%1&quot;. %2</source>
        <translation>Nie można odczytać pliku rejestru „%1”. %2</translation>
    </message>
    <message>
        <source>The registry file &quot;%1&quot; was damaged and has been kept as &quot;%2&quot;; the payer account starts empty</source>
        <translation>Plik rejestru „%1” był uszkodzony i zachowano go jako „%2”; rachunek zleceniodawcy jest pusty</translation>
    </message>
    <message>
        <source>Can&apos;t create the registry key: \%1</source>
        <translation>Nie można utworzyć klucza rejestru: \%1</translation>
    </message>
</context>
<context>
    <name>app::TfMenu</name>
    <message>
        <source>&amp;Nowy przelew</source>
        <translation>&amp;Nowy przelew</translation>
    </message>
    <message>
        <source>Nowy przelew wpisany ręcznie</source>
        <translation>Nowy przelew wpisany ręcznie</translation>
    </message>
    <message>
        <source>&amp;Otwórz</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Otwiera plik z danymi do przelewu</source>
        <translation>Otwiera plik z danymi do przelewu</translation>
    </message>
    <message>
        <source>&amp;Wydruk</source>
        <translation>&amp;Wydruk</translation>
    </message>
    <message>
        <source>Wydruk przelewu</source>
        <translation>Wydruk przelewu</translation>
    </message>
    <message>
        <source>Otwórz wiele…</source>
        <translation>Otwórz wiele…</translation>
    </message>
    <message>
        <source>Otwiera wiele plików przelewów lub plik CSV</source>
        <translation>Otwiera wiele plików przelewów lub plik CSV</translation>
    </message>
    <message>
        <source>Kod do zapłaty telefonem…</source>
        <translation>Kod do zapłaty telefonem…</translation>
    </message>
    <message>
        <source>Historia…</source>
        <translation>Historia…</translation>
    </message>
    <message>
        <source>Kontrahenci…</source>
        <translation>Kontrahenci…</translation>
    </message>
    <message>
        <source>Zapisz zleceniodawcę</source>
        <translation>Zapisz zleceniodawcę</translation>
    </message>
    <message>
        <source>Zapisuje nazwę i rachunek zleceniodawcy jako profil do wyboru</source>
        <translation>Zapisuje nazwę i rachunek zleceniodawcy jako profil do wyboru</translation>
    </message>
    <message>
        <source>Usuń zleceniodawcę</source>
        <translation>Usuń zleceniodawcę</translation>
    </message>
    <message>
        <source>Przelew</source>
        <translation>Przelew</translation>
    </message>
    <message>
        <source>Wpłata gotówkowa</source>
        <translation>Wpłata gotówkowa</translation>
    </message>
    <message>
        <source>Cannot write the registry file &quot;%1&quot;</source>
        <translation>Nie można zapisać pliku rejestru „%1”</translation>
    </message>
    <message>
        <source>Wyjście</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>&amp;Dane</source>
        <translation>&amp;Dane</translation>
    </message>
    <message>
        <source>Nazwa odbiorcy</source>
        <translation>Nazwa odbiorcy</translation>
    </message>
    <message>
        <source>Nr rachunku odbiorcy</source>
        <translation>Nr rachunku odbiorcy</translation>
    </message>
    <message>
        <source>Kwota</source>
        <translation>Kwota</translation>
    </message>
    <message>
        <source>Nr rachunku zleceniodawcy</source>
        <translation>Nr rachunku zleceniodawcy</translation>
    </message>
    <message>
        <source>Nazwa zleceniodawcy</source>
        <translation>Nazwa zleceniodawcy</translation>
    </message>
    <message>
        <source>Tytułem</source>
        <translation>Tytułem</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Wpisz rachunek zleceniodawcy, by go zapisać</source>
        <translation>Wpisz rachunek zleceniodawcy, by go zapisać</translation>
    </message>
    <message>
        <source>Ten rachunek należy w książce do: %1</source>
        <translation>Ten rachunek należy w książce do: %1</translation>
    </message>
    <message>
        <source>Pliki tekstowe (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>Wszystkie pliki (*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Faktury ustrukturyzowane (*.xml)</source>
        <translation>Faktury ustrukturyzowane (*.xml)</translation>
    </message>
    <message>
        <source>Wiersz %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source> – przyjęto dzisiejszą</source>
        <translation> – przyjęto dzisiejszą</translation>
    </message>
    <message>
        <source>Plik nie zawiera danych przelewu.</source>
        <translation>Plik nie zawiera danych przelewu.</translation>
    </message>
    <message>
        <source>Faktury z pliku „%1” nie można zapłacić: %2.</source>
        <translation>Faktury z pliku „%1” nie można zapłacić: %2.</translation>
    </message>
    <message>
        <source>Dziennik przelewów nie jest dostępny</source>
        <translation>Dziennik przelewów nie jest dostępny</translation>
    </message>
    <message>
        <source>Ten przelew wydrukowano już %1. Drukować go mimo to?</source>
        <translation>Ten przelew wydrukowano już %1. Drukować go mimo to?</translation>
    </message>
</context>
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
    <message>
        <source>The print job for &quot;%1&quot; could not be created: %2</source>
        <translation>Nie można utworzyć zadania wydruku na drukarce „%1”: %2</translation>
    </message>
    <message>
        <source>The print job for &quot;%1&quot; could not be sent: %2</source>
        <translation>Nie można wysłać zadania wydruku na drukarkę „%1”: %2</translation>
    </message>
    <message>
        <source>The print job for &quot;%1&quot; could not be released: %2</source>
        <translation>Nie można zwolnić zadania wydruku na drukarce „%1”: %2</translation>
    </message>
</context>
<context>
    <name>preview::TRpPrintDialog</name>
    <message>
        <source>A list of pages, odd or even pages only and reverse order cannot be printed: choose all pages or a range from one page to another</source>
        <translation>Nie można wydrukować listy stron, samych stron nieparzystych lub parzystych ani stron w odwrotnej kolejności: wybierz wszystkie strony albo zakres od jednej strony do drugiej</translation>
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
        <translation>Postęp drukowania</translation>
    </message>
    <message>
        <source>%1%  Completed</source>
        <translation>Ukończono %1%</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
    <name>printout</name>
    <message>
        <source>nazwa odbiorcy</source>
        <translation>nazwa odbiorcy</translation>
    </message>
    <message>
        <source>nr rachunku odbiorcy</source>
        <translation>nr rachunku odbiorcy</translation>
    </message>
    <message>
        <source>kwota</source>
        <translation>kwota</translation>
    </message>
    <message>
        <source>nr rachunku zleceniodawcy</source>
        <translation>nr rachunku zleceniodawcy</translation>
    </message>
    <message>
        <source>nazwa zleceniodawcy</source>
        <translation>nazwa zleceniodawcy</translation>
    </message>
    <message>
        <source>tytułem</source>
        <translation>tytułem</translation>
    </message>
    <message>
        <source>znak</source>
        <translation>znak</translation>
    </message>
    <message>
        <source>znaki</source>
        <translation>znaki</translation>
    </message>
    <message>
        <source>znaków</source>
        <translation>znaków</translation>
    </message>
    <message>
        <source>Wpłata gotówkowa nie może mieć ujemnej kwoty.</source>
        <translation>Wpłata gotówkowa nie może mieć ujemnej kwoty.</translation>
    </message>
    <message>
        <source>Kwota %1 jest za duża, by zapisać ją słownie.</source>
        <translation>Kwota %1 jest za duża, by zapisać ją słownie.</translation>
    </message>
    <message>
        <source>Kwota słownie nie zmieści się na blankiecie nawet pismem %1 pkt: „%2”.</source>
        <translation>Kwota słownie nie zmieści się na blankiecie nawet pismem %1 pkt: „%2”.</translation>
    </message>
    <message>
        <source>%1 (%2, mieści się %3)</source>
        <translation>%1 (%2, mieści się %3)</translation>
    </message>
    <message>
        <source>Nie zmieści się na blankiecie: %1</source>
        <translation>Nie zmieści się na blankiecie: %1</translation>
    </message>
    <message>
        <source>Wydrukuje się jako „?”: %1</source>
        <translation>Wydrukuje się jako „?”: %1</translation>
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
    <name>transfer</name>
    <message>
        <source>Błędna suma kontrolna numeru rachunku</source>
        <translation>Błędna suma kontrolna numeru rachunku</translation>
    </message>
    <message>
        <source>The file has no header row</source>
        <translation>Plik nie ma wiersza nagłówka</translation>
    </message>
    <message>
        <source>The quotes of the header row do not pair up</source>
        <translation>Cudzysłowy wiersza nagłówka nie tworzą par</translation>
    </message>
    <message>
        <source>The header row names neither the recipient&apos;s name nor the recipient&apos;s account column; its columns are: %1</source>
        <translation>Wiersz nagłówka nie wymienia ani kolumny nazwy odbiorcy, ani kolumny rachunku odbiorcy; jego kolumny to: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>NIP odbiorcy ma 10 cyfr</source>
        <translation>NIP odbiorcy ma 10 cyfr</translation>
    </message>
    <message>
        <source>Kod wymaga rachunku odbiorcy z 26 cyfr</source>
        <translation>Kod wymaga rachunku odbiorcy z 26 cyfr</translation>
    </message>
    <message>
        <source>Kwota nie może być ujemna</source>
        <translation>Kwota nie może być ujemna</translation>
    </message>
    <message>
        <source>Kwoty powyżej 9 999,99 zł nie da się zapisać w kodzie do zapłaty telefonem</source>
        <translation>Kwoty powyżej 9 999,99 zł nie da się zapisać w kodzie do zapłaty telefonem</translation>
    </message>
</context>
<context>
    <name>transfer::PayeeBook</name>
    <message>
        <source>Nie można zapisać książki kontrahentów: %1</source>
        <translation>Nie można zapisać książki kontrahentów: %1</translation>
    </message>
    <message>
        <source>W książce jest już kontrahent o tej nazwie i tym rachunku</source>
        <translation>W książce jest już kontrahent o tej nazwie i tym rachunku</translation>
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
