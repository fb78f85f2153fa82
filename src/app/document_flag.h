#pragma once

#include "panel/document_host.h"

#include <functional>
#include <utility>

namespace pattik {

// The document's modified flag, shared by the panel's pointer handlers, the item bar's
// guard and the document's commands. The window shows it in its title, as Qt windows mark
// unsaved changes.
class DocumentFlag : public DocumentHost {
  public:
    // Told each time the flag changes.
    void OnChange(std::function<void(bool)> listener) { listener_ = std::move(listener); }

    void SetDocumentModified(bool modified) override {
        const bool changed = modified != modified_;
        modified_ = modified;
        if (changed && listener_) {
            listener_(modified);
        }
    }
    bool IsDocumentModified() const override { return modified_; }

  private:
    bool modified_ = false;
    std::function<void(bool)> listener_;
};

} // namespace pattik
