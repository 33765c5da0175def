// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/dm2.h"

namespace data {

const std::vector<FieldDef>& TDM2::platFields()
{
    using T = FieldType;
    static const std::vector<FieldDef> fields {
        { "Data", T::DateTime, 0, "", 12, "", true, "" },
        { "Kwota", T::Float, 0, "", 0, "0.00", true, "" },
        { "WCId", T::Integer, 0, "", 0, "", false, "" },
        { "WCNazwa", T::String, 128, "W cięż. nazwa", 24, "", true, "" },
        { "WCMiasto", T::String, 100, "Kod poczt i miasto", 16, "", true, "" },
        { "WCAdres", T::String, 100, "W cięż. adres", 20, "", true, "" },
        { "WCBank", T::String, 100, "W ciężar bank", 32, "", true, "" },
        { "WCKONTOKONTR", T::String, 2, "WCKL", 0, "", true, "DB.Platnosc.WCKONTOKONTR" },
        { "WCKonto", T::String, 50, "W ciężar konto", 25, "", true, "" },
        { "NDId", T::Integer, 0, "", 0, "", false, "" },
        { "NDNazwa", T::String, 128, "Na dobro Nazwa", 24, "", true, "" },
        { "NDMiasto", T::String, 100, "Na dobro Miasto", 16, "", true, "" },
        { "NDAdres", T::String, 100, "Na dobro Adres", 20, "", true, "" },
        { "NDBank", T::String, 100, "Na dobro Bank", 32, "", true, "" },
        { "NDKONTOKONTR", T::String, 2, "NDKL", 0, "", true, "DB.Platnosc.NDKONTOKONTR" },
        { "NDKonto", T::String, 50, "Na dobro Konto", 25, "", true, "" },
        { "Tytulem", T::String, 255, "Tytułem", 32, "", true, "" },
    };
    return fields;
}

TDM2::TDM2()
    : mtPlat("mtPlat", platFields())
    , mtPlatData(&mtPlat.field(0))
    , mtPlatKwota(&mtPlat.field(1))
    , mtPlatWCId(&mtPlat.field(2))
    , mtPlatWCNazwa(&mtPlat.field(3))
    , mtPlatWCMiasto(&mtPlat.field(4))
    , mtPlatWCAdres(&mtPlat.field(5))
    , mtPlatWCBank(&mtPlat.field(6))
    , mtPlatWCKONTOKONTR(&mtPlat.field(7))
    , mtPlatWCKonto(&mtPlat.field(8))
    , mtPlatNDId(&mtPlat.field(9))
    , mtPlatNDNazwa(&mtPlat.field(10))
    , mtPlatNDMiasto(&mtPlat.field(11))
    , mtPlatNDAdres(&mtPlat.field(12))
    , mtPlatNDBank(&mtPlat.field(13))
    , mtPlatNDKONTOKONTR(&mtPlat.field(14))
    , mtPlatNDKonto(&mtPlat.field(15))
    , mtPlatTytulem(&mtPlat.field(16))
{
}

} // namespace data
