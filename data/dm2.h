// SPDX-License-Identifier: GPL-2.0-or-later
// The data module: the transfer record table mtPlat with its 17 fields.
#pragma once

#include "data/memtable.h"

#include <vector>

namespace data {

class TDM2 {
public:
    TDM2();
    TDM2(const TDM2&) = delete;
    TDM2& operator=(const TDM2&) = delete;

    TMemTable mtPlat;
    TField* mtPlatData;
    TField* mtPlatKwota;
    TField* mtPlatWCId;
    TField* mtPlatWCNazwa;
    TField* mtPlatWCMiasto;
    TField* mtPlatWCAdres;
    TField* mtPlatWCBank;
    TField* mtPlatWCKONTOKONTR;
    TField* mtPlatWCKonto;
    TField* mtPlatNDId;
    TField* mtPlatNDNazwa;
    TField* mtPlatNDMiasto;
    TField* mtPlatNDAdres;
    TField* mtPlatNDBank;
    TField* mtPlatNDKONTOKONTR;
    TField* mtPlatNDKonto;
    TField* mtPlatTytulem;

    // The field list of mtPlat, in order.
    static const std::vector<FieldDef>& platFields();
};

} // namespace data
