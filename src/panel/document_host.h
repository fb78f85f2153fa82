#pragma once

namespace pattik {

// The document's modified flag: set by the first accepted canvas press, cleared by saving
// and by a new document. It is the unsaved work that the item bar refuses to throw away.
class DocumentHost {
  public:
    virtual ~DocumentHost() = default;

    virtual void SetDocumentModified(bool modified) = 0;
    virtual bool IsDocumentModified() const = 0;
};

} // namespace pattik
