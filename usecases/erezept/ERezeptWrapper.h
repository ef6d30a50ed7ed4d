// The eRezept prescription of one profile version: checks its data and
// writes the document. `erezept1_1_0_Wrapper` and `erezept1_3_2_Wrapper`
// are this class for the two versions.
#pragma once

#include <string>
#include <utility>

#include "boundary/ProfileVersion.h"
#include "boundary/Wrapper.h"
#include "usecases/erezept/ERezeptData.h"

namespace fhir {

namespace erezept {
struct ERezept110;
struct ERezept132;
}  // namespace erezept

// `kVersion` selects the checks, `Profiles` the profile set of the builders.
template <tevo::ProfileVersion kVersion, class Profiles>
class ERezeptWrapper : public Wrapper {
public:
    ERezeptWrapper() = default;
    ~ERezeptWrapper() = default;

    void setData(const ERezeptData& data) { data_ = data; }
    void setData(ERezeptData&& data) { data_ = std::move(data); }
    // Runs every check of the prescription; true when none failed.
    bool run() override;
    // The written Bundle (UTF-8, with XML declaration).
    std::string getDocumentText() const;

private:
    ERezeptData data_;
};

class erezept1_1_0_Wrapper : public ERezeptWrapper<tevo::ProfileVersion::V1_1, erezept::ERezept110> {};
class erezept1_3_2_Wrapper : public ERezeptWrapper<tevo::ProfileVersion::V1_2, erezept::ERezept132> {};

}  // namespace fhir
