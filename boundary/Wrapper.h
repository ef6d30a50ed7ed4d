// Base of every use-case object: the builders override run with their checks,
// the readers inherit it. Every use-case object lives for one call only.
#pragma once

#include <string>

#include "boundary/HostString.h"

namespace fhir {

class Wrapper {
public:
    Wrapper() = default;
    Wrapper(const Wrapper&) = delete;
    Wrapper& operator=(const Wrapper&) = delete;

    // Every message followed by a line feed, trailing white space removed.
    virtual HostString getMessageText() const;
    // Checks the data; true when no check added a message.
    virtual bool run();

    void addMessage(const HostString& message) { messages_.Add(message); }
    const HostStringArray& messages() const { return messages_; }

protected:
    // Not virtual: use-case objects live on the export's stack.
    ~Wrapper() = default;

    const std::string urnUuidPrefix_ = "urn:uuid:";
    HostStringArray messages_;
};

}  // namespace fhir
