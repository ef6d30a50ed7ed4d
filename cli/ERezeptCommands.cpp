#include "ERezeptCommands.h"

#include <iostream>
#include <string>

#include "CommandSupport.h"
#include "boundary/ResultCode.h"
#include "boundary/quillkit.h"
#include "flattext/ERezeptKeys.h"
#include "tevofhir/tevo.h"

namespace cli {

int runERezeptCreate(const Options& options) {
    HostString flatText;
    if (!loadFlatText(options, flatText)) {
        return kExitUsage;
    }
    tevo::flattext::ERezeptReading reading =
        tevo::flattext::readERezeptRecord(flatText, tevo::flattext::ERezeptKeys::WithRecordFields);
    if (!reading.rejection.empty()) {
        std::cerr << reading.rejection << '\n';
        return kExitChecksFailed;
    }
    ExportResult result;
    HostString messages;
    const std::int32_t code = TevoCreateERezeptBundle(&reading.record, &result, &messages);
    return deliverDocument(code, result, messages, options);
}

const char kERezeptCreateHelp[] =
    "Usage: tevofhir erezept-create [options] [FILE]\n"
    "\n"
    "Builds the electronic prescription (eRezept). The date of issue\n"
    "(verordnung.ausstellungsdatum) selects the profile version: from 20230701\n"
    "1.1.0, from 20251001 1.3.2. All checks run; every failed one prints one\n"
    "message.\n"
    "\n"
    "Keys: those of the flat-text export, for example\n"
    "  dokumenteninformationen.prescriptionid, empfaenger.kostentraegertyp,\n"
    "  versicherter.*, person.*, institution.*, verordnung.ausstellungsdatum,\n"
    "  verordnung.fertigarzneimittel.pzn, verordnung.fertigarzneimittel.wirkstoffe\n"
    "  (entries separated by 0x03, six fields by 0x04; use --raw for it), and\n"
    "  verordnung.freitextverordnung.freitextverordnung for a free-text\n"
    "  prescription (this is the flat-text key; \"verordnung.freitextverordnung\"\n"
    "  alone is not a key).\n"
    "Fields the flat-text keys cannot reach take keys starting with \"record.\":\n"
    "  record.verantwortlicheperson.<field>   the responsible person (typ,\n"
    "      nummer, vorname, nachname, hauptteilnachname, titel, vorsatzwort,\n"
    "      namenszusatz, berufsbezeichnung, telematikid)\n"
    "  record.verordnung.<field>   the active ingredient (wirkstoffnummer,\n"
    "      wirkstoffname, wirkstaerke, wirkstaerkeneinheit, wirkstoffbezugsmenge,\n"
    "      wirkstoffbezugsmengeneinheit) and the compounding (rezepturname,\n"
    "      gesamtmenge, gesamtmengeneinheit, herstellungsanweisung, verpackung,\n"
    "      gebrauchsanweisung)\n"
    "  record.verordnung.bestandteil.<n>.<field>   component n (1 to 50) of the\n"
    "      compounding: name, pzn, darreichungsform, menge, einheit,\n"
    "      mengeundeinheit\n"
    "  record.verordnung.fertigarzneimittel.wirkstoff.<n>.<field>   ingredient n\n"
    "      (1 to 50) of the finished product: wirkstoffnummer, wirkstoffname,\n"
    "      wirkstaerke, wirkstaerkeneinheit, bezugsmenge, bezugsmengeneinheit\n"
    "Numbered entries join their list in number order; gaps close up.\n"
    "\n";

}  // namespace cli
