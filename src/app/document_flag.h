#pragma once

#include "panel/document_host.h"

namespace pattik {

// The document's modified flag, shared by the panel's pointer handlers, the item bar's
// guard and the document's commands.
class DocumentFlag : public DocumentHost {
  public:
    void SetDocumentModified(bool modified) override { modified_ = modified; }
    bool IsDocumentModified() const override { return modified_; }

  private:
    bool modified_ = false;
};

} // namespace pattik
