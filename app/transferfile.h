// The transfer data file: single-byte key=value lines written by another program for one transfer.
// Lines end with CR LF, LF or CR; a NUL byte ends the text; the key is everything before the first "=",
// the value everything after it; keys compare without letter case; the first matching line wins;
// nothing is trimmed and no byte order mark is recognised.
#pragma once

#include <string>
#include <string_view>

struct TransferFileValues {
    std::string NDNazwa;
    std::string NDKONTOKONTR;
    std::string NDKonto;
    std::string Kwota;
    std::string WCNazwa;
    std::string Tytulem;
    std::string Data;
};

// Walks the bytes once without building a list of lines, so a file of millions of lines costs no
// more memory than its bytes.
TransferFileValues parseTransferFile(std::string_view bytes);
