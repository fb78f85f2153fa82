#pragma once

#include "panel/document_host.h"

#include <functional>

namespace pattik {

// The document's modified flag, with a listener for the window to show it.
class DocumentFlag : public DocumentHost {
  public:
    void SetDocumentModified(bool modified) override {
        const bool changed = modified != modified_;
        modified_ = modified;
        if (changed && onChange_) {
            onChange_(modified_);
        }
    }
    bool IsDocumentModified() const override { return modified_; }
    void OnChange(std::function<void(bool)> listener) { onChange_ = std::move(listener); }

  private:
    bool modified_ = false;
    std::function<void(bool)> onChange_;
};

} // namespace pattik
