#include "usecases/erezept/checks.h"

#include <string>

#include "boundary/quillkit.h"
#include "usecases/erezept/checksTable.h"

namespace fhir {
namespace {

using namespace erezeptchecks;

// Messages are written in UTF-8 and handed to the host in code page 1252.
class MessageList {
public:
    explicit MessageList(tevo::ProfileVersion version)
        : mask_(version == tevo::ProfileVersion::V1_2 ? kV132 : kV110) {}

    void run(const std::vector<RecordCheck>& checks, const ERezeptData& data) {
        for (const RecordCheck& check : checks) {
            if ((check.versions & mask_) != 0 && check.fails(data)) {
                add(check.buildMessage ? check.buildMessage(data) : std::string(check.message));
            }
        }
    }

    template <class Entry>
    void run(const std::vector<EntryCheck<Entry>>& checks, const std::vector<Entry>& entries) {
        int position = 0;
        for (const Entry& entry : entries) {
            ++position;
            for (const EntryCheck<Entry>& check : checks) {
                if (check.fails(entry)) {
                    add(check.message(entry, position));
                }
            }
        }
    }

    bool newer() const { return mask_ == kV132; }
    std::vector<HostString> take() { return std::move(messages_); }

private:
    void add(const std::string& utf8) { messages_.push_back(UTF8ToAnsi(HostString(utf8))); }

    unsigned mask_;
    std::vector<HostString> messages_;
};

}  // namespace

std::vector<HostString> runERezeptChecks(const ERezeptData& data, tevo::ProfileVersion version) {
    MessageList messages(version);
    for (auto group : {payerChecks, patientChecks, personChecks, institutionChecks, prescriptionChecks,
                       medicationChecks}) {
        messages.run(group(), data);
    }
    const ERezeptFinishedProductData* product = presentFinishedProduct(data);
    if (messages.newer() && product) {
        messages.run(ingredientChecks(), product->wirkstoffe);
    }
    messages.run(activeIngredientChecks(), data);
    messages.run(compoundingChecks(), data);
    if (const ERezeptCompoundingData* compounding = presentCompounding(data)) {
        messages.run(componentChecks(), compounding->bestandteile);
    }
    messages.run(freeTextChecks(), data);
    return messages.take();
}

}  // namespace fhir
