// The two country code tables (Laenderkennzeichen) as data. A code's value is
// its 1-based position; the comment at the end of each line gives the
// positions of that line.
#include "fhir/r4/codes/CountryCodeTables.h"

#include <iterator>

namespace fhir::codes {
namespace {

// The newer table: 259 codes.
constexpr const char* kNewer[] = {
    "A",   "AFG", "AGO", "AJ",  "AL",  "AND", "ANG", "ANT", "AQ",  "AQU", // 1-10
    "ARM", "AS",  "ASE", "AU",  "AUS", "AW",  "AX",  "B",   "BD",  "BDS", // 11-20
    "BER", "BG",  "BH",  "BHT", "BIH", "BIO", "BJ",  "BL",  "BOL", "BQ",  // 21-30
    "BR",  "BRN", "BRU", "BS",  "BV",  "BY",  "C",   "CAM", "CC",  "CDN", // 31-40
    "CH",  "CHD", "CI",  "CL",  "CO",  "COI", "CP",  "CR",  "CV",  "CW",  // 41-50
    "CX",  "CY",  "CZ",  "D",   "DK",  "DOM", "DSC", "DY",  "DZ",  "E",   // 51-60
    "EAK", "EAT", "EAU", "EC",  "EH",  "ERI", "ES",  "EST", "ET",  "ETH", // 61-70
    "F",   "FAL", "FG",  "FIN", "FJI", "FL",  "FP",  "FR",  "GAB", "GB",  // 71-80
    "GCA", "GEO", "GG",  "GH",  "GIB", "GR",  "GRO", "GS",  "GUA", "GUB", // 81-90
    "GUM", "GUY", "H",   "HCA", "HEL", "HKG", "HM",  "HR",  "HV",  "I",   // 91-100
    "IL",  "IND", "IO",  "IR",  "IRL", "IRQ", "IS",  "J",   "JA",  "JE",  // 101-110
    "JOR", "K",   "KAI", "KAN", "KAS", "KIB", "KIS", "KOM", "KOR", "KOS", // 111-120
    "KWT", "L",   "LAO", "LAR", "LB",  "LS",  "LT",  "LV",  "M",   "MA",  // 121-130
    "MAC", "MAL", "MAN", "MAO", "MAR", "MAT", "MAY", "MC",  "MD",  "MEX", // 131-140
    "MF",  "MIK", "MK",  "MNE", "MON", "MOT", "MOZ", "MS",  "MW",  "MYA", // 141-150
    "N",   "NAU", "NEP", "NF",  "NIC", "NIU", "NKA", "NL",  "NLA", "NMA", // 151-160
    "NZ",  "OTI", "P",   "PA",  "PAL", "PE",  "PIE", "PIN", "PIT", "PK",  // 161-170
    "PL",  "PNG", "PRI", "PSE", "PY",  "QAT", "RA",  "RB",  "RCA", "RCB", // 171-180
    "RCH", "REU", "RG",  "RH",  "RI",  "RIM", "RL",  "RM",  "RMM", "RN",  // 181-190
    "RO",  "ROK", "ROU", "RP",  "RSM", "RU",  "RUS", "RWA", "S",   "SAU", // 191-200
    "SCG", "SCN", "SD",  "SDN", "SGP", "SJ",  "SK",  "SLO", "SME", "SN",  // 201-210
    "SOL", "SP",  "SRB", "SSD", "STP", "SUD", "SWA", "SWZ", "SX",  "SY",  // 211-220
    "SYR", "T",   "TAD", "TF",  "TG",  "TJ",  "TN",  "TOK", "TON", "TR",  // 221-230
    "TT",  "TUC", "TUR", "TUV", "TWN", "UA",  "UAE", "UM",  "USA", "USB", // 231-240
    "V",   "VAN", "VN",  "WAG", "WAL", "WAN", "WD",  "WF",  "WG",  "WL",  // 241-250
    "WS",  "WV",  "YEM", "YU",  "YV",  "Z",   "ZA",  "ZRE", "ZW",         // 251-259
};

// The older table: the newer one without AQ, AU, AW, AX, BL, BQ, BV, CC, CP,
// CW, CX, EH, GG, GS, HM, IO, JE, MF, NF, SJ, SWZ, SX, TF, UM and WF.
constexpr const char* kOlder[] = {
    "A",   "AFG", "AGO", "AJ",  "AL",  "AND", "ANG", "ANT", "AQU", "ARM", // 1-10
    "AS",  "ASE", "AUS", "B",   "BD",  "BDS", "BER", "BG",  "BH",  "BHT", // 11-20
    "BIH", "BIO", "BJ",  "BOL", "BR",  "BRN", "BRU", "BS",  "BY",  "C",   // 21-30
    "CAM", "CDN", "CH",  "CHD", "CI",  "CL",  "CO",  "COI", "CR",  "CV",  // 31-40
    "CY",  "CZ",  "D",   "DK",  "DOM", "DSC", "DY",  "DZ",  "E",   "EAK", // 41-50
    "EAT", "EAU", "EC",  "ERI", "ES",  "EST", "ET",  "ETH", "F",   "FAL", // 51-60
    "FG",  "FIN", "FJI", "FL",  "FP",  "FR",  "GAB", "GB",  "GCA", "GEO", // 61-70
    "GH",  "GIB", "GR",  "GRO", "GUA", "GUB", "GUM", "GUY", "H",   "HCA", // 71-80
    "HEL", "HKG", "HR",  "HV",  "I",   "IL",  "IND", "IR",  "IRL", "IRQ", // 81-90
    "IS",  "J",   "JA",  "JOR", "K",   "KAI", "KAN", "KAS", "KIB", "KIS", // 91-100
    "KOM", "KOR", "KOS", "KWT", "L",   "LAO", "LAR", "LB",  "LS",  "LT",  // 101-110
    "LV",  "M",   "MA",  "MAC", "MAL", "MAN", "MAO", "MAR", "MAT", "MAY", // 111-120
    "MC",  "MD",  "MEX", "MIK", "MK",  "MNE", "MON", "MOT", "MOZ", "MS",  // 121-130
    "MW",  "MYA", "N",   "NAU", "NEP", "NIC", "NIU", "NKA", "NL",  "NLA", // 131-140
    "NMA", "NZ",  "OTI", "P",   "PA",  "PAL", "PE",  "PIE", "PIN", "PIT", // 141-150
    "PK",  "PL",  "PNG", "PRI", "PSE", "PY",  "QAT", "RA",  "RB",  "RCA", // 151-160
    "RCB", "RCH", "REU", "RG",  "RH",  "RI",  "RIM", "RL",  "RM",  "RMM", // 161-170
    "RN",  "RO",  "ROK", "ROU", "RP",  "RSM", "RU",  "RUS", "RWA", "S",   // 171-180
    "SAU", "SCG", "SCN", "SD",  "SDN", "SGP", "SK",  "SLO", "SME", "SN",  // 181-190
    "SOL", "SP",  "SRB", "SSD", "STP", "SUD", "SWA", "SY",  "SYR", "T",   // 191-200
    "TAD", "TG",  "TJ",  "TN",  "TOK", "TON", "TR",  "TT",  "TUC", "TUR", // 201-210
    "TUV", "TWN", "UA",  "UAE", "USA", "USB", "V",   "VAN", "VN",  "WAG", // 211-220
    "WAL", "WAN", "WD",  "WG",  "WL",  "WS",  "WV",  "YEM", "YU",  "YV",  // 221-230
    "Z",   "ZA",  "ZRE", "ZW",                                            // 231-234
};

} // namespace

CountryCodeTable countryCodesNew() { return {kNewer, std::size(kNewer)}; }

CountryCodeTable countryCodesOld() { return {kOlder, std::size(kOlder)}; }

} // namespace fhir::codes
